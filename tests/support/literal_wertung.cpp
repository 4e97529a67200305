#include "support/literal_wertung.h"

#include "core/konvertierung.h"
#include "core/sortierung.h"

#include <QRandomGenerator>
#include <algorithm>
#include <functional>

namespace tlt::literal {

namespace {

bool code(const QString &e)
{
    return e == QLatin1String("n.a.") || e == QLatin1String("v.") || e == QLatin1String("d.") ||
           e == QLatin1String("o.L.");
}

bool gewertet(const QString &e)
{
    return !e.isEmpty() && !code(e);
}

QString nurZiffern(const QString &e)
{
    QString z;
    for (QChar c : e)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            z += c;
    return z;
}

// Only a-z are folded to upper case; everything else by its Windows-1252 code.
int code1252(QChar c)
{
    static const char16_t hoch[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return u - 32;
    for (int i = 0; i < 32; ++i)
        if (hoch[i] != 0 && hoch[i] == u)
            return 0x80 + i;
    return u;
}

int vergleiche(const QString &a, const QString &b)
{
    const int n = static_cast<int>(std::min(a.size(), b.size()));
    for (int i = 0; i < n; ++i) {
        const int ca = code1252(a[i]);
        const int cb = code1252(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool besser(const Cup &cup, int k, const QString &x, const QString &y)
{
    const QString kx = nurZiffern(x);
    const QString ky = nurZiffern(y);
    if (!kx.isEmpty() && !ky.isEmpty()) {
        const int a = toInt(kx);
        const int b = toInt(ky);
        if (cup.laufe.cell(k, 1) == QLatin1String("Zeitlauf (fixe Distanz)"))
            return b < a;
        return b > a;
    }
    if (!ky.isEmpty())
        return true;
    if (!kx.isEmpty())
        return false;
    if (y.isEmpty())
        return false;
    return x.isEmpty() || vergleiche(x, y) > 0;
}

int platzierung(const Cup &cup, int k, int r)
{
    const Tabelle &t = cup.teil;
    const QString &x = t.cell(7 + k, r);
    if (!gewertet(x))
        return 0;
    int platz = 1;
    for (int i = 1; i < t.rowCount(); ++i) {
        if (i == r)
            continue;
        const bool gruppe = t.cell(5, i) == t.cell(5, r) && (cup.cv.rowCount() <= 1 || t.cell(7, i) == t.cell(7, r));
        if (gruppe && gewertet(t.cell(7 + k, i)) && besser(cup, k, x, t.cell(7 + k, i)))
            ++platz;
    }
    return platz;
}

int laufpunkte(const Cup &cup, int k, int r)
{
    const int n = platzierung(cup, k, r);
    if (n == 0)
        return 0;
    const int t = n < cup.pv.rowCount() ? toInt(cup.pv.cell(1, n)) : 0;
    const QString &fz = cup.laufe.cell(k, 32);
    const QString &sz = cup.laufe.cell(k, 33);
    const int f = fz.isEmpty() ? 1 : toInt(fz);
    const int s = sz.isEmpty() ? 0 : toInt(sz);
    return t * f + s;
}

void gesamt_berechnen(Cup &cup, int n)
{
    Tabelle &t = cup.teil;
    const int c = t.colCount() + 3;
    t.setColCount(c);
    for (int r = 1; r < t.rowCount(); ++r)
        for (int s = c - 3; s < c; ++s)
            t.setCell(s, r, QStringLiteral("0"));
    try {
        for (int r = 1; r < t.rowCount(); ++r) {
            std::vector<int> pktarr;
            int teilnahmen = 0;
            for (int d = 1; d <= n; ++d) {
                const QString &e = t.cell(7 + d, r);
                if (e.isEmpty())
                    continue;
                ++teilnahmen;
                if (code(e))
                    continue;
                pktarr.push_back(laufpunkte(cup, d, r));
            }
            int summe = 0;
            if (static_cast<int>(pktarr.size()) >= cup.min) {
                std::sort(pktarr.begin(), pktarr.end(), std::greater<int>());
                for (int i = 0; i < std::min(static_cast<int>(pktarr.size()), cup.max); ++i)
                    summe += pktarr[static_cast<size_t>(i)];
            }
            t.setCell(c - 2, r, QString::number(teilnahmen));
            t.setCell(c - 1, r, QString::number(summe));
        }
    } catch (...) {
        t.setColCount(c - 3);
        throw;
    }
    teilsort(cup, Richtung::Aufsteigend, 0);
    teilsort(cup, Richtung::Aufsteigend, c - 1);
}

void laufeAnlegen(Cup &cup, int n, const QString &typ)
{
    cup.laufe.setColCount(n + 1);
    cup.teil.setColCount(8 + n);
    for (int c = 1; c <= n; ++c) {
        cup.laufe.setCell(c, 0, QString::number(c));
        cup.laufe.setCell(c, 1, typ);
        cup.laufe.setCell(c, 2, QStringLiteral("%1.05.2026").arg(c, 2, 10, QLatin1Char('0')));
        cup.teil.setCell(7 + c, 0, QString::number(c));
    }
}

int teilnehmerAnlegen(Cup &cup, const QString &name, const QString &vorname, const QString &geburtsdatum,
                      const QString &verein, const QString &altersgruppe, const QString &variante,
                      const QStringList &ergebnisse)
{
    Tabelle &t = cup.teil;
    const int r = t.rowCount();
    t.setRowCount(r + 1);
    t.setCell(0, r, name);
    t.setCell(1, r, vorname);
    t.setCell(2, r, geburtsdatum);
    t.setCell(3, r,
              altersgruppe.startsWith(QLatin1Char('M')) ? QStringLiteral("männlich") : QStringLiteral("weiblich"));
    t.setCell(4, r, verein);
    t.setCell(5, r, altersgruppe);
    t.setCell(6, r, QStringLiteral("%1").arg(r, 3, 10, QLatin1Char('0')));
    t.setCell(7, r, variante);
    for (int i = 0; i < ergebnisse.size(); ++i)
        t.setCell(8 + i, r, ergebnisse[i]);
    return r;
}

void ohneVarianten(Cup &cup)
{
    cup.cv.setRowCount(1);
}

Cup zufallsCup(const Zufall &z)
{
    QRandomGenerator g(z.seed);
    Cup cup;
    if (!z.cupvarianten)
        ohneVarianten(cup);
    laufeAnlegen(cup, z.laufe);
    for (int c = 1; c <= z.laufe; ++c) {
        if (g.bounded(2))
            cup.laufe.setCell(c, 1, kDistanzlauf);
        if (z.bonus && g.bounded(3) == 0) {
            cup.laufe.setCell(c, 32, QString::number(1 + g.bounded(5)));
            cup.laufe.setCell(c, 33, QString::number(g.bounded(21)));
        }
    }
    cup.min = 1 + g.bounded(std::max(z.laufe, 1));
    cup.max = cup.min + g.bounded(std::max(z.laufe - cup.min + 1, 1));
    static const char *const gruppen[] = {"WK U8", "MK U8", "F", "M", "F30", "M30", "Gast"};
    static const char *const varianten[] = {"A-Cup", "B-Cup", "C-Cup", "", "X-Cup"};
    static const char *const sonst[] = {"n.a.", "v.", "d.", "o.L.", "abc", "Zzz", "ABC", "o.l."};
    for (int i = 0; i < z.teilnehmer; ++i) {
        QStringList erg;
        for (int c = 1; c <= z.laufe; ++c) {
            const int w = g.bounded(100);
            const bool zeit = cup.laufe.cell(c, 1) == kZeitlauf;
            if (w < 25) {
                erg << QString();
            } else if (w < 33) {
                erg << QString::fromLatin1(sonst[g.bounded(z.ohneZiffern ? 8 : 4)]);
            } else if (z.zuGrosseZahlen && w < 35 && g.bounded(2) == 0) {
                erg << QStringLiteral("99999:99'99,99\"");
            } else if (zeit) {
                // Few distinct times, so that ties occur often.
                erg << QStringLiteral("0:%1'%2,00\"")
                           .arg(30 + g.bounded(4), 2, 10, QLatin1Char('0'))
                           .arg(g.bounded(3) * 20, 2, 10, QLatin1Char('0'));
            } else {
                erg << QStringLiteral("%1m").arg(9000 + 250 * g.bounded(6));
            }
        }
        const QString name = QStringLiteral("N%1").arg(g.bounded(12));
        teilnehmerAnlegen(cup, name, QStringLiteral("V%1").arg(i), QStringLiteral("01.01.1990"), QString(),
                          QString::fromLatin1(gruppen[g.bounded(7)]),
                          z.cupvarianten ? QString::fromLatin1(varianten[g.bounded(5)]) : QString(), erg);
    }
    return cup;
}

} // namespace tlt::literal
