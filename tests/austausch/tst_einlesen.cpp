// Import plans for participants and results, and applying them to the cup.
#include "austausch/einlesen.h"
#include "austausch/tabellendatei.h"
#include "austausch/werte.h"
#include "austausch/zuordnung.h"
#include "core/cup.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"

#include <QDate>
#include <QTest>

using namespace tlt;

namespace {
QString pfad(const QString &name)
{
    return test::testdatenPfad(QStringLiteral("austausch/") + name);
}

Rohtabelle lesen(const QString &name, const QString &blatt = {})
{
    Rohtabelle t;
    QString fehler;
    if (!tabelleLesen(pfad(name), blatt, &t, &fehler))
        qWarning("%s", qPrintable(fehler));
    return t;
}

// A new cup (variations A-, B-, C-Cup) with a time run in 2026 and two participants.
Cup meldecup()
{
    Cup cup;
    cup.neu();
    test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("14.03.2026"), QStringLiteral("ja"));
    test::teilnehmerAnhaengen(cup, {"Alt", "Anna", "01.01.1950", "weiblich", "SV", "F70 u.ä.", "A-Cup"}, {});
    const int w = test::teilnehmerAnhaengen(
        cup, {"Weiß", "Jörg", "03.07.1985", "männlich", "TSV Alt", "M40", "B-Cup"}, {"0:21'07,00\""});
    cup.teil.setCell(6, w, QStringLiteral("102"));
    return cup;
}

int zeileVon(const Cup &cup, const QString &name)
{
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        if (cup.teil.cell(0, r) == name)
            return r;
    return -1;
}

QStringList problemtexte(const QList<Importproblem> &p)
{
    QStringList l;
    for (const auto &x : p)
        l << x.text();
    return l;
}

// A cup for the results: a time run, participants 101 … 106; Weiß has 0:21'07,00", Kurz 1:05'00,00".
Cup ergebniscup(const QString &lauftyp = kZeitlauf)
{
    Cup cup;
    cup.neu();
    test::laufAnhaengen(cup, lauftyp, QStringLiteral("14.03.2026"), QStringLiteral("ja"));
    const QStringList namen = {"Öztürk", "Weiß", "Klein", "Kurz", "Berg", "Lang"};
    const QStringList vornamen = {"Zoë", "Jörg", "Lena", "Paul", "Anna", "Eva"};
    for (int i = 0; i < namen.size(); ++i) {
        const int r = test::teilnehmerAnhaengen(cup, {namen[i], vornamen[i], "01.01.1980", "weiblich", "X", "F40", "A-Cup"}, {});
        cup.teil.setCell(6, r, QString::number(101 + i));
    }
    if (lauftyp == kZeitlauf) {
        cup.teil.setCell(8, 2, QStringLiteral("0:21'07,00\""));
        cup.teil.setCell(8, 4, QStringLiteral("1:05'00,00\""));
    }
    return cup;
}
} // namespace

class TstEinlesen : public QObject {
    Q_OBJECT
private slots:
    void headingsInBothLanguages_data()
    {
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("feld");
        QTest::newRow("Nachname") << "Nachname" << int(Feld::Name);
        QTest::newRow("Last name") << " last  NAME " << int(Feld::Name);
        QTest::newRow("Geb.-Datum") << "Geb.-Datum" << int(Feld::Geburtsdatum);
        QTest::newRow("Date of birth") << "Date of Birth" << int(Feld::Geburtsdatum);
        QTest::newRow("Jahrgang") << "JAHRGANG" << int(Feld::Jahrgang);
        QTest::newRow("St.-Nr.") << "St.-Nr." << int(Feld::Startnummer);
        QTest::newRow("Bib") << "bib" << int(Feld::Startnummer);
        QTest::newRow("AK") << "AK" << int(Feld::Altersgruppe);
        QTest::newRow("Wettbewerb") << "Wettbewerb" << int(Feld::Cup);
        QTest::newRow("Strecke (m)") << "Strecke (m)" << int(Feld::Ergebnis);
        QTest::newRow("Nettozeit") << "Nettozeit" << int(Feld::Ergebnis);
        QTest::newRow("Team") << "Team" << int(Feld::Verein);
        QTest::newRow("Gender") << "Gender" << int(Feld::Geschlecht);
        QTest::newRow("unbekannt") << "Platz" << int(Feld::Keins);
    }
    void headingsInBothLanguages()
    {
        QFETCH(QString, kopf);
        QFETCH(int, feld);
        QCOMPARE(int(feldErkennen(kopf)), feld);
    }

