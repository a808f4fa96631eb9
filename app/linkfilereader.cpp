#include "app/linkfilereader.h"

#include "app/apperror.h"
#include "app/linkfile.h"
#include "platform/fileread.h"

std::vector<std::string> ReadLinkFile(const std::string& path) {
    const auto bytes = platform::ReadFileStart(path);
    if (!bytes)
        throw CannotOpenError(path);
    return SplitLinkFileLines(*bytes);
}
