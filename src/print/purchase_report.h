// The "Buying a Home" window's printed page: its inputs and its figures, caption and value a line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "print/page.h"

namespace hl {

/// What the window shows, as it shows it.
struct PurchaseSheet {
    std::vector<std::pair<std::string, std::string>> inputs;  ///< caption, text
    std::vector<std::pair<std::string, std::string>> results; ///< caption, text
    std::vector<std::string> notes; ///< the rules' date, a refusal, a verdict: one line each
};

/// The "Buying a Home" report: one page with its footer.
Report PurchaseReport(const PurchaseSheet& sheet);

} // namespace hl
