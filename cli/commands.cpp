#include "cli/commands.h"

#include "app/apperror.h"
#include "app/linkfile.h"
#include "app/linkfilereader.h"
#include "app/profile.h"
#include "app/settings.h"
#include "app/version.h"
#include "cli/arguments.h"
#include "cli/copyreport.h"
#include "platform/drives.h"
#include "platform/filesystem.h"
#include "platform/settingsfile.h"
#include "resolve/entryline.h"
#include "text/cp932_codec.h"

#include <filesystem>
#include <iterator>

namespace cli {

namespace {

std::string Printable(const std::string& cp932) {
    return text::Cp932ToUtf8(cp932);
}

void Print(std::ostream& out, const char* outcome, const std::string& cp932) {
    out << outcome << '\t' << Printable(cp932) << '\n';
}

// The drive table as the windows have it, then the command line's drives.
void SetDrives(const std::vector<DriveOption>& options) {
    const Profile profile =
        Profile::Parse(platform::CurrentSettingsFile().read().value_or(std::string()));
    for (const DriveSetting& drive : ReadDriveSettings(profile))
        platform::Drives().set(drive.letter, drive.hostFolder);
    for (const DriveOption& drive : options)
        platform::Drives().set(drive.letter, std::filesystem::absolute(drive.hostFolder).string());
}

// The files that the search before a copy finds, in list order. Lines that
// name a missing file or an unresolved library program are printed; found
// ones too when `printFound`.
struct Collection {
    std::vector<std::string> found;
    bool complete = true;
};

Collection Collect(const std::vector<std::string>& lines, std::ostream& out, bool printFound) {
    Collection collection;
    for (const std::string& read : lines) {
        const std::string line = DisplayLine(read);
        const SearchTarget target = SearchTargetOf(line);
        if (target.unresolved) {
            Print(out, "unresolved", line);
            collection.complete = false;
        } else if (target.path.empty()) {
            continue;
        } else if (platform::FileExists(target.path)) {
            if (printFound)
                Print(out, "found", target.path);
            collection.found.push_back(target.path);
        } else {
            Print(out, "missing", target.path);
            collection.complete = false;
        }
    }
    return collection;
}

int Check(const Arguments& args, Console& console) {
    const std::string path = platform::ProgramPathOfArgument(args.linkFile);
    const Collection collection = Collect(ReadLinkFile(path), console.out, true);
    return collection.complete ? kAllWell : kProblems;
}

int Copy(const Arguments& args, Console& console) {
    const std::string destination = platform::ProgramPathOfArgument(args.destination);
    const Collection collection =
        Collect(ReadLinkFile(platform::ProgramPathOfArgument(args.linkFile)), console.out, false);
    if (!platform::DirectoryExists(destination) && !platform::CreateFolder(destination)) {
        console.err << "tessivar-cli: cannot create the folder " << Printable(destination) << '\n';
        return kProblems;
    }
    CopyReport report(console.out, console.progress ? &console.err : nullptr, args.overwrite);
    if (!collection.found.empty())
        platform::RunCopy(collection.found, destination + "\\", report);
    return collection.complete && report.allPlaced() ? kAllWell : kProblems;
}

// Every line of standard input, read as a link file's lines.
int Resolve(Console& console) {
    const std::string input{std::istreambuf_iterator<char>(console.in), {}};
    for (const std::string& line : SplitLinkFileLines(input))
        console.out << Printable(EditPathOf(DisplayLine(line)).value_or(std::string())) << '\n';
    return kAllWell;
}

int RunCommand(const Arguments& args, Console& console) {
    switch (args.command) {
    case Arguments::Command::Help:
        console.out << kUsageText;
        return kAllWell;
    case Arguments::Command::Version:
        console.out << kVersionText << '\n';
        return kAllWell;
    case Arguments::Command::Check:
        return Check(args, console);
    case Arguments::Command::Copy:
        return Copy(args, console);
    case Arguments::Command::Resolve:
        break;
    }
    return Resolve(console);
}

} // namespace

int Run(const std::vector<std::string>& argv, Console& console) {
    try {
        const Arguments args = ParseArguments(argv);
        SetDrives(args.drives);
        return RunCommand(args, console);
    } catch (const UsageError& error) {
        console.err << "tessivar-cli: " << error.what() << "\nTry 'tessivar-cli --help'.\n";
    } catch (const AppError& error) {
        console.err << "tessivar-cli: " << Printable(error.what()) << '\n';
    }
    return kUsage;
}

} // namespace cli
