#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/tabelle.h"

#include <QTest>

using namespace tlt;

class TstCup : public QObject {
    Q_OBJECT
private slots:
    void cellsOutsideTheTableReadEmpty()
    {
        Tabelle t(3, 2);
        t.setCell(2, 1, QStringLiteral("x"));
        QCOMPARE(t.cell(2, 1), QStringLiteral("x"));
        QVERIFY(t.cell(3, 1).isEmpty());
        QVERIFY(t.cell(0, 2).isEmpty());
        QVERIFY(t.cell(-1, 0).isEmpty());
        t.setCell(5, 5, QStringLiteral("ignoriert"));
        QCOMPARE(t.colCount(), 3);
        QCOMPARE(t.rowCount(), 2);
    }

    void growingAddsEmptyCellsShrinkingDropsThem()
    {
        Tabelle t(2, 2);
        t.setCell(1, 1, QStringLiteral("b"));
        t.setColCount(1);
        t.setColCount(2);
        QVERIFY(t.cell(1, 1).isEmpty());
        t.setRowCount(4);
        QVERIFY(t.cell(0, 3).isEmpty());
        QCOMPARE(t.row(3).size(), size_t(2));
    }

    void permutationsMoveWholeRowsAndColumns()
    {
        Tabelle t(3, 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                t.setCell(c, r, QStringLiteral("%1/%2").arg(c).arg(r));
        t.permuteRows(1, {3, 1, 2});
        QCOMPARE(t.cell(0, 1), QStringLiteral("0/3"));
        QCOMPARE(t.cell(2, 3), QStringLiteral("2/2"));
        QCOMPARE(t.cell(1, 0), QStringLiteral("1/0"));
        t.permuteCols(1, {2, 1});
        QCOMPARE(t.cell(1, 0), QStringLiteral("2/0"));
        QCOMPARE(t.cell(2, 1), QStringLiteral("1/3"));
        t.swapRows(1, 2);
        QCOMPARE(t.cell(0, 1), QStringLiteral("0/1"));
        t.swapCols(0, 2);
        QCOMPARE(t.cell(0, 0), QStringLiteral("1/0"));
    }

    void newCupHasItsDefaults()
    {
        Cup cup;
        QCOMPARE(cup.ag.rowCount(), 15);
        QCOMPARE(cup.cv.rowCount(), 4);
        QCOMPARE(cup.pv.rowCount(), 21);
        QCOMPARE(cup.laufe.rowCount(), 34);
        QCOMPARE(cup.laufe.colCount(), 1);
        QCOMPARE(cup.teil.rowCount(), 1);
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.pv.cell(1, 1), QStringLiteral("20"));
        QCOMPARE(cup.pv.cell(1, 20), QStringLiteral("1"));
        QCOMPARE(cup.pv.cell(0, 20), QStringLiteral("20"));
        QCOMPARE(cup.ag.cell(0, 1), QStringLiteral("WK U8"));
        QCOMPARE(cup.ag.cell(1, 14), QStringLiteral("M70 u.ä."));
        QCOMPARE(cup.ag.cell(2, 14), QStringLiteral("150"));
        QCOMPARE(cup.cv.cell(2, 1), QStringLiteral("1:00'00,0\""));
        QCOMPARE(cup.cv.cell(0, 3), QStringLiteral("C-Cup"));
        QCOMPARE(cup.laufe.cell(0, 31), QStringLiteral("DLV-Veranstaltungsnr.:"));
        QVERIFY(cup.laufe.cell(0, 6).isEmpty());
        QCOMPARE(cup.teil.cell(7, 0), QStringLiteral("ggf. Cup"));
        QCOMPARE(cup.min, 1);
        QCOMPARE(cup.max, 1);
        QCOMPARE(cup.kategorie, 0);
        QVERIFY(!cup.geaendert);
        QCOMPARE(cup.statusDatei(), QStringLiteral("unbekannt"));
        QVERIFY(cup.statusAenderung().isEmpty());
    }

    void neuResetsEverythingAndEditNotifies()
    {
        Cup cup;
        int meldungen = 0;
        cup.beiAenderung = [&] { ++meldungen; };
        cup.name = QStringLiteral("Testcup");
        cup.htmlstil = 1;
        cup.urkundenstil = 2;
        cup.dateiname = QStringLiteral("/tmp/x.tl3");
        cup.teil.setColCount(10);
        cup.teil.setRowCount(5);
        cup.edit(Cup::Stand::Geaendert);
        QVERIFY(cup.geaendert);
        QCOMPARE(cup.statusAenderung(), QStringLiteral("geändert"));
        QCOMPARE(cup.statusDatei(), QStringLiteral("/tmp/x.tl3"));
        cup.neu();
        QVERIFY(!cup.geaendert);
        QVERIFY(cup.name.isEmpty());
        QVERIFY(cup.dateiname.isEmpty());
        QCOMPARE(cup.htmlstil, 0);
        QCOMPARE(cup.urkundenstil, 0);
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.teil.rowCount(), 1);
        QCOMPARE(meldungen, 2);
    }

    void categoriesAreTheSevenEventKinds()
    {
        QCOMPARE(kategorien().size(), 7);
        QCOMPARE(kategorien().at(3), QStringLiteral("4 - landessoffene Veranstaltung"));
    }

    void integerReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("wert");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("leading blank") << " 5" << true << 5;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("trailing blank") << "5 " << false << 0;
        QTest::newRow("letters") << "x1" << false << 0;
    }

    void integerReading()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, wert);
        int v = -99;
        QCOMPARE(istInt(text, &v), ok);
        if (ok) {
            QCOMPARE(v, wert);
            QCOMPARE(toInt(text), wert);
        } else {
            try {
                toInt(text);
                QFAIL("no exception");
            } catch (const Konvertierungsfehler &e) {
                QCOMPARE(e.meldung(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstCup)
#include "tst_cup.moc"
