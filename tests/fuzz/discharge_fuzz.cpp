// The Future Value Method on any study the reader accepts, after every few payments and at
// discharge rates up to the scenario's: a penalty is never below zero and never infinite or NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/penalties.h"
#include "core/text_items.h"
#include "engine/engine.h"
#include "files/study_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<hl::Study> read = hl::fuzz::ReadCompleteStudy(data, size);
    if (!read)
        return 0;
    const hl::Study& study = *read;
    const hl::Scenario& s = study.scenario;
    const hl::Money payment = hl::RegularPayment(s.amount, s.rate, s.amortization, s.frequency);
    if (!std::isfinite(payment) || payment <= 0.0f)
        return 0;
    hl::SilentMessages messages;
    const hl::ScheduleRun run = hl::RunSchedule({s, study.changes}, messages);
    const int n = hl::PaymentsInTerm(s.frequency, s.term);
    const std::size_t step = run.schedule.records.size() / 8 + 1;
    for (std::size_t k = 0; k < run.schedule.records.size(); k += step) {
        for (const hl::Single rate : {s.rate, s.rate * 0.5f, s.rate - 0.001f}) {
            if (!(rate > 0.0f))
                continue;
            const hl::analysis::PenaltyInputs in{s, run.schedule.records[k].balance,
                                                 static_cast<int>(k + 1), n, rate};
            if (const std::optional<hl::Money> future = hl::analysis::FutureValueMethod(in)) {
                HL_FUZZ_CHECK(std::isfinite(*future));
                HL_FUZZ_CHECK(*future >= 0.0f);
            }
        }
    }
    return 0;
}
