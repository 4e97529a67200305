#include "core/cup.h"
#include "core/laufbefehle.h"
#include "core/teilnehmerbefehle.h"

#include <QTest>

using namespace tlt;

namespace {
Laufdaten lauf(const QString &typ, const QString &datum)
{
    Laufdaten d;
    d[1] = typ;
    d[2] = datum;
    d[3] = QStringLiteral("ja");
    return d;
}

Teilnehmerdaten person(const QString &name, const QString &sn, const QStringList &ergebnisse = {})
{
    return {name,
            QStringLiteral("Eva"),
            QStringLiteral("01.02.1980"),
            QStringLiteral("weiblich"),
            QStringLiteral("LG Nord"),
            QStringLiteral("F40"),
            sn,
            QStringLiteral("A-Cup"),
            ergebnisse};
}

// Default cup (with cup variations), a time run and a distance run.
Cup zweiLaeufe()
{
    Cup cup;
    laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("12.05.2001")));
    laufHinzufuegen(cup, lauf(kDistanzlauf, QStringLiteral("19.05.2001")));
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}
} // namespace

class TstTeilnehmerbefehle : public QObject {
    Q_OBJECT
private slots:
    void requiredFields_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<bool>("variationen");
        QTest::addColumn<bool>("erwartet");
        QTest::newRow("complete") << ""
                                  << "" << true << true;
        QTest::newRow("surname") << "name"
                                 << "" << true << false;
        QTest::newRow("first name") << "vorname"
                                    << "" << true << false;
        QTest::newRow("birth date") << "geb"
                                    << "TT.MM.JJJJ" << true << false;
        QTest::newRow("gender") << "ges"
                                << "" << true << false;
        QTest::newRow("club") << "verein"
                              << "" << true << false;
        QTest::newRow("age group") << "alt"
                                   << "" << true << false;
        QTest::newRow("start number") << "sn"
                                      << "" << true << false;
        QTest::newRow("no variation chosen") << "cup"
                                             << "" << true << false;
        QTest::newRow("variation in cup without") << ""
                                                  << "" << false << false;
        QTest::newRow("no variation, none exist") << "cup"
                                                  << "" << false << true;
    }
    void requiredFields()
    {
        QFETCH(QString, feld);
        QFETCH(QString, wert);
        QFETCH(bool, variationen);
        QFETCH(bool, erwartet);
        Cup cup;
        if (!variationen)
            cup.cv.setRowCount(1);
        Teilnehmerdaten d = person(QStringLiteral("Berg"), QStringLiteral("001"));
        QString *ziel = feld == "name"      ? &d.name
                        : feld == "vorname" ? &d.vorname
                        : feld == "geb"     ? &d.geb
                        : feld == "ges"     ? &d.ges
                        : feld == "verein"  ? &d.verein
                        : feld == "alt"     ? &d.alt
                        : feld == "sn"      ? &d.sn
                        : feld == "cup"     ? &d.cup
                                            : nullptr;
        if (ziel)
            *ziel = wert;
        QCOMPARE(teilnehmerVollstaendig(cup, d), erwartet);
    }

    void firstMissingFieldInCheckOrder()
    {
        // Everything empty: the surname is named first; each field filled moves on to the next.
        Cup cup;
        Teilnehmerdaten d;
        d.geb = kKeinDatum;
        const QList<std::pair<QString *, QString>> reihe{
            {&d.name, "Berg"}, {&d.vorname, "Eva"}, {&d.geb, "01.02.1980"}, {&d.ges, "weiblich"},
            {&d.verein, "TV"}, {&d.alt, "F"},       {&d.sn, "001"},         {&d.cup, "A-Cup"}};
        for (int i = 0; i < reihe.size(); ++i) {
            QCOMPARE(teilnehmerFehlendeSpalte(cup, d), i);
            *reihe[i].first = reihe[i].second;
        }
        QCOMPARE(teilnehmerFehlendeSpalte(cup, d), -1);
        // A variation named in a cup without variations is the cup field's fault.
        cup.cv.setRowCount(1);
        QCOMPARE(teilnehmerFehlendeSpalte(cup, d), int(Teilspalte::Cupvariation));
    }

    void addingSortsBySurnameAndWritesResults()
    {
        Cup cup = zweiLaeufe();
        QCOMPARE(teilnehmerHinzufuegen(cup, person(QStringLiteral("Zander"), QStringLiteral("001"))), 1);
        QVERIFY(cup.geaendert);
        const int s = teilnehmerHinzufuegen(
            cup, person(QStringLiteral("Adler"), QStringLiteral("002"), {QStringLiteral("0:20'00,00\""), "d."}));
        QCOMPARE(s, 1);
        QCOMPARE(cup.teil.cell(0, 2), QStringLiteral("Zander"));
        QCOMPARE(cup.teil.cell(6, 1), QStringLiteral("002"));
        QCOMPARE(cup.teil.cell(7, 1), QStringLiteral("A-Cup"));
        QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("0:20'00,00\""));
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("d."));
        QCOMPARE(cup.teil.colCount(), 10);
    }

    void addingWithoutRacesWritesNoResultColumns()
    {
        Cup cup;
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("002"), {QStringLiteral("x")}));
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.teil.rowCount(), 2);
    }

    void editingWritesTheRowAndFollowsTheSort()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("001")));
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        Teilnehmerdaten d = teilnehmerLesen(cup, 1);
        QCOMPARE(d.ergebnisse.size(), 2);
        d.name = QStringLiteral("Zeh");
        d.ergebnisse[1] = QStringLiteral("4000m");
        QCOMPARE(teilnehmerAendern(cup, 1, d), 2);
        QCOMPARE(cup.teil.cell(0, 2), QStringLiteral("Zeh"));
        QCOMPARE(cup.teil.cell(9, 2), QStringLiteral("4000m"));
        QCOMPARE(cup.teil.rowCount(), 3);
        QCOMPARE(teilnehmerAendern(cup, 7, d), -1);
    }

    void deleteQuestionAndRemoval()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("001")));
        QCOMPARE(teilnehmerLoeschenFrage(cup, 1),
                 QStringLiteral("Sind Sie sicher, dass Sie den Teilnehmer (Adler, Eva) löschen wollen?"));
        cup.edit(Cup::Stand::Gesichert);
        teilnehmerLoeschen(cup, 1);
        QCOMPARE(cup.teil.rowCount(), 1);
        QVERIFY(cup.geaendert);
    }

    void raceLabels()
    {
        Cup cup = zweiLaeufe();
        QCOMPARE(laufbezeichnung(cup, 1), QStringLiteral("1) 12.05.2001 (ZL)"));
        QCOMPARE(laufbezeichnung(cup, 2), QStringLiteral("2) 19.05.2001 (DL)"));
    }

    void participantIsFoundAfterResortAndRename()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        const QStringList k = teilnehmerkennung(cup, 1);
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("001")));
        QCOMPARE(teilnehmerFinden(cup, k, 1), 2);
        cup.teil.setCell(7, 2, QStringLiteral("Z-Cup")); // variation renamed meanwhile
        QCOMPARE(teilnehmerFinden(cup, k, 1), 2);
        teilnehmerLoeschen(cup, 2);
        QCOMPARE(teilnehmerFinden(cup, k, 1), -1);
    }

    void typedResultsFollowTheirRaces()
    {
        Cup cup = zweiLaeufe();
        const QList<QStringList> offen{laufkennung(cup, 1), laufkennung(cup, 2)};
        const QStringList eingaben{QStringLiteral("0:20'00,00\""), QStringLiteral("5000m")};
        // A race added in front while the dialog was open: its entry comes from the stored row.
        laufHinzufuegen(cup, lauf(kZeitlauf, QStringLiteral("01.01.2001")));
        QCOMPARE(ergebnisseZuordnen(cup, offen, eingaben, {QStringLiteral("d.")}, false),
                 QStringList({"d.", "0:20'00,00\"", "5000m"}));
        // A listed race deleted meanwhile: its entry is dropped.
        laufLoeschen(cup, 2);
        QCOMPARE(ergebnisseZuordnen(cup, offen, eingaben, {}, false), QStringList({"", "5000m"}));
        // No race added or removed, one edited in place: entries stay by position.
        Cup zwei = zweiLaeufe();
        zwei.laufe.setCell(1, 10, QStringLiteral("Ort"));
        QCOMPARE(ergebnisseZuordnen(zwei, offen, eingaben, {}, true), eingaben);
        QCOMPARE(ergebnisseZuordnen(zwei, offen, eingaben, {}, false), QStringList({"", "5000m"}));
    }

    void startNumberLookup_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("zahl");
        QTest::addColumn<QString>("gepolstert");
        QTest::newRow("7") << "7" << true << "007";
        QTest::newRow("42 with blank") << " 42" << true << "042";
        QTest::newRow("sign") << "+5" << true << "005";
        QTest::newRow("four digits") << "1234" << true << "1234";
        QTest::newRow("negative") << "-3" << true << "-003";
        QTest::newRow("letters") << "x7" << false << "";
        QTest::newRow("empty") << "" << false << "";
    }
    void startNumberLookup()
    {
        QFETCH(QString, eingabe);
        QFETCH(bool, zahl);
        QFETCH(QString, gepolstert);
        QString t;
        QCOMPARE(startnummerLesen(eingabe, &t), zahl);
        if (zahl)
            QCOMPARE(t, gepolstert);
    }

    void quickEntryWritesAndAsksExactly()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("007")));
        QCOMPARE(startnummerSuchen(cup, QStringLiteral("007")), 1);
        QCOMPARE(startnummerSuchen(cup, QStringLiteral("7")), -1);
        cup.edit(Cup::Stand::Gesichert);
        ergebnisEintragen(cup, 1, 2, QStringLiteral("4000m"));
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("4000m"));
        QVERIFY(cup.geaendert);
        ergebnisEintragen(cup, 1, 3, QStringLiteral("1m")); // no such race: ignored
        QCOMPARE(cup.teil.colCount(), 10);
        QCOMPARE(ueberschreibenFrage(QStringLiteral("4000m"), QStringLiteral("4100m")),
                 QStringLiteral("Wollen Sie den alten Wert (4000m) überschreiben mit 4100m?"));
    }
};

QTEST_GUILESS_MAIN(TstTeilnehmerbefehle)
#include "tst_teilnehmerbefehle.moc"
