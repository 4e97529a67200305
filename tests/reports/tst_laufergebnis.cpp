#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "reports/laufergebnis.h"
#include "scoring/wertung.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/testhilfe.h"

#include <QRegularExpression>
#include <QTest>

using namespace tlt;

class TstLaufergebnis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void goldenLists_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<int>("lauf");
        QTest::addColumn<QString>("datei");
        QTest::newRow("variations, time run") << 0 << 1 << "laufergebnis_zeitlauf.txt";
        QTest::newRow("variations, distance run") << 0 << 2 << "laufergebnis_distanzlauf.txt";
        QTest::newRow("no variations, shared placing") << 1 << 1 << "laufergebnis_ohne_varianten.txt";
    }

    void goldenLists()
    {
        QFETCH(int, fall);
        QFETCH(int, lauf);
        QFETCH(QString, datei);
        Cup cup = fall == 0 ? test::berichtsCup() : test::cupOhneVarianten();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, lauf);
        const QString fehler = test::goldenVergleich(datei, test::paneltext(aus).toUtf8());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void headAndTitleLines()
    {
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        QCOMPARE(aus.zeile(0), (Ausgabezeile{cup.veranstalter, 0, Fett, 14}));
        QCOMPARE(aus.zeile(1), (Ausgabezeile{cup.name, 0, Normal, 14}));
        QCOMPARE(aus.zeile(2), (Ausgabezeile{" ", 0, Normal, 9}));
        QCOMPARE(aus.zeile(3), (Ausgabezeile{"Ergebnisse vom 01.05.2026", 0, Fett, 12}));
        QCOMPARE(aus.zeile(4), (Ausgabezeile{"Lauf 1 - Zeitlauf (fixe Distanz)", 0, Fett, 12}));
        QCOMPARE(aus.zeile(aus.anzahl() - 3).text, QString("Statistik erstellt am : 08.12.2026 um 14:30:05."));
        // Age-group headings are body lines: regular, size 9.
        int koepfe = 0;
        for (const auto &z : aus.zeilen()) {
            if (z.text.startsWith("Altergruppe ")) {
                QCOMPARE(z.stil, int(Normal));
                QCOMPARE(z.groesse, 9);
                ++koepfe;
            }
        }
        QCOMPARE(koepfe, 4);
    }

    // Equal results: the first shows the placing, the next ones a blank field, then the count goes on.
    void sharedPlacingLeavesGap()
    {
        Cup cup = test::cupOhneVarianten();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        QStringList koepfe;
        for (const auto &z : aus.zeilen())
            if (z.text.contains(" ('"))
                koepfe << z.text.left(5) + z.text.mid(5, 36).trimmed();
        QCOMPARE(koepfe, (QStringList{"  1. Christ, Ute ('94)", "  2. Bauer, Ina ('96)", "     Dreher, Pia ('97)",
                                      "  4. Adam, Ida ('95)"}));
    }

    void emptyVariationAndGroupsLeaveNoHeading()
    {
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        const QString text = aus.text();
        QVERIFY(!text.contains("B-Cup"));
        QVERIFY(text.contains("Ergebnisse im A-Cup (10000m)"));
        QVERIFY(text.contains("Ergebnisse im C-Cup (3000m)"));
        QVERIFY(!text.contains("Altergruppe F30"));
        QVERIFY(!text.contains("Altergruppe WK U8"));
        QVERIFY(text.contains("Altergruppe M30 (30-39)"));
        QVERIFY(!text.contains("Zander"));
        QVERIFY(!text.contains("Fuchs"));
        // Three variations were opened, one was taken back: exactly two double lines above the foot's.
        QCOMPARE(text.count(QString(82, '=')), 3);
        // Men only: column headings, blank line, then straight the men's heading.
        const int m30 = static_cast<int>(text.split('\n').indexOf("Altergruppe M30 (30-39)"));
        QVERIFY(m30 > 2);
        QCOMPARE(aus.zeile(m30 - 1).text, QString(" "));
        QCOMPARE(aus.zeile(m30 - 2).stil, int(Unterstrichen));
    }

    void codesFollowTimesWithLongTexts()
    {
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        QStringList zeilen = aus.text().split('\n');
        const auto dorn = zeilen.filter("Dorn, Kai");
        const auto ernst = zeilen.filter("Ernst, Max");
        QCOMPARE(dorn.size(), 1);
        QCOMPARE(ernst.size(), 1);
        QVERIFY(dorn.first().endsWith("  disquali."));
        QVERIFY(ernst.first().endsWith("n. angetret"));
        QVERIFY(dorn.first().startsWith("     Dorn"));
        QVERIFY(zeilen.indexOf(dorn.first()) > zeilen.indexOf(zeilen.filter("Adler, Tom").first()));
        for (const QString &z : zeilen.filter(" ('"))
            QCOMPARE(z.size(), 82);
    }

    void longNameIsCutAtItsField()
    {
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        const auto z = aus.text().split('\n').filter("Kleinschmidt");
        QCOMPARE(z.size(), 1);
        QCOMPARE(z.first().mid(5, 36), QString("Kleinschmidt-Wunderlich, Maximiliane"));
        QCOMPARE(z.first().mid(41, 30).trimmed(), QString("TSV Birke"));
    }

    void listOrderIsByResult()
    {
        Cup cup = test::berichtsCup();
        const Cup vorher = cup;
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        // The list reads the cup only; the window sorts the table in the list's order afterwards.
        for (int r = 0; r < cup.teil.rowCount(); ++r)
            QCOMPARE(cup.teil.row(r), vorher.teil.row(r));
        QStringList namen;
        for (int r : ergebnisfolge(cup, 1))
            namen << cup.teil.cell(0, r);
        // Times best first (ties in name order), then codes alphabetically, then no entry.
        QCOMPARE(namen, (QStringList{"Kleinschmidt-Wunderlich", "Berg", "Clemens", "Zander", "Adler", "Huber", "Graf",
                                     "Dorn", "Ernst", "Jung", "Fuchs", "Imhof"}));
    }

    void invalidMaximumAgeStopsAndKeepsLines()
    {
        Cup cup = test::berichtsCup();
        cup.ag.setCell(2, 10, "3x");
        Ausgabe aus;
        try {
            ausgabe_laufergebnis(cup, aus, 1);
            QFAIL("no conversion error");
        } catch (const Konvertierungsfehler &e) {
            QCOMPARE(e.meldung(), QString("'3x' ist kein gültiger Integerwert"));
        }
        // The lines up to the faulty group stay (its own lines included), the foot is missing.
        QVERIFY(aus.text().contains("Altergruppe M30 (30-3x)"));
        QVERIFY(aus.text().contains("Berg, Uwe"));
        QVERIFY(!aus.text().contains("Statistik erstellt"));
    }

    // The placings of the list equal 1 + the number of strictly better results in the group.
    void placingsAgreeWithPlatzierung_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("varianten");
        for (unsigned s = 1; s <= 4; ++s) {
            QTest::addRow("seed %u with variations", s) << s << true;
            QTest::addRow("seed %u without", s) << s << false;
        }
    }

    void placingsAgreeWithPlatzierung()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, varianten);
        Cup cup = test::zufallsCup(seed, 160, 2, varianten);
        for (int k = 1; k <= 2; ++k) {
            Ausgabe aus;
            ausgabe_laufergebnis(cup, aus, k);
            QHash<QString, int> zeile;
            for (int r = 1; r <= cup.anzahlTeilnehmer(); ++r)
                zeile.insert(cup.teil.cell(0, r), r);
            static const QRegularExpression re("^ *(\\d*)\\.? *(N\\d+),");
            int gezeigt = 0, gelistet = 0;
            for (const auto &z : aus.zeilen()) {
                if (z.text.startsWith("Altergruppe"))
                    gezeigt = 0;
                const auto m = re.match(z.text);
                if (!m.hasMatch())
                    continue;
                ++gelistet;
                const int r = zeile.value(m.captured(2));
                QVERIFY(r > 0);
                const QString eintrag = cup.teil.cell(Cup::ergebnisspalte(k), r);
                if (!m.captured(1).isEmpty())
                    gezeigt = m.captured(1).toInt();
                if (eintrag == "n.a." || eintrag == "v." || eintrag == "d." || eintrag == "o.L.")
                    QVERIFY(m.captured(1).isEmpty());
                else
                    QCOMPARE(gezeigt, platzierung(cup, k, r));
            }
            int mitEintrag = 0;
            for (int r = 1; r <= cup.anzahlTeilnehmer(); ++r)
                mitEintrag += !cup.teil.cell(Cup::ergebnisspalte(k), r).isEmpty();
            QCOMPARE(gelistet, mitEintrag);
        }
    }
};

QTEST_GUILESS_MAIN(TstLaufergebnis)
#include "tst_laufergebnis.moc"
