#pragma once
// The folder chooser: a tree of folders under a line of text, the start
// folder selected when it exists.

#include <optional>
#include <string>

class QWidget;

// The folder that the user chose (program form), nullopt when cancelled.
// `prompt` (CP932) stands above the tree; an empty `startFolder` selects none.
std::optional<std::string> BrowseForFolder(QWidget* owner, const std::string& prompt,
                                           const std::string& startFolder);
