// The three calculator windows by name, for the main window's commands.
#pragma once

#include <string_view>

namespace hl {

class ChildWindow;
struct AppContext;

/// A new calculator window: "Form14" Solve For, "Form9" Payment Shopper, "Form5" Mortgage
/// Estimate; nullptr for any other name. None needs a scenario. The window is not shown yet and
/// deletes itself when closed.
ChildWindow* CreateCalculatorWindow(AppContext& context, std::string_view name);

} // namespace hl
