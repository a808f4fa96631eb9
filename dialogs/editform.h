#pragma once
// The list editor: a new link file or the current one edited as plain text,
// with a helper that puts the entry line of a chosen program on the clipboard.

#include <QDialog>
#include <memory>
#include <string>

class LabeledEdit;
class ProgramFileDialog;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace Ui {
class TForm3;
}

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    QPlainTextEdit* RichEdit1;
    LabeledEdit* LabeledEdit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QGroupBox* GroupBox1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    // Kept from one save to the next, so that it remembers its folder and name.
    ProgramFileDialog* SaveDialog1;

    // Prepares the editor for the link file `path` (CP932, program form), or
    // for a new list when it is empty; throws AppError when it cannot be read.
    void prepare(const std::string& path);
    void FormShow();

public slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    // The close box and Escape ask as "中止" does when the text was changed.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool save();
    bool saveNewList();
    void write(const std::string& path);
    // True when the editor may close: the text is unchanged, the user lets
    // it go, or it was saved.
    bool mayClose();

    Ui::TForm3* m_ui;
};

extern TForm3* Form3;
