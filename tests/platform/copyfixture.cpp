#include "tests/platform/copyfixture.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

namespace platform::test {

std::string CopyTest::contents(const std::string& host) {
    std::ifstream in(host, std::ios::binary | std::ios::ate);
    if (!in)
        return "<missing>";
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::vector<std::string> CopyTest::entries(const std::string& host) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(host))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void CopyTest::setModified(const std::string& host, timespec when) {
    const timespec times[2] = {when, when};
    if (utimensat(AT_FDCWD, host.c_str(), times, 0) != 0)
        throw std::runtime_error("utimensat failed on " + host);
}

timespec CopyTest::modified(const std::string& host) {
    struct stat info;
    if (stat(host.c_str(), &info) != 0)
        throw std::runtime_error("stat failed on " + host);
    return info.st_mtim;
}

} // namespace platform::test
