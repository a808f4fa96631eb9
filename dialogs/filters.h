#pragma once
// File-dialog filter strings: "description|pattern|description|pattern|...",
// every part followed by "|", patterns separated by ";".

#include <string>
#include <string_view>
#include <vector>

struct FilterEntry {
    std::string description; // CP932
    std::string pattern;     // CP932; empty lists every file
};

// The six entries of the link-file dialogs, the user definitions third and
// fourth. Nothing is trimmed or tested: a "|" in a name shifts later pairs.
std::string BuildLinkFilter(const std::string& user1Name, const std::string& user1Mask,
                            const std::string& user2Name, const std::string& user2Mask);

// The entries of a filter string, in order. A "|" that is the trail byte of a
// double-byte character does not separate; a description without its pattern
// gets an empty one.
std::vector<FilterEntry> SplitFilter(const std::string& filter);

// Characters that an extension box refuses as they are typed.
inline constexpr std::string_view ForbiddenMaskChars = "/:,;?<>|";

// A typed extension as a file pattern: unchanged when it holds "*.", else
// "*" before a text with a ".", else "*." before it ("nc1" is "*.nc1").
std::string NormaliseMask(const std::string& text);
