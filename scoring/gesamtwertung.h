#pragma once

namespace tlt {

class Cup;

// The overall cup standings after race n.
//
// gesamt_berechnen appends three scratch columns to teil (C = column count including them):
//   C-3 overall placing ("0"; the standings list numbers it), C-2 participations (non-empty
//   entries in races 1..n, codes included), C-1 overall points (sum of the best cup.max race
//   points, 0 with fewer than cup.min scored results), and sorts teil by surname, then by points
//   (highest first). Races beyond the cup's last race count as absent. If it throws (Konvertierungsfehler), the scratch
//   columns are already removed.
// gesamt_reset removes them again; it does nothing when teil has no scratch columns.
// Prefer GesamtScope, which resets on every path.
//
// ausgabe_gesamt (compute, list into the output pane, reset) lives in reports/gesamt.h because
// it writes a report.
void gesamt_berechnen(Cup &cup, int n);
void gesamt_reset(Cup &cup);

// True while teil carries the scratch columns.
bool gesamt_aktiv(const Cup &cup);

// Column indexes of the scratch columns while they exist.
int gesamtPlatzSpalte(const Cup &cup);
int gesamtTeilnahmenSpalte(const Cup &cup);
int gesamtPunkteSpalte(const Cup &cup);

// Runs gesamt_berechnen(n) on construction and gesamt_reset on destruction, so the scratch
// columns never outlive the command, failures included. Not copyable.
class GesamtScope {
public:
    GesamtScope(Cup &cup, int n);
    ~GesamtScope();
    GesamtScope(const GesamtScope &) = delete;
    GesamtScope &operator=(const GesamtScope &) = delete;

    int platzSpalte() const;
    int teilnahmenSpalte() const;
    int punkteSpalte() const;

private:
    Cup &m_cup;
};

} // namespace tlt
