#include "app/advancecache.h"

#include "text/cp932_codec.h"

AdvanceCache::AdvanceCache(const QFont& font)
    : m_font(font), m_metrics(font), m_advances(0x10000, -1) {}

int AdvanceCache::width(std::string_view cp932) {
    int total = 0;
    for (const char16_t unit : text::DecodeCp932(cp932)) {
        int& advance = m_advances[unit];
        if (advance < 0)
            advance = m_metrics.horizontalAdvance(QChar(unit));
        total += advance;
    }
    return total;
}
