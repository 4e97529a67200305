#pragma once

#include "core/spalten.h"
#include "core/tabelle.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tlt {

// The race types, exactly as stored in row 1 of a race column.
inline const QString kDistanzlauf = QStringLiteral("Distanzlauf (fixe Zeit)");
inline const QString kZeitlauf = QStringLiteral("Zeitlauf (fixe Distanz)");
inline const QString kKeinDatum = QStringLiteral("TT.MM.JJJJ");

// The item texts of the category choice, index 0-6.
const QStringList &kategorien();

// The whole cup: settings, the five tables and the state that goes with them.
class Cup {
public:
    Cup();

    // Settings.
    QString name;
    QString veranstalter;
    int kategorie = 0; // index into kategorien(), -1 or out of range selects nothing
    int min = 1;       // minimum participations for the final ranking
    int max = 1;       // maximum number of counted results

    // Tables: cup variations, age groups, points, races (transposed), participants.
    Tabelle cv;
    Tabelle ag;
    Tabelle pv;
    Tabelle laufe;
    Tabelle teil;

    QString dateiname;
    bool geaendert = false;
    int htmlstil = 0;
    int urkundenstil = 0;

    // Called by edit() so that a window can refresh its status bar.
    std::function<void()> beiAenderung;

    // Replaces everything by a new cup with the default tables.
    void neu();
    // Whether the cup holds changes that are not saved yet.
    enum class Stand { Gesichert, Geaendert };
    // Sets the changed flag and notifies.
    void edit(Stand stand);

    int anzahlLaufe() const { return laufe.colCount() - 1; }
    int anzahlTeilnehmer() const { return teil.rowCount() - 1; }
    // Race c (1-based): its type, and the participant column holding its results.
    const QString &lauftyp(int c) const { return laufe.cell(c, Laufzeile::Lauftyp); }
    static int ergebnisspalte(int c) { return Teilspalte::Anzahl - 1 + c; }
    // The race whose results a column of teil holds (< 1 for the fixed columns).
    static int laufDerSpalte(int spalte) { return spalte - (Teilspalte::Anzahl - 1); }

    // Status bar texts as edit() sets them.
    QString statusDatei() const;
    QString statusAenderung() const;

    // Replaces the cup's data (not its notification hook) by another cup's.
    void uebernehmen(Cup &&anderer);

    // Where a value stands, for messages about a value that cannot be read: "Lauf 3",
    // "Startnummer 007 (Muster, Erika)", "Punktevergabe, Platz 4".
    QString ortLauf(int c) const;
    QString ortTeilnehmer(int r) const;
    QString ortErgebnis(int c, int r) const; // "Lauf 3, Startnummer 007 (Muster, Erika)"
    QString ortPunkte(int platz) const;
};

// The maximum age of age group r; a cell that is no integer throws Konvertierungsfehler naming the group.
int maximalalter(const Tabelle &ag, int r);

} // namespace tlt
