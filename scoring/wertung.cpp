#include "scoring/wertung.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"

#include <QHash>
#include <algorithm>
#include <limits>
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
    if (t.cell(Teilspalte::Altersgruppe, a) != t.cell(Teilspalte::Altersgruppe, b))
        return false;
    return !mitCupvarianten(cup) || t.cell(Teilspalte::Cupvariation, a) == t.cell(Teilspalte::Cupvariation, b);
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
        // A value that cannot be read is named: the row's own, else the neighbour's.
        if (istLeistung(anderer) &&
            amOrt([&] { return besser(cup, k, eigen, anderer); },
                  [&] { return cup.ortErgebnis(k, istInt(ziffern(eigen)) ? i : r); }))
            ++platz;
    }
    return platz;
}

int punkteFuerPlatz(const Cup &cup, int k, int platz)
{
    const int tabelle = platz >= 1 && platz < cup.pv.rowCount()
                            ? amOrt([&] { return toInt(cup.pv.cell(Pvspalte::Punkte, platz)); },
                                    [&] { return cup.ortPunkte(platz); })
                            : 0;
    const int faktor = amOrt([&] { return zelleOder(cup.laufe.cell(k, Laufzeile::Bonusfaktor), 1); },
                             [&] { return cup.ortLauf(k) + QStringLiteral(", Bonusfaktor"); });
    const int summand = amOrt([&] { return zelleOder(cup.laufe.cell(k, Laufzeile::Bonussummand), 0); },
                              [&] { return cup.ortLauf(k) + QStringLiteral(", Bonussummand"); });
    // Unsigned arithmetic wraps instead of overflowing; real tables stay far below the limit.
    return static_cast<int>(static_cast<unsigned>(tabelle) * static_cast<unsigned>(faktor) +
                            static_cast<unsigned>(summand));
}

int laufpunkte(const Cup &cup, int k, int r)
{
    const int platz = platzierung(cup, k, r);
    return platz == 0 ? 0 : punkteFuerPlatz(cup, k, platz);
}

// --- Laufwertungen ------------------------------------------------------------------------

namespace {

// The kind and digit value of an entry in one pass, as ziffern() and toInt() would give them.
Laufwertungen::Art einordnen(const QString &e, int &wert)
{
    if (e.isEmpty())
        return Laufwertungen::Art::Leer;
    if (istCode(e))
        return Laufwertungen::Art::Code;
    qint64 v = 0;
    bool ziffer = false;
    for (QChar c : e) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') {
            ziffer = true;
            if (v <= std::numeric_limits<int>::max())
                v = v * 10 + (u - '0');
        }
    }
    if (!ziffer)
        return Laufwertungen::Art::OhneZiffern;
    if (v > std::numeric_limits<int>::max())
        return Laufwertungen::Art::Unlesbar;
    wert = static_cast<int>(v);
    return Laufwertungen::Art::Zahl;
}

} // namespace

Ergebnisvergleich::Ergebnisvergleich(const Cup &cup, int k)
    : m_cup(cup), m_spalte(Cup::ergebnisspalte(k)), m_zeitlauf(istZeitlauf(cup, k)),
      m_schluessel(static_cast<size_t>(std::max(cup.teil.rowCount(), 1)))
{
    for (int r = 1; r < cup.teil.rowCount(); ++r) {
        Schluessel &s = m_schluessel[static_cast<size_t>(r)];
        const Laufwertungen::Art art = einordnen(cup.teil.cell(m_spalte, r), s.wert);
        s.ziffern = art == Laufwertungen::Art::Zahl || art == Laufwertungen::Art::Unlesbar;
        s.lesbar = art == Laufwertungen::Art::Zahl;
    }
}

bool Ergebnisvergleich::operator()(int a, int b) const
{
    const Schluessel &x = m_schluessel[static_cast<size_t>(a)];
    const Schluessel &y = m_schluessel[static_cast<size_t>(b)];
    if (x.ziffern && y.ziffern) {
        // An unreadable number fails here with the message besser() gives, the first entry first.
        if (!x.lesbar)
            toInt(ziffern(m_cup.teil.cell(m_spalte, a)));
        if (!y.lesbar)
            toInt(ziffern(m_cup.teil.cell(m_spalte, b)));
        return m_zeitlauf ? y.wert < x.wert : y.wert > x.wert;
    }
    if (y.ziffern)
        return true;
    if (x.ziffern)
        return false;
    const QString &xs = m_cup.teil.cell(m_spalte, a);
    const QString &ys = m_cup.teil.cell(m_spalte, b);
    if (ys.isEmpty())
        return false;
    if (xs.isEmpty())
        return true;
    return textvergleich(xs, ys) > 0;
}

