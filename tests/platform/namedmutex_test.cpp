#include "cp932names.h"
#include "platform/namedmutex.h"
#include "tests/support/tempfolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

using State = NamedMutex::State;

// Points XDG_RUNTIME_DIR at a temp folder (or at `value`) and puts it back after.
class RuntimeDirTest : public ::testing::Test {
protected:
    RuntimeDirTest() {
        if (const char* saved = std::getenv("XDG_RUNTIME_DIR"))
            m_saved = saved;
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    }
    ~RuntimeDirTest() override {
        if (m_saved)
            setenv("XDG_RUNTIME_DIR", m_saved->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

    test::TempFolder runtime;

private:
    std::optional<std::string> m_saved;
};

using NamedMutexTest = RuntimeDirTest;

TEST_F(NamedMutexTest, IsOwnedByOneHolderAtATime) {
    std::optional<NamedMutex> first(std::in_place, "TESSIVAR");
    EXPECT_EQ(first->state(), State::Owned);
    EXPECT_EQ(NamedMutex("TESSIVAR").state(), State::HeldElsewhere);
    EXPECT_EQ(NamedMutex("OTHER").state(), State::Owned);
    first.reset();
    EXPECT_EQ(NamedMutex("TESSIVAR").state(), State::Owned);
}

TEST_F(NamedMutexTest, LocksAFileNamedInUtf8) {
    const NamedMutex mutex(test::kSofuto);
    EXPECT_EQ(mutex.state(), State::Owned);
    EXPECT_TRUE(std::filesystem::exists(runtime / (test::kSofutoUtf8 + ".mutex")));
}

TEST_F(NamedMutexTest, IsUnavailableForNamesThatAreNoFileName) {
    for (const std::string& name : {std::string(), std::string("a/b"), std::string("a\0b", 3)})
        EXPECT_EQ(NamedMutex(name).state(), State::Unavailable) << name;
}

TEST_F(NamedMutexTest, IsUnavailableWhenTheLockFileCannotBeOpened) {
    std::filesystem::create_symlink(runtime / "target", runtime / "LINKED.mutex");
    EXPECT_EQ(NamedMutex("LINKED").state(), State::Unavailable);
    setenv("XDG_RUNTIME_DIR", (runtime / "missing").c_str(), 1);
    EXPECT_EQ(NamedMutex("TESSIVAR").state(), State::Unavailable);
}

// The child takes the mutex, reports, and on a word from the parent dies
// without releasing it.
void HoldUntilTold(int report, int told) {
    const NamedMutex mutex("TESSIVAR");
    const char state = mutex.state() == State::Owned ? 'o' : '-';
    char word = 0;
    const bool ok = write(report, &state, 1) == 1 && read(told, &word, 1) == 1;
    _exit(ok ? 0 : 1);
}

TEST_F(NamedMutexTest, IsFreedWhenItsProcessDies) {
    int report[2];
    int told[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(told), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        HoldUntilTold(report[1], told[0]);
    char state = 0;
    ASSERT_EQ(read(report[0], &state, 1), 1);
    EXPECT_EQ(state, 'o');
    EXPECT_EQ(NamedMutex("TESSIVAR").state(), State::HeldElsewhere);
    ASSERT_EQ(write(told[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(NamedMutex("TESSIVAR").state(), State::Owned);
    for (const int fd : {report[0], report[1], told[0], told[1]})
        close(fd);
}

class WithoutRuntimeDir : public RuntimeDirTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WithoutRuntimeDir, LocksInAPrivateTmpFolder) {
    if (GetParam())
        setenv("XDG_RUNTIME_DIR", "", 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
    const std::string name = "tessivar-test-" + std::to_string(getpid());
    const std::string file = "/tmp/tessivar-" + std::to_string(getuid()) + "/" + name + ".mutex";
    {
        const NamedMutex mutex(name);
        EXPECT_EQ(mutex.state(), State::Owned);
        EXPECT_EQ(NamedMutex(name).state(), State::HeldElsewhere);
        EXPECT_TRUE(std::filesystem::exists(file));
    }
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(UnsetOrEmpty, WithoutRuntimeDir, ::testing::Bool());

} // namespace
} // namespace platform
