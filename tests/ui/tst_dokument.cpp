#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/laufbefehle.h"
#include "core/teilnehmerbefehle.h"
#include "ui/bea_ag_unit.h"
#include "ui/bea_cup_unit.h"
#include "ui/bea_erg_unit.h"
#include "ui/bea_lauf_unit.h"
#include "ui/bea_teil_unit.h"
#include "ui/bearbeitung.h"
#include "ui/eingabe_anschluss.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

using namespace tlt;
using namespace tlt::ui;

namespace {
const QString kOrt = QStringLiteral("Mühlbach");

Laufdaten lauf(const QString &datum, const QString &strecke)
{
    Laufdaten d;
    d[1] = kZeitlauf;
    d[2] = datum;
    d[3] = strecke;
    d[4] = QStringLiteral("TV Mühlbach");
    d[10] = kOrt;
    d[32] = QStringLiteral("1");
    d[33] = QStringLiteral("0");
    return d;
}

// A cup without variations: race 1 a week earlier, then B1 (5000m) and B2 (10000m) on one evening
// with the same type and event data. Adler (001, club Zug) and Berg (002, club Alpha), both M40.
Cup abendCup()
{
    Cup cup;
    cup.cv.setRowCount(1);
    laufHinzufuegen(cup, lauf(QStringLiteral("01.05.2026"), QStringLiteral("3000m")));
    laufHinzufuegen(cup, lauf(QStringLiteral("08.05.2026"), QStringLiteral("5000m")));
    laufHinzufuegen(cup, lauf(QStringLiteral("08.05.2026"), QStringLiteral("10000m")));
    auto person = [](const char *name, const char *verein, const char *sn, const QStringList &e) {
        return Teilnehmerdaten{QString::fromUtf8(name), QStringLiteral("Hans"), QStringLiteral("01.01.1980"),
                               QStringLiteral("männlich"), QString::fromUtf8(verein), QStringLiteral("M40"),
                               QString::fromUtf8(sn), QString(), e};
    };
    teilnehmerHinzufuegen(cup, person("Adler", "Zug", "001", {"0:12'00,00\"", "0:20'00,00\"", ""}));
    teilnehmerHinzufuegen(cup, person("Berg", "Alpha", "002", {"", "0:21'00,00\"", "0:41'00,00\""}));
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}
} // namespace

class TstDokument : public QObject {
    Q_OBJECT

    MainUnit *w = nullptr;

    void uebernehmen(Cup &&cup)
    {
        w->cup().uebernehmen(std::move(cup));
        w->neuAnzeigen();
    }
    int zeile(const QString &name) const
    {
        for (int r = 1; r < w->cup().teil.rowCount(); ++r)
            if (w->cup().teil.cell(0, r) == name)
                return r;
        return -1;
    }
    QString ergebnis(const QString &name, int lauf) const
    {
        return w->cup().teil.cell(Cup::ergebnisspalte(lauf), zeile(name));
    }

    // A release of the given button over a cell, exactly as the mouse does it.
    void klick(Gitter *g, int sp, int ze, Qt::MouseButton knopf = Qt::RightButton)
    {
        QWidget *seite = g->parentWidget();
        while (seite && seite->parentWidget() && !qobject_cast<QTabWidget *>(seite->parentWidget()->parentWidget()))
            seite = seite->parentWidget();
        w->seiten()->setCurrentWidget(seite);
        QApplication::processEvents();
        QPoint p;
        QWidget *ziel = g->zellenZiel(sp, ze, &p);
        QVERIFY2(ziel, qPrintable(QStringLiteral("Zelle %1/%2 nicht sichtbar").arg(sp).arg(ze)));
        QTest::mouseClick(ziel, knopf, Qt::NoModifier, p);
    }
    // Right-click on a cell, then the menu items by their mnemonics, as the user does it.
    void befehl(Gitter *g, int sp, int ze, const char *menu, std::initializer_list<Qt::Key> tasten)
    {
        w->activateWindow();
        g->setFocus();
        klick(g, sp, ze);
        QMenu *m = w->menue(QString::fromLatin1(menu));
        QTRY_VERIFY(m->isVisible());
        QWidget *offen = m;
        for (Qt::Key t : tasten) {
            QTest::keyClick(offen, t);
            QApplication::processEvents();
            if (QWidget *p = QApplication::activePopupWidget())
                offen = p;
        }
        QTRY_VERIFY(!m->isVisible());
    }
    template <typename T> T *feld(QWidget *d, const char *name)
    {
        T *f = d->findChild<T *>(QString::fromLatin1(name));
        if (!f)
            qFatal("Feld %s fehlt", name);
        return f;
    }
    void ueberschreiben(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    // Quick entry: start number, Tab, result, Tab.
    void eingeben(const QString &sn, const QString &text)
    {
        BeaErg *d = bea_erg(*w);
        QTest::keyClicks(feld<QLineEdit>(d, "sn"), sn);
        QTest::keyClick(feld<QLineEdit>(d, "sn"), Qt::Key_Tab);
        // The result field shows the stored entry selected, as entering it by Tab does.
        feld<QLineEdit>(d, "erg")->selectAll();
        QTest::keyClicks(feld<QLineEdit>(d, "erg"), text);
        QTest::keyClick(feld<QLineEdit>(d, "erg"), Qt::Key_Tab);
    }
    QString ergT() { return feld<QLabel>(bea_erg(*w), "ergT")->text(); }
    void laufLoeschen(int c)
    {
        setNextAnswer(Antwort::Ja);
        befehl(w->laufeGitter(), c, 1, "laufe_pop", {Qt::Key_L});
    }
    void speichern(QWidget *d) { QTest::mouseClick(feld<QPushButton>(d, "speichern"), Qt::LeftButton); }
    bool gewarnt(const QString &text)
    {
        for (const auto &e : protokoll())
            if (e.art == QLatin1String("warnung") && e.text == text)
                return true;
        return false;
    }

private slots:
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
        w = new MainUnit;
        w->resize(1200, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        uebernehmen(abendCup());
    }
    void cleanup()
    {
        w->cup().edit(Cup::Stand::Gesichert);
        delete w;
        w = nullptr;
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QStringLiteral("unerwartet"), qPrintable(e.text + e.titel));
    }

