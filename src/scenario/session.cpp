// Clearing the study's scenario.
#include "scenario/session.h"

namespace hl {

void Session::ResetScenario() {
    scenario = Scenario{};
    scenario.frequency = kWeekly;
    ClearChanges();
}

} // namespace hl
