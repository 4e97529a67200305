#pragma once

#include "core/cup.h"

namespace tlt {

// Settings of the random cup generator. The defaults give a cup like a large city series.
struct Generatoreinstellungen {
    int teilnehmer = 1000;
    int laufe = 10;
    unsigned seed = 1;
    bool cupvarianten = true;   // three cup variations A/B/C; false: a cup without variations
    int teilnahmeProzent = 70;  // share of result cells that hold an entry
    int codeProzent = 5;        // share of entries that are result codes
    int gleichstandProzent = 3; // share of performances copied from another runner (ties)
    int leereZellenProzent = 1; // share of fixed participant cells left empty (club, birth date ...)
};

// A realistic random cup: participants with names, clubs, birth dates, age groups and unique start
// numbers; races of both types in date order with organiser data; times, distances, codes, empty
// cells and ties. The same settings always give the same cup. The participants are not sorted.
Cup erzeugeCup(const Generatoreinstellungen &e);
Cup erzeugeCup(int teilnehmer, int laufe, unsigned seed);

} // namespace tlt
