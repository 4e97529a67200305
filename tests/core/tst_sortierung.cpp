#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "support/literal_sortierung.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <numeric>

using namespace tlt;

namespace {

const QString Z = kZeitlauf;
const QString D = kDistanzlauf;

// A cup whose participant table holds the given cells of one column (other columns numbered, so
// that every row stays recognisable) and one race of the given type.
Cup mitSpalte(int spalte, const QStringList &werte, const QString &lauftyp = Z)
{
    Cup cup;
    cup.laufe.setColCount(2);
    cup.laufe.setCell(1, 1, lauftyp);
    cup.laufe.setCell(1, 2, QStringLiteral("01.05.2005"));
    const int spalten = std::max(9, spalte + 1);
    cup.teil.setColCount(spalten);
    cup.teil.setRowCount(static_cast<int>(werte.size()) + 1);
    for (int r = 1; r <= werte.size(); ++r) {
        for (int c = 0; c < spalten; ++c)
            if (c != spalte)
                cup.teil.setCell(c, r, QStringLiteral("z%1").arg(r));
        cup.teil.setCell(spalte, r, werte[r - 1]);
    }
    return cup;
}

QStringList spalteVon(const Tabelle &t, int spalte)
{
    QStringList l;
    for (int r = 1; r < t.rowCount(); ++r)
        l << t.cell(spalte, r);
    return l;
}

bool gleich(const Tabelle &a, const Tabelle &b)
{
    if (a.rowCount() != b.rowCount() || a.colCount() != b.colCount())
        return false;
    for (int r = 0; r < a.rowCount(); ++r)
        if (a.row(r) != b.row(r))
            return false;
    return true;
}

QString zeile(const Tabelle &t, int r)
{
    QStringList l;
    for (int c = 0; c < t.colCount(); ++c)
        l << t.cell(c, r);
    return l.join(QLatin1Char('|'));
}

QString tabelleAlsText(const Tabelle &t)
{
    QStringList l;
    for (int r = 0; r < t.rowCount(); ++r)
        l << zeile(t, r);
    return l.join(QLatin1Char('\n'));
}

// Random cups with small value pools, so that ties, case variants and empty cells are frequent.
class Zufall {
public:
    explicit Zufall(quint32 saat) : m_g(saat) {}

    int zahl(int bis) { return static_cast<int>(m_g.bounded(bis)); }
    bool prozent(int p) { return zahl(100) < p; }
    template <class T> const T &eines(const QList<T> &l) { return l[zahl(static_cast<int>(l.size()))]; }

    QString text()
    {
        static const QStringList pool{
            QStringLiteral("a"),          QStringLiteral("A"),      QStringLiteral("b"),       QStringLiteral("B"),
            QStringLiteral("Z"),          QStringLiteral("z"),      QStringLiteral("ä"),       QStringLiteral("Ä"),
            QStringLiteral("€"),          QStringLiteral("Š"),      QStringLiteral("š"),       QStringLiteral("Ÿ"),
            QStringLiteral("ÿ"),          QStringLiteral("ß"),      QStringLiteral("_"),       QStringLiteral("Müller"),
            QStringLiteral("müller"),     QStringLiteral("MÜLLER"), QStringLiteral("Mueller"), QStringLiteral("ab"),
            QStringLiteral("aB"),         QStringLiteral("Ab"),     QStringLiteral("abc"),     QStringLiteral("ā"),
            QStringLiteral("\U0001F600"), QStringLiteral(" "),      QStringLiteral("1"),       QStringLiteral("Œ"),
        };
        QString s = eines(pool);
        if (prozent(30))
            s += eines(pool);
        return s;
    }

    QString datum()
    {
        if (prozent(10))
            return eines(QStringList{QStringLiteral("TT.MM.JJJJ"), QStringLiteral("1.5.2005"), QStringLiteral("x"),
                                     QStringLiteral("01.05.05")});
        return QStringLiteral("%1.%2.%3")
            .arg(1 + zahl(3), 2, 10, QLatin1Char('0'))
            .arg(1 + zahl(3), 2, 10, QLatin1Char('0'))
            .arg(1998 + zahl(4));
    }

