#pragma once

#include <cstddef>
#include <cstdint>

// The one entry every fuzz target defines. libFuzzer calls it when the
// targets are built with clang's -fsanitize=fuzzer (scripts/fuzz.sh); in the
// normal build StandaloneDriver.cpp calls it on the seed corpus and on a
// fixed number of inputs derived from it, so the targets stay built and
// their checks run on every test run.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Stops the run with a message when an invariant does not hold: libFuzzer
// and the driver both report an abort with the input that caused it.
void fuzzCheck(bool holds, const char *what);
