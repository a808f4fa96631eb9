#include "app/apperror.h"
#include "app/messagebox.h"
#include "tests/support/modalwatcher.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MessageBox, WarningStandsFiftyPixelsFromItsOwner) {
    QWidget owner;
    owner.move(100, 120);
    owner.show();
    BoxButton pressed = BoxButton::Cancel;
    const auto seen = AnswerModals({u"OK"_qs}, [&] {
        pressed = ShowMessageBox(&owner, BoxIcon::Warning, caption::Warning,
                                 u"ﾌｧｲﾙが有りません。"_qs, {BoxButton::Ok}, BoxPlace::OwnerOffset);
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, u"警告"_qs);
    EXPECT_EQ(seen[0].text, u"ﾌｧｲﾙが有りません。"_qs);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(seen[0].position, owner.pos() + QPoint(50, 50));
    EXPECT_EQ(seen[0].buttons, (QStringList{u"OK"_qs}));
    EXPECT_EQ(pressed, BoxButton::Ok);
}

TEST(MessageBox, ReturnsThePressedButtonAndEscapeCountsAsTheSafeOne) {
    struct Case {
        std::initializer_list<BoxButton> buttons;
        std::function<void(QWidget*)> answer;
        BoxButton expected;
    };
    const auto press = [](const QString& text) {
        return [text](QWidget* w) { PressButton(w, text); };
    };
    const auto escape = [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); };
    const Case cases[] = {
        {{BoxButton::Yes, BoxButton::No}, press(u"はい(&Y)"_qs), BoxButton::Yes},
        {{BoxButton::Yes, BoxButton::No}, press(u"いいえ(&N)"_qs), BoxButton::No},
        {{BoxButton::Yes, BoxButton::No}, escape, BoxButton::No},
        {{BoxButton::Ok, BoxButton::Cancel}, escape, BoxButton::Cancel},
        {{BoxButton::Ok}, escape, BoxButton::Ok},
    };
    for (const Case& c : cases) {
        const ModalAnswerer answerer({c.answer});
        const BoxButton pressed = ShowMessageBox(nullptr, BoxIcon::Question, caption::Confirm,
                                                 u"?"_qs, c.buttons, BoxPlace::System);
        EXPECT_EQ(pressed, c.expected);
        EXPECT_EQ(answerer.seen().size(), 1u);
    }
}

TEST(MessageBox, CentredBoxStandsInTheMiddleOfTheScreen) {
    const auto seen = AnswerModals({u"OK"_qs}, [] {
        ShowMessageBox(nullptr, BoxIcon::Information, caption::Information, u"centre"_qs,
                       {BoxButton::Ok}, BoxPlace::ScreenCentre);
    });
    ASSERT_EQ(seen.size(), 1u);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LT(std::abs(seen[0].position.x() - screen.center().x()), screen.width() / 3);
    EXPECT_LT(std::abs(seen[0].position.y() - screen.center().y()), screen.height() / 3);
    EXPECT_GT(seen[0].position.x(), screen.left());
}

TEST(ApplicationErrorBox, AppendsAPeriodAfterCharactersThatSortAfterIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "abc."},
        {"abc.", "abc."},
        {"ab!", "ab!"}, // "!" sorts before "."
        {"a/", "a/."},  // "/" sorts after "."
        {"", ""},
        {"\x82\xF1", "\x82\xF1."}, // a double-byte last character
        {"a\x83\x5C", "a\x83\x5C."},
    };
    for (const auto& [message, expected] : cases)
        EXPECT_EQ(ApplicationErrorText(message), expected) << message;
}

TEST(ApplicationErrorBox, ShowsAnExceptionFromAHandlerAndTheProgramGoesOn) {
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        if (clicks == 1)
            throw AppError("\x83\x74\x83\x40\x83\x43\x83\x8B X "
                           "\x82\xCD\x8A\x4A\x82\xAF\x82\xDC\x82\xB9\x82\xF1");
        throw 42;
    });
    button.show();
    const auto seen = AnswerModals({u"OK"_qs, u"OK"_qs}, [&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, u"Tessivar"_qs);
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[0].text, u"ファイル X は開けません."_qs);
    EXPECT_EQ(seen[0].buttons, (QStringList{u"OK"_qs}));
    EXPECT_TRUE(seen[1].text.isEmpty()); // a thrown value that is no error object
    EXPECT_EQ(clicks, 2);
}

} // namespace
