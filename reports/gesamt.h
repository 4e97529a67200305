#pragma once

namespace tlt {

class Cup;
class Ausgabe;

// The overall standings list after race `lauf`, written into the pane (cleared first). Needs the
// scratch columns of gesamt_berechnen (scoring/gesamtwertung.h) and numbers the overall placings
// into the first of them. Leaves teil sorted by overall points.
// A cell that is no integer throws Konvertierungsfehler; the lines written so far stay.
void gesamt_vorschau(Cup &cup, Ausgabe &a, int lauf);

// Computes the overall standings after race `lauf`, lists them and removes the scratch columns
// again, on every path (the usual entry point for the preview, print and HTML commands).
void ausgabe_gesamt(Cup &cup, Ausgabe &a, int lauf);

} // namespace tlt
