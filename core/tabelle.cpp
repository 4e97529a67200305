#include "core/tabelle.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <unordered_map>
#include <utility>

namespace tlt {

namespace {
const QString kLeer;

Kennung neueKennung()
{
    static std::atomic<Kennung> zaehler{0};
    return ++zaehler;
}

// Position of every identity, for replaying many changes at once.
std::unordered_map<Kennung, int> positionen(const std::vector<Kennung> &ids)
{
    std::unordered_map<Kennung, int> m;
    m.reserve(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        m.emplace(ids[i], static_cast<int>(i));
    return m;
}

// Leaves out the elements at both ends that stay where they are, so that moving one column among
// fifty touches only the columns in between.
void kuerzen(int &first, std::vector<int> &folge)
{
    size_t vorn = 0;
    while (vorn < folge.size() && folge[vorn] == first + static_cast<int>(vorn))
        ++vorn;
    size_t hinten = folge.size();
    while (hinten > vorn && folge[hinten - 1] == first + static_cast<int>(hinten - 1))
        --hinten;
    if (vorn == 0 && hinten == folge.size())
        return;
    folge = std::vector<int>(folge.begin() + static_cast<std::ptrdiff_t>(vorn),
                             folge.begin() + static_cast<std::ptrdiff_t>(hinten));
    first += static_cast<int>(vorn);
}

bool istIdentitaet(int first, const std::vector<int> &folge)
{
    for (size_t i = 0; i < folge.size(); ++i)
        if (folge[i] != first + static_cast<int>(i))
            return false;
    return true;
}
} // namespace

Tabelle::Tabelle(int spalten, int zeilen)
{
    setColCount(spalten);
    setRowCount(zeilen);
}

Tabellenprotokoll *Tabelle::protokoll(bool form)
{
    Tabellenprotokoll *p = m_aufzeichnung.p;
    if (p && form && !p->formGeaendert) {
        p->formGeaendert = true;
        p->zeilenVorher = m_zeilenIds;
        p->spaltenVorher = m_spaltenIds;
    }
    return p;
}

void Tabelle::setProtokoll(Tabellenprotokoll *p)
{
    m_aufzeichnung.p = p;
}

void Tabelle::protokollAbschliessen(Tabellenprotokoll &p) const
{
    if (p.formGeaendert) {
        p.zeilenNachher = m_zeilenIds;
        p.spaltenNachher = m_spaltenIds;
    }
}

// ---------------------------------------------------------------- raw changes

void Tabelle::zeilenAnhaengen(int anzahl, const std::vector<Kennung> *ids,
                              const std::vector<std::vector<QString>> *zellen)
{
    for (int i = 0; i < anzahl; ++i) {
        const size_t k = static_cast<size_t>(i);
        m_zeilenIds.push_back(ids && k < ids->size() ? (*ids)[k] : neueKennung());
        std::vector<QString> z = zellen && k < zellen->size() ? (*zellen)[k] : std::vector<QString>();
        z.resize(static_cast<size_t>(m_spalten));
        m_zeilen.push_back(std::move(z));
    }
    ++m_revision;
    ++m_formRevision;
}

void Tabelle::zeilenAbschneiden(int n, std::vector<Kennung> *ids, std::vector<std::vector<QString>> *zellen)
{
    const size_t neu = static_cast<size_t>(std::max(0, n));
    if (neu >= m_zeilen.size())
        return;
    if (ids)
        ids->assign(m_zeilenIds.begin() + static_cast<std::ptrdiff_t>(neu), m_zeilenIds.end());
    if (zellen)
        zellen->assign(std::make_move_iterator(m_zeilen.begin() + static_cast<std::ptrdiff_t>(neu)),
                       std::make_move_iterator(m_zeilen.end()));
    m_zeilen.resize(neu);
    m_zeilenIds.resize(neu);
    ++m_revision;
    ++m_formRevision;
}

void Tabelle::spaltenAnhaengen(int anzahl, const std::vector<Kennung> *ids,
                               const std::vector<std::vector<QString>> *zellen)
{
    const size_t alt = static_cast<size_t>(m_spalten);
    for (int i = 0; i < anzahl; ++i) {
        const size_t k = static_cast<size_t>(i);
        m_spaltenIds.push_back(ids && k < ids->size() ? (*ids)[k] : neueKennung());
    }
    m_spalten += anzahl;
    for (size_t r = 0; r < m_zeilen.size(); ++r) {
        auto &z = m_zeilen[r];
        z.resize(static_cast<size_t>(m_spalten));
        if (zellen)
            for (size_t k = 0; k < zellen->size() && k < static_cast<size_t>(anzahl); ++k)
                if (r < (*zellen)[k].size())
                    z[alt + k] = (*zellen)[k][r];
    }
    ++m_revision;
    ++m_formRevision;
}

void Tabelle::spaltenAbschneiden(int n, std::vector<Kennung> *ids, std::vector<std::vector<QString>> *zellen)
{
    n = std::max(0, n);
    if (n >= m_spalten)
        return;
    const size_t neu = static_cast<size_t>(n);
    if (ids)
        ids->assign(m_spaltenIds.begin() + static_cast<std::ptrdiff_t>(neu), m_spaltenIds.end());
    if (zellen) {
        zellen->assign(static_cast<size_t>(m_spalten - n), std::vector<QString>(m_zeilen.size()));
        for (size_t r = 0; r < m_zeilen.size(); ++r)
            for (size_t k = neu; k < static_cast<size_t>(m_spalten); ++k)
                (*zellen)[k - neu][r] = std::move(m_zeilen[r][k]);
    }
    m_spalten = n;
    m_spaltenIds.resize(neu);
    for (auto &z : m_zeilen)
        z.resize(neu);
    ++m_revision;
    ++m_formRevision;
}

void Tabelle::zeilenPermutieren(int first, const std::vector<int> &reihenfolge)
{
    std::vector<std::vector<QString>> neu;
    std::vector<Kennung> ids;
    neu.reserve(reihenfolge.size());
    ids.reserve(reihenfolge.size());
    for (int alt : reihenfolge) {
        neu.push_back(std::move(m_zeilen[static_cast<size_t>(alt)]));
        ids.push_back(m_zeilenIds[static_cast<size_t>(alt)]);
    }
    for (size_t i = 0; i < neu.size(); ++i) {
        m_zeilen[static_cast<size_t>(first) + i] = std::move(neu[i]);
        m_zeilenIds[static_cast<size_t>(first) + i] = ids[i];
    }
    ++m_revision;
}

void Tabelle::spaltenPermutieren(int first, const std::vector<int> &reihenfolge)
{
    std::vector<QString> puffer(reihenfolge.size());
    for (auto &z : m_zeilen) {
        for (size_t i = 0; i < reihenfolge.size(); ++i)
            puffer[i] = std::move(z[static_cast<size_t>(reihenfolge[i])]);
        for (size_t i = 0; i < puffer.size(); ++i)
            z[static_cast<size_t>(first) + i] = std::move(puffer[i]);
    }
    std::vector<Kennung> ids(reihenfolge.size());
    for (size_t i = 0; i < reihenfolge.size(); ++i)
        ids[i] = m_spaltenIds[static_cast<size_t>(reihenfolge[i])];
    for (size_t i = 0; i < ids.size(); ++i)
        m_spaltenIds[static_cast<size_t>(first) + i] = ids[i];
    ++m_revision;
}

namespace {
// The order (as for permuting from 0) that brings the elements with the identities aktuell into the
// order ids; empty when that is their order already or ids is no reordering of them.
std::vector<int> folgeNach(const std::vector<Kennung> &aktuell, const std::vector<Kennung> &ids)
{
    if (ids == aktuell || ids.size() != aktuell.size())
        return {};
    const auto pos = positionen(aktuell);
    std::vector<int> folge(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        const auto t = pos.find(ids[i]);
        if (t == pos.end())
            return {};
        folge[i] = t->second;
    }
    return folge;
}
} // namespace

void Tabelle::zeilenOrdnen(const std::vector<Kennung> &ids)
{
    const std::vector<int> folge = folgeNach(m_zeilenIds, ids);
    if (!folge.empty())
        zeilenPermutieren(0, folge);
}

void Tabelle::spaltenOrdnen(const std::vector<Kennung> &ids)
{
    const std::vector<int> folge = folgeNach(m_spaltenIds, ids);
    if (!folge.empty())
        spaltenPermutieren(0, folge);
}

// ---------------------------------------------------------------- recorded changes

void Tabelle::setColCount(int n)
{
    n = std::max(0, n);
    if (n == m_spalten)
        return;
    if (Tabellenprotokoll *p = protokoll(true)) {
        Tabellenaenderung s;
        s.art = Tabellenaenderung::Art::Spaltenzahl;
        s.a = m_spalten;
        s.b = n;
        if (n > m_spalten) {
            spaltenAnhaengen(n - m_spalten, nullptr, nullptr);
            s.ids.assign(m_spaltenIds.begin() + s.a, m_spaltenIds.end());
        } else {
            spaltenAbschneiden(n, &s.ids, &s.zellen);
        }
        p->schritte.push_back(std::move(s));
        return;
    }
    if (n > m_spalten)
        spaltenAnhaengen(n - m_spalten, nullptr, nullptr);
    else
        spaltenAbschneiden(n, nullptr, nullptr);
}

void Tabelle::setRowCount(int n)
{
    n = std::max(0, n);
    const int alt = rowCount();
    if (n == alt)
        return;
    if (Tabellenprotokoll *p = protokoll(true)) {
        Tabellenaenderung s;
        s.art = Tabellenaenderung::Art::Zeilenzahl;
        s.a = alt;
        s.b = n;
        if (n > alt) {
            zeilenAnhaengen(n - alt, nullptr, nullptr);
            s.ids.assign(m_zeilenIds.begin() + alt, m_zeilenIds.end());
        } else {
            zeilenAbschneiden(n, &s.ids, &s.zellen);
        }
        p->schritte.push_back(std::move(s));
        return;
    }
    if (n > alt)
        zeilenAnhaengen(n - alt, nullptr, nullptr);
    else
        zeilenAbschneiden(n, nullptr, nullptr);
}

const QString &Tabelle::cell(int spalte, int zeile) const
{
    if (spalte < 0 || zeile < 0 || spalte >= m_spalten || zeile >= rowCount())
        return kLeer;
    return m_zeilen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
}

void Tabelle::setCell(int spalte, int zeile, const QString &text)
{
    if (spalte < 0 || zeile < 0 || spalte >= m_spalten || zeile >= rowCount())
        return;
    QString &z = m_zeilen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
    if (Tabellenprotokoll *p = protokoll(false)) {
        if (z == text)
            return;
        Tabellenaenderung s;
        s.art = Tabellenaenderung::Art::Zelle;
        s.a = spalte;
        s.b = zeile;
        s.spaltenId = m_spaltenIds[static_cast<size_t>(spalte)];
        s.zeilenId = m_zeilenIds[static_cast<size_t>(zeile)];
        s.alt = z;
        s.neu = text;
        p->schritte.push_back(std::move(s));
    }
    z = text;
    ++m_revision;
}

void Tabelle::swapRows(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= rowCount() || b >= rowCount())
        return;
    if (Tabellenprotokoll *p = protokoll(true)) {
        Tabellenaenderung s;
        s.art = Tabellenaenderung::Art::Zeilentausch;
        s.a = a;
        s.b = b;
        p->schritte.push_back(std::move(s));
    }
    std::swap(m_zeilen[static_cast<size_t>(a)], m_zeilen[static_cast<size_t>(b)]);
    std::swap(m_zeilenIds[static_cast<size_t>(a)], m_zeilenIds[static_cast<size_t>(b)]);
    ++m_revision;
}

void Tabelle::swapCols(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= m_spalten || b >= m_spalten)
        return;
    if (Tabellenprotokoll *p = protokoll(true)) {
        Tabellenaenderung s;
        s.art = Tabellenaenderung::Art::Spaltentausch;
        s.a = a;
        s.b = b;
        p->schritte.push_back(std::move(s));
    }
    for (auto &z : m_zeilen)
        std::swap(z[static_cast<size_t>(a)], z[static_cast<size_t>(b)]);
    std::swap(m_spaltenIds[static_cast<size_t>(a)], m_spaltenIds[static_cast<size_t>(b)]);
    ++m_revision;
}

