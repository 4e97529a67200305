#include "core/cup.h"
#include "core/laufbefehle.h"

#include <QTest>

using namespace tlt;

namespace {
Laufdaten lauf(const QString &typ, const QString &datum, const QString &zeitdistanz, const QString &ort = {})
{
    Laufdaten d;
    d[1] = typ;
    d[2] = datum;
    d[3] = zeitdistanz;
    d[10] = ort;
    d[19] = d[20] = d[21] = QStringLiteral("0");
    d[32] = QStringLiteral("1");
    d[33] = QStringLiteral("0");
    return d;
}

// A cup without cup variations, two races and two participants with results in both.
Cup zweiLaeufe()
{
    Cup cup;
    cup.cv.setRowCount(1);
    laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("01.05.2005"), QStringLiteral("5000m"), QStringLiteral("A")));
    laufHinzufuegen(
        cup, lauf(kDistanzlauf, QStringLiteral("03.06.2005"), QStringLiteral("1:00'00,00\""), QStringLiteral("B")));
    cup.teil.setRowCount(3);
    for (int s = 1; s <= 2; ++s) {
        cup.teil.setCell(0, s, QStringLiteral("Name%1").arg(s));
        cup.teil.setCell(8, s, QStringLiteral("0:2%1'00,00\"").arg(s));
        cup.teil.setCell(9, s, QStringLiteral("1200%1m").arg(s));
    }
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}
} // namespace

