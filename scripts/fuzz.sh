#!/usr/bin/env bash
# Builds the fuzz targets for libFuzzer with clang and AddressSanitizer in
# ./build-fuzz and runs each for a while on a copy of its seed corpus.
#
#   scripts/fuzz.sh [seconds per target, default 300] [target...]
#   FUZZ_RUNS=1000000 scripts/fuzz.sh 0 [target...]   (a number of runs instead)
#
# Targets: fuzz_settings, fuzz_filters, fuzz_integer, fuzz_archive (all by default). Inputs
# that crash are kept in build-fuzz/findings/<target>/; the corpus grown by a
# run stays in build-fuzz/corpus/<target>/ for the next one.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_settings fuzz_filters fuzz_integer fuzz_archive)

./scripts/install-deps.sh clang libclang-rt-14-dev

launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD"
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DTOVRANE_FUZZ_LIBFUZZER=ON -DTOVRANE_BUILD_TESTS=OFF -DTOVRANE_BUILD_BENCH=OFF \
  "${launcher[@]}"
cmake --build build-fuzz --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# Short allocation stacks: recording the full stack of every allocation took
# over 40 % of a run; a finding is replayed with full stacks afterwards.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=2}"
# Undefined behaviour is a finding, not a warning scrolled past.
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
budget=(-max_total_time="$seconds")
[ -z "${FUZZ_RUNS:-}" ] || budget=(-runs="$FUZZ_RUNS")
for target in "${targets[@]}"; do
  seeds="fuzz/corpus/${target#fuzz_}"
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  # A settings file, a filter list or a number is short; only archives need
  # room to hold several entries.
  max_len=4096
  tmp="${TMPDIR:-/tmp}"
  if [ "$target" = fuzz_archive ]; then
    max_len=65536
    # The archive target writes its input and extracts it on every run; on a
    # disk file system the truncate-and-write flushes on close and took more
    # than half of the time.
    [ -w /dev/shm ] && tmp=/dev/shm
  fi
  echo "== $target: ${budget[*]}"
  TMPDIR="$tmp" "build-fuzz/bin/$target" "$corpus" "$seeds" "${budget[@]}" -max_len="$max_len" \
    -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 || true
done
echo "findings, if any:"
find build-fuzz/findings -type f
