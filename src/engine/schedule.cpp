// The schedule run: one record per payment of the length of loan, written to "$$temp.bin".
#include <cstdio>
#include <filesystem>

#include "core/text_items.h"
#include "engine/engine.h"
#include "engine/loan_walk.h"
#include "engine/working_names.h"

namespace hl {
using namespace sgl;

namespace {

struct Record {
    int number;
    DayNumber date;
    Money payment, principal, interest, principalToDate, interestToDate, lump, change, balance;
};

void WriteRecord(ItemWriter& w, const Record& r) {
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
// the scratch file and written back from it under the new header.
bool RewriteHeader(const std::string& folder, int records, Money amount) {
    const std::string schedule = folder + kScheduleFile;
    const std::string scratch = folder + kScratchFile;
    std::error_code ec;
    std::filesystem::copy_file(schedule, scratch,
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) return false;
    bool ok = false;
    try {
        const std::string copy = ReadWholeFile(scratch);
        // Skip the copy's two header lines; the records follow unchanged.
        std::size_t body = copy.find('\n');
        if (body != std::string::npos) body = copy.find('\n', body + 1);
        ItemWriter header;
        header.Whole(records).EndLine().Number(amount).EndLine();
        const std::string rest = body == std::string::npos ? std::string() : copy.substr(body + 1);
        ok = WriteFileAtomically(schedule, header.Contents() + rest);
    } catch (const ItemFormatError&) {
        ok = false;
    }
    std::filesystem::remove(scratch, ec);
    return ok;
}

} // namespace

bool RunSchedule(const EngineInputs& in, EngineMessages& messages) {
    const Scenario& s = in.scenario;
    LoanWalk walk(in);
    const int n = PaymentsInTerm(s.frequency, s.term);

    ItemWriter w;
    w.Whole(n).EndLine().Number(s.amount).EndLine();

    Money interestToDate = 0.0f;
    Money principalToDate = 0.0f;
    int written = 0;
    bool endedEarly = false;
    for (int number = 1; number <= n; ++number) {
        const LoanWalk::Step step = walk.Pay();
        const PeriodsResult& p = step.period;
        if (step.outcome == LoanWalk::Outcome::PaidOff) {
            interestToDate = Add(interestToDate, p.interestTotal);
            principalToDate = Add(principalToDate, p.principalTotal);
            WriteRecord(w, {number, step.date, p.finalPayment, p.principal, p.interest,
                            principalToDate, interestToDate, 0.0f, step.change, 0.0f});
            written = number;
            endedEarly = true;
            break;
        }
        if (step.outcome == LoanWalk::Outcome::LumpCapped) {
            messages.Warning(kEngineWarningTitle, LumpCappedMessage(step.lump, step.balanceBeforeLump,
                                                                    step.date, "extra"));
            const Money lump = step.balanceBeforeLump;
            interestToDate = Add(interestToDate, p.interestTotal);
            principalToDate = Add(Add(principalToDate, p.principalTotal), lump);
            WriteRecord(w, {number, step.date, step.payment, p.principal, p.interest,
                            principalToDate, interestToDate, lump, step.change, 0.0f});
            written = number;
            endedEarly = true;
            break;
        }
        // The lump counts towards principal repaid before the payment's own principal does.
        if (step.lumpMatched) principalToDate = Add(principalToDate, step.lump);
        interestToDate = Add(interestToDate, p.interestTotal);
        principalToDate = Add(principalToDate, p.principalTotal);
        WriteRecord(w, {number, step.date, step.payment, p.principal, p.interest,
                        principalToDate, interestToDate, step.lumpMatched ? step.lump : 0.0f,
                        step.change, step.balance});
        written = number;
        if (number != n) walk.Advance();
    }

    if (!WriteFileAtomically(in.folder + kScheduleFile, w.Contents())) return false;
    if (endedEarly) return RewriteHeader(in.folder, written, s.amount);
    return true;
}

} // namespace hl
