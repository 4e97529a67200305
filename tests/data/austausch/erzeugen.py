#!/usr/bin/python3
"""Writes the small import files of tests/data/austausch and the sample files of examples/.

Run once by hand when the files must change; the tests only read the committed results:
    /usr/bin/python3 tests/data/austausch/erzeugen.py
Needs Debian's python3-openpyxl, python3-odf and libreoffice-calc-nogui (soffice converts the
openpyxl workbooks into LibreOffice's own XLSX and ODS). Files written by libxlsxwriter come from the
program's own export in the tests.
"""
import datetime
import os
import shutil
import subprocess
import tempfile

import openpyxl
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import Table, TableRow, TableCell, CoveredTableCell
from odf.text import P, S

HIER = os.path.dirname(os.path.abspath(__file__))
BEISPIELE = os.path.join(HIER, "..", "..", "..", "examples")


def csv_schreiben(name, zeilen, trenner, kodierung, bom=False, zeilenende="\r\n"):
    def feld(x):
        x = str(x)
        if trenner in x or '"' in x or "\n" in x:
            return '"' + x.replace('"', '""') + '"'
        return x

    text = zeilenende.join(trenner.join(feld(x) for x in z) for z in zeilen) + zeilenende
    daten = text.encode(kodierung)
    if bom:
        daten = b"\xef\xbb\xbf" + daten
    with open(os.path.join(HIER, name), "wb") as f:
        f.write(daten)


def soffice(quelle, format_, ziel):
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["soffice", "--headless", "-env:UserInstallation=file://" + tmp + "/profil",
                        "--convert-to", format_, "--outdir", tmp, quelle],
                       check=True, stdout=subprocess.DEVNULL)
        basis = os.path.splitext(os.path.basename(quelle))[0]
        shutil.move(os.path.join(tmp, basis + "." + format_), ziel)


# ---------------------------------------------------------------------------- registrations
# For a new cup (variations A-Cup, B-Cup, C-Cup) with one race in 2026.
MELDUNGEN_KOPF = ["Nachname", "Vorname", "Geb.-Datum", "Geschlecht", "Verein", "St.-Nr.", "Wettbewerb", "AK"]
MELDUNGEN = [
    ["Öztürk", "Zoë", datetime.datetime(1990, 5, 17), "w", "LG Süd", 101, "A-Cup", ""],           # row 2
    ["Weiß", "Jörg", "3.7.1985", "männlich", "TSV Nord", 102, "B-Cup", "M40"],                      # row 3
    None,                                                                                           # row 4 empty
    ["Klein", "Lena", "31.02.1990", "W", "LG Süd", 103, "A-Cup", ""],                               # row 5 bad date
    ["Groß", "Max", datetime.datetime(2012, 1, 9), "m", "TSV Nord", 102, "C-Cup", ""],              # row 6 dup no.
    ["Lang", "Eva", datetime.datetime(1975, 12, 1), "female", "Lauftreff", "", "D-Cup", ""],        # row 7 variation
    ["Kurz", "Paul", datetime.datetime(1960, 2, 29), "M", "Lauftreff", "", "b-cup", ""],            # row 8 no number
    ["Berg", "Anna", datetime.datetime(2001, 8, 8), "w", "", 107, "A-Cup", ""],                     # row 9 no club
]
NACHMELDUNGEN_KOPF = ["Last name", "First name", "Year of birth", "Sex", "Club", "Bib", "Competition"]
NACHMELDUNGEN = [
    ["Smith", "John", 1988, "male", "Running Club, Leeds", 201, "A-Cup"],
    ["Nowak", "Zofia", 1999, "F", "LG Süd", "", "C-Cup"],
]


