#pragma once
// The commands of tessivar-cli, apart from the process: what they read and
// write comes through a Console, so that tests run them in place.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool progress = false; // err is a terminal: draw the copy's progress there
};

enum ExitStatus : int {
    kAllWell = 0,
    kProblems = 1, // something missing, unresolved, kept or failed
    kUsage = 2,    // a usage error, or a link file that cannot be read
};

// Runs the command line `args` (without the program name).
int Run(const std::vector<std::string>& args, Console& console);

} // namespace cli
