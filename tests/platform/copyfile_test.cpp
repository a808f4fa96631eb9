#include "platform/posix/copyfile.h"
#include "tests/platform/copyfixture.h"
#include "tests/platform/scriptedcopyclient.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace platform::posix {
namespace {

using Names = std::vector<std::string>;

// Both kinds of temporary must leave the same results.
class CopyFileToTest : public test::CopyTest, public ::testing::WithParamInterface<Temporary> {
protected:
    FileCopyResult copyTo(const std::string& source, const std::string& target) {
        return copyTo(source, target, access(target.c_str(), F_OK) == 0);
    }
    FileCopyResult copyTo(const std::string& source, const std::string& target, bool replacing) {
        const int in = open(source.c_str(), O_RDONLY);
        struct stat info;
        fstat(in, &info);
        const FileCopyResult result = CopyFileTo(in, info, target, replacing, client, GetParam());
        close(in);
        return result;
    }

    test::ScriptedCopyClient client;
};

TEST_P(CopyFileToTest, PutsTheWholeFileUnderItsNameOnly) {
    const std::string source = c.file("SRC/A.NC", std::string(20 << 20, 'a'));
    setModified(source, {1234567890, 5});
    for (const bool existing : {false, true}) {
        if (existing)
            c.file("DST/A.NC", "old");
        const FileCopyResult result = copyTo(source, c / "DST/A.NC");
        EXPECT_FALSE(result.cancelled || result.error) << existing;
        EXPECT_EQ(contents(c / "DST/A.NC"), contents(source)) << existing;
        EXPECT_EQ(modified(c / "DST/A.NC").tv_sec, 1234567890) << existing;
        EXPECT_EQ(entries(c / "DST"), Names{"A.NC"}) << existing;
    }
}

TEST_P(CopyFileToTest, ACancelLeavesTheTargetAsItWas) {
    const std::string source = c.file("SRC/A.NC", std::string(20 << 20, 'a'));
    client.cancelAfter = 1;
    EXPECT_TRUE(copyTo(source, c / "DST/NEW.NC").cancelled);
    c.file("DST/OLD.NC", "old");
    EXPECT_TRUE(copyTo(source, c / "DST/OLD.NC").cancelled);
    EXPECT_EQ(contents(c / "DST/OLD.NC"), "old");
    EXPECT_EQ(entries(c / "DST"), Names{"OLD.NC"});
}

TEST_P(CopyFileToTest, AFolderThatIsGoneIsAWriteError) {
    const std::string source = c.file("SRC/A.NC", "a");
    const FileCopyResult result = copyTo(source, c / "NONE/A.NC");
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->kind, CopyError::Kind::Write);
    EXPECT_EQ(result.error->code, ENOENT);
}

TEST_P(CopyFileToTest, ANameTakenSinceThePlanIsKept) {
    const std::string source = c.file("SRC/A.NC", "new");
    c.file("DST/A.NC", "meanwhile");
    const FileCopyResult result = copyTo(source, c / "DST/A.NC", false);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->code, EEXIST);
    EXPECT_EQ(contents(c / "DST/A.NC"), "meanwhile");
    EXPECT_EQ(entries(c / "DST"), Names{"A.NC"});
}

INSTANTIATE_TEST_SUITE_P(Temporaries, CopyFileToTest,
                         ::testing::Values(Temporary::Unnamed, Temporary::Named),
                         [](const auto& info) {
                             return info.param == Temporary::Unnamed ? "Unnamed" : "Named";
                         });

} // namespace
} // namespace platform::posix
