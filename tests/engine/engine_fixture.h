// A scenario, its table, and a private working folder for the tests of the working files.
#pragma once

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/day_number.h"
#include "engine/engine.h"
#include "engine/schedule_file.h"
#include "support/standard_scenario.h"
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

    /// The standard scenario (support/standard_scenario.h) at `frequency`.
    EngineFixture(Frequency frequency = kMonthly) : scenario(StandardScenario(frequency)) {}
    EngineInputs Inputs() const { return EngineInputs{scenario, changes}; }
    ScheduleRun Run() { return RunSchedule(Inputs(), messages); }
    ScheduleFile Schedule() { return Run().schedule; }
    SummaryResult Summary() { return RunSummary(Inputs(), messages); }
    void Add(DayNumber date, Money lump, Money change) {
        changes.entries.push_back(PaymentChange{lump, change, date});
    }
};

} // namespace hl::test
