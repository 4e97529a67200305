#include "core/sortierung.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace tlt {

namespace {

// Row order 1..m of t after a stable sort by the given "comes before" relation of row numbers.
template <class Vor> void sortiereZeilen(Tabelle &t, Vor vor)
{
    const int m = t.rowCount() - 1;
    if (m < 2)
        return;
    std::vector<int> folge(static_cast<size_t>(m));
    std::iota(folge.begin(), folge.end(), 1);
    std::stable_sort(folge.begin(), folge.end(), vor);
    t.permuteRows(1, folge);
}

} // namespace

void laufesort(Cup &cup)
{
    Tabelle &laufe = cup.laufe;
    const int n = laufe.colCount() - 1;
    if (n <= 0)
        return;
    if (n >= 2) {
        // Dates compare as year, month, day. The cells themselves are not rewritten, so a date in
        // an unexpected form survives the sort unchanged.
        std::vector<QString> schluessel(static_cast<size_t>(n + 1));
        for (int c = 1; c <= n; ++c)
            schluessel[static_cast<size_t>(c)] = datumsschluessel(laufe.cell(c, Laufzeile::Datum));
        std::vector<int> folge(static_cast<size_t>(n));
        std::iota(folge.begin(), folge.end(), 1);
        std::stable_sort(folge.begin(), folge.end(), [&](int x, int y) {
            return textvergleich(schluessel[static_cast<size_t>(x)], schluessel[static_cast<size_t>(y)]) < 0;
        });
        if (!std::is_sorted(folge.begin(), folge.end())) {
            laufe.permuteCols(1, folge);
            // The result columns of teil move with their races, headings included.
            Tabelle &teil = cup.teil;
            if (teil.colCount() < Cup::ergebnisspalte(n) + 1)
                teil.setColCount(Cup::ergebnisspalte(n) + 1);
            std::vector<int> teilfolge(folge.size());
            for (size_t i = 0; i < folge.size(); ++i)
                teilfolge[i] = Cup::ergebnisspalte(folge[i]);
            teil.permuteCols(Cup::ergebnisspalte(1), teilfolge);
        }
    }
    for (int c = 1; c <= n; ++c)
        laufe.setCell(c, Laufzeile::Nummer, QString::number(c));
}

void cvsort(Tabelle &cv)
{
    sortiereZeilen(
        cv, [&](int x, int y) { return textvergleich(cv.cell(Cvspalte::Name, x), cv.cell(Cvspalte::Name, y)) < 0; });
}

void agsort(Tabelle &ag)
{
    const int m = ag.rowCount() - 1;
    if (m >= 2) {
        // All ages are read before anything moves, so a bad cell leaves the table as it was.
        std::vector<int> alter(static_cast<size_t>(m + 1));
        for (int r = 1; r <= m; ++r)
            alter[static_cast<size_t>(r)] = maximalalter(ag, r);
        sortiereZeilen(ag, [&](int x, int y) { return alter[static_cast<size_t>(x)] < alter[static_cast<size_t>(y)]; });
    }
}

void pvsort(Tabelle &pv)
{
    const int m = pv.rowCount() - 1;
    if (m >= 2) {
        // Only the points move; the placings are then rewritten as the row numbers.
        std::vector<std::pair<int, QString>> punkte;
        punkte.reserve(static_cast<size_t>(m));
        for (int r = 1; r <= m; ++r)
            punkte.emplace_back(toInt(pv.cell(Pvspalte::Punkte, r)), pv.cell(Pvspalte::Punkte, r));
        std::stable_sort(punkte.begin(), punkte.end(), [](const auto &x, const auto &y) { return x.first > y.first; });
        for (int r = 1; r <= m; ++r) {
            pv.setCell(Pvspalte::Punkte, r, punkte[static_cast<size_t>(r - 1)].second);
            pv.setCell(Pvspalte::Platz, r, QString::number(r));
        }
    }
}

