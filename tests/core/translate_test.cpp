// The program's language from the environment, the translator hook and the placing of pieces.
#include "core/translate.h"

#include <gtest/gtest.h>

#include <map>

namespace hl {
namespace {

TEST(Translate, TheEnvironmentChoosesTheLanguage) {
    struct Case {
        std::map<std::string, std::string> env;
        Language language;
    };
    const Language en = Language::English, fr = Language::French;
    const Case cases[] = {
        {{}, en},
        {{{"LANG", "fr"}}, fr},
        {{{"LANG", "fr_CA"}}, fr},
        {{{"LANG", "fr_CA.UTF-8"}}, fr},
        {{{"LANG", "fr_FR@euro"}}, fr},
        {{{"LANG", "en_CA.UTF-8"}}, en},
        {{{"LANG", "C"}}, en},
        {{{"LANG", "fra"}}, en},
        {{{"LANG", "french"}}, en},
        {{{"LANG", "f"}}, en},
        // The override decides either way; an unknown override is no override.
        {{{"HEARTHLINE_LANG", "en"}, {"LANGUAGE", "fr"}, {"LANG", "fr_CA"}}, en},
        {{{"HEARTHLINE_LANG", "fr"}, {"LANG", "C"}}, fr},
        {{{"HEARTHLINE_LANG", "de"}, {"LANG", "fr_CA"}}, fr},
        {{{"HEARTHLINE_LANG", "FR"}}, en},
        // LANGUAGE, then LC_ALL, LC_MESSAGES, LANG: the first set and not empty decides.
        {{{"LANGUAGE", "fr:en"}, {"LANG", "en_CA"}}, fr},
        {{{"LANGUAGE", "en:fr"}, {"LANG", "fr_CA"}}, en},
        {{{"LANGUAGE", ""}, {"LC_ALL", "fr_CA.UTF-8"}, {"LANG", "en_CA"}}, fr},
        {{{"LANGUAGE", ":fr"}, {"LANG", "en_CA"}}, en},
        {{{"LC_ALL", "en_US"}, {"LC_MESSAGES", "fr_CA"}}, en},
        {{{"LC_MESSAGES", "fr_CA"}, {"LANG", "en_CA"}}, fr},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "fr_CA"}}, fr},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const auto& [name, value] : c.env)
            shown += name + "=" + value + " ";
        const Language chosen = ChooseLanguage([&](const char* name) -> const char* {
            const auto found = c.env.find(name);
            return found == c.env.end() ? nullptr : found->second.c_str();
        });
        EXPECT_EQ(chosen, c.language) << shown;
    }
}

TEST(Translate, TextsGoThroughTheInstalledTranslatorOnly) {
    EXPECT_EQ(TrText("Verdicts", "Payment"), "Payment");
    SetTranslator([](const char* context, const char* text) {
        return std::string(context) == "Verdicts" && std::string(text) == "Payment"
                   ? std::string("Versement")
                   : std::string(text);
    });
    EXPECT_EQ(TrText("Verdicts", "Payment"), "Versement");
    EXPECT_EQ(TrText("Other", "Payment"), "Payment");
    SetTranslator({});
    EXPECT_EQ(TrText("Verdicts", "Payment"), "Payment");
    // The marker is the text itself.
    EXPECT_STREQ(HL_TR_NOOP("Verdicts", "Term"), "Term");
}

TEST(Translate, PiecesGoWhereTheSentencePutsThem) {
    struct Case {
        const char* pattern;
        const char* value;
        const char* placed;
    };
    const Case cases[] = {
        {"Payment %1 of %2", "3", "Payment 3 of %2"},
        {"%2 sur %1", "12", "%2 sur 12"},
        {"%1 and again %1", "x", "x and again x"},
        {"Rate 5 % and %1", "y", "Rate 5 % and y"},
        {"no placeholder %", "z", "no placeholder %"},
        {"%1", "%2", "%2"}, // a value is never read again
        {"", "v", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrArg(c.pattern, c.value), c.placed) << c.pattern;
    EXPECT_EQ(TrArg(TrArg("%2 sur %1", "12"), "3"), "3 sur 12");
}

} // namespace
} // namespace hl
