// Speed of the results windows on the longest schedules: opening the schedule window (engine run
// included), switching its options, and drawing a graph of every payment. Runs offscreen; each
// measure ends with the widget painted into a picture, so drawing is counted too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QImage>
#include <QRadioButton>
#include <QTableView>

#include <filesystem>
#include <stdlib.h>

#include "core/day_number.h"
#include "display/graph_data.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_window.h"
#include "engine/schedule_file.h"
#include "files/working_files.h"
#include "support/fake_host.h"
#include "support/scripted_services.h"
#include "windowkit/app_context.h"

namespace {

hl::test::FakeHost ActiveHost(const char* name) {
    hl::test::FakeHost host;
    host.active = name;
    return host;
}

// 250000 at 7.25 %, 35 years of Weekly payments (1820). A 35-year amortization is repaid by
// Weekly payments in about 26 years (1361 records); a very long amortization keeps the loan
// running for all 1820.
struct Study {
    explicit Study(int amortization) {
        std::string base =
            std::filesystem::temp_directory_path().string() + "/hearthline-bench-XXXXXX";
        session.folder = mkdtemp(base.data()) ? base + "/" : "./";
        session.ResetScenario();
        hl::ResetToolFiles(session.folder);
        session.scenario.amount = 250000.0f;
        session.scenario.rate = 7.25f;
        session.scenario.amortization = static_cast<float>(amortization);
        session.scenario.term = 35.0f;
        session.scenario.start = hl::DayFromCivil(2027, 1, 4);
        session.scenario.frequency = hl::kWeekly;
    }
    ~Study() { std::filesystem::remove_all(session.folder); }
    hl::Session session;
    hl::test::ScriptedServices services; // the benchmark asks no questions
    hl::test::FakeHost host = ActiveHost("Form7");
    hl::AppContext context{session, services, host};
};

void BM_OpenScheduleWindow(benchmark::State& state) {
    Study study(static_cast<int>(state.range(0)));
    int rows = 0;
    for (auto _ : state) {
        auto* window = new hl::ScheduleWindow(study.context);
        window->show();
        benchmark::DoNotOptimize(window->grab().toImage());
        rows = window->findChild<QTableView*>("Grid1")->model()->rowCount();
        delete window;
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_OpenScheduleWindow)->Arg(35)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_SwitchScheduleOption(benchmark::State& state) {
    Study study(300);
    auto* window = new hl::ScheduleWindow(study.context);
    window->show();
    auto* grid = window->findChild<QTableView*>("Grid1");
    const char* options[] = {"Option2", "Option3", "Option1"};
    int k = 0;
    for (auto _ : state) {
        window->findChild<QRadioButton*>(options[k++ % 3])->click();
        benchmark::DoNotOptimize(grid->grab().toImage());
    }
    delete window;
}
BENCHMARK(BM_SwitchScheduleOption)->Unit(benchmark::kMillisecond);

void BM_DrawGraph(benchmark::State& state) {
    Study study(300);
    hl::SilentMessages quiet;
    hl::WriteScheduleFiles(study.session.folder, hl::RunSchedule(study.session.Inputs(), quiet));
    auto* window = new hl::GraphWindow(study.context);
    window->show();
    int points = 0;
    for (auto _ : state) {
        // The two-line operation reads the schedule file itself, as the refinance window uses it.
        window->DrawTwoLineGraph("Acc Prin vs. Acc Int", "Time", "$ Dollars", "Acc Prin",
                                 "Acc Int");
        benchmark::DoNotOptimize(window->GraphPicture());
    }
    points = static_cast<int>(hl::ReadAvailableSchedule(study.session.folder).records.size());
    state.counters["points"] = points;
    delete window;
}
BENCHMARK(BM_DrawGraph)->Unit(benchmark::kMillisecond);

} // namespace
