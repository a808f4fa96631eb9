#include "app/application.h"
#include "app/labelededit.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "copy/copyform.h"
#include "dialogs/editform.h"
#include "dialogs/userform.h"

#include <QAction>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public testing::Test {
protected:
    void SetUp() override { CreateApplicationWindows(); }
    void TearDown() override { DestroyApplicationWindows(); }

    template <typename T = QWidget> T* control(const char* name) {
        return Form1->findChild<T*>(QString::fromUtf8(name));
    }
};

TEST_F(MainWindow, CreatesTheFourWindowsInOrder) {
    ASSERT_NE(Form1, nullptr);
    ASSERT_NE(Form2, nullptr);
    ASSERT_NE(User, nullptr);
    ASSERT_NE(Form3, nullptr);
    QStringList windows;
    for (QObject* child : Form1->children()) {
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
            windows << child->objectName();
    }
    EXPECT_EQ(windows, (QStringList{u"Form2"_qs, u"User"_qs, u"Form3"_qs}));
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(User->isVisible());
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(MainWindow, StartsWithTheDefaultState) {
    EXPECT_EQ(Form1->windowTitle(), u"Tessivar Ver1.08"_qs);
    EXPECT_EQ(Form1->VersionText, "1.08");
    EXPECT_EQ(Form1->pos(), QPoint(10, 10));
    EXPECT_EQ(Form1->size(), QSize(640, 540));
    EXPECT_EQ(Form1->DirPath, "C:\\");
    EXPECT_EQ(Form1->CopyPath, "C:\\");
    EXPECT_EQ(Form1->MaskNo, 1);
    EXPECT_EQ(Form1->User1Name, "\xD5\xB0\xBB\xDE"
                                "1");
    EXPECT_EQ(Form1->User1Mask, "*.*");
    EXPECT_EQ(Form1->User2Name, "\xD5\xB0\xBB\xDE"
                                "2");
    EXPECT_EQ(Form1->User2Mask, "*.*");
    EXPECT_EQ(Form1->RecentFile1 + Form1->RecentFile5 + Form1->LinkFileName, "");
    EXPECT_TRUE(Form1->CopyList.empty());
    EXPECT_EQ(Form1->SearchLeft, 0);
    EXPECT_EQ(Form1->SearchTop, 0);
    EXPECT_TRUE(Form1->Label1->text().isEmpty());
    EXPECT_TRUE(Form1->LabeledEdit1->text().isEmpty());
    EXPECT_TRUE(Form1->LabeledEdit2->text().isEmpty());
    EXPECT_EQ(Form1->ListBox1->count(), 0);
}

struct ControlCase {
    const char* name;
    const char* className;
    const char* parent;
    QRect geometry;
    QString text;
    QString family;
    int pixels;
};

TEST_F(MainWindow, PanelControlsHaveTheirNamesTextsFontsAndPlaces) {
    const QString proportional = u"ＭＳ Ｐゴシック"_qs;
    const ControlCase cases[] = {
        {"LabeledEdit1", "LabeledEdit", "Panel1", {20, 25, 330, 23}, {}, proportional, 15},
        {"BitBtn1", "QPushButton", "Panel1", {350, 24, 25, 25}, {}, proportional, 12},
        {"LabeledEdit2", "LabeledEdit", "Panel1", {20, 80, 260, 23}, {}, proportional, 15},
        {"BitBtn2", "QPushButton", "Panel1", {280, 79, 25, 25}, {}, proportional, 12},
        {"GroupBox1", "QGroupBox", "Panel1", {330, 50, 297, 57}, {}, proportional, 12},
        {"BitBtn3",
         "QPushButton",
         "GroupBox1",
         {8, 16, 110, 30},
         u"選択ﾌｧｲﾙ編集"_qs,
         proportional,
         12},
        {"BitBtn4",
         "QPushButton",
         "GroupBox1",
         {128, 16, 100, 30},
         u"全ﾌｧｲﾙｺﾋﾟｰ"_qs,
         proportional,
         12},
        {"BitBtn5", "QPushButton", "GroupBox1", {240, 16, 50, 30}, u"終了"_qs, proportional, 12},
        {"BitBtn6",
         "QPushButton",
         "Panel1",
         {392, 22, 110, 30},
         u"ﾘｽﾄ編集/新規"_qs,
         proportional,
         12},
        {"BitBtn7", "QPushButton", "Panel1", {520, 22, 73, 30}, u"全クリア"_qs, proportional, 12},
        {"ListBox2", "ListBox", "ClientArea", {32, 176, 313, 201}, {}, u"ＭＳ ゴシック"_qs, 12},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), c.className);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf8(c.parent));
        EXPECT_EQ(widget->geometry(), c.geometry);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.text);
        }
        EXPECT_EQ(widget->font().family(), c.family);
        EXPECT_EQ(widget->font().pixelSize(), c.pixels);
    }
    EXPECT_EQ(control<QLabel>("Label1")->pos(), QPoint(20, 120));
    EXPECT_EQ(control<QLabel>("Label1")->font().pixelSize(), 16);
    EXPECT_TRUE(control<QGroupBox>("GroupBox1")->title().isEmpty());
}

