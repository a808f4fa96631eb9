#include "app/application.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "copy/copyform.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordingshellcopy.h"
#include "tests/support/tempfolder.h"
#include "text/qtext.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using platform::test::RecordingShellCopy;

const QString kChooseFolder = u"ｺﾋﾟｰ先の\nﾌｫﾙﾀﾞを選択して下さい。"_qs;
const QString kCannotCopy = u"ファイルをコピー出来ません。"_qs;
const QString kCopied = u"ファイルをコピーしました。"_qs;

// The copy button with C: a temp folder, no waits, and a shell copy that
// records its requests.
class CopyButton : public platform::test::DriveCTest {
protected:
    CopyButton() : m_waits(g_searchWaits) {
        g_searchWaits = {0, 0, 0, 0};
        CreateApplicationWindows({});
        Form1->move(60, 40);
    }
    ~CopyButton() override {
        DestroyApplicationWindows();
        g_searchWaits = m_waits;
    }

    // Presses the copy button with `destination` in the box, answering the
    // modal boxes with `answers`; returns what they showed.
    std::vector<ModalInfo> copy(const std::string& destination, const QStringList& answers) {
        Form1->LabeledEdit2->setText(text::ToQString(destination));
        ModalAnswerer answerer(answers);
        answerer.leaveAlone(Form2);
        QTest::mouseClick(Form1->BitBtn4, Qt::LeftButton);
        EXPECT_EQ(answerer.unexpected(), 0);
        return answerer.seen();
    }

    static QStringList texts(const std::vector<ModalInfo>& seen) {
        QStringList result;
        for (const ModalInfo& info : seen)
            result << info.text;
        return result;
    }

    static void expectWarningAtMainWindow(const ModalInfo& info) {
        EXPECT_EQ(info.caption, u"警告"_qs);
        EXPECT_EQ(info.icon, QMessageBox::Warning);
        EXPECT_EQ(info.position, Form1->pos() + QPoint(50, 50));
    }

    RecordingShellCopy shell;

private:
    SearchWaits m_waits;
};

TEST_F(CopyButton, AnEmptyDestinationIsRefusedFirst) {
    Form1->CopyPath = "C:\\OLD";
    const std::vector<ModalInfo> seen = copy("", {u"OK"_qs});
    ASSERT_EQ(texts(seen), QStringList{kChooseFolder});
    expectWarningAtMainWindow(seen[0]);
    EXPECT_EQ(seen[0].buttons, QStringList{u"OK"_qs});
    EXPECT_EQ(Form1->CopyPath, "C:\\OLD");
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(CopyButton, AMissingDestinationIsCreatedOnlyWhenTheUserAgrees) {
    Form1->CopyPath = "C:\\OLD";
    Form1->ListBox1->setLines({"FILE=C:\\A.NC"});
    const std::vector<ModalInfo> declined = copy("C:\\DEST", {u"いいえ(&N)"_qs, u"OK"_qs});
    ASSERT_EQ(
        texts(declined),
        (QStringList{u"ディレクトリが有りません。\nC:\\DESTを作成しますか？"_qs, kChooseFolder}));
    EXPECT_EQ(declined[0].buttons, (QStringList{u"はい(&Y)"_qs, u"いいえ(&N)"_qs}));
    for (const ModalInfo& info : declined)
        expectWarningAtMainWindow(info);
    EXPECT_FALSE(std::filesystem::exists(c / "DEST"));
    EXPECT_EQ(Form1->CopyPath, "C:\\OLD");

    // Agreed: created even though the list then turns out empty.
    Form1->ListBox1->clear();
    const std::vector<ModalInfo> agreed = copy("C:\\DEST", {u"はい(&Y)"_qs, u"OK"_qs});
    ASSERT_EQ(texts(agreed).size(), 2);
    EXPECT_EQ(agreed[1].text, kCannotCopy);
    EXPECT_EQ(agreed[1].caption, u"未完了"_qs);
    EXPECT_EQ(agreed[1].icon, QMessageBox::Information);
    EXPECT_TRUE(std::filesystem::is_directory(c / "DEST"));
    EXPECT_EQ(Form1->CopyPath, "C:\\DEST");
}

TEST_F(CopyButton, CreatesOneFolderLevelAndStillCopies) {
    c.file("A.NC");
    Form1->ListBox1->setLines({"FILE=C:\\A.NC"});
    const std::vector<ModalInfo> seen = copy("C:\\NEW\\SUB", {u"はい(&Y)"_qs, u"OK"_qs});
    EXPECT_EQ(texts(seen).last(), kCopied);
    EXPECT_FALSE(std::filesystem::exists(c / "NEW"));
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].destination, "C:\\NEW\\SUB\\");
}

TEST_F(CopyButton, CopiesTheFoundFilesAfterTheWarnings) {
    c.folder("DEST");
    c.file("NC/A.NC");
    c.file("NC/TW/O9500.NC0");
    c.file("A.NC ; X"); // the name that a ";" before "/*" leaves in the path
    Form1->ListBox1->setLines({"FILE=C:\\NC\\A.NC", "FILE=C:\\NC\\GONE.NC",
                               "FILE=C:\\NC\\REL\\O9500", "FILE=C:\\A.NC ; x /* y",
                               "FILE=C:\\NC\\A.NC"});
    const std::vector<ModalInfo> seen = copy("C:\\DEST\\", {u"OK"_qs, u"OK"_qs});
    EXPECT_EQ(texts(seen), (QStringList{u"C:\\NC\\GONE.NCのﾌｧｲﾙが有りません。"_qs, kCopied}));
    EXPECT_EQ(seen[1].caption, u"完了"_qs);
    EXPECT_EQ(seen[1].icon, QMessageBox::Information);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].sources,
              (Lines{"C:\\NC\\A.NC", "C:\\NC\\TW\\O9500.NC0", "C:\\A.NC ; X ", "C:\\NC\\A.NC"}));
    EXPECT_EQ(shell.requests[0].destination, "C:\\DEST\\\\"); // a typed "\" gets another
    EXPECT_EQ(Form1->CopyPath, "C:\\DEST\\");
    EXPECT_TRUE(Form1->CopyList.empty());
}

