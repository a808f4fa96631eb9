#include "app/application.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "dialogs/editform.h"
#include "dialogs/programfiledialog.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/tempfolder.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Handler = ModalAnswerer::Handler;
using Lines = std::vector<std::string>;
using text::Utf8ToCp932;

const QString kChanged = u"リストが変更されています。\n保存せずに終了しますか？"_qs;

// The list editor opened with the main window's button, C: a temp folder.
class ListEditor : public platform::test::DriveCTest {
protected:
    ListEditor() { CreateApplicationWindows({}); }
    ~ListEditor() override { DestroyApplicationWindows(); }

    // Presses "ﾘｽﾄ編集/新規" with `linkBox` in the main window's link-file
    // box; `work` runs in the open editor, `inner` answer what it opens.
    std::vector<ModalInfo> edit(const std::string& linkBox, const std::function<void()>& work,
                                std::vector<Handler> inner = {}) {
        Form1->LabeledEdit1->setText(text::ToQString(linkBox));
        std::vector<Handler> handlers{[&](QWidget*) {
            caption = Form3->windowTitle();
            saveText = Form3->BitBtn3->text();
            shownText = Form3->RichEdit1->toPlainText();
            work();
        }};
        handlers.insert(handlers.end(), inner.begin(), inner.end());
        ModalAnswerer answers(std::move(handlers));
        QTest::mouseClick(Form1->BitBtn6, Qt::LeftButton);
        EXPECT_EQ(answers.unexpected(), 0);
        return answers.seen();
    }

    // Types into the editor as a user does; Japanese comes in as an input
    // method commits it.
    static void type(const QString& keys) {
        Form3->RichEdit1->setFocus();
        for (const QChar key : keys) {
            if (key == u'\n')
                QTest::keyClick(Form3->RichEdit1, Qt::Key_Return);
            else if (key.unicode() < 0x80)
                QTest::keyClick(Form3->RichEdit1, static_cast<char>(key.unicode()));
            else
                Form3->RichEdit1->insertPlainText(QString(key));
        }
    }

    // A save-dialog answer: the filter `index` (0 keeps it) and the name
    // `relative` inside C:, then the dialog's own accept.
    Handler saveAs(int index, const std::string& relative) {
        return [this, index, relative](QWidget* window) {
            auto* dialog = qobject_cast<ProgramFileDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            if (index > 0)
                dialog->setFilterIndex(index);
            dialog->setDirectory(QString::fromStdString(c.path()));
            // Typed into the name box, as the user does.
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_qs);
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(relative));
            static_cast<QDialog*>(dialog)->accept();
        };
    }
    static Handler cancel() {
        return [](QWidget* window) { static_cast<QDialog*>(window)->reject(); };
    }
    static Handler press(const QString& button) {
        return [button](QWidget* window) { PressButton(window, button); };
    }

    std::string read(const std::string& relative) const {
        std::ifstream file(c / relative, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    QString caption, saveText, shownText;
};

TEST_F(ListEditor, NewModeSavesUnderTheChosenNameAndShowsTheList) {
    const std::vector<ModalInfo> seen = edit({},
                                             [] {
                                                 type(u"; 新規\nFILE=C:\\A.NC"_qs);
                                                 QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton);
                                             },
                                             {saveAs(0, "NEW")});
    EXPECT_EQ(caption, u"ﾘｽﾄ新規作成"_qs);
    EXPECT_EQ(saveText, u"保存"_qs);
    EXPECT_TRUE(shownText.isEmpty());
    EXPECT_EQ(seen.size(), 2u); // the editor and its save dialog
    EXPECT_EQ(read("NEW.lst"), Utf8ToCp932("; 新規\r\nFILE=C:\\A.NC"));
    EXPECT_EQ(Form1->LinkFileName, "C:\\NEW.lst");
    EXPECT_EQ(Form1->LabeledEdit1->text(), u"C:\\NEW.lst"_qs);
    EXPECT_EQ(Form1->ListBox2->lines(), (Lines{Utf8ToCp932("; 新規"), "FILE=C:\\A.NC"}));
    EXPECT_EQ(Form1->MaskNo, 1);
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(ListEditor, TheFilterChosenOnSavingBecomesMaskNo) {
    edit({}, [] { QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton); }, {saveAs(2, "LIST.TXT")});
    EXPECT_EQ(Form1->MaskNo, 2);
    EXPECT_TRUE(std::filesystem::exists(c / "LIST.TXT"));
}

