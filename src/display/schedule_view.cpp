// Row choice and cell texts of the schedule grid.
#include "display/schedule_view.h"

#include <algorithm>

#include "core/day_number.h"
#include "core/format.h"
#include "engine/engine.h"

namespace hl {

ScheduleView ViewFromOption(int option) {
    switch (option) {
    case 2:
        return ScheduleView::Anniversaries;
    case 3:
        return ScheduleView::YearEnds;
    default:
        return ScheduleView::AllPayments;
    }
}

std::vector<ScheduleRow> ScheduleRows(const ScheduleFile& file, ScheduleView view,
                                      Frequency frequency, DayNumber start) {
    std::vector<ScheduleRow> rows;
    ScheduleRow opening;
    opening.opening = true;
    opening.openingBalance = file.amount;
    rows.push_back(opening);

    auto add = [&rows](const ScheduleRecord& r) {
        ScheduleRow row;
        row.record = r;
        rows.push_back(row);
    };

    switch (view) {
    case ScheduleView::AllPayments:
        rows.reserve(file.records.size() + 1);
        for (const ScheduleRecord& r : file.records)
            add(r);
        break;
    case ScheduleView::Anniversaries: {
        const int perYear = PaymentsPerYear(frequency);
        if (perYear <= 0)
            break;
        for (const ScheduleRecord& r : file.records)
            if (r.number % perYear == 0)
                add(r);
        break;
    }
    case ScheduleView::YearEnds: {
        int year = CivilFromDay(start).year;
        const ScheduleRecord* previous = nullptr;
        for (const ScheduleRecord& r : file.records) {
            const int recordYear = CivilFromDay(r.date).year;
            if (recordYear != year) {
                year = recordYear;
                // A first record dated after the start year has no year behind it to close.
                if (previous)
                    add(*previous);
            }
            previous = &r;
        }
        break;
    }
    }
    return rows;
}

std::string ScheduleCellText(const ScheduleRow& row, int column) {
    if (row.opening)
        return column == 9 ? FormatNumber(row.openingBalance, "#######0.00") : std::string();
    const ScheduleRecord& r = row.record;
    switch (column) {
    case 0:
        return FormatNumber(r.number, "####0   ");
    case 1:
        return FormatDate(r.date, "mmm dd yyyy");
    case 2:
        return FormatNumber(r.payment, "#####0.00");
    case 3:
        return FormatNumber(r.principal, "#####0.00");
    case 4:
        return FormatNumber(r.interest, "#####0.00");
    case 5:
        return FormatNumber(r.principalToDate, "#######0.00");
    case 6:
        return FormatNumber(r.interestToDate, "#######0.00");
    case 7:
        return FormatNumber(r.lump, "######0.00");
    case 8:
        return FormatNumber(r.change, "######0.00");
    case 9:
        return FormatNumber(r.balance, "#####0.00");
    default:
        return {};
    }
}

std::string ScheduleCellsText(const std::vector<ScheduleRow>& rows, int top, int left, int bottom,
                              int right) {
    top = std::max(top, 0);
    left = std::max(left, 0);
    bottom = std::min(bottom, static_cast<int>(rows.size()) - 1);
    right = std::min(right, kScheduleColumns - 1);
    std::string out;
    for (int r = top; r <= bottom; ++r) {
        if (r > top)
            out += "\r\n";
        for (int c = left; c <= right; ++c) {
            if (c > left)
                out += '\t';
            out += ScheduleCellText(rows[static_cast<std::size_t>(r)], c);
        }
    }
    return out;
}

} // namespace hl