def meldungen_openpyxl(pfad):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Meldungen"
    ws.append(MELDUNGEN_KOPF)
    r = 2
    for z in MELDUNGEN:
        if z is not None:
            for c, wert in enumerate(z, start=1):
                if wert != "":
                    zelle = ws.cell(row=r, column=c, value=wert)
                    if isinstance(wert, datetime.datetime):
                        zelle.number_format = "DD.MM.YYYY"
        r += 1
    ws2 = wb.create_sheet("Nachmeldungen")
    ws2.append(NACHMELDUNGEN_KOPF)
    for z in NACHMELDUNGEN:
        ws2.append([None if w == "" else w for w in z])
    wb.save(pfad)


def meldungen_odfpy(pfad):
    """An ODS as odfpy writes it: repeated empty cells, spaces as <text:s>, a covered cell, date cells."""
    doc = OpenDocumentSpreadsheet()
    t = Table(name="Anmeldung")

    def zeile(werte):
        tr = TableRow()
        for w in werte:
            if isinstance(w, datetime.date):
                c = TableCell(valuetype="date", datevalue=w.isoformat())
                c.addElement(P(text=w.strftime("%d.%m.%Y")))
            elif isinstance(w, int):
                c = TableCell(valuetype="float", value=str(w))
                c.addElement(P(text=str(w)))
            elif w == "":
                c = TableCell(numbercolumnsrepeated=1)
            elif "  " in w:
                c = TableCell(valuetype="string")
                p = P(text=w.split("  ")[0])
                p.addElement(S(c=2))
                p.addText(w.split("  ")[1])
                c.addElement(p)
            else:
                c = TableCell(valuetype="string")
                c.addElement(P(text=w))
            tr.addElement(c)
        tr.addElement(TableCell(numbercolumnsrepeated=1000))
        t.addElement(tr)

    zeile(["Familienname", "Vorname", "Geburtsdatum", "Gender", "Team", "Startnummer", "Cup"])
    zeile(["Wagner", "Ute", datetime.date(1970, 4, 30), "weiblich", "SV  Blau", 301, "A-Cup"])
    t.addElement(TableRow(numberrowsrepeated=3))
    zeile(["Fischer", "Tom", datetime.date(2010, 10, 10), "m", "SV Blau", 302, "C-Cup"])
    tr = TableRow()
    c = TableCell(valuetype="string", numbercolumnsspanned=2)
    c.addElement(P(text="Hinweis"))
    tr.addElement(c)
    tr.addElement(CoveredTableCell())
    t.addElement(tr)
    doc.spreadsheet.addElement(t)
    doc.save(pfad)


# ---------------------------------------------------------------------------- results
# For the same cup: race 1 is a time run; 101, 102, 103, 104 are participants, 999 is nobody.
ERGEBNISSE_KOPF = ["Platz", "Startnr.", "Nachname", "Vorname", "Verein", "Nettozeit"]
ERGEBNISSE = [
    [1, 101, "Öztürk", "Zoë", "LG Süd; Abt. Lauf", "0:21:05.3"],
    [2, 102, "Weiß", "Jörg", "TSV Nord\nLaufgruppe", "21:07"],
    [3, 104, "Kurz", "Paul", "Lauftreff", "1:02:03"],
    ["", 103, "Klein", "Lena", "LG Süd", "DNF"],
    ["", 999, "Unbekannt", "Uwe", "", "0:30:00"],
    ["", 102, "Weiß", "Jörg", "TSV Nord", "0:22:00"],
    ["", 105, "Berg", "Anna", "", "disq."],
    ["", 106, "Lang", "Eva", "", "0:61:00"],
]


def zeitzellen_openpyxl(pfad):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Zieleinlauf"
    ws.append(["Bib", "Surname", "First name", "Time"])
    for bib, name, vorname, zeit in [(101, "Öztürk", "Zoë", datetime.time(0, 21, 5, 300000)),
                                     (102, "Weiß", "Jörg", datetime.timedelta(hours=1, minutes=2, seconds=3)),
                                     (103, "Klein", "Lena", "DNS")]:
        ws.append([bib, name, vorname, zeit])
        if not isinstance(zeit, str):
            ws.cell(row=ws.max_row, column=4).number_format = "[h]:mm:ss.00"
    wb.save(pfad)


