// A race evening from scratch: settings, two races, five participants and their results are entered
// only through the main window and its dialogs, by keyboard where a user would use it, and the saved
// cup file is compared with a golden file.

#include "core/cup.h"
#include "core/laufbefehle.h"
#include "core/teilnehmerbefehle.h"
#include "support/golden.h"
#include "ui/bea_erg_unit.h"
#include "ui/bea_lauf_unit.h"
#include "ui/bea_teil_unit.h"
#include "ui/eingabe_anschluss.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tlt;
using namespace tlt::ui;

namespace {
QWidget *fokus()
{
    QWidget *w = QApplication::focusWidget();
    if (!w)
        qFatal("kein Fokus");
    return w;
}
// The name of the focused control (for a spin box, of the box rather than its inner line edit).
QString fokusName()
{
    QWidget *w = fokus();
    while (w && w->objectName().isEmpty())
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}
void taste(int key, int mal = 1)
{
    for (int i = 0; i < mal; ++i)
        QTest::keyClick(fokus(), static_cast<Qt::Key>(key));
}
void tab(int mal = 1)
{
    taste(Qt::Key_Tab, mal);
}
// Types into whatever has the focus, key by key; letters beyond ASCII arrive as text, as from a
// German keyboard.
void tippen(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(fokus(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, fokus(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
} // namespace

class TstAbend : public QObject {
    Q_OBJECT

    MainUnit *w = nullptr;

    // Right-click on a cell, then the menu item by its accelerator key.
    void menuepunkt(Gitter *g, int spalte, int zeile, const char *menue, Qt::Key buchstabe)
    {
        QWidget *seite = g;
        while (seite->parentWidget() && !qobject_cast<QTabWidget *>(seite->parentWidget()->parentWidget()))
            seite = seite->parentWidget();
        w->seiten()->setCurrentWidget(seite);
        QApplication::processEvents();
        QPoint p;
        QWidget *ziel = g->zellenZiel(spalte, zeile, &p);
        QVERIFY(ziel);
        QTest::mouseClick(ziel, Qt::RightButton, Qt::NoModifier, p);
        QMenu *m = w->menue(QString::fromLatin1(menue));
        QVERIFY(QTest::qWaitForWindowExposed(m));
        QTest::keyClick(m, buchstabe);
        QVERIFY(!m->isVisible());
    }

    // One participant, from the surname field to the save button.
    void teilnehmer(const QString &name, const QString &vorname, const QString &geb, int geschlecht,
                    const QString &verein, int vereinWahl, int cup, const QString &sn, const QString &ergebnis1 = {})
    {
        BeaTeil *d = bea_teil(*w);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(fokusName(), QStringLiteral("name"));
        tippen(name);
        tab();
        tippen(vorname);
        tab();
        tippen(geb);
        tab();
        auto *ges = d->findChild<QComboBox *>(QStringLiteral("ges"));
        if (ges->currentIndex() < 0)
            taste(Qt::Key_Down, geschlecht + 1); // no gender is preselected after the first save
        else if (ges->currentIndex() != geschlecht)
            taste(geschlecht == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(ges->currentIndex(), geschlecht);
        tab();
        // The club chooser, nothing chosen yet: item 0 is the empty entry, then the clubs in order.
        taste(Qt::Key_Down, vereinWahl > 0 ? vereinWahl + 1 : 0);
        tab();
        if (vereinWahl == 0)
            tippen(verein);
        QCOMPARE(d->findChild<QLineEdit *>(QStringLiteral("verein"))->text(), verein);
        tab(); // age group: proposed on entering
        tab();
        taste(Qt::Key_Down, cup + 1);
        tab();
        auto *snFeld = d->findChild<QLineEdit *>(QStringLiteral("sn"));
        QCOMPARE(fokus(), snFeld);
        if (!sn.isEmpty())
            tippen(sn);
        tab();
        if (!ergebnis1.isEmpty())
            tippen(ergebnis1);
        tab();
        QCOMPARE(fokusName(), QStringLiteral("speichern"));
        taste(Qt::Key_Return);
    }

    // Quick entry pairs of start number and result; an empty start number ends the loop.
    void schnellerfassung(const QList<QPair<QString, QString>> &paare)
    {
        BeaErg *d = bea_erg(*w);
        QVERIFY(QTest::qWaitForWindowActive(d));
        for (const auto &[sn, ergebnis] : paare) {
            QCOMPARE(fokusName(), QStringLiteral("sn"));
            tippen(sn);
            taste(Qt::Key_Return);
            QCOMPARE(fokusName(), QStringLiteral("erg"));
            tippen(ergebnis);
            taste(Qt::Key_Return);
        }
        taste(Qt::Key_Return);
        QVERIFY(!d->isVisible());
    }

private slots:
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
        w = new MainUnit;
        w->resize(1200, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        w->cup().edit(Cup::Stand::Gesichert);
        delete w;
        w = nullptr;
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QStringLiteral("unerwartet"), qPrintable(e.text));
    }

    void raceEveningFromScratch()
    {
        // Settings on page "Cup".
        w->nameFeld()->setFocus();
        tippen(QStringLiteral("Abendlauf-Cup 2026"));
        tab();
        QCOMPARE(fokus(), w->veranstalterFeld());
        tippen(QStringLiteral("LG Musterstadt e.V."));
        w->kategorieFeld()->setFocus();
        taste(Qt::Key_Down);
        QCOMPARE(w->cup().kategorie, 1);

        // Two races of the same event: the second keeps the event data.
        menuepunkt(w->laufeGitter(), 0, 0, "laufe_pop", Qt::Key_H);
        BeaLauf *lauf = bea_lauf(*w);
        QVERIFY(QTest::qWaitForWindowActive(lauf));
        taste(Qt::Key_Down, 2); // Zeitlauf (fixe Distanz)
        tab();
        tippen(QStringLiteral("03062026"));
        tab(); // the time/distance field is locked ("ja"): the cup has variations
        QCOMPARE(fokusName(), QStringLiteral("vereinsname"));
        for (const QString &t :
             {QStringLiteral("LG Musterstadt"), QStringLiteral("Am Sportplatz 1"), QStringLiteral("12345 Musterstadt"),
              QString(), QStringLiteral("01234 5678"), QStringLiteral("01234 5679"), QStringLiteral("Musterstadt"),
              QStringLiteral("Musterkreis"), QStringLiteral("Nord"), QStringLiteral("Niedersachsen"),
              QStringLiteral("Stadion am See"), QStringLiteral("Rundkurs 2,5 km")}) {
            tippen(t);
            tab();
        }
        QCOMPARE(fokusName(), QStringLiteral("kampfrichterW"));
        taste(Qt::Key_Up, 3);
        tab();
        taste(Qt::Key_Up, 12);
        tab();
        taste(Qt::Key_Up, 2);
        tab();
        for (const QString &t :
             {QStringLiteral("elektronisch"), QStringLiteral("keine"), QStringLiteral("entfällt"),
              QStringLiteral("Petra Schnell"), QStringLiteral("0170 111"), QString(), QStringLiteral("Karl Aufsicht"),
              QString(), QString(), QStringLiteral("Sommerabend, trocken"), QString(), QString(),
              QStringLiteral("26-01-0815")}) {
            tippen(t);
            tab();
        }
        QCOMPARE(fokusName(), QStringLiteral("speichern"));
        tab();
        taste(Qt::Key_Up); // bonus factor 2
        tab();
        taste(Qt::Key_Up, 3); // bonus summand 3
        taste(Qt::Key_Return);
        QCOMPARE(w->cup().anzahlLaufe(), 1);
        QVERIFY(lauf->isVisible());
        QCOMPARE(fokusName(), QStringLiteral("lauftyp"));
        taste(Qt::Key_Up); // Distanzlauf (fixe Zeit)
        tab();
        tippen(QStringLiteral("01.07.2026"));
        taste(Qt::Key_Return);
        QCOMPARE(w->cup().anzahlLaufe(), 2);
        taste(Qt::Key_Escape);
        QVERIFY(!lauf->isVisible());

        // At most two races count.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->seiten()->setCurrentIndex(0);
        w->maxW()->setFocus();
        taste(Qt::Key_Up);
        QCOMPARE(w->cup().max, 2);
        QCOMPARE(w->cup().min, 1);

        // Five participants; the club chooser offers the clubs typed before.
        menuepunkt(w->teilGitter(), 0, 0, "teil_pop", Qt::Key_H);
        teilnehmer(QStringLiteral("Müller"), QStringLiteral("Anna"), QStringLiteral("12031985"), 0,
                   QStringLiteral("LG Musterstadt"), 0, 0, {});
        teilnehmer(QStringLiteral("Schmidt"), QStringLiteral("Jonas"), QStringLiteral("02.11.2012"), 1,
                   QStringLiteral("TSV Beispielhausen"), 0, 1, {});
        teilnehmer(QStringLiteral("Becker"), QStringLiteral("Lena"), QStringLiteral("30061999"), 0,
                   QStringLiteral("LG Musterstadt"), 1, 1, {});
        teilnehmer(QStringLiteral("Yilmaz"), QStringLiteral("Deniz"), QStringLiteral("17081972"), 1,
                   QStringLiteral("Lauftreff Nord"), 0, 0, QStringLiteral("7"));
        teilnehmer(QStringLiteral("Weber"), QStringLiteral("Klaus"), QStringLiteral("05051958"), 1,
                   QStringLiteral("TSV Beispielhausen"), 3, 2, {}, QStringLiteral("v"));
        taste(Qt::Key_Escape);
        QCOMPARE(w->cup().anzahlTeilnehmer(), 5);

        // Results of race 1 from the races table, of race 2 from its result column.
        menuepunkt(w->laufeGitter(), 1, 2, "laufe_pop", Qt::Key_E);
        schnellerfassung({{"1", "210530"}, {"2", "ol"}, {"7", "0:19'54,00"}, {"3", "n.a"}});
        menuepunkt(w->teilGitter(), 9, 1, "teil_pop", Qt::Key_E);
        setNextAnswer(Antwort::Nein);
        schnellerfassung(
            {{"1", "10.250"}, {"2", "d"}, {"007", "11 020 m"}, {"8", "9800"}, {"3", "8400"}, {"1", "10260"}});
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().text,
                 QStringLiteral("Wollen Sie den alten Wert (10250m) überschreiben mit 10260m?"));
        QVERIFY(w->cup().geaendert);

        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("abend.tl3"));
        setNextFileName(pfad);
        w->aktion(QStringLiteral("m_d_u"))->trigger();
        QVERIFY(!w->cup().geaendert);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString unterschied = test::goldenVergleich(QStringLiteral("abend.tl3"), f.readAll());
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
    }

    void contextMenusActOnTheClickedObject()
    {
        Cup cup;
        Laufdaten l{};
        l[1] = kZeitlauf;
        l[3] = QStringLiteral("ja");
        for (const char *datum : {"01.05.2026", "01.06.2026", "01.07.2026"}) {
            l[2] = QString::fromLatin1(datum);
            l[10] = QStringLiteral("Ort ") + QString::fromLatin1(datum);
            laufHinzufuegen(cup, l);
        }
        for (const char *name : {"Adler", "Berg"})
            teilnehmerHinzufuegen(cup, {QString::fromLatin1(name),
                                        QStringLiteral("Eva"),
                                        QStringLiteral("01.02.1980"),
                                        QStringLiteral("weiblich"),
                                        QStringLiteral("LG"),
                                        QStringLiteral("F40"),
                                        name[0] == 'A' ? QStringLiteral("001") : QStringLiteral("002"),
                                        QStringLiteral("A-Cup"),
                                        {QStringLiteral("d."), {}, QStringLiteral("v.")}});
        w->cup().uebernehmen(std::move(cup));
        w->neuAnzeigen();

        // Editing opens the clicked race.
        menuepunkt(w->laufeGitter(), 2, 3, "laufe_pop", Qt::Key_B);
        BeaLauf *lauf = bea_lauf(*w);
        QVERIFY(lauf->isVisible());
        QCOMPARE(lauf->windowTitle(), QStringLiteral("Lauf bearbeiten"));
        QCOMPARE(lauf->findChild<QLineEdit *>(QStringLiteral("ort"))->text(), QStringLiteral("Ort 01.06.2026"));
        taste(Qt::Key_Escape);

        // Deleting race 3 asks, counting its two results, and removes only its column.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        setNextAnswer(Antwort::Ja);
        menuepunkt(w->laufeGitter(), 3, 3, "laufe_pop", Qt::Key_L);
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Es sind bereits 2 Ergebnisse in diesem Lauf eingetragen.\n\r"
                                "Sind Sie sicher, dass Sie Lauf3 (01.07.2026) löschen wollen?"));
        QCOMPARE(w->cup().anzahlLaufe(), 2);
        QCOMPARE(w->cup().teil.colCount(), 10);
        QCOMPARE(w->cup().teil.cell(8, 1), QStringLiteral("d."));

        // The participant dialog edits the clicked row; "&Nein" keeps a participant.
        menuepunkt(w->teilGitter(), 1, 2, "teil_pop", Qt::Key_B);
        BeaTeil *teil = bea_teil(*w);
        QVERIFY(teil->isVisible());
        QCOMPARE(teil->findChild<QLineEdit *>(QStringLiteral("name"))->text(), QStringLiteral("Berg"));
        taste(Qt::Key_Escape);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        setNextAnswer(Antwort::Nein);
        menuepunkt(w->teilGitter(), 1, 1, "teil_pop", Qt::Key_L);
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Sind Sie sicher, dass Sie den Teilnehmer (Adler, Eva) löschen wollen?"));
        QCOMPARE(w->cup().anzahlTeilnehmer(), 2);

        // Quick entry from the result column of race 2.
        menuepunkt(w->teilGitter(), 9, 1, "teil_pop", Qt::Key_E);
        BeaErg *erg = bea_erg(*w);
        QCOMPARE(erg->lauf(), 2);
        QCOMPARE(erg->findChild<QLabel *>(QStringLiteral("ergT"))->text(),
                 QStringLiteral("Ergebnis in Lauf 2 - Zeitlauf (fixe Distanz)"));
        schnellerfassung({{"2", "123456"}});
        QCOMPARE(w->cup().teil.cell(9, 2), QStringLiteral("0:12'34,56\""));
        // The lookup made Berg's row the current one.
        QCOMPARE(w->teilGitter()->aktZeile(), 2);
    }

