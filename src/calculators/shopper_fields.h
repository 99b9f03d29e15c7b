// The payment shopper's input boxes: the check each one runs when it loses the focus, and the
// value it keeps for the calculation.
#pragma once

#include <array>
#include <optional>

#include "calculators/field_check.h"
#include "core/single.h"

namespace hl::calc {

/// Boxes Text1 to Text9: amount, rate and amortization rows of lower, upper and increment.
inline constexpr int kShopperBoxes = 9;

struct ShopperFieldCheck {
    FieldCheck check;
    Single stored = 0;       ///< the box's stored value from now on (0 again if No empties it)
    bool clearTable = false; ///< remove the result lines
};

/// The check of box `box` (1 to 9) holding `value` (nothing when empty), whose stored value was
/// `stored`. The new value is stored even when the check then refuses it.
ShopperFieldCheck CheckShopperField(int box, std::optional<Single> value, Single stored);

/// The texts that "Display a sample" puts in Text1 to Text9.
inline constexpr std::array<const char*, kShopperBoxes> kShopperSample = {
    "50000", "60000", "5000", "7", "8", "1", "15", "25", "5"};

} // namespace hl::calc
