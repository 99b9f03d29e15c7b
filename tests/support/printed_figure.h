// Finds a printed figure by the column it stands in: figures stand on their decimal point, so a
// shorter one starts a few cells to the right of its column.
#pragma once

#include <string>

#include "print/page.h"

namespace hl::test {

/// The text that starts on this line within the ten cells of a "######0.00" figure printed at
/// this column, or "<none>".
inline std::string FigureInColumn(const Page& page, double column, double line) {
    for (const PlacedText& t : page.texts)
        if (t.line == line && t.column >= column && t.column < column + 10)
            return t.text;
    return "<none>";
}

} // namespace hl::test
