#pragma once
// CP932 spellings of the Japanese names the tests use, with their UTF-8 forms.
// "ソ" ends in the byte 0x5C, which is also "\".

#include <string>

namespace platform::test {

inline const std::string kSo = "\x83\x5C";                     // ソ
inline const std::string kSofuto = "\x83\x5C\x83\x74\x83\x67"; // ソフト
inline const std::string kSofutoUtf8 = "ソフト";

} // namespace platform::test
