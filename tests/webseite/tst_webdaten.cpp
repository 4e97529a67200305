// The site's lists against the text reports: the same groups, order, placings and texts.
#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/spalten.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"
#include "webseite/webdaten.h"

#include <QTest>

using namespace tlt;

namespace {

// The body lines of a report that carry content: block titles, age-group headings and participant
// lines, without blank lines, rules and the underlined column headings.
QStringList berichtszeilen(const Ausgabe &aus, int kopf)
{
    QStringList zeilen;
    for (int i = kopf; i < aus.anzahl() - 5; ++i) {
        const Ausgabezeile &z = aus.zeile(i);
        if (z.text == QLatin1String(" ") || z.text.startsWith(QLatin1String("====")) || z.stil == Unterstrichen)
            continue;
        zeilen << z.text;
    }
    return zeilen;
}

// The site's list written in the report's fixed-width line layout.
QStringList alsText(const Webdaten &d, const Webliste &liste, bool gesamt)
{
    QStringList zeilen;
    for (const Webblock &b : liste.bloecke) {
        if (!b.titel.isEmpty())
            zeilen << b.titel;
        for (const Webgruppe &g : b.gruppen) {
            zeilen << g.titel;
            for (const Webzeile &z : g.zeilen) {
                const Webteilnehmer &t = d.teilnehmer[static_cast<size_t>(z.teilnehmer)];
                const QString platz = z.platz > 0 ? QString::number(z.platz) + QStringLiteral(". ") : QString();
                if (gesamt)
                    zeilen << rechtsbuendig(platz, 5) + linksbuendig(t.name, 36) + linksbuendig(t.verein, 28) +
                                  rechtsbuendig(z.laeufe, 6) + rechtsbuendig(z.wert, 7);
                else
                    zeilen << rechtsbuendig(platz, 5) + linksbuendig(t.name, 36) + linksbuendig(t.verein, 30) +
                                  rechtsbuendig(z.wert, 11);
            }
        }
    }
    return zeilen;
}

// Race lists and standings of every race of the cup, compared line by line with the reports.
void vergleicheMitBerichten(const Cup &original)
{
    for (int n = 1; n <= original.anzahlLaufe(); ++n) {
        const Webdaten d = webdaten(original, n);
        QCOMPARE(d.nachLauf, n);
        QCOMPARE(static_cast<int>(d.laufergebnisse.size()), n);
        for (int k = 1; k <= n; ++k) {
            Cup kopie = original;
            Ausgabe aus;
            ausgabe_laufergebnis(kopie, aus, k);
            const Webliste &liste = d.laufergebnisse[static_cast<size_t>(k - 1)];
            QCOMPARE(liste.titel, aus.zeile(3).text);
            QCOMPARE(liste.untertitel, aus.zeile(4).text);
            QCOMPARE(alsText(d, liste, false), berichtszeilen(aus, 5));
        }
        Cup kopie = original;
        Ausgabe aus;
        ausgabe_gesamt(kopie, aus, n);
        QCOMPARE(d.gesamt.titel, aus.zeile(3).text);
        QCOMPARE(alsText(d, d.gesamt, true), berichtszeilen(aus, 4));
    }
}

} // namespace

