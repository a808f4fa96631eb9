#pragma once
// Opening a file in the application that the desktop associates with its
// type. Tests put a double in place of the desktop's launcher.

#include <string>

namespace platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Hands the file at `programPath` to its application and does not wait;
    // whether an application opens it is not reported.
    virtual void openFile(const std::string& programPath) = 0;
};

// The launcher in use: the desktop's, unless an override is alive.
Launcher& CurrentLauncher();
// The desktop's own launcher, from the host's folder of the platform layer.
Launcher& DesktopLauncher();

// Puts `launcher` in use for as long as this object lives.
class LauncherOverride {
public:
    explicit LauncherOverride(Launcher& launcher);
    ~LauncherOverride();
    LauncherOverride(const LauncherOverride&) = delete;
    LauncherOverride& operator=(const LauncherOverride&) = delete;

private:
    Launcher* m_previous;
};

} // namespace platform
