// The escaping of messages on any bytes: what comes out holds no control character a terminal
// would obey (C0, DEL, C1, or a byte of no character), and text without one comes out as it went.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/control_escape.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string shown = hl::EscapeControls(text);
    bool plain = true;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const auto c = static_cast<unsigned char>(shown[k]);
        HL_FUZZ_CHECK(c >= 0x20 && c != 0x7f);
        if (c == 0xC2 && k + 1 < shown.size())
            HL_FUZZ_CHECK(static_cast<unsigned char>(shown[k + 1]) >= 0xA0);
    }
    for (const char c : text)
        plain =
            plain && static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f;
    if (plain)
        HL_FUZZ_CHECK(shown == text);
    // Escaping what was escaped changes nothing more.
    HL_FUZZ_CHECK(hl::EscapeControls(shown) == shown);
    return 0;
}
