#include "dialogs/userform.h"

#include "app/fonts.h"
#include "app/labelededit.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "dialogs/filters.h"
#include "dialogs/userdefinitions.h"
#include "text/qtext.h"
#include "ui_userform.h"

#include <QKeyEvent>

TUser* User = nullptr;

namespace {

constexpr QChar kEnter = u'\r';

bool IsForbiddenMaskChar(QChar key) {
    return key.unicode() < 0x80 &&
           ForbiddenMaskChars.find(static_cast<char>(key.unicode())) != std::string_view::npos;
}

} // namespace

TUser::TUser(QWidget* parent) : QDialog(parent), m_ui(new Ui::TUser) {
    m_ui->setupUi(this);
    LabeledEdit1 = m_ui->LabeledEdit1;
    LabeledEdit2 = m_ui->LabeledEdit2;
    LabeledEdit3 = m_ui->LabeledEdit3;
    LabeledEdit4 = m_ui->LabeledEdit4;
    Button1 = m_ui->Button1;
    Button2 = m_ui->Button2;
    Button3 = m_ui->Button3;
    // A title bar without system menu or close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(379, 173);
    setFont(fonts::PixelFont(fonts::kProportional, 12));
    for (LabeledEdit* box : {LabeledEdit1, LabeledEdit2, LabeledEdit3, LabeledEdit4})
        box->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TUser::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TUser::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TUser::Button3Click);
}

TUser::~TUser() {
    delete m_ui;
}

void TUser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TUser::FormShow() {
    move(Form1->pos());
    showDefinitions();
}

void TUser::showDefinitions() {
    LabeledEdit1->setText(text::ToQString(Form1->User1Name));
    LabeledEdit2->setText(text::ToQString(Form1->User1Mask));
    LabeledEdit3->setText(text::ToQString(Form1->User2Name));
    LabeledEdit4->setText(text::ToQString(Form1->User2Mask));
}

// Hands each typed character to the box's key handler before the box sees it.
bool TUser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const bool enter = keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
    if (!enter && keyEvent->text().size() != 1)
        return false; // not a character: cursor keys and the like
    QChar key = enter ? kEnter : keyEvent->text().front();
    if (watched == LabeledEdit2)
        LabeledEdit2KeyPress(key);
    else if (watched == LabeledEdit4)
        LabeledEdit4KeyPress(key);
    else
        LabeledEdit1KeyPress(key);
    return key.isNull() || enter;
}

void TUser::LabeledEdit1KeyPress(QChar& key) {
    if (key == kEnter)
        Button1->setFocus();
}

void TUser::LabeledEdit2KeyPress(QChar& key) {
    extensionKeyPress(LabeledEdit2, key);
}

void TUser::LabeledEdit4KeyPress(QChar& key) {
    extensionKeyPress(LabeledEdit4, key);
}

void TUser::extensionKeyPress(LabeledEdit* box, QChar& key) {
    if (key == kEnter) {
        if (!box->text().isEmpty()) {
            box->setText(text::ToQString(NormaliseMask(text::FromQString(box->text()))));
            Button1->setFocus();
        }
        return;
    }
    if (IsForbiddenMaskChar(key)) {
        key = QChar();
        ShowMessageBox(this, BoxIcon::Stop, caption::Confirm,
                       QStringLiteral("この文字は拡張子に使えません。\n/:,;?<>|"), {BoxButton::Ok},
                       BoxPlace::ScreenCentre);
    }
}

void TUser::Button1Click() {
    const UserDefinitions stored = AcceptedDefinitions(
        {text::FromQString(LabeledEdit1->text()), text::FromQString(LabeledEdit2->text()),
         text::FromQString(LabeledEdit3->text()), text::FromQString(LabeledEdit4->text())});
    LabeledEdit1->setText(text::ToQString(stored.name1));
    LabeledEdit2->setText(text::ToQString(stored.mask1));
    LabeledEdit3->setText(text::ToQString(stored.name2));
    LabeledEdit4->setText(text::ToQString(stored.mask2));
    Form1->User1Name = stored.name1;
    Form1->User1Mask = stored.mask1;
    Form1->User2Name = stored.name2;
    Form1->User2Mask = stored.mask2;
    accept();
}

void TUser::Button2Click() {
    showDefinitions();
    reject();
}

void TUser::Button3Click() {
    reject();
}

// Escape does not close the dialog: only its buttons do.
void TUser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
