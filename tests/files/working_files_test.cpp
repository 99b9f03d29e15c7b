// Tool working files: blank contents, round trips, damaged or missing files, deletion.
#include "files/working_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/text_items.h"
#include "files/section_items.h"
#include "files/study_fixtures.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CrLfLines;
using test::Slurp;
using test::Spit;

std::vector<std::string> Repeat(const std::string& line, int times) {
    return std::vector<std::string>(static_cast<std::size_t>(times), line);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        lines.push_back(text.substr(start, p - start));
    return lines;
}

struct BlankFile {
    ToolFile file;
    const char* name;
    std::vector<std::string> lines;
};

// The blank contents every window has always started from.
const std::vector<BlankFile>& BlankFiles() {
    const std::string b = "\" \"";
    static const std::vector<BlankFile> files = {
        {ToolFile::Estimate, "$$em_tmp.bin", Repeat(b, 15)},
        {ToolFile::ScheduleOption, "$$sh_tmp.bin", {"1"}},
        {ToolFile::Refinance, "$$rf_tmp.bin", {"0", b, b, b, b, b, b, b}},
        {ToolFile::Discharge, "$$ed_tmp.bin", {"0", b}},
        {ToolFile::Shopper, "$$ps_tmp.bin", Repeat(b, 9)},
        {ToolFile::Compare, "$$cs_tmp.bin", {b, b, b, b, "0", b, "0"}},
        {ToolFile::Solver, "$$sb_tmp.bin", {"0", b, b, "1", "1", "4"}},
    };
    return files;
}

TEST(WorkingFiles, ResetWritesTheBlankContentsOfEveryFile) {
    test::TempFolder folder;
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    ASSERT_EQ(ToolFileRows().size(), BlankFiles().size()) << "a tool file without a case here";
    for (const BlankFile& f : BlankFiles()) {
        EXPECT_STREQ(f.name, ToolFileName(f.file));
        EXPECT_EQ(CrLfLines(f.lines), Slurp(folder.Path(f.name))) << f.name;
        EXPECT_TRUE(ToolSection(f.file) == ReadToolFile(folder.Prefix(), f.file)) << f.name;
    }
    EXPECT_TRUE(BlankToolSections() == ReadToolFiles(folder.Prefix()));
}

TEST(WorkingFiles, AllSectionsRoundTripAndResetClearsThem) {
    test::TempFolder folder;
    const ToolSections rich = test::RichStudy().tools;
    ASSERT_TRUE(WriteToolFiles(folder.Prefix(), rich));
    EXPECT_TRUE(rich == ReadToolFiles(folder.Prefix()));
    EXPECT_EQ("3\r\n", Slurp(folder.Path("$$sh_tmp.bin")));
    EXPECT_EQ(CrLfLines({"\"120000\"", "\"6.75\"", "\"25\"", "\"5\"", "35200",
                         "\"Every Two Weeks\"", "2", "1000", "0", "35300", "0", "25.5", "35310"}),
              Slurp(folder.Path("$$cs_tmp.bin")));
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    EXPECT_TRUE(BlankToolSections() == ReadToolFiles(folder.Prefix()));
}

TEST(WorkingFiles, OneWindowsFileLeavesTheOthersAlone) {
    test::TempFolder folder;
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    ToolSection option(ToolFile::ScheduleOption);
    option.SetWhole(0, 2);
    ASSERT_TRUE(WriteToolFile(folder.Prefix(), option));
    EXPECT_EQ(2, ReadToolFile(folder.Prefix(), ToolFile::ScheduleOption).Whole(0));
    ToolSections expected = BlankToolSections();
    expected[ToolFile::ScheduleOption] = option;
    EXPECT_TRUE(expected == ReadToolFiles(folder.Prefix()));
}

TEST(WorkingFiles, RefinanceFileOfSixTextsGetsABlankSeventh) {
    test::TempFolder folder;
    const std::string prefix = folder.Prefix();
    Spit(folder.Path("$$rf_tmp.bin"),
         CrLfLines({"35500", "\"6.5\"", "\"150\"", "\"3\"", "\"\"", "\"1.5\"", "\"2\""}));
    const ToolSection s = ReadToolFile(prefix, ToolFile::Refinance);
    EXPECT_EQ(35500, s.Day(0));
    const std::vector<std::string> texts = {"6.5", "150", "3", "", "1.5", "2", " "};
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i], s.Text(i + 1)) << "text " << i + 1;
    // Written back, it holds all seven again.
    ASSERT_TRUE(WriteToolFile(prefix, s));
    EXPECT_EQ(8u, Lines(Slurp(folder.Path("$$rf_tmp.bin"))).size());
    // A study section must hold the seventh.
    ItemReader r(CrLfLines({"35500", "\"6.5\"", "\"150\"", "\"3\"", "\"\"", "\"1.5\"", "\"2\""}));
    EXPECT_THROW(ReadSectionItems(r, ToolFile::Refinance, SectionSource::StudyFile),
                 ItemFormatError);
}

