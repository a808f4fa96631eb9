#pragma once
// The dialog of the two user-defined file types.

#include <QDialog>

class TUser : public QDialog {
    Q_OBJECT
public:
    explicit TUser(QWidget* parent = nullptr);
};

extern TUser* User;
