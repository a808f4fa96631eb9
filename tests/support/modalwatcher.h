#pragma once
// Answers the modal windows that a test action opens, the way a user would:
// each one is read (class, caption, text, icon, position, buttons) and then
// answered by pressing one of its buttons by text, or by a handler of its own.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

struct ModalInfo {
    QString className;
    QString caption;
    QString text;
    int icon = -1; // QMessageBox::Icon, -1 for other windows
    QPoint position;
    QStringList buttons;
};

ModalInfo ReadModal(QWidget* window);
// Clicks the button whose text is `text` ("&" markers may be left out).
bool PressButton(QWidget* window, const QString& text);

class ModalAnswerer : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    // Presses these buttons in the next modal windows, one each, in order.
    explicit ModalAnswerer(const QStringList& buttons);
    explicit ModalAnswerer(std::vector<Handler> handlers);
    ~ModalAnswerer() override;

    // A modal window that the test shows itself: neither answered nor counted.
    void leaveAlone(QWidget* window) { m_leftAlone.push_back(window); }

    const std::vector<ModalInfo>& seen() const { return m_seen; }
    // Modal windows beyond the answers given: closed unanswered, so that a
    // test never hangs, and counted so that it can fail.
    int unexpected() const { return m_unexpected; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QPointer<QWidget> window);

    std::vector<Handler> m_handlers;
    std::size_t m_next = 0;
    std::vector<ModalInfo> m_seen;
    std::vector<QWidget*> m_pending;
    std::vector<QWidget*> m_leftAlone;
    int m_unexpected = 0;
};

// Runs `action`, answering every modal window it opens with these buttons.
std::vector<ModalInfo> AnswerModals(const QStringList& buttons,
                                    const std::function<void()>& action);
