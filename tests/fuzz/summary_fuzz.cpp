// The summary run of any study the reader accepts, at each payment frequency: every figure is a
// real number (none overflows to infinity or becomes NaN), and the payments made stay within
// the length of loan.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text_items.h"
#include "engine/engine.h"
#include "engine/finite_figures.h"
#include "files/study_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<hl::Study> read = hl::fuzz::ReadCompleteStudy(data, size);
    if (!read)
        return 0;
    const hl::Study& study = *read;
    hl::SilentMessages messages;
    for (int code = hl::kMonthly; code <= hl::kEveryTwoWeeks; ++code) {
        hl::Scenario s = study.scenario;
        s.frequency = static_cast<hl::Frequency>(code);
        // As the command line and the input form: a scenario without a usable payment is
        // refused before it is run.
        const hl::Money payment = hl::RegularPayment(s.amount, s.rate, s.amortization, s.frequency);
        if (!std::isfinite(payment) || payment <= 0.0f)
            continue;
        const hl::SummaryResult r = hl::RunSummary({s, study.changes}, messages);
        HL_FUZZ_CHECK(hl::AllFinite(r));
        HL_FUZZ_CHECK(r.paymentsMade >= 0);
        HL_FUZZ_CHECK(r.paymentsMade <= hl::PaymentsInTerm(s.frequency, s.term));
    }
    return 0;
}
