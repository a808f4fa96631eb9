#include "app/application.h"
#include "app/mainform.h"
#include "platform/settingsfile.h"
#include "tests/support/tempfolder.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

class RecentMenu : public platform::test::DriveCTest {
protected:
    RecentMenu() {
        for (const char* name : {"1.LST", "2.LST", "3.LST", "4.LST", "5.LST", "6.LST", "N.LST"})
            c.file(name, name);
    }
    ~RecentMenu() override { DestroyApplicationWindows(); }

    static void start(const QStringList& arguments = {}) {
        CreateApplicationWindows(arguments);
        Form1->show();
    }
    static void load(std::initializer_list<const char*> paths) {
        for (const char* path : paths)
            Form1->LoadLinkFile(path);
    }
    // The five items' captions, "-" for a hidden one.
    static QStringList items() {
        QStringList captions;
        for (QAction* item : {Form1->MenuFile0, Form1->MenuFile1, Form1->MenuFile2,
                              Form1->MenuFile3, Form1->MenuFile4})
            captions << (item->isVisible() ? item->text() : u"-"_qs);
        return captions;
    }
};

TEST_F(RecentMenu, FiveFilesFillItLastFirstAndASixthDropsTheOldest) {
    start();
    EXPECT_EQ(items(), (QStringList{u"-"_qs, u"-"_qs, u"-"_qs, u"-"_qs, u"-"_qs}));
    load({"C:\\1.LST", "C:\\2.LST", "C:\\3.LST", "C:\\4.LST", "C:\\5.LST"});
    EXPECT_EQ(items(), (QStringList{u"&1 C:\\5.LST"_qs, u"&2 C:\\4.LST"_qs, u"&3 C:\\3.LST"_qs,
                                    u"&4 C:\\2.LST"_qs, u"&5 C:\\1.LST"_qs}));
    load({"C:\\6.LST"});
    EXPECT_EQ(items(), (QStringList{u"&1 C:\\6.LST"_qs, u"&2 C:\\5.LST"_qs, u"&3 C:\\4.LST"_qs,
                                    u"&4 C:\\3.LST"_qs, u"&5 C:\\2.LST"_qs}));
}

TEST_F(RecentMenu, TheThirdMovesFirstAndTheFirstChangesNothing) {
    start();
    load({"C:\\1.LST", "C:\\2.LST", "C:\\3.LST", "C:\\4.LST", "C:\\5.LST"});
    load({"C:\\3.LST"});
    const QStringList moved{u"&1 C:\\3.LST"_qs, u"&2 C:\\5.LST"_qs, u"&3 C:\\4.LST"_qs,
                            u"&4 C:\\2.LST"_qs, u"&5 C:\\1.LST"_qs};
    EXPECT_EQ(items(), moved);
    load({"C:\\3.LST"});
    EXPECT_EQ(items(), moved);
}

TEST_F(RecentMenu, APathInOtherCaseIsAnEntryOfItsOwn) {
    start();
    load({"C:\\1.LST", "c:\\1.lst"});
    EXPECT_EQ(items(),
              (QStringList{u"&1 c:\\1.lst"_qs, u"&2 C:\\1.LST"_qs, u"-"_qs, u"-"_qs, u"-"_qs}));
}

TEST_F(RecentMenu, ASavedListWithAGapIsShownAsSavedAndANewPathFillsTheGap) {
    ASSERT_TRUE(platform::CurrentSettingsFile().write("[Recent File List]\r\n"
                                                      "File1=C:\\1.LST\r\n"
                                                      "File3=C:\\3.LST\r\n"
                                                      "File4=C:\\4.LST\r\n"));
    start();
    EXPECT_EQ(items(), (QStringList{u"&1 C:\\1.LST"_qs, u"-"_qs, u"&3 C:\\3.LST"_qs,
                                    u"&4 C:\\4.LST"_qs, u"-"_qs}));
    load({"C:\\N.LST"});
    EXPECT_EQ(items(), (QStringList{u"&1 C:\\N.LST"_qs, u"&2 C:\\1.LST"_qs, u"&3 C:\\3.LST"_qs,
                                    u"&4 C:\\4.LST"_qs, u"-"_qs}));
}

TEST_F(RecentMenu, TheSavedListIsShownWhenTheWindowFirstShows) {
    ASSERT_TRUE(platform::CurrentSettingsFile().write("[Recent File List]\r\nFile1=C:\\1.LST\r\n"));
    CreateApplicationWindows();
    EXPECT_EQ(items(), (QStringList{u"-"_qs, u"-"_qs, u"-"_qs, u"-"_qs, u"-"_qs}));
    Form1->show();
    EXPECT_EQ(items(), (QStringList{u"&1 C:\\1.LST"_qs, u"-"_qs, u"-"_qs, u"-"_qs, u"-"_qs}));
}

TEST_F(RecentMenu, TheCommandLineFileComesFirst) {
    ASSERT_TRUE(platform::CurrentSettingsFile().write("[Recent File List]\r\nFile1=C:\\1.LST\r\n"));
    start({u"C:\\2.LST"_qs});
    EXPECT_EQ(items(),
              (QStringList{u"&1 C:\\2.LST"_qs, u"&2 C:\\1.LST"_qs, u"-"_qs, u"-"_qs, u"-"_qs}));
}

TEST_F(RecentMenu, AnItemOnceShownStaysShown) {
    start();
    load({"C:\\1.LST", "C:\\2.LST"});
    Form1->RecentFile2.clear(); // a free slot leaves its item as it was
    load({"C:\\2.LST"});
    EXPECT_EQ(items(),
              (QStringList{u"&1 C:\\2.LST"_qs, u"&2 C:\\1.LST"_qs, u"-"_qs, u"-"_qs, u"-"_qs}));
}

} // namespace
