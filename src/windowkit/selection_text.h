// The cells a user selected in a grid, as the clipboard takes them: cells separated by tabs,
// rows by line breaks.
#pragma once

#include <string>

class QAbstractItemView;

namespace hl {

/// The display texts of the smallest rectangle holding the selection (the current cell when
/// nothing is selected); "" when there is neither.
std::string SelectedCellsText(const QAbstractItemView& grid);

} // namespace hl
