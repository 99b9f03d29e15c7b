// Speed of the engine's inner loop and of a whole schedule run, in memory and with its files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdlib.h>

#include "core/day_number.h"
#include "engine/engine.h"
#include "engine/schedule_file.h"

namespace {

std::string MakeFolder() {
    std::string base = std::filesystem::temp_directory_path().string() + "/hearthline-bench-XXXXXX";
    if (!mkdtemp(base.data()))
        return "./";
    return base + "/";
}

// One period at a time, as the schedule and summary runs call it.
void BM_RunPeriods(benchmark::State& state) {
    const hl::Single rate = hl::PeriodicRate(hl::kWeekly, 7.25f);
    double balance = 250000.0;
    for (auto _ : state) {
        const hl::PeriodsResult r = hl::RunPeriods(balance, rate, 410.0f, 1);
        balance = r.balance > 1000.0f ? static_cast<double>(r.balance) : 250000.0;
        benchmark::DoNotOptimize(balance);
    }
}
BENCHMARK(BM_RunPeriods);

// 35 years of Weekly payments. Weekly payments repay a 35-year amortization in about 26 years
// (1361 records, and a header rewrite when written); the long amortization case keeps the loan
// running for all 1820 records.
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

// The run and the writing of its working files, as the schedule window does on opening.
void BM_RunScheduleWeekly35Years(benchmark::State& state) {
    const std::string folder = MakeFolder();
    const hl::Scenario s = Weekly35Years(state.range(0));
    hl::PaymentChanges changes;
    hl::SilentMessages quiet;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            hl::WriteScheduleFiles(folder, hl::RunSchedule({s, changes}, quiet)));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RunScheduleWeekly35Years)->Arg(35)->Arg(300)->Unit(benchmark::kMicrosecond);

// The run alone: the records in memory, no file.
void BM_RunScheduleInMemoryWeekly35Years(benchmark::State& state) {
    const hl::Scenario s = Weekly35Years(state.range(0));
    hl::PaymentChanges changes;
    hl::SilentMessages quiet;
    for (auto _ : state)
        benchmark::DoNotOptimize(hl::RunSchedule({s, changes}, quiet));
}
BENCHMARK(BM_RunScheduleInMemoryWeekly35Years)->Arg(35)->Arg(300)->Unit(benchmark::kMicrosecond);

} // namespace
