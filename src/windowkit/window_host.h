// What a child window may ask of the main window: which child is active, showing and closing
// other children by name, and the tool tip. Tests give windows a host of their own.
#pragma once

#include <string>

class QWidget;

namespace hl {

class WindowHost {
public:
    virtual ~WindowHost() = default;

    /// Name (objectName) of the active child window, "" when there is none.
    virtual std::string ActiveChildName() const = 0;
    /// Shows the child of that name ("Form3"), creating it when it is not open and bringing it
    /// to the front when it is. Returns the window, or nullptr for a name the program lacks.
    virtual QWidget* ShowChild(const std::string& name) = 0;
    /// Closes (unloads) the child of that name when it is open.
    virtual void CloseChild(const std::string& name) = 0;
    /// The open child of that name, or nullptr.
    virtual QWidget* FindChild(const std::string& name) const = 0;
    /// The result-window reset: when the input form is the active child, closes every window
    /// whose figures depend on the scenario.
    virtual void ResetResultWindows() = 0;
    /// Hides the toolbar's tool tip (every child's mouse movement does this).
    virtual void HideToolTip() = 0;
    /// Deletes the working files and ends the program at once.
    virtual void EndProgram() = 0;
};

/// The result windows, in the order the reset closes them.
inline constexpr const char* kResultWindows[] = {"Form6",  "Form7",  "Form3",  "Form10", "Form8",
                                                 "Form11", "Form12", "Form13", "Form15"};

} // namespace hl
