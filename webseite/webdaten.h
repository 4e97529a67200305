#pragma once

#include <QString>
#include <vector>

namespace tlt {

class Cup;
struct Gesamtstand;
class Laufwertungen;

// The results site as plain data, built from a const cup. The lists have the groups, order,
// placings and texts of the race result list and of the overall standings list.

// One line of a list.
struct Webzeile {
    int teilnehmer = 0; // index into Webdaten::teilnehmer
    int platz = 0;      // placing shown in the list; 0 leaves the field blank (tie, code, below minimum)
    QString wert;       // race: the entry or the long text of its code; standings: the points or "---"
    QString laeufe;     // standings: the participations
    // Finish list and detailed standings: the cells after the club, one per heading of the list's kopf.
    std::vector<QString> mehr;
};

// One age-group label: "Altergruppe F30 (30-39)" and its lines.
struct Webgruppe {
    QString titel;
    std::vector<Webzeile> zeilen;
};

// A cup variation ("Ergebnisse im A-Cup (10000m)"), or the whole list of a cup without variations
// (empty title).
struct Webblock {
    QString titel;
    std::vector<Webgruppe> gruppen;
};

struct Webliste {
    QString titel;      // "Ergebnisse vom 12.04.2026", "Gesamtergebnis", "vorl. Gesamtergebnis nach Lauf 2"
    QString untertitel; // "Lauf 1 - Zeitlauf (fixe Distanz)"; empty for the standings
    std::vector<Webblock> bloecke;
    // Finish list and detailed standings: the headings of the cells in Webzeile::mehr.
    std::vector<QString> kopf;
    int zeilen() const;
};

// Everything the search shows of one participant.
struct Webteilnehmer {
    QString name;         // "Muster, Erika ('85)", as the lists show it
    QString verein;
    QString altersgruppe;
    QString variante;
    QString startnummer;
    std::vector<QString> ergebnisse; // per race 1..n: entry or long text of its code, empty without
    std::vector<int> plaetze;        // per race: placing in the group, 0 without a scored result
    std::vector<int> punkte;         // per race: race points, 0 without a scored result
    int gesamtplatz = 0;             // placing the standings list shows (shared by ties), 0 if it ranks nobody
    QString gesamtpunkte;            // points as the standings show them, "---" below the minimum
    QString teilnahmen;
};

struct Weblauf {
    int nummer = 0;
    QString datum;
    QString typ;
    QString ort;
    int imZiel = 0;       // scored results
    bool mitSeite = false; // races up to the site's last race have a page
};

struct Webdaten {
    QString cupname;
    QString veranstalter;
    int nachLauf = 0; // the standings are after this race; 0: no race with results yet
    std::vector<Weblauf> laeufe;
    std::vector<Webliste> laufergebnisse; // races 1..nachLauf
    std::vector<Webliste> einlauflisten;  // races 1..nachLauf: every finisher in finishing order
    Webliste gesamt;                      // empty when nachLauf is 0
    Webliste einzeln;                     // the standings with each race's points; empty when nachLauf is 0
    std::vector<Webteilnehmer> teilnehmer;
};

// The finish list of race k: per cup variation every entry in finishing order, with the overall
// place, the place among women or men ("W 3."), the age group with its place and the result. The
// numbers are those of the program's finish list.
// namensfolge: the rows in name order (namensfolge() of scoring/listenwerte.h); w: the placings,
// covering race k. Both are computed once for all races.
Webliste einlaufliste(const Cup &cup, int k, const std::vector<int> &namensfolge, const Laufwertungen &w);
// The standings with a column per race: the groups, order and placings of the standings list, each
// race's points as the detailed standings list shows them ("(12)" does not count, "-" not run), the
// participations and the points.
// w: the placings, covering races 1..stand.lauf.
Webliste einzelliste(const Cup &cup, const Gesamtstand &stand, const Laufwertungen &w);

// The last race that has an entry of anyone; 0 when none has.
int letzterLaufMitErgebnissen(const Cup &cup);

// Builds the site's data for races 1..nachLauf (clamped to the cup's races). Reads the cup only.
// A cell that must be an integer and is not throws Konvertierungsfehler, as the lists do.
Webdaten webdaten(const Cup &cup, int nachLauf);

} // namespace tlt
