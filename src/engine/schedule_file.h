// Reading the schedule file "$$temp.bin" back: the header and one record per payment.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/single.h"

namespace hl {

struct ScheduleRecord {
    std::int16_t number = 0;
    DayNumber date = 0;
    Money payment = 0;         ///< regular payment with all changes so far, or the final payment
    Money principal = 0;
    Money interest = 0;
    Money principalToDate = 0; ///< lump payments included
    Money interestToDate = 0;
    Money lump = 0;            ///< deducted after this payment
    Money change = 0;          ///< change to the payment made at this payment
    Money balance = 0;         ///< after this payment and its lump
    bool operator==(const ScheduleRecord&) const = default;
};

struct ScheduleFile {
    std::int16_t count = 0; ///< line 1: the number of records
    Money amount = 0;       ///< line 2: the mortgage amount
    std::vector<ScheduleRecord> records;
};

/// Reads the schedule file in `folder`; throws ItemFormatError when it is missing or damaged.
/// Reads no more records than line 1 announces.
ScheduleFile ReadScheduleFile(const std::string& folder);

/// Reads what the schedule file holds: every complete record up to the first fault or the count
/// line 1 announces, with `count` set to the records read. A missing file gives no records.
ScheduleFile ReadAvailableSchedule(const std::string& folder);

} // namespace hl
