// The lender's terms report laid out on the character grid.
#include "print/lender_report.h"

#include <algorithm>

#include "core/translate.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr int kLeft = 6;
constexpr int kValue = 44;
constexpr int kRight = 57;
constexpr int kRightValue = 84;
// The privilege table's columns: six of them, each wide enough for "Largest increase" in the
// body face.
constexpr double kTableLeft = 3;
constexpr double kTableStep = 15;
// The grid's last line before the footer's rule.
constexpr int kLastLine = 58;

void Lines(PageWriter& w, int label, int value, const std::vector<SheetLine>& lines) {
    for (const SheetLine& line : lines) {
        w.At(label, line.first);
        w.At(value, line.second);
        w.NewLine();
    }
}

} // namespace

Report LenderReport(const Scenario& scenario, const LenderSheet& s) {
    Page page;
    PageWriter w(page);
    PrintHeaderBlock(w, scenario);
    w.MoveTo(12);
    w.SetFont(PrintFace::Arial, 16);
    w.SetBold(true);
    w.SetUnderline(true);
    w.At(25, TrText("Lender's Terms Report", "Lender's Terms and Penalty"));
    w.SetUnderline(false);
    w.SetBold(false);

    w.SetFont(PrintFace::Arial, 10);
    w.MoveTo(15);
    w.SetUnderline(true);
    w.At(kLeft, TrText("Lender's Terms Report", "The lender's terms"));
    w.At(kRight, TrText("Lender's Terms Report", "Textbook figures (early discharge)"));
    w.SetUnderline(false);
    w.NewLine(2);
    const int top = w.Line();
    Lines(w, kLeft, kValue, s.terms);
    const int afterTerms = w.Line();
    w.MoveTo(top);
    // The rate, then why that rate, on a line of its own: the column is narrow.
    const std::size_t why = s.textbookRate.find(" (");
    w.At(kRight, s.textbookRate.substr(0, why));
    w.NewLine();
    if (why != std::string::npos) {
        w.At(kRight, s.textbookRate.substr(why + 1));
        w.NewLine();
    }
    w.NewLine();
    Lines(w, kRight, kRightValue, s.textbook);

    w.MoveTo(std::max(afterTerms, w.Line()) + 1);
    w.SetUnderline(true);
    w.At(kLeft, TrText("Lender's Terms Report", "The lender's penalty"));
    w.SetUnderline(false);
    w.NewLine(2);
    Lines(w, kLeft, kValue, s.penalty);
    if (!s.note.empty()) {
        w.At(kLeft, s.note);
        w.NewLine();
    }

    w.NewLine();
    w.SetUnderline(true);
    w.At(kLeft, TrText("Lender's Terms Report", "The plan against the privileges"));
    w.SetUnderline(false);
    w.NewLine(2);
    // The table in Courier New, so that its columns of figures line up.
    w.SetFont(PrintFace::CourierNew, 9);
    const auto row = [&](const std::vector<std::string>& cells) {
        for (std::size_t k = 0; k < cells.size(); ++k)
            w.At(kTableLeft + kTableStep * static_cast<double>(k), cells[k]);
        w.NewLine();
    };
    row(s.yearHeadings);
    std::size_t shown = 0;
    for (; shown < s.years.size() && w.Line() < kLastLine - 2; ++shown)
        row(s.years[shown]);
    w.SetFont(PrintFace::Arial, 10);
    if (shown < s.years.size()) {
        w.At(kLeft, TrArg(TrText("Lender's Terms Report",
                                 "... and %1 more years (the window and the privileges command "
                                 "list them all)"),
                          std::to_string(s.years.size() - shown)));
        w.NewLine();
    }
    w.NewLine();
    w.At(kLeft, s.verdict);
    return OnePageReport(std::move(page));
}

std::string LenderSheetText(const LenderSheet& s) {
    std::string text;
    const auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t k = 0; k < cells.size(); ++k)
            text += (k ? "\t" : "") + cells[k];
        text += "\r\n";
    };
    for (const auto* part : {&s.terms, &s.penalty})
        for (const SheetLine& l : *part)
            line({l.first, l.second});
    if (!s.note.empty())
        line({s.note});
    line({s.textbookRate});
    for (const SheetLine& l : s.textbook)
        line({l.first, l.second});
    line(s.yearHeadings);
    for (const auto& cells : s.years)
        line(cells);
    line({s.verdict});
    return text;
}

} // namespace hl
