#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "support/testhilfe.h"

#include <QFile>
#include <QTest>

using namespace tlt;

namespace {

using Bericht = void (*)(const Cup &, Ausgabe &, int);

// Replaces the age groups by the given rows (women's label, men's label, maximum age).
void altersgruppen(Cup &cup, const QList<QStringList> &zeilen)
{
    cup.ag.setRowCount(1 + static_cast<int>(zeilen.size()));
    for (int i = 0; i < zeilen.size(); ++i)
        for (int c = 0; c < 3; ++c)
            cup.ag.setCell(c, i + 1, zeilen[i][c]);
}

// Adds races 1..n with staff counts "0" and result columns in `teil`.
void laufeAnlegen(Cup &cup, int n)
{
    cup.laufe.setColCount(n + 1);
    cup.teil.setColCount(8 + n);
    for (int c = 1; c <= n; ++c) {
        cup.laufe.setCell(c, 0, QString::number(c));
        cup.laufe.setCell(c, 1, kZeitlauf);
        cup.laufe.setCell(c, 2, QStringLiteral("0%1.05.2026").arg(c));
        for (int k = 19; k <= 21; ++k)
            cup.laufe.setCell(c, k, QStringLiteral("0"));
    }
}

// Appends a participant with its result in race `lauf` (the other races stay empty).
void teilnehmer(Cup &cup, const QString &verein, const QString &altersgruppe, int lauf, const QString &ergebnis)
{
    const int r = cup.teil.rowCount();
    cup.teil.setRowCount(r + 1);
    cup.teil.setCell(0, r, QStringLiteral("Name%1").arg(r));
    cup.teil.setCell(1, r, QStringLiteral("Vorname%1").arg(r));
    cup.teil.setCell(4, r, verein);
    cup.teil.setCell(5, r, altersgruppe);
    cup.teil.setCell(6, r, QStringLiteral("%1").arg(r, 3, 10, QLatin1Char('0')));
    cup.teil.setCell(Cup::ergebnisspalte(lauf), r, ergebnis);
}

// `anzahl` entries of one label, of which the first `starter` have a time and the rest "n.a.".
void meldungen(Cup &cup, const QString &verein, const QString &altersgruppe, int lauf, int anzahl, int starter)
{
    for (int i = 0; i < anzahl; ++i)
        teilnehmer(cup, verein, altersgruppe, lauf,
                   i < starter ? QStringLiteral("0:20'00,00\"") : QStringLiteral("n.a."));
}

// A cup with two races and ten age groups; race 2 carries the report's figures, race 1 other results.
Cup grosserCup()
{
    Cup cup;
    cup.name = QStringLiteral("Musterstädter Läufercup 2026");
    cup.veranstalter = QStringLiteral("LG Musterstadt");
    cup.kategorie = 2;
    altersgruppen(cup, {
                           {"WK U8", "MK U8", "7"},
                           {"WK U10", "MK U10", "9"},
                           {"WK U12", "MK U12", "11"},
                           {"WJ U14", "MJ U14", "13"},
                           {"Frauen-Hauptklasse", "Männer-Hauptklasse", "29"},
                           {"W30", "M30", "39"},
                           {"W40", "M40", "49"},
                           {"W50", "M50", "59"},
                           {"W60", "M60", "69"},
                           {"W70", "M70", "150"},
                       });
    laufeAnlegen(cup, 2);
    const int c = 2;
    auto R = [&](int k, const QString &text) { cup.laufe.setCell(c, k, text); };
    R(4, QStringLiteral("Leichtathletikgemeinschaft Musterstadt e.V."));
    R(5, QStringLiteral("Hauptstraße 1"));
    R(6, QStringLiteral("12345 Musterstadt"));
    R(7, QStringLiteral("Postfach 9"));
    R(8, QStringLiteral("01234/56789"));
    R(9, QStringLiteral("01234/56780"));
    R(10, QStringLiteral("Musterstadt"));
    R(11, QStringLiteral("Musterkreis"));
    R(12, QStringLiteral("Nordbezirk"));
    R(13, QStringLiteral("Niedersachsen"));
    R(14, QStringLiteral("Stadion am Wald"));
    R(15, QStringLiteral("Waldweg 3"));
    R(16, QStringLiteral("elektronisch mit Transponderchips im Schuh"));
    R(17, QStringLiteral("keine"));
    R(18, QStringLiteral("Startnummern geprüft"));
    R(19, QStringLiteral("3"));
    R(20, QStringLiteral("12"));
    R(21, QStringLiteral("2"));
    R(22, QStringLiteral("Erika Mustermann"));
    R(23, QStringLiteral("0111/1"));
    R(24, QStringLiteral("0111/2"));
    R(25, QStringLiteral("Max Aufsicht"));
    R(26, QStringLiteral("0222/1"));
    R(27, QStringLiteral("0222/2"));
    R(28, QStringLiteral("Keine Einsprüche."));
    R(29, QString());
    R(30, QStringLiteral("Streckenrekord bei den Frauen."));
    R(31, QStringLiteral("DLV-2026-000123-X"));

    // Race 1 has its own results; none of them may show up in the report on race 2.
    meldungen(cup, QStringLiteral("Falscher Lauf"), QStringLiteral("W30"), 1, 5, 5);

    meldungen(cup, QStringLiteral("LG Nord"), QStringLiteral("WK U8"), c, 8, 1);  // 12.5 % -> 12
    meldungen(cup, QStringLiteral("LG NORD"), QStringLiteral("MK U8"), c, 40, 3); // 7.5 % -> 8
    meldungen(cup, QStringLiteral("LG Nord"), QStringLiteral("WK U10"), c, 8, 5); // 62.5 % -> 62
    teilnehmer(cup, QStringLiteral("SC West"), QStringLiteral("MK U10"), c, QStringLiteral("d."));
    teilnehmer(cup, QStringLiteral("SC West"), QStringLiteral("MK U10"), c, QStringLiteral("v."));
    teilnehmer(cup, QString(), QStringLiteral("WK U12"), c, QStringLiteral("o.L."));
    teilnehmer(cup, QString(), QStringLiteral("WK U12"), c, QStringLiteral("0:19'59,99\""));
    teilnehmer(cup, QStringLiteral("TV Süd"), QStringLiteral("WK U12"), c, QStringLiteral("n.a."));
    teilnehmer(cup, QStringLiteral("TV Süd"), QStringLiteral("WJ U14"), c, QStringLiteral("n.a."));
    meldungen(cup, QStringLiteral("LG Nord"), QStringLiteral("Frauen-Hauptklasse"), c, 2, 1);
    meldungen(cup, QStringLiteral("LG Nord"), QStringLiteral("W60"), c, 2, 2);
    meldungen(cup, QStringLiteral("LG Nord"), QStringLiteral("M70"), c, 1, 1);
    // Not counted: a label of no age group, a label differing in case, and no result at all.
    teilnehmer(cup, QStringLiteral("Geisterclub"), QStringLiteral("X99"), c, QStringLiteral("0:30'00,00\""));
    teilnehmer(cup, QStringLiteral("Geisterclub"), QStringLiteral("wk u8"), c, QStringLiteral("0:30'00,00\""));
    teilnehmer(cup, QStringLiteral("Geisterclub"), QStringLiteral("WK U8"), c, QString());
    return cup;
}

// Three age groups, one race without any entry, no category selected.
Cup kleinerCup()
{
    Cup cup;
    cup.name = QStringLiteral("Kleiner Cup");
    cup.kategorie = -1;
    altersgruppen(cup, {{"F", "M", "29"}, {"F30", "M30", "39"}, {"F40", "M40", "150"}});
    laufeAnlegen(cup, 1);
    teilnehmer(cup, QStringLiteral("LG Nord"), QStringLiteral("F"), 1, QString());
    return cup;
}

// A cup with one age group and `meldungen` women's entries of which `starter` started.
Cup einGruppenCup(int anzahl, int starter)
{
    Cup cup;
    altersgruppen(cup, {{"F", "M", "99"}});
    laufeAnlegen(cup, 1);
    meldungen(cup, QStringLiteral("LG"), QStringLiteral("F"), 1, anzahl, starter);
    return cup;
}

QString zeilenVon(const Ausgabe &a)
{
    return a.text() + QLatin1Char('\n');
}

// Compares with a golden file; TLT_GOLDEN_SCHREIBEN=1 writes the file instead (check it by eye before committing).
void vergleicheMitGolden(const Ausgabe &a, const QString &datei)
{
    const QString ist = zeilenVon(a);
    if (qEnvironmentVariableIsSet("TLT_GOLDEN_SCHREIBEN")) {
        QFile f(test::testdatenPfad(datei));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(ist.toUtf8());
        return;
    }
    const QString soll = test::testdaten(datei);
    QVERIFY2(!soll.isEmpty(), qPrintable(QStringLiteral("golden file missing: ") + datei));
    const QStringList istZeilen = ist.split(QLatin1Char('\n'));
    const QStringList sollZeilen = soll.split(QLatin1Char('\n'));
    for (int i = 0; i < qMin(istZeilen.size(), sollZeilen.size()); ++i)
        QVERIFY2(istZeilen[i] == sollZeilen[i],
                 qPrintable(
                     QStringLiteral("line %1:\n  is   [%2]\n  want [%3]").arg(i + 1).arg(istZeilen[i], sollZeilen[i])));
    QCOMPARE(istZeilen.size(), sollZeilen.size());
}

} // namespace

