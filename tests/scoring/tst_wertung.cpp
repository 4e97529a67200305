#include "core/cup.h"
#include "core/konvertierung.h"
#include "scoring/wertung.h"
#include "support/literal_wertung.h"

#include <QTest>

using namespace tlt;
using literal::teilnehmerAnlegen;

namespace {

const QString kT31_10 = QStringLiteral("0:31'10,00\"");
const QString kT32 = QStringLiteral("0:32'00,00\"");

// Placing and points of every row, or the message of the first failure.
QString alles(const std::function<int(int, int)> &platz, const std::function<int(int, int)> &punkte, const Cup &cup)
{
    QStringList l;
    for (int k = 1; k <= cup.anzahlLaufe(); ++k)
        for (int r = 1; r < cup.teil.rowCount(); ++r) {
            try {
                l << QStringLiteral("%1/%2").arg(platz(k, r)).arg(punkte(k, r));
            } catch (const Konvertierungsfehler &f) {
                l << f.meldung();
            }
        }
    return l.join(QLatin1Char(' '));
}

} // namespace

class TestWertung : public QObject {
    Q_OBJECT

private slots:
    void besserVergleichtEintraege_data()
    {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("erwartet");
        const QString z = kZeitlauf;
        const QString d = kDistanzlauf;
        QTest::newRow("kuerzere Zeit") << z << "0:46'00,00\""
                                       << "0:45'00,00\"" << true;
        QTest::newRow("laengere Zeit") << z << "0:45'00,00\""
                                       << "0:46'00,00\"" << false;
        QTest::newRow("gleiche Zeit") << z << kT31_10 << kT31_10 << false;
        QTest::newRow("laengere Strecke") << d << "12450m"
                                          << "12500m" << true;
        QTest::newRow("kuerzere Strecke") << d << "12500m"
                                          << "12450m" << false;
        QTest::newRow("anderer Typ zaehlt wie Distanz") << ""
                                                        << "100m"
                                                        << "200m" << true;
        QTest::newRow("Zeit vor Code") << z << "n.a." << kT32 << true;
        QTest::newRow("Code nach Zeit") << z << kT32 << "d." << false;
        QTest::newRow("Codes alphabetisch") << z << "v."
                                            << "d." << true;
        QTest::newRow("Codes ohne Gross/Klein") << z << "o.L."
                                                << "O.l." << false;
        QTest::newRow("Code vor leer") << z << ""
                                       << "n.a." << true;
        QTest::newRow("leer nie besser") << z << "n.a."
                                         << "" << false;
        QTest::newRow("leer gegen leer") << z << ""
                                         << "" << false;
        // Only a-z are folded: "ä" (0xE4) sorts after "Z" and is not equal to "Ä" (0xC4).
        QTest::newRow("Umlaut nach Z") << z << "äx"
                                       << "Zx" << true;
        QTest::newRow("Umlaut ungefaltet") << z << "äx"
                                           << "Äx" << true;
        // "€" is 0x80 in Windows-1252, below "ä" (0xE4), although its Unicode value is higher.
        QTest::newRow("Euro nach Windows-1252") << z << "äx"
                                                << "€x" << true;
    }

    void besserVergleichtEintraege()
    {
        QFETCH(QString, typ);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(bool, erwartet);
        Cup cup;
        literal::laufeAnlegen(cup, 1, typ);
        QCOMPARE(besser(cup, 1, x, y), erwartet);
        QCOMPARE(literal::besser(cup, 1, x, y), erwartet);
    }

