// How the main window builds each child window, by name.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "windowkit/app_context.h"

namespace hl {

class ChildWindow;

using WindowMaker = std::function<ChildWindow*(AppContext&)>;
using WindowFactories = std::map<std::string, WindowMaker>;

/// Every window the program has, by objectName ("Form2" ...).
WindowFactories ProgramWindows();

} // namespace hl