namespace {

// The neighbour-exchange sort exchanges an upper cell A and a lower cell B when B is not empty and
// B comes before A in the column's order. Every column's order is a strict weak order in which the
// empty cell has a key of its own, so its result is:
//  - first the rows in front of the first empty cell together with every row whose key comes
//    before the empty key (empty cells sink past those), sorted stably;
//  - then each empty cell in turn, followed by the other rows of the run below it, sorted stably:
//    an empty cell never moves up, and a row whose key does not come before the empty key never
//    crosses an empty cell in either direction.
// When the empty key comes last this is a plain stable sort; when it comes first the empty cells
// are fixed barriers; the age-group column can have keys on both sides of the empty cell's key.
// The rows are walked in the order given; vor(i, j) compares the keys of rows i and j; index 0
// stands for the empty cell.
template <class Leer, class Vor>
std::vector<int> folgeMitLeerzellen(const std::vector<int> &zeilen, Leer leer, Vor vor)
{
    std::vector<int> vorn;
    std::vector<int> rest;
    std::vector<size_t> laufStart;
    vorn.reserve(zeilen.size());
    for (int r : zeilen) {
        if (leer(r)) {
            laufStart.push_back(rest.size());
            rest.push_back(r);
        } else if (laufStart.empty() || vor(r, 0)) {
            vorn.push_back(r);
        } else {
            rest.push_back(r);
        }
    }
    std::stable_sort(vorn.begin(), vorn.end(), vor);
    laufStart.push_back(rest.size());
    for (size_t k = 0; k + 1 < laufStart.size(); ++k)
        std::stable_sort(rest.begin() + static_cast<std::ptrdiff_t>(laufStart[k] + 1),
                         rest.begin() + static_cast<std::ptrdiff_t>(laufStart[k + 1]), vor);
    vorn.insert(vorn.end(), rest.begin(), rest.end());
    return vorn;
}

// Key text of every age-group label, built the way the lookup walks the rows: the last matching
// row wins, and the row one past the end (empty labels) takes part.
std::unordered_map<QString, QString> gruppenschluesseltexte(const Tabelle &ag)
{
    std::unordered_map<QString, QString> karte;
    for (int i = 1; i <= ag.rowCount(); ++i) {
        karte[ag.cell(Agspalte::Weiblich, i)] = QLatin1Char('1') + ag.cell(Agspalte::Maximalalter, i);
        karte[ag.cell(Agspalte::Maennlich, i)] = QLatin1Char('2') + ag.cell(Agspalte::Maximalalter, i);
    }
    return karte;
}

// How teilsort compares the cells of a column.
enum class Spaltenart { Text, Datum, Gruppe, Startnummer, Ergebnis };

Spaltenart spaltenart(int spalte)
{
    switch (spalte) {
    case Teilspalte::Name:
    case Teilspalte::Vorname:
    case Teilspalte::Geschlecht:
    case Teilspalte::Verein:
    case Teilspalte::Cupvariation:
        return Spaltenart::Text;
    case Teilspalte::Geburtsdatum:
        return Spaltenart::Datum;
    case Teilspalte::Altersgruppe:
        return Spaltenart::Gruppe;
    case Teilspalte::Startnummer:
        return Spaltenart::Startnummer;
    default:
        return Spaltenart::Ergebnis;
    }
}

} // namespace

qint64 gruppenschluessel(const Tabelle &ag, const QString &label)
{
    QString text;
    bool gefunden = false;
    for (int i = 1; i <= ag.rowCount(); ++i) {
        if (label == ag.cell(Agspalte::Weiblich, i)) {
            text = QLatin1Char('1') + ag.cell(Agspalte::Maximalalter, i);
            gefunden = true;
        }
        if (label == ag.cell(Agspalte::Maennlich, i)) {
            text = QLatin1Char('2') + ag.cell(Agspalte::Maximalalter, i);
            gefunden = true;
        }
    }
    return gefunden ? toInt(text) : kUnbekannteGruppe;
}

