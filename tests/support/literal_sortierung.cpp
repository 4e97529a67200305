#include "support/literal_sortierung.h"

#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"

namespace tlt::test {

namespace {

// Integer comparison of two digit strings of any length.
int zahlen(QString a, QString b)
{
    while (a.size() > 1 && a.startsWith(QLatin1Char('0')))
        a.remove(0, 1);
    while (b.size() > 1 && b.startsWith(QLatin1Char('0')))
        b.remove(0, 1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

qint64 gruppe(const Tabelle &ag, const QString &x)
{
    QString key;
    bool treffer = false;
    for (int i = 1; i <= ag.rowCount(); ++i) {
        if (x == ag.cell(0, i)) {
            key = QStringLiteral("1") + ag.cell(2, i);
            treffer = true;
        }
        if (x == ag.cell(1, i)) {
            key = QStringLiteral("2") + ag.cell(2, i);
            treffer = true;
        }
    }
    if (!treffer)
        return kUnbekannteGruppe;
    return toInt(key);
}

bool tauschErgebnis(const QString &a, const QString &b, bool zeitlauf, bool auf)
{
    const QString ka = ziffern(a);
    const QString kb = ziffern(b);
    if (auf) {
        if (ka.isEmpty() && kb.isEmpty())
            return textvergleich(a, b) > 0 || (a.isEmpty() && !b.isEmpty());
        if (ka.isEmpty())
            return true;
        if (kb.isEmpty())
            return false;
        return zeitlauf ? zahlen(ka, kb) > 0 : zahlen(ka, kb) < 0;
    }
    if (ka.isEmpty() && kb.isEmpty())
        return textvergleich(a, b) < 0 || (!a.isEmpty() && b.isEmpty());
    if (ka.isEmpty())
        return true;
    if (kb.isEmpty())
        return false;
    return zeitlauf ? zahlen(ka, kb) < 0 : zahlen(ka, kb) > 0;
}

} // namespace

void laufesortLiteral(Cup &cup)
{
    Tabelle &laufe = cup.laufe;
    Tabelle &teil = cup.teil;
    const int n = laufe.colCount() - 1;
    if (n == 0)
        return;
    if (n == 1) {
        laufe.setCell(1, 0, QStringLiteral("1"));
        return;
    }
    for (int c = 1; c <= n; ++c) {
        const QString d = laufe.cell(c, 2);
        laufe.setCell(c, 2, d.mid(6, 4) + d.mid(3, 2) + d.mid(0, 2));
    }
    for (int i = n; i >= 2; --i)
        for (int c = 1; c < i; ++c)
            if (textvergleich(laufe.cell(c, 2), laufe.cell(c + 1, 2)) > 0) {
                for (int r = 1; r <= 33; ++r) {
                    const QString t = laufe.cell(c, r);
                    laufe.setCell(c, r, laufe.cell(c + 1, r));
                    laufe.setCell(c + 1, r, t);
                }
                for (int r = 0; r < teil.rowCount(); ++r) {
                    const QString t = teil.cell(7 + c, r);
                    teil.setCell(7 + c, r, teil.cell(8 + c, r));
                    teil.setCell(8 + c, r, t);
                }
            }
    for (int c = 1; c <= n; ++c) {
        const QString d = laufe.cell(c, 2);
        laufe.setCell(c, 2, d.mid(6, 2) + QLatin1Char('.') + d.mid(4, 2) + QLatin1Char('.') + d.mid(0, 4));
        laufe.setCell(c, 0, QString::number(c));
    }
}

void cvsortLiteral(Tabelle &cv)
{
    const int m = cv.rowCount() - 1;
    for (int i = m; i >= 2; --i)
        for (int u = 1; u < i; ++u)
            if (textvergleich(cv.cell(0, u), cv.cell(0, u + 1)) > 0)
                cv.swapRows(u, u + 1);
}

void agsortLiteral(Tabelle &ag)
{
    const int m = ag.rowCount() - 1;
    for (int i = m; i >= 2; --i)
        for (int u = 1; u < i; ++u)
            if (toInt(ag.cell(2, u)) > toInt(ag.cell(2, u + 1)))
                ag.swapRows(u, u + 1);
}

void pvsortLiteral(Tabelle &pv)
{
    const int m = pv.rowCount() - 1;
    if (m >= 2) {
        for (int i = m; i >= 2; --i)
            for (int u = 1; u < i; ++u)
                if (toInt(pv.cell(1, u)) < toInt(pv.cell(1, u + 1))) {
                    const QString t = pv.cell(1, u);
                    pv.setCell(1, u, pv.cell(1, u + 1));
                    pv.setCell(1, u + 1, t);
                }
        for (int r = 1; r <= m; ++r)
            pv.setCell(0, r, QString::number(r));
    }
}

void teilsortLiteral(Cup &cup, int richtung, int spalte)
{
    Tabelle &teil = cup.teil;
    const int m = teil.rowCount() - 1;
    const bool auf = richtung <= 0;
    if (m >= 2 && (spalte == 5 || spalte == 6))
        for (int r = 1; r <= m; ++r)
            if (!teil.cell(spalte, r).isEmpty())
                spalte == 5 ? gruppe(cup.ag, teil.cell(spalte, r)) : toInt(teil.cell(spalte, r));
    const bool zeitlauf = cup.laufe.cell(spalte - 7, 1) == QLatin1String("Zeitlauf (fixe Distanz)");

    for (int i = m; i >= 2; --i)
        for (int u = 1; u < i; ++u) {
            const QString a = teil.cell(spalte, u);
            const QString b = teil.cell(spalte, u + 1);
            if (b.isEmpty())
                continue;
            bool tausch = false;
            switch (spalte) {
            case 0:
            case 1:
            case 4:
            case 7:
                tausch = auf ? textvergleich(a, b) > 0 : textvergleich(a, b) < 0;
                break;
            case 2:
                tausch = auf ? codevergleich(datumsschluessel(a), datumsschluessel(b)) > 0
                             : codevergleich(datumsschluessel(a), datumsschluessel(b)) < 0;
                break;
            case 3:
                tausch = auf ? textvergleich(a, b) < 0 : textvergleich(a, b) > 0;
                break;
            case 5:
                tausch = auf ? gruppe(cup.ag, a) > gruppe(cup.ag, b) : gruppe(cup.ag, a) < gruppe(cup.ag, b);
                break;
            case 6:
                tausch = a.isEmpty() || (auf ? toInt(a) > toInt(b) : toInt(a) < toInt(b));
                break;
            default:
                tausch = spalte >= 8 && tauschErgebnis(a, b, zeitlauf, auf);
            }
            if (tausch)
                teil.swapRows(u, u + 1);
        }
}

} // namespace tlt::test
