#pragma once
// The link-file format: CP932 lines, ended by CR LF, CR or LF; the text ends at
// the first NUL. Entry lines hold "FILE=" and may carry a comment.

#include <string>
#include <string_view>
#include <vector>

// The lines of a link file's bytes, unconverted. A break at the very end adds
// no empty line.
std::vector<std::string> SplitLinkFileLines(std::string_view bytes);

// The folder of a path: up to its last "\" or ":" (never a trail byte), the
// separator kept when it is ":", follows ":" or "\", or starts the path (a
// root), and dropped otherwise.
std::string FolderOf(const std::string& path);

// Every tab replaced by spaces up to the next stop of `width` columns; columns
// count bytes, so a double-byte character takes two.
std::string ExpandTabs(const std::string& line, int width);

// A line as the main list holds it, and so as the search before a copy reads
// it: tabs expanded to stops of 8 columns.
std::string DisplayLine(const std::string& line);

// What the label shows for a selected line: the entry part for a line with
// "FILE=" (upper case only), else nothing.
std::string EntryLabel(const std::string& line);
