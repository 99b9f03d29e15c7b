// The suggestions report laid out on the character grid.
#include "print/suggestions_report.h"

#include <algorithm>

#include "core/translate.h"
#include "print/reports.h"

namespace hl {

int SuggestionPages(int lines) {
    if (lines <= 0)
        return 0;
    return (lines + kSuggestionLinesPerPage - 1) / kSuggestionLinesPerPage;
}

Report SuggestionsReport(const std::vector<std::string>& lines) {
    const int total = SuggestionPages(static_cast<int>(lines.size()));
    Report report;
    for (std::size_t first = 0; first < lines.size(); first += kSuggestionLinesPerPage) {
        Page& page = report.emplace_back();
        PageWriter w(page);
        // Every page repeats the heading and the title, the list going on below them.
        PrintToolReportStart(w, TrText("Suggestions Report", "Suggestion Results"), 30, 1, 5);
        w.SetBold(false);
        w.SetFont(PrintFace::Arial, 9);
        w.MoveTo(kSuggestionFirstLine);
        const std::size_t end = std::min(lines.size(), first + kSuggestionLinesPerPage);
        for (std::size_t k = first; k < end; ++k) {
            w.At(3, lines[k]);
            w.NewLine();
        }
        PrintFooter(page, static_cast<int>(report.size()), total);
    }
    return report;
}

} // namespace hl
