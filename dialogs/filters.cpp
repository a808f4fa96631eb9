#include "dialogs/filters.h"

#include "text/cp932.h"
#include "text/cp932_codec.h"

std::string BuildLinkFilter(const std::string& user1Name, const std::string& user1Mask,
                            const std::string& user2Name, const std::string& user2Mask) {
    static const std::string kLinkFiles = text::Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)|*.LST;*.LNK|");
    static const std::string kText = text::Utf8ToCp932("テキスト(*.txt)|*.TXT|");
    static const std::string kAll = text::Utf8ToCp932("すべて表示(*.*)|*.*|");
    static const std::string kNoExtension = text::Utf8ToCp932("拡張子無し    |");
    return kLinkFiles + kText + user1Name + "(" + user1Mask + ")|" + user1Mask + "|" + user2Name +
           "(" + user2Mask + ")|" + user2Mask + "|" + kAll + kNoExtension;
}

std::vector<FilterEntry> SplitFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < filter.size()) {
        std::size_t bar = text::FindDbcs(filter, "|", start);
        if (bar == std::string::npos)
            bar = filter.size();
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        entries.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    return entries;
}

std::string NormaliseMask(const std::string& text) {
    if (text::Contains(text, "*."))
        return text;
    return (text::Contains(text, ".") ? "*" : "*.") + text;
}