TEST_F(ListEditor, TheDefaultExtensionFollowsMaskNo) {
    const std::pair<int, std::string> cases[] = {{6, "PLAIN"}, {5, "NAMED.lst"}, {2, "T.txt"}};
    for (const auto& [maskNo, written] : cases) {
        Form1->MaskNo = maskNo;
        const std::string typed = written.substr(0, written.find('.'));
        edit({}, [] { QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton); }, {saveAs(0, typed)});
        EXPECT_TRUE(std::filesystem::is_regular_file(c / written)) << maskNo;
        Form1->LabeledEdit1->clear();
    }
}

TEST_F(ListEditor, UpdateOverwritesTheFileWithoutAQuestion) {
    c.file("NC/A.LST", "FILE=C:\\OLD.NC\r\n");
    const std::vector<ModalInfo> seen = edit("C:\\NC\\A.LST", [] {
        Form3->RichEdit1->moveCursor(QTextCursor::End);
        type(u"FILE=C:\\NEW.NC"_qs);
        QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton);
    });
    EXPECT_EQ(caption, u"ﾘｽﾄ編集 C:\\NC\\A.LST"_qs);
    EXPECT_EQ(saveText, u"更新"_qs);
    EXPECT_EQ(shownText, u"FILE=C:\\OLD.NC\n"_qs);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(read("NC/A.LST"), "FILE=C:\\OLD.NC\r\nFILE=C:\\NEW.NC");
    EXPECT_EQ(Form1->ListBox2->lines(), (Lines{"FILE=C:\\OLD.NC", "FILE=C:\\NEW.NC"}));
}

TEST_F(ListEditor, JapaneseTextIsWrittenByteForByte) {
    // "ソ" and "表" end in 0x5C; a lone CR and an LF become CR LF.
    const std::string bytes = Utf8ToCp932("; ソフト表\r\nFILE=C:\\ソフト\\O1000.NC ;爪\r\n\r\n");
    c.file("J.LST", bytes);
    edit("C:\\J.LST", [] { QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton); });
    EXPECT_EQ(read("J.LST"), bytes);
    EXPECT_EQ(shownText, u"; ソフト表\nFILE=C:\\ソフト\\O1000.NC ;爪\n\n"_qs);
}

TEST_F(ListEditor, TheClipboardGetsTheEntryLine) {
    QStringList clipboard, boxes;
    edit({}, [&] {
        for (const QString& typed : {QString(), u"C:\\NC\\A.NC "_qs}) {
            Form3->LabeledEdit1->setText(typed);
            QTest::mouseClick(Form3->BitBtn2, Qt::LeftButton);
            clipboard << QGuiApplication::clipboard()->text();
            boxes << Form3->LabeledEdit1->text();
        }
        QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton);
    });
    EXPECT_EQ(clipboard, (QStringList{u"FILE="_qs, u"FILE=C:\\NC\\A.NC "_qs}));
    EXPECT_EQ(boxes, (QStringList{QString(), QString()}));
}

TEST_F(ListEditor, ClearAllOpensANewList) {
    c.file("A.LST", "FILE=X\r\n");
    Form1->LoadLinkFile("C:\\A.LST");
    QTest::mouseClick(Form1->BitBtn7, Qt::LeftButton);
    edit(text::FromQString(Form1->LabeledEdit1->text()),
         [] { QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton); });
    EXPECT_EQ(caption, u"ﾘｽﾄ新規作成"_qs);
    EXPECT_TRUE(Form1->LinkFileName.empty());
}

TEST_F(ListEditor, CancelAsksOnlyAboutChangedText) {
    c.file("A.LST", "FILE=X\r\n");
    // Unchanged: closes at once.
    EXPECT_EQ(edit("C:\\A.LST", [] { QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton); }).size(),
              1u);
    // Changed, and let go: closes without saving.
    const std::vector<ModalInfo> seen = edit("C:\\A.LST",
                                             [] {
                                                 type(u"Y"_qs);
                                                 QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton);
                                             },
                                             {press(u"はい(&Y)"_qs)});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, kChanged);
    EXPECT_EQ(seen[1].caption, u"リスト編集"_qs);
    EXPECT_EQ(seen[1].icon, QMessageBox::Information);
    EXPECT_EQ(read("A.LST"), "FILE=X\r\n");
    // Changed, and kept: saved.
    edit("C:\\A.LST",
         [] {
             type(u"Y"_qs);
             QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton);
         },
         {press(u"いいえ(&N)"_qs)});
    EXPECT_EQ(read("A.LST"), "YFILE=X\r\n");
}