// Each window's file written with the rich values, then spoilt: cut short at every line, each
// line in turn replaced by a word, an item added after the end, or binary bytes. Every one
// reads as the blank section, and only the six-text refinance file is a short file accepted.
TEST(WorkingFiles, EveryDamagedFileGivesTheBlankSection) {
    test::TempFolder folder;
    const std::string prefix = folder.Prefix();
    const ToolSections rich = test::RichStudy().tools;
    for (const ToolFileRow& row : ToolFileRows()) {
        const ToolSection blank(row.id);
        const std::string path = folder.Path(row.name);
        ASSERT_TRUE(WriteToolFile(prefix, rich[row.id]));
        const std::vector<std::string> good = Lines(Slurp(path));
        ASSERT_TRUE(rich[row.id] == ReadToolFile(prefix, row.id)) << row.name;

        std::vector<std::string> damaged;
        for (std::size_t n = 0; n < good.size(); ++n) {
            if (row.id == ToolFile::Refinance && n + 1 == good.size())
                continue; // six texts: complete
            damaged.push_back(CrLfLines(
                std::vector<std::string>(good.begin(), good.begin() + static_cast<long>(n))));
        }
        for (std::size_t line = 0; line < good.size(); ++line) {
            std::vector<std::string> lines = good;
            lines[line] = std::string(1, 'x'); // a word where any item belongs
            damaged.push_back(CrLfLines(lines));
        }
        damaged.push_back(CrLfLines(good) + "5\r\n");
        damaged.push_back(std::string("\0\xff\x01,\"", 5));
        for (const std::string& text : damaged) {
            Spit(path, text);
            EXPECT_TRUE(blank == ReadToolFile(prefix, row.id)) << row.name << ":\n" << text;
        }
        std::filesystem::remove(path);
        EXPECT_TRUE(blank == ReadToolFile(prefix, row.id)) << row.name << " missing";
    }
}

TEST(WorkingFiles, OptionsOutsideTheirRangeGiveTheBlankSection) {
    test::TempFolder folder;
    const std::string prefix = folder.Prefix();
    Spit(folder.Path("$$sh_tmp.bin"), "4\r\n");
    EXPECT_EQ(1, ReadToolFile(prefix, ToolFile::ScheduleOption).Whole(0));
    for (const auto& options : {std::vector<std::string>{"2", "1", "4"},
                                {"1", "0", "4"},
                                {"1", "1", "7"},
                                {"-1", "1", "4"}}) {
        std::vector<std::string> lines = {"35700", "\"5.5\"", "\"250\""};
        lines.insert(lines.end(), options.begin(), options.end());
        Spit(folder.Path("$$sb_tmp.bin"), CrLfLines(lines));
        EXPECT_TRUE(ToolSection(ToolFile::Solver) == ReadToolFile(prefix, ToolFile::Solver))
            << lines[3] << lines[4] << lines[5];
    }
}

// The compared scenario's table is capped at 200 entries, as the scenario's own is.
TEST(WorkingFiles, CompareGroupsAreCappedAt200) {
    test::TempFolder folder;
    const std::string prefix = folder.Prefix();
    auto fileOf = [](int count, int groups) {
        std::vector<std::string> lines = {
            "\"a\"", "\"b\"", "\"c\"", "\"d\"", "0", "\" \"", std::to_string(count)};
        for (int g = 0; g < groups; ++g)
            lines.insert(lines.end(), {"1", "0", std::to_string(35100 + g)});
        return CrLfLines(lines);
    };
    Spit(folder.Path("$$cs_tmp.bin"), fileOf(200, 200));
    EXPECT_EQ(200u, ReadToolFile(prefix, ToolFile::Compare).groups.size());
    const ToolSection blank(ToolFile::Compare);
    for (const auto& [count, groups] : {std::pair{201, 201}, {30000, 1}, {-1, 0}, {1, 2}}) {
        Spit(folder.Path("$$cs_tmp.bin"), fileOf(count, groups));
        EXPECT_TRUE(blank == ReadToolFile(prefix, ToolFile::Compare)) << count;
    }
    // More groups than a reader accepts are never written.
    ToolSection many(ToolFile::Compare);
    many.groups.assign(230, ToolGroup{0, 1, 35100});
    ASSERT_TRUE(WriteToolFile(prefix, many));
    EXPECT_EQ("200", Lines(Slurp(folder.Path("$$cs_tmp.bin")))[6]);
    EXPECT_EQ(200u, ReadToolFile(prefix, ToolFile::Compare).groups.size());
}

TEST(WorkingFiles, WritingIntoAMissingFolderFails) {
    test::TempFolder folder;
    EXPECT_FALSE(ResetToolFiles(folder.Path("gone/")));
    EXPECT_FALSE(WriteToolFile(folder.Path("gone/"), ToolSection(ToolFile::Estimate)));
}

TEST(WorkingFiles, DeleteRemovesTheSevenAndNothingElse) {
    test::TempFolder folder;
    ASSERT_TRUE(ResetToolFiles(folder.Prefix()));
    Spit(folder.Path("$$temp.bin"), "1\r\n");
    DeleteToolFiles(folder.Prefix());
    for (const ToolFileRow& row : ToolFileRows())
        EXPECT_FALSE(std::filesystem::exists(folder.Path(row.name))) << row.name;
    EXPECT_TRUE(std::filesystem::exists(folder.Path("$$temp.bin")));
    DeleteToolFiles(folder.Prefix()); // already gone: nothing to complain about
}

} // namespace
} // namespace hl
