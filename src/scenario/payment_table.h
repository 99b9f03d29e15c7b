// The payment-changes grid as plain data: one row per payment of the length of loan, the texts
// of its cells, and the store of those texts back into the table of payment changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/translate.h"
#include "engine/scenario.h"

namespace hl {

/// The grid's columns, left to right.
enum PaymentColumn : int {
    kPayNumberColumn = 0, ///< "Pay Num"
    kPayDateColumn = 1,   ///< "Date of Payment"
    kChangeColumn = 2,    ///< "Change to Payment"
    kLumpColumn = 3,      ///< "Lump  Payment"
};
inline constexpr int kPaymentColumns = 4;

/// The header captions of the four columns (the last has two blanks).
inline constexpr std::array<const char*, kPaymentColumns> kPaymentCaptions = {
    HL_TR_NOOP("Payment Changes Grid", "Pay Num"),
    HL_TR_NOOP("Payment Changes Grid", "Date of Payment"),
    HL_TR_NOOP("Payment Changes Grid", "Change to Payment"),
    HL_TR_NOOP("Payment Changes Grid", "Lump  Payment")};

/// Payment number as the grid shows it: "0001" on a row that holds an entry, "002" on the others.
std::string PayNumberText(int number, bool hasEntry);
/// Payment date as the grid shows it ("Mar 24 92").
std::string PaymentDateText(DayNumber date);
/// A change or lump of an entry as the grid shows it when the window is prepared ("31.49").
std::string GridAmountText(Money amount);

/// What an ended edit leaves in its cell: a number gets two decimals ("3000" -> "3000.00"),
/// an empty text stays empty, and anything else ("1.2.3", a date) stays as typed.
std::string EditedCellText(std::string_view typed);

/// The value a change or lump cell stores: its leading number, 0 when it has none.
Money CellAmount(std::string_view text);

/// One line of the summary list: "Mar 24 1992   31.49   0.00".
std::string SummaryLine(const PaymentChange& entry);
/// The summary list: one line per entry with a change or a lump above 0, in entry order.
std::vector<std::string> SummaryLines(const PaymentChanges& changes);

/// One line of the parked-changes viewer: date, 15 blanks, change, 14 blanks, lump.
std::string ParkedLine(const PaymentChange& entry);

/// The entries of the parked copy "$$xptemp.bin" in `folder`: the count, then lump, change and
/// date of each entry. Throws ItemFormatError when the file is missing or damaged.
std::vector<PaymentChange> ReadParkedChanges(const std::string& folder);

/// Writes the parked copy "$$xptemp.bin" in `folder`, replacing any earlier one: the count, then
/// one line of lump, change and date per entry. False on failure.
bool WriteParkedChanges(const std::string& folder, const PaymentChanges& changes);

/// The grid of the payment-changes window. Row 0 is the first payment (the header row of the
/// window is not a row here); after the payment rows comes one empty row.
class PaymentGrid {
  public:
    /// Lists the payments of a length of loan `term` at `frequency`, the first on `start`, and
    /// fills in the table's entries. The entries are matched in order by one cursor, as the
    /// engine applies them: an entry whose date is not a payment date is not shown, and neither
    /// is any entry after it. Replaces whatever the grid held.
    void Prepare(Single term, Frequency frequency, DayNumber start, const PaymentChanges& changes);

    /// Payment rows plus the trailing empty row.
    int Rows() const { return static_cast<int>(cells_.size()); }
    /// Payment rows only.
    int PaymentRows() const { return static_cast<int>(dates_.size()); }
    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);
    /// Payment date of a payment row.
    DayNumber Date(int row) const { return dates_[static_cast<std::size_t>(row)]; }

    /// True when a payment row's change and lump cells make an entry (either reads above 0).
    bool MakesEntry(int row) const;
    /// Payment rows that make an entry.
    int EntryRows() const;
    /// True when putting `text` into this cell would add an entry to a table that is full.
    bool WouldOverflow(int row, int column, std::string_view text) const;

    /// Empties every change and lump cell; numbers and dates stay.
    void ClearAmounts();

    /// The table the grid describes: one entry per payment row that makes one, in row order.
    /// Never holds more than the table's 200 entries: later rows are left out.
    PaymentChanges Store() const;

  private:
    std::vector<DayNumber> dates_;
    std::vector<std::array<std::string, kPaymentColumns>> cells_;
};

} // namespace hl
