// The item reader on any text, read as a sequence of item kinds the input chooses: every read
// returns an item or throws ItemFormatError, never reads past the end; a number it returns is
// finite and its shortest text reads back to the very same single.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text_items.h"
#include "fuzz_check.h"

namespace {

// The single that the item writer's text of `value` reads back as.
hl::Single ReadBack(hl::Single value) {
    hl::ItemWriter writer;
    writer.Number(value).EndLine();
    hl::ItemReader reader(writer.Contents());
    return reader.Number();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte counts the reads, the next ones choose their kinds, the rest is the text.
    if (size < 1)
        return 0;
    const std::size_t reads = data[0] % 32u;
    if (size < 1 + reads)
        return 0;
    const std::uint8_t* kinds = data + 1;
    hl::ItemReader reader(
        std::string(reinterpret_cast<const char*>(data + 1 + reads), size - 1 - reads));
    try {
        for (std::size_t k = 0; k < reads; ++k) {
            const int line = reader.Line();
            switch (kinds[k] % 6u) {
            case 0:
                reader.Text();
                break;
            case 1:
                reader.Int16();
                break;
            case 2:
                reader.Int32();
                break;
            case 3: {
                const hl::Single value = reader.Number();
                HL_FUZZ_CHECK(std::isfinite(value));
                const hl::Single back = ReadBack(value);
                HL_FUZZ_CHECK(back == value || (value == 0.0f && back == 0.0f));
                break;
            }
            case 4:
                reader.Skip();
                break;
            default:
                reader.Raw();
                break;
            }
            HL_FUZZ_CHECK(reader.Line() >= line);
        }
    } catch (const hl::ItemFormatError&) {
    }
    return 0;
}
