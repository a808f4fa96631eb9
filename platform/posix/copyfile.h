#pragma once
// One file's copy: written beside its target under a temporary name, given the
// source's modification time and renamed over the target only when whole.

#include "platform/copyengine.h"

#include <string>
#include <sys/stat.h>

namespace platform::posix {

struct FileCopyResult {
    bool cancelled = false;
    std::optional<CopyError> error;
};

// Copies the open file `in` (described by `source`) to the host path `target`.
// After a cancel or an error the target is as it was and no temporary is left.
FileCopyResult CopyFileTo(int in, const struct stat& source, const std::string& target,
                          CopyClient& client);

} // namespace platform::posix
