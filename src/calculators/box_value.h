// The value of a calculator's input box as the computations read it.
#pragma once

#include <optional>
#include <string_view>

#include "core/single.h"

namespace hl::calc {

/// A box's value: nothing when its text is empty (a box holding only spaces is not empty),
/// otherwise the leading number of its text as a single, 0 when the text has none.
std::optional<Single> BoxValue(std::string_view text);

} // namespace hl::calc
