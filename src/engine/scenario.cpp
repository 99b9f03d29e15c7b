// Frequency names and the completeness check of a scenario.
#include "engine/scenario.h"

namespace hl {

const char* FrequencyName(int frequency) {
    switch (frequency) {
    case kMonthly:
        return "Monthly";
    case kWeekly:
        return "Weekly";
    case kTwiceAMonth:
        return "Twice a Month";
    case kEveryTwoWeeks:
        return "Every Two Weeks";
    default:
        return "";
    }
}

bool IsFrequency(int frequency) { return frequency >= kMonthly && frequency <= kEveryTwoWeeks; }

std::optional<Frequency> FrequencyFromCode(int code) {
    if (!IsFrequency(code))
        return std::nullopt;
    return static_cast<Frequency>(code);
}

bool IsComplete(const Scenario& s) {
    return s.amount > 0 && s.rate > 0 && s.amortization > 0 && s.term > 0 && s.start > 0;
}

} // namespace hl
