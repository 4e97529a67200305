#!/usr/bin/env bash
# Data safety of every file tlt writes: under a file size limit that fails after k bytes (SIGXFSZ
# ignored), for k = 0, 1 and a spread up to past the end, a command either writes the complete file
# and exits 0, or leaves the old file byte-identical, says why and exits 1; no temporary file stays.
# Also: text reports to a full stdout, and outputs that would replace the cup file or a non-file.
# Usage: test_datensicherheit.sh PATH/TO/tlt SOURCE_DIR
set -u
TLT=$1
SRC=$2
CUP=$SRC/examples/beispielcup.tl3
export QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
export XDG_RUNTIME_DIR=$TMP/laufzeit
mkdir -m 700 "$XDG_RUNTIME_DIR"
command -v prlimit >/dev/null || { echo "prlimit (util-linux) fehlt" >&2; exit 1; }

fehler=0
faelle=0
nicht() { echo "FEHLER: $*" >&2; fehler=$((fehler + 1)); }

# The limits for a file of $1 bytes: 0, 1, buffer edges, a spread, the end and beyond.
grenzen() {
    local s=$1
    { echo 0 1 2 100 4095 4096 4097 16383 16384 16385 65536
      for i in 1 2 3 4 5 6 7; do echo $((s * i / 8)); done
      echo $((s - 2)) $((s - 1)) "$s" $((s + 1)) $((s + 4096)) $((s + 100000)); } |
        tr ' ' '\n' | awk -v s="$s" '$1 >= 0 && $1 <= s + 100000' | sort -n | uniq
}

# A file is complete when it has the reference's size and ends as the reference does (HTML carries
# the time of writing, so the bytes in between may differ). A PDF carries the time too, and its
# size may differ by a few bytes: it is complete when it ends in "%%EOF" within that distance.
toleranz() { case "$1" in *.pdf) echo 64 ;; *) echo 0 ;; esac; }
vollstaendig() { # file, reference
    [ -f "$1" ] || return 1
    local a b t
    a=$(stat -c %s "$1"); b=$(stat -c %s "$2"); t=$(toleranz "$1")
    [ $((a - b)) -le "$t" ] && [ $((b - a)) -le "$t" ] || return 1
    case "$1" in
    *.pdf) tail -c 8 "$1" | grep -q '%%EOF' ;;
    *) [ "$(tail -c 64 "$1" | od -An -c)" = "$(tail -c 64 "$2" | od -An -c)" ] ;;
    esac
}

# sweep NAME ZIEL tlt-arguments… : ZIEL is the output file the arguments name.
sweep() {
    local name=$1 ziel=$2
    shift 2
    rm -rf "$TMP/d" && mkdir "$TMP/d"
    "$TLT" "$@" >/dev/null 2>"$TMP/err" || { nicht "$name: ohne Grenze gescheitert: $(cat "$TMP/err")"; return; }
    cp "$ziel" "$TMP/referenz"
    local s
    s=$(stat -c %s "$TMP/referenz")
    for k in $(grenzen "$s"); do
        printf 'alte Fassung\r\n' >"$ziel"
        # The messages go through a pipe, which no file size limit cuts short.
        (trap '' XFSZ; exec prlimit --fsize="$k" "$TLT" "$@") 2>&1 >/dev/null | cat >"$TMP/err"
        local rc=${PIPESTATUS[0]}
        faelle=$((faelle + 1))
        local t
        t=$(toleranz "$ziel")
        if [ "$k" -ge $((s + t)) ] || { [ "$k" -ge $((s - t)) ] && [ $rc -eq 0 ]; }; then
            # Enough room (or, within the tolerance, success): the complete new file.
            [ $rc -eq 0 ] || { nicht "$name, Grenze $k von $s: Exit-Code $rc ($(cat "$TMP/err"))"; continue; }
            vollstaendig "$ziel" "$TMP/referenz" || nicht "$name, Grenze $k von $s: Datei unvollständig"
        else
            [ $rc -eq 1 ] || { nicht "$name, Grenze $k von $s: Exit-Code $rc statt 1"; continue; }
            [ "$(cat "$ziel")" = $'alte Fassung\r' ] || nicht "$name, Grenze $k von $s: alte Datei verändert"
            [ -s "$TMP/err" ] || nicht "$name, Grenze $k von $s: keine Meldung"
        fi
        [ "$(ls -A "$TMP/d")" = "$(basename "$ziel")" ] || nicht "$name, Grenze $k: Ordner enthält $(ls -A "$TMP/d" | tr '\n' ' ')"
    done
}

