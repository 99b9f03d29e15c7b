// The inputs of the seven tool windows, as their working files and the study file hold them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/single.h"

namespace hl {

/// How a blank text box is stored: one blank, as the windows have always written it.
inline constexpr std::string_view kBlankText = " ";

/// Mortgage estimate window: texts Text1..Text12, Text15, Text16, Text17.
struct EstimateSection {
    std::array<std::string, 15> texts;
    bool operator==(const EstimateSection&) const = default;
};

/// Schedule window: the grid option, 1 all payments, 2 loan anniversaries, 3 year ends.
struct ScheduleSection {
    std::int16_t option = 1;
    bool operator==(const ScheduleSection&) const = default;
};

/// Refinance window: a date and seven texts (the window itself keeps six; the seventh is " ").
struct RefinanceSection {
    DayNumber date = 0;
    std::array<std::string, 7> texts;
    bool operator==(const RefinanceSection&) const = default;
};

/// Early discharge window: a date and one text.
struct DischargeSection {
    DayNumber date = 0;
    std::string text;
    bool operator==(const DischargeSection&) const = default;
};

/// Payment shopper: texts Text1..Text9.
struct ShopperSection {
    std::array<std::string, 9> texts;
    bool operator==(const ShopperSection&) const = default;
};

/// Compare scenarios: four texts, a date, the frequency text and the second scenario's table.
struct CompareSection {
    struct Entry {
        Single lump = 0;
        Single change = 0;
        DayNumber date = 0;
        bool operator==(const Entry&) const = default;
    };
    std::array<std::string, 4> texts;
    DayNumber date = 0;
    std::string frequencyText;
    std::vector<Entry> entries;
    bool operator==(const CompareSection&) const = default;
};

/// Refinance solver: a date, two texts, the check box and two option choices.
struct SolverSection {
    DayNumber date = 0;
    std::array<std::string, 2> texts;
    std::int16_t check = 1;
    std::int16_t searchOption = 1; ///< 1, 2 or 3
    std::int16_t rateOption = 4;   ///< 4, 5 or 6
    bool operator==(const SolverSection&) const = default;
};

struct ToolSections {
    EstimateSection estimate;
    ScheduleSection schedule;
    RefinanceSection refinance;
    DischargeSection discharge;
    ShopperSection shopper;
    CompareSection compare;
    SolverSection solver;
    bool operator==(const ToolSections&) const = default;
};

/// The blank contents written at start-up and by New: " " texts, dates 0, schedule option 1,
/// solver 1, 1, 4.
ToolSections BlankToolSections();

} // namespace hl
