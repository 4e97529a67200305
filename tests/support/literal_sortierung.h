#pragma once

#include "core/cup.h"
#include "core/sortierung.h"

namespace tlt::test {

// The orderings as plain neighbour-exchange (bubble) sorts on the cells, rule by rule. They are the
// reference the fast orderings of core/sortierung.cpp are checked against, and slow on purpose.
void laufesortLiteral(Cup &cup);
void cvsortLiteral(Tabelle &cv);
void agsortLiteral(Tabelle &ag);
void pvsortLiteral(Tabelle &pv);
// Shared decisions with the fast sort: an empty start number is exchanged with a non-empty one
// below it (so it ends up last); a start number or age-group key that is no integer stops the sort
// with Konvertierungsfehler before anything moves; a label of no age group sorts behind every group.
void teilsortLiteral(Cup &cup, int richtung, int spalte);
// The literal sort's direction (-1 ascending, 1 descending) as the fast sort takes it.
inline Richtung richtungVon(int richtung)
{
    return richtung < 0 ? Richtung::Aufsteigend : Richtung::Absteigend;
}

} // namespace tlt::test
