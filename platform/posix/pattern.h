#pragma once
// File-search patterns: "*" (any run of characters) and "?" (one character),
// compared with names as the program sees them, ASCII letters in either case.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// True when a name (CP932) holds "*" or "?".
bool HasWildcard(std::string_view name);
// True when one of the names holds a wildcard.
bool AnyWildcard(std::span<const std::string> names);

// A CP932 name as patterns compare it: its characters, ASCII letters upper-cased.
std::u16string FoldedName(std::string_view cp932);

// A pattern (CP932) ready for MatchesPattern(); "*.*" becomes "*", which also
// matches names without a period.
std::u16string FoldedPattern(std::string_view cp932);

// True when the whole of `name` matches `pattern`, both folded.
bool MatchesPattern(std::u16string_view pattern, std::u16string_view name);

struct NameMatch {
    std::string host; // the name on the host (UTF-8)
    std::string name; // the name in CP932
};

// The host names that match `pattern` (folded), in the file search's order:
// case-insensitive name order, exact host names breaking ties.
std::vector<NameMatch> MatchingNames(const std::vector<std::string>& names,
                                     std::u16string_view pattern);

} // namespace platform::posix
