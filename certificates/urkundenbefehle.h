#pragma once

#include "certificates/urkunde.h"

#include <functional>

namespace tlt {

class Cup;

// The question asked before each cup variation's winners' certificates ("A-Cup drucken?");
// true prints that variation. The window asks the user; the command-line program prints all.
using Variationsfrage = std::function<bool(const QString &frage)>;

// Each command runs one print job on the canvas ("TLT Ausdruck", one certificate per page) and
// returns the number of certificates drawn, or -1 when the device could not be opened. When nothing
// would be drawn (no such race or participant, no valid result, "&Nein" to every variation, a style
// without this kind of certificate) no job is started and the result is 0.

// Winners' certificates of race k: the first three valid results of every age-group label,
// per cup variation, in the order of the race result list. The cup is not changed.
int siegerurkunde(const Cup &cup, int k, Leinwand &l, const Unterschriften &u, const Variationsfrage &frage);

// The race certificate of the participant(s) with start number s, with their running place.
int teilnehmerurkunde(const Cup &cup, int k, const QString &s, Leinwand &l, const Unterschriften &u);

// Overall winners' certificates after race n: the placings 1-3 with more than 0 points that the
// standings list shows, by variation, age group and placing (equal placings by surname).
// A cell that is no integer throws Konvertierungsfehler before the job starts. The cup is not changed.
int gesamtsiegerurkunde(const Cup &cup, int n, Leinwand &l, const Unterschriften &u);

// The overall certificate of the participant(s) with start number s after race n, with the placing
// the standings list shows; a participant the list does not rank gets the page without a place.
int gesamtteilnehmerurkunde(const Cup &cup, int n, const QString &s, Leinwand &l, const Unterschriften &u);

} // namespace tlt
