// One row per child window: how it is made and what the main window does with it. Menus, the
// toolbar, the result-window reset, the state flush before Save, Copy and Print Current Form are
// all derived from these rows, so adding a window is one class and one row.
#pragma once

#include <optional>
#include <vector>

#include "files/tool_sections.h"
#include "windowkit/app_context.h"
#include "windowkit/window_id.h"

namespace hl {

class ChildWindow;

/// Builds the window (not shown yet; it deletes itself when closed).
using WindowMaker = ChildWindow* (*)(AppContext&);

struct WindowRow {
    WindowId id;
    WindowMaker make;   ///< nullptr while the program lacks the window: its commands are greyed
    bool needsScenario; ///< its commands first run the completeness check
    bool resultWindow;  ///< closed by the result-window reset (in the table's order)
    std::optional<ToolFile> toolFile; ///< the working file that keeps its inputs
    bool copies;                      ///< Copy takes its selection or picture
    bool prints; ///< has a printed form of its own (the others answer Print Current Form with a
                 ///< warning)
};

using WindowRegistry = std::vector<WindowRow>;

/// The row of `id`, or nullptr when the table has none.
const WindowRow* FindRow(const WindowRegistry& registry, WindowId id);

} // namespace hl
