// The reports that are pictures: the graph under the scenario's header, and a window printed as
// it stands on the screen.
#pragma once

#include "engine/scenario.h"
#include "print/page.h"

namespace hl {

/// Where the graph stands on its page, and how wide it is drawn (six inches).
inline constexpr int kGraphColumn = 12;
inline constexpr int kGraphLine = 18;
inline constexpr int kGraphColumns = 72;

/// The header block, the graph (picture handle 1) at column 12 of line 18 drawn six inches
/// wide with the height its `aspect` (height over width) gives, kept above the footer; the
/// footer "Page: 1 of 1".
Report GraphReport(const Scenario& scenario, double aspect);

/// A window as shown on the screen (picture handle 1) at the top left of the page, at its own
/// size; no header or footer.
Report WindowPictureReport();

} // namespace hl
