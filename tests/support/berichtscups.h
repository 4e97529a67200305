#pragma once

#include "core/cup.h"

#include <QStringList>

namespace tlt::test {

// Appends a race column (number, type, date, cup-race mark or own distance/time) and its result column.
int laufAnhaengen(Cup &cup, const QString &typ, const QString &datum, const QString &zeitdistanz);

// Appends a participant: surname, first name, birth date, sex, club, age group, cup variation, and
// the entries of races 1, 2, … in order (missing ones stay empty). Returns the row. The start
// number is the row, zero-padded.
int teilnehmerAnhaengen(Cup &cup, const QStringList &felder, const QStringList &ergebnisse);

// A small cup with the default variations and age groups and two races: ties, result codes, an
// empty variation, an age group with men only, a very long name, texts that HTML must escape.
Cup berichtsCup();

// A cup without cup variations and four runners of one age group with the times t1 < t2 = t3 < t4.
Cup cupOhneVarianten();

// A random cup (same seed, same cup) with many ties and codes, with or without cup variations.
Cup zufallsCup(unsigned seed, int teilnehmer, int laufe, bool varianten);

} // namespace tlt::test
