// The search of the results site's script, without a browser: name parts, umlauts, start numbers.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const fs = require("node:fs");
const path = require("node:path");
const vm = require("node:vm");

// The script only needs document.addEventListener when it loads.
const umgebung = { document: { addEventListener() {} }, Intl };
vm.createContext(umgebung);
vm.runInContext(fs.readFileSync(path.join(__dirname, "../../webseite/tlt.js"), "utf8") + "\nthis.TLT = TLT;", umgebung);
const TLT = umgebung.TLT;

const laeufer = (name, sn) => [name, "TV Ahorn", "M30", "", sn, 1, "20", "1", ["0:40'00,00\""], [1], [20]];
TLT.daten({
  laeufe: [{ nr: 1, datum: "01.05.2026", seite: "lauf-01.html" }],
  gesamt: "Gesamtergebnis",
  t: [
    laeufer("Müller, Jürgen ('80)", "042"),
    laeufer("Mueller, Anna ('90)", "420"),
    laeufer("Straße, Eva ('85)", "4"),
    laeufer("</script><b>x, Tom ('90)", "142"),
    laeufer("Zöllner, Lea ('10)", ""),
  ],
});
// Arrays of the script's context are copied into this one, so that they compare deeply.
const namen = (q) => Array.from(TLT.suchen(q), (t) => t[0]);

test("a part of the name finds the runner, without regard to case and accents", () => {
  assert.deepStrictEqual(namen("müll"), ["Müller, Jürgen ('80)"]);
  assert.deepStrictEqual(namen("MULLER"), ["Müller, Jürgen ('80)"]);
  assert.deepStrictEqual(namen("ueller"), ["Mueller, Anna ('90)"]);
  assert.deepStrictEqual(namen("strasse"), ["Straße, Eva ('85)"]);
});

test("every word must occur, in any order", () => {
  assert.deepStrictEqual(namen("jürgen müller"), ["Müller, Jürgen ('80)"]);
  assert.deepStrictEqual(namen("anna müller"), []);
});

test("a start number finds its runner first, then the numbers that begin with it", () => {
  assert.deepStrictEqual(namen("42"), ["Müller, Jürgen ('80)", "Mueller, Anna ('90)"]);
  assert.deepStrictEqual(namen("042"), ["Müller, Jürgen ('80)", "Mueller, Anna ('90)"]);
  assert.deepStrictEqual(namen("4"), ["Straße, Eva ('85)", "Müller, Jürgen ('80)", "Mueller, Anna ('90)"]);
  assert.deepStrictEqual(namen("142"), ["</script><b>x, Tom ('90)"]);
});

test("texts are matched as typed, markup included", () => {
  assert.deepStrictEqual(namen("</script>"), ["</script><b>x, Tom ('90)"]);
  assert.deepStrictEqual(namen("   "), []);
});
