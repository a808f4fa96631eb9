#include "platform/drives.h"
#include "platform/filesystem.h"
#include "tests/support/tempfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace platform {
namespace {

class FoldersTest : public test::DriveCTest {
protected:
    FoldersTest() {
        c.folder("NC");
        c.file("afile");
    }
};

TEST_F(FoldersTest, DirectoryExistsOnlyForExistingFolders) {
    const struct {
        const char* path;
        bool exists;
    } cases[] = {{"C:\\", true},      {"C:", true},          {"C:\\NC", true},
                 {"c:\\nc\\", true},  {"C:\\NC\\..", true},  {"C:\\afile", false},
                 {"C:\\NONE", false}, {"C:\\N*", false},     {"C:\\N?", false},
                 {"Q:\\", false},     {"\\\\srv\\s", false}, {"C:\\afile\\sub", false}};
    for (const auto& [path, exists] : cases)
        EXPECT_EQ(DirectoryExists(path), exists) << path;
}

TEST_F(FoldersTest, ADriveWithoutItsHostFolderHasNoRoot) {
    Drives().set('D', c / "NONE");
    EXPECT_FALSE(DirectoryExists("D:\\"));
    EXPECT_FALSE(CreateFolder("D:\\"));
    EXPECT_FALSE(std::filesystem::exists(c / "NONE"));
}

TEST_F(FoldersTest, CreatesOneLevel) {
    EXPECT_TRUE(CreateFolder("C:\\NEW"));
    EXPECT_TRUE(std::filesystem::is_directory(c / "NEW"));
    EXPECT_TRUE(DirectoryExists("C:\\new"));
    EXPECT_TRUE(CreateFolder("C:\\nc\\SUB"));
    EXPECT_TRUE(std::filesystem::is_directory(c / "NC/SUB"));
}

TEST_F(FoldersTest, RefusesWhatItCannotCreate) {
    for (const char* path : {"C:\\NC", "C:\\nc", "C:\\afile", "C:\\", "C:\\A\\B", "C:\\afile\\sub",
                             "C:\\N*W", "Q:\\NEW", "\\\\srv\\s\\NEW"})
        EXPECT_FALSE(CreateFolder(path)) << path;
    EXPECT_FALSE(std::filesystem::exists(c / "A"));
}

} // namespace
} // namespace platform
