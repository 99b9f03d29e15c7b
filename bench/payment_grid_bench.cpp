// Speed of the payment-changes grid: preparing 35 years of Weekly payments (1820 rows), with and
// without painting the window, and scrolling it a page at a time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>

#include <filesystem>
#include <stdlib.h>

#include "core/day_number.h"
#include "scenario/ui/payment_changes_window.h"
#include "support/fake_host.h"
#include "support/scripted_services.h"

namespace {

hl::test::FakeHost ActiveHost(const char* name) {
    hl::test::FakeHost host;
    host.active = name;
    return host;
}

// Services that answer nothing and show nothing: the benchmark asks no questions.
// The longest loan the input form accepts, at the most frequent payments, with a full table of
// 200 entries spread over it.
struct LongLoan {
    LongLoan() {
        session.folder = std::filesystem::temp_directory_path().string() + "/";
        session.scenario.amount = 250000.0f;
        session.scenario.rate = 7.25f;
        session.scenario.amortization = 35.0f;
        session.scenario.term = 35.0f;
        session.scenario.start = hl::DayFromCivil(1996, 1, 2);
        session.scenario.frequency = hl::kWeekly;
        for (int k = 0; k < hl::PaymentChanges::kMaxEntries; ++k)
            session.changes.entries.push_back(
                hl::PaymentChange{500.0f, 1.0f, session.scenario.start + 7 * 9 * k});
        window.show();
    }
    hl::Session session;
    hl::test::ScriptedServices services; // the benchmark asks no questions
    hl::test::FakeHost host = ActiveHost("Form4");
    hl::AppContext context{session, services, host};
    hl::PaymentChangesWindow window{context};
};

void BM_PrepareGrid(benchmark::State& state) {
    LongLoan loan;
    for (auto _ : state) {
        loan.window.Prepare();
        benchmark::DoNotOptimize(loan.window.Grid().Rows());
    }
    if (loan.window.Grid().PaymentRows() != 1820)
        state.SkipWithError("expected 1820 rows");
}
BENCHMARK(BM_PrepareGrid)->Unit(benchmark::kMillisecond);

// What the user waits for: the grid prepared and the window painted with it.
void BM_PrepareAndPaint(benchmark::State& state) {
    LongLoan loan;
    for (auto _ : state) {
        loan.window.Prepare();
        QPixmap shot = loan.window.grab();
        benchmark::DoNotOptimize(shot.width());
    }
}
BENCHMARK(BM_PrepareAndPaint)->Unit(benchmark::kMillisecond);

// One page down and the grid painted again, from the top to the bottom of the 1820 rows.
void BM_ScrollPage(benchmark::State& state) {
    LongLoan loan;
    loan.window.Prepare();
    auto* grid = loan.window.findChild<QTableView*>(QStringLiteral("Grid1"));
    QScrollBar* bar = grid->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        QPixmap shot = grid->viewport()->grab();
        benchmark::DoNotOptimize(shot.width());
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);

} // namespace
