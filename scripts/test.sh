#!/usr/bin/env bash
# Builds everything and runs every test. Windows open on Qt's offscreen
# platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
