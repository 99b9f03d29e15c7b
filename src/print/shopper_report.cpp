// The payment shopper's results laid out on the character grid.
#include "print/shopper_report.h"

#include <algorithm>

#include "core/translate.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr std::array<double, 7> kCellColumns = {5, 20, 35, 50, 65, 80, kShopperLastColumn};
constexpr int kHeadingLine = 8;
constexpr int kFirstTableLine = 11;

void PrintHeadings(PageWriter& w) {
    w.SetFont(PrintFace::Arial, 10);
    w.MoveTo(kHeadingLine);
    w.At(5, TrText("Shopper Report", "Mortgage"));
    w.At(20, TrText("Shopper Report", " Interest"));
    w.At(32, TrText("Shopper Report", "Amortization"));
    w.At(50, TrText("Shopper Report", "Monthly"));
    w.At(65, TrText("Shopper Report", "Weekly"));
    w.At(80, TrText("Shopper Report", "Every"));
    w.At(kShopperLastColumn, TrText("Shopper Report", "Twice"));
    w.NewLine();
    w.SetUnderline(true);
    w.At(5, TrText("Shopper Report", " Amount "));
    w.At(20, TrText("Shopper Report", "   Rate  "));
    w.At(34, TrText("Shopper Report", "   Period  "));
    w.At(50, TrText("Shopper Report", "Payment"));
    w.At(65, TrText("Shopper Report", "Payment"));
    w.At(77, TrText("Shopper Report", "Two Weeks"));
    w.At(kShopperLastColumn, TrText("Shopper Report", "A Month"));
    w.SetUnderline(false);
}

} // namespace

int ShopperReportPages(int lines) {
    return std::max(1, (lines + kShopperLinesPerPage - 1) / kShopperLinesPerPage);
}

Report ShopperReport(const std::vector<ShopperReportLine>& lines) {
    const int total = ShopperReportPages(static_cast<int>(lines.size()));
    Report report;
    for (int p = 0; p < total; ++p) {
        Page& page = report.emplace_back();
        PageWriter w(page);
        PrintToolReportStart(w, TrText("Shopper Report", "Payment Shopper Results"), 24);
        PrintHeadings(w);
        w.SetBold(false);
        w.MoveTo(kFirstTableLine);
        const std::size_t first = static_cast<std::size_t>(p) * kShopperLinesPerPage;
        const std::size_t end = std::min(lines.size(), first + kShopperLinesPerPage);
        for (std::size_t k = first; k < end; ++k) {
            for (std::size_t c = 0; c < kCellColumns.size(); ++c)
                if (!lines[k][c].empty())
                    w.At(kCellColumns[c], lines[k][c]);
            w.NewLine();
        }
        PrintFooter(page, p + 1, total);
    }
    return report;
}

} // namespace hl
