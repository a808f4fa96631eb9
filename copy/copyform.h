#pragma once
// The search window: before a copy it walks every line of the main list,
// tests the file that each entry names, warns about missing ones and collects
// the found paths in the main window's CopyList.

#include <QDialog>
#include <QTimer>

class QLabel;
class SearchAnimation;

namespace Ui {
class TForm2;
}

// The search's waits in milliseconds, so that the user can follow the paths;
// tests shorten them.
struct SearchWaits {
    int timer = 500;      // from the show to the search
    int perFound = 250;   // after each file found
    int atEnd = 1000;     // after the last line
    int beforeCopy = 100; // between the search and the copy
};
inline SearchWaits g_searchWaits;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    SearchAnimation* Animate1;
    QLabel* Label1;
    QTimer* Timer1;

    void FormShow();

public slots:
    void Timer1Timer();
    // A close request (close box, Escape) while the search runs waits for its end.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeOnSearchPosition();
    void testLine(int index);
    void showPath(const std::string& path);

    Ui::TForm2* m_ui;
    bool m_searching = false;
};

// Waits `milliseconds` while the windows go on repainting.
void WaitRepainting(int milliseconds);

extern TForm2* Form2;
