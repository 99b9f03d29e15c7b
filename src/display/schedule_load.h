// Reading the schedule file for display: whatever records the file holds, never an exception.
#pragma once

#include <string>

#include "engine/schedule_file.h"

namespace hl {

/// The schedule file "$$temp.bin" of `folder` as the grid and the graphs show it. A file that
/// ends before the records its first line announces gives the records it holds, with `count`
/// set to their number; a missing or unreadable file gives no records and amount 0.
ScheduleFile LoadSchedule(const std::string& folder);

} // namespace hl
