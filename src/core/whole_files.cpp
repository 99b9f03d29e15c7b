// Reading and writing the program's files whole: bounded reads and atomic, durable writes.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
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

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

// Creates a new file of a name no one else has in `folder`, never through a link planted there.
// Returns its descriptor (or -1) and sets `name`.
int CreateUniqueFile(const std::string& folder, const std::string& base, mode_t mode,
                     std::string& name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937_64 pick((static_cast<std::uint64_t>(seed()) << 32) ^
                         static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(8, 'a');
        for (char& c : suffix)
            c = kLetters[pick() % (sizeof kLetters - 1)];
        name = folder + "/." + base + "." + suffix + ".tmp";
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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
    std::string temp;
    // A new file gets 0666 less the umask from open itself; an existing one keeps its own mode.
    Descriptor file(CreateUniqueFile(folder, NameOf(*target), 0666, temp));
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
