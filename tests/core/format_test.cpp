// Digit and date patterns as the windows and reports show figures, and text-box values.
#include "core/format.h"

#include <cmath>
#include <limits>
#include <map>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/day_number.h"
#include "core/translate.h"

namespace hl {
namespace {

struct NumberCase {
    double value;
    const char* pattern;
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) {
    return os << c.value << " with \"" << c.pattern << "\"";
}

class FormatNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FormatNumberTest, Formats) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
}

// Money, years and rates as the windows show them; the float cases are singles widened to
// double, rounded on their true binary value.
INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberTest,
    ::testing::Values(NumberCase{894.49f, "######0.00", "894.49"},
                      NumberCase{150000.0f, "#######0.00", "150000.00"},
                      NumberCase{0.5, "#0.000", "0.500"}, NumberCase{25.0f, "#####0.00", "25.00"},
                      NumberCase{0.0, "######0.00", "0.00"}, NumberCase{0.4, "#######0", "0"},
                      NumberCase{7.0, "0000", "0007"}, NumberCase{12345.0, "0000", "12345"},
                      NumberCase{3.0, "000", "003"}, NumberCase{1234.5, "####0.00", "1234.50"},
                      // The rate factor of 10 % compounded semi-annually, paid monthly.
                      NumberCase{0.00816488266f, "#0.000000000000", "0.008164882660"},
                      NumberCase{1.0f / 3.0f, "#0.000000000000", "0.333333343267"}));

// Exact halves go away from zero; anything short of a half on the binary value goes down.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatNumberTest,
    ::testing::Values(
        NumberCase{0.125, "0.00", "0.13"}, NumberCase{0.375, "#0.00", "0.38"},
        NumberCase{2.5, "#######0", "3"}, NumberCase{3.5, "#######0", "4"},
        NumberCase{-2.5, "#######0", "-3"}, NumberCase{-0.125, "0.00", "-0.13"},
        // 1.005 is held a little below itself, as a double and as a single.
        NumberCase{1.005, "#0.00", "1.00"}, NumberCase{1.005f, "#0.00", "1.00"},
        // Scaled by 100 in double these become exact halves; their true values are below.
        NumberCase{1.115, "#0.00", "1.11"}, NumberCase{2.675, "#0.00", "2.67"},
        NumberCase{8.345, "#0.00", "8.35"},
        // 249722.35 has no single; the nearest one is 249722.34375.
        NumberCase{249722.35f, "######0.00", "249722.34"}, NumberCase{0.999, "#0.00", "1.00"},
        NumberCase{99.5, "#0", "100"}, NumberCase{9.995, "#0.00", "9.99"},
        // 2^-13 has 13 decimals ending in 5: a true half at 12 decimals.
        NumberCase{0.0001220703125, "#0.000000000000", "0.000122070313"},
        NumberCase{1e-300, "#0.000000000000", "0.000000000000"}));

INSTANTIATE_TEST_SUITE_P(
    SignsAndWidths, FormatNumberTest,
    ::testing::Values(NumberCase{-1234.5, "######0.00", "-1234.50"},
                      NumberCase{-5.0, "000", "-005"}, NumberCase{-0.004, "######0.00", "0.00"},
                      NumberCase{-0.0, "######0.00", "0.00"}, NumberCase{-0.4, "#######0", "0"},
                      NumberCase{123456789.0, "####0.00", "123456789.00"},
                      NumberCase{1e20, "#0.00", "100000000000000000000.00"},
                      NumberCase{4503599627370497.0, "0.00", "4503599627370497.00"},
                      NumberCase{4503599627370495.5, "#0", "4503599627370496"},
                      NumberCase{std::numeric_limits<double>::quiet_NaN(), "#0.00", "0.00"}));

// "#" places after the point show only digits that are not trailing zeros.
INSTANTIATE_TEST_SUITE_P(OptionalDecimals, FormatNumberTest,
                         ::testing::Values(NumberCase{2.5, "#0.0#", "2.5"},
                                           NumberCase{2.25, "#0.0#", "2.25"},
                                           NumberCase{2.0, "#0.0#", "2.0"},
                                           NumberCase{0.5, "#.##", ".5"},
                                           NumberCase{1.5, "$#0.00", "$1.50"}));

TEST(FormatDate, Patterns) {
    const DayNumber d = DayFromCivil(1992, 3, 4);
    EXPECT_EQ(FormatDate(d, "mmm d yyyy"), "Mar 4 1992");
    EXPECT_EQ(FormatDate(d, "mmm d, yyyy"), "Mar 4, 1992");
    EXPECT_EQ(FormatDate(d, "mmm dd yy"), "Mar 04 92");
    EXPECT_EQ(FormatDate(d, "mmm dd yyyy"), "Mar 04 1992");
    EXPECT_EQ(FormatDate(d, "mmm yy"), "Mar 92");
    EXPECT_EQ(FormatDate(d, "mmmm d, yyyy"), "March 4, 1992");
    EXPECT_EQ(FormatDate(d, "mm/dd/yyyy"), "03/04/1992");
    EXPECT_EQ(FormatDate(DayFromCivil(2005, 12, 25), "mmm dd yy"), "Dec 25 05");
    EXPECT_EQ(FormatDate(2, "mmm d yyyy"), "Jan 1 1900");
}

