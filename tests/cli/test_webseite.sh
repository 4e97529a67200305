#!/usr/bin/env bash
# tlt webseite: the results site of the sample cup, its arguments and its failures.
set -euo pipefail
TLT=$1
SRC=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FEHLER: $*"; exit 1; }

out=$("$TLT" webseite "$SRC/examples/beispielcup.tl3" "$tmp/seite")
[[ $out == "Ergebnisseiten geschrieben: $tmp/seite/index.html" ]] || fail "Ausgabe: $out"
for f in index.html gesamt.html lauf-01.html lauf-06.html stil.css tlt.js daten.js; do
  [ -s "$tmp/seite/$f" ] || fail "$f fehlt"
done
grep -q '<h1>Gesamtergebnis</h1>' "$tmp/seite/gesamt.html" || fail "Titel der Gesamtwertung"
grep -q '<a href="lauf-03.html">Lauf 3</a>' "$tmp/seite/index.html" || fail "Link auf Lauf 3"

# After race 2: two race pages, the provisional standings, later races without a link.
"$TLT" webseite "$SRC/examples/beispielcup.tl3" "$tmp/zwei" --nach-lauf 2 >/dev/null
[ -f "$tmp/zwei/lauf-02.html" ] && [ ! -f "$tmp/zwei/lauf-03.html" ] || fail "--nach-lauf 2: Seiten"
grep -q '<h1>vorl. Gesamtergebnis nach Lauf 2</h1>' "$tmp/zwei/gesamt.html" || fail "--nach-lauf 2: Titel"
grep -q '<td>Lauf 3</td>' "$tmp/zwei/index.html" || fail "--nach-lauf 2: Lauf 3 ohne Link"

# The same site as the race list: its placings and names appear on the page in the same order.
"$TLT" laufergebnis "$SRC/examples/beispielcup.tl3" 2 | sed -n 's/^ *\([0-9]*\)\. \(.*(.[0-9][0-9])\).*/\1. \2/p' | head -5 > "$tmp/liste"
grep -o '<tr><td>[0-9]*\.<td>[^<]*' "$tmp/seite/lauf-02.html" | sed 's/<tr><td>//; s/<td>/ /' | head -5 > "$tmp/seite_liste"
diff "$tmp/liste" "$tmp/seite_liste" || fail "Laufseite weicht von der Ergebnisliste ab"

set +e
"$TLT" webseite "$SRC/examples/beispielcup.tl3" 2>/dev/null; [ $? -eq 2 ] || fail "fehlender Ordner: Exit-Code"
"$TLT" webseite "$SRC/examples/beispielcup.tl3" "$tmp/x" --nach-lauf 9 2>"$tmp/err"; [ $? -eq 2 ] || fail "Lauf 9: Exit-Code"
grep -q 'der Cup hat die Läufe 1 bis 6' "$tmp/err" || fail "Lauf 9: Meldung"
"$TLT" webseite "$tmp/fehlt.tl3" "$tmp/x" 2>/dev/null; [ $? -eq 1 ] || fail "fehlende Cup-Datei: Exit-Code"
touch "$tmp/datei"
"$TLT" webseite "$SRC/examples/beispielcup.tl3" "$tmp/datei/unter" 2>"$tmp/err"; [ $? -eq 1 ] || fail "Ordner unter einer Datei"
grep -q 'kann nicht angelegt werden' "$tmp/err" || fail "Meldung Ordner"
set -e
echo "ok"
