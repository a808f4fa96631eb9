#include "copy/copyform.h"

#include "app/fonts.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "copy/searchanimation.h"
#include "platform/filesystem.h"
#include "resolve/entryline.h"
#include "text/qtext.h"
#include "ui_copyform.h"

#include <QCoreApplication>
#include <QEventLoop>

TForm2* Form2 = nullptr;

void WaitRepainting(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

TForm2::TForm2(QWidget* parent) : QDialog(parent), m_ui(new Ui::TForm2) {
    m_ui->setupUi(this);
    Animate1 = m_ui->Animate1;
    Label1 = m_ui->Label1;
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(g_searchWaits.timer);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(311, 89);
    setFont(fonts::PixelFont(fonts::kProportional, 12));
    Label1->setFont(fonts::PixelFont(fonts::kFixedPitch, 15));
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
}

TForm2::~TForm2() {
    delete m_ui;
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm2::FormShow() {
    placeOnSearchPosition();
    Label1->clear();
    Animate1->play();
    Timer1->start(g_searchWaits.timer);
}

// Centred on a rectangle of the main window's outer size at the recorded
// search position.
void TForm2::placeOnSearchPosition() {
    const QSize main = Form1->frameGeometry().size();
    const QSize own = frameGeometry().size();
    const int top = Form1->SearchTop + main.height() / 2 - own.height() / 2;
    const int left = Form1->SearchLeft + main.width() / 2 - own.width() / 2;
    move(left, top);
}

void TForm2::Timer1Timer() {
    Timer1->stop();
    m_searching = true;
    QCoreApplication::processEvents();
    Animate1->play();
    Form1->CopyList.clear();
    for (int index = 0; index < Form1->ListBox1->count(); ++index)
        testLine(index);
    WaitRepainting(g_searchWaits.atEnd);
    Animate1->stop();
    m_searching = false;
    close();
}

void TForm2::testLine(int index) {
    const std::string path = SearchTargetOf(Form1->ListBox1->line(index)).path;
    QCoreApplication::processEvents();
    showPath(path);
    if (path.empty())
        return;
    if (platform::FileExists(path)) {
        Form1->CopyList.push_back(path);
        WaitRepainting(g_searchWaits.perFound);
        return;
    }
    ShowMessageBox(this, BoxIcon::Warning, caption::Warning,
                   text::ToQString(path) + QStringLiteral("のﾌｧｲﾙが有りません。"), {BoxButton::Ok},
                   BoxPlace::OwnerOffset);
}

void TForm2::showPath(const std::string& path) {
    Label1->setText(text::ToQString(path));
    Label1->adjustSize();
    Label1->repaint();
}

void TForm2::reject() {
    if (!m_searching)
        QDialog::reject();
}
