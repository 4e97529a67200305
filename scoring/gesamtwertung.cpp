#include "scoring/gesamtwertung.h"

#include "core/cup.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "scoring/wertung.h"

#include <algorithm>
#include <functional>

namespace tlt {

namespace {

int normaleSpalten(const Cup &cup)
{
    return Teilspalte::Anzahl + std::max(cup.anzahlLaufe(), 0);
}

} // namespace

bool gesamt_aktiv(const Cup &cup)
{
    return cup.teil.colCount() >= normaleSpalten(cup) + 3;
}

int gesamtPlatzSpalte(const Cup &cup)
{
    return cup.teil.colCount() - 3;
}

int gesamtTeilnahmenSpalte(const Cup &cup)
{
    return cup.teil.colCount() - 2;
}

int gesamtPunkteSpalte(const Cup &cup)
{
    return cup.teil.colCount() - 1;
}

void gesamt_berechnen(Cup &cup, int n)
{
    Tabelle &t = cup.teil;
    const int alteSpalten = t.colCount();
    t.setColCount(alteSpalten + 3);
    // Any failure from here on removes the scratch columns again before it leaves.
    struct Rueckbau {
        Tabelle &t;
        int spalten;
        bool aktiv = true;
        ~Rueckbau()
        {
            if (aktiv)
                t.setColCount(spalten);
        }
    } rueckbau{t, alteSpalten};

    const int platzSpalte = alteSpalten;
    const int teilnahmenSpalte = alteSpalten + 1;
    const int punkteSpalte = alteSpalten + 2;
    const QString null = QStringLiteral("0");
    for (int r = 1; r < t.rowCount(); ++r) {
        t.setCell(platzSpalte, r, null);
        t.setCell(teilnahmenSpalte, r, null);
        t.setCell(punkteSpalte, r, null);
    }

    // Only existing races count: behind the last race lie the scratch columns, not results.
    n = std::min(n, cup.anzahlLaufe());
    // Placings of each race are computed once, for all groups, before the rows are summed up.
    const Laufwertungen laeufe(cup, 1, n);
    using Art = Laufwertungen::Art;

    std::vector<int> pktarr;
    for (int r = 1; r < t.rowCount(); ++r) {
        pktarr.clear();
        int teilnahmen = 0;
        for (int d = 1; d <= n; ++d) {
            const Art a = laeufe.art(d, r);
            if (a == Art::Leer)
                continue;
            ++teilnahmen;
            if (a == Art::Code)
                continue;
            pktarr.push_back(laeufe.punkte(d, r));
        }
        qint64 summe = 0;
        const int m = static_cast<int>(pktarr.size());
        if (m >= cup.min) {
            const int gezaehlt = std::clamp(cup.max, 0, m);
            std::partial_sort(pktarr.begin(), pktarr.begin() + gezaehlt, pktarr.end(), std::greater<int>());
            for (int i = 0; i < gezaehlt; ++i)
                summe += pktarr[static_cast<size_t>(i)];
        }
        t.setCell(teilnahmenSpalte, r, QString::number(teilnahmen));
        t.setCell(punkteSpalte, r, QString::number(summe));
    }

    // Surname first, then points: the column lies behind the races, so its best-first (ascending)
    // order is the distance order, highest first; equal points stay in surname order.
    teilsort(cup, Richtung::Aufsteigend, Teilspalte::Name);
    teilsort(cup, Richtung::Aufsteigend, punkteSpalte);
    rueckbau.aktiv = false;
}

void gesamt_reset(Cup &cup)
{
    if (gesamt_aktiv(cup))
        cup.teil.setColCount(cup.teil.colCount() - 3);
}

GesamtScope::GesamtScope(Cup &cup, int n) : m_cup(cup)
{
    gesamt_berechnen(cup, n);
}

GesamtScope::~GesamtScope()
{
    gesamt_reset(m_cup);
}

int GesamtScope::platzSpalte() const
{
    return gesamtPlatzSpalte(m_cup);
}

int GesamtScope::teilnahmenSpalte() const
{
    return gesamtTeilnahmenSpalte(m_cup);
}

int GesamtScope::punkteSpalte() const
{
    return gesamtPunkteSpalte(m_cup);
}

} // namespace tlt
