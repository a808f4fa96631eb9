// Files dropped on the main window from the desktop.
#include "app/labelededit.h"
#include "app/linkfile.h"
#include "app/linkfilereader.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "platform/filesystem.h"
#include "text/qtext.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <optional>

namespace {

// The host files that a drag carries, in the program's form; nullopt when it
// carries anything else.
std::optional<std::vector<std::string>> DroppedFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return std::nullopt;
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return std::nullopt;
        paths.push_back(platform::ProgramPathOf(url.toLocalFile().toUtf8().toStdString()));
    }
    return paths;
}

} // namespace

// A file dropped on an edit box is the window's too, not text for the box.
void TForm1::acceptFileDrops() {
    setAcceptDrops(true);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setAcceptDrops(false);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFiles(event->mimeData()))
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const auto paths = DroppedFiles(event->mimeData());
    if (!paths)
        return;
    event->acceptProposedAction();
    WMDropFiles(*paths);
}

void TForm1::WMDropFiles(const std::vector<std::string>& paths) {
    if (paths.size() == 1) {
        readDroppedFile(paths.front());
        return;
    }
    ShowMessageBox(this, BoxIcon::Warning, caption::Warning, QStringLiteral("複数は不可です。"),
                   {BoxButton::Ok}, BoxPlace::OwnerOffset);
}

// The lines go into the list as the file holds them: no tab expansion, no new
// scrollable width, no selection, and the hidden list keeps the last load.
void TForm1::readDroppedFile(const std::string& path) {
    LabeledEdit1->setText(text::ToQString(path));
    DirPath = FolderOf(path);
    ListBox1->setLines(ReadLinkFile(path));
    LinkFileName = path;
    setLabel1({});
    UpdateRecentFiles(LinkFileName);
}
