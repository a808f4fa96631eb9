#include "text/cp932_table.h"

namespace text::detail {

namespace {

Cp932Table BuildTable() {
    Cp932Table table;
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char b = static_cast<unsigned char>(byte);
        table.single[byte] = byte == 0 ? u'\0' : DecodeWithHost(&b, 1);
    }
    for (int lead = 0; lead < kLeadCount; ++lead) {
        for (int trail = 0; trail < kTrailCount; ++trail) {
            const unsigned char pair[2] = {LeadByteAt(lead),
                                           static_cast<unsigned char>(kTrailFirst + trail)};
            table.pairs[lead * kTrailCount + trail] = DecodeWithHost(pair, 2);
        }
    }
    return table;
}

} // namespace

const Cp932Table& Table() {
    static const Cp932Table table = BuildTable();
    return table;
}

} // namespace text::detail
