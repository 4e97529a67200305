#pragma once

#include <QByteArray>
#include <QString>

namespace tlt {

class Ausgabe;
class Cup;

// Four lists that read the numbers of scoring/listenwerte.h and write them into the pane (cleared
// first). None of them changes the cup. A cell that is no integer throws Konvertierungsfehler; the
// lines written so far stay.

// "Einlaufliste": race k per cup variation in finishing order, with the overall place, the place
// among women or men, the age group and its place, the result and, in a time race, the speed.
void ausgabe_einlauf(const Cup &cup, Ausgabe &aus, int k);

// "Gesamtwertung mit Einzelergebnissen": the standings after race n in the groups, order and
// placings of the standings list, with each race's points (bonus included) in a column of its own;
// points that do not count in parentheses, "-" for a race not run, the code for a result code.
void ausgabe_gesamt_ausfuehrlich(const Cup &cup, Ausgabe &aus, int n);

// "Cup-Auskunft": the statement of participant row r after race n, race by race, with the
// participations, the overall points and the placing of the standings list.
void ausgabe_auskunft(const Cup &cup, Ausgabe &aus, int r, int n);

// "Wer kann noch gewinnen?": per group the leader, a certain group win, and who can still win,
// after race n with `verbleibend` races to come.
void ausgabe_noch_offen(const Cup &cup, Ausgabe &aus, int n, int verbleibend);

// The same lists as CSV text: ';' separated, one record per line (CR LF), a heading line first;
// fields with ';', '"' or a line break are quoted.
QString einlaufCsv(const Cup &cup, int k);
QString gesamtAusfuehrlichCsv(const Cup &cup, int n);
QString auskunftCsv(const Cup &cup, int r, int n);
QString nochOffenCsv(const Cup &cup, int n, int verbleibend);

// CSV text as file bytes: UTF-8 with a byte order mark, so spreadsheets read umlauts right.
QByteArray csvDatei(const QString &text);

} // namespace tlt
