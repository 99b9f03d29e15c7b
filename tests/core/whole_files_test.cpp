// Reading and writing files whole: what a read refuses, and what a write keeps and never mixes.
#include "core/text_items.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace hl {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

std::vector<std::string> Entries(const test::TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder.Prefix()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Each of these would make a whole-file read block forever or grow without end.
TEST(WholeFileRead, RefusesWhatIsNotASmallRegularFile) {
    test::TempFolder folder;
    const std::string fifo = folder.Path("pipe.mtg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = folder.Path("big.mtg");
    test::Spit(big, std::string(kMaxReadBytes + 1, '1'));
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {fifo, fifo + " is not a regular file"},
        {"/dev/zero", "/dev/zero is not a regular file"},
        {folder.Prefix(), folder.Prefix() + " is not a regular file"},
        {big, big + " is larger than 4 MB: it is not one of the program's files"},
        {folder.Path("missing.mtg"), "cannot open " + folder.Path("missing.mtg")},
    };
    for (const Case& c : cases) {
        try {
            ReadWholeFile(c.path);
            ADD_FAILURE() << c.path << " was read";
        } catch (const ItemFormatError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(WholeFileRead, AFileOfTheLimitReads) {
    test::TempFolder folder;
    const std::string path = folder.Path("full.mtg");
    test::Spit(path, std::string(kMaxReadBytes, '7'));
    EXPECT_EQ(ReadWholeFile(path).size(), kMaxReadBytes);
}

TEST(AtomicWrite, KeepsTheModeOfTheFileItReplaces) {
    test::TempFolder folder;
    const std::string path = folder.Path("study.mtg");
    for (const mode_t mode : {0600, 0640, 0444}) {
        test::Spit(path, "old\r\n");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(path, "new\r\n"));
        EXPECT_EQ(ModeOf(path), mode);
        EXPECT_EQ(test::Slurp(path), "new\r\n");
    }
}

TEST(AtomicWrite, ANewFileFollowsTheUmask) {
    test::TempFolder folder;
    const mode_t was = ::umask(027);
    const bool written = WriteFileAtomically(folder.Path("new.mtg"), "1\r\n");
    ::umask(was);
    ASSERT_TRUE(written);
    EXPECT_EQ(ModeOf(folder.Path("new.mtg")), 0640u);
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"new.mtg"}); // no temporary file left
}

TEST(AtomicWrite, WritesThroughASymbolicLink) {
    test::TempFolder folder;
    fs::create_directory(folder.Path("real"));
    const std::string target = folder.Path("real/study.mtg");
    test::Spit(target, "old\r\n");
    const std::string link = folder.Path("study.mtg");
    fs::create_symlink("real/study.mtg", link); // relative, as users make them
    const std::string chain = folder.Path("chain.mtg");
    fs::create_symlink(link, chain);

    ASSERT_TRUE(WriteFileAtomically(chain, "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_EQ(test::Slurp(target), "new\r\n");

    // A link to a file not made yet makes that file.
    const std::string dangling = folder.Path("later.mtg");
    fs::create_symlink("real/later.mtg", dangling);
    ASSERT_TRUE(WriteFileAtomically(dangling, "1\r\n"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(test::Slurp(folder.Path("real/later.mtg")), "1\r\n");

    // Links that go round in a circle are refused, and nothing is written.
    fs::create_symlink(folder.Path("loop2"), folder.Path("loop1"));
    fs::create_symlink(folder.Path("loop1"), folder.Path("loop2"));
    EXPECT_FALSE(WriteFileAtomically(folder.Path("loop1"), "1\r\n"));
}

TEST(AtomicWrite, NeverFollowsALinkPlantedBesideTheTarget) {
    test::TempFolder folder;
    const std::string victim = folder.Path("victim.txt");
    test::Spit(victim, "keep me");
    const std::string path = folder.Path("study.mtg");
    for (const char* planted : {".part", ".tmp", "~"})
        fs::create_symlink(victim, path + planted);
    ASSERT_TRUE(WriteFileAtomically(path, "new\r\n"));
    EXPECT_EQ(test::Slurp(victim), "keep me");
    EXPECT_EQ(test::Slurp(path), "new\r\n");
    EXPECT_FALSE(fs::is_symlink(path));
}

TEST(AtomicWrite, AFolderInTheWayIsNotReplaced) {
    test::TempFolder folder;
    fs::create_directory(folder.Path("study.mtg"));
    EXPECT_FALSE(WriteFileAtomically(folder.Path("study.mtg"), "1\r\n"));
    EXPECT_TRUE(fs::is_directory(folder.Path("study.mtg")));
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"study.mtg"});
}

// Two saves to one file at once: every read, during and after, finds one whole study.
TEST(AtomicWrite, WritersAtOnceNeverMix) {
    test::TempFolder folder;
    const std::string path = folder.Path("study.mtg");
    const std::string first(3000, 'a');
    const std::string second = std::string(200, 'b') + "\r\n";
    ASSERT_TRUE(WriteFileAtomically(path, first));
    constexpr int kRounds = 150;
    auto writer = [&](const std::string& contents) {
        for (int k = 0; k < kRounds; ++k)
            EXPECT_TRUE(WriteFileAtomically(path, contents));
    };
    std::thread one(writer, first), two(writer, second);
    int mixed = 0;
    for (int k = 0; k < 2 * kRounds; ++k) {
        const std::string seen = ReadWholeFile(path);
        if (seen != first && seen != second)
            ++mixed;
    }
    one.join();
    two.join();
    EXPECT_EQ(mixed, 0);
    const std::string last = ReadWholeFile(path);
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"study.mtg"});
}

// The file system takes names of up to 255 bytes; the temporary name must not add to them.
TEST(AtomicWrite, EveryNameTheFileSystemTakesIsWritten) {
    test::TempFolder folder;
    std::string chinese;
    for (int k = 0; k < 85; ++k)
        chinese += "\xE6\x88\xBF"; // one character in three bytes
    for (const std::string& name : {std::string(255, 'a'), chinese, chinese.substr(0, 243)}) {
        SCOPED_TRACE(name.size());
        const std::string path = folder.Path(name);
        ASSERT_TRUE(WriteFileAtomically(path, "1\r\n"));
        EXPECT_TRUE(WriteFileAtomically(path, "2\r\n")); // and replaced
        EXPECT_EQ(test::Slurp(path), "2\r\n");
        fs::remove(path);
    }
    EXPECT_TRUE(Entries(folder).empty());
}

// The id of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A save killed half-way leaves its temporary file; the next save into the folder removes it,
// and nothing that is not such a leftover.
TEST(AtomicWrite, ASaveRemovesOnlyTheLeftoversOfEndedWriters) {
    test::TempFolder folder;
    const std::string ended = std::to_string(EndedProcess());
    const std::string own = std::to_string(::getpid());
    const std::string running = std::to_string(::getppid());
    struct Case {
        std::string name;
        enum { File, Folder, Link, Locked } kind;
        bool removed;
    };
    const std::vector<Case> cases = {
        {".hearthline-" + ended + "-k3v9q0zt.tmp", Case::File, true},
        {".hearthline-" + ended + "-Ab12Cd", Case::Folder, true}, // a report's scratch folder
        {".hearthline-" + running + "-k3v9q0zt.tmp", Case::File, false},
        {".hearthline-" + own + "-k3v9q0zt.tmp", Case::File, false},     // a save of this program
        {".hearthline-" + ended + "-lockheld.tmp", Case::Locked, false}, // a writer elsewhere
        {".hearthline-" + ended + "-zzzzzzzz.tmp", Case::Link, false},
        {".hearthline-" + ended + "-k3v9q0zt.txt", Case::File, false},
        {".hearthline-" + ended + "-k3v9-q0zt.tmp", Case::File, false},
        {"hearthline-" + ended + "-k3v9q0zt.tmp", Case::File, false},
        {".hearthline-x" + ended + "-k3v9q0zt.tmp", Case::File, false},
        {".study.mtg.k3v9q0zt.tmp", Case::File, false}, // no writer named: never ours to judge
    };
    test::Spit(folder.Path("victim.txt"), "keep me");
    std::vector<int> locks;
    for (const Case& c : cases) {
        const std::string path = folder.Path(c.name);
        if (c.kind == Case::Folder) {
            fs::create_directory(path);
            test::Spit(path + "/report.pdf", "%PDF-1.4");
        } else if (c.kind == Case::Link) {
            fs::create_symlink(folder.Path("victim.txt"), path);
        } else {
            test::Spit(path, "half a study");
        }
        if (c.kind == Case::Locked) {
            locks.push_back(::open(path.c_str(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
    }
    ASSERT_TRUE(WriteFileAtomically(folder.Path("study.mtg"), "new\r\n"));
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(fs::symlink_status(folder.Path(c.name))), !c.removed) << c.name;
    EXPECT_EQ(test::Slurp(folder.Path("victim.txt")), "keep me");
    for (const int fd : locks)
        ::close(fd);
}

} // namespace
} // namespace hl
