// The picture reports.
#include "print/picture_reports.h"

#include <algorithm>

#include "print/reports.h"

namespace hl {

Report GraphReport(const Scenario& scenario, double aspect) {
    Page page;
    PageWriter w(page);
    PrintHeaderBlock(w, scenario);
    // A cell is twice as high as it is wide; the graph must end above the footer's rule.
    constexpr double kLastLine = kFooterRuleLine - 2;
    double columns = kGraphColumns;
    double lines = columns * aspect * kCellTwipsWide / kCellTwipsHigh;
    if (kGraphLine + lines > kLastLine) {
        lines = kLastLine - kGraphLine;
        columns = lines / (aspect * kCellTwipsWide / kCellTwipsHigh);
    }
    page.pictures.push_back({kGraphColumn, kGraphLine, columns, std::max(lines, 1.0), 1});
    return OnePageReport(std::move(page));
}

Report WindowPictureReport() {
    Page page;
    page.pictures.push_back({0, 0, 0, 0, 1});
    return Report{std::move(page)};
}

} // namespace hl
