#include "app/application.h"
#include "app/labelededit.h"
#include "app/mainform.h"
#include "dialogs/userform.h"
#include "tests/support/modalwatcher.h"
#include "text/cp932_codec.h"
#include "text/qtext.h"

#include <QAction>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using text::Utf8ToCp932;

// The user-definition dialog opened from its menu item; `work` runs while it
// is open, and further handlers answer the boxes that it opens.
class UserDialog : public ::testing::Test {
protected:
    UserDialog() {
        CreateApplicationWindows({});
        Form1->move(90, 70);
    }
    ~UserDialog() override { DestroyApplicationWindows(); }

    std::vector<ModalInfo> open(const std::function<void()>& work,
                                std::vector<ModalAnswerer::Handler> inner = {}) {
        std::vector<ModalAnswerer::Handler> handlers{[&](QWidget*) {
            dialogAt = User->pos();
            work();
        }};
        handlers.insert(handlers.end(), inner.begin(), inner.end());
        ModalAnswerer answers(std::move(handlers));
        Form1->User_op->trigger();
        EXPECT_EQ(answers.unexpected(), 0);
        EXPECT_FALSE(User->isVisible());
        return answers.seen();
    }

    static void type(LabeledEdit* box, const QString& keys) {
        box->setFocus();
        QTest::keyClicks(box, keys);
    }
    static void replace(LabeledEdit* box, const QString& keys) {
        box->clear();
        type(box, keys);
    }
    static QString boxes() {
        return User->LabeledEdit1->text() + u'|' + User->LabeledEdit2->text() + u'|' +
               User->LabeledEdit3->text() + u'|' + User->LabeledEdit4->text();
    }
    static std::string fields() {
        return Form1->User1Name + "|" + Form1->User1Mask + "|" + Form1->User2Name + "|" +
               Form1->User2Mask;
    }

    QPoint dialogAt;
};

TEST_F(UserDialog, OpensOnTheMainWindowWithTheFieldsAndStoresWhatIsAccepted) {
    QString shown;
    open([&] {
        shown = boxes();
        replace(User->LabeledEdit1, {});
        replace(User->LabeledEdit2, u"nc1"_qs);
        replace(User->LabeledEdit3, {});
        replace(User->LabeledEdit4, u".NC"_qs);
        QTest::mouseClick(User->Button1, Qt::LeftButton);
    });
    EXPECT_EQ(dialogAt, Form1->pos());
    EXPECT_EQ(shown, u"ﾕｰｻﾞ1|*.*|ﾕｰｻﾞ2|*.*"_qs);
    EXPECT_EQ(fields(), Utf8ToCp932("ﾕｰｻﾞ定義1|*.nc1|ﾕｰｻﾞ定義2|*.NC"));
    EXPECT_EQ(Form1->LinkFilter,
              Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)|*.LST;*.LNK|テキスト(*.txt)|*.TXT|"
                          "ﾕｰｻﾞ定義1(*.nc1)|*.nc1|ﾕｰｻﾞ定義2(*.NC)|*.NC|すべて表示(*.*)|*.*|"
                          "拡張子無し    |"));
}

TEST_F(UserDialog, AnEmptiedExtensionIsStoredAsEveryFile) {
    Form1->User1Mask = "*.nc1";
    open([] {
        replace(User->LabeledEdit2, {});
        QTest::mouseClick(User->Button1, Qt::LeftButton);
    });
    EXPECT_EQ(Form1->User1Mask, "*.*");
    EXPECT_EQ(Form1->User1Name, Utf8ToCp932("ﾕｰｻﾞ1"));
}

