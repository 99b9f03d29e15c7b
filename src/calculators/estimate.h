// The mortgage amount estimate: the price of a property plus the costs of buying it, less the
// buyer's own funds, gives the amount to be mortgaged.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/single.h"

namespace hl::calc {

/// Input boxes in the order the working file keeps them: Text1 (price), Text2 to Text12 (the
/// eleven expenses), Text15 to Text17 (the three sources of own funds).
inline constexpr int kEstimateInputs = 15;
using EstimateTexts = std::array<std::string, kEstimateInputs>;

/// The texts that "Display a Sample" puts in the input boxes.
inline constexpr std::array<const char*, kEstimateInputs> kEstimateSample = {
    "180000.00", "1300.00", "1525.00", "0.00",    "300.00",   "750.00", "300.00",  "400.00",
    "1000.00",   "400.00",  "925.00",  "1000.00", "10000.00", "0.00",   "33000.00"};

/// The text an input box takes when it loses the focus: its value to the cent (0.00 when it holds
/// no number). `index` counts the boxes from 0 in the order of EstimateTexts.
std::string EstimateInputText(int index, std::string_view text);

struct EstimateResult {
    Money expenses = 0;        ///< the eleven expenses, added in double and stored as a single
    Money funds = 0;           ///< the three own funds, likewise
    double totalCost = 0;      ///< price + expenses as shown
    double mortgage = 0;       ///< total cost as shown - funds as shown
    std::string expensesText;  ///< Text13
    std::string totalCostText; ///< Text14
    std::string fundsText;     ///< Text18
    std::string mortgageText;  ///< Text19, with a minus sign when the funds exceed the cost
};

/// Recalculates the four results. The total and the amount to be mortgaged are computed from
/// the subtotals as shown, so every figure on the sheet adds up to the cent.
EstimateResult RecalculateEstimate(const EstimateTexts& texts);

} // namespace hl::calc
