// The printed reports: the 43-page schedule of a 35-year Weekly mortgage laid out and written to
// PDF, and the page count the print control window makes when it opens.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/day_number.h"
#include "print/qt/page_renderer.h"
#include "print/reports.h"

namespace {

using namespace hl;

// 100000 at 10 % over 35 years, Weekly, the payment lowered by 30 from the first payment so that
// it runs the whole length of loan: 1820 payments, 43 pages.
struct LongWeekly {
    Scenario scenario;
    PaymentChanges changes;
    LongWeekly() {
        scenario.amount = 100000;
        scenario.rate = 10;
        scenario.amortization = 35;
        scenario.term = 35;
        scenario.start = DayFromCivil(1996, 1, 1);
        scenario.frequency = kWeekly;
        changes.entries.push_back(PaymentChange{0, -30, scenario.start});
    }
};

void BM_PageCount(benchmark::State& state) {
    const LongWeekly w;
    SilentMessages quiet;
    for (auto _ : state) {
        const ScheduleRun run = RunSchedule(EngineInputs{w.scenario, w.changes}, quiet);
        ReportChoice choice;
        const PageCounts counts =
            CountPages(ScheduleView::AllPayments, run.schedule.count, w.changes.Count(), choice);
        benchmark::DoNotOptimize(counts.total);
    }
}
BENCHMARK(BM_PageCount)->Unit(benchmark::kMillisecond);

void BM_ScheduleReportToPdf(benchmark::State& state) {
    const LongWeekly w;
    SilentMessages quiet;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("schedule.pdf"));
    for (auto _ : state) {
        const ScheduleRun run = RunSchedule(EngineInputs{w.scenario, w.changes}, quiet);
        const Report report =
            ScheduleReport(w.scenario, w.changes, run.schedule, ScheduleView::AllPayments, 1, 43);
        if (report.size() != 43 || !WritePdf(report, path)) {
            state.SkipWithError("the schedule did not print 43 pages");
            break;
        }
    }
}
BENCHMARK(BM_ScheduleReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace
