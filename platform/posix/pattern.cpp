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

std::vector<NameMatch> MatchingNames(const std::vector<std::string>& names,
                                     std::u16string_view pattern) {
    struct Candidate {
        std::u16string key; // the name folded, for the search order
        NameMatch match;
    };
    std::vector<Candidate> candidates;
    for (const std::string& host : names) {
        std::string name = text::Utf8ToCp932(host);
        std::u16string key = FoldedName(name);
        if (MatchesPattern(pattern, key))
            candidates.push_back({std::move(key), {host, std::move(name)}});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.key != b.key ? a.key < b.key : a.match.host < b.match.host;
    });
    std::vector<NameMatch> matches;
    matches.reserve(candidates.size());
    for (Candidate& candidate : candidates)
        matches.push_back(std::move(candidate.match));
    return matches;
}

} // namespace platform::posix
