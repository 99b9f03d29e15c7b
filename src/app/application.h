// Start-up of the desktop program: the start-up box, then the main window with the input form.
#pragma once

namespace hl {

/// Runs the program until it ends; returns the exit status.
int RunDesktopProgram(int argc, char** argv);

} // namespace hl
