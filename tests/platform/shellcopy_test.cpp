#include "platform/shellcopy.h"
#include "tests/platform/copyfixture.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/withoutaccessoverride.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

using Names = std::vector<std::string>;

QWidget* ProgressWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"ShellCopyProgress"_qs && window->isVisible())
            return window;
    }
    return nullptr;
}

class ShellCopyTest : public test::CopyTest {
protected:
    ShellCopyTest() { owner.show(); }

    bool copy(const std::vector<std::string>& sources) {
        return HostShellCopy().copy(&owner, sources, "C:\\DST\\");
    }
    // Two files in SRC, both already in DST.
    void twoFilesToReplace() {
        c.file("SRC/A.NC", "new A");
        c.file("SRC/B.NC", "new B");
        c.file("DST/A.NC", "old A");
        c.file("DST/B.NC", "old B");
    }

    QWidget owner;
};

TEST_F(ShellCopyTest, CopiesWithoutAWordWhenNothingIsInTheWay) {
    c.file("SRC/A.NC", "a");
    c.file("SRC/B.NC", "b");
    const ModalAnswerer answerer(QStringList{});
    EXPECT_FALSE(copy({"C:\\SRC\\*.NC"}));
    EXPECT_EQ(answerer.seen().size(), 0u);
    EXPECT_EQ(entries(c / "DST"), (Names{"A.NC", "B.NC"}));
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(ShellCopyTest, TheReplaceQuestionNamesTheFileAndTheFolder) {
    twoFilesToReplace();
    bool ownerEnabled = true;
    bool progressShown = false;
    const ModalAnswerer answerer({[&](QWidget* box) {
        ownerEnabled = owner.isEnabled();
        progressShown = ProgressWindow() != nullptr;
        if (!PressButton(box, u"いいえ(&N)"_qs))
            box->close();
    }});
    EXPECT_TRUE(copy({"C:\\SRC\\A.NC", "C:\\SRC\\B.NC"}));
    ASSERT_EQ(answerer.seen().size(), 1u + answerer.unexpected());
    const ModalInfo& question = answerer.seen()[0];
    EXPECT_EQ(question.caption, u"ファイルの置き換えの確認"_qs);
    EXPECT_TRUE(question.text.contains(u"「A.NC」"_qs)) << question.text.toStdString();
    EXPECT_TRUE(question.text.contains(u"「C:\\DST」"_qs)) << question.text.toStdString();
    EXPECT_FALSE(question.text.contains(u"読み取り専用"_qs)) << question.text.toStdString();
    EXPECT_EQ(question.buttons,
              (QStringList{u"はい(&Y)"_qs, u"すべてはい"_qs, u"いいえ(&N)"_qs, u"キャンセル"_qs}));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(ShellCopyTest, ReplacesAsAnswered) {
    const struct {
        QStringList answers;
        std::string a, b;
        bool aborted;
    } cases[] = {
        {{u"はい(&Y)"_qs, u"いいえ(&N)"_qs}, "new A", "old B", true},
        {{u"いいえ(&N)"_qs, u"はい(&Y)"_qs}, "old A", "new B", true},
        {{u"すべてはい"_qs}, "new A", "new B", false},
        {{u"キャンセル"_qs}, "old A", "old B", true},
    };
    for (const auto& [answers, a, b, aborted] : cases) {
        twoFilesToReplace();
        const ModalAnswerer answerer(answers);
        EXPECT_EQ(copy({"C:\\SRC\\A.NC", "C:\\SRC\\B.NC"}), aborted)
            << answers.join(u' ').toStdString();
        EXPECT_EQ(answerer.unexpected(), 0) << answers.join(u' ').toStdString();
        EXPECT_EQ(contents(c / "DST/A.NC"), a) << answers.join(u' ').toStdString();
        EXPECT_EQ(contents(c / "DST/B.NC"), b) << answers.join(u' ').toStdString();
    }
}

TEST_F(ShellCopyTest, ASingleReadOnlyFileIsAskedAboutWithYesAndNoOnly) {
    c.file("SRC/A.NC", "new");
    chmod(c.file("DST/A.NC", "old").c_str(), 0444);
    const auto seen =
        AnswerModals({u"いいえ(&N)"_qs}, [&] { EXPECT_TRUE(copy({"C:\\SRC\\A.NC"})); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].buttons, (QStringList{u"はい(&Y)"_qs, u"いいえ(&N)"_qs}));
    EXPECT_TRUE(seen[0].text.contains(u"読み取り専用"_qs)) << seen[0].text.toStdString();
    EXPECT_EQ(contents(c / "DST/A.NC"), "old");
}

TEST_F(ShellCopyTest, EachErrorIsShownAndSkipGoesOn) {
    c.file("SRC/A.NC", "a");
    c.file("SRC/B.NC", "b");
    chmod((c / "DST").c_str(), 0555);
    const test::WithoutAccessOverride asOwner;
    const ModalAnswerer answerer({u"スキップ"_qs, u"スキップ"_qs});
    EXPECT_TRUE(copy({"C:\\SRC\\A.NC", "C:\\SRC\\B.NC"}));
    ASSERT_EQ(answerer.seen().size(), 2u);
    for (const ModalInfo& box : answerer.seen()) {
        EXPECT_EQ(box.caption, u"コピーのエラー"_qs);
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.buttons, (QStringList{u"スキップ"_qs, u"キャンセル"_qs}));
        EXPECT_TRUE(box.text.contains(u"「C:\\DST」"_qs)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(u"アクセスが拒否されました。"_qs)) << box.text.toStdString();
    }
    EXPECT_TRUE(answerer.seen()[1].text.contains(u"「B.NC」"_qs));
}

TEST_F(ShellCopyTest, CancelAtAnErrorStopsTheRest) {
    c.file("SRC/B.NC", "b");
    const auto seen = AnswerModals({u"キャンセル"_qs}, [&] {
        EXPECT_TRUE(copy({"C:\\SRC\\GONE.NC", "C:\\SRC\\B.NC"}));
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.contains(u"「C:\\SRC\\GONE.NC」"_qs)) << seen[0].text.toStdString();
    EXPECT_TRUE(entries(c / "DST").empty());
}

// The first source is a pipe that the copy reads only as fast as the test
// writes to it, so the progress window's cancel comes in the middle of it.
TEST_F(ShellCopyTest, CancelInTheProgressWindowStopsAtOnce) {
    ASSERT_EQ(mkfifo((c / "SRC/PIPE.NC").c_str(), 0644), 0);
    const int writer = open((c / "SRC/PIPE.NC").c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    c.file("SRC/NEXT.NC", "next");
    bool pressed = false;
    QTimer::singleShot(0, [&] {
        QWidget* progress = ProgressWindow();
        pressed = progress && PressButton(progress, u"キャンセル"_qs);
        EXPECT_EQ(write(writer, "part", 4), 4);
        close(writer);
    });
    const ModalAnswerer answerer(QStringList{});
    EXPECT_TRUE(copy({"C:\\SRC\\PIPE.NC", "C:\\SRC\\NEXT.NC"}));
    EXPECT_TRUE(pressed);
    EXPECT_EQ(answerer.unexpected(), 0);
    EXPECT_TRUE(entries(c / "DST").empty());
}

} // namespace
} // namespace platform
