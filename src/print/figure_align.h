// Where a figure is placed so that the amounts of a column stand on their decimal points, as the
// right-aligned fields of the summary and schedule pages do, in either face of the reports.
#pragma once

#include <string_view>

#include "print/page.h"

namespace hl {

/// Width in grid columns of a text of figures in `font`. "Courier New" gives every character
/// 0.6 em; "Arial" (bold or not) 0.556 em a digit, 0.278 the point and the blank and 0.333 the
/// minus, any other character counted as a digit. A column is 6 points.
double FigureColumns(const PrintFont& font, std::string_view text);

/// The column at which `figure` starts so that its decimal point stands where the point of a
/// full "######0.00" figure (ten characters) starting at `column` would; a text without a point
/// ends where that figure's units end. Amounts of one column then line up on their points.
double PointAlignedColumn(const PrintFont& font, double column, std::string_view figure);

} // namespace hl
