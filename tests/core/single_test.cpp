// Single-precision rules: halves to even, cents cut down, every step rounded to a single.
#include "core/single.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace hl {
namespace {

TEST(SingleConversion, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(sgl::ToInt32(2.5), 2);
    EXPECT_EQ(sgl::ToInt32(3.5), 4);
    EXPECT_EQ(sgl::ToInt32(-2.5), -2);
    EXPECT_EQ(sgl::ToInt32(-3.5), -4);
    EXPECT_EQ(sgl::ToInt32(0.5), 0);
    EXPECT_EQ(sgl::ToInt32(2.5000001), 3);
    EXPECT_EQ(sgl::ToInt32(-0.4), 0);
    EXPECT_EQ(sgl::ToInt16(2.5), 2);
    EXPECT_EQ(sgl::ToInt16(3.5), 4);
    EXPECT_EQ(sgl::ToInt16(-2.5), -2);
    // A single that is exactly a half: 81649.5 interest cents round to the even cent.
    EXPECT_EQ(sgl::ToInt32(static_cast<double>(81649.5f)), 81650);
    EXPECT_EQ(sgl::ToInt32(static_cast<double>(81648.5f)), 81648);
}

TEST(SingleConversion, OutOfRangeSaturatesAndNaNIsZero) {
    EXPECT_EQ(sgl::ToInt16(40000.0), 32767);
    EXPECT_EQ(sgl::ToInt16(-40000.0), -32768);
    EXPECT_EQ(sgl::ToInt16(32767.4), 32767);
    EXPECT_EQ(sgl::ToInt32(1e12), 2147483647);
    EXPECT_EQ(sgl::ToInt32(-1e12), -2147483647 - 1);
    EXPECT_EQ(sgl::ToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(sgl::ToInt16(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(SingleCents, CutDownNeverRoundedUp) {
    // A payment computed as 1234.567 becomes 1234.56.
    EXPECT_EQ(sgl::CutToCents(1234.567f), 1234.56f);
    EXPECT_EQ(sgl::CutToCents(0.999f), 0.99f);
    EXPECT_EQ(sgl::CutToCents(894.49f), 894.49f);
    EXPECT_EQ(sgl::CutToCents(150000.0f), 150000.0f);
    // The integer part rounds down, so a negative value moves away from zero.
    EXPECT_EQ(sgl::IntPart(-1.5f), -2.0f);
    EXPECT_EQ(sgl::CutToCents(-1.234f), -1.24f);
}

TEST(SingleSteps, EachStepIsRoundedToASingle) {
    // 2^24 + 1 has no single: the sum stays at 2^24 where a double would keep the 1.
    EXPECT_EQ(sgl::Add(16777216.0f, 1.0f), 16777216.0f);
    EXPECT_EQ(sgl::Sub(sgl::Add(16777216.0f, 1.0f), 16777216.0f), 0.0f);
    // A running total kept as a single drifts where a double total rounded once does not.
    Single total = 0.0f;
    double wide = 0.0;
    for (int k = 0; k < 10; ++k) {
        total = sgl::Add(total, 0.1f);
        wide += static_cast<double>(0.1f);
    }
    EXPECT_EQ(total, 1.00000012f);
    EXPECT_EQ(sgl::Round(wide), 1.0f);
}

// The monthly payment on 100000 at 10 % over 25 years, step by step as singles and then
// in double precision: the lender's figure is 894.49, the double computation gives 894.48.
TEST(SingleSteps, PaymentFormulaDependsOnSingleRounding) {
    const Single amount = 100000.0f, rate = 10.0f, years = 25.0f;
    const Single base = sgl::Add(1.0f, sgl::Div(rate, 200.0f));
    const Single i = sgl::Sub(sgl::Pow(base, sgl::Div(1.0f, 6.0f)), 1.0f);
    EXPECT_EQ(i, 0.00816488266f);
    const Single n = sgl::Mul(years, 12.0f);
    const Single growth = sgl::Pow(sgl::Add(1.0f, i), n);
    const Single numerator = sgl::Mul(sgl::Mul(amount, growth), i);
    const Single denominator = sgl::Sub(growth, 1.0f);
    EXPECT_EQ(sgl::CutToCents(sgl::Div(numerator, denominator)), 894.49f);

    const double di = std::pow(1.0 + 10.0 / 200.0, 1.0 / 6.0) - 1.0;
    const double dg = std::pow(1.0 + di, 300.0);
    const double dm = 100000.0 * dg * di / (dg - 1.0);
    EXPECT_EQ(std::floor(dm * 100.0) / 100.0, 894.48);
}

} // namespace
} // namespace hl
