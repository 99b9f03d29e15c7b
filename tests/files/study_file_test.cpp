// Study file: the exact lines written, round trips, older files, and damaged files.
#include "files/study_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/text_items.h"
#include "files/study_fixtures.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::BlankSectionLines;
using test::CrLfLines;
using test::RichStudy;

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Study BlankStudy() {
    Study s;
    s.scenario.amount = 100000;
    s.scenario.rate = 7.25f;
    s.scenario.amortization = 25;
    s.scenario.term = 5;
    s.scenario.start = 35065;
    s.scenario.frequency = kMonthly;
    s.tools = BlankToolSections();
    return s;
}

// Lines of a valid study text, for the damage tests to change one at a time.
std::vector<std::string> RichLines() {
    const std::string text = WriteStudyText(RichStudy());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        lines.push_back(text.substr(start, p - start));
    return lines;
}

TEST(StudyWrite, BlankSectionsGiveTheExactLines) {
    // Comment of length 0: item 6 is 0 and item 7 an empty quoted text; n = 0 is one line.
    const std::vector<std::string> head = {"100000", "7.25", "25", "5", "35065",
                                           "0",      "\"\"", "1",  "0"};
    EXPECT_EQ(CrLfLines(Concat(head, BlankSectionLines())), WriteStudyText(BlankStudy()));
}

TEST(StudyWrite, TableEntriesAreDateLumpChangeOnOneLine) {
    Study s = BlankStudy();
    s.changes.entries = {{0, 31.49f, 33687}, {3000, 0, 33995}};
    const std::vector<std::string> lines = {"100000",      "7.25", "25", "5", "35065",
                                            "0",           "\"\"", "1",  "2", "33687,0,31.49",
                                            "33995,3000,0"};
    EXPECT_EQ(CrLfLines(Concat(lines, BlankSectionLines())), WriteStudyText(s));
}

TEST(StudyWrite, CommentLengthCountsCharactersNotBytes) {
    Study s = BlankStudy();
    s.scenario.comment = "Caf\xc3\xa9 loan";
    const std::string text = WriteStudyText(s);
    EXPECT_NE(std::string::npos, text.find("\r\n9\r\n\"Caf\xc3\xa9 loan\"\r\n"));
}

TEST(StudyWrite, TextsThatWouldBreakTheFileAreMadeSafe) {
    // A line break would split the comment; a quote before a comma would end it early.
    Study s = BlankStudy();
    s.scenario.comment = "He said \"no\", then\r\nleft \"";
    s.tools[ToolFile::Discharge].SetText(1, "a\" ,b");
    const Study back = ReadStudyText(WriteStudyText(s));
    EXPECT_EQ("He said \"no', then  left \"", back.scenario.comment);
    EXPECT_EQ("a' ,b", back.tools[ToolFile::Discharge].Text(1));
}

TEST(StudyWrite, AnInvalidFrequencyLeavesItem8Unset) {
    Study s = BlankStudy();
    s.scenario.frequency = static_cast<Frequency>(0); // no code the reader accepts
    const std::string text = WriteStudyText(s);
    EXPECT_NE(std::string::npos, text.find("\r\n\"\"\r\n\r\n0\r\n"));
    EXPECT_FALSE(ReadStudyText(text).frequencyStored);
}

TEST(StudyWrite, NeverWritesMoreEntriesThanAReaderAccepts) {
    Study s = BlankStudy();
    // In date order, as the grid holds them.
    for (int k = 0; k < 205; ++k)
        s.changes.entries.push_back(PaymentChange{1, 0, 35100 + 7 * k});
    s.tools[ToolFile::Compare].groups.assign(230, ToolGroup{0, 1, 35100});
    const Study back = ReadStudyText(WriteStudyText(s));
    EXPECT_EQ(200, back.changes.Count());
    EXPECT_EQ(200u, back.tools[ToolFile::Compare].groups.size());
}

