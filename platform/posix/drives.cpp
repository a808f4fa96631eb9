#include "platform/drives.h"

#include "platform/pathmap.h"

namespace platform {

namespace {

// "/srv/nc/" and "/srv/nc" are the same folder; keep one form so that joining
// and prefix tests need no special cases.
std::string WithoutTrailingSlashes(const std::string& folder) {
    const std::size_t last = folder.find_last_not_of('/');
    return last == std::string::npos ? "/" : folder.substr(0, last + 1);
}

} // namespace

DriveTable::DriveTable() {
    reset();
}

void DriveTable::set(char letter, const std::string& hostFolder) {
    const char drive = DriveLetter(letter);
    if (drive == 0)
        return;
    if (hostFolder.empty())
        m_folders.erase(drive);
    else
        m_folders[drive] = WithoutTrailingSlashes(hostFolder);
}

std::optional<std::string> DriveTable::hostFolder(char letter) const {
    const auto found = m_folders.find(DriveLetter(letter));
    if (found == m_folders.end())
        return std::nullopt;
    return found->second;
}

void DriveTable::reset() {
    m_folders = {{'Z', "/"}};
}

DriveTable& Drives() {
    static DriveTable table;
    return table;
}

} // namespace platform
