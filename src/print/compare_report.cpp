// The comparison report laid out on the character grid.
#include "print/compare_report.h"

#include <algorithm>
#include <utility>

#include "core/format.h"
#include "core/translate.h"
#include "print/figure_align.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr double kFigureSize = 10; // points, "Arial" of the figures
constexpr double kRightEdge = 95;  // the footer rule's end: nothing is printed past it

// Writes lines `pitch` grid lines apart from `firstLine`; PageWriter moves by whole lines only.
// Each line is placed from its number, so that a line's place does not depend on rounding.
class PitchWriter {
  public:
    PitchWriter(Page& page, PrintFont font, double firstLine, double pitch)
        : page_(page), font_(font), first_(firstLine), pitch_(pitch) {}

    void SetBold(bool on) { font_.bold = on; }
    void SetUnderline(bool on) { font_.underline = on; }
    const PrintFont& Font() const { return font_; }
    void At(double column, std::string text) {
        page_.texts.push_back(PlacedText{column, first_ + lines_ * pitch_, font_, std::move(text)});
    }
    void NewLine() { ++lines_; }

  private:
    Page& page_;
    PrintFont font_;
    double first_;
    double pitch_;
    int lines_ = 0;
};

// Places a figure with its point in line with the other figures of `column`, moved left just as
// far as it takes to end at the right edge: the savings at column 87 would otherwise run off the
// page.
void Figure(PitchWriter& w, double column, const std::string& figure) {
    const double aligned = PointAlignedColumn(w.Font(), column, figure);
    w.At(std::min(aligned, kRightEdge - FigureColumns(w.Font(), figure)), figure);
}

// The two scenarios' figures, the differences and the savings, in the window's order, in the
// bold "Arial" the title leaves.
void PrintFigures(Page& page, const CompareReportTexts& t) {
    const PrintFont arial{PrintFace::Arial, kFigureSize, true, true};
    PitchWriter headings(page, arial, 8, 1);
    headings.At(40, TrText("Compare Report", "Scenario One"));
    headings.At(60, TrText("Compare Report", "Scenario Two"));

    PitchWriter w(page, arial, kCompareFigureLine, kCompareFigurePitch);
    w.SetUnderline(false);
    // A row of the two scenarios' values; figures stand on their points, words and dates at
    // the column.
    const auto row = [&](double column, const char* label, std::string CompareSideTexts::*field,
                         bool figures = true) {
        w.At(column, TrText("Compare Report", label));
        for (const auto& [at, side] : {std::pair{40.0, &t.one}, std::pair{60.0, &t.two}}) {
            if (figures)
                Figure(w, at, side->*field);
            else
                w.At(at, side->*field);
        }
    };
    const auto line = [&](double column, const char* label, std::string CompareSideTexts::*field,
                          bool figures = true) {
        row(column, label, field, figures);
        w.NewLine();
    };
    line(3, HL_TR_NOOP("Compare Report", "Mortgage Amount"), &CompareSideTexts::amount);
    line(3, HL_TR_NOOP("Compare Report", "Interest Rate"), &CompareSideTexts::rate);
    line(3, HL_TR_NOOP("Compare Report", "Am Period"), &CompareSideTexts::amortization);
    line(3, HL_TR_NOOP("Compare Report", "Length of Loan"), &CompareSideTexts::term);
    line(3, HL_TR_NOOP("Compare Report", "Start Date"), &CompareSideTexts::start, false);
    line(3, HL_TR_NOOP("Compare Report", "Payment Frequency"), &CompareSideTexts::frequency, false);
    line(9, HL_TR_NOOP("Compare Report", "Calculated Payment"), &CompareSideTexts::payment);
    row(3, HL_TR_NOOP("Compare Report", "At the Closing Date"), &CompareSideTexts::closingDate,
        false);
    w.SetUnderline(true);
    w.At(82, TrText("Compare Report", "Difference"));
    w.SetUnderline(false);
    w.NewLine();
    row(3, HL_TR_NOOP("Compare Report", "Balance Outstanding"), &CompareSideTexts::balance);
    Figure(w, 82, t.balanceDifference);
    w.NewLine();
    w.At(3, TrText("Compare Report", "$ Paid:"));
    row(12, HL_TR_NOOP("Compare Report", "by Regular Payments"), &CompareSideTexts::regularPaid);
    Figure(w, 82, t.regularDifference);
    w.NewLine();
    row(12, HL_TR_NOOP("Compare Report", "by Lump Payments"), &CompareSideTexts::lumpPaid);
    Figure(w, 82, t.lumpDifference);
    w.NewLine();
    line(3, HL_TR_NOOP("Compare Report", "Total Principle paid to date"),
         &CompareSideTexts::principal);
    line(3, HL_TR_NOOP("Compare Report", "Total Interest paid to date"),
         &CompareSideTexts::interest);
    w.At(65, TrText("Compare Report", "Gross Saving:"));
    Figure(w, 87, t.grossSaving);
    w.NewLine();
    w.At(65, TrText("Compare Report", "Net Saving:"));
    Figure(w, 87, t.netSaving);
}

