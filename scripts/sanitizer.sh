#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# Usage: scripts/sanitizer.sh   (build folder: TLT_ASAN_BUILD_DIR, default build-asan)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
BUILD=${TLT_ASAN_BUILD_DIR:-build-asan}
# Benchmarks only measure; under the sanitizers they would tell nothing.
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLT_SANITIZE=ON -DTLT_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Any report fails the test that caused it; leaks are reported too. Qt and fontconfig keep a few
# caches until exit that LeakSanitizer counts as leaks: the suppression file names them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" "$@"
