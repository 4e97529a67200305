#!/usr/bin/python3
"""Checks a results site in headless Chromium at phone width: no sideways scrolling on any page,
the search finds a runner by part of the name and by start number, sorting a standings column
works, and axe-core finds no violation of the WCAG 2.1 A/AA rules.

Usage: seiten_pruefen.py ORDNER AXE_JS [--text TEXT] [--bild DATEI.png]
  --text TEXT   a cup text that must show on the pages and in the search exactly as typed
  --bild DATEI  a screenshot of the standings page at phone width (390 x 844)
"""
import argparse
import base64
import json
import pathlib
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

BREITE, HOEHE = 390, 844
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)
        print("FEHLER:", text)


def browser():
    optionen = webdriver.ChromeOptions()
    optionen.binary_location = "/usr/bin/chromium"
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
              "--window-size=1200,900", "--lang=de-DE", "--allow-file-access-from-files"):
        optionen.add_argument(a)
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=optionen)
    # Headless windows are never narrower than 500 px: the layout viewport is set through DevTools.
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": BREITE, "height": HOEHE, "deviceScaleFactor": 1, "mobile": False})
    return d


def such_daten(ordner):
    text = (ordner / "daten.js").read_text(encoding="utf-8")
    anfang = text.index("TLT.daten(") + len("TLT.daten(")
    return json.loads(text[anfang:text.rindex(");")])


def kein_seitwaerts(d, seite):
    breite = d.execute_script("return [document.documentElement.scrollWidth, window.innerWidth]")
    pruefe(breite[1] == BREITE, f"{seite}: Fensterbreite {breite[1]} statt {BREITE}")
    pruefe(breite[0] <= breite[1], f"{seite}: seitlich verschiebbar ({breite[0]} > {breite[1]} px)")


def axe(d, axe_js, seite):
    d.execute_script(axe_js)
    ergebnis = d.execute_async_script(
        "const fertig = arguments[arguments.length - 1];"
        "axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']}})"
        ".then(r => fertig(r.violations.map(v => v.id + ': ' + v.help + ' ' +"
        " v.nodes.slice(0, 3).map(n => n.target.join(' ')).join(', '))))"
        ".catch(e => fertig(['axe: ' + e]));")
    for v in ergebnis:
        pruefe(False, f"{seite}: axe {v}")


def suchen(d, text):
    feld = d.find_element(By.ID, "suchfeld")
    feld.clear()
    feld.send_keys(text)
    WebDriverWait(d, 10).until(
        lambda d: d.find_elements(By.CSS_SELECTOR, "#treffer .anzahl"))
    return [h.text for h in d.find_elements(By.CSS_SELECTOR, "#treffer .karte h2")]


def pruefe_suche(d, daten, axe_js):
    d.get((ordner / "index.html").as_uri())
    pruefe(d.find_element(By.ID, "suche").is_displayed(), "index.html: die Suche ist nicht zu sehen")
    # A runner with results: by a part of the surname and by the start number without zeros.
    # Preferably one whose number begins another, earlier runner's number ("12" and "123"), so that
    # the exact number must come first.
    def ohne(sn):
        return sn.lstrip("0") or "0"
    kandidaten = [t for t in daten["t"] if any(t[8]) and t[4].strip()]
    laeufer = next((t for i, t in enumerate(daten["t"]) if t in kandidaten and any(
        ohne(u[4]).startswith(ohne(t[4])) and ohne(u[4]) != ohne(t[4]) for u in daten["t"][:i] if u[4].strip())),
        kandidaten[0])
    nachname = laeufer[0].split(",")[0]
    teil = nachname[1:5] if len(nachname) > 5 else nachname
    namen = suchen(d, teil.lower())
    pruefe(laeufer[0] in namen, f"Suche nach '{teil.lower()}' findet {laeufer[0]} nicht: {namen[:5]}")
    nummer = laeufer[4].lstrip("0") or "0"
    namen = suchen(d, nummer)
    pruefe(namen[:1] == [laeufer[0]], f"Suche nach Startnummer {nummer} ergibt {namen[:3]} statt {laeufer[0]}")
    karte = d.find_element(By.CSS_SELECTOR, "#treffer .karte")
    pruefe("Startnummer " + laeufer[4] in karte.text, "Die Trefferkarte zeigt die Startnummer nicht")
    pruefe(laeufer[6] in karte.text, "Die Trefferkarte zeigt die Cup-Punkte nicht")
    for k, e in enumerate(laeufer[8]):
        if e:
            pruefe(e in karte.text, f"Die Trefferkarte zeigt das Ergebnis von Lauf {k + 1} nicht ({e})")
    kein_seitwaerts(d, "index.html mit Treffern")
    axe(d, axe_js, "index.html mit Treffern")
    # Search time in the browser, for the record.
    start = time.perf_counter()
    dauer = d.execute_script(
        "const t0 = performance.now(); TLT.suchen('er'); TLT.suchen('mann'); return (performance.now() - t0) / 2;")
    print(f"Suche: {len(daten['t'])} Teilnehmer, {dauer:.1f} ms je Suche im Browser")
    del start


