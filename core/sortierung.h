#pragma once

#include "core/tabelle.h"

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
// Stable ordering of the participant rows by one column; richtung -1 ascending, 1 descending.
// Gives exactly the order of the neighbour-exchange sort, in which an empty lower cell never moves up.
void teilsort(Cup &cup, int richtung, int spalte);

// Removes data row r (later rows move up) or column c.
void deleterow(Tabelle &t, int r);
void deletecol(Tabelle &t, int c);

} // namespace tlt
