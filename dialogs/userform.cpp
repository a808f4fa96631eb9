#include "dialogs/userform.h"

TUser* User = nullptr;

TUser::TUser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("User"));
}
