// Widths of figures in the reports' faces and the column that puts a figure's point in line.
#include "print/figure_align.h"

namespace hl {
namespace {

constexpr double kPointsPerColumn = kCellTwipsWide / 20.0;
// The integer places of "######0.00".
constexpr std::string_view kWidestUnits = "0000000";

double Ems(PrintFace face, char c) {
    if (face == PrintFace::CourierNew)
        return 0.6;
    return c == '.' || c == ' ' ? 0.278 : c == '-' ? 0.333 : 0.556;
}

} // namespace

double FigureColumns(const PrintFont& font, std::string_view text) {
    double ems = 0;
    for (const char c : text)
        ems += Ems(font.face, c);
    return ems * font.size / kPointsPerColumn;
}

double PointAlignedColumn(const PrintFont& font, double column, std::string_view figure) {
    const std::string_view units = figure.substr(0, figure.find('.'));
    return column + FigureColumns(font, kWidestUnits) - FigureColumns(font, units);
}

} // namespace hl
