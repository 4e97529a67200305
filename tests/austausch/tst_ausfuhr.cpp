// Export of lists as CSV and XLSX, and round trips through the import.
#include "austausch/ausfuhr.h"
#include "austausch/einlesen.h"
#include "austausch/tabellendatei.h"
#include "austausch/zuordnung.h"
#include "core/cup.h"
#include "core/pruefungen.h"
#include "core/teilnehmerbefehle.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>

using namespace tlt;

namespace {
// The participants as sets of their columns 0-7, for comparing two cups regardless of order.
std::multiset<QStringList> personen(const Cup &cup)
{
    std::multiset<QStringList> s;
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        s.insert(teilnehmerkennung(cup, r));
    return s;
}

Cup ohneTeilnehmer(const Cup &cup)
{
    Cup leer = cup;
    leer.teil.setRowCount(1);
    return leer;
}

Rohtabelle zurueck(const QString &pfad)
{
    Rohtabelle t;
    QString fehler;
    if (!tabelleLesen(pfad, {}, &t, &fehler))
        qWarning("%s", qPrintable(fehler));
    return t;
}
} // namespace

class TstAusfuhr : public QObject {
    Q_OBJECT
private slots:
    void storedResultsBecomeNumbers()
    {
        const Ausfuhrzelle zeit = ergebniszelle(QStringLiteral("1:02'03,45\""));
        QCOMPARE(zeit.art, Ausfuhrzelle::Art::Zeit);
        QCOMPARE(zeit.wert, qint64(((1 * 60 + 2) * 60 + 3) * 100 + 45));
        QCOMPARE(zeittext(zeit.wert), QStringLiteral("1:02:03,45"));
        QCOMPARE(ergebniszelle(QStringLiteral("12345m")).wert, qint64(12345));
        QCOMPARE(ergebniszelle(QStringLiteral("12345m")).art, Ausfuhrzelle::Art::Zahl);
        QCOMPARE(ergebniszelle(QStringLiteral("d.")).text, QStringLiteral("d."));
        // A cell that is no stored form stays as text rather than becoming a wrong number.
        QCOMPARE(ergebniszelle(QStringLiteral("0:75'00,00\"")).art, Ausfuhrzelle::Art::Text);
    }

    void csvForAGermanSpreadsheet()
    {
        Ausfuhrtabelle t;
        t.kopf = QStringList{"Name", "Zeit", "Platz"};
        t.zeilen << QList<Ausfuhrzelle>{Ausfuhrzelle::ausText("Müller; \"Max\""), Ausfuhrzelle::zeit(126530),
                                        Ausfuhrzelle::zahl(3)}
                 << QList<Ausfuhrzelle>{Ausfuhrzelle::ausText("zwei\nZeilen"), Ausfuhrzelle::leer(), Ausfuhrzelle::leer()};
        const QByteArray b = csvInhalt(t);
        QVERIFY(b.startsWith("\xEF\xBB\xBFName;Zeit;Platz\r\n"));
        QCOMPARE(QString::fromUtf8(b.mid(3)),
                 QStringLiteral("Name;Zeit;Platz\r\n\"Müller; \"\"Max\"\"\";0:21:05,30;3\r\n\"zwei\nZeilen\";;\r\n"));
        // And our own reader gets the same cells back.
        Rohtabelle r;
        QString fehler;
        QVERIFY(csvLesen(b, &r, &fehler));
        QCOMPARE(r.zeilen[1].zellen[0].text, QStringLiteral("Müller; \"Max\""));
        QCOMPARE(r.zeilen[2].zellen[0].text, QStringLiteral("zwei\nZeilen"));
    }