class TstDlv : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void goldenReports_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("gross");
        QTest::addColumn<QString>("datei");
        QTest::newRow("version 1, ten age groups") << 1 << true << "dlv_1.txt";
        QTest::newRow("version 2, ten age groups") << 2 << true << "dlv_2.txt";
        QTest::newRow("version 1, three groups, no entry") << 1 << false << "dlv_1_leer.txt";
        QTest::newRow("version 2, three groups, no entry") << 2 << false << "dlv_2_leer.txt";
    }

    void goldenReports()
    {
        QFETCH(int, version);
        QFETCH(bool, gross);
        QFETCH(QString, datei);
        const Cup cup = gross ? grosserCup() : kleinerCup();
        Ausgabe a;
        a.p(0, Fett, 14, QStringLiteral("alter Bericht"));
        (version == 1 ? ausgabe_dlv : ausgabe_dlv_2)(cup, a, gross ? 2 : 1);
        QCOMPARE(a.anzahl(), 70);
        for (const Ausgabezeile &z : a.zeilen()) {
            QCOMPARE(z.farbe, 0);
            QCOMPARE(z.stil, int(Normal));
            QCOMPARE(z.groesse, 9);
        }
        vergleicheMitGolden(a, datei);
    }

    // Halves go to the even neighbour of the exact quotient; a half-away rounding gives 13, 63, 15 and 3.
    void percentagesRoundHalfToEven_data()
    {
        QTest::addColumn<int>("meldungen");
        QTest::addColumn<int>("starter");
        QTest::addColumn<QString>("prozent");
        QTest::newRow("1 of 8 = 12.5") << 8 << 1 << "12";
        QTest::newRow("3 of 40 = 7.5") << 40 << 3 << "8";
        QTest::newRow("5 of 8 = 62.5") << 8 << 5 << "62";
        QTest::newRow("29 of 200 = 14.5") << 200 << 29 << "14";
        QTest::newRow("1 of 200 = 0.5") << 200 << 1 << "0";
        QTest::newRow("5 of 200 = 2.5") << 200 << 5 << "2";
        QTest::newRow("2 of 3 = 66.7") << 3 << 2 << "67";
        QTest::newRow("1 of 3 = 33.3") << 3 << 1 << "33";
        QTest::newRow("all started") << 7 << 7 << "100";
        QTest::newRow("none started") << 4 << 0 << "0";
        QTest::newRow("no entry") << 0 << 0 << "0";
    }

    void percentagesRoundHalfToEven()
    {
        QFETCH(int, meldungen);
        QFETCH(int, starter);
        QFETCH(QString, prozent);
        const Cup cup = einGruppenCup(meldungen, starter);
        const QString feld = rechtsbuendig(prozent, 3) + QStringLiteral(" |");

        Ausgabe a;
        ausgabe_dlv(cup, a, 1);
        QVERIFY2(a.zeile(20).text.endsWith(feld), qPrintable(a.zeile(20).text)); // women's row of group 1
        QVERIFY2(a.zeile(37).text.endsWith(feld), qPrintable(a.zeile(37).text)); // "Summe weiblich"
        QVERIFY2(a.zeile(39).text.endsWith(feld), qPrintable(a.zeile(39).text)); // "Summe Teilnehmer"

        ausgabe_dlv_2(cup, a, 1);
        QVERIFY2(a.zeile(20).text.endsWith(feld), qPrintable(a.zeile(20).text));
    }

    // Clubs are distinct exact texts: letter case matters, an empty club is a club, and only counted
    // entries contribute. 12.5 % of clubs started (1 of 8), which must show "12".
    void clubsAreExactTexts()
    {
        Cup cup;
        altersgruppen(cup, {{"F", "M", "99"}});
        laufeAnlegen(cup, 1);
        const QStringList vereine{
            "TV Musterstadt", "TV MUSTERSTADT", "tv musterstadt", "", "LG Äpfel", "LG äpfel", "SC", "SC "};
        for (const QString &v : vereine)
            teilnehmer(cup, v, QStringLiteral("M"), 1, v == QLatin1String("SC") ? "d." : "n.a.");
        teilnehmer(cup, QStringLiteral("TV Musterstadt"), QStringLiteral("F"), 1, QStringLiteral("n.a."));
        teilnehmer(cup, QStringLiteral("Nicht gezählt"), QStringLiteral("X"), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("Kein Lauf"), QStringLiteral("F"), 1, QString());

        Ausgabe a;
        ausgabe_dlv(cup, a, 1);
        QCOMPARE(a.zeile(17).text,
                 QStringLiteral("                                |A. Vereine        |      8    |      "
                                "1    |  12 |"));
    }

    // Only entries whose label is exactly some age group's women's or men's label count, in the rows,
    // the sums and the clubs.
    void unknownLabelsAreNotCounted()
    {
        Cup cup;
        altersgruppen(cup, {{"F", "M", "99"}});
        laufeAnlegen(cup, 1);
        teilnehmer(cup, QStringLiteral("A"), QStringLiteral("F"), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("B"), QStringLiteral("f"), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("C"), QStringLiteral("F "), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("D"), QString(), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("E"), QStringLiteral("M"), 1, QStringLiteral("n.a."));

        Ausgabe a;
        ausgabe_dlv_2(cup, a, 1);
        QCOMPARE(a.zeile(17).text,
                 QStringLiteral("                                |A. Vereine        |      2    |      "
                                "1    |  50 |"));
        QCOMPARE(a.zeile(20).text,
                 QStringLiteral("Windmessung:                    | F/M              |   1 |   1 |   1 |   0 |  50 |"));
        QCOMPARE(a.zeile(37).text, QStringLiteral("verarbeitung:                   |Summe weiblich    |   1 |     |   "
                                                  "1 |     | 100 |"));
        QCOMPARE(a.zeile(39).text,
                 QStringLiteral(" Tempolauftabellator            |Summe Teilnehmer  |      2    |      "
                                "1    |  50 |"));
    }

    void categoryLine_data()
    {
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("none selected") << -1 << "Kategorie        : ";
        QTest::newRow("first") << 0 << "Kategorie        : 1 - vereinsoffene Veranstaltung";
        QTest::newRow("last") << 6 << "Kategorie        : 7 - internationale Veranstaltung";
        QTest::newRow("beyond the list") << 7 << "Kategorie        : ";
        QTest::newRow("far beyond") << 100 << "Kategorie        : ";
    }

    void categoryLine()
    {
        QFETCH(int, kategorie);
        QFETCH(QString, zeile);
        Cup cup = kleinerCup();
        cup.kategorie = kategorie;
        Ausgabe a;
        ausgabe_dlv(cup, a, 1);
        QCOMPARE(a.zeile(9).text, zeile);
        ausgabe_dlv_2(cup, a, 1);
        QCOMPARE(a.zeile(9).text, zeile);
    }

    // The default table: version 1 stops after "F U23"/"M U23", version 2 lists all 14 groups and two
    // blank rows, and both sums include the groups the form does not list.
    void defaultAgeGroupsAndSums()
    {
        Cup cup;
        laufeAnlegen(cup, 1);
        teilnehmer(cup, QStringLiteral("A"), QStringLiteral("F U23"), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("A"), QStringLiteral("F70 u.ä."), 1, QStringLiteral("0:10'00,00\""));
        teilnehmer(cup, QStringLiteral("A"), QStringLiteral("M70 u.ä."), 1, QStringLiteral("n.a."));

        Ausgabe a;
        ausgabe_dlv(cup, a, 1);
        QCOMPARE(a.zeile(34).text,
                 QStringLiteral("                                | F U23      20-22 |   1 |     |   1 |     | 100 |"));
        QCOMPARE(a.zeile(35).text,
                 QStringLiteral("--------------------------------| M U23      20-22 |     |   0 |     |   0 |   0 |"));
        QCOMPARE(a.zeile(20).text,
                 QStringLiteral("Windmessung:                    | WK U8        0-7 |   0 |     |   0 |     |   0 |"));
        QCOMPARE(a.zeile(37).text, QStringLiteral("verarbeitung:                   |Summe weiblich    |   2 |     |   "
                                                  "2 |     | 100 |"));
        QCOMPARE(a.zeile(38).text, QStringLiteral("                                |Summe männlich    |     |   1 |  "
                                                  "   |   0 |   0 |"));

        ausgabe_dlv_2(cup, a, 1);
        QCOMPARE(a.zeile(33).text,
                 QStringLiteral("                                | F70 u.ä./M70 u.ä |   1 |   1 |   1 |   0 |  50 |"));
        QCOMPARE(a.zeile(34).text,
                 QStringLiteral("                                |                  |     |     |     |     |     |"));
        QCOMPARE(a.zeile(35).text,
                 QStringLiteral("--------------------------------|                  |     |     |     |     |     |"));
        QCOMPARE(a.zeile(39).text,
                 QStringLiteral(" Tempolauftabellator            |Summe Teilnehmer  |      3    |      "
                                "2    |  67 |"));
    }

    // A staff cell that is no integer stops the report with the conversion message before any line.
    void staffCellNotAnInteger()
    {
        Cup cup = kleinerCup();
        cup.laufe.setCell(1, 20, QStringLiteral("zwölf"));
        Ausgabe a;
        a.p(0, Normal, 9, QStringLiteral("alt"));
        try {
            ausgabe_dlv(cup, a, 1);
            QFAIL("no conversion error");
        } catch (const Konvertierungsfehler &f) {
            QCOMPARE(f.meldung(), QStringLiteral("'zwölf' ist kein gültiger Integerwert"));
        }
        QVERIFY(a.leer());
    }

    // A maximum age that is no integer stops version 1 at the first band that needs it; the lines
    // written so far stay.
    void maximumAgeNotAnIntegerKeepsLinesSoFar()
    {
        Cup cup = kleinerCup();
        cup.ag.setCell(2, 1, QStringLiteral("alt"));
        Ausgabe a;
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, ausgabe_dlv(cup, a, 1));
        QCOMPARE(a.anzahl(), 22);
        QCOMPARE(a.zeile(20).text,
                 QStringLiteral("Windmessung:                    | F          0-alt |   0 |     |   0 |     |   0 |"));
        // Version 2 shows no age bands and is not affected.
        ausgabe_dlv_2(cup, a, 1);
        QCOMPARE(a.anzahl(), 70);
    }

    void staffTotalAddsTheThreeCells()
    {
        Cup cup = kleinerCup();
        cup.laufe.setCell(1, 19, QStringLiteral("7"));
        cup.laufe.setCell(1, 20, QStringLiteral("120"));
        cup.laufe.setCell(1, 21, QStringLiteral("5"));
        Ausgabe a;
        ausgabe_dlv_2(cup, a, 1);
        QCOMPARE(a.zeile(42).text, QStringLiteral("                                | Wettk.-Büro/EDV  |      5       "
                                                  "               |"));
        QCOMPARE(a.zeile(43).text, QStringLiteral("                                | Kampfrichter     |      7    "
                                                  "Summe             |"));
        QCOMPARE(a.zeile(44).text, QStringLiteral("                                | Helfer           |    120    "
                                                  "Mitarb.  132      |"));
    }

    void makerNoticeAndAddressFillTheirMargin()
    {
        Cup cup = kleinerCup();
        Ausgabe a;
        ausgabe_dlv(cup, a, 1);
        const QString hinweis = a.zeile(40).text;
        const QString adresse = a.zeile(41).text;
        QCOMPARE(hinweis.indexOf(QLatin1Char('|')), 32);
        QCOMPARE(adresse.indexOf(QLatin1Char('|')), 32);
        QVERIFY(hinweis.startsWith(QStringLiteral(" (")));
        QVERIFY(adresse.startsWith(QStringLiteral(" https://")));
        QCOMPARE(hinweis.size(), 82);
        QCOMPARE(adresse.size(), 82);
    }
};

QTEST_GUILESS_MAIN(TstDlv)
#include "tst_dlv.moc"
