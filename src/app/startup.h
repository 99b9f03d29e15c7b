// What the program settles as it starts: the debug level from the command line and the
// working folder.
#pragma once

#include <QtGlobal>
#include <memory>
#include <string>
#include <vector>

class QLockFile;
class QTemporaryDir;

namespace hl {

class Services;

/// What the command line asks for: an optional debug word, then an optional study to open.
struct ProgramArguments {
    int debugLevel = 0;
    std::string studyPath; ///< "" when none was given
};

/// "debugging" gives level 1, "instrumenting" level 2; the first other word is the study to open
/// (`hearthline house.mtg`, `hearthline debugging house.mtg`).
ProgramArguments ReadProgramArguments(const std::vector<std::string>& args);

/// The debug level of ReadProgramArguments.
int DebugLevelFromArguments(const std::vector<std::string>& args);

/// The working folder, ending in "/": HEARTHLINE_WORKING_FOLDER when set, else the program's own
/// folder when it can be written to, else the user's application data folder (an installed
/// program). Created when missing.
std::string ChooseWorkingFolder(const std::string& programFolder);

/// The working folder with what the user should hear about the choice.
struct WorkingFolderChoice {
    std::string folder;   ///< ending in "/"
    std::string unusable; ///< HEARTHLINE_WORKING_FOLDER when it was set but cannot be written
};
WorkingFolderChoice ChooseWorkingFolderAndSay(const std::string& programFolder);

/// The title and text of the message a program whose chosen working folder cannot be written
/// shows, once, as it starts.
inline constexpr const char* kFolderUnusableTitle = QT_TRANSLATE_NOOP("Startup", "Mtge Error Trap");
std::string FolderUnusableText(const std::string& chosen, const std::string& used);

/// A text of the start-up messages (their titles) in the user's language.
std::string StartupText(const char* text);

/// Start-up's tidying: the leftovers of saves and reports of ours that were killed half-way
/// (named as ours, their writer gone) in the working folder and the temporary folder.
void RemoveStartupLeftovers(const std::string& workingFolder);

/// The help page the program opens: "help/hearthline-help.html" beside the program (a build
/// folder) when it is there, else the installed page, `installedPage` taken from the program's
/// folder (bin/../share/hearthline/help/hearthline-help.html) when that is there, else the one
/// beside the program, so that the help window's message names where it was looked for.
std::string ChooseHelpPage(const std::string& programFolder, const std::string& installedPage);

/// The name of the lock file a running program keeps in its working folder.
inline constexpr const char* kWorkingFolderLockName = "hearthline.lock";

/// The working folder a program runs in, kept its own for as long as this lives: every start-up
/// rewrites the tool working files, so two programs on one folder would overwrite each other's.
class HeldWorkingFolder {
  public:
    /// Locks `chosen` (ending in "/"). When another running program holds it, says so through
    /// `services` and runs in a private folder of its own instead, removed when this ends.
    HeldWorkingFolder(const std::string& chosen, Services& services);
    ~HeldWorkingFolder();
    HeldWorkingFolder(const HeldWorkingFolder&) = delete;
    HeldWorkingFolder& operator=(const HeldWorkingFolder&) = delete;

    /// The folder to use, ending in "/".
    const std::string& Folder() const { return folder_; }
    /// True when the chosen folder was taken and a private one is used.
    bool IsPrivate() const { return privateFolder_ != nullptr; }

  private:
    std::string folder_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QTemporaryDir> privateFolder_;
};

/// The title and text of the message a program started on a held folder shows.
inline constexpr const char* kFolderInUseTitle = QT_TRANSLATE_NOOP("Startup", "Mtge Error Trap");
std::string FolderInUseText(const std::string& chosen, const std::string& own);

} // namespace hl
