// Dates as users type them into date boxes: accepted forms and refused texts.
#include <string>

#include <gtest/gtest.h>

#include "core/day_number.h"
#include "core/format.h"

namespace hl {
namespace {

struct DateCase {
    const char* text;
    int year, month, day;
};

void PrintTo(const DateCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseDateAccepts : public ::testing::TestWithParam<DateCase> {};

TEST_P(ParseDateAccepts, ReadsTheDate) {
    const DateCase& c = GetParam();
    const auto day = ParseDate(c.text);
    ASSERT_TRUE(day.has_value());
    EXPECT_EQ(*day, DayFromCivil(c.year, c.month, c.day));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseDateAccepts,
    ::testing::Values(DateCase{"Jan 1 93", 1993, 1, 1}, DateCase{"mar 24 92", 1992, 3, 24},
                      DateCase{"Mar 24, 1992", 1992, 3, 24}, DateCase{"Mar 24 1992", 1992, 3, 24},
                      DateCase{"March 24 1992", 1992, 3, 24},
                      DateCase{"MARCH 24, 1992", 1992, 3, 24}, DateCase{"24 Mar 1992", 1992, 3, 24},
                      DateCase{"24-Mar-92", 1992, 3, 24}, DateCase{"Mar. 24, 1992", 1992, 3, 24},
                      DateCase{"3/24/92", 1992, 3, 24}, DateCase{"03/04/1996", 1996, 3, 4},
                      DateCase{"1992-03-24", 1992, 3, 24}, DateCase{"  Mar 24 1992  ", 1992, 3, 24},
                      DateCase{"\tmar 4 92", 1992, 3, 4}, DateCase{"Sept 5 1997", 1997, 9, 5},
                      DateCase{"sep 5 1997", 1997, 9, 5}, DateCase{"September 5 1997", 1997, 9, 5},
                      DateCase{"Feb 29 96", 1996, 2, 29}, DateCase{"Feb 29 2000", 2000, 2, 29},
                      DateCase{"Dec 31 2099", 2099, 12, 31}, DateCase{"Jan 1 1900", 1900, 1, 1}));

// Two-digit years: 30-99 are 1930-1999, 00-29 are 2000-2029.
INSTANTIATE_TEST_SUITE_P(TwoDigitYears, ParseDateAccepts,
                         ::testing::Values(DateCase{"Jun 1 30", 1930, 6, 1},
                                           DateCase{"Jun 1 99", 1999, 6, 1},
                                           DateCase{"Jun 1 00", 2000, 6, 1},
                                           DateCase{"Jun 1 29", 2029, 6, 1},
                                           DateCase{"6/1/05", 2005, 6, 1}));

// The French names a French program shows (Canadian French abbreviations, with their point)
// and types: full or abbreviated, any case, accents or none; the English ones still read.
INSTANTIATE_TEST_SUITE_P(
    FrenchNames, ParseDateAccepts,
    ::testing::Values(
        DateCase{"janv. 5 2024", 2024, 1, 5}, DateCase{"f\xC3\xA9vr. 29 2024", 2024, 2, 29},
        DateCase{"mars 24, 1992", 1992, 3, 24}, DateCase{"avr. 1 93", 1993, 4, 1},
        DateCase{"mai 31 2000", 2000, 5, 31}, DateCase{"juin 30 2000", 2000, 6, 30},
        DateCase{"juil. 4 2001", 2001, 7, 4}, DateCase{"ao\xC3\xBBt 15 2002", 2002, 8, 15},
        DateCase{"sept. 5 1997", 1997, 9, 5}, DateCase{"oct. 9 2010", 2010, 10, 9},
        DateCase{"nov. 11 2011", 2011, 11, 11},
        DateCase{"d\xC3\xA9"
                 "c. 25 2012",
                 2012, 12, 25},
        DateCase{"5 janv. 2024", 2024, 1, 5}, DateCase{"F\xC3\x89VR 3 2024", 2024, 2, 3},
        DateCase{"fevr 3 2024", 2024, 2, 3}, DateCase{"aout 15 2002", 2002, 8, 15},
        DateCase{"JANVIER 5 2024", 2024, 1, 5}, DateCase{"f\xC3\xA9vrier 3 2024", 2024, 2, 3},
        DateCase{"juillet 4 2001", 2001, 7, 4},
        DateCase{"d\xC3\xA9"
                 "cembre 25, 2012",
                 2012, 12, 25},
        DateCase{"15-ao\xC3\xBBt-02", 2002, 8, 15}, DateCase{"janv., 5 2024", 2024, 1, 5},
        DateCase{"Mar., 24 1992", 1992, 3, 24}));

class ParseDateRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseDateRefuses, GivesNothing) {
    EXPECT_FALSE(ParseDate(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Impossible, ParseDateRefuses,
                         ::testing::Values("Feb 30 1992", "Feb 29 1993", "Feb 29 1900", "Apr 31 97",
                                           "13/1/92", "0/5/92", "Jan 0 92", "Jan 32 92",
                                           "1992-02-30", "1992-13-01"));

INSTANTIATE_TEST_SUITE_P(Garbage, ParseDateRefuses,
                         ::testing::Values("", "   ", "Mar", "Mar 24", "24", "Mar 24 1992 x",
                                           "Mar 24 1992.", "Mar 24 1992 5", "Mrz 24 1992",
                                           "Ma 24 1992", "Marchy 24 1992", "Mar24 1992",
                                           "Mar 24 1899", "Mar 24 2100", "Mar 24 992",
                                           "Mar 124 1992", "3/24-92", "3 / 24 / 92", "3.24.92",
                                           "1992/03", "Mar Apr 1992", "24 25 Mar", "#Mar 24 1992",
                                           "Mar 24 1992!", "Mar, 24, , 1992", "1992-3-124"));

// French look-alikes that name no month, and letters beyond ASCII that are no accent of ours.
INSTANTIATE_TEST_SUITE_P(NotFrench, ParseDateRefuses,
                         ::testing::Values("janvi 5 2024", "juil 4", "f\xC3\xA8vr 3 2024",
                                           "ao\xC3\xBB 15 2002", "janv. . 5 2024", "janv.., 5 2024",
                                           "5., janv 2024", "\xE2\x82\xAC 5 2024", "\xC3 5 2024",
                                           "mars\xC3\xA9 5 2024"));

} // namespace
} // namespace hl