    void gleicheZeitenTeilenPlatz()
    {
        Cup cup;
        literal::ohneVarianten(cup);
        literal::laufeAnlegen(cup, 1);
        const int a = teilnehmerAnlegen(cup, "A", "a", "", "", "M", "", {kT32});
        const int b = teilnehmerAnlegen(cup, "B", "b", "", "", "M", "", {kT31_10});
        const int c = teilnehmerAnlegen(cup, "C", "c", "", "", "M", "", {kT31_10});
        const int d = teilnehmerAnlegen(cup, "D", "d", "", "", "M", "", {"n.a."});
        const int e = teilnehmerAnlegen(cup, "E", "e", "", "", "M", "", {""});
        const Laufwertung lw(cup, 1);
        QCOMPARE(platzierung(cup, 1, b), 1);
        QCOMPARE(platzierung(cup, 1, c), 1);
        QCOMPARE(platzierung(cup, 1, a), 3);
        QCOMPARE(platzierung(cup, 1, d), 0);
        QCOMPARE(platzierung(cup, 1, e), 0);
        QCOMPARE(lw.platz(b), 1);
        QCOMPARE(lw.platz(c), 1);
        QCOMPARE(lw.platz(a), 3);
        QCOMPARE(lw.platz(d), 0);
        QCOMPARE(lw.platz(e), 0);
        QCOMPARE(lw.punkte(a), 18);
    }

    void gruppenWerdenGetrenntPlatziert()
    {
        Cup cup; // with the default cup variations
        literal::laufeAnlegen(cup, 1);
        const int m = teilnehmerAnlegen(cup, "A", "a", "", "", "MK U10", "A-Cup", {kT32});
        const int w = teilnehmerAnlegen(cup, "B", "b", "", "", "WK U10", "A-Cup", {kT31_10});
        const int b = teilnehmerAnlegen(cup, "C", "c", "", "", "MK U10", "B-Cup", {kT31_10});
        QCOMPARE(platzierung(cup, 1, m), 1);
        QCOMPARE(platzierung(cup, 1, w), 1);
        QCOMPARE(platzierung(cup, 1, b), 1);
        // Without variations the "ggf. Cup" cell no longer separates them.
        literal::ohneVarianten(cup);
        QCOMPARE(platzierung(cup, 1, m), 2);
        QCOMPARE(Laufwertung(cup, 1).platz(m), 2);
    }

    void laufpunkteMitBonus_data()
    {
        QTest::addColumn<int>("vorneDran");
        QTest::addColumn<QString>("faktor");
        QTest::addColumn<QString>("summand");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("Platz 1 ohne Bonus") << 0 << ""
                                            << "" << 20;
        QTest::newRow("Platz 3, Faktor 2, Summand 3") << 2 << "2"
                                                      << "3" << 39;
        QTest::newRow("Platz 21 ohne Tabellenpunkte") << 20 << ""
                                                      << "" << 0;
        QTest::newRow("Platz 21, Summand 5") << 20 << ""
                                             << "5" << 5;
        QTest::newRow("Platz 20, Faktor 5") << 19 << "5"
                                            << "0" << 5;
    }

    void laufpunkteMitBonus()
    {
        QFETCH(int, vorneDran);
        QFETCH(QString, faktor);
        QFETCH(QString, summand);
        QFETCH(int, erwartet);
        Cup cup;
        literal::ohneVarianten(cup);
        literal::laufeAnlegen(cup, 1, kDistanzlauf);
        cup.laufe.setCell(1, 32, faktor);
        cup.laufe.setCell(1, 33, summand);
        for (int i = 0; i < vorneDran; ++i)
            teilnehmerAnlegen(cup, "V", "v", "", "", "F", "", {QStringLiteral("%1m").arg(20000 - i)});
        const int r = teilnehmerAnlegen(cup, "R", "r", "", "", "F", "", {"5000m"});
        QCOMPARE(laufpunkte(cup, 1, r), erwartet);
        QCOMPARE(Laufwertung(cup, 1).punkte(r), erwartet);
    }

