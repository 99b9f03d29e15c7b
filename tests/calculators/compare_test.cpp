// The comparison of two scenarios: the checks of scenario two's boxes, scenario one's figures from
// its schedule, scenario two's from its own run, and the third column read from the texts shown.
#include <gtest/gtest.h>

#include "calculators/compare.h"
#include "core/day_number.h"
#include "core/format.h"
#include "support/standard_scenario.h"

namespace hl::calc {
namespace {

struct BoxCase {
    TwoBox box;
    const char* typed;
    FieldOutcome outcome;
    const char* shown; ///< the accepted text
};

class TwoBoxBounds : public testing::TestWithParam<BoxCase> {};

TEST_P(TwoBoxBounds, AboveZeroUpToTheTopAsSingles) {
    const BoxCase& c = GetParam();
    const FieldCheck check = CheckTwoBox(c.box, c.typed);
    EXPECT_EQ(check.outcome, c.outcome) << c.typed;
    if (c.outcome == FieldOutcome::Accepted) {
        EXPECT_EQ(check.text, c.shown);
    }
    EXPECT_EQ(check.message.has_value(), c.outcome == FieldOutcome::Rejected);
}

// The bounds are exclusive at 0 and inclusive at the top, whatever the messages say ("between 1
// and 500000").
INSTANTIATE_TEST_SUITE_P(
    Compare, TwoBoxBounds,
    testing::Values(BoxCase{TwoBox::Amount, "0.5", FieldOutcome::Accepted, "0.50"},
                    BoxCase{TwoBox::Amount, "500000", FieldOutcome::Accepted, "500000.00"},
                    BoxCase{TwoBox::Amount, "500000.5", FieldOutcome::Rejected, ""},
                    BoxCase{TwoBox::Amount, "0", FieldOutcome::Rejected, ""},
                    BoxCase{TwoBox::Amount, "", FieldOutcome::Empty, ""},
                    BoxCase{TwoBox::Rate, "25", FieldOutcome::Accepted, "25.000"},
                    BoxCase{TwoBox::Rate, "25.001", FieldOutcome::Rejected, ""},
                    BoxCase{TwoBox::Rate, "7.1234", FieldOutcome::Accepted, "7.123"},
                    BoxCase{TwoBox::Amortization, "35", FieldOutcome::Accepted, "35.00"},
                    BoxCase{TwoBox::Amortization, "35.01", FieldOutcome::Rejected, ""},
                    BoxCase{TwoBox::Term, "35", FieldOutcome::Accepted, "35.00"},
                    BoxCase{TwoBox::Term, "35.5", FieldOutcome::Rejected, ""},
                    BoxCase{TwoBox::Start, "Jan 1 96", FieldOutcome::Accepted, "Jan 1, 1996"},
                    BoxCase{TwoBox::Start, "someday", FieldOutcome::Rejected, ""},
                    BoxCase{TwoBox::Start, "", FieldOutcome::Empty, ""}));

TEST(CompareChecks, MessagesNameTheirBoxAndHowToGoOn) {
    const std::string goOn = "\rA valid value (or nothing) must be entered to continue.\r\r"
                             "Do you want to correct your input. (Selecting [No] will clear the "
                             "field).";
    EXPECT_EQ(CheckTwoBox(TwoBox::Amount, "600000").message->text,
              "Error, value entered in the mortgage box must be between 1 and 500000" + goOn);
    EXPECT_EQ(CheckTwoBox(TwoBox::Amortization, "40").message->text,
              "Error, value entered in the Amortizaton box must be between 1 and 35" + goOn);
    const CalcMessage date = *CheckTwoBox(TwoBox::Start, "later").message;
    EXPECT_EQ(date.title, "Mortgage Input Error");
    EXPECT_EQ(date.buttons, Buttons::YesNo);
    EXPECT_EQ(date.text, "Error, this is not a valid date.  \rA valid date (or nothing) must be "
                         "entered to continue.\r\rDo you want to correct your input. (Selecting "
                         "[No] will clear the field).");
}

TEST(CompareChecks, LengthAboveAnAmortizationOnly) {
    const std::optional<CalcMessage> over = CheckTwoLength("30.00", "25.00");
    ASSERT_TRUE(over.has_value());
    EXPECT_EQ(*over, (CalcMessage{"Mortgage Input Violation",
                                  "Error, Length of loan cannot exceed the Amortization period "
                                  "specified",
                                  Buttons::Ok, true}));
    // Without an amortization there is nothing to exceed.
    EXPECT_FALSE(CheckTwoLength("30.00", "").has_value());
    EXPECT_FALSE(CheckTwoLength("25.00", "25.00").has_value());
}

TEST(CompareDifferences, NetSavingCountsWhatEachScenarioPaid) {
    // Scenario two clears the balance but pays 600 more regularly and 500 in lumps: 1000 saved on
    // the balance, 1100 more paid, so 100 lost overall.
    ScenarioOneTexts one;
    one.balance = "1000.00";
    one.regularPaid = "5000.00";
    one.lumpPaid = "0.00";
    CompareTexts two;
    two.balance = "0.00";
    two.regularPaid = "5600.00";
    two.lumpPaid = "500.00";
    FillDifferences(one, two);
    EXPECT_EQ(two.balanceDifference, "1000.00");
    EXPECT_EQ(two.grossSaving, "1000.00");
    EXPECT_EQ(two.lumpDifference, "-500.00");
    EXPECT_EQ(two.regularDifference, "-600.00");
    EXPECT_EQ(two.netSaving, "-100.00");
}

TEST(CompareDifferences, ReadFromTheTextsShownNotTheFiguresBehindThem) {
    // 0.005 more on each side would make a cent once added unrounded: the column adds what the
    // user reads.
    ScenarioOneTexts one;
    one.regularPaid = "100.01";
    one.lumpPaid = "0.01";
    one.balance = "50.01";
    CompareTexts two;
    two.balance = "0.00";
    two.lumpPaid = "0.00";
    two.regularPaid = "0.00";
    FillDifferences(one, two);
    EXPECT_EQ(two.netSaving, "150.03");
}

ScheduleFile ScheduleOf(const Scenario& s, const PaymentChanges& changes) {
    SilentMessages quiet;
    return RunSchedule(EngineInputs{s, changes}, quiet).schedule;
}

ScenarioTwoBoxes BoxesOf(const ScenarioOneTexts& one, const Scenario& s) {
    return ScenarioTwoBoxes{
        one.amount,   one.rate, one.amortization, one.term, FormatDate(s.start, "mmm d yyyy"),
        one.frequency};
}

TEST(CompareScenarios, ScenarioOneShowsItsScheduleAndTheLastRecord) {
    // The standard scenario (a lender's example: 894.49 a month), 60 payments.
    const Scenario s = test::StandardScenario();
    const ScheduleFile schedule = ScheduleOf(s, {});
    const ScenarioOneTexts one = ScenarioOneOf(s, 0, schedule);
    EXPECT_EQ(one.amount, "100000.00");
    EXPECT_EQ(one.rate, "10.000");
    EXPECT_EQ(one.amortization, "25.00");
    EXPECT_EQ(one.term, "5.00");
    EXPECT_EQ(one.start, "Jan, 1 1996");
    EXPECT_EQ(one.frequency, "Monthly");
    EXPECT_EQ(one.payment, "894.49");
    EXPECT_EQ(one.regularPaid, "53669.40"); // 60 x 894.49
    EXPECT_EQ(one.lumpPaid, "0.00");
    EXPECT_EQ(one.closingDate, "Dec 1 2000");
    EXPECT_FALSE(one.hasChanges);
    EXPECT_TRUE(ScenarioOneOf(s, 2, schedule).hasChanges);
}

TEST(CompareScenarios, TheSameScenarioTwiceDiffersByNothing) {
    // The schedule (scenario one) and the summary run (scenario two) walk the loan alike, so a
    // copy of scenario one with its changes must show no difference at all.
    const Scenario s = test::SampleScenario();
    PaymentChanges changes;
    changes.entries = test::SampleChanges();
    const ScenarioOneTexts one = ScenarioOneOf(s, changes.Count(), ScheduleOf(s, changes));
    SilentMessages quiet;
    const CompareTexts two = CompareScenarios(one, BoxesOf(one, s), changes, kMonthly, quiet);
    EXPECT_EQ(two.closingDate, one.closingDate);
    EXPECT_EQ(two.balance, one.balance);
    EXPECT_EQ(two.principal, one.principal);
    EXPECT_EQ(two.interest, one.interest);
    EXPECT_EQ(two.lumpPaid, "3000.00");
    EXPECT_EQ(two.regularPaid, one.regularPaid);
    for (const std::string* difference : {&two.lumpDifference, &two.balanceDifference,
                                          &two.grossSaving, &two.regularDifference, &two.netSaving})
        EXPECT_EQ(*difference, "0.00");
}

TEST(CompareScenarios, ScenarioTwoRunsOverItsOwnTable) {
    // Scenario one has the sample's changes; scenario two the same loan without them. The lump of
    // 3000 is scenario one's only: scenario two must owe more at the end.
    const Scenario s = test::SampleScenario();
    PaymentChanges changes;
    changes.entries = test::SampleChanges();
    const ScenarioOneTexts one = ScenarioOneOf(s, changes.Count(), ScheduleOf(s, changes));
    SilentMessages quiet;
    const CompareTexts two = CompareScenarios(one, BoxesOf(one, s), {}, kMonthly, quiet);
    const ScenarioOneTexts plain = ScenarioOneOf(s, 0, ScheduleOf(s, {}));
    EXPECT_EQ(two.balance, plain.balance);
    EXPECT_EQ(two.lumpPaid, "0.00");
    EXPECT_EQ(two.lumpDifference, "3000.00");
    EXPECT_NE(two.balance, one.balance);
}

TEST(CompareScenarios, BoxesReadAsTheWindowReadsThem) {
    ScenarioTwoBoxes boxes{"102500.00", "9.375", "25.00", "5.00", "Mar 24, 1992", "Weekly"};
    EXPECT_TRUE(boxes.Complete());
    EXPECT_EQ(ScenarioTwoOf(boxes, kMonthly), test::SampleScenario());
    // A text the list lacks keeps the current scenario's frequency.
    boxes.frequency = "Fortnightly";
    EXPECT_EQ(ScenarioTwoOf(boxes, kEveryTwoWeeks).frequency, kEveryTwoWeeks);
    boxes.start.clear();
    EXPECT_FALSE(boxes.Complete());
}

TEST(CompareScenarios, PaymentPreviewWaitsForAmountRateAndAmortization) {
    ScenarioTwoBoxes boxes{"100000", "10", "", "", "", "Monthly"};
    EXPECT_FALSE(PaymentPreview(boxes, kWeekly).has_value());
    boxes.amortization = "25";
    EXPECT_EQ(PaymentPreview(boxes, kWeekly), "894.49");
    boxes.frequency = "Weekly"; // a quarter of the monthly payment, cut to the cent
    EXPECT_EQ(PaymentPreview(boxes, kMonthly), "223.62");
}

} // namespace
} // namespace hl::calc
