#include "app/messagebox.h"

#include "app/application.h"
#include "text/cp932.h"
#include "text/qtext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <vector>

namespace {

QString ButtonText(BoxButton button) {
    switch (button) {
    case BoxButton::Ok:
        return QStringLiteral("OK");
    case BoxButton::Cancel:
        return QStringLiteral("キャンセル");
    case BoxButton::Yes:
        return QStringLiteral("はい(&Y)");
    case BoxButton::No:
        return QStringLiteral("いいえ(&N)");
    }
    return {};
}

QMessageBox::ButtonRole ButtonRole(BoxButton button) {
    switch (button) {
    case BoxButton::Ok:
    case BoxButton::Yes:
        return QMessageBox::AcceptRole;
    case BoxButton::No:
        return QMessageBox::NoRole;
    case BoxButton::Cancel:
        return QMessageBox::RejectRole;
    }
    return QMessageBox::AcceptRole;
}

QMessageBox::Icon QtIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::None:
        return QMessageBox::NoIcon;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Stop:
        return QMessageBox::Critical;
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

BoxButton EscapeButton(std::initializer_list<BoxButton> buttons) {
    for (BoxButton preferred : {BoxButton::Cancel, BoxButton::No}) {
        for (BoxButton button : buttons) {
            if (button == preferred)
                return button;
        }
    }
    return buttons.size() > 0 ? *(buttons.end() - 1) : BoxButton::Ok;
}

void Place(QMessageBox& box, QWidget* owner, BoxPlace place) {
    if (place == BoxPlace::OwnerOffset && owner) {
        box.move(owner->pos() + QPoint(50, 50));
    } else if (place == BoxPlace::ScreenCentre) {
        box.adjustSize();
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        box.move(screen->availableGeometry().center() - box.rect().center());
    }
}

} // namespace

BoxButton ShowMessageBox(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text,
                         std::initializer_list<BoxButton> buttons, BoxPlace place) {
    QMessageBox box(owner);
    box.setIcon(QtIcon(icon));
    box.setWindowTitle(caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    const BoxButton escape = EscapeButton(buttons);
    QAbstractButton* escapeButton = nullptr;
    std::vector<std::pair<QAbstractButton*, BoxButton>> added;
    for (BoxButton button : buttons) {
        QAbstractButton* widget = box.addButton(ButtonText(button), ButtonRole(button));
        added.emplace_back(widget, button);
        if (button == escape)
            escapeButton = widget;
    }
    if (!added.empty())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.front().first));
    box.setEscapeButton(escapeButton);
    Place(box, owner, place);
    box.exec();
    for (const auto& [widget, button] : added) {
        if (box.clickedButton() == widget)
            return button;
    }
    return escape;
}

std::string ApplicationErrorText(const std::string& cp932Message) {
    if (cp932Message.empty())
        return cp932Message;
    // The first byte of the last character decides: every double-byte
    // character sorts after ".".
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < cp932Message.size(); pos += text::CharLength(cp932Message, pos))
        last = pos;
    return static_cast<unsigned char>(cp932Message[last]) > '.' ? cp932Message + '.' : cp932Message;
}

void ShowApplicationError(const std::string& cp932Message) {
    ShowMessageBox(
        QApplication::activeWindow(), BoxIcon::Stop, QString::fromUtf8(kApplicationTitle),
        text::ToQString(ApplicationErrorText(cp932Message)), {BoxButton::Ok}, BoxPlace::System);
}
