#pragma once
// The two user-defined file types as the user-definition dialog edits them.

#include <string>

struct UserDefinitions {
    std::string name1, mask1, name2, mask2; // CP932
};

// What "変更" stores from the boxes: the extensions as patterns, and names
// and patterns of their own for empty boxes.
UserDefinitions AcceptedDefinitions(const UserDefinitions& typed);