void Tabelle::permuteRows(int first, const std::vector<int> &folge)
{
    permutieren(Tabellenaenderung::Art::Zeilenfolge, first, folge);
}

void Tabelle::permuteCols(int first, const std::vector<int> &folge)
{
    permutieren(Tabellenaenderung::Art::Spaltenfolge, first, folge);
}

void Tabelle::permutieren(Tabellenaenderung::Art art, int first, const std::vector<int> &folge)
{
    if (istIdentitaet(first, folge))
        return;
    std::vector<int> reihenfolge = folge;
    kuerzen(first, reihenfolge);
    if (Tabellenprotokoll *p = protokoll(true)) {
        Tabellenaenderung s;
        s.art = art;
        s.a = first;
        s.folge = reihenfolge;
        p->schritte.push_back(std::move(s));
    }
    if (art == Tabellenaenderung::Art::Zeilenfolge)
        zeilenPermutieren(first, reihenfolge);
    else
        spaltenPermutieren(first, reihenfolge);
}

// ---------------------------------------------------------------- replay

void Tabelle::anwenden(const Tabellenaenderung &s, bool rueckwaerts, int spalte, int zeile)
{
    using Art = Tabellenaenderung::Art;
    switch (s.art) {
    case Art::Zelle:
        if (spalte >= 0 && zeile >= 0 && spalte < m_spalten && zeile < rowCount()) {
            m_zeilen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] = rueckwaerts ? s.alt : s.neu;
            ++m_revision;
        }
        break;
    case Art::Zeilenzahl: {
        const int von = rueckwaerts ? s.b : s.a;
        const int nach = rueckwaerts ? s.a : s.b;
        if (nach > von)
            zeilenAnhaengen(nach - von, &s.ids, rueckwaerts ? &s.zellen : nullptr);
        else
            zeilenAbschneiden(nach, nullptr, nullptr);
        break;
    }
    case Art::Spaltenzahl: {
        const int von = rueckwaerts ? s.b : s.a;
        const int nach = rueckwaerts ? s.a : s.b;
        if (nach > von)
            spaltenAnhaengen(nach - von, &s.ids, rueckwaerts ? &s.zellen : nullptr);
        else
            spaltenAbschneiden(nach, nullptr, nullptr);
        break;
    }
    case Art::Zeilenfolge:
    case Art::Spaltenfolge: {
        std::vector<int> folge = s.folge;
        if (rueckwaerts)
            for (size_t i = 0; i < s.folge.size(); ++i)
                folge[static_cast<size_t>(s.folge[i] - s.a)] = s.a + static_cast<int>(i);
        if (s.art == Art::Zeilenfolge)
            zeilenPermutieren(s.a, folge);
        else
            spaltenPermutieren(s.a, folge);
        break;
    }
    case Art::Zeilentausch:
        std::swap(m_zeilen[static_cast<size_t>(s.a)], m_zeilen[static_cast<size_t>(s.b)]);
        std::swap(m_zeilenIds[static_cast<size_t>(s.a)], m_zeilenIds[static_cast<size_t>(s.b)]);
        ++m_revision;
        break;
    case Art::Spaltentausch:
        for (auto &z : m_zeilen)
            std::swap(z[static_cast<size_t>(s.a)], z[static_cast<size_t>(s.b)]);
        std::swap(m_spaltenIds[static_cast<size_t>(s.a)], m_spaltenIds[static_cast<size_t>(s.b)]);
        ++m_revision;
        break;
    }
}

