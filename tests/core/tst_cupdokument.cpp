#include "core/cupbefehle.h"
#include "core/cupdatei.h"
#include "core/cupdokument.h"
#include "core/konvertierung.h"
#include "core/laufbefehle.h"
#include "core/sortierung.h"
#include "core/teilnehmerbefehle.h"
#include "support/berichtscups.h"

#include <QBuffer>
#include <iterator>
#include <QSignalSpy>
#include <QTest>

using namespace tlt;

namespace {
// Everything a step could touch, in table order, with the identities: equal pictures mean the cup is
// exactly as it was, not only its file.
QString abbild(const Cup &cup)
{
    QString s = QStringLiteral("%1|%2|%3|%4|%5\n").arg(cup.name, cup.veranstalter).arg(cup.kategorie).arg(cup.min).arg(cup.max);
    for (const Tabelle *t : {&cup.cv, &cup.ag, &cup.pv, &cup.laufe, &cup.teil}) {
        s += QStringLiteral("#%1x%2\n").arg(t->colCount()).arg(t->rowCount());
        for (Kennung id : t->colIds())
            s += QString::number(id) + QLatin1Char(' ');
        s += QLatin1Char('\n');
        for (int r = 0; r < t->rowCount(); ++r) {
            s += QString::number(t->rowId(r)) + QLatin1Char(':');
            for (int c = 0; c < t->colCount(); ++c)
                s += t->cell(c, r) + QLatin1Char('|');
            s += QLatin1Char('\n');
        }
    }
    return s;
}

QByteArray datei(const Cup &cup)
{
    Cup kopie = cup;
    return dateiinhalt(kopie);
}

Laufdaten lauf(const QString &datum)
{
    Laufdaten d;
    d[1] = kZeitlauf;
    d[2] = datum;
    d[3] = QStringLiteral("ja");
    return d;
}

// The steps the document emitted, taken as an undo stack would.
struct Stapel {
    QList<QSharedPointer<Schritt>> schritte;
    explicit Stapel(CupDokument &dok)
    {
        QObject::connect(&dok, &CupDokument::schrittAufgezeichnet,
                         [this](QSharedPointer<Schritt> s) { schritte << s; });
    }
};
} // namespace

class TstCupdokument : public QObject {
    Q_OBJECT
private slots:
    void identitiesMoveWithSortsInsertsAndDeletes()
    {
        Cup cup = test::zufallsCup(3, 12, 3, true);
        QHash<Kennung, QString> wer;
        for (int r = 1; r < cup.teil.rowCount(); ++r)
            wer.insert(cup.teil.rowId(r), cup.teil.cell(0, r));
        QCOMPARE(wer.size(), 12);
        teilsort(cup, Richtung::Absteigend, 8);
        deleterow(cup.teil, 4);
        teilsort(cup, Richtung::Aufsteigend, 4);
        for (int r = 1; r < cup.teil.rowCount(); ++r)
            QCOMPARE(cup.teil.cell(0, r), wer.value(cup.teil.rowId(r)));
        QCOMPARE(cup.teil.rowCount(), 12);
        // New rows and columns get identities never seen before.
        cup.teil.setRowCount(14);
        QVERIFY(!wer.contains(cup.teil.rowId(12)) && cup.teil.rowId(12) != cup.teil.rowId(13));

        // A race keeps its identity through the race sort; its result column moves with it.
        const Kennung erster = cup.laufe.colId(1);
        const QString ergebnis = cup.teil.cell(8, 1);
        const Kennung teilnehmer = cup.teil.rowId(1);
        cup.laufe.setCell(1, 2, QStringLiteral("01.01.2030"));
        laufesort(cup);
        QCOMPARE(cup.laufe.colOf(erster), 3);
        QCOMPARE(cup.teil.cell(10, cup.teil.rowOf(teilnehmer)), ergebnis);
        laufLoeschen(cup, 1);
        QCOMPARE(cup.laufe.colOf(erster), 2);
        QCOMPARE(cup.teil.rowOf(0), -1);
        QCOMPARE(cup.laufe.colOf(999999999), -1);
    }

