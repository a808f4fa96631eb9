#include "app/application.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/shownlines.h"
#include "tests/support/tempfolder.h"
#include "text/qtext.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class DroppedFiles : public platform::test::DriveCTest {
protected:
    DroppedFiles() {
        CreateApplicationWindows();
        Form1->show();
    }
    ~DroppedFiles() override { DestroyApplicationWindows(); }

    // Drags `data` over the window to `point` and drops it there, as the
    // desktop does; false when the window refuses the drag.
    static bool drop(const QMimeData& data, QPoint point = {320, 300}) {
        QWindow* window = Form1->windowHandle();
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        if (!enter.isAccepted()) {
            QDragLeaveEvent leave;
            QCoreApplication::sendEvent(window, &leave);
            return false;
        }
        QDropEvent dropped(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &dropped);
        return dropped.isAccepted();
    }
    static bool dropFiles(const std::vector<std::string>& hostPaths, QPoint point = {320, 300}) {
        QList<QUrl> urls;
        for (const std::string& path : hostPaths)
            urls << QUrl::fromLocalFile(QString::fromStdString(path));
        // File managers offer the names as text too, which an edit box would take.
        QMimeData data;
        data.setUrls(urls);
        data.setText(QUrl::toStringList(urls).join(u'\n'));
        return drop(data, point);
    }
    static QStringList shown() { return ShownLines(Form1->ListBox1); }
    // A loaded list with a selected entry, to see what a drop changes.
    void loadOld() {
        c.file("OLD.LST", "FILE=C:\\OLD.NC ;" + std::string(120, 'w') + "\r\n");
        Form1->LoadLinkFile("C:\\OLD.LST");
        Form1->LinkFileName = "C:\\OLD.LST";
        Form1->ListBox1Click();
        ASSERT_FALSE(Form1->Label1->text().isEmpty());
    }
};

TEST_F(DroppedFiles, OneFileIsReadIntoTheListAsItStands) {
    loadOld();
    const int extent = Form1->ListBox1->horizontalExtent();
    const platform::test::TempFolder elsewhere; // outside drive C:, so on Z:
    const std::string host = elsewhere.file("NC/B.LST", "\tFILE=Z:\\B.NC\r\nsecond\r\n");
    std::string path = "Z:" + host;
    std::replace(path.begin(), path.end(), '/', '\\');

    EXPECT_TRUE(dropFiles({host}));
    EXPECT_EQ(shown(), (QStringList{u"\tFILE=Z:\\B.NC"_qs, u"second"_qs}));
    EXPECT_EQ(Form1->ListBox1->itemIndex(), -1);
    EXPECT_EQ(Form1->ListBox1->horizontalExtent(), extent);
    EXPECT_EQ(Form1->ListBox2->lines(), (Lines{"FILE=C:\\OLD.NC ;" + std::string(120, 'w')}));
    EXPECT_EQ(text::FromQString(Form1->LabeledEdit1->text()), path);
    EXPECT_EQ(Form1->DirPath, path.substr(0, path.size() - 6));
    EXPECT_EQ(Form1->LinkFileName, path);
    EXPECT_TRUE(Form1->Label1->text().isEmpty());
    EXPECT_EQ(Form1->RecentFile1, path);
    EXPECT_EQ(Form1->RecentFile2, "C:\\OLD.LST");
    EXPECT_EQ(Form1->MenuFile0->text(), u"&1 "_qs + text::ToQString(path));
}

TEST_F(DroppedFiles, AFileDroppedOnAnEditBoxIsTheWindowsToo) {
    c.file("A.LST", "FILE=C:\\A.NC\r\n");
    for (LabeledEdit* edit : {Form1->LabeledEdit1, Form1->LabeledEdit2}) {
        Form1->LabeledEdit1->clear();
        EXPECT_TRUE(dropFiles({c / "A.LST"}, edit->mapTo(Form1, edit->rect().center())));
        EXPECT_EQ(Form1->LabeledEdit1->text(), u"C:\\A.LST"_qs);
        EXPECT_TRUE(Form1->LabeledEdit2->text().isEmpty());
        EXPECT_EQ(shown(), (QStringList{u"FILE=C:\\A.NC"_qs}));
    }
}