Laufwertungen::Laufwertungen(const Cup &cup, int von, int bis)
    : m_cup(cup), m_von(von), m_bis(std::max(bis, von - 1)), m_zeilen(std::max(cup.teil.rowCount(), 1))
{
    const Tabelle &t = cup.teil;
    const int laeufe = m_bis - m_von + 1;
    const size_t zellen = static_cast<size_t>(laeufe) * static_cast<size_t>(m_zeilen);
    m_art.assign(zellen, Art::Leer);
    m_platz.assign(zellen, 0);
    m_gruppe.assign(static_cast<size_t>(m_zeilen), -1);
    std::vector<int> schluessel(zellen, 0);

    // One pass over the rows: group of each row, kind and value of each entry.
    const bool varianten = mitCupvarianten(cup);
    QHash<std::pair<QString, QString>, int> gruppen;
    for (int r = 1; r < t.rowCount(); ++r) {
        const std::pair<QString, QString> name{t.cell(Teilspalte::Altersgruppe, r),
                                               varianten ? t.cell(Teilspalte::Cupvariation, r) : QString()};
        auto g = gruppen.find(name);
        if (g == gruppen.end())
            g = gruppen.insert(name, static_cast<int>(gruppen.size()));
        m_gruppe[static_cast<size_t>(r)] = g.value();
        const std::vector<QString> &zeile = t.row(r);
        for (int k = m_von; k <= m_bis; ++k) {
            const size_t spalte = static_cast<size_t>(Cup::ergebnisspalte(k));
            if (k < 1 || spalte >= zeile.size())
                continue;
            const size_t i = index(k, r);
            m_art[i] = einordnen(zeile[spalte], schluessel[i]);
        }
    }
    m_gruppen = static_cast<int>(gruppen.size());
    m_gruppeninfo.assign(static_cast<size_t>(laeufe) * static_cast<size_t>(m_gruppen), Gruppe{});
    m_punktwerte.resize(static_cast<size_t>(laeufe));
    m_punktstand.resize(static_cast<size_t>(laeufe));
    for (int k = m_von; k <= m_bis; ++k)
        platzieren(k, schluessel);
}

