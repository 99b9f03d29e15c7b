// The early discharge report laid out on the character grid.
#include "print/discharge_report.h"

#include "print/reports.h"

namespace hl {
namespace {

constexpr int kLabelColumn = 11;
constexpr int kInputColumn = 36;
constexpr int kAmountColumn = 42;

} // namespace

Report DischargeReport(const Scenario& scenario, const DischargeSheet& s) {
    Page page;
    PageWriter w(page);
    PrintHeaderBlock(w, scenario);
    w.MoveTo(12);
    w.SetFont(PrintFace::Arial, 16);
    w.SetBold(true);
    w.SetUnderline(true);
    w.At(27, "Early Discharge Penalty");
    w.SetUnderline(false);
    w.SetBold(false);

    w.SetFont(PrintFace::Arial, 11);
    w.MoveTo(17);
    w.At(kLabelColumn,
         "Current Mortgage runs from:   " + s.firstPayment + "   until   " + s.lastPayment);
    w.NewLine(2);
    w.At(kLabelColumn, "Discharge Date:");
    w.At(kInputColumn, s.dischargeDate);
    w.NewLine();
    w.At(kLabelColumn, "Interest Rate :");
    w.At(kInputColumn, s.rate);
    w.NewLine(3);
    w.SetUnderline(true);
    w.At(kLabelColumn, "Interest Rate Differential Calculations:");
    w.SetUnderline(false);
    w.NewLine(2);
    const auto amount = [&](const char* label, const std::string& value) {
        w.At(kLabelColumn, label);
        w.At(kAmountColumn, value);
    };
    amount("Future Value Method:", s.futureValue);
    w.NewLine(2);
    amount("Acc. Interest Method:", s.accumulatedInterest);
    w.NewLine(2);
    amount("Actual Scenario Calculation:", s.actualScenario);
    // The three-month penalty stands apart from the three differentials above it.
    w.NewLine(4);
    amount("Three Month Interest Penalty:", s.threeMonth);
    w.NewLine(2);

    w.SetFont(PrintFace::Arial, 10);
    w.At(kLabelColumn, "Applicable Penalty: The GREATER of the Interest Rate Differential and the "
                       "Three Month Penalty");
    w.NewLine(2);
    w.At(kLabelColumn, "Note:");
    w.At(19, "CMHC insured mortgages may only be subject to the Three Month Penalty (not the ");
    w.NewLine();
    w.At(19, "Interest Rate Differential) if the mortgage has been running for three years or "
             "more.");
    w.NewLine(2);
    w.At(8, "This form is an estimator.  It seems every bank has their own method of calculating "
            "this penalty.");
    w.NewLine();
    w.At(8, "The intent of this form is to supply a quick method to estimate the Early Discharge "
            "Penalty.");
    return OnePageReport(std::move(page));
}

} // namespace hl
