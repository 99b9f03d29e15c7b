// The backup a save keeps, a save killed half-way, and the names of the recovery copies.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/text_items.h"
#include "files/backup.h"
#include "files/recovery_names.h"
#include "files/study_file.h"
#include "files/study_fixtures.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

// A save as the program does it: the backup first, then the study.
void Save(const std::string& path, const std::string& text) {
    KeepPreviousVersion(path);
    WriteFileAtomically(path, text);
}

TEST(Backup, ASaveKeepsTheVersionBeforeIt) {
    test::TempFolder folder;
    const std::string study = folder.Path("house.mtg");
    EXPECT_EQ(KeepPreviousVersion(study), BackupOutcome::NothingToKeep);
    Save(study, "first");
    EXPECT_EQ(test::Slurp(BackupPath(study)), "");
    Save(study, "second");
    EXPECT_EQ(test::Slurp(study), "second");
    EXPECT_EQ(test::Slurp(BackupPath(study)), "first");
    // A backup that cannot be written (a folder stands in its place) is a failure, not a crash.
    const std::string blocked = folder.Path("blocked.mtg");
    test::Spit(blocked, "old");
    ASSERT_EQ(::mkdir(BackupPath(blocked).c_str(), 0700), 0);
    EXPECT_EQ(KeepPreviousVersion(blocked), BackupOutcome::Failed);
}

// A save killed at any moment leaves the study and its backup each whole: the old version or
// the new one. The study texts grow, so that a torn file could not pass for either.
TEST(Backup, ASaveKilledAtAnyMomentLeavesWholeFiles) {
    test::TempFolder folder;
    const std::string study = folder.Path("house.mtg");
    const std::string v1 = WriteStudyText(test::RichStudy());
    const std::string v2 = v1 + v1;
    const std::string v3 = v2 + v1;
    Save(study, v1);
    Save(study, v2);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                Save(study, v3);
                Save(study, v2);
            }
        }
        ::usleep(static_cast<useconds_t>(500 + round * 700));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string text = test::Slurp(study), backup = test::Slurp(BackupPath(study));
        EXPECT_TRUE(text == v2 || text == v3) << "round " << round;
        EXPECT_TRUE(backup == v1 || backup == v2 || backup == v3) << "round " << round;
    }
}

TEST(RecoveryNames, NamesCarryTheProcessAndTheStudy) {
    EXPECT_EQ(RecoveryStudyName(1234), "recovery-1234.mtg");
    EXPECT_EQ(RecoveryNoteName(1234), "recovery-1234.note");
    const std::pair<const char*, std::optional<long>> pids[] = {
        {"recovery-1234.mtg", 1234},
        {"recovery-.mtg", std::nullopt},
        {"recovery-12a.mtg", std::nullopt},
        {"recovery-1234.note", std::nullopt},
        {"house-recovered-20261208-171000.mtg", std::nullopt}};
    for (const auto& [name, pid] : pids)
        EXPECT_EQ(RecoveryPid(name), pid) << name;

    const Stamp when{2026, 12, 8, 7, 5, 9};
    EXPECT_EQ(KeptAsideName("/home/a/house.mtg", when), "house-recovered-20261208-070509.mtg");
    EXPECT_EQ(KeptAsideName("", when), "Untitled-recovered-20261208-070509.mtg");
    EXPECT_EQ(StudyTitle("/home/a/house.mtg"), "house.mtg");
    EXPECT_EQ(StudyTitle(""), "Untitled");

    const RecoveryNote note{"/tmp/work/", "/home/a/house.mtg"};
    EXPECT_EQ(ReadRecoveryNote(RecoveryNoteText(note)), note);
    EXPECT_EQ(ReadRecoveryNote(RecoveryNoteText({"/tmp/work/", ""})),
              (RecoveryNote{"/tmp/work/", ""}));
    EXPECT_EQ(ReadRecoveryNote("/tmp/work/"), std::nullopt);
    EXPECT_EQ(ReadRecoveryNote("\n\n"), std::nullopt);
}

} // namespace
} // namespace hl
