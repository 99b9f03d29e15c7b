// Debug level and working folder.
#include "app/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdlib>

#include "core/control_escape.h"
#include "core/text_items.h"

#include "platform/qt/qt_text.h"
#include "platform/services.h"

namespace hl {

ProgramArguments ReadProgramArguments(const std::vector<std::string>& args) {
    ProgramArguments read;
    std::size_t next = 0;
    if (!args.empty() && args[0] == "debugging")
        read.debugLevel = 1, next = 1;
    else if (!args.empty() && args[0] == "instrumenting")
        read.debugLevel = 2, next = 1;
    if (next < args.size())
        read.studyPath = args[next];
    return read;
}

int DebugLevelFromArguments(const std::vector<std::string>& args) {
    return ReadProgramArguments(args).debugLevel;
}

namespace {

bool Writable(const QString& folder) {
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + "/.hearthline-probe-XXXXXX");
    return probe.open();
}

std::string WithSeparator(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    if (!path.endsWith('/'))
        path += '/';
    return path.toStdString();
}

} // namespace

std::string ChooseWorkingFolder(const std::string& programFolder) {
    return ChooseWorkingFolderAndSay(programFolder).folder;
}

WorkingFolderChoice ChooseWorkingFolderAndSay(const std::string& programFolder) {
    WorkingFolderChoice choice;
    if (const char* chosen = std::getenv("HEARTHLINE_WORKING_FOLDER"); chosen && *chosen) {
        const QString folder = QString::fromLocal8Bit(chosen);
        if (Writable(folder)) {
            choice.folder = WithSeparator(folder);
            return choice;
        }
        choice.unusable = chosen;
    }
    const QString own = QString::fromStdString(programFolder);
    choice.folder =
        Writable(own)
            ? WithSeparator(own)
            : WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    return choice;
}

std::string FolderUnusableText(const std::string& chosen, const std::string& used) {
    return QCoreApplication::translate("Startup",
                                       "The working folder %1 (HEARTHLINE_WORKING_FOLDER) cannot "
                                       "be written to.\rThis program keeps its working files in "
                                       "%2 instead.")
        .arg(QString::fromStdString(EscapeControls(chosen)),
             QString::fromStdString(EscapeControls(used)))
        .toStdString();
}

std::string StartupText(const char* text) {
    return QCoreApplication::translate("Startup", text).toStdString();
}

void RemoveStartupLeftovers(const std::string& workingFolder) {
    RemoveDeadLeftovers(workingFolder);
    RemoveDeadLeftovers(QDir::tempPath().toStdString());
}

std::string FolderInUseText(const std::string& chosen, const std::string& own) {
    return QCoreApplication::translate("Startup",
                                       "Another Hearthline program is already running with its "
                                       "working files in %1.\rThis program keeps its working "
                                       "files in %2 instead, until it ends, so neither overwrites "
                                       "the other's.")
        .arg(QString::fromStdString(chosen), QString::fromStdString(own))
        .toStdString();
}

std::string ChooseHelpPage(const std::string& programFolder, const std::string& installedPage) {
    const std::string beside = HelpFilePath(programFolder);
    if (QFileInfo(QString::fromStdString(beside)).isFile())
        return beside;
    const std::string installed = programFolder + installedPage;
    if (QFileInfo(QString::fromStdString(installed)).isFile())
        return installed;
    return beside;
}

HeldWorkingFolder::HeldWorkingFolder(const std::string& chosen, Services& services)
    : folder_(chosen),
      lock_(std::make_unique<QLockFile>(QString::fromStdString(chosen + kWorkingFolderLockName))) {
    // A running program holds its lock however long it runs; only a lock left by a program that
    // has ended (its process is gone) is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return;
    lock_.reset();
    // Named as ours, so that the folder of a program that was killed goes at a later start-up.
    const QString name = QString::fromStdString(ScratchName("XXXXXX"));
    privateFolder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/" + name);
    // Without a temporary folder, a folder of its own inside the chosen one, which is writable.
    if (!privateFolder_->isValid())
        privateFolder_ = std::make_unique<QTemporaryDir>(QString::fromStdString(chosen) + name);
    folder_ = WithSeparator(privateFolder_->path());
    services.Beep();
    services.Tell(StartupText(kFolderInUseTitle), FolderInUseText(chosen, folder_));
}

HeldWorkingFolder::~HeldWorkingFolder() = default;

} // namespace hl
