#pragma once
// The settings file's format, read the way the Windows profile functions read
// it: "[Section]" heads and "key=value" lines of CP932 text, names compared
// without regard to the case of ASCII letters. Every line that the program
// does not set is kept as it stands.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Profile {
public:
    using Entry = std::pair<std::string, std::string>;

    // Lines may end in CR LF, LF or CR.
    static Profile Parse(std::string_view bytes);

    // The key's value in the first section of that name: blanks around it
    // trimmed, then one pair of matching quotes removed. nullopt when the
    // section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The section's keys and values in file order, read as value() reads them.
    std::vector<Entry> entries(std::string_view section) const;

    // False for a value that a line cannot hold: one with a line break or a NUL.
    static bool CanHold(std::string_view value);
    // Writes "key=value" over the key's line, else after the section's last
    // line that is not blank, else in a new section at the end. A value that
    // reading would change (blanks at either end, or quotes around it) is
    // written in quotes. Throws std::invalid_argument when !CanHold(value).
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes, every line ended by CR LF.
    std::string text() const;

private:
    struct Range {
        std::size_t head; // the section's "[...]" line
        std::size_t end;  // one past its last line
    };
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

    std::vector<std::string> m_lines;
};
