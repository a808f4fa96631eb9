#pragma once
// The shell's copy operation: several sources copied into one folder, with the
// shell's own progress window, replace questions and error reports. Tests put
// a double in place of the host's.

#include "platform/serviceoverride.h"

#include <string>
#include <vector>

class QWidget;

namespace platform {

class ShellCopy {
public:
    virtual ~ShellCopy() = default;
    // Copies every source into `destination`, each file under its own name: a
    // source with "*" or "?" in its final segment copies every match, a folder
    // is copied with its contents. Paths are in the program's form; the
    // destination may end in "\". The windows it shows belong to `owner`.
    // Returns true when anything was aborted: the user cancelled, or kept a
    // file from being copied at a question or an error.
    virtual bool copy(QWidget* owner, const std::vector<std::string>& sources,
                      const std::string& destination) = 0;
};

// The host's own shell copy, from the host's folder of the platform layer.
ShellCopy& HostShellCopy();
// The shell copy in use: the host's, unless an Override<ShellCopy> lives.
inline ShellCopy& CurrentShellCopy() {
    return Override<ShellCopy>::current(HostShellCopy());
}

} // namespace platform
