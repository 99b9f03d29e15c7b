// The payment shopper's printed results: the lines of its table under the column headings, on
// as many pages as they take.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "print/page.h"

namespace hl {

/// The cells of one line of the shopper's table, as shown; all empty for a separator line.
using ShopperReportLine = std::array<std::string, 7>;

/// Table lines on one page: lines 11 to 58, above the footer.
inline constexpr int kShopperLinesPerPage = 48;

/// The column of the last cell ("Twice a Month"). The frame's right edge (column 95) would put
/// the cell past the printable width of a Letter page; here the widest payment the window shows
/// in practice ("  99999.99") still ends inside it.
inline constexpr int kShopperLastColumn = 88;

/// Pages of the report for `lines` table lines (one for an empty table).
int ShopperReportPages(int lines);

/// "Payment Shopper Results": on every page the heading, the title and the two heading lines,
/// then up to 48 table lines, one printed line each (a separator line stays blank), and the
/// footer "Page: p of t".
Report ShopperReport(const std::vector<ShopperReportLine>& lines);

} // namespace hl
