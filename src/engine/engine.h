// The amortization engine: periodic rate, regular payment, payment calendar and the loan run
// payment by payment, the Canadian way (interest compounded semi-annually, every payment
// derived from the monthly payment).
#pragma once

#include <optional>
#include <string>

#include "core/translate.h"
#include "engine/scenario.h"
#include "engine/schedule_records.h"

namespace hl {

/// Where the engine's warnings go (the windows show a message box, the command line prints).
class EngineMessages {
  public:
    virtual ~EngineMessages() = default;
    /// An OK-only message; the run goes on after it.
    virtual void Warning(const std::string& title, const std::string& text) = 0;
};

/// Swallows every message (the balance walks of the analysis tools show none).
class SilentMessages : public EngineMessages {
  public:
    void Warning(const std::string&, const std::string&) override {}
};

/// Translated where the warning is raised (TrText("Engine Messages", ...)).
inline constexpr const char* kEngineWarningTitle =
    HL_TR_NOOP("Engine Messages", "Mtge Warning - please note...");

/// Everything a run reads: the scenario and its table. Runs compute in memory; the working
/// files are written apart from them (engine/schedule_file.h).
struct EngineInputs {
    const Scenario& scenario;
    const PaymentChanges& changes;
};

/// Payments per year of a frequency (12, 52, 24, 26).
int PaymentsPerYear(Frequency frequency);

/// Periodic rate (1 + R/200)^(1/h) - 1 for h payments per half-year, every step a single.
Single PeriodicRate(Frequency frequency, Single rate);

/// Regular payment: the monthly payment cut down to the cent; Weekly a quarter of it, Twice a
/// Month and Every Two Weeks half of it, each cut down to the cent again.
Money RegularPayment(Money amount, Single rate, Single amortization, Frequency frequency);

/// Number of payments in the length of loan, rounded half to even.
std::int16_t PaymentsInTerm(Frequency frequency, Single term);

/// The payment date after `date` on the calendar of `frequency`; Monthly payments fall on the
/// day of month of `start` (or the month's last day).
DayNumber NextPaymentDate(DayNumber date, Frequency frequency, DayNumber start);

/// A run of periods. When paid off, payoffPeriod, finalPayment, interest, principal and the
/// two totals are the pay-off line ("$$donerly.bin" holds it after a schedule run).
struct PeriodsResult {
    Money interest = 0;  ///< interest part of the last period computed
    Money principal = 0; ///< principal part of the last period computed
    Money balance = 0;   ///< balance after the run
    Money interestTotal = 0;
    Money principalTotal = 0;
    bool paidOff = false;
    Money finalPayment = 0;        ///< the smaller last payment, when paid off
    std::int16_t payoffPeriod = 0; ///< period of the run on which it was paid off
};

/// Amortizes `balance` for up to `periods` periods with a fixed payment; the running balance is
/// a double, interest is rounded to the cent. Stops at the period that pays the balance off.
PeriodsResult RunPeriods(double balance, Single rate, Money payment, int periods);

/// A schedule run of the whole length of loan.
struct ScheduleRun {
    ScheduleFile schedule;           ///< the records, under the count the schedule file shows
    std::int16_t paymentsInTerm = 0; ///< the payments the length of loan holds
    bool endedEarly = false;         ///< paid off, or ended by a capped lump, within the term
    /// The pay-off line when a regular payment paid the loan off (not after a capped lump).
    std::optional<PeriodsResult> payoff;
};

/// Runs the schedule: one record per payment of the length of loan, fewer when the loan ends
/// early. Writes nothing; WriteScheduleFiles turns the run into the working files.
ScheduleRun RunSchedule(const EngineInputs& in, EngineMessages& messages);

struct SummaryResult {
    Money endBalance = 0;
    Money totalPrincipal = 0; ///< principal parts plus lump payments
    Money totalInterest = 0;
    DayNumber lastDate = 0;
    Money regularPayment = 0; ///< before any change
    Money totalLumps = 0;
    Money extraPaid = 0;
    double totalPaid = 0;
    std::int16_t paymentsMade = 0;
    Money paymentInEffect = 0;
};

/// The schedule's walk without the schedule file, returning totals.
SummaryResult RunSummary(const EngineInputs& in, EngineMessages& messages);

struct LocatedPayment {
    bool found = false;
    DayNumber date = 0;
    std::int16_t count = 0;
};

/// Finds where `target` falls in the payment calendar. Mode 1: the first payment on or after the
/// target and its number. Mode -1: that payment's date and the number of payments made before
/// the target (not found when the target is on or before the first payment).
LocatedPayment LocatePayment(const Scenario& s, DayNumber target, int mode);

struct BalanceAt {
    std::int16_t paymentsMade = 0;
    Money balance = 0;
    /// Payment with all changes so far applied; empty when the loan ended within the walk.
    std::optional<Money> paymentInEffect;
};

/// Balance after the payments made before `target`, walked as the summary does, silently.
BalanceAt BalanceAtDate(const EngineInputs& in, DayNumber target);

struct BalanceAfter {
    std::int16_t scheduleCount = 0; ///< line 1 of the schedule file
    Money balance = 0;              ///< after payment m (after the last record when fewer)
};

/// Runs the schedule and takes the balance after payment `m` from its records; the amount when
/// `m` is below 1 or the schedule holds no record.
BalanceAfter BalanceAfterPayment(const EngineInputs& in, int m, EngineMessages& messages);

} // namespace hl
