#pragma once
// Program paths (Windows form, CP932: "C:\NC\REL\O9500.NC0") taken apart and
// normalised as Windows does, without touching the file system.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProgramPath {
    char drive = 0;                    // upper-case letter
    std::vector<std::string> segments; // CP932 names below the drive root, none "." or ".."

    bool isDriveRoot() const { return segments.empty(); }
};

// Parses `path` against `currentFolder` (an absolute program path, the process's
// current folder): "\" and "/" separate (a trail byte 0x5C does not), repeated
// separators count once, "." and ".." are resolved (".." stops at the root), the
// final segment loses its trailing spaces and periods, "\NC\A" takes the drive
// of the current folder and "A.NC" lies in it. nullopt for a UNC path
// ("\\server\share") or a path without a usable drive.
std::optional<ProgramPath> NormalisePath(std::string_view path, std::string_view currentFolder);

// The drive letter `c` names, in upper case (A-Z in either case); 0 for any
// other character.
char DriveLetter(char c);

// "C:\NC\A": the drive, ":\", the segments joined by "\".
std::string FormatProgramPath(const ProgramPath& path);

} // namespace platform
