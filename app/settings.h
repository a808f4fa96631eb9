#pragma once
// The values that the settings file keeps, with the defaults that hold when a
// key is missing.

#include "text/cp932_codec.h"

#include <cstdint>
#include <string>

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
