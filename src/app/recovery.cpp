// Writing the recovery copy, finding those left by ended programs, and offering them back.
#include "app/recovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cstdio>

#include "app/startup.h"
#include "app/study_commands.h"
#include "core/text_items.h"
#include "files/working_files.h"

namespace hl {
namespace {

constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("Recovery", "Mtge Error Trap");

QString Q(const std::string& text) { return QString::fromStdString(text); }

// True while the program that wrote a copy still runs: it holds its working folder's lock.
bool StillRunning(const RecoveryNote& note, long pid, const std::string& ownFolder) {
    // This program holds its own folder: whoever wrote a copy with it has ended.
    if (note.workingFolder == ownFolder)
        return false;
    QLockFile lock(Q(note.workingFolder + kWorkingFolderLockName));
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    if (lock.error() != QLockFile::LockFailedError)
        return false; // the folder is gone: its program ended long ago
    qint64 holder = 0;
    QString host, app;
    return lock.getLockInfo(&holder, &host, &app) && holder == pid;
}

std::string KeepAside(const LeftRecovery& copy, const std::string& dataFolder) {
    const QDateTime now = QDateTime::currentDateTime();
    const Stamp stamp{now.date().year(), now.date().month(),  now.date().day(),
                      now.time().hour(), now.time().minute(), now.time().second()};
    const std::string aside = dataFolder + KeptAsideName(copy.note.studyPath, stamp);
    if (std::rename(copy.studyFile.c_str(), aside.c_str()) != 0)
        return {};
    std::remove(copy.noteFile.c_str());
    return aside;
}

std::string KeptText(const std::string& aside, const LeftRecovery& copy) {
    const QString kept =
        aside.empty()
            ? QCoreApplication::translate("Recovery", "It stays as %1.").arg(Q(copy.studyFile))
            : QCoreApplication::translate("Recovery", "It was kept as %1.").arg(Q(aside));
    return kept.toStdString();
}

} // namespace

RecoveryCopy::RecoveryCopy(std::string dataFolder, std::string workingFolder, long pid)
    : dataFolder_(std::move(dataFolder)), workingFolder_(std::move(workingFolder)), pid_(pid) {}

std::string RecoveryCopy::StudyFile() const { return dataFolder_ + RecoveryStudyName(pid_); }
std::string RecoveryCopy::NoteFile() const { return dataFolder_ + RecoveryNoteName(pid_); }

std::optional<std::string> RecoveryCopy::Text(const Study& study) {
    std::string text = WriteStudyText(study);
    try {
        // A value held while its question is open may be one no reader takes: such a copy
        // would restore nothing.
        ReadStudyText(text);
    } catch (const ItemFormatError&) {
        return std::nullopt;
    }
    return text;
}

bool RecoveryCopy::Write(const Study& study, const std::string& studyPath) {
    if (dataFolder_.empty())
        return false;
    const std::optional<std::string> text = Text(study);
    if (!text)
        return true;
    const RecoveryNote note{workingFolder_, studyPath};
    if (noted_ != note) {
        if (!WriteFileAtomically(NoteFile(), RecoveryNoteText(note)))
            return false;
        noted_ = note;
    }
    if (*text == written_)
        return true;
    if (!WriteFileAtomically(StudyFile(), *text))
        return false;
    written_ = *text;
    return true;
}

void RecoveryCopy::Remove() {
    std::remove(StudyFile().c_str());
    std::remove(NoteFile().c_str());
    written_.clear();
    noted_.reset();
}

std::vector<LeftRecovery> LeftRecoveries(const std::string& dataFolder,
                                         const std::string& ownFolder, long ownPid) {
    std::vector<std::pair<long, LeftRecovery>> found;
    if (dataFolder.empty())
        return {};
    const QStringList names = QDir(Q(dataFolder)).entryList({"recovery-*.mtg"}, QDir::Files);
    for (const QString& name : names) {
        const std::optional<long> pid = RecoveryPid(name.toStdString());
        if (!pid || *pid == ownPid)
            continue;
        LeftRecovery copy{dataFolder + name.toStdString(), dataFolder + RecoveryNoteName(*pid), {}};
        // The note is written before its study: a study without one was left by a program that
        // ended before anything else could be written, whose folder is unknown.
        std::optional<RecoveryNote> note;
        try {
            note = ReadRecoveryNote(ReadWholeFile(copy.noteFile));
        } catch (const ItemFormatError&) {
        }
        if (note) {
            if (StillRunning(*note, *pid, ownFolder))
                continue;
            copy.note = *note;
        }
        found.emplace_back(*pid, std::move(copy));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<LeftRecovery> left;
    for (auto& [pid, copy] : found)
        left.push_back(std::move(copy));
    return left;
}

std::string RecoveryText(const char* text) {
    return QCoreApplication::translate("Recovery", text).toStdString();
}

std::string RecoveryQuestion(const std::string& studyPath) {
    return QCoreApplication::translate(
               "Recovery", "Hearthline stopped before the study %1 was saved. Do you want to "
                           "restore it?")
        .arg(Q(ShownStudyTitle(studyPath)))
        .toStdString();
}

std::optional<RestoredStudy> OfferRecovery(Services& services, RecoveryCopy& own,
                                           const std::vector<LeftRecovery>& left,
                                           const std::string& dataFolder) {
    for (const LeftRecovery& copy : left) {
        const MessageAnswer answer =
            services.Ask(RecoveryText(kRecoveryTitle), RecoveryQuestion(copy.note.studyPath),
                         MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            services.Tell(RecoveryText(kRecoveryTitle),
                          QCoreApplication::translate("Recovery",
                                                      "The unsaved study %1 was not restored.\r%2")
                              .arg(Q(ShownStudyTitle(copy.note.studyPath)),
                                   Q(KeptText(KeepAside(copy, dataFolder), copy)))
                              .toStdString());
            continue;
        }
        Study study;
        try {
            study = ReadStudyFile(copy.studyFile);
        } catch (const ItemFormatError& e) {
            services.Beep();
            const std::string aside = KeepAside(copy, dataFolder);
            services.Tell(
                RecoveryText(kErrorTitle),
                QCoreApplication::translate(
                    "Recovery", "The recovery copy %1 could not be read as a study.\r%2\r%3")
                    .arg(Q(copy.studyFile), Q(e.what()), Q(KeptText(aside, copy)))
                    .toStdString());
            continue;
        }
        // The copy becomes this program's before the old one goes: a crash right now still
        // leaves one behind.
        if (own.Write(study, copy.note.studyPath)) {
            std::remove(copy.studyFile.c_str());
            std::remove(copy.noteFile.c_str());
        }
        return RestoredStudy{std::move(study), copy.note.studyPath};
    }
    return std::nullopt;
}

void RestoreStudy(Session& session, const RestoredStudy& restored) {
    const Frequency frequency = session.scenario.frequency;
    session.scenario = restored.study.scenario;
    if (!restored.study.frequencyStored)
        session.scenario.frequency = frequency;
    session.changes = restored.study.changes;
    session.lender = restored.study.lender;
    session.studyPath = restored.studyPath;
    WriteToolFiles(session.folder, restored.study.tools);
    session.MarkChanged();
}

} // namespace hl
