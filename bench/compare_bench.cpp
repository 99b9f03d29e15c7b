// Speed of the comparison: Calculate for two 35-year Weekly scenarios with 200 payment changes
// each, and scenario one's figures as the window computes them on opening.
#include <benchmark/benchmark.h>

#include "calculators/compare.h"
#include "core/day_number.h"

namespace {

// The longest loan the boxes accept at the most frequent payments, with a full table spread over
// it; scenario two a point lower with changes on other weeks.
struct TwoLongLoans {
    TwoLongLoans() {
        one.amount = 250000.0f;
        one.rate = 7.25f;
        one.amortization = 35.0f;
        one.term = 35.0f;
        one.start = hl::DayFromCivil(1996, 1, 2);
        one.frequency = hl::kWeekly;
        for (int k = 0; k < hl::PaymentChanges::kMaxEntries; ++k) {
            oneChanges.entries.push_back(hl::PaymentChange{500.0f, 1.0f, one.start + 7 * 9 * k});
            twoChanges.entries.push_back(
                hl::PaymentChange{400.0f, 2.0f, one.start + 7 * (9 * k + 4)});
        }
        hl::SilentMessages quiet;
        oneTexts = hl::calc::ScenarioOneOf(
            one, oneChanges.Count(),
            hl::RunSchedule(hl::EngineInputs{one, oneChanges}, quiet).schedule);
        two = hl::calc::ScenarioTwoBoxes{"250000.00", "6.250",       "35.00",
                                         "35.00",     "Jan 2, 1996", "Weekly"};
    }
    hl::Scenario one;
    hl::PaymentChanges oneChanges;
    hl::PaymentChanges twoChanges;
    hl::calc::ScenarioOneTexts oneTexts;
    hl::calc::ScenarioTwoBoxes two;
};

void BM_CompareCalculate(benchmark::State& state) {
    const TwoLongLoans loans;
    hl::SilentMessages quiet;
    for (auto _ : state) {
        const hl::calc::CompareTexts texts = hl::calc::CompareScenarios(
            loans.oneTexts, loans.two, loans.twoChanges, hl::kWeekly, quiet);
        benchmark::DoNotOptimize(texts.netSaving.size());
    }
}
BENCHMARK(BM_CompareCalculate)->Unit(benchmark::kMillisecond);

// Scenario one's side: its schedule run and its texts.
void BM_CompareScenarioOne(benchmark::State& state) {
    const TwoLongLoans loans;
    hl::SilentMessages quiet;
    for (auto _ : state) {
        const hl::ScheduleRun run =
            hl::RunSchedule(hl::EngineInputs{loans.one, loans.oneChanges}, quiet);
        const hl::calc::ScenarioOneTexts texts =
            hl::calc::ScenarioOneOf(loans.one, loans.oneChanges.Count(), run.schedule);
        benchmark::DoNotOptimize(texts.balance.size());
    }
}
BENCHMARK(BM_CompareScenarioOne)->Unit(benchmark::kMillisecond);

} // namespace
