#include "app/application.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "copy/copyform.h"
#include "copy/searchanimation.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/tempfolder.h"
#include "text/cp932_codec.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// The search over the main list with every wait cut to nothing, C: a temp folder.
class SearchWindow : public platform::test::DriveCTest {
protected:
    SearchWindow() : m_waits(g_searchWaits) {
        g_searchWaits = {0, 0, 0, 0};
        CreateApplicationWindows({});
    }
    ~SearchWindow() override {
        DestroyApplicationWindows();
        g_searchWaits = m_waits;
    }

    // Shows the search window modally on `lines`; returns the warnings, each
    // answered with "OK".
    static std::vector<ModalInfo> search(const Lines& lines) {
        Form1->ListBox1->setLines(lines);
        ModalAnswerer answers(QStringList(16, u"OK"_qs));
        answers.leaveAlone(Form2);
        Form2->exec();
        return answers.seen();
    }

    static QStringList texts(const std::vector<ModalInfo>& seen) {
        QStringList result;
        for (const ModalInfo& info : seen)
            result << info.text;
        return result;
    }

private:
    SearchWaits m_waits;
};

TEST_F(SearchWindow, CollectsTheFoundFilesInListOrderAndWarnsAboutTheOthers) {
    c.file("NC/O1234.NC");
    c.file("NC/TW/O9500.NC0");
    c.file("NC/B1.NC");
    const std::vector<ModalInfo> seen = search({
        "; heading",
        "file=c:\\nc\\o1234.nc ;lower case", // found with its trailing space
        "FILE=C:\\NC\\REL\\O9500   ;macro", "",
        "FILE=C:\\NC\\O1234.NC",             // a second time: collected again
        "file=c:\\nc\\rel\\o9500",           // lower case: no library lookup
        "FILE=C:\\NC\\REL\\O1234.NC",        // library name in no row: silent
        "FILE=C:\\NC\\MISSING.NC   /* x */", // the spaces stay
        "FILE=C:\\NC\\B*.NC",                // the first match is a file
        "FILE=C:\\NC\\*",                    // the first entry is the folder "."
    });
    EXPECT_EQ(Form1->CopyList, (Lines{"C:\\NC\\O1234.NC ", "C:\\NC\\TW\\O9500.NC0",
                                      "C:\\NC\\O1234.NC", "C:\\NC\\B*.NC"}));
    EXPECT_EQ(texts(seen), (QStringList{u"C:\\NC\\REL\\O9500のﾌｧｲﾙが有りません。"_qs,
                                        u"C:\\NC\\MISSING.NC   のﾌｧｲﾙが有りません。"_qs,
                                        u"C:\\NC\\*のﾌｧｲﾙが有りません。"_qs}));
    for (const ModalInfo& info : seen) {
        EXPECT_EQ(info.caption, u"警告"_qs);
        EXPECT_EQ(info.icon, QMessageBox::Warning);
        EXPECT_EQ(info.buttons, QStringList{u"OK"_qs});
        EXPECT_EQ(info.position, Form2->pos() + QPoint(50, 50));
    }
    EXPECT_EQ(Form2->Label1->text(), u"C:\\NC\\*"_qs); // the last line's path stays
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form2->Animate1->isPlaying());
}

TEST_F(SearchWindow, FindingNothingLeavesTheListEmpty) {
    Form1->CopyList = {"C:\\OLD.NC"};
    EXPECT_EQ(texts(search({"FILE=C:\\NONE.NC", "; FILE=C:\\X.NC"})),
              QStringList{u"C:\\NONE.NCのﾌｧｲﾙが有りません。"_qs});
    EXPECT_TRUE(Form1->CopyList.empty());
    EXPECT_TRUE(search({}).empty());
    EXPECT_TRUE(Form1->CopyList.empty());
    EXPECT_TRUE(Form2->Label1->text().isEmpty());
}

