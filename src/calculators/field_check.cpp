// The check of an input box when it loses the focus.
#include "calculators/field_check.h"

#include <cmath>

#include "core/box_value.h"
#include "core/format.h"

namespace hl::calc {

CalcMessage InputErrorMessage(std::string_view firstLine) {
    std::string text(firstLine);
    text += TrText("Calculator Messages",
                   "\rA valid value (or nothing) must be entered to continue.\r\r"
                   "Do you want to correct your input. (Selecting [No] will clear the field).");
    return CalcMessage{TrText("Calculator Messages", kInputErrorTitle), std::move(text),
                       Buttons::YesNo, true};
}

FieldCheck CheckField(std::optional<Single> value, const FieldRule& rule) {
    FieldCheck check;
    if (!value)
        return check;
    // A value is judged as the box then shows it: 0.001 shows as 0.00, and 0 is refused.
    const std::string shown = std::isfinite(*value) ? FormatNumber(*value, rule.pattern) : "";
    if (*value > 0 && *value <= rule.max && BoxValue(shown).value_or(0.0f) > 0) {
        check.outcome = FieldOutcome::Accepted;
        check.text = shown;
    } else {
        check.outcome = FieldOutcome::Rejected;
        check.message = InputErrorMessage(TrText("Calculator Messages", rule.firstLine));
    }
    return check;
}

} // namespace hl::calc
