#pragma once
// The list editor's text and the bytes of the file it writes: CP932 both,
// line breaks "\n" in the editor and CR LF in the file. A loaded file is
// shown as the preview shows it (PreviewText).

#include <optional>
#include <string>
#include <string_view>

// The editor's text as the file holds it: every "\n" written as CR LF,
// nothing else changed.
std::string FileBytesOf(std::string_view editorText);

// The save dialog's default extension for a filter index: nullopt leaves the
// one a previous save set; a user pattern gives its own extension ("*.nc1"
// gives "nc1", "*.*" none).
std::optional<std::string> SaveExtensionFor(int maskNo, const std::string& user1Mask,
                                            const std::string& user2Mask);
