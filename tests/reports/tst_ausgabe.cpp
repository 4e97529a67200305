#include "core/cup.h"
#include "reports/ausgabe.h"
#include "support/testhilfe.h"

#include <QTest>

using namespace tlt;

class TstAusgabe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void fixedWidthFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("breite");
        QTest::addColumn<QString>("rechts");
        QTest::addColumn<QString>("links");
        QTest::newRow("placing") << "7. " << 5 << "  7. "
                                 << "7.   ";
        QTest::newRow("club") << "Verein" << 30 << QString(24, ' ') + "Verein" << "Verein" + QString(24, ' ');
        QTest::newRow("empty") << "" << 4 << "    "
                               << "    ";
        QTest::newRow("too long keeps start") << QString("ABCDEFGHIJ") << 4 << "ABCD"
                                              << "ABCD";
        QTest::newRow("exact") << "abc" << 3 << "abc"
                               << "abc";
    }

    void fixedWidthFields()
    {
        QFETCH(QString, text);
        QFETCH(int, breite);
        QFETCH(QString, rechts);
        QFETCH(QString, links);
        QCOMPARE(rechtsbuendig(text, breite), rechts);
        QCOMPARE(linksbuendig(text, breite), links);
    }

    void longNameKeepsColumnsAligned()
    {
        const QString lang(40, 'N');
        const QString z1 = linksbuendig(lang, 36) + rechtsbuendig("12", 4);
        const QString z2 = linksbuendig("Kurz", 36) + rechtsbuendig("3", 4);
        QCOMPARE(z1.size(), z2.size());
        QCOMPARE(z1.left(36), QString(36, 'N'));
    }

    void removingLines()
    {
        Ausgabe a;
        for (int i = 0; i < 6; ++i)
            a.p(0, Normal, 9, QString::number(i));
        a.d(-2);
        QCOMPARE(a.anzahl(), 4);
        QCOMPARE(a.zeile(3).text, QStringLiteral("3"));
        a.d(1);
        QCOMPARE(a.text(), QStringLiteral("0\n2\n3"));
        a.d(-4);
        QVERIFY(a.leer());
        a.d(-1);
        QVERIFY(a.leer());
    }

    void linesKeepStyleAndSize()
    {
        Ausgabe a;
        a.leerzeile();
        a.doppellinie();
        a.einfachlinie();
        QCOMPARE(a.zeile(0), (Ausgabezeile{" ", 0, Normal, 9}));
        QCOMPARE(a.zeile(1).text, QString(82, '='));
        QCOMPARE(a.zeile(2).text, QString(82, '-'));
    }

    void headAndFoot()
    {
        Cup cup;
        cup.name = QStringLiteral("Sommercup 2026");
        cup.veranstalter = QStringLiteral("LG Müllerstadt");
        Ausgabe a;
        a.p(0, 0, 9, QStringLiteral("alt"));
        a.berichtskopf(cup);
        a.berichtsfuss();
        QCOMPARE(a.anzahl(), 8);
        QCOMPARE(a.zeile(0), (Ausgabezeile{"LG Müllerstadt", 0, Fett, 14}));
        QCOMPARE(a.zeile(1), (Ausgabezeile{"Sommercup 2026", 0, Normal, 14}));
        QCOMPARE(a.zeile(2).text, QStringLiteral(" "));
        QCOMPARE(a.zeile(5).text, QStringLiteral("Statistik erstellt am : 08.12.2026 um 14:30:05."));
        QVERIFY(a.zeile(6).text.startsWith(QStringLiteral("Statistik erstellt mit: Tempolauftabellator 3.1.9 ")));
        QVERIFY(a.zeile(7).text.startsWith(QString(24, ' ') + QStringLiteral("https://")));
    }

    void viewIsNotifiedOfEveryChange()
    {
        Ausgabe a;
        int n = 0;
        a.beiAenderung = [&] { ++n; };
        a.leerzeile();
        a.d(-1);
        a.clear();
        QCOMPARE(n, 3);
    }
};

QTEST_GUILESS_MAIN(TstAusgabe)
#include "tst_ausgabe.moc"
