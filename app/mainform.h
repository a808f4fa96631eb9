#pragma once
// The main window: every function of the program is reached from here, and it
// owns the state that the other windows read and write through Form1.

#include "app/advancecache.h"
#include "app/recentfiles.h"

#include <QMainWindow>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LabeledEdit;
class ListBox;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
struct Settings;

namespace Ui {
class TForm1;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 640;
    static constexpr int kMinimumHeight = 540;

    // `arguments`: the program's command-line arguments, without its name.
    explicit TForm1(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Shared state, CP932 texts.
    std::string DirPath;
    std::string CopyPath;
    std::string RecentFile1, RecentFile2, RecentFile3, RecentFile4, RecentFile5;
    std::string VersionText;
    std::string LinkFileName;
    // The paths that the search found, whole and in list order, duplicates kept.
    std::vector<std::string> CopyList;
    std::int32_t SearchLeft = 0;
    std::int32_t SearchTop = 0;
    std::int32_t MaskNo = 0;
    std::string User1Name, User1Mask, User2Name, User2Mask;
    std::string LinkFilter;

    // Controls.
    QFrame* Panel1;
    LabeledEdit* LabeledEdit1;
    QPushButton* BitBtn1;
    LabeledEdit* LabeledEdit2;
    QPushButton* BitBtn2;
    QGroupBox* GroupBox1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QLabel* Label1;
    ListBox* ListBox1;
    ListBox* ListBox2;
    QStatusBar* StatusBar1;
    QMenuBar* MainMenu1;
    QMenu* N1;
    QAction* DeskTop_set;
    QAction* SendTo_set;
    QAction* FileNone4;
    QAction* MenuFile0;
    QAction* MenuFile1;
    QAction* MenuFile2;
    QAction* MenuFile3;
    QAction* MenuFile4;
    QAction* FileNone3;
    QAction* FileExit1;
    QMenu* Setting;
    QAction* User_op;
    QMenu* Menu_help;
    QAction* Menu_hp;
    QAction* Menu_add;
    QAction* non1;
    QAction* Menu_ver;

    void FormCreate();
    void FormShow();
    void FormCloseQuery(bool& canClose);

    // Shows the link file at `path` (program form) in the lists; does nothing
    // when no file is there.
    void LoadLinkFile(const std::string& path);
    void UpdateRecentFiles(const std::string& path);
    void BuildLinkFilter();
    // Files dropped on the window (program form): one is read into the list,
    // several are refused.
    void WMDropFiles(const std::vector<std::string>& paths);
    // Records the main window's screen position for the search window, when
    // the main window is the active one.
    void SetSearchPosition();
    // Opens the file at `path` in the application that its type belongs to.
    void LaunchFile(const std::string& path);

public slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void FileExit1Click();
    void ListBox1Click();
    void ListBox1DblClick();
    void MenuFile0Click();
    void MenuFile1Click();
    void MenuFile2Click();
    void MenuFile3Click();
    void MenuFile4Click();
    void User_opClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void bindControls();
    void setFontsAndGlyphs();
    void connectHandlers();
    RecentSlots recentSlots();
    QAction* recentItem(int slot) const;
    void showRecentFiles();
    void loadCommandLineFile();
    void readSettings();
    Settings currentSettings();
    bool writeSettings();
    bool closeWithoutSaving();
    void acceptFileDrops();
    void readDroppedFile(const std::string& path);
    void openRecentFile(int slot);
    void showLines(const std::vector<std::string>& lines);
    void setLabel1(const std::string& text);

    Ui::TForm1* m_ui;
    QStringList m_arguments;
    std::unique_ptr<AdvanceCache> m_advances;
    bool m_shownOnce = false;
};

extern TForm1* Form1;
