// The program-wide state of one study: the scenario, its payment changes, the unsaved-changes
// flag, the debug level and the working folder. The application owns exactly one.
#pragma once

#include <string>

#include "engine/engine.h"

namespace hl {

struct Session {
    Scenario scenario;
    PaymentChanges changes;
    bool unsaved = false; ///< the study may have changed since it was last saved
    int debugLevel = 0;   ///< 0 normal use; 1 and 2 show calculated values on the input form
    std::string folder;   ///< working folder, ending in "/"

    /// Clears the scenario: frequency Weekly, every figure and the start date 0, no comment,
    /// no payment changes.
    void ResetScenario();
    /// Erases every payment change and lump payment.
    void ClearChanges() { changes.entries.clear(); }
    /// What the engine reads.
    EngineInputs Inputs() const { return EngineInputs{scenario, changes}; }
};

} // namespace hl
