#include "dialogs/editortext.h"
#include "dialogs/filters.h"
#include "dialogs/textpreview.h"
#include "dialogs/userdefinitions.h"
#include "text/cp932_codec.h"

#include <gtest/gtest.h>

namespace {

using text::Utf8ToCp932;

TEST(LinkFilter, DefaultsGiveTheSixEntries) {
    const std::string filter =
        BuildLinkFilter(Utf8ToCp932("ﾕｰｻﾞ1"), "*.*", Utf8ToCp932("ﾕｰｻﾞ2"), "*.*");
    EXPECT_EQ(filter,
              Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)|*.LST;*.LNK|テキスト(*.txt)|*.TXT|"
                          "ﾕｰｻﾞ1(*.*)|*.*|ﾕｰｻﾞ2(*.*)|*.*|すべて表示(*.*)|*.*|拡張子無し    |"));
    const auto entries = SplitFilter(filter);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0].pattern, "*.LST;*.LNK");
    EXPECT_EQ(entries[2].description, Utf8ToCp932("ﾕｰｻﾞ1(*.*)"));
    EXPECT_EQ(entries[5].description, Utf8ToCp932("拡張子無し    "));
    EXPECT_EQ(entries[5].pattern, "");
}

TEST(LinkFilter, ChangedDefinitionsStandThirdAndFourth) {
    const std::string filter =
        BuildLinkFilter(Utf8ToCp932("ﾕｰｻﾞ定義1"), "*.nc1", Utf8ToCp932("ﾕｰｻﾞ定義2"), "*.NC");
    EXPECT_EQ(filter, Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)|*.LST;*.LNK|テキスト(*.txt)|*.TXT|"
                                  "ﾕｰｻﾞ定義1(*.nc1)|*.nc1|ﾕｰｻﾞ定義2(*.NC)|*.NC|すべて表示(*.*)|*.*|"
                                  "拡張子無し    |"));
}

TEST(LinkFilter, ABarInANameShiftsTheLaterPairs) {
    const auto entries = SplitFilter(BuildLinkFilter("a|b", "*.x", "c", "*.y"));
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[2].description, "a");
    EXPECT_EQ(entries[2].pattern, "b(*.x)");
    EXPECT_EQ(entries[3].description, "*.x");
    EXPECT_EQ(entries[3].pattern, "c(*.y)");
    EXPECT_EQ(entries[5].description, "*.*");
    EXPECT_EQ(entries[5].pattern, Utf8ToCp932("拡張子無し    "));
}

TEST(LinkFilter, ATrailBarDoesNotSplit) {
    // "ポ" is 0x83 0x7C: its trail byte is "|".
    const std::string po = "\x83\x7C";
    const auto entries = SplitFilter(po + "(*.A)|*.A|" + po + "|*.B|");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].description, po + "(*.A)");
    EXPECT_EQ(entries[1].description, po);
    EXPECT_EQ(entries[1].pattern, "*.B");
    EXPECT_TRUE(SplitFilter("").empty());
    ASSERT_EQ(SplitFilter("only").size(), 1u);
    EXPECT_EQ(SplitFilter("only")[0].pattern, "");
}

TEST(UserMask, ATypedExtensionBecomesAPattern) {
    const std::pair<std::string, std::string> cases[] = {
        {"nc1", "*.nc1"},      {".nc1", "*.nc1"}, {"*.nc1", "*.nc1"}, {"*", "*.*"},
        {"old.nc", "*old.nc"}, {"*nc", "*.*nc"},  {"a*.b", "a*.b"},   {"\x83\x5C", "*.\x83\x5C"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(NormaliseMask(typed), stored) << typed;
}

TEST(UserDefinitionsAccept, FillsEmptyBoxesAndNormalisesMasks) {
    const UserDefinitions typed{"", "nc1", "", ".NC"};
    const UserDefinitions stored = AcceptedDefinitions(typed);
    EXPECT_EQ(stored.name1, Utf8ToCp932("ﾕｰｻﾞ定義1"));
    EXPECT_EQ(stored.mask1, "*.nc1");
    EXPECT_EQ(stored.name2, Utf8ToCp932("ﾕｰｻﾞ定義2"));
    EXPECT_EQ(stored.mask2, "*.NC");
    // The second worked example of the filter follows from these.
    EXPECT_EQ(BuildLinkFilter(stored.name1, stored.mask1, stored.name2, stored.mask2),
              Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)|*.LST;*.LNK|テキスト(*.txt)|*.TXT|"
                          "ﾕｰｻﾞ定義1(*.nc1)|*.nc1|ﾕｰｻﾞ定義2(*.NC)|*.NC|すべて表示(*.*)|*.*|"
                          "拡張子無し    |"));
    const UserDefinitions emptyMasks = AcceptedDefinitions({"A", "", "B|C", ""});
    EXPECT_EQ(emptyMasks.mask1, "*.*");
    EXPECT_EQ(emptyMasks.mask2, "*.*");
    EXPECT_EQ(emptyMasks.name2, "B|C");
}

TEST(ListEditorText, LineBreaksBecomeCrLfAndNothingElseChanges) {
    EXPECT_EQ(PreviewText("a\r\nb\rc\nd\r\n"), "a\nb\nc\nd\n");
    EXPECT_EQ(PreviewText(std::string("a\r\nb\0c", 6)), "a\nb");
    EXPECT_EQ(FileBytesOf("a\nb\n\n"), "a\r\nb\r\n\r\n");
    const std::string so = "\x83\x5C\n\x95\x5C"; // trail bytes 0x5C stay
    EXPECT_EQ(PreviewText(FileBytesOf(so)), so);
}

TEST(ListEditorText, TheSaveExtensionFollowsTheFilterIndex) {
    const std::pair<int, std::optional<std::string>> cases[] = {
        {1, "lst"}, {2, "txt"}, {3, "nc1"},        {4, ""},
        {5, "lst"}, {6, ""},    {0, std::nullopt}, {7, std::nullopt},
    };
    for (const auto& [maskNo, extension] : cases)
        EXPECT_EQ(SaveExtensionFor(maskNo, "*.nc1", "*.*"), extension) << maskNo;
    EXPECT_EQ(SaveExtensionFor(3, "*old.nc", ""), "nc");
    EXPECT_EQ(SaveExtensionFor(3, "nc", ""), "");
}

} // namespace
