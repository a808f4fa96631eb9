#include "dialogs/filters.h"
#include "tests/dialogs/opendialogfixture.h"
#include "text/cp932_codec.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using text::Utf8ToCp932;

class FilterTest : public OpenDialogTest {
protected:
    FilterTest() {
        for (const char* name : {"demo.lst", "B.LNK", "c.txt", "noext", "d.nc"})
            c.file(name, "x");
        load();
        dialog.setFilter(
            BuildLinkFilter(Utf8ToCp932("ﾕｰｻﾞ1"), "*.NC", Utf8ToCp932("ﾕｰｻﾞ2"), "*.*"));
        dialog.show();
    }
    ~FilterTest() override { dialog.reject(); }

    QComboBox* combo() const { return dialog.findChild<QComboBox*>(u"fileTypeCombo"_qs); }
};

const QStringList kDescriptions = {
    u"ﾘﾝｸﾌｧｲﾙ(*.LST;*.LNK)"_qs, u"テキスト(*.txt)"_qs, u"ﾕｰｻﾞ1(*.NC)"_qs,
    u"ﾕｰｻﾞ2(*.*)"_qs,           u"すべて表示(*.*)"_qs, u"拡張子無し    "_qs,
};

TEST_F(FilterTest, TheComboShowsEachDescriptionWhole) {
    QStringList shown;
    for (int i = 0; i < combo()->count(); ++i)
        shown << combo()->itemText(i);
    EXPECT_EQ(shown, kDescriptions);
}

TEST_F(FilterTest, TheIndexRoundTripsAndOutOfRangeMeansTheFirst) {
    const std::pair<int, int> cases[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5},
                                         {6, 6}, {0, 1}, {7, 1}, {-2, 1}};
    for (const auto& [set, expected] : cases) {
        dialog.setFilterIndex(4);
        dialog.setFilterIndex(set);
        EXPECT_EQ(dialog.filterIndex(), expected) << set;
        EXPECT_EQ(combo()->currentText(), kDescriptions[expected - 1]) << set;
    }
}

TEST_F(FilterTest, PatternsMatchWithoutRegardToCase) {
    const QStringList every = {u"B.LNK"_qs, u"c.txt"_qs, u"d.nc"_qs, u"demo.lst"_qs, u"noext"_qs};
    const std::pair<int, QStringList> cases[] = {
        {1, {u"B.LNK"_qs, u"demo.lst"_qs}},
        {2, {u"c.txt"_qs}},
        {3, {u"d.nc"_qs}},
        {4, every}, // "*.*" takes names without a dot too
        {6, every}, // no pattern at all
    };
    for (const auto& [index, listed] : cases) {
        dialog.setFilterIndex(index);
        EXPECT_EQ(listedOnce(listed), listed) << index;
    }
}

using PatternTest = OpenDialogTest;

TEST_F(PatternTest, CharactersOutsideQtsFilterSyntaxStillMatchTheirNames) {
    c.file("my prog.nc", "x");
    c.file("a(1).nc", "x");
    c.file("other.nc", "x");
    load();
    dialog.setFilter("spaced|my prog.*;A(1).NC|");
    EXPECT_EQ(listedOnce({u"a(1).nc"_qs, u"my prog.nc"_qs}),
              (QStringList{u"a(1).nc"_qs, u"my prog.nc"_qs}));
}

using SettingsTest = OpenDialogTest;

TEST_F(SettingsTest, TitleFileNameAndFolderComeFromProgramTexts) {
    c.folder("加工");
    dialog.setTitle(Utf8ToCp932("ﾘﾝｸﾌｧｲﾙ選択"));
    dialog.setFileName(Utf8ToCp932("加工.lst"));
    dialog.setInitialDir("C:\\" + Utf8ToCp932("加工"));
    EXPECT_EQ(dialog.windowTitle(), u"ﾘﾝｸﾌｧｲﾙ選択"_qs);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(u"fileNameEdit"_qs)->text(), u"加工.lst"_qs);
    EXPECT_EQ(dialog.directory(), QDir(HostQString(c / "加工")));
}

TEST_F(SettingsTest, AFolderThatCannotBeFoundLeavesTheFolderShown) {
    const QDir before = dialog.directory();
    for (const std::string& folder : {"C:\\nowhere"s, "Q:\\"s, "C:\\a.lst"s}) {
        c.file("a.lst");
        dialog.setInitialDir(folder);
        EXPECT_EQ(dialog.directory(), before) << folder;
    }
}

} // namespace