TEST(FormatDate, EveryMonthName) {
    const char* names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(FormatDate(DayFromCivil(1997, m, 30 - m), "mmm d yyyy"),
                  std::string(names[m - 1]) + " " + std::to_string(30 - m) + " 1997");
    EXPECT_EQ(FormatDate(DayFromCivil(1997, 9, 1), "mmmm d, yyyy"), "September 1, 1997");
}

// Under a translator (a French program) the names are its answers for the context "Months", and
// a date box reads back every date it shows.
TEST(FormatDate, MonthNamesComeFromTheTranslator) {
    const std::map<std::string, std::string> french = {{"Jan", "janv."},
                                                       {"Feb", "f\xC3\xA9vr."},
                                                       {"Mar", "mars"},
                                                       {"Apr", "avr."},
                                                       {"May", "mai"},
                                                       {"Jun", "juin"},
                                                       {"Jul", "juil."},
                                                       {"Aug", "ao\xC3\xBBt"},
                                                       {"Sep", "sept."},
                                                       {"Oct", "oct."},
                                                       {"Nov", "nov."},
                                                       {"Dec", "d\xC3\xA9"
                                                               "c."},
                                                       {"February", "f\xC3\xA9vrier"},
                                                       {"December", "d\xC3\xA9"
                                                                    "cembre"}};
    SetTranslator([&](const char* context, const char* text) {
        const auto found = french.find(text);
        return std::string(context) == "Months" && found != french.end() ? found->second
                                                                         : std::string(text);
    });
    EXPECT_EQ(FormatDate(DayFromCivil(2024, 2, 29), "mmm d yyyy"), "f\xC3\xA9vr. 29 2024");
    EXPECT_EQ(FormatDate(DayFromCivil(2024, 12, 5), "mmmm d, yyyy"), "d\xC3\xA9"
                                                                     "cembre 5, 2024");
    EXPECT_EQ(FormatDate(DayFromCivil(2024, 12, 5), "mm/dd/yyyy"), "12/05/2024");
    for (int m = 1; m <= 12; ++m)
        for (const char* pattern :
             {"mmm d yyyy", "mmm d, yyyy", "mmm, d yyyy", "mmm dd yy", "mmmm d yyyy"}) {
            const DayNumber day = DayFromCivil(2024, m, 28);
            EXPECT_EQ(ParseDate(FormatDate(day, pattern)), day) << FormatDate(day, pattern);
        }
    SetTranslator({});
    EXPECT_EQ(FormatDate(DayFromCivil(2024, 2, 29), "mmm d yyyy"), "Feb 29 2024");
}

TEST(FormatDate, NoDateShowsNothing) {
    EXPECT_EQ(FormatDate(0, "mmm d yyyy"), "");
    EXPECT_EQ(FormatDate(-5, "mmm d yyyy"), "");
}

TEST(TextValue, LeadingNumber) {
    EXPECT_EQ(TextValue("12.5.7"), 12.5);
    EXPECT_EQ(TextValue("abc"), 0.0);
    EXPECT_EQ(TextValue(""), 0.0);
    EXPECT_EQ(TextValue(" 7x"), 7.0);
    EXPECT_EQ(TextValue("\t 42"), 42.0);
    EXPECT_EQ(TextValue(".5"), 0.5);
    EXPECT_EQ(TextValue("-3"), -3.0);
    EXPECT_EQ(TextValue("+4"), 4.0);
    EXPECT_EQ(TextValue("  -.25"), -0.25);
    EXPECT_EQ(TextValue("5."), 5.0);
    EXPECT_EQ(TextValue("1e3"), 1.0);
    EXPECT_EQ(TextValue("$5"), 0.0);
    EXPECT_EQ(TextValue("-"), 0.0);
    EXPECT_EQ(TextValue("."), 0.0);
    EXPECT_EQ(TextValue("-.x"), 0.0);
}

TEST(TextValue, ReadsTheNearestDouble) {
    EXPECT_EQ(TextValue("0.1"), 0.1);
    EXPECT_EQ(TextValue("100000"), 100000.0);
    EXPECT_EQ(TextValue("7.25"), 7.25);
    EXPECT_EQ(TextValue("894.49"), 894.49);
    EXPECT_EQ(TextValue("000123.4500"), 123.45);
    EXPECT_FALSE(std::signbit(TextValue("-0")));
}

TEST(TextValue, HugeAndTinyNumbers) {
    EXPECT_EQ(TextValue(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(TextValue("-" + std::string(400, '9')), -HUGE_VAL);
    EXPECT_EQ(TextValue("0." + std::string(400, '0') + "1"), 0.0);
}

} // namespace
} // namespace hl
