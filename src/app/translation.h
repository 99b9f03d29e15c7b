// The program's language: the French translation (its own and Qt's, for the file and print
// dialogs) installed when the environment asks for French.
#pragma once

#include <memory>
#include <string>

#include "core/translate.h"

class QTranslator;

namespace hl {

/// The French translation the program loads: "i18n/hearthline_fr_CA.qm" beside the program (a
/// build folder) when it is there, else `installedFile` taken from the program's folder
/// (bin/../share/hearthline/i18n/hearthline_fr_CA.qm); "" when neither is there.
std::string ChooseTranslationFile(const std::string& programFolder,
                                  const std::string& installedFile);

/// The help page for `language`: help/fr/ beside the English page `englishPage` for French
/// (when it is there; else the English page), `englishPage` itself for English.
std::string HelpPageIn(Language language, const std::string& englishPage);

/// The program's translation while this lives: for French, the program's texts from
/// `translationFile` and Qt's own (qtbase_fr) installed in the application, and TrText answering
/// through them; nothing for English. Needs the QCoreApplication; ends before it.
class ProgramTranslation {
  public:
    ProgramTranslation(Language language, const std::string& translationFile);
    ~ProgramTranslation();
    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    /// The language the program speaks: French only when its translation could be loaded.
    Language Spoken() const { return spoken_; }

  private:
    Language spoken_ = Language::English;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace hl
