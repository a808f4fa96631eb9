#include "platform/namedmutex.h"

#include "text/cp932_codec.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Our own folder below /tmp, for hosts without a runtime folder. Anything else
// at that name (a file, a symlink, someone else's folder) is not trusted.
std::optional<std::string> PrivateTmpFolder() {
    const std::string folder = "/tmp/tessivar-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat info;
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return std::nullopt;
    return folder;
}

std::optional<std::string> LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0')
        return runtime;
    return PrivateTmpFolder();
}

// The lock file's name for a mutex name; nullopt when it would not be one name.
std::optional<std::string> LockFileName(std::string_view name) {
    const std::string host = text::Cp932ToUtf8(name);
    if (host.empty() || host.find_first_of(std::string_view("/\0", 2)) != std::string::npos)
        return std::nullopt;
    return host + ".mutex";
}

} // namespace

NamedMutex::NamedMutex(std::string_view name) {
    const auto file = LockFileName(name);
    const auto folder = file ? LockFolder() : std::nullopt;
    if (!folder)
        return;
    const std::string path = *folder + '/' + *file;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        m_state = State::Owned;
        return;
    }
    m_state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    close(fd);
}

NamedMutex::~NamedMutex() {
    if (m_fd < 0)
        return;
    flock(m_fd, LOCK_UN);
    close(m_fd);
}

} // namespace platform
