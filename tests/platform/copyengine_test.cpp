#include "platform/copyengine.h"
#include "tests/platform/copyfixture.h"
#include "tests/platform/scriptedcopyclient.h"
#include "tests/support/withoutaccessoverride.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

using Replace = CopyClient::Replace;
using OnError = CopyClient::OnError;
using Names = std::vector<std::string>;

class CopyEngineTest : public test::CopyTest {
protected:
    bool copy(const Names& sources, const std::string& destination = "C:\\DST\\") {
        return RunCopy(sources, destination, client);
    }

    test::ScriptedCopyClient client;
};

TEST_F(CopyEngineTest, CopiesEachFileUnderItsNameWithItsModificationTime) {
    setModified(c.file("SRC/A.NC", "O0001\n"), {1000000000, 123456789});
    c.file("SRC/B.NC", "O0002\n");
    EXPECT_FALSE(copy({"C:\\SRC\\A.NC", "c:\\src\\b.nc"}));
    EXPECT_EQ(entries(c / "DST"), (Names{"A.NC", "B.NC"}));
    EXPECT_EQ(contents(c / "DST/A.NC"), "O0001\n");
    EXPECT_EQ(contents(c / "DST/B.NC"), "O0002\n");
    const timespec kept = modified(c / "DST/A.NC");
    EXPECT_EQ(kept.tv_sec, 1000000000);
    EXPECT_EQ(kept.tv_nsec, 123456789);
    EXPECT_TRUE(client.asked.empty());
    EXPECT_TRUE(client.failures.empty());
}

TEST_F(CopyEngineTest, TakesSourcesFromSeveralFoldersAndTheDriveRoot) {
    c.file("ROOT.NC", "root");
    c.file("SRC/A.NC", "a");
    c.file("OTHER/B.NC", "b");
    c.file("SRC/C.NC", "c");
    EXPECT_FALSE(copy({"C:\\ROOT.NC", "C:\\SRC\\A.NC", "C:\\OTHER\\B.NC", "C:\\SRC\\C.NC"}));
    EXPECT_EQ(entries(c / "DST"), (Names{"A.NC", "B.NC", "C.NC", "ROOT.NC"}));
    EXPECT_EQ(contents(c / "DST/B.NC"), "b");
}

struct ReplaceCase {
    const char* name;
    std::deque<Replace> replies;
    std::size_t questions;
    std::string first, second; // DST/A.NC and DST/B.NC afterwards
    bool aborted;
    Names placed;
};

TEST_F(CopyEngineTest, ReplacesAnExistingFileOnlyAsAnswered) {
    const ReplaceCase cases[] = {
        {"yes, no", {Replace::Yes, Replace::No}, 2, "new A", "old B", true, {"A.NC"}},
        {"no, yes", {Replace::No, Replace::Yes}, 2, "old A", "new B", true, {"B.NC"}},
        {"yes, yes", {Replace::Yes, Replace::Yes}, 2, "new A", "new B", false, {"A.NC", "B.NC"}},
        {"yes to all", {Replace::YesToAll}, 1, "new A", "new B", false, {"A.NC", "B.NC"}},
        {"cancel", {Replace::Cancel}, 1, "old A", "old B", true, {}},
    };
    for (const ReplaceCase& c_ : cases) {
        c.file("SRC/A.NC", "new A");
        c.file("SRC/B.NC", "new B");
        c.file("DST/A.NC", "old A");
        chmod(c.file("DST/B.NC", "old B").c_str(), 0444);
        client = {};
        client.replies = c_.replies;
        EXPECT_EQ(copy({"C:\\SRC\\A.NC", "C:\\SRC\\B.NC"}), c_.aborted) << c_.name;
        EXPECT_EQ(client.asked.size(), c_.questions) << c_.name;
        EXPECT_EQ(contents(c / "DST/A.NC"), c_.first) << c_.name;
        EXPECT_EQ(contents(c / "DST/B.NC"), c_.second) << c_.name;
        EXPECT_EQ(entries(c / "DST"), (Names{"A.NC", "B.NC"})) << c_.name;
        EXPECT_EQ(client.placed, c_.placed) << c_.name;
    }
}

TEST_F(CopyEngineTest, TheQuestionTellsTheExistingFileAndWhetherItIsTheOnlyOne) {
    c.file("SRC/A.NC", "new");
    chmod(c.file("DST/A.NC", "old file").c_str(), 0444);
    client.replies = {Replace::No};
    EXPECT_TRUE(copy({"C:\\SRC\\A.NC"}));
    ASSERT_EQ(client.asked.size(), 1u);
    EXPECT_EQ(client.asked[0].name, "A.NC");
    EXPECT_TRUE(client.asked[0].onlyFile);
    EXPECT_EQ(client.asked[0].existing.size, 8u);
    EXPECT_TRUE(client.asked[0].existing.readOnly);

    c.file("SRC/B.NC", "new");
    client = {};
    client.replies = {Replace::No};
    EXPECT_TRUE(copy({"C:\\SRC\\A.NC", "C:\\SRC\\B.NC"}));
    ASSERT_EQ(client.asked.size(), 1u);
    EXPECT_FALSE(client.asked[0].onlyFile);
}

