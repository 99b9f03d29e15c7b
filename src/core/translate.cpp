// The installed translator and the choice of language.
#include "core/translate.h"

#include <cstdlib>
#include <utility>

namespace hl {

namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

bool IsDigit(char c) { return c >= '1' && c <= '9'; }

/// "fr", "fr_CA", "fr_CA.UTF-8", "fr@euro" and "fr-CA" name French; "fra", "french" do not.
bool NamesFrench(std::string_view locale) {
    if (locale.size() < 2 || (locale[0] != 'f' && locale[0] != 'F') ||
        (locale[1] != 'r' && locale[1] != 'R'))
        return false;
    return locale.size() == 2 || locale[2] == '_' || locale[2] == '-' || locale[2] == '.' ||
           locale[2] == '@';
}

} // namespace

void SetTranslator(Translator translator) { Installed() = std::move(translator); }

std::string TrText(const char* context, const char* text) {
    const Translator& translator = Installed();
    if (!translator)
        return text;
    return translator(context, text);
}

std::string TrArg(std::string_view pattern, std::string_view value) {
    char lowest = 0;
    for (std::size_t k = 0; k + 1 < pattern.size(); ++k)
        if (pattern[k] == '%' && IsDigit(pattern[k + 1]) && (!lowest || pattern[k + 1] < lowest))
            lowest = pattern[k + 1];
    if (!lowest)
        return std::string(pattern);
    std::string out;
    out.reserve(pattern.size() + value.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (pattern[k] == '%' && k + 1 < pattern.size() && pattern[k + 1] == lowest) {
            out += value;
            ++k;
        } else {
            out += pattern[k];
        }
    }
    return out;
}

Language ChooseLanguage(const std::function<const char*(const char*)>& get) {
    if (const char* own = get("HEARTHLINE_LANG")) {
        const std::string_view chosen(own);
        if (chosen == "fr")
            return Language::French;
        if (chosen == "en")
            return Language::English;
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = get(name);
        if (!value || !*value)
            continue;
        std::string_view locale(value);
        if (std::string_view(name) == "LANGUAGE") {
            locale = locale.substr(0, locale.find(':'));
            if (locale.empty())
                continue;
        }
        return NamesFrench(locale) ? Language::French : Language::English;
    }
    return Language::English;
}

Language LanguageOfEnvironment() {
    return ChooseLanguage([](const char* name) { return std::getenv(name); });
}

} // namespace hl
