// The tool as a script runs it: a process of its own, with no display.
#include "tests/support/tempfolder.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Finished {
    int status;
    std::string out;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs `program` with `args`, a bare environment and standard output into a
// file; returns its exit status and output.
Finished Execute(const std::string& program, const std::vector<std::string>& args,
                 const platform::test::TempFolder& scratch) {
    const std::string output = scratch / "stdout";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    std::string home = "HOME=" + scratch.path();
    char* environment[] = {home.data(), nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, pointers.data(), environment);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {-1, {}};
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(output)};
}

TEST(CliExecutable, RunsWithoutADisplayOnTheSettingsOfTheWindowedProgram) {
    const platform::test::TempFolder folder;
    const std::string tool = folder / "bin/tessivar-cli";
    fs::create_directories(folder / "bin");
    fs::copy_file(TESSIVAR_CLI, tool);
    folder.file("bin/tessivar.INI", "[Drives]\r\nN=" + (folder / "lib") + "\r\n");
    folder.file("lib/PARTS/A.NC", "A");
    const std::string list = folder.file("job.lst", "FILE=N:\\PARTS\\A.NC\r\nFILE=N:\\B.NC\r\n");

    const Finished check = Execute(tool, {"check", list}, folder);
    EXPECT_EQ(check.out, "found\tN:\\PARTS\\A.NC\nmissing\tN:\\B.NC\n");
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(Execute(tool, {"check", folder / "none.lst"}, folder).status, 2);
    EXPECT_EQ(Execute(tool, {"checks"}, folder).status, 2);
    EXPECT_EQ(Execute(tool, {"--version"}, folder).out, "1.08\n");
}

} // namespace
