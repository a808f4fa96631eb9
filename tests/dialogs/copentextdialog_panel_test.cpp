#include "tests/dialogs/opendialogfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QSizeGrip>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

using PanelTest = OpenDialogTest;

TEST_F(PanelTest, ExistsOnlyFromShowToCloseAndComesBackTicked) {
    const std::pair<const char*, std::function<void()>> closers[] = {
        {"close box", [&] { dialog.close(); }},
        {"reject", [&] { dialog.reject(); }},
        {"accept", [&] { dialog.done(QDialog::Accepted); }},
    };
    EXPECT_EQ(dialog.PreviewMemo, nullptr);
    EXPECT_EQ(dialog.PreviewCheckBox, nullptr);
    std::optional<QRect> firstPlace;
    for (const auto& [how, close] : closers) {
        SCOPED_TRACE(how);
        dialog.show();
        // Every showing grows the window from the same size.
        EXPECT_EQ(dialog.frameGeometry(), firstPlace.value_or(dialog.frameGeometry()));
        firstPlace = dialog.frameGeometry();
        ASSERT_NE(dialog.PreviewMemo, nullptr);
        ASSERT_NE(dialog.PreviewCheckBox, nullptr);
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>(u"PreviewMemo"_qs), dialog.PreviewMemo);
        EXPECT_EQ(dialog.findChild<QCheckBox*>(u"PreviewCheckBox"_qs), dialog.PreviewCheckBox);
        EXPECT_TRUE(dialog.PreviewCheckBox->isChecked());
        EXPECT_EQ(dialog.PreviewCheckBox->text(), u"内容をﾌﾟﾚﾋﾞｭｰする。"_qs);
        EXPECT_TRUE(dialog.PreviewMemo->isVisible());
        EXPECT_TRUE(dialog.PreviewCheckBox->isVisible());
        dialog.PreviewCheckBox->setChecked(false);
        close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.PreviewMemo, nullptr);
        EXPECT_EQ(dialog.PreviewCheckBox, nullptr);
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>(u"PreviewMemo"_qs), nullptr);
        EXPECT_EQ(dialog.findChild<QCheckBox*>(u"PreviewCheckBox"_qs), nullptr);
    }
}

// The window is expected to be its client size plus the frame, grown by the
// panel, and centred on the primary screen by integer halves that truncate.
void ExpectGrownAndCentred(const COpenTextDialog& dialog, QSize client) {
    const QMargins frame = dialog.windowHandle()->frameMargins();
    const int outerWidth = client.width() + frame.left() + frame.right();
    const int outerHeight = client.height() + frame.top() + frame.bottom() + 145;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.size(), QSize(client.width(), client.height() + 145));
    EXPECT_EQ(dialog.frameGeometry(),
              QRect((screen.width() - outerWidth) / 2, (screen.height() - outerHeight) / 2,
                    outerWidth, outerHeight));
    EXPECT_EQ(dialog.PreviewCheckBox->geometry(), QRect(6, client.height(), 200, 25));
    EXPECT_EQ(dialog.PreviewMemo->geometry(),
              QRect(6, client.height() + 25, client.width() - 12, 100));
}

TEST_F(PanelTest, GrowsTheWindowCentresItAndPlacesThePanelBelowTheOldClientArea) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Odd sizes and one larger than the screen: the halves truncate toward zero.
    const QSize clients[] = {{700, 450}, {701, 451}, {screen.width() + 91, screen.height() - 50}};
    for (const QSize client : clients) {
        SCOPED_TRACE(client.width());
        dialog.resize(client);
        dialog.show();
        ExpectGrownAndCentred(dialog, client);
        dialog.reject();
        EXPECT_EQ(dialog.size(), client);
    }
}

TEST_F(PanelTest, KeepsQtsControlsInTheOldClientArea) {
    dialog.resize(700, 450);
    dialog.show();
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The size grip keeps to the window's corner.
        if (child == dialog.PreviewMemo || child == dialog.PreviewCheckBox ||
            qobject_cast<QSizeGrip*>(child) || !child->isVisible())
            continue;
        SCOPED_TRACE(child->metaObject()->className());
        EXPECT_LE(child->geometry().bottom(), 450);
    }
}

TEST_F(PanelTest, IsBuiltOnceForEachShowing) {
    dialog.resize(700, 450);
    dialog.show();
    const QPlainTextEdit* memo = dialog.PreviewMemo;
    // A restore from the task bar shows the window again without a new showing.
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    qApp->notify(&dialog, &restored);
    EXPECT_EQ(dialog.PreviewMemo, memo);
    EXPECT_EQ(dialog.size(), QSize(700, 595));
    // Hidden without closing, then shown: one panel, grown once.
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.findChildren<QPlainTextEdit*>(u"PreviewMemo"_qs).size(), 1);
    EXPECT_EQ(dialog.findChildren<QCheckBox*>(u"PreviewCheckBox"_qs).size(), 1);
    EXPECT_EQ(dialog.size(), QSize(700, 595));
    EXPECT_EQ(dialog.PreviewCheckBox->geometry(), QRect(6, 450, 200, 25));
}

TEST_F(PanelTest, DoesNotFollowALaterResize) {
    dialog.resize(700, 450);
    dialog.show();
    dialog.resize(900, 700);
    EXPECT_EQ(dialog.PreviewCheckBox->geometry(), QRect(6, 450, 200, 25));
    EXPECT_EQ(dialog.PreviewMemo->geometry(), QRect(6, 475, 688, 100));
}

TEST_F(PanelTest, MemoIsAFramedWrappingEditorInTheApplicationFont) {
    // Neither the owner's font nor the dialog's own reaches the memo.
    QWidget owner;
    QFont large = owner.font();
    large.setPointSize(large.pointSize() + 9);
    owner.setFont(large);
    COpenTextDialog owned(&owner);
    owned.setFont(large);
    owned.show();
    const QPlainTextEdit* memo = owned.PreviewMemo;
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->parentWidget(), &owned);
    EXPECT_NE(memo->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(memo->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->font(), QApplication::font());
    EXPECT_NE(memo->font(), large);
    owned.reject();
}

} // namespace
