// Speed of the "Buying a Home" calculator (goal: under 5 ms each): the computation a refresh
// runs, the window's refresh with its boxes, and the whole command with its rule tables read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <filesystem>
#include <sstream>
#include <stdlib.h>

#include "calculators/purchase.h"
#include "calculators/ui/purchase_window.h"
#include "cli/purchase_command.h"
#include "core/day_number.h"
#include "files/working_files.h"
#include "support/fake_host.h"
#include "support/scripted_services.h"

namespace {

// Toronto, first-time, with an income: every table, the rebates and the largest mortgage's
// search are used.
hl::calc::PurchaseInputs Toronto() {
    hl::calc::PurchaseInputs in;
    in.price = 80000000;
    in.down = 6000000;
    in.province = "ON";
    in.city = "toronto";
    in.firstTime = true;
    in.years = 3000;
    in.rate = 4950;
    in.closing = hl::DayFromCivil(2026, 6, 1);
    in.income = 20000000;
    in.taxes = 500000;
    in.heating = 15000;
    in.debts = 40000;
    return in;
}

void BM_PurchaseComputation(benchmark::State& state) {
    hl::calc::PurchaseRules rules;
    if (auto problem = hl::calc::LoadPurchaseRules(hl::calc::ProgramRulesFolder(), rules)) {
        state.SkipWithError(problem->c_str());
        return;
    }
    const hl::calc::PurchaseInputs in = Toronto();
    for (auto _ : state)
        benchmark::DoNotOptimize(hl::calc::ComputePurchase(in, rules).cashAtClosing);
}
BENCHMARK(BM_PurchaseComputation)->Unit(benchmark::kMicrosecond);

void BM_PurchaseCommand(benchmark::State& state) {
    const std::vector<std::string> args = {
        "--price", "800000",   "--down",       "60000",   "--province", "ON",
        "--city",  "toronto",  "--first-time", "--years", "30",         "--rate",
        "4.95",    "--income", "200000",       "--taxes", "5000",       "--heating",
        "150",     "--debts",  "400",          "--date",  "2026-06-01"};
    const std::string folder = hl::calc::ProgramRulesFolder();
    for (auto _ : state) {
        std::ostringstream out, err;
        if (hl::RunPurchaseCommand(args, folder, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            return;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_PurchaseCommand)->Unit(benchmark::kMicrosecond);

void BM_PurchaseWindowRefresh(benchmark::State& state) {
    hl::Session session;
    std::string base = std::filesystem::temp_directory_path().string() + "/hearthline-bench-XXXXXX";
    if (mkdtemp(base.data()))
        session.folder = base + "/";
    hl::ResetToolFiles(session.folder);
    hl::test::ScriptedServices services;
    hl::test::FakeHost host;
    hl::AppContext context{session, services, host};
    {
        hl::PurchaseWindow window(context);
        window.show();
        window.PriceBox->setText("800000.00");
        window.DownBox->setText("60000.00");
        window.RateBox->setText("4.950");
        window.YearsBox->setText("30.00");
        window.IncomeBox->setText("200000.00");
        for (auto _ : state) {
            window.BoxLostFocus(window.PriceBox);
            QCoreApplication::processEvents(); // the figures painted, as the user sees them
            benchmark::DoNotOptimize(window.CashText->text().size());
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(session.folder, ec);
}
BENCHMARK(BM_PurchaseWindowRefresh)->Unit(benchmark::kMicrosecond);

} // namespace
