#include "dialogs/editform.h"

#include "app/apperror.h"
#include "app/fonts.h"
#include "app/labelededit.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "dialogs/copentextdialog.h"
#include "dialogs/editortext.h"
#include "dialogs/textpreview.h"
#include "platform/atomicfile.h"
#include "platform/fileread.h"
#include "platform/filesystem.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"
#include "ui_editform.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QPlainTextEdit>

TForm3* Form3 = nullptr;

namespace {

AppError CannotCreateError(const std::string& path) {
    return AppError(text::Utf8ToCp932("ファイル ") + path + text::Utf8ToCp932(" を作成できません"));
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent), m_ui(new Ui::TForm3) {
    m_ui->setupUi(this);
    RichEdit1 = m_ui->RichEdit1;
    LabeledEdit1 = m_ui->LabeledEdit1;
    BitBtn1 = m_ui->BitBtn1;
    BitBtn2 = m_ui->BitBtn2;
    GroupBox1 = m_ui->GroupBox1;
    BitBtn3 = m_ui->BitBtn3;
    BitBtn4 = m_ui->BitBtn4;
    SaveDialog1 = new ProgramFileDialog(this, QFileDialog::AcceptSave);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(474, 513);
    move(230, 126);
    setFont(fonts::PixelFont(fonts::kProportional, 12));
    RichEdit1->setFont(fonts::PixelFont(fonts::kFixedPitch, 15));
    RichEdit1->setTabStopDistance(RichEdit1->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    BitBtn1->setIcon(QIcon(QStringLiteral(":/icons/folder_open.xpm")));
    BitBtn1->setIconSize(QSize(16, 16));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm3::BitBtn4Click);
}

TForm3::~TForm3() {
    delete m_ui;
}

void TForm3::prepare(const std::string& path) {
    LabeledEdit1->clear();
    Form1->LinkFileName = path;
    RichEdit1->clear();
    if (path.empty()) {
        setWindowTitle(QStringLiteral("ﾘｽﾄ新規作成"));
        BitBtn3->setText(QStringLiteral("保存"));
        return;
    }
    setWindowTitle(QStringLiteral("ﾘｽﾄ編集 ") + text::ToQString(path));
    const std::optional<std::string> bytes = platform::ReadFileStart(path);
    if (!bytes)
        throw CannotOpenError(path);
    RichEdit1->setPlainText(text::ToQString(PreviewText(*bytes)));
    BitBtn3->setText(QStringLiteral("更新"));
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm3::FormShow() {
    RichEdit1->document()->setModified(false);
}

void TForm3::BitBtn1Click() {
    COpenTextDialog dialog(this);
    dialog.setTitle(text::Utf8ToCp932("ﾌｧｲﾙ選択"));
    dialog.setFilter(
        text::Utf8ToCp932("すべて表示(*.*)|*.*|ＮＣ文章(*.nc;*.nc1;*.nc0)|*.NC;*.NC1;*.NC0|"));
    if (dialog.Execute())
        LabeledEdit1->setText(text::ToQString(dialog.FileName()));
}

void TForm3::BitBtn2Click() {
    LabeledEdit1->setText(QStringLiteral("FILE=") + LabeledEdit1->text());
    LabeledEdit1->selectAll();
    QApplication::clipboard()->setText(LabeledEdit1->text());
    LabeledEdit1->clear();
}

void TForm3::BitBtn3Click() {
    if (save())
        done(Accepted);
}

void TForm3::BitBtn4Click() {
    if (mayClose())
        done(Rejected);
}

void TForm3::reject() {
    if (mayClose())
        QDialog::reject();
}

bool TForm3::mayClose() {
    if (!RichEdit1->document()->isModified())
        return true;
    const BoxButton answer =
        ShowMessageBox(this, BoxIcon::Information, QStringLiteral("リスト編集"),
                       QStringLiteral("リストが変更されています。\n保存せずに終了しますか？"),
                       {BoxButton::Yes, BoxButton::No}, BoxPlace::ScreenCentre);
    return answer == BoxButton::Yes || save();
}

// False when the user cancelled the save dialog: nothing was written, and the
// text stays in the editor.
bool TForm3::save() {
    if (Form1->LinkFileName.empty())
        return saveNewList();
    write(Form1->LinkFileName);
    Form1->LoadLinkFile(Form1->LinkFileName);
    return true;
}

bool TForm3::saveNewList() {
    SaveDialog1->setFilter(Form1->LinkFilter);
    SaveDialog1->setFilterIndex(Form1->MaskNo);
    if (const auto extension = SaveExtensionFor(Form1->MaskNo, Form1->User1Mask, Form1->User2Mask))
        SaveDialog1->setDefaultExt(*extension);
    if (!SaveDialog1->Execute())
        return false;
    QCoreApplication::processEvents();
    Form1->LinkFileName = SaveDialog1->FileName();
    write(Form1->LinkFileName);
    Form1->LoadLinkFile(Form1->LinkFileName);
    RichEdit1->document()->setModified(false);
    Form1->MaskNo = SaveDialog1->filterIndex();
    Form1->LabeledEdit1->setText(text::ToQString(Form1->LinkFileName));
    return true;
}

// The whole text or nothing: the file is replaced only once it is complete.
void TForm3::write(const std::string& path) {
    const std::string bytes = FileBytesOf(text::FromQString(RichEdit1->toPlainText()));
    const std::optional<std::string> host = platform::HostPath(path);
    if (!host || !platform::ReplaceHostFile(*host, bytes))
        throw CannotCreateError(path);
}
