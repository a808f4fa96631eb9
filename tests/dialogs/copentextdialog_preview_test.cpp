#include "tests/dialogs/opendialogfixture.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

std::string Letters(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += static_cast<char>('a' + i % 26);
    return bytes;
}

// Every file a test needs is made before the dialog opens on drive C:.
class PreviewTest : public OpenDialogTest {
protected:
    PreviewTest() : before(c.file("before.txt", "before")) {}
    ~PreviewTest() override { dialog.reject(); }

    void open() {
        load();
        dialog.show();
    }
    // Previews a file first, so that a later step can tell whether the memo
    // changed.
    void previewSomething() {
        ASSERT_TRUE(report(before).empty());
        ASSERT_EQ(memoText(), u"before"_qs);
    }

    const std::string before;
};

TEST_F(PreviewTest, ShowsTheFirst1023BytesWithLineBreaks) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string shown;
    };
    const Case cases[] = {
        {"short.txt", "G90\r\nG0 X1\rM30\n", "G90\nG0 X1\nM30\n"},
        {"empty.txt", "", ""},
        {"1022.txt", Letters(1022), Letters(1022)},
        {"1023.txt", Letters(1023), Letters(1023)},
        {"2000.txt", Letters(2000), Letters(1023)},
        {"nul150.txt", Letters(150) + '\0' + "tail", Letters(150)},
    };
    for (const Case& file : cases)
        c.file(file.name, file.bytes);
    open();
    for (const Case& file : cases) {
        SCOPED_TRACE(file.name);
        EXPECT_TRUE(select(c / file.name).empty());
        EXPECT_EQ(memoText(), text::ToQString(file.shown));
    }
}

TEST_F(PreviewTest, ShowsJapaneseText) {
    const std::string file = c.file("加工.lst", text::Utf8ToCp932("加工ﾘｽﾄ\r\n表示する"));
    open();
    EXPECT_TRUE(select(file).empty());
    EXPECT_EQ(memoText(), u"加工ﾘｽﾄ\n表示する"_qs);
}

// Reads the box that opens and where it stands, then presses "OK".
struct SeenBox {
    ModalInfo info;
    QWidget* parent = nullptr;
    QPoint centre;
};

SeenBox AnswerTheBox(const std::function<void()>& action) {
    SeenBox seen;
    const ModalAnswerer answerer({[&](QWidget* box) {
        seen = {ReadModal(box), box->parentWidget(), box->frameGeometry().center()};
        PressButton(box, u"OK"_qs);
    }});
    action();
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.unexpected(), 0);
    return seen;
}

void ExpectCentredOver(const SeenBox& box, const QWidget* dialog) {
    EXPECT_EQ(box.parent, dialog);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((box.centre - screenCentre).manhattanLength(), 4);
    EXPECT_EQ(box.info.buttons, (QStringList{u"OK"_qs}));
}

TEST_F(PreviewTest, ANulInTheFirstHundredBytesWarnsAndShowsNoPreview) {
    const std::size_t nulAt[] = {0, 99};
    for (const std::size_t at : nulAt) {
        std::string bytes = Letters(300);
        bytes[at] = '\0';
        c.file("binary" + std::to_string(at) + ".nc", bytes);
    }
    open();
    for (const std::size_t at : nulAt) {
        SCOPED_TRACE(at);
        previewSomething();
        const SeenBox box =
            AnswerTheBox([&] { pick(c / ("binary" + std::to_string(at) + ".nc")); });
        EXPECT_EQ(box.info.caption, u"警告"_qs);
        EXPECT_EQ(box.info.text,
                  u"ファイルのプレビューが出来ません。\n(ファイルタイプが違います。)"_qs);
        EXPECT_EQ(box.info.icon, QMessageBox::Warning);
        ExpectCentredOver(box, &dialog);
        EXPECT_EQ(memoText(), u"ﾌﾟﾚﾋﾞｭｰ不可"_qs);
        EXPECT_TRUE(dialog.isVisible());
    }
}

// A FIFO is a file that cannot be read: the reading never waits for a writer.
TEST_F(PreviewTest, AFileThatCannotBeReadKeepsThePreviousPreview) {
    const std::pair<const char*, QString> cases[] = {
        {"pipe.lst", u"ファイル C:\\pipe.lst は開けません"_qs},
        {"加工.lst", u"ファイル C:\\加工.lst は開けません"_qs},
    };
    for (const auto& [name, message] : cases)
        ASSERT_EQ(mkfifo((c / name).c_str(), 0600), 0);
    open();
    for (const auto& [name, message] : cases) {
        previewSomething();
        const SeenBox box = AnswerTheBox([&, name = name] { announce(c / name); });
        EXPECT_EQ(box.info.caption, u"Tessivar"_qs);
        EXPECT_EQ(box.info.text, message);
        EXPECT_EQ(box.info.icon, QMessageBox::NoIcon);
        ExpectCentredOver(box, &dialog);
        EXPECT_EQ(memoText(), u"before"_qs);
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST_F(PreviewTest, AFolderOrNothingCurrentEmptiesTheMemoSilently) {
    const std::string folder = c.folder("sub.lst");
    open();
    previewSomething();
    EXPECT_TRUE(select(folder).empty());
    EXPECT_EQ(memoText(), u""_qs);
    previewSomething();
    EXPECT_TRUE(report("").empty());
    EXPECT_EQ(memoText(), u""_qs);
    previewSomething();
    EXPECT_TRUE(report(c / "gone.txt").empty());
    EXPECT_EQ(memoText(), u""_qs);
}

TEST_F(PreviewTest, AClearedCheckBoxEmptiesTheNextPreviewOnly) {
    const std::string a = c.file("a.txt", "alpha");
    const std::string b = c.file("b.txt", "beta");
    open();
    previewSomething();
    dialog.PreviewCheckBox->click();
    EXPECT_EQ(memoText(), u"before"_qs);
    EXPECT_TRUE(select(a).empty());
    EXPECT_EQ(memoText(), u""_qs);
    dialog.PreviewCheckBox->click();
    ASSERT_TRUE(dialog.PreviewCheckBox->isChecked());
    EXPECT_EQ(memoText(), u""_qs);
    EXPECT_TRUE(select(b).empty());
    EXPECT_EQ(memoText(), u"beta"_qs);
}

TEST_F(PreviewTest, ASelectionOutsideTheShowingDoesNothing) {
    const std::string file = c.file("binary.nc", "\0"s);
    load();
    EXPECT_TRUE(report(file).empty());
    EXPECT_TRUE(report(c / "missing").empty());
    EXPECT_EQ(dialog.PreviewMemo, nullptr);
    EXPECT_EQ(dialog.CurrentSelection(), "C:\\missing");
}

TEST_F(PreviewTest, CurrentSelectionIsTheReportedItemInProgramForm) {
    const std::string file = c.file("demo.lst", "x");
    const std::string folder = c.folder("sub");
    open();
    EXPECT_EQ(dialog.CurrentSelection(), "");
    select(file);
    EXPECT_EQ(dialog.CurrentSelection(), "C:\\demo.lst");
    select(folder);
    EXPECT_EQ(dialog.CurrentSelection(), "C:\\sub");
    report("");
    EXPECT_EQ(dialog.CurrentSelection(), "");
}

} // namespace
