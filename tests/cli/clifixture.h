#pragma once
// Running tessivar-cli's commands in place, drive C: on a temporary library.

#include "cli/commands.h"
#include "platform/settingsfile.h"
#include "tests/support/tempfolder.h"

#include <sstream>
#include <string>
#include <vector>

namespace cli::test {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class CliTest : public platform::test::DriveCTest {
protected:
    Outcome run(const std::vector<std::string>& args, const std::string& input = {},
                bool progress = false) {
        std::istringstream in(input);
        std::ostringstream out, err;
        Console console{in, out, err, progress};
        const int status = cli::Run(args, console);
        return {status, out.str(), err.str()};
    }

    // The settings file that the commands read the drive table from.
    platform::SettingsFile settings{c / "settings/tessivar.INI"};

private:
    platform::Override<platform::SettingsFile> m_settings{settings};
};

} // namespace cli::test
