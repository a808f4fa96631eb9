#include "app/profile.h"

#include "app/linkfile.h"
#include "text/cp932.h"

#include <stdexcept>

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return text::AnsiUpper(a) == text::AnsiUpper(b);
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool QuotedAround(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.front() == text.back();
}

// The name of a "[...]" line, up to its "]" (never a trail byte) or the end.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view head = Trimmed(line);
    if (head.empty() || head.front() != '[')
        return std::nullopt;
    const std::string_view inside = head.substr(1);
    return Trimmed(inside.substr(0, text::FindDbcs(inside, "]")));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trimmed(line.substr(0, equals)), line.substr(equals + 1)};
}

std::string ReadValue(std::string_view raw) {
    const std::string_view value = Trimmed(raw);
    return std::string(QuotedAround(value) ? value.substr(1, value.size() - 2) : value);
}

// The form in which reading gives back `value` exactly.
std::string WrittenValue(std::string_view value) {
    const bool changedByReading =
        !value.empty() &&
        (kBlanks.find(value.front()) != std::string_view::npos ||
         kBlanks.find(value.back()) != std::string_view::npos || QuotedAround(value));
    return changedByReading ? '"' + std::string(value) + '"' : std::string(value);
}

} // namespace

Profile Profile::Parse(std::string_view bytes) {
    Profile profile;
    profile.m_lines = SplitLinkFileLines(bytes);
    return profile;
}

std::optional<Profile::Range> Profile::findSection(std::string_view section) const {
    for (std::size_t head = 0; head < m_lines.size(); ++head) {
        const auto name = SectionName(m_lines[head]);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = head + 1;
        while (end < m_lines.size() && !SectionName(m_lines[end]))
            ++end;
        return Range{head, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> Profile::findKey(const Range& range, std::string_view key) const {
    for (std::size_t line = range.head + 1; line < range.end; ++line) {
        const auto split = SplitKeyLine(m_lines[line]);
        if (split && SameName(split->key, key))
            return line;
    }
    return std::nullopt;
}

std::optional<std::string> Profile::value(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    const auto line = range ? findKey(*range, key) : std::nullopt;
    if (!line)
        return std::nullopt;
    return ReadValue(SplitKeyLine(m_lines[*line])->value);
}

std::vector<Profile::Entry> Profile::entries(std::string_view section) const {
    const auto range = findSection(section);
    if (!range)
        return {};
    std::vector<Entry> found;
    for (std::size_t line = range->head + 1; line < range->end; ++line) {
        if (const auto split = SplitKeyLine(m_lines[line]))
            found.emplace_back(std::string(split->key), ReadValue(split->value));
    }
    return found;
}

bool Profile::CanHold(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

void Profile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanHold(value))
        throw std::invalid_argument("a profile value cannot hold a line break");
    std::string line = std::string(key) + '=' + WrittenValue(value);
    const auto range = findSection(section);
    if (!range) {
        if (!m_lines.empty() && !Trimmed(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back('[' + std::string(section) + ']');
        m_lines.push_back(std::move(line));
        return;
    }
    if (const auto existing = findKey(*range, key)) {
        m_lines[*existing] = std::move(line);
        return;
    }
    std::size_t after = range->end;
    while (after > range->head + 1 && Trimmed(m_lines[after - 1]).empty())
        --after;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(after), std::move(line));
}

std::string Profile::text() const {
    std::string bytes;
    for (const std::string& line : m_lines)
        bytes.append(line).append("\r\n");
    return bytes;
}
