#pragma once
// The drive table: which host folder each drive letter of a program path stands
// for. "Z:" is "/" unless set otherwise; a letter not in the table names no drive.

#include <map>
#include <optional>
#include <string>

namespace platform {

class DriveTable {
public:
    DriveTable();

    // `letter` in either case (anything but A-Z is ignored); `hostFolder` is a
    // host path (UTF-8), kept without trailing slashes. An empty folder removes
    // the letter.
    void set(char letter, const std::string& hostFolder);
    std::optional<std::string> hostFolder(char letter) const;
    // Letters (upper case) with their host folders.
    const std::map<char, std::string>& entries() const { return m_folders; }
    // Back to the start state: only Z: = "/".
    void reset();

private:
    std::map<char, std::string> m_folders;
};

// The one table of the process, filled from the settings at start.
DriveTable& Drives();

} // namespace platform