sweep "HTML klein" "$TMP/d/l.htm" laufergebnis "$CUP" 1 --html "$TMP/d/l.htm"
sweep "HTML groß" "$TMP/d/a.htm" teilnehmer-alle "$CUP" --html "$TMP/d/a.htm"
sweep "Berichts-PDF" "$TMP/d/l.pdf" laufergebnis "$CUP" 1 --pdf "$TMP/d/l.pdf"
sweep "Urkunden-PDF" "$TMP/d/u.pdf" teilnahmeurkunde "$CUP" 1 081 --pdf "$TMP/d/u.pdf"
sweep "Siegerurkunden-PDF" "$TMP/d/s.pdf" siegerurkunden "$CUP" 1 --pdf "$TMP/d/s.pdf"

# Text reports on stdout: complete and exit 0, or exit 1 with a message.
stdout_sweep() { # name, tlt arguments…
    local name=$1
    shift
    "$TLT" "$@" >"$TMP/ref.txt" 2>/dev/null || { nicht "$name: ohne Grenze gescheitert"; return; }
    local s
    s=$(stat -c %s "$TMP/ref.txt")
    for k in $(grenzen "$s"); do
        (trap '' XFSZ; exec prlimit --fsize="$k" "$TLT" "$@" >"$TMP/aus.txt") 2>&1 | cat >"$TMP/err"
        local rc=${PIPESTATUS[0]}
        faelle=$((faelle + 1))
        if [ "$k" -ge "$s" ]; then
            [ $rc -eq 0 ] && [ "$(stat -c %s "$TMP/aus.txt")" = "$s" ] || nicht "$name auf stdout, Grenze $k von $s: Exit-Code $rc"
        else
            [ $rc -eq 1 ] || nicht "$name auf stdout, Grenze $k von $s: Exit-Code $rc statt 1"
            grep -qF "Die Ausgabe konnte nicht vollständig geschrieben werden" "$TMP/err" ||
                nicht "$name auf stdout, Grenze $k: keine Meldung"
        fi
    done
}
stdout_sweep "teilnehmer-alle" teilnehmer-alle "$CUP"
stdout_sweep "laufergebnis" laufergebnis "$CUP" 1

if [ -w /dev/full ] || [ -e /dev/full ]; then
    "$TLT" teilnehmer-alle "$CUP" >/dev/full 2>"$TMP/err"
    rc=$?
    [ $rc -eq 1 ] || nicht "teilnehmer-alle > /dev/full: Exit-Code $rc statt 1"
    grep -qF "Die Ausgabe konnte nicht vollständig geschrieben werden" "$TMP/err" || nicht "/dev/full: keine Meldung"
else
    echo "/dev/full fehlt: dieser Fall wird nicht geprüft" >&2
fi

# The output can never be the cup file itself, under any name.
cp "$CUP" "$TMP/cup.tl3"
ln -s "$TMP/cup.tl3" "$TMP/verweis.tl3"
for args in "gesamt $TMP/cup.tl3 6 --html $TMP/cup.tl3" "gesamt $TMP/cup.tl3 6 --pdf $TMP/verweis.tl3" \
            "siegerurkunden $TMP/verweis.tl3 1 --pdf $TMP/cup.tl3"; do
    # shellcheck disable=SC2086
    "$TLT" $args >/dev/null 2>"$TMP/err"
    rc=$?
    [ $rc -eq 1 ] || nicht "$args: Exit-Code $rc statt 1"
    grep -qF "gelesene Datei selbst" "$TMP/err" || nicht "$args: Meldung fehlt: $(cat "$TMP/err")"
    cmp -s "$CUP" "$TMP/cup.tl3" || nicht "$args: die Cup-Datei wurde verändert"
done
# Nor anything that is no regular file (a pipe here; a device would be the same).
mkfifo "$TMP/rohr"
"$TLT" laufergebnis "$CUP" 1 --html "$TMP/rohr" >/dev/null 2>"$TMP/err"
rc=$?
[ $rc -eq 1 ] && grep -qF "keine gewöhnliche Datei" "$TMP/err" && [ -p "$TMP/rohr" ] || nicht "--html auf eine Pipe: Exit-Code $rc"

echo "$faelle Fälle mit Dateigrößengrenze"
if [ "$fehler" -gt 0 ]; then
    echo "$fehler Prüfungen fehlgeschlagen" >&2
    exit 1
fi
