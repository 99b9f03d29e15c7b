// Start-up choices: the debug words and the working folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/startup.h"
#include "files/working_files.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

TEST(Startup, DebugWordsSetTheLevel) {
    EXPECT_EQ(DebugLevelFromArguments({}), 0);
    EXPECT_EQ(DebugLevelFromArguments({"debugging"}), 1);
    EXPECT_EQ(DebugLevelFromArguments({"instrumenting"}), 2);
    EXPECT_EQ(DebugLevelFromArguments({"Debugging"}), 0);
}

TEST(Startup, TheCommandLineNamesAStudyAloneOrAfterADebugWord) {
    struct Case {
        std::vector<std::string> args;
        int level;
        std::string study;
    };
    const Case cases[] = {{{"house.mtg"}, 0, "house.mtg"},
                          {{"debugging", "house.mtg"}, 1, "house.mtg"},
                          {{"instrumenting", "/tmp/a b.mtg"}, 2, "/tmp/a b.mtg"},
                          {{"instrumenting"}, 2, ""},
                          {{"house.mtg", "debugging"}, 0, "house.mtg"}};
    for (const Case& c : cases) {
        const ProgramArguments read = ReadProgramArguments(c.args);
        EXPECT_EQ(read.debugLevel, c.level) << c.args[0];
        EXPECT_EQ(read.studyPath, c.study) << c.args[0];
    }
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

// A chosen folder that cannot be written is replaced by another, and the user is told once.
TEST(Startup, AChosenFolderThatCannotBeWrittenIsNamedWithTheOneUsed) {
    test::TempFolder program, work;
    const std::string unusable = work.Prefix() + "file";
    test::Spit(unusable, "not a folder");
    setenv("HEARTHLINE_WORKING_FOLDER", unusable.c_str(), 1);
    const WorkingFolderChoice choice = ChooseWorkingFolderAndSay(program.Prefix());
    unsetenv("HEARTHLINE_WORKING_FOLDER");
    EXPECT_EQ(choice.folder, program.Prefix());
    EXPECT_EQ(choice.unusable, unusable);
    EXPECT_EQ(FolderUnusableText(choice.unusable, choice.folder),
              "The working folder " + unusable +
                  " (HEARTHLINE_WORKING_FOLDER) cannot be written to.\rThis program keeps its "
                  "working files in " +
                  program.Prefix() + " instead.");
    // A folder that can be written, or none chosen, says nothing.
    setenv("HEARTHLINE_WORKING_FOLDER", work.Prefix().c_str(), 1);
    EXPECT_EQ(ChooseWorkingFolderAndSay(program.Prefix()).unusable, "");
    unsetenv("HEARTHLINE_WORKING_FOLDER");
    EXPECT_EQ(ChooseWorkingFolderAndSay(program.Prefix()).unusable, "");
}

// What saves and reports of ours left when they were killed goes as the program starts.
TEST(Startup, StartUpRemovesTheLeftoversOfEndedWriters) {
    test::TempFolder work, temp;
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    const std::string ended = std::to_string(child);
    const std::string leftover = work.Path(".hearthline-" + ended + "-k3v9q0zt.tmp");
    const std::string scratch = temp.Path(".hearthline-" + ended + "-Ab12Cd");
    test::Spit(leftover, "half a file");
    std::filesystem::create_directory(scratch);
    test::Spit(scratch + "/report.pdf", "%PDF");
    test::Spit(work.Path("$$sh_tmp.bin"), "1\r\n");
    const char* was = std::getenv("TMPDIR");
    const std::string kept = was ? was : "";
    setenv("TMPDIR", temp.Prefix().c_str(), 1);
    RemoveStartupLeftovers(work.Prefix());
    if (was)
        setenv("TMPDIR", kept.c_str(), 1);
    else
        unsetenv("TMPDIR");
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_FALSE(std::filesystem::exists(scratch));
    EXPECT_TRUE(std::filesystem::exists(work.Path("$$sh_tmp.bin")));
}

TEST(Startup, AProgramHoldsItsWorkingFolder) {
    test::TempFolder folder;
    test::ScriptedServices services;
    const HeldWorkingFolder held(folder.Prefix(), services);
    EXPECT_EQ(held.Folder(), folder.Prefix());
    EXPECT_FALSE(held.IsPrivate());
    EXPECT_TRUE(services.Messages().empty());
    EXPECT_TRUE(std::filesystem::exists(folder.Path(kWorkingFolderLockName)));
}

// Every start-up rewrites the tool working files: a second program on a held folder must not
// overwrite those of the first.
TEST(Startup, ASecondProgramOnAHeldFolderRunsInAFolderOfItsOwn) {
    test::TempFolder folder;
    test::ScriptedServices first, second;
    const HeldWorkingFolder held(folder.Prefix(), first);
    ToolSections kept = BlankToolSections();
    kept[ToolFile::Shopper].SetText(0, "75000");
    ASSERT_TRUE(WriteToolFiles(held.Folder(), kept));

    std::string own;
    {
        const HeldWorkingFolder other(folder.Prefix(), second);
        own = other.Folder();
        EXPECT_TRUE(other.IsPrivate());
        EXPECT_NE(own, folder.Prefix());
        ASSERT_EQ(own.back(), '/');
        EXPECT_TRUE(ResetToolFiles(own));
        EXPECT_EQ(second.Messages(), (std::vector<test::AskedMessage>{
                                         {kFolderInUseTitle, FolderInUseText(folder.Prefix(), own),
                                          MessageButtons::Ok, MessageAnswer::Ok}}));
        EXPECT_EQ(second.Beeps(), 1);
        EXPECT_TRUE(second.Unexpected().empty());
    }
    EXPECT_EQ(ReadToolFile(folder.Prefix(), ToolFile::Shopper).Text(0), "75000");
    EXPECT_FALSE(std::filesystem::exists(own)); // the private folder goes with its program
    EXPECT_TRUE(first.Messages().empty());
}

TEST(Startup, AFolderIsFreeAgainWhenItsProgramEnds) {
    test::TempFolder folder;
    test::ScriptedServices services;
    { const HeldWorkingFolder first(folder.Prefix(), services); }
    const HeldWorkingFolder next(folder.Prefix(), services);
    EXPECT_FALSE(next.IsPrivate());
    EXPECT_TRUE(services.Messages().empty());
}

TEST(Startup, TheHelpPageBesideTheProgramComesFirstThenTheInstalledOne) {
    const std::string installed = "../share/hearthline/help/hearthline-help.html";
    struct Case {
        const char* what;
        bool beside;
        bool underShare;
        const char* chosen; ///< relative to the program's folder
    };
    const Case cases[] = {
        {"a build folder", true, false, "help/hearthline-help.html"},
        {"both", true, true, "help/hearthline-help.html"},
        {"an installed program", false, true, "../share/hearthline/help/hearthline-help.html"},
        {"neither: the message names the place beside", false, false, "help/hearthline-help.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder root;
        const std::string program = root.Path("prefix/bin/");
        std::filesystem::create_directories(program);
        if (c.beside) {
            std::filesystem::create_directories(program + "help");
            test::Spit(program + "help/hearthline-help.html", "<html></html>");
        }
        if (c.underShare) {
            std::filesystem::create_directories(root.Path("prefix/share/hearthline/help"));
            test::Spit(root.Path("prefix/share/hearthline/help/hearthline-help.html"), "<html/>");
        }
        EXPECT_EQ(ChooseHelpPage(program, installed), program + c.chosen);
    }
    // A folder where the page should be is no page.
    test::TempFolder root;
    std::filesystem::create_directories(root.Path("bin/help/hearthline-help.html"));
    std::filesystem::create_directories(root.Path("share/hearthline/help"));
    test::Spit(root.Path("share/hearthline/help/hearthline-help.html"), "<html/>");
    EXPECT_EQ(ChooseHelpPage(root.Path("bin/"), installed), root.Path("bin/") + installed);
}

} // namespace
} // namespace hl