TEST_F(CopyButton, AnAbortedCopyEndsWithoutTheFinalMessage) {
    c.folder("DEST");
    c.file("A.NC");
    shell.aborted = true;
    Form1->ListBox1->setLines({"FILE=C:\\A.NC"});
    EXPECT_TRUE(copy("C:\\DEST", {}).empty());
    EXPECT_EQ(shell.requests.size(), 1u);
    EXPECT_TRUE(Form1->CopyList.empty());
}

TEST_F(CopyButton, NothingFoundOrNothingListedCopiesNothing) {
    c.folder("DEST");
    const std::vector<ModalInfo> empty = copy("C:\\DEST", {u"OK"_qs});
    EXPECT_EQ(texts(empty), QStringList{kCannotCopy});
    Form1->ListBox1->setLines({"FILE=C:\\GONE.NC", "; comment"});
    const std::vector<ModalInfo> none = copy("C:\\DEST", {u"OK"_qs, u"OK"_qs});
    EXPECT_EQ(texts(none), (QStringList{u"C:\\GONE.NCのﾌｧｲﾙが有りません。"_qs, kCannotCopy}));
    EXPECT_EQ(none[1].caption, u"未完了"_qs);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(Form1->CopyPath, "C:\\DEST");
}

TEST_F(CopyButton, CentresTheSearchOnTheActiveMainWindow) {
    c.folder("DEST");
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    Form1->ListBox1->setLines({"FILE=C:\\GONE.NC"});
    QPoint searchAt;
    Form1->LabeledEdit2->setText(u"C:\\DEST"_qs);
    ModalAnswerer answers(std::vector<ModalAnswerer::Handler>{
        [&](QWidget* box) {
            searchAt = Form2->pos();
            PressButton(box, u"OK"_qs);
        },
        [](QWidget* box) { PressButton(box, u"OK"_qs); },
    });
    answers.leaveAlone(Form2);
    QTest::mouseClick(Form1->BitBtn4, Qt::LeftButton);
    const QRect main = Form1->frameGeometry();
    EXPECT_EQ(Form1->SearchLeft, main.left());
    EXPECT_EQ(Form1->SearchTop, main.top());
    EXPECT_EQ(searchAt,
              main.topLeft() + QPoint(main.width() / 2 - Form2->frameGeometry().width() / 2,
                                      main.height() / 2 - Form2->frameGeometry().height() / 2));
}

TEST_F(CopyButton, AnInactiveMainWindowKeepsTheRecordedPosition) {
    Form1->SearchLeft = 7;
    Form1->SearchTop = 9;
    Form1->SetSearchPosition(); // never shown, so never the active window
    EXPECT_EQ(Form1->SearchLeft, 7);
    EXPECT_EQ(Form1->SearchTop, 9);
}

// The folder button's chooser, answered by `choose` on the open dialog.
class FolderButton : public CopyButton {
protected:
    QString prompt;
    QStringList selected;

    void browse(const std::function<void(QFileDialog*)>& choose) {
        ModalAnswerer answers(std::vector<ModalAnswerer::Handler>{[&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            prompt = dialog->findChild<QLabel*>(u"BrowsePrompt"_qs)->text();
            selected = dialog->selectedFiles();
            choose(dialog);
        }});
        QTest::mouseClick(Form1->BitBtn2, Qt::LeftButton);
        EXPECT_EQ(answers.seen().size(), 1u);
    }
};

TEST_F(FolderButton, CancelPutsAnExistingCopyPathIntoTheBox) {
    c.folder("DEST");
    Form1->CopyPath = "C:\\DEST";
    Form1->LabeledEdit2->setText(u"typed"_qs);
    browse([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompt, u"現ﾃﾞｨﾚｸﾄﾘ C:\\DEST"_qs);
    EXPECT_EQ(selected, QStringList{QString::fromStdString(c / "DEST")});
    EXPECT_EQ(Form1->LabeledEdit2->text(), u"C:\\DEST"_qs);
}

TEST_F(FolderButton, CancelLeavesTheBoxWhenCopyPathIsGone) {
    Form1->CopyPath = "C:\\GONE";
    Form1->LabeledEdit2->setText(u"typed"_qs);
    browse([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompt, u"現ﾃﾞｨﾚｸﾄﾘ C:\\GONE"_qs);
    EXPECT_EQ(Form1->LabeledEdit2->text(), u"typed"_qs);
}

TEST_F(FolderButton, TheChosenFolderGoesIntoTheBoxOnly) {
    c.folder("DEST");
    c.folder("OTHER");
    Form1->CopyPath = "C:\\DEST";
    browse([this](QFileDialog* dialog) {
        dialog->selectFile(QString::fromStdString(c / "OTHER"));
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's own button does
    });
    EXPECT_EQ(Form1->LabeledEdit2->text(), u"C:\\OTHER"_qs);
    EXPECT_EQ(Form1->CopyPath, "C:\\DEST");
}

} // namespace
