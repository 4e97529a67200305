#!/usr/bin/env bash
# Builds everything and runs every test (headless). Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
BUILD=${TLT_BUILD_DIR:-build}
WERROR=OFF
[ -n "${CI:-}" ] && WERROR=ON
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLT_WERROR="$WERROR" >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
