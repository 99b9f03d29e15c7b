// The shared payment-by-payment walk.
#include "engine/loan_walk.h"

#include "core/format.h"
#include "core/translate.h"

namespace hl {
using namespace sgl;

LoanWalk::LoanWalk(const EngineInputs& in)
    : in_(in), rate_(PeriodicRate(in.scenario.frequency, in.scenario.rate)),
      regular_(hl::RegularPayment(in.scenario.amount, in.scenario.rate, in.scenario.amortization,
                                  in.scenario.frequency)),
      payment_(regular_), balance_(in.scenario.amount), date_(in.scenario.start) {}

LoanWalk::Step LoanWalk::Pay() {
    Step step;
    step.date = date_;
    // A change applies before the payment and stays in force for every later payment.
    const PaymentChange entry = in_.changes.At(cursor_);
    const bool matched = entry.date == date_;
    if (matched) {
        payment_ = Add(payment_, entry.change);
        step.change = entry.change;
    }
    step.payment = payment_;
    step.period = RunPeriods(balance_, rate_, payment_, 1);
    if (step.period.paidOff) {
        // A lump due on this date is not applied and the cursor stays where it is.
        step.outcome = Outcome::PaidOff;
        step.balance = 0.0f;
        balance_ = 0.0f;
        return step;
    }
    Money balance = step.period.balance;
    step.balanceBeforeLump = balance;
    if (matched) {
        // The same entry's lump comes off after the payment.
        if (entry.lump > balance) {
            step.outcome = Outcome::LumpCapped;
            step.lump = entry.lump;
            step.balance = 0.0f;
            balance_ = 0.0f;
            return step;
        }
        balance = Sub(balance, entry.lump);
        step.lumpMatched = true;
        step.lump = entry.lump;
        ++cursor_;
    }
    balance_ = balance;
    step.balance = balance;
    return step;
}

void LoanWalk::Advance() {
    date_ = NextPaymentDate(date_, in_.scenario.frequency, in_.scenario.start);
}

std::string LumpCappedMessage(Money lump, Money balance, DayNumber date, const char* noun) {
    // One whole sentence for each noun, so that a translation never assembles it from pieces.
    const std::string pattern =
        std::string_view(noun) == "lump"
            ? TrText("Engine Messages",
                     "The extra payment of $ %1 is more than the outstanding balance of: %2 on "
                     "%3.  The loan is now paid in full and the lump payment has been reduced to "
                     "pay off the outstanding balance.")
            : TrText("Engine Messages",
                     "The extra payment of $ %1 is more than the outstanding balance of: %2 on "
                     "%3.  The loan is now paid in full and the extra payment has been reduced "
                     "to pay off the outstanding balance.");
    return TrArg(TrArg(TrArg(pattern, FormatNumber(lump, "######0.00")),
                       FormatNumber(balance, "#######0.00")),
                 FormatDate(date, "mmm d yyyy"));
}

} // namespace hl
