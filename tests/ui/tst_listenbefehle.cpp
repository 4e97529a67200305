// The four lists and the standings from the context menus of the real main window: right-click on
// a cell, click the submenu, click the command. The pane, the page, the exported files and the
// enabling are checked.
#include "core/cup.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/listen.h"
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
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace tlt;
using namespace tlt::ui;

namespace {

Cup listenCup()
{
    Cup cup = test::berichtsCup();
    cup.min = 2;
    cup.max = 2;
    return cup;
}

QStringList protokollArten()
{
    QStringList l;
    for (const auto &e : protokoll())
        l << e.art;
    return l;
}

QStringList tabellenText(const Tabelle &t)
{
    QStringList z;
    for (int r = 0; r < t.rowCount(); ++r)
        z << QStringList(t.row(r).begin(), t.row(r).end()).join('|');
    return z;
}

QStringList texte(QMenu *m)
{
    QStringList l;
    for (QAction *a : m->actions())
        l << a->text();
    return l;
}

} // namespace

class TestListenbefehle : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainUnit> w;

    // Right-click on a cell of the grid: the context menu opens (its enabling runs as it shows).
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
        if (!u || !sub || !m->actions().contains(u) || !u->isEnabled())
            return false;
        const QPoint mitte = m->actionGeometry(u).center();
        QTest::mouseMove(m, mitte);
        QTest::mouseClick(m, Qt::LeftButton, Qt::NoModifier, mitte);
        if (!QTest::qWaitFor([&] { return sub->isVisible(); }, 2000))
            return false;
        QAction *b = w->aktion(untermenue + befehl);
        if (!b)
            b = w->findChild<QAction *>(untermenue + befehl);
        if (!b || !sub->actions().contains(b))
            return false;
        const QPoint ziel = sub->actionGeometry(b).center();
        QTest::mouseMove(sub, ziel);
        QTest::mouseClick(sub, Qt::LeftButton, Qt::NoModifier, ziel);
        return QTest::qWaitFor([&] { return !m->isVisible() && !sub->isVisible(); }, 2000);
    }