    void unlesbareZellenMelden_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("punkte");
        QTest::addColumn<QString>("faktor");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Bonusfaktor") << 1 << "20"
                                     << "x"
                                     << "'x' ist kein gültiger Integerwert";
        QTest::newRow("Punktezelle") << 1 << "zwanzig"
                                     << ""
                                     << "'zwanzig' ist kein gültiger Integerwert";
        QTest::newRow("Punktezelle ungenutzt") << 2 << "zwanzig"
                                               << ""
                                               << "";
    }

    void unlesbareZellenMelden()
    {
        QFETCH(int, zeile);
        QFETCH(QString, punkte);
        QFETCH(QString, faktor);
        QFETCH(QString, meldung);
        Cup cup;
        literal::ohneVarianten(cup);
        literal::laufeAnlegen(cup, 1);
        cup.pv.setCell(1, 1, punkte);
        cup.laufe.setCell(1, 32, faktor);
        teilnehmerAnlegen(cup, "A", "a", "", "", "F", "", {kT31_10});
        teilnehmerAnlegen(cup, "B", "b", "", "", "F", "", {kT32});
        QString ist;
        try {
            Laufwertung(cup, 1).punkte(zeile);
        } catch (const Konvertierungsfehler &f) {
            ist = f.meldung();
        }
        QCOMPARE(ist, meldung);
    }

    // Digits beyond 32 bits fail only when compared with other digits in the same group.
    void zuGrosseZahlFehltNurImVergleich()
    {
        Cup cup;
        literal::ohneVarianten(cup);
        literal::laufeAnlegen(cup, 1);
        const int gross = teilnehmerAnlegen(cup, "A", "a", "", "", "F", "", {"99999:99'99,99\""});
        const int allein = teilnehmerAnlegen(cup, "B", "b", "", "", "M", "", {"99999:99'99,99\""});
        const int text = teilnehmerAnlegen(cup, "C", "c", "", "", "F", "", {"abc"});
        const Laufwertung lw(cup, 1);
        QCOMPARE(lw.platz(allein), 1);
        QCOMPARE(lw.platz(gross), 1);
        QCOMPARE(lw.platz(text), 2);
        const int zeit = teilnehmerAnlegen(cup, "D", "d", "", "", "F", "", {kT32});
        const Laufwertung lw2(cup, 1);
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, lw2.platz(gross));
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, lw2.platz(zeit));
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, platzierung(cup, 1, zeit));
        QCOMPARE(lw2.platz(text), 3);
        QCOMPARE(platzierung(cup, 1, text), 3);
    }

    // The once-per-race placings equal the literal definition on random cups, failures included.
    void schnellGleichLiteral_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("varianten");
        QTest::addColumn<bool>("sonderfaelle");
        for (int s = 1; s <= 40; ++s)
            QTest::addRow("seed %d", s) << s << (s % 2 == 0) << (s % 3 == 0);
    }

    void schnellGleichLiteral()
    {
        QFETCH(int, seed);
        QFETCH(bool, varianten);
        QFETCH(bool, sonderfaelle);
        literal::Zufall z;
        z.seed = static_cast<unsigned>(seed);
        z.cupvarianten = varianten;
        z.ohneZiffern = sonderfaelle;
        z.zuGrosseZahlen = sonderfaelle;
        z.teilnehmer = 30 + seed * 3;
        const Cup cup = literal::zufallsCup(z);

        const QString erwartet = alles([&](int k, int r) { return literal::platzierung(cup, k, r); },
                                       [&](int k, int r) { return literal::laufpunkte(cup, k, r); }, cup);
        const QString einzeln = alles([&](int k, int r) { return platzierung(cup, k, r); },
                                      [&](int k, int r) { return laufpunkte(cup, k, r); }, cup);
        std::vector<std::unique_ptr<Laufwertung>> lw;
        for (int k = 0; k <= cup.anzahlLaufe(); ++k) // race 0 only keeps the index simple
            lw.push_back(std::make_unique<Laufwertung>(cup, k));
        const QString schnell = alles([&](int k, int r) { return lw[static_cast<size_t>(k)]->platz(r); },
                                      [&](int k, int r) { return lw[static_cast<size_t>(k)]->punkte(r); }, cup);
        const Laufwertungen alle(cup, 1, cup.anzahlLaufe());
        const QString zusammen =
            alles([&](int k, int r) { return alle.platz(k, r); }, [&](int k, int r) { return alle.punkte(k, r); }, cup);
        QCOMPARE(einzeln, erwartet);
        QCOMPARE(schnell, erwartet);
        QCOMPARE(zusammen, erwartet);
    }
};

QTEST_GUILESS_MAIN(TestWertung)
#include "tst_wertung.moc"
