// Using the window as an organiser does on a race evening: certificates that would print nothing,
// typed numbers, refused saves, the quick entry, the close question, pages by keyboard, the
// participant search, export names, and fields that hold more than can be typed.
#include "certificates/urkunde.h"
#include "core/cup.h"
#include "core/laufbefehle.h"
#include "core/pruefungen.h"
#include "core/teilnehmerbefehle.h"
#include "support/berichtscups.h"
#include "ui/bea_cup_unit.h"
#include "ui/bea_erg_unit.h"
#include "ui/bea_lauf_unit.h"
#include "ui/bea_teil_unit.h"
#include "ui/berichtsbefehle.h"
#include "ui/eingabe_anschluss.h"
#include "ui/gitter.h"
#include "ui/html_unit.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"
#include "ui/teil_wahl_unit.h"
#include "ui/teilnehmersuche.h"
#include "ui/urkunden_unit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace tlt;
using namespace tlt::ui;

namespace {

const QString kBeispiel = QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3");
const QString m = QStringLiteral("männlich");

QList<Protokolleintrag> eintraege(const QString &art)
{
    QList<Protokolleintrag> l;
    for (const auto &e : protokoll())
        if (e.art == art)
            l << e;
    return l;
}

// One race (a time run) and participants with the given surnames and first names; start numbers
// are 001, 002, … in this order.
Cup cupMitNamen(const QList<QPair<QString, QString>> &namen)
{
    Cup cup;
    cup.cv.setRowCount(1);
    test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("03.06.2026"), QStringLiteral("5000m"));
    for (const auto &n : namen)
        test::teilnehmerAnhaengen(cup,
                                  {n.first, n.second, QStringLiteral("01.01.1980"), m, QStringLiteral("TV"),
                                   QStringLiteral("M40"), QString()},
                                  {});
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}

} // namespace

class TstBedienung : public QObject {
    Q_OBJECT

    MainUnit *w = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;

    void uebernehmen(Cup &&cup)
    {
        w->cup().uebernehmen(std::move(cup));
        w->neuAnzeigen();
    }
    void laden()
    {
        QVERIFY(w->ladeDatei(kBeispiel));
        w->aktualisieren();
    }

    // A release of the right button over a cell opens its context menu, as the mouse does it.
    void rechtsklick(Gitter *g, int sp, int ze)
    {
        QWidget *seite = g->parentWidget();
        while (seite && seite->parentWidget() && !qobject_cast<QTabWidget *>(seite->parentWidget()->parentWidget()))
            seite = seite->parentWidget();
        w->seiten()->setCurrentWidget(seite);
        QApplication::processEvents();
        QPoint p;
        QWidget *ziel = g->zellenZiel(sp, ze, &p);
        QVERIFY2(ziel, qPrintable(QStringLiteral("Zelle %1/%2 nicht sichtbar").arg(sp).arg(ze)));
        QTest::mouseClick(ziel, Qt::RightButton, Qt::NoModifier, p);
    }
    // Clicks the item of an open popup menu; a submenu opens and is returned.
    QMenu *waehlen(const char *menuName, const char *aktion)
    {
        QMenu *menu = w->menue(QString::fromLatin1(menuName));
        if (!menu || !menu->isVisible())
            return nullptr;
        QAction *a = w->aktion(QString::fromLatin1(aktion));
        if (!a)
            a = menu->findChild<QAction *>(QString::fromLatin1(aktion));
        if (!a)
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
        return a->menu();
    }

