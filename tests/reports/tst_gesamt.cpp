#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "reports/gesamt.h"
#include "scoring/gesamtwertung.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/testhilfe.h"

#include <QTest>

using namespace tlt;

namespace {

const QString kM = QStringLiteral("männlich");
const QString kW = QStringLiteral("weiblich");

// Default variations and age groups, three races, minimum 2 and best 2 of them.
// A-Cup women: 40, 37, 37, 34 points, one below the minimum, one with a code and a 0-point result.
Cup standCup()
{
    Cup cup;
    cup.name = QStringLiteral("Ahorn-Cup 2026");
    cup.veranstalter = QStringLiteral("TV Ahorn");
    cup.min = 2;
    cup.max = 2;
    test::laufAnhaengen(cup, kZeitlauf, "01.05.2026", "ja");
    test::laufAnhaengen(cup, kDistanzlauf, "05.06.2026", "ja");
    test::laufAnhaengen(cup, kZeitlauf, "03.07.2026", "ja");
    auto t = [&](const QStringList &f, const QStringList &e) { test::teilnehmerAnhaengen(cup, f, e); };
    t({"Albers", "Anna", "01.02.1995", kW, "TV Ahorn", "F", "A-Cup"}, {"0:40'00,00\"", "12000m", "0:30'00,00\""});
    t({"Brandt", "Berta", "02.03.1996", kW, "LG Musterstadt", "F", "A-Cup"}, {"0:41'00,00\"", "11000m"});
    t({"Conrad", "Clara", "03.04.1997", kW, "TV Ahorn", "F", "A-Cup"}, {"0:42'00,00\"", "11500m"});
    t({"Dietz", "Dora", "04.05.1998", kW, "", "F", "A-Cup"}, {"0:43'00,00\"", "10000m"});
    t({"Engel", "Erna", "05.06.1999", kW, "TSV Birke", "F", "A-Cup"}, {"0:44'00,00\"", ""});
    t({"Fink", "Frieda", "06.07.2000", kW, "TSV Birke", "F", "A-Cup"}, {"n.a.", "9000m"});
    t({"Graf", "Gustav", "07.08.1990", kM, "TV Ahorn", "M30", "A-Cup"}, {"0:39'00,00\"", "12500m"});
    // Nobody of the B-Cup is listed: the only member's age group has no row.
    t({"Hahn", "Hans", "08.09.1980", kM, "TV Ahorn", "Gast", "B-Cup"}, {"0:50'00,00\"", "8000m"});
    t({"Imhof", "Ida", "09.10.2017", kW, "TSV Birke", "WK U10", "C-Cup"}, {"0:20'00,00\""});
    // A variation that does not exist: not listed either.
    t({"Jansen", "Jo", "10.11.1985", kM, "TV Ahorn", "M40", "Z-Cup"}, {"0:45'00,00\"", "10000m"});
    return cup;
}

// No variations: the minimum is not shown, everyone gets a placing.
Cup standCupOhneVarianten()
{
    Cup cup = test::cupOhneVarianten();
    cup.min = 2;
    cup.max = 2;
    test::laufAnhaengen(cup, kDistanzlauf, "17.04.2026", "1:00'00,00\"");
    cup.teil.setCell(Cup::ergebnisspalte(2), 3, "13000m"); // Christ
    cup.teil.setCell(Cup::ergebnisspalte(2), 2, "12000m"); // Bauer
    return cup;
}

// "Surname=placing" of every row in the standings' order (0: the list ranks the row not).
QString plaetze(const Cup &cup, const Gesamtstand &stand)
{
    QStringList l;
    for (int r : stand.reihenfolge)
        l << cup.teil.cell(0, r) + QLatin1Char('=') + QString::number(stand.zeile(r).platz);
    return l.join(QLatin1Char(' '));
}

QStringList tabellentext(const Tabelle &t)
{
    QStringList l;
    for (int r = 0; r < t.rowCount(); ++r)
        l << QStringList(t.row(r).begin(), t.row(r).end()).join(QLatin1Char('|'));
    return l;
}

} // namespace