void Tabelle::abspielen(const Tabellenprotokoll &p, bool rueckwaerts)
{
    Tabellenprotokoll *aufzeichnung = m_aufzeichnung.p;
    m_aufzeichnung.p = nullptr;
    const bool nachPosition = p.formGeaendert;
    if (nachPosition) {
        // Rows and columns stand exactly where they stood when the changes were made.
        zeilenOrdnen(rueckwaerts ? p.zeilenNachher : p.zeilenVorher);
        spaltenOrdnen(rueckwaerts ? p.spaltenNachher : p.spaltenVorher);
    }
    // Cell changes of a table that kept its shape are found by identity; many of them through a map.
    std::unordered_map<Kennung, int> zeilen, spalten;
    const bool karte = !nachPosition && p.schritte.size() > 16;
    if (karte) {
        zeilen = positionen(m_zeilenIds);
        spalten = positionen(m_spaltenIds);
    }
    auto finde = [&](const std::unordered_map<Kennung, int> &m, const std::vector<Kennung> &ids, Kennung id) {
        if (karte) {
            const auto t = m.find(id);
            return t == m.end() ? -1 : t->second;
        }
        const auto t = std::find(ids.begin(), ids.end(), id);
        return t == ids.end() ? -1 : static_cast<int>(t - ids.begin());
    };
    auto eins = [&](const Tabellenaenderung &s) {
        int spalte = s.a, zeile = s.b;
        if (s.art == Tabellenaenderung::Art::Zelle && !nachPosition) {
            spalte = finde(spalten, m_spaltenIds, s.spaltenId);
            zeile = finde(zeilen, m_zeilenIds, s.zeilenId);
        }
        anwenden(s, rueckwaerts, spalte, zeile);
    };
    if (rueckwaerts)
        for (auto it = p.schritte.rbegin(); it != p.schritte.rend(); ++it)
            eins(*it);
    else
        for (const auto &s : p.schritte)
            eins(s);
    m_aufzeichnung.p = aufzeichnung;
}

// ---------------------------------------------------------------- identities

Kennung Tabelle::rowId(int zeile) const
{
    return zeile >= 0 && zeile < rowCount() ? m_zeilenIds[static_cast<size_t>(zeile)] : 0;
}

Kennung Tabelle::colId(int spalte) const
{
    return spalte >= 0 && spalte < m_spalten ? m_spaltenIds[static_cast<size_t>(spalte)] : 0;
}

int Tabelle::rowOf(Kennung id) const
{
    if (id == 0)
        return -1;
    const auto t = std::find(m_zeilenIds.begin(), m_zeilenIds.end(), id);
    return t == m_zeilenIds.end() ? -1 : static_cast<int>(t - m_zeilenIds.begin());
}

int Tabelle::colOf(Kennung id) const
{
    if (id == 0)
        return -1;
    const auto t = std::find(m_spaltenIds.begin(), m_spaltenIds.end(), id);
    return t == m_spaltenIds.end() ? -1 : static_cast<int>(t - m_spaltenIds.begin());
}

} // namespace tlt
