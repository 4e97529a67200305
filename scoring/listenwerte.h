#pragma once

#include "scoring/gesamtwertung.h"
#include "scoring/wertung.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace tlt {

class Cup;

// The numbers behind the finish list, the detailed standings, the cup statement and the outlook
// "who can still win" (the standings themselves: scoring/gesamtwertung.h). Everything is computed from a const Cup& and returned as plain data; the cup
// is never changed. Rows are rows of teil (1-based), races are 1-based, cup variations are rows of
// cv (0 when the cup has none). Integer cells that cannot be read throw Konvertierungsfehler.

// ---------------------------------------------------------------- finish list of one race

struct Einlaufzeile {
    int zeile = 0;
    QString eintrag;         // the entry as stored
    bool gewertet = false;   // a scored result (no code): the three places below are set
    int platz = 0;           // 1 + strictly better results of the block (variation or whole race)
    int platzGeschlecht = 0; // the same among the block's runners of the same sex (teil column 3)
    int platzGruppe = 0;     // placing in the age group, exactly as platzierung() gives it
};

struct Einlaufblock {
    int variante = 0; // cv row; 0 for the whole race of a cup without variations
    // Every non-empty entry of the block in finishing order: scored results best first (equal
    // results in surname order), then the codes ("d.", "n.a.", "o.L.", "v.") without places.
    std::vector<Einlaufzeile> zeilen;
};

// One block per cup variation in cv order (blocks may be empty), or one block without variations.
// Participants whose "ggf. Cup" names no variation are not listed, as in the race result list.
std::vector<Einlaufblock> einlauf(const Cup &cup, int k);
// Every participant row by surname, then first name, then table order: the order einlauf() starts
// from. Passing it in saves sorting the names again for each race.
std::vector<int> namensfolge(const Cup &cup);
// The same with the placings of the races taken from w (which must cover race k), for many races.
std::vector<Einlaufblock> einlauf(const Cup &cup, int k, const std::vector<int> &namensfolge, const Laufwertungen &w);

// ---------------------------------------------------------------- race points of one participant

enum class Wertung {
    NichtTeilgenommen, // empty entry
    OhnePunkte,        // a result code: a participation, but no points
    Gewertet,          // among the best `max` race points that make the overall sum
    Gestrichen,        // a scored result beyond the best `max`
    OhneWertung,       // scored, but fewer than `min` scored results so far: nothing counts yet
};

struct Laufanteil {
    int lauf = 0;
    QString eintrag;
    int platz = 0;          // placing in the group (0 without a scored result)
    int tabellenpunkte = 0; // points of the placing in pv (0 beyond the table)
    int faktor = 1;         // bonus factor of the race (empty: 1)
    int summand = 0;        // bonus summand of the race (empty: 0)
    int punkte = 0;         // tabellenpunkte * faktor + summand (0 without a scored result)
    Wertung wertung = Wertung::NichtTeilgenommen;
};

// Races 1..n of row r. The counted races are the best min(scored, max) race points when there
// are at least `min` scored results (equal points: the earlier race counts); their sum is exactly
// the overall points of the standings.
std::vector<Laufanteil> laufanteile(const Cup &cup, int r, int n);
// The same for many participants: the placings of races 1..min(n, races), the bonus cells and the
// points table are read once.
class Laufanteilrechner {
public:
    Laufanteilrechner(const Cup &cup, int n);
    // With the placings of w, which must cover races 1..n (saves computing them again).
    Laufanteilrechner(const Cup &cup, int n, const Laufwertungen &w);
    std::vector<Laufanteil> operator()(int r) const;

private:
    Laufanteilrechner(const Cup &cup, int n, const Laufwertungen *w);
    // A cell read as an integer; an unreadable one is read again (and throws) where it is used.
    static int wert(const std::optional<int> &gelesen, const QString &zelle);

    const Laufwertungen &wertungen() const { return m_fremd ? *m_fremd : *m_eigen; }

    const Cup &m_cup;
    int m_bis;
    std::optional<Laufwertungen> m_eigen;
    const Laufwertungen *m_fremd = nullptr;
    std::vector<std::optional<int>> m_faktor;  // per race (index 0 unused)
    std::vector<std::optional<int>> m_summand; // per race
    std::vector<std::optional<int>> m_tabelle; // points per placing (index 0 unused)
};

// The text of one race column of the detailed standings: the points, "(points)" when they do not
// count, "-" for a race not run, the code itself for a result code.
QString anteiltext(const Laufanteil &a);
// "W" or "M" for the sex cell, nothing for anything else.
QString geschlechtKurz(const QString &geschlecht);
// The overall points as the standings list shows them: "---" below the minimum.
QString punktetext(const Standzeile &z);

// The word of the statement: "gewertet", "gestrichen", "nicht teilgenommen", "ohne Punkte",
// "noch nicht gewertet".
QString wertungstext(Wertung w);

// ---------------------------------------------------------------- who can still win

struct Aussicht {
    int zeile = 0;
    int punkte = 0;            // current overall points
    int wertungen = 0;         // scored results so far
    int hoechstens = -1;       // the most points reachable after the remaining races; -1: the minimum
                               // of scored results can no longer be reached
    bool fuehrt = false;       // has the most points of those already in the ranking
    bool sicher = false;       // nobody else can reach these points any more: the group win is certain
    bool kannGewinnen = false; // some outcome of the remaining races puts this runner first
};

struct Aussichtsgruppe {
    int variante = 0;
    QString label;
    std::vector<Aussicht> teilnehmer; // in standings order
};

// The outlook after race n with `verbleibend` races to come. Each remaining race is assumed to
// give a runner at most the best points of pv (bonus factor 1, summand 0), and nothing when the
// runner does not start. A runner wins a group when they have at least `min` scored results and no
// one else of the group ends with more points (equal points share the win).
struct Ausblick {
    int lauf = 0;
    int verbleibend = 0;
    int hoechstpunkte = 0; // points of one remaining race at most
    std::vector<Aussichtsgruppe> gruppen;
};
Ausblick werKannGewinnen(const Cup &cup, int n, int verbleibend);

// The overall points of a list of race points under the cup's rule: the sum of the best `max`
// values, 0 with fewer than `min` values.
long long cupsumme(std::vector<int> punkte, int min, int max);

} // namespace tlt
