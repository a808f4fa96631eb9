#pragma once
// The one helper through which every modal box of the program is shown.

#include <QString>
#include <initializer_list>
#include <string>

class QWidget;

enum class BoxIcon { None, Warning, Stop, Information, Question };
enum class BoxButton { Ok, Cancel, Yes, No };

enum class BoxPlace {
    OwnerOffset,  // top-left corner 50 pixels right of and below the owner's
    ScreenCentre, // centred on the screen
    System,       // wherever the system puts it
};

// The platform's Japanese captions.
namespace caption {
inline const QString Warning = QStringLiteral("警告");
inline const QString Error = QStringLiteral("エラー");
inline const QString Information = QStringLiteral("情報");
inline const QString Confirm = QStringLiteral("確認");
} // namespace caption

// Shows the box modally and returns the button pressed. Closing the box
// otherwise counts as its "キャンセル", else its "いいえ", else its last button.
BoxButton ShowMessageBox(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text,
                         std::initializer_list<BoxButton> buttons, BoxPlace place);

// The application's error box: stop icon, caption "Tessivar", OK; a "." is
// appended when the message's last character sorts after ".".
void ShowApplicationError(const std::string& cp932Message);

// The error box's text for a CP932 message.
std::string ApplicationErrorText(const std::string& cp932Message);
