// The refinance search as it runs for the windows and the command line: the same trials in the
// same order as the plain search, reporting the same progress and rows, but deciding most
// trials without running the refinanced loan.
//
// What makes it fast, and why the rows stay the plain search's:
//
// 1. Work done once. The rates tried are the same at every date (from the same cap, by the same
//    single-precision steps): each rate's periodic rate, the payment at that rate (for the
//    Actual Scenario Calculation) and its text are computed once. At each date, the balance
//    owing B, the payment PAY, the current loan's end balance BFs, the three-month penalty TM
//    and the Actual Scenario Calculation's interest at the scenario rate I1 do not depend on the
//    rate: each is computed once per date, by the very operations the plain search calls.
// 2. The balance walk carried forward. BalanceAtDate walks the scenario's payments from the
//    first one to the payments made before the date. The dates only move forward, so the walk
//    of the previous date is continued by the payments made since, with the same LoanWalk, step
//    for step: the balance of each date is the one BalanceAtDate gives. (Re-running the previous
//    date's walk less one period would not be: the walk rounds the balance to a single at every
//    payment, while a run of periods keeps it in double.)
// 3. Trials ruled out. A trial saves when the refinanced run RunPeriods(T, ir, PAY, m) ends
//    below BFs. Every rounding in one period is monotone, so that run's end balance never falls
//    when its start T or its rate ir rises (run_bounds.cpp bounds it). The penalty is never below
//    TM, and T = B + costs + penalty is added in singles, a monotone operation: the run from
//    T0 = B + costs + TM ends no higher than the trial's. So when the closed form proves that
//    the run from T0 at the rate r ends at or above BFs, no trial at r or at any higher rate
//    saves (their periodic rates are no lower, since PeriodicRate is monotone too). A binary
//    search over the rates finds such a rate; every rate from the cap down to it is tried
//    (progress reported, the stop flag asked) and found not to save without a run. Below it,
//    each trial is first tested the same way from T0, then from a tighter total: with the
//    Actual Scenario Calculation (and no CMHC rule) the penalty is at least I1 less a proven
//    upper bound of the interest at the discharge rate, and with the other two methods the
//    penalty itself is cheap. Only a trial that none of these rules out is run exactly, as the
//    plain search runs it. The first trial that saves is therefore the plain search's first,
//    and its row is computed by the same operations.
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "analysis/penalties.h"
#include "analysis/refinance_search.h"
#include "analysis/run_bounds.h"
#include "analysis/search_steps.h"
#include "engine/loan_walk.h"

namespace hl::analysis {
namespace {

using namespace search;

// A cap above this is no rate a box takes; the plain search runs it (its loop may not end).
constexpr Single kMostCap = 1000.0f;

/// One rate of the loop, with what every date needs of it.
struct RateStep {
    Single rate = 0;
    std::string text;
    Single periodic = 0; ///< ir, also the id of the penalties
    double log1pPeriodic = 0;
    Money paymentAtRate = 0; ///< the scenario's regular payment at this rate
};

std::vector<RateStep> RateSteps(const Scenario& s, Single cap) {
    std::vector<RateStep> steps;
    for (Single r = cap; RateTried(r); r = NextRate(r)) {
        RateStep step;
        step.rate = r;
        step.text = RateText(r);
        step.periodic = PeriodicRate(s.frequency, r);
        step.log1pPeriodic = std::log1p(static_cast<double>(step.periodic));
        step.paymentAtRate = RegularPayment(s.amount, r, s.amortization, s.frequency);
        steps.push_back(std::move(step));
    }
    return steps;
}

/// BalanceAtDate, carried forward from one date to the next.
class CarriedWalk {
  public:
    explicit CarriedWalk(const EngineInputs& in) : in_(in) { Restart(); }

    /// The balance after `made` payments and the payment then in effect (none when the loan
    /// ended within them), as BalanceAtDate gives them.
    BalanceAt After(int made) {
        if (made < walked_)
            Restart();
        while (walked_ < made && endedAt_ == INT_MAX) {
            const LoanWalk::Step step = walk_->Pay();
            if (step.outcome != LoanWalk::Outcome::Paid) {
                endedAt_ = walked_ + 1;
                break;
            }
            balance_ = step.balance;
            walk_->Advance();
            ++walked_;
        }
        BalanceAt at;
        at.paymentsMade = static_cast<std::int16_t>(made);
        if (made >= endedAt_)
            return at;
        at.balance = balance_;
        at.paymentInEffect = walk_->PaymentInEffect();
        return at;
    }

