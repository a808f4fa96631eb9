#include "text/cp932_codec.h"

#include "text/cp932.h"
#include "text/cp932_table.h"

#include <vector>

namespace text {

namespace {

using detail::kTrailCount;
using detail::kTrailFirst;

constexpr std::uint16_t kUnmapped = 0xFFFF;

bool IsTrailInRange(unsigned char byte) {
    return byte >= kTrailFirst && byte <= 0xFC;
}
// The NEC-selected IBM rows 0xED/0xEE repeat characters of 0xFA-0xFC; Windows
// never writes them, and nor do we.
bool IsNecSelectedIbmRow(unsigned lead) {
    return lead == 0xED || lead == 0xEE;
}

std::vector<std::uint16_t> BuildEncoder() {
    const auto& table = detail::Table();
    std::vector<std::uint16_t> encoder(0x10000, kUnmapped);
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0 || table.single[byte] != 0)
            encoder[table.single[byte]] = static_cast<std::uint16_t>(byte);
    }
    for (int lead = 0; lead < detail::kLeadCount; ++lead) {
        for (int trail = 0; trail < kTrailCount; ++trail) {
            const char16_t unit = table.pairs[lead * kTrailCount + trail];
            if (unit == 0)
                continue;
            std::uint16_t& slot = encoder[unit];
            const std::uint16_t code =
                static_cast<std::uint16_t>(detail::LeadByteAt(lead) << 8 | (kTrailFirst + trail));
            // Lowest code wins, except that the IBM rows win over their NEC copies.
            if (slot == kUnmapped || IsNecSelectedIbmRow(slot >> 8))
                slot = code;
        }
    }
    return encoder;
}

const std::vector<std::uint16_t>& Encoder() {
    static const std::vector<std::uint16_t> encoder = BuildEncoder();
    return encoder;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads one UTF-8 sequence at `pos`; a malformed one yields U+FFFD for one byte.
char32_t NextUtf8(std::string_view s, std::size_t& pos) {
    const unsigned char first = static_cast<unsigned char>(s[pos++]);
    if (first < 0x80)
        return first;
    const int extra = first >= 0xF0 && first < 0xF5 ? 3
                      : first >= 0xE0               ? 2
                      : first >= 0xC2               ? 1
                                                    : -1;
    if (extra < 0 || pos + extra > s.size())
        return U'\uFFFD';
    char32_t cp = first & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80)
            return U'\uFFFD';
        cp = cp << 6 | (next & 0x3F);
    }
    pos += extra;
    return cp;
}

void AppendEncoded(std::string& out, char32_t cp) {
    const std::uint16_t code = cp < 0x10000 ? Encoder()[cp] : kUnmapped;
    if (code == kUnmapped) {
        out += '?';
    } else if (code > 0xFF) {
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    } else {
        out += static_cast<char>(code);
    }
}

} // namespace

std::u16string DecodeCp932(std::string_view cp932) {
    const auto& table = detail::Table();
    std::u16string out;
    out.reserve(cp932.size());
    for (std::size_t pos = 0; pos < cp932.size();) {
        const unsigned char byte = static_cast<unsigned char>(cp932[pos]);
        if (IsLeadByte(byte)) {
            if (pos + 1 < cp932.size() &&
                IsTrailInRange(static_cast<unsigned char>(cp932[pos + 1]))) {
                const int trail = static_cast<unsigned char>(cp932[pos + 1]) - kTrailFirst;
                const char16_t unit = table.pairs[detail::LeadIndex(byte) * kTrailCount + trail];
                out += unit != 0 ? unit : kUndecodable;
                pos += 2;
            } else {
                out += kUndecodable;
                pos += 1;
            }
            continue;
        }
        out += byte == 0 || table.single[byte] != 0 ? table.single[byte] : kUndecodable;
        pos += 1;
    }
    return out;
}

std::string EncodeCp932(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 2);
    for (std::size_t pos = 0; pos < utf16.size(); ++pos) {
        const char16_t unit = utf16[pos];
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && pos + 1 < utf16.size() &&
                          utf16[pos + 1] >= 0xDC00 && utf16[pos + 1] < 0xE000;
        if (pair)
            ++pos;
        AppendEncoded(out, pair || (unit >= 0xD800 && unit < 0xE000) ? U'\uFFFD' : unit);
    }
    return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (const char16_t unit : DecodeCp932(cp932))
        AppendUtf8(out, unit);
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        AppendEncoded(out, NextUtf8(utf8, pos));
    return out;
}

} // namespace text