    void quickEntryStaysWithItsRaceWhenAnIdenticalRaceIsEdited()
    {
        befehl(w->laufeGitter(), 3, 1, "laufe_pop", {Qt::Key_E});
        QVERIFY(bea_erg(*w)->isVisible());
        befehl(w->laufeGitter(), 2, 1, "laufe_pop", {Qt::Key_B});
        BeaLauf *l = bea_lauf(*w);
        QCOMPARE(feld<QLineEdit>(l, "zeitdistanz")->text(), QStringLiteral("5000m"));
        ueberschreiben(feld<QLineEdit>(l, "zeitdistanz"), QStringLiteral("6000"));
        speichern(l);
        QCOMPARE(w->cup().laufe.cell(2, 3), QStringLiteral("6000m"));
        eingeben(QStringLiteral("1"), QStringLiteral("0:45'00,00"));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 3), QStringLiteral("0:45'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 2), QStringLiteral("0:20'00,00\""));
    }

    void raceDialogWritesItsRaceAfterAnEarlierRaceWasDeleted()
    {
        befehl(w->laufeGitter(), 3, 1, "laufe_pop", {Qt::Key_B});
        BeaLauf *l = bea_lauf(*w);
        QVERIFY(l->isVisible());
        laufLoeschen(1);
        QCOMPARE(w->cup().anzahlLaufe(), 2);
        ueberschreiben(feld<QLineEdit>(l, "ort"), QStringLiteral("Neustadt"));
        speichern(l);
        const Tabelle &t = w->cup().laufe;
        QCOMPARE(t.cell(1, 3), QStringLiteral("5000m"));
        QCOMPARE(t.cell(1, 10), kOrt);
        QCOMPARE(t.cell(2, 3), QStringLiteral("10000m"));
        QCOMPARE(t.cell(2, 10), QStringLiteral("Neustadt"));
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 1), QStringLiteral("0:21'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 2), QStringLiteral("0:41'00,00\""));
    }

    void participantDialogKeepsResultsWhenAnIdenticalRaceIsEdited()
    {
        befehl(w->teilGitter(), 0, zeile(QStringLiteral("Adler")), "teil_pop", {Qt::Key_B});
        BeaTeil *t = bea_teil(*w);
        QVERIFY(t->isVisible());
        befehl(w->laufeGitter(), 3, 1, "laufe_pop", {Qt::Key_B});
        ueberschreiben(feld<QLineEdit>(bea_lauf(*w), "ort"), QStringLiteral("Neustadt"));
        speichern(bea_lauf(*w));
        auto *erg = feld<QTableWidget>(t, "erg");
        QCOMPARE(erg->item(1, 0)->text(), QStringLiteral("2) 08.05.2026 (ZL)"));
        QCOMPARE(erg->item(2, 0)->text(), QStringLiteral("3) 08.05.2026 (ZL)"));
        speichern(t);
        QVERIFY(!t->isVisible());
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 1), QStringLiteral("0:12'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 2), QStringLiteral("0:20'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 3), QString());
    }