class TstLaufbefehle : public QObject {
    Q_OBJECT
private slots:
    void addingRaceBeforeAllRenumbersAndMovesResultColumns()
    {
        Cup cup = zweiLaeufe();
        const int c = laufHinzufuegen(
            cup, lauf(kZeitlauf, QStringLiteral("01.04.2005"), QStringLiteral("3000m"), QStringLiteral("neu")));
        QCOMPARE(c, 1);
        QCOMPARE(cup.anzahlLaufe(), 3);
        QCOMPARE(cup.teil.colCount(), 11);
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("neu"));
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(cup.laufe.cell(k, 0), QString::number(k));
        QCOMPARE(cup.laufe.cell(2, 10), QStringLiteral("A"));
        QCOMPARE(cup.laufe.cell(3, 10), QStringLiteral("B"));
        // The results followed their races; the new race has an empty column headed by its date.
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("01.04.2005"));
        QCOMPARE(cup.teil.cell(9, 0), QStringLiteral("01.05.2005"));
        QCOMPARE(cup.teil.cell(10, 0), QStringLiteral("03.06.2005"));
        QCOMPARE(cup.teil.cell(8, 1), QString());
        QCOMPARE(cup.teil.cell(9, 2), QStringLiteral("0:22'00,00\""));
        QCOMPARE(cup.teil.cell(10, 2), QStringLiteral("12002m"));
        QVERIFY(cup.geaendert);
    }

    void addingRaceOnSameDayGoesBehind()
    {
        Cup cup = zweiLaeufe();
        QCOMPARE(laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("01.05.2005"), QStringLiteral("10m"))), 2);
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("A"));
    }

    void saveConditions_data()
    {
        QTest::addColumn<bool>("variationen");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("zeitdistanz");
        QTest::addColumn<bool>("erwartet");
        const QString d = QStringLiteral("01.05.2005");
        QTest::newRow("cup race") << true << 1 << d << "ja" << true;
        QTest::newRow("no type chosen") << true << -1 << d << "ja" << false;
        QTest::newRow("no date") << true << 0 << "TT.MM.JJJJ"
                                 << "ja" << false;
        QTest::newRow("own distance in cup with variations") << true << 1 << d << "5000m" << false;
        QTest::newRow("own distance without variations") << false << 1 << d << "5000m" << true;
        QTest::newRow("missing entry without variations") << false << 1 << d << "" << false;
        QTest::newRow("ja without variations") << false << 0 << d << "ja" << true;
    }
    void saveConditions()
    {
        QFETCH(bool, variationen);
        QFETCH(int, typ);
        QFETCH(QString, datum);
        QFETCH(QString, zeitdistanz);
        QFETCH(bool, erwartet);
        Cup cup;
        if (!variationen)
            cup.cv.setRowCount(1);
        QCOMPARE(laufSpeicherbar(cup, typ, datum, zeitdistanz), erwartet);
    }

    void firstFailingConditionIsNamed()
    {
        Cup cup;
        const QString d = QStringLiteral("01.05.2005");
        // Type before date before time/distance, whatever else is missing.
        QCOMPARE(laufFehlendeZeile(cup, -1, kKeinDatum, QString()), int(Laufzeile::Lauftyp));
        QCOMPARE(laufFehlendeZeile(cup, 1, kKeinDatum, QString()), int(Laufzeile::Datum));
        QCOMPARE(laufFehlendeZeile(cup, 1, d, QStringLiteral("5000m")), int(Laufzeile::Zeitdistanz));
        QCOMPARE(laufFehlendeZeile(cup, 1, d, QStringLiteral("ja")), -1);
    }

    void timeDistanceEntryFollowsType_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("distance run: fixed time") << 0 << "300000"
                                                  << "0:30'00,00\"";
        QTest::newRow("time run: fixed distance") << 1 << "0:30'00,00\""
                                                  << "300000m";
        QTest::newRow("no type") << -1 << "5000"
                                 << "";
        QTest::newRow("minutes over 59") << 0 << "6000"
                                         << "";
    }
    void timeDistanceEntryFollowsType()
    {
        QFETCH(int, typ);
        QFETCH(QString, eingabe);
        QFETCH(QString, erwartet);
        QCOMPARE(zeitdistanzPruefen(typ, eingabe), erwartet);
    }

    void deletingLastRaceRemovesOnlyItsColumn()
    {
        Cup cup = zweiLaeufe();
        cup.teil.setColCount(10);
        laufLoeschen(cup, 2);
        QCOMPARE(cup.anzahlLaufe(), 1);
        QCOMPARE(cup.teil.colCount(), 9);
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("01.05.2005"));
        QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("0:21'00,00\""));
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("A"));
        QVERIFY(cup.geaendert);
    }

    void deletingFirstRaceRenumbersAndKeepsOtherResults()
    {
        Cup cup = zweiLaeufe();
        laufLoeschen(cup, 1);
        QCOMPARE(cup.laufe.cell(1, 0), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("B"));
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("03.06.2005"));
        QCOMPARE(cup.teil.cell(8, 2), QStringLiteral("12002m"));
        QCOMPARE(cup.teil.colCount(), 9);
    }

    void deletingAllRacesLeavesLabelsAndSpinnersAtOne()
    {
        Cup cup = zweiLaeufe();
        cup.min = 2;
        cup.max = 2;
        laufLoeschen(cup, 2);
        QCOMPARE(cup.min, 1);
        QCOMPARE(cup.max, 1);
        laufLoeschen(cup, 1);
        QCOMPARE(cup.laufe.colCount(), 1);
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.min, 1);
        QCOMPARE(cup.max, 1);
        laufLoeschen(cup, 1); // nothing left to delete
        QCOMPARE(cup.laufe.colCount(), 1);
    }

    void minAndMaxFollowRaceCount()
    {
        Cup cup;
        cup.min = 4;
        cup.max = 7;
        laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("01.05.2005"), QStringLiteral("ja")));
        QCOMPARE(cup.min, 1);
        QCOMPARE(cup.max, 1);
        laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("02.05.2005"), QStringLiteral("ja")));
        QCOMPARE(cup.max, 1); // adding only lowers
    }

    void deleteQuestionCountsResults_data()
    {
        QTest::addColumn<int>("ergebnisse");
        QTest::addColumn<QString>("frage");
        QTest::newRow("none") << 0 << "Sind Sie sicher, dass Sie Lauf2 (03.06.2005) löschen wollen?";
        QTest::newRow("three") << 3
                               << "Es sind bereits 3 Ergebnisse in diesem Lauf eingetragen.\n\r"
                                  "Sind Sie sicher, dass Sie Lauf2 (03.06.2005) löschen wollen?";
    }
    void deleteQuestionCountsResults()
    {
        QFETCH(int, ergebnisse);
        QFETCH(QString, frage);
        Cup cup = zweiLaeufe();
        cup.teil.setRowCount(4);
        for (int s = 1; s <= 3; ++s)
            cup.teil.setCell(9, s, s <= ergebnisse ? QStringLiteral("d.") : QString());
        QCOMPARE(ergebnisseImLauf(cup, 2), ergebnisse);
        QCOMPARE(laufLoeschenFrage(cup, 2), frage);
    }

    void editingRaceMovesItAndRefreshesHeading()
    {
        Cup cup = zweiLaeufe();
        Laufdaten d = laufdatenLesen(cup, 1);
        QCOMPARE(d[10], QStringLiteral("A"));
        d[2] = QStringLiteral("01.07.2005");
        QCOMPARE(laufAendern(cup, 1, d), 2);
        QCOMPARE(cup.laufe.cell(2, 10), QStringLiteral("A"));
        QCOMPARE(cup.laufe.cell(2, 0), QStringLiteral("2"));
        QCOMPARE(cup.teil.cell(9, 0), QStringLiteral("01.07.2005"));
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("0:21'00,00\""));
        QCOMPARE(laufAendern(cup, 5, d), -1);
    }

    void raceIsFoundAgainAfterChanges()
    {
        Cup cup = zweiLaeufe();
        const QStringList b = laufkennung(cup, 2);
        laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("01.01.2005"), QStringLiteral("1m")));
        QCOMPARE(laufFinden(cup, b, 2, 2), 3);
        // Emptying the time/distance entry (first cup variation) does not lose it.
        cup.laufe.setCell(3, 3, QString());
        QCOMPARE(laufFinden(cup, b, 2, 2), 3);
        // Edited in place: found by position only while the count is unchanged and guessing is allowed.
        cup.laufe.setCell(3, 10, QStringLiteral("C"));
        QCOMPARE(laufFinden(cup, b, 3, 3), 3);
        QCOMPARE(laufFinden(cup, b, 3, -1), -1);
        laufLoeschen(cup, 3);
        QCOMPARE(laufFinden(cup, b, 3, 3), -1);
    }
};

QTEST_GUILESS_MAIN(TstLaufbefehle)
#include "tst_laufbefehle.moc"
