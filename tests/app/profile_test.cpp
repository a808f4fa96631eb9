#include "app/profile.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct ReadCase {
    const char* file;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

TEST(Profile, ReadsAsTheProfileFunctionsDo) {
    const ReadCase cases[] = {
        {"[Main]\r\nLeft=5\r\n", "Main", "Left", "5"},
        {"[ main ]\nLEFT = 5 \t\n", "Main", "left", "5"}, // names trimmed, any case
        {"[Main]\rA=\"  x \"\rB=1", "Main", "A", "  x "}, // lone CR; quotes keep blanks
        {"[Main]\nA='y'\n", "Main", "A", "y"},
        {"[Main]\nA=\"y'\n", "Main", "A", "\"y'"}, // unmatched quotes stay
        {"[Main]\nA=\n", "Main", "A", ""},
        {"[Main]\nA=x=y\n", "Main", "A", "x=y"},
        {"[Main]\nno equals sign\nA=1\n", "Main", "no equals sign", std::nullopt},
        {"A=1\n[Main]\n", "Main", "A", std::nullopt}, // before any section
        {"[Main]\nA=1\n[Other]\nB=2\n", "Main", "B", std::nullopt},
        {"[Main]\nA=1\n[Main]\nA=2\n", "Main", "A", "1"}, // the first section counts
        {"[Main]\nA=1\nA=2\n", "Main", "A", "1"},
        {"[Main]\nA=1\n", "Mai", "A", std::nullopt},
        {"[\x83\x5D-]\nA=1\n", "\x83\x5D-", "A", "1"}, // "]" as a trail byte
        {"", "Main", "A", std::nullopt},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(Profile::Parse(c.file).value(c.section, c.key), c.value) << c.file;
}

TEST(Profile, ListsTheKeysOfASection) {
    const Profile profile =
        Profile::Parse("[Drives]\nC=/srv/nc\n; note\n d = \"/mnt/d \" \n[X]\nE=1");
    EXPECT_EQ(profile.entries("drives"),
              (std::vector<Profile::Entry>{{"C", "/srv/nc"}, {"d", "/mnt/d "}}));
    EXPECT_TRUE(profile.entries("None").empty());
}

TEST(Profile, WritingKeepsEveryLineItDoesNotSet) {
    Profile profile = Profile::Parse("; made by hand\n"
                                     "[Main]\n"
                                     "  left = 1 ; old\n"
                                     "Colour=blue\n"
                                     "\n"
                                     "[Mine]\r\n"
                                     "x = 'a'\r\n");
    profile.setValue("Main", "Left", "20");
    profile.setValue("Main", "Top", "30");
    profile.setValue("Setting", "Mask_No", "2");
    EXPECT_EQ(profile.text(), "; made by hand\r\n"
                              "[Main]\r\n"
                              "Left=20\r\n"
                              "Colour=blue\r\n"
                              "Top=30\r\n"
                              "\r\n"
                              "[Mine]\r\n"
                              "x = 'a'\r\n"
                              "\r\n"
                              "[Setting]\r\n"
                              "Mask_No=2\r\n");
}

TEST(Profile, ValuesComeBackAsTheyWereWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\NC", "A=C:\\NC"},
        {" lead", "A=\" lead\""},
        {"trail\t", "A=\"trail\t\""},
        {"\"quoted\"", "A=\"\"quoted\"\""},
        {"'q'", "A=\"'q'\""},
        {"\"", "A=\""},
        {"", "A="},
        {"x = y", "A=x = y"},
    };
    for (const auto& [value, line] : cases) {
        Profile profile;
        profile.setValue("S", "A", value);
        EXPECT_EQ(profile.text(), "[S]\r\n" + line + "\r\n") << value;
        EXPECT_EQ(Profile::Parse(profile.text()).value("S", "A"), value);
    }
}

TEST(Profile, NeverWritesALineBreakIntoTheFile) {
    for (const std::string& value :
         {std::string("a\nb"), std::string("a\rb"), std::string("a\r\n"), std::string("a\0b", 3)}) {
        EXPECT_FALSE(Profile::CanHold(value));
        Profile profile = Profile::Parse("[S]\nA=old\n");
        EXPECT_THROW(profile.setValue("S", "A", value), std::invalid_argument);
        EXPECT_EQ(profile.text(), "[S]\r\nA=old\r\n");
    }
    EXPECT_TRUE(Profile::CanHold("C:\\\x83\x5C"));
}

} // namespace
