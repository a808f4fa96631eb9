#pragma once
// Line widths in one font from a cache of per-character advances, so that a
// long list is measured without shaping every line.

#include <QFont>
#include <QFontMetrics>

#include <string_view>
#include <vector>

class AdvanceCache {
public:
    explicit AdvanceCache(const QFont& font);

    // Width in pixels of a CP932 line.
    int width(std::string_view cp932);
    const QFont& font() const { return m_font; }

private:
    QFont m_font;
    QFontMetrics m_metrics;
    std::vector<int> m_advances; // per UTF-16 unit, -1 until measured
};
