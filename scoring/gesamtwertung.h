#pragma once

#include <QString>
#include <vector>

namespace tlt {

class Cup;

// The overall cup standings after race n, as plain data computed from a const Cup&; the cup is never
// changed. Rows are rows of teil (1-based), cup variations rows of cv (0 when the cup has none).

// One participant row in the standings.
struct Standzeile {
    int zeile = 0;
    int teilnahmen = 0;  // non-empty entries in races 1..n, codes included
    int wertungen = 0;   // scored results in races 1..n
    long long punkte = 0; // the best cup.max race points; 0 with fewer than cup.min scored results
    // The placing the standings list shows for this row: its own number, or on a tied line the
    // placing of the line it ties with. 0: the list ranks the row not (below the minimum, tied with
    // such a line, or not listed at all).
    int platz = 0;
    bool gelistet = false;     // the list has a line for this row
    bool platzGezeigt = false; // the line prints its placing number (not tied, not "---")
    bool unterMinimum = false; // the line shows "---" (only in a cup with variations)
};

// One group of the list: a cup variation and an age-group label, its rows in list order.
struct Standgruppe {
    int variante = 0; // cv row, 0 without variations
    QString label;
    std::vector<int> zeilen;
};

struct Gesamtstand {
    int lauf = 0;
    // Per row of teil (index 0 unused).
    std::vector<Standzeile> teilnehmer;
    // Every participant row in the order of the standings: points high to low, equal points by
    // surname (the order the standings command leaves the participants table in).
    std::vector<int> reihenfolge;
    // The groups in list order: variation, age-group row, women's label, men's label. Empty groups
    // are left out; a label that two age-group rows carry is listed (and here held) twice.
    std::vector<Standgruppe> gruppen;

    // Row r's entry; for a row outside the table an empty, unlisted one.
    const Standzeile &zeile(int r) const;
    // Whether the list gives row r a placing.
    bool platziert(int r) const { return zeile(r).platz > 0; }
    // Index into gruppen of the first group that lists row r; -1 when the list does not show it.
    int gruppeVon(int r) const;
    // The group of a cup variation (0 without variations) and a label; nullptr when it is empty.
    const Standgruppe *gruppe(int variante, const QString &label) const;

private:
    friend Gesamtstand gesamtstand(const Cup &cup, int n);
    std::vector<int> m_gruppe; // per row: first group index or -1
};

// Participations and points sum up races 1..n (races beyond the cup's last count as absent). The
// list groups by the participant's "ggf. Cup" (only in a cup with variations) and age-group label;
// within a group equal points share the placing of the first of them, the next different points get
// the running number, which counts everyone listed before in the group. In a cup with variations a
// row with fewer participations than cup.min is listed with "---" and not ranked.
// A points or bonus cell that is no integer throws Konvertierungsfehler.
Gesamtstand gesamtstand(const Cup &cup, int n);

} // namespace tlt
