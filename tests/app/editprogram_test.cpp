#include "app/application.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordinglauncher.h"
#include "tests/support/tempfolder.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// The edit button on one selected line, with C: a temp folder and the launcher
// a recording double.
class EditProgram : public platform::test::DriveCTest {
protected:
    EditProgram() {
        CreateApplicationWindows();
        Form1->move(120, 80);
    }
    ~EditProgram() override { DestroyApplicationWindows(); }

    // Selects `line` in a list of its own and presses the edit button; returns
    // the modal windows it opened.
    std::vector<ModalInfo> edit(const std::string& line) {
        Form1->ListBox1->setLines({"; heading", line});
        Form1->ListBox1->setItemIndex(1);
        return AnswerModals({u"OK"_qs}, [] { QTest::mouseClick(Form1->BitBtn3, Qt::LeftButton); });
    }

    platform::test::RecordingLauncher launcher;
};

TEST_F(EditProgram, OpensTheFileThatTheEntryNames) {
    c.file("NC/TW/O9500.NC0");
    c.file("NC/JK/O9023.NC0"); // the table says "Jk": folder names compare without case
    c.file("NC/JK/SUB2.NC1");
    c.file("MYDATA/A.NC");
    c.file("A.NC;X");
    const std::pair<std::string, std::string> cases[] = {
        {"file=c:\\nc\\rel\\o9500 ;macro", "C:\\NC\\TW\\O9500.NC0"},
        {"FILE=C:\\NC\\REL\\E9023", "C:\\NC\\Jk\\O9023.NC0"},
        {"  FILE= C:\\NC\\REL\\SUB2.NC1\t/* tab */", "C:\\NC\\JK\\SUB2.NC1"},
        {"FILE=C:\\MY DATA\\A.NC", "C:\\MYDATA\\A.NC"},
        {"FILE=C:\\A.NC ; x /* y", "C:\\A.NC;X"}, // cut at "/*", the ";" kept
    };
    for (const auto& [line, path] : cases) {
        launcher.opened.clear();
        EXPECT_TRUE(edit(line).empty()) << line;
        EXPECT_EQ(launcher.opened, Lines{path}) << line;
    }
}

TEST_F(EditProgram, WarnsWhenTheEntryNamesNoFile) {
    c.file("A.NC");
    c.file("NC/REL/O1234.NC"); // exists as written, but O1234 is in no row
    c.file("MY DATA/B.NC");    // the spaces are removed before the test
    c.folder("NC/DIR");
    for (const std::string line :
         {"; FILE=C:\\A.NC", "FILE=C:\\NC\\REL\\O1234.NC", "FILE=C:\\MY DATA\\B.NC",
          "FILE=C:\\NC\\DIR", "FILE=C:\\NONE.NC", "FILE=", "FILE=Q:\\A.NC"}) {
        const std::vector<ModalInfo> seen = edit(line);
        ASSERT_EQ(seen.size(), 1u) << line;
        EXPECT_EQ(seen[0].caption, u"警告"_qs);
        EXPECT_EQ(seen[0].text, u"ﾌｧｲﾙが有りません。"_qs);
        EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
        EXPECT_EQ(seen[0].buttons, QStringList{u"OK"_qs});
        EXPECT_EQ(seen[0].position, Form1->pos() + QPoint(50, 50));
        EXPECT_EQ(Form1->ListBox1->itemIndex(), 1) << line; // the selection stays
    }
    EXPECT_TRUE(launcher.opened.empty());
}

TEST_F(EditProgram, DoesNothingWithoutASelectedEntry) {
    c.file("A.NC");
    EXPECT_TRUE(edit("C:\\A.NC").empty()); // no "FILE=" in any case
    EXPECT_TRUE(edit("FIL E=C:\\A.NC").empty());
    Form1->ListBox1->setItemIndex(-1);
    EXPECT_TRUE(
        AnswerModals({}, [] { QTest::mouseClick(Form1->BitBtn3, Qt::LeftButton); }).empty());
    Form1->ListBox1->clear();
    EXPECT_TRUE(AnswerModals({}, [] { Form1->BitBtn3Click(); }).empty());
    EXPECT_TRUE(launcher.opened.empty());
}

TEST_F(EditProgram, OpensARelativeEntryInTheCurrentFolder) {
    c.file("WORK/A.NC");
    std::filesystem::current_path(c / "WORK");
    EXPECT_TRUE(edit("file=a.nc").empty());
    EXPECT_EQ(launcher.opened, Lines{"A.NC"});
}

TEST_F(EditProgram, ADoubleClickOnALineEditsThatLine) {
    c.file("A.NC");
    c.file("B.NC");
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    Form1->ListBox1->setLines({"FILE=C:\\A.NC", "FILE=C:\\B.NC"});
    Form1->ListBox1->setItemIndex(0);
    QWidget* viewport = Form1->ListBox1->viewport();
    const QPoint second =
        Form1->ListBox1->visualRect(Form1->ListBox1->model()->index(1, 0)).center();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, second);
    EXPECT_EQ(Form1->ListBox1->itemIndex(), 1);
    EXPECT_EQ(launcher.opened, Lines{"C:\\B.NC"});
    // Below the last line the double click edits the line that stays selected.
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(5, viewport->height() - 3));
    EXPECT_EQ(launcher.opened, (Lines{"C:\\B.NC", "C:\\B.NC"}));
}

} // namespace
