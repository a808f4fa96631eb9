#include "platform/settingsfile.h"

#include "platform/atomicfile.h"
#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"
#include "text/cp932_codec.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace platform {

namespace {

std::string WithIniExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + ".INI";
}

// $XDG_CONFIG_HOME, or ~/.config when it is unset or not absolute.
std::string ConfigHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config";
}

} // namespace

SettingsFile::SettingsFile(std::string hostPath) : m_hostPath(std::move(hostPath)) {
    m_programPath = ProgramPathOf(m_hostPath);
    if (m_programPath.empty())
        m_programPath = text::Utf8ToCp932(m_hostPath);
}

std::optional<std::string> SettingsFile::read() const {
    return posix::ReadHostFile(m_hostPath);
}

bool SettingsFile::write(std::string_view bytes) const {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_hostPath).parent_path(), error);
    return !error && ReplaceHostFile(m_hostPath, bytes);
}

std::string SettingsFilePathFor(const std::string& executableHostPath) {
    const std::filesystem::path beside = WithIniExtension(executableHostPath);
    const std::string folder = beside.parent_path().string();
    if (::access(folder.c_str(), W_OK) == 0 ||
        posix::KindOf(beside.string()) != posix::EntryKind::Missing)
        return beside.string();
    return posix::JoinHost(ConfigHome() + "/tessivar", beside.filename().string());
}

SettingsFile CompanionSettingsFile(const std::string& executableName) {
    const std::string running = posix::ExecutableHostPath().value_or(executableName);
    const std::filesystem::path folder = std::filesystem::path(running).parent_path();
    return SettingsFile(SettingsFilePathFor((folder / executableName).string()));
}

SettingsFile& ProgramSettingsFile() {
    static SettingsFile file(SettingsFilePathFor(posix::ExecutableHostPath().value_or("tessivar")));
    return file;
}

} // namespace platform
