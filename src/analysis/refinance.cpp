// The refinance analysis: the balance owing, the default penalty, the total to refinance, the
// two loans run side by side to the end of the term, and the verdict on the result.
#include "analysis/refinance.h"

#include <algorithm>

#include "analysis/penalties.h"
#include "core/format.h"
#include "core/text_items.h"
#include "core/translate.h"

namespace hl::analysis {
namespace {

constexpr const char* kViolationTitle = HL_TR_NOOP("Analysis Messages", "Mortgage Input Violation");
constexpr const char* kLimitTitle = HL_TR_NOOP("Analysis Messages", "Mortgage Error Trap");
constexpr const char* kLogicTitle = HL_TR_NOOP("Analysis Messages", "Code Logic Trap");
constexpr const char* kVerdictTitle = HL_TR_NOOP("Analysis Messages", "Now in English...");
constexpr const char* kBalancePattern = "#######0.00";

// The most a lender's form takes; compared as the single the total is held in.
constexpr Money kMostToRefinance = 500000.0f;

// The graph reader skips the items it does not draw; they are written as this filler.
constexpr int kFiller = 99;

calc::CalcMessage Ok(const char* title, std::string text, bool beep) {
    return calc::CalcMessage{TrText("Analysis Messages", title), std::move(text), calc::Buttons::Ok,
                             beep};
}

calc::CalcMessage BeyondTheEnd() {
    return Ok(kViolationTitle,
              TrText("Analysis Messages",
                     "Error - Discharge date is beyond the end of the mortgage.  Please adjust the "
                     "discharge date so that it falls within the loan time frame."),
              true);
}

calc::CalcMessage CodeLogicTrap() {
    // The current loan at its last payment paid off before the term ended, which its own
    // schedule says cannot happen: the inputs are what a report of the fault needs.
    return Ok(
        kLogicTitle,
        TrText("Analysis Messages",
               "Code Warning, record input data scenario, payment changes and discharge input "
               "data.\r\rPlease report this case, with these inputs, to the program's developers "
               "(see the About box)."),
        false);
}

/// A box's value as a single: the leading number of its text, 0 when it has none.
Single ShownSingle(const std::string& text) { return sgl::Round(TextValue(text)); }

} // namespace

BalanceOwing BalanceOwingOn(const Scenario& scenario, const ScheduleFile& schedule,
                            DayNumber date) {
    BalanceOwing owing;
    const LocatedPayment located = LocatePayment(scenario, date, -1);
    if (!located.found) {
        owing.refusal = BeyondTheEnd();
        return owing;
    }
    const int k = located.count;
    owing.paymentsMade = k;
    owing.paymentsInTerm = schedule.count;
    // Records 1..k are read; a loan paid off before the date ends the reading early, and its
    // last record then stands for payment k.
    const int read = std::min(k, static_cast<int>(schedule.records.size()));
    if (read < k)
        owing.paymentsInTerm = read;
    if (read > 0) {
        const ScheduleRecord& r = schedule.records[static_cast<std::size_t>(read - 1)];
        owing.paymentDate = r.date;
        owing.payment = r.payment;
        owing.balance = r.balance;
    } else {
        owing.balance = schedule.amount;
    }
    owing.owingText = FormatNumber(owing.balance, "#########0.00");
    owing.paymentText = FormatNumber(owing.payment, "#####0.00");
    return owing;
}

std::string DefaultPenaltyText(const Scenario& scenario, const BalanceOwing& owing, Single rate) {
    if (owing.refusal)
        return {};
    const PenaltyInputs inputs{scenario, owing.balance, owing.paymentsMade, owing.paymentsInTerm,
                               rate};
    return FormatNumber(ActualScenarioCalculation(inputs), kBalancePattern);
}

RefinanceTotal TotalToRefinance(const std::string& owingText, const std::string& penaltyText,
                                const std::string& otherText) {
    RefinanceTotal total;
    if (owingText.empty())
        return total;
    // The penalty and the other costs first, then the balance owing: the order decides the
    // last bit of the single.
    const Money costs = sgl::Add(ShownSingle(penaltyText), ShownSingle(otherText));
    const Money t = sgl::Add(costs, ShownSingle(owingText));
    if (t > kMostToRefinance) {
        total.refusal =
            Ok(kLimitTitle,
               TrArg(TrText("Analysis Messages", "Error, 'Total to be refinanced' cannot exceed "
                                                 "500,000.\r\rTotal to be refinanced = $ owing on "
                                                 "discharge date + Penalty /Costs.\rIt currently "
                                                 "equals: %1"),
                     FormatNumber(t, "##########0.00")),
               false);
        return total;
    }
    total.text = FormatNumber(t, "########0.00");
    return total;
}

RefinanceResult CalculateRefinance(const EngineInputs& in, const ScheduleFile& schedule,
                                   const RefinanceInputs& inputs) {
    const Scenario& s = in.scenario;
    RefinanceResult result;
    const BalanceOwing owing = BalanceOwingOn(s, schedule, inputs.date);
    if (owing.refusal) {
        result.refusal = owing.refusal;
        return result;
    }
    int m = owing.paymentsInTerm - owing.paymentsMade;
    const Single ir = PeriodicRate(s.frequency, inputs.rate);
    const Single is = PeriodicRate(s.frequency, s.rate);

    // The new loan from the date of payment k, one payment at a time: a loan paid off early
    // ends the comparison there.
    DayNumber date = owing.paymentDate;
    Money refinanced = inputs.total;
    result.points.reserve(static_cast<std::size_t>(std::max(m, 0)));
    for (int j = 1; j <= m; ++j) {
        date = NextPaymentDate(date, s.frequency, s.start);
        const PeriodsResult step =
            RunPeriods(static_cast<double>(refinanced), ir, inputs.payment, 1);
        refinanced = step.paidOff ? 0.0f : step.balance;
        result.points.push_back(RefinancePoint{date, 0.0f, refinanced});
        if (step.paidOff) {
            m = j;
            break;
        }
    }

    // The current loan to the same point at its payment on the date, without the later changes
    // or lump payments of the table.
    Money current = owing.balance;
    for (int j = 1; j <= m; ++j) {
        const PeriodsResult step = RunPeriods(static_cast<double>(current), is, owing.payment, 1);
        if (step.paidOff && j < m) {
            RefinanceResult trapped;
            trapped.refusal = CodeLogicTrap();
            return trapped;
        }
        current = step.paidOff ? 0.0f : step.balance;
        result.points[static_cast<std::size_t>(j - 1)].current = current;
    }

    result.comparisonDate = FormatDate(date, "mmmm d yyyy");
    result.refinancedBalance = FormatNumber(refinanced, kBalancePattern);
    result.currentBalance = FormatNumber(current, kBalancePattern);
    result.currentPayment = FormatNumber(owing.payment, kBalancePattern);
    result.refinancePayment = FormatNumber(inputs.payment, kBalancePattern);

    // The figures below come from the texts as shown, in double: the payment carried as a single
    // sum of changes is not exactly its cents, and the default payment, which shows the same as
    // the current one, must cost exactly nothing.
    const double md = static_cast<double>(m);
    const double cost =
        TextValue(result.refinancePayment) * md - TextValue(result.currentPayment) * md;
    result.paymentCost = FormatNumber(cost, "######0.00");
    result.difference = FormatNumber(
        TextValue(result.currentBalance) - TextValue(result.refinancedBalance), kBalancePattern);
    result.netSaving =
        FormatNumber(TextValue(result.difference) - TextValue(result.paymentCost), "######0.00");
    return result;
}

Verdict VerdictOf(const std::string& netSavingText, const std::string& paymentCostText) {
    const double saving = TextValue(netSavingText);
    const double cost = TextValue(paymentCostText);
    if (!(saving > 0.0))
        return Verdict::Bad;
    return cost > 0.0 ? Verdict::Caution : Verdict::Good;
}

calc::CalcMessage VerdictMessage(Verdict verdict) {
    if (verdict == Verdict::Bad)
        return Ok(
            kVerdictTitle,
            TrText(
                "Analysis Messages",
                "Bad Move  #%^$*&&^*\r\r"
                "This isn't saving you any money.  It is all dependant on the discharge interest "
                "rate\r"
                "and the discharge penalty you are being charged.  Check with the bank for an "
                "actual \r"
                "discharge figure.\r"
                "Keep looking at this if the interest rates are lower than you are now paying."
                "\r\r"),
            false);
    const std::string caution =
        verdict == Verdict::Caution
            ? TrText("Analysis Messages", "Caution: make sure the payment increase on the new "
                                          "mortgage won't cramp your style.\r\r")
            : std::string();
    // The caution is a paragraph of its own, put between the verdict's first and last.
    return Ok(kVerdictTitle,
              TrArg(TrText("Analysis Messages",
                           "Good Move !!! (on paper that is)\r\r"
                           "Talk to the bank.  Verify the dishcarge penalty figure and check for "
                           "any additional\r"
                           "costs regarding terminating and rewritting the mortgage and confirm "
                           "the saving with them\r\r%1"
                           "They don't like doing this, getting the answers is like pulling teeth "
                           "but it looks like you have\r"
                           "something worth investigating further."),
                    caution),
              false);
}

std::string RefinanceGraphText(const std::vector<RefinancePoint>& points) {
    ItemWriter w;
    w.Whole(static_cast<long long>(points.size())).EndLine().Whole(kFiller).EndLine();
    for (const RefinancePoint& p : points) {
        // The current balance stands where the schedule holds the principal repaid to date and
        // the refinanced one where it holds the interest to date: the two lines the graph draws.
        w.Whole(kFiller)
            .Whole(p.date)
            .Whole(kFiller)
            .Whole(kFiller)
            .Whole(kFiller)
            .Number(p.current)
            .Number(p.refinanced)
            .Whole(kFiller)
            .Whole(kFiller)
            .Whole(kFiller)
            .EndLine();
    }
    return w.Contents();
}

} // namespace hl::analysis
