// The program's table of child windows.
#pragma once

#include "windowkit/window_registry.h"

namespace hl {

/// One row per child window, Form2 to Form19. The result windows stand in the order the
/// result-window reset closes them.
WindowRegistry ProgramWindows();

} // namespace hl
