// The recovery copy: while a study has unsaved edits, the whole study is kept in the user's data
// folder, so that a crash, a power cut or a killed session loses nothing; the next start-up
// offers it back.
#pragma once

#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "files/recovery_names.h"
#include "files/study_file.h"
#include "platform/services.h"
#include "scenario/session.h"

namespace hl {

/// The recovery copy of one running program: recovery-PID.mtg and its note in the data folder.
class RecoveryCopy {
  public:
    /// `dataFolder` ends in "/" ("" gives a copy that is never written).
    RecoveryCopy(std::string dataFolder, std::string workingFolder, long pid);

    /// Writes the note (when it changed) and then the study, each atomically, so that the note
    /// of a study is always there. A study that would not read back is not written: the last
    /// good copy stays. False when nothing could be written.
    bool Write(const Study& study, const std::string& studyPath);
    /// The text Write would write, if it reads back as a study.
    static std::optional<std::string> Text(const Study& study);
    /// Removes the copy and its note: the study was saved, replaced or left on purpose.
    void Remove();

    std::string StudyFile() const;
    std::string NoteFile() const;

  private:
    std::string dataFolder_;
    std::string workingFolder_;
    long pid_;
    std::string written_; ///< the study text on disk now, "" when there is none
    std::optional<RecoveryNote> noted_;
};

/// A recovery copy left by a program that is no longer running.
struct LeftRecovery {
    std::string studyFile;
    std::string noteFile;
    RecoveryNote note;
};

/// The copies in `dataFolder` whose programs no longer run, oldest process id first. A program
/// runs while it holds its working folder's lock: `ownFolder`, which this program holds, tells
/// that its former owner has ended; any other folder's lock is tried.
std::vector<LeftRecovery> LeftRecoveries(const std::string& dataFolder,
                                         const std::string& ownFolder, long ownPid);

inline constexpr const char* kRecoveryTitle =
    QT_TRANSLATE_NOOP("Recovery", "Warning - possible data loss...");
/// A text of the recovery messages in the user's language.
std::string RecoveryText(const char* text);
std::string RecoveryQuestion(const std::string& studyPath);

/// A study taken back from a recovery copy, with the file it belongs to ("" untitled).
struct RestoredStudy {
    Study study;
    std::string studyPath;
};

/// At start-up, before the start-up window: asks about each left copy in turn until one is
/// restored. Yes: the study read back, which `own` takes over at once (the old copy goes only
/// then). No: the copy is kept aside as NAME-recovered-YYYYMMDD-HHMMSS.mtg in the data folder and
/// the user is told where. A copy that does not read is reported and kept aside.
std::optional<RestoredStudy> OfferRecovery(Services& services, RecoveryCopy& own,
                                           const std::vector<LeftRecovery>& left,
                                           const std::string& dataFolder);

/// Makes the restored study the current one: scenario, payment changes, tool working files and
/// file name, with the unsaved-changes flag set.
void RestoreStudy(Session& session, const RestoredStudy& restored);

} // namespace hl
