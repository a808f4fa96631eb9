#pragma once
// The list of the five link files loaded last, most recent first.

#include <array>
#include <string>

using RecentSlots = std::array<std::string*, 5>;

// Puts `path` into slot 1. An equal entry (exact bytes) moves up from its
// slot; otherwise the entries down to the first free slot of 1 to 4 (or to
// slot 5, whose entry drops out) move down by one.
void EnterRecentFile(const RecentSlots& slots, const std::string& path);
