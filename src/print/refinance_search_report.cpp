// The refinance search's study laid out on the character grid.
#include "print/refinance_search_report.h"

#include <algorithm>

#include "print/reports.h"

namespace hl {
namespace {

constexpr std::array<double, 7> kCellColumns = {5, 18, 30, 42, 55, 67, 79};
constexpr int kFirstInputLine = 8;
// The choices, the headings and the rows each follow a blank line, so that nothing overprints.
constexpr int kHeadingLine = 16;
constexpr int kFirstRowLine = 18;
static_assert(kFirstRowLine + kSearchRowsPerPage - 1 == 58);

const char* PenaltyWords(SearchReportPenalty penalty) {
    switch (penalty) {
    case SearchReportPenalty::FutureValue:
        return "Future Value Method";
    case SearchReportPenalty::AccInterest:
        return "Acc. Interest Method";
    case SearchReportPenalty::CalculatedScenario:
        break;
    }
    return "Calculated Discharge Penalty";
}

const char* ModeWords(SearchReportMode mode) {
    switch (mode) {
    case SearchReportMode::DateOnly:
        return "Discharge Date only (fixed interest rate)";
    case SearchReportMode::RateOnly:
        return "Interest Rate only (fixed discharge date)";
    case SearchReportMode::DateAndRate:
        break;
    }
    return "Discharge Date and Interest Rate";
}

void PrintInputs(PageWriter& w, const RefinanceSearchReportInputs& in) {
    w.SetFont(PrintFace::Arial, 10);
    w.SetBold(false);
    w.MoveTo(kFirstInputLine);
    const auto line = [&w](const char* label, const std::string& value) {
        w.At(5, label);
        w.At(42, value);
        w.NewLine();
    };
    line("Begin study at discharge date:", in.date);
    line("Interest Rate Cap:", in.cap);
    line("Additional Costs:", in.costs);
    w.NewLine();
    line("CMHC 3 year rule:", in.cmhc ? "IS APPLIED" : " IS NOT APPLIED ");
    line("Discharge Penalty Used:", PenaltyWords(in.penalty));
    line("Solving for:", ModeWords(in.mode));
}

void PrintHeadings(PageWriter& w) {
    w.SetFont(PrintFace::CourierNew, 10);
    w.MoveTo(kHeadingLine);
    w.At(5, " Discharge");
    w.At(19, "Max Interest");
    w.At(33, "Payment");
    w.At(45, "Penalty");
    w.At(55, " Discharge");
    w.At(67, "  Bal Fwd");
    w.NewLine();
    w.SetUnderline(true);
    w.At(5, "   Date    ");
    w.At(19, " Rate Value");
    w.At(33, "  Used ");
    w.At(45, " Used  ");
    w.At(56, " Bal Fwd ");
    w.At(67, "of Scenario");
    w.At(83, "Saving");
    w.SetUnderline(false);
}

} // namespace

int RefinanceSearchReportPages(int rows) {
    return std::max(1, (rows + kSearchRowsPerPage - 1) / kSearchRowsPerPage);
}

Report RefinanceSearchReport(const RefinanceSearchReportInputs& in) {
    const int total = RefinanceSearchReportPages(static_cast<int>(in.rows.size()));
    Report report;
    for (int p = 0; p < total; ++p) {
        Page& page = report.emplace_back();
        PageWriter w(page);
        PrintToolReportStart(w, "Refinace Study - Solve Both", 22);
        PrintInputs(w, in);
        PrintHeadings(w);
        w.MoveTo(kFirstRowLine);
        const std::size_t first = static_cast<std::size_t>(p) * kSearchRowsPerPage;
        const std::size_t end = std::min(in.rows.size(), first + kSearchRowsPerPage);
        for (std::size_t k = first; k < end; ++k) {
            for (std::size_t c = 0; c < kCellColumns.size(); ++c)
                w.At(kCellColumns[c], in.rows[k][c]);
            w.NewLine();
        }
        PrintFooter(page, p + 1, total);
    }
    return report;
}

} // namespace hl
