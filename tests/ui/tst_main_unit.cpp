#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "core/version.h"
#include "support/berichtscups.h"
#include "ui/ausgabe_ansicht.h"
#include "ui/bea_ag_unit.h"
#include "ui/bea_cup_unit.h"
#include "ui/bea_pv_unit.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"
#include "ui/ubertlt_unit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tlt;
using namespace tlt::ui;

namespace {

const QString m = QStringLiteral("männlich");
const QString f = QStringLiteral("weiblich");

// A cup with n races (time runs in date order) and the given participants (surname, result of race 1).
Cup cupMit(int laeufe, const QList<QPair<QString, QString>> &teilnehmer)
{
    Cup cup;
    for (int i = 0; i < laeufe; ++i)
        test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("%1.05.2026").arg(i + 1, 2, 10, QLatin1Char('0')),
                            QStringLiteral("ja"));
    for (const auto &t : teilnehmer)
        test::teilnehmerAnhaengen(cup, {t.first, QStringLiteral("Vorname"), QStringLiteral("01.01.1980"), m,
                                        QStringLiteral("TV"), QStringLiteral("M40"), QStringLiteral("A-Cup")},
                                  {t.second});
    laufesort(cup);
    teilsort(cup, Richtung::Aufsteigend, 0);
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}

QStringList spalte(const Tabelle &t, int c)
{
    QStringList l;
    for (int r = 1; r < t.rowCount(); ++r)
        l << t.cell(c, r);
    return l;
}

} // namespace

class TstMainUnit : public QObject {
    Q_OBJECT

    MainUnit *w = nullptr;

    void uebernehmen(Cup &&cup)
    {
        w->cup().uebernehmen(std::move(cup));
        w->neuAnzeigen();
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

    bool an(const char *name) { return w->aktion(QString::fromLatin1(name))->isEnabled(); }

    void menueZu()
    {
        for (const char *n : {"laufe_pop", "teil_pop", "ag_pop", "cv_pop", "pv_pop"})
            w->menue(QString::fromLatin1(n))->hide();
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
    }
    void cleanup()
    {
        menueZu();
        w->cup().edit(Cup::Stand::Gesichert);
        delete w;
        w = nullptr;
        // No test may have met a question or dialog it did not script.
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QStringLiteral("unerwartet"), qPrintable(e.text + e.titel));
    }

    void startzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tempolauftabellator 3.1.9"));
        QCOMPARE(QApplication::applicationName().isEmpty(), false);
        QCOMPARE(w->statusText(0), QStringLiteral("unbekannt"));
        QCOMPARE(w->statusText(1), QString());
        QVERIFY(!w->cup().geaendert);
        QTabWidget *b = w->seiten();
        QCOMPARE(b->count(), 5);
        QStringList titel;
        for (int i = 0; i < b->count(); ++i)
            titel << b->tabText(i);
        QCOMPARE(titel, QStringList({"&Cup", "&Läufe", "&Teilnehmer", "&Ausgabe", "Bilder"}));
        QCOMPARE(b->currentIndex(), 0);
        QVERIFY(!b->isTabVisible(4));
        QVERIFY(b->isTabVisible(3));
        QVERIFY(w->bilderSeite()->layout());
        // The grids show the tables of a new cup: heading row as header, records below.
        QCOMPARE(w->agGitter()->model()->rowCount(), 14);
        QCOMPARE(w->agGitter()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("weibl. Bezeichnung"));
        QCOMPARE(w->pvGitter()->model()->index(0, 1).data().toString(), QStringLiteral("20"));
        QCOMPARE(w->laufeGitter()->model()->index(31, 0).data().toString(), QStringLiteral("Bonusfaktor:"));
        QCOMPARE(w->teilGitter()->model()->rowCount(), 0);
        QCOMPARE(w->teilGitter()->model()->columnCount(), 8);
        QCOMPARE(w->nameFeld()->toolTip(), QStringLiteral("Geben Sie hier den Namen der Veranstaltung ein"));
        QCOMPARE(w->kategorieFeld()->count(), 7);
        QCOMPARE(w->kategorieFeld()->itemText(3), QStringLiteral("4 - landessoffene Veranstaltung"));
        QCOMPARE(w->minW()->value(), 1);
        QCOMPARE(w->maxW()->value(), 1);
        // Grids are read-only and rows 18 pixels high or more.
        QCOMPARE(w->teilGitter()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(w->agGitter()->verticalHeader()->defaultSectionSize() >= 18);
        QVERIFY(w->teilGitter()->columnWidth(4) >= 200);
        auto *l = w->findChild<QLabel *>(QStringLiteral("minT"));
        QVERIFY(l);
        QCOMPARE(l->text(), QStringLiteral("Mindestteilnahmen für Endwertung:"));
    }

