// Readers of the schedule file.
#include "engine/schedule_file.h"

#include "core/text_items.h"
#include "engine/working_names.h"

namespace hl {
namespace {

ScheduleRecord ReadRecord(ItemReader& in) {
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
    return r;
}

} // namespace

ScheduleFile ReadScheduleFile(const std::string& folder) {
    ItemReader in(ReadWholeFile(folder + kScheduleFile));
    ScheduleFile f;
    f.count = in.Int16();
    if (f.count < 0) throw ItemFormatError("the schedule file announces a negative count");
    f.amount = in.Number();
    f.records.reserve(static_cast<std::size_t>(f.count));
    for (int k = 0; k < f.count; ++k) f.records.push_back(ReadRecord(in));
    return f;
}

ScheduleFile ReadAvailableSchedule(const std::string& folder) {
    ScheduleFile f;
    try {
        ItemReader in(ReadWholeFile(folder + kScheduleFile));
        const int announced = in.Int16();
        f.amount = in.Number();
        for (int k = 0; k < announced && !in.AtEnd(); ++k) f.records.push_back(ReadRecord(in));
    } catch (const ItemFormatError&) {
        // keep every complete record read before the fault
    }
    f.count = static_cast<std::int16_t>(f.records.size());
    return f;
}

} // namespace hl
