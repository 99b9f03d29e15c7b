// Reading a study for the commands that run its scenario.
#include "cli/study_input.h"

#include <cmath>
#include <ostream>

#include "core/control_escape.h"
#include "core/text_items.h"

namespace hl::cli {
namespace {

// The engine expects a complete scenario whose payment is a real, positive figure.
std::optional<std::string> CheckScenario(const Scenario& s) {
    if (!IsComplete(s))
        return "the scenario is incomplete: the amount, interest rate, amortization, length of "
               "loan and start date must all be set";
    const Money payment = RegularPayment(s.amount, s.rate, s.amortization, s.frequency);
    const Single rate = PeriodicRate(s.frequency, s.rate);
    if (!std::isfinite(payment) || !std::isfinite(rate) || payment <= 0.0f)
        return "the scenario gives no usable payment (check the amount, rate and amortization)";
    // The form takes a length between 0 and 1 year; one that holds no payment at all leaves
    // nothing to run or to analyse.
    if (PaymentsInTerm(s.frequency, s.term) < 1)
        return "the length of loan of " + SingleText(s.term) + " years is shorter than one " +
               FrequencyName(s.frequency) + " payment: the schedule would hold no payment";
    return std::nullopt;
}

} // namespace

OptionRule FrequencyOption() {
    OptionRule frequency = ValueOption("--frequency");
    frequency.repeatable = true;
    frequency.missingValue = "--frequency needs a value from 1 to 4";
    frequency.check = [](const std::string& value) -> std::optional<std::string> {
        if (!FrequencyValue(value))
            return FrequencyProblem(value);
        return std::nullopt;
    };
    return frequency;
}

std::optional<std::string> LoadStudy(const std::string& path, const std::string& frequencyText,
                                     Study& study) {
    try {
        study = ReadStudyFile(path);
    } catch (const ItemFormatError& e) {
        return "cannot read the study " + path + ": " + e.what();
    }
    Scenario& s = study.scenario;
    const std::optional<Frequency> chosen = FrequencyValue(frequencyText);
    s.frequency = chosen ? *chosen : study.frequencyStored ? s.frequency : kWeekly;
    if (auto problem = CheckScenario(s))
        return path + ": " + *problem;
    return std::nullopt;
}

void StreamMessages::Warning(const std::string& title, const std::string& text) {
    kept_.push_back(title + " " + text);
}

void StreamMessages::Print() {
    for (const std::string& line : kept_)
        err_ << EscapeControls(line) << "\n";
    kept_.clear();
}

} // namespace hl::cli
