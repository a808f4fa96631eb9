#include "tests/cli/clifixture.h"
#include "tests/platform/cp932names.h"
#include "tests/support/withoutaccessoverride.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace cli::test {
namespace {

using platform::test::kSofuto;

// A small NC library, and a link file (CP932, CR LF) that names its files in
// every way a list does.
class LibraryTest : public CliTest {
protected:
    LibraryTest() {
        c.file("NC/PARTS/A.NC", "A");
        c.file("NC/PARTS/B.NC", "B");
        c.file("NC/TW/O9500.NC0", "macro");
        c.file("NC/JK/SUB1.NC0", "sub");
        c.file("NC/ソフト/C.NC", "C");
        c.file("NC/WILD/X1.NC", "X1");
        c.file("NC/WILD/X2.NC", "X2");
    }

    std::string linkFile(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += line + "\r\n";
        return c.file("LISTS/JOB.LST", bytes);
    }

    std::string contents(const std::string& relative) {
        std::ifstream in(c / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(LibraryTest, CheckPrintsEachListedFileInListOrder) {
    const std::string list = linkFile({
        "; job 12",
        "FILE=C:\\NC\\PARTS\\A.NC ;first",
        "file=c:\\nc\\parts\\b.nc",
        "FILE=C:\\NC\\REL\\O9500",
        "FILE=C:\\NC\\REL\\\tSUB1", // the tab is expanded as the list shows it
        "FILE=C:\\NC\\" + kSofuto + "\\C.NC",
        "FILE=C:\\NC\\PARTS\\GONE.NC",
        "FILE=C:\\NC\\REL\\O1234.NC",
        "FILE=C:\\NC\\WILD\\X*.NC",
        "",
    });
    const Outcome outcome = run({"check", list});
    EXPECT_EQ(outcome.out, "found\tC:\\NC\\PARTS\\A.NC \n"
                           "found\tC:\\NC\\PARTS\\B.NC\n"
                           "found\tC:\\NC\\TW\\O9500.NC0\n"
                           "found\tC:\\NC\\JK\\SUB1.NC0\n"
                           "found\tC:\\NC\\ソフト\\C.NC\n"
                           "missing\tC:\\NC\\PARTS\\GONE.NC\n"
                           "unresolved\tFILE=C:\\NC\\REL\\O1234.NC\n"
                           "found\tC:\\NC\\WILD\\X*.NC\n");
    EXPECT_EQ(outcome.status, kProblems);
    EXPECT_EQ(outcome.err, "");
}

TEST_F(LibraryTest, CheckSucceedsWhenEveryFileIsFound) {
    const std::string list = linkFile({"FILE=C:\\NC\\PARTS\\A.NC", "; no entry"});
    for (const std::string& name : {list, std::string("C:\\LISTS\\JOB.LST")}) {
        const Outcome outcome = run({"check", name});
        EXPECT_EQ(outcome.out, "found\tC:\\NC\\PARTS\\A.NC\n") << name;
        EXPECT_EQ(outcome.status, kAllWell) << name;
    }
    EXPECT_EQ(run({"check", linkFile({})}).status, kAllWell);
}

TEST_F(LibraryTest, ALinkFileThatCannotBeReadIsAnErrorOnStandardError) {
    const std::string locked = c.file("LISTS/LOCKED.LST", "FILE=C:\\A.NC\r\n");
    chmod(locked.c_str(), 0);
    const std::string fifo = c / "LISTS/FIFO.LST";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const platform::test::WithoutAccessOverride asOwner;
    const std::pair<std::string, std::string> cases[] = {
        {c / "LISTS/GONE.LST", "C:\\LISTS\\GONE.LST"},
        {locked, "C:\\LISTS\\LOCKED.LST"},
        {fifo, "C:\\LISTS\\FIFO.LST"},
        {c / "NC", "C:\\NC"},
    };
    for (const auto& [name, shown] : cases) {
        const Outcome outcome = run({"check", name});
        EXPECT_EQ(outcome.status, kUsage) << name;
        EXPECT_EQ(outcome.out, "") << name;
        EXPECT_EQ(outcome.err, "tessivar-cli: ファイル " + shown + " は開けません\n");
    }
}

TEST_F(LibraryTest, CopyCreatesTheDestinationOneLevelAndCopiesEveryFoundFile) {
    const std::string list = linkFile({
        "FILE=C:\\NC\\PARTS\\A.NC",
        "FILE=C:\\NC\\REL\\O9500",
        "FILE=C:\\NC\\" + kSofuto + "\\C.NC",
        "FILE=C:\\NC\\WILD\\X*.NC",
    });
    const Outcome outcome = run({"copy", list, c / "OUT"});
    EXPECT_EQ(outcome.out, "copied\tC:\\OUT\\A.NC\n"
                           "copied\tC:\\OUT\\O9500.NC0\n"
                           "copied\tC:\\OUT\\C.NC\n"
                           "copied\tC:\\OUT\\X1.NC\n"
                           "copied\tC:\\OUT\\X2.NC\n");
    EXPECT_EQ(outcome.status, kAllWell);
    EXPECT_EQ(contents("OUT/O9500.NC0"), "macro");
    EXPECT_EQ(contents("OUT/X2.NC"), "X2");
}

TEST_F(LibraryTest, CopyReportsWhatIsMissingAndCopiesTheRest) {
    const std::string list = linkFile(
        {"FILE=C:\\NC\\PARTS\\GONE.NC", "FILE=C:\\NC\\REL\\O1234", "FILE=C:\\NC\\PARTS\\B.NC"});
    const Outcome outcome = run({"copy", list, "C:\\OUT"});
    EXPECT_EQ(outcome.out, "missing\tC:\\NC\\PARTS\\GONE.NC\n"
                           "unresolved\tFILE=C:\\NC\\REL\\O1234\n"
                           "copied\tC:\\OUT\\B.NC\n");
    EXPECT_EQ(outcome.status, kProblems);
    EXPECT_EQ(contents("OUT/B.NC"), "B");
}

TEST_F(LibraryTest, CopyKeepsExistingFilesUnlessOverwrite) {
    const std::string list = linkFile({"FILE=C:\\NC\\PARTS\\A.NC", "FILE=C:\\NC\\PARTS\\B.NC"});
    c.file("OUT/A.NC", "old A");
    const Outcome kept = run({"copy", list, "C:\\OUT\\"});
    EXPECT_EQ(kept.out, "kept\tC:\\OUT\\A.NC\ncopied\tC:\\OUT\\B.NC\n");
    EXPECT_EQ(kept.status, kProblems);
    EXPECT_EQ(contents("OUT/A.NC"), "old A");

    const Outcome replaced = run({"copy", "--overwrite", list, "C:\\OUT"});
    EXPECT_EQ(replaced.out, "copied\tC:\\OUT\\A.NC\ncopied\tC:\\OUT\\B.NC\n");
    EXPECT_EQ(replaced.status, kAllWell);
    EXPECT_EQ(contents("OUT/A.NC"), "A");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(c / "OUT"), {}), 2);
}

TEST_F(LibraryTest, AFileListedTwiceIsCopiedOnceButTwoFilesOfOneNameConflict) {
    c.file("NC/OTHER/A.NC", "other A");
    const std::string twice = linkFile({"FILE=C:\\NC\\PARTS\\A.NC", "file=c:\\nc\\parts\\a.nc  "});
    const Outcome once = run({"copy", twice, "C:\\OUT"});
    EXPECT_EQ(once.out, "copied\tC:\\OUT\\A.NC\n");
    EXPECT_EQ(once.status, kAllWell);

    const std::string clash = linkFile({"FILE=C:\\NC\\PARTS\\A.NC", "FILE=C:\\NC\\OTHER\\A.NC"});
    const Outcome kept = run({"copy", clash, "C:\\NEW"});
    EXPECT_EQ(kept.out, "copied\tC:\\NEW\\A.NC\nkept\tC:\\NEW\\A.NC\n");
    EXPECT_EQ(kept.status, kProblems);
    EXPECT_EQ(contents("NEW/A.NC"), "A");
}

TEST_F(LibraryTest, CopyDrawsProgressOnlyWhereAsked) {
    const std::string list = linkFile({"FILE=C:\\NC\\PARTS\\A.NC", "FILE=C:\\NC\\PARTS\\B.NC"});
    const Outcome quiet = run({"copy", list, "C:\\OUT"});
    EXPECT_EQ(quiet.err, "");
    const Outcome drawn = run({"copy", "--overwrite", list, "C:\\OUT"}, {}, true);
    EXPECT_NE(drawn.err.find("[1/2] A.NC 0%"), std::string::npos) << drawn.err;
    EXPECT_NE(drawn.err.find("[2/2] B.NC 0%"), std::string::npos) << drawn.err;
    EXPECT_TRUE(drawn.err.ends_with("\r\033[K")) << drawn.err;
    EXPECT_EQ(drawn.out, quiet.out);
}

TEST_F(LibraryTest, CopyReportsEachFileThatFails) {
    const std::string list = linkFile({"FILE=C:\\NC\\PARTS\\A.NC", "FILE=C:\\OUT\\SELF.NC"});
    c.file("OUT/SELF.NC", "self");
    const Outcome outcome = run({"copy", list, "C:\\OUT"});
    EXPECT_EQ(outcome.out, "copied\tC:\\OUT\\A.NC\n"
                           "failed\tC:\\OUT\\SELF.NC\tsource and target are the same file\n");
    EXPECT_EQ(outcome.status, kProblems);
    EXPECT_EQ(contents("OUT/SELF.NC"), "self");
}

TEST_F(LibraryTest, CopyMakesNoMoreThanOneFolderLevel) {
    const std::string list = linkFile({"FILE=C:\\NC\\PARTS\\A.NC"});
    const Outcome outcome = run({"copy", list, "C:\\NEW\\OUT"});
    EXPECT_EQ(outcome.status, kProblems);
    EXPECT_EQ(outcome.err, "tessivar-cli: cannot create the folder C:\\NEW\\OUT\n");
    EXPECT_FALSE(std::filesystem::exists(c / "NEW"));
}

TEST_F(LibraryTest, DrivesComeFromTheSettingsFileThenTheCommandLine) {
    c.file("D1/A.NC", "a");
    c.file("D2/B.NC", "b");
    const std::string list = linkFile({"FILE=D:\\A.NC", "FILE=E:\\B.NC"});
    EXPECT_EQ(run({"check", list}).out, "missing\tD:\\A.NC\nmissing\tE:\\B.NC\n");
    ASSERT_TRUE(settings.write("[Drives]\r\nD=" + (c / "D1") + "\r\nE=/nowhere\r\n"));
    EXPECT_EQ(run({"check", list}).out, "found\tD:\\A.NC\nmissing\tE:\\B.NC\n");
    const Outcome outcome = run({"check", list, "--drive", "e=" + (c / "D2")});
    EXPECT_EQ(outcome.out, "found\tD:\\A.NC\nfound\tE:\\B.NC\n");
    EXPECT_EQ(outcome.status, kAllWell);
}

TEST_F(CliTest, ResolvePrintsWhatTheEditButtonOpens) {
    const Outcome outcome = run({"resolve"}, "file=c:\\nc\\rel\\o9500 ;macro\r\n"
                                             "FILE=C:\\MY DATA\\A.NC\r\n"
                                             "; heading\r\n"
                                             "FILE=C:\\NC\\REL\\O1234.NC\n"
                                             "FILE=C:\\REL\\\tSUB1\r"
                                             "FILE=C:\\" +
                                                 kSofuto + "\\B.NC");
    EXPECT_EQ(outcome.out, "C:\\NC\\TW\\O9500.NC0\n"
                           "C:\\MYDATA\\A.NC\n"
                           "\n"
                           "\n"
                           "C:\\JK\\SUB1.NC0\n"
                           "C:\\ソフト\\B.NC\n");
    EXPECT_EQ(outcome.status, kAllWell);
}

TEST_F(CliTest, UsageErrorsHelpAndVersion) {
    const Outcome usage = run({"check"});
    EXPECT_EQ(usage.status, kUsage);
    EXPECT_EQ(usage.out, "");
    EXPECT_EQ(usage.err, "tessivar-cli: 'check' takes 1 argument(s)\nTry 'tessivar-cli --help'.\n");

    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, kAllWell);
    EXPECT_EQ(help.out.rfind("Usage: tessivar-cli", 0), 0u);
    EXPECT_EQ(run({"--version"}).out, "1.08\n");
}

} // namespace
} // namespace cli::test
