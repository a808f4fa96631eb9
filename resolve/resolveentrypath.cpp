#include "resolve/resolve.h"
#include "text/cp932.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// A path has an extension when the last of "\", ":" and "." in it is a ".".
bool HasExtension(const std::string& path) {
    const std::size_t last = text::FindLastOfDbcs(path, "\\:.");
    return last != std::string::npos && path[last] == '.';
}

std::string_view FileNameOf(const std::string& path) {
    const std::size_t separator = text::FindLastOfDbcs(path, "\\:");
    const std::string_view whole(path);
    return separator == std::string::npos ? whole : whole.substr(separator + 1);
}

// The rows in key order. No key begins another (the table checks that), so
// the one row that can match a name is the one whose key equals the name's
// first 4 or 5 bytes: the row that a walk in table order would find first.
constexpr auto kRowsByKey = [] {
    std::array<const ProgramGroupRow*, ProgramGroupTable.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = &ProgramGroupTable[i];
    std::sort(rows.begin(), rows.end(),
              [](const ProgramGroupRow* a, const ProgramGroupRow* b) { return a->key < b->key; });
    return rows;
}();

const ProgramGroupRow* RowFor(std::string_view fileName) {
    for (const std::size_t length : {std::size_t{5}, std::size_t{4}}) {
        if (fileName.size() < length)
            continue;
        const std::string_view lead = fileName.substr(0, length);
        const auto found = std::lower_bound(
            kRowsByKey.begin(), kRowsByKey.end(), lead,
            [](const ProgramGroupRow* row, std::string_view key) { return row->key < key; });
        if (found != kRowsByKey.end() && (*found)->key == lead)
            return *found;
    }
    return nullptr;
}

} // namespace

std::string ResolveEntryPath(const std::string& line) {
    std::string path = ReplaceAll(line, "FILE=", "");
    path = ReplaceAll(path, "\\E9", "\\O9");
    path = ReplaceAll(path, "\\N9", "\\O9");
    path = ReplaceAll(path, " ", "");
    if (!HasExtension(path))
        path += ".NC0";
    const ProgramGroupRow* row = RowFor(FileNameOf(path));
    if (row == nullptr)
        return {};
    return ReplaceAll(path, std::string(kLibraryFolder), std::string(row->groupFolder));
}
