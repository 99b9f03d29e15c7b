// A private working folder for one test, removed when the test ends.
#pragma once

#include <string>

namespace hl::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    /// The folder followed by "/", ready to prefix working-file names.
    const std::string& Prefix() const { return prefix_; }
    std::string Path(const std::string& name) const { return prefix_ + name; }

  private:
    std::string prefix_;
};

/// Reads a whole file ("" when missing).
std::string Slurp(const std::string& path);
/// Writes a whole file.
void Spit(const std::string& path, const std::string& contents);

} // namespace hl::test
