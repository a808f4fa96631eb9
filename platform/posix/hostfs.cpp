#include "platform/posix/hostfs.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::posix {

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
