#!/usr/bin/env bash
# Installs the npm checkers of the results site (W3C Nu Html Checker, axe-core) in the versions
# of tests/browser/package-lock.json into a folder outside the sources. Usage: webwerkzeuge.sh ZIEL
set -euo pipefail
QUELLE="$(cd "$(dirname "$0")/.." && pwd)/tests/browser"
ZIEL=${1:?Aufruf: webwerkzeuge.sh ZIELORDNER}
command -v npm >/dev/null || { echo "npm fehlt (Debian-Paket npm)" >&2; exit 1; }
mkdir -p "$ZIEL"
if ! cmp -s "$QUELLE/package-lock.json" "$ZIEL/package-lock.json" || [ ! -d "$ZIEL/node_modules" ]; then
  cp "$QUELLE/package.json" "$QUELLE/package-lock.json" "$ZIEL/"
  # No install scripts: vnu-jar's would fetch a Java runtime; Debian's default-jre-headless runs it.
  (cd "$ZIEL" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
fi
