// Speed of the early discharge window's calculation (the schedule run it stands on, the term's
// dates, the box checks and the four penalties) and of the refinance calculation, for a 35-year
// Weekly term.
#include <benchmark/benchmark.h>

#include "analysis/early_discharge.h"
#include "analysis/refinance.h"
#include "core/day_number.h"
#include "core/format.h"
#include "engine/engine.h"

namespace {

// 250000 at 7.25 % over the amortization given, 35 years of Weekly payments. A 35-year
// amortization is repaid in about 26 years (1361 records); 300 years keeps all 1820 records.
hl::Scenario Weekly35Years(std::int64_t amortization) {
    hl::Scenario s;
    s.amount = 250000.0f;
    s.rate = 7.25f;
    s.amortization = static_cast<float>(amortization);
    s.term = 35.0f;
    s.start = hl::DayFromCivil(2027, 1, 4);
    s.frequency = hl::kWeekly;
    return s;
}

// What the window does on Calculate: runs the schedule, checks both boxes and computes the
// penalties of a discharge in the term's twentieth year (about 1000 payments made).
void BM_DischargeWeekly35Years(benchmark::State& state) {
    const hl::Scenario s = Weekly35Years(state.range(0));
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
    const hl::Scenario s = Weekly35Years(state.range(0));
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

} // namespace
