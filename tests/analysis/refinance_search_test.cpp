// The refinance search: the required inputs of each mode, the first date out of the term, the
// rate loop's ends, the three modes' rows, the CMHC rule, dates whose current loan is paid off,
// and stopping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/penalties.h"
#include "analysis/refinance_search.h"
#include "core/day_number.h"
#include "core/format.h"
#include "support/standard_scenario.h"

namespace hl::analysis {
namespace {

const char* kBothRequired = "Error, When solving for both date and interest rate, both are "
                            "required input.\r\rPlease ensure they are filled in.";
const char* kRateRequired = "Error, When Solving for the Date only, you must input an interest "
                            "rate.\r\rPlease input a valid interest rate.";
const char* kDateRequired = "Error, When Solving for the Interest Rate only, you must input a "
                            "discharge date.\r\rPlease input a valid discharge date.";
const char* kOutOfTerm = "Error - Discharge date is out of the term of the mortgage.  Please "
                         "adjust the discharge date so that it falls within the loan time frame.";

/// Keeps everything the search reports; asks to stop once it holds `stopAtRows` rows.
class Recorder : public SearchObserver {
  public:
    explicit Recorder(int stopAtRows = -1) : stopAtRows_(stopAtRows) {}
    void Progress(const SearchProgress& p) override { progress.push_back(p); }
    void Row(const SearchRow& row) override { rows.push_back(row); }
    bool StopRequested() override {
        ++stopQuestions;
        return stopAtRows_ >= 0 && static_cast<int>(rows.size()) >= stopAtRows_;
    }
    std::vector<SearchProgress> progress;
    std::vector<SearchRow> rows;
    int stopQuestions = 0;

  private:
    int stopAtRows_;
};

SearchInputs Inputs(SearchMode mode, std::string date, std::string cap, std::string costs = "",
                    PenaltyMethod penalty = PenaltyMethod::CalculatedScenario, bool cmhc = false) {
    return SearchInputs{mode, std::move(date), std::move(cap), std::move(costs), penalty, cmhc};
}

DayNumber Day(int year, int month, int day) { return DayFromCivil(year, month, day); }

/// The standard scenario: 100000 at 10 %, 25 years, Monthly payments from 1 January 1996 to
/// 1 December 2000.
class RefinanceSearch : public ::testing::Test {
  protected:
    /// Runs the search; the plain search must report the same, call for call.
    SearchOutcome Search(const SearchInputs& inputs, Recorder& recorder) const {
        const EngineInputs in{scenario, changes};
        const SearchOutcome outcome = RunRefinanceSearch(in, inputs, recorder);
        Recorder plain;
        if (!outcome.stopped) {
            const SearchOutcome reference = RunPlainRefinanceSearch(in, inputs, plain);
            EXPECT_EQ(outcome.found, reference.found);
            EXPECT_EQ(outcome.refusal, reference.refusal);
            EXPECT_EQ(recorder.rows, plain.rows);
            EXPECT_EQ(recorder.progress.size(), plain.progress.size());
        }
        return outcome;
    }
    SearchOutcome Search(const SearchInputs& inputs) const {
        Recorder recorder;
        return Search(inputs, recorder);
    }
    /// Balance owing and payments made on a date, as the search takes them.
    BalanceAt At(DayNumber date) const { return BalanceAtDate({scenario, changes}, date); }

