#include "platform/fileread.h"

#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"

namespace platform {

std::optional<std::string> ReadFileStart(std::string_view programPath, std::size_t limit) {
    const std::optional<std::string> host = HostPath(programPath);
    if (!host)
        return std::nullopt;
    return posix::ReadHostFile(*host, limit);
}

} // namespace platform
