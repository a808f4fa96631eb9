#include "platform/fileread.h"

#include "platform/filesystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

constexpr std::size_t kChunk = 1 << 20;

} // namespace

std::optional<std::string> ReadFileStart(std::string_view programPath, std::size_t limit) {
    const std::optional<std::string> host = HostPath(programPath);
    if (!host)
        return std::nullopt;
    // Non-blocking open: a FIFO without a writer would otherwise hang here.
    const Descriptor fd(::open(host->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string bytes;
    bytes.reserve(std::min<std::size_t>(limit, static_cast<std::size_t>(info.st_size)));
    while (bytes.size() < limit) {
        const std::size_t want = std::min(kChunk, limit - bytes.size());
        const std::size_t old = bytes.size();
        bytes.resize(old + want);
        const ssize_t got = ::read(fd.get(), bytes.data() + old, want);
        if (got < 0 && errno == EINTR) {
            bytes.resize(old);
            continue;
        }
        if (got < 0)
            return std::nullopt;
        bytes.resize(old + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    return bytes;
}

} // namespace platform