TEST_F(SearchWindow, AJapanesePathIsTestedAndShownWhole) {
    // "ソフト" holds the trail byte 0x5C.
    c.file("PARTS/ソフト/O1000.NC");
    const std::string entry = text::Utf8ToCp932("FILE=C:\\PARTS\\ソフト\\O1000.NC ;爪");
    const std::string missing = text::Utf8ToCp932("FILE=C:\\PARTS\\ソフト\\O2000.NC");
    EXPECT_EQ(texts(search({entry, missing})),
              QStringList{u"C:\\PARTS\\ソフト\\O2000.NCのﾌｧｲﾙが有りません。"_qs});
    EXPECT_EQ(Form1->CopyList, Lines{text::Utf8ToCp932("C:\\PARTS\\ソフト\\O1000.NC ")});
}

TEST_F(SearchWindow, TheCloseBoxDoesNotShortenTheSearch) {
    c.file("B.NC");
    Form1->ListBox1->setLines({"FILE=C:\\A.NC", "FILE=C:\\B.NC", "FILE=C:\\C.NC"});
    bool playing = false;
    bool visibleAfterClose = false;
    ModalAnswerer answers(std::vector<ModalAnswerer::Handler>{
        [&](QWidget* box) {
            playing = Form2->Animate1->isPlaying();
            Form2->close();
            visibleAfterClose = Form2->isVisible();
            PressButton(box, u"OK"_qs);
        },
        [](QWidget* box) { PressButton(box, u"OK"_qs); },
    });
    answers.leaveAlone(Form2);
    Form2->exec();
    EXPECT_TRUE(playing);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(Form1->CopyList, Lines{"C:\\B.NC"});
}

TEST_F(SearchWindow, ClosedBeforeTheTickItReturnsAndStillSearchesOnce) {
    c.file("A.NC");
    g_searchWaits.timer = 60000;
    Form1->ListBox1->setLines({"FILE=C:\\A.NC"});
    Form1->CopyList = {"C:\\OLD.NC"};
    QTimer::singleShot(0, Form2, [] { Form2->close(); });
    Form2->exec();
    EXPECT_EQ(Form1->CopyList, Lines{"C:\\OLD.NC"});
    ASSERT_TRUE(Form2->Timer1->isActive()); // the tick still comes
    Form2->Timer1Timer();
    EXPECT_EQ(Form1->CopyList, Lines{"C:\\A.NC"});
    EXPECT_FALSE(Form2->Timer1->isActive());
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(SearchWindow, IsCentredOnTheRecordedPosition) {
    Form1->resize(700, 600);
    Form1->SearchLeft = 100;
    Form1->SearchTop = 40;
    Form2->show();
    const QSize main = Form1->frameGeometry().size();
    const QSize own = Form2->frameGeometry().size();
    EXPECT_EQ(Form2->pos(), QPoint(100 + main.width() / 2 - own.width() / 2,
                                   40 + main.height() / 2 - own.height() / 2));
    EXPECT_TRUE(Form2->Label1->text().isEmpty());
    EXPECT_TRUE(Form2->Animate1->isPlaying());
    EXPECT_TRUE(Form2->Timer1->isActive());
    Form2->Timer1->stop();
    Form2->hide();
}

TEST(SearchWindowLayout, IsTheSmallFixedWindow) {
    CreateApplicationWindows({});
    EXPECT_EQ(Form2->windowTitle(), u"ﾌｧｲﾙ検索中"_qs);
    EXPECT_EQ(Form2->size(), QSize(311, 89));
    EXPECT_EQ(Form2->minimumSize(), Form2->maximumSize());
    EXPECT_EQ(Form2->Animate1->geometry(), QRect(8, 8, 80, 50));
    EXPECT_EQ(Form2->Label1->pos(), QPoint(8, 64));
    EXPECT_EQ(Form2->Timer1->interval(), 500);
    EXPECT_FALSE(Form2->Timer1->isActive());
    EXPECT_FALSE(Form2->Animate1->isPlaying());
    EXPECT_FALSE(Form2->windowFlags() & Qt::WindowMaximizeButtonHint);
    DestroyApplicationWindows();
}

} // namespace
