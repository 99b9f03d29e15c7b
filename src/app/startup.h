// What the program settles as it starts: the debug level from the command line and the
// working folder.
#pragma once

#include <string>
#include <vector>

namespace hl {

/// Debug level from the command line: "debugging" gives 1, "instrumenting" gives 2, anything
/// else 0.
int DebugLevelFromArguments(const std::vector<std::string>& args);

/// The working folder, ending in "/": HEARTHLINE_WORKING_FOLDER when set, else the program's own
/// folder when it can be written to, else the user's application data folder (an installed
/// program). Created when missing.
std::string ChooseWorkingFolder(const std::string& programFolder);

} // namespace hl
