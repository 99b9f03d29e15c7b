// The analysis tools on the command line: the early discharge penalties and the saving
// suggestions of a study, with the checks and the texts of their windows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hl {

/// `discharge STUDY.mtg --date YYYY-MM-DD --rate R [--frequency N]`: the early discharge
/// window's figures as "name: text" lines. `args` follow the command word. Returns 0, or 2 with
/// one line on `err`: a refused date or rate gives the window's message, its line breaks blanks.
int RunDischargeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// `suggest STUDY.mtg [--current-rate R] [--frequency N]`: the saving suggestions, one item per
/// line. Returns 0, or 2 with one line on `err` for bad input.
int RunSuggestCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace hl