    void identitiesAreNotWritten()
    {
        // Two loads of one file have different identities and write the same bytes.
        const Cup a = test::berichtsCup();
        Cup b;
        QByteArray inhalt = datei(a);
        QBuffer puffer(&inhalt);
        QString fehler;
        QVERIFY(laden(b, puffer, &fehler));
        QVERIFY(b.teil.rowId(1) != a.teil.rowId(1));
        QCOMPARE(datei(b), datei(a));
    }

    void everyCommandIsUndoneAndRedoneExactly_data()
    {
        QTest::addColumn<int>("befehl");
        const char *namen[] = {"result",       "participant add", "participant edit", "participant delete",
                               "race add",     "race edit",       "race delete",      "variation add",
                               "variation edit", "variation delete", "age group add", "age group edit",
                               "age group delete", "points add",  "points delete",    "settings",
                               "minimum",      "sort"};
        for (int i = 0; i < int(std::size(namen)); ++i)
            QTest::newRow(namen[i]) << i;
    }
    void everyCommandIsUndoneAndRedoneExactly()
    {
        QFETCH(int, befehl);
        Cup start = test::zufallsCup(7, 25, 4, true);
        // A variation and an age group nobody uses, so that they may be deleted.
        start.cv.setRowCount(5);
        start.cv.setCell(0, 4, QStringLiteral("D-Cup"));
        start.ag.setRowCount(5);
        start.ag.setCell(0, 4, QStringLiteral("W80"));
        start.ag.setCell(1, 4, QStringLiteral("M80"));
        start.ag.setCell(2, 4, QStringLiteral("200"));
        CupDokument dok;
        dok.ersetzen(std::move(start));
        Stapel stapel(dok);
        const QString vorher = abbild(dok.cup());
        const QByteArray dateiVorher = datei(dok.cup());
        const Teilnehmerdaten p = teilnehmerLesen(dok.cup(), 3);
        auto neu = p;
        neu.name = QStringLiteral("Aaron");
        neu.ergebnisse[1] = QStringLiteral("v.");
        std::function<void(Cup &)> f;
        switch (befehl) {
        case 0: f = [](Cup &c) { ergebnisEintragen(c, 5, 2, QStringLiteral("d.")); }; break;
        case 1: f = [&](Cup &c) { teilnehmerHinzufuegen(c, neu); }; break;
        case 2: f = [&](Cup &c) { teilnehmerAendern(c, 3, neu); }; break;
        case 3: f = [](Cup &c) { teilnehmerLoeschen(c, 2); }; break;
        case 4: f = [](Cup &c) { laufHinzufuegen(c, lauf(QStringLiteral("02.05.2026"))); }; break;
        case 5: f = [](Cup &c) { laufAendern(c, 1, lauf(QStringLiteral("30.06.2026"))); }; break;
        case 6: f = [](Cup &c) { laufLoeschen(c, 2); }; break;
        case 7: f = [](Cup &c) { cvHinzufuegen(c, QStringLiteral("0-Cup"), QStringLiteral("1m"), QStringLiteral("1"), false); }; break;
        case 8: f = [](Cup &c) { cvAendern(c, 1, QStringLiteral("Z-Cup"), QStringLiteral("1m"), QStringLiteral("1")); }; break;
        case 9: f = [](Cup &c) { cvLoeschen(c, 4); }; break;
        case 10: f = [](Cup &c) { agHinzufuegen(c, QStringLiteral("WK"), QStringLiteral("MK"), QStringLiteral("9")); }; break;
        case 11: f = [](Cup &c) { agAendern(c, 2, QStringLiteral("Frauen"), QStringLiteral("Männer"), QStringLiteral("160")); }; break;
        case 12: f = [](Cup &c) { agLoeschen(c, 4); }; break;
        case 13: f = [](Cup &c) { pvHinzufuegen(c, 50); }; break;
        case 14: f = [](Cup &c) { pvLoeschen(c, 1); }; break;
        case 15: f = [](Cup &c) { c.name = QStringLiteral("Neu"); c.kategorie = 4; }; break;
        case 16: f = [](Cup &c) { minSetzen(c, 3); }; break;
        case 17: f = [](Cup &c) { teilsort(c, Richtung::Absteigend, 9); }; break;
        }
        QVERIFY(dok.ausfuehren(QStringLiteral("Schritt"), f));
        QCOMPARE(stapel.schritte.size(), 1);
        const QString nachher = abbild(dok.cup());
        const QByteArray dateiNachher = datei(dok.cup());
        QVERIFY(nachher != vorher);
        dok.rueckgaengig(*stapel.schritte[0]);
        QCOMPARE(abbild(dok.cup()), vorher);
        QCOMPARE(datei(dok.cup()), dateiVorher);
        dok.wiederholen(*stapel.schritte[0]);
        QCOMPARE(abbild(dok.cup()), nachher);
        QCOMPARE(datei(dok.cup()), dateiNachher);
    }

