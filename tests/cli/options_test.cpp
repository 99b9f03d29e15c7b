// The command line's option reader: which words are options, operands or mistakes, and the
// exact line each mistake gets (the messages users and scripts have seen all along).
#include <gtest/gtest.h>

#include "cli/options.h"

namespace hl::cli {
namespace {

// schedule|summary STUDY --frequency N, as the study commands read it.
OptionGrammar StudyLike() {
    OptionRule frequency = ValueOption("--frequency");
    frequency.repeatable = true;
    frequency.missingValue = "--frequency needs a value from 1 to 4";
    frequency.check = [](const std::string& v) -> std::optional<std::string> {
        if (!FrequencyValue(v))
            return FrequencyProblem(v);
        return std::nullopt;
    };
    return OptionGrammar{{frequency}, 2};
}

// --amount A --years Y [--separators], as the calculators read theirs: no operands.
OptionGrammar CalculatorLike() {
    return OptionGrammar{
        {ValueOption("--amount"), ValueOption("--years"), FlagOption("--separators")}, 0};
}

struct Case {
    std::vector<std::string> args;
    std::string problem; ///< "" when the words are good
    std::vector<std::string> operands;
    std::map<std::string, std::string> values;
};

void Check(const OptionGrammar& grammar, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        ParsedOptions parsed;
        const std::optional<std::string> problem = ParseOptions(c.args, grammar, parsed);
        EXPECT_EQ(problem.value_or(""), c.problem);
        if (c.problem.empty()) {
            EXPECT_EQ(parsed.operands, c.operands);
            EXPECT_EQ(parsed.values, c.values);
        }
    }
}

TEST(OptionReader, StudyCommands) {
    Check(StudyLike(),
          {
              {{"schedule", "a.mtg"}, "", {"schedule", "a.mtg"}, {}},
              {{"--frequency", "1", "summary", "a.mtg"},
               "",
               {"summary", "a.mtg"},
               {{"--frequency", "1"}}},
              {{"schedule", "--frequency=4", "a.mtg"},
               "",
               {"schedule", "a.mtg"},
               {{"--frequency", "4"}}},
              // Given again, the last one counts.
              {{"schedule", "a", "--frequency", "2", "--frequency", "3"},
               "",
               {"schedule", "a"},
               {{"--frequency", "3"}}},
              // An empty word leaves its place to the next.
              {{"", "schedule", "a"}, "", {"schedule", "a"}, {}},
              {{"schedule"}, "", {"schedule", ""}, {}},
              {{"schedule", "a", "b"}, "too many arguments (try --help)", {}, {}},
              {{"schedule", "a", "--frequency"}, "--frequency needs a value from 1 to 4", {}, {}},
              {{"schedule", "a", "--frequency", "5"},
               "--frequency must be 1, 2, 3 or 4, not \"5\"",
               {},
               {}},
              {{"schedule", "a", "--frequency="},
               "--frequency must be 1, 2, 3 or 4, not \"\"",
               {},
               {}},
              // The value is checked as it is read, before any later mistake.
              {{"schedule", "--frequency", "12", "--colour"},
               "--frequency must be 1, 2, 3 or 4, not \"12\"",
               {},
               {}},
              {{"schedule", "--colour", "--frequency", "12"},
               "unknown option \"--colour\" (try --help)",
               {},
               {}},
              {{"schedule", "-x"}, "unknown option \"-x\" (try --help)", {}, {}},
              {{"schedule", "--frequencies=2"},
               "unknown option \"--frequencies=2\" (try --help)",
               {},
               {}},
          });
}

TEST(OptionReader, CalculatorCommands) {
    Check(CalculatorLike(),
          {
              {{"--amount", "5", "--years=25", "--separators"},
               "",
               {},
               {{"--amount", "5"}, {"--years", "25"}, {"--separators", ""}}},
              // A value is the next word, whatever it looks like.
              {{"--amount", "--years"}, "", {}, {{"--amount", "--years"}}},
              {{"--separators", "--separators"}, "", {}, {{"--separators", ""}}},
              {{"--amount", "5", "--amount=6"}, "--amount given twice", {}, {}},
              {{"--years"}, "--years needs a value (try --help)", {}, {}},
              {{"extra"}, "unexpected argument \"extra\" (try --help)", {}, {}},
              {{"-x"}, "unexpected argument \"-x\" (try --help)", {}, {}},
              {{"--separators=1"}, "unknown option \"--separators=1\" (try --help)", {}, {}},
              {{"--"}, "unknown option \"--\" (try --help)", {}, {}},
          });
}

TEST(OptionReader, FrequencyValuesAreTheFourCodes) {
    const std::pair<std::string, std::optional<Frequency>> rows[] = {
        {"1", kMonthly},
        {"2", kWeekly},
        {"3", kTwiceAMonth},
        {"4", kEveryTwoWeeks},
        {"0", {}},
        {"5", {}},
        {"", {}},
        {"01", {}},
        {"-1", {}},
        {"2 ", {}},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(FrequencyValue(text), expected) << text;
}

} // namespace
} // namespace hl::cli
