// Temporary folders for tests, under the system's temporary directory.
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace hl::test {

TempFolder::TempFolder() {
    std::string base = std::filesystem::temp_directory_path().string() + "/hearthline-test-XXXXXX";
    if (!mkdtemp(base.data()))
        throw std::runtime_error("cannot create a temporary folder");
    prefix_ = base + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(prefix_, ec);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Spit(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

} // namespace hl::test
