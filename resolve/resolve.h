#pragma once
// Library entries name their programs through a "REL" or "NEC_PC" folder; the
// programs lie in group folders that take the place of "REL". Pure text work:
// no file system, no state.

#include "resolve/programgrouptable.h"

#include <string>

// `text` with every occurrence of `oldText` replaced by `newText`, searched left
// to right, byte for byte; inserted text is never searched again, and an
// occurrence that would start on a trail byte is not taken.
std::string ReplaceAll(const std::string& text, const std::string& oldText,
                       const std::string& newText);

// The program file that an upper-cased entry line without its comment names,
// its "REL" replaced by the group folder of the program; empty text when the
// program name is in no row of ProgramGroupTable.
std::string ResolveEntryPath(const std::string& line);
