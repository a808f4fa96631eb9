#include "resolve/resolve.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const std::string kSo = "\x83\x5C"; // "ソ": its trail byte is a backslash

struct Case {
    std::string line, expected;
};

void ExpectResolved(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(ResolveEntryPath(c.line), c.expected) << c.line;
}

TEST(ResolveEntryPath, WorkedExamples) {
    ExpectResolved({
        {"FILE=C:\\NC\\REL\\O9500", "C:\\NC\\TW\\O9500.NC0"},
        {"FILE= C:\\NC\\REL\\SUB2.NC1", "C:\\NC\\JK\\SUB2.NC1"},
        {"FILE=C:\\NC\\REL\\E9023", "C:\\NC\\Jk\\O9023.NC0"},
        {"FILE=D:\\NEC_PC\\N9502", "D:\\NEC_PC\\O9502.NC0"},
        {"FILE=C:\\NC\\REL\\O95001", "C:\\NC\\TW\\O95001.NC0"},
        {"FILE=C:\\NC\\REL\\O1234.NC", ""},
    });
}

TEST(ResolveEntryPath, NormalisesTheWrittenPath) {
    ExpectResolved({
        {"FILE=C:\\NC\\REL\\FILE=O9500", "C:\\NC\\TW\\O9500.NC0"}, // every FILE= goes
        {"C:\\NC\\REL\\O9500", "C:\\NC\\TW\\O9500.NC0"},           // FILE= is not needed
        {"FILE=C:\\E9\\REL\\N9502", "C:\\O9\\TW\\O9502.NC0"},      // whole path rewritten
        {"FILE= C:\\N C\\REL\\O 9500 ", "C:\\NC\\TW\\O9500.NC0"},  // spaces go
        {"FILE=C:\\NC\\REL\\O9500\t", "C:\\NC\\TW\\O9500\t.NC0"},  // tabs stay
        {"FILE=C:\\\x81\x40NC\\REL\\O9500",
         "C:\\\x81\x40NC\\TW\\O9500.NC0"}, // full-width space stays
        {"FILE=C:\\NC\\REL\\O9500.NC1", "C:\\NC\\TW\\O9500.NC1"},
        {"FILE=C:\\NC\\REL\\O9500.", "C:\\NC\\TW\\O9500."},       // "." is an extension
        {"FILE=C:\\NC.D\\REL\\O9500", "C:\\NC.D\\TW\\O9500.NC0"}, // a dot in a folder is none
        {"FILE=C:O9500", "C:O9500.NC0"},                          // the name follows ":"
        {"FILE=O9500", "O9500.NC0"},                              // the whole path is the name
        {"FILE=C:\\NC\\REL\\", ""},                               // the name becomes ".NC0"
    });
}

TEST(ResolveEntryPath, ReplacesEveryRel) {
    ExpectResolved({
        {"FILE=C:\\PRELOAD\\REL\\O9500", "C:\\PTWOAD\\TW\\O9500.NC0"},
        {"FILE=C:\\REL\\REL\\SUB1", "C:\\JK\\JK\\SUB1.NC0"},
        {"FILE=D:\\NEC_PC\\O9012", "D:\\NEC_PC\\O9012.NC0"},
    });
}

TEST(ResolveEntryPath, MatchesTheLeadingCharactersOfTheName) {
    ExpectResolved({
        {"FILE=C:\\REL\\SUB10", "C:\\JK\\SUB10.NC0"},
        {"FILE=C:\\REL\\SUB3X.NC", "C:\\JK\\SUB3X.NC"},
        {"FILE=C:\\REL\\SUB", ""}, // shorter than the key
        {"FILE=C:\\REL\\SUB4", ""},
        {"FILE=C:\\REL\\O950", ""},
        {"FILE=C:\\REL\\XO9500", ""}, // the key must start the name
    });
}

TEST(ResolveEntryPath, DoesNotRecogniseLowerCase) {
    ExpectResolved({
        {"file=C:\\REL\\O9500", "file=C:\\TW\\O9500.NC0"}, // "file=" stays
        {"FILE=C:\\REL\\o9500", ""},
        {"FILE=C:\\REL\\e9500", ""},
        {"FILE=C:\\rel\\O9500", "C:\\rel\\O9500.NC0"},
    });
}

TEST(ResolveEntryPath, TrailBackslashIsNoSeparator) {
    ExpectResolved({
        // "ソE9": the 0x5C inside "ソ" does not start "\E9".
        {"FILE=C:\\REL\\" + kSo + "E9500", ""},
        // "ソ" as the last character before the name: its 0x5C does not end a folder,
        // so the name is "ソO9500", which matches no row.
        {"FILE=C:\\REL\\" + kSo + "O9500", ""},
        // A folder whose name ends in "ソ" still ends at its own separator.
        {"FILE=C:\\" + kSo + "\\REL\\O9500", "C:\\" + kSo + "\\TW\\O9500.NC0"},
        {"FILE=C:\\REL\\O9500" + kSo, "C:\\TW\\O9500" + kSo + ".NC0"},
    });
}

TEST(ResolveEntryPath, NeverLeavesASpace) {
    for (const std::string line : {"FILE= C:\\ A \\REL\\ O9500 ", "   ", "FILE=C:\\REL\\SUB1 . NC"})
        EXPECT_EQ(ResolveEntryPath(line).find(' '), std::string::npos) << line;
}

TEST(ProgramGroupTable, EveryKeyResolvesToItsOwnGroupFolder) {
    std::map<std::string, int> counts;
    for (const ProgramGroupRow& row : ProgramGroupTable) {
        const std::string key(row.key);
        EXPECT_EQ(row.compareLength, key.size()) << key;
        const std::string expected = "C:\\NC\\" + std::string(row.groupFolder) + "\\" + key;
        EXPECT_EQ(ResolveEntryPath("FILE=C:\\NC\\REL\\" + key + ".NC"), expected + ".NC");
        ++counts[std::string(row.groupFolder)];
    }
    EXPECT_EQ(counts, (std::map<std::string, int>{{"TW", 114}, {"JK", 43}, {"Jk", 6}}));
}

TEST(ProgramGroupTable, HoldsTheRowsInTableOrder) {
    const auto at = [](std::size_t row) { return ProgramGroupTable.at(row - 1); };
    EXPECT_EQ(at(1).key, "O9500");
    EXPECT_EQ(at(114).key, "O9591");
    EXPECT_EQ(at(115).key, "O9001");
    for (const std::size_t row : {118u, 128u, 138u, 139u, 149u, 159u})
        EXPECT_EQ(at(row).groupFolder, "Jk") << row;
    EXPECT_EQ(at(161).key, "SUB1");
    EXPECT_EQ(at(161).compareLength, 4u);
    EXPECT_EQ(at(163).key, "SUB3");
    EXPECT_EQ(at(163).groupFolder, "JK");
}

} // namespace