# ---------------------------------------------------------------------------- sample cup
BEISPIEL_MELDUNGEN = [
    ["Sommer", "Clara", datetime.datetime(1992, 6, 14), "w", "TSV Mühlbach 1898", 201, "Hauptlauf"],
    ["Winter", "Felix", datetime.datetime(1987, 11, 2), "m", "LG Weißenfurt", 202, "Jedermannlauf"],
    ["Herbst", "Mia", datetime.datetime(2016, 3, 21), "w", "TuS Oberzell", 203, "Schülerlauf"],
    ["Frühling", "Ole", datetime.datetime(1979, 4, 1), "m", "SC Lindenhöh", "", "Hauptlauf"],
    ["Brückner", "Knut", datetime.datetime(1989, 12, 4), "m", "LAC Birkenfelde 1921", 2, "Hauptlauf"],
]
BEISPIEL_ZEITEN = [
    ["Platz", "Startnr.", "Nachname", "Vorname", "Nettozeit"],
    [1, 201, "Sommer", "Clara", "0:47:12.4"],
    [2, 202, "Winter", "Felix", "0:18:55.1"],
    [3, 203, "Herbst", "Mia", "0:11:40.8"],
    [4, 204, "Frühling", "Ole", "0:52:09.0"],
    ["", 2, "Brückner", "Knut", "0:48:11.5"],
]


def beispiel():
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Anmeldungen"
    ws.append(["Nachname", "Vorname", "Geburtsdatum", "Geschlecht", "Verein", "Startnummer", "Wettbewerb"])
    for z in BEISPIEL_MELDUNGEN:
        ws.append([None if w == "" else w for w in z])
        ws.cell(row=ws.max_row, column=3).number_format = "DD.MM.YYYY"
    wb.save(os.path.join(BEISPIELE, "anmeldungen.xlsx"))
    with open(os.path.join(BEISPIELE, "zeitmessung_lauf6.csv"), "wb") as f:
        f.write(("\r\n".join(";".join(str(x) for x in z) for z in BEISPIEL_ZEITEN) + "\r\n").encode("cp1252"))


def main():
    xlsx = os.path.join(HIER, "meldungen_openpyxl.xlsx")
    meldungen_openpyxl(xlsx)
    soffice(xlsx, "xlsx", os.path.join(HIER, "meldungen_libreoffice.xlsx"))
    soffice(xlsx, "ods", os.path.join(HIER, "meldungen_libreoffice.ods"))
    meldungen_odfpy(os.path.join(HIER, "meldungen_odfpy.ods"))

    zeilen = [ERGEBNISSE_KOPF] + ERGEBNISSE
    csv_schreiben("ergebnisse_1252.csv", zeilen, ";", "cp1252")
    csv_schreiben("ergebnisse_utf8_bom.csv",
                  [["Bib", "Surname", "First name", "Club", "Time"]] +
                  [[z[1], z[2], z[3], z[4], z[5]] for z in ERGEBNISSE], ",", "utf-8", bom=True, zeilenende="\n")
    csv_schreiben("ergebnisse_tab.txt",
                  [["St.-Nr.", "Name", "Vorname", "Strecke (m)"], [101, "Öztürk", "Zoë", "12.345"],
                   [102, "Weiß", "Jörg", "11500"], [103, "Klein", "Lena", "10,5 km"], [104, "Kurz", "Paul", "DNS"]],
                  "\t", "utf-8")
    zz = os.path.join(HIER, "zeitzellen_openpyxl.xlsx")
    zeitzellen_openpyxl(zz)
    soffice(zz, "ods", os.path.join(HIER, "zeitzellen_libreoffice.ods"))
    beispiel()


if __name__ == "__main__":
    main()
