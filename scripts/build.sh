#!/usr/bin/env bash
# Configures and builds the project (Ninja, warnings as errors): in ./build
# as RelWithDebInfo, or in BUILD_DIR as BUILD_TYPE when they are set; only
# BUILD_TARGET when that is set. Further arguments go to cmake's configure.
# ccache is used when present; its base folder is the checkout and the
# build folder is left out of its hash, so several checkouts of the project
# (worktrees, a clean clone) share one cache.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
dir="${BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DTOVRANE_WERROR=ON "${launcher[@]}" "$@"
cmake --build "$dir" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
