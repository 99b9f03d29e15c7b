// The compare-scenarios window on the command line: two studies, the first the current scenario,
// the second scenario two with its own payment changes.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hl {

/// `compare ONE.mtg TWO.mtg`: the texts the compare window shows, one "name: text" line each.
/// TWO's values are read as its boxes would hold them. `args` follow the command word. Returns
/// 0, or 2 with one line on `err` for an unreadable or incomplete study or a value the window's
/// boxes refuse.
int RunCompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace hl
