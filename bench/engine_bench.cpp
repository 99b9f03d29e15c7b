// Speed of the engine's inner loop and of a whole schedule run, in memory and with its files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdlib.h>

#include "bench_scenarios.h"
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

// The run and the writing of its working files, as the schedule window does on opening.
void BM_RunScheduleWeekly35Years(benchmark::State& state) {
    const std::string folder = MakeFolder();
    const hl::Scenario s = hl::bench::Weekly35Years(state.range(0));
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
    const hl::Scenario s = hl::bench::Weekly35Years(state.range(0));
    hl::PaymentChanges changes;
    hl::SilentMessages quiet;
    for (auto _ : state)
        benchmark::DoNotOptimize(hl::RunSchedule({s, changes}, quiet));
}
BENCHMARK(BM_RunScheduleInMemoryWeekly35Years)->Arg(35)->Arg(300)->Unit(benchmark::kMicrosecond);

} // namespace
