#pragma once

// Marks a plain loop over every byte or character of a file as one the fuzzer's coverage
// tracing may skip: its few branches gain nothing from tracing, which would cost the fuzzer
// most of its speed on large inputs. No effect in a normal build.
#if defined(__clang__)
#define MOTRA_UNTRACED __attribute__((no_sanitize("coverage")))
#else
#define MOTRA_UNTRACED
#endif
