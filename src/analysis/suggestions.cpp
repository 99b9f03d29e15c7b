// The saving suggestions' list.
#include "analysis/suggestions.h"

#include "core/translate.h"

namespace hl::analysis {

std::vector<std::string> SavingSuggestions(const Scenario& scenario, Single currentRate) {
    std::vector<std::string> items;
    int number = 1;
    // Each suggestion opens with its number written with a leading blank: " 1", " 10".
    auto numbered = [&number](const char* text) {
        std::string item(1, ' ');
        item.append(std::to_string(number)).append(TrText("Saving Suggestions", text));
        return item;
    };

    if (currentRate > 0.0f && currentRate < scenario.rate) {
        items.push_back(numbered(HL_TR_NOOP(
            "Saving Suggestions",
            ") The current interest rate is lower than the rate you are now paying.  This "
            "indicates that you might consider terminating")));
        items.insert(
            items.end(),
            {TrText("Saving Suggestions", "      your mortgage early, paying the incurred penalty, "
                                          "and then refinancing using "
                                          "the lower rate in an effort to save "),
             TrText(
                 "Saving Suggestions",
                 "      money in interest charges.  The forms you will use for this study are: "),
             " ",
             TrText("Saving Suggestions",
                    "        Refinance a scenario         - to try the lower interest rate while "
                    "manipulating the discharge penalty"),
             TrText("Saving Suggestions", "        Early Discharge Penalty    - to help you "
                                          "estimate the discharge penalty."),
             TrText("Saving Suggestions",
                    "                                                               An accurate "
                    "discharge penalty figure should be attained from your bank.")});
        ++number;
    }
    items.push_back(" ");

    if (scenario.frequency != kWeekly) {
        items.push_back(numbered(HL_TR_NOOP(
            "Saving Suggestions", ") Your current payment frequency is not weekly.  Changing to "
                                  "weekly payments may cost more but will save you interest")));
        items.insert(
            items.end(),
            {TrText("Saving Suggestions",
                    "      charges in the long run.  Run a scenario so that you can see the "
                    "difference switching to this type of payment makes."),
             "      ",
             TrText("Saving Suggestions",
                    "      You can use the Compare Form to see this impact on a new mortgage "
                    "(i.e. a mortgage without payment changes)  OR"),
             "      ",
             TrText("Saving Suggestions",
                    "      You can see the impact on an existing mortgage (switching to weekly "
                    "payments before it comes due) by using a"),
             TrText("Saving Suggestions",
                    "      combination of forms with two scenario runs.  This method is "
                    "explained, step by step, in the example documentation."),
             "      "});
        ++number;
    }
    items.push_back(" ");

    items.push_back(numbered(HL_TR_NOOP(
        "Saving Suggestions", ") As always, lump payments and increasing your payment always has "
                              "an effect on your mortgage.  You can see the")));
    items.insert(
        items.end(),
        {TrText("Saving Suggestions",
                "      impact of these changes very quickly using the Compare Scenarios form."),
         "      ",
         TrText("Saving Suggestions",
                "      Use 'Copy Scenario 1 to 2' button and then enter your 'what-if' changes "
                "in the payment change section."),
         TrText("Saving Suggestions",
                "      When this is complete press the 'Calculate' button and see the impact."),
         "      "});
    items.push_back(" ");
    return items;
}

} // namespace hl::analysis
