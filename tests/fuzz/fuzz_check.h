// What the fuzzing harnesses share: a check that stops the run with the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

/// Stops the fuzzer (which saves the input) when `holds` is false, naming the property.
#define HL_FUZZ_CHECK(holds)                                                                       \
    do {                                                                                           \
        if (!(holds)) {                                                                            \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #holds);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
