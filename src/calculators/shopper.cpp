// The payment shopper's result table.
#include "calculators/shopper.h"

#include "core/format.h"
#include "core/translate.h"
#include "engine/engine.h"

namespace hl::calc {
namespace {

struct RowWords {
    const char* order;
    const char* increment;
    const char* lower;
};

// Each message whole, so that a translation is never assembled from pieces.
constexpr RowWords kAmountWords{
    HL_TR_NOOP("Calculator Messages",
               "Error, in the mortgage row, the lower boundary MUST be lower than the upper "
               "boundary. Increase the Upper Boundary or decrease the Lower Boundary."),
    HL_TR_NOOP("Calculator Messages",
               "Error, the increment for the mortgage row is too large.  Adding this increment "
               "value to the lower boundary exceeds upper boundary. Decrease increment."),
    HL_TR_NOOP("Calculator Messages",
               "Error, in the mortgage row, a lower boundary value MUST be specified.")};
constexpr RowWords kRateWords{
    HL_TR_NOOP("Calculator Messages",
               "Error, in the interest rate row, the lower boundary MUST be lower than the upper "
               "boundary. Increase the Upper Boundary or decrease the Lower Boundary."),
    HL_TR_NOOP("Calculator Messages",
               "Error, the increment for the interest rate row is too large.  Adding this "
               "increment value to the lower boundary exceeds upper boundary. Decrease "
               "increment."),
    HL_TR_NOOP("Calculator Messages",
               "Error, in the interest rate row, a lower boundary value MUST be specified.")};
constexpr RowWords kYearsWords{
    HL_TR_NOOP("Calculator Messages",
               "Error, in the Amortization Period row, the lower boundary MUST be lower than the "
               "upper boundary. Increase the Upper Boundary or decrease the Lower Boundary."),
    HL_TR_NOOP("Calculator Messages",
               "Error, the increment for the Amortization Period row is too large.  Adding this "
               "increment value to the lower boundary exceeds upper boundary. Decrease "
               "increment."),
    HL_TR_NOOP("Calculator Messages",
               "Error, in the Amortization Period row, a lower boundary value MUST be "
               "specified.")};

CalcMessage InputViolation(std::string text) {
    return CalcMessage{TrText("Calculator Messages", kShopperInputTitle), std::move(text),
                       Buttons::Ok, true};
}

// A row with an upper boundary must run upwards by a step that fits in the range; a row with
// upper equal to lower therefore always fails on its increment.
std::optional<CalcMessage> CheckRow(const ShopperRow& row, const RowWords& words) {
    if (row.upper == 0)
        return std::nullopt;
    if (row.upper < row.lower) {
        return InputViolation(TrText("Calculator Messages", words.order));
    }
    if (row.increment <= 0 || row.increment > sgl::Sub(row.upper, row.lower)) {
        return InputViolation(TrText("Calculator Messages", words.increment));
    }
    if (row.lower <= 0)
        return InputViolation(TrText("Calculator Messages", words.lower));
    return std::nullopt;
}

std::optional<CalcMessage> CheckInputs(const ShopperInputs& in) {
    if (in.amount.lower == 0 || in.rate.lower == 0 || in.years.lower == 0) {
        return InputViolation(TrText(
            "Calculator Messages", "Error, All paramters must have a lower boundary specified. At "
                                   "least one of the values does not have the Lower Boundary "
                                   "specified."));
    }
    if (auto m = CheckRow(in.amount, kAmountWords))
        return m;
    if (auto m = CheckRow(in.rate, kRateWords))
        return m;
    return CheckRow(in.years, kYearsWords);
}

ShopperLine ResultLine(Money amount, Single rate, Single years) {
    ShopperLine line;
    line.amount = amount;
    line.rate = rate;
    line.years = years;
    line.payments = {RegularPayment(amount, rate, years, kMonthly),
                     RegularPayment(amount, rate, years, kWeekly),
                     RegularPayment(amount, rate, years, kEveryTwoWeeks),
                     RegularPayment(amount, rate, years, kTwiceAMonth)};
    return line;
}

ShopperLine Separator() {
    ShopperLine line;
    line.separator = true;
    return line;
}

} // namespace

ShopperInputs ShopperInputsFrom(const std::array<Single, 9>& s) {
    return ShopperInputs{{s[0], s[1], s[2]}, {s[3], s[4], s[5]}, {s[6], s[7], s[8]}};
}

std::array<std::string, kShopperColumns> ShopperLine::Cells() const {
    if (separator)
        return {};
    // The leading spaces set each column after the first apart from its left neighbour.
    return {FormatNumber(amount, "#####0.00"),        FormatNumber(rate, "  #0.000"),
            FormatNumber(years, "  #0.00"),           FormatNumber(payments[0], "  #####0.00"),
            FormatNumber(payments[1], "  #####0.00"), FormatNumber(payments[2], "  #####0.00"),
            FormatNumber(payments[3], "  #####0.00")};
}

std::string ShopperLine::Text() const {
    if (separator)
        return {};
    std::string text;
    for (const std::string& cell : Cells()) {
        if (!text.empty())
            text += '\t';
        text += cell;
    }
    return text;
}

Single RowCount(const ShopperRow& row) {
    if (row.upper == 0)
        return 1.0f;
    Single count = sgl::IntPart(sgl::Div(sgl::Sub(row.upper, row.lower), row.increment));
    // The last step may land exactly on the upper boundary, or fall just short of it.
    if (sgl::Add(row.lower, sgl::Mul(count, row.increment)) <= row.upper) {
        count = sgl::Add(count, 1.0f);
    }
    return count;
}

ShopperResult CalculateShopper(const ShopperInputs& in) {
    ShopperResult out;
    if ((out.message = CheckInputs(in)))
        return out;

    const Single amounts = RowCount(in.amount);
    const Single rates = RowCount(in.rate);
    const Single periods = RowCount(in.years);
    // The limit is checked before any line is made.
    if (sgl::Mul(sgl::Mul(periods, rates), amounts) > static_cast<Single>(kShopperMaxLines)) {
        out.message = CalcMessage{
            TrText("Calculator Messages", kShopperOutputTitle),
            TrText(
                "Calculator Messages",
                "Error, there are too many lines to display (over 800).  Please reduce some of the "
                "ranges or increase some of the increments (or do it in two runs)."),
            Buttons::Ok, true};
        return out;
    }

    const int amountCount = sgl::ToInt16(amounts);
    const int rateCount = sgl::ToInt16(rates);
    const int periodCount = sgl::ToInt16(periods);
    Money amount = in.amount.lower;
    Single rate = in.rate.lower;
    Single years = in.years.lower;
    for (int p = 1; p <= periodCount; ++p) {
        for (int r = 1; r <= rateCount; ++r) {
            for (int a = 1; a <= amountCount; ++a) {
                out.lines.push_back(ResultLine(amount, rate, years));
                amount = sgl::Add(amount, in.amount.increment);
            }
            if (amounts > 1)
                out.lines.push_back(Separator());
            amount = in.amount.lower;
            rate = sgl::Add(rate, in.rate.increment);
        }
        if (rates > 1 && !out.lines.empty() && !out.lines.back().separator)
            out.lines.push_back(Separator());
        rate = in.rate.lower;
        years = sgl::Add(years, in.years.increment);
    }
    return out;
}

} // namespace hl::calc
