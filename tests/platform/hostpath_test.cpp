#include "cp932names.h"
#include "platform/drives.h"
#include "platform/filesystem.h"
#include "tests/support/tempfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace platform {
namespace {

using test::kSofuto;
using test::kSofutoUtf8;

using HostPathTest = test::DriveCTest;

TEST_F(HostPathTest, FindsAFolderThatDiffersOnlyInCase) {
    c.folder("JK");
    EXPECT_EQ(HostPath("C:\\Jk\\A.NC"), c / "JK/A.NC");
    EXPECT_EQ(HostPath("c:\\jk"), c / "JK");
}

TEST_F(HostPathTest, PrefersTheExactNameThenTheFirstInByteOrder) {
    c.folder("jk");
    c.folder("Jk");
    c.folder("JK");
    EXPECT_EQ(HostPath("C:\\Jk"), c / "Jk");
    EXPECT_EQ(HostPath("C:\\jK"), c / "JK");
}

TEST_F(HostPathTest, KeepsAMissingFinalSegmentAsWritten) {
    c.folder("NC");
    EXPECT_EQ(HostPath("C:\\nc\\New.NC"), c / "NC/New.NC");
    EXPECT_EQ(HostPath("C:\\"), c.path());
}

TEST_F(HostPathTest, NamesNothingThroughAMissingFolder) {
    c.file("afile");
    EXPECT_EQ(HostPath("C:\\MISSING\\A.NC"), std::nullopt);
    EXPECT_EQ(HostPath("C:\\afile\\sub\\A.NC"), std::nullopt);
}

TEST_F(HostPathTest, NamesNothingWithoutAKnownDrive) {
    EXPECT_EQ(HostPath("Q:\\A.NC"), std::nullopt);
    EXPECT_EQ(HostPath("\\\\server\\share\\A.NC"), std::nullopt);
    EXPECT_EQ(HostPath("//server/share"), std::nullopt);
}

TEST_F(HostPathTest, MapsCp932NamesToUtf8) {
    c.folder(kSofutoUtf8);
    EXPECT_EQ(HostPath("C:\\" + kSofuto + "\\A.NC"), c / (kSofutoUtf8 + "/A.NC"));
}

TEST_F(HostPathTest, NamesNothingThatIsNoSingleHostName) {
    c.folder("NC");
    // A lead byte before "/" is no character, so the "/" stays in the name.
    for (const std::string& path : {std::string("C:\\NC\0X\\A", 10), std::string("C:\\NC\\A\0", 8),
                                    std::string("C:\\NC\\\x81/X")})
        EXPECT_EQ(HostPath(path), std::nullopt) << path;
}

TEST_F(HostPathTest, ResolvesRelativePathsAgainstTheWorkingFolder) {
    std::filesystem::current_path(c.folder("NC"));
    EXPECT_EQ(CurrentFolder(), "C:\\NC");
    EXPECT_EQ(HostPath("a.nc"), c / "NC/a.nc");
    EXPECT_EQ(HostPath("\\REL"), c / "REL");
}

TEST_F(HostPathTest, SurvivesVeryLongPaths) {
    std::string deep = "C:\\";
    while (deep.size() < 100'000)
        deep += "AB\\";
    const std::string wide = "C:\\" + std::string(100'000, 'A');
    EXPECT_EQ(HostPath(deep), std::nullopt);
    EXPECT_EQ(HostPath(wide), c / std::string(100'000, 'A'));
    EXPECT_FALSE(FileExists(deep));
    EXPECT_FALSE(FileExists(wide));
    EXPECT_FALSE(FileExists(wide + "*"));
}

struct ProgramCase {
    std::string host; // below drive C:
    std::string program;
    friend void PrintTo(const ProgramCase& c, std::ostream* os) { *os << '"' << c.host << '"'; }
};

class ProgramPathOfTest : public test::DriveCTest,
                          public ::testing::WithParamInterface<ProgramCase> {};

TEST_P(ProgramPathOfTest, GivesTheProgramForm) {
    EXPECT_EQ(ProgramPathOf(c / GetParam().host), GetParam().program);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramPathOfTest,
    ::testing::Values(ProgramCase{"REL/O1", "C:\\REL\\O1"}, ProgramCase{"", "C:\\"},
                      ProgramCase{"REL/", "C:\\REL"}, ProgramCase{"REL//./X/../O1", "C:\\REL\\O1"},
                      ProgramCase{kSofutoUtf8 + "/A", "C:\\" + kSofuto + "\\A"},
                      ProgramCase{"caf\xC3\xA9", "C:\\caf?"}));

TEST_F(ProgramPathOfTest, FallsBackToDriveZ) {
    EXPECT_EQ(ProgramPathOf("/home/a/x.lst"), "Z:\\home\\a\\x.lst");
    EXPECT_EQ(ProgramPathOf("/"), "Z:\\");
}

TEST_F(ProgramPathOfTest, ChoosesTheLongestDriveFolderAtASegmentBoundary) {
    Drives().set('D', c / "NC");
    Drives().set('E', c / "NC/REL/");
    EXPECT_EQ(ProgramPathOf(c / "NC/A"), "D:\\A");
    EXPECT_EQ(ProgramPathOf(c / "NC/REL/A"), "E:\\A");
    EXPECT_EQ(ProgramPathOf(c / "NCX/A"), "C:\\NCX\\A");
}

TEST_F(ProgramPathOfTest, IsEmptyWhenNoDriveHoldsThePath) {
    Drives().set('Z', "");
    EXPECT_EQ(ProgramPathOf("/elsewhere/A"), "");
}

TEST_F(ProgramPathOfTest, MakesRelativePathsAbsolute) {
    std::filesystem::current_path(c.folder("NC"));
    EXPECT_EQ(ProgramPathOf("REL/../A.NC"), "C:\\NC\\A.NC");
}

TEST_F(ProgramPathOfTest, ArgumentsComeInInTheProgramsForm) {
    EXPECT_EQ(ProgramPathOfArgument("/home/a/x.lst"), "Z:\\home\\a\\x.lst");
    EXPECT_EQ(ProgramPathOfArgument(c / kSofutoUtf8), "C:\\" + kSofuto);
    EXPECT_EQ(ProgramPathOfArgument("C:\\" + kSofutoUtf8 + "\\A.LST"), "C:\\" + kSofuto + "\\A.LST");
    EXPECT_EQ(ProgramPathOfArgument("x.lst"), "x.lst"); // relative: as written
    EXPECT_EQ(ProgramPathOfArgument(""), "");
}

TEST_F(ProgramPathOfTest, RoundTripsWithHostPath) {
    c.folder("NC/REL");
    c.folder(kSofutoUtf8);
    for (const std::string& program :
         {std::string("C:\\NC\\REL\\O9500.NC0"), "C:\\" + kSofuto + "\\A"}) {
        const auto host = HostPath(program);
        ASSERT_TRUE(host);
        EXPECT_EQ(ProgramPathOf(*host), program);
    }
}

TEST(ExecutablePath, NamesTheRunningTestProgram) {
    Drives().reset();
    const std::string path = ExecutablePath();
    EXPECT_TRUE(path.starts_with("Z:\\")) << path;
    EXPECT_TRUE(path.ends_with("\\platform_tests")) << path;
    EXPECT_TRUE(FileExists(path)) << path;
}

} // namespace
} // namespace platform
