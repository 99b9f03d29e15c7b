// Reading the command line's options against a command's rules.
#include "cli/options.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "core/control_escape.h"

namespace hl::cli {

int Fail(std::ostream& err, const std::string& line) {
    // The line may echo bytes of a file or an argument: no control character reaches the terminal.
    err << "hearthline-cli: " << EscapeControls(line) << "\n";
    return kBadInput;
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r')
            c = ' ';
    return text;
}

OptionRule ValueOption(std::string name) {
    OptionRule rule;
    rule.name = std::move(name);
    return rule;
}

OptionRule FlagOption(std::string name) {
    OptionRule rule = ValueOption(std::move(name));
    rule.takesValue = false;
    return rule;
}

const OptionRule* OptionGrammar::Find(const std::string& word) const {
    const std::string name = word.substr(0, word.find('='));
    for (const OptionRule& rule : options)
        if (rule.name == name)
            return &rule;
    return nullptr;
}

std::string ParsedOptions::Value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

std::optional<std::string> ParsedOptions::Missing(const std::string& command,
                                                  std::initializer_list<const char*> needed) const {
    for (const char* name : needed)
        if (!Has(name))
            return command + " needs " + name + " (try --help)";
    return std::nullopt;
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        const OptionGrammar& grammar, ParsedOptions& parsed) {
    parsed.operands.resize(grammar.operands);
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a.rfind("--", 0) != 0) {
            if (grammar.operands == 0)
                return "unexpected argument \"" + a + "\" (try --help)";
            if (!a.empty() && a[0] == '-')
                return "unknown option \"" + a + "\" (try --help)";
            // Each word takes the first free place; an empty word leaves its place free.
            auto place = std::find(parsed.operands.begin(), parsed.operands.end(), std::string());
            if (place == parsed.operands.end())
                return "too many arguments (try --help)";
            *place = a;
            continue;
        }
        const std::size_t equals = a.find('=');
        const OptionRule* rule = grammar.Find(a);
        // A flag with "=value" is no option the command knows.
        if (!rule || (!rule->takesValue && equals != std::string::npos))
            return "unknown option \"" + a + "\" (try --help)";
        if (!rule->takesValue) {
            parsed.values[rule->name] = "";
            continue;
        }
        if (!rule->repeatable && parsed.Has(rule->name))
            return rule->name + " given twice";
        std::string value;
        if (equals != std::string::npos) {
            value = a.substr(equals + 1);
        } else if (k + 1 < args.size()) {
            value = args[++k];
        } else {
            return rule->missingValue.empty() ? rule->name + " needs a value (try --help)"
                                              : rule->missingValue;
        }
        if (rule->check)
            if (auto problem = rule->check(value))
                return problem;
        parsed.values[rule->name] = value;
    }
    return std::nullopt;
}

std::optional<Frequency> FrequencyValue(const std::string& text) {
    if (text.size() != 1)
        return std::nullopt;
    return FrequencyFromCode(text[0] - '0');
}

std::string FrequencyProblem(const std::string& text) {
    return "--frequency must be 1, 2, 3 or 4, not \"" + text + "\"";
}

bool IsBoxNumber(const std::string& text) {
    bool digit = false;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digit && points <= 1;
}

} // namespace hl::cli
