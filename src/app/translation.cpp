// Loading and installing the French translation.
#include "app/translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace hl {

namespace {

constexpr const char* kBesideProgram = "i18n/hearthline_fr_CA.qm";

bool IsFile(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }

} // namespace

std::string ChooseTranslationFile(const std::string& programFolder,
                                  const std::string& installedFile) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    if (IsFile(folder + kBesideProgram))
        return folder + kBesideProgram;
    if (IsFile(folder + installedFile))
        return folder + installedFile;
    return {};
}

std::string HelpPageIn(Language language, const std::string& englishPage) {
    if (language != Language::French)
        return englishPage;
    const std::size_t slash = englishPage.find_last_of('/');
    const std::string french =
        slash == std::string::npos
            ? "fr/" + englishPage
            : englishPage.substr(0, slash + 1) + "fr/" + englishPage.substr(slash + 1);
    return IsFile(french) ? french : englishPage;
}

ProgramTranslation::ProgramTranslation(Language language, const std::string& translationFile) {
    if (language != Language::French || translationFile.empty())
        return;
    own_ = std::make_unique<QTranslator>();
    if (!own_->load(QString::fromStdString(translationFile))) {
        own_.reset();
        return;
    }
    QCoreApplication::installTranslator(own_.get());
    // Qt's own texts (the file and print dialogs, the standard buttons); a system without Qt's
    // translations still gets the program's own.
    qt_ = std::make_unique<QTranslator>();
    if (qt_->load(QLocale(QLocale::French, QLocale::Canada), QStringLiteral("qtbase"),
                  QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt_.get());
    else
        qt_.reset();
    SetTranslator([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    spoken_ = Language::French;
}

ProgramTranslation::~ProgramTranslation() {
    if (spoken_ != Language::French)
        return;
    SetTranslator({});
    if (qt_)
        QCoreApplication::removeTranslator(qt_.get());
    QCoreApplication::removeTranslator(own_.get());
}

} // namespace hl
