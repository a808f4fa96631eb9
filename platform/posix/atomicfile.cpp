#include "platform/atomicfile.h"

#include "platform/posix/hostfs.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using posix::Descriptor;

std::string FolderOfHost(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// "<target>.<pid>.<n>.tmp": a name that no other running process uses.
std::string TemporaryName(const std::string& target, int attempt) {
    return target + '.' + std::to_string(::getpid()) + '.' + std::to_string(attempt) + ".tmp";
}

constexpr int kNameAttempts = 100;

// An unnamed file in `folder` vanishes by itself when the process dies before
// it has a name.
int OpenUnnamed(const std::string& folder) {
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Where the file system has no unnamed files: a named one from the start.
int OpenNamed(const std::string& target, std::string& named) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        named = TemporaryName(target, attempt);
        const int fd = ::open(named.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool GiveName(int fd, const std::string& target, std::string& named) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        named = TemporaryName(target, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    named.clear();
    return false;
}

void FlushFolder(const std::string& folder) {
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// Permissions for the new file: the old file's, else those that the umask
// left on creation.
bool KeepPermissions(int fd, const std::string& target) {
    struct stat old;
    if (::stat(target.c_str(), &old) != 0)
        return errno == ENOENT;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteNewFile(int fd, const std::string& target, std::string_view bytes) {
    return KeepPermissions(fd, target) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
}

} // namespace

bool ReplaceHostFile(const std::string& hostPath, std::string_view bytes) {
    if (::access(hostPath.c_str(), W_OK) != 0 && errno != ENOENT)
        return false;
    const std::string folder = FolderOfHost(hostPath);
    std::string named;
    int opened = OpenUnnamed(folder);
    if (opened < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        opened = OpenNamed(hostPath, named);
    const Descriptor fd(opened);
    const bool replaced = fd.get() >= 0 && WriteNewFile(fd.get(), hostPath, bytes) &&
                          (!named.empty() || GiveName(fd.get(), hostPath, named)) &&
                          ::rename(named.c_str(), hostPath.c_str()) == 0;
    if (!replaced && !named.empty())
        ::unlink(named.c_str());
    if (replaced)
        FlushFolder(folder);
    return replaced;
}

} // namespace platform
