#include "text/cp932_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932Codec, DecodesBackslashTildeKatakanaAndKanji) {
    // 0x5C stays a backslash and 0x7E a tilde: CP932, not JIS Roman.
    EXPECT_EQ(text::DecodeCp932("C:\\~"), u"C:\\~");
    EXPECT_EQ(text::DecodeCp932("\x83\x5C\x83\x74\x83\x67"), u"ソフト");
    EXPECT_EQ(text::DecodeCp932("\xD5\xB0\xBB\xDE"
                                "1"),
              u"ﾕｰｻﾞ1");
    EXPECT_EQ(text::DecodeCp932("\x8C\x78\x8D\x90"), u"警告");
    EXPECT_EQ(text::DecodeCp932("\x87\x40"), u"①"); // NEC row 13
}

TEST(Cp932Codec, InvalidBytesDecodeToTheMarkAndKeepTheRest) {
    const std::u16string mark(1, text::kUndecodable);
    EXPECT_EQ(text::DecodeCp932("A\x80"
                                "B"),
              u"A" + mark + u"B");
    EXPECT_EQ(text::DecodeCp932("A\x83"), u"A" + mark); // lone lead at the end
    EXPECT_EQ(text::DecodeCp932("\x83"
                                "A"),
              u"ア"); // 0x83 0x41 is a pair
    EXPECT_EQ(text::DecodeCp932("\x81\x20"
                                "B"),
              mark + u" B"); // trail out of range
    EXPECT_EQ(text::DecodeCp932(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Cp932Codec, EncodesWhatItCanAndQuestionMarksTheRest) {
    EXPECT_EQ(text::EncodeCp932(u"ソフト\\"), "\x83\x5C\x83\x74\x83\x67\\");
    EXPECT_EQ(text::EncodeCp932(u"é😀x"), "??x");
    EXPECT_EQ(text::EncodeCp932(u"\xD800x"), "?x"); // lone surrogate
    // Characters with two codes take the one that Windows writes.
    EXPECT_EQ(text::EncodeCp932(u"∵"), "\x81\xE6");
    EXPECT_EQ(text::EncodeCp932(u"ⅰ"), "\xFA\x40"); // not the NEC-selected 0xEE 0xEF
}

TEST(Cp932Codec, Utf8RoundTripsTheJisRows) {
    // Rows 0x81-0x84 and 0x88-0x9F hold no duplicates, so every defined pair
    // must come back as it was; undefined ones decode to the mark.
    std::size_t defined = 0;
    for (int lead = 0x81; lead <= 0x9F; ++lead) {
        if (lead >= 0x85 && lead <= 0x87)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string decoded = text::DecodeCp932(pair);
            ASSERT_EQ(decoded.size(), 1u) << lead << " " << trail;
            if (decoded[0] == text::kUndecodable)
                continue;
            EXPECT_EQ(text::Utf8ToCp932(text::Cp932ToUtf8(pair)), pair) << lead << " " << trail;
            ++defined;
        }
    }
    EXPECT_GT(defined, 4000u);
    // Each byte of a malformed sequence becomes one "?".
    EXPECT_EQ(text::Utf8ToCp932("\xFF"
                                "a\xE3\x81"),
              "?a??");
}

} // namespace
