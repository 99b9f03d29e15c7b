// The schedule grid without the widget: its columns, the rows each display option chooses from
// the schedule file, and the text of every cell.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/translate.h"
#include "engine/schedule_file.h"

namespace hl {

/// The three grid options, numbered as the schedule window's working file stores them.
enum class ScheduleView : std::int16_t {
    AllPayments = 1,   ///< Option1: every payment
    Anniversaries = 2, ///< Option2: payments whose number is a whole number of years
    YearEnds = 3,      ///< Option3: the last payment of each calendar year that ended
};

/// The view of a stored option; a number the window never writes shows every payment.
ScheduleView ViewFromOption(int option);

inline constexpr int kScheduleColumns = 10;

/// Header texts of the ten columns, inner blanks included: the header row is two lines high
/// and the blanks decide where the words wrap.
inline constexpr std::array<const char*, kScheduleColumns> kScheduleHeaders = {
    HL_TR_NOOP("Schedule Grid", " Pay Num"),
    HL_TR_NOOP("Schedule Grid", " Date of     Payment"),
    HL_TR_NOOP("Schedule Grid", " Payment     Amount"),
    HL_TR_NOOP("Schedule Grid", " Payment     Principle"),
    HL_TR_NOOP("Schedule Grid", " Payment     Interest"),
    HL_TR_NOOP("Schedule Grid", " Acc'd       Principle"),
    HL_TR_NOOP("Schedule Grid", " Acc'd       Interest"),
    HL_TR_NOOP("Schedule Grid", " Lump        Payment"),
    HL_TR_NOOP("Schedule Grid", " Change to   Payment"),
    HL_TR_NOOP("Schedule Grid", " Remaining    Balance"),
};

/// How much wider than the grid's default column each column is, in twips.
inline constexpr std::array<int, kScheduleColumns> kScheduleColumnWidening = {
    0, 450, 270, 270, 270, 370, 370, 270, 270, 370};

/// The grid's default column width and row height, and the header row's height, in twips.
inline constexpr int kGridDefaultColumnTwips = 960;
inline constexpr int kGridRowTwips = 240;
inline constexpr int kScheduleHeaderTwips = 475;

/// True for the columns whose cells are right-aligned (all but the date).
inline constexpr bool ScheduleColumnRightAligned(int column) { return column != 1; }

/// One grid row: the opening balance (first nine cells empty) or a payment record.
struct ScheduleRow {
    bool opening = false;
    Money openingBalance = 0; ///< the mortgage amount, on the opening row only
    ScheduleRecord record;    ///< on payment rows only
};

/// The rows of the grid under the header for one view: the opening-balance row, then the
/// chosen records in file order. Anniversaries are the records whose payment number is a
/// multiple of the payments per year of `frequency`; year ends are, for every change of
/// calendar year from the year of `start` on, the record before the change (so the last
/// year of the schedule, still running, gets no row).
std::vector<ScheduleRow> ScheduleRows(const ScheduleFile& file, ScheduleView view,
                                      Frequency frequency, DayNumber start);

/// The text of one cell (column 0 to 9) with the column's display format.
std::string ScheduleCellText(const ScheduleRow& row, int column);

/// The cells of rows top..bottom and columns left..right (inclusive, 0-based within `rows`)
/// as the clipboard takes them: cells separated by tabs, rows by "\r\n", no line break after
/// the last row.
std::string ScheduleCellsText(const std::vector<ScheduleRow>& rows, int top, int left, int bottom,
                              int right);

} // namespace hl
