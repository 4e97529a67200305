#pragma once

#include "core/konvertierung.h"

#include <QString>

namespace tlt {

// A total time of zero seconds; carries "Gleitkommadivision durch Null". Derived from
// Konvertierungsfehler so that every report stops on it the same way.
class Rechenfehler : public Konvertierungsfehler {
public:
    explicit Rechenfehler(const QString &meldung) : Konvertierungsfehler(EigeneMeldung{}, meldung) {}
};

// Text shown instead of a speed when the race's label is empty or cannot be read.
inline const QString kKeineGeschwindigkeit = QStringLiteral("--- m/s");

// Average speed of a result: label is the race's (or cup variation's) distance or time, entry
// the participant's result. When the label ends in "m" and the entry in '"', the label is the
// distance and the entry the time; otherwise the entry is the distance and the label the time.
// Returns e.g. "4,2 m/s": one decimal, rounded half away from zero on the exact quotient of
// metres and hundredths, decimal separator of the default QLocale.
// An empty or unreadable label gives kKeineGeschwindigkeit. An unreadable entry throws
// Konvertierungsfehler, a zero time Rechenfehler.
QString BerechneMps(const QString &label, const QString &entry);

} // namespace tlt
