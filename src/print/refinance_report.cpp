// The refinance analysis laid out on the character grid, its amounts on their decimal points.
#include "print/refinance_report.h"

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
        w_.At(3, heading);
        w_.SetUnderline(false);
        w_.SetBold(false);
        w_.SetFont(PrintFace::Arial, 10);
        w_.NewLine(2);
    }
    void Line(const char* label, const std::string& value, double column = kValueColumn) {
        w_.At(kLabelColumn, label);
        w_.At(column, value);
        w_.NewLine();
    }
    void AmountLine(const char* label, const std::string& amount, double column = kValueColumn) {
        w_.At(kLabelColumn, label);
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
    PrintToolReportStart(w, "Refinance - Scenario Run Results", 20);
    w.MoveTo(8);
    Sentences s(w);
    const std::string term = in.refinanceDate + " to " + in.comparisonDate;

    s.Section("Scenario Description");
    s.Line("Your current mortgage is set to run from:", in.runsFrom + " to " + in.runsTo);
    s.Line("and is set at the interest rate:", in.scenarioRate + " %");
    s.Line("You are considering to refinace your mortgage on:", in.refinanceDate);

    s.Section("Current Mortgage");
    s.AmountLine("Using the regular payment value:", in.currentPayment);
    s.Line("Running this mortgage from: ", term);
    s.AmountLine("Balance owing:", in.currentBalance);

    s.Section("Refinaced Mortgage");
    s.AmountLine("$ Owing on refinance date:", in.owing);
    s.AmountLine("Discharging your mortgage will cost an assumed penalty of:", in.penalty);
    s.AmountLine("Other Expenses:", in.otherExpenses);
    s.AmountLine("Amount to be refinanced:", in.total);
    s.Line("Now if you refinace: ", in.refinanceRate + " %");
    s.AmountLine("Using the regular payment value:", in.refinancePayment);
    s.Line("Running this mortgage from: ", term);
    s.AmountLine("Balance owing:", in.refinancedBalance);

    // The window's output table, its columns kept.
    s.Section("Results Comparison");
    w.At(kOriginalColumn, "Original Mortgage");
    w.At(kRefinancedColumn, "Refinanced Mortgage");
    w.At(kValueColumn, "Difference");
    w.NewLine();
    w.At(kLabelColumn, "Payment Value used:");
    Amount(w, kOriginalColumn, in.currentPayment);
    Amount(w, kRefinancedColumn, in.refinancePayment);
    w.NewLine();
    w.At(kLabelColumn, "Balance owing:");
    w.At(kDateColumn, in.comparisonDate);
    Amount(w, kOriginalColumn, in.currentBalance);
    Amount(w, kRefinancedColumn, in.refinancedBalance);
    Amount(w, kValueColumn, in.difference);
    w.NewLine();
    s.AmountLine("Cost due to a difference in payment value:", in.paymentCost);
    s.AmountLine("Net Saving:", in.netSaving);

    s.Section("Conclusion");
    s.AmountLine("Current Mortgage if left alone (not refinanced): ", in.currentBalance,
                 kConclusionColumn);
    s.AmountLine("Refinanced Mortgage: ", in.refinancedBalance, kConclusionColumn);
    s.AmountLine("Yields a savings of: ", in.netSaving, kConclusionColumn);
    return OnePageReport(std::move(page));
}

} // namespace hl
