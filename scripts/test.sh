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
# A few seconds of each libFuzzer target, where clang brings libFuzzer (scripts/pakete.sh installs it).
if command -v clang++-14 >/dev/null && ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  FUZZ=${TLT_FUZZ_BUILD_DIR:-build-fuzz}
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$FUZZ" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLT_FUZZ=ON \
    -DTLT_BENCH=OFF >/dev/null
  cmake --build "$FUZZ" -j"$(nproc)" --target fuzz_cupdatei fuzz_pruefungen
  ctest --test-dir "$FUZZ" --output-on-failure -R 'kurzlauf'
fi
# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer: always in CI (it adds about
# ten minutes there), elsewhere with TLT_SANITIZER=1; TLT_SANITIZER=0 leaves it out. CI leaves out the
# leak check, whose tracer can crash on a busy machine; scripts/sanitizer.sh alone runs it.
if [ "${TLT_SANITIZER:-${CI:+1}}" = 1 ]; then
  if [ -n "${CI:-}" ]; then
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:halt_on_error=1} bash scripts/sanitizer.sh
  else
    bash scripts/sanitizer.sh
  fi
fi
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
