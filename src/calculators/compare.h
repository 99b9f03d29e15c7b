// The compare-scenarios window's computation: the current scenario's figures from its schedule,
// a second scenario's figures from a summary run of its own scenario and table, the differences
// and savings from the texts as the window shows them, and the checks of the second scenario's
// boxes. Shared by the window and the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculators/field_check.h"
#include "core/calc_message.h"
#include "core/translate.h"
#include "engine/engine.h"
#include "engine/schedule_records.h"

namespace hl::calc {

/// Scenario one as the window shows it (display only).
struct ScenarioOneTexts {
    std::string amount;       ///< Text1, "########0.00"
    std::string rate;         ///< Text2, "#0.000"
    std::string amortization; ///< Text3, "##0.00"
    std::string term;         ///< Text4, "##0.00"
    std::string start;        ///< Text5, "mmm, d yyyy"
    std::string frequency;    ///< Text6, the frequency's name
    std::string payment;      ///< Text7, the regular payment, "#####0.00"
    std::string regularPaid;  ///< Text31, every payment of the schedule, "########0.00"
    std::string lumpPaid;     ///< Text9, every lump payment, "######0.00"
    std::string closingDate;  ///< Text10, the last record's date, "mmm d yyyy"
    std::string balance;      ///< Text11, the last record's balance, "######0.00"
    std::string principal;    ///< Text12, principal to date of the last record, "######0.00"
    std::string interest;     ///< Text13, interest to date of the last record, "######0.00"
    bool hasChanges = false;  ///< Text8 shows "Changes entered for Scenario One"
};

/// Scenario one's texts from its scenario, the number of its payment changes and its schedule.
/// The regular total adds the records' payments in double precision, the lump total in single
/// precision, as the records are read in order.
ScenarioOneTexts ScenarioOneOf(const Scenario& scenario, int changeCount,
                               const ScheduleFile& schedule);

/// Scenario two's six input boxes as typed (Text14..Text18 and Combo1's text).
struct ScenarioTwoBoxes {
    std::string amount;       ///< Text14
    std::string rate;         ///< Text15
    std::string amortization; ///< Text16
    std::string term;         ///< Text17
    std::string start;        ///< Text18, a date
    std::string frequency;    ///< Combo1's text
    /// True when every one of the six boxes holds some text (Calculate may run).
    bool Complete() const;
};

/// The frequency code of Combo1's text ("Monthly" 1 ... "Every Two Weeks" 4); `otherwise` for
/// any other text.
Frequency FrequencyOfText(std::string_view text, Frequency otherwise);

/// The scenario scenario two's boxes describe: leading numbers as singles, the date the start
/// box holds (0 when it holds none), the list's frequency (`otherwise` for a text it lacks).
Scenario ScenarioTwoOf(const ScenarioTwoBoxes& boxes, Frequency otherwise);

/// Scenario two's figures and the third column, as the window shows them.
struct CompareTexts {
    std::string payment;           ///< Text19, "#####0.00"
    std::string closingDate;       ///< Text22, "mmm d yyyy"
    std::string balance;           ///< Text23, "########0.00"
    std::string principal;         ///< Text24
    std::string interest;          ///< Text25
    std::string lumpPaid;          ///< Text21
    std::string regularPaid;       ///< Text32
    std::string lumpDifference;    ///< Text27, "#######0.00"
    std::string balanceDifference; ///< Text28
    std::string grossSaving;       ///< Text29
    std::string regularDifference; ///< Text33
    std::string netSaving;         ///< Text30
};

inline constexpr const char* kIncompleteTitle =
    HL_TR_NOOP("Calculator Messages", "Mortgage Error Trap");
inline constexpr const char* kIncompleteText =
    HL_TR_NOOP("Calculator Messages",
               "Error - all input boxes for scenario 2 must be completed. Please complete");

/// The message Calculate gives while a box of scenario two is empty.
CalcMessage IncompleteScenarioTwoMessage();

/// The differences and savings of the third column. Each operand is the value of the text its
/// box shows (already rounded to the cent by its format), taken in double precision; the net
/// saving adds the gross saving, the lump difference and the regular difference as shown.
/// A positive figure favours scenario two.
void FillDifferences(const ScenarioOneTexts& one, CompareTexts& two);

/// Calculate: runs scenario two, as its boxes describe it, over its own table of payment changes
/// (a summary run; nothing is written) and fills scenario two's figures and the differences.
/// `otherwise` is the frequency kept when Combo1 holds a text the list lacks (the current
/// scenario's). The boxes must be complete.
CompareTexts CompareScenarios(const ScenarioOneTexts& one, const ScenarioTwoBoxes& two,
                              const PaymentChanges& twoChanges, Frequency otherwise,
                              EngineMessages& messages);

/// The payment preview of scenario two: its regular payment ("########0.00") once the amount,
/// rate and amortization are all above 0; nothing otherwise.
std::optional<std::string> PaymentPreview(const ScenarioTwoBoxes& boxes, Frequency otherwise);

/// Scenario two's boxes, in the window's order.
enum class TwoBox { Amount, Rate, Amortization, Term, Start };

/// The check of a scenario-two box losing the focus (nothing to check when it is empty). An
/// accepted number is rewritten "######0.00" (amount), "#0.000" (rate) or "#####0.00" (years),
/// an accepted date "mmm d, yyyy". Bounds are above 0 and up to 500000, 25, 35 and 35, compared
/// as singles.
FieldCheck CheckTwoBox(TwoBox box, std::string_view text);

inline constexpr const char* kViolationTitle =
    HL_TR_NOOP("Calculator Messages", "Mortgage Input Violation");
inline constexpr const char* kLengthText = HL_TR_NOOP(
    "Calculator Messages", "Error, Length of loan cannot exceed the Amortization period specified");

/// The length check after Text17: an OK message when scenario two's amortization is above 0
/// and the length exceeds it.
std::optional<CalcMessage> CheckTwoLength(std::string_view termText,
                                          std::string_view amortizationText);

} // namespace hl::calc
