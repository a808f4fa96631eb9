#pragma once
// One file's copy, all or nothing: the data goes to a temporary in the target's
// folder, which gets the source's modification time and takes the target's name
// only when whole.

#include "platform/copyengine.h"

#include <string>
#include <sys/stat.h>

namespace platform::posix {

struct FileCopyResult {
    bool cancelled = false;
    std::optional<CopyError> error;
};

enum class Temporary {
    Unnamed, // O_TMPFILE, linked in when whole: a killed copy leaves nothing
    Named,   // a hidden name of ours, renamed when whole
};

// Unnamed where the host can link an open file in (/proc mounted), else Named.
// A folder whose file system has no unnamed files falls back to Named.
Temporary HostTemporary();

// Copies the open file `in` (described by `source`) to the host path `target`,
// which is replaced only when `replacing`: a name that is taken otherwise is a
// write error (EEXIST). After a cancel or an error the target is as it was and
// no temporary is left.
FileCopyResult CopyFileTo(int in, const struct stat& source, const std::string& target,
                          bool replacing, CopyClient& client,
                          Temporary temporary = HostTemporary());

} // namespace platform::posix
