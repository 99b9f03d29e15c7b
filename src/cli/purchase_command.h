// The "Buying a Home" calculator on the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"

namespace hl {

inline constexpr const char* kPurchaseCommand = "purchase";

/// The options the purchase command takes.
cli::OptionGrammar PurchaseCommandGrammar();

/// `purchase --price P --down D[%] [--province XX] [--city toronto|montreal] [--first-time]
/// [--new-build] [--years Y] --rate R [--frequency N] [--income I] [--taxes T] [--heating H]
/// [--condo C] [--debts D] [--transfer-tax X] [--date YYYY-MM-DD]`: the figures of the window,
/// one "name: value" line each, by the rule tables of `rulesFolder`. Returns 0, or 2 with one
/// line on `err` for bad input or a purchase that cannot be financed so.
int RunPurchaseCommand(const std::vector<std::string>& args, const std::string& rulesFolder,
                       std::ostream& out, std::ostream& err);

} // namespace hl
