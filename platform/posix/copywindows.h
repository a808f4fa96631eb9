#pragma once
// The shell copy's windows: the progress window that stays live while the copy
// runs elsewhere, and the questions it asks on the way.

#include "platform/copyengine.h"

#include <QDialog>
#include <functional>
#include <utility>

class QLabel;
class QProgressBar;
class QPushButton;

namespace platform::posix {

// Where the copy stands, as the progress window shows it.
struct CopyStatus {
    std::string name;         // empty before the first file
    std::string sourceFolder; // CP932
    std::string targetFolder;
    std::size_t current = 0; // 1-based number of the file under way
    std::size_t count = 0;
    int permille = 0;
};

class CopyProgressWindow final : public QDialog {
public:
    CopyProgressWindow();

    // `onCancel` runs when the user presses "キャンセル", Escape or the close box.
    void setOnCancel(std::function<void()> onCancel) { m_onCancel = std::move(onCancel); }

    void showStatus(const CopyStatus& status);

protected:
    // The window stays until the copy has stopped; cancelling only asks for it.
    void reject() override;

private:
    void setElided(QLabel* label, const QString& text);

    std::function<void()> m_onCancel;
    QLabel* m_file;
    QLabel* m_route;
    QProgressBar* m_bar;
    QLabel* m_count;
    QPushButton* m_cancel;
};

CopyClient::Replace AskReplace(QWidget* parent, const CopyJob& job, const FileFacts& existing,
                               const FileFacts& incoming, bool onlyFile);
CopyClient::OnError AskOnError(QWidget* parent, const CopyJob& job, const CopyError& error);

} // namespace platform::posix
