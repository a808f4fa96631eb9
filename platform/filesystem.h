#pragma once
// File-system services for program paths. Every path here is in the program's
// form (CP932, Windows style); the host is touched through the drive table.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The host path (UTF-8) that a program path names. Each segment matches a host
// entry of exactly its name, else one equal but for the case of ASCII letters;
// a final segment that matches nothing is kept as converted. nullopt when the
// drive is unknown, the path is UNC, a folder on the way does not exist, or a
// name would not be one host name (a NUL or "/" in it after conversion).
std::optional<std::string> HostPath(std::string_view programPath);

// The program form of a host path (relative ones against the current folder):
// the drive whose folder is the longest prefix of it, then the rest. Empty when
// no drive holds it (Z: no longer "/") or the working folder is gone.
std::string ProgramPathOf(std::string_view hostPath);

// A path handed to the program by the host (command line, drop), UTF-8: an
// absolute host path ("/home/a/x.lst") becomes its program form
// ("Z:\home\a\x.lst"); anything else is taken as a program path already.
std::string ProgramPathOfArgument(std::string_view argument);

// The process's current folder, in the program's form.
std::string CurrentFolder();

struct FoundEntry {
    std::string name; // CP932
    bool isFolder = false;
};

// The first entry that the system's file search finds for the path: "*" and
// "?" in the final segment match case-insensitively ("*.*" matches every name);
// in a folder that is not a drive root "." and ".." come first, then the
// matches in case-insensitive name order. A drive root is no entry and is never
// found, nor is anything when a folder of the path holds a wildcard.
std::optional<FoundEntry> FindFirstEntry(std::string_view programPath);

// True when the file search finds an entry and it is not a folder.
bool FileExists(std::string_view programPath);
// True when the path names an existing folder (wildcards never do).
bool DirectoryExists(std::string_view programPath);
// Creates one folder level; false when it could not be created.
bool CreateFolder(std::string_view programPath);

// The running executable's full path, in the program's form.
std::string ExecutablePath();

} // namespace platform
