#pragma once

#include "core/cup.h"

#include <QString>
#include <QStringList>

// The scoring rules written the slow, obvious way: one comparison of two entries at a time and a
// full scan of the table for every placing. The fast scoring code is checked against these.
namespace tlt::literal {

bool besser(const Cup &cup, int k, const QString &x, const QString &y);
// 1 plus the number of strictly better scored results in the group; 0 without a scored result.
int platzierung(const Cup &cup, int k, int r);
int laufpunkte(const Cup &cup, int k, int r);
// The overall computation with a placing scan for every scored result.
void gesamt_berechnen(Cup &cup, int n);

// Settings of a random cup for comparisons.
struct Zufall {
    unsigned seed = 1;
    int teilnehmer = 60;
    int laufe = 4;
    bool cupvarianten = true;
    bool ohneZiffern = false;    // some entries that are neither codes nor hold digits ("abc")
    bool zuGrosseZahlen = false; // a few entries whose digits exceed 32 bits
    bool bonus = true;
};

// A small random cup: few age groups and results so that ties are frequent; races of both types.
Cup zufallsCup(const Zufall &z);

// Sets up races 1..n ("Zeitlauf (fixe Distanz)", dated in May 2026, empty bonus cells) and the
// matching result columns.
void laufeAnlegen(Cup &cup, int n, const QString &typ = kZeitlauf);
// Appends a participant and returns its row; results are given race by race (empty: no entry).
int teilnehmerAnlegen(Cup &cup, const QString &name, const QString &vorname, const QString &geburtsdatum,
                      const QString &verein, const QString &altersgruppe, const QString &variante,
                      const QStringList &ergebnisse);
// Removes every cup variation (only the heading row remains).
void ohneVarianten(Cup &cup);

} // namespace tlt::literal
