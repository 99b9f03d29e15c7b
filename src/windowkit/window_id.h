// The child windows of the program, by typed id: a window is found by its id, never by a string.
#pragma once

#include <optional>
#include <string_view>

namespace hl {

enum class WindowId {
    Form2,  ///< input form "Input Profile"
    Form3,  ///< summary
    Form4,  ///< payment changes
    Form5,  ///< mortgage estimate
    Form6,  ///< graph
    Form7,  ///< schedule
    Form8,  ///< refinance analysis
    Form9,  ///< payment shopper
    Form10, ///< early discharge
    Form11, ///< compare scenarios
    Form12, ///< refinance solve for date and/or rate
    Form13, ///< view payment changes
    Form14, ///< solve for
    Form15, ///< print forms control
    Form16, ///< saving suggestions
    Form17, ///< about box
    Form18, ///< the lender's terms and penalty
    Form19, ///< buying a home
};

/// The window's objectName: "Form2" ... "Form19".
const char* WindowName(WindowId id);

/// The id of an objectName, or nothing for a name that is no child window.
std::optional<WindowId> WindowNamed(std::string_view name);

} // namespace hl
