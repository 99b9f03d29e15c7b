// Speed of the early discharge window's calculation (the schedule run it stands on, the term's
// dates, the box checks and the four penalties) and of the refinance calculation, for a 35-year
// Weekly term.
#include <benchmark/benchmark.h>

#include "analysis/early_discharge.h"
#include "analysis/refinance.h"
#include "analysis/refinance_search.h"
#include "bench_scenarios.h"
#include "core/day_number.h"
#include "core/format.h"
#include "engine/engine.h"

namespace {

// What the window does on Calculate: runs the schedule, checks both boxes and computes the
// penalties of a discharge in the term's twentieth year (about 1000 payments made).
void BM_DischargeWeekly35Years(benchmark::State& state) {
    const hl::Scenario s = hl::bench::Weekly35Years(state.range(0));
    const hl::PaymentChanges changes;
    hl::SilentMessages quiet;
    const std::string dateText = "Feb 15 2046";
    const std::string rateText = "5.5";
    for (auto _ : state) {
        const hl::ScheduleRun run = hl::RunSchedule({s, changes}, quiet);
        const hl::analysis::DischargeTerm term = hl::analysis::TermOf(run.schedule);
        const hl::analysis::BoxCheck date = hl::analysis::CheckDischargeDate(dateText, s, term);
        const hl::analysis::BoxCheck rate = hl::analysis::CheckDischargeRate(rateText, s);
        if (!date.message && !rate.message)
            benchmark::DoNotOptimize(hl::analysis::CalculateDischarge(
                {s, changes}, run.schedule, hl::DayFromCivil(2046, 2, 15), 5.5f));
        else
            state.SkipWithError("the discharge date or rate was refused");
    }
}
BENCHMARK(BM_DischargeWeekly35Years)->Arg(35)->Arg(300)->Unit(benchmark::kMicrosecond);

// The refinance window's Calculate one week after the start, with the schedule it already holds
// and its default boxes: the two loans run over every payment left (1360 with a 35-year
// amortization, 1819 with 300 years) at 5.5 %.
void BM_RefinanceWeekly35Years(benchmark::State& state) {
    const hl::Scenario s = hl::bench::Weekly35Years(state.range(0));
    const hl::PaymentChanges changes;
    hl::SilentMessages quiet;
    const hl::ScheduleRun run = hl::RunSchedule({s, changes}, quiet);
    const hl::DayNumber date = s.start + 7;
    const hl::analysis::BalanceOwing owing = hl::analysis::BalanceOwingOn(s, run.schedule, date);
    const hl::analysis::RefinanceTotal total = hl::analysis::TotalToRefinance(
        owing.owingText, hl::analysis::DefaultPenaltyText(s, owing, 5.5f), "0.00");
    if (owing.refusal || total.refusal) {
        state.SkipWithError("the refinance date or total was refused");
        return;
    }
    const hl::analysis::RefinanceInputs inputs{date, 5.5f,
                                               hl::sgl::Round(hl::TextValue(owing.paymentText)),
                                               hl::sgl::Round(hl::TextValue(total.text))};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            hl::analysis::CalculateRefinance({s, changes}, run.schedule, inputs));
}
BENCHMARK(BM_RefinanceWeekly35Years)->Arg(35)->Arg(300)->Unit(benchmark::kMicrosecond);

// The refinance search. The longest: 35 years of Weekly payments that the term does not pay off
// (100000 at 25 %, the payment lowered by 41.60 from the start), searched for date and rate from
// the day after the start with costs no rate can cover: every rate from 25 down at every date.
// The typical: Monthly, 100000 at 6 %, 25-year amortization, 5-year term, cap 6, costs 1500.
struct SearchCase {
    hl::Scenario scenario;
    hl::PaymentChanges changes;
    hl::analysis::SearchInputs inputs;
};

SearchCase LongestSearch() {
    SearchCase c;
    c.scenario.amount = 100000.0f;
    c.scenario.rate = 25.0f;
    c.scenario.amortization = 35.0f;
    c.scenario.term = 35.0f;
    c.scenario.start = hl::DayFromCivil(2000, 1, 3);
    c.scenario.frequency = hl::kWeekly;
    c.changes.entries = {hl::PaymentChange{0.0f, -41.60f, c.scenario.start}};
    c.inputs = {hl::analysis::SearchMode::DateAndRate,
                hl::FormatDate(c.scenario.start + 1, "mmm d, yyyy"),
                "25.000",
                "400000",
                hl::analysis::PenaltyMethod::CalculatedScenario,
                false};
    return c;
}

SearchCase TypicalSearch() {
    SearchCase c;
    c.scenario.amount = 100000.0f;
    c.scenario.rate = 6.0f;
    c.scenario.amortization = 25.0f;
    c.scenario.term = 5.0f;
    c.scenario.start = hl::DayFromCivil(2027, 1, 1);
    c.scenario.frequency = hl::kMonthly;
    c.inputs = {hl::analysis::SearchMode::DateAndRate,
                hl::FormatDate(c.scenario.start + 1, "mmm d, yyyy"),
                "6.000",
                "1500",
                hl::analysis::PenaltyMethod::CalculatedScenario,
                false};
    return c;
}

// Counts what the window would show; never stops.
class CountingObserver : public hl::analysis::SearchObserver {
  public:
    void Progress(const hl::analysis::SearchProgress&) override { ++trials; }
    void Row(const hl::analysis::SearchRow&) override { ++rows; }
    bool StopRequested() override { return false; }
    long trials = 0;
    long rows = 0;
};

template <SearchCase (*Case)(), bool Plain> void BM_RefinanceSearch(benchmark::State& state) {
    const SearchCase c = Case();
    CountingObserver counts;
    for (auto _ : state) {
        counts = CountingObserver();
        const hl::EngineInputs in{c.scenario, c.changes};
        benchmark::DoNotOptimize(Plain ? hl::analysis::RunPlainRefinanceSearch(in, c.inputs, counts)
                                       : hl::analysis::RunRefinanceSearch(in, c.inputs, counts));
    }
    state.counters["trials"] = static_cast<double>(counts.trials);
    state.counters["rows"] = static_cast<double>(counts.rows);
}
BENCHMARK(BM_RefinanceSearch<LongestSearch, false>)
    ->Name("BM_RefinanceSearchLongest")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefinanceSearch<TypicalSearch, false>)
    ->Name("BM_RefinanceSearchTypical")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefinanceSearch<TypicalSearch, true>)
    ->Name("BM_PlainRefinanceSearchTypical")
    ->Unit(benchmark::kMillisecond);
// The plain longest search takes long: one iteration.
BENCHMARK(BM_RefinanceSearch<LongestSearch, true>)
    ->Name("BM_PlainRefinanceSearchLongest")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
