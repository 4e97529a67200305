#!/usr/bin/env bash
# The desktop integration files: desktop entry, MIME type, AppStream metainfo and icon carry one
# application id, pass the freedesktop validators, and "*.tl3" maps to the program's MIME type.
set -euo pipefail
quelle=$2
ordner=$quelle/resources/desktop
id=org.example.Tempolauftabellator
fehler=0
pruefe() { if ! "$@"; then echo "FEHLER: $*"; fehler=1; fi; }

for datei in "$id.desktop" "$id.xml" "$id.metainfo.xml" "$id.svg"; do
  pruefe test -s "$ordner/$datei"
done
pruefe grep -qx 'MimeType=application/x-tempolauftabellator;' "$ordner/$id.desktop"
pruefe grep -qx "Icon=$id" "$ordner/$id.desktop"
pruefe grep -q '^Exec=tempolauftabellator %f$' "$ordner/$id.desktop"
pruefe grep -q '<glob pattern="\*.tl3"/>' "$ordner/$id.xml"
pruefe grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$ordner/$id.metainfo.xml"
pruefe grep -q '<mediatype>application/x-tempolauftabellator</mediatype>' "$ordner/$id.metainfo.xml"
# The version in the metainfo is the program's.
version=$(sed -n 's/.*kVersion = QStringLiteral("\([^"]*\)").*/\1/p' "$quelle/core/version.h")
pruefe grep -q "<release version=\"$version\"" "$ordner/$id.metainfo.xml"

if command -v desktop-file-validate >/dev/null; then
  pruefe desktop-file-validate "$ordner/$id.desktop"
else
  echo "desktop-file-validate fehlt (Debian-Paket desktop-file-utils): nicht geprüft"
fi
if command -v appstreamcli >/dev/null; then
  pruefe appstreamcli validate --no-net "$ordner/$id.metainfo.xml"
else
  echo "appstreamcli fehlt (Debian-Paket appstream): nicht geprüft"
fi
if command -v xmllint >/dev/null; then
  pruefe xmllint --noout "$ordner/$id.xml" "$ordner/$id.svg"
fi

# With the MIME file installed into a private data folder, a cup file is recognised by its name.
if command -v update-mime-database >/dev/null && command -v xdg-mime >/dev/null; then
  daten=$(mktemp -d)
  trap 'rm -rf "$daten"' EXIT
  mkdir -p "$daten/mime/packages"
  cp "$ordner/$id.xml" "$daten/mime/packages/"
  update-mime-database "$daten/mime" >/dev/null
  cp "$quelle/examples/beispielcup.tl3" "$daten/cup.tl3"
  typ=$(XDG_DATA_HOME="$daten" XDG_DATA_DIRS="$daten:/usr/share" xdg-mime query filetype "$daten/cup.tl3")
  pruefe test "$typ" = application/x-tempolauftabellator
fi

exit $fehler
