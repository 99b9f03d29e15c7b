// The text item format of every file the program writes: CR LF lines of comma-separated items,
// texts in double quotes, whole numbers as digits, singles in their shortest plain decimal form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/single.h"

namespace hl {

/// Shortest plain decimal form that reads back to the same single: 894.49, 150000, 0.5, -2.25.
/// Never exponent form. NaN and infinities, which no figure should ever be, are written as 0.
std::string SingleText(Single value);

/// Shortest plain decimal form that reads back to the same double.
std::string DoubleText(double value);

/// Builds a file's text line by line.
class ItemWriter {
  public:
    ItemWriter& Text(std::string_view text); ///< "text"
    ItemWriter& Whole(long long value);      ///< plain digits
    ItemWriter& Number(Single value);        ///< shortest plain decimal
    ItemWriter& Unset();                     ///< an item with nothing in it
    ItemWriter& EndLine();                   ///< ends the line with CR LF
    const std::string& Contents() const { return out_; }

  private:
    void Separate();
    std::string out_;
    bool lineStarted_ = false;
};

/// A file that does not hold what its reader expects: a short file, a word where a number
/// belongs, a number out of range. The message names the line.
class ItemFormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Reads items in order, splitting at commas and line ends, as they were written.
/// Every read throws ItemFormatError rather than read past the end or accept garbage.
class ItemReader {
  public:
    explicit ItemReader(std::string contents);

    bool AtEnd() const;
    std::string Text(); ///< a quoted text (quotes removed) or a bare item as it stands
    std::int16_t Int16();
    std::int32_t Int32();
    Single Number();
    void Skip(); ///< takes one item, whatever it holds (an unset item included)
    /// Takes one item and returns its raw characters (quotes kept), for an item of unknown type.
    std::string Raw();
    int Line() const { return line_; }

  private:
    std::string NextItem(bool* quoted);
    double NumberItem(const char* what);
    [[noreturn]] void Fail(const std::string& what) const;

    std::string in_;
    std::string lastNumber_; ///< the last number item, sign and digits only
    std::size_t pos_ = 0;
    int line_ = 1;
};

/// The largest file the program reads: its own files are a few hundred kilobytes at most.
inline constexpr std::size_t kMaxReadBytes = 4u << 20;

/// Reads a file whole; throws ItemFormatError when it cannot be read, is not a regular file (a
/// folder, a device, a pipe) or holds more than kMaxReadBytes. The size is checked before
/// reading, and the read itself stops at the limit, so a file that grows is refused too.
std::string ReadWholeFile(const std::string& path);

/// Writes a file whole, so that a reader finds either the old file or the new one, never a mix:
/// the contents go to a temporary file of a unique short name created in the target's folder
/// (ScratchName + ".tmp", so a target of any length the file system takes can be written), are
/// flushed to disk, and the temporary file is renamed over the target. The leftovers of writers
/// that were killed half-way are removed from the folder first (RemoveDeadLeftovers). A symbolic
/// link is written through (its final target is replaced, the link stays); an existing file keeps
/// its permissions, a new one gets 0666 less the umask. Returns false on failure, leaving the old
/// file as it was and no temporary file behind.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

/// The name of a scratch file or folder of this process: ".hearthline-PID-TAG", TAG being up to
/// 16 letters and digits. Such names tell a later sweep whose leftover it is.
std::string ScratchName(const std::string& tag);

/// Removes from `folder` the scratch files and folders of ours (ScratchName, with or without
/// ".tmp") whose writer has ended: no process of that id runs and none holds the file's lock.
/// Only this user's regular files and folders are removed, a folder with the regular files in
/// it; nothing else is ever touched. Returns how many were removed.
int RemoveDeadLeftovers(const std::string& folder);

} // namespace hl
