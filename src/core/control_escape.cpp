// Control characters written out as \xNN.
#include "core/control_escape.h"

#include <cstddef>

namespace hl {
namespace {

void AppendEscaped(std::string& out, unsigned char c) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0xf];
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 character at `at` (2 to 4 bytes), 0 when there is none.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if (!IsContinuation(byte(k)))
            return 0;
    // Overlong forms, surrogates and code points above U+10FFFF are not well formed.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

} // namespace

std::string EscapeControls(std::string_view text, LineBreaks breaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x80) {
            if ((c < 0x20 && !(c == '\r' && breaks == LineBreaks::Kept)) || c == 0x7f)
                AppendEscaped(out, c);
            else
                out += static_cast<char>(c);
            ++at;
            continue;
        }
        const std::size_t length = CharacterLength(text, at);
        // U+0080 to U+009F, written C2 80 to C2 9F, are the C1 controls (0x9b starts a sequence).
        const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        if (length == 0 || c1) {
            const std::size_t escaped = c1 ? 2 : 1;
            for (std::size_t k = 0; k < escaped; ++k)
                AppendEscaped(out, static_cast<unsigned char>(text[at + k]));
            at += escaped;
            continue;
        }
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

} // namespace hl
