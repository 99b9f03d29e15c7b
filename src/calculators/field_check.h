// The check of an input box when it loses the focus: a value above 0 and up to a maximum is
// accepted and reformatted; any other is questioned with the Yes/No input error message.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calc_message.h"
#include "core/single.h"
#include "core/translate.h"

namespace hl::calc {

inline constexpr const char* kInputErrorTitle =
    HL_TR_NOOP("Calculator Messages", "Mortgage Input Error");

/// The Yes/No question of a rejected box: `firstLine` (in the program's language), then how to go
/// on. Yes returns the focus to the box and keeps its text; No empties the box.
CalcMessage InputErrorMessage(std::string_view firstLine);

/// What a box accepts: values above 0 and up to `max`.
struct FieldRule {
    Single max;
    const char* firstLine; ///< first line of the message when the value is refused, in English
    const char* pattern;   ///< display format of an accepted value
};

enum class FieldOutcome {
    Empty,    ///< the box is empty: nothing to check
    Accepted, ///< the box takes `text`
    Rejected, ///< ask `message`; on No empty the box
};

struct FieldCheck {
    FieldOutcome outcome = FieldOutcome::Empty;
    std::string text; ///< the reformatted text of an accepted value
    std::optional<CalcMessage> message;
};

/// Checks a box's value (nothing when the box is empty) against `rule`.
FieldCheck CheckField(std::optional<Single> value, const FieldRule& rule);

} // namespace hl::calc
