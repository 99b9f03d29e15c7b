// Debug level and working folder.
#include "app/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdlib>

namespace hl {

int DebugLevelFromArguments(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return 0;
    if (args[0] == "debugging")
        return 1;
    if (args[0] == "instrumenting")
        return 2;
    return 0;
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
    if (const char* chosen = std::getenv("HEARTHLINE_WORKING_FOLDER"); chosen && *chosen) {
        const QString folder = QString::fromLocal8Bit(chosen);
        if (Writable(folder))
            return WithSeparator(folder);
    }
    const QString own = QString::fromStdString(programFolder);
    if (Writable(own))
        return WithSeparator(own);
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

} // namespace hl