void Laufwertungen::platzieren(int k, const std::vector<int> &schluessel)
{
    const Tabelle &t = m_cup.teil;
    const int spalte = Cup::ergebnisspalte(k);
    const bool zeitlauf = istZeitlauf(m_cup, k);

    // One 64-bit sort key per scored row: group, then readable numbers best first, unreadable
    // numbers, then results without digits (ordered among themselves below).
    struct Schluessel {
        quint64 wert;
        int zeile;
    };
    std::vector<Schluessel> zeilen;
    zeilen.reserve(static_cast<size_t>(m_zeilen));
    for (int r = 1; r < m_zeilen; ++r) {
        const size_t i = index(k, r);
        quint64 rang;
        quint64 v = 0;
        switch (m_art[i]) {
        case Art::Zahl:
            rang = 0;
            v = static_cast<quint64>(zeitlauf ? schluessel[i] : std::numeric_limits<int>::max() - schluessel[i]);
            break;
        case Art::Unlesbar:
            rang = 1;
            break;
        case Art::OhneZiffern:
            rang = 2;
            break;
        default:
            continue;
        }
        zeilen.push_back({static_cast<quint64>(m_gruppe[static_cast<size_t>(r)]) << 34 | rang << 32 | v, r});
    }
    // Rows by group first (a counting sort), then each group by its keys: small sorts instead of one large one.
    std::vector<int> anzahl(static_cast<size_t>(m_gruppen) + 1, 0);
    for (const Schluessel &z : zeilen)
        ++anzahl[static_cast<size_t>(z.wert >> 34) + 1];
    for (size_t g = 1; g < anzahl.size(); ++g)
        anzahl[g] += anzahl[g - 1];
    std::vector<Schluessel> geordnet(zeilen.size());
    std::vector<int> pos(anzahl.begin(), anzahl.end() - 1);
    for (const Schluessel &z : zeilen)
        geordnet[static_cast<size_t>(pos[static_cast<size_t>(z.wert >> 34)]++)] = z;
    zeilen.swap(geordnet);
    for (size_t g = 0; g + 1 < anzahl.size(); ++g)
        if (anzahl[g + 1] - anzahl[g] > 1)
            std::sort(zeilen.begin() + anzahl[g], zeilen.begin() + anzahl[g + 1],
                      [](const Schluessel &a, const Schluessel &b) { return a.wert < b.wert; });

    auto text = [&](int r) -> const QString & { return t.cell(spalte, r); };
    size_t anfang = 0;
    while (anfang < zeilen.size()) {
        const quint64 g = zeilen[anfang].wert >> 34;
        Gruppe &info =
            m_gruppeninfo[static_cast<size_t>(k - m_von) * static_cast<size_t>(m_gruppen) + static_cast<size_t>(g)];
        size_t ende = anfang;
        while (ende < zeilen.size() && zeilen[ende].wert >> 34 == g)
            ++ende;
        // Results without digits stand alphabetically behind all numbers (only a-z folded).
        size_t ohneZiffern = ende;
        while (ohneZiffern > anfang && (zeilen[ohneZiffern - 1].wert >> 32 & 3) == 2)
            --ohneZiffern;
        if (ende - ohneZiffern > 1)
            std::stable_sort(zeilen.begin() + static_cast<std::ptrdiff_t>(ohneZiffern),
                             zeilen.begin() + static_cast<std::ptrdiff_t>(ende),
                             [&](const Schluessel &a, const Schluessel &b) {
                                 return textvergleich(text(a.zeile), text(b.zeile)) < 0;
                             });

        size_t platzAb = anfang;
        for (size_t j = anfang; j < ende; ++j) {
            const int r = zeilen[j].zeile;
            const Art a = m_art[index(k, r)];
            if (a == Art::Zahl || a == Art::Unlesbar)
                ++info.mitZiffern;
            if (a == Art::Unlesbar) {
                if (info.ersteUnlesbare < 0 || r < info.ersteUnlesbare)
                    info.ersteUnlesbare = r;
                // The message as the integer reading gives it, kept for when the placing is asked for.
                try {
                    toInt(ziffern(text(r)));
                } catch (Konvertierungsfehler &f) {
                    f.setOrt(m_cup.ortErgebnis(k, r));
                    m_fehler.emplace(index(k, r), f);
                }
            }
            if (j > anfang) {
                const Schluessel &vorn = zeilen[platzAb];
                bool gleich = zeilen[j].wert == vorn.wert;
                if (gleich && a == Art::OhneZiffern)
                    gleich = textvergleich(text(r), text(vorn.zeile)) == 0;
                if (!gleich)
                    platzAb = j;
            }
            m_platz[index(k, r)] = static_cast<int>(platzAb - anfang) + 1;
        }
        anfang = ende;
    }
}

int Laufwertungen::platz(int k, int r) const
{
    if (k < m_von || k > m_bis || r < 1 || r >= m_zeilen)
        return 0;
    const size_t i = index(k, r);
    if (m_platz[i] == 0)
        return 0;
    const Gruppe &g = m_gruppeninfo[static_cast<size_t>(k - m_von) * static_cast<size_t>(m_gruppen) +
                                    static_cast<size_t>(m_gruppe[static_cast<size_t>(r)])];
    // Digits beyond the integer range fail as soon as they are compared with other digits:
    // the row's own first, otherwise those of the first such neighbour in table order.
    if (m_art[i] == Art::Unlesbar && g.mitZiffern > 1)
        throw m_fehler.at(i);
    if (m_art[i] == Art::Zahl && g.ersteUnlesbare >= 0)
        throw m_fehler.at(index(k, g.ersteUnlesbare));
    return m_platz[i];
}

int Laufwertungen::punkte(int k, int r) const
{
    const int p = platz(k, r);
    if (p == 0)
        return 0;
    // The points table and bonus cells are read once per race and placing; a failure repeats on
    // every call, as reading the cells again would.
    std::vector<int> &werte = m_punktwerte[static_cast<size_t>(k - m_von)];
    std::vector<unsigned char> &stand = m_punktstand[static_cast<size_t>(k - m_von)];
    const size_t i = static_cast<size_t>(p);
    if (i >= stand.size()) {
        stand.resize(i + 1, 0);
        werte.resize(i + 1, 0);
    }
    if (stand[i] == 0) {
        try {
            werte[i] = punkteFuerPlatz(m_cup, k, p);
            stand[i] = 1;
        } catch (const Konvertierungsfehler &f) {
            stand[i] = 2;
            m_punktfehler.emplace(index(k, p), f); // a placing never exceeds the row count
        }
    }
    if (stand[i] == 2)
        throw m_punktfehler.at(index(k, p));
    return werte[i];
}

} // namespace tlt
