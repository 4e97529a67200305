#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when they are missing.
set -euo pipefail
PAKETE=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
  libbenchmark-dev
  libminizip-dev libxlsxwriter-dev
  fonts-liberation fontconfig
  opensp w3c-sgml-lib poppler-utils
  xvfb xauth
  clang-14 libclang-rt-14-dev
  cups cups-client printer-driver-cups-pdf
  desktop-file-utils appstream dpkg-dev shared-mime-info libxml2-utils
  chromium chromium-driver python3-selenium default-jre-headless
)
# Node.js and npm for the checks of the results site; a Node.js from elsewhere brings its own npm.
command -v node >/dev/null || PAKETE+=(nodejs)
command -v npm >/dev/null || PAKETE+=(npm)
fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere fehlende Pakete: ${fehlend[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
