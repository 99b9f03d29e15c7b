// The refinance analysis: whether discharging the mortgage on a date and taking a new one at a
// lower rate saves money by the end of the term. The balance owing on the date plus the penalty
// and other costs is run to the end of the term at the new rate and payment, the current loan
// to the same point, and the two balances are compared net of any difference in payment.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calc_message.h"
#include "engine/engine.h"
#include "engine/schedule_records.h"

namespace hl::analysis {

/// The current loan on the refinance date: payment k is the last one strictly before it.
struct BalanceOwing {
    std::optional<calc::CalcMessage> refusal; ///< "beyond the end of the mortgage"
    int paymentsMade = 0;                     ///< k
    int paymentsInTerm = 0;    ///< N, or the schedule's records when the loan ended earlier
    DayNumber paymentDate = 0; ///< date of payment k
    Money payment = 0;         ///< PAYk, the payment made at payment k
    Money balance = 0;         ///< BALk, the balance after payment k
    std::string owingText;     ///< Text7, "#########0.00"
    std::string paymentText;   ///< the default refinance payment for Text3, "#####0.00"
};

/// The balance owing on `date`, from the scenario's schedule.
BalanceOwing BalanceOwingOn(const Scenario& scenario, const ScheduleFile& schedule, DayNumber date);

/// The default penalty (Text8, "#######0.00"): the Actual Scenario Calculation of discharging
/// after payment k at `rate` (as the rate box shows it).
std::string DefaultPenaltyText(const Scenario& scenario, const BalanceOwing& owing, Single rate);

/// The total to be refinanced (Text10): owing + penalty + other, each the value of its box,
/// added in single precision. Above 500,000 it is refused and the box stays empty.
struct RefinanceTotal {
    std::string text; ///< "########0.00", empty when refused or when the owing box is empty
    std::optional<calc::CalcMessage> refusal;
};
RefinanceTotal TotalToRefinance(const std::string& owingText, const std::string& penaltyText,
                                const std::string& otherText);

/// What the calculation reads: the boxes' values as shown.
struct RefinanceInputs {
    DayNumber date = 0;
    Single rate = 0;   ///< Rr, annual per cent
    Money payment = 0; ///< PMTr
    Money total = 0;   ///< T
};

/// One payment of the comparison: its date and the two loans' balances after it.
struct RefinancePoint {
    DayNumber date = 0;
    Money current = 0;
    Money refinanced = 0;
    bool operator==(const RefinancePoint&) const = default;
};

/// The output table as the window shows it.
struct RefinanceResult {
    std::optional<calc::CalcMessage> refusal; ///< beyond the end, or the "Code Logic Trap"
    std::string comparisonDate;               ///< Text15, "mmmm d yyyy"
    std::string currentBalance;               ///< Text11
    std::string refinancedBalance;            ///< Text13
    std::string difference;                   ///< Text12, from the two texts as shown
    std::string currentPayment;               ///< Text17
    std::string refinancePayment;             ///< Text18
    std::string paymentCost;                  ///< Text16, from the two payments as shown
    std::string netSaving;                    ///< Text14, from Text12 and Text16 as shown
    std::vector<RefinancePoint> points;       ///< for the graph
};

/// Runs the refinanced loan and the current loan one payment at a time over the m = N - k
/// payments left (fewer when the refinanced loan is paid off first).
RefinanceResult CalculateRefinance(const EngineInputs& in, const ScheduleFile& schedule,
                                   const RefinanceInputs& inputs);

enum class Verdict { Good, Caution, Bad };

/// "Now, In English": by the net saving S and the payment cost C as shown. Good when S > 0 and
/// C <= 0, Caution when S > 0 and C > 0, Bad when S <= 0.
Verdict VerdictOf(const std::string& netSavingText, const std::string& paymentCostText);
/// The verdict's OK box, titled "Now in English...".
calc::CalcMessage VerdictMessage(Verdict verdict);

/// The schedule file the graph window reads for the comparison: line 1 the point count, line 2
/// the filler 99, then per point 99, its date, 99, 99, 99, the current balance, the refinanced
/// balance, 99, 99, 99.
std::string RefinanceGraphText(const std::vector<RefinancePoint>& points);

} // namespace hl::analysis