class TestGesamt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void goldenListen_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<int>("lauf");
        QTest::addColumn<QString>("datei");
        QTest::newRow("Varianten, vorlaeufig") << 0 << 2 << "gesamt_varianten.txt";
        QTest::newRow("ohne Varianten, Endstand") << 1 << 2 << "gesamt_ohne_varianten.txt";
        QTest::newRow("Berichtscup nach Lauf 1") << 2 << 1 << "gesamt_berichtscup.txt";
    }

    void goldenListen()
    {
        QFETCH(int, fall);
        QFETCH(int, lauf);
        QFETCH(QString, datei);
        const Cup cup = fall == 0 ? standCup() : fall == 1 ? standCupOhneVarianten() : test::berichtsCup();
        const QStringList vorher = tabellentext(cup.teil);
        Ausgabe aus;
        ausgabe_gesamt(cup, aus, lauf);
        QCOMPARE(tabellentext(cup.teil), vorher);
        const QString fehler = test::goldenVergleich(datei, test::paneltext(aus).toUtf8());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void titelNachLetztemLauf()
    {
        Cup cup = standCup();
        Ausgabe aus;
        ausgabe_gesamt(cup, aus, 3);
        QCOMPARE(aus.zeile(3), (Ausgabezeile{"Gesamtergebnis", 0, Fett, 12}));
        ausgabe_gesamt(cup, aus, 1);
        QCOMPARE(aus.zeile(3), (Ausgabezeile{"vorl. Gesamtergebnis nach Lauf 1", 0, Fett, 12}));
    }

    // Equal points share the first one's placing. Below the minimum ("---") and a line tied with
    // such a line have no placing, nor have participants who are not listed.
    void platzierungenWieDieListe()
    {
        const Cup cup = standCup();
        const QStringList vorher = tabellentext(cup.teil);
        const Gesamtstand stand = gesamtstand(cup, 2);
        QCOMPARE(plaetze(cup, stand),
                 QStringLiteral("Albers=1 Graf=1 Hahn=0 Jansen=0 Brandt=2 Conrad=2 Dietz=4 Engel=0 Fink=0 Imhof=0"));
        // Engel: "---"; Fink (a code and one result: 0 points) stands tied below Engel without a number.
        Ausgabe aus;
        gesamt_vorschau(cup, aus, stand);
        const QString text = aus.text();
        const auto zeile = [&](const QString &name) {
            for (const QString &z : text.split(QLatin1Char('\n')))
                if (z.contains(name))
                    return z;
            return QString();
        };
        QVERIFY(zeile(QStringLiteral("Engel")).endsWith(QStringLiteral("---")));
        QVERIFY(zeile(QStringLiteral("Fink")).startsWith(QStringLiteral("     Fink")));
        QVERIFY(zeile(QStringLiteral("Dietz")).startsWith(QStringLiteral("  4. Dietz")));
        QVERIFY(!stand.platziert(stand.reihenfolge[8]) && !stand.zeile(stand.reihenfolge[8]).unterMinimum);
        QVERIFY(!stand.zeile(stand.reihenfolge[2]).gelistet); // Hahn: age group without a row
        QCOMPARE(stand.gruppeVon(stand.reihenfolge[2]), -1);
        // Neither computing nor listing touches the cup.
        QCOMPARE(tabellentext(cup.teil), vorher);
    }

    void ohneVariantenKeinMinimum()
    {
        const Cup cup = standCupOhneVarianten();
        const Gesamtstand stand = gesamtstand(cup, 2);
        QCOMPARE(plaetze(cup, stand), QStringLiteral("Christ=1 Bauer=2 Adam=3 Dreher=3"));
        Ausgabe aus;
        gesamt_vorschau(cup, aus, stand);
        QVERIFY(!aus.text().contains(QStringLiteral("---")));
    }

    // A maximum age that is no integer stops the list after the block that reads it; the lines so far
    // stay, and the cup is as it was.
    void fehlerBehaeltZeilen()
    {
        Cup cup = standCup();
        cup.ag.setCell(2, 1, QStringLiteral("sieben"));
        const QStringList vorher = tabellentext(cup.teil);
        Ausgabe aus;
        QString meldung;
        try {
            ausgabe_gesamt(cup, aus, 2);
        } catch (const Konvertierungsfehler &f) {
            meldung = f.meldung();
        }
        QCOMPARE(meldung, QStringLiteral("'sieben' ist kein gültiger Integerwert"));
        QCOMPARE(tabellentext(cup.teil), vorher);
        QCOMPARE(aus.anzahl(), 8);
        QCOMPARE(aus.zeile(7), (Ausgabezeile{"Ergebnisse im A-Cup", 0, Fett, 10}));
    }

    // A points cell that is no integer stops before anything is written into the pane.
    void punktefehlerVorDerListe()
    {
        Cup cup = standCup();
        cup.pv.setCell(1, 1, QStringLiteral("viel"));
        Ausgabe aus;
        aus.p(0, Normal, 9, QStringLiteral("vorher"));
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, ausgabe_gesamt(cup, aus, 2));
        QCOMPARE(aus.anzahl(), 1);
    }

    // Every line of the lists is 82 characters wide at most, and fields stay in their columns.
    void spaltenBleibenStehen()
    {
        Cup cup = test::zufallsCup(7, 300, 6, true);
        cup.min = 3;
        cup.max = 4;
        Ausgabe aus;
        ausgabe_gesamt(cup, aus, 4);
        int zeilen = 0;
        for (const Ausgabezeile &z : aus.zeilen()) {
            QVERIFY2(z.text.size() <= 82, qPrintable(z.text));
            if (z.text.size() == 82 && z.stil == Normal && !z.text.startsWith(QLatin1Char('='))) {
                ++zeilen;
                QVERIFY(z.text.at(4) == QLatin1Char(' '));
                QVERIFY(z.text.at(75) == QLatin1Char(' ') || z.text.at(75).isDigit());
            }
        }
        QVERIFY(zeilen > 200);
    }
};

QTEST_GUILESS_MAIN(TestGesamt)
#include "tst_gesamt.moc"
