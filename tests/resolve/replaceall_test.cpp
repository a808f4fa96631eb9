#include "resolve/resolve.h"

#include <gtest/gtest.h>

namespace {

// "ソ" is 0x83 0x5C, "表" is 0x95 0x5C: both end in a backslash byte.
const std::string kSo = "\x83\x5C";

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRight) {
    struct Case {
        std::string text, oldText, newText, expected;
    };
    const Case cases[] = {
        {"FILE=A FILE=B", "FILE=", "", "A B"},
        {"aaaa", "aa", "b", "bb"},          // no overlaps
        {"aaa", "aa", "b", "ba"},           // resumes behind the occurrence
        {"REL", "REL", "RELREL", "RELREL"}, // inserted text is not searched again
        {"ab", "b", "bb", "abb"},
        {"xRELy", "rel", "TW", "xRELy"}, // case-sensitive
        {"", "REL", "TW", ""},
        {"abc", "", "X", "abc"}, // an empty old text replaces nothing
        {"C:\\PRELOAD\\REL\\O9500", "REL", "TW", "C:\\PTWOAD\\TW\\O9500"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.oldText, c.newText), c.expected) << c.text;
}

TEST(ReplaceAll, NeverStartsAnOccurrenceOnATrailByte) {
    // The trail byte 0x5C of "ソ" followed by E9 is no "\E9".
    EXPECT_EQ(ReplaceAll(kSo + "E9\\E9", "\\E9", "\\O9"), kSo + "E9\\O9");
    // A trail byte that is a letter: "Ａ" is 0x82 0x60; 0x60 0x41 is no "`A".
    EXPECT_EQ(ReplaceAll("\x82\x60"
                         "A`A",
                         "`A", "-"),
              "\x82\x60"
              "A-");
    // After a lead byte was replaced on its own, its trail byte is still a trail byte.
    EXPECT_EQ(ReplaceAll("\x83\x5C"
                         "E9",
                         "\x83", "X"),
              "X\\E9");
    // A lone lead byte at the end is one character.
    EXPECT_EQ(ReplaceAll("A\x83", "\x83", "?"), "A?");
}

TEST(ReplaceAll, LeavesItsInputAlone) {
    const std::string text = "REL\\REL";
    EXPECT_EQ(ReplaceAll(text, "REL", "JK"), "JK\\JK");
    EXPECT_EQ(text, "REL\\REL");
}

} // namespace
