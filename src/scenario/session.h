// The program-wide state of one study: the scenario, its payment changes, the unsaved-changes
// flag, the debug level and the working folder. The application owns exactly one.
#pragma once

#include <functional>
#include <string>

#include "engine/engine.h"
#include "files/lender_terms.h"

namespace hl {

struct Session {
    Scenario scenario;
    PaymentChanges changes;
    int debugLevel = 0;    ///< 0 normal use; 1 and 2 show calculated values on the input form
    std::string folder;    ///< working folder, ending in "/"
    std::string studyPath; ///< the study file last opened or saved, "" for an untitled study
    /// The lender's terms, kept with the study once the user has entered any; none before.
    std::optional<LenderTerms> lender;

    /// The study may have changed since it was last saved.
    bool Unsaved() const { return unsaved_; }
    /// An edit of the scenario, its payment changes or a tool window's inputs: the only way the
    /// unsaved-changes flag goes up.
    void MarkChanged() {
        unsaved_ = true;
        if (flagSet_)
            flagSet_();
    }
    /// Start-up, New, Open and a good Save.
    void MarkSaved() {
        unsaved_ = false;
        if (flagSet_)
            flagSet_();
    }
    /// `watcher` runs each time the flag is set, up or down: the one place where the recovery
    /// copy and the status bar hear of an edit.
    void WatchFlag(std::function<void()> watcher) { flagSet_ = std::move(watcher); }

    /// Clears the scenario: frequency Weekly, every figure and the start date 0, no comment,
    /// no payment changes.
    void ResetScenario();
    /// Erases every payment change and lump payment.
    void ClearChanges() { changes.entries.clear(); }
    /// What the engine reads.
    EngineInputs Inputs() const { return EngineInputs{scenario, changes}; }

  private:
    bool unsaved_ = false;
    std::function<void()> flagSet_;
};

} // namespace hl
