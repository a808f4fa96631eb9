#pragma once
// Replacing a whole file so that a crash, a kill or a full disk leaves either
// the old file or the new one, never a part of either.

#include <string>
#include <string_view>

namespace platform {

// Writes `bytes` to a file without a name in the target's folder, flushes it,
// gives it a temporary name, renames it over `hostPath` and flushes the
// folder. A file that exists keeps its permissions; one that the process may
// not write is not replaced. False when anything fails: the old file is then
// untouched and no temporary file is left.
bool ReplaceHostFile(const std::string& hostPath, std::string_view bytes);

} // namespace platform
