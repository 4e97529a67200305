#pragma once

#include "core/konvertierung.h"

#include <QString>
#include <optional>
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

// The placings of every participant row of one race, computed once (O(n log n)).
// Gives exactly what platzierung() gives row by row. Valid while the table is unchanged.
class Laufwertung {
public:
    Laufwertung(const Cup &cup, int k);

    int lauf() const { return m_lauf; }
    // Placing of row r (0 when r has no scored result or is out of range). Throws where
    // platzierung() would (digits beyond the integer range compared within the group).
    int platz(int r) const;
    // Race points of row r (0 without scored result); reads the points table and bonus cells.
    int punkte(int r) const;

private:
    enum class Art : unsigned char { Keine, Zahl, Unlesbar, OhneZiffern };
    struct Gruppe {
        int mitZiffern = 0;      // scored results that have digits
        int ersteUnlesbare = -1; // first row whose digits exceed the integer range
    };
    struct Punkte {
        int wert = 0;
        std::optional<Konvertierungsfehler> fehler;
    };

    const Cup &m_cup;
    int m_lauf;
    // Indexed by row; row 0 unused.
    std::vector<int> m_platz;
    std::vector<int> m_gruppe;
    std::vector<Art> m_art;
    std::vector<Gruppe> m_gruppen;
    std::unordered_map<int, Konvertierungsfehler> m_fehler;
    mutable std::unordered_map<int, Punkte> m_punkte;
};

} // namespace tlt
