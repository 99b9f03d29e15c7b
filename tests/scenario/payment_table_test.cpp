// The payment-changes grid as plain data: rows and their texts, the single cursor, the store into
// the table with its 200-entry room, and the parked copy.
#include <gtest/gtest.h>

#include "core/day_number.h"
#include "core/text_items.h"
#include "engine/working_names.h"
#include "scenario/payment_table.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

// The debug level's sample scenario: 5 years of Weekly payments from 24 March 1992, a change of
// 31.49 on the first payment and a lump of 3000 on payment 45 (26 January 1993).
const DayNumber kStart = DayFromCivil(1992, 3, 24);
const DayNumber kPayment45 = DayFromCivil(1993, 1, 26);

PaymentChanges SampleChanges() {
    PaymentChanges t;
    t.entries = {PaymentChange{0.0f, 31.49f, kStart}, PaymentChange{3000.0f, 0.0f, kPayment45}};
    return t;
}

PaymentGrid WeeklyGrid(const PaymentChanges& changes, Single years = 5.0f) {
    PaymentGrid g;
    g.Prepare(years, kWeekly, kStart, changes);
    return g;
}

TEST(PaymentGridRows, FiveYearsWeeklyListsEveryPaymentThenAnEmptyRow) {
    const PaymentGrid g = WeeklyGrid({});
    ASSERT_EQ(g.PaymentRows(), 260);
    ASSERT_EQ(g.Rows(), 261);
    EXPECT_EQ(g.Cell(0, kPayNumberColumn), "001");
    EXPECT_EQ(g.Cell(0, kPayDateColumn), "Mar 24 92");
    EXPECT_EQ(g.Cell(1, kPayDateColumn), "Mar 31 92");
    EXPECT_EQ(g.Date(44), kPayment45);
    EXPECT_EQ(g.Cell(44, kPayDateColumn), "Jan 26 93");
    EXPECT_EQ(g.Cell(259, kPayNumberColumn), "260");
    EXPECT_EQ(g.Date(259), kStart + 259 * 7);
    EXPECT_EQ(g.Cell(0, kChangeColumn), "");
    for (int c = 0; c < kPaymentColumns; ++c)
        EXPECT_EQ(g.Cell(260, c), "") << "trailing row, column " << c;
}

TEST(PaymentGridRows, EntriesShowFourDigitNumbersAndTheirAmounts) {
    const PaymentGrid g = WeeklyGrid(SampleChanges());
    EXPECT_EQ(g.Cell(0, kPayNumberColumn), "0001");
    EXPECT_EQ(g.Cell(0, kChangeColumn), "31.49");
    EXPECT_EQ(g.Cell(0, kLumpColumn), "0.00");
    EXPECT_EQ(g.Cell(1, kPayNumberColumn), "002");
    EXPECT_EQ(g.Cell(1, kChangeColumn), "");
    EXPECT_EQ(g.Cell(44, kPayNumberColumn), "0045");
    EXPECT_EQ(g.Cell(44, kChangeColumn), "0.00");
    EXPECT_EQ(g.Cell(44, kLumpColumn), "3000.00");
}

TEST(PaymentGridRows, AnEntryOffTheCalendarHidesItselfAndEveryLaterEntry) {
    // The engine's one cursor never gets past such an entry, so the grid shows none after it.
    PaymentChanges t;
    t.entries = {PaymentChange{100.0f, 0.0f, kStart + 7},   // payment 2: shown
                 PaymentChange{200.0f, 0.0f, kStart + 10},  // a Friday: no payment date
                 PaymentChange{300.0f, 0.0f, kStart + 21}}; // payment 4: held back
    const PaymentGrid g = WeeklyGrid(t);
    EXPECT_EQ(g.Cell(1, kLumpColumn), "100.00");
    EXPECT_EQ(g.Cell(3, kLumpColumn), "");
    EXPECT_EQ(g.Cell(3, kPayNumberColumn), "004");
    EXPECT_EQ(g.Store().Count(), 1);
}

TEST(PaymentGridRows, MonthlyAndTwiceAMonthFollowThePaymentCalendar) {
    PaymentGrid g;
    g.Prepare(1.0f, kMonthly, DayFromCivil(1997, 1, 31), {});
    ASSERT_EQ(g.PaymentRows(), 12);
    EXPECT_EQ(g.Cell(1, kPayDateColumn), "Feb 28 97");
    EXPECT_EQ(g.Cell(2, kPayDateColumn), "Mar 31 97");
    EXPECT_EQ(g.Cell(3, kPayDateColumn), "Apr 30 97");

    g.Prepare(1.0f, kTwiceAMonth, DayFromCivil(1996, 1, 15), {});
    ASSERT_EQ(g.PaymentRows(), 24);
    EXPECT_EQ(g.Cell(3, kPayDateColumn), "Feb 29 96");
    EXPECT_EQ(g.Cell(23, kPayDateColumn), "Dec 30 96");
}