def pruefe_sortierung(d, axe_js):
    d.get((ordner / "gesamt.html").as_uri())
    tabellen = d.find_elements(By.CSS_SELECTOR, "table.gesamt")
    tabelle = max(tabellen, key=lambda t: len(t.find_elements(By.CSS_SELECTOR, "tbody tr")))

    def spalte(i):
        return [z.find_elements(By.TAG_NAME, "td")[i].get_attribute("textContent")
                for z in tabelle.find_elements(By.CSS_SELECTOR, "tbody tr")]

    def zahl(x):
        return -1 if x == "---" else int(x)

    vorher = spalte(1)
    knoepfe = tabelle.find_elements(By.CSS_SELECTOR, "thead th button")
    pruefe(len(knoepfe) == 5, f"gesamt.html: {len(knoepfe)} Sortierknöpfe statt 5")
    kopf = tabelle.find_elements(By.CSS_SELECTOR, "thead th")
    knoepfe[3].click()  # Läufe: highest first
    laeufe = [zahl(x) for x in spalte(3)]
    pruefe(laeufe == sorted(laeufe, reverse=True), f"Läufe nicht absteigend: {laeufe}")
    pruefe(kopf[3].get_attribute("aria-sort") == "descending", "aria-sort fehlt an Läufe")
    knoepfe[3].click()
    laeufe = [zahl(x) for x in spalte(3)]
    pruefe(laeufe == sorted(laeufe), f"Läufe nicht aufsteigend: {laeufe}")
    knoepfe[1].click()  # names
    namen = spalte(1)
    geordnet = d.execute_script("return arguments[0].slice().sort(new Intl.Collator('de').compare)", namen)
    pruefe(namen == geordnet, "Namen nicht alphabetisch")
    pruefe(kopf[3].get_attribute("aria-sort") is None, "aria-sort bleibt an der alten Spalte")
    knoepfe[0].click()  # back to the list order
    pruefe(spalte(1) == vorher, "Pos. stellt die Reihenfolge der Liste nicht wieder her")
    kein_seitwaerts(d, "gesamt.html sortiert")
    axe(d, axe_js, "gesamt.html sortiert")


def pruefe_text(d, text):
    d.get((ordner / "index.html").as_uri())
    namen = suchen(d, text)
    pruefe(any(n.startswith(text) for n in namen), f"Suche zeigt '{text}' nicht wie eingegeben: {namen[:3]}")
    pruefe(not d.find_elements(By.CSS_SELECTOR, "#treffer b"), "Ein Cup-Text wurde zu HTML")
    gefunden = False
    for seite in sorted(ordner.glob("lauf-*.html")):
        d.get(seite.as_uri())
        pruefe(not d.find_elements(By.CSS_SELECTOR, "main b, main script"), f"{seite.name}: Cup-Text wurde zu HTML")
        gefunden = gefunden or text in d.find_element(By.TAG_NAME, "main").text
    pruefe(gefunden, f"'{text}' steht auf keiner Laufseite wie eingegeben")


def bildschirmfoto(d, datei):
    d.get((ordner / "gesamt.html").as_uri())
    bild = d.execute_cdp_cmd("Page.captureScreenshot",
                             {"format": "png", "clip": {"x": 0, "y": 0, "width": BREITE, "height": HOEHE, "scale": 1}})
    pathlib.Path(datei).write_bytes(base64.b64decode(bild["data"]))


if __name__ == "__main__":
    p = argparse.ArgumentParser()
    p.add_argument("ordner")
    p.add_argument("axe")
    p.add_argument("--text")
    p.add_argument("--bild")
    a = p.parse_args()
    ordner = pathlib.Path(a.ordner).resolve()
    axe_js = pathlib.Path(a.axe).read_text(encoding="utf-8")
    daten = such_daten(ordner)
    d = browser()
    try:
        seiten = sorted(ordner.glob("*.html"))
        for seite in seiten:
            d.get(seite.as_uri())
            kein_seitwaerts(d, seite.name)
            axe(d, axe_js, seite.name)
        pruefe_suche(d, daten, axe_js)
        if (ordner / "gesamt.html").exists():
            pruefe_sortierung(d, axe_js)
        if a.text:
            pruefe_text(d, a.text)
        if a.bild:
            bildschirmfoto(d, a.bild)
    finally:
        d.quit()
    print(f"{len(seiten)} Seiten geprüft, {len(fehler)} Fehler")
    sys.exit(1 if fehler else 0)
