#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"
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

// "Surname:participations/points" of row r in the standings.
QString zeile(const Cup &cup, const Gesamtstand &s, int r)
{
    const Standzeile &z = s.zeile(r);
    return cup.teil.cell(0, r) + QLatin1Char(':') + QString::number(z.teilnahmen) + QLatin1Char('/') +
           QString::number(z.punkte);
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
        const int ich = teilnehmerAnlegen(cup, "Ich", "", "", "", "F", "", eigene);
        const Gesamtstand s = gesamtstand(cup, static_cast<int>(plaetze.size()));
        QCOMPARE(QString::number(s.zeile(ich).punkte), punkte);
    }

    void teilnahmenZaehlenCodes()
    {
        Cup cup = distanzCup(3);
        cup.min = 3;
        cup.max = 3;
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"1000m", "n.a.", "1200m"});
        const Gesamtstand s = gesamtstand(cup, 3);
        QCOMPARE(zeile(cup, s, 1), QStringLiteral("A:3/0"));
        QCOMPARE(s.zeile(1).wertungen, 2);
        // Without cup variations the minimum is not shown: 0 points still get a placing.
        QVERIFY(s.zeile(1).gelistet && !s.zeile(1).unterMinimum);
        QCOMPARE(s.zeile(1).platz, 1);
    }

    void spaetereLaeufeBleibenAussen()
    {
        Cup cup = distanzCup(4);
        cup.max = 4;
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"1000m", "1000m", "1000m", "n.a."});
        QCOMPARE(zeile(cup, gesamtstand(cup, 2), 1), QStringLiteral("A:2/40"));
    }

    // A race number behind the last race counts the races there are.
    void laufNachDemLetztenZaehltNicht()
    {
        Cup cup = distanzCup(2);
        cup.max = 2;
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"1000m", ""});
        const Gesamtstand s = gesamtstand(cup, 5);
        QCOMPARE(zeile(cup, s, 1), QStringLiteral("A:1/20"));
        QCOMPARE(s.lauf, 5);
        QCOMPARE(cup.teil.colCount(), 10);
    }

    void sortiertNachPunktenDannName()
    {
        Cup cup = distanzCup(1);
        teilnehmerAnlegen(cup, "Zett", "", "", "", "F", "", {"900m"});
        teilnehmerAnlegen(cup, "beta", "", "", "", "F", "", {"1000m"});
        teilnehmerAnlegen(cup, "Alpha", "", "", "", "M", "", {"1000m"});
        teilnehmerAnlegen(cup, "Ohne", "", "", "", "M", "", {""});
        const QStringList vorher = tabelleAlsText(cup.teil);
        const Gesamtstand s = gesamtstand(cup, 1);
        QStringList l;
        for (int r : s.reihenfolge)
            l << zeile(cup, s, r);
        QCOMPARE(l.join(' '), QStringLiteral("Alpha:1/20 beta:1/20 Zett:1/19 Ohne:0/0"));
        // The value leaves the cup as it was; ordering the table by it gives the standings' order.
        QCOMPARE(tabelleAlsText(cup.teil), vorher);
        teilOrdnen(cup, s.reihenfolge);
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Alpha"));
        QCOMPARE(cup.teil.cell(0, 4), QStringLiteral("Ohne"));
        QCOMPARE(cup.teil.colCount(), 9);
    }

    void fehlerLaesstDenCup_data()
    {
        QTest::addColumn<QString>("punktezelle");
        QTest::addColumn<QString>("bonus");
        QTest::newRow("Punkte") << "viel"
                                << "";
        QTest::newRow("Bonusfaktor") << "20"
                                     << "x2";
    }

    void fehlerLaesstDenCup()
    {
        QFETCH(QString, punktezelle);
        QFETCH(QString, bonus);
        Cup cup = distanzCup(2);
        cup.pv.setCell(1, 1, punktezelle);
        cup.laufe.setCell(2, 32, bonus);
        teilnehmerAnlegen(cup, "B", "", "", "", "F", "", {"1000m", "1000m"});
        teilnehmerAnlegen(cup, "A", "", "", "", "F", "", {"900m", "1000m"});
        const QStringList vorher = tabelleAlsText(cup.teil);
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, gesamtstand(cup, 2));
        QCOMPARE(tabelleAlsText(cup.teil), vorher);
        // Up to race 1 the bad bonus cell of race 2 is not read.
        if (!bonus.isEmpty())
            QCOMPARE(gesamtstand(cup, 1).zeile(1).punkte, 20LL);
    }

    // Order, participations and points equal the literal computation's, failures included.
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
        const Cup cup = literal::zufallsCup(z);
        const QStringList vorher = tabelleAlsText(cup.teil);
        for (int n = 0; n <= z.laufe; ++n) {
            // The literal computation sorts a copy that carries each row's number.
            Cup langsam = cup;
            const int nummer = langsam.teil.colCount();
            langsam.teil.setColCount(nummer + 1);
            for (int r = 1; r < langsam.teil.rowCount(); ++r)
                langsam.teil.setCell(nummer, r, QString::number(r));
            QString fehlerSchnell;
            QString fehlerLangsam;
            Gesamtstand s;
            try {
                s = gesamtstand(cup, n);
            } catch (const Konvertierungsfehler &f) {
                fehlerSchnell = f.meldung();
            }
            try {
                literal::gesamt_berechnen(langsam, n);
            } catch (const Konvertierungsfehler &f) {
                fehlerLangsam = f.meldung();
            }
            QCOMPARE(fehlerSchnell, fehlerLangsam);
            QCOMPARE(tabelleAlsText(cup.teil), vorher);
            if (!fehlerSchnell.isEmpty())
                continue;
            const int c = langsam.teil.colCount();
            QStringList schnell, literal;
            for (int i = 1; i < langsam.teil.rowCount(); ++i) {
                const int r = s.reihenfolge[static_cast<size_t>(i - 1)];
                schnell << QStringLiteral("%1:%2/%3").arg(r).arg(s.zeile(r).teilnahmen).arg(s.zeile(r).punkte);
                literal << langsam.teil.cell(nummer, i) + QLatin1Char(':') + langsam.teil.cell(c - 2, i) +
                               QLatin1Char('/') + langsam.teil.cell(c - 1, i);
            }
            QCOMPARE(schnell, literal);
        }
    }
};

QTEST_GUILESS_MAIN(TestGesamtwertung)
#include "tst_gesamtwertung.moc"
