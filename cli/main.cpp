// tessivar-cli: the link-file check and copy without a window. No Qt
// application object is made; the settings file is the windowed program's.
#include "cli/commands.h"
#include "platform/settingsfile.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    platform::SettingsFile settings = platform::CompanionSettingsFile("tessivar");
    const platform::Override<platform::SettingsFile> windowsSettings(settings);
    cli::Console console{std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    const int status = cli::Run({argv + 1, argv + argc}, console);
    std::cout.flush();
    return std::cout ? status : cli::kProblems;
}
