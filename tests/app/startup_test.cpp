// Start-up choices: the debug words and the working folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

#include "app/startup.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

TEST(Startup, DebugWordsSetTheLevel) {
    EXPECT_EQ(DebugLevelFromArguments({}), 0);
    EXPECT_EQ(DebugLevelFromArguments({"debugging"}), 1);
    EXPECT_EQ(DebugLevelFromArguments({"instrumenting"}), 2);
    EXPECT_EQ(DebugLevelFromArguments({"Debugging"}), 0);
    EXPECT_EQ(DebugLevelFromArguments({"debugging", "x"}), 0);
}

TEST(Startup, WorkingFolderIsTheProgramFolderWhenWritable) {
    test::TempFolder folder;
    unsetenv("HEARTHLINE_WORKING_FOLDER");
    EXPECT_EQ(ChooseWorkingFolder(folder.Prefix()), folder.Prefix());
    EXPECT_EQ(ChooseWorkingFolder(folder.Prefix() + "."), folder.Prefix());
}

TEST(Startup, AReadOnlyProgramFolderFallsBackToTheUsersDataFolder) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root can write anywhere";
    test::TempFolder folder;
    chmod(folder.Prefix().c_str(), 0500);
    const std::string chosen = ChooseWorkingFolder(folder.Prefix());
    chmod(folder.Prefix().c_str(), 0700);
    EXPECT_NE(chosen, folder.Prefix());
    EXPECT_EQ(chosen.back(), '/');
}

TEST(Startup, TheEnvironmentChoosesTheWorkingFolder) {
    test::TempFolder program, work;
    setenv("HEARTHLINE_WORKING_FOLDER", work.Prefix().c_str(), 1);
    EXPECT_EQ(ChooseWorkingFolder(program.Prefix()), work.Prefix());
    unsetenv("HEARTHLINE_WORKING_FOLDER");
}

} // namespace
} // namespace hl
