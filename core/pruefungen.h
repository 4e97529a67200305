#pragma once

#include <QString>
#include <QStringList>

namespace tlt {

class Cup;
class Tabelle;

// Value checks: each turns typed text into the stored form, or into the text meaning "no value".
QString checkdate(const QString &text); // no value: "TT.MM.JJJJ"
QString checktime(const QString &text); // no value: empty
QString checkdist(const QString &text); // no value: empty

// Start number check: empty when invalid or used by another row than eigeneZeile (-1 when adding).
QString checksn(const Tabelle &teil, const QString &text, int eigeneZeile);
// Next free start number (largest + 1), zero-padded to three digits.
QString findsn(const Tabelle &teil);
// Formats n as a start number ("007", "042", "1234").
QString startnummer(int n);

// Adds the clubs of all participants to the list (exact text, no duplicates) and sorts it.
QStringList vereinelesen(QStringList liste, const Tabelle &teil);

// The proposed age-group label for a birth date and sex (0 women, 1 men); empty when none qualifies
// or when a date is missing.
QString checkaltgr(const Cup &cup, const QString &geburtsdatum, int geschlecht);

// Long text of a result code, anything else unchanged.
QString abk2text(const QString &text);
// Normalises a typed result of a race of the given type: codes, then time or distance check.
QString ergebnisNormalisieren(const QString &text, const QString &lauftyp);

// One of "n.a.", "v.", "d.", "o.L.".
bool istCode(const QString &text);
// Neither empty nor a result code.
bool istLeistung(const QString &text);
// All decimal digits of a text in order (the comparison key of times and distances).
QString ziffern(const QString &text);
// Date key: year, month, day characters joined ("TT.MM.JJJJ" -> "JJJJMMTT").
QString datumsschluessel(const QString &datum);

// Compares two texts as the orderings do: only a-z/A-Z are folded (to upper case), every other
// character compares by its Windows-1252 code. Returns <0, 0, >0.
int textvergleich(const QString &a, const QString &b);
// The same with letter case respected: every character by its Windows-1252 code.
int codevergleich(const QString &a, const QString &b);

} // namespace tlt
