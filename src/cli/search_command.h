// The refinance search on the command line: the window's boxes and options filled in from the
// options, checked in the window's order, and the table printed one row a line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"

namespace hl {

/// The command word.
inline constexpr const char* kSearchCommand = "refinance-search";

/// Every option the command takes, with the study as its one operand.
cli::OptionGrammar SearchCommandGrammar();

/// `refinance-search STUDY.mtg --mode both|date|rate [--date YYYY-MM-DD] [--cap R] [--costs X]
/// [--penalty scenario|future-value|accumulated] [--cmhc] [--frequency N]`: one line per row of
/// the table, its seven cells joined by tabs. Nothing found: no line, status 0, the window's
/// message on `err`. `args` follow the command word. Returns 0, or 2 with one line on `err`: a
/// refusal of the window gives its message, its line breaks blanks.
int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace hl
