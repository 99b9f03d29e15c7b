// What the fuzzing harnesses share: a check that stops the run with the input that broke it,
// and the study the reader makes of the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/text_items.h"
#include "engine/engine.h"
#include "files/study_file.h"

/// Stops the fuzzer (which saves the input) when `holds` is false, naming the property.
#define HL_FUZZ_CHECK(holds)                                                                       \
    do {                                                                                           \
        if (!(holds)) {                                                                            \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #holds);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace hl::fuzz {

/// The study read from the input when the reader accepts it and its scenario is complete; the
/// harnesses that run studies have nothing to check otherwise.
inline std::optional<Study> ReadCompleteStudy(const std::uint8_t* data, std::size_t size) {
    try {
        Study study = ReadStudyText(std::string(reinterpret_cast<const char*>(data), size));
        if (IsComplete(study.scenario))
            return study;
    } catch (const ItemFormatError&) {
    }
    return std::nullopt;
}

} // namespace hl::fuzz
