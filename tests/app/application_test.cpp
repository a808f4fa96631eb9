#include "app/application.h"
#include "app/qttranslation.h"
#include "platform/namedmutex.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, MutexIsNamedAfterTheExecutableFile) {
    EXPECT_EQ(MutexName(),
              QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
}

TEST(SingleInstance, SecondStartEndsAtOnceAndShowsNothing) {
    const platform::NamedMutex first(MutexName());
    ASSERT_EQ(first.state(), platform::NamedMutex::State::Owned);
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    char name[] = "tessivar";
    char file[] = "Z:\\x.lst";
    char* argv[] = {name, file, nullptr};
    EXPECT_EQ(RunTessivar(2, argv), 0);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
}

// The real program, started while its mutex is held, ends by itself with code 0
// and writes nothing.
TEST(SingleInstance, SecondStartOfTheRealProgramEndsSilently) {
    const platform::NamedMutex first(
        QFileInfo(QStringLiteral(TESSIVAR_EXECUTABLE)).fileName().toStdString());
    ASSERT_EQ(first.state(), platform::NamedMutex::State::Owned);
    QProcess second;
    second.start(QStringLiteral(TESSIVAR_EXECUTABLE), {QStringLiteral("Z:\\tmp\\x.lst")});
    ASSERT_TRUE(second.waitForStarted());
    const bool ended = second.waitForFinished(30000);
    if (!ended)
        second.kill();
    ASSERT_TRUE(ended) << "the second copy kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
}

TEST(QtTexts, ComeInJapanese) {
    const QString english = u"Look in:"_qs;
    QTranslator* translator = InstallQtTranslation();
    ASSERT_NE(translator, nullptr);
    const QString translated = QCoreApplication::translate("QFileDialog", "Look in:");
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(translated, u"アドレス:"_qs);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), english);
}

} // namespace