TEST(PaymentGridRows, PreparingAgainReplacesTheRows) {
    PaymentGrid g = WeeklyGrid(SampleChanges());
    g.SetCell(5, kLumpColumn, "12.00");
    g.Prepare(1.0f, kEveryTwoWeeks, kStart, {});
    EXPECT_EQ(g.PaymentRows(), 26);
    EXPECT_EQ(g.Rows(), 27);
    EXPECT_EQ(g.Cell(0, kPayNumberColumn), "001");
    EXPECT_EQ(g.Cell(5, kLumpColumn), "");
    EXPECT_EQ(g.Cell(1, kPayDateColumn), "Apr 07 92");

    g.Prepare(0.0f, kWeekly, kStart, SampleChanges()); // no payments: only the empty row
    EXPECT_EQ(g.PaymentRows(), 0);
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.Store().Count(), 0);
}

TEST(PaymentGridCells, AnEndedEditGivesNumbersTwoDecimals) {
    EXPECT_EQ(EditedCellText("3000"), "3000.00");
    EXPECT_EQ(EditedCellText("31.49"), "31.49");
    EXPECT_EQ(EditedCellText("31.497"), "31.50");
    EXPECT_EQ(EditedCellText(".5"), "0.50");
    EXPECT_EQ(EditedCellText("12."), "12.00");
    EXPECT_EQ(EditedCellText("0"), "0.00");
    EXPECT_EQ(EditedCellText(""), "");
    // Not a number: kept as typed, and read as its leading number when stored.
    EXPECT_EQ(EditedCellText("1.2.3"), "1.2.3");
    EXPECT_EQ(EditedCellText("."), ".");
    EXPECT_EQ(EditedCellText("Mar 24 92"), "Mar 24 92");
}

TEST(PaymentGridCells, CellsReadTheirLeadingNumber) {
    EXPECT_EQ(CellAmount("3000.00"), 3000.0f);
    EXPECT_EQ(CellAmount("12.5.7"), 12.5f);
    EXPECT_EQ(CellAmount("abc"), 0.0f);
    EXPECT_EQ(CellAmount(""), 0.0f);
    // Past the range of a single: no entry rather than an infinite one.
    EXPECT_EQ(CellAmount(std::string(45, '9')), 0.0f);
}

TEST(PaymentGridStore, RowsWithValuesBecomeEntriesInRowOrder) {
    PaymentGrid g = WeeklyGrid({});
    g.SetCell(44, kLumpColumn, "3000.00"); // typed first, but later in the grid
    g.SetCell(0, kChangeColumn, "31.49");
    const PaymentChanges t = g.Store();
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.At(1), (PaymentChange{0.0f, 31.49f, kStart}));
    EXPECT_EQ(t.At(2), (PaymentChange{3000.0f, 0.0f, kPayment45}));
    EXPECT_EQ(t.entries, SampleChanges().entries);
}

TEST(PaymentGridStore, ZerosAndClearedCellsMakeNoEntry) {
    PaymentGrid g = WeeklyGrid(SampleChanges());
    g.SetCell(7, kChangeColumn, "0.00");
    g.SetCell(7, kLumpColumn, "0.00");
    EXPECT_FALSE(g.MakesEntry(7));
    g.SetCell(44, kChangeColumn, "");
    g.SetCell(44, kLumpColumn, "");
    const PaymentChanges t = g.Store();
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.At(1).date, kStart);
    // Number and date cells are never read back.
    g.SetCell(3, kPayNumberColumn, "55.00");
    g.SetCell(3, kPayDateColumn, "Jan 1 93");
    EXPECT_EQ(g.Store().entries, t.entries);
}

TEST(PaymentGridStore, ClearingAmountsKeepsNumbersAndDates) {
    PaymentGrid g = WeeklyGrid(SampleChanges());
    g.ClearAmounts();
    EXPECT_EQ(g.Cell(0, kPayNumberColumn), "0001");
    EXPECT_EQ(g.Cell(0, kPayDateColumn), "Mar 24 92");
    EXPECT_EQ(g.Cell(0, kChangeColumn), "");
    EXPECT_EQ(g.Cell(44, kLumpColumn), "");
    EXPECT_EQ(g.Store().Count(), 0);
}

// 35 years of Weekly payments give 1820 rows while the table holds 200 entries.
class FullTable : public ::testing::Test {
  protected:
    void SetUp() override {
        g.Prepare(35.0f, kWeekly, kStart, {});
        ASSERT_EQ(g.PaymentRows(), 1820);
        for (int r = 0; r < 200; ++r)
            g.SetCell(r, kLumpColumn, "10.00");
    }
    PaymentGrid g;
};

