#include "app/application.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "app/profile.h"
#include "platform/settingsfile.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/tempfolder.h"
#include "text/cp932_codec.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using text::Utf8ToCp932;

// Each test has a settings file of its own in `home`; a start reads it, a
// close writes it.
class SettingsFileTest : public platform::test::DriveCTest {
protected:
    ~SettingsFileTest() override { DestroyApplicationWindows(); }

    static void start(const QStringList& arguments = {}) {
        DestroyApplicationWindows();
        CreateApplicationWindows(arguments);
    }
    static void closeWindow() {
        Form1->show();
        Form1->close();
        ASSERT_FALSE(Form1->isVisible());
    }
    void save(std::string_view bytes) const { ASSERT_TRUE(file.write(bytes)); }
    std::string saved() const { return file.read().value_or("(no file)"); }

    platform::test::TempFolder home;
    platform::SettingsFile file{home / "tessivar.INI"};
    const platform::Override<platform::SettingsFile> use{file};
};

TEST_F(SettingsFileTest, AFirstStartWithoutAFileTakesEveryDefaultAndCreatesNone) {
    start();
    EXPECT_EQ(Form1->pos(), QPoint(10, 10));
    EXPECT_EQ(Form1->size(), QSize(640, 540));
    EXPECT_EQ(Form1->DirPath, "C:\\");
    EXPECT_EQ(Form1->CopyPath, "C:\\");
    EXPECT_EQ(Form1->RecentFile1 + Form1->RecentFile2 + Form1->RecentFile3 + Form1->RecentFile4 +
                  Form1->RecentFile5,
              "");
    EXPECT_EQ(Form1->MaskNo, 1);
    EXPECT_EQ(Form1->User1Name, Utf8ToCp932("ﾕｰｻﾞ1"));
    EXPECT_EQ(Form1->User1Mask, "*.*");
    EXPECT_EQ(Form1->User2Name, Utf8ToCp932("ﾕｰｻﾞ2"));
    EXPECT_EQ(Form1->User2Mask, "*.*");
    Form1->show();
    DestroyApplicationWindows();
    EXPECT_TRUE(std::filesystem::is_empty(home.path()));
}

TEST_F(SettingsFileTest, ARestartBringsBackThePlaceTheSizeAndEveryValue) {
    start();
    Form1->show();
    Form1->move(123, 77);
    Form1->resize(800, 600);
    Form1->DirPath = Utf8ToCp932("C:\\ソフト");
    Form1->CopyPath = "C:\\OUT";
    Form1->RecentFile1 = "C:\\1.LST";
    Form1->RecentFile2 = "Z:\\home\\a\\x.lst";
    Form1->RecentFile4 = "C:\\4.LST";
    Form1->RecentFile5 = " C:\\spaced.lst ";
    Form1->MaskNo = 4;
    Form1->User1Name = Utf8ToCp932("加工");
    Form1->User1Mask = "*.NC";
    Form1->User2Name = "";
    Form1->User2Mask = "*.T";
    closeWindow();

    start();
    EXPECT_EQ(Form1->pos(), QPoint(123, 77)); // placed while being created
    EXPECT_EQ(Form1->size(), QSize(800, 600));
    EXPECT_EQ(Form1->DirPath, Utf8ToCp932("C:\\ソフト"));
    EXPECT_EQ(Form1->CopyPath, "C:\\OUT");
    EXPECT_EQ(Form1->RecentFile1, "C:\\1.LST");
    EXPECT_EQ(Form1->RecentFile2, "Z:\\home\\a\\x.lst");
    EXPECT_EQ(Form1->RecentFile3, "");
    EXPECT_EQ(Form1->RecentFile4, "C:\\4.LST");
    EXPECT_EQ(Form1->RecentFile5, " C:\\spaced.lst ");
    EXPECT_EQ(Form1->MaskNo, 4);
    EXPECT_EQ(Form1->User1Name, Utf8ToCp932("加工"));
    EXPECT_EQ(Form1->User1Mask, "*.NC");
    EXPECT_EQ(Form1->User2Name, "");
    EXPECT_EQ(Form1->User2Mask, "*.T");
    EXPECT_NE(Form1->LinkFilter.find(Utf8ToCp932("加工(*.NC)")), std::string::npos);
}

TEST_F(SettingsFileTest, AfterACloseTheFileHoldsAllSixteenKeysEmptyOnesIncluded) {
    start();
    Form1->RecentFile1 = "C:\\A.LST";
    closeWindow();
    const Profile profile = Profile::Parse(saved());
    const std::tuple<const char*, const char*, std::string> keys[] = {
        {"Main", "Left", "10"},
        {"Main", "Top", "10"},
        {"Main", "Width", "640"},
        {"Main", "Height", "540"},
        {"Main", "DirPath", "C:\\"},
        {"Main", "CopyPath", "C:\\"},
        {"Recent File List", "File1", "C:\\A.LST"},
        {"Recent File List", "File2", ""},
        {"Recent File List", "File3", ""},
        {"Recent File List", "File4", ""},
        {"Recent File List", "File5", ""},
        {"Setting", "Mask_No", "1"},
        {"Setting", "User1_Name", Utf8ToCp932("ﾕｰｻﾞ1")},
        {"Setting", "User1_Mask", "*.*"},
        {"Setting", "User2_Name", Utf8ToCp932("ﾕｰｻﾞ2")},
        {"Setting", "User2_Mask", "*.*"},
    };
    for (const auto& [section, key, value] : keys)
        EXPECT_EQ(profile.value(section, key), value) << key;
}

