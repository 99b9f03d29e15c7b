// The rules of the input form as plain functions: checking what was typed into each box, the
// messages it asks, the Twice-a-Month start date correction and the calculated values shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/single.h"
#include "core/translate.h"
#include "engine/scenario.h"

namespace hl {

// Windows show these through TrText("Scenario Messages", ...).
inline constexpr const char* kInputErrorTitle =
    HL_TR_NOOP("Scenario Messages", "Mortgage Input Error");
inline constexpr const char* kInputViolationTitle =
    HL_TR_NOOP("Scenario Messages", "Mortgage Input Violation");
inline constexpr const char* kConfirmDeletionTitle =
    HL_TR_NOOP("Scenario Messages", "Warning - Confirm Data Deletion");

/// The four numeric fields of the scenario, in the order of their boxes.
enum class NumericField { Amount, Rate, Amortization, Term };

/// How a box's text reads when the box loses the focus.
enum class Reading {
    Empty,   ///< nothing typed: the field becomes 0 without a message
    Valid,   ///< stored and shown again formatted
    Invalid, ///< questioned: Yes to correct, No to clear
};

struct NumericReading {
    Reading outcome = Reading::Empty;
    Single value = 0;    ///< what the record takes: the leading number as a single (0 when empty)
    std::string text;    ///< Valid: the box's text, formatted
    std::string message; ///< Invalid: the Yes/No question, under kInputErrorTitle
};

/// Reads a numeric box. The value is the leading number of the text (so "12.5.7" is 12.5); it
/// is valid above 0 and up to the field's maximum (amount 500000, rate 25, amortization and
/// length of loan 35). The bounds are tested on the number as typed, before it is narrowed to a
/// single: 500000.01 is refused although as a single it would be 500000.
NumericReading ReadNumericField(NumericField field, std::string_view text);

struct DateReading {
    Reading outcome = Reading::Empty;
    DayNumber day = 0;   ///< Valid: the date read
    std::string text;    ///< Valid: the date shown again as "mmm d, yyyy"
    std::string message; ///< Invalid: the Yes/No question, under kInputErrorTitle
};

/// Reads the start date box with the program's date reader ("Jan 1 93", "mar 24 92"...).
DateReading ReadStartDate(std::string_view text);

/// The Yes/No question after a refused entry: the field's own first line, how to go on, and
/// the offer to clear. `date` picks the wording of the start date.
std::string InputErrorText(std::string_view firstLine, bool date);

/// True when the length of loan is longer than a given amortization period.
bool TermExceedsAmortization(const Scenario& scenario);
/// OK message (kInputViolationTitle) when the length of loan exceeds the amortization period.
inline constexpr const char* kTermAboveAmortizationText = HL_TR_NOOP(
    "Scenario Messages", "Error, Length of loan cannot exceed the Amortization period specified");

/// Twice-a-Month payments fall on the 15th and the 30th (the 28th, or the 29th in a year
/// divisible by 4, in February). With that frequency and a start date off this calendar, gives
/// the date it moves to: days before the 15th go to the 15th, later days to the month's second
/// payment day. Nothing when the date is fine, not set, or the frequency is another.
std::optional<DayNumber> TwiceAMonthStart(DayNumber start, int frequency);

/// OK message (kInputViolationTitle) that goes with the Twice-a-Month correction.
std::string TwiceAMonthText();

/// The Yes/No/Cancel question (kConfirmDeletionTitle) before a field that fixes the loan's time
/// frame is edited while payment changes exist; Yes erases the table.
std::string ConfirmDeletionText();

/// The frequency code of a list caption ("Monthly" 1 ... "Every Two Weeks" 4); nothing for a
/// caption the list does not hold.
std::optional<Frequency> FrequencyFromCaption(std::string_view caption);

/// The "Interest Rate Factor": the periodic rate of the scenario's frequency, "#0.000000000000";
/// empty unless the rate and a known frequency are set.
std::string RateFactorText(const Scenario& scenario);

/// The "Calculated Payment": the regular payment, "######0.00"; empty unless the amount, rate
/// and amortization are all above 0 (and the payment is a real number: a refused entry of
/// absurd size may sit in the record while the user corrects it).
std::string PaymentText(const Scenario& scenario);

/// Payment changes can be entered once the length of loan and the start date are set.
bool CanEnterChanges(const Scenario& scenario);

/// The sample study of the debug build: 102500 at 9.375 % over 25 years, a 5-year loan from
/// 24 March 1992, a change of 31.49 to the payment on its first payment and a lump payment of
/// 3000 on 26 January 1993. The frequency and the comment are left as they are.
void FlashLoad(Scenario& scenario, PaymentChanges& changes);

} // namespace hl
