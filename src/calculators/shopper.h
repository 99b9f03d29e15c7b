// The payment shopper: the regular payment of every combination of ranges of amount, rate and
// amortization, for the four frequencies at once, as the lines of its result table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/calc_message.h"
#include "core/single.h"
#include "core/translate.h"

namespace hl::calc {

/// One row of the input block, as stored: an upper boundary of 0 makes the row a single value.
struct ShopperRow {
    Single lower = 0;
    Single upper = 0;
    Single increment = 0;
};

struct ShopperInputs {
    ShopperRow amount; ///< Text1, Text2, Text3, dollars
    ShopperRow rate;   ///< Text4, Text5, Text6, annual per cent
    ShopperRow years;  ///< Text7, Text8, Text9, amortization in years
};

/// The rows from the nine stored values in box order.
ShopperInputs ShopperInputsFrom(const std::array<Single, 9>& stored);

inline constexpr int kShopperColumns = 7;
/// The most lines one calculation may produce.
inline constexpr int kShopperMaxLines = 800;

/// Column headings; their runs of spaces wrap each heading onto two lines.
inline constexpr std::array<const char*, kShopperColumns> kShopperHeadings = {
    HL_TR_NOOP("Shopper Grid", " Mortgage      Amount"),
    HL_TR_NOOP("Shopper Grid", " Interest        Rate"),
    HL_TR_NOOP("Shopper Grid", " Amortiz'n     Period"),
    HL_TR_NOOP("Shopper Grid", " Monthly       Payment"),
    HL_TR_NOOP("Shopper Grid", " Weekly        Payment"),
    HL_TR_NOOP("Shopper Grid", "Every Two     Weeks"),
    HL_TR_NOOP("Shopper Grid", " Twice a        Month")};

/// A result line, or an empty separator line between groups.
struct ShopperLine {
    bool separator = false;
    Money amount = 0;
    Single rate = 0;
    Single years = 0;
    /// Regular payments in column order: Monthly, Weekly, Every Two Weeks, Twice a Month.
    std::array<Money, 4> payments{};

    /// The seven cell texts (all empty for a separator).
    std::array<std::string, kShopperColumns> Cells() const;
    /// The cells joined by tabs; "" for a separator.
    std::string Text() const;
};

struct ShopperResult {
    std::optional<CalcMessage> message; ///< a refusal: no lines at all
    std::vector<ShopperLine> lines;     ///< to append below the lines already in the table
};

inline constexpr const char* kShopperInputTitle =
    HL_TR_NOOP("Calculator Messages", "Rate Shopper Input Violation");
inline constexpr const char* kShopperOutputTitle =
    HL_TR_NOOP("Calculator Messages", "Rate Shopper Output Violation");

/// How many values a row gives: 1 for a single value, otherwise the steps from the lower
/// boundary that stay within the upper one, lower boundary included.
Single RowCount(const ShopperRow& row);

/// Checks the rows, then lists amounts innermost, rates in the middle and amortization outermost.
/// A separator follows each run of amounts when there are several, and each run of rates when
/// there are several and no separator just came. Values advance by adding the increment again
/// and again in single precision, as the table has always shown them.
ShopperResult CalculateShopper(const ShopperInputs& in);

} // namespace hl::calc
