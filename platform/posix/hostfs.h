#pragma once
// Helpers shared by the POSIX file-system services: host folder listings and
// the walk from a program path to the host path it names.

#include "platform/pathmap.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// The process's working folder (a host path); nullopt when the host cannot tell.
std::optional<std::string> WorkingFolder();

// The names in a host folder, without "." and ".."; nullopt when it cannot be read.
std::optional<std::vector<std::string>> FolderEntries(const std::string& folder);

// `folder` + "/" + `name`, without doubling the slash of the root.
std::string JoinHost(std::string_view folder, std::string_view name);

enum class EntryKind { Missing, File, Folder };
// What the host path names, symlinks followed (a broken one is Missing).
EntryKind KindOf(const std::string& host);

// ASCII a-z in upper case; every other character as it is.
template <typename Char> constexpr Char UpperAscii(Char c) {
    return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

// `programPath` normalised against the current folder.
std::optional<ProgramPath> NormaliseHere(std::string_view programPath);

// The host path of a normalised program path, as HostPath() finds it.
std::optional<std::string> ResolveHost(const ProgramPath& path);

// The host path of the entry `cp932Name` in the host folder `folder`, found as
// ResolveHost() finds a final segment.
std::optional<std::string> ResolveEntry(const std::string& folder, std::string_view cp932Name);

} // namespace platform::posix