std::vector<int> teilfolge(const Cup &cup, Richtung richtung, int spalte, const std::vector<int> &zeilen,
                           const std::vector<QString> *werte)
{
    const Tabelle &teil = cup.teil;
    const int m = teil.rowCount() - 1;
    std::vector<int> folge = zeilen;
    if (zeilen.empty()) {
        folge.resize(static_cast<size_t>(std::max(m, 0)));
        std::iota(folge.begin(), folge.end(), 1);
    }
    const bool ab = richtung == Richtung::Absteigend;
    if (folge.size() >= 2 && spalte >= 0 && (werte || spalte < teil.colCount())) {
        const size_t n = static_cast<size_t>(m) + 1;
        static const QString leer;
        auto zelle = [&](int r) -> const QString & {
            return r == 0 ? leer : werte ? (*werte)[static_cast<size_t>(r)] : teil.cell(spalte, r);
        };
        auto istLeer = [&](int r) { return zelle(r).isEmpty(); };
        const Spaltenart art = spaltenart(spalte);

        if (art == Spaltenart::Text) {
            // Text, letters without case; "Geschlecht" runs the other way round.
            const bool umgekehrt = (spalte == Teilspalte::Geschlecht) != ab;
            std::vector<const QString *> k(n);
            for (int r = 0; r <= m; ++r)
                k[static_cast<size_t>(r)] = &zelle(r);
            folge = folgeMitLeerzellen(folge, istLeer, [&](int x, int y) {
                const int v = textvergleich(*k[static_cast<size_t>(x)], *k[static_cast<size_t>(y)]);
                return umgekehrt ? v > 0 : v < 0;
            });
        } else if (art == Spaltenart::Datum) {
            std::vector<QString> k(n);
            for (int r = 0; r <= m; ++r)
                k[static_cast<size_t>(r)] = datumsschluessel(zelle(r));
            folge = folgeMitLeerzellen(folge, istLeer, [&](int x, int y) {
                const int v = codevergleich(k[static_cast<size_t>(x)], k[static_cast<size_t>(y)]);
                return ab ? v > 0 : v < 0;
            });
        } else if (art == Spaltenart::Gruppe || art == Spaltenart::Startnummer) {
            // Integer keys, all read before anything moves, so a bad cell leaves the table as it was.
            // An empty start number goes behind all numbers in both directions.
            std::vector<qint64> k(n);
            if (art == Spaltenart::Gruppe) {
                // A label of no age group gets kUnbekannteGruppe: behind all groups ascending.
                const auto karte = gruppenschluesseltexte(cup.ag);
                std::unordered_map<QString, qint64> gelesen;
                for (int r = 0; r <= m; ++r) {
                    const QString &x = zelle(r);
                    auto g = gelesen.find(x);
                    if (g == gelesen.end()) {
                        const auto t = karte.find(x);
                        const qint64 wert = t == karte.end() ? kUnbekannteGruppe : toInt(t->second);
                        g = gelesen.emplace(x, wert).first;
                    }
                    k[static_cast<size_t>(r)] = ab ? -g->second : g->second;
                }
            } else {
                for (int r = 0; r <= m; ++r) {
                    const QString &x = zelle(r);
                    k[static_cast<size_t>(r)] =
                        x.isEmpty() ? std::numeric_limits<qint64>::max() : (ab ? -qint64(toInt(x)) : toInt(x));
                }
            }
            folge = folgeMitLeerzellen(
                folge, istLeer, [&](int x, int y) { return k[static_cast<size_t>(x)] < k[static_cast<size_t>(y)]; });
        } else {
            // Results: performances, then codes and other texts without digits, then no entry.
            // A column behind the last race counts as a distance run.
            const bool zeitlauf = cup.lauftyp(Cup::laufDerSpalte(spalte)) == kZeitlauf;
            struct Schluessel {
                int klasse = 2;
                QString text;
            };
            std::vector<Schluessel> k(n);
            for (int r = 1; r <= m; ++r) {
                const QString &x = zelle(r);
                auto &s = k[static_cast<size_t>(r)];
                if (x.isEmpty())
                    continue;
                s.text = ziffern(x);
                if (s.text.isEmpty()) {
                    s.klasse = 1;
                    s.text = x;
                } else {
                    s.klasse = 0;
                    qsizetype nullen = 0;
                    while (nullen + 1 < s.text.size() && s.text[nullen] == QLatin1Char('0'))
                        ++nullen;
                    s.text.remove(0, nullen);
                }
            }
            // Among performances the smaller number comes first for a time run ascending.
            const bool kleinerZuerst = zeitlauf != ab;
            folge = folgeMitLeerzellen(folge, istLeer, [&](int x, int y) {
                const Schluessel &a = k[static_cast<size_t>(x)];
                const Schluessel &b = k[static_cast<size_t>(y)];
                if (a.klasse != b.klasse)
                    return a.klasse < b.klasse;
                if (a.klasse == 0) {
                    if (a.text.size() != b.text.size())
                        return (a.text.size() < b.text.size()) == kleinerZuerst;
                    const int v = a.text.compare(b.text);
                    return kleinerZuerst ? v < 0 : v > 0;
                }
                if (a.klasse == 1) {
                    const int v = textvergleich(a.text, b.text);
                    return ab ? v > 0 : v < 0;
                }
                return false;
            });
        }
    }
    return folge;
}

void teilOrdnen(Cup &cup, const std::vector<int> &folge)
{
    Tabelle &teil = cup.teil;
    const int m = teil.rowCount() - 1;
    bool vollstaendig = static_cast<int>(folge.size()) == m;
    std::vector<bool> gesehen(static_cast<size_t>(std::max(m, 0)) + 1, false);
    for (size_t i = 0; vollstaendig && i < folge.size(); ++i) {
        const int r = folge[i];
        vollstaendig = r >= 1 && r <= m && !gesehen[static_cast<size_t>(r)];
        if (vollstaendig)
            gesehen[static_cast<size_t>(r)] = true;
    }
    if (!vollstaendig)
        return;
    if (!std::is_sorted(folge.begin(), folge.end()))
        teil.permuteRows(1, folge);
}

std::vector<int> ergebnisfolge(const Cup &cup, int k)
{
    return teilfolge(cup, Richtung::Aufsteigend, Cup::ergebnisspalte(k),
                     teilfolge(cup, Richtung::Aufsteigend, Teilspalte::Name));
}

void teilsort(Cup &cup, Richtung richtung, int spalte)
{
    teilOrdnen(cup, teilfolge(cup, richtung, spalte));
}

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
