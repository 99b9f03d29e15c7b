// The texts plain code shows a user (reports, verdicts, messages shown in windows) in the
// program's language, and the choice of that language from the environment.
//
// Plain code stays free of Qt: it asks TrText for a text, and the desktop program installs a
// translator (QCoreApplication::translate) behind it. The command-line program never installs
// one, so its output is the English source text, byte for byte.
//
// lupdate collects these texts (scripts/update-translations runs it with
// `-tr-function-alias translate+=TrText,QT_TRANSLATE_NOOP+=HL_TR_NOOP`):
//   - a call `TrText("Context", "Text")` (or `hl::TrText`) with both as string literals;
//   - a text kept in a table for later, marked `HL_TR_NOOP("Context", "Text")`, which is just the
//     text; it is translated where it is shown, by `TrText("Context", text)`.
// The context is the name of the file's subject ("Amortization Report", "Verdicts"...), one per
// family of texts. A text built from pieces is never translated piece by piece: the whole
// sentence is one text with %1, %2 for what goes in (see TrArg).
#pragma once

#include <functional>
#include <string>
#include <string_view>

/// Marks a text for lupdate where it is kept (a table, a constant) rather than shown; expands to
/// the text itself.
#define HL_TR_NOOP(context, text) text

namespace hl {

/// What the desktop program installs: translates `text` of `context`, both UTF-8, and gives the
/// translation in UTF-8 (the text itself when there is none).
using Translator = std::function<std::string(const char* context, const char* text)>;

/// Installs `translator` for every later TrText; an empty one restores the English texts.
void SetTranslator(Translator translator);

/// `text` in the program's language: the installed translator's answer, or `text` itself when
/// none is installed (the command line, the plain tests).
std::string TrText(const char* context, const char* text);

/// `pattern` with its lowest-numbered "%1".."%9" replaced by `value`, Qt's QString::arg way, so
/// that a translated sentence can put its pieces where its language wants them:
/// TrArg(TrArg("Payment %1 of %2", "3"), "12") gives "Payment 3 of 12".
std::string TrArg(std::string_view pattern, std::string_view value);

/// The languages the program speaks.
enum class Language { English, French };

/// The program's language from its environment (`get` reads a variable, nullptr when unset):
/// HEARTHLINE_LANG "en" or "fr" decides; otherwise the first of LANGUAGE (its first entry of a
/// colon-separated list), LC_ALL, LC_MESSAGES and LANG that is set and not empty: "fr", "fr_CA",
/// "fr_CA.UTF-8", "fr_FR@euro"... are French, anything else ("C", "en_CA") English.
Language ChooseLanguage(const std::function<const char*(const char*)>& get);

/// ChooseLanguage over the process's own environment.
Language LanguageOfEnvironment();

} // namespace hl
