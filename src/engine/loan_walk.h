// The payment-by-payment walk shared by the schedule, the summary and the balance look-ups:
// a change to the payment before each payment, the payment itself, a lump payment after it.
#pragma once

#include "engine/engine.h"

namespace hl {

class LoanWalk {
  public:
    enum class Outcome {
        Paid,      ///< an ordinary payment; the loan goes on
        PaidOff,   ///< the regular payment paid the loan off (a smaller final payment)
        LumpCapped ///< the lump exceeded the balance left: it is cut down and the loan ends
    };

    struct Step {
        Outcome outcome = Outcome::Paid;
        DayNumber date = 0;
        Money payment = 0;           ///< the payment in effect, this payment's change included
        Money change = 0;            ///< change made at this payment (0 if none)
        bool lumpMatched = false;    ///< a table entry fell on this date and its lump was applied
        Money lump = 0;              ///< lump applied; when capped, the lump that was asked for
        Money balanceBeforeLump = 0; ///< after the payment, before its lump
        Money balance = 0;           ///< after the payment and its lump (0 when the loan ended)
        PeriodsResult period;        ///< the payment's interest, principal and pay-off figures
    };

    explicit LoanWalk(const EngineInputs& in);

    Single Rate() const { return rate_; }
    Money RegularPayment() const { return regular_; }
    Money PaymentInEffect() const { return payment_; }
    DayNumber Date() const { return date_; }

    /// Makes the payment due on the current date.
    Step Pay();
    /// Moves to the next payment date of the calendar.
    void Advance();

  private:
    const EngineInputs& in_;
    Single rate_;
    Money regular_;
    Money payment_;
    Money balance_;
    DayNumber date_;
    int cursor_ = 1; ///< the next table entry; it moves only when its date is met
};

/// The warning shown when a lump payment exceeds the balance left; `noun` is "extra" (the
/// schedule's wording) or "lump" (the summary's).
std::string LumpCappedMessage(Money lump, Money balance, DayNumber date, const char* noun);

} // namespace hl
