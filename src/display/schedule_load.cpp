// Tolerant reading of the schedule file.
#include "display/schedule_load.h"

#include "core/text_items.h"
#include "engine/working_names.h"

namespace hl {

namespace {

// The slow path, for a file that does not hold what its header says: read record by record
// and keep every complete record before the first fault.
ScheduleFile ReadWhatIsThere(const std::string& folder) {
    ScheduleFile f;
    try {
        ItemReader in(ReadWholeFile(folder + kScheduleFile));
        const int announced = in.Int16();
        f.amount = in.Number();
        for (int k = 0; k < announced && !in.AtEnd(); ++k) {
            ScheduleRecord r;
            r.number = in.Int16();
            r.date = in.Int32();
            r.payment = in.Number();
            r.principal = in.Number();
            r.interest = in.Number();
            r.principalToDate = in.Number();
            r.interestToDate = in.Number();
            r.lump = in.Number();
            r.change = in.Number();
            r.balance = in.Number();
            f.records.push_back(r);
        }
    } catch (const ItemFormatError&) {
        // keep what was read
    }
    f.count = static_cast<std::int16_t>(f.records.size());
    return f;
}

} // namespace

ScheduleFile LoadSchedule(const std::string& folder) {
    try {
        return ReadScheduleFile(folder);
    } catch (const ItemFormatError&) {
        return ReadWhatIsThere(folder);
    }
}

} // namespace hl
