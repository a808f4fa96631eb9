#pragma once
// The values that the settings file keeps, with the defaults that hold when a
// key is missing.

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
    std::string User1Name = "\xD5\xB0\xBB\xDE"
                            "1"; // ﾕｰｻﾞ1
    std::string User1Mask = "*.*";
    std::string User2Name = "\xD5\xB0\xBB\xDE"
                            "2"; // ﾕｰｻﾞ2
    std::string User2Mask = "*.*";
};
