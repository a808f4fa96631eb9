#include "childprocess.h"
#include "platform/atomicfile.h"
#include "tests/support/tempfolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace platform {
namespace {

using test::RunInChild;

class ReplaceFile : public testing::Test {
protected:
    std::string contents(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    mode_t mode(const std::string& path) const {
        struct stat info;
        stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    test::TempFolder folder;
    const std::string oldText = "[Main]\r\nLeft=1\r\n";
};

TEST_F(ReplaceFile, WritesTheWholeFileAndLeavesNothingElse) {
    const std::string existing = folder.file("s.INI", oldText);
    EXPECT_TRUE(ReplaceHostFile(existing, "new\r\n"));
    EXPECT_TRUE(ReplaceHostFile(folder / "n.INI", "created"));
    EXPECT_EQ(contents(existing), "new\r\n");
    EXPECT_EQ(contents(folder / "n.INI"), "created");
    EXPECT_EQ(names(), (std::vector<std::string>{"n.INI", "s.INI"}));
}

TEST_F(ReplaceFile, KeepsThePermissionsOfTheOldFile) {
    const std::string existing = folder.file("s.INI", oldText);
    chmod(existing.c_str(), 0640);
    const mode_t previous = umask(022);
    EXPECT_TRUE(ReplaceHostFile(existing, "new"));
    EXPECT_TRUE(ReplaceHostFile(folder / "n.INI", "new"));
    umask(previous);
    EXPECT_EQ(mode(existing), 0640u);
    EXPECT_EQ(mode(folder / "n.INI"), 0644u);
}

TEST_F(ReplaceFile, AFailureLeavesTheOldStateAndNoTemporaryFile) {
    folder.file("s.INI", oldText);
    folder.folder("taken/inner");
    const std::string unwritable[] = {folder / "missing/s.INI", folder / "s.INI/x",
                                      folder / "taken"};
    for (const std::string& target : unwritable) {
        EXPECT_FALSE(ReplaceHostFile(target, "new")) << target;
        EXPECT_EQ(names(), (std::vector<std::string>{"s.INI", "taken"})) << target;
    }
    EXPECT_EQ(contents(folder / "s.INI"), oldText);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken/inner"));
}

// The file-size limit stops the write half way, as a full disk does: with the
// signal it raises the process dies there, without it the write fails.
TEST_F(ReplaceFile, AProcessKilledWhileWritingLeavesTheOldFileWhole) {
    const std::string target = folder.file("s.INI", oldText);
    const int status = RunInChild([&] {
        const rlimit limit{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
        ReplaceHostFile(target, std::string(8 << 20, 'x'));
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(contents(target), oldText);
    EXPECT_EQ(names(), (std::vector<std::string>{"s.INI"}));
}

TEST_F(ReplaceFile, AFullDiskLeavesTheOldFileWhole) {
    const std::string target = folder.file("s.INI", oldText);
    const int status = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
        return ReplaceHostFile(target, std::string(8 << 20, 'x')) ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(contents(target), oldText);
    EXPECT_EQ(names(), (std::vector<std::string>{"s.INI"}));
}

TEST_F(ReplaceFile, AReadOnlyFileIsNotReplaced) {
    const std::string target = folder.file("s.INI", oldText);
    chmod(folder.path().c_str(), 0777);
    chmod(target.c_str(), 0444);
    const int status = RunInChild([&] {
        if (!test::BecomeUnprivileged())
            return 2;
        return ReplaceHostFile(target, "new") ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(contents(target), oldText);
}

} // namespace
} // namespace platform