TEST_F(ListEditor, ACancelledSaveDialogKeepsTheEditorAndItsText) {
    bool openAfterSave = false, openAfterCancel = false;
    QString text;
    edit({},
         [&] {
             type(u"FILE=C:\\KEEP.NC"_qs);
             QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton); // 保存, dialog cancelled
             openAfterSave = Form3->isVisible();
             QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton); // 中止, No, dialog cancelled
             openAfterCancel = Form3->isVisible();
             text = Form3->RichEdit1->toPlainText();
             QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton); // saved at last
         },
         {cancel(), press(u"いいえ(&N)"_qs), cancel(), saveAs(0, "KEPT")});
    EXPECT_TRUE(openAfterSave);
    EXPECT_TRUE(openAfterCancel);
    EXPECT_EQ(text, u"FILE=C:\\KEEP.NC"_qs);
    EXPECT_EQ(read("KEPT.lst"), "FILE=C:\\KEEP.NC");
}

TEST_F(ListEditor, TheCloseBoxAsksAboutChangedText) {
    c.file("A.LST", "FILE=X\r\n");
    bool openAfterNo = false;
    const std::vector<ModalInfo> seen =
        edit("C:\\A.LST",
             [&] {
                 type(u"Z"_qs);
                 Form3->close();
                 openAfterNo = Form3->isVisible(); // answered No: saved and closed
             },
             {press(u"いいえ(&N)"_qs)});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, kChanged);
    EXPECT_FALSE(openAfterNo);
    EXPECT_EQ(read("A.LST"), "ZFILE=X\r\n");
    // Escape is a close request too.
    const std::vector<ModalInfo> escaped = edit("C:\\A.LST",
                                                [] {
                                                    type(u"W"_qs);
                                                    QTest::keyClick(Form3, Qt::Key_Escape);
                                                },
                                                {press(u"はい(&Y)"_qs)});
    EXPECT_EQ(escaped.size(), 2u);
    EXPECT_EQ(read("A.LST"), "ZFILE=X\r\n");
}

TEST_F(ListEditor, AFailedWriteKeepsTheEditorOpenWithItsText) {
    c.file("D/A.LST", "FILE=X\r\n");
    bool open = false;
    QString text;
    const std::vector<ModalInfo> seen = edit("C:\\D\\A.LST",
                                             [&] {
                                                 type(u"NEW"_qs);
                                                 std::filesystem::remove_all(c / "D");
                                                 QTest::mouseClick(Form3->BitBtn3, Qt::LeftButton);
                                                 open = Form3->isVisible();
                                                 text = Form3->RichEdit1->toPlainText();
                                                 Form3->RichEdit1->document()->setModified(false);
                                                 QTest::mouseClick(Form3->BitBtn4, Qt::LeftButton);
                                             },
                                             {press(u"OK"_qs)});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, u"ファイル C:\\D\\A.LST を作成できません."_qs);
    EXPECT_TRUE(open);
    EXPECT_EQ(text, u"NEWFILE=X\n"_qs);
    EXPECT_FALSE(std::filesystem::exists(c / "D"));
}

TEST_F(ListEditor, AListThatCannotBeReadIsNotOpened) {
    c.folder("DIR.LST");
    for (const std::string path : {"C:\\NONE.LST", "C:\\DIR.LST"}) {
        Form1->LabeledEdit1->setText(text::ToQString(path));
        const std::vector<ModalInfo> seen =
            AnswerModals({u"OK"_qs}, [] { QTest::mouseClick(Form1->BitBtn6, Qt::LeftButton); });
        ASSERT_EQ(seen.size(), 1u) << path; // the error box, not the editor
        EXPECT_EQ(seen[0].text, u"ファイル "_qs + text::ToQString(path) + u" は開けません."_qs);
        EXPECT_EQ(Form1->LinkFileName, path);
        EXPECT_EQ(Form3->windowTitle(), u"ﾘｽﾄ編集 "_qs + text::ToQString(path));
    }
}

TEST(ListEditorLayout, IsTheFixedEditorWindow) {
    CreateApplicationWindows({});
    EXPECT_EQ(Form3->size(), QSize(474, 513));
    EXPECT_EQ(Form3->pos(), QPoint(230, 126));
    EXPECT_EQ(Form3->RichEdit1->geometry(), QRect(8, 8, 457, 390));
    EXPECT_EQ(Form3->RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(Form3->RichEdit1->tabChangesFocus());
    EXPECT_EQ(Form3->BitBtn2->text(), u"クリップボード移動"_qs);
    EXPECT_EQ(Form3->BitBtn4->text(), u"中止"_qs);
    EXPECT_EQ(Form3->LabeledEdit1->editLabel()->text(), u"選択ファイル"_qs);
    EXPECT_FALSE(Form3->windowFlags() & Qt::WindowMaximizeButtonHint);
    DestroyApplicationWindows();
}

} // namespace
