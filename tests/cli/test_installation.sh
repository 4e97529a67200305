#!/usr/bin/env bash
# The install rules put the programs and the desktop integration files where the freedesktop
# conventions expect them, under one application id.
set -euo pipefail
tlt=$1
bau=$(dirname "$(dirname "$tlt")")
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$bau" --prefix "$ziel/usr" >/dev/null
id=org.example.Tempolauftabellator
fehler=0
for datei in bin/tempolauftabellator bin/tlt \
             share/applications/$id.desktop share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml \
             share/icons/hicolor/scalable/apps/$id.svg \
             share/icons/hicolor/scalable/mimetypes/application-x-tempolauftabellator.svg \
             share/doc/tempolauftabellator/beispielcup.tl3; do
  if [ ! -s "$ziel/usr/$datei" ]; then
    echo "FEHLER: $datei fehlt"
    fehler=1
  fi
done
# The installed command-line program runs.
if ! "$ziel/usr/bin/tlt" pruefen "$ziel/usr/share/doc/tempolauftabellator/beispielcup.tl3" >/dev/null; then
  echo "FEHLER: das installierte tlt prüft den Beispielcup nicht"
  fehler=1
fi
exit $fehler
