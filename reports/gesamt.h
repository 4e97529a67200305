#pragma once

namespace tlt {

class Cup;
class Ausgabe;
struct Gesamtstand;

// The overall standings list after race `lauf` (the value of scoring/gesamtwertung.h), written into
// the pane (cleared first). The list follows the standings' order; the cup is not changed.
// A maximum age that is no integer throws Konvertierungsfehler; the lines written so far stay.
void gesamt_vorschau(const Cup &cup, Ausgabe &a, const Gesamtstand &stand);

// Computes the standings after race `lauf` and lists them. A points or bonus cell that is no
// integer throws Konvertierungsfehler before anything is written.
void ausgabe_gesamt(const Cup &cup, Ausgabe &a, int lauf);

} // namespace tlt
