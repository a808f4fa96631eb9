#pragma once
// The search window that finds every listed file before a copy.

#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
