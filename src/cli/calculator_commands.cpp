// The shop and solve commands: arguments read as the calculator windows read their boxes, then
// checked and computed by the same functions.
#include "cli/calculator_commands.h"

#include <optional>
#include <ostream>

#include "calculators/shopper.h"
#include "calculators/shopper_fields.h"
#include "calculators/solve_for.h"
#include "cli/options.h"
#include "core/box_value.h"
#include "engine/scenario.h"

namespace hl {
namespace {

using namespace cli;

// A message box's text on one line: its line breaks become blanks, never two in a row.
std::string CompactLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// The first line of a message box's text: what was wrong with the value.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

// Options that each take a value once, and the flags, of a command without operands.
OptionGrammar Grammar(const std::vector<std::string>& valued,
                      const std::vector<std::string>& flags) {
    OptionGrammar g;
    for (const std::string& name : valued)
        g.options.push_back(ValueOption(name));
    for (const std::string& name : flags)
        g.options.push_back(FlagOption(name));
    return g;
}

// The three boxes of a shopper row from "L" or "L:U:I"; boxes counted from `firstBox`.
std::optional<std::string> ReadRow(const std::string& option, const std::string& text, int firstBox,
                                   calc::ShopperRow& row) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ':')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 1 && parts.size() != 3)
        return option + " takes LOW or LOW:HIGH:STEP, not \"" + text + "\"";
    Single* slots[] = {&row.lower, &row.upper, &row.increment};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!IsBoxNumber(parts[i]))
            return option + ": \"" + parts[i] + "\" is not a number";
        const std::optional<Single> value = calc::BoxValue(parts[i]);
        const calc::ShopperFieldCheck c =
            calc::CheckShopperField(firstBox + static_cast<int>(i), value, 0.0f);
        if (c.check.outcome != calc::FieldOutcome::Accepted)
            return option + " " + parts[i] + ": " + FirstLine(c.check.message->text);
        // The shopper calculates with the value as typed, not as the box then shows it.
        *slots[i] = c.stored;
    }
    return std::nullopt;
}

} // namespace

int RunShopCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(
            args, Grammar({"--amount", "--rate", "--years"}, {"--separators"}), options))
        return Fail(err, "shop: " + *problem);
    if (auto missing = options.Missing("shop", {"--amount", "--rate", "--years"}))
        return Fail(err, *missing);

    calc::ShopperInputs in;
    if (auto problem = ReadRow("--amount", options.Value("--amount"), 1, in.amount))
        return Fail(err, "shop: " + *problem);
    if (auto problem = ReadRow("--rate", options.Value("--rate"), 4, in.rate))
        return Fail(err, "shop: " + *problem);
    if (auto problem = ReadRow("--years", options.Value("--years"), 7, in.years))
        return Fail(err, "shop: " + *problem);

    const calc::ShopperResult result = calc::CalculateShopper(in);
    if (result.message)
        return Fail(err, "shop: " + CompactLine(result.message->text));
    const bool separators = options.Has("--separators");
    for (const calc::ShopperLine& line : result.lines)
        if (!line.separator || separators)
            out << line.Text() << "\n";
    return 0;
}

int RunSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(
            args, Grammar({"--rate", "--payment", "--frequency", "--amount", "--years"}, {}),
            options))
        return Fail(err, "solve: " + *problem);
    if (auto missing = options.Missing("solve", {"--rate", "--payment"}))
        return Fail(err, *missing);
    if (!options.Has("--amount") && !options.Has("--years"))
        return Fail(err, "solve needs --amount and/or --years (try --help)");

    calc::SolveInputs in;
    in.frequency = FrequencyName(kWeekly);
    if (options.Has("--frequency")) {
        const std::string f = options.Value("--frequency");
        const std::optional<Frequency> frequency = FrequencyValue(f);
        if (!frequency)
            return Fail(err, "solve: " + FrequencyProblem(f));
        in.frequency = FrequencyName(*frequency);
    }

    struct Field {
        const char* option;
        calc::SolveBox box;
        std::optional<Single>* target;
    };
    const Field fields[] = {{"--rate", calc::SolveBox::Rate, &in.rate},
                            {"--amount", calc::SolveBox::Amount, &in.amount},
                            {"--years", calc::SolveBox::Years, &in.years}};
    for (const Field& field : fields) {
        if (!options.Has(field.option))
            continue;
        const std::string text = options.Value(field.option);
        if (!IsBoxNumber(text))
            return Fail(err, std::string("solve: ") + field.option + ": \"" + text +
                                 "\" is not a number");
        const calc::FieldCheck check = calc::CheckSolveField(field.box, calc::BoxValue(text));
        if (check.outcome != calc::FieldOutcome::Accepted)
            return Fail(err, std::string("solve: ") + field.option + " " + text + ": " +
                                 FirstLine(check.message->text));
        *field.target = calc::BoxValue(check.text);
    }

    const std::string payment = options.Value("--payment");
    if (!IsBoxNumber(payment))
        return Fail(err, "solve: --payment: \"" + payment + "\" is not a number");
    in.payment = calc::BoxValue(payment);
    if (calc::CheckPaymentRange(in.payment, in.frequency)) {
        const Single most = calc::PaymentLimit(in.frequency).value_or(0.0f);
        return Fail(err, "solve: --payment " + payment + ": a " + in.frequency +
                             " payment must be above 0 and at most " +
                             std::to_string(static_cast<int>(most)));
    }

    // The payment is solved as its box shows it, to the cent.
    const calc::SolveResult result = calc::SolveAfterPayment(in);
    if (!result.amortization && !result.amount && !result.messages.empty())
        return Fail(err, "solve: " + CompactLine(result.messages.front().text));
    // One solve refused and the other answered: the window shows the message and the answer,
    // so the message goes to standard error and the answer is printed.
    for (const calc::CalcMessage& message : result.messages)
        err << "hearthline-cli: solve: " << CompactLine(message.text) << "\n";
    if (result.amortization) {
        out << "amortization_payments: " << result.amortization->monthsText << "\n"
            << "amortization_years: " << result.amortization->yearsText << "\n";
    }
    if (result.amount)
        out << "mortgage_amount: " << result.amount->text << "\n";
    return 0;
}

} // namespace hl
