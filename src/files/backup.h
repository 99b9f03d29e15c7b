// The backup a save keeps: the previous version of a study file, one level, beside it.
#pragma once

#include <string>

namespace hl {

/// "house.mtg" -> "house.mtg.bak".
std::string BackupPath(const std::string& studyPath);

enum class BackupOutcome {
    NothingToKeep, ///< no file of that name yet: a first save
    Kept,          ///< the previous version is in the backup
    Failed,        ///< the previous version could not be read or the backup not written
};

/// Copies the file at `studyPath`, as it is now, to its backup, atomically (a reader finds the
/// old backup or the new one, never a mix). Run before the new version is written.
BackupOutcome KeepPreviousVersion(const std::string& studyPath);

} // namespace hl
