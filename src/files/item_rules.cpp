// Stricter reading of the text item format for the study and tool working files.
#include "files/item_rules.h"

#include <cstddef>

namespace hl {
namespace {

// Shows a found item in a message: short, and with control bytes of a binary file masked.
std::string Shown(std::string_view item) {
    constexpr std::size_t kMax = 24;
    std::string out;
    for (std::size_t i = 0; i < item.size() && i < kMax; ++i) {
        const auto c = static_cast<unsigned char>(item[i]);
        out += c < 0x20 || c == 0x7f ? '?' : static_cast<char>(c);
    }
    if (item.size() > kMax)
        out += "...";
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

void FailAt(int line, const std::string& why) {
    throw ItemFormatError("line " + std::to_string(line) + ": " + why);
}

std::string TrimmedItem(std::string_view raw) {
    std::size_t b = 0, e = raw.size();
    while (b < e && IsBlank(raw[b]))
        ++b;
    while (e > b && IsBlank(raw[e - 1]))
        --e;
    return std::string(raw.substr(b, e - b));
}

std::string ReadQuotedText(ItemReader& reader, std::string_view what) {
    const int line = reader.Line();
    const std::string raw = TrimmedItem(reader.Raw());
    if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"') {
        std::string why = "\"";
        why += Shown(raw);
        why += "\" stands where the quoted text of ";
        why += what;
        why += " belongs";
        FailAt(line, why);
    }
    return raw.substr(1, raw.size() - 2);
}

int ReadWholeInRange(ItemReader& reader, int lo, int hi, std::string_view what) {
    const int line = reader.Line();
    const int value = reader.Int16();
    if (value < lo || value > hi)
        FailAt(line, std::string(what) + " is " + std::to_string(value) + "; it must be " +
                         std::to_string(lo) + " to " + std::to_string(hi));
    return value;
}

void ExpectEnd(const ItemReader& reader, std::string_view what) {
    if (!reader.AtEnd())
        FailAt(reader.Line(), "the file goes on after the last item of " + std::string(what));
}

std::string WritableText(std::string_view text) {
    std::string out(text);
    // Line breaks first: a quote before one must be judged by what then follows it.
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '"') {
            std::size_t j = i + 1;
            while (j < out.size() && IsBlank(out[j]))
                ++j;
            if (j < out.size() && out[j] == ',')
                out[i] = '\'';
        }
    }
    return out;
}

int CharacterCount(std::string_view text) {
    int count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count; // not a continuation byte
    return count;
}

} // namespace hl
