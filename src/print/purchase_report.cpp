// The purchase report on the character grid: captions in "Arial" 11, figures in "Courier New" 10
// on their decimal points, the inputs above the results.
#include "print/purchase_report.h"

#include "core/translate.h"
#include "print/figure_align.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr int kCaptionColumn = 5;
constexpr int kFigureColumn = 55;
constexpr int kHeadingColumn = 3;

void Lines(PageWriter& w, const std::string& heading,
           const std::vector<std::pair<std::string, std::string>>& lines) {
    w.SetFont(PrintFace::Arial, 12);
    w.SetUnderline(true);
    w.At(kHeadingColumn, heading);
    w.SetUnderline(false);
    w.NewLine();
    for (const auto& [caption, figure] : lines) {
        w.SetFont(PrintFace::Arial, 11);
        w.At(kCaptionColumn, caption);
        w.SetFont(PrintFace::CourierNew, 10);
        w.At(PointAlignedColumn(w.Font(), kFigureColumn, figure), figure);
        w.NewLine();
    }
}

} // namespace

Report PurchaseReport(const PurchaseSheet& sheet) {
    Page page;
    PageWriter w(page);
    PrintToolReportStart(w, TrText("Purchase Report", "Buying a Home"), 30, 0);
    w.SetBold(false);
    w.MoveTo(7);
    Lines(w, TrText("Purchase Report", "The purchase:"), sheet.inputs);
    w.NewLine();
    Lines(w, TrText("Purchase Report", "What it takes:"), sheet.results);
    w.NewLine();
    w.SetFont(PrintFace::Arial, 10);
    for (const std::string& note : sheet.notes) {
        if (w.Line() >= 59)
            break;
        w.At(kHeadingColumn, note);
        w.NewLine();
    }
    return OnePageReport(std::move(page));
}

} // namespace hl
