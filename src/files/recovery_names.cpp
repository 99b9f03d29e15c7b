// Recovery copy names and the note beside each copy.
#include "files/recovery_names.h"

#include <cctype>
#include <cstdio>

namespace hl {
namespace {

constexpr const char* kPrefix = "recovery-";
constexpr const char* kStudySuffix = ".mtg";

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string RecoveryStudyName(long pid) { return kPrefix + std::to_string(pid) + kStudySuffix; }

std::string RecoveryNoteName(long pid) { return kPrefix + std::to_string(pid) + ".note"; }

std::optional<long> RecoveryPid(const std::string& fileName) {
    const std::string prefix = kPrefix, suffix = kStudySuffix;
    if (fileName.size() <= prefix.size() + suffix.size() || fileName.rfind(prefix, 0) != 0 ||
        fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    const std::string digits =
        fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
    if (digits.size() > 9)
        return std::nullopt;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return std::stol(digits);
}

std::string RecoveryNoteText(const RecoveryNote& note) {
    return note.workingFolder + "\n" + note.studyPath + "\n";
}

std::optional<RecoveryNote> ReadRecoveryNote(const std::string& text) {
    const std::size_t first = text.find('\n');
    if (first == std::string::npos || first == 0)
        return std::nullopt;
    const std::size_t second = text.find('\n', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    return RecoveryNote{text.substr(0, first), text.substr(first + 1, second - first - 1)};
}

std::string StudyTitle(const std::string& studyPath) {
    const std::string name = NameOf(studyPath);
    return name.empty() ? "Untitled" : name;
}

std::string KeptAsideName(const std::string& studyPath, const Stamp& when) {
    std::string base = StudyTitle(studyPath);
    const std::string suffix = kStudySuffix;
    if (base.size() > suffix.size() &&
        base.compare(base.size() - suffix.size(), suffix.size(), suffix) == 0)
        base.resize(base.size() - suffix.size());
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", when.year, when.month, when.day,
                  when.hour, when.minute, when.second);
    return base + "-recovered-" + stamp + kStudySuffix;
}

} // namespace hl
