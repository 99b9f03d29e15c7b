// Tool working files: blank contents, round trips, damaged or missing files, deletion.
#include "files/working_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/study_fixtures.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CrLfLines;
using test::Slurp;
using test::Spit;

const char* const kAllSeven[] = {kEstimateFile, kScheduleOptionFile, kRefinanceFile, kDischargeFile,
                                 kShopperFile,  kCompareFile,        kSolverFile};

std::string Repeat(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += line + "\r\n";
    return out;
}

TEST(WorkingFiles, ResetWritesTheBlankContents) {
    test::TempFolder folder;
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    const std::string blank = "\" \"";
    EXPECT_EQ(Repeat(blank, 15), Slurp(folder.Path("$$em_tmp.bin")));
    EXPECT_EQ("1\r\n", Slurp(folder.Path("$$sh_tmp.bin")));
    EXPECT_EQ("0\r\n" + Repeat(blank, 7), Slurp(folder.Path("$$rf_tmp.bin")));
    EXPECT_EQ("0\r\n" + Repeat(blank, 1), Slurp(folder.Path("$$ed_tmp.bin")));
    EXPECT_EQ(Repeat(blank, 9), Slurp(folder.Path("$$ps_tmp.bin")));
    EXPECT_EQ(Repeat(blank, 4) + "0\r\n" + blank + "\r\n0\r\n", Slurp(folder.Path("$$cs_tmp.bin")));
    EXPECT_EQ(CrLfLines({"0", blank, blank, "1", "1", "4"}), Slurp(folder.Path("$$sb_tmp.bin")));
    EXPECT_TRUE(BlankToolSections() == ReadToolFiles(folder.Prefix()));
}

TEST(WorkingFiles, AllSectionsRoundTripAndResetClearsThem) {
    test::TempFolder folder;
    const ToolSections rich = test::RichStudy().tools;
    ASSERT_TRUE(WriteToolFiles(folder.Prefix(), rich));
    EXPECT_TRUE(rich == ReadToolFiles(folder.Prefix()));
    EXPECT_EQ("3\r\n", Slurp(folder.Path(kScheduleOptionFile)));
    EXPECT_EQ(CrLfLines({"\"120000\"", "\"6.75\"", "\"25\"", "\"5\"", "35200",
                         "\"Every Two Weeks\"", "2", "1000", "0", "35300", "0", "25.5", "35310"}),
              Slurp(folder.Path(kCompareFile)));
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    EXPECT_TRUE(BlankToolSections() == ReadToolFiles(folder.Prefix()));
}

TEST(WorkingFiles, OneWindowsFileLeavesTheOthersAlone) {
    test::TempFolder folder;
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    ASSERT_TRUE(WriteScheduleOptionFile(folder.Prefix(), ScheduleSection{2}));
    EXPECT_EQ(2, ReadScheduleOptionFile(folder.Prefix()).option);
    ToolSections expected = BlankToolSections();
    expected.schedule.option = 2;
    EXPECT_TRUE(expected == ReadToolFiles(folder.Prefix()));
}

TEST(WorkingFiles, RefinanceFileOfSixTextsGetsABlankSeventh) {
    test::TempFolder folder;
    Spit(folder.Path(kRefinanceFile),
         CrLfLines({"35500", "\"6.5\"", "\"150\"", "\"3\"", "\"\"", "\"1.5\"", "\"2\""}));
    const RefinanceSection s = ReadRefinanceFile(folder.Prefix());
    EXPECT_EQ(35500, s.date);
    EXPECT_EQ((std::array<std::string, 7>{"6.5", "150", "3", "", "1.5", "2", " "}), s.texts);
    // Five texts are a damaged file, not a short one.
    Spit(folder.Path(kRefinanceFile),
         CrLfLines({"35500", "\"6.5\"", "\"150\"", "\"3\"", "\"\"", "\"1.5\""}));
    EXPECT_TRUE(BlankToolSections().refinance == ReadRefinanceFile(folder.Prefix()));
}

TEST(WorkingFiles, MissingOrDamagedFilesGiveBlankSections) {
    test::TempFolder folder;
    EXPECT_TRUE(BlankToolSections() == ReadToolFiles(folder.Prefix()));
    Spit(folder.Path(kScheduleOptionFile), "9\r\n");
    EXPECT_EQ(1, ReadScheduleOptionFile(folder.Prefix()).option);
    Spit(folder.Path(kCompareFile),
         CrLfLines({"\"a\"", "\"b\"", "\"c\"", "\"d\"", "0", "\" \"", "30000", "1", "2"}));
    EXPECT_TRUE(BlankToolSections().compare == ReadCompareFile(folder.Prefix()));
    Spit(folder.Path(kSolverFile), CrLfLines({"0", "\" \"", "\" \"", "1", "1", "4", "7"}));
    EXPECT_TRUE(BlankToolSections().solver == ReadSolverFile(folder.Prefix()));
    Spit(folder.Path(kDischargeFile), std::string("\0\xff\x01,\"", 5));
    EXPECT_TRUE(BlankToolSections().discharge == ReadDischargeFile(folder.Prefix()));
}

TEST(WorkingFiles, WritingIntoAMissingFolderFails) {
    test::TempFolder folder;
    EXPECT_FALSE(ResetToolFiles(folder.Path("gone/")));
    EXPECT_FALSE(WriteEstimateFile(folder.Path("gone/"), EstimateSection{}));
}

TEST(WorkingFiles, DeleteRemovesTheSevenAndNothingElse) {
    test::TempFolder folder;
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    Spit(folder.Path("$$temp.bin"), "1\r\n");
    DeleteToolFiles(folder.Prefix());
    for (const char* name : kAllSeven)
        EXPECT_FALSE(std::filesystem::exists(folder.Path(name))) << name;
    EXPECT_TRUE(std::filesystem::exists(folder.Path("$$temp.bin")));
    DeleteToolFiles(folder.Prefix()); // already gone: nothing to complain about
}

} // namespace
} // namespace hl
