#include "resolve/entryline.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(EditPath, IgnoresLinesWithoutAnEntry) {
    for (const std::string line : {"", "; heading", "C:\\NC\\REL\\O9500", "FILE C:\\A.NC", "FIL=E"})
        EXPECT_EQ(EditPathOf(line), std::nullopt) << line;
}

TEST(EditPath, FormsTheUpperCasedPathWithoutBlanks) {
    const std::pair<std::string, std::string> cases[] = {
        {"file=c:\\nc\\rel\\o9500 ;macro", "C:\\NC\\TW\\O9500.NC0"},
        {"FILE=D:\\NEC_PC\\N9502", "D:\\NEC_PC\\O9502.NC0"},
        {"FILE=C:\\NC\\REL\\O1234.NC", ""},       // library name in no row
        {"; FILE=C:\\A.NC", ""},                  // the cut removed FILE=
        {"FILE=C:\\A.NC ; x /* y", "C:\\A.NC;X"}, // "/*" wins; ";" stays
        {"FILE=C:\\MY DATA\\A.NC", "C:\\MYDATA\\A.NC"},
        {"\tFILE=\tC:\\A.NC\t/*tab*/", "C:\\A.NC"},
        {"FILE=C:\\A.NC FILE=B", "C:\\A.NCB"},            // every FILE= goes
        {"FILE=A.NC", "A.NC"},                            // relative stays relative
        {"FILE=C:\\REL\\O9500\t;x", "C:\\TW\\O9500.NC0"}, // the tab of a library path goes too
    };
    for (const auto& [line, path] : cases)
        EXPECT_EQ(EditPathOf(line), path) << line;
}

TEST(EditPath, UpperCasesNoTrailByte) {
    // "ソ" (0x83 0x5C) and "ａ" (0x82 0x81): only single-byte letters change.
    EXPECT_EQ(EditPathOf("file=c:\\\x83\x5C\\a\x82\x81.nc"), "C:\\\x83\x5C\\A\x82\x81.NC");
    EXPECT_EQ(EditPathOf("file=c:\\\x83\x61.nc"), "C:\\\x83\x61.NC"); // 0x61 trails, stays "a"
}

TEST(SearchPath, FormsThePathAsWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"FILE=C:\\NC\\REL\\O9500 ;macro", "C:\\NC\\TW\\O9500.NC0"},
        {"file=c:\\nc\\o1234.nc", "C:\\NC\\O1234.NC"},
        // The library test is case-sensitive: no group folder, no extension.
        {"file=c:\\nc\\rel\\o9500", "C:\\NC\\REL\\O9500"},
        {"C:\\NC\\REL\\SUB1", "C:\\NC\\JK\\SUB1.NC0"},              // resolved without FILE=
        {"FILE=C:\\NC\\REL\\O1234.NC", ""},                         // library name in no row
        {"FILE=C:\\NC\\O1234.NC   /* x */", "C:\\NC\\O1234.NC   "}, // blanks kept
        {"FILE= \tC:\\A.NC", " \tC:\\A.NC"},
        {"FILE=C:\\A.NC ; x /* y", "C:\\A.NC ; X "}, // cut at "/*", the ";" kept
        {"FILE=C:\\A FILE=B", "C:\\A B"},
        {"FILE=C:\\NC\\*.NC", "C:\\NC\\*.NC"},
        {"; FILE=C:\\A.NC", ""},
        {"[ heading ]", ""},
        {"", ""},
    };
    for (const auto& [line, path] : cases)
        EXPECT_EQ(SearchTargetOf(line).path, path) << line;
}

TEST(SearchPath, MarksOnlyLibraryEntriesInNoRowAsUnresolved) {
    const std::pair<std::string, bool> cases[] = {
        {"FILE=C:\\NC\\REL\\O1234.NC", true},
        {"D:\\NEC_PC\\XYZ ; no FILE= needed", true},
        {"FILE=C:\\NC\\REL\\O9500", false},
        {"file=c:\\nc\\rel\\o1234", false}, // no library test in lower case
        {"FILE=C:\\NC\\O1234.NC", false},
        {"; C:\\NC\\REL\\O1234", false}, // the comment holds the library path
        {"", false},
    };
    for (const auto& [line, unresolved] : cases)
        EXPECT_EQ(SearchTargetOf(line).unresolved, unresolved) << line;
}

} // namespace