    void cellStepsFindTheirRowAfterAnUnrecordedSort()
    {
        // Reports sort the participants outside any step; a result is still taken back where it was.
        CupDokument dok;
        dok.ersetzen(test::zufallsCup(11, 30, 2, false));
        Stapel stapel(dok);
        const Kennung id = dok.cup().teil.rowId(4);
        const QString alt = dok.cup().teil.cell(9, 4);
        dok.ausfuehren(QStringLiteral("Ergebnis"), [](Cup &c) { ergebnisEintragen(c, 4, 2, QStringLiteral("7777m")); });
        std::vector<int> umgekehrt;
        for (int r = dok.cup().teil.rowCount() - 1; r >= 1; --r)
            umgekehrt.push_back(r);
        dok.cup().teil.permuteRows(1, umgekehrt);
        QVERIFY(dok.cup().teil.rowOf(id) != 4);
        const QString vorSort = abbild(dok.cup());
        dok.rueckgaengig(*stapel.schritte.last());
        QCOMPARE(dok.cup().teil.cell(9, dok.cup().teil.rowOf(id)), alt);
        for (int r = 1; r < dok.cup().teil.rowCount(); ++r)
            QVERIFY(r == dok.cup().teil.rowOf(id) || dok.cup().teil.cell(9, r) != QStringLiteral("7777m"));
        // Steps that moved rows first put them back where they stood.
        dok.ausfuehren(QStringLiteral("Löschen"), [](Cup &c) { teilnehmerLoeschen(c, 1); });
        const QByteArray nachLoeschen = datei(dok.cup());
        teilsort(dok.cup(), Richtung::Aufsteigend, 8);
        dok.rueckgaengig(*stapel.schritte.last());
        QCOMPARE(dok.cup().teil.rowCount(), 31);
        dok.wiederholen(*stapel.schritte.last());
        QCOMPARE(datei(dok.cup()), nachLoeschen);
        Q_UNUSED(vorSort);
    }

    void failingCommandLeavesTheCupAsItWas()
    {
        CupDokument dok;
        dok.ersetzen(test::zufallsCup(5, 10, 2, true));
        Stapel stapel(dok);
        const QString vorher = abbild(dok.cup());
        bool geworfen = false;
        try {
            dok.ausfuehren(QStringLiteral("kaputt"), [](Cup &c) {
                agHinzufuegen(c, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("99"));
                c.ag.setCell(2, 1, QStringLiteral("zwölf"));
                agsort(c.ag);
            });
        } catch (const Konvertierungsfehler &) {
            geworfen = true;
        }
        QVERIFY(geworfen);
        QCOMPARE(abbild(dok.cup()), vorher);
        QVERIFY(stapel.schritte.isEmpty());
        QVERIFY(!dok.geaendert());
    }

