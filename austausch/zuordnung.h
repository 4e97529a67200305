#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tlt {

struct Rohtabelle;

// What a column of a foreign table holds.
enum class Feld {
    Keins,
    Name,
    Vorname,
    Geburtsdatum,
    Jahrgang,
    Geschlecht,
    Verein,
    Startnummer,
    Cup,
    Altersgruppe,
    Ergebnis,
};
inline constexpr int kAnzahlFelder = 11;

// The German name of a field as the mapping dialog offers it ("(nicht übernehmen)" for Keins).
QString feldname(Feld f);
// All fields in the order the dialog lists them.
QList<Feld> alleFelder();

// The field a heading names, by common German and English names; letter case, blanks and the
// characters . - _ ( ) / are ignored ("Geb.-Datum", "St.-Nr.", "Last name", "Strecke (m)").
Feld feldErkennen(const QString &kopf);

// Which row of the table holds the headings and what each column holds.
struct Zuordnung {
    int kopfzeile = -1;  // index into Rohtabelle::zeilen; -1 when the table has no heading row
    QList<Feld> spalten; // per column of the file
    QStringList koepfe;  // the headings as the file gives them

    int spalte(Feld f) const { return static_cast<int>(spalten.indexOf(f)); }
    bool hat(Feld f) const { return spalten.contains(f); }
};

// The heading row is the first of the first ten rows in which at least two headings are recognised
// (one in a table of a single column). A field named by two columns is taken from the first.
Zuordnung zuordnungErkennen(const Rohtabelle &t);

// Sets column spalte to field f; another column that held f so far is set to Keins.
void feldSetzen(Zuordnung &z, int spalte, Feld f);

} // namespace tlt
