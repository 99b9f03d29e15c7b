// The calculators on the command line: the payment shopper's table and the "Solve for"
// calculator, with the checks and the results of their windows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hl {

/// `shop --amount A[:A2:STEP] --rate R[:R2:STEP] --years Y[:Y2:STEP] [--separators]`: one line
/// per result line of the shopper's table, its seven cells separated by tabs (with
/// --separators, the table's separator lines as empty lines too). `args` follow the command
/// word. Returns 0, or 2 with one line on `err` for bad input.
int RunShopCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// `solve --rate R --payment P [--frequency N] [--amount A] [--years Y]`: the amortization of
/// the amount and/or the amount the years allow, as "name: value" lines. Returns 0, or 2 with one
/// line on `err` for bad input or a scenario that cannot be solved.
int RunSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace hl
