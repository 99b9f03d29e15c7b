// The closed-form bounds of a run of periods, and why they hold.
//
// One period of RunPeriods from a double balance b >= 0 at the single rate i > 0 with the payment
// P (not the one that pays the loan off) does:
//   x = b * i in double, raw = single(x), c = single(100 * raw), n = nearest integer to c,
//   I = single(n / 100 in double), p = single(P - I), b' = double(b - p).
// With u = 2^-24 the unit roundoff of a single and 2^-53 that of a double, while b <= bmax and
// 100 * bmax * i stays well below 2^31 (so the conversion to an integer does not saturate):
//   |I - b i| <= 0.005 + 2^-22 (bmax i + 0.01)     (half a cent, and four single roundings)
//   |p - (P - I)| <= 2^-23 (|P| + bmax i + 0.01)  (a double and a single rounding)
//   |b' - (b - p)| <= 2^-53 (bmax (1 + i) + |P| + 1)
// so b' = b (1 + i) - P + d with |d| <= delta, where
//   delta = 0.005 + 2^-20 (bmax i + |P| + 1) + 2^-50 bmax (1 + i)
// covers the three. The error e(j) = b(j) - cf(j) against the closed form
// cf(j) = s + (s i - P) A(j), A(j) = ((1 + i)^j - 1) / i, grows as e(j+1) = (1 + i) e(j) + d, so
// |e(j)| <= delta A(j) <= delta A(m) = E. The closed form is monotone in j (it moves away from, or
// towards, P / i), so over the run min cf(j) = min(s, cf(m)) and max cf(j) = max(s, cf(m)): every
// balance lies within [min(s, cf(m)) - E, max(s, cf(m)) + E], which checks the assumption b <= bmax
// by induction. The double evaluation of cf(m) and E (expm1 and log1p, each within an ulp or two,
// and a handful of products) is allowed for by a margin of 1e-12 of the magnitudes involved,
// hundreds of times what those evaluations can lose.
//
// Pay-off: a period pays the loan off only when single(b) <= p, and p <= P (the interest is never
// negative for b >= 0). A run whose every balance exceeds |P| + 1 therefore never pays off, and
// its end balance single(b(m)) is at least single(cf(m) - E), so at least any single floor below
// cf(m) - E.
//
// Interest total: a period that does not pay off has I = P - p + rho with |rho| <= 2^-23 (P + I),
// and b' = b - p + sigma; summed over the periods, the interest is mP - (s - b(m)) less the sigmas
// plus the rhos. The period that pays off has single(b) <= p, so its interest is at most
// P - b + rho + u b, and the loan ends there with at most mP - s + errors of interest. With P >= 0
// the sum of the exact interests is at most mP - s + max(0, b(m)) + m (2^-23 (P + bmax i + 0.01) +
// 2^-52 (bmax (1 + i) + P + 1)) + u bmax. The total is kept in a single: each of the at most m
// additions of non-negative terms rounds up by at most a factor (1 + u), so the total is at most
// (1 + u)^m <= 1 + 2 m u times that sum.
#include "analysis/run_bounds.h"

#include <algorithm>
#include <cmath>

namespace hl::analysis {
namespace {

constexpr double kSingleRound = 1.0 / 16777216.0; // 2^-24
constexpr double kEvalMargin = 1e-12;
// Far below the 2^31 at which the conversion of 100 x interest to an integer saturates.
constexpr double kMostInterestCents = 2.0e9;

struct ClosedForm {
    double end = 0;     ///< cf(m)
    double lowest = 0;  ///< min(s, cf(m)) - E - margin: no balance of the run is below it
    double highest = 0; ///< max(s, cf(m)) + E + margin: no balance of the run is above it
    double bmax = 0;    ///< the bound the allowance was computed for
    double error = 0;   ///< E + margin: |b(m) - cf(m)| is below it
};

std::optional<ClosedForm> Evaluate(const RunShape& run) {
    const double s = run.start;
    const double i = static_cast<double>(run.rate);
    const double p = static_cast<double>(run.payment);
    const int m = run.periods;
    if (!(s >= 0.0) || !(i > 0.0) || m < 1 || !std::isfinite(s) || !std::isfinite(p) ||
        !std::isfinite(run.log1pRate))
        return std::nullopt;
    const double grown = std::expm1(static_cast<double>(m) * run.log1pRate); // (1 + i)^m - 1
    const double a = grown / i;                                              // A(m)
    const double drift = s * i - p;
    const double end = s + drift * a;
    if (!std::isfinite(end) || !std::isfinite(a))
        return std::nullopt;
    ClosedForm cf;
    cf.end = end;
    cf.bmax = 2.0 * std::max(s, std::fabs(end)) + std::fabs(p) + 1.0;
    const double delta = 0.005 + (cf.bmax * i + std::fabs(p) + 1.0) * (4.0 * kSingleRound) +
                         cf.bmax * (1.0 + i) * std::ldexp(1.0, -50);
    const double allowance = delta * a;
    const double margin = kEvalMargin * (s + (s * i + std::fabs(p)) * a + allowance) + 1e-6;
    cf.error = allowance * (1.0 + kEvalMargin) + margin;
    cf.lowest = std::min(s, end) - cf.error;
    cf.highest = std::max(s, end) + cf.error;
    // The allowance holds only while every balance stays within bmax and the interest in cents
    // within the integers.
    if (!(cf.highest <= cf.bmax) || !(cf.bmax * i * 100.0 * (1.0 + 1e-6) < kMostInterestCents))
        return std::nullopt;
    return cf;
}

} // namespace

bool ProvenToEndAtLeast(const RunShape& run, Money floor) {
    const std::optional<ClosedForm> cf = Evaluate(run);
    if (!cf)
        return false;
    const double p = std::fabs(static_cast<double>(run.payment));
    return cf->lowest >= p + 1.0 && cf->end - cf->error >= static_cast<double>(floor);
}

std::optional<double> ProvenInterestAtMost(const RunShape& run) {
    if (!(run.payment >= 0.0f))
        return std::nullopt;
    const std::optional<ClosedForm> cf = Evaluate(run);
    if (!cf)
        return std::nullopt;
    const double i = static_cast<double>(run.rate);
    const double p = static_cast<double>(run.payment);
    const double m = static_cast<double>(run.periods);
    const double perPeriod = 2.0 * kSingleRound * (p + cf->bmax * i + 0.01) +
                             std::ldexp(1.0, -52) * (cf->bmax * (1.0 + i) + p + 1.0);
    const double sum = m * p - run.start + std::max(0.0, cf->end + cf->error) + m * perPeriod +
                       kSingleRound * cf->bmax;
    if (!(m * kSingleRound <= 1.0))
        return std::nullopt;
    const double total = std::max(0.0, sum) * (1.0 + 2.0 * m * kSingleRound);
    return total * (1.0 + kEvalMargin) + 1e-6;
}

} // namespace hl::analysis
