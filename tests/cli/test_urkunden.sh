#!/usr/bin/env bash
# The certificate commands of tlt, end to end on the sample cup: page counts, texts, styles, errors.
# Usage: test_urkunden.sh PATH/TO/tlt SOURCE_DIR
set -u
TLT=$1
SRC=$2
CUP=$SRC/examples/beispielcup.tl3
export QT_QPA_PLATFORM=offscreen
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
export XDG_RUNTIME_DIR=$TMP/laufzeit
mkdir -m 700 "$XDG_RUNTIME_DIR"

fehler=0
nicht() { echo "FEHLER: $*" >&2; fehler=$((fehler + 1)); }
tlt_de() { LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$TLT" "$@" >"$TMP/out" 2>"$TMP/err"; rc=$?; }
erwarte_rc() { [ "$rc" -eq "$1" ] || nicht "$2: Exit-Code $rc statt $1 ($(head -c 300 "$TMP/err"))"; }
seiten() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
# The number of certificates that tlt reports on stdout.
anzahl() { sed -n 's/^\([0-9]*\) Urkunden\{0,1\} geschrieben: .*/\1/p' "$TMP/out"; }
enthaelt() { grep -qF -- "$2" "$1" || nicht "$3: \"$2\" fehlt"; }
enthaelt_nicht() { ! grep -qF -- "$2" "$1" || nicht "$3: \"$2\" steht darin"; }

[ -f "$CUP" ] || { echo "Beispielcup fehlt: $CUP" >&2; exit 1; }
command -v pdfinfo >/dev/null || { echo "pdfinfo fehlt (poppler-utils)" >&2; exit 1; }

# --- Winners of race 1 in every style: one page per certificate --------------------------------
for stil in 0 1 2; do
    tlt_de siegerurkunden "$CUP" 1 --pdf "$TMP/s$stil.pdf" --stil "$stil" --unter1 "Anna Vorsitz" --unter2 "Kassenwart"
    erwarte_rc 0 "siegerurkunden stil $stil"
    n=$(anzahl)
    [ -n "$n" ] && [ "$n" -gt 3 ] || nicht "siegerurkunden stil $stil: Anzahl \"$n\""
    [ "$(seiten "$TMP/s$stil.pdf")" = "$n" ] || nicht "siegerurkunden stil $stil: $(seiten "$TMP/s$stil.pdf") Seiten statt $n"
    pdfinfo "$TMP/s$stil.pdf" | grep -q '^Title: *TLT Ausdruck$' || nicht "siegerurkunden stil $stil: Titel"
    pdftotext -f 1 -l 1 "$TMP/s$stil.pdf" "$TMP/s$stil.txt"
    enthaelt "$TMP/s$stil.txt" "Urkunde" "siegerurkunden stil $stil"
done
# All styles print the same certificates.
[ "$(seiten "$TMP/s0.pdf")" = "$(seiten "$TMP/s2.pdf")" ] || nicht "siegerurkunden: Stile mit verschiedener Seitenzahl"
enthaelt "$TMP/s0.txt" "Mühlbacher Volkslauf-Cup 2026" "stil 0"
enthaelt "$TMP/s0.txt" "den 1. Platz" "stil 0"
enthaelt "$TMP/s0.txt" "Herzlichen Glückwunsch" "stil 0"
enthaelt "$TMP/s0.txt" "Anna Vorsitz" "stil 0"
enthaelt "$TMP/s0.txt" "mit" "stil 0"
enthaelt_nicht "$TMP/s1.txt" "mit" "stil 1"
enthaelt "$TMP/s2.txt" "in der Zeit von" "stil 2"
# Race 5 of the sample cup is a distance race: its result is a distance.
tlt_de siegerurkunden "$CUP" 5 --pdf "$TMP/d2.pdf" --stil 2
pdftotext -f 1 -l 1 "$TMP/d2.pdf" "$TMP/d2.txt"
enthaelt "$TMP/d2.txt" "mit einer Strecke von" "stil 2 Distanzlauf"
enthaelt_nicht "$TMP/d2.txt" "in der Zeit von" "stil 2 Distanzlauf"
enthaelt "$TMP/s2.txt" "Rolf BeispielmannAnna Vorsitz" "stil 2"
enthaelt "$TMP/s2.txt" "Leiter Abt. LeichtathletikKassenwart" "stil 2"
enthaelt_nicht "$TMP/s2.txt" "Mühlbacher Volkslauf-Cup 2026" "stil 2"

# --- Participation certificate: one page with the runner's running place -----------------------
tlt_de teilnahmeurkunde "$CUP" 1 081 --pdf "$TMP/t.pdf"
erwarte_rc 0 "teilnahmeurkunde"
[ "$(seiten "$TMP/t.pdf")" = 1 ] || nicht "teilnahmeurkunde: Seiten"
pdftotext "$TMP/t.pdf" "$TMP/t.txt"
enthaelt "$TMP/t.txt" "Bärbel Ahlers" "teilnahmeurkunde"
enthaelt "$TMP/t.txt" "F50 - Jedermannlauf" "teilnahmeurkunde"
enthaelt "$TMP/t.txt" "0:33'49,65\"" "teilnahmeurkunde"
# "81" finds start number "081".
tlt_de teilnahmeurkunde "$CUP" 1 81 --pdf "$TMP/t81.pdf"
erwarte_rc 0 "teilnahmeurkunde 81"
# No valid result in race 1: nothing to print, said so, and no PDF file (not even a blank page).
tlt_de teilnahmeurkunde "$CUP" 1 110 --pdf "$TMP/t110.pdf"
erwarte_rc 0 "teilnahmeurkunde ohne Ergebnis"
enthaelt "$TMP/err" "Es gibt keine Urkunde zu drucken." "teilnahmeurkunde ohne Ergebnis"
[ ! -e "$TMP/t110.pdf" ] || nicht "teilnahmeurkunde ohne Ergebnis: PDF-Datei geschrieben"
# An existing file of that name stays as it was.
echo "alt" >"$TMP/t110.pdf"
tlt_de teilnahmeurkunde "$CUP" 1 110 --pdf "$TMP/t110.pdf"
[ "$(cat "$TMP/t110.pdf")" = "alt" ] || nicht "teilnahmeurkunde ohne Ergebnis: alte Datei verändert"

# --- Overall certificates ------------------------------------------------------------------------
tlt_de gesamtsiegerurkunden "$CUP" --pdf "$TMP/g.pdf"
erwarte_rc 0 "gesamtsiegerurkunden"
n=$(anzahl)
[ "$(seiten "$TMP/g.pdf")" = "$n" ] || nicht "gesamtsiegerurkunden: Seiten"
pdftotext -f 1 -l 1 "$TMP/g.pdf" "$TMP/g.txt"
enthaelt "$TMP/g.txt" "Gesamtwertung" "gesamtsiegerurkunden"
enthaelt "$TMP/g.txt" "Punkten" "gesamtsiegerurkunden"
# Style 2 has no overall certificate: no blank pages, and a word why.
tlt_de gesamtsiegerurkunden "$CUP" 6 --pdf "$TMP/g2.pdf" --stil 2
erwarte_rc 0 "gesamtsiegerurkunden stil 2"
enthaelt "$TMP/err" "hat keine Urkunde für die Gesamtwertung" "gesamtsiegerurkunden stil 2"
[ ! -e "$TMP/g2.pdf" ] || nicht "gesamtsiegerurkunden stil 2: PDF-Datei mit leeren Seiten"
tlt_de gesamtteilnehmerurkunde "$CUP" 081 --pdf "$TMP/gt2.pdf" --stil 2
enthaelt "$TMP/err" "hat keine Urkunde für die Gesamtwertung" "gesamtteilnehmerurkunde stil 2"
[ ! -e "$TMP/gt2.pdf" ] || nicht "gesamtteilnehmerurkunde stil 2: PDF-Datei mit leerer Seite"
tlt_de gesamtteilnehmerurkunde "$CUP" 081 --pdf "$TMP/gt.pdf"
erwarte_rc 0 "gesamtteilnehmerurkunde"
[ "$(seiten "$TMP/gt.pdf")" = 1 ] || nicht "gesamtteilnehmerurkunde: Seiten"
pdftotext "$TMP/gt.pdf" "$TMP/gt.txt"
enthaelt "$TMP/gt.txt" "Bärbel Ahlers" "gesamtteilnehmerurkunde"
tlt_de gesamtteilnehmerurkunde "$CUP" 081 2 --pdf "$TMP/gt2.pdf"
erwarte_rc 0 "gesamtteilnehmerurkunde nach Lauf 2"
enthaelt "$TMP/gt.txt" "den 2. Platz" "gesamtteilnehmerurkunde"
# The place is the one the standings list shows: 152 stands there with "---", 044 without a number
# below a "---" line; neither gets a place.
for sn in 152 044; do
    tlt_de gesamtteilnehmerurkunde "$CUP" "$sn" --pdf "$TMP/gu$sn.pdf"
    erwarte_rc 0 "gesamtteilnehmerurkunde $sn"
    pdftotext "$TMP/gu$sn.pdf" "$TMP/gu$sn.txt"
    enthaelt "$TMP/gu$sn.txt" "für die Teilnahme" "gesamtteilnehmerurkunde $sn"
    enthaelt_nicht "$TMP/gu$sn.txt" "Platz" "gesamtteilnehmerurkunde $sn"
done

# --- Wrong calls ---------------------------------------------------------------------------------
tlt_de siegerurkunden "$CUP" 1
erwarte_rc 2 "ohne --pdf"
tlt_de siegerurkunden "$CUP" 1 --pdf "$TMP/x.pdf" --stil 3
erwarte_rc 2 "stil 3"
tlt_de siegerurkunden "$CUP" 7 --pdf "$TMP/x.pdf"
erwarte_rc 2 "lauf 7"
tlt_de siegerurkunden "$CUP" 1 --pdf "$TMP/x.pdf" --farbe rot
erwarte_rc 2 "unbekannte Option"
tlt_de teilnahmeurkunde "$CUP" 1 --pdf "$TMP/x.pdf"
erwarte_rc 2 "teilnahmeurkunde ohne Startnummer"
tlt_de teilnahmeurkunde "$CUP" 1 999 --pdf "$TMP/x.pdf"
erwarte_rc 2 "unbekannte Startnummer (wie bei jedem Befehl mit Startnummer)"
enthaelt "$TMP/err" "Startnummer" "unbekannte Startnummer"
tlt_de siegerurkunden "$TMP/fehlt.tl3" 1 --pdf "$TMP/x.pdf"
erwarte_rc 1 "fehlende Cup-Datei"
[ ! -e "$TMP/x.pdf" ] || nicht "nach Fehlern darf keine PDF-Datei entstehen"
tlt_de siegerurkunden "$CUP" 1 --pdf "$TMP/fehlt/x.pdf"
erwarte_rc 1 "Ordner fehlt"

if [ "$fehler" -gt 0 ]; then
    echo "$fehler Fehler" >&2
    exit 1
fi
echo "Alle Urkunden-Prüfungen bestanden."