    QString startnr()
    {
        if (prozent(20))
            return eines(QStringList{QStringLiteral("7"), QStringLiteral(" 7"), QStringLiteral("+7"),
                                     QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("2147483647"),
                                     QStringLiteral("7a")});
        return startnummer(1 + zahl(40));
    }

    QString ergebnis()
    {
        switch (zahl(10)) {
        case 0:
            return eines(QStringList{QStringLiteral("n.a."), QStringLiteral("v."), QStringLiteral("d."),
                                     QStringLiteral("o.L.")});
        case 1:
            return eines(QStringList{QStringLiteral("N.A."), QStringLiteral("abc"), QStringLiteral("D."),
                                     QStringLiteral("ä"), QStringLiteral("€")});
        case 2:
            return eines(QStringList{QStringLiteral("0"), QStringLiteral("000"), QStringLiteral("99999999999999m"),
                                     QStringLiteral("0:00'00,05\""), QStringLiteral("5x")});
        case 3:
        case 4:
        case 5:
            return checkdist(QString::number(9000 + zahl(30) * 50));
        default:
            return checktime(QString::number(zahl(8)) + QString::number(10 + zahl(4)) + QStringLiteral("0000"));
        }
    }

    // Age-group tables with duplicate labels, empty labels and missing maximum ages now and then.
    void altersgruppen(Tabelle &ag)
    {
        const int n = 1 + zahl(6);
        ag.setRowCount(n + 1);
        for (int r = 1; r <= n; ++r) {
            ag.setCell(0, r, prozent(5) ? QString() : QStringLiteral("W%1").arg(zahl(8)));
            ag.setCell(1, r, prozent(5) ? QString() : QStringLiteral("M%1").arg(zahl(8)));
            ag.setCell(2, r, prozent(8) ? QString() : (prozent(2) ? QStringLiteral("x") : QString::number(zahl(100))));
        }
    }

    QString gruppe()
    {
        if (prozent(10))
            return eines(QStringList{QStringLiteral("unbekannt"), QStringLiteral("w1"), QStringLiteral("X")});
        return QStringLiteral("%1%2").arg(prozent(50) ? QLatin1Char('W') : QLatin1Char('M')).arg(zahl(8));
    }

    QString zelle(int spalte)
    {
        switch (spalte) {
        case 2:
            return datum();
        case 3:
            return eines(QStringList{QStringLiteral("weiblich"), QStringLiteral("männlich"), QStringLiteral("Weiblich"),
                                     QStringLiteral("x")});
        case 5:
            return gruppe();
        case 6:
            return startnr();
        default:
            return spalte >= 8 ? ergebnis() : text();
        }
    }

    Cup cup(int maxZeilen)
    {
        Cup c;
        altersgruppen(c.ag);
        const int n = zahl(4);
        c.laufe.setColCount(n + 1);
        for (int k = 1; k <= n; ++k) {
            c.laufe.setCell(k, 1, prozent(50) ? Z : D);
            c.laufe.setCell(k, 2, datum());
        }
        // Sometimes a scratch column behind the last race.
        const int spalten = 8 + n + (prozent(30) ? 1 : 0);
        c.teil.setColCount(spalten);
        const int m = zahl(maxZeilen + 1);
        c.teil.setRowCount(m + 1);
        const int leer = eines(QList<int>{0, 5, 20, 50});
        for (int r = 1; r <= m; ++r)
            for (int s = 0; s < spalten; ++s)
                c.teil.setCell(s, r, prozent(leer) ? QString() : zelle(s));
        return c;
    }

private:
    QRandomGenerator m_g;
};

} // namespace

class TstSortierung : public QObject {
    Q_OBJECT
private slots:
    // --- the races -------------------------------------------------------------------------------