    void xlsxHoldsNumbersAndTimeCells()
    {
        Cup cup = test::berichtsCup();
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("lauf.xlsx"));
        QString fehler;
        const Ausfuhrtabelle t = laufergebnisTabelle(cup, 1);
        QVERIFY2(xlsxSchreiben(t, pfad, &fehler), qPrintable(fehler));
        const Rohtabelle r = zurueck(pfad);
        QCOMPARE(r.zeilen.size(), t.zeilen.size() + 1);
        QCOMPARE(r.zeilen[0].zellen[8].text, QStringLiteral("Ergebnis"));
        for (int i = 0; i < t.zeilen.size(); ++i) {
            const auto &aus = t.zeilen[i];
            const Rohzeile &ein = r.zeilen[i + 1];
            for (int s = 0; s < aus.size(); ++s) {
                switch (aus[s].art) {
                case Ausfuhrzelle::Art::Leer:
                    QVERIFY(ein.zelle(s).leer());
                    break;
                case Ausfuhrzelle::Art::Text:
                    QCOMPARE(ein.zelle(s).text, aus[s].text);
                    break;
                case Ausfuhrzelle::Art::Zahl:
                    QCOMPARE(ein.zelle(s).art, Zelle::Art::Zahl);
                    QCOMPARE(ein.zelle(s).zahl, double(aus[s].wert));
                    break;
                case Ausfuhrzelle::Art::Zeit:
                    QCOMPARE(ein.zelle(s).art, Zelle::Art::Datum);
                    QCOMPARE(qRound64(ein.zelle(s).zahl * 8640000), aus[s].wert);
                    break;
                }
            }
        }
    }

    void raceListOrderAndPlacingsFollowThePrintedList()
    {
        const Cup cup = test::cupOhneVarianten();
        const Ausfuhrtabelle t = laufergebnisTabelle(cup, 1);
        // t1 < t2 = t3 < t4: placings 1, 2, 2, 4.
        QList<qint64> plaetze;
        for (const auto &z : t.zeilen)
            plaetze << z[0].wert;
        QCOMPARE(plaetze, (QList<qint64>{1, 2, 2, 4}));
        // The export does not touch the cup.
        QCOMPARE(personen(cup), personen(test::cupOhneVarianten()));
    }

    void standingsPlacingCountsStrictlyBetterPointsInTheGroup()
    {
        const Cup cup = test::zufallsCup(7, 300, 6, false);
        const Ausfuhrtabelle t = gesamtTabelle(cup, 4);
        QCOMPARE(t.zeilen.size(), cup.anzahlTeilnehmer());
        QCOMPARE(t.kopf.size(), 9 + 4);
        std::map<QString, std::vector<qint64>> punkte;
        for (const auto &z : t.zeilen)
            punkte[z[5].text].push_back(z[8].wert);
        for (const auto &z : t.zeilen) {
            const auto &gruppe = punkte[z[5].text];
            const qint64 besser = std::count_if(gruppe.begin(), gruppe.end(), [&](qint64 p) { return p > z[8].wert; });
            QCOMPARE(z[0].wert, besser + 1);
            // The counted points never exceed the race points listed.
            qint64 summe = 0;
            for (int k = 0; k < 4; ++k)
                summe += z[9 + k].wert;
            QVERIFY(z[8].wert <= summe);
        }
        // The standings do not touch the cup they read.
        QCOMPARE(personen(cup), personen(test::zufallsCup(7, 300, 6, false)));
    }

    // The placing cell is the one the printed standings show: none beside "---" (below the minimum)
    // and none on a line tied with such a line.
    void standingsPlacingOnlyWhereTheListShowsOne()
    {
        Cup cup;
        cup.min = 2;
        cup.max = 2;
        test::laufAnhaengen(cup, kZeitlauf, "01.05.2026", "ja");
        test::laufAnhaengen(cup, kZeitlauf, "01.06.2026", "ja");
        const QString w = QStringLiteral("weiblich");
        test::teilnehmerAnhaengen(cup, {"Erst", "Eva", "01.01.1980", w, "", "F40", "A-Cup"},
                                  {"0:40'00,00\"", "0:40'00,00\""});
        test::teilnehmerAnhaengen(cup, {"Aaa", "Ada", "01.01.1980", w, "", "F40", "A-Cup"}, {"0:41'00,00\""});
        test::teilnehmerAnhaengen(cup, {"Zet", "Zoe", "01.01.1980", w, "", "F40", "A-Cup"},
                                  {"n.a.", "0:42'00,00\""});
        const Ausfuhrtabelle t = gesamtTabelle(cup, 2);
        QStringList zeilen;
        for (const auto &z : t.zeilen)
            zeilen << z[1].text + QLatin1Char(':') +
                          (z[0].art == Ausfuhrzelle::Art::Zahl ? QString::number(z[0].wert) : QStringLiteral("-")) +
                          QLatin1Char('/') +
                          (z[8].art == Ausfuhrzelle::Art::Zahl ? QString::number(z[8].wert) : QStringLiteral("-"));
        QCOMPARE(zeilen, (QStringList{"Erst:1/40", "Aaa:-/-", "Zet:-/0"}));
    }

    void participantsRoundTrip_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("xlsx") << "teilnehmer.xlsx";
        QTest::newRow("csv") << "teilnehmer.csv";
    }
    void participantsRoundTrip()
    {
        QFETCH(QString, datei);
        const Cup cup = test::zufallsCup(3, 250, 4, true);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(datei);
        QString fehler;
        QVERIFY2(tabelleSchreiben(teilnehmerTabelle(cup), pfad, &fehler), qPrintable(fehler));
        Cup neu = ohneTeilnehmer(cup);
        const Rohtabelle t = zurueck(pfad);
        const Teilnehmerimport plan = teilnehmerImportPlanen(neu, t, zuordnungErkennen(t));
        QVERIFY2(plan.probleme.isEmpty(), qPrintable(plan.probleme.value(0).text()));
        QVERIFY(teilnehmerImportAnwenden(neu, plan, &fehler));
        QCOMPARE(personen(neu), personen(cup));
    }

    void resultsRoundTrip_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("lauf");
        QTest::newRow("xlsx Zeitlauf") << "lauf.xlsx" << 1;
        QTest::newRow("xlsx Distanzlauf") << "lauf.xlsx" << 2;
        QTest::newRow("csv Zeitlauf") << "lauf.csv" << 3;
        QTest::newRow("csv Distanzlauf") << "lauf.csv" << 4;
    }
    void resultsRoundTrip()
    {
        QFETCH(QString, datei);
        QFETCH(int, lauf);
        const Cup cup = test::zufallsCup(5, 200, 4, true);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(datei);
        QString fehler;
        QVERIFY2(tabelleSchreiben(laufergebnisTabelle(cup, lauf), pfad, &fehler), qPrintable(fehler));
        Cup neu = cup;
        const int spalte = Cup::ergebnisspalte(lauf);
        for (int r = 1; r < neu.teil.rowCount(); ++r)
            neu.teil.setCell(spalte, r, QString());
        const Rohtabelle t = zurueck(pfad);
        const Ergebnisimport plan = ergebnisImportPlanen(neu, lauf, t, zuordnungErkennen(t));
        QVERIFY(plan.probleme.isEmpty());
        QVERIFY(plan.unbekannt.isEmpty());
        QVERIFY(ergebnisImportAnwenden(neu, plan, {}, &fehler));
        for (int r = 1; r < cup.teil.rowCount(); ++r)
            QCOMPARE(neu.teil.cell(spalte, r), cup.teil.cell(spalte, r));
    }

    void aFailedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        QString fehler;
        QVERIFY(!csvSchreiben(teilnehmerTabelle(test::berichtsCup()), dir.filePath(QStringLiteral("fehlt/x.csv")), &fehler));
        QVERIFY2(fehler.contains(QLatin1String("x.csv")), qPrintable(fehler));
        QVERIFY(!xlsxSchreiben(teilnehmerTabelle(test::berichtsCup()), dir.filePath(QStringLiteral("fehlt/x.xlsx")), &fehler));
        QVERIFY2(fehler.contains(QLatin1String("x.xlsx")), qPrintable(fehler));
    }
};

QTEST_GUILESS_MAIN(TstAusfuhr)
#include "tst_ausfuhr.moc"
