// A scenario, its table, and a private working folder for the tests of the working files.
#pragma once

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/day_number.h"
#include "engine/engine.h"
#include "engine/schedule_file.h"
#include "support/temp_folder.h"

namespace hl::test {

/// Money as whole cents, the way it is shown: figures built by single subtraction (78.64 as
/// 894.49 - 815.85) differ from the single nearest the decimal in the last bit.
inline long long Cents(double money) { return std::llround(money * 100.0); }

/// Collects the engine's warnings so a test can read them.
class RecordingMessages : public EngineMessages {
public:
    void Warning(const std::string& title, const std::string& text) override {
        titles.push_back(title);
        texts.push_back(text);
    }
    std::vector<std::string> titles;
    std::vector<std::string> texts;
};

struct EngineFixture {
    Scenario scenario;
    PaymentChanges changes;
    TempFolder folder;
    RecordingMessages messages;

    /// 100000 at 10 % over 25 years, a 5-year term, first payment 1 January 1996.
    EngineFixture(Frequency frequency = kMonthly) {
        scenario.amount = 100000.0f;
        scenario.rate = 10.0f;
        scenario.amortization = 25.0f;
        scenario.term = 5.0f;
        scenario.start = DayFromCivil(1996, 1, 1);
        scenario.frequency = frequency;
    }
    EngineInputs Inputs() const { return EngineInputs{scenario, changes}; }
    ScheduleRun Run() { return RunSchedule(Inputs(), messages); }
    ScheduleFile Schedule() { return Run().schedule; }
    SummaryResult Summary() { return RunSummary(Inputs(), messages); }
    void Add(DayNumber date, Money lump, Money change) {
        changes.entries.push_back(PaymentChange{lump, change, date});
    }
};

} // namespace hl::test
