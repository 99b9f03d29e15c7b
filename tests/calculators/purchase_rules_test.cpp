// The rule tables of buying a home: the installed tables read, and every kind of garbage gets one
// line that names the file and the line.
#include <gtest/gtest.h>

#include <cstdio>

#include "calculators/purchase_rules.h"

namespace hl::calc {
namespace {

TEST(PurchaseRules, TheTablesOfTheProgramRead) {
    PurchaseRules rules;
    EXPECT_EQ(LoadPurchaseRules(HL_SOURCE_RULES_FOLDER, rules), std::nullopt);
    EXPECT_FALSE(rules.transferTax.empty());
    for (const TransferSchedule& s : rules.transferTax)
        EXPECT_EQ(s.brackets.front().over, 0) << s.place;
}

TEST(PurchaseRules, GarbageGetsOneLineNamingWhere) {
    const struct {
        const char* file;
        const char* text;
        const char* problem;
    } kCases[] = {
        {"down_payment.rules", "", "down_payment.rules: the table holds no rows"},
        {"down_payment.rules", "# only a comment\n\n",
         "down_payment.rules: the table holds no rows"},
        {"down_payment.rules", "2024-12-15 | 1500000.00 | https://x\n",
         "down_payment.rules:1: 7 items separated by \"|\" expected, 3 found"},
        {"down_payment.rules",
         "\n2024-13-15 | 1500000.00 | 500000.00 | 5.00 | 10.00 | 20.00 | https://x\n",
         "down_payment.rules:2: the date \"2024-13-15\" is not a date (YYYY-MM-DD)"},
        {"down_payment.rules",
         "2024-12-15 | 1,500,000 | 500000.00 | 5.00 | 10.00 | 20.00 | https://x",
         "down_payment.rules:1: the insured price cap \"1,500,000\" is not a figure with at most "
         "two decimals"},
        {"down_payment.rules", "2024-12-15 | 1500000.00 | 500000.00 | 5.005 | 10 | 20 | https://x",
         "down_payment.rules:1: the first tier's per cent \"5.005\" is not a figure with at most "
         "two decimals"},
        {"down_payment.rules", "2024-12-15 | 1500000.00 | 500000.00 | 5 | 10 | 20 | ftp://x",
         "down_payment.rules:1: the source \"ftp://x\" is not a web address"},
        {"down_payment.rules", "2024-12-15 | 500000.00 | 1500000.00 | 5 | 10 | 20 | https://x",
         "down_payment.rules:1: the tier limit lies above the insured price cap"},
        {"insurance_premiums.rules",
         "2017-03-17 | 80 | 2.4 | https://x\n2017-03-17 | 75 | 1.7 | https://x",
         "insurance_premiums.rules:2: the bands of one date must rise in loan-to-value"},
        {"insured_amortization.rules", "2024-12-15 | 25 | 30 | anyone | 0.20 | https://x",
         "insured_amortization.rules:1: who may extend \"anyone\" is none of none, "
         "first-time-and-new-build, first-time-or-new-build"},
        {"insured_amortization.rules", "2024-12-15 | 25.5 | 30 | none | 0 | https://x",
         "insured_amortization.rules:1: the longest amortization \"25.5\" is not a whole number "
         "of years from 1 to 35"},
        {"transfer_tax.rules", "2017-01-01 | ON | 55000.00 | 1.00 | https://x",
         "transfer_tax.rules:1: the first bracket of ON must start at 0.00"},
        {"transfer_tax.rules", "2017-01-01 | on | 0 | 0.50 | https://x",
         "transfer_tax.rules:1: the place \"on\" is not a code in capitals"},
        {"transfer_tax.rules",
         "2017-01-01 | ON | 0 | 0.5 | https://x\n2017-01-01 | ON | 0 | 1 | https://x",
         "transfer_tax.rules:2: the brackets of one place and date must rise"},
        {"transfer_rebates.rules", "2024-04-01 | BC | first-time | - | - | 835000 | - | https://x",
         "transfer_rebates.rules:1: the full and none prices come together, the none price above"},
        {"registration_fees.rules", "2024-10-20 | AB | transfer | 50 | 5 | 0 | https://x",
         "registration_fees.rules:1: the step must be above 0"},
        {"cities.rules", "2008-02-01 | TORONTO | ON | doubles | https://x",
         "cities.rules:1: the city's way \"doubles\" is none of adds, replaces"},
        {"qualifying.rules", "2021-06-01 | 2 | 5.25 | 139 | 44 | https://x",
         "qualifying.rules:1: a limit out of 0 to 100"},
        {"premium_tax.rules", "\x01\xff\xfe garbage",
         "premium_tax.rules:1: 4 items separated by "
         "\"|\" expected, 1 found"},
    };
    PurchaseRules good;
    ASSERT_EQ(LoadPurchaseRules(HL_SOURCE_RULES_FOLDER, good), std::nullopt);
    for (const auto& c : kCases) {
        // Every other table as the program has it, this one garbled.
        PurchaseRules rules;
        const auto readReal = [&](const std::string& file) -> std::optional<std::string> {
            if (file == c.file)
                return std::string(c.text);
            std::string path = std::string(HL_SOURCE_RULES_FOLDER) + file;
            FILE* f = std::fopen(path.c_str(), "rb");
            if (!f)
                return std::nullopt;
            std::string text;
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
                text.append(buffer, n);
            std::fclose(f);
            return text;
        };
        EXPECT_EQ(ReadPurchaseRules(readReal, rules), std::optional<std::string>(c.problem))
            << c.file << ": " << c.text;
    }
    PurchaseRules rules;
    EXPECT_EQ(LoadPurchaseRules("/nonexistent/", rules),
              std::optional<std::string>("cannot read the rule table down_payment.rules in "
                                         "/nonexistent/"));
}

} // namespace
} // namespace hl::calc
