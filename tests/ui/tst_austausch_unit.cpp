// Import and export through the "Datei" menu and the import dialog's widgets.
#include "austausch/tabellendatei.h"
#include "core/cup.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"
#include "ui/austauschbefehle.h"
#include "ui/gitter.h"
#include "ui/import_unit.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tlt;
using namespace tlt::ui;

namespace {
QString pfad(const QString &name)
{
    return test::testdatenPfad(QStringLiteral("austausch/") + name);
}

QStringList listentexte(QListWidget *l)
{
    QStringList s;
    for (int i = 0; i < l->count(); ++i)
        s << l->item(i)->text();
    return s;
}
} // namespace

class TstAustauschUnit : public QObject {
    Q_OBJECT
    MainUnit *w = nullptr;

    void cupSetzen(Cup &&cup)
    {
        w->cup().uebernehmen(std::move(cup));
        w->neuAnzeigen();
    }

    // Opens "&Datei" and the submenu, as the mouse does, and triggers the item.
    void menuepunkt(const QString &untermenue, const QString &name)
    {
        QMenu *datei = w->menue(QStringLiteral("m_d"));
        datei->popup(w->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(datei));
        QAction *ziel = nullptr;
        if (untermenue.isEmpty()) {
            ziel = w->findChild<QAction *>(name);
        } else {
            auto *m = w->findChild<QMenu *>(untermenue);
            QVERIFY(m);
            QVERIFY(datei->actions().contains(m->menuAction()) || m->parent() == w);
            m->popup(datei->geometry().topRight());
            QVERIFY(QTest::qWaitForWindowExposed(m));
            for (QAction *a : m->actions())
                if (a->objectName() == name)
                    ziel = a;
            m->hide();
        }
        datei->hide();
        QVERIFY2(ziel, qPrintable(name));
        QVERIFY(ziel->isEnabled());
        ziel->trigger();
    }

