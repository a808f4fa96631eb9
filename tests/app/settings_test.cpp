#include "app/settings.h"
#include "text/cp932_codec.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using text::Utf8ToCp932;

TEST(SettingsInteger, ReadsDecimalAndHexadecimalElseTheDefault) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"12", 12},
        {"-3", -3},
        {"+5", 5},
        {"0x2", 2},
        {"0X1f", 31},
        {"$2", 2},
        {"$ff", 255},
        {"-$10", -16},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"$FFFFFFFF", -1},
        {"x", 99},
        {"", 99},
        {"0x", 99},
        {"$", 99},
        {"12a", 99},
        {"1.5", 99},
        {"--5", 99},
        {"+-5", 99},
        {" 5", 99},
        {"2147483648", 99},
        {"$100000000", 99},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ParseSettingsInteger(value, 99), expected) << value;
}

TEST(SettingsKeys, AnEmptyFileGivesEveryDefault) {
    const Settings s = ReadSettings(Profile::Parse(""));
    EXPECT_EQ(s.Left, 10);
    EXPECT_EQ(s.Top, 10);
    EXPECT_EQ(s.Width, 640);
    EXPECT_EQ(s.Height, 540);
    EXPECT_EQ(s.DirPath, "C:\\");
    EXPECT_EQ(s.CopyPath, "C:\\");
    for (const std::string& recent : s.RecentFiles)
        EXPECT_EQ(recent, "");
    EXPECT_EQ(s.MaskNo, 1);
    EXPECT_EQ(s.User1Name, "\xD5\xB0\xBB\xDE"
                           "1");
    EXPECT_EQ(s.User1Mask, "*.*");
    EXPECT_EQ(s.User2Name, "\xD5\xB0\xBB\xDE"
                           "2");
    EXPECT_EQ(s.User2Mask, "*.*");
}

Settings Unusual() {
    Settings s;
    s.Left = -20;
    s.Top = 3000;
    s.Width = 1;
    s.Height = 2;
    s.DirPath = Utf8ToCp932("C:\\ソフト");
    s.CopyPath = "";
    s.RecentFiles[0] = "Z:\\home\\a\\x.lst";
    s.RecentFiles[2] = " C:\\spaced.lst ";
    s.MaskNo = 6;
    s.User1Name = Utf8ToCp932("加工");
    s.User1Mask = "*.NC";
    s.User2Name = "";
    s.User2Mask = "\"*.T\"";
    return s;
}

void ExpectSame(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.Left, b.Left);
    EXPECT_EQ(a.Top, b.Top);
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
    EXPECT_EQ(a.DirPath, b.DirPath);
    EXPECT_EQ(a.CopyPath, b.CopyPath);
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(a.RecentFiles[slot], b.RecentFiles[slot]) << slot;
    EXPECT_EQ(a.MaskNo, b.MaskNo);
    EXPECT_EQ(a.User1Name, b.User1Name);
    EXPECT_EQ(a.User1Mask, b.User1Mask);
    EXPECT_EQ(a.User2Name, b.User2Name);
    EXPECT_EQ(a.User2Mask, b.User2Mask);
}

TEST(SettingsKeys, EveryValueReadsBackAsWritten) {
    Profile profile;
    WriteSettings(Unusual(), profile);
    ExpectSame(ReadSettings(Profile::Parse(profile.text())), Unusual());
}

TEST(SettingsKeys, AllSixteenKeysAreWrittenInTheirOrder) {
    Settings s;
    s.RecentFiles[0] = "C:\\A.LST";
    Profile profile;
    WriteSettings(s, profile);
    EXPECT_EQ(profile.text(), Utf8ToCp932("[Main]\r\n"
                                          "Top=10\r\n"
                                          "Left=10\r\n"
                                          "Width=640\r\n"
                                          "Height=540\r\n"
                                          "DirPath=C:\\\r\n"
                                          "CopyPath=C:\\\r\n"
                                          "\r\n"
                                          "[Recent File List]\r\n"
                                          "File1=C:\\A.LST\r\n"
                                          "File2=\r\n"
                                          "File3=\r\n"
                                          "File4=\r\n"
                                          "File5=\r\n"
                                          "\r\n"
                                          "[Setting]\r\n"
                                          "Mask_No=1\r\n"
                                          "User1_Name=ﾕｰｻﾞ1\r\n"
                                          "User1_Mask=*.*\r\n"
                                          "User2_Name=ﾕｰｻﾞ2\r\n"
                                          "User2_Mask=*.*\r\n"));
}

TEST(SettingsKeys, AValueWithALineBreakIsSavedAsItsDefault) {
    Settings s;
    s.DirPath = "Z:\\home\\a\\new\nline";
    s.RecentFiles[0] = "Z:\\x\r\nFile2=C:\\planted.lst";
    s.RecentFiles[1] = "C:\\B.LST";
    s.User1Name = "a\rb";
    Profile profile;
    WriteSettings(s, profile);
    const Settings read = ReadSettings(Profile::Parse(profile.text()));
    EXPECT_EQ(read.DirPath, "C:\\");
    EXPECT_EQ(read.RecentFiles[0], "");
    EXPECT_EQ(read.RecentFiles[1], "C:\\B.LST");
    EXPECT_EQ(read.User1Name, Settings().User1Name);
    EXPECT_EQ(profile.text().find("planted"), std::string::npos);
}

TEST(SettingsKeys, TextsAreTakenUpTo2047BytesAndNeverHalfACharacter) {
    const std::string long_(3000, 'a');
    const std::string split = std::string(2046, 'a') + "\x83\x41";
    Profile profile = Profile::Parse("[Main]\nDirPath=" + long_ + "\nCopyPath=" + split + "\n");
    const Settings s = ReadSettings(profile);
    EXPECT_EQ(s.DirPath, std::string(2047, 'a'));
    EXPECT_EQ(s.CopyPath, std::string(2046, 'a'));
}

TEST(SettingsKeys, DrivesAreOneLetterKeysWithHostFolders) {
    const Profile profile = Profile::Parse(Utf8ToCp932("[Drives]\n"
                                                       "C=/srv/nc\n"
                                                       "d = /mnt/ソフト \n"
                                                       "Long=/x\n"
                                                       "[Main]\n"
                                                       "E=/not/a/drive\n"));
    const std::vector<DriveSetting> drives = ReadDriveSettings(profile);
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].letter, 'C');
    EXPECT_EQ(drives[0].hostFolder, "/srv/nc");
    EXPECT_EQ(drives[1].letter, 'd');
    EXPECT_EQ(drives[1].hostFolder, "/mnt/ソフト");
}

} // namespace
