// Periodic rate, regular payment and number of payments in the length of loan.
#include "engine/engine.h"

namespace hl {
using namespace sgl;

int PaymentsPerYear(Frequency frequency) {
    switch (frequency) {
    case kMonthly:
        return 12;
    case kWeekly:
        return 52;
    case kTwiceAMonth:
        return 24;
    case kEveryTwoWeeks:
        return 26;
    }
    return 0;
}

Single PeriodicRate(Frequency frequency, Single rate) {
    // Interest compounds twice a year: with h payments per half-year the periodic rate is
    // (1 + R/q)^(1/h) - 1, where q = (p / h) * 100 comes to 200 for every frequency.
    const Single p = static_cast<Single>(PaymentsPerYear(frequency));
    const Single h = Div(p, 2.0f);
    const Single q = Mul(Div(p, h), 100.0f);
    return Sub(Pow(Add(1.0f, Div(rate, q)), Div(1.0f, h)), 1.0f);
}

Money RegularPayment(Money amount, Single rate, Single amortization, Frequency frequency) {
    // Every frequency's payment comes from the monthly payment, cut down to the cent.
    const Single i = PeriodicRate(kMonthly, rate);
    const Single n = Mul(amortization, 12.0f);
    const Single growth = Pow(Add(1.0f, i), n);
    const Single numerator = Mul(Mul(amount, growth), i);
    const Single denominator = Sub(growth, 1.0f);
    const Money monthly = CutToCents(Div(numerator, denominator));
    switch (frequency) {
    case kWeekly:
        return CutToCents(Div(monthly, 4.0f));
    case kTwiceAMonth:
    case kEveryTwoWeeks:
        return CutToCents(Div(monthly, 2.0f));
    case kMonthly:
        break;
    }
    return monthly;
}

std::int16_t PaymentsInTerm(Frequency frequency, Single term) {
    switch (frequency) {
    case kMonthly:
        return ToInt16(Mul(term, 12.0f));
    case kWeekly:
        return ToInt16(Mul(term, 52.0f));
    case kTwiceAMonth:
        return ToInt16(Mul(Mul(term, 12.0f), 2.0f));
    case kEveryTwoWeeks:
        return ToInt16(Mul(term, 26.0f));
    }
    return 0;
}

} // namespace hl
