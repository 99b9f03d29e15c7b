// The estimate report laid out on the character grid: captions in "Arial" 12, figures in
// "Courier New" 10, the items' figures in one column and the totals in a column to their right,
// each column's amounts on their decimal points.
#include "print/estimate_report.h"

#include <span>

#include "core/translate.h"
#include "print/figure_align.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr int kTotalColumn = 3;
constexpr int kHeadingColumn = 8;
constexpr int kItemColumn = 5;
constexpr int kItemFigureColumn = 40;
constexpr int kTotalFigureColumn = 60;

constexpr std::array<const char*, 11> kExpenseLabels = {
    HL_TR_NOOP("Estimate Report", "Legal Fees (incl. disbursements):"),
    HL_TR_NOOP("Estimate Report", "Land Transfer Tax Adjustment:"),
    HL_TR_NOOP("Estimate Report", "Utility Adjustments:"),
    HL_TR_NOOP("Estimate Report", "Property Tax Adjustments:"),
    HL_TR_NOOP("Estimate Report", "Property Survey:"),
    HL_TR_NOOP("Estimate Report", "Appraisal Fee:"),
    HL_TR_NOOP("Estimate Report", "House Inspection:"),
    HL_TR_NOOP("Estimate Report", "Moving Expenses:"),
    HL_TR_NOOP("Estimate Report", "Home Insurance:"),
    HL_TR_NOOP("Estimate Report", "Immediate Repairs:"),
    HL_TR_NOOP("Estimate Report", "Other:")};
// A blank line splits the expenses before "House Inspection:".
constexpr std::size_t kSecondExpenseGroup = 6;

constexpr std::array<const char*, 3> kFundLabels = {
    HL_TR_NOOP("Estimate Report", "Purchase Deposit:"),
    HL_TR_NOOP("Estimate Report", "$ from other property sale:"),
    HL_TR_NOOP("Estimate Report", "Other Personal Funds:")};

void Caption(PageWriter& w, int column, const char* text, bool underline = false) {
    w.SetFont(PrintFace::Arial, 12);
    w.SetUnderline(underline);
    w.At(column, TrText("Estimate Report", text));
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
    PrintToolReportStart(w, TrText("Estimate Report", "Estimate Amount of Mortgage Required"), 20,
                         0);
    w.SetBold(false);
    w.MoveTo(8);
    Total(w, HL_TR_NOOP("Estimate Report", "Property Purchase Price:"), s.price);
    w.NewLine();
    ItemGroup(w, HL_TR_NOOP("Estimate Report", "Plus Other Expenses:"), kExpenseLabels, s.expenses,
              s.expensesSubtotal, kSecondExpenseGroup);
    w.NewLine();
    Total(w, HL_TR_NOOP("Estimate Report", "Total Estimate Purchase Cost:"), s.totalCost);
    w.NewLine();
    ItemGroup(w, HL_TR_NOOP("Estimate Report", "Less:"), kFundLabels, s.funds, s.fundsSubtotal);
    w.NewLine();
    Total(w, HL_TR_NOOP("Estimate Report", "Estimated Amount to be Mortgaged:"), s.mortgage);
    return OnePageReport(std::move(page));
}

} // namespace hl
