#pragma once
// The command line of tessivar-cli, parsed without touching anything.

#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

struct DriveOption {
    char letter;            // as given, either case
    std::string hostFolder; // as given (UTF-8)
};

struct Arguments {
    enum class Command { Help, Version, Check, Copy, Resolve };
    Command command = Command::Help;
    std::string linkFile;    // check, copy: as given (UTF-8)
    std::string destination; // copy: as given (UTF-8)
    bool overwrite = false;  // copy: replace existing files
    std::vector<DriveOption> drives;
};

// A command line that names no command or does not fit its command.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name. Options may stand anywhere; "--" ends them.
Arguments ParseArguments(const std::vector<std::string>& args);

// What --help prints.
extern const char* const kUsageText;

} // namespace cli
