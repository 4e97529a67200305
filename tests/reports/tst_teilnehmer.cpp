#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "reports/teilnehmer.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/testhilfe.h"

#include <QTest>

using namespace tlt;

namespace {

const QString kM = QStringLiteral("männlich");
const QString kW = QStringLiteral("weiblich");

// Default variations, four races; race 1 carries a bonus factor that the statistics ignore.
Cup statistikCup()
{
    Cup cup;
    cup.name = QStringLiteral("Ahorn-Cup 2026");
    cup.veranstalter = QStringLiteral("TV Ahorn");
    test::laufAnhaengen(cup, kZeitlauf, "01.05.2026", "ja");
    test::laufAnhaengen(cup, kDistanzlauf, "05.06.2026", "ja");
    test::laufAnhaengen(cup, kZeitlauf, "03.07.2026", "ja");
    test::laufAnhaengen(cup, kZeitlauf, "04.09.2026", "ja");
    cup.laufe.setCell(1, 32, QStringLiteral("2"));
    cup.laufe.setCell(1, 33, QStringLiteral("5"));
    auto t = [&](const QStringList &f, const QStringList &e) { test::teilnehmerAnhaengen(cup, f, e); };
    t({"Albers", "Anna", "01.02.1995", kW, "TV Ahorn", "F", "A-Cup"}, {"0:40'00,00\"", "15000m", "n.a.", ""});
    t({"Brandt", "Berta", "02.03.1996", kW, "LG Musterstadt", "F", "A-Cup"}, {"0:41'00,00\"", "16000m", "d."});
    // A variation that does not exist: every label is empty, never the previous participant's.
    t({"Xaver", "Xenia", "03.04.1997", kW, "TSV Birke", "F", "Z-Cup"}, {"0:41'00,00\"", "", "", "0:39'59,99\""});
    t({"Graf", "Gustav", "07.08.1990", kM, "TV Ahorn", "M30", "B-Cup"}, {"", "v.", "", "o.L."});
    return cup;
}

// Without variations the race's own distance or time is the label; 8700 m in 2000 s is exactly 4.35 m/s.
Cup statistikCupOhneVarianten()
{
    Cup cup = test::cupOhneVarianten();
    test::laufAnhaengen(cup, kZeitlauf, "17.04.2026", "8700m");
    test::laufAnhaengen(cup, kDistanzlauf, "18.05.2026", "1:00'00,00\"");
    test::laufAnhaengen(cup, kZeitlauf, "19.06.2026", "");
    cup.teil.setCell(Cup::ergebnisspalte(2), 3, "0:33'20,00\"");
    cup.teil.setCell(Cup::ergebnisspalte(3), 3, "12345m");
    cup.teil.setCell(Cup::ergebnisspalte(4), 3, "0:25'00,00\"");
    return cup;
}

int zeileVon(const Cup &cup, const QString &name)
{
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        if (cup.teil.cell(0, r) == name)
            return r;
    return -1;
}

} // namespace

class TestTeilnehmer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void goldenBerichte_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("name"); // empty: all participants
        QTest::addColumn<QString>("datei");
        QTest::newRow("einzeln") << 0 << "Albers"
                                 << "teilnehmer_einzeln.txt";
        QTest::newRow("unbekannte Variante") << 0 << "Xaver"
                                             << "teilnehmer_unbekannte_variante.txt";
        QTest::newRow("alle") << 0 << ""
                              << "teilnehmer_alle.txt";
        QTest::newRow("ohne Varianten") << 1 << "Christ"
                                        << "teilnehmer_ohne_varianten.txt";
    }

    void goldenBerichte()
    {
        QFETCH(int, fall);
        QFETCH(QString, name);
        QFETCH(QString, datei);
        Cup cup = fall == 0 ? statistikCup() : statistikCupOhneVarianten();
        Ausgabe aus;
        if (name.isEmpty())
            ausgabe_teilnehmeralle(cup, aus);
        else
            ausgabe_teilnehmer(cup, aus, zeileVon(cup, name));
        const QString fehler = test::goldenVergleich(datei, test::paneltext(aus).toUtf8());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    // The "Alle" report repeats the single report's blocks (short data lines) in table order.
    void alleFolgtTabellenreihenfolge()
    {
        Cup cup = statistikCup();
        cup.teil.swapRows(1, 4);
        Ausgabe aus;
        ausgabe_teilnehmeralle(cup, aus);
        QStringList namen;
        for (const Ausgabezeile &z : aus.zeilen())
            if (z.stil == Fett && z.groesse == 12 && z.text != QStringLiteral("Teilnehmerstatistik für"))
                namen << z.text;
        QCOMPARE(namen.join(','), QStringLiteral("Gustav Graf,Berta Brandt,Xenia Xaver,Anna Albers"));
        QVERIFY(!aus.text().contains(QStringLiteral("Geburtsdatum")));
        QCOMPARE(aus.zeile(2).text, QStringLiteral(" "));
        QCOMPARE(aus.zeile(3).text, QStringLiteral("Teilnehmerstatistik für"));
    }

    void platzJenseitsDerPunktetabelle()
    {
        Cup cup = statistikCup();
        cup.pv.setRowCount(2); // points only for placing 1
        Ausgabe aus;
        ausgabe_teilnehmer(cup, aus, zeileVon(cup, "Brandt"));
        QVERIFY(aus.text().contains(QStringLiteral(
            "  1. Lauf (01.05.2026) über      10000m: 0:41'00,00\" ( 4,1 m/s) =   2 .Platz =   0 Punkte")));
        QVERIFY(aus.text().contains(QStringLiteral("Punktesumme              : 20")));
    }

    // A points cell that is no integer stops the report after the lines written so far.
    void fehlerBehaeltZeilen()
    {
        Cup cup = statistikCup();
        cup.pv.setCell(1, 2, QStringLiteral("neunzehn"));
        Ausgabe aus;
        QString meldung;
        try {
            ausgabe_teilnehmer(cup, aus, zeileVon(cup, "Albers"));
        } catch (const Konvertierungsfehler &f) {
            meldung = f.meldung();
        }
        QCOMPARE(meldung, QStringLiteral("'neunzehn' ist kein gültiger Integerwert"));
        QVERIFY(aus.zeile(aus.anzahl() - 1).text.startsWith(QStringLiteral("  1. Lauf (01.05.2026)")));
    }

    // A zero time stops the report with the division message.
    void nullzeitStopptBericht()
    {
        Cup cup = statistikCup();
        cup.teil.setCell(Cup::ergebnisspalte(1), zeileVon(cup, "Albers"), QStringLiteral("0:00'00,00\""));
        Ausgabe aus;
        QString meldung;
        try {
            ausgabe_teilnehmer(cup, aus, zeileVon(cup, "Albers"));
        } catch (const Konvertierungsfehler &f) {
            meldung = f.meldung();
        }
        QCOMPARE(meldung, QStringLiteral("Gleitkommadivision durch Null"));
        QCOMPARE(aus.zeile(aus.anzahl() - 1).text, QStringLiteral("Ergebnisse:"));
    }

    void keineTeilnehmerzeile()
    {
        Cup cup = statistikCup();
        Ausgabe aus;
        ausgabe_teilnehmer(cup, aus, 0);
        QCOMPARE(aus.anzahl(), 3);
        ausgabe_teilnehmer(cup, aus, 99);
        QCOMPARE(aus.anzahl(), 3);
    }
};

QTEST_GUILESS_MAIN(TestTeilnehmer)
#include "tst_teilnehmer.moc"
