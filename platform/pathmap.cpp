#include "platform/pathmap.h"

#include "text/cp932.h"

namespace platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The pieces between separators, empty ones included, so that the last piece
// is the final segment ("" when the path ends in a separator). A separator byte
// that is the trail byte of a double-byte character does not split.
std::vector<std::string_view> SplitPieces(std::string_view path) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < path.size();) {
        const std::size_t length = text::CharLength(path, pos);
        if (length == 1 && IsSeparator(path[pos])) {
            pieces.push_back(path.substr(start, pos - start));
            start = pos + 1;
        }
        pos += length;
    }
    pieces.push_back(path.substr(start));
    return pieces;
}

// Drops the trailing spaces and periods. No trail byte is either, so the bytes
// can be read alone.
std::string_view TrimSpacesAndPeriods(std::string_view segment) {
    return segment.substr(0, segment.find_last_not_of(" .") + 1);
}

void AppendPieces(ProgramPath& path, std::string_view rest) {
    const auto pieces = SplitPieces(rest);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        std::string_view piece = pieces[i];
        if (i + 1 == pieces.size() && piece != "." && piece != "..")
            piece = TrimSpacesAndPeriods(piece);
        if (piece.empty() || piece == ".")
            continue;
        if (piece != "..")
            path.segments.emplace_back(piece);
        else if (!path.segments.empty())
            path.segments.pop_back();
    }
}

// The path that a drive-qualified path ("C:\A", "C:A") starts from.
std::optional<ProgramPath> DriveBase(char drive, bool rooted, std::string_view currentFolder) {
    if (!rooted) {
        auto current = NormalisePath(currentFolder, {});
        if (current && current->drive == drive)
            return current;
    }
    return ProgramPath{drive, {}};
}

} // namespace

std::optional<ProgramPath> NormalisePath(std::string_view path, std::string_view currentFolder) {
    if (path.empty() || (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])))
        return std::nullopt;
    std::optional<ProgramPath> base;
    std::string_view rest = path;
    if (path.size() >= 2 && path[1] == ':') {
        const char drive = DriveLetter(path[0]);
        if (drive == 0)
            return std::nullopt;
        rest = path.substr(2);
        base = DriveBase(drive, !rest.empty() && IsSeparator(rest[0]), currentFolder);
    } else {
        base = NormalisePath(currentFolder, {});
        if (base && IsSeparator(path[0]))
            base->segments.clear();
    }
    if (base)
        AppendPieces(*base, rest);
    return base;
}

char DriveLetter(char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    return c >= 'A' && c <= 'Z' ? c : 0;
}

std::string FormatProgramPath(const ProgramPath& path) {
    std::string formatted{path.drive, ':', '\\'};
    for (std::size_t i = 0; i < path.segments.size(); ++i) {
        if (i > 0)
            formatted += '\\';
        formatted += path.segments[i];
    }
    return formatted;
}

} // namespace platform
