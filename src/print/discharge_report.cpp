// The early discharge report laid out on the character grid.
#include "print/discharge_report.h"

#include "core/translate.h"
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
    w.At(27, TrText("Discharge Report", "Early Discharge Penalty"));
    w.SetUnderline(false);
    w.SetBold(false);

    w.SetFont(PrintFace::Arial, 11);
    w.MoveTo(17);
    w.At(kLabelColumn,
         TrArg(TrArg(TrText("Discharge Report", "Current Mortgage runs from:   %1   until   %2"),
                     s.firstPayment),
               s.lastPayment));
    w.NewLine(2);
    w.At(kLabelColumn, TrText("Discharge Report", "Discharge Date:"));
    w.At(kInputColumn, s.dischargeDate);
    w.NewLine();
    w.At(kLabelColumn, TrText("Discharge Report", "Interest Rate :"));
    w.At(kInputColumn, s.rate);
    w.NewLine(3);
    w.SetUnderline(true);
    w.At(kLabelColumn, TrText("Discharge Report", "Interest Rate Differential Calculations:"));
    w.SetUnderline(false);
    w.NewLine(2);
    const auto amount = [&](const char* label, const std::string& value) {
        w.At(kLabelColumn, TrText("Discharge Report", label));
        w.At(kAmountColumn, value);
    };
    amount(HL_TR_NOOP("Discharge Report", "Future Value Method:"), s.futureValue);
    w.NewLine(2);
    amount(HL_TR_NOOP("Discharge Report", "Acc. Interest Method:"), s.accumulatedInterest);
    w.NewLine(2);
    amount(HL_TR_NOOP("Discharge Report", "Actual Scenario Calculation:"), s.actualScenario);
    // The three-month penalty stands apart from the three differentials above it.
    w.NewLine(4);
    amount(HL_TR_NOOP("Discharge Report", "Three Month Interest Penalty:"), s.threeMonth);
    w.NewLine(2);

    w.SetFont(PrintFace::Arial, 10);
    w.At(kLabelColumn, TrText("Discharge Report", "Applicable Penalty: The GREATER of the Interest "
                                                  "Rate Differential and the Three Month Penalty"));
    w.NewLine(2);
    w.At(kLabelColumn, TrText("Discharge Report", "Note:"));
    w.At(19, TrText("Discharge Report", "CMHC insured mortgages may only be subject to the Three "
                                        "Month Penalty (not the "));
    w.NewLine();
    w.At(19, TrText("Discharge Report", "Interest Rate Differential) if the mortgage has been "
                                        "running for three years or more."));
    w.NewLine(2);
    w.At(8, TrText("Discharge Report", "This form is an estimator.  It seems every bank has their "
                                       "own method of calculating this penalty."));
    w.NewLine();
    w.At(8, TrText("Discharge Report", "The intent of this form is to supply a quick method to "
                                       "estimate the Early Discharge Penalty."));
    return OnePageReport(std::move(page));
}

} // namespace hl
