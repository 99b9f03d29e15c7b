// Frequency names and the completeness check of a scenario.
#include "engine/scenario.h"

#include "core/translate.h"

namespace hl {

const char* FrequencyName(int frequency) {
    switch (frequency) {
    case kMonthly:
        return HL_TR_NOOP("Frequencies", "Monthly");
    case kWeekly:
        return HL_TR_NOOP("Frequencies", "Weekly");
    case kTwiceAMonth:
        return HL_TR_NOOP("Frequencies", "Twice a Month");
    case kEveryTwoWeeks:
        return HL_TR_NOOP("Frequencies", "Every Two Weeks");
    default:
        return "";
    }
}

std::string FrequencyCaption(int frequency) {
    const char* name = FrequencyName(frequency);
    return *name ? TrText("Frequencies", name) : std::string();
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
