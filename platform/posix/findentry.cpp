#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"
#include "platform/posix/pattern.h"
#include "text/cp932_codec.h"

namespace platform {

namespace {

using posix::EntryKind;

std::optional<FoundEntry> EntryAt(const std::string& host, std::string name) {
    const EntryKind kind = posix::KindOf(host);
    if (kind == EntryKind::Missing)
        return std::nullopt;
    return FoundEntry{std::move(name), kind == EntryKind::Folder};
}

std::optional<FoundEntry> Search(ProgramPath folder) {
    const std::u16string pattern = posix::FoldedPattern(folder.segments.back());
    folder.segments.pop_back();
    const auto host = posix::ResolveHost(folder);
    const auto names = host ? posix::FolderEntries(*host) : std::nullopt;
    if (!names)
        return std::nullopt;
    if (!folder.isDriveRoot()) {
        for (const char* dots : {".", ".."}) {
            if (posix::MatchesPattern(pattern, posix::FoldedName(dots)))
                return FoundEntry{dots, true};
        }
    }
    for (posix::NameMatch& match : posix::MatchingNames(*names, pattern)) {
        if (auto entry = EntryAt(posix::JoinHost(*host, match.host), std::move(match.name)))
            return entry;
    }
    return std::nullopt;
}

std::optional<FoundEntry> Lookup(const ProgramPath& path) {
    const auto host = posix::ResolveHost(path);
    if (!host)
        return std::nullopt;
    return EntryAt(*host, text::Utf8ToCp932(host->substr(host->rfind('/') + 1)));
}

} // namespace

std::optional<FoundEntry> FindFirstEntry(std::string_view programPath) {
    const auto path = posix::NormaliseHere(programPath);
    if (!path || path->isDriveRoot())
        return std::nullopt;
    const std::span<const std::string> above(path->segments.data(), path->segments.size() - 1);
    if (posix::AnyWildcard(above))
        return std::nullopt;
    return posix::HasWildcard(path->segments.back()) ? Search(*path) : Lookup(*path);
}

bool FileExists(std::string_view programPath) {
    const auto entry = FindFirstEntry(programPath);
    return entry && !entry->isFolder;
}

} // namespace platform
