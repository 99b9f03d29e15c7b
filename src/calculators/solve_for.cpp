// The "Solve for" calculator: amortization period and mortgage amount from a rate and a payment.
#include "calculators/solve_for.h"

#include <cmath>

#include "core/box_value.h"
#include "core/format.h"
#include "core/translate.h"
#include "engine/engine.h"

namespace hl::calc {
namespace {

// Each line ends in a carriage return and an empty line follows the second; the runs of spaces
// line the amounts up under "Payment Amount Range" in the message box's font.
constexpr const char* kPaymentRangeText = HL_TR_NOOP(
    "Calculator Messages",
    "Error, Check your Payment Amount as it relates to the Payment Frequency.\r"
    "            These values are relative to each other.  Acceptable values are:\r\r"
    "If Payment Frequency = Monthly         Payment Amount Range: 1 to 10000\r"
    "                                               Weekly                                         "
    "                   1 to   2500\r"
    "                                               Twice a Month                                  "
    "             1 to   5000\r"
    "                                               Every Two Weeks                                "
    "       1 to   5000\r");

CalcMessage Unresolvable(std::string text) {
    // No beep: the input was valid, only the combination cannot be solved.
    return CalcMessage{TrText("Calculator Messages", kUnresolvableTitle), std::move(text),
                       Buttons::Ok, false};
}

CalcMessage PaymentTooSmall() {
    return Unresolvable(
        TrText("Calculator Messages",
               "Error, Solve for Am Period scenario cannot be resolved because\r"
               "the calculated interest on the mortgage payment exceeds the payment you "
               "specified.\r\r"
               "Increase the Payment Amount or decrease the Interest Rate."));
}

CalcMessage NoInterest() {
    return Unresolvable(TrText("Calculator Messages",
                               "Error, Solve for scenarios cannot be resolved because\r"
                               "the Interest Rate is too small to give any interest.\r\r"
                               "Increase the Interest Rate."));
}

CalcMessage PeriodTooLong() {
    return Unresolvable(TrText("Calculator Messages",
                               "Error, Solve for Mtge Amount scenario cannot be resolved because\r"
                               "the Amortization Period is too long to calculate.\r\r"
                               "Decrease the Amortization Period."));
}

// Number of monthly periods that repay `amount` with payment `pm` at monthly rate r; nothing
// when the payment does not exceed the first month's interest.
std::optional<Single> MonthsToRepay(Single pm, Single r, Money amount) {
    const Single left = sgl::Sub(pm, sgl::Mul(r, amount));
    if (left <= 0 || pm <= 0)
        return std::nullopt;
    // The logarithms and the division are in double; only the count is stored as a single.
    const double n = (std::log(static_cast<double>(pm)) - std::log(static_cast<double>(left))) /
                     std::log(static_cast<double>(sgl::Add(1.0f, r)));
    return sgl::Round(n);
}

// The amount that monthly payment pm repays over `years` at monthly rate r.
Money AmountRepaid(Single pm, Single r, Single years) {
    const Single n = sgl::Mul(12.0f, years);
    const Single numerator = sgl::Mul(pm, sgl::Sub(sgl::Pow(sgl::Add(1.0f, r), n), 1.0f));
    const Single denominator = sgl::Mul(r, sgl::Pow(sgl::Add(1.0f, r), n));
    return sgl::Div(numerator, denominator);
}

constexpr const char* kPaymentPattern = "#####0.00";

// The payment as its box shows it, read back.
Single ShownPayment(Single payment) {
    return BoxValue(FormatNumber(payment, kPaymentPattern)).value_or(0.0f);
}

} // namespace

Single MonthlyEquivalent(Single payment, std::string_view frequency) {
    if (frequency == "Monthly")
        return payment;
    if (frequency == "Weekly")
        return sgl::Mul(4.0f, payment);
    return sgl::Mul(2.0f, payment);
}

SolveResult Solve(const SolveInputs& in) {
    SolveResult out;
    if (!in.rate || !in.payment)
        return out;
    if (!in.amount && !in.years)
        return out;

    const Single pm = MonthlyEquivalent(*in.payment, in.frequency);
    // Both solves work in monthly periods, whatever the payment frequency.
    const Single r = PeriodicRate(kMonthly, *in.rate);
    if (!(r > 0)) {
        // Both formulas divide by the rate: report it rather than show infinities.
        out.clearResults = true;
        out.messages.push_back(NoInterest());
        return out;
    }

    if (in.amount) {
        if (const auto months = MonthsToRepay(pm, r, *in.amount);
            months && std::isfinite(*months)) {
            AmortizationSolved solved;
            solved.months = *months;
            solved.years = sgl::Div(*months, 12.0f);
            solved.monthsText = FormatNumber(solved.months, "####0.00");
            solved.yearsText = FormatNumber(solved.years, "####0.00");
            out.amortization = std::move(solved);
        } else {
            out.messages.push_back(PaymentTooSmall());
        }
    }

    if (in.years) {
        const Money amount = AmountRepaid(pm, r, *in.years);
        if (std::isfinite(amount)) {
            out.amount = AmountSolved{amount, FormatNumber(amount, "########0.00")};
        } else {
            out.messages.push_back(PeriodTooLong());
        }
    }
    return out;
}

std::optional<Single> PaymentLimit(std::string_view frequency) {
    if (frequency == "Monthly")
        return 10000.0f;
    if (frequency == "Weekly")
        return 2500.0f;
    if (frequency == "Twice a Month" || frequency == "Every Two Weeks")
        return 5000.0f;
    return std::nullopt;
}

std::optional<CalcMessage> CheckPaymentRange(std::optional<Single> payment,
                                             std::string_view frequency) {
    const std::optional<Single> most = PaymentLimit(frequency);
    if (!payment || !most)
        return std::nullopt;
    // Judged as the payment box shows it, to the cent: a payment that shows as 0.00 is none.
    if (*payment > 0 && *payment <= *most && ShownPayment(*payment) > 0)
        return std::nullopt;
    return CalcMessage{TrText("Calculator Messages", kPaymentRangeTitle),
                       TrText("Calculator Messages", kPaymentRangeText), Buttons::Ok, true};
}

SolveResult SolveAfterFrequency(const SolveInputs& in) {
    if (auto refused = CheckPaymentRange(in.payment, in.frequency)) {
        SolveResult out;
        out.clearResults = true;
        out.messages.push_back(std::move(*refused));
        return out;
    }
    return Solve(in);
}

SolveResult SolveAfterPayment(const SolveInputs& in) {
    if (!in.payment) {
        SolveResult out;
        out.clearResults = true;
        return out;
    }
    if (auto refused = CheckPaymentRange(in.payment, in.frequency)) {
        SolveResult out;
        out.clearResults = true;
        out.messages.push_back(std::move(*refused));
        return out;
    }
    // The solve reads the box again, so it works with the payment as shown, to the cent.
    std::string text = FormatNumber(*in.payment, kPaymentPattern);
    SolveInputs shown = in;
    shown.payment = BoxValue(text);
    SolveResult out = Solve(shown);
    out.paymentText = std::move(text);
    return out;
}

FieldCheck CheckSolveField(SolveBox box, std::optional<Single> value) {
    static const FieldRule kRate{
        25.0f,
        HL_TR_NOOP("Calculator Messages",
                   "Error, value entered in the Interest Rate box must be between 1 and 25"),
        "#0.000"};
    static const FieldRule kAmount{
        500000.0f,
        HL_TR_NOOP("Calculator Messages",
                   "Error, value entered in the mortgage box must be between 1 and 500000"),
        "######0.00"};
    static const FieldRule kYears{
        35.0f,
        HL_TR_NOOP("Calculator Messages",
                   "Error, value entered in the Amortizaton box must be between 1 and 35"),
        "#####0.00"};
    switch (box) {
    case SolveBox::Rate:
        return CheckField(value, kRate);
    case SolveBox::Amount:
        return CheckField(value, kAmount);
    case SolveBox::Years:
        return CheckField(value, kYears);
    }
    return {};
}

} // namespace hl::calc
