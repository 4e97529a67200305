#!/usr/bin/env bash
# tlt as a whole: --version and --help, and German formats when the system has no real locale.
# Usage: test_aufruf.sh PATH/TO/tlt SOURCE_DIR
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

# --- Version and usage ---------------------------------------------------------------------------
version=$(sed -n 's/.*kVersion = QStringLiteral("\([^"]*\)").*/\1/p' "$SRC/core/version.h")
"$TLT" --version >"$TMP/out" 2>"$TMP/err"
rc=$?
[ "$rc" -eq 0 ] || nicht "--version: Exit-Code $rc"
[ "$(cat "$TMP/out")" = "tlt $version" ] || nicht "--version: \"$(cat "$TMP/out")\" statt \"tlt $version\""
[ ! -s "$TMP/err" ] || nicht "--version: Meldung auf stderr: $(cat "$TMP/err")"
"$TLT" --help >"$TMP/out" 2>&1
grep -qF -- "tlt --version" "$TMP/out" || nicht "--help nennt --version nicht"

# --- Without a real locale the dates and numbers are German ---------------------------------------
# The report foot carries today's date and time; the speed has a decimal separator.
deutsch() { # description, then the environment for env
    local was=$1
    shift
    env -u LANG -u LC_ALL -u LC_TIME -u LC_NUMERIC -u LC_MESSAGES "$@" "$TLT" teilnehmer "$CUP" 007 >"$TMP/out" 2>"$TMP/err"
    grep -qE '^Statistik erstellt am : [0-9]{2}\.[0-9]{2}\.[0-9]{4} um [0-9]{2}:[0-9]{2}:[0-9]{2}\.$' "$TMP/out" ||
        nicht "$was: kein deutsches Datum im Fuß ($(grep 'erstellt am' "$TMP/out"))"
    grep -qE '[0-9],[0-9] m/s' "$TMP/out" || nicht "$was: kein Komma in m/s"
}
deutsch "LANG nicht gesetzt"
deutsch "LC_ALL=C" LC_ALL=C
deutsch "LANG=POSIX" LANG=POSIX
deutsch "LC_ALL=C.UTF-8" LC_ALL=C.UTF-8
# A real locale is followed: English has a decimal point.
env -u LANG -u LC_NUMERIC LC_ALL=en_GB.UTF-8 "$TLT" teilnehmer "$CUP" 007 >"$TMP/out" 2>"$TMP/err"
grep -qE '[0-9]\.[0-9] m/s' "$TMP/out" || nicht "en_GB: kein Punkt in m/s"
grep -qE '^Statistik erstellt am : [0-9]{2}/[0-9]{2}/[0-9]{4} ' "$TMP/out" || nicht "en_GB: kein englisches Datum"

if [ "$fehler" -gt 0 ]; then
    echo "$fehler Prüfungen fehlgeschlagen" >&2
    exit 1
fi
echo "Alle Prüfungen bestanden"
