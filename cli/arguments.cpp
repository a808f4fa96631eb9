#include "cli/arguments.h"

#include <cctype>
#include <map>
#include <string_view>

namespace cli {

const char* const kUsageText =
    "Usage: tessivar-cli [--drive X=FOLDER]... COMMAND\n"
    "\n"
    "Commands:\n"
    "  check LINKFILE               print found, missing or unresolved for each\n"
    "                               file the link file names\n"
    "  copy LINKFILE DEST [--overwrite]\n"
    "                               copy every listed file into DEST; existing\n"
    "                               files are kept unless --overwrite\n"
    "  resolve                      print the file each entry line on standard\n"
    "                               input names, or an empty line\n"
    "\n"
    "Options:\n"
    "  --drive X=FOLDER   drive X: stands for the host folder FOLDER (after the\n"
    "                     [Drives] section of the settings file)\n"
    "  --help             show this text\n"
    "  --version          show the version\n"
    "\n"
    "Paths may be host paths (/srv/nc/a.lst) or Windows paths (C:\\NC\\a.lst).\n"
    "Exit status: 0 all files found (and copied), 1 some missing, unresolved,\n"
    "kept or failed, 2 usage error or unreadable link file.\n";

namespace {

DriveOption ParseDrive(std::string_view value) {
    if (value.size() < 3 || value[1] != '=' || !std::isalpha(static_cast<unsigned char>(value[0])))
        throw UsageError("--drive wants X=FOLDER, not '" + std::string(value) + "'");
    return {value[0], std::string(value.substr(2))};
}

struct CommandShape {
    Arguments::Command command;
    std::size_t operands;
};

const std::map<std::string_view, CommandShape> kCommands = {
    {"check", {Arguments::Command::Check, 1}},
    {"copy", {Arguments::Command::Copy, 2}},
    {"resolve", {Arguments::Command::Resolve, 0}},
};

Arguments Only(Arguments::Command command) {
    Arguments parsed;
    parsed.command = command;
    return parsed;
}

void TakeOperands(Arguments& parsed, const std::vector<std::string>& operands) {
    if (operands.empty())
        throw UsageError("no command given");
    const auto shape = kCommands.find(operands.front());
    if (shape == kCommands.end())
        throw UsageError("unknown command '" + operands.front() + "'");
    if (operands.size() - 1 != shape->second.operands)
        throw UsageError("'" + operands.front() + "' takes " +
                         std::to_string(shape->second.operands) + " argument(s)");
    parsed.command = shape->second.command;
    if (operands.size() > 1)
        parsed.linkFile = operands[1];
    if (operands.size() > 2)
        parsed.destination = operands[2];
    if (parsed.overwrite && parsed.command != Arguments::Command::Copy)
        throw UsageError("--overwrite belongs to 'copy'");
}

} // namespace

Arguments ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    std::vector<std::string> operands;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options || !arg.starts_with("-") || arg == "-") {
            operands.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--help" || arg == "-h") {
            return Only(Arguments::Command::Help);
        } else if (arg == "--version") {
            return Only(Arguments::Command::Version);
        } else if (arg == "--overwrite") {
            parsed.overwrite = true;
        } else if (arg == "--drive") {
            if (++i == args.size())
                throw UsageError("--drive wants X=FOLDER");
            parsed.drives.push_back(ParseDrive(args[i]));
        } else if (arg.starts_with("--drive=")) {
            parsed.drives.push_back(ParseDrive(std::string_view(arg).substr(8)));
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    TakeOperands(parsed, operands);
    return parsed;
}

} // namespace cli