TEST_F(FullTable, ANewEntryWouldOverflowButExistingOnesMayChange) {
    EXPECT_EQ(g.EntryRows(), 200);
    EXPECT_TRUE(g.WouldOverflow(500, kChangeColumn, "5.00"));
    EXPECT_TRUE(g.WouldOverflow(200, kLumpColumn, "1.2.3"));
    EXPECT_FALSE(g.WouldOverflow(500, kChangeColumn, "0.00"));
    EXPECT_FALSE(g.WouldOverflow(500, kChangeColumn, ""));
    EXPECT_FALSE(g.WouldOverflow(500, kPayDateColumn, "7.00"));
    EXPECT_FALSE(g.WouldOverflow(1820, kChangeColumn, "7.00")); // the trailing row
    EXPECT_FALSE(g.WouldOverflow(0, kChangeColumn, "5.00"));
    g.SetCell(199, kLumpColumn, "");
    EXPECT_FALSE(g.WouldOverflow(500, kChangeColumn, "5.00"));
}

TEST_F(FullTable, TheStoreNeverWritesPastTheTwoHundredthEntry) {
    for (int r = 1000; r < 1050; ++r)
        g.SetCell(r, kChangeColumn, "1.00");
    const PaymentChanges t = g.Store();
    ASSERT_EQ(t.Count(), PaymentChanges::kMaxEntries);
    EXPECT_EQ(t.At(200).date, g.Date(199));
    EXPECT_EQ(t.At(200).lump, 10.0f);
}

TEST(PaymentSummary, LinesOfTheSummaryAndOfTheParkedCopy) {
    const PaymentChanges t = SampleChanges();
    EXPECT_EQ(SummaryLine(t.At(1)), "Mar 24 1992   31.49   0.00");
    EXPECT_EQ(SummaryLine(t.At(2)), "Jan 26 1993   0.00   3000.00");
    PaymentChanges withEmpty = t;
    withEmpty.entries.insert(withEmpty.entries.begin() + 1, PaymentChange{0.0f, 0.0f, kStart + 7});
    EXPECT_EQ(SummaryLines(withEmpty), (std::vector<std::string>{"Mar 24 1992   31.49   0.00",
                                                                 "Jan 26 1993   0.00   3000.00"}));
    EXPECT_EQ(ParkedLine(t.At(1)),
              "Mar 24 1992" + std::string(15, ' ') + "31.49" + std::string(14, ' ') + "0.00");
    EXPECT_EQ(ParkedLine(PaymentChange{123456.78f, 0.5f, DayFromCivil(1993, 1, 5)}),
              "Jan 5 1993" + std::string(15, ' ') + "0.50" + std::string(14, ' ') + "123456.78");
}

TEST(ParkedChanges, ReadsTheCountThenLumpChangeAndDateOfEachEntry) {
    test::TempFolder folder;
    test::Spit(folder.Path(kParkedChangesFile), "2\r\n0,31.49," + std::to_string(kStart) +
                                                    "\r\n3000,0," + std::to_string(kPayment45) +
                                                    "\r\n");
    EXPECT_EQ(ReadParkedChanges(folder.Prefix()), SampleChanges().entries);

    test::Spit(folder.Path(kParkedChangesFile), "0\r\n");
    EXPECT_TRUE(ReadParkedChanges(folder.Prefix()).empty());

    test::Spit(folder.Path(kParkedChangesFile), "2\r\n0,31.49," + std::to_string(kStart) + "\r\n");
    EXPECT_THROW(ReadParkedChanges(folder.Prefix()), ItemFormatError);

    test::TempFolder empty;
    EXPECT_THROW(ReadParkedChanges(empty.Prefix()), ItemFormatError);
}

TEST(ParkedChanges, WrittenAsTheViewerReadsThem) {
    test::TempFolder folder;
    PaymentChanges changes;
    changes.entries = SampleChanges().entries;
    ASSERT_TRUE(WriteParkedChanges(folder.Prefix(), changes));
    EXPECT_EQ(test::Slurp(folder.Path(kParkedChangesFile)),
              "2\r\n0,31.49," + std::to_string(kStart) + "\r\n3000,0," +
                  std::to_string(kPayment45) + "\r\n");
    // A later parking replaces the earlier one whole.
    ASSERT_TRUE(WriteParkedChanges(folder.Prefix(), PaymentChanges{}));
    EXPECT_TRUE(ReadParkedChanges(folder.Prefix()).empty());
}

} // namespace
} // namespace hl