TEST_F(MainWindow, EditLabelsStandThreePixelsAboveTheirBoxes) {
    const std::pair<LabeledEdit*, QString> edits[] = {{Form1->LabeledEdit1, u"ﾘﾝｸﾌｧｲﾙ"_qs},
                                                      {Form1->LabeledEdit2, u"ｺﾋﾟｰ先"_qs}};
    for (const auto& [edit, label] : edits) {
        QLabel* editLabel = edit->editLabel();
        EXPECT_EQ(editLabel->text(), label);
        EXPECT_EQ(editLabel->objectName(), edit->objectName() + u"EditLabel"_qs);
        EXPECT_EQ(editLabel->x(), edit->x());
        EXPECT_EQ(editLabel->geometry().bottom() + 1 + LabeledEdit::kLabelSpacing, edit->y());
        EXPECT_EQ(editLabel->font().pixelSize(), 15);
    }
}

TEST_F(MainWindow, PanelListAndStatusBarFillTheWindowTopToBottom) {
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    QWidget* panel = control("Panel1");
    QWidget* list = control("ListBox1");
    QWidget* status = control("StatusBar1");
    EXPECT_EQ(panel->height(), 140);
    EXPECT_EQ(panel->width(), Form1->width());
    EXPECT_EQ(list->mapTo(Form1, QPoint(0, 0)).y(), panel->mapTo(Form1, QPoint(0, 140)).y());
    EXPECT_EQ(list->mapTo(Form1, QPoint(0, list->height())).y(), status->y());
    EXPECT_EQ(status->height(), 24);
    EXPECT_EQ(status->y() + status->height(), Form1->height());
    EXPECT_FALSE(Form1->ListBox2->isVisible());
    EXPECT_EQ(Form1->ListBox1->font().family(), u"ＭＳ ゴシック"_qs);
    EXPECT_EQ(Form1->ListBox1->font().pixelSize(), 15);
    EXPECT_EQ(Form1->ListBox1->itemHeight(), 15);
    EXPECT_EQ(Form1->ListBox1->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(Form1->font().family(), u"ＭＳ Ｐゴシック"_qs);
    EXPECT_EQ(Form1->font().pixelSize(), 12);
}

TEST_F(MainWindow, WindowFontsResolveToTheJapaneseFontsHere) {
    EXPECT_EQ(QFontInfo(Form1->font()).family(), u"IPAPGothic"_qs);
    EXPECT_EQ(QFontInfo(Form1->ListBox1->font()).family(), u"IPAGothic"_qs);
}

TEST_F(MainWindow, MenuBarHoldsEveryItemInOrder) {
    const auto entries = [](QMenu* menu) {
        QStringList list;
        for (QAction* action : menu->actions())
            list << action->objectName() + u"="_qs +
                        (action->isSeparator() ? u"-"_qs : action->text()) +
                        (action->isVisible() ? QString() : u" (hidden)"_qs);
        return list;
    };
    QStringList menus;
    for (QAction* action : Form1->MainMenu1->actions())
        menus << action->menu()->objectName() + u"="_qs + action->text();
    EXPECT_EQ(menus, (QStringList{u"N1=ファイル"_qs, u"Setting=設定"_qs, u"Menu_help=ヘルプ"_qs}));
    EXPECT_EQ(
        entries(Form1->N1),
        (QStringList{u"DeskTop_set=ﾃﾞｨｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄ作成"_qs, u"SendTo_set=SendTo(送る)に登録"_qs,
                     u"FileNone4=-"_qs, u"MenuFile0= (hidden)"_qs, u"MenuFile1= (hidden)"_qs,
                     u"MenuFile2= (hidden)"_qs, u"MenuFile3= (hidden)"_qs,
                     u"MenuFile4= (hidden)"_qs, u"FileNone3=-"_qs, u"FileExit1=終了"_qs}));
    EXPECT_EQ(entries(Form1->Setting), (QStringList{u"User_op=ユーザ定義"_qs}));
    EXPECT_EQ(entries(Form1->Menu_help),
              (QStringList{u"Menu_hp=ホームページ"_qs, u"Menu_add=メール"_qs, u"non1=-"_qs,
                           u"Menu_ver=バージョン"_qs}));
}

TEST_F(MainWindow, CannotBeMadeSmallerThan640By540) {
    Form1->show();
    Form1->resize(100, 100);
    EXPECT_EQ(Form1->size(), QSize(640, 540));
    Form1->resize(800, 600);
    EXPECT_EQ(Form1->size(), QSize(800, 600));
}

TEST_F(MainWindow, GlyphsAndIconAreDrawn) {
    for (QPushButton* button :
         {Form1->BitBtn1, Form1->BitBtn2, Form1->BitBtn3, Form1->BitBtn4, Form1->BitBtn6}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull());
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
    }
    EXPECT_TRUE(Form1->BitBtn5->icon().isNull());
    EXPECT_TRUE(Form1->BitBtn7->icon().isNull());
    const QList<QSize> sizes = Form1->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

TEST_F(MainWindow, ExitButtonMenuAndCloseBoxAllClose) {
    const std::function<void()> requests[] = {
        [] { QTest::mouseClick(Form1->BitBtn5, Qt::LeftButton); },
        [] { Form1->FileExit1->trigger(); },
        [] { Form1->close(); },
    };
    for (const auto& request : requests) {
        Form1->show();
        ASSERT_TRUE(Form1->isVisible());
        request();
        EXPECT_FALSE(Form1->isVisible());
    }
}

} // namespace
