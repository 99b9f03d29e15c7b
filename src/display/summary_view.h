// The summary window without the widget: the texts of its boxes from the summary run, and the
// projection of when the loan would be paid off if the payments went on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/engine.h"

namespace hl {

/// Where the loan would be paid off if the payment in effect went on after the run.
struct PayoffProjection {
    DayNumber date = 0; ///< date of the paying-off payment
    int payment = 0;    ///< its number, counted from the first payment of the scenario
};

/// The longest the projection looks ahead, in payments.
inline constexpr int kProjectionLimit = 10000;

/// Runs the end balance on at the scenario's periodic rate with the payment in effect, for at
/// most kProjectionLimit periods, and counts the payment dates on from the run's last date.
/// Nothing when no balance is left, or when that payment never pays the balance off within
/// the limit (it does not exceed the interest). The pay-off period is the one of the run of
/// periods' pay-off line.
std::optional<PayoffProjection> ProjectPayoff(const SummaryResult& run, const Scenario& scenario);

/// The texts of the summary window's boxes, named after them.
struct SummaryTexts {
    std::string text12; ///< last date of the run, "mmm d yyyy"
    std::string text1;  ///< payments made
    std::string text9;  ///< balance still outstanding
    std::string text6;  ///< paid out by regular payments
    std::string text5;  ///< paid out by lump payments
    std::string text10; ///< total interest
    std::string text11; ///< total principal, lumps included
    std::string text4;  ///< extra paid through the payment changes
    std::string text2;  ///< projected pay-off date, or a single blank
    std::string text3;  ///< projected pay-off payment number, or a single blank
};

/// The box texts for a summary run and its projection.
SummaryTexts SummaryDisplay(const SummaryResult& run,
                            const std::optional<PayoffProjection>& projection);

} // namespace hl
