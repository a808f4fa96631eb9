#include "dialogs/filters.h"
#include "tests/dialogs/opendialogfixture.h"
#include "text/cp932_codec.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using text::Utf8ToCp932;

class ExecuteTest : public OpenDialogTest {
protected:
    ExecuteTest() {
        c.file("demo.lst", "G90\r\nM30");
        c.file("other.txt", "x");
        load();
        dialog.setFilter(BuildLinkFilter(Utf8ToCp932("ﾕｰｻﾞ1"), "*.*", Utf8ToCp932("ﾕｰｻﾞ2"), "*.*"));
    }

    QLineEdit* nameEdit() const { return dialog.findChild<QLineEdit*>(u"fileNameEdit"_qs); }

    // Runs the dialog, acting in it as a user would; returns what Execute did.
    // A dialog that the acts leave open (a failed step) is cancelled.
    bool execute(const ModalAnswerer::Handler& act) {
        const ModalAnswerer answerer({[&](QWidget* window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            act(window);
            if (window->isVisible())
                dialog.reject();
        }});
        const bool chosen = dialog.Execute();
        EXPECT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.unexpected(), 0);
        EXPECT_EQ(dialog.PreviewMemo, nullptr);
        return chosen;
    }
};

TEST_F(ExecuteTest, AFileClickedInTheListIsPreviewedAndChosen) {
    dialog.setFilterIndex(2);
    const bool chosen = execute([&](QWidget* window) {
        ASSERT_EQ(window, &dialog);
        QTest::keyClick(dialog.findChild<QComboBox*>(u"fileTypeCombo"_qs), Qt::Key_Up);
        ASSERT_EQ(listedOnce({u"demo.lst"_qs}), QStringList{u"demo.lst"_qs});
        const QModelIndex demo = model()->index(HostQString(c / "demo.lst"));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                          view()->visualRect(demo).center());
        EXPECT_EQ(dialog.CurrentSelection(), "C:\\demo.lst");
        EXPECT_EQ(memoText(), u"G90\nM30"_qs);
        EXPECT_EQ(nameEdit()->text(), u"demo.lst"_qs);
        QTest::keyClick(nameEdit(), Qt::Key_Return);
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(dialog.FileName(), "C:\\demo.lst");
    EXPECT_EQ(dialog.filterIndex(), 1);
}

TEST_F(ExecuteTest, ATypedNameIsChosenWithTheDefaultExtension) {
    // A name that does not exist is the caller's to judge.
    const std::pair<QString, std::string> cases[] = {
        {u"demo"_qs, "C:\\demo.lst"},
        {u"new.nc"_qs, "C:\\new.nc"},
    };
    dialog.setDefaultExt("lst");
    for (const auto& [typed, chosenPath] : cases) {
        dialog.setFilterIndex(5);
        const bool chosen = execute([&](QWidget*) {
            nameEdit()->clear();
            QTest::keyClicks(nameEdit(), typed);
            QTest::keyClick(nameEdit(), Qt::Key_Return);
        });
        EXPECT_TRUE(chosen);
        EXPECT_EQ(dialog.FileName(), chosenPath);
        EXPECT_EQ(dialog.filterIndex(), 5);
    }
}

TEST_F(ExecuteTest, EscapeChoosesNothing) {
    EXPECT_FALSE(execute([](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); }));
}

} // namespace