    void signalsNameTheChangedTable()
    {
        CupDokument dok;
        dok.ersetzen(test::zufallsCup(5, 10, 2, true));
        QSignalSpy tabellen(&dok, &CupDokument::tabelleGeaendert);
        QSignalSpy einstellungen(&dok, &CupDokument::einstellungenGeaendert);
        dok.ausfuehren(QStringLiteral("Ergebnis"), [](Cup &c) { ergebnisEintragen(c, 1, 1, QStringLiteral("0:59'59,99\"")); });
        QCOMPARE(tabellen.size(), 1);
        QCOMPARE(tabellen[0][0].value<Tabellenteil>(), Tabellenteil::Teil);
        QCOMPARE(tabellen[0][1].toBool(), false);
        QCOMPARE(einstellungen.size(), 0);
        QVERIFY(dok.geaendert());
        tabellen.clear();
        dok.ausfuehren(QStringLiteral("Lauf"), [](Cup &c) { laufLoeschen(c, 1); });
        QList<Tabellenteil> teile;
        for (const auto &a : tabellen)
            teile << a[0].value<Tabellenteil>();
        QCOMPARE(teile, QList<Tabellenteil>({Tabellenteil::Laufe, Tabellenteil::Teil}));
        QVERIFY(tabellen[0][1].toBool());
        // A command that changes nothing is no step.
        QVERIFY(!dok.ausfuehren(QStringLiteral("nichts"), [](Cup &c) { ergebnisEintragen(c, 1, 1, c.teil.cell(8, 1)); }));
    }

    void renamingToAnotherGroupsLabelIsRefused()
    {
        Cup cup;
        QCOMPARE(agAendernVerweigert(cup, 9, QStringLiteral("F30"), QStringLiteral("M")),
                 QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!"));
        QCOMPARE(agAendernVerweigert(cup, 9, QStringLiteral("F"), QStringLiteral("M30")),
                 QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!"));
        // Another group's label of the other sex merges just as well.
        QCOMPARE(agAendernVerweigert(cup, 9, QStringLiteral("M30"), QStringLiteral("M")),
                 QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!"));
        QCOMPARE(agAendernVerweigert(cup, 9, QStringLiteral("Frauen"), QStringLiteral("M")), QString());
        QCOMPARE(cvAendernVerweigert(cup, 1, QStringLiteral("B-Cup")),
                 QStringLiteral("Es besteht eine Dopplung mit einer anderen Cup-Variation!"));
        QCOMPARE(cvAendernVerweigert(cup, 1, QStringLiteral("A-Cup")), QString());
        // Deletion guards.
        Cup zwei = test::zufallsCup(1, 3, 2, true);
        zwei.cv.setRowCount(3);
        QVERIFY(cvLoeschenVerweigert(zwei, 1).startsWith(QStringLiteral("Es sind bereits Cup-Läufe eingetragen!")));
        Cup eine;
        eine.ag.setRowCount(2);
        QCOMPARE(agLoeschenVerweigert(eine, 1), QStringLiteral("Sie müssen wenigstens eine Altersgruppe eingetragen lassen!"));
        eine.pv.setRowCount(2);
        QCOMPARE(pvLoeschenVerweigert(eine, 1), QStringLiteral("Sind müssen wenigstens eine Punktezahl vergeben?"));
    }

    void minimumAndMaximumStayWithinTheRaces()
    {
        Cup cup = test::zufallsCup(1, 3, 3, true);
        minSetzen(cup, 3);
        QCOMPARE(cup.max, 3);
        maxSetzen(cup, 4);
        QCOMPARE(cup.max, 3);
        maxSetzen(cup, 2);
        QCOMPARE(cup.min, 2);
        Cup leer;
        minSetzen(leer, 5);
        QCOMPARE(leer.min, 1);
    }
};

QTEST_MAIN(TstCupdokument)
#include "tst_cupdokument.moc"
