// The refinance search's study laid out on the character grid.
#include "print/refinance_search_report.h"

#include <algorithm>

#include "core/translate.h"
#include "print/reports.h"

namespace hl {
namespace {

// The rates stand under their heading, a blank clear of the longest date ("sept. 15 1999").
constexpr std::array<double, 7> kCellColumns = {5, 19, 30, 42, 55, 67, 79};
constexpr int kFirstInputLine = 8;
// The choices, the headings and the rows each follow a blank line, so that nothing overprints.
constexpr int kHeadingLine = 16;
constexpr int kFirstRowLine = 18;
static_assert(kFirstRowLine + kSearchRowsPerPage - 1 == 58);

const char* PenaltyWords(SearchReportPenalty penalty) {
    switch (penalty) {
    case SearchReportPenalty::FutureValue:
        return HL_TR_NOOP("Refinance Search Report", "Future Value Method");
    case SearchReportPenalty::AccInterest:
        return HL_TR_NOOP("Refinance Search Report", "Acc. Interest Method");
    case SearchReportPenalty::CalculatedScenario:
        break;
    }
    return HL_TR_NOOP("Refinance Search Report", "Calculated Discharge Penalty");
}

const char* ModeWords(SearchReportMode mode) {
    switch (mode) {
    case SearchReportMode::DateOnly:
        return HL_TR_NOOP("Refinance Search Report", "Discharge Date only (fixed interest rate)");
    case SearchReportMode::RateOnly:
        return HL_TR_NOOP("Refinance Search Report", "Interest Rate only (fixed discharge date)");
    case SearchReportMode::DateAndRate:
        break;
    }
    return HL_TR_NOOP("Refinance Search Report", "Discharge Date and Interest Rate");
}

void PrintInputs(PageWriter& w, const RefinanceSearchReportInputs& in) {
    w.SetFont(PrintFace::Arial, 10);
    w.SetBold(false);
    w.MoveTo(kFirstInputLine);
    const auto line = [&w](const char* label, const std::string& value) {
        w.At(5, TrText("Refinance Search Report", label));
        w.At(42, value);
        w.NewLine();
    };
    line(HL_TR_NOOP("Refinance Search Report", "Begin study at discharge date:"), in.date);
    line(HL_TR_NOOP("Refinance Search Report", "Interest Rate Cap:"), in.cap);
    line(HL_TR_NOOP("Refinance Search Report", "Additional Costs:"), in.costs);
    w.NewLine();
    line(HL_TR_NOOP("Refinance Search Report", "CMHC 3 year rule:"),
         in.cmhc ? TrText("Refinance Search Report", "IS APPLIED")
                 : TrText("Refinance Search Report", " IS NOT APPLIED "));
    line(HL_TR_NOOP("Refinance Search Report", "Discharge Penalty Used:"),
         TrText("Refinance Search Report", PenaltyWords(in.penalty)));
    line(HL_TR_NOOP("Refinance Search Report", "Solving for:"),
         TrText("Refinance Search Report", ModeWords(in.mode)));
}

void PrintHeadings(PageWriter& w) {
    w.SetFont(PrintFace::CourierNew, 10);
    w.MoveTo(kHeadingLine);
    w.At(5, TrText("Refinance Search Report", " Discharge"));
    w.At(19, TrText("Refinance Search Report", "Max Interest"));
    w.At(33, TrText("Refinance Search Report", "Payment"));
    w.At(45, TrText("Refinance Search Report", "Penalty"));
    w.At(55, TrText("Refinance Search Report", " Discharge"));
    w.At(67, TrText("Refinance Search Report", "  Bal Fwd"));
    w.NewLine();
    w.SetUnderline(true);
    w.At(5, TrText("Refinance Search Report", "   Date    "));
    w.At(19, TrText("Refinance Search Report", " Rate Value"));
    w.At(33, TrText("Refinance Search Report", "  Used "));
    w.At(45, TrText("Refinance Search Report", " Used  "));
    w.At(56, TrText("Refinance Search Report", " Bal Fwd "));
    w.At(67, TrText("Refinance Search Report", "of Scenario"));
    w.At(83, TrText("Refinance Search Report", "Saving"));
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
        PrintToolReportStart(w, TrText("Refinance Search Report", "Refinace Study - Solve Both"),
                             22);
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