TEST_F(UserDialog, AnExtensionBoxRefusesTheForbiddenCharacters) {
    QStringList refused;
    const std::vector<ModalInfo> seen = open(
        [&] {
            replace(User->LabeledEdit2, u"ab"_qs);
            for (const QChar key : u"/:,;?<>|"_qs)
                type(User->LabeledEdit2, QString(key));
            refused << User->LabeledEdit2->text();
            replace(User->LabeledEdit4, u"a/"_qs); // the second box alike, one more message
            refused << User->LabeledEdit4->text();
            replace(User->LabeledEdit1, u"a/b|c"_qs); // a name box takes them
            refused << User->LabeledEdit1->text();
            QTest::mouseClick(User->Button3, Qt::LeftButton);
        },
        std::vector<ModalAnswerer::Handler>(9, [](QWidget* box) { PressButton(box, u"OK"_qs); }));
    EXPECT_EQ(refused, (QStringList{u"ab"_qs, u"a"_qs, u"a/b|c"_qs}));
    ASSERT_EQ(seen.size(), 10u); // the dialog and nine messages
    const ModalInfo& message = seen[1];
    EXPECT_EQ(message.text, u"この文字は拡張子に使えません。\n/:,;?<>|"_qs);
    EXPECT_EQ(message.caption, u"確認"_qs);
    EXPECT_EQ(message.icon, QMessageBox::Critical);
    EXPECT_EQ(message.buttons, QStringList{u"OK"_qs});
    EXPECT_EQ(fields(), Utf8ToCp932("ﾕｰｻﾞ1|*.*|ﾕｰｻﾞ2|*.*")); // "戻る" stored nothing
}

TEST_F(UserDialog, EnterNormalisesAnExtensionAtOnceButStoresNothing) {
    QString afterEnter, afterEmptyEnter;
    bool focusOnChange = false;
    open([&] {
        replace(User->LabeledEdit4, u"abc"_qs);
        QTest::keyClick(User->LabeledEdit4, Qt::Key_Return);
        afterEnter = User->LabeledEdit4->text();
        focusOnChange = User->focusWidget() == User->Button1;
        replace(User->LabeledEdit2, {});
        QTest::keyClick(User->LabeledEdit2, Qt::Key_Return);
        afterEmptyEnter = User->LabeledEdit2->text();
        QTest::keyClick(User->LabeledEdit2, Qt::Key_Escape); // no way out but the buttons
        EXPECT_TRUE(User->isVisible());
        QTest::mouseClick(User->Button2, Qt::LeftButton);
    });
    EXPECT_EQ(afterEnter, u"*.abc"_qs);
    EXPECT_TRUE(focusOnChange);
    EXPECT_EQ(afterEmptyEnter, QString());
    EXPECT_EQ(fields(), Utf8ToCp932("ﾕｰｻﾞ1|*.*|ﾕｰｻﾞ2|*.*"));
}

TEST_F(UserDialog, DiscardAndReturnKeepTheFieldsAndTheFilter) {
    const std::string filter = Form1->LinkFilter;
    for (QPushButton* button : {User->Button2, User->Button3}) {
        QString boxesAfter;
        open([&] {
            replace(User->LabeledEdit1, u"changed"_qs);
            QTest::mouseClick(button, Qt::LeftButton);
            boxesAfter = boxes();
        });
        EXPECT_EQ(fields(), Utf8ToCp932("ﾕｰｻﾞ1|*.*|ﾕｰｻﾞ2|*.*"));
        EXPECT_EQ(Form1->LinkFilter, filter);
        if (button == User->Button2) // "中止" puts the fields back into the boxes
            EXPECT_EQ(boxesAfter, u"ﾕｰｻﾞ1|*.*|ﾕｰｻﾞ2|*.*"_qs);
        else
            EXPECT_EQ(boxesAfter, u"changed|*.*|ﾕｰｻﾞ2|*.*"_qs);
    }
}

TEST(UserDialogLayout, IsTheFixedDialogWithoutCloseBox) {
    CreateApplicationWindows({});
    EXPECT_EQ(User->windowTitle(), u"ﾕｰｻﾞ定義"_qs);
    EXPECT_EQ(User->size(), QSize(379, 173));
    EXPECT_FALSE(User->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(User->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(User->LabeledEdit2->geometry(), QRect(256, 32, 105, 20));
    EXPECT_EQ(User->LabeledEdit3->editLabel()->text(), u"ﾕｰｻﾞ定義２(表示名)"_qs);
    EXPECT_EQ(User->Button1->text(), u"変更"_qs);
    DestroyApplicationWindows();
}

} // namespace
