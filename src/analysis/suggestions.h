// The saving suggestions: the list of ways to save interest, chosen by whether today's market
// rate is below the scenario's and whether the payments are weekly.
#pragma once

#include <string>
#include <vector>

#include "core/single.h"
#include "engine/scenario.h"

namespace hl::analysis {

/// The list's items, one line each, blanks kept. `currentRate` is the value of the rate box
/// (0 when it is empty).
std::vector<std::string> SavingSuggestions(const Scenario& scenario, Single currentRate);

} // namespace hl::analysis
