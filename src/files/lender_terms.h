// The lender's own terms of a mortgage (prepayment privileges, the rates and the charges of its
// discharge penalty) and the section of the study file that keeps them, after the tool sections.
// Money is in whole cents and rates and percentages in thousandths of a per cent, so that the
// figures worked out from them are exact.
#pragma once

#include <cstdint>
#include <optional>

#include "core/single.h"
#include "core/text_items.h"

namespace hl {

using Cents = std::int64_t; ///< an amount of money in whole cents
using Millipercent =
    std::int32_t; ///< a rate or a share in thousandths of a per cent (15 % is 15000)

/// Which year a yearly privilege counts by.
enum class PrivilegeYear : std::int32_t {
    Calendar = 1, ///< January 1 to December 31
    Loan = 2,     ///< from the start date to the day before its anniversary
};

struct LenderTerms {
    Millipercent lumpShare = 15000; ///< yearly lump-sum privilege, of the original amount
    PrivilegeYear year = PrivilegeYear::Calendar;
    Millipercent increaseShare = 15000; ///< yearly payment increase, of the original payment
    /// The lender's posted rate for the term when the mortgage was signed; when given, the
    /// discount is that rate less the contract rate.
    std::optional<Millipercent> signingPosted;
    Millipercent discount = 0;               ///< typed directly, used without a signing rate
    std::optional<Millipercent> todayPosted; ///< today's posted rate for the nearest term
    Cents fee = 0;                           ///< reinvestment or discharge fee
    Cents cashBack = 0;                      ///< received at signing
    bool clawback = false;       ///< cash back repaid in proportion to the whole months left
    bool longTerm = false;       ///< a term longer than five years
    DayNumber dischargeDate = 0; ///< the date the window asks about; 0 none
    Cents prepayment = 0;        ///< the prepayment the window asks about

    bool operator==(const LenderTerms&) const = default;
};

/// The most a money item of the terms may hold: the largest mortgage amount.
inline constexpr Cents kMostTermsCents = 50'000'000;
/// The highest rate the terms take (the input form's highest rate) and the largest share.
inline constexpr Millipercent kMostTermsRate = 25'000;
inline constexpr Millipercent kMostTermsShare = 100'000;

/// The first item of the section, which tells it from anything else after the tool sections.
inline constexpr const char* kLenderSectionMark = "Lender's terms";

/// Writes the section: the mark, then one item per line.
void WriteLenderSection(ItemWriter& w, const LenderTerms& terms);

/// Reads the section that follows the tool sections; throws ItemFormatError naming the line and
/// the item on anything that is not one (a missing mark, a word for a number, a value out of
/// range, a short section).
LenderTerms ReadLenderSection(ItemReader& r);

} // namespace hl
