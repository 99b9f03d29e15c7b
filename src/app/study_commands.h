// The study-file commands of the main window: New, Open and Save, with their questions.
#pragma once

#include <QtGlobal>
#include <string>

#include "files/study_file.h"

#include "windowkit/app_context.h"

namespace hl {

// The texts are shown through QCoreApplication::translate("StudyCommands", ...).
inline constexpr const char* kStudyFilter =
    QT_TRANSLATE_NOOP("StudyCommands", "Mtg Files (*.mtg)|*.mtg");
inline constexpr const char* kStudyExtension = "mtg";
inline constexpr const char* kDataLossTitle =
    QT_TRANSLATE_NOOP("StudyCommands", "Warning - possible data loss...");
inline constexpr const char* kSaveQuestion =
    QT_TRANSLATE_NOOP("StudyCommands", "Data is not saved.  Do you want to save this study ?");
inline constexpr const char* kOpenQuestion = QT_TRANSLATE_NOOP(
    "StudyCommands",
    "Data is not saved.  Do you want another chance to save this study before it is erased?");

/// A text of the study commands in the user's language.
std::string StudyText(const char* text);

/// The study's name as the windows show it: its file's name, or "Untitled" in the user's
/// language when it has none.
std::string ShownStudyTitle(const std::string& studyPath);

/// Save: asks for a file (offering the study's own file when it has one), keeps the previous
/// version of the file as NAME.mtg.bak, writes the scenario and the seven tool sections atomically,
/// clears the unsaved-changes flag and shows the input form. A failed write says so and keeps the
/// flag. Returns true when the study was saved.
bool SaveStudy(AppContext& app);

/// Open, after the question about unsaved data: asks for a file and reads it whole; only a file
/// that reads completely replaces the study. A file that is not a study is reported and
/// changes nothing.
void OpenStudy(AppContext& app);

/// The question before another study replaces unsaved edits (Yes and Cancel keep them, so the
/// user can save first): true when the study may be replaced.
bool MayDiscardForOpen(AppContext& app);

/// Opens the study at `path` (a recent study, a dropped file, the command line) as Open does
/// once a file is chosen. A file that does not read as a study is reported and changes nothing;
/// returns false then.
bool OpenStudyFile(AppContext& app, const std::string& path);

/// What Save writes: the scenario, its payment changes and the tool windows' inputs, open
/// windows first writing theirs.
Study CurrentStudy(AppContext& app);

/// New: asks to save unsaved data first (Cancel keeps everything), then clears the scenario and
/// the tool working files. Returns false when the user cancelled or the save failed.
bool NewStudy(AppContext& app);

/// Asks about unsaved data before the program ends: true when it may end (saved, or the user
/// chose not to save), false to keep running.
bool MayQuit(AppContext& app);

/// Deletes the engine's working files and the seven tool working files (Quit).
void DeleteWorkingFiles(const std::string& folder);

} // namespace hl
