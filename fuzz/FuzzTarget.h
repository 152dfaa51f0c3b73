#pragma once

#include <cstddef>
#include <cstdint>

// A fuzz target is an ordinary function, so the replay test can link every target into one
// executable; only the libFuzzer build wraps it in the entry point libFuzzer calls.
#define MOTRA_FUZZ_FUNCTION(name) motraFuzz_##name

#ifdef MOTRA_LIBFUZZER
#define MOTRA_FUZZ_TARGET(name)                                                                                        \
    int MOTRA_FUZZ_FUNCTION(name)(const uint8_t *data, size_t size);                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                                            \
    {                                                                                                                  \
        return MOTRA_FUZZ_FUNCTION(name)(data, size);                                                                  \
    }                                                                                                                  \
    int MOTRA_FUZZ_FUNCTION(name)(const uint8_t *data, size_t size)
#else
#define MOTRA_FUZZ_TARGET(name) int MOTRA_FUZZ_FUNCTION(name)(const uint8_t *data, size_t size)
#endif

int MOTRA_FUZZ_FUNCTION(caseFile)(const uint8_t *data, size_t size);
int MOTRA_FUZZ_FUNCTION(scaleDefinition)(const uint8_t *data, size_t size);
int MOTRA_FUZZ_FUNCTION(normFile)(const uint8_t *data, size_t size);
int MOTRA_FUZZ_FUNCTION(passwordFile)(const uint8_t *data, size_t size);
int MOTRA_FUZZ_FUNCTION(rowDefinition)(const uint8_t *data, size_t size);
