#!/usr/bin/env bash
# The results site of the sample cup and of a cup with hostile texts: valid HTML5 for the W3C Nu
# Html Checker, and in headless Chromium at 390 px no sideways scrolling, a working search and
# sorting, and no WCAG 2.1 A/AA violation found by axe-core. Exits 77 (skipped) where a tool is missing.
set -euo pipefail
TLT=$1
SRC=$2
BUILD=$(cd "$(dirname "$TLT")/.." && pwd)
skip() { echo "ÜBERSPRUNGEN: $* — scripts/pakete.sh installiert es."; exit 77; }
command -v java >/dev/null || skip "Java fehlt (Debian-Paket default-jre-headless)"
[ -x /usr/bin/chromium ] || skip "Chromium fehlt (Debian-Paket chromium)"
[ -x /usr/bin/chromedriver ] || skip "chromedriver fehlt (Debian-Paket chromium-driver)"
/usr/bin/python3 -c 'import selenium' 2>/dev/null || skip "Selenium fehlt (Debian-Paket python3-selenium)"
WERKZEUGE=${TLT_WEBWERKZEUGE:-$BUILD/webwerkzeuge}
bash "$SRC/scripts/webwerkzeuge.sh" "$WERKZEUGE" || skip "die npm-Pakete vnu-jar und axe-core ließen sich nicht installieren"
VNU=$WERKZEUGE/node_modules/vnu-jar/build/dist/vnu.jar
AXE=$WERKZEUGE/node_modules/axe-core/axe.min.js

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$TLT" webseite "$SRC/examples/beispielcup.tl3" "$tmp/beispiel" >/dev/null

# The hostile cup: the sample cup with texts that must show as typed.
TEXT='</script><b>x'
/usr/bin/python3 - "$SRC/examples/beispielcup.tl3" "$tmp/feind.tl3" "$TEXT" <<'PY'
import sys
text = open(sys.argv[1], encoding="cp1252", newline="").read()
text = text.replace("Mühlbacher Volkslauf-Cup 2026", "<script>alert('Cup')</script> & \"Freunde\" <!--")
text = text.replace("Preuß|", sys.argv[3] + "|")
text = text.replace("Zöllner|", "Ausgesprochenlangernachnamemitvielenbuchstabenundohneleerzeichen-Doppelname|")
text = text.replace("SC Lindenhöh", "<i>'SC'</i> & Co ]]> --> é")
text = text.replace("|Mühlbach|Kreis", "|<iframe src=x>|Kreis")
open(sys.argv[2], "w", encoding="cp1252", newline="").write(text)
PY
"$TLT" webseite "$tmp/feind.tl3" "$tmp/feind" >/dev/null
grep -q '&lt;/script&gt;&lt;b&gt;x' "$tmp/feind/lauf-02.html" || { echo "FEHLER: der feindliche Name fehlt"; exit 1; }

echo "== W3C Nu Html Checker"
java -Xss8m -jar "$VNU" --errors-only --also-check-css "$tmp"/beispiel/*.html "$tmp"/beispiel/stil.css "$tmp"/feind/*.html
echo "keine Fehler"

echo "== Chromium: Beispielcup"
/usr/bin/python3 "$SRC/tests/browser/seiten_pruefen.py" "$tmp/beispiel" "$AXE"
echo "== Chromium: feindliche Texte"
/usr/bin/python3 "$SRC/tests/browser/seiten_pruefen.py" "$tmp/feind" "$AXE" --text "$TEXT"
