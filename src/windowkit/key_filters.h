// The keyboard conventions of every input box: Enter moves on as Tab would, and numeric boxes
// take only digits, "." and Backspace (any other key is swallowed with a beep).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace hl {

class Services;

/// Enter (and the keypad's Enter) in `box` is swallowed and moves the focus to the next control
/// in tab order.
void InstallEnterAsTab(QWidget* box);

/// Digits, "." and Backspace pass; Enter moves on as Tab; every other character key is swallowed
/// with a beep. Navigation keys (arrows, Home, Delete, Tab) are left alone. `onKey`, when given,
/// runs first for every key press (the input form marks the study changed there).
void InstallNumericFilter(QWidget* box, Services& services, std::function<void()> onKey = {});

/// Calls `handler` whenever `widget` gains (true) or loses (false) the keyboard focus.
void OnFocusChange(QWidget* widget, std::function<void(bool gained)> handler);

} // namespace hl
