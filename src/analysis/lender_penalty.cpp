// The prepayment privileges and the lender's penalty, in whole cents.
#include "analysis/lender_penalty.h"

#include <algorithm>
#include <cmath>

#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"

namespace hl::analysis {
namespace {

// Thousandths of a per cent in one: 100 % is 100000 of them.
constexpr Cents kWholeShare = 100'000;
// The Interest Act's five years, in months: after them a term longer than five years may be
// discharged with three months' interest.
constexpr int kFiveYears = 60;

DayNumber AddYears(DayNumber day, int years) {
    const CivilDate d = CivilFromDay(day);
    const int year = d.year + years;
    return DayFromCivil(year, d.month, std::min(d.day, CalendarMonthLength(d.month, year)));
}

Cents ShareOf(Cents amount, Millipercent share) {
    return DivideHalfUp(amount * share, kWholeShare);
}

} // namespace

Cents DivideHalfUp(Cents n, Cents d) { return (2 * n + d) / (2 * d); }

Cents CentsOf(Money dollars) { return std::llround(static_cast<double>(dollars) * 100.0); }

Millipercent MillipercentOf(Single percent) {
    return static_cast<Millipercent>(std::llround(static_cast<double>(percent) * 1000.0));
}

std::string RateText(Millipercent rate) {
    const std::string thousandths = std::to_string(1000 + rate % 1000).substr(1);
    return std::to_string(rate / 1000) + "." + thousandths;
}

std::optional<long long> ExactValue(const std::string& text, int decimals, long long most) {
    const std::optional<std::int64_t> value = FixedValue(text, decimals);
    if (!value || *value > most)
        return std::nullopt;
    return *value;
}

std::string PercentText(Millipercent value) {
    std::string text = RateText(value);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

BoxCheck CheckLenderBox(LenderBox kind, const std::string& text) {
    BoxCheck check;
    check.outcome = BoxOutcome::Accepted;
    check.text = text;
    if (text.empty())
        return check;
    std::string why;
    if (kind == LenderBox::Date) {
        if (const std::optional<DayNumber> day = ParseDate(text); day && *day > 0) {
            check.text = FormatDate(*day, "mmm d, yyyy");
            return check;
        }
        why =
            TrText("Analysis Messages", "Error, this is not a valid date.  \r"
                                        "A valid date (or nothing) must be entered to continue.\r\r"
                                        "Do you want to correct your input. (Selecting [No] will "
                                        "clear the field).");
    } else {
        const bool money = kind == LenderBox::Money;
        const long long most = money                      ? kMostTermsCents
                               : kind == LenderBox::Share ? kMostTermsShare
                                                          : kMostTermsRate;
        if (const auto read = ExactValue(text, money ? 2 : 3, most)) {
            check.text = money ? CentsText(*read) : PercentText(static_cast<Millipercent>(*read));
            return check;
        }
        why = money ? TrArg(TrText("Analysis Messages",
                                   "Error, the amount must be from 0 to %1 dollars.\r\r"
                                   "Do you want to correct your input. (Selecting [No] will "
                                   "clear the field)."),
                            CentsText(most))
                    : TrArg(TrText("Analysis Messages",
                                   "Error, the value must be a per cent from 0 to %1.\r\r"
                                   "Do you want to correct your input. (Selecting [No] will "
                                   "clear the field)."),
                            std::to_string(most / 1000));
    }
    check.outcome = BoxOutcome::Refused;
    check.message = calc::CalcMessage{TrText("Analysis Messages", "Mortgage Input Error"), why,
                                      calc::Buttons::YesNo, true};
    return check;
}

TermDates TermDatesOf(const Scenario& s) {
    TermDates t;
    t.payments = PaymentsInTerm(s.frequency, s.term);
    if (t.payments <= 0 || s.start <= 0)
        return t;
    t.first = s.start;
    t.last = s.start;
    for (int n = 2; n <= t.payments; ++n)
        t.last = NextPaymentDate(t.last, s.frequency, s.start);
    return t;
}

PrivilegeYearRow PrivilegeYearOf(DayNumber day, PrivilegeYear kind, DayNumber start) {
    PrivilegeYearRow row;
    if (kind == PrivilegeYear::Calendar) {
        row.year = CivilFromDay(day).year;
        row.from = DayFromCivil(row.year, 1, 1);
        row.to = DayFromCivil(row.year, 12, 31);
        return row;
    }
    const int startYear = CivilFromDay(start).year;
    int n = std::max(0, CivilFromDay(day).year - startYear);
    while (n > 0 && AddYears(start, n) > day)
        --n;
    row.year = n + 1;
    row.from = AddYears(start, n);
    row.to = AddYears(start, n + 1) - 1;
    return row;
}

PrivilegePlan CheckPrivileges(const EngineInputs& in, const ScheduleFile& schedule,
                              const LenderTerms& terms) {
    const Scenario& s = in.scenario;
    PrivilegePlan plan;
    plan.originalPayment = CentsOf(RegularPayment(s.amount, s.rate, s.amortization, s.frequency));
    const Cents lumpLimit = ShareOf(CentsOf(s.amount), terms.lumpShare);
    const Cents increaseLimit = ShareOf(plan.originalPayment, terms.increaseShare);
    const TermDates term = TermDatesOf(s);
    if (term.payments <= 0)
        return plan;
    for (DayNumber day = term.first; day <= term.last;) {
        PrivilegeYearRow row = PrivilegeYearOf(day, terms.year, s.start);
        row.lumpLimit = lumpLimit;
        row.increaseLimit = increaseLimit;
        plan.years.push_back(row);
        day = row.to + 1;
    }
    // The plan as the schedule ran it: a lump cut down to the balance counts as cut.
    std::size_t at = 0;
    for (const ScheduleRecord& r : schedule.records) {
        while (at < plan.years.size() && plan.years[at].to < r.date)
            ++at;
        if (at == plan.years.size())
            break;
        PrivilegeYearRow& row = plan.years[at];
        const Cents lump = CentsOf(r.lump);
        const Cents change = CentsOf(r.change);
        row.lumps += lump;
        row.largestIncrease = std::max(row.largestIncrease, change);
        const bool beyond =
            (lump > 0 && row.lumps > row.lumpLimit) || (change > 0 && change > row.increaseLimit);
        if (beyond && plan.firstExcess == 0)
            plan.firstExcess = r.date;
    }
    for (PrivilegeYearRow& row : plan.years)
        row.excess = std::max<Cents>(0, row.lumps - row.lumpLimit) +
                     std::max<Cents>(0, row.largestIncrease - row.increaseLimit);
    return plan;
}

LenderPenalty LenderCharge(const LenderPenaltyInputs& in) {
    LenderPenalty p;
    const Cents balance = std::max<Cents>(0, in.balance);
    // Rates are thousandths of a per cent: balance x rate / 100000 is a year's interest.
    p.threeMonth = DivideHalfUp(balance * in.contractRate * 3, 12 * kWholeShare);
    const Cents differential = static_cast<Cents>(in.contractRate) - (in.todayPosted - in.discount);
    const int monthsLeft = std::max(0, in.monthsLeft);
    p.ird =
        differential > 0 ? DivideHalfUp(differential * balance * monthsLeft, 12 * kWholeShare) : 0;
    p.charge = std::max(p.threeMonth, p.ird);
    p.fiveYearRule = in.longTerm && in.monthsPassed >= kFiveYears;
    if (p.fiveYearRule)
        p.charge = p.threeMonth;
    p.fee = std::max<Cents>(0, in.fee);
    if (in.clawback && in.termMonths > 0)
        p.clawback = DivideHalfUp(
            std::max<Cents>(0, in.cashBack) * std::min(monthsLeft, in.termMonths), in.termMonths);
    p.total = p.charge + p.fee + p.clawback;
    return p;
}

Millipercent DiscountOf(const LenderTerms& terms, Millipercent contractRate) {
    if (terms.signingPosted)
        return std::max<Millipercent>(0, *terms.signingPosted - contractRate);
    return terms.discount;
}

LenderDischarge LenderDischargeOn(const EngineInputs& in, const ScheduleFile& schedule,
                                  const LenderTerms& terms, DayNumber date,
                                  Millipercent todayPosted) {
    const Scenario& s = in.scenario;
    LenderDischarge d;
    const TermDates term = TermDatesOf(s);
    if (term.payments <= 0 || date < s.start || date > term.last) {
        d.refusal = calc::CalcMessage{
            TrText("Analysis Messages", "Mortgage Input Violation"),
            TrArg(TrArg(TrText("Analysis Messages", "Error - the discharge date must fall within "
                                                    "the term of the mortgage, from %1 to %2."),
                        FormatDate(term.first, "mmm d yyyy")),
                  FormatDate(term.last, "mmm d yyyy")),
            calc::Buttons::Ok, true};
        return d;
    }
    // The payments dated before the date have been made; on or before the first one none has.
    int made = 0;
    for (DayNumber day = term.first; made < term.payments && day < date; ++made)
        day = NextPaymentDate(day, s.frequency, s.start);
    d.paymentsMade = made;
    d.paymentsInTerm = term.payments;
    Cents balance = CentsOf(s.amount);
    if (made > 0)
        balance = static_cast<std::size_t>(made) <= schedule.records.size()
                      ? CentsOf(schedule.records[static_cast<std::size_t>(made) - 1].balance)
                      : 0; // paid off sooner
    const int perYear = PaymentsPerYear(s.frequency);
    LenderPenaltyInputs& li = d.inputs;
    li.balance = balance;
    li.contractRate = MillipercentOf(s.rate);
    li.todayPosted = todayPosted;
    li.discount = DiscountOf(terms, li.contractRate);
    li.monthsLeft = (term.payments - made) * 12 / perYear;
    li.monthsPassed = made * 12 / perYear;
    li.termMonths = term.payments * 12 / perYear;
    li.longTerm = terms.longTerm;
    li.fee = terms.fee;
    li.cashBack = terms.cashBack;
    li.clawback = terms.clawback;
    d.penalty = LenderCharge(li);

    // The privilege of the date's year less the lumps already paid in it.
    d.year = PrivilegeYearOf(date, terms.year, s.start);
    d.year.lumpLimit = ShareOf(CentsOf(s.amount), terms.lumpShare);
    for (std::size_t k = 0; k < static_cast<std::size_t>(made) && k < schedule.records.size(); ++k)
        if (const ScheduleRecord& r = schedule.records[k]; r.date >= d.year.from)
            d.year.lumps += CentsOf(r.lump);
    d.freePrepayment = std::clamp<Cents>(d.year.lumpLimit - d.year.lumps, 0, balance);

    // A larger prepayment is charged by the lender's method on its excess alone.
    d.prepayment = std::clamp<Cents>(terms.prepayment, 0, balance);
    if (d.prepayment > d.freePrepayment) {
        LenderPenaltyInputs excess = li;
        excess.balance = d.prepayment - d.freePrepayment;
        excess.fee = 0;
        excess.clawback = false;
        d.prepaymentCharge = LenderCharge(excess).charge;
    }
    return d;
}

} // namespace hl::analysis
