// The command line's last line of defence: no exception escapes, and output that could not be
// written is a failure, not a success.
#pragma once

#include <functional>
#include <iosfwd>

namespace hl {

/// Runs `command` (which returns an exit status), then flushes `out`. An exception thrown by the
/// command, or output that could not be written, prints one line on `err` and gives status 2.
int RunGuarded(const std::function<int()>& command, std::ostream& out, std::ostream& err);

} // namespace hl
