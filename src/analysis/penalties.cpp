// The early discharge penalties, each step a single unless its comment says otherwise.
#include "analysis/penalties.h"

#include <cmath>

#include "engine/engine.h"

namespace hl::analysis {
using namespace sgl;

namespace {

struct Rates {
    Single is; ///< periodic rate of the scenario
    Single id; ///< periodic rate of the discharge rate
};

Rates RatesOf(const PenaltyInputs& in) {
    const Frequency f = in.scenario.frequency;
    return {PeriodicRate(f, in.scenario.rate), PeriodicRate(f, in.dischargeRate)};
}

int RemainingPayments(const PenaltyInputs& in) { return in.paymentsInTerm - in.paymentsMade; }

bool Finite(Single x) { return std::isfinite(x); }

} // namespace

std::optional<Money> FutureValueMethod(const PenaltyInputs& in) {
    const int m = RemainingPayments(in);
    if (m <= 0)
        return 0.0f;
    const Scenario& s = in.scenario;
    const auto [is, id] = RatesOf(in);
    const Money b = in.balance;
    if (!(b > 0.0f))
        return std::nullopt;
    const Money payment = RegularPayment(s.amount, s.rate, s.amortization, s.frequency);

    // 1. The payments B takes at the scenario rate: n = ln(1 - is / (PMT / B)) / ln(1 / (1 + is)).
    // Each logarithm is taken in double of its single argument and kept as a single. When B x is
    // is not below the payment the loan never pays off and the logarithm has no value.
    const Single left = Sub(1.0f, Div(is, Div(payment, b)));
    const Single onePlusIs = Add(1.0f, is);
    const Single right = Div(1.0f, onePlusIs);
    if (!(left > 0.0f) || !(right > 0.0f) || !Finite(left) || !Finite(right))
        return std::nullopt;
    const Single n = Div(Round(std::log(static_cast<double>(left))),
                         Round(std::log(static_cast<double>(right))));
    if (!Finite(n))
        return std::nullopt;

    // 2. The payment that repays B over n payments at the discharge rate.
    const Single onePlusId = Add(1.0f, id);
    const Money paymentD = Div(Mul(b, id), Sub(1.0f, Pow(onePlusId, -n)));
    if (!Finite(paymentD))
        return std::nullopt;

    // 3. What is owed after the m payments of the term at the discharge rate: the two powers
    // with the whole exponent m and everything after them in double, kept as a single.
    const double md = static_cast<double>(m);
    const double bd = static_cast<double>(b);
    const double pd = static_cast<double>(paymentD);
    const double idd = static_cast<double>(id);
    const Money futureD = Round(bd * std::pow(static_cast<double>(onePlusId), md) -
                                pd * ((std::pow(static_cast<double>(onePlusId), md) - 1.0) / idd));

    // 4. Its value today at the scenario rate, with that of the m payments.
    const double discount = std::pow(static_cast<double>(onePlusIs), -md);
    const Single owedNow = Round(static_cast<double>(futureD) * discount);
    const Single q = Round(1.0 - discount);
    const Money presentValue = Add(owedNow, Mul(paymentD, Div(q, is)));

    // 5. What the lender loses by taking B now. A penalty is never below zero: when the loan
    // would be paid off before the term ends, or the two rates are equal, the difference can fall
    // below it, and the lender then loses nothing.
    const Money result = Sub(b, presentValue);
    if (!Finite(result))
        return std::nullopt;
    return result < 0.0f ? 0.0f : result;
}

Money AccumulatedInterestMethod(const PenaltyInputs& in) {
    const int m = RemainingPayments(in);
    if (m <= 0)
        return 0.0f;
    const auto [is, id] = RatesOf(in);
    const Single ms = static_cast<Single>(m);
    return Sub(Mul(Mul(in.balance, is), ms), Mul(Mul(in.balance, id), ms));
}

Money ActualScenarioCalculation(const PenaltyInputs& in) {
    const int m = RemainingPayments(in);
    if (m <= 0)
        return 0.0f;
    const Scenario& s = in.scenario;
    const auto [is, id] = RatesOf(in);
    const Money payment = RegularPayment(s.amount, s.rate, s.amortization, s.frequency);
    const Money paymentD = RegularPayment(s.amount, in.dischargeRate, s.amortization, s.frequency);
    const double b = static_cast<double>(in.balance);
    const Money atScenario = RunPeriods(b, is, payment, m).interestTotal;
    const Money atDischarge = RunPeriods(b, id, paymentD, m).interestTotal;
    return Sub(atScenario, atDischarge);
}

Money ThreeMonthInterest(const PenaltyInputs& in) {
    // Three months of interest whatever the frequency: the monthly rate of the scenario's rate.
    const Single im = PeriodicRate(kMonthly, in.scenario.rate);
    return Mul(Mul(in.balance, im), 3.0f);
}

} // namespace hl::analysis
