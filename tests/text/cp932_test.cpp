#include "text/cp932.h"

#include <gtest/gtest.h>

namespace {

// "ソ" is 0x83 0x5C: its trail byte is a backslash. "Ａ" is 0x82 0x60 and
// 0x82 0x61 ("Ｂ") trails with the letter "a".
const std::string kSo = "\x83\x5C";
const std::string kWideA = "\x82\x61";

TEST(Cp932Bytes, LeadBytesAreTheTwoRanges) {
    EXPECT_FALSE(text::IsLeadByte(0x80));
    EXPECT_TRUE(text::IsLeadByte(0x81));
    EXPECT_TRUE(text::IsLeadByte(0x9F));
    EXPECT_FALSE(text::IsLeadByte(0xA0));
    EXPECT_FALSE(text::IsLeadByte(0xDF)); // half-width katakana are single bytes
    EXPECT_TRUE(text::IsLeadByte(0xE0));
    EXPECT_TRUE(text::IsLeadByte(0xFC));
    EXPECT_FALSE(text::IsLeadByte(0xFD));
}

TEST(Cp932Bytes, PlainSearchTakesATrailByte) {
    EXPECT_EQ(text::FindPlain(kSo + "E9", "\\E9"), 1u);
    EXPECT_TRUE(text::Contains("a FILE= b", "FILE="));
    EXPECT_FALSE(text::Contains("a file= b", "FILE="));
}

TEST(Cp932Bytes, DbcsSearchNeverStartsOnATrailByte) {
    struct Case {
        std::string text, what;
        std::size_t expected;
    };
    const Case cases[] = {
        {"C:\\" + kSo + "E9\\E9", "\\E9", 7}, // the first "\E9" starts on a trail byte
        {kSo + "\\E9", "\\E9", 2},            // a real separator right after the trail byte
        {"\\REL\\" + kSo, "\\", 0},
        {kSo, "\\", std::string::npos},
        {"ab", "", 0},
        {"abcab", "ab", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::FindDbcs(c.text, c.what), c.expected) << c.text;
    EXPECT_EQ(text::FindDbcs("abcab", "ab", 1), 3u);
}

TEST(Cp932Bytes, LastSeparatorSkipsTrailBytes) {
    EXPECT_EQ(text::FindLastOfDbcs("C:\\NC\\" + kSo, "\\:"), 5u);
    EXPECT_EQ(text::FindLastOfDbcs(kSo + kSo, "\\"), std::string::npos);
    EXPECT_EQ(text::FindLastOfDbcs("C:" + kSo, "\\:"), 1u);
    // A lone lead byte at the end is a character of its own.
    EXPECT_EQ(text::FindLastOfDbcs("A\\\x83", "\\"), 1u);
}

TEST(Cp932Bytes, AnsiUpperChangesOnlySingleByteLetters) {
    EXPECT_EQ(text::AnsiUpper("file=c:\\nc\\o9500 ;x"), "FILE=C:\\NC\\O9500 ;X");
    EXPECT_EQ(text::AnsiUpper(kWideA + "a"), kWideA + "A"); // the trail "a" stays
    EXPECT_EQ(text::AnsiUpper("\xB1z"), "\xB1Z");           // after a half-width kana
    EXPECT_EQ(text::AnsiUpper("\x82\x81"), "\x82\x81");     // full-width "ａ" stays
    EXPECT_EQ(text::AnsiUpper("a\x83"), "A\x83");           // lone lead byte at the end
}

} // namespace
