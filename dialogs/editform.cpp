#include "dialogs/editform.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
}