  private:
    void Restart() {
        walk_.emplace(in_);
        walked_ = 0;
        endedAt_ = INT_MAX;
        balance_ = in_.scenario.amount;
    }

    const EngineInputs& in_;
    std::optional<LoanWalk> walk_;
    Money balance_ = 0;
    int walked_ = 0;
    int endedAt_ = INT_MAX; ///< the payment at which the loan ended
};

/// The payments made before `date` (LocatePayment in mode -1; 0 when not found), from the
/// term's payment dates.
int PaymentsBefore(const std::vector<DayNumber>& paymentDates, DayNumber date) {
    const auto first = std::find_if(paymentDates.begin(), paymentDates.end(),
                                    [&](DayNumber d) { return date <= d; });
    if (first == paymentDates.end())
        return 0;
    return static_cast<int>(first - paymentDates.begin());
}

/// What one date's trials share.
struct DateTrials {
    DateTrials(const Scenario& scenario, const SearchStart& searchStart, PenaltyMethod penalty)
        : s(scenario), start(searchStart), method(penalty) {}

    const Scenario& s;
    const SearchStart& start;
    PenaltyMethod method;
    int made = 0; ///< k
    int left = 0; ///< m = N - k
    Money balance = 0;
    Money payment = 0;
    Money current = 0; ///< BFs
    Money threeMonth = 0;
    bool threeMonthOnly = false;
    Money lowestTotal = 0; ///< T0 = B + costs + TM
    Single scenarioPeriodic = 0;
    Money scenarioPayment = 0;
    bool scenarioInterestKnown = false;
    Money scenarioInterest = 0; ///< I1, computed when first needed

    RunShape Refinanced(double total, const RateStep& rate) const {
        return RunShape{total, rate.periodic, rate.log1pPeriodic, payment, left};
    }

    /// True when the refinanced run from `total` at `rate` cannot end below BFs.
    bool RuledOut(Money total, const RateStep& rate) const {
        return ProvenToEndAtLeast(Refinanced(total, rate), current);
    }

    int PenaltyLeft() const { return start.paymentsInTerm - made; }

    Money ScenarioInterest() {
        if (!scenarioInterestKnown) {
            scenarioInterest =
                RunPeriods(balance, scenarioPeriodic, scenarioPayment, PenaltyLeft()).interestTotal;
            scenarioInterestKnown = true;
        }
        return scenarioInterest;
    }

    /// The Actual Scenario Calculation at `rate`, by the operations ActualScenarioCalculation
    /// does, with I1 kept from one rate to the next.
    Money ActualScenario(const RateStep& rate) {
        const int n = PenaltyLeft();
        if (n <= 0)
            return 0.0f;
        const Money atRate =
            RunPeriods(balance, rate.periodic, rate.paymentAtRate, n).interestTotal;
        return sgl::Sub(ScenarioInterest(), atRate);
    }

    /// A lower bound of the Actual Scenario Calculation at `rate`: I1 less a proven upper bound
    /// of the interest at the rate (Sub rounds monotonically). Nothing when none is proven.
    std::optional<Money> ActualScenarioAtLeast(const RateStep& rate) {
        const int n = PenaltyLeft();
        if (n <= 0)
            return 0.0f;
        const std::optional<double> most = ProvenInterestAtMost(
            RunShape{balance, rate.periodic, rate.log1pPeriodic, rate.paymentAtRate, n});
        if (!most)
            return std::nullopt;
        return sgl::Round(static_cast<double>(ScenarioInterest()) - *most);
    }

    /// The penalty the plain search charges at `rate`.
    Money Penalty(const RateStep& rate) {
        if (threeMonthOnly)
            return threeMonth;
        const PenaltyInputs in{s, balance, made, start.paymentsInTerm, rate.rate};
        Money ird = 0.0f;
        if (method == PenaltyMethod::FutureValue)
            ird = FutureValueMethod(in).value_or(0.0f);
        else if (method == PenaltyMethod::AccumulatedInterest)
            ird = AccumulatedInterestMethod(in);
        else
            ird = ActualScenario(rate);
        return ChargedPenalty(false, ird, threeMonth);
    }

