// Options of the command-line program: "--name value" and "--name=value" words read against the
// options a command accepts, and the one error line a bad command line gets.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/scenario.h"

namespace hl::cli {

/// The exit status of bad input.
inline constexpr int kBadInput = 2;

/// Prints "hearthline-cli: LINE" on `err`, its control characters escaped (\x1b), and returns
/// kBadInput.
int Fail(std::ostream& err, const std::string& line);

/// A message box's text on one line: each line break becomes a blank, every other character
/// kept.
std::string OneLine(std::string text);

/// One option a command accepts.
struct OptionRule {
    std::string name;        ///< with its dashes: "--frequency"
    bool takesValue = true;  ///< false: a flag, never given a value
    bool repeatable = false; ///< given again, the last value counts; otherwise an error
    /// The problem when the value is missing; empty for "NAME needs a value (try --help)".
    std::string missingValue;
    /// Checks the value as it is read: the problem, or nothing when the value is good.
    std::function<std::optional<std::string>(const std::string&)> check;
};

/// An option that takes a value, once.
OptionRule ValueOption(std::string name);
/// An option given without a value.
OptionRule FlagOption(std::string name);

/// What a command's line may hold.
struct OptionGrammar {
    std::vector<OptionRule> options;
    /// How many words that are not options the command takes. A command that takes some refuses
    /// a word starting with "-" as an unknown option rather than reading it as one of them.
    std::size_t operands = 0;

    /// The rule of an option word ("--name" or "--name=value"); nullptr when there is none.
    const OptionRule* Find(const std::string& word) const;
};

struct ParsedOptions {
    std::map<std::string, std::string> values; ///< by option name; "" for a flag
    /// The command's operands in the order given, as many as it takes ("" for one not given).
    std::vector<std::string> operands;

    bool Has(const std::string& name) const { return values.count(name) > 0; }
    /// The value of an option given; "" when it was not.
    std::string Value(const std::string& name) const;
    /// "COMMAND needs NAME (try --help)" for the first of `needed` not given, or nothing.
    std::optional<std::string> Missing(const std::string& command,
                                       std::initializer_list<const char*> needed) const;
};

/// Reads `args` against `grammar`, word by word, stopping at the first problem. Gives the
/// problem as the error line words it, or nothing.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        const OptionGrammar& grammar, ParsedOptions& parsed);

/// A --frequency value: "1" to "4". Nothing for any other text.
std::optional<Frequency> FrequencyValue(const std::string& text);
/// The problem of a --frequency value that is not 1 to 4.
std::string FrequencyProblem(const std::string& text);

/// A number as the boxes take it: digits and at most one ".", nothing else.
bool IsBoxNumber(const std::string& text);

} // namespace hl::cli
