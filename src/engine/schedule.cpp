// The schedule run: one record per payment of the length of loan, computed in memory.
#include "core/translate.h"
#include "engine/engine.h"
#include "engine/loan_walk.h"

namespace hl {
using namespace sgl;

ScheduleRun RunSchedule(const EngineInputs& in, EngineMessages& messages) {
    const Scenario& s = in.scenario;
    LoanWalk walk(in);
    const std::int16_t n = PaymentsInTerm(s.frequency, s.term);

    ScheduleRun run;
    run.paymentsInTerm = n;
    run.schedule.amount = s.amount;
    std::vector<ScheduleRecord>& records = run.schedule.records;
    if (n > 0)
        records.reserve(static_cast<std::size_t>(n));
    auto add = [&records](int number, DayNumber date, Money payment, Money principal,
                          Money interest, Money principalToDate, Money interestToDate, Money lump,
                          Money change, Money balance) {
        records.push_back({static_cast<std::int16_t>(number), date, payment, principal, interest,
                           principalToDate, interestToDate, lump, change, balance});
    };

    Money interestToDate = 0.0f;
    Money principalToDate = 0.0f;
    for (int number = 1; number <= n; ++number) {
        const LoanWalk::Step step = walk.Pay();
        const PeriodsResult& p = step.period;
        if (step.outcome == LoanWalk::Outcome::PaidOff) {
            interestToDate = Add(interestToDate, p.interestTotal);
            principalToDate = Add(principalToDate, p.principalTotal);
            add(number, step.date, p.finalPayment, p.principal, p.interest, principalToDate,
                interestToDate, 0.0f, step.change, 0.0f);
            run.endedEarly = true;
            run.payoff = p;
            break;
        }
        if (step.outcome == LoanWalk::Outcome::LumpCapped) {
            messages.Warning(
                TrText("Engine Messages", kEngineWarningTitle),
                LumpCappedMessage(step.lump, step.balanceBeforeLump, step.date, "extra"));
            const Money lump = step.balanceBeforeLump;
            interestToDate = Add(interestToDate, p.interestTotal);
            principalToDate = Add(Add(principalToDate, p.principalTotal), lump);
            add(number, step.date, step.payment, p.principal, p.interest, principalToDate,
                interestToDate, lump, step.change, 0.0f);
            run.endedEarly = true;
            break;
        }
        // The lump counts towards principal repaid before the payment's own principal does.
        if (step.lumpMatched)
            principalToDate = Add(principalToDate, step.lump);
        interestToDate = Add(interestToDate, p.interestTotal);
        principalToDate = Add(principalToDate, p.principalTotal);
        add(number, step.date, step.payment, p.principal, p.interest, principalToDate,
            interestToDate, step.lumpMatched ? step.lump : 0.0f, step.change, step.balance);
        if (number != n)
            walk.Advance();
    }
    // Line 1 announces the payments of the term; an early end puts the true count there.
    run.schedule.count = run.endedEarly ? static_cast<std::int16_t>(records.size()) : n;
    return run;
}

} // namespace hl
