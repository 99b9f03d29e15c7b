// What the commands that read a study share: the --frequency option, reading the study with
// the frequency it runs at, and the engine's warnings on the error stream.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "engine/engine.h"
#include "files/study_file.h"

namespace hl::cli {

/// --frequency N: 1 to 4, given again the last counts.
OptionRule FrequencyOption();

/// Reads the study at `path` and sets the frequency it runs at: `frequencyText` when given
/// ("" when not), else the study's own, Weekly when the study stores none. Gives the error line
/// when the file cannot be read or the engine cannot run its scenario.
std::optional<std::string> LoadStudy(const std::string& path, const std::string& frequencyText,
                                     Study& study);

/// Keeps the engine's warnings (the run goes on) until the command has results to print, so that
/// a refusal stays the one line on the error stream.
class StreamMessages : public EngineMessages {
  public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    void Warning(const std::string& title, const std::string& text) override;
    /// Prints the warnings kept so far on the error stream, one line each, and forgets them.
    void Print();

  private:
    std::ostream& err_;
    std::vector<std::string> kept_;
};

} // namespace hl::cli
