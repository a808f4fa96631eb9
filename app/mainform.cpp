#include "app/mainform.h"

#include "app/fonts.h"
#include "app/labelededit.h"
#include "app/linkfile.h"
#include "app/linkfilereader.h"
#include "app/listbox.h"
#include "app/version.h"
#include "dialogs/copentextdialog.h"
#include "dialogs/editform.h"
#include "dialogs/filters.h"
#include "dialogs/userform.h"
#include "platform/filesystem.h"
#include "text/cp932.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"
#include "ui_mainform.h"

#include <QCloseEvent>
#include <QIcon>

TForm1* Form1 = nullptr;

TForm1::TForm1(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_ui(new Ui::TForm1), m_arguments(arguments) {
    m_ui->setupUi(this);
    bindControls();
    setFontsAndGlyphs();
    connectHandlers();
    FormCreate();
}

TForm1::~TForm1() {
    delete m_ui;
}

void TForm1::bindControls() {
    Panel1 = m_ui->Panel1;
    LabeledEdit1 = m_ui->LabeledEdit1;
    BitBtn1 = m_ui->BitBtn1;
    LabeledEdit2 = m_ui->LabeledEdit2;
    BitBtn2 = m_ui->BitBtn2;
    GroupBox1 = m_ui->GroupBox1;
    BitBtn3 = m_ui->BitBtn3;
    BitBtn4 = m_ui->BitBtn4;
    BitBtn5 = m_ui->BitBtn5;
    BitBtn6 = m_ui->BitBtn6;
    BitBtn7 = m_ui->BitBtn7;
    Label1 = m_ui->Label1;
    ListBox1 = m_ui->ListBox1;
    StatusBar1 = m_ui->StatusBar1;
    MainMenu1 = m_ui->MainMenu1;
    N1 = m_ui->N1;
    DeskTop_set = m_ui->DeskTop_set;
    SendTo_set = m_ui->SendTo_set;
    MenuFile0 = m_ui->MenuFile0;
    MenuFile1 = m_ui->MenuFile1;
    MenuFile2 = m_ui->MenuFile2;
    MenuFile3 = m_ui->MenuFile3;
    MenuFile4 = m_ui->MenuFile4;
    FileExit1 = m_ui->FileExit1;
    Setting = m_ui->Setting;
    User_op = m_ui->User_op;
    Menu_help = m_ui->Menu_help;
    Menu_hp = m_ui->Menu_hp;
    Menu_add = m_ui->Menu_add;
    Menu_ver = m_ui->Menu_ver;

    // Named separators, which the form file cannot name.
    const auto separator = [](QMenu* menu, QAction* before, const char* name) {
        QAction* action = menu->insertSeparator(before);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    FileNone4 = separator(N1, MenuFile0, "FileNone4");
    FileNone3 = separator(N1, FileExit1, "FileNone3");
    non1 = separator(Menu_help, Menu_ver, "non1");

    // The raw lines of the last load: a list that is never shown, lying
    // beneath ListBox1.
    ListBox2 = new ListBox(m_ui->ClientArea);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(32, 176, 313, 201);
    ListBox2->lower();
    ListBox2->hide();

    StatusBar1->setFixedHeight(24);
}

void TForm1::setFontsAndGlyphs() {
    setFont(fonts::PixelFont(fonts::kProportional, 12));
    for (LabeledEdit* edit : {LabeledEdit1, LabeledEdit2})
        edit->setFont(fonts::PixelFont(fonts::kProportional, 15));
    Label1->setFont(fonts::PixelFont(fonts::kProportional, 16));
    ListBox1->setFont(fonts::PixelFont(fonts::kFixedPitch, 15));
    ListBox1->setItemHeight(15);
    ListBox2->setFont(fonts::PixelFont(fonts::kFixedPitch, 12));

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tessivar32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/tessivar16.xpm"), QSize(16, 16));
    setWindowIcon(icon);
    const QIcon folder(QStringLiteral(":/icons/folder_open.xpm"));
    BitBtn1->setIcon(folder);
    BitBtn2->setIcon(folder);
    BitBtn3->setIcon(QIcon(QStringLiteral(":/icons/edit.xpm")));
    BitBtn4->setIcon(QIcon(QStringLiteral(":/icons/copy_all.xpm")));
    BitBtn6->setIcon(QIcon(QStringLiteral(":/icons/list.xpm")));
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn6})
        button->setIconSize(QSize(16, 16));
}

void TForm1::connectHandlers() {
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TForm1::BitBtn7Click);
    connect(FileExit1, &QAction::triggered, this, &TForm1::FileExit1Click);
    connect(ListBox1, &ListBox::userSelected, this, &TForm1::ListBox1Click);
    connect(ListBox1, &ListBox::doubleClickedAnywhere, this, &TForm1::ListBox1DblClick);
    connect(User_op, &QAction::triggered, this, &TForm1::User_opClick);
    connect(MenuFile0, &QAction::triggered, this, &TForm1::MenuFile0Click);
    connect(MenuFile1, &QAction::triggered, this, &TForm1::MenuFile1Click);
    connect(MenuFile2, &QAction::triggered, this, &TForm1::MenuFile2Click);
    connect(MenuFile3, &QAction::triggered, this, &TForm1::MenuFile3Click);
    connect(MenuFile4, &QAction::triggered, this, &TForm1::MenuFile4Click);
}

