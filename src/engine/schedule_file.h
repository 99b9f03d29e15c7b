// The schedule's working files: the one writer of "$$temp.bin" and "$$donerly.bin", and the
// readers of the schedule file.
#pragma once

#include <string>

#include "engine/engine.h"
#include "engine/schedule_records.h"

namespace hl {

/// The schedule file's text: line 1 `count`, line 2 the amount, then one line of ten items per
/// record (number, date, payment, principal, interest, principal to date, interest to date,
/// lump, change, balance).
std::string ScheduleText(std::int16_t count, const ScheduleFile& schedule);

/// The pay-off line of "$$donerly.bin": the period, the final payment, its interest and
/// principal, the run's interest and principal totals, and 0.
std::string PayoffText(const PeriodsResult& payoff);

/// Writes a run's working files in `folder` (a prefix ending in "/"): the pay-off line when a
/// payment paid the loan off, then the schedule file, first under the payments of the length of
/// loan and, after an early end, rewritten under the true count through the scratch file
/// "$$tx2.bin", which is removed again. Returns false as soon as a file cannot be written; the
/// files then hold no figures of this run that a reader could take for complete.
bool WriteScheduleFiles(const std::string& folder, const ScheduleRun& run);

/// Reads the schedule file in `folder`; throws ItemFormatError when it is missing or damaged.
/// Reads no more records than line 1 announces.
ScheduleFile ReadScheduleFile(const std::string& folder);

/// Reads what the schedule file holds: every complete record up to the first fault or the count
/// line 1 announces, with `count` set to the records read. A missing file gives no records.
ScheduleFile ReadAvailableSchedule(const std::string& folder);

} // namespace hl
