#include "app/apperror.h"
#include "app/application.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/shownlines.h"
#include "tests/support/tempfolder.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Lines = std::vector<std::string>;
using text::Utf8ToCp932;

class MainWindowLoad : public platform::test::DriveCTest {
protected:
    MainWindowLoad() { CreateApplicationWindows(); }
    ~MainWindowLoad() override { DestroyApplicationWindows(); }

    static QStringList shown() { return ShownLines(Form1->ListBox1); }
    static QString label() { return Form1->Label1->text(); }
    static QString linkBox() { return Form1->LabeledEdit1->text(); }
};

TEST_F(MainWindowLoad, ShowsEveryLineAndSelectsTheFirst) {
    c.file("NC/A.LST", Utf8ToCp932("; 見出し\r\nFILE=C:\\NC\\A.NC\t;荒\nAB\tC\r"));
    Form1->LoadLinkFile("C:\\NC\\A.LST");
    EXPECT_EQ(Form1->ListBox2->lines(),
              (Lines{Utf8ToCp932("; 見出し"), Utf8ToCp932("FILE=C:\\NC\\A.NC\t;荒"), "AB\tC"}));
    EXPECT_EQ(shown(), (QStringList{u"; 見出し"_qs, u"FILE=C:\\NC\\A.NC ;荒"_qs, u"AB      C"_qs}));
    EXPECT_EQ(Form1->ListBox1->itemIndex(), 0);
    EXPECT_TRUE(label().isEmpty());
    EXPECT_EQ(linkBox(), u"C:\\NC\\A.LST"_qs);
    EXPECT_EQ(Form1->DirPath, "C:\\NC");
    EXPECT_EQ(Form1->RecentFile1, "C:\\NC\\A.LST");
    EXPECT_TRUE(Form1->MenuFile0->isVisible());
    EXPECT_EQ(Form1->MenuFile0->text(), u"&1 C:\\NC\\A.LST"_qs);
    EXPECT_TRUE(Form1->LinkFileName.empty()); // only callers that track the file set it
}

TEST_F(MainWindowLoad, NoFileAtThePathChangesNothing) {
    c.folder("NC");
    c.file("NC/A.LST", "FILE=X\r\n");
    Form1->LoadLinkFile("C:\\NC\\A.LST");
    Form1->DirPath = "kept";
    for (const char* path : {"C:\\NC\\NONE.LST", "C:\\NC", "Q:\\A.LST", "C:\\NC\\*.NONE", ""}) {
        Form1->LoadLinkFile(path);
        EXPECT_EQ(Form1->DirPath, "kept") << path;
        EXPECT_EQ(linkBox(), u"C:\\NC\\A.LST"_qs) << path;
        EXPECT_EQ(shown(), (QStringList{u"FILE=X"_qs})) << path;
        EXPECT_EQ(Form1->RecentFile2, "") << path;
    }
}

TEST_F(MainWindowLoad, AnEmptyFileInADriveRootShowsNothingButIsNamed) {
    c.file("E.LST");
    Form1->LoadLinkFile("C:\\E.LST");
    EXPECT_EQ(Form1->ListBox1->count(), 0);
    EXPECT_EQ(Form1->ListBox1->itemIndex(), -1);
    EXPECT_EQ(Form1->ListBox1->horizontalExtent(), 0);
    EXPECT_EQ(linkBox(), u"C:\\E.LST"_qs);
    EXPECT_EQ(Form1->DirPath, "C:\\");
    EXPECT_EQ(Form1->RecentFile1, "C:\\E.LST");
}

TEST_F(MainWindowLoad, AFolderNameWithATrailBackslashIsOneFolder) {
    c.file("ソフト/A.LST", "FILE=X\n");
    const std::string path = Utf8ToCp932("C:\\ソフト\\A.LST");
    Form1->LoadLinkFile(path);
    EXPECT_EQ(Form1->DirPath, Utf8ToCp932("C:\\ソフト"));
    EXPECT_EQ(Form1->ListBox1->count(), 1);
}

