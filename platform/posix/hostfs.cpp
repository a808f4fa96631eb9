#include "platform/posix/hostfs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::posix {

namespace {

constexpr std::size_t kChunk = 1 << 20;

} // namespace

Descriptor::~Descriptor() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<std::string> ReadHostFile(const std::string& host, std::size_t limit) {
    // Non-blocking open: a FIFO without a writer would otherwise hang here.
    const Descriptor fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
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

std::optional<std::string> WorkingFolder() {
    std::string buffer(256, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

std::optional<std::vector<std::string>> FolderEntries(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    return names;
}

std::string JoinHost(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (joined.empty() || joined.back() != '/')
        joined += '/';
    return joined.append(name);
}

EntryKind KindOf(const std::string& host) {
    struct stat info;
    if (stat(host.c_str(), &info) != 0)
        return EntryKind::Missing;
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::File;
}

} // namespace platform::posix
