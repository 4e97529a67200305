#include "core/cup.h"
#include "core/konvertierung.h"
#include "scoring/gesamtwertung.h"
#include "support/literal_wertung.h"

#include <QTest>

using namespace tlt;
using literal::teilnehmerAnlegen;

namespace {

// A cup without variations whose races are distance runs; each result "Nm" with N the distance.
Cup distanzCup(int laufe)
{
    Cup cup;
    literal::ohneVarianten(cup);
    literal::laufeAnlegen(cup, laufe, kDistanzlauf);
    return cup;
}

// "Surname:participations/points" of row r while the scratch columns exist.
QString zeile(const Cup &cup, int r)
{
    const Tabelle &t = cup.teil;
    const int c = t.colCount();
    return t.cell(0, r) + QLatin1Char(':') + t.cell(c - 2, r) + QLatin1Char('/') + t.cell(c - 1, r);
}

QStringList tabelleAlsText(const Tabelle &t)
{
    QStringList l;
    for (int r = 0; r < t.rowCount(); ++r) {
        QStringList z;
        for (int c = 0; c < t.colCount(); ++c)
            z << t.cell(c, r);
        l << z.join(QLatin1Char('|'));
    }
    return l;
}

} // namespace

class TestGesamtwertung : public QObject {
    Q_OBJECT

private slots:
    // Race points through the placing: with the default table placing p is worth 21 - p.
    void besteErgebnisseZaehlen_data()
    {
        QTest::addColumn<QList<int>>("plaetze"); // 0: no entry
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("punkte");
        QTest::newRow("20, 19, 9 mit max 2") << QList<int>{1, 2, 12} << 1 << 2 << "39";
        QTest::newRow("5 und 12 mit max 1") << QList<int>{16, 9} << 1 << 1 << "12";
        QTest::newRow("min 2, ein Ergebnis") << QList<int>{1, 0} << 2 << 2 << "0";
        QTest::newRow("alle gezaehlt") << QList<int>{1, 2, 3} << 1 << 3 << "57";
    }

