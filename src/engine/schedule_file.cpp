// The writer of the schedule's working files and the readers of the schedule file.
#include "engine/schedule_file.h"

#include <filesystem>

#include "core/text_items.h"
#include "engine/working_names.h"

namespace hl {
namespace {

void WriteRecord(ItemWriter& w, const ScheduleRecord& r) {
    w.Whole(r.number)
        .Whole(r.date)
        .Number(r.payment)
        .Number(r.principal)
        .Number(r.interest)
        .Number(r.principalToDate)
        .Number(r.interestToDate)
        .Number(r.lump)
        .Number(r.change)
        .Number(r.balance)
        .EndLine();
}

// After an early end, line 1 is rewritten to the true record count: the schedule is copied to
// the scratch file first, so a copy of it stands while it is written again.
bool RewriteHeader(const std::string& folder, const std::string& contents) {
    const std::string schedule = folder + kScheduleFile;
    const std::string scratch = folder + kScratchFile;
    std::error_code ec;
    std::filesystem::copy_file(schedule, scratch, std::filesystem::copy_options::overwrite_existing,
                               ec);
    if (ec)
        return false;
    const bool ok = WriteFileAtomically(schedule, contents);
    std::filesystem::remove(scratch, ec);
    return ok;
}

std::string HeaderText(std::int16_t count, Money amount) {
    ItemWriter w;
    w.Whole(count).EndLine().Number(amount).EndLine();
    return w.Contents();
}

std::string RecordsText(const ScheduleFile& schedule) {
    ItemWriter w;
    for (const ScheduleRecord& r : schedule.records)
        WriteRecord(w, r);
    return w.Contents();
}

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

std::string ScheduleText(std::int16_t count, const ScheduleFile& schedule) {
    return HeaderText(count, schedule.amount) + RecordsText(schedule);
}

std::string PayoffText(const PeriodsResult& payoff) {
    ItemWriter w;
    w.Whole(payoff.payoffPeriod)
        .Number(payoff.finalPayment)
        .Number(payoff.interest)
        .Number(payoff.principal)
        .Number(payoff.interestTotal)
        .Number(payoff.principalTotal)
        .Number(0.0f)
        .EndLine();
    return w.Contents();
}

bool WriteScheduleFiles(const std::string& folder, const ScheduleRun& run) {
    const bool ok = [&] {
        if (run.payoff && !WriteFileAtomically(folder + kPayoffFile, PayoffText(*run.payoff)))
            return false;
        const std::string records = RecordsText(run.schedule);
        if (!WriteFileAtomically(folder + kScheduleFile,
                                 HeaderText(run.paymentsInTerm, run.schedule.amount) + records))
            return false;
        return !run.endedEarly ||
               RewriteHeader(folder, HeaderText(run.schedule.count, run.schedule.amount) + records);
    }();
    if (!ok) {
        // An earlier run's schedule left in place would be read as this one's.
        std::error_code ec;
        std::filesystem::remove(folder + kScheduleFile, ec);
    }
    return ok;
}

ScheduleFile ReadScheduleFile(const std::string& folder) {
    ItemReader in(ReadWholeFile(folder + kScheduleFile));
    ScheduleFile f;
    f.count = in.Int16();
    if (f.count < 0)
        throw ItemFormatError("the schedule file announces a negative count");
    f.amount = in.Number();
    f.records.reserve(static_cast<std::size_t>(f.count));
    for (int k = 0; k < f.count; ++k)
        f.records.push_back(ReadRecord(in));
    return f;
}

ScheduleFile ReadAvailableSchedule(const std::string& folder) {
    ScheduleFile f;
    try {
        ItemReader in(ReadWholeFile(folder + kScheduleFile));
        const int announced = in.Int16();
        f.amount = in.Number();
        for (int k = 0; k < announced && !in.AtEnd(); ++k)
            f.records.push_back(ReadRecord(in));
    } catch (const ItemFormatError&) {
        // keep every complete record read before the fault
    }
    f.count = static_cast<std::int16_t>(f.records.size());
    return f;
}

} // namespace hl
