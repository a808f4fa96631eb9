#include "app/linkfile.h"
#include "app/recentfiles.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
const std::string kSo = "\x83\x5C"; // "ソ": its trail byte is a backslash

TEST(LinkFileLines, SplitsAtEveryKindOfLineEnd) {
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\nb\r\n", {"a", "b"}},      // a final break adds no line
        {"a\n\nb\r\r\n", {"a", "", "b", ""}},
        {"\n", {""}},
        {"", {}},
        {"a\n\r", {"a", ""}},            // LF then a lone CR
        {std::string("a\nb\0c\nd", 7), {"a", "b"}}, // the text ends at a NUL
        {std::string("\0abc", 4), {}},
        {"\xEF\xBB\xBFx\t;\x83\x5C", {"\xEF\xBB\xBFx\t;\x83\x5C"}}, // bytes unconverted
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(SplitLinkFileLines(bytes), lines) << bytes;
}

TEST(LinkFileFolder, KeepsTheBackslashOnlyAtADriveRoot) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\NC\\A.LST", "C:\\NC"},
        {"C:\\A.LST", "C:\\"},
        {"C:A.LST", "C:"},
        {"A.LST", ""},
        {"\\A.LST", "\\"},
        {"\\\\SRV\\A.LST", "\\\\SRV"},
        {"C:\\NC\\", "C:\\NC"},
        {"C:\\" + kSo + "\\A.LST", "C:\\" + kSo},   // the trail byte is no separator
        {"C:\\" + kSo + "A.LST", "C:\\"},
        {"C:\\X" + kSo + "\\A.LST", "C:\\X" + kSo}, // nor a root before the separator
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(FolderOf(path), folder) << path;
}

TEST(LinkFileTabs, ExpandToTheNextStopOfEightColumns) {
    const std::pair<std::string, std::string> cases[] = {
        {"\tA", "        A"},          // column 1: eight spaces
        {"AB\tC", "AB      C"},        // column 3: six spaces
        {"ABCDEFGH\tI", "ABCDEFGH        I"},
        {"ABCDEFG\tH", "ABCDEFG H"},
        {"\x82\xA0\tX", "\x82\xA0      X"}, // a double-byte character counts two columns
        {"\t\t", std::string(16, ' ')},
        {"none", "none"},
    };
    for (const auto& [line, expanded] : cases)
        EXPECT_EQ(ExpandTabs(line, 8), expanded) << line;
    EXPECT_EQ(ExpandTabs("A\tB", 4), "A   B");
}

TEST(LinkFileLabel, ShowsTheEntryWithoutItsComment) {
    const std::pair<std::string, std::string> cases[] = {
        {"FILE=C:\\NC\\A.NC ;comment", "FILE=C:\\NC\\A.NC "},
        {"FILE=C:\\A.NC ; x /* y", "FILE=C:\\A.NC ; x "}, // "/*" wins over an earlier ";"
        {"  FILE=C:\\A.NC/*x;y", "  FILE=C:\\A.NC"},
        {"FILE=C:\\A.NC", "FILE=C:\\A.NC"},
        {"file=c:\\a.nc ;x", ""},                          // lower case is no entry here
        {"; heading", ""},
        {"", ""},
        {"; FILE=C:\\A.NC", ""},                           // the cut removes everything
    };
    for (const auto& [line, label] : cases)
        EXPECT_EQ(EntryLabel(line), label) << line;
}

class RecentFiles : public testing::Test {
protected:
    std::string slots[5];
    RecentSlots pointers{&slots[0], &slots[1], &slots[2], &slots[3], &slots[4]};

    Lines enter(const Lines& paths) {
        for (const std::string& path : paths)
            EnterRecentFile(pointers, path);
        return Lines(std::begin(slots), std::end(slots));
    }
};

TEST_F(RecentFiles, NewPathsPushTheOldestOut) {
    EXPECT_EQ(enter({"a", "b", "c", "d", "e"}), (Lines{"e", "d", "c", "b", "a"}));
    EXPECT_EQ(enter({"f"}), (Lines{"f", "e", "d", "c", "b"}));
}

TEST_F(RecentFiles, AKnownPathMovesUpAndTheRestStay) {
    enter({"a", "b", "c", "d", "e"});
    EXPECT_EQ(enter({"c"}), (Lines{"c", "e", "d", "b", "a"}));
    EXPECT_EQ(enter({"c"}), (Lines{"c", "e", "d", "b", "a"}));
    EXPECT_EQ(enter({"C"}), (Lines{"C", "c", "e", "d", "b"})); // another spelling is another entry
}

TEST_F(RecentFiles, ANewPathFillsTheFirstFreeSlot) {
    slots[0] = "a";
    slots[2] = "c";
    slots[3] = "d";
    EXPECT_EQ(enter({"n"}), (Lines{"n", "a", "c", "d", ""}));
    EXPECT_EQ(enter({"m"}), (Lines{"m", "n", "a", "c", "d"}));
}

} // namespace
