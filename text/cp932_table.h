#pragma once
// The CP932 code table, filled once from the host's own converter: iconv on
// POSIX, the code-page functions on Windows.

#include <array>
#include <cstdint>
#include <vector>

namespace text::detail {

constexpr int kLeadCount = 60;    // 0x81-0x9F and 0xE0-0xFC
constexpr int kTrailFirst = 0x40; // trail bytes run from 0x40 to 0xFC
constexpr int kTrailCount = 0xFC - 0x40 + 1;

struct Cp932Table {
    std::array<char16_t, 256> single{}; // 0 where no character
    std::vector<char16_t> pairs = std::vector<char16_t>(kLeadCount * kTrailCount);
};

constexpr int LeadIndex(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}
constexpr unsigned char LeadByteAt(int index) {
    return static_cast<unsigned char>(index < 31 ? 0x81 + index : 0xE0 + index - 31);
}

// Decodes one character of one or two bytes with the host converter; 0 when it
// is no CP932 character.
char16_t DecodeWithHost(const unsigned char* bytes, int length);

const Cp932Table& Table();

} // namespace text::detail
