#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"
#include "platform/posix/pattern.h"

#include <sys/stat.h>

namespace platform {

bool DirectoryExists(std::string_view programPath) {
    const auto path = posix::NormaliseHere(programPath);
    const auto host =
        path && !posix::AnyWildcard(path->segments) ? posix::ResolveHost(*path) : std::nullopt;
    return host && posix::KindOf(*host) == posix::EntryKind::Folder;
}

bool CreateFolder(std::string_view programPath) {
    const auto path = posix::NormaliseHere(programPath);
    if (!path || path->isDriveRoot() || posix::AnyWildcard(path->segments))
        return false;
    const auto host = posix::ResolveHost(*path);
    return host && mkdir(host->c_str(), 0777) == 0;
}

} // namespace platform
