#include "app/mainform.h"

#include "app/fonts.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/settings.h"
#include "text/qtext.h"
#include "ui_mainform.h"

#include <QCloseEvent>
#include <QIcon>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), m_ui(new Ui::TForm1) {
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
    Label1->setText({});
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
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(FileExit1, &QAction::triggered, this, &TForm1::FileExit1Click);
}

void TForm1::FormCreate() {
    // Without a settings file every value takes its default; the window is
    // placed as soon as its values are known.
    const Settings settings;
    move(settings.Left, settings.Top);
    resize(settings.Width, settings.Height);
    DirPath = settings.DirPath;
    CopyPath = settings.CopyPath;
    std::string* recent[] = {&RecentFile1, &RecentFile2, &RecentFile3, &RecentFile4, &RecentFile5};
    for (int slot = 0; slot < 5; ++slot)
        *recent[slot] = settings.RecentFiles[slot];
    MaskNo = settings.MaskNo;
    User1Name = settings.User1Name;
    User1Mask = settings.User1Mask;
    User2Name = settings.User2Name;
    User2Mask = settings.User2Mask;

    Label1->setText({});
    VersionText = "1.08";
    setWindowTitle(QStringLiteral("Tessivar Ver") + text::ToQString(VersionText));
}

void TForm1::FormShow() {}

void TForm1::FormCloseQuery(bool& canClose) {
    canClose = true;
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
