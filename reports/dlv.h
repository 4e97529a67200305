#pragma once

namespace tlt {

class Cup;
class Ausgabe;

// The federation's event report of race `lauf` (column of `laufe`), 82 columns wide.
// Version 1 lists women's and men's lines of the first 8 age groups, version 2 one line
// per age group for the first 16. Both clear the pane first. A staff cell that is no
// integer throws Konvertierungsfehler; the lines written up to then stay in the pane.
void ausgabe_dlv(const Cup &cup, Ausgabe &a, int lauf);
void ausgabe_dlv_2(const Cup &cup, Ausgabe &a, int lauf);

} // namespace tlt
