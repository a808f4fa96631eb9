#include "platform/drives.h"
#include "platform/filesystem.h"
#include "platform/posix/hostfs.h"
#include "text/cp932_codec.h"

#include <algorithm>
#include <unistd.h>

namespace platform {

namespace {

// `host` made absolute against the working folder, with ".", ".." and doubled
// slashes taken out by text alone.
std::optional<std::string> CleanAbsolute(std::string_view host) {
    std::string joined;
    if (host.empty() || host.front() != '/') {
        const auto cwd = posix::WorkingFolder();
        if (!cwd)
            return std::nullopt;
        joined = *cwd + '/';
    }
    joined += host;
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= joined.size();) {
        const std::size_t end = std::min(joined.find('/', start), joined.size());
        const std::string_view part = std::string_view(joined).substr(start, end - start);
        if (part == ".." && !parts.empty())
            parts.pop_back();
        else if (!part.empty() && part != "." && part != "..")
            parts.push_back(part);
        start = end + 1;
    }
    std::string clean;
    for (const std::string_view part : parts)
        clean.append("/").append(part);
    return clean.empty() ? "/" : clean;
}

// The part of `path` below `folder` (both clean); nullopt when `folder` does not
// hold it at a segment boundary.
std::optional<std::string_view> BelowFolder(std::string_view path, std::string_view folder) {
    if (folder == "/")
        return path.substr(1);
    if (!path.starts_with(folder))
        return std::nullopt;
    if (path.size() == folder.size())
        return std::string_view();
    if (path[folder.size()] != '/')
        return std::nullopt;
    return path.substr(folder.size() + 1);
}

std::optional<std::string> LinkTarget(const char* link) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = readlink(link, buffer.data(), buffer.size());
        if (length < 0)
            return std::nullopt;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::string ProgramPathOf(std::string_view hostPath) {
    const auto path = CleanAbsolute(hostPath);
    if (!path)
        return {};
    char drive = 0;
    std::string_view rest;
    std::size_t longest = 0;
    for (const auto& [letter, folder] : Drives().entries()) {
        const auto clean = CleanAbsolute(folder);
        const auto below = clean ? BelowFolder(*path, *clean) : std::nullopt;
        if (below && (drive == 0 || clean->size() > longest)) {
            drive = letter;
            rest = *below;
            longest = clean->size();
        }
    }
    if (drive == 0)
        return {};
    std::string tail(rest);
    std::replace(tail.begin(), tail.end(), '/', '\\');
    return std::string{drive, ':', '\\'} + text::Utf8ToCp932(tail);
}

std::string ProgramPathOfArgument(std::string_view argument) {
    return !argument.empty() && argument.front() == '/' ? ProgramPathOf(argument)
                                                        : text::Utf8ToCp932(argument);
}

std::string CurrentFolder() {
    const auto cwd = posix::WorkingFolder();
    return cwd ? ProgramPathOf(*cwd) : std::string();
}

std::optional<std::string> posix::ExecutableHostPath() {
    return LinkTarget("/proc/self/exe");
}

std::string ExecutablePath() {
    const auto target = posix::ExecutableHostPath();
    return target ? ProgramPathOf(*target) : std::string();
}

} // namespace platform
