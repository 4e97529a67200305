#include "core/sortierung.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"

#include <algorithm>
#include <numeric>

namespace tlt {

namespace {

void setzeFix(Tabelle &t, bool mitDaten, int spalten)
{
    t.setFixedRows(mitDaten ? 1 : 0);
    if (spalten >= 0)
        t.setFixedCols(mitDaten ? spalten : 0);
}

// Row order 1..m of t after a stable sort by the given "comes before" relation of row numbers.
template<class Vor>
void sortiereZeilen(Tabelle &t, Vor vor)
{
    const int m = t.rowCount() - 1;
    if (m < 2)
        return;
    std::vector<int> folge(static_cast<size_t>(m));
    std::iota(folge.begin(), folge.end(), 1);
    std::stable_sort(folge.begin(), folge.end(), vor);
    t.permuteRows(1, folge);
}

int ergebnisvergleichLiteral(const QString &a, const QString &b, bool zeitlauf, bool absteigend);

} // namespace

void laufesort(Cup &cup)
{
    Tabelle &laufe = cup.laufe;
    const int n = laufe.colCount() - 1;
    if (n <= 0) {
        setzeFix(laufe, false, 0);
        return;
    }
    if (n >= 2) {
        // Dates compare as year, month, day. The cells themselves are not rewritten, so a date in
        // an unexpected form survives the sort unchanged.
        std::vector<QString> schluessel(static_cast<size_t>(n + 1));
        for (int c = 1; c <= n; ++c)
            schluessel[static_cast<size_t>(c)] = datumsschluessel(laufe.cell(c, 2));
        std::vector<int> folge(static_cast<size_t>(n));
        std::iota(folge.begin(), folge.end(), 1);
        std::stable_sort(folge.begin(), folge.end(), [&](int x, int y) {
            return textvergleich(schluessel[static_cast<size_t>(x)], schluessel[static_cast<size_t>(y)]) < 0;
        });
        if (!std::is_sorted(folge.begin(), folge.end())) {
            laufe.permuteCols(1, folge);
            // The result columns of teil move with their races, headings included.
            Tabelle &teil = cup.teil;
            if (teil.colCount() < 8 + n)
                teil.setColCount(8 + n);
            std::vector<int> teilfolge(folge.size());
            for (size_t i = 0; i < folge.size(); ++i)
                teilfolge[i] = folge[i] + 7;
            teil.permuteCols(8, teilfolge);
        }
    }
    for (int c = 1; c <= n; ++c)
        laufe.setCell(c, 0, QString::number(c));
    setzeFix(laufe, true, 1);
}

void cvsort(Tabelle &cv)
{
    sortiereZeilen(cv, [&](int x, int y) { return textvergleich(cv.cell(0, x), cv.cell(0, y)) < 0; });
    setzeFix(cv, cv.rowCount() > 1, -1);
}

void agsort(Tabelle &ag)
{
    const int m = ag.rowCount() - 1;
    if (m >= 2) {
        // All ages are read before anything moves, so a bad cell leaves the table as it was.
        std::vector<int> alter(static_cast<size_t>(m + 1));
        for (int r = 1; r <= m; ++r)
            alter[static_cast<size_t>(r)] = toInt(ag.cell(2, r));
        sortiereZeilen(ag, [&](int x, int y) { return alter[static_cast<size_t>(x)] < alter[static_cast<size_t>(y)]; });
    }
    setzeFix(ag, m >= 1, -1);
}

void pvsort(Tabelle &pv)
{
    const int m = pv.rowCount() - 1;
    if (m >= 2) {
        // Only the points move; the placings are then rewritten as the row numbers.
        std::vector<std::pair<int, QString>> punkte;
        punkte.reserve(static_cast<size_t>(m));
        for (int r = 1; r <= m; ++r)
            punkte.emplace_back(toInt(pv.cell(1, r)), pv.cell(1, r));
        std::stable_sort(punkte.begin(), punkte.end(), [](const auto &x, const auto &y) { return x.first > y.first; });
        for (int r = 1; r <= m; ++r) {
            pv.setCell(1, r, punkte[static_cast<size_t>(r - 1)].second);
            pv.setCell(0, r, QString::number(r));
        }
    }
    setzeFix(pv, m >= 1, -1);
}

void teilsort(Cup &cup, int richtung, int spalte)
{
    Tabelle &teil = cup.teil;
    const int m = teil.rowCount() - 1;
    const bool ab = richtung > 0;
    const bool zeitlauf = cup.laufe.cell(spalte - 7, 1) == kZeitlauf;
    // Interim: plain neighbour exchange.
    for (int i = m; i >= 2; --i)
        for (int u = 1; u < i; ++u) {
            const QString &a = teil.cell(spalte, u);
            const QString &b = teil.cell(spalte, u + 1);
            if (b.isEmpty())
                continue;
            bool tausch = false;
            if (spalte >= 8)
                tausch = ergebnisvergleichLiteral(a, b, zeitlauf, ab) > 0;
            else if (spalte == 3)
                tausch = ab ? textvergleich(a, b) > 0 : textvergleich(a, b) < 0;
            else if (spalte == 6)
                tausch = a.isEmpty() || (ab ? toInt(a) < toInt(b) : toInt(a) > toInt(b));
            else if (spalte == 2)
                tausch = ab ? codevergleich(datumsschluessel(a), datumsschluessel(b)) < 0
                            : codevergleich(datumsschluessel(a), datumsschluessel(b)) > 0;
            else
                tausch = ab ? textvergleich(a, b) < 0 : textvergleich(a, b) > 0;
            if (tausch)
                teil.swapRows(u, u + 1);
        }
    setzeFix(teil, m >= 1, 2);
}

namespace {
int ergebnisvergleichLiteral(const QString &a, const QString &b, bool zeitlauf, bool absteigend)
{
    const QString ka = ziffern(a), kb = ziffern(b);
    if (ka.isEmpty() && kb.isEmpty()) {
        if (a.isEmpty() != b.isEmpty())
            return a.isEmpty() ? 1 : -1;
        const int v = textvergleich(a, b);
        return absteigend ? -v : v;
    }
    if (ka.isEmpty())
        return 1;
    if (kb.isEmpty())
        return -1;
    const qint64 x = ka.toLongLong(), y = kb.toLongLong();
    int v = x < y ? -1 : (x > y ? 1 : 0);
    if (!zeitlauf)
        v = -v;
    return absteigend ? -v : v;
}
} // namespace

void deleterow(Tabelle &t, int r)
{
    const int n = t.rowCount();
    if (r < 0 || r >= n)
        return;
    if (r < n - 1) {
        std::vector<int> folge;
        folge.reserve(static_cast<size_t>(n - r));
        for (int i = r + 1; i < n; ++i)
            folge.push_back(i);
        folge.push_back(r);
        t.permuteRows(r, folge);
    }
    t.setRowCount(n - 1);
}

void deletecol(Tabelle &t, int c)
{
    const int n = t.colCount();
    if (c < 0 || c >= n)
        return;
    if (c < n - 1) {
        std::vector<int> folge;
        folge.reserve(static_cast<size_t>(n - c));
        for (int i = c + 1; i < n; ++i)
            folge.push_back(i);
        folge.push_back(c);
        t.permuteCols(c, folge);
    }
    t.setColCount(n - 1);
}

} // namespace tlt
