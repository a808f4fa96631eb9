#include "platform/posix/copyfile.h"

#include "platform/posix/hostfs.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform::posix {

namespace {

constexpr std::size_t kKernelChunk = 8 << 20; // bytes between two cancel checks
constexpr std::size_t kBufferSize = 1 << 20;  // of the read/write fallback

CopyError ReadError(int code) {
    return {CopyError::Kind::Read, code};
}

CopyError WriteError(int code) {
    return {CopyError::Kind::Write, code};
}

// The errors of copy_file_range that say "not here": the fallback copies then.
bool KernelCopyUnsupported(int code) {
    return code == EXDEV || code == EINVAL || code == ENOSYS || code == EOPNOTSUPP ||
           code == EBADF || code == EPERM || code == ETXTBSY;
}

// copy_file_range does not tell which side failed; these are the target's.
CopyError KernelCopyError(int code) {
    const bool writeSide = code == ENOSPC || code == EDQUOT || code == EFBIG || code == EROFS;
    return writeSide ? WriteError(code) : ReadError(code);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// A file being written in the target's folder, removed unless committed.
class TemporaryFile {
public:
    TemporaryFile(const std::string& folder, mode_t mode, Temporary kind) : m_folder(folder) {
        if (kind == Temporary::Unnamed) {
            m_fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            if (m_fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
                return;
        }
        m_fd = createNamed(mode);
    }
    ~TemporaryFile() {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_name.empty())
            unlink(m_name.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }

    // Gives the whole file the target's name; errno when it fails.
    int commit(const std::string& target, bool replacing) {
        if (m_name.empty() && !linkUnder(replacing ? std::string() : target))
            return errno;
        const int closed = close(std::exchange(m_fd, -1));
        if (!m_name.empty() && (closed != 0 || !renameOver(target, replacing)))
            return errno;
        m_name.clear();
        return 0;
    }

private:
    // A new file under a hidden name of ours; -1 with errno on failure.
    int createNamed(mode_t mode) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_name = nextName();
            const int fd = open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0)
                return fd;
            if (errno != EEXIST)
                break;
        }
        m_name.clear();
        return -1;
    }

    // Renames the named temporary to `target`, which must not exist unless
    // `replacing`: a name taken meanwhile is kept, as linkat keeps it.
    bool renameOver(const std::string& target, bool replacing) const {
        if (replacing)
            return rename(m_name.c_str(), target.c_str()) == 0;
        if (renameat2(AT_FDCWD, m_name.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        return errno == EINVAL && link(m_name.c_str(), target.c_str()) == 0;
    }

    // Links the unnamed file in as `name`, or under a hidden name of ours when
    // `name` is empty (to be renamed over the target then).
    bool linkUnder(const std::string& name) {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string linked = name.empty() ? nextName() : name;
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, linked.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                m_name = name.empty() ? linked : std::string();
                return true;
            }
            if (errno != EEXIST || !name.empty())
                break;
        }
        return false;
    }

    std::string nextName() const {
        static std::atomic<unsigned> counter{0};
        return JoinHost(m_folder, ".tessivar-" + std::to_string(getpid()) + '-' +
                                      std::to_string(counter++) + ".tmp");
    }

    std::string m_folder;
    std::string m_name; // of a named temporary; empty for an unnamed one
    int m_fd = -1;
};

bool WriteAll(int out, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(out, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

struct Chunk {
    std::size_t bytes = 0; // 0 at the end of the source
    std::optional<CopyError> error;
};

class DataPump {
public:
    DataPump(int in, int out) : m_in(in), m_out(out) {}

    Chunk next() {
        while (m_kernel) {
            const ssize_t copied = copy_file_range(m_in, nullptr, m_out, nullptr, kKernelChunk, 0);
            if (copied >= 0)
                return {static_cast<std::size_t>(copied), {}};
            if (errno != EINTR && !KernelCopyUnsupported(errno))
                return {0, KernelCopyError(errno)};
            m_kernel = errno == EINTR;
        }
        return readAndWrite();
    }

private:
    Chunk readAndWrite() {
        m_buffer.resize(kBufferSize);
        ssize_t got;
        do
            got = read(m_in, m_buffer.data(), m_buffer.size());
        while (got < 0 && errno == EINTR);
        if (got < 0)
            return {0, ReadError(errno)};
        const auto bytes = static_cast<std::size_t>(got);
        if (!WriteAll(m_out, m_buffer.data(), bytes))
            return {0, WriteError(errno)};
        return {bytes, {}};
    }

    int m_in;
    int m_out;
    bool m_kernel = true;
    std::vector<char> m_buffer;
};

FileCopyResult Fill(int in, int out, const struct stat& source, CopyClient& client) {
    DataPump pump(in, out);
    std::uint64_t done = 0;
    for (;;) {
        if (client.cancelled())
            return {true, {}};
        const Chunk chunk = pump.next();
        if (chunk.error)
            return {false, chunk.error};
        if (chunk.bytes == 0)
            break;
        done += chunk.bytes;
        client.copied(done);
    }
    const timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    if (futimens(out, times) != 0)
        return {false, WriteError(errno)};
    return {};
}

} // namespace

Temporary HostTemporary() {
    static const Temporary kind =
        access("/proc/self/fd", X_OK) == 0 ? Temporary::Unnamed : Temporary::Named;
    return kind;
}

FileCopyResult CopyFileTo(int in, const struct stat& source, const std::string& target,
                          bool replacing, CopyClient& client, Temporary temporary) {
    TemporaryFile out(FolderOf(target), source.st_mode & 0777, temporary);
    if (out.fd() < 0)
        return {false, WriteError(errno)};
    FileCopyResult result = Fill(in, out.fd(), source, client);
    if (!result.cancelled && !result.error) {
        if (const int failed = out.commit(target, replacing))
            result.error = WriteError(failed);
    }
    return result;
}

} // namespace platform::posix