TEST_F(CopyEngineTest, ATargetDifferingOnlyInCaseIsTheSameName) {
    c.file("SRC/a.nc", "new");
    c.file("DST/A.NC", "old");
    client.replies = {Replace::Yes};
    EXPECT_FALSE(copy({"C:\\SRC\\a.nc"}));
    EXPECT_EQ(client.asked.size(), 1u);
    EXPECT_EQ(entries(c / "DST"), Names{"A.NC"});
    EXPECT_EQ(contents(c / "DST/A.NC"), "new");
}

TEST_F(CopyEngineTest, CancelInTheMiddleOfAFileKeepsTheOldOneWholeAndNoTemporary) {
    c.file("SRC/BIG.NC", std::string(40 << 20, 'x'));
    c.file("SRC/NEXT.NC", "next");
    c.file("DST/BIG.NC", "old big");
    client.replies = {Replace::Yes};
    client.cancelAfter = 1;
    EXPECT_TRUE(copy({"C:\\SRC\\BIG.NC", "C:\\SRC\\NEXT.NC"}));
    EXPECT_EQ(contents(c / "DST/BIG.NC"), "old big");
    EXPECT_EQ(entries(c / "DST"), Names{"BIG.NC"});
}

TEST_F(CopyEngineTest, NeverCopiesAFileOntoItself) {
    const std::string source = c.file("DST/A.NC", "same");
    std::filesystem::create_hard_link(source, c / "SRC/A.NC");
    for (const char* path : {"C:\\DST\\A.NC", "C:\\SRC\\A.NC"}) {
        client = {};
        client.onErrors = {OnError::Skip};
        EXPECT_TRUE(copy({path})) << path;
        ASSERT_EQ(client.failures.size(), 1u) << path;
        EXPECT_EQ(client.failures[0].error.kind, CopyError::Kind::SameFile) << path;
        EXPECT_TRUE(client.asked.empty()) << path;
        EXPECT_EQ(contents(source), "same") << path;
        EXPECT_EQ(entries(c / "DST"), Names{"A.NC"}) << path;
    }
}

TEST_F(CopyEngineTest, AMissingOrUnreadableSourceIsAnErrorOfThatFileOnly) {
    c.file("SRC/A.NC", "a");
    chmod(c.file("SRC/LOCKED.NC", "locked").c_str(), 0);
    c.file("SRC/C.NC", "c");
    const test::WithoutAccessOverride asOwner;
    client.onErrors = {OnError::Skip, OnError::Skip, OnError::Skip};
    EXPECT_TRUE(copy(
        {"C:\\SRC\\A.NC", "C:\\SRC\\GONE.NC", "C:\\SRC\\LOCKED.NC", "Q:\\X.NC", "C:\\SRC\\C.NC"}));
    EXPECT_EQ(entries(c / "DST"), (Names{"A.NC", "C.NC"}));
    EXPECT_EQ(client.placed, (Names{"A.NC", "C.NC"}));
    ASSERT_EQ(client.failures.size(), 3u);
    const struct {
        std::string name;
        int code;
    } expected[] = {{"GONE.NC", ENOENT}, {"LOCKED.NC", EACCES}, {"X.NC", ENOENT}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(client.failures[i].name, expected[i].name);
        EXPECT_EQ(client.failures[i].error.kind, CopyError::Kind::Read);
        EXPECT_EQ(client.failures[i].error.code, expected[i].code) << expected[i].name;
    }
}

TEST_F(CopyEngineTest, AnUnwritableDestinationFailsEachFileAndGoesOnAfterSkip) {
    for (const char* name : {"SRC/A.NC", "SRC/B.NC", "SRC/C.NC"})
        c.file(name, "data");
    chmod((c / "DST").c_str(), 0555);
    const test::WithoutAccessOverride asOwner;
    client.onErrors = {OnError::Skip, OnError::Skip, OnError::Skip};
    EXPECT_TRUE(copy({"C:\\SRC\\*.NC"}));
    ASSERT_EQ(client.failures.size(), 3u);
    for (const auto& failure : client.failures) {
        EXPECT_EQ(failure.error.kind, CopyError::Kind::Write) << failure.name;
        EXPECT_EQ(failure.error.code, EACCES) << failure.name;
    }
    EXPECT_TRUE(entries(c / "DST").empty());
}

TEST_F(CopyEngineTest, CancelAtAnErrorStopsTheRest) {
    c.file("SRC/B.NC", "b");
    EXPECT_TRUE(copy({"C:\\SRC\\GONE.NC", "C:\\SRC\\B.NC"}));
    EXPECT_EQ(client.failures.size(), 1u);
    EXPECT_TRUE(entries(c / "DST").empty());
}

