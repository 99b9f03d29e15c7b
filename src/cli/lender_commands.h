// The lender's terms on the command line: the plan against the prepayment privileges, and the
// penalty the lender charges on a discharge date.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace hl {

/// `privileges STUDY.mtg [--lump P] [--increase P] [--year calendar|loan] [--frequency N]`: one
/// tab-separated line per privilege year of the term (year, lumps, lump_limit,
/// largest_increase, increase_limit, excess), then "first_excess: mmm d yyyy" or
/// "first_excess:". Options not given come from the study's lender's terms, or the defaults
/// (15, 15, calendar). Returns 0, or 2 with one line on `err`.
int RunPrivilegesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

/// `lender-penalty STUDY.mtg --date D --posted R --discount X [--fee F] [--cash-back C]
/// [--long-term] [--prepay A] [--frequency N]`: "name: value" lines (balance, months_left,
/// three_month, ird, charge, fee, clawback, total, free_prepayment, and prepay_charge with
/// --prepay). A cash back given is clawed back; what is not given comes from the study's
/// lender's terms. Returns 0, or 2 with one line on `err`.
int RunLenderPenaltyCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err);

} // namespace hl
