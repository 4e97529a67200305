#pragma once

#include "core/spalten.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tlt {

class Cup;

// The stored fields of one race: index = row of its column in laufe (a Laufzeile; index
// Laufzeile::Nummer is unused, the race number is written by the race sort).
using Laufdaten = std::array<QString, Laufzeile::Anzahl>;

// True while the cup has at least one cup variation (its races are then cup races, row 3 "ja").
bool hatCupVariationen(const Cup &cup);

// Rows 1 … 33 of race column c.
Laufdaten laufdatenLesen(const Cup &cup, int c);

// The time/distance entry of a race re-checked for the chosen type: item 0 (distance run) holds a
// fixed time, item 1 (time run) a fixed distance; without a chosen type the entry is emptied.
QString zeitdistanzPruefen(int lauftypIndex, const QString &text);

// The three conditions for storing a race: a chosen type, a date, and "ja" with cup variations or an
// own time/distance without them.
bool laufSpeicherbar(const Cup &cup, int lauftypIndex, const QString &datum, const QString &zeitdistanz);
// The row (Laufzeile::Lauftyp, Datum or Zeitdistanz) of the first of these conditions that fails,
// or -1 when the race can be stored.
int laufFehlendeZeile(const Cup &cup, int lauftypIndex, const QString &datum, const QString &zeitdistanz);

// Appends a race, gives it a result column headed by its date, lowers min/max to the number of
// races, marks the cup changed and re-sorts the races. Returns the race's column after sorting.
int laufHinzufuegen(Cup &cup, const Laufdaten &d);
// Overwrites race column c, refreshes the heading of its result column with the date, re-sorts the
// races and marks the cup changed. Returns the race's column after sorting.
int laufAendern(Cup &cup, int c, const Laufdaten &d);

// Number of participants with an entry in race c.
int ergebnisseImLauf(const Cup &cup, int c);
// The question asked before race c is deleted (mentions the entries that would be lost).
QString laufLoeschenFrage(const Cup &cup, int c);
// Removes race c and exactly its result column, renumbers the races, clamps min/max, marks changed.
void laufLoeschen(Cup &cup, int c);

// Lowers min and max to the number of races (never below 1, the spinners' minimum).
void minMaxBegrenzen(Cup &cup);

// What identifies a race while a dialog is open: its fields except the race number and the
// time/distance entry (which adding the first cup variation empties).
QStringList laufkennung(const Cup &cup, int c);
// The column of the race with this identity: the remembered column if it still matches, else the first
// matching column; with no match, the remembered column when the number of races is still
// bisherigeAnzahl (the race was edited in place), else -1. bisherigeAnzahl < 0 allows no such guess.
int laufFinden(const Cup &cup, const QStringList &kennung, int bisherigeSpalte, int bisherigeAnzahl);

} // namespace tlt
