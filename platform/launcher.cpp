#include "platform/launcher.h"

namespace platform {

namespace {
Launcher* g_override = nullptr;
} // namespace

Launcher& CurrentLauncher() {
    return g_override != nullptr ? *g_override : DesktopLauncher();
}

LauncherOverride::LauncherOverride(Launcher& launcher) : m_previous(g_override) {
    g_override = &launcher;
}

LauncherOverride::~LauncherOverride() {
    g_override = m_previous;
}

} // namespace platform
