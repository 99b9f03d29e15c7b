// Speed of opening windows over a 35-year Weekly scenario with 200 payment changes. The compare
// window: the schedule run, the parked and schedule working files, the restore and the controls.
// The print control window: the schedule run, its working file and the page count.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <filesystem>
#include <stdlib.h>

#include "calculators/ui/compare_window.h"
#include "core/day_number.h"
#include "files/working_files.h"
#include "print/ui/print_control_window.h"
#include "support/fake_host.h"
#include "support/scripted_services.h"

namespace {

struct LongLoan {
    LongLoan() {
        std::string base =
            std::filesystem::temp_directory_path().string() + "/hearthline-bench-XXXXXX";
        if (mkdtemp(base.data()))
            session.folder = base + "/";
        hl::ResetToolFiles(session.folder);
        session.scenario.amount = 250000.0f;
        session.scenario.rate = 7.25f;
        session.scenario.amortization = 35.0f;
        session.scenario.term = 35.0f;
        session.scenario.start = hl::DayFromCivil(1996, 1, 2);
        session.scenario.frequency = hl::kWeekly;
        for (int k = 0; k < hl::PaymentChanges::kMaxEntries; ++k)
            session.changes.entries.push_back(
                hl::PaymentChange{500.0f, 1.0f, session.scenario.start + 7 * 9 * k});
        host.active = "Form11";
    }
    ~LongLoan() {
        std::error_code ec;
        std::filesystem::remove_all(session.folder, ec);
    }
    hl::Session session;
    hl::test::ScriptedServices services; // the benchmark asks no questions
    hl::test::FakeHost host;
    hl::AppContext context{session, services, host};
};

void BM_OpenCompareWindow(benchmark::State& state) {
    LongLoan loan;
    for (auto _ : state) {
        auto* window = new hl::CompareWindow(loan.context);
        window->show();
        QCoreApplication::processEvents(); // laid out and painted, as the user sees it
        benchmark::DoNotOptimize(window->Text11->text().size());
        state.PauseTiming();
        window->close(); // deletes itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenCompareWindow)->Unit(benchmark::kMillisecond);

void BM_OpenPrintControlWindow(benchmark::State& state) {
    LongLoan loan;
    loan.host.active = "Form15";
    for (auto _ : state) {
        auto* window = new hl::PrintControlWindow(loan.context);
        window->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->Text4->text().size());
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPrintControlWindow)->Unit(benchmark::kMillisecond);

} // namespace