// Every section of the rich study holds values of its own, so an item written in the wrong
// place or order shows here. Lines written out by hand from the study's values.
TEST(StudyRead, RichStudyRoundTripsThroughItsExactText) {
    const std::vector<std::string> golden = {
        "249722.4", "7.125", "22.5", "3", "35065", "19", "\"Renewal, second try\"", "3", "3",
        "35096,0,31.49", "35400,3000,0", "35800,1500.5,12.25",
        // estimate
        "\"0\"", "\"1000\"", "\"2000\"", "\"3000\"", "\"4000\"", "\"5000\"", "\"6000\"", "\"7000\"",
        "\"8000\"", "\"9000\"", "\"10000\"", "\"11000\"", "\"12000\"", "\"13000\"", "\"14000\"",
        // schedule option
        "3",
        // refinance
        "35500", "\"6.5\"", "\"150\"", "\"3\"", "\"\"", "\"1.5\"", "\"2\"", "\"9\"",
        // early discharge
        "35600", "\"7.75\"",
        // shopper
        "\"100000\"", "\"150000\"", "\"10000\"", "\"6\"", "\"9\"", "\"0.5\"", "\"20\"", "\"25\"",
        "\"5\"",
        // compare
        "\"120000\"", "\"6.75\"", "\"25\"", "\"5\"", "35200", "\"Every Two Weeks\"", "2", "1000",
        "0", "35300", "0", "25.5", "35310",
        // solver
        "35700", "\"5.5\"", "\"250\"", "0", "2", "6"};
    const Study rich = RichStudy();
    const std::string text = WriteStudyText(rich);
    EXPECT_EQ(CrLfLines(golden), text);
    const Study back = ReadStudyText(text);
    test::ExpectSameStudy(rich, back);
    for (const ToolFileRow& row : ToolFileRows())
        EXPECT_TRUE(rich.tools[row.id] == back.tools[row.id]) << row.name;
    EXPECT_EQ(text, WriteStudyText(back));
}

TEST(StudyRead, OlderFileWithEmptyItem8AndSevenDigitFigures) {
    const std::vector<std::string> head = {
        "249722.4", "10.125",        "23.5", "4.5", "33687",
        "9",        "\"Old study\"", "",     "1",   "34000,1234.567,0.01"};
    const std::string text = CrLfLines(Concat(head, BlankSectionLines()));
    const Study s = ReadStudyText(text);
    EXPECT_EQ(249722.4f, s.scenario.amount);
    EXPECT_EQ(10.125f, s.scenario.rate);
    EXPECT_EQ(23.5f, s.scenario.amortization);
    EXPECT_EQ(4.5f, s.scenario.term);
    EXPECT_EQ(33687, s.scenario.start);
    EXPECT_EQ("Old study", s.scenario.comment);
    EXPECT_FALSE(s.frequencyStored);
    EXPECT_EQ(Scenario{}.frequency, s.scenario.frequency);
    ASSERT_EQ(1, s.changes.Count());
    EXPECT_EQ((PaymentChange{1234.567f, 0.01f, 34000}), s.changes.At(1));
    EXPECT_TRUE(BlankToolSections() == s.tools);
}

TEST(StudyRead, Item8TakesTheFourFrequencyCodesOnly) {
    std::vector<std::string> lines = RichLines();
    for (int code = 1; code <= 4; ++code) {
        lines[7] = std::to_string(code);
        const Study s = ReadStudyText(CrLfLines(lines));
        EXPECT_TRUE(s.frequencyStored);
        EXPECT_EQ(code, s.scenario.frequency);
    }
    for (const char* bad : {"0", "5", "-1", "12", "\"1\"", "\" \"", "x", "1.5"}) {
        lines[7] = bad;
        EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError) << bad;
    }
}

// The comment box takes a 61st character; a study holding it reads back, one more is refused.
TEST(StudyRead, TakesTheLongestCommentTheBoxGives) {
    Study s;
    s.scenario.comment = std::string(61, 'x');
    EXPECT_EQ(s.scenario.comment, ReadStudyText(WriteStudyText(s)).scenario.comment);
    std::vector<std::string> lines = RichLines();
    lines[5] = "62";
    EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError);
    lines[5] = "61";
    lines[6] = "\"" + std::string(62, 'x') + "\"";
    EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError);
}

TEST(StudyRead, CommentLengthIsIgnoredButMustBeANumber) {
    std::vector<std::string> lines = RichLines();
    lines[5] = "57";
    EXPECT_EQ("Renewal, second try", ReadStudyText(CrLfLines(lines)).scenario.comment);
    lines[5] = "\"19\"";
    EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError);
}

