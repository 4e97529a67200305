#include "scoring/gesamtwertung.h"

#include "core/cup.h"
#include "core/sortierung.h"
#include "core/spalten.h"
#include "scoring/wertung.h"

#include <QHash>
#include <algorithm>
#include <functional>

namespace tlt {

const Standzeile &Gesamtstand::zeile(int r) const
{
    static const Standzeile keine;
    if (r < 1 || static_cast<size_t>(r) >= teilnehmer.size())
        return keine;
    return teilnehmer[static_cast<size_t>(r)];
}

int Gesamtstand::gruppeVon(int r) const
{
    if (r < 1 || static_cast<size_t>(r) >= m_gruppe.size())
        return -1;
    return m_gruppe[static_cast<size_t>(r)];
}

const Standgruppe *Gesamtstand::gruppe(int variante, const QString &label) const
{
    for (const Standgruppe &g : gruppen)
        if (g.variante == variante && g.label == label)
            return &g;
    return nullptr;
}

namespace {

// Participations, scored results and points of every row.
void summieren(const Cup &cup, int bis, std::vector<Standzeile> &zeilen)
{
    // Placings of each race are computed once, for all groups, before the rows are summed up.
    const Laufwertungen laeufe(cup, 1, bis);
    using Art = Laufwertungen::Art;
    std::vector<int> pktarr;
    for (size_t r = 1; r < zeilen.size(); ++r) {
        Standzeile &z = zeilen[r];
        z.zeile = static_cast<int>(r);
        pktarr.clear();
        for (int d = 1; d <= bis; ++d) {
            const Art a = laeufe.art(d, z.zeile);
            if (a == Art::Leer)
                continue;
            ++z.teilnahmen;
            if (a == Art::Code)
                continue;
            ++z.wertungen;
            pktarr.push_back(laeufe.punkte(d, z.zeile));
        }
        const int m = static_cast<int>(pktarr.size());
        if (m >= cup.min) {
            const int gezaehlt = std::clamp(cup.max, 0, m);
            std::partial_sort(pktarr.begin(), pktarr.begin() + gezaehlt, pktarr.end(), std::greater<int>());
            for (int i = 0; i < gezaehlt; ++i)
                z.punkte += pktarr[static_cast<size_t>(i)];
        }
    }
}

// Walks one group as the list numbers it.
void platzieren(const Cup &cup, bool varianten, const std::vector<int> &gruppe, std::vector<Standzeile> &zeilen)
{
    int laufnummer = 1;
    int voriger = 0; // placing of the previous line; 0 when it had none
    const Standzeile *vorige = nullptr;
    for (int r : gruppe) {
        Standzeile &z = zeilen[static_cast<size_t>(r)];
        z.gelistet = true;
        z.platzGezeigt = false;
        z.unterMinimum = false;
        if (varianten && z.teilnahmen < cup.min) {
            z.unterMinimum = true;
            z.platz = 0;
        } else if (vorige && vorige->punkte == z.punkte) {
            // A tied line: the placing of the line it ties with, none when that one had none.
            z.platz = voriger;
        } else {
            z.platzGezeigt = true;
            z.platz = laufnummer;
        }
        voriger = z.platz;
        vorige = &z;
        ++laufnummer;
    }
}

} // namespace

Gesamtstand gesamtstand(const Cup &cup, int n)
{
    Gesamtstand stand;
    stand.lauf = n;
    const Tabelle &t = cup.teil;
    const int zeilen = std::max(t.rowCount(), 1);
    stand.teilnehmer.resize(static_cast<size_t>(zeilen));
    stand.m_gruppe.assign(static_cast<size_t>(zeilen), -1);

    summieren(cup, std::clamp(n, 0, cup.anzahlLaufe()), stand.teilnehmer);

    // Surname first, then points, highest first; equal points stay in surname order. The points
    // sort as the results of a column behind the last race: the larger first.
    std::vector<QString> punkte(static_cast<size_t>(zeilen));
    for (int r = 1; r < zeilen; ++r)
        punkte[static_cast<size_t>(r)] = QString::number(stand.teilnehmer[static_cast<size_t>(r)].punkte);
    stand.reihenfolge = teilfolge(cup, Richtung::Aufsteigend, Cup::ergebnisspalte(cup.anzahlLaufe()) + 1,
                                  teilfolge(cup, Richtung::Aufsteigend, Teilspalte::Name), &punkte);

    // Rows of each (variation name, label) in standings order.
    const bool varianten = cup.cv.rowCount() > 1;
    QHash<std::pair<QString, QString>, std::vector<int>> mitglieder;
    for (int r : stand.reihenfolge)
        mitglieder[{varianten ? t.cell(Teilspalte::Cupvariation, r) : QString(), t.cell(Teilspalte::Altersgruppe, r)}]
            .push_back(r);

    // Groups in list order: variation, age-group row, women's label, men's label.
    const int varianteBis = varianten ? cup.cv.rowCount() - 1 : 0;
    for (int v = varianten ? 1 : 0; v <= varianteBis; ++v) {
        const QString variante = v > 0 ? cup.cv.cell(Cvspalte::Name, v) : QString();
        for (int a = 1; a < cup.ag.rowCount(); ++a) {
            for (int spalte : {Agspalte::Weiblich, Agspalte::Maennlich}) {
                Standgruppe gruppe;
                gruppe.variante = v;
                gruppe.label = cup.ag.cell(spalte, a);
                gruppe.zeilen = mitglieder.value({variante, gruppe.label});
                if (gruppe.zeilen.empty())
                    continue;
                // A group listed twice is walked the same way twice.
                platzieren(cup, varianten, gruppe.zeilen, stand.teilnehmer);
                const int g = static_cast<int>(stand.gruppen.size());
                for (int r : gruppe.zeilen)
                    if (stand.m_gruppe[static_cast<size_t>(r)] < 0)
                        stand.m_gruppe[static_cast<size_t>(r)] = g;
                stand.gruppen.push_back(std::move(gruppe));
            }
        }
    }
    return stand;
}

} // namespace tlt
