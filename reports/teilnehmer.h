#pragma once

namespace tlt {

class Cup;
class Ausgabe;

// Statistics of one participant (row `zeile` of teil): every race with placing, points and speed.
// Clears the pane first. A cell that is no integer throws Konvertierungsfehler; the lines written
// so far stay. A row that is no participant row leaves only the report head.
void ausgabe_teilnehmer(const Cup &cup, Ausgabe &a, int zeile);

// The statistics of all participants, one after the other, in the current order of teil.
void ausgabe_teilnehmeralle(const Cup &cup, Ausgabe &a);

} // namespace tlt
