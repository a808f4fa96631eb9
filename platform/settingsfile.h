#pragma once
// The settings file: where it lives on this host, reading it, and replacing it
// whole. Tests put one at a place of their own in place of the program's.

#include "platform/serviceoverride.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class SettingsFile {
public:
    // `hostPath`: where the file lives (UTF-8).
    explicit SettingsFile(std::string hostPath);

    const std::string& hostPath() const { return m_hostPath; }
    // The path in the program's form, as messages name the file.
    const std::string& programPath() const { return m_programPath; }

    // The file's bytes; nullopt when there is none or it cannot be read.
    std::optional<std::string> read() const;
    // Replaces the file with `bytes`, creating its folder when it is missing;
    // all or nothing. False when it cannot be written.
    bool write(std::string_view bytes) const;

private:
    std::string m_hostPath;
    std::string m_programPath;
};

// The settings file of the executable at `executableHostPath`: beside it, its
// name with the extension (from the last ".") replaced by ".INI", or ".INI"
// appended when it has none. When the folder is not writable and holds no such
// file (an installed program), the same name in $XDG_CONFIG_HOME/tessivar/.
std::string SettingsFilePathFor(const std::string& executableHostPath);

// The running program's own settings file.
SettingsFile& ProgramSettingsFile();
// The settings file of the program `executableName` that lies beside the
// running one, as a companion tool shares the windowed program's settings.
SettingsFile CompanionSettingsFile(const std::string& executableName);
// The settings file in use: the program's, unless an Override<SettingsFile> lives.
inline SettingsFile& CurrentSettingsFile() {
    return Override<SettingsFile>::current(ProgramSettingsFile());
}

} // namespace platform
