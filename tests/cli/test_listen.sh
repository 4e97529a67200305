#!/usr/bin/env bash
# The four lists of tlt end to end on the sample cup: einlauf, gesamt --ausfuehrlich, auskunft and
# noch-offen as text, HTML (validated), PDF and CSV, and their usage errors.
# Usage: test_listen.sh PATH/TO/tlt SOURCE_DIR
set -u
TLT=$1
SRC=$2
CUP=$SRC/examples/beispielcup.tl3
export QT_QPA_PLATFORM=offscreen
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
export XDG_RUNTIME_DIR=$TMP/laufzeit
mkdir -m 700 "$XDG_RUNTIME_DIR"
KATALOG=/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc

fehler=0
nicht() { echo "FEHLER: $*" >&2; fehler=$((fehler + 1)); }
tlt_de() { LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$TLT" "$@" >"$TMP/out" 2>"$TMP/err"; rc=$?; }
erwarte_rc() { [ "$rc" -eq "$1" ] || nicht "$2: Exit-Code $rc statt $1 ($(head -c 300 "$TMP/err"))"; }
enthaelt() { grep -qF -- "$2" "$1" || nicht "$3: \"$2\" fehlt in $(basename "$1")"; }

[ -f "$CUP" ] || { echo "Beispielcup fehlt: $CUP" >&2; exit 1; }

# --- Text ----------------------------------------------------------------------------------
tlt_de einlauf "$CUP" 1
erwarte_rc 0 "einlauf"
enthaelt "$TMP/out" "Einlaufliste vom 14.03.2026" "einlauf"
enthaelt "$TMP/out" "Pos. W/M   Name, Vorname           Verein        AK       Pl.    Ergebnis    Tempo" "einlauf"
grep -qE '^ +1\. [WM] 1\. ' "$TMP/out" || nicht "einlauf: kein erster Platz"
grep -qE '[0-9],[0-9] m/s$' "$TMP/out" || nicht "einlauf: Tempo mit deutschem Komma"

tlt_de gesamt "$CUP" 3 --ausfuehrlich
erwarte_rc 0 "gesamt --ausfuehrlich"
enthaelt "$TMP/out" "vorl. Gesamtergebnis nach Lauf 3 mit Einzelergebnissen" "gesamt --ausfuehrlich"
enthaelt "$TMP/out" "    L1    L2    L3 Läufe Punkte" "gesamt --ausfuehrlich: Spalten je Lauf"
tlt_de gesamt "$CUP" 3
enthaelt "$TMP/out" "vorl. Gesamtergebnis nach Lauf 3" "gesamt ohne --ausfuehrlich"
grep -qF "Einzelergebnissen" "$TMP/out" && nicht "gesamt ohne --ausfuehrlich ist ausführlich"

tlt_de auskunft "$CUP" 7
erwarte_rc 0 "auskunft"
enthaelt "$TMP/out" "Cup-Auskunft für" "auskunft"
enthaelt "$TMP/out" "Stand nach dem letzten Lauf (Lauf 6)" "auskunft ohne Lauf: nach dem letzten"
enthaelt "$TMP/out" "Gesamtplatzierung  :" "auskunft"
tlt_de auskunft "$CUP" 007 2
erwarte_rc 0 "auskunft nach Lauf 2"
enthaelt "$TMP/out" "Stand nach Lauf 2" "auskunft nach Lauf 2"
[ "$(grep -cE '^ +[0-9]+\. [0-9]{2}\.[0-9]{2}\.[0-9]{4}' "$TMP/out")" -eq 2 ] || nicht "auskunft nach Lauf 2: nicht zwei Läufe"

tlt_de noch-offen "$CUP" 5 --verbleibend 1
erwarte_rc 0 "noch-offen"
enthaelt "$TMP/out" "Wer kann noch gewinnen?" "noch-offen"
enthaelt "$TMP/out" "Stand nach Lauf 5, noch 1 Lauf" "noch-offen"
enthaelt "$TMP/out" "Bonusfaktor 1, Bonussummand 0" "noch-offen: Annahme im Kopf"
tlt_de noch-offen "$CUP" 4
erwarte_rc 0 "noch-offen ohne --verbleibend"
enthaelt "$TMP/out" "Stand nach Lauf 4, noch 1 Lauf" "noch-offen: ohne Angabe ein Lauf"

# --- HTML, PDF, CSV ------------------------------------------------------------------------
berichte=("einlauf $CUP 1" "einlauf $CUP 2" "gesamt $CUP 6 --ausfuehrlich" "auskunft $CUP 7" "noch-offen $CUP 5 --verbleibend 1")
for b in "${berichte[@]}"; do
    for stil in 0 1; do
        rm -f "$TMP/s.htm"
        # shellcheck disable=SC2086
        tlt_de $b --html "$TMP/s.htm" --html-stil $stil
        erwarte_rc 0 "$b --html (Stil $stil)"
        [ -f "$TMP/s.htm" ] || { nicht "$b --html: keine Datei"; continue; }
        if command -v onsgmls >/dev/null && [ -f "$KATALOG" ]; then
            meldungen=$(SP_CHARSET_FIXED=YES SP_ENCODING=UTF-8 onsgmls -s -c "$KATALOG" "$TMP/s.htm" 2>&1)
            [ -z "$meldungen" ] || nicht "$b --html-stil $stil ist kein gültiges HTML 4.01: $(echo "$meldungen" | head -3)"
        else
            nicht "onsgmls oder die W3C-DTDs fehlen (scripts/pakete.sh)"
        fi
    done
    rm -f "$TMP/s.pdf"
    # shellcheck disable=SC2086
    tlt_de $b --pdf "$TMP/s.pdf"
    erwarte_rc 0 "$b --pdf"
    head -c 4 "$TMP/s.pdf" | grep -qF '%PDF' || nicht "$b --pdf: kein PDF"
    if command -v pdftotext >/dev/null; then
        # shellcheck disable=SC2086
        LC_ALL=de_DE.UTF-8 "$TLT" $b >"$TMP/text" 2>/dev/null
        zweite=$(sed -n 2p "$TMP/text")
        pdftotext -layout "$TMP/s.pdf" - | grep -qF "$zweite" || nicht "$b --pdf: \"$zweite\" fehlt"
    fi
    rm -f "$TMP/s.csv"
    # shellcheck disable=SC2086
    tlt_de $b --csv "$TMP/s.csv"
    erwarte_rc 0 "$b --csv"
    [ -s "$TMP/out" ] && nicht "$b --csv: schreibt trotzdem auf stdout"
    [ "$(head -c 3 "$TMP/s.csv" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || nicht "$b --csv: keine BOM"
    iconv -f UTF-8 -t UTF-8 "$TMP/s.csv" >/dev/null 2>&1 || nicht "$b --csv: kein UTF-8"
    # Every record has the heading's number of fields (the sample cup's texts hold no ';' or '"').
    felder=$(head -1 "$TMP/s.csv" | tr -cd ';' | wc -c)
    [ "$felder" -ge 5 ] || nicht "$b --csv: nur $felder Trennzeichen im Kopf"
    abweichend=$(tr -d '\r' <"$TMP/s.csv" | awk -F';' -v n=$((felder + 1)) 'NF != n' | wc -l)
    [ "$abweichend" -eq 0 ] || nicht "$b --csv: $abweichend Zeilen mit anderer Feldzahl"
    [ "$(wc -l <"$TMP/s.csv")" -ge 2 ] || nicht "$b --csv: keine Datensätze"
done
tlt_de einlauf "$CUP" 1 --csv "$TMP/e.csv"
head -1 "$TMP/e.csv" | grep -qF "Cup-Variation;Platz;Geschlecht;Platz W/M;Name;Vorname;Jahrgang;Verein;Altersgruppe;Platz AK;Ergebnis;Tempo" ||
    nicht "einlauf --csv: Kopfzeile"

# --- Errors --------------------------------------------------------------------------------
for args in "einlauf $CUP" "einlauf $CUP 0" "einlauf $CUP 9" "auskunft $CUP 999" "auskunft $CUP 7 9" \
            "auskunft $CUP 7 2 3" "noch-offen $CUP 5 --verbleibend x" "noch-offen $CUP 5 --verbleibend -1" \
            "noch-offen $CUP 5 --verbleibend" "laufergebnis $CUP 1 --csv x.csv" "gesamt $CUP 2 --csv x.csv" \
            "einlauf $CUP 1 --csv x.csv --pdf x.pdf" "einlauf $CUP 1 --csv"; do
    # shellcheck disable=SC2086
    tlt_de $args
    erwarte_rc 2 "$args"
    enthaelt "$TMP/err" "Aufruf:" "$args"
    [ -s "$TMP/out" ] && nicht "$args: Ausgabe auf stdout"
done
tlt_de einlauf "$CUP" 1 --csv "$TMP/fehlt/e.csv"
erwarte_rc 1 "CSV in fehlenden Ordner"
enthaelt "$TMP/err" "CSV-Datei" "CSV in fehlenden Ordner"
echo "alte Datei" >"$TMP/alt.csv"
(
    trap '' XFSZ
    ulimit -f 1
    LC_ALL=de_DE.UTF-8 "$TLT" gesamt "$CUP" 6 --ausfuehrlich --csv "$TMP/alt.csv" >/dev/null 2>"$TMP/err_csv"
    echo $? >"$TMP/rc_csv"
)
[ "$(cat "$TMP/rc_csv")" = 1 ] || nicht "CSV über die Dateigrößengrenze: Exit-Code $(cat "$TMP/rc_csv")"
[ "$(cat "$TMP/alt.csv")" = "alte Datei" ] || nicht "CSV über die Dateigrößengrenze: alte Datei verändert"

if [ "$fehler" -gt 0 ]; then
    echo "$fehler Prüfungen fehlgeschlagen" >&2
    exit 1
fi
echo "Alle Prüfungen bestanden"