void TForm1::FormCreate() {
    readSettings();
    BuildLinkFilter();
    setLabel1({});
    VersionText = kVersionText;
    setWindowTitle(QStringLiteral("Tessivar Ver") + text::ToQString(VersionText));
    loadCommandLineFile();
}

// The first argument that contains "\" (a plain byte search) is loaded; the
// others are ignored. It does not become the current list's name.
void TForm1::loadCommandLineFile() {
    for (const QString& argument : m_arguments) {
        const std::string path = platform::ProgramPathOfArgument(argument.toUtf8().toStdString());
        if (text::Contains(path, "\\")) {
            LabeledEdit1->setText(text::ToQString(path));
            LoadLinkFile(path);
            return;
        }
    }
}

void TForm1::FormShow() {
    acceptFileDrops();
    showRecentFiles();
}

void TForm1::LoadLinkFile(const std::string& path) {
    if (!platform::FileExists(path))
        return;
    setLabel1({});
    LabeledEdit1->setText(text::ToQString(path));
    DirPath = FolderOf(path);
    ListBox1->clear();
    ListBox2->setLines(ReadLinkFile(path));
    UpdateRecentFiles(path);
    showLines(ListBox2->lines());
    ListBox1->setItemIndex(0);
}

// Display lines with tabs expanded; the scrollable width is one and a half
// times the widest line in the window's own font.
void TForm1::showLines(const std::vector<std::string>& lines) {
    if (!m_advances || m_advances->font() != font())
        m_advances = std::make_unique<AdvanceCache>(font());
    std::vector<std::string> display;
    display.reserve(lines.size());
    int widest = 0;
    for (const std::string& line : lines) {
        display.push_back(DisplayLine(line));
        widest = std::max(widest, m_advances->width(display.back()));
    }
    ListBox1->setLines(std::move(display));
    ListBox1->setHorizontalExtent(static_cast<int>(widest * 1.5));
}

void TForm1::setLabel1(const std::string& text) {
    Label1->setText(text::ToQString(text));
    Label1->adjustSize();
}

RecentSlots TForm1::recentSlots() {
    return {&RecentFile1, &RecentFile2, &RecentFile3, &RecentFile4, &RecentFile5};
}

QAction* TForm1::recentItem(int slot) const {
    QAction* const items[] = {MenuFile0, MenuFile1, MenuFile2, MenuFile3, MenuFile4};
    return items[slot];
}

void TForm1::UpdateRecentFiles(const std::string& path) {
    EnterRecentFile(recentSlots(), path);
    showRecentFiles();
}

// Items of used slots are shown with their captions; items of free slots stay
// as they are, so an item once shown stays shown.
void TForm1::showRecentFiles() {
    const RecentSlots recent = recentSlots();
    for (int slot = 0; slot < 5; ++slot) {
        if (recent[slot]->empty())
            continue;
        recentItem(slot)->setVisible(true);
        recentItem(slot)->setText(QStringLiteral("&%1 ").arg(slot + 1) +
                                  text::ToQString(*recent[slot]));
    }
}

void TForm1::openRecentFile(int slot) {
    const std::string path = *recentSlots()[slot];
    LoadLinkFile(path);
    LinkFileName = path;
}

void TForm1::BuildLinkFilter() {
    LinkFilter = ::BuildLinkFilter(User1Name, User1Mask, User2Name, User2Mask);
}

void TForm1::BitBtn1Click() {
    COpenTextDialog dialog(this);
    dialog.setFilter(LinkFilter);
    dialog.setFilterIndex(MaskNo);
    dialog.setFileName({});
    dialog.setInitialDir(DirPath);
    dialog.setDefaultExt("LNK");
    dialog.setTitle(text::Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ選択"));
    LinkFileName.clear();
    if (!dialog.Execute())
        return;
    const std::string chosen = dialog.FileName();
    LoadLinkFile(chosen);
    LinkFileName = chosen;
    MaskNo = dialog.filterIndex();
}

void TForm1::ListBox1Click() {
    const int index = ListBox1->itemIndex();
    setLabel1(index < 0 ? std::string() : EntryLabel(ListBox1->line(index)));
}

void TForm1::BitBtn7Click() {
    setLabel1({});
    LabeledEdit1->clear();
    LabeledEdit2->clear();
    ListBox1->clear();
}

void TForm1::MenuFile0Click() {
    openRecentFile(0);
}
void TForm1::MenuFile1Click() {
    openRecentFile(1);
}
void TForm1::MenuFile2Click() {
    openRecentFile(2);
}
void TForm1::MenuFile3Click() {
    openRecentFile(3);
}
void TForm1::MenuFile4Click() {
    openRecentFile(4);
}

void TForm1::User_opClick() {
    User->exec();
    BuildLinkFilter();
}

void TForm1::BitBtn6Click() {
    Form3->prepare(text::FromQString(LabeledEdit1->text()));
    Form3->exec();
}

void TForm1::BitBtn5Click() {
    close();
}

void TForm1::FileExit1Click() {
    close();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}