    void besteErgebnisseZaehlen()
    {
        QFETCH(QList<int>, plaetze);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, punkte);
        Cup cup = distanzCup(static_cast<int>(plaetze.size()));
        cup.min = min;
        cup.max = max;
        QStringList eigene;
        for (int k = 0; k < plaetze.size(); ++k) {
            const int p = plaetze[k];
            eigene << (p == 0 ? QString() : QStringLiteral("1000m"));
            // p-1 runners who ran further in race k+1.
            for (int i = 1; i < p; ++i) {
                QStringList erg(plaetze.size());
                erg[k] = QStringLiteral("%1m").arg(2000 + i);
                teilnehmerAnlegen(cup, QStringLiteral("Z%1_%2").arg(k).arg(i), "", "", "", "F", "", erg);
            }
        }
        teilnehmerAnlegen(cup, "Ich", "", "", "", "F", "", eigene);
        gesamt_berechnen(cup, static_cast<int>(plaetze.size()));
        QString ist;
        for (int r = 1; r < cup.teil.rowCount(); ++r)
            if (cup.teil.cell(0, r) == QLatin1String("Ich"))
                ist = cup.teil.cell(cup.teil.colCount() - 1, r);
        gesamt_reset(cup);
        QCOMPARE(ist, punkte);
    }

    void teilnahmenZaehlenCodes()
    {
        Cup cup = distanzCup(3);
        cup.min = 3;
        cup.max = 3;
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"1000m", "n.a.", "1200m"});
        gesamt_berechnen(cup, 3);
        QCOMPARE(zeile(cup, 1), QStringLiteral("A:3/0"));
        QCOMPARE(cup.teil.cell(cup.teil.colCount() - 3, 1), QStringLiteral("0"));
        QVERIFY(cup.teil.cell(cup.teil.colCount() - 1, 0).isEmpty());
        gesamt_reset(cup);
    }

    void spaetereLaeufeBleibenAussen()
    {
        Cup cup = distanzCup(4);
        cup.max = 4;
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"1000m", "1000m", "1000m", "n.a."});
        gesamt_berechnen(cup, 2);
        QCOMPARE(zeile(cup, 1), QStringLiteral("A:2/40"));
        gesamt_reset(cup);
    }

    // Behind the last race lie the scratch columns; a later race number must not read them as results.
    void laufNachDemLetztenZaehltNicht()
    {
        Cup cup = distanzCup(2);
        cup.max = 2;
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"1000m", ""});
        gesamt_berechnen(cup, 5);
        QCOMPARE(zeile(cup, 1), QStringLiteral("A:1/20"));
        gesamt_reset(cup);
        QCOMPARE(cup.teil.colCount(), 10);
    }

    void sortiertNachPunktenDannName()
    {
        Cup cup = distanzCup(1);
        teilnehmerAnlegen(cup, "Zett", "", "", "", "F", "", {"900m"});
        teilnehmerAnlegen(cup, "beta", "", "", "", "F", "", {"1000m"});
        teilnehmerAnlegen(cup, "Alpha", "", "", "", "M", "", {"1000m"});
        teilnehmerAnlegen(cup, "Ohne", "", "", "", "M", "", {""});
        const int spalten = cup.teil.colCount();
        {
            GesamtScope scope(cup, 1);
            QCOMPARE(scope.punkteSpalte(), spalten + 2);
            QStringList l;
            for (int r = 1; r < cup.teil.rowCount(); ++r)
                l << zeile(cup, r);
            QCOMPARE(l.join(' '), QStringLiteral("Alpha:1/20 beta:1/20 Zett:1/19 Ohne:0/0"));
        }
        // The scope removed the scratch columns; the order stays.
        QCOMPARE(cup.teil.colCount(), spalten);
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Alpha"));
        QCOMPARE(cup.teil.cell(0, 4), QStringLiteral("Ohne"));
        gesamt_reset(cup); // without scratch columns it removes nothing
        QCOMPARE(cup.teil.colCount(), spalten);
    }

    void fehlerEntferntHilfsspalten_data()
    {
        QTest::addColumn<QString>("punktezelle");
        QTest::addColumn<QString>("bonus");
        QTest::newRow("Punkte") << "viel"
                                << "";
        QTest::newRow("Bonusfaktor") << "20"
                                     << "x2";
    }

    void fehlerEntferntHilfsspalten()
    {
        QFETCH(QString, punktezelle);
        QFETCH(QString, bonus);
        Cup cup = distanzCup(2);
        cup.pv.setCell(1, 1, punktezelle);
        cup.laufe.setCell(2, 32, bonus);
        teilnehmerAnlegen(cup, "B", "", "", "", "F", "", {"1000m", "1000m"});
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"900m", "1000m"});
        const QStringList vorher = tabelleAlsText(cup.teil);
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, gesamt_berechnen(cup, 2));
        QCOMPARE(tabelleAlsText(cup.teil), vorher);
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, GesamtScope(cup, 2));
        QCOMPARE(tabelleAlsText(cup.teil), vorher);
    }

    // Whole table after the fast computation equals the one after the literal computation.
    void schnellGleichLiteral_data()
    {
        QTest::addColumn<int>("seed");
        for (int s = 1; s <= 30; ++s)
            QTest::addRow("seed %d", s) << s;
    }

    void schnellGleichLiteral()
    {
        QFETCH(int, seed);
        literal::Zufall z;
        z.seed = static_cast<unsigned>(seed);
        z.cupvarianten = seed % 2 == 0;
        z.teilnehmer = 40 + 5 * seed;
        z.laufe = 2 + seed % 5;
        z.ohneZiffern = seed % 3 == 0;
        z.zuGrosseZahlen = seed % 7 == 0;
        Cup schnell = literal::zufallsCup(z);
        Cup langsam = schnell;
        for (int n = 0; n <= z.laufe; ++n) {
            QString fehlerSchnell;
            QString fehlerLangsam;
            try {
                gesamt_berechnen(schnell, n);
            } catch (const Konvertierungsfehler &f) {
                fehlerSchnell = f.meldung();
            }
            try {
                literal::gesamt_berechnen(langsam, n);
            } catch (const Konvertierungsfehler &f) {
                fehlerLangsam = f.meldung();
            }
            QCOMPARE(fehlerSchnell, fehlerLangsam);
            QCOMPARE(tabelleAlsText(schnell.teil), tabelleAlsText(langsam.teil));
            if (fehlerSchnell.isEmpty()) {
                gesamt_reset(schnell);
                langsam.teil.setColCount(langsam.teil.colCount() - 3);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestGesamtwertung)
#include "tst_gesamtwertung.moc"