// One scenario's entry on a line of the list, when it has one at that index.
void PrintEntry(PitchWriter& w, const std::vector<PaymentChange>& changes, std::size_t k,
                double dateColumn, double changeColumn, double lumpColumn) {
    if (k >= changes.size())
        return;
    const PaymentChange& e = changes[k];
    w.At(dateColumn, FormatDate(e.date, "mmm d yyyy"));
    w.At(changeColumn, RightAligned(e.change, 10));
    w.At(lumpColumn, RightAligned(e.lump, 10));
}

// The change list from `line`: its bold headings, then the entry indexes [first, last).
void PrintChangeList(Page& page, double line, const CompareReportTexts& t, std::size_t first,
                     std::size_t last) {
    PitchWriter w(page, PrintFont{PrintFace::CourierNew, 9, true, true}, line, kCompareListPitch);
    w.At(24, TrText("Compare Report", "Changes to Payment and/or Lump Payments Made"));
    w.SetUnderline(false);
    w.NewLine();
    w.At(17, TrText("Compare Report", "Scenario One"));
    w.At(70, TrText("Compare Report", "Scenario Two"));
    w.NewLine();
    w.At(17, TrText("Compare Report", "Payment"));
    w.At(32, TrText("Compare Report", "Lump"));
    w.At(70, TrText("Compare Report", "Payment"));
    w.At(85, TrText("Compare Report", "Lump"));
    w.NewLine();
    w.SetUnderline(true);
    for (const auto& [column, heading] : {std::pair{3, HL_TR_NOOP("Compare Report", "Date")},
                                          {18, HL_TR_NOOP("Compare Report", "Change")},
                                          {29, HL_TR_NOOP("Compare Report", "Payment")},
                                          {54, HL_TR_NOOP("Compare Report", "Date")},
                                          {71, HL_TR_NOOP("Compare Report", "Change")},
                                          {82, HL_TR_NOOP("Compare Report", "Payment")}})
        w.At(column, TrText("Compare Report", heading));
    w.SetUnderline(false);
    w.SetBold(false);
    for (std::size_t k = first; k < last; ++k) {
        w.NewLine();
        PrintEntry(w, t.one.changes, k, 3, 14, 26);
        PrintEntry(w, t.two.changes, k, 54, 67, 79);
    }
}

// The heading and title every page of the report starts with.
void PrintStart(Page& page) {
    PageWriter w(page);
    PrintToolReportStart(w, TrText("Compare Report", kCompareTitle), 20, 0);
}

} // namespace

int ComparePages(int entriesOne, int entriesTwo) {
    const int most = std::max(entriesOne, entriesTwo);
    if (most <= kCompareFirstPageEntries)
        return 1;
    return (most + kCompareEntriesPerPage - 1) / kCompareEntriesPerPage + 1;
}

Report CompareReport(const CompareReportTexts& t) {
    const std::size_t most = std::max(t.one.changes.size(), t.two.changes.size());
    const int total = ComparePages(static_cast<int>(t.one.changes.size()),
                                   static_cast<int>(t.two.changes.size()));
    Report report(1);
    PrintStart(report[0]);
    PrintFigures(report[0], t);
    if (total == 1)
        PrintChangeList(report[0], kCompareListLine, t, 0, most);
    PrintFooter(report[0], 1, total);
    if (total == 1)
        return report;
    // A long list follows on pages of its own, the first page ending with the savings.
    for (std::size_t k = 0; k < most; k += kCompareEntriesPerPage) {
        Page page;
        PrintStart(page);
        PrintChangeList(page, kCompareListPageLine, t, k,
                        std::min(most, k + static_cast<std::size_t>(kCompareEntriesPerPage)));
        PrintFooter(page, static_cast<int>(report.size()) + 1, total);
        report.push_back(std::move(page));
    }
    return report;
}

} // namespace hl
