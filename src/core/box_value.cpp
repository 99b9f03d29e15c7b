// The value of a calculator's input box.
#include "core/box_value.h"

#include "core/format.h"
#include "files/tool_sections.h"

namespace hl::calc {

std::optional<Single> BoxValue(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    return sgl::Round(TextValue(text));
}

std::string RestoredBoxText(std::string_view stored) {
    if (stored.find_first_not_of(' ') == std::string_view::npos)
        return {};
    return std::string(stored);
}

std::string StoredBoxText(std::string_view box) {
    return box.empty() ? std::string(kBlankText) : std::string(box);
}

} // namespace hl::calc
