// The date parser on any text: a date it accepts lies within the years the date boxes take, and
// written back as the boxes show it, reads as the very same day.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/day_number.h"
#include "core/format.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<hl::DayNumber> day = hl::ParseDate(text);
    if (!day)
        return 0;
    const hl::CivilDate civil = hl::CivilFromDay(*day);
    HL_FUZZ_CHECK(civil.year >= hl::kFirstDateYear && civil.year <= hl::kLastDateYear);
    HL_FUZZ_CHECK(hl::IsValidCivil(civil.year, civil.month, civil.day));
    HL_FUZZ_CHECK(hl::DayFromCivil(civil.year, civil.month, civil.day) == *day);
    for (const char* pattern : {"mmm d yyyy", "mmm d, yyyy", "mmm dd yyyy"})
        HL_FUZZ_CHECK(hl::ParseDate(hl::FormatDate(*day, pattern)) == day);
    return 0;
}