    void quickEntryFollowsItsRaceWhenEarlierRacesComeAndGo()
    {
        befehl(w->laufeGitter(), 3, 1, "laufe_pop", {Qt::Key_E});
        QCOMPARE(ergT(), QStringLiteral("Ergebnis in Lauf 3 - Zeitlauf (fixe Distanz)"));
        laufLoeschen(1);
        // The label follows the race's new number.
        QCOMPARE(ergT(), QStringLiteral("Ergebnis in Lauf 2 - Zeitlauf (fixe Distanz)"));
        eingeben(QStringLiteral("1"), QStringLiteral("0:44'00,00"));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 2), QStringLiteral("0:44'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 1), QStringLiteral("0:20'00,00\""));
        w->dokument().ausfuehren(QStringLiteral("Lauf"), [](Cup &c) {
            laufHinzufuegen(c, lauf(QStringLiteral("20.04.2026"), QStringLiteral("1000m")));
        });
        QCOMPARE(ergT(), QStringLiteral("Ergebnis in Lauf 3 - Zeitlauf (fixe Distanz)"));
        setNextAnswer(Antwort::Ja);
        eingeben(QStringLiteral("2"), QStringLiteral("0:42'00,00"));
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 3), QStringLiteral("0:42'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 2), QStringLiteral("0:21'00,00\""));
        // A race that is gone is said so, and nothing is written.
        laufLoeschen(3);
        setNextAnswer(Antwort::Ok);
        eingeben(QStringLiteral("1"), QStringLiteral("0:50'00,00"));
        QVERIFY(gewarnt(QStringLiteral("Der Lauf, für den die Ergebniseingabe geöffnet wurde, ist nicht mehr vorhanden.")));
        QCOMPARE(ergT(), QStringLiteral("Ergebnis in diesem Lauf (gelöscht):"));
    }

