#include "scoring/wertung.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"

#include <QHash>
#include <algorithm>
#include <numeric>

namespace tlt {

namespace {

bool istZeitlauf(const Cup &cup, int k)
{
    return cup.lauftyp(k) == kZeitlauf;
}

bool mitCupvarianten(const Cup &cup)
{
    return cup.cv.rowCount() > 1;
}

bool gleicheGruppe(const Cup &cup, int a, int b)
{
    const Tabelle &t = cup.teil;
    if (t.cell(5, a) != t.cell(5, b))
        return false;
    return !mitCupvarianten(cup) || t.cell(7, a) == t.cell(7, b);
}

int zelleOder(const QString &text, int leer)
{
    return text.isEmpty() ? leer : toInt(text);
}

} // namespace

bool besser(const Cup &cup, int k, const QString &x, const QString &y)
{
    const QString kx = ziffern(x);
    const QString ky = ziffern(y);
    if (!kx.isEmpty() && !ky.isEmpty()) {
        const int ix = toInt(kx);
        const int iy = toInt(ky);
        return istZeitlauf(cup, k) ? iy < ix : iy > ix;
    }
    if (!ky.isEmpty())
        return true;
    if (!kx.isEmpty())
        return false;
    // An empty entry comes last, as in the sorted result column, where it never moves up.
    if (y.isEmpty())
        return false;
    if (x.isEmpty())
        return true;
    return textvergleich(x, y) > 0;
}

int platzierung(const Cup &cup, int k, int r)
{
    const Tabelle &t = cup.teil;
    const int spalte = Cup::ergebnisspalte(k);
    const QString &eigen = t.cell(spalte, r);
    if (r < 1 || r >= t.rowCount() || !istLeistung(eigen))
        return 0;
    int platz = 1;
    for (int i = 1; i < t.rowCount(); ++i) {
        if (i == r || !gleicheGruppe(cup, r, i))
            continue;
        const QString &anderer = t.cell(spalte, i);
        if (istLeistung(anderer) && besser(cup, k, eigen, anderer))
            ++platz;
    }
    return platz;
}

int punkteFuerPlatz(const Cup &cup, int k, int platz)
{
    const int tabelle = platz >= 1 && platz < cup.pv.rowCount() ? toInt(cup.pv.cell(1, platz)) : 0;
    const int faktor = zelleOder(cup.laufe.cell(k, 32), 1);
    const int summand = zelleOder(cup.laufe.cell(k, 33), 0);
    // Unsigned arithmetic wraps instead of overflowing; real tables stay far below the limit.
    return static_cast<int>(static_cast<unsigned>(tabelle) * static_cast<unsigned>(faktor) +
                            static_cast<unsigned>(summand));
}

int laufpunkte(const Cup &cup, int k, int r)
{
    const int platz = platzierung(cup, k, r);
    return platz == 0 ? 0 : punkteFuerPlatz(cup, k, platz);
}

// --- Laufwertung ---------------------------------------------------------------------------

Laufwertung::Laufwertung(const Cup &cup, int k)
    : m_cup(cup)
    , m_lauf(k)
{
    const Tabelle &t = cup.teil;
    const int n = t.rowCount();
    const int spalte = Cup::ergebnisspalte(k);
    const bool zeitlauf = istZeitlauf(cup, k);
    const bool varianten = mitCupvarianten(cup);
    const size_t zeilen = static_cast<size_t>(std::max(n, 1));
    m_platz.assign(zeilen, 0);
    m_gruppe.assign(zeilen, -1);
    m_art.assign(zeilen, Art::Keine);

    struct Eintrag {
        int zeile;
        int gruppe;
        Art art;
        int schluessel;
    };
    std::vector<Eintrag> eintraege;
    eintraege.reserve(static_cast<size_t>(n));
    QHash<QString, int> gruppen;
    for (int r = 1; r < n; ++r) {
        const QString &e = t.cell(spalte, r);
        if (!istLeistung(e))
            continue;
        QString name = t.cell(5, r);
        if (varianten)
            name += QChar(0) + t.cell(7, r);
        auto g = gruppen.find(name);
        if (g == gruppen.end())
            g = gruppen.insert(name, static_cast<int>(gruppen.size()));
        Eintrag ein{r, g.value(), Art::OhneZiffern, 0};
        const QString z = ziffern(e);
        if (!z.isEmpty()) {
            ein.art = Art::Zahl;
            try {
                ein.schluessel = toInt(z);
            } catch (const Konvertierungsfehler &f) {
                // Kept for later: only a comparison with another result that has digits fails.
                ein.art = Art::Unlesbar;
                m_fehler.emplace(r, f);
            }
        }
        m_gruppe[static_cast<size_t>(r)] = ein.gruppe;
        m_art[static_cast<size_t>(r)] = ein.art;
        eintraege.push_back(ein);
    }

    // Best first within each group: readable numbers by value, unreadable numbers, then results
    // without digits alphabetically (only a-z folded).
    auto rang = [](Art a) { return a == Art::Zahl ? 0 : a == Art::Unlesbar ? 1 : 2; };
    std::stable_sort(eintraege.begin(), eintraege.end(), [&](const Eintrag &a, const Eintrag &b) {
        if (a.gruppe != b.gruppe)
            return a.gruppe < b.gruppe;
        if (a.art != b.art)
            return rang(a.art) < rang(b.art);
        if (a.art == Art::Zahl)
            return zeitlauf ? a.schluessel < b.schluessel : a.schluessel > b.schluessel;
        if (a.art == Art::OhneZiffern)
            return textvergleich(t.cell(spalte, a.zeile), t.cell(spalte, b.zeile)) < 0;
        return false;
    });
    auto gleich = [&](const Eintrag &a, const Eintrag &b) {
        if (a.art != b.art)
            return false;
        if (a.art == Art::Zahl)
            return a.schluessel == b.schluessel;
        if (a.art == Art::OhneZiffern)
            return textvergleich(t.cell(spalte, a.zeile), t.cell(spalte, b.zeile)) == 0;
        return true; // unreadable rows never get a placing of their own among numbers
    };

    m_gruppen.assign(static_cast<size_t>(gruppen.size()), Gruppe{});
    size_t anfang = 0;
    while (anfang < eintraege.size()) {
        size_t ende = anfang;
        Gruppe &g = m_gruppen[static_cast<size_t>(eintraege[anfang].gruppe)];
        while (ende < eintraege.size() && eintraege[ende].gruppe == eintraege[anfang].gruppe) {
            const Eintrag &e = eintraege[ende];
            if (e.art == Art::Zahl || e.art == Art::Unlesbar)
                ++g.mitZiffern;
            if (e.art == Art::Unlesbar && (g.ersteUnlesbare < 0 || e.zeile < g.ersteUnlesbare))
                g.ersteUnlesbare = e.zeile;
            ++ende;
        }
        size_t platzAb = anfang;
        for (size_t i = anfang; i < ende; ++i) {
            if (i > anfang && !gleich(eintraege[i], eintraege[platzAb]))
                platzAb = i;
            m_platz[static_cast<size_t>(eintraege[i].zeile)] = static_cast<int>(platzAb - anfang) + 1;
        }
        anfang = ende;
    }
}

int Laufwertung::platz(int r) const
{
    if (r < 1 || r >= static_cast<int>(m_platz.size()) || m_platz[static_cast<size_t>(r)] == 0)
        return 0;
    const size_t i = static_cast<size_t>(r);
    const Gruppe &g = m_gruppen[static_cast<size_t>(m_gruppe[i])];
    // Digits beyond the integer range fail as soon as they are compared with other digits:
    // the row's own first, otherwise those of the first such neighbour in table order.
    if (m_art[i] == Art::Unlesbar && g.mitZiffern > 1)
        throw m_fehler.at(r);
    if (m_art[i] == Art::Zahl && g.ersteUnlesbare >= 0)
        throw m_fehler.at(g.ersteUnlesbare);
    return m_platz[i];
}

int Laufwertung::punkte(int r) const
{
    const int p = platz(r);
    if (p == 0)
        return 0;
    // The points table and bonus cells are read once per placing; a failure repeats on every call.
    auto it = m_punkte.find(p);
    if (it == m_punkte.end()) {
        Punkte neu;
        try {
            neu.wert = punkteFuerPlatz(m_cup, m_lauf, p);
        } catch (const Konvertierungsfehler &f) {
            neu.fehler = f;
        }
        it = m_punkte.emplace(p, neu).first;
    }
    if (it->second.fehler)
        throw *it->second.fehler;
    return it->second.wert;
}

} // namespace tlt
