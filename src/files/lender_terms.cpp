// Writing and reading the lender's terms section of the study file.
#include "files/lender_terms.h"

#include <charconv>
#include <string>

#include "core/day_number.h"
#include "files/item_rules.h"

namespace hl {
namespace {

long long Checked(int line, long long value, long long lo, long long hi, const char* what) {
    if (value < lo || value > hi)
        FailAt(line, std::string("the lender's ") + what + " is " + std::to_string(value) +
                         "; it must be " + std::to_string(lo) + " to " + std::to_string(hi));
    return value;
}

long long ReadWhole(ItemReader& r, long long lo, long long hi, const char* what) {
    const int line = r.Line();
    return Checked(line, r.Int32(), lo, hi, what);
}

// A rate the user may leave out is an unset item.
std::optional<Millipercent> ReadOptionalRate(ItemReader& r, const char* what) {
    const int line = r.Line();
    const std::string item = TrimmedItem(r.Raw());
    if (item.empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (error != std::errc() || end != item.data() + item.size())
        FailAt(line, "\"" + item.substr(0, 24) + "\" stands where the lender's " + what +
                         " (a whole number, or nothing) belongs");
    return static_cast<Millipercent>(Checked(line, value, 0, kMostTermsRate, what));
}

void WriteOptional(ItemWriter& w, const std::optional<Millipercent>& rate) {
    if (rate)
        w.Whole(*rate).EndLine();
    else
        w.Unset().EndLine();
}

} // namespace

void WriteLenderSection(ItemWriter& w, const LenderTerms& t) {
    w.Text(kLenderSectionMark).EndLine();
    w.Whole(t.lumpShare).EndLine();
    w.Whole(static_cast<std::int32_t>(t.year)).EndLine();
    w.Whole(t.increaseShare).EndLine();
    WriteOptional(w, t.signingPosted);
    w.Whole(t.discount).EndLine();
    WriteOptional(w, t.todayPosted);
    w.Whole(t.fee).EndLine();
    w.Whole(t.cashBack).EndLine();
    w.Whole(t.clawback ? 1 : 0).EndLine();
    w.Whole(t.longTerm ? 1 : 0).EndLine();
    w.Whole(t.dischargeDate).EndLine();
    w.Whole(t.prepayment).EndLine();
}

LenderTerms ReadLenderSection(ItemReader& r) {
    const int line = r.Line();
    if (ReadQuotedText(r, "the lender's terms") != kLenderSectionMark)
        FailAt(line, std::string("after the tool sections a study holds only the lender's terms, "
                                 "which begin with \"") +
                         kLenderSectionMark + "\"");
    LenderTerms t;
    t.lumpShare = static_cast<Millipercent>(
        ReadWhole(r, 0, kMostTermsShare, "lump-sum privilege (thousandths of a per cent)"));
    t.year = static_cast<PrivilegeYear>(ReadWhole(r, 1, 2, "privilege year (1 calendar, 2 loan)"));
    t.increaseShare = static_cast<Millipercent>(
        ReadWhole(r, 0, kMostTermsShare, "payment increase privilege (thousandths of a per cent)"));
    t.signingPosted = ReadOptionalRate(r, "posted rate at signing (thousandths of a per cent)");
    t.discount = static_cast<Millipercent>(
        ReadWhole(r, 0, kMostTermsRate, "discount (thousandths of a per cent)"));
    t.todayPosted = ReadOptionalRate(r, "posted rate today (thousandths of a per cent)");
    t.fee = ReadWhole(r, 0, kMostTermsCents, "fee (cents)");
    t.cashBack = ReadWhole(r, 0, kMostTermsCents, "cash back (cents)");
    t.clawback = ReadWhole(r, 0, 1, "clawback choice") == 1;
    t.longTerm = ReadWhole(r, 0, 1, "long term choice") == 1;
    const int dateLine = r.Line();
    t.dischargeDate = r.Int32();
    if (t.dischargeDate != 0 && (t.dischargeDate < DayFromCivil(kFirstDateYear, 1, 1) ||
                                 t.dischargeDate > DayFromCivil(kLastDateYear + 36, 12, 31)))
        FailAt(dateLine, "the lender's discharge date is day " + std::to_string(t.dischargeDate) +
                             "; it must be a day of the years " + std::to_string(kFirstDateYear) +
                             " to " + std::to_string(kLastDateYear + 36) + " (or 0, none)");
    t.prepayment = ReadWhole(r, 0, kMostTermsCents, "prepayment (cents)");
    return t;
}

} // namespace hl
