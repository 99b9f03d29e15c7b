// New, Open, Save and the question before quitting.
#include "app/study_commands.h"

#include <QCoreApplication>
#include <cstdio>

#include "core/control_escape.h"
#include "core/text_items.h"
#include "engine/working_names.h"
#include "files/backup.h"
#include "files/recovery_names.h"
#include "files/study_file.h"
#include "files/working_files.h"

namespace hl {
namespace {

constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("StudyCommands", "Mtge Error Trap");
constexpr const char* kNoFileTitle = QT_TRANSLATE_NOOP("StudyCommands", "Mtge - Error Trap");
constexpr const char* kNoFileText =
    QT_TRANSLATE_NOOP("StudyCommands", "Request for a 'New' study was aborted as no valid filename "
                                       "was given the the 'Save File' request.");

QString Q(const std::string& text) { return QString::fromStdString(text); }
// The file name box of the study dialogs opens with the pattern, as it always has.
constexpr const char* kStudyPattern = "*.mtg";

// Saves through the dialog; false when cancelled or when the file could not be written.
bool SaveThroughDialog(AppContext& app) {
    // A study with a file offers it again, so that Save writes back where it came from.
    const std::string offered =
        app.session.studyPath.empty() ? kStudyPattern : app.session.studyPath;
    const auto path = app.services.AskSaveFile(StudyText(kStudyFilter), kStudyExtension, offered);
    if (!path)
        return false;
    const Study study = CurrentStudy(app);
    const BackupOutcome backup = KeepPreviousVersion(*path);
    if (!WriteStudyFile(*path, study)) {
        app.services.Beep();
        app.services.Tell(StudyText(kErrorTitle),
                          QCoreApplication::translate("StudyCommands",
                                                      "The study could not be saved to %1.\rAny "
                                                      "file of that name was left as it was.")
                              .arg(Q(EscapeControls(*path)))
                              .toStdString());
        return false;
    }
    app.session.studyPath = *path;
    app.session.MarkSaved();
    if (backup == BackupOutcome::Failed) {
        // The save itself went through: the missing backup is only worth knowing about.
        app.services.Beep();
        app.services.Tell(StudyText(kErrorTitle),
                          QCoreApplication::translate("StudyCommands",
                                                      "The study was saved to %1, but its "
                                                      "previous version could not be kept as %2.")
                              .arg(Q(EscapeControls(*path)), Q(EscapeControls(BackupPath(*path))))
                              .toStdString());
    }
    return true;
}

} // namespace

std::string StudyText(const char* text) {
    return QCoreApplication::translate("StudyCommands", text).toStdString();
}

std::string ShownStudyTitle(const std::string& studyPath) {
    // The file name stays as it is; only the name of a study without one is in words.
    if (studyPath.empty() || studyPath.back() == '/')
        return StudyText(QT_TRANSLATE_NOOP("StudyCommands", "Untitled"));
    return StudyTitle(studyPath);
}

Study CurrentStudy(AppContext& app) {
    // Tool windows keep their inputs in their working files only when they close; a study
    // saved while one is open must still hold what it shows.
    app.host.SaveOpenWindowStates();
    Study study;
    study.scenario = app.session.scenario;
    study.frequencyStored = IsFrequency(app.session.scenario.frequency);
    study.changes = app.session.changes;
    study.tools = ReadToolFiles(app.session.folder);
    study.lender = app.session.lender;
    return study;
}

bool SaveStudy(AppContext& app) {
    const bool saved = SaveThroughDialog(app);
    app.host.ShowChild(WindowId::Form2);
    return saved;
}

void OpenStudy(AppContext& app) {
    const auto path =
        app.services.AskOpenFile(StudyText(kStudyFilter), kStudyExtension, kStudyPattern);
    if (!path) {
        app.host.ShowChild(WindowId::Form2);
        return;
    }
    OpenStudyFile(app, *path);
}

bool MayDiscardForOpen(AppContext& app) {
    return !app.session.Unsaved() ||
           app.services.Ask(StudyText(kDataLossTitle), StudyText(kOpenQuestion),
                            MessageButtons::YesNoCancel) == MessageAnswer::No;
}

bool OpenStudyFile(AppContext& app, const std::string& path) {
    Study study;
    try {
        study = ReadStudyFile(path);
    } catch (const ItemFormatError& e) {
        app.services.Beep();
        // The reason may echo the file's bytes: a hostile file shows escaped, never as controls.
        app.services.Tell(StudyText(kErrorTitle),
                          QCoreApplication::translate("StudyCommands",
                                                      "The file %1 could not be read as a "
                                                      "study.\r%2\rThe current study was left as "
                                                      "it was.")
                              .arg(Q(EscapeControls(path)), Q(EscapeControls(e.what())))
                              .toStdString());
        app.host.ShowChild(WindowId::Form2);
        return false;
    }
    // Nothing of the study being left stays on the screen, whichever window is active.
    app.host.CloseResultWindows();
    app.host.CloseChild(WindowId::Form2);
    app.session.studyPath = path;
    app.session.MarkSaved();
    const Frequency frequency = app.session.scenario.frequency;
    app.session.scenario = study.scenario;
    // Files written before the frequency was stored keep the frequency in use.
    if (!study.frequencyStored)
        app.session.scenario.frequency = frequency;
    app.session.changes = study.changes;
    app.session.lender = study.lender;
    WriteToolFiles(app.session.folder, study.tools);
    app.host.ShowChild(WindowId::Form2);
    app.host.ReopenToolWindows();
    return true;
}

bool NewStudy(AppContext& app) {
    if (app.session.Unsaved()) {
        const MessageAnswer answer = app.services.Ask(
            StudyText(kDataLossTitle), StudyText(kSaveQuestion), MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Cancel)
            return false;
        if (answer == MessageAnswer::Yes && !SaveThroughDialog(app)) {
            app.services.Tell(StudyText(kNoFileTitle), StudyText(kNoFileText));
            return false;
        }
    }
    app.host.CloseResultWindows();
    // The form closes before the scenario is cleared: a value it still checks on closing goes
    // to the study being left, not into the new one.
    app.host.CloseChild(WindowId::Form2);
    app.session.ResetScenario();
    app.session.lender.reset();
    app.host.ShowChild(WindowId::Form2);
    ResetToolFiles(app.session.folder);
    app.host.ReopenToolWindows();
    app.session.studyPath.clear();
    app.session.MarkSaved();
    return true;
}

bool MayQuit(AppContext& app) {
    if (!app.session.Unsaved())
        return true;
    const MessageAnswer answer = app.services.Ask(
        StudyText(kDataLossTitle), StudyText(kSaveQuestion), MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::Yes && !SaveThroughDialog(app)) {
        // Quit saves as New does, and says so when no study was saved: nothing typed is lost.
        app.services.Tell(StudyText(kNoFileTitle), StudyText(kNoFileText));
        return false;
    }
    return true;
}

void DeleteWorkingFiles(const std::string& folder) {
    for (const char* name : {kScheduleFile, kPayoffFile, kParkedChangesFile})
        std::remove((folder + name).c_str());
    DeleteToolFiles(folder);
}

} // namespace hl