TEST_F(CopyEngineTest, AWildcardCopiesEveryMatchIgnoringCase) {
    for (const char* name : {"SRC/A.NC", "SRC/b.nc", "SRC/AB.NC", "SRC/X.NCX", "SRC/C.TXT"})
        c.file(name, name);
    const struct {
        const char* pattern;
        Names copied;
    } cases[] = {{"C:\\SRC\\*.nc", {"A.NC", "AB.NC", "b.nc"}},
                 {"C:\\SRC\\?.NC", {"A.NC", "b.nc"}},
                 {"C:\\SRC\\*.*", {"A.NC", "AB.NC", "C.TXT", "X.NCX", "b.nc"}}};
    for (const auto& [pattern, copied] : cases) {
        std::filesystem::remove_all(c / "DST");
        c.folder("DST");
        EXPECT_FALSE(copy({pattern})) << pattern;
        EXPECT_EQ(entries(c / "DST"), copied) << pattern;
        EXPECT_EQ(contents(c / "DST/A.NC"), "SRC/A.NC") << pattern;
    }
}

TEST_F(CopyEngineTest, AWildcardThatMatchesNothingIsAnError) {
    client.onErrors = {OnError::Skip};
    EXPECT_TRUE(copy({"C:\\SRC\\*.NC"}));
    ASSERT_EQ(client.failures.size(), 1u);
    EXPECT_EQ(client.failures[0].name, "*.NC");
    EXPECT_EQ(client.failures[0].error.code, ENOENT);
}

TEST_F(CopyEngineTest, AFolderIsCopiedWithItsContents) {
    c.file("SRC/JOB/A.NC", "a");
    c.file("SRC/JOB/SUB/B.NC", "b");
    c.folder("SRC/JOB/EMPTY");
    c.file("DST/JOB/OLD.NC", "kept");
    EXPECT_FALSE(copy({"C:\\SRC\\JOB"}));
    EXPECT_EQ(entries(c / "DST/JOB"), (Names{"A.NC", "EMPTY", "OLD.NC", "SUB"}));
    EXPECT_EQ(contents(c / "DST/JOB/SUB/B.NC"), "b");
    EXPECT_EQ(contents(c / "DST/JOB/OLD.NC"), "kept");
    EXPECT_TRUE(entries(c / "DST/JOB/EMPTY").empty());
}

TEST_F(CopyEngineTest, AFolderThatCannotBeMadeSkipsItsContents) {
    c.file("SRC/JOB/A.NC", "a");
    c.file("SRC/B.NC", "b");
    c.file("DST/JOB", "a file in the way");
    client.onErrors = {OnError::Skip};
    EXPECT_TRUE(copy({"C:\\SRC\\JOB", "C:\\SRC\\B.NC"}));
    ASSERT_EQ(client.failures.size(), 1u);
    EXPECT_EQ(client.failures[0].name, "JOB");
    EXPECT_EQ(client.failures[0].error.kind, CopyError::Kind::Write);
    EXPECT_EQ(entries(c / "DST"), (Names{"B.NC", "JOB"}));
    EXPECT_EQ(contents(c / "DST/JOB"), "a file in the way");
}

TEST_F(CopyEngineTest, AFolderLinkedIntoItselfIsCopiedOnce) {
    c.file("SRC/JOB/A.NC", "a");
    std::filesystem::create_directory_symlink(c / "SRC/JOB", c / "SRC/JOB/LOOP");
    client.onErrors = {OnError::Skip};
    EXPECT_TRUE(copy({"C:\\SRC\\JOB"}));
    ASSERT_EQ(client.failures.size(), 1u);
    EXPECT_EQ(client.failures[0].name, "LOOP");
    EXPECT_EQ(client.failures[0].error.code, ELOOP);
    EXPECT_EQ(entries(c / "DST/JOB"), Names{"A.NC"});
}

// A file larger than the process may write fails as a full disk does.
TEST_F(CopyEngineTest, AWriteThatRunsOutOfRoomLeavesNoPartialFile) {
    c.file("SRC/BIG.NC", std::string(1 << 20, 'x'));
    c.file("SRC/SMALL.NC", "small");
    c.file("DST/BIG.NC", "old big");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 << 10, 64 << 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        client.replies = {Replace::Yes};
        client.onErrors = {OnError::Skip};
        const bool aborted = copy({"C:\\SRC\\BIG.NC", "C:\\SRC\\SMALL.NC"});
        const bool asExpected = aborted && client.failures.size() == 1 &&
                                client.failures[0].error.kind == CopyError::Kind::Write &&
                                client.failures[0].error.code == EFBIG;
        _exit(asExpected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(contents(c / "DST/BIG.NC"), "old big");
    EXPECT_EQ(contents(c / "DST/SMALL.NC"), "small");
    EXPECT_EQ(entries(c / "DST"), (Names{"BIG.NC", "SMALL.NC"}));
}

TEST_F(CopyEngineTest, AMissingDestinationFailsEachFile) {
    c.file("SRC/A.NC", "a");
    c.file("SRC/B.NC", "b");
    client.onErrors = {OnError::Skip, OnError::Skip};
    EXPECT_TRUE(copy({"C:\\SRC\\A.NC", "C:\\SRC\\B.NC"}, "C:\\NONE\\"));
    ASSERT_EQ(client.failures.size(), 2u);
    EXPECT_EQ(client.failures[1].error.kind, CopyError::Kind::Write);
    EXPECT_FALSE(std::filesystem::exists(c / "NONE"));
}

} // namespace
} // namespace platform
