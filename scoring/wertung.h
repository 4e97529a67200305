#pragma once

#include "core/konvertierung.h"

#include <QString>
#include <unordered_map>
#include <vector>

namespace tlt {

class Cup;

// Race ranking and race points.
//
// A participant's group in race k: every participant row with exactly the same "Altersgruppe" text
// and, when the cup has cup variations (cv has data rows), exactly the same "ggf. Cup" text.
// Only scored results (not empty, not one of "n.a.", "v.", "d.", "o.L.") receive a placing and
// points. Integer cells that cannot be read (points, bonus, digits beyond 32 bits) throw
// Konvertierungsfehler ("'x' ist kein gültiger Integerwert").

// True when entry y is strictly better than entry x in race k.
// Both with digits: the digits read as one integer, smaller wins in a "Zeitlauf (fixe Distanz)",
// larger in any other race. Digits beat no digits. Neither with digits: alphabetical (only a-z
// folded), and an empty entry is never better than anything.
// This is the best-first order of the result columns that teilsort applies.
bool besser(const Cup &cup, int k, const QString &x, const QString &y);

// besser() over the participant rows of race k with each entry's digits read once, for sorting many
// rows: (a, b) is true when row b's entry is strictly better than row a's. Digits that are no integer
// throw Konvertierungsfehler when compared, as besser() does.
class Ergebnisvergleich {
public:
    Ergebnisvergleich(const Cup &cup, int k);
    bool operator()(int a, int b) const;

private:
    struct Schluessel {
        bool ziffern = false; // the entry has digits
        bool lesbar = false;  // and they read as an integer
        int wert = 0;
    };
    const Cup &m_cup;
    int m_spalte;
    bool m_zeitlauf;
    std::vector<Schluessel> m_schluessel; // per row of teil
};

// Placing of row r in race k within its group: 1 plus the number of strictly better scored results
// in the group (equal results share a placing, the next one is skipped: 1, 1, 3).
// Returns 0 when row r has no scored result in race k. One call scans the table once (O(n)); to
// place many rows of a race use Laufwertung.
int platzierung(const Cup &cup, int k, int r);

// Race points of row r in race k: table points of its placing (0 beyond the points table)
// times the bonus factor (empty: 1) plus the bonus summand (empty: 0). 0 without a scored result.
int laufpunkte(const Cup &cup, int k, int r);

// Race points for a given placing in race k (same rule as laufpunkte).
int punkteFuerPlatz(const Cup &cup, int k, int platz);

// The placings of every participant row in races von..bis, computed once per race and group
// (O(n log n) per race) from one pass over the table. Gives exactly what platzierung() gives row by
// row, failures included. Valid while the cup is unchanged.
class Laufwertungen {
public:
    Laufwertungen(const Cup &cup, int von, int bis);

    // Kind of row r's entry in race k.
    enum class Art : unsigned char { Leer, Code, Zahl, Unlesbar, OhneZiffern };
    Art art(int k, int r) const { return m_art[index(k, r)]; }
    // Placing of row r in race k (0 without a scored result). Throws where platzierung() would
    // (digits beyond the integer range compared with other digits of the group).
    int platz(int k, int r) const;
    // Race points of row r in race k (0 without a scored result), bonus included.
    int punkte(int k, int r) const;

private:
    struct Gruppe {
        int mitZiffern = 0;      // scored results that have digits
        int ersteUnlesbare = -1; // first row whose digits exceed the integer range
    };
    size_t index(int k, int r) const
    {
        return static_cast<size_t>(k - m_von) * static_cast<size_t>(m_zeilen) + static_cast<size_t>(r);
    }
    void platzieren(int k, const std::vector<int> &schluessel);

    const Cup &m_cup;
    int m_von;
    int m_bis;
    int m_zeilen;              // row count of teil
    std::vector<int> m_gruppe; // group of each row
    int m_gruppen = 0;
    // Per race and row.
    std::vector<Art> m_art;
    std::vector<int> m_platz;
    // Per race and group.
    std::vector<Gruppe> m_gruppeninfo;
    std::unordered_map<size_t, Konvertierungsfehler> m_fehler;
    // Points by race and placing, read once: value, state (0 unread, 1 read, 2 failed), failure.
    mutable std::vector<std::vector<int>> m_punktwerte;
    mutable std::vector<std::vector<unsigned char>> m_punktstand;
    mutable std::unordered_map<size_t, Konvertierungsfehler> m_punktfehler;
};

// The placings of one race (see Laufwertungen).
class Laufwertung {
public:
    Laufwertung(const Cup &cup, int k) : m_lauf(k), m_w(cup, k, k) {}
    int lauf() const { return m_lauf; }
    int platz(int r) const { return m_w.platz(m_lauf, r); }
    int punkte(int r) const { return m_w.punkte(m_lauf, r); }

private:
    int m_lauf;
    Laufwertungen m_w;
};

} // namespace tlt
