// The refinance analysis laid out on the character grid.
#include "print/refinance_report.h"

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
    s.Line("Using the regular payment value:", in.currentPayment);
    s.Line("Running this mortgage from: ", term);
    s.Line("Balance owing:", in.currentBalance);

    s.Section("Refinaced Mortgage");
    s.Line("$ Owing on refinance date:", in.owing);
    s.Line("Discharging your mortgage will cost an assumed penalty of:", in.penalty);
    s.Line("Other Expenses:", in.otherExpenses);
    s.Line("Amount to be refinanced:", in.total);
    s.Line("Now if you refinace: ", in.refinanceRate + " %");
    s.Line("Using the regular payment value:", in.refinancePayment);
    s.Line("Running this mortgage from: ", term);
    s.Line("Balance owing:", in.refinancedBalance);

    // The window's output table, its columns kept.
    s.Section("Results Comparison");
    w.At(kOriginalColumn, "Original Mortgage");
    w.At(kRefinancedColumn, "Refinanced Mortgage");
    w.At(kValueColumn, "Difference");
    w.NewLine();
    w.At(kLabelColumn, "Payment Value used:");
    w.At(kOriginalColumn, in.currentPayment);
    w.At(kRefinancedColumn, in.refinancePayment);
    w.NewLine();
    w.At(kLabelColumn, "Balance owing:");
    w.At(kDateColumn, in.comparisonDate);
    w.At(kOriginalColumn, in.currentBalance);
    w.At(kRefinancedColumn, in.refinancedBalance);
    w.At(kValueColumn, in.difference);
    w.NewLine();
    s.Line("Cost due to a difference in payment value:", in.paymentCost);
    s.Line("Net Saving:", in.netSaving);

    s.Section("Conclusion");
    s.Line("Current Mortgage if left alone (not refinanced): ", in.currentBalance,
           kConclusionColumn);
    s.Line("Refinanced Mortgage: ", in.refinancedBalance, kConclusionColumn);
    s.Line("Yields a savings of: ", in.netSaving, kConclusionColumn);
    return OnePageReport(std::move(page));
}

} // namespace hl