    QString druckerAufPdf(const QString &name)
    {
        const QString p = m_dir->filePath(name);
        w->drucker().setOutputFormat(QPrinter::PdfFormat);
        w->drucker().setOutputFileName(p);
        return p;
    }

private slots:
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
        m_dir = std::make_unique<QTemporaryDir>();
        w = new MainUnit;
        w->resize(1200, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        for (const char *n : {"laufe_pop", "teil_pop", "laufe_pop_u"})
            if (QMenu *menu = w->menue(QString::fromLatin1(n)))
                menu->hide();
        w->cup().edit(Cup::Stand::Gesichert);
        delete w;
        w = nullptr;
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QStringLiteral("unerwartet"), qPrintable(e.titel + e.text));
    }

    // ------------------------------------------------------------ certificates

    void gesamturkundenImStil2DruckenNichts()
    {
        laden();
        w->cup().urkundenstil = 2;
        const QString pdf = druckerAufPdf(QStringLiteral("stil2.pdf"));
        w->laufeGitter()->setAktuelleZelle(6, 1); // scrolls the last race into view
        setNextAnswer(Antwort::Ok);
        rechtsklick(w->laufeGitter(), 6, 1);
        QMenu *urk = waehlen("laufe_pop", "laufe_pop_u");
        QVERIFY(urk);
        QTRY_VERIFY(urk->isVisible());
        waehlen("laufe_pop_u", "laufe_pop_u_g");
        // No print job (no file from the PDF printer), and the user is told why.
        QVERIFY(!QFile::exists(pdf));
        const auto warnungen = eintraege(QStringLiteral("warnung"));
        QCOMPARE(warnungen.size(), 1);
        QCOMPARE(warnungen[0].text, kKeineGesamturkunde.arg(urkundenstile().at(2)));
    }

    void teilnahmeurkundeNimmtDieGetippteNummerWieGetippt()
    {
        Cup cup = cupMitNamen({{"Adler", "Tom"}, {"Berg", "Uwe"}, {"Clemens", "Jan"}});
        cup.teil.setCell(Teilspalte::Startnummer, 1, QStringLiteral("30"));
        cup.teil.setCell(Teilspalte::Startnummer, 2, QStringLiteral("31"));
        cup.teil.setCell(Teilspalte::Startnummer, 3, QStringLiteral("5"));
        for (int r = 1; r <= 3; ++r)
            cup.teil.setCell(Cup::ergebnisspalte(1), r, QStringLiteral("0:20'00,00\""));
        uebernehmen(std::move(cup));
        const QString pdf = druckerAufPdf(QStringLiteral("teilnahme.pdf"));
        rechtsklick(w->laufeGitter(), 1, 1);
        QMenu *urk = waehlen("laufe_pop", "laufe_pop_u");
        QTRY_VERIFY(urk && urk->isVisible());
        waehlen("laufe_pop_u", "laufe_pop_tl");
        auto *t = w->findChild<TeilWahlUnit *>(QStringLiteral("teil_wahl"));
        QTRY_VERIFY(t->isVisible());
        QString gewaehlt;
        connect(t, &TeilWahlUnit::gewaehlt, this, [&](const QString &, const QString &s) { gewaehlt = s; });
        // "3" is nobody's number: it must not become 30 from the list.
        QComboBox *box = t->teil_wahl_box();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("3"));
        QCOMPARE(box->currentText(), QStringLiteral("3"));
        setNextAnswer(Antwort::Ok);
        QTest::mouseClick(t->klick(), Qt::LeftButton);
        QCOMPARE(gewaehlt, QStringLiteral("3"));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(eintraege(QStringLiteral("warnung")).size(), 1);
        QCOMPARE(eintraege(QStringLiteral("warnung"))[0].text, kKeineUrkunde);
    }

    void einstellungsdialogeNurUeberDemHauptfenster()
    {
        w->aktion(QStringLiteral("m_e_u"))->trigger();
        w->aktion(QStringLiteral("m_e_h"))->trigger();
        for (const char *name : {"urkunden", "html"}) {
            auto *d = w->findChild<QDialog *>(QString::fromLatin1(name));
            QVERIFY(d);
            QTRY_VERIFY(d->isVisible());
            QVERIFY2(!(d->windowFlags() & Qt::WindowStaysOnTopHint), name);
            // A dialog of the main window: the window system keeps it above that window only.
            QCOMPARE(d->parentWidget(), w);
            QVERIFY(d->windowHandle());
            QCOMPARE(d->windowHandle()->transientParent(), w->windowHandle());
        }
    }

    // ------------------------------------------------------------ entering data

    void speichernOhnePflichtfeldSagtWelches()
    {
        uebernehmen(cupMitNamen({{"Adler", "Tom"}}));
        w->aktion(QStringLiteral("teil_pop_h"))->trigger();
        BeaTeil *d = bea_teil(*w);
        QTRY_VERIFY(d->isVisible());
        auto *hinweis = d->findChild<QLabel *>(QStringLiteral("hinweis"));
        QVERIFY(hinweis);
        QVERIFY(hinweis->text().isEmpty());
        QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("name")), QStringLiteral("Zander"));
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("speichern")), Qt::LeftButton);
        // Nothing stored, the first missing field named and focused.
        QCOMPARE(w->cup().anzahlTeilnehmer(), 1);
        QVERIFY2(hinweis->text().contains(QStringLiteral("„Vorname“")), qPrintable(hinweis->text()));
        QTRY_COMPARE(QApplication::focusWidget(), d->findChild<QLineEdit *>(QStringLiteral("vorname")));
        QVERIFY(protokoll().isEmpty());

        // The race dialog names its missing race type.
        w->aktion(QStringLiteral("laufe_pop_h"))->trigger();
        BeaLauf *l = bea_lauf(*w);
        QTRY_VERIFY(l->isVisible());
        QTest::mouseClick(l->findChild<QPushButton *>(QStringLiteral("speichern")), Qt::LeftButton);
        QVERIFY(l->findChild<QLabel *>(QStringLiteral("hinweis"))->text().contains(QStringLiteral("„Lauftyp“")));
        QTRY_COMPARE(QApplication::focusWidget(), l->findChild<QComboBox *>(QStringLiteral("lauftyp")));
        QCOMPARE(w->cup().anzahlLaufe(), 1);
    }

    void cupVariationOhneStreckeSagtEs()
    {
        w->aktion(QStringLiteral("cv_pop_h"))->trigger();
        BeaCup *d = w->bea_cup();
        QTRY_VERIFY(d->isVisible());
        d->name->clear();
        d->strecke->clear();
        d->zeit->clear();
        QTest::keyClicks(d->name, QStringLiteral("Staffel"));
        QTest::mouseClick(d->speichern, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QVERIFY(d->findChild<QLabel *>(QStringLiteral("hinweis"))->text().contains(QStringLiteral("„Strecke“")));
        QTRY_COMPARE(QApplication::focusWidget(), d->strecke);
    }

    void schnelleingabeSagtUnbekannteStartnummer()
    {
        uebernehmen(cupMitNamen({{"Adler", "Tom"}}));
        w->laufeGitter()->setAktuelleZelle(1, 1);
        w->aktion(QStringLiteral("laufe_pop_e"))->trigger();
        BeaErg *d = bea_erg(*w);
        QTRY_VERIFY(d->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto *sn = d->findChild<QLineEdit *>(QStringLiteral("sn"));
        auto *name = d->findChild<QLabel *>(QStringLiteral("name"));
        QTRY_COMPARE(QApplication::focusWidget(), sn);
        QTest::keyClicks(sn, QStringLiteral("77"));
        QTest::keyClick(sn, Qt::Key_Return);
        QCOMPARE(name->text(), QStringLiteral("Startnummer nicht gefunden"));
        // The number stays, selected, for typing it again.
        QCOMPARE(QApplication::focusWidget(), sn);
        QCOMPARE(sn->selectedText(), QStringLiteral("77"));
        // A number that exists shows the name again.
        QTest::keyClicks(sn, QStringLiteral("1"));
        QTest::keyClick(sn, Qt::Key_Return);
        QCOMPARE(name->text(), QStringLiteral("Adler, Tom"));
    }

    void zahlenfelderNehmenGetippteZiffern()
    {
        // The race dialog: eight helpers typed, not eight presses of the Up arrow.
        w->aktion(QStringLiteral("laufe_pop_h"))->trigger();
        BeaLauf *l = bea_lauf(*w);
        QTRY_VERIFY(l->isVisible());
        auto *helfer = l->findChild<QSpinBox *>(QStringLiteral("helferW"));
        helfer->setFocus();
        helfer->selectAll();
        QTest::keyClicks(helfer, QStringLiteral("8"));
        QCOMPARE(helfer->value(), 8);
        // Beyond the range (0-100) a digit is not taken; emptied and confirmed, the field keeps its number.
        QTest::keyClicks(helfer, QStringLiteral("88"));
        QCOMPARE(helfer->value(), 88);
        helfer->selectAll();
        QTest::keyClick(helfer, Qt::Key_Backspace);
        QTest::keyClick(helfer, Qt::Key_Return);
        QCOMPARE(helfer->value(), 88);
        QCOMPARE(helfer->text(), QStringLiteral("88"));
        l->hide();

        // The main window: with three races the minimum typed as 3 raises the maximum (minChange).
        Cup cup;
        for (int i = 1; i <= 3; ++i)
            test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("0%1.05.2026").arg(i), QStringLiteral("ja"));
        cup.edit(Cup::Stand::Gesichert);
        uebernehmen(std::move(cup));
        w->seiten()->setCurrentIndex(0);
        QSpinBox *min = w->minW();
        min->setFocus();
        min->selectAll();
        QTest::keyClicks(min, QStringLiteral("3"));
        QTest::keyClick(min, Qt::Key_Return);
        QCOMPARE(w->cup().min, 3);
        QCOMPARE(w->cup().max, 3);
        QCOMPARE(w->maxW()->value(), 3);
        QVERIFY(w->cup().geaendert);
        // More than the races: brought back to 3, as the spinner would be.
        min->selectAll();
        QTest::keyClicks(min, QStringLiteral("2"));
        QTest::keyClick(min, Qt::Key_Return);
        min->selectAll();
        QTest::keyClicks(min, QStringLiteral("9"));
        QTest::keyClick(min, Qt::Key_Return);
        QCOMPARE(w->cup().min, 3);
        QCOMPARE(min->value(), 3);
        min->selectAll();
        QTest::keyClicks(min, QStringLiteral("2"));
        QTest::keyClick(min, Qt::Key_Return);
        QCOMPARE(w->cup().min, 2);
        QCOMPARE(w->cup().max, 3);
    }

    void langerGespeicherterTextBehaeltSchreibmarke()
    {
        Cup cup;
        cup.cv.setRowCount(1);
        test::laufAnhaengen(cup, kZeitlauf, QStringLiteral("02.03.2026"), QStringLiteral("5000m"));
        cup.laufe.setCell(1, Laufzeile::Zeitmessung, QStringLiteral("Strecke vermessen am 02.03.2026"));
        cup.edit(Cup::Stand::Gesichert);
        uebernehmen(std::move(cup));
        w->laufeGitter()->setAktuelleZelle(1, 1);
        w->aktion(QStringLiteral("laufe_pop_b"))->trigger();
        BeaLauf *l = bea_lauf(*w);
        QTRY_VERIFY(l->isVisible());
        auto *feld = l->findChild<QLineEdit *>(QStringLiteral("zeitmessung"));
        QCOMPARE(feld->text(), QStringLiteral("Strecke vermessen am 02.03.2026"));
        feld->setFocus();
        feld->setCursorPosition(20); // after "am"
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClick(feld, Qt::Key_Backspace);
        QCOMPARE(feld->text(), QStringLiteral("Strecke vermessen  02.03.2026"));
        QCOMPARE(feld->cursorPosition(), 18);
        // The field's own undo brings the letters back.
        QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(feld->text().startsWith(QStringLiteral("Strecke vermessen a")));
        QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(feld->text(), QStringLiteral("Strecke vermessen am 02.03.2026"));
        // Typing never makes it longer than it is (31, above the limit of 29) …
        QTest::keyClicks(feld, QStringLiteral("xy"));
        QCOMPARE(feld->text().size(), 31);
        // … and once it is short enough, the limit holds again.
        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("0123456789012345678901234567890123"));
        QCOMPARE(feld->text().size(), 29);
    }

    void cupVariationPrueftNichtBeimFensterwechsel()
    {
        w->aktion(QStringLiteral("cv_pop_h"))->trigger();
        BeaCup *d = w->bea_cup();
        QTRY_VERIFY(d->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(d));
        d->zeit->clear();
        d->zeit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(d->zeit, QStringLiteral("1300"));
        // Clicking the main window only deactivates the dialog: the typed text stays.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(d->zeit->text(), QStringLiteral("1300"));
        // Moving on within the dialog checks it.
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTRY_COMPARE(QApplication::focusWidget(), d->zeit);
        QTest::keyClick(d->zeit, Qt::Key_Tab);
        QCOMPARE(d->zeit->text(), QStringLiteral("0:00'13,00\""));
    }

    void dialogeMindestensInIhrerGroesseUndMittig()
    {
        w->aktion(QStringLiteral("laufe_pop_h"))->trigger();
        w->aktion(QStringLiteral("teil_pop_h"))->trigger();
        const QRect frei = w->screen()->availableGeometry();
        for (auto [d, groesse] : {std::pair<QWidget *, QSize>{bea_lauf(*w), QSize(617, 484)},
                                  std::pair<QWidget *, QSize>{bea_teil(*w), QSize(312, 296)}}) {
            QTRY_VERIFY(d->isVisible());
            QVERIFY2(d->width() >= groesse.width() && d->height() >= groesse.height(), qPrintable(d->objectName()));
            const QPoint mitte = d->frameGeometry().center();
            QVERIFY2(qAbs(mitte.x() - frei.center().x()) <= 2 && qAbs(mitte.y() - frei.center().y()) <= 2,
                     qPrintable(d->objectName()));
        }
    }

    void ergebniszelleMitEingabeOhneFremdenEditor()
    {
        Cup cup = cupMitNamen({{"Adler", "Tom"}});
        uebernehmen(std::move(cup));
        w->aktion(QStringLiteral("teil_pop_h"))->trigger();
        BeaTeil *d = bea_teil(*w);
        QTRY_VERIFY(d->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto *erg = d->findChild<Ergebnistabelle *>(QStringLiteral("erg"));
        erg->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), erg);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("commitData")));
        // The first key opens the cell's editor, Enter stores it there.
        QTest::keyClick(erg, Qt::Key_3);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != erg);
        QTest::keyClicks(editor, QStringLiteral("512"));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        QTRY_COMPARE(erg->item(0, 1)->text(), QStringLiteral("0:00'35,12\""));
    }

    // ------------------------------------------------------------ the window

    void schliessfrageHatNeinAlsVorgabe()
    {
        w->nameFeld()->setText(QStringLiteral("ungesichert"));
        setTestmodus(false);
        QString vorgabe;
        // The real box: Enter presses its default button.
        auto beantworten = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            vorgabe = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, Qt::Key_Return);
        };
        QTimer::singleShot(50, this, beantworten);
        QVERIFY(!w->close());
        QCOMPARE(vorgabe, QStringLiteral("&Nein"));
        QVERIFY(w->isVisible());
        // The same from "E&xit".
        vorgabe.clear();
        QTimer::singleShot(50, this, beantworten);
        w->aktion(QStringLiteral("m_d_x"))->trigger();
        QCOMPARE(vorgabe, QStringLiteral("&Nein"));
        QVERIFY(w->isVisible());
        setTestmodus(true);
    }

    void seitenMitDerTastatur()
    {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(w->seiten()->currentIndex(), 2);
        QTest::keyClick(w, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(w->seiten()->currentIndex(), 1);
        // Ctrl+PgDn/PgUp while the grid has the focus; the hidden page "Bilder" is skipped.
        w->laufeGitter()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), w->laufeGitter());
        QTest::keyClick(w->laufeGitter(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->seiten()->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->seiten()->currentIndex(), 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w->seiten()->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w->seiten()->currentIndex(), 3);
    }

    void teilnehmerSuchen()
    {
        Cup cup = cupMitNamen({{"Adler", "Tom"},
                               {"Berger", "Uwe"},
                               {"Clemens", "Jan"},
                               {"Lindberg", "Eva"},
                               {"Meier", "Anna"},
                               {"Nolte", "Kai"},
                               {"Otto", "Ben"}});
        uebernehmen(std::move(cup));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->seiten()->setCurrentIndex(2);
        Gitter *g = w->teilGitter();
        g->setFocus();
        g->setAktuelleZelle(3, 1);
        QTRY_COMPARE(QApplication::focusWidget(), g);
        QTest::keyClick(g, Qt::Key_F, Qt::ControlModifier);
        Teilnehmersuche *s = w->teilnehmersuche();
        QVERIFY(s->isVisible());
        QCOMPARE(QApplication::focusWidget(), s->feld());
        // Part of a name, case-insensitive; the column stays.
        QTest::keyClicks(s->feld(), QStringLiteral("berg"));
        QCOMPARE(g->aktZeile(), 2);
        QCOMPARE(g->aktSpalte(), 3);
        QTest::keyClick(s->feld(), Qt::Key_Return);
        QCOMPARE(g->aktZeile(), 4);
        QTest::keyClick(s->feld(), Qt::Key_Return);
        QCOMPARE(g->aktZeile(), 2);
        // A start number as typed: 7 finds 007.
        s->feld()->selectAll();
        QTest::keyClicks(s->feld(), QStringLiteral("7"));
        QCOMPARE(g->aktZeile(), 7);
        s->feld()->selectAll();
        QTest::keyClicks(s->feld(), QStringLiteral("Zander"));
        QCOMPARE(g->aktZeile(), 7);
        QCOMPARE(s->meldung(), QStringLiteral("nicht gefunden"));
        QTest::keyClick(s->feld(), Qt::Key_Escape);
        QVERIFY(!s->isVisible());
        QCOMPARE(QApplication::focusWidget(), g);
        // Ctrl+F is a key of page "Teilnehmer" only.
        w->seiten()->setCurrentIndex(1);
        w->laufeGitter()->setFocus();
        QTest::keyClick(w->laufeGitter(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!s->isVisible());
    }

    void teilnehmerFindenUmlaufend_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ab");
        QTest::addColumn<int>("zeile");
        QTest::newRow("Nachname") << "lind" << 1 << 4;
        QTest::newRow("Vorname") << "anna" << 1 << 5;
        QTest::newRow("Vor- und Nachname") << "Eva Lind" << 1 << 4;
        QTest::newRow("ab der aktuellen Zeile") << "e" << 3 << 3;
        QTest::newRow("über das Ende hinaus") << "Adler" << 5 << 1;
        QTest::newRow("Startnummer ohne Nullen") << "2" << 1 << 2;
        QTest::newRow("Startnummer mit Nullen") << "0005" << 1 << 5;
        QTest::newRow("keine Nummer") << "99" << 1 << -1;
        QTest::newRow("leer") << "  " << 1 << -1;
    }
    void teilnehmerFindenUmlaufend()
    {
        QFETCH(QString, text);
        QFETCH(int, ab);
        QFETCH(int, zeile);
        const Cup cup = cupMitNamen(
            {{"Adler", "Tom"}, {"Berger", "Uwe"}, {"Clemens", "Jan"}, {"Lindberg", "Eva"}, {"Meier", "Anna"}});
        QCOMPARE(teilnehmerFinden(cup, text, ab), zeile);
    }

    void spaltenUndListenZeigenIhrenText()
    {
        Cup cup = cupMitNamen({{"Adler", "Tom"}, {"Berg", "Uwe"}});
        cup.teil.setCell(Teilspalte::Verein, 2, QStringLiteral("LG Wattenscheid-Höntrop 1901 e.V."));
        cup.teil.setCell(Cup::ergebnisspalte(1), 1, QStringLiteral("1:05'35,12\""));
        uebernehmen(std::move(cup));
        Gitter *g = w->teilGitter();
        const int c = Cup::ergebnisspalte(1);
        // The race date heading, also when it is current (bold), and a result fit their column.
        QFont fett = g->horizontalHeader()->font();
        fett.setBold(true);
        const int rand = 2 * g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, g->horizontalHeader());
        QVERIFY(g->columnWidth(c) > QFontMetrics(fett).horizontalAdvance(QStringLiteral("03.06.2026")) + rand);
        QVERIFY(g->columnWidth(c) > g->fontMetrics().horizontalAdvance(QStringLiteral("1:05'35,12\"")));
        QVERIFY(g->columnWidth(c) >= 75);
        // The club chooser of the participant dialog is as wide as its longest club.
        w->aktion(QStringLiteral("teil_pop_h"))->trigger();
        BeaTeil *d = bea_teil(*w);
        QTRY_VERIFY(d->isVisible());
        auto *vereinS = d->findChild<QComboBox *>(QStringLiteral("vereinS"));
        const int text = vereinS->fontMetrics().horizontalAdvance(QStringLiteral("LG Wattenscheid-Höntrop 1901 e.V."));
        QVERIFY(vereinS->findText(QStringLiteral("LG Wattenscheid-Höntrop 1901 e.V.")) >= 0);
        QVERIFY2(vereinS->width() > text, qPrintable(QStringLiteral("%1 <= %2").arg(vereinS->width()).arg(text)));
        QVERIFY(vereinS->view()->minimumWidth() > text);
    }

    void exportSchlaegtNamenVorUndMeldetDenOrt()
    {
        const QString cupDatei = m_dir->filePath(QStringLiteral("cup.tl3"));
        QVERIFY(QFile::copy(kBeispiel, cupDatei));
        QVERIFY(w->ladeDatei(cupDatei));
        w->aktualisieren();
        const QString html = m_dir->filePath(QStringLiteral("Lauf_3_Ergebnisliste.htm"));
        setNextFileName(html);
        rechtsklick(w->laufeGitter(), 3, 1);
        QMenu *s = waehlen("laufe_pop", "laufe_pop_s");
        QTRY_VERIFY(s && s->isVisible());
        waehlen("laufe_pop_s", "laufe_pop_s_h");
        const auto dialoge = eintraege(QStringLiteral("speichern"));
        QCOMPARE(dialoge.size(), 1);
        QCOMPARE(dialoge[0].vorschlag, html);
        QVERIFY(QFile::exists(html));
        QVERIFY(w->statusBar()->currentMessage().contains(QDir::toNativeSeparators(html)));

        // The finish list of race 2 as PDF, from its own submenu.
        const QString einlauf = m_dir->filePath(QStringLiteral("Lauf_2_Einlaufliste.pdf"));
        setNextFileName(einlauf);
        w->menue(QStringLiteral("laufe_pop"))->hide();
        rechtsklick(w->laufeGitter(), 2, 1);
        QMenu *f = waehlen("laufe_pop", "laufe_pop_f");
        QTRY_VERIFY(f && f->isVisible());
        waehlen("laufe_pop_f", "laufe_pop_f_p");
        QCOMPARE(eintraege(QStringLiteral("speichern")).size(), 2);
        QCOMPARE(eintraege(QStringLiteral("speichern"))[1].vorschlag, einlauf);
        QVERIFY(QFile::exists(einlauf));
        QVERIFY(w->statusBar()->currentMessage().contains(QDir::toNativeSeparators(einlauf)));

        // The standings as PDF.
        const Dateiauswahl pdf = savepdf(w->cup(), QStringLiteral("Gesamtwertung_nach_Lauf_6"));
        QCOMPARE(pdf.verzeichnis, m_dir->filePath(QStringLiteral("Gesamtwertung_nach_Lauf_6.pdf")));
        // Without a cup file: the name alone.
        Cup neu;
        QCOMPARE(savehtml(neu, QStringLiteral("Lauf 2/3")).verzeichnis, QStringLiteral("Lauf_2_3.htm"));
    }
};

QTEST_MAIN(TstBedienung)
#include "tst_bedienung.moc"
