// The estimate report laid out on the character grid: captions in "Arial" 12, figures in
// "Courier New" 10, the items' figures in one column and the totals in a column to their right,
// each column's amounts on their decimal points.
#include "print/estimate_report.h"

#include <span>

#include "print/figure_align.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr int kTotalColumn = 3;
constexpr int kHeadingColumn = 8;
constexpr int kItemColumn = 5;
constexpr int kItemFigureColumn = 40;
constexpr int kTotalFigureColumn = 60;

constexpr std::array<const char*, 11> kExpenseLabels = {"Legal Fees (incl. disbursements):",
                                                        "Land Transfer Tax Adjustment:",
                                                        "Utility Adjustments:",
                                                        "Property Tax Adjustments:",
                                                        "Property Survey:",
                                                        "Appraisal Fee:",
                                                        "House Inspection:",
                                                        "Moving Expenses:",
                                                        "Home Insurance:",
                                                        "Immediate Repairs:",
                                                        "Other:"};
// A blank line splits the expenses before "House Inspection:".
constexpr std::size_t kSecondExpenseGroup = 6;

constexpr std::array<const char*, 3> kFundLabels = {
    "Purchase Deposit:", "$ from other property sale:", "Other Personal Funds:"};

void Caption(PageWriter& w, int column, const char* text, bool underline = false) {
    w.SetFont(PrintFace::Arial, 12);
    w.SetUnderline(underline);
    w.At(column, text);
    w.SetUnderline(false);
}

void Figure(PageWriter& w, int column, const std::string& text) {
    w.SetFont(PrintFace::CourierNew, 10);
    w.At(PointAlignedColumn(w.Font(), column, text), text);
}

// A group under its underlined heading, one item a line; the subtotal stands on the last item's
// line. Leaves the writer on the line after the group.
void ItemGroup(PageWriter& w, const char* heading, std::span<const char* const> labels,
               std::span<const std::string> figures, const std::string& subtotal,
               std::size_t gapBefore = 0) {
    Caption(w, kHeadingColumn, heading, true);
    w.NewLine();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (gapBefore > 0 && i == gapBefore)
            w.NewLine();
        Caption(w, kItemColumn, labels[i]);
        Figure(w, kItemFigureColumn, figures[i]);
        if (i + 1 == labels.size())
            Figure(w, kTotalFigureColumn, subtotal);
        w.NewLine();
    }
}

void Total(PageWriter& w, const char* label, const std::string& figure) {
    Caption(w, kTotalColumn, label);
    Figure(w, kTotalFigureColumn, figure);
    w.NewLine();
}

} // namespace

Report EstimateReport(const EstimateSheet& s) {
    Page page;
    PageWriter w(page);
    PrintToolReportStart(w, "Estimate Amount of Mortgage Required", 20, 0);
    w.SetBold(false);
    w.MoveTo(8);
    Total(w, "Property Purchase Price:", s.price);
    w.NewLine();
    ItemGroup(w, "Plus Other Expenses:", kExpenseLabels, s.expenses, s.expensesSubtotal,
              kSecondExpenseGroup);
    w.NewLine();
    Total(w, "Total Estimate Purchase Cost:", s.totalCost);
    w.NewLine();
    ItemGroup(w, "Less:", kFundLabels, s.funds, s.fundsSubtotal);
    w.NewLine();
    Total(w, "Estimated Amount to be Mortgaged:", s.mortgage);
    return OnePageReport(std::move(page));
}

} // namespace hl
