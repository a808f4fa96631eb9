#pragma once
// Opening a file in the application that the desktop associates with its
// type. Tests put a double in place of the desktop's launcher.

#include "platform/serviceoverride.h"

#include <string>

namespace platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Hands the file at `programPath` to its application and does not wait;
    // whether an application opens it is not reported.
    virtual void openFile(const std::string& programPath) = 0;
};

// The desktop's own launcher, from the host's folder of the platform layer.
Launcher& DesktopLauncher();
// The launcher in use: the desktop's, unless an Override<Launcher> lives.
inline Launcher& CurrentLauncher() {
    return Override<Launcher>::current(DesktopLauncher());
}

} // namespace platform
