#pragma once
// The fixed table that sends each library program to its group folder. A row
// matches a file name whose first `compareLength` bytes equal `key`; the
// rows are searched in this order and the first match wins.

#include <array>
#include <cstddef>
#include <string_view>

struct ProgramGroupRow {
    std::string_view key;
    std::size_t compareLength;
    std::string_view groupFolder; // written into the path as it stands here
};

// The folder that a row's group folder replaces, the same in every row.
inline constexpr std::string_view kLibraryFolder = "REL";

// clang-format off
inline constexpr std::array<ProgramGroupRow, 163> ProgramGroupTable{{
    {"O9500", 5, "TW"}, {"O9502", 5, "TW"}, {"O9610", 5, "TW"},
    {"O9612", 5, "TW"}, {"O9636", 5, "TW"}, {"O9503", 5, "TW"},
    {"O9570", 5, "TW"}, {"O9571", 5, "TW"}, {"O9504", 5, "TW"},
    {"O9572", 5, "TW"}, {"O9528", 5, "TW"}, {"O9529", 5, "TW"},
    {"O9530", 5, "TW"}, {"O9531", 5, "TW"}, {"O9532", 5, "TW"},
    {"O9550", 5, "TW"}, {"O9583", 5, "TW"}, {"O9533", 5, "TW"},
    {"O9534", 5, "TW"}, {"O9538", 5, "TW"}, {"O9537", 5, "TW"},
    {"O9535", 5, "TW"}, {"O9536", 5, "TW"}, {"O9589", 5, "TW"},
    {"O9505", 5, "TW"}, {"O9506", 5, "TW"}, {"O9509", 5, "TW"},
    {"O9510", 5, "TW"}, {"O9511", 5, "TW"}, {"O9512", 5, "TW"},
    {"O9513", 5, "TW"}, {"O9514", 5, "TW"}, {"O9508", 5, "TW"},
    {"O9555", 5, "TW"}, {"O9556", 5, "TW"}, {"O9557", 5, "TW"},
    {"O9558", 5, "TW"}, {"O9559", 5, "TW"}, {"O9560", 5, "TW"},
    {"O9561", 5, "TW"}, {"O9562", 5, "TW"}, {"O9563", 5, "TW"},
    {"O9625", 5, "TW"}, {"O9626", 5, "TW"}, {"O9627", 5, "TW"},
    {"O9628", 5, "TW"}, {"O9629", 5, "TW"}, {"O9630", 5, "TW"},
    {"O9633", 5, "TW"}, {"O9637", 5, "TW"}, {"O9638", 5, "TW"},
    {"O9565", 5, "TW"}, {"O9566", 5, "TW"}, {"O9567", 5, "TW"},
    {"O9507", 5, "TW"}, {"O9576", 5, "TW"}, {"O9622", 5, "TW"},
    {"O9579", 5, "TW"}, {"O9520", 5, "TW"}, {"O9521", 5, "TW"},
    {"O9522", 5, "TW"}, {"O9523", 5, "TW"}, {"O9577", 5, "TW"},
    {"O9524", 5, "TW"}, {"O9710", 5, "TW"}, {"O9525", 5, "TW"},
    {"O9526", 5, "TW"}, {"O9587", 5, "TW"}, {"O9631", 5, "TW"},
    {"O9632", 5, "TW"}, {"O9527", 5, "TW"}, {"O9578", 5, "TW"},
    {"O9581", 5, "TW"}, {"O9582", 5, "TW"}, {"O9584", 5, "TW"},
    {"O9585", 5, "TW"}, {"O9540", 5, "TW"}, {"O9568", 5, "TW"},
    {"O9551", 5, "TW"}, {"O9573", 5, "TW"}, {"O9541", 5, "TW"},
    {"O9542", 5, "TW"}, {"O9543", 5, "TW"}, {"O9544", 5, "TW"},
    {"O9545", 5, "TW"}, {"O9546", 5, "TW"}, {"O9547", 5, "TW"},
    {"O9548", 5, "TW"}, {"O9574", 5, "TW"}, {"O9586", 5, "TW"},
    {"O9575", 5, "TW"}, {"O9635", 5, "TW"}, {"O9592", 5, "TW"},
    {"O9590", 5, "TW"}, {"O9615", 5, "TW"}, {"O9616", 5, "TW"},
    {"O9606", 5, "TW"}, {"O9597", 5, "TW"}, {"O9623", 5, "TW"},
    {"O9598", 5, "TW"}, {"O9604", 5, "TW"}, {"O9634", 5, "TW"},
    {"O9609", 5, "TW"}, {"O9613", 5, "TW"}, {"O9599", 5, "TW"},
    {"O9601", 5, "TW"}, {"O9614", 5, "TW"}, {"O9603", 5, "TW"},
    {"O9617", 5, "TW"}, {"O9618", 5, "TW"}, {"O9619", 5, "TW"},
    {"O9620", 5, "TW"}, {"O9621", 5, "TW"}, {"O9591", 5, "TW"},
    {"O9001", 5, "JK"}, {"O9002", 5, "JK"}, {"O9011", 5, "JK"},
    {"O9012", 5, "Jk"}, {"O9013", 5, "JK"}, {"O9014", 5, "JK"},
    {"O9015", 5, "JK"}, {"O9016", 5, "JK"}, {"O9017", 5, "JK"},
    {"O9018", 5, "JK"}, {"O9020", 5, "JK"}, {"O9021", 5, "JK"},
    {"O9022", 5, "JK"}, {"O9023", 5, "Jk"}, {"O9024", 5, "JK"},
    {"O9026", 5, "JK"}, {"O9027", 5, "JK"}, {"O9028", 5, "JK"},
    {"O9029", 5, "JK"}, {"O9100", 5, "JK"}, {"O9102", 5, "JK"},
    {"O9103", 5, "JK"}, {"O9104", 5, "JK"}, {"O9110", 5, "Jk"},
    {"O9111", 5, "Jk"}, {"O9112", 5, "JK"}, {"O9113", 5, "JK"},
    {"O9116", 5, "JK"}, {"O9117", 5, "JK"}, {"O9118", 5, "JK"},
    {"O9300", 5, "JK"}, {"O9301", 5, "JK"}, {"O9302", 5, "JK"},
    {"O9303", 5, "JK"}, {"O9304", 5, "Jk"}, {"O9305", 5, "JK"},
    {"O9306", 5, "JK"}, {"O9307", 5, "JK"}, {"O9308", 5, "JK"},
    {"O9309", 5, "JK"}, {"PLGSB", 5, "JK"}, {"TRVSB", 5, "JK"},
    {"SHLSB", 5, "JK"}, {"ENKSB", 5, "JK"}, {"DRSS1", 5, "Jk"},
    {"DRSS2", 5, "JK"}, {"SUB1", 4, "JK"}, {"SUB2", 4, "JK"},
    {"SUB3", 4, "JK"},
}};
// clang-format on

namespace resolve::detail {

constexpr bool TableIsUnambiguous() {
    for (std::size_t a = 0; a < ProgramGroupTable.size(); ++a) {
        const ProgramGroupRow& row = ProgramGroupTable[a];
        if (row.compareLength != row.key.size())
            return false;
        for (std::size_t b = 0; b < ProgramGroupTable.size(); ++b) {
            if (a != b && ProgramGroupTable[b].key.starts_with(row.key))
                return false;
        }
    }
    return true;
}

// At most one row can match a file name: keys are distinct, and none begins another.
static_assert(TableIsUnambiguous());

} // namespace resolve::detail
