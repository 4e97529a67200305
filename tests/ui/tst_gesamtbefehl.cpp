// The standings command of the real main window, from the races table's context menu: the list in
// the pane, and the participants table left in the standings' order as a step of its own, which
// Undo takes back and which does not mark the cup as changed.
#include "core/cup.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "reports/gesamt.h"
#include "scoring/gesamtwertung.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/testhilfe.h"
#include "ui/berichtsbefehle.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using namespace tlt;
using namespace tlt::ui;

namespace {

Cup standCup()
{
    Cup cup = test::berichtsCup();
    cup.min = 2;
    cup.max = 2;
    return cup;
}

QStringList tabellenText(const Tabelle &t)
{
    QStringList z;
    for (int r = 0; r < t.rowCount(); ++r)
        z << QStringList(t.row(r).begin(), t.row(r).end()).join('|');
    return z;
}

} // namespace

class TestGesamtbefehl : public QObject {
    Q_OBJECT
    std::unique_ptr<MainUnit> w;

    // Right-click on a cell of the grid: the context menu opens.
    QMenu *kontextmenue(Gitter *g, int spalte, int zeile, const char *menue)
    {
        QWidget *seite = g;
        while (seite->parentWidget() && !qobject_cast<QTabWidget *>(seite->parentWidget()->parentWidget()))
            seite = seite->parentWidget();
        w->seiten()->setCurrentWidget(seite);
        QApplication::processEvents();
        QPoint p;
        QWidget *ziel = g->zellenZiel(spalte, zeile, &p);
        if (!ziel)
            return nullptr;
        QTest::mouseClick(ziel, Qt::RightButton, Qt::NoModifier, p);
        QMenu *m = w->menue(QString::fromLatin1(menue));
        if (!m || !QTest::qWaitForWindowExposed(m))
            return nullptr;
        return m;
    }

    // Clicks the submenu item of the open menu, then the command in the submenu.
    bool klicken(QMenu *m, const QString &untermenue, const QString &befehl)
    {
        QAction *u = w->aktion(untermenue);
        QMenu *sub = w->menue(untermenue);
        if (!m || !u || !sub || !m->actions().contains(u) || !u->isEnabled())
            return false;
        const QPoint mitte = m->actionGeometry(u).center();
        QTest::mouseMove(m, mitte);
        QTest::mouseClick(m, Qt::LeftButton, Qt::NoModifier, mitte);
        if (!QTest::qWaitFor([&] { return sub->isVisible(); }, 2000))
            return false;
        QAction *b = w->findChild<QAction *>(untermenue + befehl);
        if (!b || !sub->actions().contains(b))
            return false;
        const QPoint ziel = sub->actionGeometry(b).center();
        QTest::mouseMove(sub, ziel);
        QTest::mouseClick(sub, Qt::LeftButton, Qt::NoModifier, ziel);
        return QTest::qWaitFor([&] { return !m->isVisible() && !sub->isVisible(); }, 2000);
    }

    bool standingsVonLauf(int lauf)
    {
        return klicken(kontextmenue(w->laufeGitter(), lauf, 1, "laufe_pop"), QStringLiteral("laufe_pop_g"),
                       QStringLiteral("_v"));
    }

private slots:
    void init()
    {
        test::deutschUndFesteUhr();
        resetTestHooks();
        setTestmodus(true);
        resetPrintHooks();
        setDruckTestmodus(true);
        w = std::make_unique<MainUnit>();
        w->cup().uebernehmen(standCup());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->aktualisieren();
    }

    void cleanup() { w.reset(); }

    void tabelleInDerGesamtfolgeAlsEigenerSchritt()
    {
        const Cup vorher = standCup();
        Cup soll = standCup();
        teilOrdnen(soll, gesamtstand(soll, 1).reihenfolge);
        QVERIFY(tabellenText(soll.teil) != tabellenText(vorher.teil)); // there is something to sort
        Ausgabe liste;
        ausgabe_gesamt(vorher, liste, 1);

        QVERIFY(standingsVonLauf(1));
        QCOMPARE(w->seiten()->currentWidget(), w->ausgabeSeite());
        QCOMPARE(test::paneltext(w->ausgabe()), test::paneltext(liste));
        QCOMPARE(tabellenText(w->cup().teil), tabellenText(soll.teil));
        // Sorting is no change of content.
        QVERIFY(!w->dokument().geaendert());
        QAction *rueck = w->findChild<QAction *>(QStringLiteral("m_b_r"));
        QVERIFY(rueck && rueck->isEnabled());
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Sortieren nach der Gesamtwertung"));

        // Undo by keyboard brings back the order before the command.
        w->seiten()->setCurrentIndex(2);
        w->teilGitter()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tabellenText(w->cup().teil), tabellenText(vorher.teil));
        QVERIFY(!w->dokument().geaendert());
    }

    // On a table already in the standings' order the command adds no step.
    void schonGeordnetKeinSchritt()
    {
        QAction *rueck = w->findChild<QAction *>(QStringLiteral("m_b_r"));
        QVERIFY(rueck && !rueck->isEnabled());
        QVERIFY(standingsVonLauf(1));
        QVERIFY(rueck->isEnabled());
        QVERIFY(standingsVonLauf(1));
        // One undo takes back the only step there is.
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!rueck->isEnabled());
    }
};

QTEST_MAIN(TestGesamtbefehl)
#include "tst_gesamtbefehl.moc"
