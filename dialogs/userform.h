#pragma once
// The dialog of the two user-defined file types: a display name and an
// extension each. It is left only through its three buttons.

#include <QDialog>

class LabeledEdit;
class QPushButton;

namespace Ui {
class TUser;
}

class TUser : public QDialog {
    Q_OBJECT
public:
    explicit TUser(QWidget* parent = nullptr);
    ~TUser() override;

    LabeledEdit* LabeledEdit1;
    LabeledEdit* LabeledEdit2;
    LabeledEdit* LabeledEdit3;
    LabeledEdit* LabeledEdit4;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

    void FormShow();
    // Key handlers: each gets the typed character and may drop it by setting
    // it to a null character.
    void LabeledEdit1KeyPress(QChar& key);
    void LabeledEdit2KeyPress(QChar& key);
    void LabeledEdit4KeyPress(QChar& key);

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void extensionKeyPress(LabeledEdit* box, QChar& key);
    void showDefinitions();

    Ui::TUser* m_ui;
};

extern TUser* User;
