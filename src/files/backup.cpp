// The previous version of a study file, kept beside it before a save replaces it.
#include "files/backup.h"

#include <sys/stat.h>

#include "core/text_items.h"

namespace hl {

std::string BackupPath(const std::string& studyPath) { return studyPath + ".bak"; }

BackupOutcome KeepPreviousVersion(const std::string& studyPath) {
    struct stat st {};
    if (::stat(studyPath.c_str(), &st) != 0)
        return BackupOutcome::NothingToKeep;
    try {
        return WriteFileAtomically(BackupPath(studyPath), ReadWholeFile(studyPath))
                   ? BackupOutcome::Kept
                   : BackupOutcome::Failed;
    } catch (const ItemFormatError&) {
        return BackupOutcome::Failed;
    }
}

} // namespace hl
