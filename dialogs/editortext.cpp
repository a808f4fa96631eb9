#include "dialogs/editortext.h"

#include "text/cp932.h"

std::string FileBytesOf(std::string_view editorText) {
    std::string bytes;
    bytes.reserve(editorText.size() + editorText.size() / 16);
    for (const char c : editorText) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

namespace {

// The extension of a pattern's name: after its last "." unless it holds a
// wildcard; none without a ".".
std::string PatternExtension(const std::string& mask) {
    const std::size_t dot = text::FindLastOfDbcs(mask, ".");
    if (dot == std::string::npos)
        return {};
    const std::string extension = mask.substr(dot + 1);
    return extension.find_first_of("*?") == std::string::npos ? extension : std::string();
}

} // namespace

std::optional<std::string> SaveExtensionFor(int maskNo, const std::string& user1Mask,
                                            const std::string& user2Mask) {
    switch (maskNo) {
    case 1:
    case 5:
        return "lst";
    case 2:
        return "txt";
    case 3:
        return PatternExtension(user1Mask);
    case 4:
        return PatternExtension(user2Mask);
    case 6:
        return "";
    default:
        return std::nullopt;
    }
}
