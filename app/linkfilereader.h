#pragma once
// Reading a link file from disk.

#include <string>
#include <vector>

// The lines of the link file at `path` (program form); throws AppError
// "ファイル %s は開けません" when it cannot be read.
std::vector<std::string> ReadLinkFile(const std::string& path);
