#include "tests/support/modalwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

namespace {

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

} // namespace

ModalInfo ReadModal(QWidget* window) {
    ModalInfo info;
    info.className = QString::fromLatin1(window->metaObject()->className());
    info.caption = window->windowTitle();
    info.position = window->pos();
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        info.text = box->text();
        info.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            info.buttons << button->text();
    }
    return info;
}

bool PressButton(QWidget* window, const QString& text) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() &&
            (button->text() == text || WithoutMnemonic(button->text()) == WithoutMnemonic(text))) {
            button->click();
            return true;
        }
    }
    return false;
}

ModalAnswerer::ModalAnswerer(const QStringList& buttons) {
    for (const QString& button : buttons) {
        m_handlers.push_back([button](QWidget* window) {
            if (!PressButton(window, button))
                window->close();
        });
    }
    qApp->installEventFilter(this);
}

ModalAnswerer::ModalAnswerer(std::vector<Handler> handlers) : m_handlers(std::move(handlers)) {
    qApp->installEventFilter(this);
}

ModalAnswerer::~ModalAnswerer() {
    qApp->removeEventFilter(this);
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        const auto listed = [window](const std::vector<QWidget*>& windows) {
            return std::find(windows.begin(), windows.end(), window) != windows.end();
        };
        const bool known = listed(m_pending) || listed(m_leftAlone);
        if (window->isWindow() && window->isModal() && !known) {
            m_pending.push_back(window);
            // Answer once the window's own event loop runs.
            QTimer::singleShot(0, this,
                               [this, guarded = QPointer<QWidget>(window)] { answer(guarded); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalAnswerer::answer(QPointer<QWidget> window) {
    m_pending.erase(std::remove(m_pending.begin(), m_pending.end(), window.data()),
                    m_pending.end());
    if (!window || !window->isVisible())
        return;
    m_seen.push_back(ReadModal(window));
    if (m_next < m_handlers.size()) {
        m_handlers[m_next++](window);
        return;
    }
    ++m_unexpected;
    if (auto* dialog = qobject_cast<QDialog*>(window.data()))
        dialog->reject();
    else
        window->close();
}

std::vector<ModalInfo> AnswerModals(const QStringList& buttons,
                                    const std::function<void()>& action) {
    const ModalAnswerer answerer(buttons);
    action();
    return answerer.seen();
}
