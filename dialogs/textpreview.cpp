#include "dialogs/textpreview.h"

#include <algorithm>

bool IsTextFile(const char* buffer, std::int32_t length) {
    const std::int32_t probed = std::clamp(length, 0, kTextProbeLength);
    return std::find(buffer, buffer + probed, '\0') == buffer + probed;
}

// CR, LF and NUL are never the trail byte of a CP932 character, so a byte scan
// finds them.
std::string PreviewText(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string preview;
    preview.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        if (bytes[pos] != '\r') {
            preview += bytes[pos];
            continue;
        }
        preview += '\n';
        if (pos + 1 < bytes.size() && bytes[pos + 1] == '\n')
            ++pos;
    }
    return preview;
}