TEST(StudyRead, AcceptsBareLineFeeds) {
    std::string text = WriteStudyText(RichStudy());
    std::string lf;
    for (char c : text)
        if (c != '\r')
            lf += c;
    test::ExpectSameStudy(RichStudy(), ReadStudyText(lf));
}

TEST(StudyGarbage, EmptyOrBlankFile) {
    EXPECT_THROW(ReadStudyText(""), ItemFormatError);
    EXPECT_THROW(ReadStudyText("\r\n\r\n  \r\n"), ItemFormatError);
}

TEST(StudyGarbage, EveryTruncationThrows) {
    // Cut at every byte: only a cut inside the final line end still leaves a whole study
    // (the last item is a single digit, so no cut inside it can read as another valid code).
    const std::string text = WriteStudyText(RichStudy());
    for (std::size_t len = 0; len + 2 < text.size(); ++len)
        EXPECT_THROW(ReadStudyText(text.substr(0, len)), ItemFormatError) << "cut at " << len;
    EXPECT_NO_THROW(ReadStudyText(text.substr(0, text.size() - 1)));
    EXPECT_NO_THROW(ReadStudyText(text.substr(0, text.size() - 2)));
}

TEST(StudyGarbage, WrongTypesThrow) {
    const std::vector<std::string> good = RichLines();
    // Line numbers counted from 0 in the rich study's text.
    const std::size_t n = RichStudy().changes.entries.size();
    const std::size_t em = 9 + n, sh = em + 15, rf = sh + 1, ed = rf + 8, ps = ed + 2, cs = ps + 9,
                      sb = cs + 7 + 3 * RichStudy().tools[ToolFile::Compare].groups.size();
    ASSERT_EQ("\"0\"", good[em]);
    ASSERT_EQ("3", good[sh]);
    ASSERT_EQ("35700", good[sb]);
    const std::vector<std::pair<std::size_t, std::string>> damages = {
        {0, "\"249722.4\""},  // amount as a text
        {1, "seven"},         // rate as a word
        {4, "1992-03-24"},    // a date that is not a day number
        {6, "Renewal"},       // comment without quotes
        {6, "\"Renewal"},     // comment without its closing quote
        {8, "\"3\""},         // table count as a text
        {9, "35096,0,abc"},   // change to payment as a word
        {9, "35096,\"0\",1"}, // lump as a text
        {em, "17"},           // estimate text unquoted
        {sh, "\" \""},        // schedule option as a text
        {sh, "4"},            // schedule option out of range
        {rf, "\" \""},        // refinance date as a text
        {ed + 1, "7.75"},     // discharge text unquoted
        {cs + 4, "x"},        // compare date as a word
        {cs + 6, "\"2\""},    // compare count as a text
        {cs + 7, "\" \""},    // compare lump as a text
        {sb + 3, "2"},        // check box neither 0 nor 1
        {sb + 4, "0"},        // search option out of range
        {sb + 5, "3"},        // rate option out of range
        {sb + 5, "\"4\""},    // rate option as a text
    };
    for (const auto& [line, item] : damages) {
        std::vector<std::string> lines = good;
        lines[line] = item;
        EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError)
            << "line " << line << " = " << item;
    }
}

TEST(StudyGarbage, ToolSectionErrorsNameTheItem) {
    const std::vector<std::string> good = RichLines();
    const std::size_t em = 12, rf = em + 16, cs = rf + 10 + 9, sb = cs + 13;
    ASSERT_EQ("35500", good[rf]);
    ASSERT_EQ("35700", good[sb]);
    const std::vector<std::tuple<std::size_t, std::string, std::string>> cases = {
        {em, "17", "\"17\" stands where the quoted text of the mortgage estimate text 1 belongs"},
        {em + 15, "0", "the schedule grid option is 0; it must be 1 to 3"},
        {rf + 7, "9", "\"9\" stands where the quoted text of the refinance text 7 belongs"},
        {cs + 5, "2", "\"2\" stands where the quoted text of the compare frequency belongs"},
        {cs + 6, "201",
         "the number of the compared scenario's payment changes is 201; it must be 0 to 200"},
        {sb + 3, "2", "the solver check box is 2; it must be 0 to 1"},
        {sb + 5, "3", "the solver rate option is 3; it must be 4 to 6"},
    };
    for (const auto& [line, item, why] : cases) {
        std::vector<std::string> lines = good;
        lines[line] = item;
        try {
            ReadStudyText(CrLfLines(lines));
            ADD_FAILURE() << "no error for line " << line;
        } catch (const ItemFormatError& e) {
            EXPECT_EQ("line " + std::to_string(line + 1) + ": " + why, e.what());
        }
    }
}

