// Where the program finds its French translation and its French help page.
#include "app/translation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace hl {
namespace {

TEST(Translation, TheFileIsFoundBesideTheProgramThenUnderTheInstallation) {
    const std::string installed = "../share/hearthline/i18n/hearthline_fr_CA.qm";
    struct Case {
        const char* what;
        bool beside;
        bool underShare;
        const char* chosen; ///< relative to the program's folder, "" for none
    };
    const Case cases[] = {
        {"a build folder", true, false, "i18n/hearthline_fr_CA.qm"},
        {"both", true, true, "i18n/hearthline_fr_CA.qm"},
        {"an installed program", false, true, "../share/hearthline/i18n/hearthline_fr_CA.qm"},
        {"neither: English", false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder root;
        const std::string program = root.Path("prefix/bin/");
        std::filesystem::create_directories(program);
        if (c.beside) {
            std::filesystem::create_directories(program + "i18n");
            test::Spit(program + "i18n/hearthline_fr_CA.qm", "qm");
        }
        if (c.underShare) {
            std::filesystem::create_directories(root.Path("prefix/share/hearthline/i18n"));
            test::Spit(root.Path("prefix/share/hearthline/i18n/hearthline_fr_CA.qm"), "qm");
        }
        const std::string expected = *c.chosen ? program + c.chosen : "";
        EXPECT_EQ(ChooseTranslationFile(program, installed), expected);
        // The folder may come without its "/".
        EXPECT_EQ(ChooseTranslationFile(program.substr(0, program.size() - 1), installed),
                  expected);
    }
}

TEST(Translation, FrenchHelpStandsInFrBesideTheEnglishPage) {
    test::TempFolder root;
    const std::string english = root.Path("help/hearthline-help.html");
    std::filesystem::create_directories(root.Path("help"));
    test::Spit(english, "<html/>");
    // Without a French page, the English one.
    EXPECT_EQ(HelpPageIn(Language::French, english), english);
    std::filesystem::create_directories(root.Path("help/fr"));
    test::Spit(root.Path("help/fr/hearthline-help.html"), "<html/>");
    EXPECT_EQ(HelpPageIn(Language::French, english), root.Path("help/fr/hearthline-help.html"));
    EXPECT_EQ(HelpPageIn(Language::English, english), english);
}

} // namespace
} // namespace hl