    void cupSeiteBeschriftungen_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("tipp");
        QTest::newRow("name") << "name" << "Bezeichnung des Läufercups:"
                              << "Geben Sie hier den Namen der Veranstaltung ein";
        QTest::newRow("veranstalter") << "veranstalter" << "Veranstalter des Läufercups:"
                                      << "Geben Sie hier den Namen des Veranstalters/Vereins ein";
        QTest::newRow("kategorie") << "kategorie" << "Kategorie:"
                                   << "Wählen Sie hier eine Kategorie für die Veranstaltung (gilt für alle Läufe)";
        QTest::newRow("min") << "min" << "Mindestteilnahmen für Endwertung:"
                             << "Wählen Sie hier die Mindestanzahl von Teilnahmen um in die Endwertung zu gelangen";
        QTest::newRow("max") << "max" << "maximale Anzahl gewerteter Teilnahmen:"
                             << "Wählen Sie hier die maximale Anzahl von gewerteten Läufen";
        QTest::newRow("cv") << "cv" << "Cup-Variationen:"
                            << "Hier können Sie den Läufercup in einzelne Unter-Cups aufteilen";
        QTest::newRow("ag") << "ag" << "Altersklassen:" << "Hier können Sie die Altersklassenverteilung variieren";
        QTest::newRow("pv") << "pv" << "Punktevergabe:" << "Hier können Sie die Punktevergabe anpassen";
    }
    void cupSeiteBeschriftungen()
    {
        QFETCH(QString, feld);
        QFETCH(QString, beschriftung);
        QFETCH(QString, tipp);
        auto *l = w->findChild<QLabel *>(feld + QStringLiteral("T"));
        QVERIFY(l);
        QCOMPARE(l->text(), beschriftung);
        // The spinners carry the names minW and maxW.
        QWidget *f = l->buddy();
        QVERIFY(f);
        QVERIFY(f->objectName() == feld || f->objectName() == feld + QStringLiteral("W"));
        QCOMPARE(f->toolTip(), tipp);
    }

    void echteFrageUndWarnung_data()
    {
        QTest::addColumn<bool>("frageBox");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QStringList>("knoepfe");
        QTest::newRow("Frage, Ja") << true << "&Ja" << QStringList({"&Ja", "&Nein"});
        QTest::newRow("Frage, Nein") << true << "&Nein" << QStringList({"&Ja", "&Nein"});
        QTest::newRow("Verweigerung") << false << "OK" << QStringList({"OK"});
    }
    void echteFrageUndWarnung()
    {
        // The boxes themselves, not the test hook: caption, icon, buttons, and the line break shown.
        QFETCH(bool, frageBox);
        QFETCH(QString, knopf);
        QFETCH(QStringList, knoepfe);
        setTestmodus(false);
        QString titel;
        QString text;
        QMessageBox::Icon symbol = QMessageBox::NoIcon;
        QStringList gesehen;
        QTimer::singleShot(50, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            titel = box->windowTitle();
            text = box->text();
            symbol = box->icon();
            QAbstractButton *ziel = nullptr;
            for (QAbstractButton *b : box->buttons()) {
                gesehen << b->text();
                if (b->text() == knopf)
                    ziel = b;
            }
            if (ziel)
                ziel->click();
            else
                box->reject();
        });
        bool ja = false;
        if (frageBox)
            ja = frage(w, QStringLiteral("Erste Zeile!\r\nZweite Zeile?"));
        else
            warnung(w, QStringLiteral("Erste Zeile!\n\rZweite Zeile!"));
        setTestmodus(true);
        QCOMPARE(titel, QStringLiteral("Warnung"));
        QCOMPARE(symbol, QMessageBox::Warning);
        gesehen.sort();
        knoepfe.sort();
        QCOMPARE(gesehen, knoepfe);
        QCOMPARE(text.split(QLatin1Char('\n')).size(), 2);
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QCOMPARE(ja, knopf == QStringLiteral("&Ja"));
    }

    void echteDateidialoge()
    {
        // The real dialogs of "&Laden" and "Speichern &unter": title, filter, suffix, modes.
        setTestmodus(false);
        struct Gesehen {
            QString titel;
            QStringList filter;
            QString endung;
            QFileDialog::FileMode modus = QFileDialog::AnyFile;
            QFileDialog::AcceptMode art = QFileDialog::AcceptOpen;
            bool ueberschreibenFragen = false;
        };
        QList<Gesehen> gesehen;
        auto pruefen = [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!d)
                return;
            gesehen.append({d->windowTitle(), d->nameFilters(), d->defaultSuffix(), d->fileMode(), d->acceptMode(),
                            !d->testOption(QFileDialog::DontConfirmOverwrite)});
            d->reject();
        };
        QTimer::singleShot(100, this, pruefen);
        w->aktion("m_d_l")->trigger();
        QTimer::singleShot(100, this, pruefen);
        w->aktion("m_d_u")->trigger();
        setTestmodus(true);
        QCOMPARE(gesehen.size(), 2);
        QCOMPARE(gesehen[0].titel, QStringLiteral("Läufercup-Daten laden"));
        QCOMPARE(gesehen[0].filter, QStringList({"Tempolauftabellator 3.*.* (*.tl3)"}));
        QCOMPARE(gesehen[0].endung, QStringLiteral("tl3"));
        QCOMPARE(gesehen[0].modus, QFileDialog::ExistingFile);
        QCOMPARE(gesehen[0].art, QFileDialog::AcceptOpen);
        QCOMPARE(gesehen[1].titel, QStringLiteral("Läufercup-Daten speichern unter"));
        QCOMPARE(gesehen[1].filter, QStringList({"Tempolauftabellator 3.*.* (*.tl3)"}));
        QCOMPARE(gesehen[1].endung, QStringLiteral("tl3"));
        QCOMPARE(gesehen[1].art, QFileDialog::AcceptSave);
        QVERIFY(gesehen[1].ueberschreibenFragen);
        // Both cancelled: nothing changed.
        QVERIFY(w->cup().dateiname.isEmpty());
        QVERIFY(!w->cup().geaendert);
    }

    void eingabenMarkierenGeaendert()
    {
        QTest::keyClicks(w->nameFeld(), QStringLiteral("Testcup"));
        QCOMPARE(w->cup().name, QStringLiteral("Testcup"));
        QVERIFY(w->cup().geaendert);
        QCOMPARE(w->statusText(1), QStringLiteral("geändert"));
        w->cup().edit(Cup::Stand::Gesichert);
        QTest::keyClicks(w->veranstalterFeld(), QStringLiteral("TSV"));
        QCOMPARE(w->cup().veranstalter, QStringLiteral("TSV"));
        QVERIFY(w->cup().geaendert);
        w->cup().edit(Cup::Stand::Gesichert);
        w->kategorieFeld()->setCurrentIndex(5);
        QCOMPARE(w->cup().kategorie, 5);
        QVERIFY(w->cup().geaendert);
        // Values set by a command appear in the controls without marking the cup changed.
        w->cup().edit(Cup::Stand::Gesichert);
        w->cup().name = QStringLiteral("Anders");
        w->aktualisieren();
        QCOMPARE(w->nameFeld()->text(), QStringLiteral("Anders"));
        QVERIFY(!w->cup().geaendert);
    }

    void menuesVollstaendig()
    {
        const QStringList namen = {
            "m_d_n",        "m_d_l",        "m_d_s",          "m_d_u",          "m_d_x",          "m_e_d",
            "m_e_h",        "m_e_u",        "m_h_b",          "laufe_pop_h",    "laufe_pop_b",    "laufe_pop_l",
            "laufe_pop_e",  "laufe_pop_s",  "laufe_pop_s_v",  "laufe_pop_s_d",  "laufe_pop_s_h",  "laufe_pop_d",
            "laufe_pop_d_1", "laufe_pop_d_1_v", "laufe_pop_d_1_d", "laufe_pop_d_2", "laufe_pop_d_2_v",
            "laufe_pop_d_2_d", "laufe_pop_g", "laufe_pop_g_v", "laufe_pop_g_d",  "laufe_pop_g_h",  "laufe_pop_u",
            "laufe_pop_u_sl", "laufe_pop_tl", "laufe_pop_u_g",  "laufe_pop_u_u",  "teil_pop_h",     "teil_pop_b",
            "teil_pop_l",   "teil_pop_e",   "teil_pop_t_v",   "teil_pop_a_h",   "teil_pop_s_d",   "teil_pop_g_v",
            "teil_pop_p",   "teil_pop_p_s", "teil_pop_p_f",   "ag_pop_h",       "ag_pop_b",       "ag_pop_l",
            "cv_pop_h",     "cv_pop_b",     "cv_pop_l",       "pv_pop_h",       "pv_pop_l"};
        for (const QString &n : namen) {
            QAction *a = w->findChild<QAction *>(n);
            QVERIFY2(a, qPrintable(n));
            QCOMPARE(w->aktion(n), a);
        }
        QCOMPARE(w->aktion("m_d_n")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(w->aktion("m_d_l")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        QCOMPARE(w->aktion("m_d_s")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

        auto texte = [](QMenu *menu) {
            QStringList l;
            for (QAction *a : menu->actions())
                l << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return l;
        };
        QCOMPARE(texte(w->menue("m_d")),
                 QStringList({"&Neu", "&Laden", "&Speichern", "Speichern &unter", "Ergebnisseiten er&zeugen …", "-",
                              "Teilnehmer &importieren …", "&Ergebnisse importieren", "Ex&portieren", "-", "E&xit"}));
        QCOMPARE(texte(w->menue("m_e")),
                 QStringList({"&Druckereinstellungen", "&HTML Einstellungen", "&Urkunden Einstellungen"}));
        QCOMPARE(texte(w->menue("m_h")), QStringList({"Ü&ber TLT"}));
        QCOMPARE(texte(w->menue("laufe_pop")),
                 QStringList({"Lauf &hinzufügen", "Lauf &bearbeiten", "-", "Lauf &löschen", "-",
                              "schnelle &Ergebniseingabe", "-", "&Statistik dieses Laufes",
                              "E&inlaufliste dieses Laufes", "&DLV-Bericht dieses Laufes",
                              "&Gesamtstatistik nach diesem Lauf", "Gesamtstatistik &ausführlich nach diesem Lauf",
                              "&Wer kann noch gewinnen?", "-", "&Urkunden drucken"}));
        QCOMPARE(texte(w->menue("laufe_pop_u")),
                 QStringList({"&Siegerurkunden für diesen Lauf", "&Teilnahmeurkunde ...",
                              "Siegerurkunden für den &Gesamtcup", "Teilnehmer&urkunde Gesamtcup ..."}));
        QCOMPARE(texte(w->menue("laufe_pop_d")), QStringList({"Version &1", "Version &2"}));
        // Report units may append further output targets behind these.
        QCOMPARE(texte(w->menue("laufe_pop_d_2")).mid(0, 2), QStringList({"&Vorschau", "&Drucken"}));
        QCOMPARE(texte(w->menue("laufe_pop_g")).mid(0, 3), QStringList({"&Vorschau", "&Drucken", "&HTML-Export"}));
        QCOMPARE(texte(w->menue("teil_pop")),
                 QStringList({"Teilnehmer &hinzufügen", "Teilnehmer &bearbeiten", "-", "Teilnehmer &löschen", "-",
                              "schnelle &Ergebniseingabe", "-", "&Teilnehmerstatistik",
                              "Teilnehmerstatistik - &Alle", "&Cup-Auskunft", "&Statistik dieses Laufes",
                              "&Gesamtstatistik nach diesem Lauf", "-", "Sortieren nach dieser S&palte"}));
        QCOMPARE(texte(w->menue("teil_pop_p")), QStringList({"auf&steigend", "ab&fallend"}));
        QCOMPARE(texte(w->menue("ag_pop")),
                 QStringList({"Altersgruppe &hinzufügen", "Altergruppe &bearbeiten", "-", "Altersgruppe &löschen"}));
        QCOMPARE(texte(w->menue("cv_pop")), QStringList({"Cup-Variation &hinzufügen", "Cup-Variation &bearbeiten",
                                                          "-", "Cup-Variation &löschen"}));
        QCOMPARE(texte(w->menue("pv_pop")), QStringList({"Punktezahl &hinzufügen", "-", "Punktezahl &löschen"}));
    }

    // Two items of one menu with the same access key only cycle between them: the key must pick one.
    void zugriffstastenEindeutig()
    {
        const auto menues = w->findChildren<QMenu *>();
        QVERIFY(menues.size() > 5);
        for (QMenu *m : menues) {
            QHash<QChar, QString> vergeben;
            for (QAction *a : m->actions()) {
                const QString t = a->text();
                const qsizetype i = t.indexOf(QLatin1Char('&'));
                if (a->isSeparator() || i < 0 || i + 1 >= t.size())
                    continue;
                const QChar taste = t.at(i + 1).toLower();
                QVERIFY2(!vergeben.contains(taste),
                         qPrintable(m->objectName() + ": " + vergeben.value(taste) + " / " + t));
                vergeben.insert(taste, t);
            }
        }
        // The page tabs and the menu bar share Alt: no key may open a menu and a page.
        auto zugriffstaste = [](const QString &t) {
            const qsizetype i = t.indexOf(QLatin1Char('&'));
            return i >= 0 && i + 1 < t.size() ? t.at(i + 1).toLower() : QChar();
        };
        QHash<QChar, QString> fenster;
        for (QAction *a : w->menuBar()->actions())
            if (!zugriffstaste(a->text()).isNull())
                fenster.insert(zugriffstaste(a->text()), a->text());
        int seiten = 0;
        for (int i = 0; i < w->seiten()->count(); ++i) {
            if (!w->seiten()->isTabVisible(i))
                continue;
            const QString t = w->seiten()->tabText(i);
            const QChar taste = zugriffstaste(t);
            QVERIFY2(!taste.isNull(), qPrintable(t));
            QVERIFY2(!fenster.contains(taste), qPrintable(fenster.value(taste) + " / " + t));
            fenster.insert(taste, t);
            ++seiten;
        }
        QCOMPARE(seiten, 4);
    }

    void laeufeMenue_data()
    {
        QTest::addColumn<int>("laeufe");
        QTest::addColumn<bool>("mitTeilnehmern");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("erwartet"); // enabled items among b l e s d g u u_g u_u, as 0/1
        QTest::newRow("Beschriftungsspalte") << 2 << true << 0 << "000000000";
        QTest::newRow("erster von zwei Läufen") << 2 << true << 1 << "111111100";
        QTest::newRow("letzter Lauf") << 2 << true << 2 << "111111111";
        QTest::newRow("ohne Teilnehmer") << 2 << false << 2 << "110000100";
        QTest::newRow("einziger Lauf") << 1 << true << 1 << "111111111";
    }
    void laeufeMenue()
    {
        QFETCH(int, laeufe);
        QFETCH(bool, mitTeilnehmern);
        QFETCH(int, spalte);
        QFETCH(QString, erwartet);
        QList<QPair<QString, QString>> t;
        if (mitTeilnehmern)
            t = {{"Adler", "0:40'00,00\""}, {"Berg", ""}};
        uebernehmen(cupMit(laeufe, t));
        klick(w->laufeGitter(), spalte, 3);
        QCOMPARE(w->gewaehlterLauf(), spalte);
        QVERIFY(w->menue("laufe_pop")->isVisible());
        QString ist;
        for (const char *n : {"laufe_pop_b", "laufe_pop_l", "laufe_pop_e", "laufe_pop_s", "laufe_pop_d", "laufe_pop_g",
                              "laufe_pop_u", "laufe_pop_u_g", "laufe_pop_u_u"})
            ist += an(n) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(ist, erwartet);
        QVERIFY(an("laufe_pop_h"));
    }

    void laeufeMenueAufRaceNumberRow()
    {
        // The heading row of a race column selects that race too.
        uebernehmen(cupMit(2, {{"Adler", ""}}));
        klick(w->laufeGitter(), 1, 0);
        QCOMPARE(w->gewaehlterLauf(), 1);
        QVERIFY(an("laufe_pop_b"));
        // A left click selects without opening the menu.
        menueZu();
        klick(w->laufeGitter(), 0, 5, Qt::LeftButton);
        QCOMPARE(w->gewaehlterLauf(), 0);
        QVERIFY(!w->menue("laufe_pop")->isVisible());
    }

    void teilnehmerMenue_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("erwartet"); // b l t a e s g
        QTest::newRow("Kopfzeile Name") << 0 << 0 << "0000000";
        QTest::newRow("Kopfzeile Ergebnis") << 8 << 0 << "0000111";
        QTest::newRow("Name") << 0 << 1 << "1111000";
        QTest::newRow("ggf. Cup") << 7 << 2 << "1111000";
        QTest::newRow("Ergebnis Lauf 1") << 8 << 1 << "1111111";
        QTest::newRow("Ergebnis Lauf 2") << 9 << 2 << "1111111";
    }
    void teilnehmerMenue()
    {
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(QString, erwartet);
        uebernehmen(cupMit(2, {{"Adler", "0:40'00,00\""}, {"Berg", ""}}));
        klick(w->teilGitter(), spalte, zeile);
        QCOMPARE(w->gewaehlteZeile(), zeile);
        // A current heading is shown in bold.
        QCOMPARE(w->teilGitter()->model()->headerData(spalte, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(),
                 zeile == 0);
        QCOMPARE(w->gewaehlterLaufTeil(), spalte - 7);
        QVERIFY(w->menue("teil_pop")->isVisible());
        QString ist;
        for (const char *n : {"teil_pop_b", "teil_pop_l", "teil_pop_t", "teil_pop_a", "teil_pop_e", "teil_pop_s",
                              "teil_pop_g"})
            ist += an(n) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(ist, erwartet);
        QVERIFY(an("teil_pop_h"));
        QVERIFY(an("teil_pop_p"));
    }

    void ohneTeilnehmerKeineErgebnisbefehle()
    {
        uebernehmen(cupMit(2, {}));
        klick(w->teilGitter(), 8, 0);
        QVERIFY(!an("teil_pop_e"));
        QVERIFY(!an("teil_pop_b"));
    }

    void kleineTabellenMenues()
    {
        klick(w->agGitter(), 1, 0);
        QVERIFY(!an("ag_pop_b"));
        QVERIFY(!an("ag_pop_l"));
        QVERIFY(an("ag_pop_h"));
        menueZu();
        klick(w->agGitter(), 1, 3);
        QCOMPARE(w->gewaehlteAgZeile(), 3);
        QVERIFY(an("ag_pop_b"));
        QVERIFY(an("ag_pop_l"));
        menueZu();
        klick(w->cvGitter(), 0, 0);
        QVERIFY(!an("cv_pop_b"));
        QVERIFY(!an("cv_pop_l"));
        QVERIFY(an("cv_pop_h"));
        menueZu();
        klick(w->cvGitter(), 2, 2);
        QVERIFY(an("cv_pop_b"));
        QVERIFY(an("cv_pop_l"));
        menueZu();
        klick(w->pvGitter(), 1, 0);
        QVERIFY(!an("pv_pop_l"));
        menueZu();
        klick(w->pvGitter(), 1, 4);
        QVERIFY(an("pv_pop_l"));
        QCOMPARE(w->gewaehltePvZeile(), 4);
    }

    void hoechstens24Altersgruppen()
    {
        Tabelle &ag = w->cup().ag;
        for (int i = 0; i < 10; ++i) {
            const int r = ag.rowCount();
            ag.setRowCount(r + 1);
            ag.setCell(0, r, QStringLiteral("W%1").arg(i));
            ag.setCell(1, r, QStringLiteral("M%1").arg(i));
            ag.setCell(2, r, QString::number(200 + i));
        }
        QCOMPARE(ag.rowCount(), 25);
        w->aktualisieren();
        klick(w->agGitter(), 0, 1);
        QVERIFY(!an("ag_pop_h"));
        menueZu();
        setNextAnswer(Antwort::Ja);
        w->ag_pop_lClick();
        QCOMPARE(ag.rowCount(), 24);
        klick(w->agGitter(), 0, 1);
        QVERIFY(an("ag_pop_h"));
    }

    void tastaturOeffnetMenue()
    {
        uebernehmen(cupMit(1, {{"Adler", ""}}));
        w->seiten()->setCurrentIndex(2);
        w->teilGitter()->setAktuelleZelle(8, 1);
        w->teilGitter()->setFocus();
        QContextMenuEvent taste(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(w->teilGitter(), &taste);
        QVERIFY(w->menue("teil_pop")->isVisible());
        QVERIFY(an("teil_pop_e"));
    }

    void sortierenNachSpalte_data()
    {
        QTest::addColumn<int>("richtung");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("aufsteigend") << -1 << QStringList({"Dorn", "Adler", "Clemens", "Berg", "Ernst"});
        QTest::newRow("absteigend") << 1 << QStringList({"Berg", "Clemens", "Adler", "Dorn", "Ernst"});
    }
    void sortierenNachSpalte()
    {
        QFETCH(int, richtung);
        QFETCH(QStringList, erwartet);
        uebernehmen(cupMit(1, {{"Ernst", ""},
                               {"Clemens", "0:40'00,00\""},
                               {"Adler", "0:40'00,00\""},
                               {"Berg", "0:45'00,00\""},
                               {"Dorn", "0:39'00,00\""}}));
        klick(w->teilGitter(), 8, 2);
        menueZu();
        if (richtung < 0)
            w->aktion("teil_pop_p_s")->trigger();
        else
            w->aktion("teil_pop_p_f")->trigger();
        // Equal results stay in surname order (in the same direction); the empty entry comes last;
        // the cup is not changed.
        QCOMPARE(spalte(w->cup().teil, 0), erwartet);
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(w->teilGitter()->model()->index(0, 0).data().toString(), erwartet.first());
    }

    void sortierenNachName()
    {
        uebernehmen(cupMit(1, {{"Adler", ""}, {"Berg", ""}}));
        klick(w->teilGitter(), 0, 0);
        menueZu();
        w->aktion("teil_pop_p_f")->trigger();
        QCOMPARE(spalte(w->cup().teil, 0), QStringList({"Berg", "Adler"}));
    }

    void klickScrolltZurueck()
    {
        Cup cup = cupMit(30, {{"Adler", ""}, {"Berg", ""}});
        uebernehmen(std::move(cup));
        w->seiten()->setCurrentIndex(2);
        QApplication::processEvents();
        Gitter *g = w->teilGitter();
        QCOMPARE(g->fixierteSpalten(), 2);
        QScrollBar *h = g->horizontalScrollBar();
        QVERIFY(h->maximum() > 0);
        // Sideways scrolling goes by whole columns: a scrolled column starts at the fixed ones' edge.
        for (int wert : {37, 250, 120}) {
            h->setValue(wert);
            bool buendig = false;
            for (int c = 2; c < g->model()->columnCount(); ++c)
                buendig |= g->horizontalHeader()->sectionViewportPosition(c) == g->columnWidth(0) + g->columnWidth(1);
            QVERIFY2(buendig, qPrintable(QString::number(wert)));
        }
        h->setValue(h->maximum());
        QPoint p;
        QWidget *ziel = g->zellenZiel(g->model()->columnCount() - 1, 1, &p);
        QVERIFY(ziel);
        QTest::mouseClick(ziel, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(g->aktSpalte(), g->model()->columnCount() - 1);
        QCOMPARE(h->value(), 0);

        // The races table goes back to its first row after any click.
        w->seiten()->setCurrentIndex(1);
        QApplication::processEvents();
        Gitter *l = w->laufeGitter();
        QScrollBar *v = l->verticalScrollBar();
        if (v->maximum() > 0) {
            v->setValue(v->maximum());
            QVERIFY(l->zellenZiel(0, 33, &p));
            QTest::mouseClick(l->zellenZiel(0, 33, &p), Qt::LeftButton, Qt::NoModifier, p);
            QCOMPARE(l->aktZeile(), 33);
            QCOMPARE(v->value(), 0);
        }
    }

    // The fixed heading rows and columns follow what the tables hold.
    void kopfbereichFolgtDemInhalt()
    {
        QCOMPARE(w->laufeGitter()->fixierteZeilen(), 0);
        QCOMPARE(w->laufeGitter()->fixierteSpalten(), 0);
        QCOMPARE(w->teilGitter()->fixierteZeilen(), 0);
        QCOMPARE(w->teilGitter()->fixierteSpalten(), 0);
        for (Gitter *g : {w->cvGitter(), w->agGitter(), w->pvGitter()}) {
            QCOMPARE(g->fixierteZeilen(), 1);
            QCOMPARE(g->fixierteSpalten(), 0);
        }
        uebernehmen(cupMit(1, {{"Adler", ""}}));
        QCOMPARE(w->laufeGitter()->fixierteZeilen(), 1);
        QCOMPARE(w->laufeGitter()->fixierteSpalten(), 1);
        QCOMPARE(w->teilGitter()->fixierteZeilen(), 1);
        QCOMPARE(w->teilGitter()->fixierteSpalten(), 2);
        // The label column of the races is drawn as a heading only while it is fixed.
        const QModelIndex beschriftung = w->laufeGitter()->model()->index(0, 0);
        QVERIFY(beschriftung.data(Qt::BackgroundRole).isValid());

        // Deleting the last participant and the last race from their menus: nothing stays fixed.
        klick(w->teilGitter(), 0, 1);
        menueZu();
        setNextAnswer(Antwort::Ja);
        w->aktion("teil_pop_l")->trigger();
        QCOMPARE(w->cup().anzahlTeilnehmer(), 0);
        QCOMPARE(w->teilGitter()->fixierteZeilen(), 0);
        QCOMPARE(w->teilGitter()->fixierteSpalten(), 0);
        klick(w->laufeGitter(), 1, 1);
        menueZu();
        setNextAnswer(Antwort::Ja);
        w->aktion("laufe_pop_l")->trigger();
        QCOMPARE(w->cup().anzahlLaufe(), 0);
        QCOMPARE(w->laufeGitter()->fixierteZeilen(), 0);
        QCOMPARE(w->laufeGitter()->fixierteSpalten(), 0);
        QVERIFY(!w->laufeGitter()->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    }

    // The grids hold the column widths: the starting widths, a width the user dragged survives a
    // change of the table's shape, and a new cup starts from the starting widths again.
    void spaltenbreitenImGitter()
    {
        QCOMPARE(w->agGitter()->spaltenbreite(2), 70);
        QCOMPARE(w->agGitter()->spaltenbreite(0), 110);
        QCOMPARE(w->cvGitter()->spaltenbreite(1), 78);
        QCOMPARE(w->pvGitter()->spaltenbreite(1), 78);
        QCOMPARE(w->laufeGitter()->spaltenbreite(0), 120);
        QCOMPARE(w->laufeGitter()->spaltenbreite(1), 200);
        Gitter *t = w->teilGitter();
        QCOMPARE(t->spaltenbreite(0), 100);
        QCOMPARE(t->spaltenbreite(1), 100);
        QCOMPARE(t->spaltenbreite(4), 200);
        QCOMPARE(t->spaltenbreite(5), 75);
        QCOMPARE(t->columnWidth(4), 200);

        uebernehmen(cupMit(1, {{"Adler", ""}}));
        t->horizontalHeader()->resizeSection(4, 321);
        QCOMPARE(t->spaltenbreite(4), 321);
        w->cup().teil.setRowCount(3);
        w->aktualisieren();
        QCOMPARE(t->model()->rowCount(), 2);
        QCOMPARE(t->columnWidth(4), 321);

        w->aktion("m_d_n")->trigger();
        QCOMPARE(t->spaltenbreite(4), 200);
        QCOMPARE(t->columnWidth(4), 200);
    }

    void neuFragtNurWennGeaendert()
    {
        w->cup().name = QStringLiteral("X");
        w->cup().edit(Cup::Stand::Geaendert);
        setNextAnswer(Antwort::Nein);
        w->aktion("m_d_n")->trigger();
        QCOMPARE(w->cup().name, QStringLiteral("X"));
        QCOMPARE(protokoll().last().art, QStringLiteral("frage"));
        QCOMPARE(protokoll().last().titel, QStringLiteral("Warnung"));
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Sie haben noch ungesicherte Daten!\r\nWollen Sie trotzdem einen neuen Cup anlegen?"));
        setNextAnswer(Antwort::Ja);
        w->ausgabe().p(0, 0, 9, QStringLiteral("Zeile"));
        w->aktion("m_d_n")->trigger();
        QCOMPARE(w->cup().name, QString());
        QCOMPARE(w->nameFeld()->text(), QString());
        QVERIFY(!w->cup().geaendert);
        QVERIFY(w->ausgabe().leer());
        // Unchanged: no question.
        const int n = protokoll().size();
        w->aktion("m_d_n")->trigger();
        QCOMPARE(protokoll().size(), n);
    }

    void speichernUndLaden()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        uebernehmen(cupMit(2, {{"Berg", "0:45'00,00\""}, {"Adler", "0:40'00,00\""}}));
        w->cup().name = QStringLiteral("Testcup");
        w->cup().edit(Cup::Stand::Geaendert);

        // An unnamed cup asks for a file name; cancelling changes nothing.
        setNextFileName(QString());
        w->aktion("m_d_s")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("speichern"));
        QCOMPARE(protokoll().last().titel, QStringLiteral("Läufercup-Daten speichern unter"));
        QVERIFY(w->cup().geaendert);
        QVERIFY(!QFile::exists(pfad));

        setNextFileName(pfad);
        w->aktion("m_d_s")->trigger();
        QVERIFY(QFile::exists(pfad));
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(w->cup().dateiname, pfad);
        QCOMPARE(w->statusText(0), pfad);
        QCOMPARE(w->statusText(1), QString());

        // A named cup is written without a dialog.
        const int n = protokoll().size();
        w->cup().edit(Cup::Stand::Geaendert);
        w->aktion("m_d_s")->trigger();
        QCOMPARE(protokoll().size(), n);
        QVERIFY(!w->cup().geaendert);

        // Load it into a new window state: changed cup asks first.
        w->aktion("m_d_n")->trigger();
        w->nameFeld()->setText(QStringLiteral("anders"));
        setNextAnswer(Antwort::Nein);
        w->aktion("m_d_l")->trigger();
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Sie haben noch ungesicherte Daten!\r\nWollen Sie trotzdem einen Cup laden?"));
        QCOMPARE(w->cup().name, QStringLiteral("anders"));
        setNextAnswer(Antwort::Ja);
        setNextFileName(pfad);
        w->aktion("m_d_l")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("oeffnen"));
        QCOMPARE(protokoll().last().titel, QStringLiteral("Läufercup-Daten laden"));
        QCOMPARE(w->cup().name, QStringLiteral("Testcup"));
        QCOMPARE(w->nameFeld()->text(), QStringLiteral("Testcup"));
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(w->statusText(0), pfad);
        QCOMPARE(w->cup().anzahlLaufe(), 2);
        QCOMPARE(w->teilGitter()->model()->rowCount(), 2);
        QCOMPARE(w->teilGitter()->model()->index(0, 0).data().toString(), QStringLiteral("Adler"));
        QCOMPARE(w->laufeGitter()->model()->columnCount(), 3);
        QCOMPARE(w->teilGitter()->fixierteSpalten(), 2);

        // Save as another name.
        const QString pfad2 = dir.filePath(QStringLiteral("kopie.tl3"));
        setNextFileName(pfad2);
        w->aktion("m_d_u")->trigger();
        QVERIFY(QFile::exists(pfad2));
        QCOMPARE(w->cup().dateiname, pfad2);
    }

    void ladenUebernimmtMinimumUndMaximumWieGelesen_data()
    {
        QTest::addColumn<int>("laeufe");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("passt") << 3 << 2 << 3;
        QTest::newRow("mehr als Läufe") << 3 << 5 << 5;
        QTest::newRow("Minimum über Maximum") << 3 << 3 << 2;
    }
    void ladenUebernimmtMinimumUndMaximumWieGelesen()
    {
        QFETCH(int, laeufe);
        QFETCH(int, min);
        QFETCH(int, max);
        // A file edited by hand: the values are kept as read, nothing is clamped on loading.
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("hand.tl3"));
        Cup c = cupMit(laeufe, {});
        c.min = min;
        c.max = max;
        QString text;
        QVERIFY2(speichernDatei(c, pfad, &text), qPrintable(text));
        QVERIFY(w->ladeDatei(pfad));
        QCOMPARE(w->cup().min, min);
        QCOMPARE(w->cup().max, max);
        QCOMPARE(w->minW()->value(), min);
        QCOMPARE(w->maxW()->value(), max);
        QVERIFY(!w->cup().geaendert);
    }

    void ladefehlerAendertNichts()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("kaputt.tl3"));
        QFile d(pfad);
        QVERIFY(d.open(QIODevice::WriteOnly));
        d.write("Cup|V|x|1|1|0|0|\r\n");
        d.close();
        w->nameFeld()->setText(QStringLiteral("bleibt"));
        w->cup().edit(Cup::Stand::Gesichert);
        setNextFileName(pfad);
        setNextAnswer(Antwort::Ok);
        w->aktion("m_d_l")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("fehler"));
        QVERIFY(!protokoll().last().text.isEmpty());
        QCOMPARE(w->cup().name, QStringLiteral("bleibt"));
        QCOMPARE(w->cup().dateiname, QString());
        QCOMPARE(w->statusText(0), QStringLiteral("unbekannt"));

        setNextFileName(dir.filePath(QStringLiteral("fehlt.tl3")));
        setNextAnswer(Antwort::Ok);
        w->aktion("m_d_l")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("fehler"));
        QCOMPARE(w->cup().name, QStringLiteral("bleibt"));
    }

    void speicherfehlerAendertNichts()
    {
        QTemporaryDir dir;
        w->nameFeld()->setText(QStringLiteral("Cup"));
        setNextFileName(dir.filePath(QStringLiteral("gibtsnicht/cup.tl3")));
        setNextAnswer(Antwort::Ok);
        w->aktion("m_d_u")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("fehler"));
        QVERIFY(w->cup().geaendert);
        QCOMPARE(w->cup().dateiname, QString());
        QCOMPARE(w->statusText(0), QStringLiteral("unbekannt"));
    }

    void zeichenAusserhalbDerDateiWerdenErfragt()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        w->nameFeld()->setText(QStringLiteral("Lauf ✓ am Teich"));
        setNextFileName(pfad);
        setNextAnswer(Antwort::Nein);
        w->aktion("m_d_s")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("frage"));
        QVERIFY(protokoll().last().text.contains(QStringLiteral("✓")));
        QVERIFY(!QFile::exists(pfad));
        QVERIFY(w->cup().geaendert);
        setNextFileName(pfad);
        setNextAnswer(Antwort::Ja);
        w->aktion("m_d_s")->trigger();
        QVERIFY(QFile::exists(pfad));
        QVERIFY(!w->cup().geaendert);
    }

    void schliessenFragt()
    {
        w->nameFeld()->setText(QStringLiteral("ungesichert"));
        setNextAnswer(Antwort::Nein);
        w->aktion("m_d_x")->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Sie haben noch ungesicherte Daten!\r\nWollen Sie trotzdem beenden?"));
        setNextAnswer(Antwort::Nein);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        setNextAnswer(Antwort::Ja);
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
    }

    void schliessenOhneAenderungFragtNicht()
    {
        QVERIFY(w->close());
        QVERIFY(protokoll().isEmpty());
    }

    void druckereinstellungen()
    {
        setNextAnswer(Antwort::Ok);
        w->aktion("m_e_d")->trigger();
        QCOMPARE(protokoll().last().art, QStringLiteral("drucker"));
        QVERIFY(!w->cup().geaendert);
    }

    void ueberTlt()
    {
        for (int i = 0; i < 3; ++i) {
            w->aktion("m_h_b")->trigger();
            QVERIFY(w->ubertlt()->isVisible());
            w->ubertlt()->hide();
        }
        QCOMPARE(w->ubertlt()->windowTitle(), QStringLiteral("Über TLT 3.1.9"));
        QVERIFY(!w->ubertlt()->isModal());
        w->aktion("m_h_b")->trigger();
        QTest::mouseClick(w->ubertlt()->label1(), Qt::LeftButton);
        QCOMPARE(protokoll().last().art, QStringLiteral("web"));
        QCOMPARE(protokoll().last().text, UberTlt::herstellerAdresse());
        QTest::mouseClick(w->ubertlt()->label2(), Qt::LeftButton);
        QCOMPARE(protokoll().last().text, UberTlt::programmAdresse());
        QVERIFY(w->ubertlt()->label2()->text().contains(kWebadresse));
        QVERIFY(w->ubertlt()->label1()->text().contains(UberTlt::herstellerAdresse()));
        auto *text1 = w->ubertlt()->findChild<QLabel *>(QStringLiteral("text1"));
        QVERIFY(text1->text().contains(QStringLiteral("Tempolauftabellator (TLT)")));
        auto *bild = w->ubertlt()->findChild<QLabel *>(QStringLiteral("bild"));
        QVERIFY(!bild->pixmap().isNull());
        // The picture is drawn, not empty.
        const QImage img = bild->pixmap().toImage();
        QVERIFY(img.pixelColor(img.width() / 2, img.height() - 10) != img.pixelColor(10, 10));
        QVERIFY(w->ubertlt()->width() >= 472);
    }

    void ausgabeSeiteZeigtZeilen()
    {
        w->ausgabe().p(0, 1, 14, QStringLiteral("Kopf"));
        w->ausgabe().leerzeile();
        w->ausgabe().p(0, 4, 9, QStringLiteral("Unterstrichen"));
        w->zeigeAusgabe();
        QCOMPARE(w->seiten()->currentWidget(), w->ausgabeSeite());
        AusgabeAnsicht *a = w->ausgabeAnsicht();
        QCOMPARE(a->zeilenAnzahl(), 3);
        QVERIFY(a->schrift(0).bold());
        QCOMPARE(a->schrift(0).pointSize(), 14);
        QVERIFY(a->schrift(2).underline());
        // Later changes are shown once the command is done.
        w->ausgabe().clear();
        QTRY_COMPARE(a->zeilenAnzahl(), 0);
    }

    void grosserCupOeffnetSofort()
    {
        Cup cup;
        test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("01.05.2026"), QStringLiteral("ja"));
        const int n = 20000;
        cup.teil.setRowCount(n + 1);
        for (int r = 1; r <= n; ++r) {
            cup.teil.setCell(0, r, QStringLiteral("Name%1").arg(r, 5, 10, QLatin1Char('0')));
            cup.teil.setCell(6, r, QString::number(r));
            cup.teil.setCell(8, r, QStringLiteral("0:40'00,00\""));
        }
        QElapsedTimer t;
        t.start();
        uebernehmen(std::move(cup));
        w->seiten()->setCurrentIndex(2);
        QApplication::processEvents();
        qInfo("20000 Teilnehmer angezeigt in %lld ms", static_cast<long long>(t.elapsed()));
        QCOMPARE(w->teilGitter()->model()->rowCount(), n);
        QCOMPARE(w->teilGitter()->model()->index(n - 1, 0).data().toString(), QStringLiteral("Name20000"));
    }

    // Load the sample cup, look at every page, change a setting, sort by a column, save under a new
    // name and load it again, by keyboard only.
    void allesMitDerTastatur()
    {
        QTemporaryDir dir;
        const QString kopie = dir.filePath(QStringLiteral("kopie.tl3"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        setNextFileName(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3"));
        QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(w->cup().name, QStringLiteral("Mühlbacher Volkslauf-Cup 2026"));
        QVERIFY(w->teilGitter()->model()->rowCount() > 100);

        for (int i = 1; i < 4; ++i) {
            QTest::keyClick(w->seiten()->tabBar(), Qt::Key_Right);
            QCOMPARE(w->seiten()->currentIndex(), i);
        }
        w->seiten()->setCurrentIndex(0);
        w->nameFeld()->setFocus();
        QTest::keyClick(w->nameFeld(), Qt::Key_End);
        QTest::keyClicks(w->nameFeld(), QStringLiteral(" (Kopie)"));
        QVERIFY(w->cup().geaendert);

        // Participants page: the cursor keys move to the start-number column, the menu key opens the
        // context menu, its mnemonics choose "Sortieren nach dieser Spalte" and "absteigend".
        w->seiten()->setCurrentIndex(2);
        Gitter *g = w->teilGitter();
        g->setFocus();
        g->setAktuelleZelle(0, 1);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Down);
        QCOMPARE(g->aktSpalte(), 6);
        QCOMPARE(g->aktZeile(), 2);
        QContextMenuEvent taste(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(g, &taste);
        QMenu *menu = w->menue("teil_pop");
        QVERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_P);
        QMenu *sortieren = w->menue("teil_pop_p");
        QTRY_VERIFY(sortieren->isVisible());
        QTest::keyClick(sortieren, Qt::Key_F);
        QTRY_VERIFY(!menu->isVisible());
        const Tabelle &t = w->cup().teil;
        for (int r = 2; r < t.rowCount(); ++r)
            QVERIFY(t.cell(6, r - 1).toInt() > t.cell(6, r).toInt());

        // Save under a new name through the file menu's mnemonics, then load the copy again.
        setNextFileName(kopie);
        QTest::keyClick(w, Qt::Key_D, Qt::AltModifier);
        QMenu *datei = w->menue("m_d");
        QTRY_VERIFY(datei->isVisible());
        QTest::keyClick(datei, Qt::Key_U);
        QTRY_VERIFY(QFile::exists(kopie));
        QVERIFY(!w->cup().geaendert);
        QCOMPARE(w->statusText(0), kopie);
        w->aktion("m_d_n")->trigger();
        QCOMPARE(w->cup().name, QString());
        setNextFileName(kopie);
        QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(w->cup().name, QStringLiteral("Mühlbacher Volkslauf-Cup 2026 (Kopie)"));
        // Saving put the participants back in surname order.
        QVERIFY(textvergleich(w->cup().teil.cell(0, 1), w->cup().teil.cell(0, 2)) <= 0);
    }

    // Screenshots for the documentation: set TLT_BILDER to a folder and run under a real display.
    void bildschirmfotos()
    {
        const QString ordner = qEnvironmentVariable("TLT_BILDER");
        if (ordner.isEmpty())
            QSKIP("TLT_BILDER nicht gesetzt");
        w->resize(900, 560);
        for (int i = 1; i < 3; ++i) {
            w->seiten()->setCurrentIndex(i);
            QTest::qWait(200);
            QVERIFY(w->grab().save(ordner + QStringLiteral("/leer%1.png").arg(i)));
        }
        QVERIFY(w->ladeDatei(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3")));
        const QStringList namen = {"cup", "laeufe", "teilnehmer", "ausgabe"};
        for (int i = 0; i < 4; ++i) {
            if (namen.at(i) == QStringLiteral("ausgabe")) {
                // A report in the pane (it re-sorts the participants, so it comes last).
                w->laufeGitter()->setAktuelleZelle(1, 1);
                w->aktion("laufe_pop_s_v")->trigger();
            }
            w->seiten()->setCurrentIndex(i);
            QTest::qWait(300);
            QVERIFY(w->grab().save(ordner + QLatin1Char('/') + namen.at(i) + QStringLiteral(".png")));
        }
        // The smallest window the layout allows.
        const QSize gross = w->size();
        w->resize(638, 448);
        w->seiten()->setCurrentIndex(0);
        QTest::qWait(300);
        QVERIFY(w->grab().save(ordner + QStringLiteral("/cup_klein.png")));
        w->resize(gross);
        // Scrolled sideways, the name columns stay in place.
        w->seiten()->setCurrentIndex(2);
        w->teilGitter()->horizontalScrollBar()->setValue(w->teilGitter()->horizontalScrollBar()->maximum() / 2);
        QTest::qWait(300);
        QVERIFY(w->grab().save(ordner + QStringLiteral("/teilnehmer_gescrollt.png")));
        w->aktion("m_h_b")->trigger();
        QTest::qWait(300);
        QVERIFY(w->ubertlt()->grab().save(ordner + QStringLiteral("/ueber.png")));
        w->ubertlt()->hide();
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_bClick();
        w->ag_pop_hClick();
        w->pv_pop_hClick();
        QTest::qWait(300);
        QVERIFY(w->bea_cup()->grab().save(ordner + QStringLiteral("/bea_cup.png")));
        QVERIFY(w->bea_ag()->grab().save(ordner + QStringLiteral("/bea_ag.png")));
        QVERIFY(w->bea_pv()->grab().save(ordner + QStringLiteral("/bea_pv.png")));
        w->bea_cup()->hide();
        w->bea_ag()->hide();
        w->bea_pv()->hide();
        // The settings dialogs of the menu "&Einstellungen".
        for (const char *n : {"m_e_h", "m_e_u"}) {
            w->aktion(QString::fromLatin1(n))->trigger();
            QTest::qWait(300);
            QWidget *d = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                            : QApplication::activeWindow();
            QVERIFY(d && d != w);
            QVERIFY(d->grab().save(ordner + QLatin1Char('/') + QString::fromLatin1(n) + QStringLiteral(".png")));
            d->hide();
        }
        klick(w->laufeGitter(), 2, 4);
        QTest::qWait(300);
        QVERIFY(w->menue("laufe_pop")->grab().save(ordner + QStringLiteral("/laufe_pop.png")));
    }
};

QTEST_MAIN(TstMainUnit)
#include "tst_main_unit.moc"
