// The study reader on any text: it refuses with ItemFormatError or returns a study, and every
// study it returns writes back to a text it reads as the very same study (the program can open
// every file it saves, and Save keeps what Open read).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text_items.h"
#include "files/study_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    hl::Study study;
    try {
        study = hl::ReadStudyText(text);
    } catch (const hl::ItemFormatError&) {
        return 0;
    }
    const std::string written = hl::WriteStudyText(study);
    hl::Study again;
    try {
        again = hl::ReadStudyText(written);
    } catch (const hl::ItemFormatError& e) {
        std::fprintf(stderr, "the saved study is refused: %s\n", e.what());
        std::abort();
    }
    // Writing stores the frequency in use: an older file without one comes back with the
    // frequency it runs at.
    if (!study.frequencyStored) {
        HL_FUZZ_CHECK(again.frequencyStored);
        HL_FUZZ_CHECK(again.scenario.frequency == hl::Scenario{}.frequency);
        study.frequencyStored = true;
    }
    HL_FUZZ_CHECK(again.scenario == study.scenario);
    HL_FUZZ_CHECK(again.frequencyStored == study.frequencyStored);
    HL_FUZZ_CHECK(again.changes == study.changes);
    HL_FUZZ_CHECK(again.tools == study.tools);
    HL_FUZZ_CHECK(again.lender == study.lender);
    // Saved twice, a study gives the same text.
    HL_FUZZ_CHECK(hl::WriteStudyText(again) == written);
    return 0;
}
