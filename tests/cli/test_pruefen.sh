#!/usr/bin/env bash
# tlt pruefen: summary of the sample cup, hints, and the exit codes for bad files and bad arguments.
# Arguments: path of the tlt binary, source directory.
set -u
TLT="$1"
QUELLE="$2"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
fehler=0

pruefe() { # description, condition result
  if [ "$2" -ne 0 ]; then
    echo "FEHLER: $1"
    fehler=1
  else
    echo "ok: $1"
  fi
}
enthaelt() { # file, text
  grep -qF -- "$2" "$1"
}

# The sample cup.
"$TLT" pruefen "$QUELLE/examples/beispielcup.tl3" >"$TMP/out" 2>"$TMP/err"
pruefe "Beispielcup: Exit-Code 0" $?
for zeile in "Name: Mühlbacher Volkslauf-Cup 2026" \
             "Veranstalter: TSV Mühlbach 1898 e.V. – Abteilung Leichtathletik" \
             "Kategorie: 2 - kreisoffene Veranstaltung" \
             "Anzahl Läufe: 6 (Zeitläufe: 4, Distanzläufe: 2)" \
             "  1. 14.03.2026  Zeitlauf (fixe Distanz)  TSV Mühlbach 1898 e.V." \
             "Teilnehmer: 150" "Altersgruppen: 14" \
             "Cupvarianten: 3 (Hauptlauf, Jedermannlauf, Schülerlauf)" "Punkteplätze: 20"; do
  grep -qxF -- "$zeile" "$TMP/out"
  pruefe "Beispielcup: Zeile '$zeile'" $?
done
! enthaelt "$TMP/out" "Hinweise:"
pruefe "Beispielcup: keine Hinweise" $?

# Bad arguments: usage on stderr, exit 2.
for args in "" "a.tl3 b.tl3" "--html x.htm"; do
  # shellcheck disable=SC2086
  "$TLT" pruefen $args >"$TMP/out" 2>"$TMP/err"
  rc=$?
  [ $rc -eq 2 ] && enthaelt "$TMP/err" "Aufruf: tlt pruefen CUP.tl3" && [ ! -s "$TMP/out" ]
  pruefe "Argumente '$args': Aufruf auf stderr, Exit-Code 2 (war $rc)" $?
done

# A missing file: the reader's message, exit 1.
"$TLT" pruefen "$TMP/fehlt.tl3" >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && enthaelt "$TMP/err" "fehlt.tl3\" konnte nicht geöffnet werden: " && [ ! -s "$TMP/out" ]
pruefe "fehlende Datei: Meldung, Exit-Code 1 (war $rc)" $?

# A damaged first line.
printf 'Cup||0|1|1|zwei|0|\r\n\r\n\r\n1|\r\n' >"$TMP/kaputt.tl3"
"$TLT" pruefen "$TMP/kaputt.tl3" >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && grep -qxF "'zwei' ist kein gültiger Integerwert in Zeile 1 der Datei \"$TMP/kaputt.tl3\"" "$TMP/err"
pruefe "kaputte Zahl: Meldung mit Zeile und Datei, Exit-Code 1 (war $rc)" $?

# A file cut off after 100 bytes: its first line announces 6 races and 150 participants.
head -c 100 "$QUELLE/examples/beispielcup.tl3" >"$TMP/abgeschnitten.tl3"
"$TLT" pruefen "$TMP/abgeschnitten.tl3" >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && enthaelt "$TMP/err" "abgeschnitten.tl3\" ist beschädigt: " && enthaelt "$TMP/err" "160 Zeilen" &&
  [ ! -s "$TMP/out" ]
pruefe "abgeschnittene Datei: beschädigt, erwartete Zeilen, Exit-Code 1 (war $rc)" $?

# Two race lines missing: the participants must not be read as races.
awk 'NR != 7 && NR != 8' "$QUELLE/examples/beispielcup.tl3" >"$TMP/ohne_laeufe.tl3"
"$TLT" pruefen "$TMP/ohne_laeufe.tl3" >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && enthaelt "$TMP/err" "ist beschädigt: Sie endet nach Zeile 158" && enthaelt "$TMP/err" "160 Zeilen"
pruefe "fehlende Laufzeilen: beschädigt, Exit-Code 1 (war $rc)" $?

# Not a regular file: refused at once, even an endless device.
for ziel in /dev/zero "$TMP"; do
  timeout 20 "$TLT" pruefen "$ziel" >"$TMP/out" 2>"$TMP/err"
  rc=$?
  [ $rc -eq 1 ] && enthaelt "$TMP/err" "keine gewöhnliche Datei"
  pruefe "$ziel: abgelehnt, Exit-Code 1 (war $rc)" $?
done

# A UTF-8 file (another program's): read as UTF-8, with a hint, exit 0.
printf '\xef\xbb\xbfM\xc3\xbchlbach-Cup||0|1|1|0|1|\r\nF|M|99|\r\n\r\n1|\r\nM\xc3\xbchlbacher|Anna|||||1|\r\n' >"$TMP/utf8.tl3"
printf 'M\xc3\xbchlbach-Cup||0|1|1|0|0|\r\nF|M|99|\r\n\r\n1|\r\n' >"$TMP/utf8_ohne_bom.tl3"
for datei in utf8 utf8_ohne_bom; do
  "$TLT" pruefen "$TMP/$datei.tl3" >"$TMP/out" 2>"$TMP/err"
  rc=$?
  [ $rc -eq 0 ] && grep -qxF "Name: Mühlbach-Cup" "$TMP/out" && enthaelt "$TMP/out" "nicht in Windows-1252 gespeichert, sondern in UTF-8"
  pruefe "$datei: als UTF-8 gelesen, Hinweis, Exit-Code 0 (war $rc)" $?
done
! enthaelt "$TMP/out" "Mühlbacher"

# Data worth a hint: a duplicate start number, an unknown age group and variation (Windows-1252 bytes).
{
  printf 'Hinweis-Cup||9|1|1|0|3|\r\n'
  printf 'F|M|99|\r\n'
  printf 'A-Cup|10000m|1:00'"'"'00,00"|\r\n'
  printf '3|2|1|\r\n'
  printf 'M\xfcller|Anna|01.01.1980|weiblich||F|007|A-Cup|\r\n'
  printf 'Wei\xdf|Ben|01.01.1980|m\xe4nnlich||X99|007|Z-Cup|\r\n'
  printf 'Zorn|Cem|01.01.1980|m\xe4nnlich||M||A-Cup|\r\n'
} >"$TMP/hinweis.tl3"
"$TLT" pruefen "$TMP/hinweis.tl3" >"$TMP/out" 2>"$TMP/err"
pruefe "Hinweis-Cup: Exit-Code 0" $?
for zeile in "Kategorie: (keine)" "Anzahl Läufe: 0" "Teilnehmer: 3" "Cupvarianten: 1 (A-Cup)" "Punkteplätze: 3" \
             "Hinweise:" "  Die Startnummer 007 ist 2-mal vergeben." "  Teilnehmer ohne Startnummer: 1" \
             "  Altersgruppe \"X99\" gibt es nicht (Teilnehmer: 1)." \
             "  Cupvariante \"Z-Cup\" gibt es nicht (Teilnehmer: 1)."; do
  grep -qxF -- "$zeile" "$TMP/out"
  pruefe "Hinweis-Cup: Zeile '$zeile'" $?
done

if [ $fehler -ne 0 ]; then
  echo "--- letzte Ausgabe:"; cat "$TMP/out"; echo "--- stderr:"; cat "$TMP/err"
fi
exit $fehler
