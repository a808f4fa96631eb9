#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

using Command = Arguments::Command;

TEST(CliArguments, TakesEachCommandWithItsOperandsAndOptionsAnywhere) {
    const Arguments copy = ParseArguments(
        {"--drive", "c=/srv/nc", "copy", "A.LST", "--overwrite", "/tmp/out", "--drive=D=rel"});
    EXPECT_EQ(copy.command, Command::Copy);
    EXPECT_EQ(copy.linkFile, "A.LST");
    EXPECT_EQ(copy.destination, "/tmp/out");
    EXPECT_TRUE(copy.overwrite);
    ASSERT_EQ(copy.drives.size(), 2u);
    EXPECT_EQ(copy.drives[0].letter, 'c');
    EXPECT_EQ(copy.drives[0].hostFolder, "/srv/nc");
    EXPECT_EQ(copy.drives[1].hostFolder, "rel");

    EXPECT_EQ(ParseArguments({"check", "--", "--odd.lst"}).linkFile, "--odd.lst");
    EXPECT_EQ(ParseArguments({"resolve"}).command, Command::Resolve);
    EXPECT_EQ(ParseArguments({"check", "x", "--help"}).command, Command::Help);
    EXPECT_EQ(ParseArguments({"--version"}).command, Command::Version);
}

TEST(CliArguments, RefusesWhatFitsNoCommand) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"verify", "A.LST"},
        {"check"},
        {"check", "A.LST", "B.LST"},
        {"copy", "A.LST"},
        {"resolve", "A.LST"},
        {"check", "A.LST", "--overwrite"},
        {"check", "A.LST", "--drive"},
        {"check", "A.LST", "--drive", "CC=/x"},
        {"check", "A.LST", "--drive", "1=/x"},
        {"check", "A.LST", "--drive=C="},
        {"check", "A.LST", "--force"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const std::string& arg : args)
            shown += arg + ' ';
        EXPECT_THROW(ParseArguments(args), UsageError) << shown;
    }
}

} // namespace
} // namespace cli
