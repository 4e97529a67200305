#include "scoring/tempo.h"
#include "support/testhilfe.h"

#include <QLocale>
#include <QTest>

using namespace tlt;

class TestTempo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void geschwindigkeit_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Strecke, 40 Minuten") << "10000m"
                                             << "0:40'00,00\""
                                             << "4,2 m/s";
        QTest::newRow("Stunde, 15000m") << "1:00'00,0\""
                                        << "15000m"
                                        << "4,2 m/s";
        // 8700 m in 2000 s is exactly 4.35 m/s; the binary quotient lies just below the half.
        QTest::newRow("genau halb 4,35") << "8700m"
                                         << "0:33'20,00\""
                                         << "4,4 m/s";
        QTest::newRow("genau halb 4,25") << "8500m"
                                         << "0:33'20,00\""
                                         << "4,3 m/s";
        QTest::newRow("knapp unter halb") << "8699m"
                                          << "0:33'20,00\""
                                          << "4,3 m/s";
        QTest::newRow("Hundertstel") << "10000m"
                                     << "0:35'12,34\""
                                     << "4,7 m/s";
        QTest::newRow("zweistellige Stunden") << "100000m"
                                              << "10:00'00,00\""
                                              << "2,8 m/s";
        QTest::newRow("Zehntel") << "100m"
                                 << "0:00'09,9\""
                                 << "10,1 m/s";
        QTest::newRow("unter 1") << "1m"
                                 << "0:00'05,00\""
                                 << "0,2 m/s";
        // Label time, entry distance: the entry is read as the distance whatever its place.
        QTest::newRow("Label ist Zeit") << "0:30'00,0\""
                                        << "5400m"
                                        << "3,0 m/s";
        QTest::newRow("leeres Label") << ""
                                      << "0:40'00,00\""
                                      << "--- m/s";
        QTest::newRow("unlesbare Strecke im Label") << "zehnm"
                                                    << "0:40'00,00\""
                                                    << "--- m/s";
        QTest::newRow("unlesbare Zeit im Label") << "eine Stunde"
                                                 << "15000m"
                                                 << "--- m/s";
    }

    void geschwindigkeit()
    {
        QFETCH(QString, label);
        QFETCH(QString, eintrag);
        QFETCH(QString, erwartet);
        QCOMPARE(BerechneMps(label, eintrag), erwartet);
    }

    void rollenNurAusLetztemZeichen()
    {
        // The same pair in swapped order: the time label makes "10000m" the distance only if it is the entry.
        QCOMPARE(BerechneMps("10000m", "0:40'00,00\""), BerechneMps("0:40'00,00\"", "10000m"));
        // Label a distance, entry a distance: the label is read as a time and cannot be.
        QCOMPARE(BerechneMps("10000m", "12000m"), kKeineGeschwindigkeit);
    }

    void unlesbarerEintragStopptBericht_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Strecke ohne Ziffern") << "1:00'00,0\""
                                              << "weitm"
                                              << "'weit' ist kein gültiger Integerwert";
        QTest::newRow("Zeit ohne Trenner") << "10000m"
                                           << "40 Minuten\""
                                           << "'40 Minuten\"' ist kein gültiger Integerwert";
        QTest::newRow("Zeit null") << "10000m"
                                   << "0:00'00,00\""
                                   << "Gleitkommadivision durch Null";
    }

    void unlesbarerEintragStopptBericht()
    {
        QFETCH(QString, label);
        QFETCH(QString, eintrag);
        QFETCH(QString, meldung);
        QString ist;
        try {
            BerechneMps(label, eintrag);
        } catch (const Konvertierungsfehler &f) {
            ist = f.meldung();
        }
        QCOMPARE(ist, meldung);
    }

    void dezimaltrennerDesSystems()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString englisch = BerechneMps("10000m", "0:40'00,00\"");
        test::deutschUndFesteUhr();
        QCOMPARE(englisch, QStringLiteral("4.2 m/s"));
    }
};

QTEST_GUILESS_MAIN(TestTempo)
#include "tst_tempo.moc"
