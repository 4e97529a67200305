#pragma once

#include "core/tabelle.h"

#include <vector>

namespace tlt {

class Cup;

// Orders the race columns by date, renumbers them and moves the result columns of teil along.
void laufesort(Cup &cup);
// Orders the cup variations by name (letters compared without case).
void cvsort(Tabelle &cv);
// Orders the age groups by maximum age.
void agsort(Tabelle &ag);
// Orders the points descending and renumbers the placings.
void pvsort(Tabelle &pv);
// The direction of the participant sort ("auf&steigend", "ab&fallend").
enum class Richtung { Aufsteigend, Absteigend };

// Stable ordering of the participant rows by one column.
// Gives exactly the order of the neighbour-exchange sort, in which an empty lower cell never moves up.
void teilsort(Cup &cup, Richtung richtung, int spalte);
// The order teilsort(cup, richtung, spalte) would give, without moving a row: element i is the row
// that would then stand at row i + 1. `zeilen` (every participant row, in some order; empty: the
// table's order) is taken as the present order. With `werte` (one text per row of teil, index 0
// unused) those texts are sorted in place of the column's cells; the column number still decides how
// they compare (a column behind the last race compares as the results of a distance race).
std::vector<int> teilfolge(const Cup &cup, Richtung richtung, int spalte, const std::vector<int> &zeilen = {},
                           const std::vector<QString> *werte = nullptr);
// The participants in the order of race k's result list: race k's entries best first, equal entries
// by surname (teilsort by surname, then by the race's column), without moving a row.
std::vector<int> ergebnisfolge(const Cup &cup, int k);
// Brings the participant rows into the order `folge` (new row i + 1 is the old row folge[i]), as a
// sort does; a list that does not hold every row once leaves the table as it is.
void teilOrdnen(Cup &cup, const std::vector<int> &folge);

// Sort key of an age-group label in teilsort: "1" (women's label) or "2" (men's label) followed by
// the group's maximum age, read as an integer (throws Konvertierungsfehler when that is no integer).
// The empty label gets 2; a label of no age group gets kUnbekannteGruppe, behind every group.
inline constexpr qint64 kUnbekannteGruppe = qint64(1) << 32;
qint64 gruppenschluessel(const Tabelle &ag, const QString &label);

// Removes data row r (later rows move up) or column c.
void deleterow(Tabelle &t, int r);
void deletecol(Tabelle &t, int c);

} // namespace tlt
