// A report that stops at a value it cannot read tells the user where that value stands: the race
// and participant, the age group, the points row or the race's staff cells. The bare message stays
// as it was; text() adds the place.
#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "reports/teilnehmer.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"

#include <QTest>

#include <functional>

using namespace tlt;

namespace {

// Runs a report and returns the text the user would be shown (empty when it did not stop).
QString stopText(const std::function<void(Ausgabe &)> &bericht)
{
    Ausgabe aus;
    try {
        bericht(aus);
    } catch (const Konvertierungsfehler &f) {
        return f.text();
    }
    return QString();
}

} // namespace

class TstFehlerort : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void messageWithoutPlaceIsUnchanged()
    {
        const Konvertierungsfehler f(QStringLiteral("x"));
        QCOMPARE(f.text(), QStringLiteral("'x' ist kein gültiger Integerwert"));
        // The innermost place wins: an outer wrapper does not overwrite it.
        try {
            amOrt([] { return amOrt([] { return toInt(QStringLiteral("y")); }, [] { return QStringLiteral("innen"); }); },
                  [] { return QStringLiteral("außen"); });
            QFAIL("no conversion error");
        } catch (const Konvertierungsfehler &e) {
            QCOMPARE(e.meldung(), QStringLiteral("'y' ist kein gültiger Integerwert"));
            QCOMPARE(e.text(), QStringLiteral("'y' ist kein gültiger Integerwert – bei innen"));
        }
    }

    void resultOfOneParticipantIsNamed()
    {
        Cup cup = test::berichtsCup();
        const int r = 1;
        cup.teil.setCell(Cup::ergebnisspalte(1), r, QStringLiteral("0:35'4999999999,50\""));
        const QString ort = QStringLiteral(" – bei Lauf 1, Startnummer %1 (%2, %3)")
                                .arg(cup.teil.cell(6, r), cup.teil.cell(0, r), cup.teil.cell(1, r));
        // The statistic reads the time; the result list compares the digits with the neighbours'.
        const QString statistik = stopText([&](Ausgabe &a) { ausgabe_teilnehmer(cup, a, r); });
        QVERIFY2(statistik.endsWith(ort), qPrintable(statistik));
        const QString liste = stopText([&](Ausgabe &a) { ausgabe_laufergebnis(cup, a, 1); });
        QVERIFY2(liste.isEmpty() || liste.endsWith(ort), qPrintable(liste));
        const QString gesamt = stopText([&](Ausgabe &a) { ausgabe_gesamt(cup, a, 1); });
        QVERIFY2(gesamt.isEmpty() || gesamt.endsWith(ort), qPrintable(gesamt));
        QVERIFY(!liste.isEmpty() || !gesamt.isEmpty());
    }

    void tableCellsAreNamed()
    {
        {
            Cup cup = test::berichtsCup();
            cup.pv.setCell(1, 1, QStringLiteral("zwanzig"));
            QCOMPARE(stopText([&](Ausgabe &a) { ausgabe_gesamt(cup, a, 1); }),
                     QStringLiteral("'zwanzig' ist kein gültiger Integerwert – bei Punktevergabe, Platz 1"));
        }
        {
            Cup cup = test::berichtsCup();
            cup.ag.setCell(2, 10, QStringLiteral("3x"));
            QCOMPARE(stopText([&](Ausgabe &a) { ausgabe_laufergebnis(cup, a, 1); }),
                     QStringLiteral("'3x' ist kein gültiger Integerwert – bei Altersgruppe %1/%2, Maximalalter")
                         .arg(cup.ag.cell(0, 10), cup.ag.cell(1, 10)));
        }
        {
            Cup cup = test::berichtsCup();
            cup.laufe.setCell(1, 32, QStringLiteral("doppelt"));
            QCOMPARE(stopText([&](Ausgabe &a) { ausgabe_gesamt(cup, a, 1); }),
                     QStringLiteral("'doppelt' ist kein gültiger Integerwert – bei Lauf 1, Bonusfaktor"));
        }
        {
            Cup cup = test::berichtsCup();
            cup.laufe.setCell(1, 20, QStringLiteral("zwölf"));
            QCOMPARE(stopText([&](Ausgabe &a) { ausgabe_dlv(cup, a, 1); }),
                     QStringLiteral("'zwölf' ist kein gültiger Integerwert – bei Lauf 1, Kampfrichter, Helfer und "
                                    "Mitarbeiter"));
        }
    }
};

QTEST_GUILESS_MAIN(TstFehlerort)
#include "tst_fehlerort.moc"
