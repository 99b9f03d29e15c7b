// The lender's own terms applied to the study: the plan of lump payments and payment increases
// checked against the yearly prepayment privileges, and the penalty the lender charges on a
// discharge date (three months' interest, the posted-rate interest rate differential, the
// five-year rule of a longer term, the fee and the cash-back clawback). Every figure is exact
// whole cents, each result rounded half up to the cent once; the balance and the dates are the
// schedule run's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/early_discharge.h"
#include "core/calc_message.h"
#include "core/exact_amount.h"
#include "engine/engine.h"
#include "engine/schedule_records.h"
#include "files/lender_terms.h"

namespace hl::analysis {

/// n / d rounded half up to a whole number, for n >= 0 and d > 0.
Cents DivideHalfUp(Cents n, Cents d);

/// A schedule amount (a single, dollars) in whole cents, to the nearest cent.
Cents CentsOf(Money dollars);
/// A rate or a share in per cent (a single) in thousandths of a per cent, to the nearest.
Millipercent MillipercentOf(Single percent);
/// Whole cents as "######0.00" (the window's and the printed form's pattern): "10500.00".
using hl::CentsText;
/// Thousandths of a per cent as "#0.000": "5.500".
std::string RateText(Millipercent rate);
/// A box's or an option's decimal text (digits and at most one ".", nothing else) as a whole
/// number of 10^-decimals units, further digits rounded half up: ("6.0005", 3) gives 6001. Nothing
/// for any other text or a value above `most`.
std::optional<long long> ExactValue(const std::string& text, int decimals, long long most);

/// A share or a rate as the lender's terms window shows it, trailing zeros dropped: "15", "5.5".
std::string PercentText(Millipercent value);

/// What a box of the lender's terms window holds.
enum class LenderBox {
    Share, ///< a per cent of the amount or the payment, 0 to 100, read to 0.001
    Rate,  ///< an annual rate in per cent, 0 to 25, read to 0.001
    Money, ///< dollars, 0 to 500000, read to the cent
    Date,  ///< a date the date boxes take
};

/// The box left with `text`: an empty box is accepted as it stands; a value it takes is
/// rewritten as the window shows it ("mmm d, yyyy", "250.00", "6.09"); any other is questioned
/// (Yes/No, "Mortgage Input Error").
BoxCheck CheckLenderBox(LenderBox kind, const std::string& text);

// ---- the privileges ---------------------------------------------------------------------------

/// One privilege year of the term.
struct PrivilegeYearRow {
    int year = 0;              ///< the calendar year, or the loan year counted from 1
    DayNumber from = 0;        ///< its first day
    DayNumber to = 0;          ///< its last day
    Cents lumps = 0;           ///< lump payments of the schedule dated in it
    Cents lumpLimit = 0;       ///< the lump-sum privilege
    Cents largestIncrease = 0; ///< the largest single change to the payment made in it
    Cents increaseLimit = 0;   ///< the payment increase privilege
    Cents excess = 0; ///< lumps above their privilege plus the increase above its privilege
};

struct PrivilegePlan {
    std::vector<PrivilegeYearRow> years; ///< every year the term touches, in order
    DayNumber firstExcess = 0;           ///< the payment date where the plan first goes beyond; 0
    Cents originalPayment = 0;           ///< the regular payment before any change
};

/// The first and last payment dates of the length of loan (the calendar's, whether or not the
/// loan is paid off sooner), and the number of its payments.
struct TermDates {
    DayNumber first = 0;
    DayNumber last = 0;
    int payments = 0;
};
TermDates TermDatesOf(const Scenario& s);

/// The privilege year holding `day`: its number and first and last days (a loan year runs from
/// the start date to the day before its anniversary; a start of February 29 has its anniversary
/// on February 28 in common years).
PrivilegeYearRow PrivilegeYearOf(DayNumber day, PrivilegeYear kind, DayNumber start);

/// The schedule's lump payments and payment changes against the privileges of `terms`, year by
/// year over the term: each privilege is its share of the original amount or regular payment.
PrivilegePlan CheckPrivileges(const EngineInputs& in, const ScheduleFile& schedule,
                              const LenderTerms& terms);

// ---- the penalty ------------------------------------------------------------------------------

/// What the lender's penalty reads, exact.
struct LenderPenaltyInputs {
    Cents balance = 0;
    Millipercent contractRate = 0;
    Millipercent todayPosted = 0; ///< the posted rate for the term nearest the time left
    Millipercent discount = 0;
    int monthsLeft = 0;   ///< whole months left in the term
    int monthsPassed = 0; ///< whole months of the term already past
    int termMonths = 0;   ///< whole months of the term
    bool longTerm = false;
    Cents fee = 0;
    Cents cashBack = 0;
    bool clawback = false;
};

struct LenderPenalty {
    Cents threeMonth = 0; ///< balance x rate x 3 / 12
    /// (contract rate - (today's posted rate - discount)) x balance x months left / 12, never
    /// below 0
    Cents ird = 0;
    Cents charge = 0;          ///< the greater, or three months' interest under the five-year rule
    bool fiveYearRule = false; ///< a long term past five years: limited to three months' interest
    Cents fee = 0;
    Cents clawback = 0; ///< cash back x whole months left / whole months of the term
    Cents total = 0;    ///< charge + fee + clawback
};

LenderPenalty LenderCharge(const LenderPenaltyInputs& in);

/// The discount the lender gave: the signing posted rate less the contract rate when the terms
/// hold one (never below 0), the typed discount otherwise.
Millipercent DiscountOf(const LenderTerms& terms, Millipercent contractRate);

/// A discharge date's place in the study and the lender's figures there.
struct LenderDischarge {
    std::optional<calc::CalcMessage> refusal; ///< a date outside the term: no figures
    int paymentsMade = 0;                     ///< payments dated before the date
    int paymentsInTerm = 0;
    LenderPenaltyInputs inputs;
    LenderPenalty penalty;
    PrivilegeYearRow year;      ///< the privilege year of the date, lumps made before it
    Cents freePrepayment = 0;   ///< the unused lump privilege of that year
    Cents prepayment = 0;       ///< the prepayment asked about, at most the balance
    Cents prepaymentCharge = 0; ///< the lender's method on the part above the free prepayment
};

/// The lender's penalty of discharging on `date` (from the start date to the term's last
/// payment date; on or before the first payment the balance is the amount) with today's posted
/// rate `todayPosted` and the rest of `terms`, and the charge on a prepayment of
/// `terms.prepayment` on that date.
LenderDischarge LenderDischargeOn(const EngineInputs& in, const ScheduleFile& schedule,
                                  const LenderTerms& terms, DayNumber date,
                                  Millipercent todayPosted);

} // namespace hl::analysis
