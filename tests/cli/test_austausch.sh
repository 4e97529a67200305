#!/usr/bin/env bash
# tlt import-teilnehmer, import-ergebnisse, tabelle and --csv/--xlsx of laufergebnis and gesamt, with
# the sample cup and the sample registrations and timing file.
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

CUP="$TMP/cup.tl3"
cp "$QUELLE/examples/beispielcup.tl3" "$CUP"
ANMELDUNGEN="$QUELLE/examples/anmeldungen.xlsx"
ZEITEN="$QUELLE/examples/zeitmessung_lauf6.csv"

# A trial run shows the summary and changes nothing.
"$TLT" import-teilnehmer "$CUP" "$ANMELDUNGEN" --probe >"$TMP/out" 2>"$TMP/err"
pruefe "Probe: Exit-Code 0" $?
enthaelt "$TMP/out" "4 neu, 1 geändert, 0 Zeilen mit Problemen"
pruefe "Probe: Zusammenfassung" $?
enthaelt "$TMP/out" "neu: Frühling, Ole (M40, Hauptlauf, Startnummer 204)"
pruefe "Probe: nächste freie Startnummer" $?
cmp -s "$CUP" "$QUELLE/examples/beispielcup.tl3"
pruefe "Probe: Cup-Datei unverändert" $?

# Into a new file, then the cup file itself.
"$TLT" import-teilnehmer "$CUP" "$ANMELDUNGEN" --ausgabe "$TMP/neu.tl3" >"$TMP/out" 2>"$TMP/err"
pruefe "Import in neue Datei: Exit-Code 0" $?
cmp -s "$CUP" "$QUELLE/examples/beispielcup.tl3"
pruefe "--ausgabe: Cup-Datei unverändert" $?
"$TLT" pruefen "$TMP/neu.tl3" >"$TMP/out" 2>&1
enthaelt "$TMP/out" "Teilnehmer: 154"
pruefe "Import: 154 Teilnehmer" $?

"$TLT" import-ergebnisse "$TMP/neu.tl3" 6 "$ZEITEN" >"$TMP/out" 2>"$TMP/err"
pruefe "Ergebnisse: Exit-Code 0" $?
enthaelt "$TMP/out" "4 neue Ergebnisse, 0 abweichend von gespeicherten, 0 unbekannte Startnummern, 0 Zeilen mit Problemen, 1 unverändert"
pruefe "Ergebnisse: Zusammenfassung" $?
"$TLT" laufergebnis "$TMP/neu.tl3" 6 >"$TMP/out" 2>&1
enthaelt "$TMP/out" "Sommer, Clara" && enthaelt "$TMP/out" "0:47'12,40\""
pruefe "Ergebnisse: in der Ergebnisliste" $?

