#!/usr/bin/env bash
# Builds the program and starts it. Usage: scripts/start.sh [CUP.tl3]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
BUILD=${TLT_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target tempolauftabellator tlt
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt): das Fenster kann nicht geöffnet werden."
  echo "Ohne Bildschirm läuft das Kommandozeilenprogramm tlt, zum Beispiel:"
  echo "  $BUILD/cli/tlt pruefen examples/beispielcup.tl3"
  echo
  "$BUILD/cli/tlt" pruefen examples/beispielcup.tl3 || true
  echo
  echo "Mit einem virtuellen Bildschirm: xvfb-run -a $BUILD/app/tempolauftabellator"
  exit 0
fi
exec "$BUILD/app/tempolauftabellator" "$@"