TEST_F(DroppedFiles, SeveralFilesAreRefusedAndNothingChanges) {
    loadOld();
    Form1->move(70, 40);
    c.file("A.LST", "a\r\n");
    c.file("B.LST", "b\r\n");
    const auto seen = AnswerModals({u"OK"_qs}, [this] { dropFiles({c / "A.LST", c / "B.LST"}); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, u"警告"_qs);
    EXPECT_EQ(seen[0].text, u"複数は不可です。"_qs);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(seen[0].buttons, (QStringList{u"OK"_qs}));
    EXPECT_EQ(seen[0].position, Form1->pos() + QPoint(50, 50));
    EXPECT_EQ(shown().size(), 1);
    EXPECT_EQ(Form1->LabeledEdit1->text(), u"C:\\OLD.LST"_qs);
    EXPECT_EQ(Form1->DirPath, "C:\\");
    EXPECT_EQ(Form1->LinkFileName, "C:\\OLD.LST");
    EXPECT_FALSE(Form1->Label1->text().isEmpty());
    EXPECT_EQ(Form1->RecentFile1, "C:\\OLD.LST");
    EXPECT_EQ(Form1->RecentFile2, "");
}

TEST_F(DroppedFiles, AFolderIsReportedAndOnlyTheBoxAndTheFolderChange) {
    loadOld();
    c.folder("NC");
    const auto seen = AnswerModals({u"OK"_qs}, [this] { dropFiles({c / "NC"}); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, u"Tessivar"_qs);
    EXPECT_EQ(seen[0].text, u"ファイル C:\\NC は開けません."_qs);
    EXPECT_EQ(Form1->LabeledEdit1->text(), u"C:\\NC"_qs);
    EXPECT_EQ(Form1->DirPath, "C:\\");
    EXPECT_EQ(shown().size(), 1);
    EXPECT_EQ(Form1->LinkFileName, "C:\\OLD.LST");
    EXPECT_FALSE(Form1->Label1->text().isEmpty());
    EXPECT_EQ(Form1->RecentFile1, "C:\\OLD.LST");
    EXPECT_EQ(Form1->RecentFile2, "");
}

TEST_F(DroppedFiles, AnyReadableFileBecomesTheCurrentList) {
    c.file("NC/O1234.NC", "%\r\nO1234\r\nG00 X0.\r\n");
    EXPECT_TRUE(dropFiles({c / "NC/O1234.NC"}));
    EXPECT_EQ(shown(), (QStringList{u"%"_qs, u"O1234"_qs, u"G00 X0."_qs}));
    EXPECT_EQ(Form1->LinkFileName, "C:\\NC\\O1234.NC");
    EXPECT_EQ(Form1->RecentFile1, "C:\\NC\\O1234.NC");
}

TEST_F(DroppedFiles, ALongPathIsTakenWhole) {
    const std::string folders =
        std::string(100, 'a') + '/' + std::string(100, 'b') + '/' + std::string(100, 'c');
    c.file(folders + "/LONG.LST", "FILE=X\r\n");
    std::string path = "C:\\" + folders + "\\LONG.LST";
    std::replace(path.begin(), path.end(), '/', '\\');
    ASSERT_GT(path.size(), 300u);
    EXPECT_TRUE(dropFiles({c / (folders + "/LONG.LST")}));
    EXPECT_EQ(Form1->LinkFileName, path);
    EXPECT_EQ(text::FromQString(Form1->LabeledEdit1->text()), path);
    EXPECT_EQ(shown(), (QStringList{u"FILE=X"_qs}));
}

TEST_F(DroppedFiles, OnlyFilesAreTakenAndOnlyFromTheFirstShowingOn) {
    DestroyApplicationWindows();
    CreateApplicationWindows();
    EXPECT_FALSE(Form1->acceptDrops());
    Form1->show();
    EXPECT_TRUE(Form1->acceptDrops());
    QMimeData words;
    words.setText(u"C:\\A.LST"_qs);
    QMimeData web;
    web.setUrls({QUrl(u"http://example.com/A.LST"_qs)});
    EXPECT_FALSE(drop(words));
    EXPECT_FALSE(drop(web));
    EXPECT_TRUE(Form1->LabeledEdit1->text().isEmpty());
}

} // namespace
