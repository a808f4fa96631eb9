#include "cp932names.h"
#include "platform/pathmap.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace platform {
namespace {

using test::kSo;
using test::kSofuto;

constexpr const char* kCurrent = "D:\\WORK\\SUB";

struct FormCase {
    const char* path;
    const char* expected; // nullptr: no usable path
    friend void PrintTo(const FormCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }
};

class NormaliseForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(NormaliseForm, Normalises) {
    const auto normalised = NormalisePath(GetParam().path, kCurrent);
    if (GetParam().expected == nullptr) {
        EXPECT_FALSE(normalised) << FormatProgramPath(*normalised);
    } else {
        ASSERT_TRUE(normalised);
        EXPECT_EQ(FormatProgramPath(*normalised), GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseForm,
    ::testing::Values(
        FormCase{"C:\\NC\\REL\\O9500.NC0", "C:\\NC\\REL\\O9500.NC0"},
        FormCase{"c:/NC/REL", "C:\\NC\\REL"}, FormCase{"C:\\NC/REL\\", "C:\\NC\\REL"},
        FormCase{"C:\\\\NC//\\A", "C:\\NC\\A"}, FormCase{"C:\\NC\\.\\A\\.", "C:\\NC\\A"},
        FormCase{"C:\\NC\\REL\\..\\A", "C:\\NC\\A"}, FormCase{"C:\\NC\\..", "C:\\"},
        FormCase{"C:\\..\\..\\A", "C:\\A"}, FormCase{"C:\\NC\\A.NC   ", "C:\\NC\\A.NC"},
        FormCase{"C:\\NC\\A.", "C:\\NC\\A"}, FormCase{"C:\\NC\\A. .", "C:\\NC\\A"},
        FormCase{"C:\\NC. \\A ", "C:\\NC. \\A"}, FormCase{"C:\\NC\\...", "C:\\NC"},
        FormCase{"C:\\NC\\ .", "C:\\NC"}, FormCase{"c:\\nc", "C:\\nc"},
        FormCase{"A.NC", "D:\\WORK\\SUB\\A.NC"}, FormCase{"sub\\A.NC", "D:\\WORK\\SUB\\sub\\A.NC"},
        FormCase{"..\\B", "D:\\WORK\\B"}, FormCase{"\\NC\\A", "D:\\NC\\A"},
        FormCase{"/NC/A", "D:\\NC\\A"}, FormCase{"d:A", "D:\\WORK\\SUB\\A"},
        FormCase{"D:", "D:\\WORK\\SUB"}, FormCase{"C:A", "C:\\A"}, FormCase{"C:", "C:\\"},
        FormCase{"\\\\server\\share", nullptr}, FormCase{"//server/x", nullptr},
        FormCase{"\\/server/x", nullptr}, FormCase{"1:\\A", nullptr}, FormCase{"@:\\A", nullptr},
        FormCase{"\xC3:\\A", nullptr}, FormCase{"", nullptr}));

TEST(NormalisePath, NeedsAnAbsoluteCurrentFolderForRelativePaths) {
    for (const char* current : {"", "NC\\SUB", "\\\\server\\share"}) {
        EXPECT_FALSE(NormalisePath("A.NC", current)) << current;
        EXPECT_FALSE(NormalisePath("\\NC\\A", current)) << current;
        const auto driveRelative = NormalisePath("C:A", current);
        ASSERT_TRUE(driveRelative) << current;
        EXPECT_EQ(FormatProgramPath(*driveRelative), "C:\\A");
    }
}

struct SegmentCase {
    std::string path;
    std::vector<std::string> segments;
    friend void PrintTo(const SegmentCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }
};

class NormaliseSegments : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(NormaliseSegments, KeepsDoubleByteCharactersWhole) {
    const auto normalised = NormalisePath(GetParam().path, kCurrent);
    ASSERT_TRUE(normalised);
    EXPECT_EQ(normalised->drive, 'C');
    EXPECT_EQ(normalised->segments, GetParam().segments);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormaliseSegments,
                         ::testing::Values(SegmentCase{"C:\\" + kSofuto + "\\A", {kSofuto, "A"}},
                                           SegmentCase{"C:\\NC\\" + kSo, {"NC", kSo}},
                                           SegmentCase{"C:\\" + kSo + kSo + "\\", {kSo + kSo}},
                                           SegmentCase{"C:\\" + kSo + ". ", {kSo}},
                                           SegmentCase{"C:\\NC\\AB\x83", {"NC", "AB\x83"}},
                                           SegmentCase{"C:\\NC\\\x83", {"NC", "\x83"}}));

} // namespace
} // namespace platform
