#include "app/settings.h"

#include "text/cp932.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace {

constexpr std::string_view kMain = "Main";
constexpr std::string_view kRecent = "Recent File List";
constexpr std::string_view kSetting = "Setting";
constexpr std::string_view kDrives = "Drives";
constexpr const char* kRecentKeys[] = {"File1", "File2", "File3", "File4", "File5"};

// Digits alone, in `base`; nullopt for anything else or more than `limit`.
std::optional<std::uint32_t> ParseDigits(std::string_view digits, int base, std::uint32_t limit) {
    std::uint32_t number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number, base);
    if (digits.empty() || error != std::errc() || stop != end || number > limit)
        return std::nullopt;
    return number;
}

std::string ReadText(const Profile& profile, std::string_view section, std::string_view key,
                     const std::string& fallback) {
    const auto value = profile.value(section, key);
    if (!value)
        return fallback;
    std::size_t cut = std::min(value->size(), kMaxSettingsText);
    if (cut < value->size() && text::IsTrailPosition(*value, cut))
        --cut; // never half a double-byte character
    return value->substr(0, cut);
}

std::int32_t ReadInteger(const Profile& profile, std::string_view section, std::string_view key,
                         std::int32_t fallback) {
    const auto value = profile.value(section, key);
    return value ? ParseSettingsInteger(*value, fallback) : fallback;
}

void WriteText(Profile& profile, std::string_view section, std::string_view key,
               const std::string& value, const std::string& fallback) {
    profile.setValue(section, key, Profile::CanHold(value) ? value : fallback);
}

void WriteInteger(Profile& profile, std::string_view section, std::string_view key,
                  std::int32_t value) {
    profile.setValue(section, key, std::to_string(value));
}

} // namespace

// A hexadecimal number covers all 32 bits, so "$FFFFFFFF" is -1.
std::int32_t ParseSettingsInteger(std::string_view value, std::int32_t fallback) {
    const bool negative = value.starts_with('-');
    if (negative || value.starts_with('+'))
        value.remove_prefix(1);
    const bool hex = value.starts_with("0x") || value.starts_with("0X") || value.starts_with('$');
    if (hex)
        value.remove_prefix(value.front() == '$' ? 1 : 2);
    constexpr std::uint32_t kDecimalLimit = std::uint32_t{1} << 31;
    const auto number = ParseDigits(value, hex ? 16 : 10,
                                    hex ? std::numeric_limits<std::uint32_t>::max()
                                        : kDecimalLimit - (negative ? 0 : 1));
    if (!number)
        return fallback;
    return static_cast<std::int32_t>(negative ? 0u - *number : *number);
}

Settings ReadSettings(const Profile& profile) {
    Settings s;
    s.Left = ReadInteger(profile, kMain, "Left", s.Left);
    s.Top = ReadInteger(profile, kMain, "Top", s.Top);
    s.Width = ReadInteger(profile, kMain, "Width", s.Width);
    s.Height = ReadInteger(profile, kMain, "Height", s.Height);
    s.DirPath = ReadText(profile, kMain, "DirPath", s.DirPath);
    s.CopyPath = ReadText(profile, kMain, "CopyPath", s.CopyPath);
    for (std::size_t slot = 0; slot < std::size(kRecentKeys); ++slot)
        s.RecentFiles[slot] = ReadText(profile, kRecent, kRecentKeys[slot], {});
    s.MaskNo = ReadInteger(profile, kSetting, "Mask_No", s.MaskNo);
    s.User1Name = ReadText(profile, kSetting, "User1_Name", s.User1Name);
    s.User1Mask = ReadText(profile, kSetting, "User1_Mask", s.User1Mask);
    s.User2Name = ReadText(profile, kSetting, "User2_Name", s.User2Name);
    s.User2Mask = ReadText(profile, kSetting, "User2_Mask", s.User2Mask);
    return s;
}

void WriteSettings(const Settings& s, Profile& profile) {
    const Settings defaults;
    WriteInteger(profile, kMain, "Top", s.Top);
    WriteInteger(profile, kMain, "Left", s.Left);
    WriteInteger(profile, kMain, "Width", s.Width);
    WriteInteger(profile, kMain, "Height", s.Height);
    WriteText(profile, kMain, "DirPath", s.DirPath, defaults.DirPath);
    WriteText(profile, kMain, "CopyPath", s.CopyPath, defaults.CopyPath);
    for (std::size_t slot = 0; slot < std::size(kRecentKeys); ++slot)
        WriteText(profile, kRecent, kRecentKeys[slot], s.RecentFiles[slot], {});
    WriteInteger(profile, kSetting, "Mask_No", s.MaskNo);
    WriteText(profile, kSetting, "User1_Name", s.User1Name, defaults.User1Name);
    WriteText(profile, kSetting, "User1_Mask", s.User1Mask, defaults.User1Mask);
    WriteText(profile, kSetting, "User2_Name", s.User2Name, defaults.User2Name);
    WriteText(profile, kSetting, "User2_Mask", s.User2Mask, defaults.User2Mask);
}

std::vector<DriveSetting> ReadDriveSettings(const Profile& profile) {
    std::vector<DriveSetting> drives;
    for (const auto& [key, value] : profile.entries(kDrives)) {
        if (key.size() == 1)
            drives.push_back({key.front(), text::Cp932ToUtf8(value)});
    }
    return drives;
}
