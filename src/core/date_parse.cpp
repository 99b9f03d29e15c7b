// Reading dates as users type them into date boxes.
#include "core/format.h"

#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "core/day_number.h"

namespace hl {
namespace {

struct Token {
    std::string text;
    bool word = false;     ///< letters; otherwise digits
    std::string separator; ///< the characters between this token and the next one
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// The bytes of a UTF-8 character beyond ASCII count as letters, for the French names ("févr.").
bool IsLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || std::isalpha(byte) != 0;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSeparator(char c) { return IsBlank(c) || c == ',' || c == '.' || c == '/' || c == '-'; }

// The capitals À to Þ of UTF-8 (two bytes, 0xC3 then 0x80 to 0x9E, but ×) in lower case.
std::string LowerAccents(std::string word) {
    for (std::size_t k = 0; k + 1 < word.size(); ++k) {
        const auto next = static_cast<unsigned char>(word[k + 1]);
        if (static_cast<unsigned char>(word[k]) == 0xC3 && next >= 0x80 && next <= 0x9E &&
            next != 0x97)
            word[k + 1] = static_cast<char>(next + 0x20);
    }
    return word;
}

// Splits the text into words and numbers. Tokens must be kept apart by separators ("Mar24"
// is refused); any other character makes the whole text unreadable.
std::optional<std::vector<Token>> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size() && IsSeparator(text[i])) {
        if (!IsBlank(text[i]))
            return std::nullopt; // leading punctuation
        ++i;
    }
    while (i < text.size()) {
        Token t;
        const bool word = IsLetter(text[i]);
        if (!word && !IsDigit(text[i]))
            return std::nullopt;
        t.word = word;
        while (i < text.size() && (word ? IsLetter(text[i]) : IsDigit(text[i]))) {
            t.text += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            ++i;
        }
        while (i < text.size() && IsSeparator(text[i]))
            t.separator += text[i++];
        if (i < text.size() && t.separator.empty())
            return std::nullopt;
        if (word)
            t.text = LowerAccents(t.text);
        tokens.push_back(std::move(t));
    }
    return tokens;
}

// "é" and "û", the accents of the French month names, as "e" and "u": "fevr" reads as "févr".
std::string WithoutAccents(const std::string& lower) {
    std::string plain;
    for (std::size_t k = 0; k < lower.size(); ++k) {
        if (k + 1 < lower.size() && lower[k] == '\xC3' &&
            (lower[k + 1] == '\xA9' || lower[k + 1] == '\xBB')) {
            plain += lower[k + 1] == '\xA9' ? 'e' : 'u';
            ++k;
        } else {
            plain += lower[k];
        }
    }
    return plain;
}

// Month 1-12 of an English month name, full or in three letters ("sept" too), or of a French
// one, full or as Canadian French abbreviates it ("janv", "févr", "juil"...), with or without
// its accents; 0 if none.
int MonthOfName(const std::string& lower) {
    static constexpr std::array<const char*, 12> kNames = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    struct French {
        const char* full;
        const char* abbreviation;
    };
    static constexpr std::array<French, 12> kFrench = {{{"janvier", "janv"},
                                                        {"fevrier", "fevr"},
                                                        {"mars", "mars"},
                                                        {"avril", "avr"},
                                                        {"mai", "mai"},
                                                        {"juin", "juin"},
                                                        {"juillet", "juil"},
                                                        {"aout", "aout"},
                                                        {"septembre", "sept"},
                                                        {"octobre", "oct"},
                                                        {"novembre", "nov"},
                                                        {"decembre", "dec"}}};
    if (lower == "sept")
        return 9;
    for (std::size_t m = 0; m < kNames.size(); ++m) {
        const std::string full = kNames[m];
        if (lower == full || lower == full.substr(0, 3))
            return static_cast<int>(m) + 1;
    }
    const std::string plain = WithoutAccents(lower);
    for (std::size_t m = 0; m < kFrench.size(); ++m)
        if (plain == kFrench[m].full || plain == kFrench[m].abbreviation)
            return static_cast<int>(m) + 1;
    return 0;
}

// A number of one or two digits (day or month), or -1.
int SmallNumber(const Token& t) {
    if (t.word || t.text.empty() || t.text.size() > 2)
        return -1;
    return std::stoi(t.text);
}

// Two-digit years are 1930 to 2029; four-digit years must lie between 1900 and 2099.
int YearOf(const Token& t) {
    if (t.word)
        return -1;
    if (t.text.size() <= 2) {
        const int yy = std::stoi(t.text);
        return yy >= 30 ? 1900 + yy : 2000 + yy;
    }
    if (t.text.size() != 4)
        return -1;
    const int year = std::stoi(t.text);
    return year >= kFirstDateYear && year <= kLastDateYear ? year : -1;
}

// Blanks around punctuation are allowed, but a separator holds one punctuation mark at most.
bool PlainSeparator(const std::string& s) {
    int marks = 0;
    for (char c : s)
        if (!IsBlank(c))
            ++marks;
    return marks <= 1;
}

std::optional<DayNumber> Build(int year, int month, int day) {
    if (year < 0 || month < 1 || day < 1 || !IsValidCivil(year, month, day))
        return std::nullopt;
    return DayFromCivil(year, month, day);
}

} // namespace

std::optional<DayNumber> ParseDate(std::string_view text) {
    const auto tokens = Tokenize(text);
    if (!tokens || tokens->size() != 3)
        return std::nullopt;
    const Token& a = (*tokens)[0];
    const Token& b = (*tokens)[1];
    const Token& c = (*tokens)[2];
    // Only blanks may follow the year.
    for (char ch : c.separator)
        if (!IsBlank(ch))
            return std::nullopt;

    if (a.word || b.word) {
        // "Mar 24, 1992", "March 24 1992", "Mar. 24 92", "24 Mar 1992", "24-Mar-92"; a month's
        // abbreviation point may come before the mark ("janv., 5 2024", as "mmm, d yyyy" shows it)
        const auto afterWord = [](const Token& t) {
            const bool point = t.word && t.separator.starts_with('.') &&
                               t.separator.find_first_not_of(" \t,", 1) == std::string::npos;
            return point ? t.separator.substr(1) : t.separator;
        };
        if (!PlainSeparator(afterWord(a)) || !PlainSeparator(afterWord(b)))
            return std::nullopt;
        if (a.word && !b.word)
            return Build(YearOf(c), MonthOfName(a.text), SmallNumber(b));
        if (!a.word && b.word)
            return Build(YearOf(c), MonthOfName(b.text), SmallNumber(a));
        return std::nullopt;
    }

    // All numbers: "3/24/92" (month first, as North American dates are written) or
    // "1992-03-24". The two separators must be the same mark, with no blanks.
    if (a.separator != b.separator || (a.separator != "/" && a.separator != "-"))
        return std::nullopt;
    if (a.text.size() == 4) {
        if (c.text.size() > 2)
            return std::nullopt;
        return Build(YearOf(a), SmallNumber(b), SmallNumber(c));
    }
    return Build(YearOf(c), SmallNumber(a), SmallNumber(b));
}

} // namespace hl
