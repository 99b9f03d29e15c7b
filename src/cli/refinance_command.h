// The refinance analysis on the command line, with the checks and the texts of its window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hl {

/// `refinance STUDY.mtg --date YYYY-MM-DD --rate R [--payment P] [--penalty X] [--other X]
/// [--frequency N]`: the refinance window's figures as "name: text" lines, the window's defaults
/// for the payment and the penalty. `args` follow the command word. Returns 0, or 2 with one
/// line on `err`: a refusal of the window gives its message, its line breaks blanks.
int RunRefinanceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace hl
