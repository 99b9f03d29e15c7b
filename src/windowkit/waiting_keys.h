// Keys the user typed before a window was shown are not for that window.
#pragma once

class QWidget;

namespace hl {

/// Drops every key typed until `window` has been drawn on the screen (and the events waiting
/// then are delivered): a window that has just opened takes only what is typed once the user
/// can see it.
void DropKeysUntilShown(QWidget* window);

} // namespace hl
