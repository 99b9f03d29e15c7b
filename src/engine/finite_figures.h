// Whether a run's figures are all real numbers: a figure that overflowed to infinity or became
// NaN is an error to report, never a figure to show or write (the item writer would make it 0).
#pragma once

#include "engine/engine.h"

namespace hl {

/// True when every amount of the schedule (header and records) is finite.
bool AllFinite(const ScheduleFile& schedule);

/// True when every amount of the summary is finite.
bool AllFinite(const SummaryResult& summary);

} // namespace hl
