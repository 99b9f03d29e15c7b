// Writing and reading the study file: the scenario, its table, then the seven tool sections.
#include "files/study_file.h"

#include <algorithm>
#include <cstddef>

#include "core/day_number.h"
#include "core/text_items.h"
#include "files/item_rules.h"
#include "files/section_items.h"

namespace hl {
namespace {

// Item 8. Files written before it carried the frequency hold an empty line there.
void ReadFrequencyItem(ItemReader& r, Study& study) {
    const int line = r.Line();
    const std::string item = TrimmedItem(r.Raw());
    if (item.empty()) {
        study.frequencyStored = false;
        return;
    }
    const std::optional<Frequency> code =
        item.size() == 1 ? FrequencyFromCode(item[0] - '0') : std::nullopt;
    if (!code)
        FailAt(line, "the payment frequency code must be 1 to 4 or nothing");
    study.scenario.frequency = *code;
    study.frequencyStored = true;
}

// The last payment date a study can hold: the last payment of the longest loan the input form
// takes, started on the last day it accepts.
constexpr int kLastPaymentYear = kLastDateYear + 36;

// A study holds only what the input form and the payment-changes grid could have put in it: a
// file that holds more would run the engine outside the figures it was made for.
void CheckField(int line, Single value, Single most, const char* what) {
    if (value == 0 || (value > 0 && value <= most))
        return; // 0: not entered yet, as a study saved before it was complete holds
    FailAt(line, std::string(what) + " is " + SingleText(value) +
                     "; it must be above 0 and at most " + SingleText(most) +
                     " (or 0, not entered)");
}

bool WithinYears(DayNumber day, int firstYear, int lastYear) {
    return day >= DayFromCivil(firstYear, 1, 1) && day <= DayFromCivil(lastYear, 12, 31);
}

void CheckStart(int line, DayNumber start) {
    if (start == 0 || WithinYears(start, kFirstDateYear, kLastDateYear))
        return;
    FailAt(line, "the start date is day " + std::to_string(start) +
                     "; it must be a day of the years " + std::to_string(kFirstDateYear) + " to " +
                     std::to_string(kLastDateYear) + " (or 0, not entered)");
}

void CheckEntry(int line, int k, const PaymentChange& e) {
    const std::string which = " of payment change " + std::to_string(k);
    if (!WithinYears(e.date, kFirstDateYear, kLastPaymentYear))
        FailAt(line, "the date" + which + " is day " + std::to_string(e.date) +
                         "; it must be a day of the years " + std::to_string(kFirstDateYear) +
                         " to " + std::to_string(kLastPaymentYear));
    // The grid's cells take digits and a point only: no amount is below 0.
    if (!(e.change >= 0))
        FailAt(line, "the change to payment" + which + " is " + SingleText(e.change) +
                         "; it must be 0 or more");
    if (!(e.lump >= 0))
        FailAt(line,
               "the lump payment" + which + " is " + SingleText(e.lump) + "; it must be 0 or more");
}

} // namespace

std::string WriteStudyText(const Study& study) {
    const Scenario& s = study.scenario;
    ItemWriter w;
    w.Number(s.amount).EndLine();
    w.Number(s.rate).EndLine();
    w.Number(s.amortization).EndLine();
    w.Number(s.term).EndLine();
    w.Whole(s.start).EndLine();
    const std::string comment = WritableText(s.comment);
    w.Whole(CharacterCount(comment)).EndLine();
    w.Text(comment).EndLine();
    // A code the reader would refuse is left unset rather than making the file unreadable.
    if (IsFrequency(s.frequency))
        w.Whole(s.frequency).EndLine();
    else
        w.Unset().EndLine();
    const std::size_t n = std::min(study.changes.entries.size(),
                                   static_cast<std::size_t>(PaymentChanges::kMaxEntries));
    w.Whole(static_cast<long long>(n)).EndLine();
    for (std::size_t i = 0; i < n; ++i) {
        const PaymentChange& e = study.changes.entries[i];
        w.Whole(e.date).Number(e.lump).Number(e.change).EndLine();
    }
    WriteToolSectionItems(w, study.tools);
    if (study.lender)
        WriteLenderSection(w, *study.lender);
    return w.Contents();
}

Study ReadStudyText(const std::string& text) {
    ItemReader r(text);
    if (r.AtEnd())
        throw ItemFormatError("the file is empty: it holds no study");
    Study study;
    Scenario& s = study.scenario;
    int line = r.Line();
    s.amount = r.Number();
    CheckField(line, s.amount, kMaxAmount, "the mortgage amount");
    line = r.Line();
    s.rate = r.Number();
    CheckField(line, s.rate, kMaxRate, "the interest rate");
    line = r.Line();
    s.amortization = r.Number();
    CheckField(line, s.amortization, kMaxAmortization, "the amortization period");
    line = r.Line();
    s.term = r.Number();
    CheckField(line, s.term, kMaxTerm, "the length of loan");
    line = r.Line();
    s.start = r.Int32();
    CheckStart(line, s.start);
    // The comment's length is taken from the text itself; the count must still be one the
    // comment box could have given, or the file is not a study.
    ReadWholeInRange(r, 0, kLongestComment, "the length of the comment");
    line = r.Line();
    s.comment = ReadQuotedText(r, "the comment");
    if (const int n = CharacterCount(s.comment); n > kLongestComment)
        FailAt(line, "the comment has " + std::to_string(n) + " characters; it must have at most " +
                         std::to_string(kLongestComment));
    ReadFrequencyItem(r, study);
    const int n =
        ReadWholeInRange(r, 0, PaymentChanges::kMaxEntries, "the number of payment changes");
    study.changes.entries.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        line = r.Line();
        PaymentChange e;
        e.date = r.Int32();
        e.lump = r.Number();
        e.change = r.Number();
        CheckEntry(line, i + 1, e);
        // The grid holds one entry per payment row, in payment order; the engine's single cursor
        // would never reach an entry after one out of order.
        if (i > 0 && e.date <= study.changes.entries.back().date)
            FailAt(line, "the date of payment change " + std::to_string(i + 1) + " is day " +
                             std::to_string(e.date) + ", not after day " +
                             std::to_string(study.changes.entries.back().date) +
                             " of payment change " + std::to_string(i) +
                             ": the changes must be in date order");
        study.changes.entries.push_back(e);
    }
    study.tools = ReadToolSectionItems(r);
    if (!r.AtEnd())
        study.lender = ReadLenderSection(r);
    ExpectEnd(r, "a study");
    return study;
}

Study ReadStudyFile(const std::string& path) { return ReadStudyText(ReadWholeFile(path)); }

bool WriteStudyFile(const std::string& path, const Study& study) {
    return WriteFileAtomically(path, WriteStudyText(study));
}

} // namespace hl
