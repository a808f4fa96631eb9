#include "app/linkfile.h"

#include "resolve/entryline.h"
#include "text/cp932.h"

std::vector<std::string> SplitLinkFileLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string FolderOf(const std::string& path) {
    const std::size_t separator = text::FindLastOfDbcs(path, "\\:");
    if (separator == std::string::npos)
        return {};
    const bool afterDrive = separator > 0 && !text::IsTrailPosition(path, separator - 1) &&
                            (path[separator - 1] == ':' || path[separator - 1] == '\\');
    const bool keep = separator == 0 || path[separator] == ':' || afterDrive;
    return path.substr(0, keep ? separator + 1 : separator);
}

std::string ExpandTabs(const std::string& line, int width) {
    std::string expanded;
    expanded.reserve(line.size() + 16);
    for (const char c : line) {
        if (c != '\t') {
            expanded += c;
            continue;
        }
        const std::size_t column = expanded.size(); // zero-based column of the tab
        expanded.append(static_cast<std::size_t>(width) - column % static_cast<std::size_t>(width),
                        ' ');
    }
    return expanded;
}

std::string DisplayLine(const std::string& line) {
    constexpr int kTabStops = 8;
    return text::Contains(line, "\t") ? ExpandTabs(line, kTabStops) : line;
}

std::string EntryLabel(const std::string& line) {
    return text::Contains(line, "FILE=") ? CutComment(line) : std::string();
}