TEST(StudyGarbage, CountsOutsideTheTableThrow) {
    const std::vector<std::string> good = RichLines();
    const std::size_t cs = 9 + 3 + 15 + 1 + 8 + 2 + 9;
    ASSERT_EQ("2", good[cs + 6]);
    for (const char* count : {"201", "30000", "99999", "-1", "4000000000"}) {
        std::vector<std::string> lines = good;
        lines[8] = count;
        EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError) << count;
        lines = good;
        lines[cs + 6] = count;
        EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError) << count;
    }
    std::vector<std::string> lines = good;
    lines[8] = "201";
    try {
        ReadStudyText(CrLfLines(lines));
        FAIL() << "no error";
    } catch (const ItemFormatError& e) {
        EXPECT_EQ(std::string("line 9: the number of payment changes is 201; it must be 0 to 200"),
                  e.what());
    }
}

TEST(StudyGarbage, ACountThatDisagreesWithTheTableThrows) {
    // More entries claimed than present: the reader would run into the estimate texts.
    std::vector<std::string> lines = RichLines();
    lines[8] = "4";
    EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError);
    // Fewer claimed: the last entry line lands where the estimate texts begin.
    lines[8] = "2";
    EXPECT_THROW(ReadStudyText(CrLfLines(lines)), ItemFormatError);
}

TEST(StudyGarbage, ItemsAfterTheLastSectionThrow) {
    EXPECT_THROW(ReadStudyText(WriteStudyText(RichStudy()) + "5\r\n"), ItemFormatError);
    EXPECT_NO_THROW(ReadStudyText(WriteStudyText(RichStudy()) + "\r\n  \r\n"));
}

TEST(StudyGarbage, BinaryBytesNeverCrash) {
    std::mt19937 random(1992);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        std::string junk(static_cast<std::size_t>(round * 7 % 900), '\0');
        for (char& c : junk)
            c = static_cast<char>(byte(random));
        EXPECT_THROW(ReadStudyText(junk), ItemFormatError);
    }
    // Valid files with a few bytes spoilt: either still a study or a clean error.
    const std::string text = WriteStudyText(RichStudy());
    std::uniform_int_distribution<std::size_t> where(0, text.size() - 1);
    for (int round = 0; round < 2000; ++round) {
        std::string spoilt = text;
        for (int k = 0; k < 3; ++k)
            spoilt[where(random)] = static_cast<char>(byte(random));
        try {
            ReadStudyText(spoilt);
        } catch (const ItemFormatError&) {
        }
    }
}

TEST(StudyFile, WritesAndReadsOnDisk) {
    test::TempFolder folder;
    const std::string path = folder.Path("loan.mtg");
    test::Spit(path, "an older file of that name");
    ASSERT_TRUE(WriteStudyFile(path, RichStudy()));
    EXPECT_EQ(WriteStudyText(RichStudy()), test::Slurp(path));
    test::ExpectSameStudy(RichStudy(), ReadStudyFile(path));
}

TEST(StudyFile, FailuresLeaveNothingHalfDone) {
    test::TempFolder folder;
    EXPECT_FALSE(WriteStudyFile(folder.Path("no such folder/loan.mtg"), RichStudy()));
    EXPECT_THROW(ReadStudyFile(folder.Path("missing.mtg")), ItemFormatError);
}

