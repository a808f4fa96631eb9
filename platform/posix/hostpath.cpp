#include "platform/drives.h"
#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"
#include "text/cp932_codec.h"

#include <sys/stat.h>

namespace platform {

namespace posix {

namespace {

// A name the host can hold as one entry: a "/" or a NUL would cut it apart.
bool IsHostName(std::string_view name) {
    return name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    }
    return true;
}

// The entry of `folder` that `name` stands for: exactly it (one lstat), else the
// first name in byte order that differs from it only in ASCII letter case.
std::optional<std::string> MatchEntry(const std::string& folder, const std::string& name) {
    struct stat info;
    if (lstat(JoinHost(folder, name).c_str(), &info) == 0)
        return name;
    std::optional<std::string> best;
    if (const auto entries = FolderEntries(folder)) {
        for (const std::string& entry : *entries) {
            if (EqualsIgnoringAsciiCase(entry, name) && (!best || entry < *best))
                best = entry;
        }
    }
    return best;
}

} // namespace

std::optional<std::string> ResolveEntry(const std::string& folder, std::string_view cp932Name) {
    const std::string name = text::Cp932ToUtf8(cp932Name);
    if (!IsHostName(name))
        return std::nullopt;
    return JoinHost(folder, MatchEntry(folder, name).value_or(name));
}

std::optional<ProgramPath> NormaliseHere(std::string_view programPath) {
    return NormalisePath(programPath, CurrentFolder());
}

std::optional<std::string> ResolveHost(const ProgramPath& path) {
    std::optional<std::string> host = Drives().hostFolder(path.drive);
    for (std::size_t i = 0; host && i < path.segments.size(); ++i) {
        const std::string name = text::Cp932ToUtf8(path.segments[i]);
        if (!IsHostName(name))
            return std::nullopt;
        const bool last = i + 1 == path.segments.size();
        const std::optional<std::string> entry = MatchEntry(*host, name);
        if (!entry && !last)
            return std::nullopt;
        host = JoinHost(*host, entry.value_or(name));
    }
    return host;
}

} // namespace posix

std::optional<std::string> HostPath(std::string_view programPath) {
    const auto path = posix::NormaliseHere(programPath);
    return path ? posix::ResolveHost(*path) : std::nullopt;
}

} // namespace platform