    void headingRowMayFollowATitleAndFieldsAreMappedOnce()
    {
        Rohtabelle t;
        QString fehler;
        QVERIFY(csvLesen("Ergebnisliste Stadtlauf;;\nNachname;Vorname;Name\nA;B;C\n", &t, &fehler));
        Zuordnung z = zuordnungErkennen(t);
        QCOMPARE(z.kopfzeile, 1);
        // "Name" a second time is not a second surname column.
        QCOMPARE(z.spalten, (QList<Feld>{Feld::Name, Feld::Vorname, Feld::Keins}));
        feldSetzen(z, 2, Feld::Name);
        QCOMPARE(z.spalten, (QList<Feld>{Feld::Keins, Feld::Vorname, Feld::Name}));
        // A table without headings maps nothing, and keeps every row as data.
        QVERIFY(csvLesen("1;2\n3;4\n", &t, &fehler));
        QCOMPARE(zuordnungErkennen(t).kopfzeile, -1);
    }

    void resultValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("erwartet"); // "!" = refused
        const QString zl = kZeitlauf, dl = kDistanzlauf;
        QTest::newRow("h:mm:ss.z") << "0:21:05.3" << zl << "0:21'05,30\"";
        QTest::newRow("mm:ss") << "21:05" << zl << "0:21'05,00\"";
        QTest::newRow("h:mm:ss") << "1:02:03" << zl << "1:02'03,00\"";
        QTest::newRow("Tausendstel aufrunden") << "21:05,371" << zl << "0:21'05,38\"";
        QTest::newRow("volle Tausendstel") << "21:05,370" << zl << "0:21'05,37\"";
        QTest::newRow("eigene Form") << "0:21'05,30\"" << zl << "0:21'05,30\"";
        QTest::newRow("Minuten über 59") << "0:61:00" << zl << "!";
        QTest::newRow("Text") << "schnell" << zl << "!";
        QTest::newRow("DNF") << "DNF" << zl << "o.L.";
        QTest::newRow("aufgegeben") << "Aufgegeben" << zl << "o.L.";
        QTest::newRow("DNS") << "dns" << zl << "n.a.";
        QTest::newRow("nicht angetreten") << "nicht angetreten" << zl << "n.a.";
        QTest::newRow("DSQ") << "DSQ" << zl << "d.";
        QTest::newRow("disqualifiziert") << "Disqualifiziert" << dl << "d.";
        QTest::newRow("verletzt") << "verletzt" << zl << "v.";
        QTest::newRow("getippter Code") << "ol" << zl << "o.L.";
        QTest::newRow("Meter mit Punkt") << "12.345 m" << dl << "12345m";
        QTest::newRow("Kilometer") << "10,5 km" << dl << "10500m";
        QTest::newRow("leer") << "  " << zl << "";
    }
    void resultValues()
    {
        QFETCH(QString, text);
        QFETCH(QString, typ);
        QFETCH(QString, erwartet);
        QString e, grund;
        const bool ok = ergebnisLesen(Zelle::ausText(text), typ, &e, &grund);
        if (erwartet == QLatin1String("!")) {
            QVERIFY(!ok);
            QVERIFY2(grund.contains(text.trimmed()), qPrintable(grund));
        } else {
            QVERIFY2(ok, qPrintable(grund));
            QCOMPARE(e, erwartet);
        }
    }

    void numberCellsAsResults()
    {
        QString e, grund;
        // A time cell: 21 min 5.3 s as a fraction of a day.
        QVERIFY(ergebnisLesen(Zelle::ausZahl(1265.3 / 86400, true), kZeitlauf, &e, &grund));
        QCOMPARE(e, QStringLiteral("0:21'05,30\""));
        QVERIFY(ergebnisLesen(Zelle::ausZahl(10500, false), kDistanzlauf, &e, &grund));
        QCOMPARE(e, QStringLiteral("10500m"));
        // Seconds or minutes? A plain number in a time run is refused rather than guessed.
        QVERIFY(!ergebnisLesen(Zelle::ausZahl(1265, false), kZeitlauf, &e, &grund));
    }

    void personalValues()
    {
        QString d, grund;
        QVERIFY(datumLesen(Zelle::ausText("17.5.1990"), &d, &grund));
        QCOMPARE(d, QStringLiteral("17.05.1990"));
        QVERIFY(datumLesen(Zelle::ausText("1990-05-17"), &d, &grund));
        QCOMPARE(d, QStringLiteral("17.05.1990"));
        QVERIFY(datumLesen(Zelle::ausZahl(QDate(1899, 12, 30).daysTo(QDate(2001, 2, 3)), true), &d, &grund));
        QCOMPARE(d, QStringLiteral("03.02.2001"));
        QVERIFY(!datumLesen(Zelle::ausText("31.02.1990"), &d, &grund));
        QCOMPARE(grund, QStringLiteral("Geburtsdatum '31.02.1990' ungültig"));
        QVERIFY(!datumLesen(Zelle::ausText("1.5.05"), &d, &grund));
        QVERIFY(!datumLesen(Zelle::ausText("01.01.1900"), &d, &grund));
        QVERIFY(jahrgangLesen(Zelle::ausZahl(1988, false), &d, &grund));
        QCOMPARE(d, QStringLiteral("01.01.1988"));
        QVERIFY(!jahrgangLesen(Zelle::ausText("88"), &d, &grund));
        QString g;
        for (const char *w : {"w", "W", "weiblich", "F", "female"}) {
            QVERIFY(geschlechtLesen(Zelle::ausText(QString::fromUtf8(w)), &g, &grund));
            QCOMPARE(g, QStringLiteral("weiblich"));
        }
        for (const char *m : {"m", "M", "männlich", "Male"}) {
            QVERIFY(geschlechtLesen(Zelle::ausText(QString::fromUtf8(m)), &g, &grund));
            QCOMPARE(g, QStringLiteral("männlich"));
        }
        QVERIFY(!geschlechtLesen(Zelle::ausText("x"), &g, &grund));
        QString sn;
        QVERIFY(startnummerZelle(Zelle::ausZahl(7, false), &sn, &grund));
        QCOMPARE(sn, QStringLiteral("007"));
        QVERIFY(!startnummerZelle(Zelle::ausText("0"), &sn, &grund));
    }

    // The registrations of the first sheet, as every writer stores them.
    void participantPlan_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("openpyxl") << "meldungen_openpyxl.xlsx";
        QTest::newRow("LibreOffice xlsx") << "meldungen_libreoffice.xlsx";
        QTest::newRow("LibreOffice ods") << "meldungen_libreoffice.ods";
    }
    void participantPlan()
    {
        QFETCH(QString, datei);
        Cup cup = meldecup();
        const Rohtabelle t = lesen(datei);
        const Teilnehmerimport plan = teilnehmerImportPlanen(cup, t, zuordnungErkennen(t));
        QVERIFY(plan.fehler.isEmpty());
        QCOMPARE(problemtexte(plan.probleme),
                 (QStringList{"Zeile 5: Geburtsdatum '31.02.1990' ungültig", "Zeile 6: Startnummer 102 doppelt (wie Zeile 3)",
                              "Zeile 7: Cupvariante 'D-Cup' gibt es im Cup nicht", "Zeile 9: Verein fehlt"}));
        QCOMPARE(plan.neu.size(), 2);
        const Teilnehmerdaten &oe = plan.neu[0].daten;
        QCOMPARE(oe.name, QStringLiteral("Öztürk"));
        QCOMPARE(oe.geb, QStringLiteral("17.05.1990"));
        QCOMPARE(oe.ges, QStringLiteral("weiblich"));
        QCOMPARE(oe.alt, QStringLiteral("F30")); // proposed: 36 in the year of the race
        QCOMPARE(oe.sn, QStringLiteral("101"));
        const Teilnehmerdaten &ku = plan.neu[1].daten;
        QCOMPARE(ku.name, QStringLiteral("Kurz"));
        QCOMPARE(ku.cup, QStringLiteral("B-Cup")); // the cup's spelling of "b-cup"
        QCOMPARE(ku.alt, QStringLiteral("M60"));
        // Above every number of the file, also of the rows left out (107).
        QCOMPARE(ku.sn, QStringLiteral("108"));
        QCOMPARE(plan.geaendert.size(), 1);
        QCOMPARE(plan.geaendert[0].daten.verein, QStringLiteral("TSV Nord"));
        QCOMPARE(plan.zusammenfassung(), QStringLiteral("2 neu, 1 geändert, 4 Zeilen mit Problemen"));
    }

    void applyingAddsUpdatesSortsAndIsRepeatable()
    {
        Cup cup = meldecup();
        const Rohtabelle t = lesen(QStringLiteral("meldungen_openpyxl.xlsx"));
        const Zuordnung z = zuordnungErkennen(t);
        QString fehler;
        QVERIFY(teilnehmerImportAnwenden(cup, teilnehmerImportPlanen(cup, t, z), &fehler));
        QVERIFY(cup.geaendert);
        QCOMPARE(cup.anzahlTeilnehmer(), 4);
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Alt"));
        const int w = zeileVon(cup, QStringLiteral("Weiß"));
        QCOMPARE(cup.teil.cell(4, w), QStringLiteral("TSV Nord"));
        // The stored result stays, and the new rows have a cell for the race.
        QCOMPARE(cup.teil.cell(8, w), QStringLiteral("0:21'07,00\""));
        QCOMPARE(cup.teil.colCount(), 9);
        // The same file again changes nothing.
        const Teilnehmerimport nochmal = teilnehmerImportPlanen(cup, t, z);
        QCOMPARE(nochmal.neu.size(), 0);
        QCOMPARE(nochmal.geaendert.size(), 0);
        QCOMPARE(nochmal.unveraendert, 3);
    }

    void englishSheetWithYearsOfBirth()
    {
        Cup cup = meldecup();
        const Rohtabelle t = lesen(QStringLiteral("meldungen_openpyxl.xlsx"), QStringLiteral("Nachmeldungen"));
        const Teilnehmerimport plan = teilnehmerImportPlanen(cup, t, zuordnungErkennen(t));
        QVERIFY(plan.probleme.isEmpty());
        QCOMPARE(plan.neu.size(), 2);
        QCOMPARE(plan.neu[0].daten.geb, QStringLiteral("01.01.1988"));
        QCOMPARE(plan.neu[0].daten.verein, QStringLiteral("Running Club, Leeds"));
        QCOMPARE(plan.neu[1].daten.sn, QStringLiteral("202"));
    }

    void startNumberOfSomeoneElseIsNotOverwritten()
    {
        Cup cup = meldecup();
        Rohtabelle t;
        QString fehler;
        QVERIFY(csvLesen("Name;Vorname;Startnummer;Verein\nSchmidt;Karl;102;X\nWeiss;Jörg;102;TSV\n", &t, &fehler));
        const Teilnehmerimport plan = teilnehmerImportPlanen(cup, t, zuordnungErkennen(t));
        QCOMPARE(problemtexte(plan.probleme), QStringList{"Zeile 2: Startnummer 102 gehört Weiß, Jörg"});
        // Only the surname differs: an update (a corrected spelling).
        QCOMPARE(plan.geaendert.size(), 1);
        QCOMPARE(plan.geaendert[0].daten.name, QStringLiteral("Weiss"));
    }

    void aStalePlanIsRefused()
    {
        Cup cup = meldecup();
        const Rohtabelle t = lesen(QStringLiteral("meldungen_openpyxl.xlsx"));
        const Teilnehmerimport plan = teilnehmerImportPlanen(cup, t, zuordnungErkennen(t));
        cup.teil.setCell(4, 1, QStringLiteral("anders"));
        const int vorher = cup.anzahlTeilnehmer();
        QString fehler;
        QVERIFY(!teilnehmerImportAnwenden(cup, plan, &fehler));
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(cup.anzahlTeilnehmer(), vorher);
    }

    void withoutNameColumnsNothingIsPlanned()
    {
        Rohtabelle t;
        QString fehler;
        QVERIFY(csvLesen("Startnummer;Zeit\n1;21:00\n", &t, &fehler));
        Cup cup = meldecup();
        QVERIFY(!teilnehmerImportPlanen(cup, t, zuordnungErkennen(t)).fehler.isEmpty());
        QVERIFY(!ergebnisImportPlanen(cup, 1, lesen("meldungen_odfpy.ods"), zuordnungErkennen(lesen("meldungen_odfpy.ods")))
                     .fehler.isEmpty());
    }

    // The timing system's list in two encodings and separators gives the same plan.
    void resultPlan_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("Windows-1252 ;") << "ergebnisse_1252.csv";
        QTest::newRow("UTF-8 BOM ,") << "ergebnisse_utf8_bom.csv";
    }
    void resultPlan()
    {
        QFETCH(QString, datei);
        Cup cup = ergebniscup();
        const Rohtabelle t = lesen(datei);
        const Ergebnisimport plan = ergebnisImportPlanen(cup, 1, t, zuordnungErkennen(t));
        QVERIFY2(plan.fehler.isEmpty(), qPrintable(plan.fehler));
        QCOMPARE(problemtexte(plan.probleme), (QStringList{"Zeile 8: Startnummer 102 doppelt (wie Zeile 3)",
                                                           "Zeile 10: Zeit '0:61:00' ungültig"}));
        QCOMPARE(plan.neu.size(), 3);
        QCOMPARE(plan.neu[0].ergebnis, QStringLiteral("0:21'05,30\""));
        QCOMPARE(plan.neu[1].ergebnis, QStringLiteral("o.L."));
        QCOMPARE(plan.neu[2].ergebnis, QStringLiteral("d."));
        QCOMPARE(plan.unveraendert, 1);
        QCOMPARE(plan.konflikte.size(), 1);
        QCOMPARE(plan.konflikte[0].bisher, QStringLiteral("1:05'00,00\""));
        QCOMPARE(plan.konflikte[0].ergebnis, QStringLiteral("1:02'03,00\""));
        QCOMPARE(plan.unbekannt.size(), 1);
        QCOMPARE(plan.unbekannt[0].startnummer, QStringLiteral("999"));
        QCOMPARE(plan.unbekannt[0].dateizeile, 7);
    }

    void conflictsAreOverwrittenOnlyWhenChosen()
    {
        const Rohtabelle t = lesen(QStringLiteral("ergebnisse_1252.csv"));
        for (bool ueber : {false, true}) {
            Cup cup = ergebniscup();
            const Ergebnisimport plan = ergebnisImportPlanen(cup, 1, t, zuordnungErkennen(t));
            QString fehler;
            QVERIFY(ergebnisImportAnwenden(cup, plan, {ueber}, &fehler));
            QVERIFY(cup.geaendert);
            QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("0:21'05,30\""));
            QCOMPARE(cup.teil.cell(8, 3), QStringLiteral("o.L."));
            QCOMPARE(cup.teil.cell(8, 4), ueber ? QStringLiteral("1:02'03,00\"") : QStringLiteral("1:05'00,00\""));
            QCOMPARE(cup.teil.cell(8, 6), QString()); // the invalid time left nothing behind
        }
    }

    void resultsByNameWhenThereIsNoStartNumber()
    {
        Cup cup = ergebniscup();
        test::teilnehmerAnhaengen(cup, {"Klein", "Lena", "02.02.1990", "weiblich", "Y", "F30", "A-Cup"}, {});
        Rohtabelle t;
        QString fehler;
        QVERIFY(csvLesen("Name;Vorname;Zeit\nöztürk ; ZOË;20:00\nKlein;Lena;22:00\nNiemand;Nie;23:00\n", &t, &fehler));
        const Ergebnisimport plan = ergebnisImportPlanen(cup, 1, t, zuordnungErkennen(t));
        QCOMPARE(plan.neu.size(), 1);
        QCOMPARE(plan.neu[0].zeile, 1);
        // Two participants are called Klein, Lena: the row cannot be placed.
        QCOMPARE(plan.probleme.size(), 1);
        QCOMPARE(plan.probleme[0].zeile, 3);
        QCOMPARE(plan.unbekannt.size(), 1);
        QCOMPARE(plan.unbekannt[0].name, QStringLiteral("Niemand, Nie"));
    }

    void distancesAndTimeCells()
    {
        Cup cup = ergebniscup(kDistanzlauf);
        Rohtabelle t = lesen(QStringLiteral("ergebnisse_tab.txt"));
        Ergebnisimport plan = ergebnisImportPlanen(cup, 1, t, zuordnungErkennen(t));
        QVERIFY(plan.probleme.isEmpty());
        QStringList werte;
        for (const auto &e : plan.neu)
            werte << e.ergebnis;
        QCOMPARE(werte, (QStringList{"12345m", "11500m", "10500m", "n.a."}));

        for (const QString datei : {"zeitzellen_openpyxl.xlsx", "zeitzellen_libreoffice.ods"}) {
            Cup zc = ergebniscup();
            t = lesen(datei);
            plan = ergebnisImportPlanen(zc, 1, t, zuordnungErkennen(t));
            QVERIFY(plan.probleme.isEmpty());
            QCOMPARE(plan.neu.size(), 2);
            QCOMPARE(plan.neu[0].ergebnis, QStringLiteral("0:21'05,30\""));
            QCOMPARE(plan.neu[1].ergebnis, QStringLiteral("n.a."));
            QCOMPARE(plan.konflikte.size(), 1);
            QCOMPARE(plan.konflikte[0].ergebnis, QStringLiteral("1:02'03,00\""));
        }
    }
};

QTEST_GUILESS_MAIN(TstEinlesen)
#include "tst_einlesen.moc"
