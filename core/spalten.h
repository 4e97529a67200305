#pragma once

// The names of the columns and rows of the five cup tables. Every cell access says which field it
// reads; the numbers are what the cup file and the grids count.

namespace tlt {

// Row 0 of every table holds the headings; the records start at row 1.
inline constexpr int kKopfzeile = 0;

// Columns of the participants table teil. The results follow behind the fixed columns:
// race c is in column Cup::ergebnisspalte(c).
namespace Teilspalte {
enum Spalte : int {
    Name = 0,
    Vorname = 1,
    Geburtsdatum = 2,
    Geschlecht = 3,
    Verein = 4,
    Altersgruppe = 5,
    Startnummer = 6,
    Cupvariation = 7, // "ggf. Cup"
    Anzahl = 8,       // number of fixed columns; the first result column
};
}

// Rows of a race column of laufe (the table is transposed: one column per race, race c in column c).
// Column kBeschriftungsspalte holds the labels of the rows.
inline constexpr int kBeschriftungsspalte = 0;
namespace Laufzeile {
enum Zeile : int {
    Nummer = 0,
    Lauftyp = 1,
    Datum = 2,
    Zeitdistanz = 3, // "ja" for a cup race, else the race's own time or distance
    Vereinsname = 4,
    Anschrift1 = 5,
    Anschrift2 = 6,
    Anschrift3 = 7,
    Fon = 8,
    Fax = 9,
    Ort = 10,
    Kreis = 11,
    Bezirk = 12,
    Land = 13,
    Wettkampf1 = 14,
    Wettkampf2 = 15,
    Zeitmessung = 16,
    Windmessung = 17,
    Geraetekontrolle = 18,
    Kampfrichter = 19,
    Helfer = 20,
    Mitarbeiter = 21,
    Wettkampfleiter = 22,
    WlFon = 23,
    WlFax = 24,
    Verbandsaufsicht = 25,
    VaFon = 26,
    VaFax = 27,
    Bemerkung1 = 28,
    Bemerkung2 = 29,
    Bemerkung3 = 30,
    DlvNr = 31,
    Bonusfaktor = 32,
    Bonussummand = 33,
    Anzahl = 34,
};
}

// Columns of the cup variations table cv.
namespace Cvspalte {
enum Spalte : int { Name = 0, Strecke = 1, Zeit = 2, Anzahl = 3 };
}

// Columns of the age groups table ag: the women's label, the men's label, the maximum age.
namespace Agspalte {
enum Spalte : int { Weiblich = 0, Maennlich = 1, Maximalalter = 2, Anzahl = 3 };
}

// Columns of the points table pv.
namespace Pvspalte {
enum Spalte : int { Platz = 0, Punkte = 1, Anzahl = 2 };
}

} // namespace tlt
