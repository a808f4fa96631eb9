#pragma once
// The values that the settings file keeps, with the defaults that hold when a
// key is missing, and their reading from and writing into the file's profile.

#include "app/profile.h"
#include "text/cp932_codec.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Settings {
    std::int32_t Left = 10;
    std::int32_t Top = 10;
    std::int32_t Width = 640;
    std::int32_t Height = 540;
    std::string DirPath = "C:\\";
    std::string CopyPath = "C:\\";
    std::string RecentFiles[5];
    std::int32_t MaskNo = 1;
    std::string User1Name = text::Utf8ToCp932("ﾕｰｻﾞ1");
    std::string User1Mask = "*.*";
    std::string User2Name = text::Utf8ToCp932("ﾕｰｻﾞ2");
    std::string User2Mask = "*.*";
};

// A text value is taken up to this many bytes.
inline constexpr std::size_t kMaxSettingsText = 2047;

// An integer value: decimal, or hexadecimal after "0x", "0X" or "$", with an
// optional sign; `fallback` for an empty value, anything else, or a number
// beyond 32 bits.
std::int32_t ParseSettingsInteger(std::string_view value, std::int32_t fallback);

// The sixteen keys, each missing one giving its default.
Settings ReadSettings(const Profile& profile);
// Every one of the sixteen keys, in the order in which the window saves them.
// A text that the file cannot hold is saved as its key's default.
void WriteSettings(const Settings& settings, Profile& profile);

struct DriveSetting {
    char letter;            // as written, either case
    std::string hostFolder; // UTF-8
};
// The section "Drives": one key per drive letter, its value a host folder.
// Keys that are not one letter are left out.
std::vector<DriveSetting> ReadDriveSettings(const Profile& profile);
