// The names of the recovery copies a running program keeps in the user's data folder, and of the
// copies kept aside when the user does not restore one.
#pragma once

#include <optional>
#include <string>

namespace hl {

/// "recovery-1234.mtg": the study of the program of process 1234, exactly as Save writes it.
std::string RecoveryStudyName(long pid);
/// "recovery-1234.note": what the study needs beside it (see RecoveryNote).
std::string RecoveryNoteName(long pid);
/// The process id of a recovery study's name, nothing for any other name.
std::optional<long> RecoveryPid(const std::string& fileName);

/// What a recovery study does not hold itself: the working folder of the program that wrote it
/// (whose lock tells whether it still runs) and the file the study came from ("" untitled).
struct RecoveryNote {
    std::string workingFolder;
    std::string studyPath;
    bool operator==(const RecoveryNote&) const = default;
};
/// One path a line.
std::string RecoveryNoteText(const RecoveryNote& note);
/// Nothing when the text is not a note (a line missing, or no working folder).
std::optional<RecoveryNote> ReadRecoveryNote(const std::string& text);

/// The study's name as the user sees it: "house.mtg", or "Untitled" when it has no file.
std::string StudyTitle(const std::string& studyPath);

/// The date and time a copy is kept aside, local time.
struct Stamp {
    int year, month, day, hour, minute, second;
};
/// "house-recovered-20261208-171000.mtg" ("Untitled-recovered-..." for an untitled study).
std::string KeptAsideName(const std::string& studyPath, const Stamp& when);

} // namespace hl