    void racesGoInDateOrderWithTheirResultColumns()
    {
        Cup cup;
        const QStringList daten{QStringLiteral("03.06.2005"), QStringLiteral("01.05.2005"),
                                QStringLiteral("01.05.2005")};
        cup.laufe.setColCount(4);
        cup.teil.setColCount(11);
        cup.teil.setRowCount(2);
        for (int c = 1; c <= 3; ++c) {
            cup.laufe.setCell(c, 2, daten[c - 1]);
            cup.laufe.setCell(c, 10, QStringLiteral("Ort%1").arg(c));
            cup.laufe.setCell(c, 33, QStringLiteral("S%1").arg(c));
            cup.teil.setCell(7 + c, 0, daten[c - 1]);
            cup.teil.setCell(7 + c, 1, QStringLiteral("E%1").arg(c));
        }
        laufesort(cup);
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("Ort2"));
        QCOMPARE(cup.laufe.cell(2, 10), QStringLiteral("Ort3"));
        QCOMPARE(cup.laufe.cell(3, 10), QStringLiteral("Ort1"));
        QCOMPARE(cup.laufe.cell(1, 33), QStringLiteral("S2"));
        QCOMPARE(cup.laufe.cell(3, 2), QStringLiteral("03.06.2005"));
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(cup.laufe.cell(c, 0), QString::number(c));
        QCOMPARE(spalteVon(cup.teil, 8).join(QLatin1Char(',')), QStringLiteral("E2"));
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("E3"));
        QCOMPARE(cup.teil.cell(10, 1), QStringLiteral("E1"));
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("01.05.2005"));
        QCOMPARE(cup.teil.cell(10, 0), QStringLiteral("03.06.2005"));
        // The label column stays.
        QCOMPARE(cup.laufe.cell(0, 2), QStringLiteral("Datum:"));
    }

    void singleRaceIsNumberOne()
    {
        Cup cup;
        laufesort(cup);
        QCOMPARE(cup.laufe.colCount(), 1);
        cup.laufe.setColCount(2);
        cup.laufe.setCell(1, 2, QStringLiteral("01.05.2005"));
        laufesort(cup);
        QCOMPARE(cup.laufe.cell(1, 0), QStringLiteral("1"));
    }

    void malformedRaceDateSurvivesTheSort()
    {
        Cup cup;
        cup.laufe.setColCount(3);
        cup.teil.setColCount(10);
        cup.laufe.setCell(1, 2, QStringLiteral("1.5.2005"));
        cup.laufe.setCell(2, 2, QStringLiteral("01.05.2004"));
        laufesort(cup);
        QCOMPARE(cup.laufe.cell(1, 2), QStringLiteral("1.5.2005"));
        QCOMPARE(cup.laufe.cell(2, 2), QStringLiteral("01.05.2004"));
    }

    void racesMatchLiteralSortOnRandomCups()
    {
        Zufall z(4711);
        for (int i = 0; i < 2000; ++i) {
            Cup cup;
            const int n = z.zahl(9);
            cup.laufe.setColCount(n + 1);
            cup.teil.setColCount(8 + n);
            cup.teil.setRowCount(1 + z.zahl(4));
            for (int c = 1; c <= n; ++c) {
                // Only dates of the stored form: the literal sort rewrites the cells in place.
                cup.laufe.setCell(c, 2, z.prozent(10) ? kKeinDatum : z.datum().left(10));
                if (cup.laufe.cell(c, 2).size() != 10 || cup.laufe.cell(c, 2)[2] != QLatin1Char('.') ||
                    cup.laufe.cell(c, 2)[5] != QLatin1Char('.'))
                    cup.laufe.setCell(c, 2, QStringLiteral("02.02.2002"));
                for (int r = 1; r < 34; r += 7)
                    cup.laufe.setCell(c, r, QStringLiteral("L%1R%2").arg(c).arg(r));
                for (int r = 0; r < cup.teil.rowCount(); ++r)
                    cup.teil.setCell(7 + c, r, QStringLiteral("T%1R%2").arg(c).arg(r));
            }
            Cup lit = cup;
            laufesort(cup);
            test::laufesortLiteral(lit);
            QVERIFY2(gleich(cup.laufe, lit.laufe), qPrintable(tabelleAlsText(lit.laufe)));
            QVERIFY(gleich(cup.teil, lit.teil));
        }
    }

    // --- cup variations, age groups, points ----------------------------------------------------

    void cupVariationsByNameWithoutCase()
    {
        Tabelle cv(3, 1);
        cvsort(cv);
        QCOMPARE(cv.rowCount(), 1);
        const QStringList namen{QStringLiteral("b-Cup"), QStringLiteral("ä-Cup"), QStringLiteral("A-Cup"),
                                QStringLiteral("a-Cup"), QStringLiteral("Z-Cup")};
        cv.setRowCount(6);
        for (int r = 1; r <= 5; ++r) {
            cv.setCell(0, r, namen[r - 1]);
            cv.setCell(1, r, QString::number(r));
        }
        cvsort(cv);
        QCOMPARE(spalteVon(cv, 0),
                 (QStringList{QStringLiteral("A-Cup"), QStringLiteral("a-Cup"), QStringLiteral("b-Cup"),
                              QStringLiteral("Z-Cup"), QStringLiteral("ä-Cup")}));
        QCOMPARE(spalteVon(cv, 1), (QStringList{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("1"),
                                                QStringLiteral("5"), QStringLiteral("2")}));
    }

    void ageGroupsByMaximumAge()
    {
        Cup cup;
        // Swap two rows and sort back.
        cup.ag.swapRows(1, 14);
        agsort(cup.ag);
        QCOMPARE(cup.ag.cell(0, 1), QStringLiteral("WK U8"));
        QCOMPARE(cup.ag.cell(1, 14), QStringLiteral("M70 u.ä."));
        // A bad age stops the sort and leaves the table as it was.
        cup.ag.setCell(2, 3, QStringLiteral("elf"));
        cup.ag.swapRows(1, 2);
        const Tabelle vorher = cup.ag;
        try {
            agsort(cup.ag);
            QFAIL("no conversion error");
        } catch (const Konvertierungsfehler &f) {
            QCOMPARE(f.meldung(), QStringLiteral("'elf' ist kein gültiger Integerwert"));
        }
        QVERIFY(gleich(cup.ag, vorher));
    }

    void pointsDescendingAndRenumbered_data()
    {
        QTest::addColumn<QStringList>("punkte");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("5,20,10") << QStringList{"5", "20", "10"} << QStringList{"20", "10", "5"};
        QTest::newRow("ties keep text") << QStringList{"05", "7", "5"} << QStringList{"7", "05", "5"};
        QTest::newRow("single row unchanged") << QStringList{"3"} << QStringList{"3"};
    }

    void pointsDescendingAndRenumbered()
    {
        QFETCH(QStringList, punkte);
        QFETCH(QStringList, erwartet);
        Tabelle pv(2, static_cast<int>(punkte.size()) + 1);
        for (int r = 1; r <= punkte.size(); ++r) {
            pv.setCell(0, r, QStringLiteral("x"));
            pv.setCell(1, r, punkte[r - 1]);
        }
        pvsort(pv);
        QCOMPARE(spalteVon(pv, 1), erwartet);
        if (punkte.size() >= 2)
            for (int r = 1; r <= punkte.size(); ++r)
                QCOMPARE(pv.cell(0, r), QString::number(r));
        else
            QCOMPARE(pv.cell(0, 1), QStringLiteral("x"));
    }

    void smallTablesMatchLiteralSorts()
    {
        Zufall z(99);
        for (int i = 0; i < 2000; ++i) {
            Tabelle cv(3, 1 + z.zahl(12));
            Tabelle ag(3, 1 + z.zahl(12));
            Tabelle pv(2, 1 + z.zahl(12));
            for (int r = 1; r < cv.rowCount(); ++r) {
                cv.setCell(0, r, z.text());
                cv.setCell(1, r, QString::number(r));
            }
            for (int r = 1; r < ag.rowCount(); ++r) {
                ag.setCell(0, r, QString::number(r));
                ag.setCell(2, r, z.eines(QStringList{"7", "07", "9", "11", "150", "0", "-1"}));
            }
            for (int r = 1; r < pv.rowCount(); ++r) {
                pv.setCell(0, r, QString::number(r * 3));
                pv.setCell(1, r, z.eines(QStringList{"1", "01", "5", "20", "10", "0"}));
            }
            Tabelle cv2 = cv, ag2 = ag, pv2 = pv;
            cvsort(cv);
            test::cvsortLiteral(cv2);
            agsort(ag);
            test::agsortLiteral(ag2);
            pvsort(pv);
            test::pvsortLiteral(pv2);
            QVERIFY(gleich(cv, cv2));
            QVERIFY(gleich(ag, ag2));
            QVERIFY(gleich(pv, pv2));
        }
    }

    // --- participants ----------------------------------------------------------------------------

    void participantSort_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("richtung");
        QTest::addColumn<QString>("lauftyp");
        QTest::addColumn<QStringList>("werte");
        QTest::addColumn<QStringList>("erwartet");

        const QString t1 = checktime(QStringLiteral("0:31'00,00"));
        const QString t2 = checktime(QStringLiteral("0:29'59,99"));
        QTest::newRow("empty club blocks ascending")
            << 4 << -1 << Z << QStringList{"B", "", "A"} << QStringList{"B", "", "A"};
        QTest::newRow("empty club sinks descending")
            << 4 << 1 << Z << QStringList{"", "A", "B"} << QStringList{"B", "A", ""};
        QTest::newRow("runs between empty cells sort alone")
            << 0 << -1 << Z << QStringList{"c", "a", "", "b", "a"} << QStringList{"a", "c", "", "a", "b"};
        QTest::newRow("time run ascending")
            << 8 << -1 << Z << QStringList{t1, "d.", "", t2, "n.a."} << QStringList{t2, t1, "d.", "n.a.", ""};
        QTest::newRow("time run descending")
            << 8 << 1 << Z << QStringList{t1, "d.", "", t2, "n.a."} << QStringList{t1, t2, "n.a.", "d.", ""};
        QTest::newRow("distance run ascending")
            << 8 << -1 << D << QStringList{"9800m", "10500m"} << QStringList{"10500m", "9800m"};
        QTest::newRow("distance run descending")
            << 8 << 1 << D << QStringList{"10500m", "", "9800m", "o.L."} << QStringList{"9800m", "10500m", "o.L.", ""};
        QTest::newRow("sex ascending: women first")
            << 3 << -1 << Z << QStringList{"männlich", "weiblich"} << QStringList{"weiblich", "männlich"};
        QTest::newRow("sex descending: men first")
            << 3 << 1 << Z << QStringList{"weiblich", "männlich"} << QStringList{"männlich", "weiblich"};
        QTest::newRow("birth dates by year, month, day")
            << 2 << -1 << Z << QStringList{"01.02.2001", "02.01.2001", "31.12.2000"}
            << QStringList{"31.12.2000", "02.01.2001", "01.02.2001"};
        QTest::newRow("start numbers as integers")
            << 6 << -1 << Z << QStringList{"100", "042", "7", "1000"} << QStringList{"7", "042", "100", "1000"};
        QTest::newRow("missing start number last ascending")
            << 6 << -1 << Z << QStringList{"", "002", "", "001"} << QStringList{"001", "002", "", ""};
        QTest::newRow("missing start number last descending")
            << 6 << 1 << Z << QStringList{"", "002", "003"} << QStringList{"003", "002", ""};
        QTest::newRow("letters only folded a-z") << 0 << -1 << Z << QStringList{"äx", "Äx", "€", "_x", "Z", "ax", "Ax"}
                                                 << QStringList{"ax", "Ax", "Z", "_x", "€", "Äx", "äx"};
        QTest::newRow("case variants keep their order") << 1 << 1 << Z << QStringList{"anna", "ANNA", "Berta", "Anna"}
                                                        << QStringList{"Berta", "anna", "ANNA", "Anna"};
        QTest::newRow("characters outside the code page last")
            << 0 << -1 << Z << QStringList{"\U0001F600", "ā", "ÿ", "Ÿ", "z"}
            << QStringList{"z", "Ÿ", "ÿ", "ā", "\U0001F600"};
        QTest::newRow("scratch column counts as distance")
            << 9 << -1 << Z << QStringList{"3", "12", "", "5"} << QStringList{"12", "5", "3", ""};
        QTest::newRow("codes case-insensitive ascending")
            << 8 << -1 << Z << QStringList{"v.", "D.", "d.", "n.a."} << QStringList{"D.", "d.", "n.a.", "v."};
    }

    void participantSort()
    {
        QFETCH(int, spalte);
        QFETCH(int, richtung);
        QFETCH(QString, lauftyp);
        QFETCH(QStringList, werte);
        QFETCH(QStringList, erwartet);
        Cup cup = mitSpalte(spalte, werte, lauftyp);
        Cup lit = cup;
        teilsort(cup, test::richtungVon(richtung), spalte);
        test::teilsortLiteral(lit, richtung, spalte);
        QCOMPARE(spalteVon(lit.teil, spalte), erwartet);
        QCOMPARE(spalteVon(cup.teil, spalte), erwartet);
        QVERIFY(gleich(cup.teil, lit.teil));
    }

    void ageGroupOrderOfTheDefaultTable()
    {
        Cup cup;
        QStringList labels;
        for (int r = 14; r >= 1; --r)
            labels << cup.ag.cell(1, r) << cup.ag.cell(0, r);
        cup = mitSpalte(5, labels);
        teilsort(cup, Richtung::Aufsteigend, 5);
        const QStringList l = spalteVon(cup.teil, 5);
        QCOMPARE(l.mid(0, 6), (QStringList{"WK U8", "WK U10", "MK U8", "MK U10", "WK U12", "WJ U14"}));
        QCOMPARE(l.mid(12, 6), (QStringList{"F40", "F50", "F60", "MK U12", "MJ U14", "MJ U16"}));
        // MK U8 (key 27) comes after WK U10 (19) and before WK U12 (111).
        QVERIFY(l.indexOf(QStringLiteral("MK U8")) > l.indexOf(QStringLiteral("WK U10")));
        QVERIFY(l.indexOf(QStringLiteral("MK U8")) < l.indexOf(QStringLiteral("WK U12")));
        QCOMPARE(l.last(), QStringLiteral("M70 u.ä."));
        QCOMPARE(gruppenschluessel(cup.ag, QStringLiteral("WK U8")), qint64(17));
        QCOMPARE(gruppenschluessel(cup.ag, QStringLiteral("F70 u.ä.")), qint64(1150));
        QCOMPARE(gruppenschluessel(cup.ag, QStringLiteral("M70 u.ä.")), qint64(2150));
        QCOMPARE(gruppenschluessel(cup.ag, QString()), qint64(2));
        QCOMPARE(gruppenschluessel(cup.ag, QStringLiteral("Senioren")), kUnbekannteGruppe);
    }

    void unknownAgeGroupSortsBehindAllGroups()
    {
        Cup cup = mitSpalte(5, {QStringLiteral("Senioren"), QStringLiteral("M70 u.ä."), QStringLiteral("WK U8")});
        teilsort(cup, Richtung::Aufsteigend, 5);
        QCOMPARE(spalteVon(cup.teil, 5), (QStringList{"WK U8", "M70 u.ä.", "Senioren"}));
        teilsort(cup, Richtung::Absteigend, 5);
        QCOMPARE(spalteVon(cup.teil, 5), (QStringList{"Senioren", "M70 u.ä.", "WK U8"}));
    }

    void badIntegerStopsSortAndLeavesTableUnchanged_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QStringList>("werte");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("start number") << 6 << QStringList{"005", "x1", "002"}
                                      << QStringLiteral("'x1' ist kein gültiger Integerwert");
        QTest::newRow("maximum age") << 5 << QStringList{"WK U8", "MK U10"}
                                     << QStringLiteral("'2neun' ist kein gültiger Integerwert");
    }

    void badIntegerStopsSortAndLeavesTableUnchanged()
    {
        QFETCH(int, spalte);
        QFETCH(QStringList, werte);
        QFETCH(QString, meldung);
        Cup cup = mitSpalte(spalte, werte);
        cup.ag.setCell(2, 2, QStringLiteral("neun"));
        const Tabelle vorher = cup.teil;
        for (bool literal : {false, true}) {
            Cup c = cup;
            try {
                literal ? test::teilsortLiteral(c, -1, spalte) : teilsort(c, Richtung::Aufsteigend, spalte);
                QFAIL("no conversion error");
            } catch (const Konvertierungsfehler &f) {
                QCOMPARE(f.meldung(), meldung);
            }
            QVERIFY(gleich(c.teil, vorher));
        }
    }

    // With a group key below that of the empty label (a maximum age left empty gives key 1), an
    // empty cell sinks past those rows but still stops every other row.
    void emptyAgeGroupBetweenKeys()
    {
        Cup cup = mitSpalte(
            5, {QStringLiteral("M1"), QString(), QStringLiteral("W1"), QStringLiteral("M1"), QStringLiteral("W1")});
        cup.ag.setRowCount(2);
        cup.ag.setCell(0, 1, QStringLiteral("W1"));
        cup.ag.setCell(1, 1, QStringLiteral("M1"));
        cup.ag.setCell(2, 1, QString());
        cup.ag.setRowCount(3);
        cup.ag.setCell(1, 2, QStringLiteral("M1"));
        cup.ag.setCell(2, 2, QStringLiteral("5"));
        for (int r = 1; r <= 5; ++r)
            cup.teil.setCell(0, r, QString::number(r));
        Cup lit = cup;
        teilsort(cup, Richtung::Aufsteigend, 5);
        test::teilsortLiteral(lit, -1, 5);
        QCOMPARE(spalteVon(lit.teil, 0), (QStringList{"3", "5", "1", "2", "4"}));
        QCOMPARE(spalteVon(cup.teil, 0), spalteVon(lit.teil, 0));
    }

    void surnameThenColumnKeepsSurnameOrderAmongTies()
    {
        Cup cup = mitSpalte(0, {QStringLiteral("Zorn"), QStringLiteral("Abel"), QStringLiteral("Meier")});
        cup.teil.setCell(4, 1, QStringLiteral("TSV"));
        cup.teil.setCell(4, 2, QStringLiteral("TSV"));
        cup.teil.setCell(4, 3, QStringLiteral("LG"));
        teilsort(cup, Richtung::Aufsteigend, 0);
        teilsort(cup, Richtung::Aufsteigend, 4);
        QCOMPARE(spalteVon(cup.teil, 0), (QStringList{"Meier", "Abel", "Zorn"}));
    }

    // The fast sort against the neighbour-exchange sort on many random tables: every column kind,
    // both directions, both race types and a column behind the last race.
    void participantsMatchLiteralSortOnRandomCups()
    {
        // TLT_SAAT picks another series of tables.
        Zufall z(qEnvironmentVariableIsSet("TLT_SAAT") ? quint32(qEnvironmentVariableIntValue("TLT_SAAT")) : 20261208u);
        int verglichen = 0;
        int fehler = 0;
        for (int i = 0; i < 12000; ++i) {
            Cup cup = z.cup(i % 50 == 0 ? 150 : 24);
            const int spalte = z.zahl(cup.teil.colCount() + 1);
            const int richtung = z.prozent(50) ? -1 : 1;
            Cup lit = cup;
            QString fFast, fLit;
            try {
                teilsort(cup, test::richtungVon(richtung), spalte);
            } catch (const Konvertierungsfehler &f) {
                fFast = f.meldung();
            }
            try {
                test::teilsortLiteral(lit, richtung, spalte);
            } catch (const Konvertierungsfehler &f) {
                fLit = f.meldung();
            }
            QCOMPARE(fFast, fLit);
            if (!fFast.isEmpty()) {
                ++fehler;
                continue;
            }
            if (!gleich(cup.teil, lit.teil)) {
                QString info = QStringLiteral("Lauf %1, Spalte %2, Richtung %3\n").arg(i).arg(spalte).arg(richtung);
                info += QStringLiteral("schnell:\n") + spalteVon(cup.teil, spalte).join(QLatin1Char('|'));
                info += QStringLiteral("\nwörtlich:\n") + spalteVon(lit.teil, spalte).join(QLatin1Char('|'));
                QFAIL(qPrintable(info));
            }
            ++verglichen;
        }
        QVERIFY(verglichen >= 10000);
        QVERIFY(fehler > 0); // non-integer start numbers occur in the pool
    }

    // The order without moving, from another present order and with stand-in cells, equals the
    // neighbour-exchange sort of a table that stands in that order and holds those cells.
    void orderWithoutMovingMatchesLiteralSort()
    {
        Zufall z(20261209u);
        int verglichen = 0;
        for (int i = 0; i < 3000; ++i) {
            Cup cup = z.cup(24);
            const Cup original = cup;
            const int m = cup.teil.rowCount() - 1;
            const int spalte = z.zahl(cup.teil.colCount() + 1);
            const int richtung = z.prozent(50) ? -1 : 1;
            std::vector<int> folge(static_cast<size_t>(m));
            std::iota(folge.begin(), folge.end(), 1);
            for (int k = m - 1; k > 0; --k)
                std::swap(folge[static_cast<size_t>(k)], folge[static_cast<size_t>(z.zahl(k + 1))]);
            const bool mitWerten = i % 2 == 1;
            std::vector<QString> werte(static_cast<size_t>(m) + 1);
            const int quelle = z.zahl(cup.teil.colCount());
            for (int r = 1; r <= m; ++r)
                werte[static_cast<size_t>(r)] = cup.teil.cell(quelle, 1 + z.zahl(m));

            Cup lit = cup;
            lit.teil.permuteRows(1, folge);
            if (mitWerten) {
                if (spalte >= lit.teil.colCount())
                    lit.teil.setColCount(spalte + 1);
                for (int i2 = 1; i2 <= m; ++i2)
                    lit.teil.setCell(spalte, i2, werte[static_cast<size_t>(folge[static_cast<size_t>(i2 - 1)])]);
            }
            std::vector<int> ist;
            bool fehlerSchnell = false, fehlerLit = false;
            try {
                ist = teilfolge(cup, richtung < 0 ? Richtung::Aufsteigend : Richtung::Absteigend, spalte, folge,
                                mitWerten ? &werte : nullptr);
            } catch (const Konvertierungsfehler &) {
                fehlerSchnell = true;
            }
            try {
                test::teilsortLiteral(lit, richtung, spalte);
            } catch (const Konvertierungsfehler &) {
                fehlerLit = true;
            }
            QCOMPARE(fehlerSchnell, fehlerLit);
            QVERIFY(gleich(cup.teil, original.teil));
            if (fehlerSchnell)
                continue;
            std::vector<int> soll;
            for (int r = 1; r <= m; ++r)
                soll.push_back(cup.teil.rowOf(lit.teil.rowId(r)));
            if (ist != soll)
                QFAIL(qPrintable(QStringLiteral("Lauf %1, Spalte %2, Richtung %3").arg(i).arg(spalte).arg(richtung)));
            ++verglichen;
        }
        QVERIFY(verglichen >= 2500);
    }

    // Ordering by a list of rows takes every row once, or leaves the table as it is.
    void orderByListOfRows()
    {
        Cup cup = mitSpalte(Teilspalte::Verein, {"a", "b", "c", "d"});
        const Cup vorher = cup;
        for (const std::vector<int> &falsch :
             {std::vector<int>{1, 2, 3}, std::vector<int>{1, 2, 3, 3}, std::vector<int>{0, 1, 2, 3},
              std::vector<int>{1, 2, 3, 5}, std::vector<int>{1, 2, 3, 4, 1}}) {
            teilOrdnen(cup, falsch);
            QVERIFY(gleich(cup.teil, vorher.teil));
        }
        teilOrdnen(cup, {3, 1, 4, 2});
        QCOMPARE(spalteVon(cup.teil, Teilspalte::Verein), (QStringList{"c", "a", "d", "b"}));
    }

    // --- removal ---------------------------------------------------------------------------------

    void deleteRowAndColumn()
    {
        Tabelle t(3, 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                t.setCell(c, r, QStringLiteral("%1/%2").arg(c).arg(r));
        deleterow(t, 3);
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(zeile(t, 2), QStringLiteral("0/2|1/2|2/2"));
        deleterow(t, 1);
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(zeile(t, 1), QStringLiteral("0/2|1/2|2/2"));
        QCOMPARE(zeile(t, 0), QStringLiteral("0/0|1/0|2/0"));
        deletecol(t, 0);
        QCOMPARE(t.colCount(), 2);
        QCOMPARE(zeile(t, 1), QStringLiteral("1/2|2/2"));
        deletecol(t, 1);
        QCOMPARE(zeile(t, 1), QStringLiteral("1/2"));
        // An index outside the table removes nothing.
        deleterow(t, 5);
        deletecol(t, -1);
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(t.colCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TstSortierung)
#include "tst_sortierung.moc"