TEST_F(MainWindowLoad, AnUnreadableFileIsReportedAndLeavesTheOldLines) {
    c.file("OLD.LST", "old\n");
    Form1->LoadLinkFile("C:\\OLD.LST");
    c.folder("NC");
    ASSERT_EQ(mkfifo((c / "NC/PIPE.LST").c_str(), 0600), 0);
    Form1->RecentFile1 = "C:\\NC\\PIPE.LST";
    Form1->RecentFile2 = "C:\\OLD.LST";
    const auto seen = AnswerModals({u"OK"_qs}, [] {
        // Queued, so that the click reaches the window as an event.
        QMetaObject::invokeMethod(Form1, &TForm1::MenuFile0Click, Qt::QueuedConnection);
        QCoreApplication::sendPostedEvents();
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, u"Tessivar"_qs);
    EXPECT_EQ(seen[0].text, u"ファイル C:\\NC\\PIPE.LST は開けません."_qs);
    EXPECT_EQ(linkBox(), u"C:\\NC\\PIPE.LST"_qs);
    EXPECT_EQ(Form1->DirPath, "C:\\NC");
    EXPECT_TRUE(label().isEmpty());
    EXPECT_EQ(Form1->ListBox1->count(), 0);
    EXPECT_EQ(Form1->ListBox2->lines(), (Lines{"old"}));
    EXPECT_EQ(Form1->RecentFile1, "C:\\NC\\PIPE.LST");
    EXPECT_EQ(Form1->RecentFile2, "C:\\OLD.LST");
    EXPECT_TRUE(Form1->LinkFileName.empty()); // the error ended the click before it
}

TEST_F(MainWindowLoad, ScrollableWidthIsOneAndAHalfTimesTheWidestLineInTheWindowFont) {
    const std::string longest = "FILE=C:\\NC\\" + std::string(80, 'W') + Utf8ToCp932(";長い行");
    c.file("A.LST", "short\r\n" + longest + "\r\nmid line\r\n");
    Form1->show();
    Form1->LoadLinkFile("C:\\A.LST");
    const QFontMetrics window(Form1->font());
    int widest = 0;
    for (const QChar ch : text::ToQString(longest))
        widest += window.horizontalAdvance(ch);
    EXPECT_EQ(Form1->ListBox1->horizontalExtent(), widest * 3 / 2);
    EXPECT_NE(QFontMetrics(Form1->ListBox1->font()).horizontalAdvance(u"W"_qs),
              window.horizontalAdvance(u"W"_qs));
    QCoreApplication::processEvents();
    EXPECT_GT(Form1->ListBox1->horizontalScrollBar()->maximum(), 0);

    c.file("B.LST", "short\r\n");
    Form1->LoadLinkFile("C:\\B.LST");
    QCoreApplication::processEvents();
    EXPECT_EQ(Form1->ListBox1->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowLoad, SelectingALineShowsItsEntryInTheLabel) {
    c.file("A.LST", Utf8ToCp932("FILE=C:\\A.NC  ;コメント\r\n"
                                "FILE=C:\\B.NC ; x /* y\r\n"
                                "file=c:\\c.nc ;x\r\n"
                                "FILE=C:\\D.NC\r\n"));
    Form1->show();
    Form1->LoadLinkFile("C:\\A.LST");
    ListBox* list = Form1->ListBox1;
    const auto click = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    };
    click(0);
    EXPECT_EQ(label(), u"FILE=C:\\A.NC  "_qs);
    click(1);
    EXPECT_EQ(label(), u"FILE=C:\\B.NC ; x "_qs);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->itemIndex(), 2);
    EXPECT_TRUE(label().isEmpty()); // "file=" in lower case
    list->setItemIndex(3);          // code does not run the handler
    EXPECT_TRUE(label().isEmpty());
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_TRUE(label().isEmpty());
    EXPECT_EQ(list->itemIndex(), 2);
}

TEST_F(MainWindowLoad, ClearAllEmptiesTheListAndBoxesOnly) {
    c.file("NC/A.LST", "FILE=C:\\A.NC ;x\r\n");
    Form1->LoadLinkFile("C:\\NC\\A.LST");
    Form1->LinkFileName = "C:\\NC\\A.LST";
    Form1->MaskNo = 3;
    Form1->LabeledEdit2->setText(u"C:\\OUT"_qs);
    Form1->ListBox1Click();
    ASSERT_FALSE(label().isEmpty());
    QTest::mouseClick(Form1->BitBtn7, Qt::LeftButton);
    EXPECT_EQ(Form1->ListBox1->count(), 0);
    EXPECT_TRUE(label().isEmpty());
    EXPECT_TRUE(linkBox().isEmpty());
    EXPECT_TRUE(Form1->LabeledEdit2->text().isEmpty());
    EXPECT_EQ(Form1->ListBox2->lines(), (Lines{"FILE=C:\\A.NC ;x"}));
    EXPECT_EQ(Form1->DirPath, "C:\\NC");
    EXPECT_EQ(Form1->LinkFileName, "C:\\NC\\A.LST");
    EXPECT_EQ(Form1->MaskNo, 3);
    EXPECT_EQ(Form1->RecentFile1, "C:\\NC\\A.LST");
    EXPECT_TRUE(Form1->MenuFile0->isVisible());
}

TEST_F(MainWindowLoad, RecentItemsLoadTheirFileAndKeepMissingOnes) {
    for (const char* name : {"1.LST", "2.LST", "3.LST"})
        c.file(name, name);
    for (const char* path : {"C:\\1.LST", "C:\\2.LST", "C:\\3.LST"})
        Form1->LoadLinkFile(path);
    EXPECT_EQ(Form1->MenuFile2->text(), u"&3 C:\\1.LST"_qs);
    EXPECT_FALSE(Form1->MenuFile3->isVisible());
    Form1->MenuFile2->trigger();
    EXPECT_EQ(shown(), (QStringList{u"1.LST"_qs}));
    EXPECT_EQ(Form1->LinkFileName, "C:\\1.LST");
    EXPECT_EQ(Form1->MenuFile0->text(), u"&1 C:\\1.LST"_qs);
    EXPECT_EQ(Form1->MenuFile1->text(), u"&2 C:\\3.LST"_qs);

    std::filesystem::remove(c / "2.LST");
    Form1->MenuFile2->trigger();
    EXPECT_EQ(shown(), (QStringList{u"1.LST"_qs}));
    EXPECT_EQ(Form1->RecentFile3, "C:\\2.LST");
    EXPECT_EQ(Form1->LinkFileName, "C:\\2.LST");
}

} // namespace

