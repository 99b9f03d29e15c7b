// The mortgage amount estimate.
#include "calculators/estimate.h"

#include "core/format.h"

namespace hl::calc {

std::string EstimateInputText(int index, std::string_view text) {
    // The price and the legal fees have room for one more digit than the other boxes.
    return FormatNumber(TextValue(text), index <= 1 ? "########0.00" : "#######0.00");
}

EstimateResult RecalculateEstimate(const EstimateTexts& texts) {
    EstimateResult out;
    double expenses = 0;
    for (int i = 1; i <= 11; ++i)
        expenses += TextValue(texts[static_cast<std::size_t>(i)]);
    out.expenses = sgl::Round(expenses);
    out.expensesText = FormatNumber(out.expenses, "########0.00");

    const double funds = TextValue(texts[12]) + TextValue(texts[13]) + TextValue(texts[14]);
    out.funds = sgl::Round(funds);
    out.fundsText = FormatNumber(out.funds, "#########0.00");

    // The totals read the subtotals back from their texts, i.e. rounded to the cent.
    out.totalCost = TextValue(texts[0]) + TextValue(out.expensesText);
    out.totalCostText = FormatNumber(out.totalCost, "########0.00");
    out.mortgage = TextValue(out.totalCostText) - TextValue(out.fundsText);
    out.mortgageText = FormatNumber(out.mortgage, "########0.00");
    return out;
}

} // namespace hl::calc
