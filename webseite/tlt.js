// Results site of Tempolauftabellator: participant search and sorting of the standings.
// The pages are complete without it; it only adds the search box and the sort buttons.
"use strict";
var TLT = (function () {
  var daten = null;
  var schluessel = [];
  var warten = [];
  var geladen = false;
  var MAX_TREFFER = 20;

  function normal(text) {
    return text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase().replace(/ß/g, "ss");
  }

  function ohneNullen(text) {
    return text.replace(/^0+(?=\d)/, "");
  }

  // Loads the search data on first use, by a script element, so it also works from a USB stick.
  function laden(fertig) {
    if (daten) { fertig(); return; }
    warten.push(fertig);
    if (geladen) return;
    geladen = true;
    var s = document.createElement("script");
    s.src = "daten.js";
    s.onerror = function () { melden("Die Suchdaten (daten.js) fehlen."); };
    document.head.appendChild(s);
  }

  function datenGeladen(d) {
    daten = d;
    schluessel = d.t.map(function (t) { return normal(t[0]); });
    var w = warten; warten = [];
    w.forEach(function (f) { f(); });
  }

  function el(name, text, klasse) {
    var e = document.createElement(name);
    if (text !== undefined && text !== null) e.textContent = text;
    if (klasse) e.className = klasse;
    return e;
  }

  function melden(text) {
    var ziel = document.getElementById("treffer");
    ziel.replaceChildren(el("p", text, "anzahl"));
  }

  // All words of the query must occur in the name; a query of digits finds the start number.
  function suchen(anfrage) {
    var q = anfrage.trim();
    if (!q) return [];
    var gefunden = [];
    if (/^\d+$/.test(q)) {
      var nummer = ohneNullen(q);
      var vorn = [];
      daten.t.forEach(function (t, i) {
        var sn = ohneNullen(t[4]);
        if (sn === nummer) gefunden.push(i);
        else if (sn.indexOf(nummer) === 0) vorn.push(i);
      });
      return gefunden.concat(vorn);
    }
    var woerter = normal(q).split(/\s+/);
    for (var i = 0; i < schluessel.length; ++i) {
      var k = schluessel[i];
      if (woerter.every(function (w) { return k.indexOf(w) >= 0; })) gefunden.push(i);
    }
    return gefunden;
  }

  function karte(t) {
    var a = el("article", null, "karte");
    a.appendChild(el("h2", t[0]));
    var angaben = [t[1], t[2], t[3], t[4] ? "Startnummer " + t[4] : ""].filter(function (x) { return x; });
    a.appendChild(el("p", angaben.join(" · ")));
    var g = el("p");
    var link = el("a", daten.gesamt);
    link.href = "gesamt.html";
    g.appendChild(link);
    var teile = [];
    if (t[5] > 0) teile.push(t[5] + ". Platz");
    if (t[6] === "") teile.push("nicht gelistet");
    else teile.push(t[6] === "---" ? "--- (unter der Mindestteilnahme)" : t[6] + " Punkte");
    teile.push(t[7] + (t[7] === "1" ? " Lauf" : " Läufe"));
    g.appendChild(document.createTextNode(": " + teile.join(" · ")));
    a.appendChild(g);
    var zeilen = [];
    daten.laeufe.forEach(function (l, k) {
      if (t[8][k]) zeilen.push([l, t[8][k], t[9][k], t[10][k]]);
    });
    if (zeilen.length) {
      var tab = el("table");
      tab.appendChild(el("caption", "Ergebnisse der Läufe"));
      var kopf = el("tr");
      ["Lauf", "Ergebnis", "Platz", "Punkte"].forEach(function (x) {
        var th = el("th", x); th.scope = "col"; kopf.appendChild(th);
      });
      var thead = el("thead"); thead.appendChild(kopf); tab.appendChild(thead);
      var tbody = el("tbody");
      zeilen.forEach(function (z) {
        var tr = el("tr");
        var td = el("td");
        var l = el("a", "Lauf " + z[0].nr + ", " + z[0].datum);
        l.href = z[0].seite;
        td.appendChild(l);
        tr.appendChild(td);
        tr.appendChild(el("td", z[1]));
        tr.appendChild(el("td", z[2] > 0 ? z[2] + "." : ""));
        tr.appendChild(el("td", z[2] > 0 ? String(z[3]) : ""));
        tbody.appendChild(tr);
      });
      tab.appendChild(tbody);
      a.appendChild(tab);
    }
    return a;
  }

  function zeigen() {
    var feld = document.getElementById("suchfeld");
    var ziel = document.getElementById("treffer");
    if (!feld.value.trim()) { ziel.replaceChildren(); return; }
    var treffer = suchen(feld.value);
    var kinder = [];
    var text = treffer.length === 0 ? "Kein Treffer." :
      treffer.length === 1 ? "1 Treffer" :
      treffer.length + " Treffer" + (treffer.length > MAX_TREFFER ? ", die ersten " + MAX_TREFFER : "");
    kinder.push(el("p", text, "anzahl"));
    treffer.slice(0, MAX_TREFFER).forEach(function (i) { kinder.push(karte(daten.t[i])); });
    ziel.replaceChildren.apply(ziel, kinder);
  }

  function sucheEinrichten() {
    var form = document.getElementById("suche");
    var feld = document.getElementById("suchfeld");
    if (!form || !feld) return;
    form.hidden = false;
    form.addEventListener("submit", function (e) { e.preventDefault(); laden(zeigen); });
    feld.addEventListener("focus", function () { laden(function () {}); });
    feld.addEventListener("input", function () { laden(zeigen); });
  }

  // Sort keys of a standings cell: the placing column restores the list order.
  function wert(tr, spalte) {
    var text = tr.cells[spalte].textContent;
    if (spalte === 0) return Number(tr.dataset.folge);
    if (spalte >= 3) return text === "---" ? -1 : Number(text);
    return text;
  }

  function sortieren(tabelle, spalte, richtung) {
    var tbody = tabelle.tBodies[0];
    var zeilen = Array.prototype.slice.call(tbody.rows);
    var vergleich = new Intl.Collator("de").compare;
    zeilen.sort(function (a, b) {
      var x = wert(a, spalte), y = wert(b, spalte);
      var v = typeof x === "number" ? x - y : vergleich(x, y);
      if (v === 0) v = Number(a.dataset.folge) - Number(b.dataset.folge);
      return richtung === "ascending" ? v : -v;
    });
    zeilen.forEach(function (z) { tbody.appendChild(z); });
    Array.prototype.forEach.call(tabelle.tHead.rows[0].cells, function (th, i) {
      if (i === spalte) th.setAttribute("aria-sort", richtung);
      else th.removeAttribute("aria-sort");
    });
  }

  function sortierungEinrichten() {
    document.querySelectorAll("table.gesamt").forEach(function (tabelle) {
      Array.prototype.forEach.call(tabelle.tBodies[0].rows, function (tr, i) { tr.dataset.folge = i; });
      Array.prototype.forEach.call(tabelle.tHead.rows[0].cells, function (th, spalte) {
        var b = el("button", th.textContent);
        b.type = "button";
        b.title = "Nach dieser Spalte sortieren";
        th.replaceChildren(b);
        b.addEventListener("click", function () {
          var jetzt = th.getAttribute("aria-sort");
          // Numbers start with the highest, names with A; a second click turns the order round.
          var erst = spalte >= 3 ? "descending" : "ascending";
          var richtung = jetzt ? (jetzt === "ascending" ? "descending" : "ascending") : erst;
          sortieren(tabelle, spalte, richtung);
        });
      });
    });
  }

  document.addEventListener("DOMContentLoaded", function () {
    sucheEinrichten();
    sortierungEinrichten();
  });

  return { daten: datenGeladen, suchen: function (q) { return suchen(q).map(function (i) { return daten.t[i]; }); } };
})();
