#!/usr/bin/env bash
# The report commands of tlt, end to end on the sample cup: text, HTML (validated), PDF, errors.
# Usage: test_berichte.sh PATH/TO/tlt SOURCE_DIR
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
# Runs tlt in a German locale; stdout, stderr and exit code land in $TMP/out, $TMP/err, $rc.
tlt_de() { LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$TLT" "$@" >"$TMP/out" 2>"$TMP/err"; rc=$?; }
erwarte_rc() { [ "$rc" -eq "$1" ] || nicht "$2: Exit-Code $rc statt $1 ($(head -c 300 "$TMP/err"))"; }
enthaelt() { grep -qF -- "$2" "$1" || nicht "$3: \"$2\" fehlt in $(basename "$1")"; }
enthaelt_nicht() { ! grep -qF -- "$2" "$1" || nicht "$3: \"$2\" steht in $(basename "$1")"; }

[ -f "$CUP" ] || { echo "Beispielcup fehlt: $CUP" >&2; exit 1; }

# --- Text on stdout -------------------------------------------------------------------------
tlt_de laufergebnis "$CUP" 1
erwarte_rc 0 "laufergebnis"
[ "$(head -1 "$TMP/out")" = "TSV Mühlbach 1898 e.V. – Abteilung Leichtathletik" ] || nicht "laufergebnis: erste Zeile"
enthaelt "$TMP/out" "Ergebnisse vom 14.03.2026" "laufergebnis"
enthaelt "$TMP/out" "Lauf 1 - Zeitlauf (fixe Distanz)" "laufergebnis"
enthaelt "$TMP/out" "Pos. Name, Vorname                       Verein                           Ergebnis" "laufergebnis"
iconv -f UTF-8 -t UTF-8 "$TMP/out" >/dev/null 2>&1 || nicht "laufergebnis: stdout ist kein UTF-8"
# Every column line is exactly 82 characters wide.
breit=0
while IFS= read -r zeile; do [ "${#zeile}" -le 82 ] || breit=$((breit + 1)); done < "$TMP/out"
[ "$breit" -eq 0 ] || nicht "laufergebnis: $breit Zeilen breiter als 82 Zeichen"
grep -qE '^Statistik erstellt am : [0-9]{2}\.[0-9]{2}\.[0-9]{4} um [0-9]{2}:[0-9]{2}:[0-9]{2}\.$' "$TMP/out" ||
    nicht "laufergebnis: deutsches Datum im Fuß"

tlt_de gesamt "$CUP" 6
erwarte_rc 0 "gesamt"
enthaelt "$TMP/out" "Gesamtergebnis" "gesamt"
tlt_de gesamt "$CUP" 2
enthaelt "$TMP/out" "vorl. Gesamtergebnis nach Lauf 2" "gesamt nach Lauf 2"

# Decimal separator of the system locale: German comma, English point (C and POSIX: German, see
# test_aufruf.sh).
tlt_de teilnehmer "$CUP" 7
erwarte_rc 0 "teilnehmer"
grep -qE '[0-9],[0-9] m/s' "$TMP/out" || nicht "teilnehmer: deutsches Komma in m/s"
LC_ALL=en_US.UTF-8 "$TLT" teilnehmer "$CUP" 007 >"$TMP/out_c" 2>/dev/null
grep -qE '[0-9]\.[0-9] m/s' "$TMP/out_c" || nicht "teilnehmer: Punkt in m/s im Gebietsschema en_US"

tlt_de teilnehmer-alle "$CUP"
erwarte_rc 0 "teilnehmer-alle"
[ "$(grep -c 'Teilnehmerdaten:' "$TMP/out")" -eq 150 ] || nicht "teilnehmer-alle: nicht alle 150 Teilnehmer"

tlt_de dlv "$CUP" 1
erwarte_rc 0 "dlv"
enthaelt "$TMP/out" "      D L V      | Veranstalter:" "dlv"
tlt_de dlv "$CUP" 1 --version 2
erwarte_rc 0 "dlv --version 2"
v2=$(cat "$TMP/out")
tlt_de dlv "$CUP" 1 --version 1
[ "$v2" != "$(cat "$TMP/out")" ] || nicht "dlv: Version 1 und 2 gleich"

# --- HTML ----------------------------------------------------------------------------------
berichte=("laufergebnis $CUP 1" "laufergebnis $CUP 5" "gesamt $CUP 3" "gesamt $CUP 6" "teilnehmer $CUP 7"
          "teilnehmer-alle $CUP" "dlv $CUP 2 --version 1" "dlv $CUP 2 --version 2")
for b in "${berichte[@]}"; do
    for stil in 0 1; do
        rm -f "$TMP/s.htm"
        # shellcheck disable=SC2086
        tlt_de $b --html "$TMP/s.htm" --html-stil $stil
        erwarte_rc 0 "$b --html (Stil $stil)"
        [ -s "$TMP/out" ] && nicht "$b --html: schreibt trotzdem auf stdout"
        [ -f "$TMP/s.htm" ] || { nicht "$b --html: keine Datei"; continue; }
        head -c 63 "$TMP/s.htm" | grep -qF '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">' ||
            nicht "$b --html: DOCTYPE"
        enthaelt "$TMP/s.htm" 'charset=UTF-8' "$b --html"
        iconv -f UTF-8 -t UTF-8 "$TMP/s.htm" >/dev/null 2>&1 || nicht "$b --html: Datei ist kein UTF-8"
        [ "$(tr -cd '\n' <"$TMP/s.htm" | wc -c)" -eq "$(grep -c $'\r$' "$TMP/s.htm")" ] || nicht "$b --html: nicht CR LF"
        if [ "$stil" = 1 ]; then enthaelt "$TMP/s.htm" '#AACCFF' "$b Stil 1"; else enthaelt "$TMP/s.htm" '#F2F2F2' "$b Stil 0"; fi
        if command -v onsgmls >/dev/null && [ -f "$KATALOG" ]; then
            meldungen=$(SP_CHARSET_FIXED=YES SP_ENCODING=UTF-8 onsgmls -s -c "$KATALOG" "$TMP/s.htm" 2>&1)
            [ -z "$meldungen" ] || nicht "$b --html-stil $stil ist kein gültiges HTML 4.01: $(echo "$meldungen" | head -3)"
        else
            nicht "onsgmls oder die W3C-DTDs fehlen (scripts/pakete.sh)"
        fi
    done
done
tlt_de laufergebnis "$CUP" 1 --html "$TMP/s.htm"
enthaelt "$TMP/s.htm" '<title>M&uuml;hlbacher Volkslauf-Cup 2026 - Ergebnisse</title>' "Titel"
enthaelt "$TMP/s.htm" '<meta name="Publisher" content="TSV Mühlbach 1898 e.V. – Abteilung Leichtathletik">' "Publisher"
enthaelt "$TMP/s.htm" '<td valign="top"><span class="t14"><b>TSV M&uuml;hlbach' "erste Zeile im Tabellenfeld"
enthaelt "$TMP/s.htm" 'target="_blank">https://' "Link im Fuß"
tlt_de dlv "$CUP" 1 --html "$TMP/t.htm"
enthaelt "$TMP/t.htm" '<span class="t9">------------------------------------------------------------------------------<a href="#top" target="_self">oben</a></span><br>' "oben-Link"

# --- PDF -----------------------------------------------------------------------------------
tlt_de laufergebnis "$CUP" 1 --pdf "$TMP/l.pdf"
erwarte_rc 0 "laufergebnis --pdf"
if command -v pdfinfo >/dev/null; then
    seiten=$(pdfinfo "$TMP/l.pdf" | awk '/^Pages:/ { print $2 }')
    [ "${seiten:-0}" -ge 2 ] || nicht "laufergebnis --pdf: $seiten Seiten"
    pdfinfo "$TMP/l.pdf" | grep -qE '^Title: +Tempolauftabellator$' || nicht "PDF-Titel"
    pdftotext -layout "$TMP/l.pdf" - | grep -qF "Ergebnisse vom 14.03.2026" || nicht "PDF-Text"
    # Every line of the text report is printed once: size-9 lines on A4 within the margins give
    # somewhat under 80 lines a page (fewer where larger head lines take room).
    tlt_de teilnehmer-alle "$CUP" --pdf "$TMP/a.pdf"
    erwarte_rc 0 "teilnehmer-alle --pdf"
    zeilen=$(LC_ALL=de_DE.UTF-8 "$TLT" teilnehmer-alle "$CUP" 2>/dev/null | wc -l)
    seiten=$(pdfinfo "$TMP/a.pdf" | awk '/^Pages:/ { print $2 }')
    [ "$seiten" -ge $((zeilen / 80)) ] && [ "$seiten" -le $((zeilen / 40 + 1)) ] ||
        nicht "teilnehmer-alle --pdf: $seiten Seiten für $zeilen Zeilen"
    [ "$(pdftotext "$TMP/a.pdf" - | grep -c 'Teilnehmerdaten:')" -eq 150 ] || nicht "teilnehmer-alle --pdf: Inhalt"
fi

# --- Errors --------------------------------------------------------------------------------
tlt_de laufergebnis "$CUP"
erwarte_rc 2 "laufergebnis ohne Lauf"
enthaelt "$TMP/err" "Aufruf: tlt laufergebnis CUP.tl3 LAUF" "Aufruf auf stderr"
for args in "laufergebnis $CUP 0" "laufergebnis $CUP 7" "gesamt $CUP x" "teilnehmer $CUP 999" "teilnehmer $CUP" \
            "dlv $CUP 1 --version 3" "dlv $CUP 1 --version" "laufergebnis $CUP 1 --html" \
            "laufergebnis $CUP 1 --html-stil 1" "laufergebnis $CUP 1 --html x.htm --html-stil 2" \
            "laufergebnis $CUP 1 --html x.htm --pdf x.pdf" "laufergebnis $CUP 1 --farbe rot" "teilnehmer-alle $CUP 1"; do
    # shellcheck disable=SC2086
    tlt_de $args
    erwarte_rc 2 "$args"
    enthaelt "$TMP/err" "Aufruf:" "$args"
    [ -s "$TMP/out" ] && nicht "$args: Ausgabe auf stdout"
done
tlt_de laufergebnis "$TMP/gibtsnicht.tl3" 1
erwarte_rc 1 "fehlende Datei"
[ -s "$TMP/err" ] || nicht "fehlende Datei: keine Meldung"

tlt_de laufergebnis "$CUP" 1 --html "$TMP/fehlt/s.htm"
erwarte_rc 1 "HTML in fehlenden Ordner"
enthaelt "$TMP/err" "HTML-Datei" "HTML in fehlenden Ordner"
tlt_de laufergebnis "$CUP" 1 --pdf "$TMP/fehlt/s.pdf"
erwarte_rc 1 "PDF in fehlenden Ordner"
enthaelt "$TMP/err" "PDF-Datei" "PDF in fehlenden Ordner"

# A file size limit cuts the output short: that is an error, and the old file stays as it was.
echo "alte Datei" >"$TMP/alt.pdf"
echo "alte Datei" >"$TMP/alt.htm"
(
    trap '' XFSZ
    ulimit -f 8
    LC_ALL=de_DE.UTF-8 "$TLT" teilnehmer-alle "$CUP" --pdf "$TMP/alt.pdf" >/dev/null 2>"$TMP/err_pdf"
    echo $? >"$TMP/rc_pdf"
    LC_ALL=de_DE.UTF-8 "$TLT" teilnehmer-alle "$CUP" --html "$TMP/alt.htm" >/dev/null 2>"$TMP/err_htm"
    echo $? >"$TMP/rc_htm"
)
[ "$(cat "$TMP/rc_pdf")" = 1 ] || nicht "PDF über die Dateigrößengrenze: Exit-Code $(cat "$TMP/rc_pdf")"
[ "$(cat "$TMP/rc_htm")" = 1 ] || nicht "HTML über die Dateigrößengrenze: Exit-Code $(cat "$TMP/rc_htm")"
enthaelt "$TMP/err_pdf" "PDF-Datei" "PDF über die Dateigrößengrenze"
enthaelt "$TMP/err_htm" "HTML-Datei" "HTML über die Dateigrößengrenze"
[ "$(cat "$TMP/alt.pdf")" = "alte Datei" ] || nicht "PDF über die Dateigrößengrenze: alte Datei verändert"
[ "$(cat "$TMP/alt.htm")" = "alte Datei" ] || nicht "HTML über die Dateigrößengrenze: alte Datei verändert"

# A result whose digits exceed 32 bits stops the participant statistics at that race: the lines
# so far on stdout, the message on stderr, exit code 1, and no HTML file.
sed "s/0:35'49,50\"/0:35'4999999999,50\"/" "$CUP" >"$TMP/kaputt.tl3"
tlt_de teilnehmer "$TMP/kaputt.tl3" 7
erwarte_rc 1 "Umwandlungsfehler"
enthaelt "$TMP/out" "Ergebnisse:" "Umwandlungsfehler: Zeilen bis dahin"
enthaelt_nicht "$TMP/out" "Statistik erstellt" "Umwandlungsfehler: kein Fuß"
enthaelt "$TMP/err" "ist kein gültiger Integerwert – bei Lauf 3, Startnummer 007 (Eßer, Jan)" "Umwandlungsfehler: Meldung mit Lauf und Teilnehmer"
rm -f "$TMP/k.htm"
tlt_de teilnehmer "$TMP/kaputt.tl3" 7 --html "$TMP/k.htm"
erwarte_rc 1 "Umwandlungsfehler mit --html"
[ -e "$TMP/k.htm" ] && nicht "Umwandlungsfehler: HTML-Datei trotzdem geschrieben"

if [ "$fehler" -gt 0 ]; then
    echo "$fehler Prüfungen fehlgeschlagen" >&2
    exit 1
fi
echo "Alle Prüfungen bestanden"
