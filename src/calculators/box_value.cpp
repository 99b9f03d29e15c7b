// The value of a calculator's input box.
#include "calculators/box_value.h"

#include "core/format.h"

namespace hl::calc {

std::optional<Single> BoxValue(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    return sgl::Round(TextValue(text));
}

} // namespace hl::calc
