#include "dialogs/textpreview.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(IsTextFile, OnlyANulAmongTheFirstHundredBytesMakesBinary) {
    const std::string hundred(100, 'a');
    struct Case {
        std::string bytes;
        bool text;
    };
    const Case cases[] = {
        {"", true},
        {"\0abc"s, false},
        {hundred.substr(0, 99) + '\0', false},
        {hundred + '\0', true},
        {"\x01\x02\x1B\x7F\r\n\t", true},
        {"\x80\xA0\xFD\xFE\xFF\x82", true}, // no CP932 characters
        {"ab\0"s, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        EXPECT_EQ(IsTextFile(c.bytes.data(), static_cast<std::int32_t>(c.bytes.size())), c.text);
    }
}

TEST(IsTextFile, LooksNoFurtherThanTheLengthGiven) {
    const std::string bytes = "abc\0"s;
    EXPECT_TRUE(IsTextFile(bytes.data(), 3));
    EXPECT_TRUE(IsTextFile(bytes.data(), 0));
    EXPECT_FALSE(IsTextFile(bytes.data(), 4));
}

TEST(PreviewText, EveryLineEndBecomesOneBreak) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\nc\rd", "a\nb\nc\nd"},
        {"\r\r\n\n\n\r", "\n\n\n\n\n"},
        {"a\n\rb", "a\n\nb"},
        {"end\r", "end\n"},
        {"", ""},
        // A CP932 character whose trail byte is "\" or "|" stays whole.
        {"\x83\x5C\r\n\x83\x7C", "\x83\x5C\n\x83\x7C"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(PreviewText(bytes), expected) << bytes;
}

TEST(PreviewText, StopsBeforeTheFirstNul) {
    EXPECT_EQ(PreviewText("ab\r\ncd\0ef\0g"s), "ab\ncd");
    EXPECT_EQ(PreviewText("\0abc"s), "");
    EXPECT_EQ(PreviewText("ab\r\0\n"s), "ab\n");
}

} // namespace
