#include "platform/posix/pattern.h"

#include "platform/posix/hostfs.h"
#include "text/cp932_codec.h"

#include <algorithm>

namespace platform::posix {

bool HasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

bool AnyWildcard(std::span<const std::string> names) {
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return HasWildcard(name); });
}

std::u16string FoldedName(std::string_view cp932) {
    std::u16string folded = text::DecodeCp932(cp932);
    for (char16_t& c : folded)
        c = UpperAscii(c);
    return folded;
}

std::u16string FoldedPattern(std::string_view cp932) {
    return FoldedName(cp932 == "*.*" ? "*" : cp932);
}

bool MatchesPattern(std::u16string_view pattern, std::u16string_view name) {
    constexpr std::size_t kNoStar = std::u16string_view::npos;
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = kNoStar; // the last "*" seen, and where its run of name ends
    std::size_t starEnd = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            starEnd = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star != kNoStar) {
            p = star + 1;
            n = ++starEnd;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace platform::posix
