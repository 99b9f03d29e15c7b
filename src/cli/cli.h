// The command-line program: schedule and summary of a study file, and the calculators.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hl {

/// Runs the command line `args` (without the program name). Output goes to `out`, warnings and
/// errors to `err`. Returns the exit status: 0 done, 2 bad input (one clear line on `err`).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace hl