TEST(StudyFile, TheExampleStudyReadsAndWritesBackByteForByte) {
    const std::string path = std::string(HEARTHLINE_SOURCE_DIR) + "/examples/sample.mtg";
    const std::string bytes = test::Slurp(path);
    ASSERT_FALSE(bytes.empty());
    const Study s = ReadStudyFile(path);
    EXPECT_EQ(102500.0f, s.scenario.amount);
    EXPECT_EQ(9.375f, s.scenario.rate);
    EXPECT_EQ(33687, s.scenario.start);
    EXPECT_EQ(kWeekly, s.scenario.frequency); // the lump's date is a Weekly payment date
    ASSERT_EQ(2, s.changes.Count());
    EXPECT_EQ((PaymentChange{3000, 0, 33995}), s.changes.At(2));
    EXPECT_EQ(bytes, WriteStudyText(s));
}

// The lender's terms of the window's every box, after the tool sections.
LenderTerms SomeLenderTerms() {
    LenderTerms t;
    t.lumpShare = 20000;
    t.year = PrivilegeYear::Loan;
    t.increaseShare = 12500;
    t.signingPosted = 6490;
    t.discount = 1200;
    t.todayPosted = 5990;
    t.fee = 25000;
    t.cashBack = 300000;
    t.clawback = true;
    t.longTerm = true;
    t.dischargeDate = 36100;
    t.prepayment = 1234567;
    return t;
}

TEST(StudyLenderTerms, RoundTripWithAndWithoutTheSection) {
    const std::vector<std::string> section = {"\"Lender's terms\"",
                                              "20000",
                                              "2",
                                              "12500",
                                              "6490",
                                              "1200",
                                              "5990",
                                              "25000",
                                              "300000",
                                              "1",
                                              "1",
                                              "36100",
                                              "1234567"};
    const std::string without = WriteStudyText(RichStudy());
    Study with = RichStudy();
    with.lender = SomeLenderTerms();
    const std::string written = WriteStudyText(with);
    // The section follows every item of the older layout, which stays as it was.
    EXPECT_EQ(written, without + CrLfLines(section));
    for (const Study& study : {RichStudy(), with}) {
        const std::string text = WriteStudyText(study);
        const Study back = ReadStudyText(text);
        test::ExpectSameStudy(study, back);
        EXPECT_EQ(text, WriteStudyText(back));
    }
    // Rates the user left out are unset items.
    with.lender->signingPosted.reset();
    with.lender->todayPosted.reset();
    const Study back = ReadStudyText(WriteStudyText(with));
    EXPECT_TRUE(back.lender == with.lender);
    EXPECT_FALSE(ReadStudyText(without).lender);
}

TEST(StudyLenderTerms, GarbageInTheSectionIsRefusedNamingTheLine) {
    Study with = RichStudy();
    with.lender = SomeLenderTerms();
    const std::string text = WriteStudyText(with);
    std::vector<std::string> lines;
    for (std::size_t start = 0, p; (p = text.find("\r\n", start)) != std::string::npos;
         start = p + 2)
        lines.push_back(text.substr(start, p - start));
    const int mark = static_cast<int>(lines.size()) - 13; // index of the section's first line
    struct Case {
        int item; ///< within the section
        const char* line;
        const char* why;
    };
    const Case cases[] = {
        {0, "\"Lenders terms\"", "begin with"},
        {0, "7", "quoted text"},
        {1, "100001", "lump-sum privilege"},
        {1, "fifteen", ""},
        {2, "3", "privilege year"},
        {4, "25001", "posted rate at signing"},
        {5, "-1", "discount"},
        {6, "x", ""},
        {7, "50000001", "fee"},
        {9, "2", "clawback"},
        {11, "99999999", "discharge date"},
        {12, "1e9", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> spoilt = lines;
        spoilt[static_cast<std::size_t>(mark + c.item)] = c.line;
        try {
            ReadStudyText(CrLfLines(spoilt));
            ADD_FAILURE() << "read: " << c.line;
        } catch (const ItemFormatError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("line " + std::to_string(mark + c.item + 1) + ":", 0), 0u) << what;
            EXPECT_NE(what.find(c.why), std::string::npos) << what;
        }
    }
    // Cut anywhere inside the section: refused, never read short.
    for (std::size_t keep = static_cast<std::size_t>(mark) + 1; keep < lines.size(); ++keep)
        EXPECT_THROW(
            ReadStudyText(CrLfLines({lines.begin(), lines.begin() + static_cast<long>(keep)})),
            ItemFormatError)
            << keep;
}

} // namespace
} // namespace hl
