// The saving suggestions window's printed pages: the suggestion list, line by line.
#pragma once

#include <string>
#include <vector>

#include "print/page.h"

namespace hl {

/// Lines of the suggestion list on one page: from line 9 to line 57.
inline constexpr int kSuggestionFirstLine = 9;
inline constexpr int kSuggestionLinesPerPage = 49;

/// Pages of the suggestions report for a list of `lines` lines; none for an empty list.
int SuggestionPages(int lines);

/// The "Suggestion Results" report: every line of the list in order, the pages numbered through
/// in their footers. No page for an empty list.
Report SuggestionsReport(const std::vector<std::string>& lines);

} // namespace hl
