// The schedule's working files: what the writer leaves on disk is the run in memory, byte for
// byte, and a write that fails says so and leaves no earlier schedule behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/text_items.h"
#include "engine_fixture.h"

namespace hl {
namespace {

using test::EngineFixture;

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

struct WriterCase {
    const char* name;
    std::function<void(EngineFixture&)> setUp;
    bool endsEarly;
    bool paysOff;
};

const WriterCase kWriterCases[] = {
    {"a five-year term of a 25-year loan", [](EngineFixture&) {}, false, false},
    {"a smaller final payment within the term",
     [](EngineFixture& f) {
         f.scenario.amount = 10000.0f;
         f.scenario.amortization = 1.0f;
         f.scenario.term = 2.0f;
     },
     true, true},
    {"the final payment on the term's last payment date",
     [](EngineFixture& f) { f.scenario.term = 25.0833f; }, true, true}, // 301 payments
    {"a lump above the balance ends the loan",
     [](EngineFixture& f) { f.Add(DayFromCivil(1996, 3, 1), 150000.0f, 0.0f); }, true, false},
    {"a lump equal to the balance, then a zero payment",
     [](EngineFixture& f) { f.Add(DayFromCivil(1996, 3, 1), 99764.08f, 0.0f); }, true, true},
    {"a change and a lump on one date, Weekly",
     [](EngineFixture& f) {
         f.scenario.frequency = kWeekly;
         f.Add(DayFromCivil(1996, 1, 8), 3000.0f, 31.49f);
     },
     false, false},
    {"no payment in the term", [](EngineFixture& f) { f.scenario.term = 0.04f; }, false, false},
};

TEST(ScheduleWriter, TheFilesHoldTheRunInMemory) {
    for (const WriterCase& c : kWriterCases) {
        SCOPED_TRACE(c.name);
        EngineFixture f;
        c.setUp(f);
        const ScheduleRun run = f.Run();
        EXPECT_EQ(run.endedEarly, c.endsEarly);
        EXPECT_EQ(run.payoff.has_value(), c.paysOff);
        ASSERT_TRUE(WriteScheduleFiles(f.folder.Prefix(), run));

        // Line 1 holds the true count after an early end, the term's payments otherwise.
        const ScheduleFile& s = run.schedule;
        EXPECT_EQ(s.count, c.endsEarly ? static_cast<int>(s.records.size()) : run.paymentsInTerm);
        EXPECT_EQ(test::Slurp(f.folder.Path("$$temp.bin")), ScheduleText(s.count, s));
        if (!s.records.empty()) {
            const ScheduleFile read = ReadScheduleFile(f.folder.Prefix());
            EXPECT_EQ(read.count, s.count);
            EXPECT_EQ(read.amount, s.amount);
            EXPECT_EQ(read.records, s.records);
        }
        // The scratch file of the header rewrite is gone; the pay-off line only after a pay-off.
        EXPECT_FALSE(Exists(f.folder.Path("$$tx2.bin")));
        EXPECT_EQ(Exists(f.folder.Path("$$donerly.bin")), c.paysOff);
        if (run.payoff) {
            EXPECT_EQ(test::Slurp(f.folder.Path("$$donerly.bin")), PayoffText(*run.payoff));
        }
    }
}

TEST(ScheduleWriter, AFolderThatCannotBeWrittenIsReported) {
    EngineFixture f;
    EXPECT_FALSE(WriteScheduleFiles(f.folder.Path("missing/"), f.Run()));
}

TEST(ScheduleWriter, AFailedWriteLeavesNoEarlierScheduleBehind) {
    EngineFixture f;
    f.scenario.amount = 10000.0f; // paid off within the term: the pay-off file is written first
    f.scenario.amortization = 1.0f;
    f.scenario.term = 2.0f;
    test::Spit(f.folder.Path("$$temp.bin"), "60\r\n100000\r\n");
    // A folder in the way of the pay-off file makes the run's write fail.
    std::filesystem::create_directory(f.folder.Path("$$donerly.bin"));
    EXPECT_FALSE(WriteScheduleFiles(f.folder.Prefix(), f.Run()));
    EXPECT_FALSE(Exists(f.folder.Path("$$temp.bin")));
}

TEST(ScheduleWriter, TheHeaderRewriteNeedsItsScratchFile) {
    // A non-empty folder where the scratch copy goes: only a run that ends early rewrites.
    EngineFixture f;
    std::filesystem::create_directories(f.folder.Path("$$tx2.bin/in-the-way"));
    EXPECT_TRUE(WriteScheduleFiles(f.folder.Prefix(), f.Run()));
    f.scenario.term = 30.0f; // paid off within the term
    EXPECT_FALSE(WriteScheduleFiles(f.folder.Prefix(), f.Run()));
    EXPECT_FALSE(Exists(f.folder.Path("$$temp.bin")));
}

TEST(ScheduleWriter, BalanceAfterAPaymentComesFromTheRecords) {
    EngineFixture f;
    f.scenario.amount = 10000.0f;
    f.scenario.amortization = 1.0f;
    f.scenario.term = 2.0f;
    const ScheduleFile s = f.Schedule();
    ASSERT_LT(s.records.size(), 24u);
    struct Row {
        int m;
        Money balance;
    };
    const Row rows[] = {
        {0, 10000.0f}, {-3, 10000.0f}, {1, s.records[0].balance}, {24, s.records.back().balance}};
    for (const Row& row : rows) {
        const BalanceAfter after = BalanceAfterPayment(f.Inputs(), row.m, f.messages);
        EXPECT_EQ(after.scheduleCount, s.count) << row.m;
        EXPECT_EQ(after.balance, row.balance) << row.m;
    }
    EXPECT_TRUE(test::Slurp(f.folder.Path("$$temp.bin")).empty()); // a look-up writes nothing
}

} // namespace
} // namespace hl
