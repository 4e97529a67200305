#pragma once

#include "austausch/zuordnung.h"
#include "core/teilnehmerbefehle.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tlt {

class Cup;
struct Rohtabelle;

// A row of the file that is left out, and why.
struct Importproblem {
    int zeile = 0; // line or row number in the file
    QString grund;
    QString text() const { return QStringLiteral("Zeile %1: %2").arg(zeile).arg(grund); }
};

// What importing participants would do; nothing is changed until it is applied.
struct Teilnehmerimport {
    struct Eintrag {
        int dateizeile = 0;
        int zeile = -1; // the participant row that is updated; -1 for a new participant
        Teilnehmerdaten daten;
    };
    QString fehler; // non-empty: the file cannot be imported at all (e.g. no name column)
    QList<Eintrag> neu;
    QList<Eintrag> geaendert;
    int unveraendert = 0; // rows that match a participant and change nothing
    QList<Importproblem> probleme;
    quint64 revision = 0; // of the participants table when planned

    // "3 neu, 1 geändert, 2 Zeilen mit Problemen" (and unchanged ones when there are any).
    QString zusammenfassung() const;
};

// Plans the import of participants from the data rows of t (below the heading row of z). Each row
// matches an existing participant by start number when it has one, else by surname, first name and
// birth date (trimmed, letter case ignored; with only a year of birth, by the year). A start number of
// a participant whose surname and first name both differ is reported, not overwritten. A matched
// participant gets the file's non-empty fields; a new one must be complete as in the participant
// dialog: its age group is proposed from birth date and sex when the file has none, and missing start
// numbers get the next free ones in file order. nurZeilen, when not empty, limits the plan to those
// file lines.
Teilnehmerimport teilnehmerImportPlanen(const Cup &cup, const Rohtabelle &t, const Zuordnung &z,
                                        const QSet<int> &nurZeilen = {});
// Applies a plan made on this cup: updates and appends the rows, sorts by surname and marks the cup
// changed, all at once. Refuses (false, message) when the participants changed since planning.
bool teilnehmerImportAnwenden(Cup &cup, const Teilnehmerimport &plan, QString *fehler);

// What importing the results of race `lauf` would do.
struct Ergebnisimport {
    struct Eintrag {
        int dateizeile = 0;
        int zeile = 0; // participant row
        QString ergebnis;
        QString bisher; // the stored entry (conflicts only)
    };
    struct Unbekannt {
        int dateizeile = 0;
        QString startnummer;
        QString name; // "Name, Vorname" when the file has them
        QString ergebnis;
    };
    QString fehler;
    int lauf = 0;
    QList<Eintrag> neu;       // the participant has no entry in the race yet
    QList<Eintrag> konflikte; // a different entry is stored
    int unveraendert = 0;     // the same entry is stored
    int ohneErgebnis = 0;     // rows whose result cell is empty
    QList<Importproblem> probleme;
    QList<Unbekannt> unbekannt; // no participant matches
    quint64 revision = 0;

    QString zusammenfassung() const;
    // The file lines of the unknown rows.
    QSet<int> unbekannteZeilen() const;
};

// Plans the import of results of race lauf (1-based). A row finds its participant by start number,
// or without a start-number column by surname and first name (and birth date when given), which
// must match exactly one participant.
Ergebnisimport ergebnisImportPlanen(const Cup &cup, int lauf, const Rohtabelle &t, const Zuordnung &z);
// Writes the new entries, and of the conflicts those whose flag in ueberschreiben is true (index as in
// plan.konflikte; missing flags count as false). Marks the cup changed when anything was written.
// Refuses when the participants changed since planning.
bool ergebnisImportAnwenden(Cup &cup, const Ergebnisimport &plan, const QList<bool> &ueberschreiben,
                            QString *fehler);

} // namespace tlt
