// The saving suggestions: which items the list holds and how they are numbered.
#include <gtest/gtest.h>

#include "analysis/suggestions.h"
#include "support/standard_scenario.h"

namespace hl::analysis {
namespace {

/// The numbered items' openings, in order.
std::vector<std::string> Numbers(const std::vector<std::string>& items) {
    std::vector<std::string> numbers;
    for (const std::string& item : items)
        if (item.size() > 2 && item[0] == ' ' && item[1] >= '0' && item[1] <= '9')
            numbers.push_back(item.substr(0, item.find(')') + 1));
    return numbers;
}

TEST(SavingSuggestions, ItemsChosenByRateAndFrequency) {
    struct Case {
        const char* name;
        Frequency frequency;
        Single currentRate;
        std::size_t lines;
        std::vector<std::string> numbers;
        const char* lastNumbered; ///< opening of the lump payment item
    };
    const Case cases[] = {
        {"MonthlyLowerRate", kMonthly, 8.0f, 24, {" 1)", " 2)", " 3)"}, " 3) As always"},
        {"MonthlySameRate", kMonthly, 10.0f, 17, {" 1)", " 2)"}, " 2) As always"},
        {"MonthlyNoRate", kMonthly, 0.0f, 17, {" 1)", " 2)"}, " 2) As always"},
        {"WeeklyLowerRate", kWeekly, 8.0f, 16, {" 1)", " 2)"}, " 2) As always"},
        {"WeeklyNoRate", kWeekly, 0.0f, 9, {" 1)"}, " 1) As always"},
        {"WeeklyHigherRate", kWeekly, 12.0f, 9, {" 1)"}, " 1) As always"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto items = SavingSuggestions(test::StandardScenario(c.frequency), c.currentRate);
        EXPECT_EQ(items.size(), c.lines);
        EXPECT_EQ(Numbers(items), c.numbers);
        EXPECT_EQ(items[items.size() - 7].rfind(c.lastNumbered, 0), 0u);
        EXPECT_EQ(items.back(), " ");
    }
}

TEST(SavingSuggestions, WholeListOfAMonthlyScenarioWithALowerRate) {
    const std::vector<std::string> expected = {
        " 1) The current interest rate is lower than the rate you are now paying.  This "
        "indicates that you might consider terminating",
        "      your mortgage early, paying the incurred penalty, and then refinancing using the "
        "lower rate in an effort to save ",
        "      money in interest charges.  The forms you will use for this study are: ",
        " ",
        "        Refinance a scenario         - to try the lower interest rate while manipulating "
        "the discharge penalty",
        "        Early Discharge Penalty    - to help you estimate the discharge penalty.",
        "                                                               An accurate discharge "
        "penalty figure should be attained from your bank.",
        " ",
        " 2) Your current payment frequency is not weekly.  Changing to weekly payments may cost "
        "more but will save you interest",
        "      charges in the long run.  Run a scenario so that you can see the difference "
        "switching to this type of payment makes.",
        "      ",
        "      You can use the Compare Form to see this impact on a new mortgage (i.e. a mortgage "
        "without payment changes)  OR",
        "      ",
        "      You can see the impact on an existing mortgage (switching to weekly payments "
        "before it comes due) by using a",
        "      combination of forms with two scenario runs.  This method is explained, step by "
        "step, in the example documentation.",
        "      ",
        " ",
        " 3) As always, lump payments and increasing your payment always has an effect on your "
        "mortgage.  You can see the",
        "      impact of these changes very quickly using the Compare Scenarios form.",
        "      ",
        "      Use 'Copy Scenario 1 to 2' button and then enter your 'what-if' changes in the "
        "payment change section.",
        "      When this is complete press the 'Calculate' button and see the impact.",
        "      ",
        " ",
    };
    EXPECT_EQ(SavingSuggestions(test::StandardScenario(kMonthly), 7.5f), expected);
}

} // namespace
} // namespace hl::analysis
