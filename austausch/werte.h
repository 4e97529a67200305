#pragma once

#include <QString>

namespace tlt {

struct Zelle;

// Value readings of foreign cells into the stored forms of the cup. Each returns false with a German
// reason (without the line number) when the cell holds no usable value; an empty cell gives true and
// an empty result.

// Dates: "17.05.1990", "17.5.1990", "1990-05-17", "17/05/1990", "17051990", or a date cell. Then the
// same check as typed input, and a date the calendar does not have ("31.02.1990") is refused too.
bool datumLesen(const Zelle &z, QString *datum, QString *grund);
// A year of birth (four digits, or a number cell) becomes the date 01.01. of that year: the cup only
// reads the year of a birth date.
bool jahrgangLesen(const Zelle &z, QString *datum, QString *grund);
// "weiblich"/"männlich" from w, weiblich, f, female, frau, m, männlich, male, mann (any case).
bool geschlechtLesen(const Zelle &z, QString *geschlecht, QString *grund);
// A start number as stored ("7" -> "007"); a number cell is taken by its value.
bool startnummerZelle(const Zelle &z, QString *sn, QString *grund);

// A result of a race of the given type. Result codes first, in the program's forms and in the
// common foreign ones (any case):
//   DNS, n.a., nicht angetreten, nicht gestartet                  -> "n.a." (did not start)
//   DNF, aufgegeben, ausgeschieden, nicht im Ziel, o.L., ohne Leistung -> "o.L." (started, no valid performance)
//   DSQ, DQ, disq., disqualifiziert, d.                            -> "d."
//   verletzt, v.                                                   -> "v."
// Time runs: "0:21:05.3", "1:02:03", "21:05" (minutes:seconds), "21:05,37", the program's own
// form 0:21'05,30", and time cells (fractions of a day). Thousandths are rounded up to the next
// hundredth, as electronic timing rounds. Anything else goes through the check of typed input.
// Distance runs: metres ("10500", "10.500 m", a number cell), or kilometres with a decimal
// ("10,5 km"). Anything else goes through the check of typed input.
bool ergebnisLesen(const Zelle &z, const QString &lauftyp, QString *ergebnis, QString *grund);

} // namespace tlt
