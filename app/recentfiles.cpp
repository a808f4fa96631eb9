#include "app/recentfiles.h"

void EnterRecentFile(const RecentSlots& slots, const std::string& path) {
    std::size_t last = 0; // the slot whose entry is overwritten by the shift
    while (last < slots.size() && *slots[last] != path)
        ++last;
    if (last == slots.size()) {
        last = 0;
        while (last < slots.size() - 1 && !slots[last]->empty())
            ++last;
    }
    for (std::size_t slot = last; slot > 0; --slot)
        *slots[slot] = *slots[slot - 1];
    *slots[0] = path;
}
