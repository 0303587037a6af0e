#!/usr/bin/env bash
# Builds the fuzz targets for libFuzzer with clang and AddressSanitizer in
# ./build-fuzz and runs each for a while on a copy of its seed corpus.
#
#   scripts/fuzz.sh [seconds per target, default 300] [target...]
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
for target in "${targets[@]}"; do
  seeds="fuzz/corpus/${target#fuzz_}"
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target for ${seconds}s"
  "build-fuzz/bin/$target" "$corpus" "$seeds" -max_total_time="$seconds" -max_len=65536 \
    -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 || true
done
echo "findings, if any:"
find build-fuzz/findings -type f
