// The copy command: every file that the list names, found by the search
// window, copied into the destination folder by the shell's copy.
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "copy/copyform.h"
#include "dialogs/folderdialog.h"
#include "platform/filesystem.h"
#include "platform/shellcopy.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"

#include <QApplication>

namespace {

void AskForDestination(QWidget* owner) {
    ShowMessageBox(owner, BoxIcon::Warning, caption::Warning,
                   QStringLiteral("ｺﾋﾟｰ先の\nﾌｫﾙﾀﾞを選択して下さい。"), {BoxButton::Ok},
                   BoxPlace::OwnerOffset);
}

bool AgreesToCreate(QWidget* owner, const std::string& folder) {
    const QString question = QStringLiteral("ディレクトリが有りません。\n") +
                             text::ToQString(folder) + QStringLiteral("を作成しますか？");
    return ShowMessageBox(owner, BoxIcon::Warning, caption::Warning, question,
                          {BoxButton::Yes, BoxButton::No}, BoxPlace::OwnerOffset) == BoxButton::Yes;
}

void Report(QWidget* owner, const QString& caption, const QString& text) {
    ShowMessageBox(owner, BoxIcon::Information, caption, text, {BoxButton::Ok}, BoxPlace::System);
}

void ReportNothingCopied(QWidget* owner) {
    Report(owner, QStringLiteral("未完了"), QStringLiteral("ファイルをコピー出来ません。"));
}

} // namespace

void TForm1::BitBtn2Click() {
    std::string start = CopyPath;
    if (!platform::DirectoryExists(start))
        start.clear();
    const std::string chosen =
        BrowseForFolder(this, text::Utf8ToCp932("現ﾃﾞｨﾚｸﾄﾘ ") + CopyPath, start).value_or(start);
    if (!chosen.empty())
        LabeledEdit2->setText(text::ToQString(chosen));
}

void TForm1::BitBtn4Click() {
    const std::string destination = text::FromQString(LabeledEdit2->text());
    if (destination.empty())
        return AskForDestination(this);
    if (!platform::DirectoryExists(destination)) {
        if (!AgreesToCreate(this, destination))
            return AskForDestination(this);
        platform::CreateFolder(destination); // a failure shows in the copy itself
    }
    CopyPath = destination;
    if (ListBox1->count() == 0)
        return ReportNothingCopied(this);
    SetSearchPosition();
    Form2->exec();
    if (CopyList.empty())
        return ReportNothingCopied(this);
    WaitRepainting(g_searchWaits.beforeCopy);
    const bool aborted = platform::CurrentShellCopy().copy(this, CopyList, CopyPath + "\\");
    CopyList.clear();
    if (!aborted)
        Report(this, QStringLiteral("完了"), QStringLiteral("ファイルをコピーしました。"));
}

void TForm1::SetSearchPosition() {
    if (QApplication::activeWindow() != this)
        return;
    const QRect outer = frameGeometry();
    SearchTop = outer.top();
    SearchLeft = outer.left();
}
