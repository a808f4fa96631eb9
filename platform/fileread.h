#pragma once
// Reading files named by program paths.

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The first `limit` bytes of the file (all of it by default); nullopt when it
// cannot be opened or read. Only regular files are read, so a FIFO or a device
// never blocks the program.
std::optional<std::string> ReadFileStart(std::string_view programPath,
                                         std::size_t limit = std::numeric_limits<std::size_t>::max());

} // namespace platform
