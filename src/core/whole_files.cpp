// Reading and writing the program's files whole: bounded reads and atomic, durable writes.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <signal.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text_items.h"

namespace hl {
namespace {

// Closes a descriptor when its scope ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    /// Closes now and tells whether the close succeeded (a late write error shows here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// The path a write to `path` must replace: a symbolic link is followed to its final target (which
// need not exist yet), so the link itself is kept. Nothing when the links go round in a circle.
std::optional<std::string> FinalTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<std::size_t>(n) >= link.size())
            return std::nullopt;
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    return std::nullopt;
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t n = ::write(fd, contents.data(), contents.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Creates a new file of a name no one else has in `folder`, never through a link planted there,
// and locks it for as long as it is open. The name is short, whatever the target's, so that every
// name the file system takes can be saved. Returns its descriptor (or -1) and sets `name`.
int CreateUniqueFile(const std::string& folder, mode_t mode, std::string& name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937_64 pick((static_cast<std::uint64_t>(seed()) << 32) ^
                         static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tag(8, 'a');
        for (char& c : tag)
            c = kLetters[pick() % (sizeof kLetters - 1)];
        name = folder + "/" + ScratchName(tag) + ".tmp";
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            // The lock tells a sweep on another machine sharing the folder that its writer lives.
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// The process id in a name of ours (".hearthline-PID-TAG" or ".hearthline-PID-TAG.tmp", TAG of
// letters and digits); nothing for any other name.
std::optional<long> WriterOf(std::string_view name) {
    constexpr std::string_view kPrefix = ".hearthline-";
    if (name.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    name.remove_prefix(kPrefix.size());
    if (name.size() >= 4 && name.substr(name.size() - 4) == ".tmp")
        name.remove_suffix(4);
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 10 || dash + 1 == name.size() ||
        name.size() - dash - 1 > 16)
        return std::nullopt;
    long pid = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        pid = pid * 10 + (c - '0');
    }
    for (char c : name.substr(dash + 1))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return std::nullopt;
    return pid > 0 ? std::optional<long>(pid) : std::nullopt;
}

// A writer is gone when no process of that id runs and no one holds the leftover's lock.
bool WriterIsGone(long pid, int fd) {
    if (pid == static_cast<long>(::getpid()))
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
        return false;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// A scratch folder of ours holds only the files its writer put there.
bool RemoveScratchFolder(const std::string& path) {
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return false;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        const std::string inner = path + "/" + name;
        if (::lstat(inner.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(inner.c_str());
    }
    ::closedir(dir);
    return ::rmdir(path.c_str()) == 0;
}

// Makes a rename in `folder` last across a power failure. Some file systems cannot sync a
// folder; the file itself is on disk by then, so that is not a failure of the write.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string ScratchName(const std::string& tag) {
    return ".hearthline-" + std::to_string(::getpid()) + "-" + tag;
}

int RemoveDeadLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* e = ::readdir(dir)) {
        const std::optional<long> pid = WriterOf(e->d_name);
        if (!pid)
            continue;
        const std::string path = folder + "/" + e->d_name;
        Descriptor leftover(
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat st {};
        // Only a file or folder of this user's, never a link, a device or another user's.
        if (leftover.Get() < 0 || ::fstat(leftover.Get(), &st) != 0 || st.st_uid != ::geteuid() ||
            !(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) || !WriterIsGone(*pid, leftover.Get()))
            continue;
        if (S_ISDIR(st.st_mode) ? RemoveScratchFolder(path) : ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::string ReadWholeFile(const std::string& path) {
    // Opened without waiting, so that a pipe is refused instead of blocking the program.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        throw ItemFormatError("cannot open " + path);
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0)
        throw ItemFormatError("cannot read " + path);
    if (!S_ISREG(st.st_mode))
        throw ItemFormatError(path + " is not a regular file");
    const auto tooLarge = [&] {
        return ItemFormatError(path + " is larger than " + std::to_string(kMaxReadBytes >> 20) +
                               " MB: it is not one of the program's files");
    };
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > kMaxReadBytes)
        throw tooLarge();
    std::string contents;
    contents.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == contents.size()) {
            if (contents.size() > kMaxReadBytes)
                throw tooLarge(); // it grew while being read
            contents.resize(std::min(contents.size() * 2, kMaxReadBytes + 1));
        }
        const ssize_t n = ::read(file.Get(), contents.data() + have, contents.size() - have);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw ItemFormatError("cannot read " + path);
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    if (have > kMaxReadBytes)
        throw tooLarge();
    contents.resize(have);
    return contents;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
    const std::optional<std::string> target = FinalTarget(path);
    if (!target)
        return false;
    const std::string folder = FolderOf(*target);
    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return false;
    // What a save killed half-way left in this folder goes before a new one is made.
    RemoveDeadLeftovers(folder);
    std::string temp;
    // A new file gets 0666 less the umask from open itself; an existing one keeps its own mode.
    Descriptor file(CreateUniqueFile(folder, 0666, temp));
    if (file.Get() < 0)
        return false;
    const bool written = (!replacing || ::fchmod(file.Get(), old.st_mode & 07777) == 0) &&
                         WriteAll(file.Get(), contents) && ::fsync(file.Get()) == 0 && file.Close();
    if (!written || std::rename(temp.c_str(), target->c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace hl