    ImportUnit *dialog()
    {
        auto *dlg = w->findChild<ImportUnit *>();
        if (dlg && !QTest::qWaitForWindowExposed(dlg))
            return nullptr;
        return dlg;
    }

private slots:
    void init()
    {
        test::deutschUndFesteUhr();
        resetTestHooks();
        setTestmodus(true);
        w = new MainUnit;
        w->resize(1100, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        Cup cup;
        cup.neu();
        test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("14.03.2026"), QStringLiteral("ja"));
        cupSetzen(std::move(cup));
    }
    void cleanup()
    {
        w->cup().edit(Cup::Stand::Gesichert);
        delete w;
        w = nullptr;
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QStringLiteral("unerwartet"), qPrintable(e.text + e.titel));
    }

    void fileMenuOffersImportAndExport()
    {
        QMenu *datei = w->menue(QStringLiteral("m_d"));
        QStringList texte;
        for (QAction *a : datei->actions())
            if (!a->isSeparator())
                texte << a->text();
        QCOMPARE(texte, (QStringList{"&Neu", "&Laden", "&Speichern", "Speichern &unter", "Ergebnisseiten er&zeugen …",
                                     "Teilnehmer &importieren …", "&Ergebnisse importieren", "Ex&portieren", "E&xit"}));
    }

    void registrationsWithMappingPreviewAndSummary()
    {
        setNextFileName(pfad("meldungen_openpyxl.xlsx"));
        menuepunkt({}, QStringLiteral("m_d_it"));
        ImportUnit *dlg = dialog();
        QVERIFY(dlg);
        QVERIFY(dlg->isVisible());
        auto *zusammenfassung = dlg->findChild<QLabel *>(QStringLiteral("zusammenfassung"));
        QCOMPARE(zusammenfassung->text(), QStringLiteral("3 neu, 0 geändert, 4 Zeilen mit Problemen"));
        QCOMPARE(listentexte(dlg->findChild<QListWidget *>(QStringLiteral("probleme"))).first(),
                 QStringLiteral("Zeile 5: Geburtsdatum '31.02.1990' ungültig"));
        // The preview shows the first row as it will be stored.
        auto *vorschau = dlg->findChild<QTableWidget *>(QStringLiteral("vorschau"));
        QCOMPARE(vorschau->item(0, 1)->text(), QStringLiteral("Öztürk"));
        QCOMPARE(vorschau->item(0, 3)->text(), QStringLiteral("17.05.1990"));
        QCOMPARE(vorschau->item(0, 6)->text(), QStringLiteral("F30"));
        QCOMPARE(vorschau->item(0, 9)->text(), QStringLiteral("neu"));

        // The user takes the column "Wettbewerb" out: in a cup with variations every new row lacks one.
        auto *cupSpalte = dlg->findChild<QComboBox *>(QStringLiteral("spalte_6"));
        QVERIFY(cupSpalte);
        QCOMPARE(cupSpalte->currentText(), QStringLiteral("Cupvariante"));
        cupSpalte->setFocus();
        QTest::keyClick(cupSpalte, Qt::Key_Home); // "(nicht übernehmen)"
        QCOMPARE(zusammenfassung->text(), QStringLiteral("0 neu, 0 geändert, 7 Zeilen mit Problemen"));
        QVERIFY(!dlg->findChild<QPushButton *>(QStringLiteral("importieren"))->isEnabled());
        // And back, by choosing it for that column again.
        cupSpalte->setCurrentIndex(cupSpalte->findText(QStringLiteral("Cupvariante")));
        QCOMPARE(zusammenfassung->text(), QStringLiteral("3 neu, 0 geändert, 4 Zeilen mit Problemen"));
        QVERIFY(!w->cup().geaendert);

        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("importieren")), Qt::LeftButton);
        QCOMPARE(w->cup().anzahlTeilnehmer(), 3);
        QVERIFY(w->cup().geaendert);
        QCOMPARE(w->statusText(1), QStringLiteral("geändert"));
        // The grid shows them.
        QCOMPARE(w->teilGitter()->model()->rowCount(), 3);

        // The whole import is one step: one undo takes every imported participant back.
        QAction *rueck = w->aktion(QStringLiteral("m_b_r"));
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Teilnehmer importieren (3 neu, 0 geändert)"));
        rueck->trigger();
        QCOMPARE(w->cup().anzahlTeilnehmer(), 0);
        QCOMPARE(w->teilGitter()->model()->rowCount(), 0);
        QVERIFY(!rueck->isEnabled());
        w->aktion(QStringLiteral("m_b_w"))->trigger();
        QCOMPARE(w->cup().anzahlTeilnehmer(), 3);
    }

    void aChosenSheet()
    {
        setNextFileName(pfad("meldungen_libreoffice.ods"));
        menuepunkt({}, QStringLiteral("m_d_it"));
        ImportUnit *dlg = dialog();
        QVERIFY(dlg);
        auto *blatt = dlg->findChild<QComboBox *>(QStringLiteral("blatt"));
        QVERIFY(blatt->isEnabled());
        blatt->setCurrentIndex(blatt->findText(QStringLiteral("Nachmeldungen")));
        QCOMPARE(dlg->findChild<QLabel *>(QStringLiteral("zusammenfassung"))->text(),
                 QStringLiteral("2 neu, 0 geändert, 0 Zeilen mit Problemen"));
        QCOMPARE(dlg->findChild<QComboBox *>(QStringLiteral("spalte_2"))->currentText(), QStringLiteral("Jahrgang"));
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("abbrechen")), Qt::LeftButton);
        QCOMPARE(w->cup().anzahlTeilnehmer(), 0);
        QVERIFY(!w->cup().geaendert);
    }

    void resultsAskOnceAboutConflictsAndMayAddUnknownRunners()
    {
        Cup cup;
        cup.neu();
        test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("14.03.2026"), QStringLiteral("ja"));
        const QStringList namen = {"Öztürk", "Weiß", "Klein", "Kurz"};
        for (int i = 0; i < namen.size(); ++i) {
            const int r = test::teilnehmerAnhaengen(cup, {namen[i], "X", "01.01.1980", "weiblich", "X", "F40", "A-Cup"}, {});
            cup.teil.setCell(6, r, QString::number(101 + i));
        }
        cup.teil.setCell(8, 4, QStringLiteral("1:05'00,00\""));
        cup.edit(Cup::Stand::Gesichert);
        cupSetzen(std::move(cup));

        setNextFileName(pfad("ergebnisse_1252.csv"));
        menuepunkt(QStringLiteral("m_d_ie"), QStringLiteral("m_d_ie_1"));
        ImportUnit *dlg = dialog();
        QVERIFY(dlg);
        QVERIFY(dlg->findChild<QWidget *>(QStringLiteral("konflikte"))->isVisible());
        QVERIFY(listentexte(dlg->findChild<QListWidget *>(QStringLiteral("probleme")))
                    .contains(QStringLiteral("Zeile 7: Startnummer 999 unbekannt")));
        // Answer each conflict: here the one for Kurz, with "&Nein".
        QCOMPARE(dlg->findChild<QLabel *>(QStringLiteral("zusammenfassung"))->text(),
                 QStringLiteral("3 neue Ergebnisse, 1 abweichend von gespeicherten, 2 unbekannte Startnummern, "
                                "2 Zeilen mit Problemen"));
        // On its circle: a radio button reacts only on the circle and its text.
        auto *einzeln = dlg->findChild<QRadioButton *>(QStringLiteral("einzelnFragen"));
        QTest::mouseClick(einzeln, Qt::LeftButton, Qt::NoModifier, QPoint(6, einzeln->height() / 2));
        QVERIFY(dlg->findChild<QRadioButton *>(QStringLiteral("einzelnFragen"))->isChecked());
        auto *anlegen = dlg->findChild<QCheckBox *>(QStringLiteral("unbekannteAnlegen"));
        QVERIFY(anlegen->isVisible());
        anlegen->setChecked(true);
        setNextAnswer(Antwort::Nein);
        // The unknown runners have no birth date and so cannot become participants: asked, "&Ja".
        setNextAnswer(Antwort::Ja);
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("importieren")), Qt::LeftButton);
        QStringList fragen;
        for (const auto &e : protokoll())
            if (e.art == QLatin1String("frage"))
                fragen << e.text;
        QVERIFY2(fragen.size() == 2, qPrintable(fragen.join(QStringLiteral(" | "))));
        QVERIFY2(fragen[0].startsWith(QLatin1String("Kurz, X (Startnummer 104): Wollen Sie den alten Wert (1:05'00,00\")")),
                 qPrintable(fragen[0]));
        QVERIFY2(fragen[1].contains(QLatin1String("Zeile 7: Geburtsdatum fehlt")), qPrintable(fragen[1]));
        const Cup &c = w->cup();
        QCOMPARE(c.anzahlTeilnehmer(), 4);
        QCOMPARE(c.teil.cell(8, 1), QStringLiteral("0:21'05,30\""));
        QCOMPARE(c.teil.cell(8, 4), QStringLiteral("1:05'00,00\""));
        QVERIFY(c.geaendert);

        // Results are one step too.
        QAction *rueck = w->aktion(QStringLiteral("m_b_r"));
        QCOMPARE(rueck->text(), QStringLiteral("&Rückgängig: Ergebnisse von Lauf 1 importieren"));
        rueck->trigger();
        QCOMPARE(c.teil.cell(8, 1), QString());
        QCOMPARE(c.teil.cell(8, 4), QStringLiteral("1:05'00,00\""));
        QVERIFY(!c.geaendert);
    }

    void exportStandingsAsXlsx()
    {
        cupSetzen(test::berichtsCup());
        QTemporaryDir dir;
        const QString ziel = dir.filePath(QStringLiteral("gesamt.xlsx"));
        setNextFileName(ziel);
        menuepunkt(QStringLiteral("m_d_e_g"), QStringLiteral("m_d_e_g_2"));
        Rohtabelle t;
        QString fehler;
        QVERIFY2(tabelleLesen(ziel, {}, &t, &fehler), qPrintable(fehler));
        QCOMPARE(t.zeilen[0].zellen[0].text, QStringLiteral("Platz"));
        QCOMPARE(t.zeilen[0].zellen.size(), 9 + 2);
        // Everyone but Zander, whose age group "X99" is no group of the cup: as in the printed standings.
        QCOMPARE(t.zeilen.size(), w->cup().anzahlTeilnehmer());
        for (const Rohzeile &z : t.zeilen)
            QVERIFY(z.zellen[1].text != QLatin1String("Zander"));
        // The window's cup is neither changed nor left with scratch columns.
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(w->cup().teil.colCount(), 8 + w->cup().anzahlLaufe());

        // Cancelling the file dialog writes nothing.
        setNextFileName(QString());
        QVERIFY(!teilnehmerExportieren(*w));
    }
};

QTEST_MAIN(TstAustauschUnit)
#include "tst_austausch_unit.moc"
