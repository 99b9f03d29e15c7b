// Rows, cell texts and the store of the payment-changes grid, and the parked copy's reader.
#include "scenario/payment_table.h"

#include <cmath>

#include "core/format.h"
#include "core/text_items.h"
#include "engine/engine.h"
#include "engine/working_names.h"

namespace hl {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Digits with at most one point and at least one digit, blanks allowed around them: what the
// edit box's key filter lets a user type, when it makes sense as a number.
bool IsPlainNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return digit && i == text.size();
}

const std::string kNoText;

} // namespace

std::string PayNumberText(int number, bool hasEntry) {
    return FormatNumber(number, hasEntry ? "0000" : "000");
}

std::string PaymentDateText(DayNumber date) { return FormatDate(date, "mmm dd yy"); }

std::string GridAmountText(Money amount) {
    return FormatNumber(static_cast<double>(amount), "####0.00");
}

std::string EditedCellText(std::string_view typed) {
    if (!IsPlainNumber(typed))
        return std::string(typed);
    return FormatNumber(TextValue(typed), "########0.00");
}

Money CellAmount(std::string_view text) {
    const Money value = sgl::Round(TextValue(text));
    // Forty typed digits overflow a single; such a cell makes no entry rather than an infinite one.
    return std::isfinite(value) ? value : 0.0f;
}

std::string SummaryLine(const PaymentChange& entry) {
    return FormatDate(entry.date, "mmm d yyyy") + "   " +
           FormatNumber(static_cast<double>(entry.change), "####0.00") + "   " +
           FormatNumber(static_cast<double>(entry.lump), "####0.00");
}

std::vector<std::string> SummaryLines(const PaymentChanges& changes) {
    std::vector<std::string> lines;
    for (const PaymentChange& e : changes.entries)
        if (e.change > 0 || e.lump > 0)
            lines.push_back(SummaryLine(e));
    return lines;
}

std::string ParkedLine(const PaymentChange& entry) {
    return FormatDate(entry.date, "mmm d yyyy") + std::string(15, ' ') +
           FormatNumber(static_cast<double>(entry.change), "########0.00") + std::string(14, ' ') +
           FormatNumber(static_cast<double>(entry.lump), "########0.00");
}

std::vector<PaymentChange> ReadParkedChanges(const std::string& folder) {
    ItemReader in(ReadWholeFile(folder + kParkedChangesFile));
    const int count = in.Int16();
    std::vector<PaymentChange> entries;
    for (int j = 0; j < count; ++j) {
        PaymentChange e;
        e.lump = in.Number();
        e.change = in.Number();
        e.date = in.Int32();
        entries.push_back(e);
    }
    return entries;
}

bool WriteParkedChanges(const std::string& folder, const PaymentChanges& changes) {
    ItemWriter out;
    out.Whole(changes.Count()).EndLine();
    for (const PaymentChange& e : changes.entries)
        out.Number(e.lump).Number(e.change).Whole(e.date).EndLine();
    return WriteFileAtomically(folder + kParkedChangesFile, out.Contents());
}

void PaymentGrid::Prepare(Single term, Frequency frequency, DayNumber start,
                          const PaymentChanges& changes) {
    const int n = PaymentsInTerm(frequency, term);
    dates_.clear();
    cells_.clear();
    dates_.reserve(static_cast<std::size_t>(n > 0 ? n : 0));
    cells_.reserve(static_cast<std::size_t>(n > 0 ? n + 1 : 1));
    int k = 1; // the one cursor over the table, advanced only by a matching date
    DayNumber d = start;
    for (int r = 1; r <= n; ++r) {
        const PaymentChange entry = changes.At(k);
        dates_.push_back(d);
        if (entry.date == d) {
            cells_.push_back({PayNumberText(r, true), PaymentDateText(d),
                              GridAmountText(entry.change), GridAmountText(entry.lump)});
            ++k;
        } else {
            cells_.push_back({PayNumberText(r, false), PaymentDateText(d), {}, {}});
        }
        d = NextPaymentDate(d, frequency, start);
    }
    cells_.push_back({});
}

const std::string& PaymentGrid::Cell(int row, int column) const {
    if (row < 0 || row >= Rows() || column < 0 || column >= kPaymentColumns)
        return kNoText;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void PaymentGrid::SetCell(int row, int column, std::string text) {
    if (row < 0 || row >= Rows() || column < 0 || column >= kPaymentColumns)
        return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

bool PaymentGrid::MakesEntry(int row) const {
    if (row < 0 || row >= PaymentRows())
        return false;
    return CellAmount(Cell(row, kChangeColumn)) > 0 || CellAmount(Cell(row, kLumpColumn)) > 0;
}

int PaymentGrid::EntryRows() const {
    int rows = 0;
    for (int r = 0; r < PaymentRows(); ++r)
        if (MakesEntry(r))
            ++rows;
    return rows;
}

bool PaymentGrid::WouldOverflow(int row, int column, std::string_view text) const {
    if (column != kChangeColumn && column != kLumpColumn)
        return false;
    if (row < 0 || row >= PaymentRows() || MakesEntry(row))
        return false;
    if (CellAmount(text) <= 0)
        return false;
    return EntryRows() >= PaymentChanges::kMaxEntries;
}

void PaymentGrid::ClearAmounts() {
    for (int r = 0; r < PaymentRows(); ++r) {
        SetCell(r, kChangeColumn, {});
        SetCell(r, kLumpColumn, {});
    }
}

PaymentChanges PaymentGrid::Store() const {
    PaymentChanges table;
    for (int r = 0; r < PaymentRows(); ++r) {
        if (table.Count() == PaymentChanges::kMaxEntries)
            break;
        const Money change = CellAmount(Cell(r, kChangeColumn));
        const Money lump = CellAmount(Cell(r, kLumpColumn));
        if (change > 0 || lump > 0)
            table.entries.push_back(PaymentChange{lump, change, Date(r)});
    }
    return table;
}

} // namespace hl