    void participantDialogDoesNotWipeAResultStoredMeanwhile()
    {
        befehl(w->teilGitter(), 0, zeile(QStringLiteral("Berg")), "teil_pop", {Qt::Key_B});
        BeaTeil *t = bea_teil(*w);
        befehl(w->laufeGitter(), 1, 1, "laufe_pop", {Qt::Key_E});
        eingeben(QStringLiteral("2"), QStringLiteral("0:13'00,00"));
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 1), QStringLiteral("0:13'00,00\""));
        speichern(t);
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 1), QStringLiteral("0:13'00,00\""));
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 3), QStringLiteral("0:41'00,00\""));
    }

    void participantDialogListsFollowRenamesAndDeletions()
    {
        befehl(w->teilGitter(), 0, zeile(QStringLiteral("Adler")), "teil_pop", {Qt::Key_B});
        BeaTeil *t = bea_teil(*w);
        auto *alt = feld<QComboBox>(t, "alt");
        QCOMPARE(alt->currentText(), QStringLiteral("M40"));
        // Rename F40/M40 through the age-group dialog.
        const int ag = 11;
        QCOMPARE(w->cup().ag.cell(1, ag), QStringLiteral("M40"));
        befehl(w->agGitter(), 0, ag, "ag_pop", {Qt::Key_B});
        BeaAg *a = w->bea_ag();
        ueberschreiben(a->mann, QStringLiteral("M40+"));
        speichern(a);
        QCOMPARE(alt->currentText(), QStringLiteral("M40+"));
        speichern(t);
        QCOMPARE(w->cup().teil.cell(5, zeile(QStringLiteral("Adler"))), QStringLiteral("M40+"));

        // A group chosen in the dialog and deleted meanwhile is no choice any more: nothing is saved.
        befehl(w->teilGitter(), 0, zeile(QStringLiteral("Adler")), "teil_pop", {Qt::Key_B});
        alt->setCurrentIndex(alt->findText(QStringLiteral("M30")));
        setNextAnswer(Antwort::Ja);
        befehl(w->agGitter(), 0, 10, "ag_pop", {Qt::Key_L});
        QCOMPARE(alt->findText(QStringLiteral("M30")), -1);
        QCOMPARE(alt->currentIndex(), -1);
        speichern(t);
        QCOMPARE(w->cup().teil.cell(5, zeile(QStringLiteral("Adler"))), QStringLiteral("M40+"));

        // Variations added while the dialog is open make its list usable.
        befehl(w->teilGitter(), 0, 0, "teil_pop", {Qt::Key_H});
        auto *cup = feld<QComboBox>(t, "cup");
        QVERIFY(!cup->isEnabled());
        befehl(w->cvGitter(), 0, 0, "cv_pop", {Qt::Key_H});
        BeaCup *c = w->bea_cup();
        ueberschreiben(c->name, QStringLiteral("Volkslauf"));
        ueberschreiben(c->strecke, QStringLiteral("5000"));
        ueberschreiben(c->zeit, QStringLiteral("0:30'00,00"));
        setNextAnswer(Antwort::Ja);
        speichern(c);
        QCOMPARE(w->cup().cv.rowCount(), 2);
        QVERIFY(cup->isEnabled());
        QCOMPARE(cup->count(), 1);
        QCOMPARE(cup->itemText(0), QStringLiteral("Volkslauf"));
    }

    void editDialogsOfDeletedRowsSaySoAndWriteNothing()
    {
        uebernehmen(Cup());
        befehl(w->cvGitter(), 0, 3, "cv_pop", {Qt::Key_B});
        BeaCup *c = w->bea_cup();
        QCOMPARE(c->name->text(), QStringLiteral("C-Cup"));
        setNextAnswer(Antwort::Ja);
        befehl(w->cvGitter(), 0, 3, "cv_pop", {Qt::Key_L});
        QCOMPARE(w->cup().cv.rowCount(), 3);
        ueberschreiben(c->strecke, QStringLiteral("4000"));
        setNextAnswer(Antwort::Ok);
        speichern(c);
        QVERIFY(gewarnt(QStringLiteral("Die Cup-Variation, die bearbeitet werden sollte, ist nicht mehr vorhanden.")));
        QVERIFY(c->isVisible());
        QCOMPARE(w->cup().cv.rowCount(), 3);
        QCOMPARE(w->cup().cv.cell(1, 2), QStringLiteral("5000m"));

        befehl(w->agGitter(), 0, 14, "ag_pop", {Qt::Key_B});
        BeaAg *a = w->bea_ag();
        setNextAnswer(Antwort::Ja);
        befehl(w->agGitter(), 0, 14, "ag_pop", {Qt::Key_L});
        QCOMPARE(w->cup().ag.rowCount(), 14);
        ueberschreiben(a->weib, QStringLiteral("F70+"));
        setNextAnswer(Antwort::Ok);
        speichern(a);
        QVERIFY(gewarnt(QStringLiteral("Die Altersgruppe, die bearbeitet werden sollte, ist nicht mehr vorhanden.")));
        QVERIFY(a->isVisible());
        QCOMPARE(w->cup().ag.rowCount(), 14);
    }

    void renamingToALabelInUseIsRefused()
    {
        befehl(w->agGitter(), 0, 10, "ag_pop", {Qt::Key_B});
        BeaAg *a = w->bea_ag();
        ueberschreiben(a->mann, QStringLiteral("M40"));
        setNextAnswer(Antwort::Ok);
        speichern(a);
        QVERIFY(gewarnt(QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!")));
        QCOMPARE(w->cup().ag.cell(1, 10), QStringLiteral("M30"));
        QVERIFY(a->isVisible());
        a->hide();

        uebernehmen(Cup());
        befehl(w->cvGitter(), 0, 1, "cv_pop", {Qt::Key_B});
        BeaCup *c = w->bea_cup();
        ueberschreiben(c->name, QStringLiteral("B-Cup"));
        setNextAnswer(Antwort::Ok);
        speichern(c);
        QVERIFY(gewarnt(QStringLiteral("Es besteht eine Dopplung mit einer anderen Cup-Variation!")));
        QCOMPARE(w->cup().cv.cell(0, 1), QStringLiteral("A-Cup"));
    }

    void headingRightClickActsOnTheClickedColumn()
    {
        // "Lauf bearbeiten" from heading "2" opens race 2.
        befehl(w->laufeGitter(), 2, 0, "laufe_pop", {Qt::Key_B});
        BeaLauf *l = bea_lauf(*w);
        QTRY_VERIFY(l->isVisible());
        QCOMPARE(l->windowTitle(), QStringLiteral("Lauf bearbeiten"));
        QCOMPARE(feld<QLineEdit>(l, "zeitdistanz")->text(), QStringLiteral("5000m"));
        QCOMPARE(w->laufeGitter()->aktZeile(), 0);
        QCOMPARE(w->laufeGitter()->aktSpalte(), 2);
        l->hide();

        // "aufsteigend" from the heading "Verein" sorts by club.
        befehl(w->teilGitter(), 4, 0, "teil_pop", {Qt::Key_P, Qt::Key_S});
        QCOMPARE(w->cup().teil.cell(0, 1), QStringLiteral("Berg"));
        QCOMPARE(w->teilGitter()->aktZeile(), 0);
        QCOMPARE(w->teilGitter()->aktSpalte(), 4);

        // Escape leaves the heading current: no participant.
        befehl(w->teilGitter(), 6, 0, "teil_pop", {Qt::Key_Escape});
        QCOMPARE(w->teilGitter()->aktZeile(), 0);
        QCOMPARE(w->teilGitter()->aktSpalte(), 6);
    }

    void undoAndRedoThroughTheEditMenu()
    {
        QStringList menues;
        for (QAction *a : w->menuBar()->actions())
            menues << a->text();
        QCOMPARE(menues, QStringList({"&Datei", "&Bearbeiten", "&Einstellungen", "&Hilfe"}));
        QAction *rueck = w->aktion(QStringLiteral("m_b_r"));
        QAction *wieder = w->aktion(QStringLiteral("m_b_w"));
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig"));
        QVERIFY(!rueck->isEnabled());

        befehl(w->laufeGitter(), 3, 1, "laufe_pop", {Qt::Key_E});
        eingeben(QStringLiteral("1"), QStringLiteral("0:45'00,00"));
        bea_erg(*w)->hide();
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Ergebnis 001 in Lauf 3"));
        QVERIFY(w->cup().geaendert);
        QCOMPARE(w->statusText(1), QStringLiteral("geändert"));

        QCOMPARE(rueck->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(wieder->shortcuts(), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        // By keyboard, with the focus in the participants grid, as on a race evening.
        auto tasten = [&](const QKeySequence &k) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTRY_VERIFY(QApplication::activeWindow() == w);
            w->seiten()->setCurrentIndex(2);
            w->teilGitter()->setFocus();
            QVERIFY(w->teilGitter()->hasFocus());
            QTest::keySequence(w->teilGitter(), k);
        };
        tasten(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 3), QString());
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(w->statusText(1), QString());
        QCOMPARE(wieder->text(), QStringLiteral("&Wiederherstellen: Ergebnis 001 in Lauf 3"));
        // The grid shows the undone cell.
        QCOMPARE(w->teilGitter()->model()->index(zeile(QStringLiteral("Adler")) - 1, 10).data().toString(), QString());
        tasten(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 3), QStringLiteral("0:45'00,00\""));
        QVERIFY(w->cup().geaendert);
        tasten(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 3), QString());
        tasten(QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(ergebnis(QStringLiteral("Adler"), 3), QStringLiteral("0:45'00,00\""));

        // Deleting a race and undoing it brings back the race with its results.
        laufLoeschen(2);
        QCOMPARE(w->cup().anzahlLaufe(), 2);
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Lauf 2 löschen"));
        rueck->trigger();
        QCOMPARE(w->cup().anzahlLaufe(), 3);
        QCOMPARE(ergebnis(QStringLiteral("Berg"), 2), QStringLiteral("0:21'00,00\""));
        QCOMPARE(w->laufeGitter()->model()->columnCount(), 4);

        // Sorting is a step, but the cup stays unchanged by it.
        w->bearbeitung()->gespeichert();
        QVERIFY(!w->cup().geaendert);
        befehl(w->teilGitter(), 4, 0, "teil_pop", {Qt::Key_P, Qt::Key_S});
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Sortieren nach Verein (aufsteigend)"));
        rueck->trigger();
        QCOMPARE(w->cup().teil.cell(0, 1), QStringLiteral("Adler"));

        // New starts with nothing to take back.
        w->aktion(QStringLiteral("m_d_n"))->trigger();
        QVERIFY(!rueck->isEnabled());
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig"));
    }

    void typingASettingIsOneStep()
    {
        w->seiten()->setCurrentIndex(0);
        QTest::keyClicks(w->nameFeld(), QStringLiteral("Cup"));
        QCOMPARE(w->cup().name, QStringLiteral("Cup"));
        QCOMPARE(w->bearbeitung()->stapel()->count(), 1);
        w->aktion(QStringLiteral("m_b_r"))->trigger();
        QCOMPARE(w->cup().name, QString());
        QCOMPARE(w->nameFeld()->text(), QString());
        QVERIFY(!w->cup().geaendert);
        // The spinners too, within the rules.
        w->maxW()->stepUp();
        w->maxW()->stepUp();
        QCOMPARE(w->cup().max, 3);
        w->minW()->setValue(3);
        w->aktion(QStringLiteral("m_b_r"))->trigger();
        QCOMPARE(w->cup().min, 1);
        QCOMPARE(w->minW()->value(), 1);
        QCOMPARE(w->maxW()->value(), 3);
    }
};

QTEST_MAIN(TstDokument)
#include "tst_dokument.moc"
