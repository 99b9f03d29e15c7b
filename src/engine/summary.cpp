// The summary run: the schedule's walk, returning totals instead of records.
#include "core/translate.h"
#include "engine/engine.h"
#include "engine/loan_walk.h"

namespace hl {
using namespace sgl;

SummaryResult RunSummary(const EngineInputs& in, EngineMessages& messages) {
    const Scenario& s = in.scenario;
    LoanWalk walk(in);
    const int n = PaymentsInTerm(s.frequency, s.term);

    SummaryResult r;
    r.regularPayment = walk.RegularPayment();
    r.paymentInEffect = r.regularPayment;
    r.lastDate = s.start;
    r.paymentsMade = static_cast<std::int16_t>(n);
    Money balance = s.amount;
    Money lastPaymentSeen = 0.0f; // stays 0 when the walk runs to the last payment
    bool ended = false;

    for (int number = 1; number <= n && !ended; ++number) {
        const LoanWalk::Step step = walk.Pay();
        const PeriodsResult& p = step.period;
        r.paymentInEffect = step.payment;
        switch (step.outcome) {
        case LoanWalk::Outcome::PaidOff:
            r.paymentsMade = static_cast<std::int16_t>(number);
            balance = 0.0f;
            r.totalInterest = Add(r.totalInterest, p.interestTotal);
            r.totalPrincipal = Add(r.totalPrincipal, p.principalTotal);
            r.totalPaid += static_cast<double>(p.finalPayment);
            r.paymentInEffect = p.finalPayment;
            lastPaymentSeen = p.finalPayment;
            ended = true;
            break;
        case LoanWalk::Outcome::LumpCapped: {
            messages.Warning(
                TrText("Engine Messages", kEngineWarningTitle),
                LumpCappedMessage(step.lump, step.balanceBeforeLump, step.date, "lump"));
            const Money lump = step.balanceBeforeLump;
            balance = 0.0f;
            r.totalInterest = Add(r.totalInterest, p.interestTotal);
            r.totalPrincipal = Add(Add(r.totalPrincipal, p.principalTotal), lump);
            r.totalLumps = Add(r.totalLumps, lump);
            r.totalPaid += static_cast<double>(step.payment);
            lastPaymentSeen = step.payment;
            r.paymentsMade = static_cast<std::int16_t>(number);
            ended = true;
            break;
        }
        case LoanWalk::Outcome::Paid:
            if (step.lumpMatched) {
                r.totalPrincipal = Add(r.totalPrincipal, step.lump);
                r.totalLumps = Add(r.totalLumps, step.lump);
            }
            balance = step.balance;
            r.totalPaid += static_cast<double>(step.payment);
            r.totalInterest = Add(r.totalInterest, p.interestTotal);
            r.totalPrincipal = Add(r.totalPrincipal, p.principalTotal);
            if (number != n) {
                walk.Advance();
                r.lastDate = walk.Date();
            }
            break;
        }
    }
    r.endBalance = balance;

    // What was paid beyond the regular payments: the product is a single, the difference is
    // taken in double. A smaller final payment is not counted against the borrower.
    r.extraPaid = Round(r.totalPaid - static_cast<double>(Mul(static_cast<Single>(r.paymentsMade),
                                                              r.regularPayment)));
    if (r.endBalance == 0.0f && lastPaymentSeen < r.regularPayment)
        r.extraPaid = Add(r.extraPaid, Sub(r.regularPayment, lastPaymentSeen));
    return r;
}

} // namespace hl