private slots:
    void init()
    {
        test::deutschUndFesteUhr();
        resetTestHooks();
        setTestmodus(true);
        m_dir = std::make_unique<QTemporaryDir>();
        w = std::make_unique<MainUnit>();
        w->cup().uebernehmen(listenCup());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->aktualisieren();
    }

    void cleanup()
    {
        w.reset();
        QVERIFY2(!protokollArten().contains("unerwartet"), qPrintable(protokollArten().join(',')));
    }

    void menuePunkteHeissenWieVerlangt()
    {
        QMenu *laufe = w->menue("laufe_pop");
        const QStringList l = texte(laufe);
        for (const char *t : {"E&inlaufliste dieses Laufes", "Gesamtstatistik &ausführlich nach diesem Lauf",
                              "&Wer kann noch gewinnen?"})
            QVERIFY2(l.contains(QString::fromUtf8(t)), t);
        // Each list next to its kin: the finish list after the race list, the others after the standings.
        QCOMPARE(l.indexOf("E&inlaufliste dieses Laufes"), l.indexOf("&Statistik dieses Laufes") + 1);
        QCOMPARE(l.indexOf("Gesamtstatistik &ausführlich nach diesem Lauf"),
                 l.indexOf("&Gesamtstatistik nach diesem Lauf") + 1);
        QVERIFY(texte(w->menue("teil_pop")).contains("&Cup-Auskunft"));
        for (const char *m : {"laufe_pop_f", "laufe_pop_x", "laufe_pop_w", "teil_pop_c"})
            QCOMPARE(texte(w->menue(m)), (QStringList{"&Vorschau", "&Drucken", "&HTML-Export", "&PDF-Export"}));
    }

    // Preview from the real popup menu: the pane holds the list of the selected race, page "Ausgabe".
    void vorschauAusDemKontextmenue_data()
    {
        QTest::addColumn<QString>("untermenue");
        QTest::addColumn<int>("spalte");
        QTest::newRow("Einlaufliste Lauf 2") << "laufe_pop_f" << 2;
        QTest::newRow("ausführlich nach Lauf 1") << "laufe_pop_x" << 1;
        QTest::newRow("noch offen nach Lauf 1") << "laufe_pop_w" << 1;
    }
    void vorschauAusDemKontextmenue()
    {
        QFETCH(QString, untermenue);
        QFETCH(int, spalte);
        const Cup soll = listenCup();
        Ausgabe erwartet;
        if (untermenue == "laufe_pop_f")
            ausgabe_einlauf(soll, erwartet, spalte);
        else if (untermenue == "laufe_pop_x")
            ausgabe_gesamt_ausfuehrlich(soll, erwartet, spalte);
        else
            ausgabe_noch_offen(soll, erwartet, spalte, 3);
        if (untermenue == "laufe_pop_w")
            setNextNumber(3);
        QMenu *m = kontextmenue(w->laufeGitter(), spalte, 1, "laufe_pop");
        QVERIFY(m);
        QVERIFY(klicken(m, untermenue, "_v"));
        QCOMPARE(test::paneltext(w->ausgabe()), test::paneltext(erwartet));
        QCOMPARE(w->seiten()->currentWidget(), w->ausgabeSeite());
    }

    // The statement of the right-clicked participant, after the race of the clicked result column;
    // from a column that is no race, after the last race.
    void auskunftAusDerTeilnehmertabelle()
    {
        const Cup soll = listenCup();
        const int zeile = 3; // Clemens
        QMenu *m = kontextmenue(w->teilGitter(), 8, zeile, "teil_pop");
        QVERIFY(m);
        QVERIFY(klicken(m, "teil_pop_c", "_v"));
        Ausgabe erwartet;
        ausgabe_auskunft(soll, erwartet, zeile, 1);
        QCOMPARE(test::paneltext(w->ausgabe()), test::paneltext(erwartet));
        QVERIFY(w->ausgabe().text().contains("Cup-Auskunft für Jan Clemens"));

        m = kontextmenue(w->teilGitter(), 4, zeile, "teil_pop");
        QVERIFY(m);
        QVERIFY(klicken(m, "teil_pop_c", "_v"));
        ausgabe_auskunft(soll, erwartet, zeile, 2);
        QCOMPARE(test::paneltext(w->ausgabe()), test::paneltext(erwartet));
    }

    // HTML and PDF from the popup: the files hold the list, the pane is empty afterwards.
    void exporteAusDemKontextmenue()
    {
        const Cup soll = listenCup();
        Ausgabe erwartet;
        ausgabe_einlauf(soll, erwartet, 1);
        const QString htm = m_dir->filePath("einlauf.htm");
        setNextFileName(htm);
        QMenu *m = kontextmenue(w->laufeGitter(), 1, 1, "laufe_pop");
        QVERIFY(m);
        QVERIFY(klicken(m, "laufe_pop_f", "_h"));
        QFile f(htm);
        QVERIFY(f.open(QIODevice::ReadOnly));
        Cup stilCup = soll;
        QCOMPARE(f.readAll(), htmlSeite(erwartet, stilCup));
        QVERIFY(w->ausgabe().leer());

        const QString pdf = m_dir->filePath("ausfuehrlich.pdf");
        setNextFileName(pdf);
        m = kontextmenue(w->laufeGitter(), 2, 1, "laufe_pop");
        QVERIFY(m);
        QVERIFY(klicken(m, "laufe_pop_x", "_p"));
        QFile p(pdf);
        QVERIFY(p.open(QIODevice::ReadOnly));
        QVERIFY(p.readAll().startsWith("%PDF"));
        QVERIFY(w->ausgabe().leer());
    }

    // Cancelling the question for the remaining races writes nothing.
    void nochOffenAbgebrochen()
    {
        w->ausgabe().clear();
        setNextNumber(-1);
        QMenu *m = kontextmenue(w->laufeGitter(), 1, 1, "laufe_pop");
        QVERIFY(m);
        QVERIFY(klicken(m, "laufe_pop_w", "_v"));
        QVERIFY(w->ausgabe().leer());
    }

    // Without a race (the label column) the race lists are disabled; without participants too. The
    // statement needs a participant row.
    void freigabe()
    {
        QMenu *m = kontextmenue(w->laufeGitter(), 0, 1, "laufe_pop");
        QVERIFY(m);
        for (const char *n : {"laufe_pop_f", "laufe_pop_x", "laufe_pop_w"})
            QVERIFY2(!w->aktion(n)->isEnabled(), n);
        m->close();
        m = kontextmenue(w->laufeGitter(), 1, 1, "laufe_pop");
        QVERIFY(m);
        for (const char *n : {"laufe_pop_f", "laufe_pop_x", "laufe_pop_w"})
            QVERIFY2(w->aktion(n)->isEnabled(), n);
        m->close();
        m = kontextmenue(w->teilGitter(), 1, 0, "teil_pop");
        QVERIFY(m);
        QVERIFY(!w->aktion("teil_pop_c")->isEnabled());
        m->close();
        m = kontextmenue(w->teilGitter(), 1, 2, "teil_pop");
        QVERIFY(m);
        QVERIFY(w->aktion("teil_pop_c")->isEnabled());
        m->close();
    }

    // A list never changes the cup: no re-sorting, no changed flag.
    void listenAendernNichts()
    {
        const Cup vorher = w->cup();
        w->cup().edit(Cup::Stand::Gesichert);
        setNextNumber(1);
        for (const char *u : {"laufe_pop_f", "laufe_pop_x", "laufe_pop_w"}) {
            QMenu *m = kontextmenue(w->laufeGitter(), 2, 1, "laufe_pop");
            QVERIFY(m);
            QVERIFY(klicken(m, u, "_v"));
        }
        for (int r = 0; r < vorher.teil.rowCount(); ++r)
            QVERIFY(w->cup().teil.row(r) == vorher.teil.row(r));
        QVERIFY(!w->cup().geaendert);
    }

    // The standings command ("Gesamtstatistik nach diesem Lauf") leaves the participants table in
    // the standings' order as a step of its own: Undo takes it back, and it changes no content.
    void gesamtOrdnetTabelleAlsEigenenSchritt()
    {
        const Cup vorher = listenCup();
        Cup soll = listenCup();
        teilOrdnen(soll, gesamtstand(soll, 1).reihenfolge);
        QVERIFY(tabellenText(soll.teil) != tabellenText(vorher.teil)); // there is something to sort
        Ausgabe liste;
        ausgabe_gesamt(vorher, liste, 1);
        QAction *rueck = w->findChild<QAction *>(QStringLiteral("m_b_r"));
        QVERIFY(rueck && !rueck->isEnabled());

        QVERIFY(klicken(kontextmenue(w->laufeGitter(), 1, 1, "laufe_pop"), "laufe_pop_g", "_v"));
        QCOMPARE(w->seiten()->currentWidget(), w->ausgabeSeite());
        QCOMPARE(test::paneltext(w->ausgabe()), test::paneltext(liste));
        QCOMPARE(tabellenText(w->cup().teil), tabellenText(soll.teil));
        QVERIFY(!w->dokument().geaendert());
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Sortieren nach der Gesamtwertung"));

        // Once in order, the command adds no further step.
        QVERIFY(klicken(kontextmenue(w->laufeGitter(), 1, 1, "laufe_pop"), "laufe_pop_g", "_v"));
        w->teilGitter()->setFocus();
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tabellenText(w->cup().teil), tabellenText(vorher.teil));
        QVERIFY(!rueck->isEnabled());
        QVERIFY(!w->dokument().geaendert());
    }

    // The race result list does the same with the race's order; the list itself reads the cup only.
    void laufergebnisOrdnetTabelleAlsEigenenSchritt()
    {
        const Cup vorher = listenCup();
        Cup soll = listenCup();
        teilOrdnen(soll, ergebnisfolge(soll, 1));
        QVERIFY(tabellenText(soll.teil) != tabellenText(vorher.teil));
        QAction *rueck = w->findChild<QAction *>(QStringLiteral("m_b_r"));

        QVERIFY(klicken(kontextmenue(w->laufeGitter(), 1, 1, "laufe_pop"), "laufe_pop_s", "_v"));
        QCOMPARE(tabellenText(w->cup().teil), tabellenText(soll.teil));
        QVERIFY(!w->dokument().geaendert());
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Sortieren nach Lauf 1"));
        rueck->trigger();
        QCOMPARE(tabellenText(w->cup().teil), tabellenText(vorher.teil));
    }
};

QTEST_MAIN(TestListenbefehle)
#include "tst_listenbefehle.moc"
