// What a child window may ask of the main window: which child is active, showing and closing
// other children by id, the result-window reset and the tool tip. Tests give windows a host of
// their own.
#pragma once

#include "windowkit/window_id.h"

namespace hl {

class ChildWindow;

class WindowHost {
  public:
    virtual ~WindowHost() = default;

    /// The active child window, nullptr when there is none.
    virtual ChildWindow* ActiveChild() const = 0;
    /// Shows the child, creating it when it is not open and bringing it to the front when it
    /// is. Returns the window, or nullptr for a window the program lacks.
    virtual ChildWindow* ShowChild(WindowId id) = 0;
    /// Closes (unloads) the child when it is open.
    virtual void CloseChild(WindowId id) = 0;
    /// The open child, or nullptr.
    virtual ChildWindow* FindChild(WindowId id) const = 0;
    /// The result-window reset: when the input form is the active child, closes every window
    /// whose figures depend on the scenario.
    virtual void ResetResultWindows() = 0;
    /// Closes every window whose figures depend on the scenario, whichever child is active (a
    /// study opened or cleared).
    virtual void CloseResultWindows() = 0;
    /// Every open tool window that is no result window shows its working file afresh (after the
    /// working files were rewritten).
    virtual void ReopenToolWindows() = 0;
    /// The same, but only when the scenario or its payment changes differ from what the open
    /// result windows were computed from (the input form recalculating).
    virtual void ResetResultWindowsIfChanged() = 0;
    /// Has every open window with a working file write it now (before Save).
    virtual void SaveOpenWindowStates() = 0;
    /// Hides the toolbar's tool tip (every child's mouse movement does this).
    virtual void HideToolTip() = 0;
    /// Deletes the working files and ends the program at once.
    virtual void EndProgram() = 0;

    /// True when `id` is the active child.
    virtual bool IsActive(WindowId id) const;
};

} // namespace hl
