#pragma once
// Byte-string primitives for CP932 (Windows code page 932) text, the form in
// which every text lives inside the program.

#include <string>
#include <string_view>

namespace text {

// 0x81-0x9F and 0xE0-0xFC start a double-byte character; the byte after one is
// its trail byte, which may be 0x5C ("\") or an ASCII letter.
constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length in bytes of the character that starts at `pos` (1 or 2).
std::size_t CharLength(std::string_view text, std::size_t pos);

// True when the byte at `pos` is the second byte of a double-byte character.
bool IsTrailPosition(std::string_view text, std::size_t pos);

// Plain byte search for the first occurrence, as the marker tests use it: a
// trail byte may start the match.
std::size_t FindPlain(std::string_view text, std::string_view what, std::size_t from = 0);
bool Contains(std::string_view text, std::string_view what);

// First occurrence at or after `from` that starts on a character boundary, never
// on a trail byte. `from` must itself be a character boundary.
std::size_t FindDbcs(std::string_view text, std::string_view what, std::size_t from = 0);

// Position of the last single-byte character that is one of `chars`, trail
// bytes never counting; npos when there is none.
std::size_t FindLastOfDbcs(std::string_view text, std::string_view chars);

// ANSI upper-casing: single-byte a-z become A-Z; trail bytes and every other
// character stay as they are.
std::string AnsiUpper(std::string_view text);

} // namespace text