    void entryDialogsFollowARaceMovedByItsNewDate()
    {
        // Race 1 was entered with the wrong year; correcting it makes it the last race while the
        // quick entry and the participant dialog are open for it.
        Cup cup;
        Laufdaten l{};
        l[1] = kZeitlauf;
        l[3] = QStringLiteral("ja");
        for (const char *datum : {"01.05.2025", "01.06.2026"}) {
            l[2] = QString::fromLatin1(datum);
            laufHinzufuegen(cup, l);
        }
        teilnehmerHinzufuegen(cup, {QStringLiteral("Adler"),
                                    QStringLiteral("Eva"),
                                    QStringLiteral("01.02.1980"),
                                    QStringLiteral("weiblich"),
                                    QStringLiteral("LG"),
                                    QStringLiteral("F40"),
                                    QStringLiteral("001"),
                                    QStringLiteral("A-Cup"),
                                    {}});
        w->cup().uebernehmen(std::move(cup));
        w->neuAnzeigen();

        BeaErg *erg = bea_erg(*w);
        erg->oeffnen(1);
        BeaTeil *teil = bea_teil(*w);
        teil->hinzufuegen();
        auto *tabelle = teil->findChild<Ergebnistabelle *>(QStringLiteral("erg"));
        tabelle->item(0, 1)->setText(QStringLiteral("0:40'00,00\""));

        BeaLauf *lauf = bea_lauf(*w);
        lauf->bearbeiten(1);
        lauf->findChild<QLineEdit *>(QStringLiteral("datum"))->setText(QStringLiteral("01.07.2026"));
        lauf->speichernClick();
        QCOMPARE(w->cup().laufe.cell(2, 2), QStringLiteral("01.07.2026"));
        QCOMPARE(w->cup().laufe.cell(1, 2), QStringLiteral("01.06.2026"));

        QCOMPARE(erg->lauf(), 2);
        QCOMPARE(erg->findChild<QLabel *>(QStringLiteral("ergT"))->text(),
                 QStringLiteral("Ergebnis in Lauf 2 - Zeitlauf (fixe Distanz)"));
        auto *sn = erg->findChild<QLineEdit *>(QStringLiteral("sn"));
        auto *ergebnis = erg->findChild<QLineEdit *>(QStringLiteral("erg"));
        QTest::keyClicks(sn, QStringLiteral("1"));
        QTest::keyClick(sn, Qt::Key_Return);
        QTest::keyClicks(ergebnis, QStringLiteral("355000"));
        QTest::keyClick(ergebnis, Qt::Key_Return);
        QCOMPARE(w->cup().teil.cell(9, 1), QStringLiteral("0:35'50,00\""));
        QCOMPARE(w->cup().teil.cell(8, 1), QString());

        // The participant's entry typed for the old race 1 goes to that race, now race 2: the table
        // lists the races in their new order, the entry in the row of its race.
        QCOMPARE(tabelle->item(1, 0)->text(), QStringLiteral("2) 01.07.2026 (ZL)"));
        QCOMPARE(tabelle->item(1, 1)->text(), QStringLiteral("0:40'00,00\""));
        QCOMPARE(tabelle->item(0, 1)->text(), QString());
        for (const auto &[name, text] :
             {std::pair{"name", "Berg"}, std::pair{"vorname", "Ina"}, std::pair{"geb", "01.02.1981"},
              std::pair{"verein", "LG"}, std::pair{"sn", "002"}})
            teil->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
        teil->findChild<QComboBox *>(QStringLiteral("ges"))->setCurrentIndex(0);
        teil->findChild<QComboBox *>(QStringLiteral("alt"))->setCurrentText(QStringLiteral("F40"));
        teil->findChild<QComboBox *>(QStringLiteral("cup"))->setCurrentIndex(0);
        teil->speichernClick();
        QCOMPARE(w->cup().anzahlTeilnehmer(), 2);
        QCOMPARE(w->cup().teil.cell(0, 2), QStringLiteral("Berg"));
        QCOMPARE(w->cup().teil.cell(9, 2), QStringLiteral("0:40'00,00\""));
        QCOMPARE(w->cup().teil.cell(8, 2), QString());
    }
};

QTEST_MAIN(TstAbend)
#include "tst_abend.moc"