namespace {

class CommandLine : public platform::test::DriveCTest {
protected:
    ~CommandLine() override { DestroyApplicationWindows(); }
};

TEST_F(CommandLine, LoadsTheFirstArgumentWithABackslashBeforeTheWindowShows) {
    c.file("A.LST", "\tFILE=C:\\A.NC\r\n");
    c.file("B.LST", "other\r\n");
    // A host path comes in in the program's form; a bare name has no "\".
    CreateApplicationWindows({u"B.LST"_qs, QString::fromStdString(c / "A.LST"), u"C:\\B.LST"_qs});
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form1->LabeledEdit1->text(), u"C:\\A.LST"_qs);
    EXPECT_EQ(Form1->ListBox1->model()->data(Form1->ListBox1->model()->index(0, 0)).toString(),
              u"        FILE=C:\\A.NC"_qs);
    EXPECT_EQ(Form1->ListBox1->itemIndex(), 0);
    EXPECT_EQ(Form1->RecentFile1, "C:\\A.LST");
    EXPECT_TRUE(Form1->LinkFileName.empty());
}

TEST_F(CommandLine, AMissingFileIsOnlyShownInTheLinkFileBox) {
    CreateApplicationWindows({u"C:\\NONE.LST"_qs});
    EXPECT_EQ(Form1->LabeledEdit1->text(), u"C:\\NONE.LST"_qs);
    EXPECT_EQ(Form1->ListBox1->count(), 0);
    EXPECT_EQ(Form1->RecentFile1, "");
    EXPECT_EQ(Form1->DirPath, "C:\\");
}

TEST_F(CommandLine, ArgumentsWithoutABackslashAreIgnored) {
    c.file("A.LST", "x\r\n");
    std::filesystem::current_path(c.path());
    CreateApplicationWindows({u"A.LST"_qs, u"--x"_qs});
    EXPECT_TRUE(Form1->LabeledEdit1->text().isEmpty());
    EXPECT_EQ(Form1->ListBox1->count(), 0);
}

// The test for "\" is a plain byte search: the trail byte of "ソ" counts.
TEST_F(CommandLine, ATrailByteBackslashCountsAsOne) {
    c.file("ソフト.LST", "x\r\n");
    std::filesystem::current_path(c.path());
    CreateApplicationWindows({u"A.LST"_qs, u"ソフト.LST"_qs});
    EXPECT_EQ(Form1->LabeledEdit1->text(), u"ソフト.LST"_qs);
    EXPECT_EQ(Form1->ListBox1->count(), 1);
    EXPECT_EQ(Form1->RecentFile1, Utf8ToCp932("ソフト.LST"));
}

} // namespace

namespace {

using LinkFileDialog = MainWindowLoad;

TEST_F(LinkFileDialog, OpensInTheFolderAndLoadsTheChosenFile) {
    c.file("NC/A.LST", "FILE=C:\\NC\\A.NC\r\n");
    Form1->DirPath = "C:\\NC";
    Form1->MaskNo = 1;
    Form1->show();
    QString title, folder, filter;
    const ModalAnswerer answerer({[&](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        filter = dialog->selectedNameFilter();
        dialog->selectNameFilter(dialog->nameFilters().at(4)); // すべて表示(*.*)
        dialog->selectFile(QString::fromStdString(c / "NC/A.LST"));
        static_cast<QDialog*>(dialog)->accept();
    }});
    QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(answerer.unexpected(), 0);
    EXPECT_EQ(title, u"ﾘﾝｸﾌｧｲﾙ選択"_qs);
    EXPECT_EQ(folder.toStdString(), c / "NC");
    EXPECT_EQ(filter, u"ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)"_qs);
    EXPECT_EQ(Form1->LinkFileName, "C:\\NC\\A.LST");
    EXPECT_EQ(Form1->MaskNo, 5);
    EXPECT_EQ(shown(), (QStringList{u"FILE=C:\\NC\\A.NC"_qs}));
    EXPECT_EQ(Form1->RecentFile1, "C:\\NC\\A.LST");
}

TEST_F(LinkFileDialog, CancelLoadsNothingAndForgetsTheCurrentName) {
    Form1->LinkFileName = "C:\\OLD.LST";
    Form1->MaskNo = 2;
    Form1->show();
    const ModalAnswerer answerer(
        {[](QWidget* window) { static_cast<QDialog*>(window)->reject(); }});
    QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(Form1->LinkFileName.empty());
    EXPECT_EQ(Form1->MaskNo, 2);
    EXPECT_EQ(Form1->ListBox1->count(), 0);
    EXPECT_EQ(Form1->RecentFile1, "");
}

} // namespace
