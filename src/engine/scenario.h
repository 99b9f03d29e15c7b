// The mortgage scenario and its table of payment changes and lump payments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/single.h"

namespace hl {

/// Payment frequency codes, in the order every frequency list shows them.
enum Frequency : std::int16_t {
    kMonthly = 1,       ///< 12 payments a year
    kWeekly = 2,        ///< 52
    kTwiceAMonth = 3,   ///< 24, on the 15th and the 30th
    kEveryTwoWeeks = 4, ///< 26
};

/// Caption of a frequency code ("Monthly", "Weekly", "Twice a Month", "Every Two Weeks"); ""
/// for any other code.
const char* FrequencyName(int frequency);
/// The caption a window or report shows for a frequency code: FrequencyName in the program's
/// language ("Mensuel" in a French program, context "Frequencies"); "" for any other code.
/// Files and the command line keep FrequencyName.
std::string FrequencyCaption(int frequency);
/// True for the four codes 1 to 4.
bool IsFrequency(int frequency);
/// The frequency of a code read from outside (a file, a command line, a list's position);
/// nothing for any other code.
std::optional<Frequency> FrequencyFromCode(int code);

/// The largest values the input form takes; each field must also be above 0 once entered.
inline constexpr Money kMaxAmount = 500000.0f;
inline constexpr Single kMaxRate = 25.0f;
inline constexpr Single kMaxAmortization = 35.0f;
inline constexpr Single kMaxTerm = 35.0f;
/// The comment box's limit, in characters.
inline constexpr int kMaxCommentCharacters = 60;
/// The longest comment the box takes: its key rule refuses a key only once the comment holds
/// more than the limit, so a 61st character still goes in (and a study may hold it).
inline constexpr int kLongestComment = kMaxCommentCharacters + 1;

/// The one scenario of a study. A numeric field of 0 has not been entered.
struct Scenario {
    Money amount = 0;        ///< mortgage amount, dollars
    Single rate = 0;         ///< annual interest rate, per cent, compounded semi-annually
    Single amortization = 0; ///< amortization period, years
    Single term = 0;         ///< length of loan, years; the schedule covers only this
    DayNumber start = 0;     ///< date of the first payment
    std::string comment;     ///< up to 60 characters
    Frequency frequency = kWeekly;
    bool operator==(const Scenario&) const = default;
};

/// True when every field the engine needs is set: amount, rate, amortization and length of
/// loan above 0, and a start date.
bool IsComplete(const Scenario& s);

/// One entry: a change added to the payment before the payment on that date, and a lump
/// payment deducted after it.
struct PaymentChange {
    Money lump = 0;
    Money change = 0;
    DayNumber date = 0;
    bool operator==(const PaymentChange&) const = default;
};

/// Entries in ascending date order; at most kMaxEntries.
struct PaymentChanges {
    static constexpr int kMaxEntries = 200;
    std::vector<PaymentChange> entries;
    bool operator==(const PaymentChanges&) const = default;

    int Count() const { return static_cast<int>(entries.size()); }
    /// Entry k counted from 1, or an empty entry (date 0, which no payment has) past the end.
    PaymentChange At(int k) const {
        return k >= 1 && k <= Count() ? entries[static_cast<std::size_t>(k - 1)] : PaymentChange{};
    }
};

} // namespace hl
