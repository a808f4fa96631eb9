#pragma once
// Conversion between CP932 bytes and Unicode. What CP932 cannot hold becomes
// "?"; bytes that are no CP932 character show as "・" (U+30FB), as on Windows.

#include <string>
#include <string_view>

namespace text {

constexpr char16_t kUndecodable = u'\u30FB';

std::u16string DecodeCp932(std::string_view cp932);
std::string EncodeCp932(std::u16string_view utf16);

std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

} // namespace text
