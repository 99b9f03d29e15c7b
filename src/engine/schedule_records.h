// The schedule of a run: its header and one record per payment, as the schedule file holds them.
#pragma once

#include <cstdint>
#include <vector>

#include "core/single.h"

namespace hl {

struct ScheduleRecord {
    std::int16_t number = 0;
    DayNumber date = 0;
    Money payment = 0; ///< regular payment with all changes so far, or the final payment
    Money principal = 0;
    Money interest = 0;
    Money principalToDate = 0; ///< lump payments included
    Money interestToDate = 0;
    Money lump = 0;    ///< deducted after this payment
    Money change = 0;  ///< change to the payment made at this payment
    Money balance = 0; ///< after this payment and its lump
    bool operator==(const ScheduleRecord&) const = default;
};

struct ScheduleFile {
    std::int16_t count = 0; ///< line 1: the number of records
    Money amount = 0;       ///< line 2: the mortgage amount
    std::vector<ScheduleRecord> records;
};

} // namespace hl
