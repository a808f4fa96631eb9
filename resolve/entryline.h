#pragma once
// How a line of the main list becomes the path of a program file. The edit
// button and the file search form the path differently; both cut the comment
// the same way and resolve library entries through ResolveEntryPath.

#include <optional>
#include <string>

// The line without its comment: before the first "/*" when there is one,
// else before the first ";", else the whole line.
std::string CutComment(const std::string& line);

// The file the edit button opens for `line`: nothing when the line holds no
// "FILE=" in any letter case (no entry); else the upper-cased path without
// tabs and spaces, empty when the entry names no file.
std::optional<std::string> EditPathOf(const std::string& line);

// The file that the search before a copy tests for a line of the main list.
struct SearchTarget {
    std::string path;        // empty when the line names no file
    bool unresolved = false; // a library entry whose program is in no row
};

// Unlike the edit path, the library test looks at the line as written
// (capital "\REL\" and "\NEC_PC\" only), such a line needs no "FILE=", and
// the path keeps its blanks.
SearchTarget SearchTargetOf(const std::string& line);
