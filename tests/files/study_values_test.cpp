// A study holds only values the input form and the payment-changes grid take: what a file may
// hold, what it may not, and that every study read saves back to a file read as the same study.
#include <cfloat>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/day_number.h"
#include "core/text_items.h"
#include "files/study_file.h"
#include "files/study_fixtures.h"

namespace hl {
namespace {

using test::BlankSectionLines;
using test::CrLfLines;

// A complete study with one table entry, line by line; the tests change one line at a time.
std::vector<std::string> StudyLines() {
    std::vector<std::string> lines = {"100000", "7.25",        "25", "5", "35065",
                                      "7",      "\"A study\"", "1",  "1", "35096,1000,25"};
    const std::vector<std::string> sections = BlankSectionLines();
    lines.insert(lines.end(), sections.begin(), sections.end());
    return lines;
}

std::string With(std::size_t line, const std::string& item) {
    std::vector<std::string> lines = StudyLines();
    lines[line] = item;
    return CrLfLines(lines);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const std::string kNotEntered = " (or 0, not entered)";

TEST(StudyValues, AValueTheFormRefusesIsRefusedNamingItsItem) {
    const std::string fltMax = "340282346638528859811704183484516925440";
    struct Case {
        std::size_t line; // counted from 0
        std::string item;
        std::string message;
    };
    const Case cases[] = {
        {0, "10000000000",
         "line 1: the mortgage amount is 10000000000; it must be above 0 and at most 500000" +
             kNotEntered},
        {0, "500000.1",
         "line 1: the mortgage amount is 500000.1; it must be above 0 and at most 500000" +
             kNotEntered},
        {0, "-1",
         "line 1: the mortgage amount is -1; it must be above 0 and at most 500000" + kNotEntered},
        {1, "25.001",
         "line 2: the interest rate is 25.001; it must be above 0 and at most 25" + kNotEntered},
        {2, "35.5",
         "line 3: the amortization period is 35.5; it must be above 0 and at most 35" +
             kNotEntered},
        {3, "-0.5",
         "line 4: the length of loan is -0.5; it must be above 0 and at most 35" + kNotEntered},
        {4, "2147483647",
         "line 5: the start date is day 2147483647; it must be a day of the years 1900 to 2099" +
             kNotEntered},
        {4, "1", // 31 December 1899
         "line 5: the start date is day 1; it must be a day of the years 1900 to 2099" +
             kNotEntered},
        {4, std::to_string(DayFromCivil(2100, 1, 1)),
         "line 5: the start date is day 73051; it must be a day of the years 1900 to 2099" +
             kNotEntered},
        {4, "-5",
         "line 5: the start date is day -5; it must be a day of the years 1900 to 2099" +
             kNotEntered},
        // The comment box takes a 61st character; one more is not a comment it could give.
        {5, "62", "line 6: the length of the comment is 62; it must be 0 to 61"},
        {6, Quoted(std::string(62, 'x')),
         "line 7: the comment has 62 characters; it must have at "
         "most 61"},
        {6, Quoted(std::string(40000, 'x')),
         "line 7: the comment has 40000 characters; it must have at most 61"},
        {9, "35096,1000,-" + fltMax,
         "line 10: the change to payment of payment change 1 is -" + fltMax +
             "; it must be 0 or more"},
        {9, "35096,-0.01,0",
         "line 10: the lump payment of payment change 1 is -0.01; it must be 0 or more"},
        {9, "2147483647,1000,0",
         "line 10: the date of payment change 1 is day 2147483647; it must be a day of the years "
         "1900 to 2135"},
        {9, "0,1000,0",
         "line 10: the date of payment change 1 is day 0; it must be a day of the years 1900 to "
         "2135"},
    };
    for (const Case& c : cases) {
        try {
            const Study read = ReadStudyText(With(c.line, c.item));
            ADD_FAILURE() << "line " << c.line + 1 << " " << c.item.substr(0, 40) << " was read";
        } catch (const ItemFormatError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.item.substr(0, 40);
        }
    }
}

// The grid holds one entry per payment, in payment order: a table out of date order is refused,
// as the engine's one cursor would never reach the entries after the first out of place.
TEST(StudyValues, PaymentChangesOutOfDateOrderAreRefused) {
    struct Case {
        std::vector<std::string> entries;
        std::string message; ///< empty: read
    };
    const Case cases[] = {
        {{"35096,1000,0", "35127,0,25", "35155,5,0"}, ""},
        {{"35127,1000,0", "35096,0,25"},
         "line 11: the date of payment change 2 is day 35096, not after day 35127 of payment "
         "change 1: the changes must be in date order"},
        {{"35096,1000,0", "35096,0,25"},
         "line 11: the date of payment change 2 is day 35096, not after day 35096 of payment "
         "change 1: the changes must be in date order"},
        {{"35096,1000,0", "35155,0,25", "35127,5,0"},
         "line 12: the date of payment change 3 is day 35127, not after day 35155 of payment "
         "change 2: the changes must be in date order"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = StudyLines();
        lines[8] = std::to_string(c.entries.size());
        lines.erase(lines.begin() + 9);
        lines.insert(lines.begin() + 9, c.entries.begin(), c.entries.end());
        try {
            ReadStudyText(CrLfLines(lines));
            EXPECT_EQ(c.message, "") << "read";
        } catch (const ItemFormatError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

// The edges the form and the grid do take, and the 0 of a field not yet entered.
TEST(StudyValues, EverythingTheFormTakesIsRead) {
    const std::string e = "\xC3\xA9"; // one character in two bytes
    struct Case {
        std::size_t line;
        std::string item;
    };
    const Case cases[] = {
        {0, "0"},
        {0, "500000"},
        {0, "0.01"},
        {1, "0"},
        {1, "25"},
        {2, "35"},
        {3, "0"},
        {3, "35"},
        {4, "0"},
        {4, std::to_string(DayFromCivil(1900, 1, 1))},
        {4, std::to_string(DayFromCivil(2099, 12, 31))},
        {5, "60"},
        {6, Quoted(Repeated(e, 60))},
        {6, Quoted(std::string(60, 'x'))},
        {9, "35096,0,0"},
        {9, std::to_string(DayFromCivil(2135, 12, 31)) + ",0,1"},
        {9, "35096,340282346638528859811704183484516925440,0"}, // forty typed digits in a cell
    };
    for (const Case& c : cases)
        EXPECT_NO_THROW(ReadStudyText(With(c.line, c.item))) << c.line + 1 << " " << c.item;
}

// Study texts built from items the reader takes and items it refuses, mixed at random.
class RandomStudyText {
  public:
    explicit RandomStudyText(unsigned seed) : pick_(seed) {}

    // Mostly items a reader takes, each line with one it refuses among them.
    std::string Next() {
        const std::string lastStart = std::to_string(DayFromCivil(2099, 12, 31));
        const std::string lastPayment = std::to_string(DayFromCivil(2135, 12, 31));
        std::vector<std::string> lines = {
            One({"0", "1000", "500000", "249722.4", "0.01", "500000.1"}),
            One({"0", "25", "7.125", "0.5", "1", "25.001"}),
            One({"0", "35", "22.5", "1", "35.01"}),
            One({"0", "35", "3", "0.5", "36"}),
            One({"0", "2", "35065", lastStart, "2147483647"}),
        };
        lines.push_back(One({"0", "19", "60", "61", "62"}));
        lines.push_back(Quoted(Comment()));
        lines.push_back(One({"", "1", "2", "3", "4"}));
        const int n = static_cast<int>(pick_() % 4);
        lines.push_back(std::to_string(n));
        for (int k = 0; k < n; ++k)
            lines.push_back(
                One({"35096", "2", lastPayment, "35400", "0"}) + "," +
                One({"0", "3000", "0.01", "1500.5", "-1"}) + "," +
                One({"0", "31.49", "340282346638528859811704183484516925440", "25", "-12.25"}));
        const std::vector<std::string> sections = BlankSectionLines();
        lines.insert(lines.end(), sections.begin(), sections.end());
        return CrLfLines(lines);
    }

  private:
    std::string One(std::initializer_list<std::string> items) {
        const std::size_t k = pick_() % items.size();
        return *(items.begin() + static_cast<std::ptrdiff_t>(k));
    }

    // Pieces that test the quoting of the writer and the reader, in lengths around the limit.
    std::string Comment() {
        static const char* kPieces[] = {"a", "b", " ", "\"", ",", "\xC3\xA9", "'", "\t"};
        static const int kLengths[] = {0, 1, 7, 20, 59, 60, 61, 62, 32768};
        const int length = kLengths[pick_() % std::size(kLengths)];
        if (length > 100) // long enough to overflow the length item, and still a readable text
            return std::string(static_cast<std::size_t>(length) + pick_() % 10, 'y');
        std::string text;
        for (int i = 0; i < length; ++i)
            text += kPieces[pick_() % std::size(kPieces)];
        return text;
    }

    std::mt19937 pick_;
};

// Whatever a reader takes, Save writes back to a file the reader takes as the very same study:
// nothing opened can be saved to a file that no longer opens.
TEST(StudyValues, EveryStudyReadSavesBackToTheSameStudy) {
    RandomStudyText texts(20240607);
    int accepted = 0;
    for (int k = 0; k < 1500; ++k) {
        const std::string text = texts.Next();
        Study read;
        try {
            read = ReadStudyText(text);
        } catch (const ItemFormatError&) {
            continue;
        }
        ++accepted;
        const std::string saved = WriteStudyText(read);
        Study again;
        ASSERT_NO_THROW(again = ReadStudyText(saved)) << text.substr(0, 200);
        // Save always stores the frequency in use: an older file without one comes back with
        // the frequency it ran at.
        if (!read.frequencyStored) {
            EXPECT_EQ(again.scenario.frequency, Scenario{}.frequency);
            read.frequencyStored = true;
        }
        test::ExpectSameStudy(read, again);
        EXPECT_EQ(WriteStudyText(again), saved);
    }
    EXPECT_GT(accepted, 40); // the mix must exercise the accepted side too
}

} // namespace
} // namespace hl