    /// The trial at `rate`: the refinanced end balance when it saves, nothing otherwise.
    struct Saving {
        Money penalty = 0;
        Money refinanced = 0;
    };
    std::optional<Saving> Try(const RateStep& rate) {
        if (RuledOut(lowestTotal, rate))
            return std::nullopt;
        if (!threeMonthOnly && method != PenaltyMethod::FutureValue &&
            method != PenaltyMethod::AccumulatedInterest) {
            if (const std::optional<Money> least = ActualScenarioAtLeast(rate)) {
                const Money penalty = ChargedPenalty(false, *least, threeMonth);
                if (RuledOut(RefinancedTotal(balance, start.costs, penalty), rate))
                    return std::nullopt;
            }
        }
        const Money penalty = Penalty(rate);
        const Money total = RefinancedTotal(balance, start.costs, penalty);
        if (RuledOut(total, rate))
            return std::nullopt;
        const Money refinanced = RunPeriods(total, rate.periodic, payment, left).balance;
        if (!(refinanced < current))
            return std::nullopt;
        return Saving{penalty, refinanced};
    }

    /// The number of rates, from the cap down, that no trial at this date can save at: every
    /// rate down to one at which the run from T0 is proven to end at or above BFs.
    int RatesRuledOut(const std::vector<RateStep>& rates, int count) const {
        int proven = -1; // the lowest rate (highest index) proven so far
        int unproven = count;
        while (unproven - proven > 1) {
            const int mid = proven + (unproven - proven) / 2;
            if (RuledOut(lowestTotal, rates[static_cast<std::size_t>(mid)]))
                proven = mid;
            else
                unproven = mid;
        }
        return proven + 1;
    }
};

} // namespace

SearchOutcome RunRefinanceSearch(const EngineInputs& in, const SearchInputs& inputs,
                                 SearchObserver& observer) {
    const Scenario& s = in.scenario;
    SearchOutcome outcome;
    const SearchStart start = StartSearch(in, inputs);
    if (start.refusal) {
        outcome.refusal = start.refusal;
        return outcome;
    }
    if (!(start.cap <= kMostCap))
        return RunPlainRefinanceSearch(in, inputs, observer);

    const std::vector<RateStep> rates = RateSteps(s, start.cap);
    const int ratesPerDate = inputs.mode == SearchMode::DateOnly
                                 ? std::min<int>(1, static_cast<int>(rates.size()))
                                 : static_cast<int>(rates.size());
    std::vector<DayNumber> paymentDates;
    const int inTerm = PaymentsInTerm(s.frequency, s.term);
    for (DayNumber d = s.start; static_cast<int>(paymentDates.size()) < inTerm;
         d = NextPaymentDate(d, s.frequency, s.start))
        paymentDates.push_back(d);

    const Single is = PeriodicRate(s.frequency, s.rate);
    const Money scenarioPayment = RegularPayment(s.amount, s.rate, s.amortization, s.frequency);
    CarriedWalk walk(in);
    SearchProgress progress;
    DayNumber date = start.firstDate;
    for (int n = 0; n < start.dates; ++n) {
        if (n > 0)
            date = NextPaymentDate(date, s.frequency, s.start);
        const BalanceAt at = walk.After(PaymentsBefore(paymentDates, date));
        DateTrials trials{s, start, inputs.penalty};
        trials.made = at.paymentsMade;
        trials.left = start.scheduleCount - trials.made;
        trials.balance = at.balance;
        trials.payment = at.paymentInEffect.value_or(0.0f);
        trials.current = RunPeriods(trials.balance, is, trials.payment, trials.left).balance;
        progress.dateText = DateText(date);
        progress.balanceText = BalanceText(trials.current);
        observer.DateExamined(progress.dateText, progress.balanceText);
        if (trials.current == 0.0f) {
            if (inputs.mode == SearchMode::RateOnly)
                break;
            continue;
        }
        trials.threeMonth = ThreeMonthInterest({s, trials.balance, trials.made, 0, 0.0f});
        trials.threeMonthOnly = inputs.cmhc && trials.made >= start.threeYears;
        trials.lowestTotal = RefinancedTotal(trials.balance, start.costs, trials.threeMonth);
        trials.scenarioPeriodic = is;
        trials.scenarioPayment = scenarioPayment;

        const int ruledOut = ratesPerDate > 1 ? trials.RatesRuledOut(rates, ratesPerDate) : 0;
        for (int j = 0; j < ratesPerDate; ++j) {
            if (observer.StopRequested()) {
                outcome.stopped = true;
                return outcome;
            }
            const RateStep& rate = rates[static_cast<std::size_t>(j)];
            progress.rateText = rate.text;
            observer.Progress(progress);
            if (j < ruledOut)
                continue;
            if (const auto saving = trials.Try(rate)) {
                observer.Row(MakeRow(progress.dateText, rate.text, trials.payment, saving->penalty,
                                     trials.current, saving->refinanced));
                outcome.found = true;
                break;
            }
        }
        if (inputs.mode == SearchMode::RateOnly)
            break;
    }
    return outcome;
}

} // namespace hl::analysis
