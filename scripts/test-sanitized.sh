#!/usr/bin/env bash
# Builds the core library's test programs and the plain fuzz programs with
# AddressSanitizer and UndefinedBehaviorSanitizer in ./build-asan and runs
# them (`ctest -L core`). The windows' tests are left out: Qt's own
# libraries are not instrumented, and the core holds the code that reads
# archives, names and settings from outside.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_TYPE=RelWithDebInfo BUILD_DIR=build-asan BUILD_TARGET=core_tests ./scripts/build.sh \
  -DTOVRANE_SANITIZE=address,undefined -DTOVRANE_BUILD_BENCH=OFF
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir build-asan -L core -j"$(nproc)" --output-on-failure
