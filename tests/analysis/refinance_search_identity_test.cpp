// The fast search against the plain one: the same trials reported in the same order, the same
// rows byte for byte, on a thousand random scenarios and on the longest search there is.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "analysis/refinance_search.h"
#include "core/day_number.h"
#include "core/format.h"

namespace hl::analysis {
namespace {

/// Everything a search reports, in order.
class Transcript : public SearchObserver {
  public:
    void Progress(const SearchProgress& p) override {
        std::string line("progress ");
        line.append(p.dateText).append(" ").append(p.rateText).append(" ").append(p.balanceText);
        lines.push_back(std::move(line));
    }
    void Row(const SearchRow& row) override {
        std::string line("row");
        for (const std::string& cell : row)
            line.append("\t").append(cell);
        lines.push_back(line);
        ++rows;
    }
    bool StopRequested() override { return false; }
    std::vector<std::string> lines;
    int rows = 0;
};

struct Outcome {
    SearchOutcome outcome;
    Transcript transcript;
};

Outcome Search(bool fast, const Scenario& s, const PaymentChanges& changes,
               const SearchInputs& inputs) {
    Outcome r;
    const EngineInputs in{s, changes};
    r.outcome = fast ? RunRefinanceSearch(in, inputs, r.transcript)
                     : RunPlainRefinanceSearch(in, inputs, r.transcript);
    return r;
}

/// Random draws that do not depend on the standard library's distributions.
class Draw {
  public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}
    /// A whole number from lo to hi.
    int Between(int lo, int hi) {
        return lo + static_cast<int>(engine_() % static_cast<std::uint32_t>(hi - lo + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

  private:
    std::mt19937 engine_;
};

/// The payment dates of the scenario's term.
std::vector<DayNumber> PaymentDates(const Scenario& s) {
    std::vector<DayNumber> dates;
    DayNumber d = s.start;
    for (int k = 0; k < PaymentsInTerm(s.frequency, s.term); ++k) {
        dates.push_back(d);
        d = NextPaymentDate(d, s.frequency, s.start);
    }
    return dates;
}

struct RandomCase {
    Scenario scenario;
    PaymentChanges changes;
    SearchInputs inputs;
    bool hasChange = false;
    bool hasLump = false;
};

RandomCase MakeCase(Draw& draw) {
    RandomCase c;
    Scenario& s = c.scenario;
    s.frequency = static_cast<Frequency>(draw.Between(1, 4));
    s.amount = static_cast<Money>(draw.Between(200, 4000) * 100);
    s.rate = static_cast<Single>(draw.Between(8, 120)) / 8.0f; // 1 to 15 % in eighths
    s.amortization = static_cast<Single>(draw.Between(2, 35));
    // Terms kept short enough for the plain search (at most about two hundred payments), and
    // long enough for the CMHC rule.
    const int longest = s.frequency == kMonthly ? 10 : 4;
    s.term = static_cast<Single>(draw.Between(1, longest));
    if (draw.Chance(20))
        s.term = s.term + 0.5f;
    s.start = DayFromCivil(draw.Between(1992, 2030), draw.Between(1, 12), draw.Between(1, 28));

    // Payment changes and lump payments on payment dates (now and then on another day, which
    // holds back the entries after it), some lumps larger than the balance.
    const std::vector<DayNumber> dates = PaymentDates(s);
    int at = 0;
    for (int entries = draw.Between(0, 4); entries > 0 && !dates.empty(); --entries) {
        at += draw.Between(0, static_cast<int>(dates.size()) / 3);
        if (at >= static_cast<int>(dates.size()))
            break;
        PaymentChange entry;
        entry.date = dates[static_cast<std::size_t>(at)] + (draw.Chance(5) ? 1 : 0);
        if (draw.Chance(60)) {
            entry.change = static_cast<Money>(draw.Between(-6000, 30000)) / 100.0f;
            c.hasChange = true;
        }
        if (draw.Chance(50)) {
            entry.lump = static_cast<Money>(draw.Between(1, draw.Chance(10) ? 5000 : 300) * 100);
            c.hasLump = true;
        }
        c.changes.entries.push_back(entry);
        ++at;
    }

    SearchInputs& in = c.inputs;
    in.mode = static_cast<SearchMode>(draw.Between(4, 6));
    in.penalty = static_cast<PenaltyMethod>(draw.Between(1, 3));
    in.cmhc = draw.Chance(40);
    // The first date anywhere from before the start to after the term.
    const DayNumber last = dates.empty() ? s.start : dates.back();
    in.dateText = FormatDate(draw.Between(s.start - 20, last + 20), "mmm d, yyyy");
    if (draw.Chance(3))
        in.dateText.clear();
    const Single cap =
        static_cast<Single>(draw.Between(0, static_cast<int>(s.rate * 1000.0f))) / 1000.0f;
    in.capText = FormatNumber(cap, "#0.000");
    if (draw.Chance(3))
        in.capText = std::string(draw.Chance(50) ? 1 : 0, ' ');
    const char* costs[] = {"", "0", "250", "1500.50", "5000", "20000", "400000"};
    in.costsText = costs[draw.Between(0, 6)];
    return c;
}

TEST(RefinanceSearchIdentity, FastAndPlainAgreeOnRandomScenarios) {
    Draw draw(20261208);
    int byMode[7] = {}, byMethod[4] = {}, foundByMode[7] = {}, foundByMethod[4] = {}, cmhc = 0,
        withChange = 0, withLump = 0, found = 0, refused = 0, rows = 0;
    long trials = 0;
    for (int n = 0; n < 1000; ++n) {
        const RandomCase c = MakeCase(draw);
        const Outcome plain = Search(false, c.scenario, c.changes, c.inputs);
        const Outcome fast = Search(true, c.scenario, c.changes, c.inputs);
        ASSERT_EQ(fast.transcript.lines, plain.transcript.lines)
            << "case " << n << ": mode " << static_cast<int>(c.inputs.mode) << ", penalty "
            << static_cast<int>(c.inputs.penalty) << ", cmhc " << c.inputs.cmhc << ", date "
            << c.inputs.dateText << ", cap " << c.inputs.capText;
        ASSERT_EQ(fast.outcome.found, plain.outcome.found) << "case " << n;
        ASSERT_EQ(fast.outcome.refusal, plain.outcome.refusal) << "case " << n;
        ASSERT_FALSE(fast.outcome.stopped);
        ++byMode[static_cast<int>(c.inputs.mode)];
        ++byMethod[static_cast<int>(c.inputs.penalty)];
        cmhc += c.inputs.cmhc;
        withChange += c.hasChange;
        withLump += c.hasLump;
        found += plain.outcome.found;
        foundByMode[static_cast<int>(c.inputs.mode)] += plain.outcome.found;
        foundByMethod[static_cast<int>(c.inputs.penalty)] += plain.outcome.found;
        refused += plain.outcome.refusal.has_value();
        rows += plain.transcript.rows;
        trials += static_cast<long>(plain.transcript.lines.size()) - plain.transcript.rows;
    }
    // What the cases covered, so that a change to the draws cannot thin them out unnoticed.
    for (int mode = 4; mode <= 6; ++mode) {
        EXPECT_GE(byMode[mode], 250) << mode;
        EXPECT_GE(foundByMode[mode], 20) << mode;
    }
    for (int method = 1; method <= 3; ++method) {
        EXPECT_GE(byMethod[method], 250) << method;
        EXPECT_GE(foundByMethod[method], 20) << method;
    }
    EXPECT_GE(cmhc, 300);
    EXPECT_GE(withChange, 300);
    EXPECT_GE(withLump, 300);
    EXPECT_GE(found, 120);
    EXPECT_GE(refused, 40);
    EXPECT_GE(rows, 3000);
    EXPECT_GE(trials, 500000);
    std::printf(
        "%d found (by mode %d %d %d, by method %d %d %d), %d refused, %d rows, %ld trials\n", found,
        foundByMode[4], foundByMode[5], foundByMode[6], foundByMethod[1], foundByMethod[2],
        foundByMethod[3], refused, rows, trials);
    RecordProperty("found", found);
    RecordProperty("rows", rows);
    RecordProperty("trials", static_cast<int>(trials));
}

TEST(RefinanceSearchIdentity, FastAndPlainAgreeOnTheLongestSearch) {
    // 35 years of Weekly payments, 100000 at 25 % with the payment lowered by 41.60 from the
    // start so that the term does not pay it off, searched from the day after the start with
    // rates from 25 down at each of the 1819 dates (about 900000 trials; the plain search takes
    // half a minute).
    Scenario s;
    s.amount = 100000.0f;
    s.rate = 25.0f;
    s.amortization = 35.0f;
    s.term = 35.0f;
    s.start = DayFromCivil(2000, 1, 3);
    s.frequency = kWeekly;
    PaymentChanges changes;
    changes.entries = {PaymentChange{0.0f, -41.60f, s.start}};
    const SearchInputs inputs{SearchMode::DateAndRate,
                              FormatDate(s.start + 1, "mmm d, yyyy"),
                              "25.000",
                              "400000",
                              PenaltyMethod::CalculatedScenario,
                              false};
    const Outcome plain = Search(false, s, changes, inputs);
    const Outcome fast = Search(true, s, changes, inputs);
    EXPECT_GT(plain.transcript.lines.size(), 900000u);
    EXPECT_GT(plain.transcript.rows, 0);
    EXPECT_EQ(fast.outcome.found, plain.outcome.found);
    ASSERT_EQ(fast.transcript.lines.size(), plain.transcript.lines.size());
    EXPECT_TRUE(fast.transcript.lines == plain.transcript.lines);
}

} // namespace
} // namespace hl::analysis
