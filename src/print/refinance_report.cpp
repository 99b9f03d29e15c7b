// The refinance analysis laid out on the character grid, its amounts on their decimal points.
#include "print/refinance_report.h"

#include "core/translate.h"
#include "print/figure_align.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr double kLabelColumn = 5;
constexpr double kValueColumn = 65;
constexpr double kConclusionColumn = 60;
// The results table: the date of the balances after their label, then the window's three
// columns of figures.
constexpr double kDateColumn = 17;
constexpr double kOriginalColumn = 33;
constexpr double kRefinancedColumn = 48;

// An amount placed so that its point lines up with the other amounts of `column`.
void Amount(PageWriter& w, double column, const std::string& amount) {
    w.At(PointAlignedColumn(w.Font(), column, amount), amount);
}

class Sentences {
  public:
    explicit Sentences(PageWriter& w) : w_(w) {}

    // A heading in size 12 underlined, a blank line, and the sentences in size 10 below it.
    void Section(const char* heading) {
        if (started_)
            w_.NewLine();
        started_ = true;
        w_.SetFont(PrintFace::Arial, 12);
        w_.SetBold(true);
        w_.SetUnderline(true);
        w_.At(3, TrText("Refinance Report", heading));
        w_.SetUnderline(false);
        w_.SetBold(false);
        w_.SetFont(PrintFace::Arial, 10);
        w_.NewLine(2);
    }
    void Line(const char* label, const std::string& value, double column = kValueColumn) {
        w_.At(kLabelColumn, TrText("Refinance Report", label));
        w_.At(column, value);
        w_.NewLine();
    }
    void AmountLine(const char* label, const std::string& amount, double column = kValueColumn) {
        w_.At(kLabelColumn, TrText("Refinance Report", label));
        Amount(w_, column, amount);
        w_.NewLine();
    }

  private:
    PageWriter& w_;
    bool started_ = false;
};

} // namespace

Report RefinanceReport(const RefinanceReportInputs& in) {
    Page page;
    PageWriter w(page);
    PrintToolReportStart(w, TrText("Refinance Report", "Refinance - Scenario Run Results"), 20);
    w.MoveTo(8);
    Sentences s(w);
    const std::string term =
        TrArg(TrArg(TrText("Refinance Report", "%1 to %2"), in.refinanceDate), in.comparisonDate);

    s.Section(HL_TR_NOOP("Refinance Report", "Scenario Description"));
    s.Line(HL_TR_NOOP("Refinance Report", "Your current mortgage is set to run from:"),
           TrArg(TrArg(TrText("Refinance Report", "%1 to %2"), in.runsFrom), in.runsTo));
    s.Line(HL_TR_NOOP("Refinance Report", "and is set at the interest rate:"),
           in.scenarioRate + " %");
    s.Line(HL_TR_NOOP("Refinance Report", "You are considering to refinace your mortgage on:"),
           in.refinanceDate);

    s.Section(HL_TR_NOOP("Refinance Report", "Current Mortgage"));
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Using the regular payment value:"),
                 in.currentPayment);
    s.Line(HL_TR_NOOP("Refinance Report", "Running this mortgage from: "), term);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Balance owing:"), in.currentBalance);

    s.Section(HL_TR_NOOP("Refinance Report", "Refinaced Mortgage"));
    s.AmountLine(HL_TR_NOOP("Refinance Report", "$ Owing on refinance date:"), in.owing);
    s.AmountLine(HL_TR_NOOP("Refinance Report",
                            "Discharging your mortgage will cost an assumed penalty of:"),
                 in.penalty);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Other Expenses:"), in.otherExpenses);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Amount to be refinanced:"), in.total);
    s.Line(HL_TR_NOOP("Refinance Report", "Now if you refinace: "), in.refinanceRate + " %");
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Using the regular payment value:"),
                 in.refinancePayment);
    s.Line(HL_TR_NOOP("Refinance Report", "Running this mortgage from: "), term);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Balance owing:"), in.refinancedBalance);

    // The window's output table, its columns kept.
    s.Section(HL_TR_NOOP("Refinance Report", "Results Comparison"));
    w.At(kOriginalColumn, TrText("Refinance Report", "Original Mortgage"));
    w.At(kRefinancedColumn, TrText("Refinance Report", "Refinanced Mortgage"));
    w.At(kValueColumn, TrText("Refinance Report", "Difference"));
    w.NewLine();
    w.At(kLabelColumn, TrText("Refinance Report", "Payment Value used:"));
    Amount(w, kOriginalColumn, in.currentPayment);
    Amount(w, kRefinancedColumn, in.refinancePayment);
    w.NewLine();
    w.At(kLabelColumn, TrText("Refinance Report", "Balance owing:"));
    w.At(kDateColumn, in.comparisonDate);
    Amount(w, kOriginalColumn, in.currentBalance);
    Amount(w, kRefinancedColumn, in.refinancedBalance);
    Amount(w, kValueColumn, in.difference);
    w.NewLine();
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Cost due to a difference in payment value:"),
                 in.paymentCost);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Net Saving:"), in.netSaving);

    s.Section(HL_TR_NOOP("Refinance Report", "Conclusion"));
    s.AmountLine(
        HL_TR_NOOP("Refinance Report", "Current Mortgage if left alone (not refinanced): "),
        in.currentBalance, kConclusionColumn);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Refinanced Mortgage: "), in.refinancedBalance,
                 kConclusionColumn);
    s.AmountLine(HL_TR_NOOP("Refinance Report", "Yields a savings of: "), in.netSaving,
                 kConclusionColumn);
    return OnePageReport(std::move(page));
}

} // namespace hl
