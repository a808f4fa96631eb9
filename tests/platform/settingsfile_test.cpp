#include "childprocess.h"
#include "platform/posix/hostfs.h"
#include "platform/settingsfile.h"
#include "tests/support/tempfolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace platform {
namespace {

using test::RunInChild;

TEST(SettingsFilePath, TheExecutablesNameWithItsExtensionReplaced) {
    const test::TempFolder folder;
    const std::pair<std::string, std::string> cases[] = {
        {"tessivar", "tessivar.INI"}, {"tessivar.exe", "tessivar.INI"}, {"t.v2.bin", "t.v2.INI"},
        {"a.b/run", "a.b/run.INI"},   {"TESSIVAR.EXE", "TESSIVAR.INI"},
    };
    for (const auto& [executable, settings] : cases) {
        folder.folder("a.b");
        EXPECT_EQ(SettingsFilePathFor(folder / executable), folder / settings) << executable;
    }
}

TEST(SettingsFilePath, TheRunningProgramWithoutExtensionAppendsIni) {
    const std::string executable = posix::ExecutableHostPath().value();
    ASSERT_EQ(executable.substr(executable.find_last_of('/')), "/platform_tests");
    EXPECT_EQ(ProgramSettingsFile().hostPath(), executable + ".INI");
}

// An installed program: a folder that the user may not write.
TEST(SettingsFilePath, AnInstalledProgramKeepsItsSettingsInTheConfigFolder) {
    const test::TempFolder folder;
    chmod(folder.path().c_str(), 0755);
    const std::string installed = folder.folder("bin");
    const std::string withFile = folder.folder("old");
    folder.file("old/tessivar.INI", "[Main]\r\n");
    chmod(installed.c_str(), 0555);
    chmod(withFile.c_str(), 0555);
    const int status = RunInChild([&] {
        if (!test::BecomeUnprivileged())
            return 10;
        setenv("XDG_CONFIG_HOME", "/config/home", 1);
        if (SettingsFilePathFor(installed + "/tessivar.exe") !=
            "/config/home/tessivar/tessivar.INI")
            return 11;
        if (SettingsFilePathFor(withFile + "/tessivar") != withFile + "/tessivar.INI")
            return 12;
        setenv("XDG_CONFIG_HOME", "relative", 1);
        setenv("HOME", "/home/user", 1);
        if (SettingsFilePathFor(installed + "/tessivar") !=
            "/home/user/.config/tessivar/tessivar.INI")
            return 13;
        return 0;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

using SettingsFileAt = test::DriveCTest;

TEST_F(SettingsFileAt, IsNamedInTheProgramsFormAndMakesItsFolder) {
    const SettingsFile file(c / "config/tessivar/tessivar.INI");
    EXPECT_EQ(file.programPath(), "C:\\config\\tessivar\\tessivar.INI");
    EXPECT_EQ(file.read(), std::nullopt);
    EXPECT_TRUE(file.write("[Main]\r\n"));
    EXPECT_EQ(file.read(), "[Main]\r\n");
}

TEST_F(SettingsFileAt, FailsWhenItsFolderCannotBeMade) {
    c.file("plain");
    const SettingsFile file(c / "plain/tessivar.INI");
    EXPECT_FALSE(file.write("[Main]\r\n"));
    EXPECT_EQ(file.read(), std::nullopt);
}

} // namespace
} // namespace platform
