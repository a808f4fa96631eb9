#include "text/cp932.h"

namespace text {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    const bool lead = IsLeadByte(static_cast<unsigned char>(text[pos]));
    return lead && pos + 1 < text.size() ? 2 : 1;
}

bool IsTrailPosition(std::string_view text, std::size_t pos) {
    std::size_t start = 0;
    while (start < pos)
        start += CharLength(text, start);
    return start != pos;
}

std::size_t FindPlain(std::string_view text, std::string_view what, std::size_t from) {
    return text.find(what, from);
}

bool Contains(std::string_view text, std::string_view what) {
    return text.find(what) != std::string_view::npos;
}

std::size_t FindDbcs(std::string_view text, std::string_view what, std::size_t from) {
    if (what.empty())
        return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos)) {
        if (text.compare(pos, what.size(), what) == 0)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t FindLastOfDbcs(std::string_view text, std::string_view chars) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        if (CharLength(text, pos) == 1 && chars.find(text[pos]) != std::string_view::npos)
            found = pos;
    }
    return found;
}

std::string AnsiUpper(std::string_view text) {
    std::string upper(text);
    for (std::size_t pos = 0; pos < upper.size(); pos += CharLength(upper, pos)) {
        if (upper[pos] >= 'a' && upper[pos] <= 'z')
            upper[pos] = static_cast<char>(upper[pos] - 'a' + 'A');
    }
    return upper;
}

} // namespace text
