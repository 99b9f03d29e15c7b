// The schedule grid's rows for the three options, its cell texts and the copied selection.
#include <gtest/gtest.h>

#include "core/day_number.h"
#include "display/schedule_view.h"
#include "engine/engine_fixture.h"
#include "engine/schedule_file.h"

namespace hl {
namespace {

using test::EngineFixture;

std::vector<int> Numbers(const std::vector<ScheduleRow>& rows) {
    std::vector<int> out;
    for (const ScheduleRow& r : rows)
        out.push_back(r.opening ? 0 : r.record.number);
    return out;
}

std::vector<ScheduleRow> Rows(EngineFixture& f, ScheduleView view) {
    return ScheduleRows(f.Schedule(), view, f.scenario.frequency, f.scenario.start);
}

TEST(ScheduleRows, AllPaymentsFollowTheOpeningBalance) {
    EngineFixture f; // 100000 at 10 %, 25 years, Monthly, 5-year term from Jan 1 1996
    const std::vector<ScheduleRow> rows = Rows(f, ScheduleView::AllPayments);
    ASSERT_EQ(rows.size(), 61u);
    EXPECT_TRUE(rows[0].opening);
    EXPECT_EQ(rows[0].openingBalance, 100000.0f);
    EXPECT_EQ(rows[1].record.number, 1);
    EXPECT_EQ(rows[60].record.number, 60);
}

TEST(ScheduleRows, AnniversariesOfAFiveYearMonthlySchedule) {
    EngineFixture f;
    EXPECT_EQ(Numbers(Rows(f, ScheduleView::Anniversaries)),
              (std::vector<int>{0, 12, 24, 36, 48, 60}));
}

TEST(ScheduleRows, AnniversariesCountThePaymentsOfTheFrequency) {
    EngineFixture weekly(kWeekly);
    weekly.scenario.term = 2.0f;
    EXPECT_EQ(Numbers(Rows(weekly, ScheduleView::Anniversaries)), (std::vector<int>{0, 52, 104}));
    EngineFixture twice(kTwiceAMonth);
    twice.scenario.term = 2.0f;
    EXPECT_EQ(Numbers(Rows(twice, ScheduleView::Anniversaries)), (std::vector<int>{0, 24, 48}));
}

TEST(ScheduleRows, YearEndsFromJanuary1996ToMarch2001) {
    EngineFixture f;
    f.scenario.term = 5.25f; // 63 payments: Jan 1 1996 to Mar 1 2001
    const std::vector<ScheduleRow> rows = Rows(f, ScheduleView::YearEnds);
    // The last payment of each of 1996 to 2000; 2001 has not ended and gets no row.
    EXPECT_EQ(Numbers(rows), (std::vector<int>{0, 12, 24, 36, 48, 60}));
    for (std::size_t k = 1; k < rows.size(); ++k)
        EXPECT_EQ(rows[k].record.date, DayFromCivil(1995 + static_cast<int>(k), 12, 1));
}

TEST(ScheduleRows, YearEndsOfWeeklyPaymentsTakeTheLastPaymentOfEachYear) {
    EngineFixture f(kWeekly); // Jan 1 1996 + 7 days a payment
    f.scenario.term = 2.0f;   // 104 payments, the last on Dec 22 1997
    const std::vector<ScheduleRow> rows = Rows(f, ScheduleView::YearEnds);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].record.date, DayFromCivil(1996, 12, 30)); // payment 53
    EXPECT_EQ(rows[1].record.number, 53);
}

TEST(ScheduleRows, AScheduleWithinOneYearHasOnlyTheOpeningRowAtYearEnds) {
    EngineFixture f;
    f.scenario.term = 1.0f; // Jan to Dec 1996
    EXPECT_EQ(Numbers(Rows(f, ScheduleView::YearEnds)), (std::vector<int>{0}));
}

TEST(ScheduleRows, AScheduleEndedEarlyByALumpShowsTheRecordsItHas) {
    EngineFixture f;
    f.Add(DayFromCivil(1998, 6, 1), 200000.0f, 0.0f); // more than the balance: payment 30
    const ScheduleFile file = f.Schedule();
    ASSERT_EQ(file.records.size(), 30u);
    ASSERT_EQ(f.messages.titles.size(), 1u);
    const auto rows = [&](ScheduleView v) {
        return Numbers(ScheduleRows(file, v, f.scenario.frequency, f.scenario.start));
    };
    EXPECT_EQ(rows(ScheduleView::AllPayments).size(), 31u);
    EXPECT_EQ(rows(ScheduleView::Anniversaries), (std::vector<int>{0, 12, 24}));
    EXPECT_EQ(rows(ScheduleView::YearEnds), (std::vector<int>{0, 12, 24}));
}

