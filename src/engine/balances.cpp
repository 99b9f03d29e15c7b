// Where a date falls in the payment calendar, and the balance at a date or after a payment.
#include <algorithm>

#include "engine/engine.h"
#include "engine/loan_walk.h"

namespace hl {

LocatedPayment LocatePayment(const Scenario& s, DayNumber target, int mode) {
    LocatedPayment r;
    if (target < s.start)
        return r;
    const int n = PaymentsInTerm(s.frequency, s.term);
    DayNumber d = s.start;
    for (int k = 1; k <= n; ++k) {
        if (target <= d) {
            if (mode == -1 && k == 1)
                return r;
            r.found = true;
            r.date = d;
            r.count = static_cast<std::int16_t>(mode == -1 ? k - 1 : k);
            return r;
        }
        d = NextPaymentDate(d, s.frequency, s.start);
    }
    return r;
}

BalanceAt BalanceAtDate(const EngineInputs& in, DayNumber target) {
    BalanceAt r;
    r.paymentsMade = LocatePayment(in.scenario, target, -1).count;
    LoanWalk walk(in);
    Money balance = in.scenario.amount;
    for (int number = 1; number <= r.paymentsMade; ++number) {
        const LoanWalk::Step step = walk.Pay();
        if (step.outcome != LoanWalk::Outcome::Paid) {
            r.balance = 0.0f;
            return r;
        }
        balance = step.balance;
        walk.Advance();
    }
    r.balance = balance;
    r.paymentInEffect = walk.PaymentInEffect();
    return r;
}

BalanceAfter BalanceAfterPayment(const EngineInputs& in, int m, EngineMessages& messages) {
    const ScheduleRun run = RunSchedule(in, messages);
    BalanceAfter r;
    r.scheduleCount = run.schedule.count;
    r.balance = in.scenario.amount;
    const std::size_t last = std::min<std::size_t>(static_cast<std::size_t>(std::max(m, 0)),
                                                   run.schedule.records.size());
    if (last > 0)
        r.balance = run.schedule.records[last - 1].balance;
    return r;
}

} // namespace hl