class TestWebdaten : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void listsEqualTheReports_data()
    {
        QTest::addColumn<int>("fall");
        QTest::newRow("Berichtscup") << 0;
        QTest::newRow("ohne Varianten") << 1;
        QTest::newRow("Beispielcup") << 2;
        for (unsigned seed = 1; seed <= 6; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("Zufall %1").arg(seed))) << static_cast<int>(seed + 2);
    }
    void listsEqualTheReports()
    {
        QFETCH(int, fall);
        Cup cup;
        if (fall == 0) {
            cup = test::berichtsCup();
        } else if (fall == 1) {
            cup = test::cupOhneVarianten();
        } else if (fall == 2) {
            QString fehler;
            QVERIFY2(ladenDatei(cup, QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3"), &fehler),
                     qPrintable(fehler));
        } else {
            const unsigned seed = static_cast<unsigned>(fall - 2);
            cup = test::zufallsCup(seed, 60, 4, seed % 2 == 1);
            cup.min = 2;
            cup.max = 3;
        }
        vergleicheMitBerichten(cup);
    }

    void buildingTheSiteLeavesTheCupAsItWas()
    {
        Cup cup = test::zufallsCup(7, 80, 3, true);
        const Cup vorher = cup;
        webdaten(cup, 3);
        QCOMPARE(cup.teil.colCount(), vorher.teil.colCount());
        QCOMPARE(cup.teil.rowCount(), vorher.teil.rowCount());
        for (int r = 0; r < cup.teil.rowCount(); ++r)
            for (int c = 0; c < cup.teil.colCount(); ++c)
                QCOMPARE(cup.teil.cell(c, r), vorher.teil.cell(c, r));
    }

    void searchDataCarriesEveryRaceAndTheCupPoints()
    {
        const Cup cup = test::berichtsCup();
        const Webdaten d = webdaten(cup, 2);
        QCOMPARE(d.teilnehmer.size(), size_t(12));
        auto finde = [&](const QString &anfang) -> const Webteilnehmer & {
            for (const auto &t : d.teilnehmer)
                if (t.name.startsWith(anfang))
                    return t;
            qFatal("nicht gefunden");
        };
        // Berg and Clemens tie for first in both races; Adler comes third in race 1.
        const Webteilnehmer &berg = finde(QStringLiteral("Berg,"));
        QCOMPARE(berg.name, QStringLiteral("Berg, Uwe ('89)"));
        QCOMPARE(berg.ergebnisse, (std::vector<QString>{QStringLiteral("0:38'00,00\""), QStringLiteral("12010m")}));
        QCOMPARE(berg.plaetze, (std::vector<int>{1, 1}));
        QCOMPARE(berg.punkte, (std::vector<int>{20, 20}));
        const Webteilnehmer &clemens = finde(QStringLiteral("Clemens,"));
        QCOMPARE(clemens.plaetze, (std::vector<int>{1, 1}));
        QCOMPARE(clemens.gesamtplatz, berg.gesamtplatz);
        QCOMPARE(finde(QStringLiteral("Adler,")).plaetze, (std::vector<int>{3, 3}));
        // Codes show their long text, without placing or points.
        const Webteilnehmer &dorn = finde(QStringLiteral("Dorn,"));
        QCOMPARE(dorn.ergebnisse, (std::vector<QString>{QStringLiteral("disquali."), QStringLiteral("n. angetret")}));
        QCOMPARE(dorn.plaetze, (std::vector<int>{0, 0}));
        QCOMPARE(dorn.teilnahmen, QStringLiteral("2"));
        // Not listed in the standings (age group of no row): no placing there.
        QCOMPARE(finde(QStringLiteral("Zander,")).gesamtplatz, 0);
    }

    void belowTheMinimumShowsDashesAndNoPlacing()
    {
        Cup cup = test::berichtsCup();
        cup.min = 2;
        cup.max = 2;
        const Webdaten d = webdaten(cup, 2);
        for (const auto &t : d.teilnehmer)
            if (t.name.startsWith(QLatin1String("Fuchs,"))) {
                QCOMPARE(t.gesamtpunkte, QStringLiteral("---"));
                QCOMPARE(t.gesamtplatz, 0);
            }
        bool gefunden = false;
        for (const auto &b : d.gesamt.bloecke)
            for (const auto &g : b.gruppen)
                for (const auto &z : g.zeilen)
                    if (d.teilnehmer[static_cast<size_t>(z.teilnehmer)].name.startsWith(QLatin1String("Fuchs,"))) {
                        QCOMPARE(z.wert, QStringLiteral("---"));
                        QCOMPARE(z.platz, 0);
                        gefunden = true;
                    }
        QVERIFY(gefunden);
    }

    void defaultIsTheLastRaceWithResults()
    {
        Cup cup = test::berichtsCup();
        QCOMPARE(letzterLaufMitErgebnissen(cup), 2);
        test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("01.09.2026"), QStringLiteral("ja"));
        QCOMPARE(letzterLaufMitErgebnissen(cup), 2);
        const Webdaten d = webdaten(cup, letzterLaufMitErgebnissen(cup));
        QCOMPARE(d.gesamt.titel, QStringLiteral("vorl. Gesamtergebnis nach Lauf 2"));
        QCOMPARE(d.laeufe.size(), size_t(3));
        QVERIFY(d.laeufe[1].mitSeite);
        QVERIFY(!d.laeufe[2].mitSeite);
        // Finishers: scored results only (race 1: Adler, Berg, Clemens, Graf, Huber, Kleinschmidt, Zander).
        QCOMPARE(d.laeufe[0].imZiel, 7);
        QCOMPARE(webdaten(Cup(), 0).nachLauf, 0);
        QCOMPARE(letzterLaufMitErgebnissen(Cup()), 0);
    }

    void badMaximumAgeStopsLikeTheList()
    {
        Cup cup = test::berichtsCup();
        cup.ag.setCell(Agspalte::Maximalalter, 3, QStringLiteral("elf"));
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, webdaten(cup, 1));
    }
};

QTEST_GUILESS_MAIN(TestWebdaten)
#include "tst_webdaten.moc"