TEST(ScheduleRows, StoredOptionsTheWindowNeverWritesShowEveryPayment) {
    EXPECT_EQ(ViewFromOption(1), ScheduleView::AllPayments);
    EXPECT_EQ(ViewFromOption(2), ScheduleView::Anniversaries);
    EXPECT_EQ(ViewFromOption(3), ScheduleView::YearEnds);
    EXPECT_EQ(ViewFromOption(0), ScheduleView::AllPayments);
    EXPECT_EQ(ViewFromOption(4), ScheduleView::AllPayments);
}

TEST(ScheduleCells, FirstRowsOfTheStandardMonthlyLoan) {
    EngineFixture f;
    const std::vector<ScheduleRow> rows = Rows(f, ScheduleView::AllPayments);
    std::vector<std::string> opening;
    for (int c = 0; c < kScheduleColumns; ++c)
        opening.push_back(ScheduleCellText(rows[0], c));
    EXPECT_EQ(opening, (std::vector<std::string>{"", "", "", "", "", "", "", "", "", "100000.00"}));
    // The figures of the lender's first three payments (interest 816.49, 815.85, 815.21).
    std::vector<std::string> first;
    for (int c = 0; c < kScheduleColumns; ++c)
        first.push_back(ScheduleCellText(rows[1], c));
    EXPECT_EQ(first, (std::vector<std::string>{"1   ", "Jan 01 1996", "894.49", "78.00", "816.49",
                                               "78.00", "816.49", "0.00", "0.00", "99922.00"}));
    EXPECT_EQ(ScheduleCellText(rows[2], 9), "99843.36");
    EXPECT_EQ(ScheduleCellText(rows[3], 9), "99764.08");
    EXPECT_EQ(ScheduleCellText(rows[3], 4), "815.21");
    EXPECT_EQ(ScheduleCellText(rows[3], 0), "3   ");
    EXPECT_EQ(ScheduleCellText(rows[60], 1), "Dec 01 2000");
}

TEST(ScheduleCells, ChangesAndLumpsShowInTheirColumns) {
    EngineFixture f;
    f.Add(DayFromCivil(1996, 3, 1), 1000.0f, 50.5f);
    const std::vector<ScheduleRow> rows = Rows(f, ScheduleView::AllPayments);
    EXPECT_EQ(ScheduleCellText(rows[3], 2), "944.99");
    EXPECT_EQ(ScheduleCellText(rows[3], 7), "1000.00");
    EXPECT_EQ(ScheduleCellText(rows[3], 8), "50.50");
    EXPECT_EQ(ScheduleCellText(rows[4], 8), "0.00");
}

TEST(ScheduleCells, CopiedCellsAreTabbedWithLineBreaksBetweenRows) {
    EngineFixture f;
    const std::vector<ScheduleRow> rows = Rows(f, ScheduleView::AllPayments);
    EXPECT_EQ(ScheduleCellsText(rows, 1, 1, 2, 3),
              "Jan 01 1996\t894.49\t78.00\r\nFeb 01 1996\t894.49\t78.64");
    EXPECT_EQ(ScheduleCellsText(rows, 0, 8, 1, 9), "\t100000.00\r\n0.00\t99922.00");
    EXPECT_EQ(ScheduleCellsText(rows, 2, 9, 2, 9), "99843.36");
    // A range reaching past the grid is cut to it.
    EXPECT_EQ(ScheduleCellsText(rows, 60, 9, 70, 12), ScheduleCellText(rows[60], 9));
}

TEST(ScheduleLoad, AShortFileGivesTheRecordsItHolds) {
    EngineFixture f;
    test::Spit(f.folder.Path("$$temp.bin"),
               "5\r\n1000\r\n1,35065,100,90,10,90,10,0,0,910\r\n"
               "2,35096,100,91,9,181,19,0,0,819\r\n3,35125,100,92\r\n");
    const ScheduleFile file = ReadAvailableSchedule(f.folder.Prefix());
    EXPECT_EQ(file.count, 2);
    EXPECT_EQ(file.amount, 1000.0f);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[1].balance, 819.0f);
}

TEST(ScheduleLoad, AMissingFileGivesNoRecords) {
    EngineFixture f;
    const ScheduleFile file = ReadAvailableSchedule(f.folder.Prefix());
    EXPECT_EQ(file.count, 0);
    EXPECT_TRUE(file.records.empty());
    EXPECT_EQ(ScheduleRows(file, ScheduleView::YearEnds, kMonthly, 0).size(), 1u);
}

} // namespace
} // namespace hl
