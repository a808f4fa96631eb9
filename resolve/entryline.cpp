#include "resolve/entryline.h"

#include "resolve/resolve.h"
#include "text/cp932.h"

std::string CutComment(const std::string& line) {
    const std::size_t block = text::FindPlain(line, "/*");
    return line.substr(0, block != std::string::npos ? block : text::FindPlain(line, ";"));
}

namespace {

bool IsLibraryEntry(const std::string& line) {
    return text::Contains(line, "\\REL\\") || text::Contains(line, "\\NEC_PC\\");
}

} // namespace

std::optional<std::string> EditPathOf(const std::string& line) {
    const std::string upper = text::AnsiUpper(line);
    if (!text::Contains(upper, "FILE="))
        return std::nullopt;
    const std::string entry = CutComment(upper);
    std::string path;
    if (IsLibraryEntry(entry))
        path = ResolveEntryPath(entry);
    else if (text::Contains(entry, "FILE="))
        path = ReplaceAll(entry, "FILE=", "");
    return ReplaceAll(ReplaceAll(path, "\t", ""), " ", "");
}

SearchTarget SearchTargetOf(const std::string& line) {
    const std::string entry = CutComment(line);
    if (IsLibraryEntry(entry)) {
        std::string path = ResolveEntryPath(text::AnsiUpper(entry));
        const bool unresolved = path.empty();
        return {std::move(path), unresolved};
    }
    const std::string upper = text::AnsiUpper(entry);
    return {text::Contains(upper, "FILE=") ? ReplaceAll(upper, "FILE=", "") : std::string()};
}
