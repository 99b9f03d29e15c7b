// The early discharge window's computation: the checks of its two boxes, in the order a user
// meets them, and the four penalties of a discharge date and rate, as the texts the window
// shows. Shared by the window and the command line.
#pragma once

#include <optional>
#include <string>

#include "core/calc_message.h"
#include "engine/engine.h"
#include "engine/schedule_records.h"

namespace hl::analysis {

/// The term's time frame as the window shows it ("mmm d yyyy"): the first and the last payment
/// dates of the schedule.
struct DischargeTerm {
    DayNumber firstPayment = 0;
    DayNumber lastPayment = 0;
    std::string firstText; ///< Text7
    std::string lastText;  ///< Text8
};
DischargeTerm TermOf(const ScheduleFile& schedule);

enum class BoxOutcome {
    Empty,    ///< nothing to check or calculate
    Accepted, ///< the box shows `text`; go on to the readiness test
    Refused,  ///< show `message`; OK or Yes returns the focus to the box, No empties it
};

struct BoxCheck {
    BoxOutcome outcome = BoxOutcome::Empty;
    /// The box's new text when accepted; a date refused for its place in the term has been
    /// rewritten "mmm d, yyyy" first and keeps that text.
    std::string text;
    std::optional<calc::CalcMessage> message;
};

/// The discharge date box (Text1) losing the focus: a valid date is rewritten "mmm d, yyyy";
/// not a date is questioned (Yes/No); before the start or after the term's last payment date
/// is refused (OK).
BoxCheck CheckDischargeDate(const std::string& text, const Scenario& scenario,
                            const DischargeTerm& term);

/// The interest rate box (Text2) losing the focus: above the scenario rate is questioned
/// (Yes/No), then 0 or less (as shown to 0.001) or above 25 is refused (OK); an accepted rate is
/// rewritten "#0.000".
BoxCheck CheckDischargeRate(const std::string& text, const Scenario& scenario);

/// The readiness test: both boxes hold what the calculation can use (a date not before the
/// start, a rate above 0 and up to 25 as shown).
bool ReadyToCalculate(const std::string& dateText, const std::string& rateText,
                      const Scenario& scenario);

/// The calculation's outcome, as the window shows it.
struct DischargeResult {
    std::optional<calc::CalcMessage> refusal; ///< "beyond the end of the mortgage": no figures
    int paymentsMade = 0;                     ///< k
    Money balance = 0;                        ///< B
    std::string futureValue;                  ///< Text3, empty when it has no value
    std::string accumulatedInterest;          ///< Text4
    std::string actualScenario;               ///< Text5
    std::string threeMonth;                   ///< Text6
};

/// The four penalties of discharging on `date` with the rate shown in the rate box (`rate` as
/// the box shows it, to 0.001), from the scenario's schedule.
DischargeResult CalculateDischarge(const EngineInputs& in, const ScheduleFile& schedule,
                                   DayNumber date, Single rate);

} // namespace hl::analysis