# Exports.
"$TLT" gesamt "$TMP/neu.tl3" 6 --xlsx "$TMP/gesamt.xlsx" >"$TMP/out" 2>"$TMP/err"
pruefe "gesamt --xlsx: Exit-Code 0" $?
[ "$(head -c 2 "$TMP/gesamt.xlsx")" = "PK" ] && [ ! -s "$TMP/out" ]
pruefe "gesamt --xlsx: eine Arbeitsmappe, nichts auf stdout" $?
"$TLT" gesamt "$TMP/neu.tl3" 6 --csv "$TMP/gesamt.csv" >"$TMP/out" 2>"$TMP/err"
pruefe "gesamt --csv: Exit-Code 0" $?
[ "$(head -c 3 "$TMP/gesamt.csv" | od -An -tx1 | tr -d ' ')" = "efbbbf" ]
pruefe "gesamt --csv: UTF-8 mit BOM" $?
enthaelt "$TMP/gesamt.csv" "Platz;Name;Vorname;Jahrgang;Verein;Altersgruppe;Cupvariante;Teilnahmen;Punkte;Lauf 1;Lauf 2;Lauf 3;Lauf 4;Lauf 5;Lauf 6"
pruefe "gesamt --csv: Kopfzeile" $?
"$TLT" laufergebnis "$TMP/neu.tl3" 6 --csv "$TMP/lauf.csv" >"$TMP/out" 2>"$TMP/err"
enthaelt "$TMP/lauf.csv" ";Sommer;Clara;1992;TSV Mühlbach 1898;F30;Hauptlauf;201;0:47:12,40;"
pruefe "laufergebnis --csv: Zeile mit Zeit" $?
"$TLT" tabelle "$TMP/neu.tl3" --csv "$TMP/t.csv" >"$TMP/out" 2>"$TMP/err"
pruefe "tabelle --csv: Exit-Code 0" $?
[ "$(wc -l <"$TMP/t.csv")" -eq 155 ] && enthaelt "$TMP/t.csv" "Startnummer;Name;Vorname;Geburtsdatum;Jahrgang"
pruefe "tabelle --csv: Kopf und 154 Teilnehmer" $?
"$TLT" tabelle "$TMP/neu.tl3" --xlsx "$TMP/t.xlsx" >"$TMP/out" 2>"$TMP/err"
pruefe "tabelle --xlsx: Exit-Code 0" $?
# Round trip: the exported table imported again changes nothing.
"$TLT" import-teilnehmer "$TMP/neu.tl3" "$TMP/t.xlsx" --probe >"$TMP/out" 2>"$TMP/err"
pruefe "Rundreise: Exit-Code 0" $?
enthaelt "$TMP/out" "0 neu, 0 geändert, 0 Zeilen mit Problemen, 154 unverändert"
pruefe "Rundreise: nichts geändert" $?

# Rows left out: exit 1, reasons with line numbers on stderr; --probe writes nothing.
cp "$TMP/neu.tl3" "$TMP/vorher.tl3"
"$TLT" import-ergebnisse "$TMP/neu.tl3" 1 "$QUELLE/tests/data/austausch/ergebnisse_1252.csv" --probe >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && enthaelt "$TMP/err" "ergebnisse_1252.csv: Zeile 8: Startnummer 102 doppelt (wie Zeile 3)" &&
  enthaelt "$TMP/err" "Zeile 10: Zeit '0:61:00' ungültig" && enthaelt "$TMP/err" "Zeile 7: Startnummer 999 unbekannt"
pruefe "Problemzeilen: Exit-Code 1 (war $rc) und Gründe auf stderr" $?
cmp -s "$TMP/neu.tl3" "$TMP/vorher.tl3"
pruefe "Problemzeilen mit --probe: Cup unverändert" $?
# Without --ueberschreiben the differing results stay; with it they are replaced.
"$TLT" import-ergebnisse "$TMP/neu.tl3" 1 "$QUELLE/tests/data/austausch/ergebnisse_1252.csv" --ueberschreiben \
  --ausgabe "$TMP/ueber.tl3" >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && enthaelt "$TMP/out" "(überschrieben)" && [ -s "$TMP/ueber.tl3" ]
pruefe "--ueberschreiben: geschrieben, Exit-Code 1 wegen der Problemzeilen (war $rc)" $?

# A file that cannot be read: exit 1, message naming it.
"$TLT" import-teilnehmer "$TMP/neu.tl3" "$TMP/fehlt.xlsx" >"$TMP/out" 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && enthaelt "$TMP/err" "fehlt.xlsx"
pruefe "Fehlende Datei: Exit-Code 1 (war $rc)" $?

# Usage errors: exit 2.
for args in "import-teilnehmer $TMP/neu.tl3" "import-teilnehmer $TMP/neu.tl3 a.csv --blatt" \
            "import-ergebnisse $TMP/neu.tl3 99 $ZEITEN" "import-ergebnisse $TMP/neu.tl3 1 $ZEITEN --ueber" \
            "tabelle $TMP/neu.tl3" "gesamt $TMP/neu.tl3 6 --csv a.csv --pdf b.pdf" "laufergebnis $TMP/neu.tl3 1 --xlsx"; do
  # shellcheck disable=SC2086
  "$TLT" $args >"$TMP/out" 2>"$TMP/err"
  rc=$?
  [ $rc -eq 2 ] && enthaelt "$TMP/err" "Aufruf: tlt"
  pruefe "Aufruffehler '$args': Exit-Code 2 (war $rc)" $?
done

exit $fehler
