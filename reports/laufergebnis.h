#pragma once

namespace tlt {

class Ausgabe;
class Cup;

// Writes the result list of race k (1-based) into the pane: per cup variation and age group the
// women and then the men of that race, best first, with placing, name, birth year, club and result.
// The participants are walked in the order of ergebnisfolge(cup, k) (core/sortierung.h); the cup is
// not changed (the window then sorts the participants table that way as a step of its own). An age
// group whose maximum age is not an integer throws Konvertierungsfehler; the lines written up to then
// stay in the pane.
void ausgabe_laufergebnis(const Cup &cup, Ausgabe &aus, int k);

} // namespace tlt