    Scenario scenario = test::StandardScenario();
    PaymentChanges changes;
};

TEST_F(RefinanceSearch, EachModeRequiresItsInputs) {
    struct Case {
        SearchMode mode;
        const char* date;
        const char* cap;
        const char* refusal; ///< nullptr: the inputs pass
    };
    const Case cases[] = {
        {SearchMode::DateAndRate, "", "8.000", kBothRequired},
        {SearchMode::DateAndRate, "Jan 2, 1996", "", kBothRequired},
        {SearchMode::DateAndRate, "", "", kBothRequired},
        {SearchMode::DateAndRate, "Jan 2, 1996", "8.000", nullptr},
        // A box holding a blank is not empty.
        {SearchMode::DateAndRate, "Jan 2, 1996", " ", nullptr},
        {SearchMode::DateOnly, "", "", kRateRequired},
        {SearchMode::DateOnly, "Jan 2, 1996", "", kRateRequired},
        {SearchMode::DateOnly, "", "8.000", nullptr},
        {SearchMode::RateOnly, "", "8.000", kDateRequired},
        {SearchMode::RateOnly, "", "", kDateRequired},
        {SearchMode::RateOnly, "Jan 2, 1996", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " / " + c.cap + " / mode " +
                     std::to_string(static_cast<int>(c.mode)));
        const SearchInputs inputs = Inputs(c.mode, c.date, c.cap);
        const std::optional<calc::CalcMessage> refusal = CheckSearchInputs(inputs);
        if (!c.refusal) {
            EXPECT_FALSE(refusal);
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(*refusal, (calc::CalcMessage{"Mortgage Input Violation", c.refusal,
                                               calc::Buttons::Ok, true}));
        // The search refuses the same inputs before it tries anything.
        Recorder recorder;
        const SearchOutcome outcome = Search(inputs, recorder);
        EXPECT_EQ(outcome.refusal, refusal);
        EXPECT_EQ(recorder.stopQuestions, 0);
    }
}

TEST_F(RefinanceSearch, AFirstDateOutOfTheTermIsRefused) {
    const calc::CalcMessage outOfTerm{"Mortgage Input Violation", kOutOfTerm, calc::Buttons::Ok,
                                      true};
    // Before the start, on the first payment (none made yet), after the last payment, no date.
    for (const char* date : {"Dec 31, 1995", "Jan 1, 1996", "Dec 2, 2000", "not a date"}) {
        SCOPED_TRACE(date);
        Recorder recorder;
        const SearchOutcome outcome =
            Search(Inputs(SearchMode::DateAndRate, date, "8.000", "", PenaltyMethod::FutureValue),
                   recorder);
        EXPECT_EQ(outcome.refusal, outOfTerm);
        EXPECT_FALSE(outcome.found);
        EXPECT_TRUE(recorder.progress.empty());
    }
    // The last payment date is in the term; Date only ignores the date box.
    EXPECT_FALSE(Search(Inputs(SearchMode::DateAndRate, "Dec 1, 2000", "8.000")).refusal);
    EXPECT_FALSE(Search(Inputs(SearchMode::DateOnly, "not a date", "8.000")).refusal);
}

TEST_F(RefinanceSearch, TheRateLoopRunsFromTheCapWhileTheRateIsAtLeastFiveHundredths) {
    struct Case {
        const char* cap;
        std::size_t rates;    ///< rates tried at the one date
        const char* lastRate; ///< the last tried
    };
    // Costs no rate can cover: every rate of the loop is tried. From 10, 199 rates: the step
    // that would reach 0.050 falls just below it; from 0.2 the singles land just above it.
    const Case cases[] = {{"10.000", 199, "0.100"}, {"0.200", 4, "0.050"}, {"0.050", 1, "0.050"},
                          {"0.049", 0, ""},         {"0.000", 0, ""},      {" ", 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cap);
        Recorder recorder;
        scenario.rate = 10.0f;
        const SearchOutcome outcome =
            Search(Inputs(SearchMode::DateAndRate, "Nov 15, 2000", c.cap, "400000"), recorder);
        EXPECT_FALSE(outcome.found);
        EXPECT_FALSE(outcome.refusal);
        ASSERT_EQ(recorder.progress.size(), c.rates);
        if (c.rates == 0)
            continue;
        EXPECT_EQ(recorder.progress.front().rateText, FormatNumber(TextValue(c.cap), "#0.000"));
        EXPECT_EQ(recorder.progress.back().rateText, c.lastRate);
        EXPECT_EQ(recorder.progress.back().dateText, "Nov 15 2000");
    }
    // Interest Rate only ignores the cap box and starts at the scenario's rate.
    Recorder rateOnly;
    Search(Inputs(SearchMode::RateOnly, "Nov 15, 2000", "0.049", "400000"), rateOnly);
    ASSERT_EQ(rateOnly.progress.size(), 199u);
    EXPECT_EQ(rateOnly.progress.front().rateText, "10.000");
}

TEST_F(RefinanceSearch, ARowHoldsTheSavingRatesFigures) {
    // With the CMHC rule, the first saving is on 1 January 1999 (36 payments made): the
    // three-month penalty on the balance owing, and 8.55 the highest rate that saves.
    Recorder recorder;
    const SearchOutcome outcome = Search(Inputs(SearchMode::DateAndRate, "Jan 2, 1996", "10.000",
                                                "", PenaltyMethod::CalculatedScenario, true),
                                         recorder);
    EXPECT_TRUE(outcome.found);
    ASSERT_FALSE(recorder.rows.empty());
    const SearchRow first{"Jan 1 1999", "8.550",    "894.49", "2369.88",
                          "93991.93",   "93900.29", "91.64"};
    EXPECT_EQ(recorder.rows.front(), first);
    const BalanceAt at = At(Day(1999, 1, 1));
    EXPECT_EQ(at.paymentsMade, 36);
    EXPECT_EQ(
        FormatNumber(ThreeMonthInterest({scenario, at.balance, 36, 60, 8.55f}), "#######0.00"),
        first[3]);
    // The progress boxes showed each date with a balance owing at the end of the term, to the
    // last, where no rate saves any more.
    EXPECT_EQ(recorder.rows.back()[0], "Sep 1 2000");
    const SearchProgress& last = recorder.progress.back();
    EXPECT_EQ(last.dateText, "Nov 1 2000");
    EXPECT_EQ(last.rateText, "0.100");
    EXPECT_EQ(last.balanceText, "93991.91");
}

TEST_F(RefinanceSearch, TheCmhcRuleChargesTheThreeMonthPenaltyFromThreeYearsOfPayments) {
    // Rows by date with and without the rule: before 36 payments were made they are the same;
    // from the 36th on, the penalty is the three-month one even where the IRD is larger.
    Recorder with, without;
    Search(Inputs(SearchMode::DateAndRate, "Jan 2, 1996", "10.000", "",
                  PenaltyMethod::CalculatedScenario, true),
           with);
    Search(Inputs(SearchMode::DateAndRate, "Jan 2, 1996", "10.000", "",
                  PenaltyMethod::CalculatedScenario, false),
           without);
    ASSERT_FALSE(with.rows.empty());
    for (const SearchRow& row : with.rows) {
        SCOPED_TRACE(row[0]);
        const BalanceAt at = At(*ParseDate(row[0]));
        ASSERT_GE(at.paymentsMade, 36);
        const Single rate = sgl::Round(TextValue(row[1]));
        const PenaltyInputs penalty{scenario, at.balance, at.paymentsMade, 60, rate};
        EXPECT_EQ(row[3], FormatNumber(ThreeMonthInterest(penalty), "#######0.00"));
    }
    // The first row: there the IRD exceeds the three-month penalty, and without the rule the
    // date saves nothing.
    const BalanceAt at = At(Day(1999, 1, 1));
    const PenaltyInputs penalty{scenario, at.balance, 36, 60, 8.55f};
    EXPECT_GT(ActualScenarioCalculation(penalty), ThreeMonthInterest(penalty));
    for (const SearchRow& row : without.rows) {
        EXPECT_NE(row[0], "Jan 1 1999");
    }
    // The date before, with 35 payments made, saves nothing under the rule either.
    EXPECT_EQ(with.rows.front()[0], "Jan 1 1999");
    EXPECT_EQ(At(Day(1998, 12, 1)).paymentsMade, 35);
}

TEST_F(RefinanceSearch, InterestRateOnlyGivesAtMostOneRowForItsDate) {
    struct Case {
        const char* date;
        bool cmhc;
        const char* rate; ///< the row's rate, nullptr for no row
    };
    // Later dates save too (see the CMHC rows), but only the date given is examined.
    const Case cases[] = {{"Jan 1, 1999", true, "8.550"},
                          {"Oct 1, 1999", true, "7.800"},
                          {"Jun 15, 1998", false, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        Recorder recorder;
        const SearchOutcome outcome = Search(Inputs(SearchMode::RateOnly, c.date, "1.000", "",
                                                    PenaltyMethod::CalculatedScenario, c.cmhc),
                                             recorder);
        EXPECT_EQ(outcome.found, c.rate != nullptr);
        ASSERT_EQ(recorder.rows.size(), c.rate ? 1u : 0u);
        for (const SearchProgress& p : recorder.progress) {
            EXPECT_EQ(p.dateText, FormatDate(*ParseDate(c.date), "mmm d yyyy"));
        }
        if (c.rate) {
            EXPECT_EQ(recorder.rows[0][1], c.rate);
        }
    }
}

TEST_F(RefinanceSearch, DateOnlyTriesTheOneRateAtEveryDateFromTheDayAfterTheStart) {
    Recorder recorder;
    const SearchOutcome outcome =
        Search(Inputs(SearchMode::DateOnly, "Oct 1, 1999", "8.000", "", PenaltyMethod::FutureValue),
               recorder);
    EXPECT_TRUE(outcome.found);
    // One trial at each of the 59 dates from 2 January 1996, each at 8.000.
    ASSERT_EQ(recorder.progress.size(), 59u);
    EXPECT_EQ(recorder.progress.front().dateText, "Jan 2 1996");
    for (const SearchProgress& p : recorder.progress)
        EXPECT_EQ(p.rateText, "8.000");
    // 8.000 saves on the day after the start and each payment date to 1 August 1999.
    ASSERT_EQ(recorder.rows.size(), 44u);
    for (const SearchRow& row : recorder.rows)
        EXPECT_EQ(row[1], "8.000");
    EXPECT_EQ(recorder.rows.back()[0], "Aug 1 1999");
}

TEST_F(RefinanceSearch, ADateWhoseCurrentLoanIsPaidOffInTheTermGivesNoRow) {
    // Raising the payment by 3000 from 1 June 1998 pays the loan off before the term ends: after
    // that payment nothing is tried, while the dates up to it (whose payment in effect is the
    // old one) still save.
    changes.entries = {PaymentChange{0.0f, 3000.0f, Day(1998, 6, 1)}};
    Recorder recorder;
    Search(Inputs(SearchMode::DateAndRate, "Jan 2, 1996", "8.000", "", PenaltyMethod::FutureValue),
           recorder);
    ASSERT_FALSE(recorder.rows.empty());
    EXPECT_EQ(recorder.rows.back()[0], "Jun 1 1998");
    EXPECT_EQ(recorder.progress.back().dateText, "Jun 1 1998");
    // Interest Rate only at such a date ends with no row and tries nothing.
    Recorder rateOnly;
    const SearchOutcome outcome = Search(
        Inputs(SearchMode::RateOnly, "Jul 1, 1998", "", "", PenaltyMethod::FutureValue), rateOnly);
    EXPECT_FALSE(outcome.found);
    EXPECT_TRUE(rateOnly.progress.empty());
    // A loan amortized within its term is paid off at every date.
    changes.entries.clear();
    scenario.amortization = 4.0f;
    Recorder paidOff;
    EXPECT_FALSE(Search(Inputs(SearchMode::DateAndRate, "Jan 2, 1996", "10.000"), paidOff).found);
    EXPECT_TRUE(paidOff.progress.empty());
}

TEST_F(RefinanceSearch, StopEndsTheSearchBeforeTheNextRateKeepingTheRows) {
    const SearchInputs inputs = Inputs(SearchMode::DateAndRate, "Jan 2, 1996", "10.000", "",
                                       PenaltyMethod::CalculatedScenario, true);
    Recorder all;
    RunPlainRefinanceSearch({scenario, changes}, inputs, all);
    ASSERT_GT(all.rows.size(), 1u);
    for (int stopAt : {1, 2}) {
        SCOPED_TRACE(stopAt);
        for (bool fast : {true, false}) {
            Recorder recorder(stopAt);
            const SearchOutcome outcome =
                fast ? RunRefinanceSearch({scenario, changes}, inputs, recorder)
                     : RunPlainRefinanceSearch({scenario, changes}, inputs, recorder);
            EXPECT_TRUE(outcome.stopped);
            EXPECT_TRUE(outcome.found);
            ASSERT_EQ(recorder.rows.size(), static_cast<std::size_t>(stopAt));
            EXPECT_TRUE(std::equal(recorder.rows.begin(), recorder.rows.end(), all.rows.begin()));
            // No rate was tried after the row: the question came before the next trial.
            EXPECT_EQ(recorder.progress.back().rateText, recorder.rows.back()[1]);
            EXPECT_EQ(recorder.stopQuestions, static_cast<int>(recorder.progress.size()) + 1);
        }
    }
    // Stopped at once: nothing tried, nothing found (the window then says so).
    Recorder atOnce(0);
    const SearchOutcome outcome = RunRefinanceSearch({scenario, changes}, inputs, atOnce);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.found);
    EXPECT_TRUE(atOnce.progress.empty());
}

TEST(RefinanceSearchMessages, NothingFound) {
    EXPECT_EQ(NothingFoundMessage(),
              (calc::CalcMessage{"Mortgage Info Box",
                                 "No refinance savings where found.\r\rLook closer at the Early "
                                 "Dishcarge Penalty. It is usually the culprit.",
                                 calc::Buttons::Ok, false}));
}

} // namespace
} // namespace hl::analysis
