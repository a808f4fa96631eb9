#pragma once
// Helpers shared by the POSIX file-system services: host folder listings and
// the walk from a program path to the host path it names.

#include "platform/pathmap.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// An open file descriptor, closed when the object goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The first `limit` bytes of the regular file at the host path; nullopt when it
// cannot be opened or read, or is no regular file (a FIFO never blocks here).
std::optional<std::string>
ReadHostFile(const std::string& host, std::size_t limit = std::numeric_limits<std::size_t>::max());

// The running executable's host path; nullopt when the host cannot tell.
std::optional<std::string> ExecutableHostPath();

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
