#include "platform/launcher.h"
#include "text/qtext.h"

#include "platform/filesystem.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {

// The desktop's own opener (xdg-open and its kin), started detached.
class PosixLauncher final : public Launcher {
public:
    void openFile(const std::string& programPath) override {
        const std::optional<std::string> host = HostPath(programPath);
        if (host)
            QDesktopServices::openUrl(QUrl::fromLocalFile(text::HostQString(*host)));
    }
};

} // namespace

Launcher& DesktopLauncher() {
    static PosixLauncher launcher;
    return launcher;
}

} // namespace platform
