#include "cp932names.h"
#include "platform/drives.h"
#include "platform/filesystem.h"
#include "tests/support/tempfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace platform {
namespace {

using test::kSo;

class FindFirstEntryTest : public test::DriveCTest {
protected:
    FindFirstEntryTest() {
        c.file("B1.nc");
        c.file("a2.NC");
        c.file("c3.txt");
        c.folder("NC");
        c.file("NC/A.NC");
        c.file("NC/Oソ.NC");
    }
};

struct FoundCase {
    std::string path;
    std::string name;
    bool isFolder;
    friend void PrintTo(const FoundCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }
};

class FindsEntry : public FindFirstEntryTest, public ::testing::WithParamInterface<FoundCase> {};

TEST_P(FindsEntry, FindsTheFirstEntryInSearchOrder) {
    const auto found = FindFirstEntry(GetParam().path);
    ASSERT_TRUE(found) << GetParam().path;
    EXPECT_EQ(found->name, GetParam().name);
    EXPECT_EQ(found->isFolder, GetParam().isFolder);
    EXPECT_EQ(FileExists(GetParam().path), !GetParam().isFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindsEntry,
    ::testing::Values(FoundCase{"C:\\NC\\*", ".", true}, FoundCase{"C:\\NC\\*.*", ".", true},
                      FoundCase{"C:\\nc\\?", ".", true}, FoundCase{"C:\\*.nc", "a2.NC", false},
                      FoundCase{"C:\\*.NC", "a2.NC", false}, FoundCase{"C:\\b?.Nc", "B1.nc", false},
                      FoundCase{"C:\\*", "a2.NC", false}, FoundCase{"C:\\n*", "NC", true},
                      FoundCase{"C:\\NC\\A.NC   ", "A.NC", false},
                      FoundCase{"c:\\nc\\a.nc", "A.NC", false}, FoundCase{"C:\\NC", "NC", true},
                      FoundCase{"C:\\NC\\O?.NC", "O" + kSo + ".NC", false},
                      FoundCase{"C:\\NC\\O" + kSo + ".nc", "O" + kSo + ".NC", false}));

TEST_F(FindFirstEntryTest, FindsNothingForMissingOrUnreachableNames) {
    for (const std::string path :
         {"C:\\NC\\NONE.NC", "C:\\NC\\X*", "C:\\NC\\O??.NC", "C:\\NONE\\*", "C:\\N*\\A.NC",
          "C:\\A2.NC\\*", "C:\\", "Q:\\A.NC", "Q:\\*", "\\\\server\\share\\*"}) {
        EXPECT_EQ(FindFirstEntry(path).has_value(), false) << path;
        EXPECT_FALSE(FileExists(path)) << path;
    }
}

TEST_F(FindFirstEntryTest, MatchesNamesWithoutAPeriodWithStarDotStar) {
    test::TempFolder d;
    Drives().set('D', d.path());
    d.file("README");
    const auto found = FindFirstEntry("D:\\*.*");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "README");
}

TEST_F(FindFirstEntryTest, FollowsSymlinks) {
    std::filesystem::create_symlink(c / "NC/A.NC", c / "NC/LINK.NC");
    std::filesystem::create_symlink(c / "NC", c / "TO_NC");
    std::filesystem::create_symlink(c / "NOWHERE", c / "NC/BROKEN.NC");
    EXPECT_TRUE(FileExists("C:\\NC\\LINK.NC"));
    EXPECT_TRUE(FileExists("C:\\TO_NC\\A.NC"));
    EXPECT_FALSE(FileExists("C:\\TO_NC"));
    EXPECT_FALSE(FileExists("C:\\NC\\BROKEN.NC"));
    EXPECT_FALSE(FileExists("C:\\NC\\BROKEN.*"));
}

TEST_F(FindFirstEntryTest, SurvivesBytesThatAreNoCp932) {
    for (const std::string path :
         {"C:\\NC\\\x80\xFF\xA0", "C:\\NC\\\xFD*", "C:\\\x81", "C:\\\x81*\\", "C:\\NC\\\xEF\x40?"})
        EXPECT_FALSE(FileExists(path)) << path;
}

} // namespace
} // namespace platform