TEST_F(SettingsFileTest, EveryCloseRequestSaves) {
    const std::function<void()> requests[] = {
        [] { QTest::mouseClick(Form1->BitBtn5, Qt::LeftButton); },
        [] { Form1->FileExit1->trigger(); },
        [] { Form1->close(); },
    };
    for (const auto& request : requests) {
        std::filesystem::remove(file.hostPath());
        start();
        Form1->show();
        Form1->MaskNo = 3;
        request();
        EXPECT_FALSE(Form1->isVisible());
        EXPECT_EQ(Profile::Parse(saved()).value("Setting", "Mask_No"), "3");
    }
}

TEST_F(SettingsFileTest, AMaskNumberIsDecimalOrHexadecimalElseOne) {
    const std::pair<const char*, int> cases[] = {
        {"x", 1}, {"0x2", 2}, {"$2", 2}, {"7", 7}, {"", 1}, {"0", 0},
    };
    for (const auto& [value, maskNo] : cases) {
        save(std::string("[Setting]\r\nMask_No=") + value + "\r\n");
        start();
        EXPECT_EQ(Form1->MaskNo, maskNo) << value;
    }
}

TEST_F(SettingsFileTest, UnknownSectionsAndKeysAreKeptAsTheyStand) {
    save("; made by hand\r\n"
         "[Main]\r\n"
         "Left=30\r\n"
         "Colour = blue\r\n"
         "[Mine]\r\n"
         "x=1\r\n");
    start();
    closeWindow();
    EXPECT_EQ(saved(), Utf8ToCp932("; made by hand\r\n"
                                   "[Main]\r\n"
                                   "Left=30\r\n"
                                   "Colour = blue\r\n"
                                   "Top=10\r\n"
                                   "Width=640\r\n"
                                   "Height=540\r\n"
                                   "DirPath=C:\\\r\n"
                                   "CopyPath=C:\\\r\n"
                                   "[Mine]\r\n"
                                   "x=1\r\n"
                                   "\r\n"
                                   "[Recent File List]\r\n"
                                   "File1=\r\n"
                                   "File2=\r\n"
                                   "File3=\r\n"
                                   "File4=\r\n"
                                   "File5=\r\n"
                                   "\r\n"
                                   "[Setting]\r\n"
                                   "Mask_No=1\r\n"
                                   "User1_Name=ﾕｰｻﾞ1\r\n"
                                   "User1_Mask=*.*\r\n"
                                   "User2_Name=ﾕｰｻﾞ2\r\n"
                                   "User2_Mask=*.*\r\n"));
}

TEST_F(SettingsFileTest, DrivesAreSetBeforeTheCommandLineLoadsAndKeptOnSaving) {
    const platform::test::TempFolder q;
    q.file("NC/A.LST", "FILE=Q:\\NC\\A.NC\r\n");
    const std::string drives = "[Drives]\r\nq = " + q.path() + "/\r\n";
    save(drives);
    start({u"Q:\\NC\\A.LST"_qs});
    EXPECT_EQ(Form1->ListBox1->count(), 1);
    EXPECT_EQ(Form1->RecentFile1, "Q:\\NC\\A.LST");
    EXPECT_EQ(Form1->DirPath, "Q:\\NC");
    closeWindow();
    EXPECT_TRUE(saved().starts_with(drives + "\r\n[Main]\r\n")) << saved();
    EXPECT_EQ(Profile::Parse(saved()).value("Main", "DirPath"), "Q:\\NC");
}

// Here the settings file's folder is a plain file, so that no one, root
// included, can write it.
TEST_F(SettingsFileTest, AnUnwritableFileIsReportedAndTheUserMayCloseWithoutSaving) {
    c.file("plain", "not a folder");
    platform::SettingsFile blocked(c / "plain/tessivar.INI");
    const platform::Override<platform::SettingsFile> useBlocked(blocked);
    start();
    Form1->show();
    Form1->move(40, 60);
    const auto kept = AnswerModals({u"OK"_qs, u"いいえ(&N)"_qs}, [] { Form1->close(); });
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].caption, u"Tessivar"_qs);
    EXPECT_EQ(kept[0].text, u"C:\\plain\\tessivar.INI に書き込めません."_qs);
    EXPECT_EQ(kept[0].icon, QMessageBox::Critical);
    EXPECT_EQ(kept[1].caption, u"確認"_qs);
    EXPECT_EQ(kept[1].text, u"設定を保存せずに終了しますか？"_qs);
    EXPECT_EQ(kept[1].icon, QMessageBox::Question);
    EXPECT_EQ(kept[1].buttons, (QStringList{u"はい(&Y)"_qs, u"いいえ(&N)"_qs}));
    EXPECT_EQ(kept[1].position, Form1->pos() + QPoint(50, 50));
    EXPECT_TRUE(Form1->isVisible());

    const auto closed = AnswerModals({u"OK"_qs, u"はい(&Y)"_qs}, [] { Form1->close(); });
    EXPECT_EQ(closed.size(), 2u);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(std::filesystem::is_regular_file(c / "plain"));
    EXPECT_TRUE(std::filesystem::is_empty(home.path()));
}

} // namespace
