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
else
  echo "xmllint fehlt (Debian-Paket libxml2-utils): nicht geprüft"
fi

# With the MIME file installed into a private data folder, shared-mime-info (read through Qt's MIME
# database, as the file manager's toolkit does) recognises a cup file by its name; a file that is
# no cup stays what it is.
mimetyp=${TLT_MIMETYP:-}
if ! command -v update-mime-database >/dev/null; then
  echo "update-mime-database fehlt (Debian-Paket shared-mime-info): MIME-Typ nicht geprüft"
elif [ -z "$mimetyp" ] || [ ! -x "$mimetyp" ]; then
  echo "FEHLER: das Prüfprogramm tlt_mimetyp fehlt (TLT_MIMETYP=\"$mimetyp\")"
  fehler=1
else
  daten=$(mktemp -d)
  trap 'rm -rf "$daten"' EXIT
  mkdir -p "$daten/mime/packages"
  cp "$ordner/$id.xml" "$daten/mime/packages/"
  pruefe env XDG_DATA_HOME="$daten" XDG_DATA_DIRS="$daten:/usr/share" update-mime-database "$daten/mime"
  cp "$quelle/examples/beispielcup.tl3" "$daten/cup.tl3"
  cp "$quelle/examples/beispielcup.tl3" "$daten/CUP2.TL3"
  printf 'kein Cup\n' >"$daten/notiz.txt"
  typen=$(XDG_DATA_HOME="$daten" XDG_DATA_DIRS="$daten:/usr/share" "$mimetyp" "$daten/cup.tl3" "$daten/CUP2.TL3" \
          "$daten/notiz.txt" | tr '\n' ' ')
  pruefe test "$typen" = "application/x-tempolauftabellator application/x-tempolauftabellator text/plain "
fi

exit $fehler
