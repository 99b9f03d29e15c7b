// A run of periods with a fixed payment: the inner loop of every schedule and balance walk.
#include "engine/engine.h"

namespace hl {
using namespace sgl;

PeriodsResult RunPeriods(double balance, Single rate, Money payment, int periods) {
    PeriodsResult r;
    double b = balance; // the running balance is the one double of the walk
    for (int k = 1; k <= periods; ++k) {
        // Interest to the nearest cent: b * i in double stored as a single, then * 100 as a
        // single op, rounded half to even, and / 100 in double stored as a single.
        const Single raw = Round(b * static_cast<double>(rate));
        r.interest = Round(ToInt32(Mul(raw, 100.0f)) / 100.0);
        r.principal = Sub(payment, r.interest);
        if (Round(b) <= r.principal) {
            r.principal = Round(b);
            r.finalPayment = Round(b + static_cast<double>(r.interest));
            r.interestTotal = Add(r.interestTotal, r.interest);
            r.principalTotal = Add(r.principalTotal, r.principal);
            r.balance = 0.0f;
            r.paidOff = true;
            r.payoffPeriod = static_cast<std::int16_t>(k);
            return r;
        }
        b -= static_cast<double>(r.principal);
        r.interestTotal = Add(r.interestTotal, r.interest);
        r.principalTotal = Add(r.principalTotal, r.principal);
    }
    r.balance = Round(b);
    return r;
}

} // namespace hl
