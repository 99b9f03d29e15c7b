// The "Solve for" calculator: from a rate, a payment and its frequency, the amortization period of
// a given amount and the amount that a given amortization period carries, each independently.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/field_check.h"
#include "core/calc_message.h"
#include "core/single.h"
#include "core/translate.h"

namespace hl::calc {

/// The boxes as the computations read them (see BoxValue): nothing for an empty box.
struct SolveInputs {
    std::optional<Single> rate;       ///< Text1, annual per cent
    std::optional<Single> payment;    ///< Text2, dollars per payment
    std::optional<Money> amount;      ///< Text3, for the amortization solve
    std::optional<Single> years;      ///< Text4, for the amount solve
    std::string frequency = "Weekly"; ///< Combo1's text
};

struct AmortizationSolved {
    Single months = 0;      ///< monthly periods, whatever the frequency
    Single years = 0;       ///< months / 12
    std::string monthsText; ///< Text5
    std::string yearsText;  ///< Text7
};

struct AmountSolved {
    Money amount = 0;
    std::string text; ///< Text6
};

/// What the window does after a solve: clear first if asked, show the messages in order, then
/// put the results that are present. A result that is absent leaves its boxes as they are.
struct SolveResult {
    bool clearResults = false; ///< empty Text5, Text6 and Text7
    std::vector<CalcMessage> messages;
    std::optional<AmortizationSolved> amortization;
    std::optional<AmountSolved> amount;
    std::optional<std::string> paymentText; ///< the payment box's new text, when reformatted
};

inline constexpr const char* kUnresolvableTitle =
    HL_TR_NOOP("Calculator Messages", "Error, unresolvable scenario");
inline constexpr const char* kPaymentRangeTitle = HL_TR_NOOP(
    "Calculator Messages",
    "Input Error - out of range. Enter a valid value or delete the contents of the field.");

/// Monthly-equivalent payment: Monthly 1 x P, "Weekly" 4 x P, any other text 2 x P. The factors
/// follow the payment rule (a Weekly payment is a quarter of the monthly one), not 52/12.
Single MonthlyEquivalent(Single payment, std::string_view frequency);

/// Solves for the amortization period (when an amount is given) and for the amount (when years
/// are given). Does nothing while the rate or the payment box is empty. A payment that does not
/// cover the first month's interest leaves the amortization result as it was and says so; a rate
/// too small to give any interest clears every result and says so.
SolveResult Solve(const SolveInputs& in);

/// The largest payment a frequency takes: 10000 Monthly, 2500 Weekly, 5000 Twice a Month and
/// Every Two Weeks; nothing for any other frequency text (such a payment is not checked).
std::optional<Single> PaymentLimit(std::string_view frequency);

/// Checks a payment against its frequency: above 0 and at most 10000 Monthly, 2500 Weekly, 5000
/// Twice a Month and Every Two Weeks; any other frequency text and an empty box pass.
std::optional<CalcMessage> CheckPaymentRange(std::optional<Single> payment,
                                             std::string_view frequency);

/// A frequency chosen (or the list focused or opened): the range check, then solve or clear.
SolveResult SolveAfterFrequency(const SolveInputs& in);

/// The payment box left: clear when empty; the range check; then reformat the payment to the
/// cent and solve with the reformatted value.
SolveResult SolveAfterPayment(const SolveInputs& in);

enum class SolveBox {
    Rate,   ///< Text1
    Amount, ///< Text3
    Years,  ///< Text4
};

/// The check of Text1, Text3 or Text4 when it loses the focus. Empty: clear the results and do not
/// solve. Otherwise (accepted, or rejected whatever the answer) solve afterwards.
FieldCheck CheckSolveField(SolveBox box, std::optional<Single> value);

} // namespace hl::calc
