#include "core/cup.h"
#include "core/sortierung.h"
#include "support/berichtscups.h"
#include "ui/bea_ag_unit.h"
#include "ui/bea_cup_unit.h"
#include "ui/bea_pv_unit.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace tlt;
using namespace tlt::ui;

namespace {
const QString m = QStringLiteral("männlich");
const QString f = QStringLiteral("weiblich");

QStringList spalte(const Tabelle &t, int c)
{
    QStringList l;
    for (int r = 1; r < t.rowCount(); ++r)
        l << t.cell(c, r);
    return l;
}

int zeileMit(const Tabelle &t, int c, const QString &text)
{
    for (int r = 1; r < t.rowCount(); ++r)
        if (t.cell(c, r) == text)
            return r;
    return -1;
}
} // namespace

class TstEinstellungen : public QObject {
    Q_OBJECT

    MainUnit *w = nullptr;
    Cup &cup() { return w->cup(); }

    void laeufe(int n)
    {
        for (int i = 0; i < n; ++i)
            test::laufAnhaengen(cup(), kZeitlauf, QStringLiteral("%1.06.2026").arg(i + 10), QStringLiteral("ja"));
        laufesort(cup());
        w->aktualisieren();
    }
    void teilnehmer(const QString &name, const QString &geschlecht, const QString &ag, const QString &cv)
    {
        test::teilnehmerAnhaengen(cup(), {name, QStringLiteral("V"), QStringLiteral("01.01.1980"), geschlecht,
                                          QStringLiteral("TV"), ag, cv},
                                  {});
        teilsort(cup(), Richtung::Aufsteigend, 0);
        w->aktualisieren();
    }
    // Types into a field and leaves it, as the user does.
    void tippen(QLineEdit *e, const QString &text)
    {
        e->selectAll();
        QTest::keyClicks(e, text);
        // Leaving the field (window focus is not dependable on the offscreen platform).
        QFocusEvent raus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &raus);
    }
    QString letzteMeldung() const { return protokoll().isEmpty() ? QString() : protokoll().last().text; }

private slots:
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
        w = new MainUnit;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        cup().edit(Cup::Stand::Gesichert);
        delete w;
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QStringLiteral("unerwartet"), qPrintable(e.text));
    }

    void cupVariationDialog()
    {
        BeaCup *d = w->bea_cup();
        QCOMPARE(d->objectName(), QStringLiteral("bea_cup"));
        w->cv_pop_hClick();
        QVERIFY(d->isVisible());
        QVERIFY(!d->isModal());
        QCOMPARE(d->windowTitle(), QStringLiteral("Cup-Variation hinzufügen"));
        QCOMPARE(d->speichern->text(), QStringLiteral("Cup-Variation speichern"));
        QCOMPARE(d->name->maxLength(), 31);
        QCOMPARE(d->findChild<QLabel *>(QStringLiteral("streckeT"))->text(),
                 QStringLiteral("Strecke für Zeitlauflauf (in xxxxxm):"));
        QCOMPARE(d->findChild<QLabel *>(QStringLiteral("zeitT"))->text(),
                 QStringLiteral("Zeit für Distanzlauf (in h:mm'ss,h\"):"));
        QVERIFY(d->width() >= 312 && d->height() >= 181);
        // The checks run when a field is left.
        tippen(d->name, QStringLiteral("D-Cup"));
        tippen(d->strecke, QStringLiteral("21.100 m"));
        QCOMPARE(d->strecke->text(), QStringLiteral("21100m"));
        tippen(d->zeit, QStringLiteral("13000"));
        QCOMPARE(d->zeit->text(), QStringLiteral("0:01'30,00\""));
        QTest::mouseClick(d->speichern, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(spalte(cup().cv, 0), QStringList({"A-Cup", "B-Cup", "C-Cup", "D-Cup"}));
        QCOMPARE(cup().cv.cell(1, 4), QStringLiteral("21100m"));
        QVERIFY(cup().geaendert);
        QCOMPARE(w->cvGitter()->model()->rowCount(), 4);
        // Opening again keeps the last contents.
        w->cv_pop_hClick();
        QCOMPARE(d->name->text(), QStringLiteral("D-Cup"));
    }

    void unvollstaendigWirdNichtGespeichert_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("strecke");
        QTest::addColumn<QString>("zeit");
        QTest::newRow("ohne Name") << "" << "5000" << "20000";
        QTest::newRow("ohne Strecke") << "X" << "" << "20000";
        QTest::newRow("ungültige Zeit") << "X" << "5000" << "99";
    }
    void unvollstaendigWirdNichtGespeichert()
    {
        QFETCH(QString, name);
        QFETCH(QString, strecke);
        QFETCH(QString, zeit);
        BeaCup *d = w->bea_cup();
        w->cv_pop_hClick();
        d->name->setText(name);
        tippen(d->strecke, strecke);
        tippen(d->zeit, zeit);
        d->speichernClick();
        QVERIFY(d->isVisible());
        QCOMPARE(cup().cv.rowCount(), 4);
        QVERIFY(protokoll().isEmpty());
    }

    void ersteVariationMitLaeufenFragt()
    {
        cup().cv.setRowCount(1);
        laeufe(2);
        cup().laufe.setCell(1, 3, QStringLiteral("10000m"));
        cup().laufe.setCell(2, 3, QStringLiteral("5000m"));
        BeaCup *d = w->bea_cup();
        w->cv_pop_hClick();
        d->name->setText(QStringLiteral("Hauptlauf"));
        tippen(d->strecke, QStringLiteral("10000"));
        tippen(d->zeit, QStringLiteral("1000000"));
        setNextAnswer(Antwort::Nein);
        d->speichernClick();
        QCOMPARE(protokoll().last().art, QStringLiteral("frage"));
        QCOMPARE(letzteMeldung(), QStringLiteral("Es sind bereits Läufe eingetragen!\n\rSollen die "
                                                 "Zeit/Distanz-Eintragungen gelöscht werden!"));
        QCOMPARE(cup().cv.rowCount(), 1);
        QCOMPARE(cup().laufe.cell(1, 3), QStringLiteral("10000m"));
        QVERIFY(d->isVisible());
        setNextAnswer(Antwort::Ja);
        d->speichernClick();
        QCOMPARE(cup().cv.rowCount(), 2);
        QCOMPARE(cup().laufe.cell(1, 3), QString());
        QCOMPARE(cup().laufe.cell(2, 3), QString());
        QVERIFY(!d->isVisible());
        // The second variation is added without a question.
        const int n = protokoll().size();
        w->cv_pop_hClick();
        d->name->setText(QStringLiteral("Kurz"));
        d->speichernClick();
        QCOMPARE(protokoll().size(), n);
        QCOMPARE(cup().cv.rowCount(), 3);
    }

    void variationUmbenennen()
    {
        teilnehmer(QStringLiteral("Adler"), m, QStringLiteral("M40"), QStringLiteral("A-Cup"));
        teilnehmer(QStringLiteral("Berg"), f, QStringLiteral("F40"), QStringLiteral("B-Cup"));
        teilnehmer(QStringLiteral("Clemens"), f, QStringLiteral("F40"), QStringLiteral("A-Cup"));
        BeaCup *d = w->bea_cup();
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_bClick();
        QCOMPARE(d->windowTitle(), QStringLiteral("Cup-Variation bearbeiten"));
        QCOMPARE(d->name->text(), QStringLiteral("A-Cup"));
        QCOMPARE(d->zeit->text(), QStringLiteral("1:00'00,0\""));
        // The selection moves while the dialog is open: the save still goes to A-Cup's row.
        w->cvGitter()->setAktuelleZelle(0, 3);
        tippen(d->name, QStringLiteral("Z-Cup"));
        d->speichernClick();
        QCOMPARE(spalte(cup().cv, 0), QStringList({"B-Cup", "C-Cup", "Z-Cup"}));
        // The time the user did not touch is kept as stored.
        QCOMPARE(cup().cv.cell(2, 3), QStringLiteral("1:00'00,0\""));
        QCOMPARE(spalte(cup().teil, 7), QStringList({"Z-Cup", "B-Cup", "Z-Cup"}));
        QVERIFY(cup().geaendert);
        QCOMPARE(w->teilGitter()->model()->index(0, 7).data().toString(), QStringLiteral("Z-Cup"));
    }

    // A cup file may hold longer texts than the fields let the user type; editing must not cut them.
    void bearbeitenBehaeltLangeTexte()
    {
        const QString langerName = QStringLiteral("Volkslauf-Cup der Sparkasse Mühlbach-Talheim");
        cup().cv.setCell(0, 1, langerName);
        const QString langesLabel = QStringLiteral("Senioren 80+");
        cup().ag.setCell(0, 14, langesLabel);
        w->aktualisieren();

        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_bClick();
        QCOMPARE(w->bea_cup()->name->text(), langerName);
        w->bea_cup()->speichernClick();
        QCOMPARE(cup().cv.cell(0, zeileMit(cup().cv, 0, langerName)), langerName);
        // Typing still stops at the limit.
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_hClick();
        tippen(w->bea_cup()->name, QString(40, QLatin1Char('x')));
        QCOMPARE(w->bea_cup()->name->text().size(), 31);
        w->bea_cup()->hide();

        w->agGitter()->setAktuelleZelle(0, 14);
        w->ag_pop_bClick();
        QCOMPARE(w->bea_ag()->weib->text(), langesLabel);
        w->bea_ag()->speichernClick();
        QCOMPARE(cup().ag.cell(0, 14), langesLabel);
    }

    void bearbeitungFolgtGeloeschterZeile()
    {
        BeaCup *d = w->bea_cup();
        w->cvGitter()->setAktuelleZelle(0, 3);
        w->cv_pop_bClick();
        QCOMPARE(d->name->text(), QStringLiteral("C-Cup"));
        // Another variation is deleted while the dialog is open: C-Cup moves up a row.
        w->cvGitter()->setAktuelleZelle(0, 1);
        setNextAnswer(Antwort::Ja);
        w->cv_pop_lClick();
        tippen(d->strecke, QStringLiteral("4000"));
        d->speichernClick();
        QCOMPARE(spalte(cup().cv, 0), QStringList({"B-Cup", "C-Cup"}));
        QCOMPARE(spalte(cup().cv, 1), QStringList({"5000m", "4000m"}));
        // If its own row is gone, saving says so, changes nothing and keeps what was typed.
        w->cv_pop_bClick();
        QCOMPARE(d->name->text(), QStringLiteral("B-Cup"));
        setNextAnswer(Antwort::Ja);
        w->cv_pop_lClick();
        tippen(d->strecke, QStringLiteral("1"));
        setNextAnswer(Antwort::Ok);
        d->speichernClick();
        QCOMPARE(spalte(cup().cv, 0), QStringList({"C-Cup"}));
        QCOMPARE(spalte(cup().cv, 1), QStringList({"4000m"}));
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Die Cup-Variation, die bearbeitet werden sollte, ist nicht mehr vorhanden."));
        QVERIFY(d->isVisible());
    }

    void variationLoeschen()
    {
        w->cvGitter()->setAktuelleZelle(0, 2);
        setNextAnswer(Antwort::Nein);
        w->cv_pop_lClick();
        QCOMPARE(letzteMeldung(), QStringLiteral("Sind Sie sicher, dass Sie die Cup-Variation (B-Cup) löschen wollen?"));
        QCOMPARE(cup().cv.rowCount(), 4);
        QVERIFY(!cup().geaendert);
        setNextAnswer(Antwort::Ja);
        w->cv_pop_lClick();
        QCOMPARE(spalte(cup().cv, 0), QStringList({"A-Cup", "C-Cup"}));
        QVERIFY(cup().geaendert);
        // Without races every variation can go.
        setNextAnswer(Antwort::Ja);
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_lClick();
        setNextAnswer(Antwort::Ja);
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_lClick();
        QCOMPARE(cup().cv.rowCount(), 1);
    }

    void variationLoeschenVerweigert()
    {
        teilnehmer(QStringLiteral("Adler"), m, QStringLiteral("M40"), QStringLiteral("C-Cup"));
        w->cvGitter()->setAktuelleZelle(0, 3);
        setNextAnswer(Antwort::Ok);
        w->cv_pop_lClick();
        QCOMPARE(protokoll().last().art, QStringLiteral("warnung"));
        QCOMPARE(letzteMeldung(), QStringLiteral("Es sind noch Teilnehmer in der Cup-Variation (C-Cup)!\r\nSie müssen "
                                                 "diese erst löschen bevor Sie Cup-Variationen löschen können!"));
        QCOMPARE(cup().cv.rowCount(), 4);

        // With races, two variations must remain.
        laeufe(1);
        setNextAnswer(Antwort::Ja);
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_lClick();
        QCOMPARE(cup().cv.rowCount(), 3);
        setNextAnswer(Antwort::Ok);
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_lClick();
        QCOMPARE(letzteMeldung(), QStringLiteral("Es sind bereits Cup-Läufe eingetragen!\r\nSie müssen wenigstens zwei "
                                                 "Cup-Variationen beibehalten oder die Läufe löschen!"));
        QCOMPARE(cup().cv.rowCount(), 3);
    }

    void altersgruppeDialog()
    {
        BeaAg *d = w->bea_ag();
        w->ag_pop_hClick();
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("Altersgruppe hinzufügen"));
        // Shown at its own size at least, and the user may resize it.
        QVERIFY2(d->width() >= 320 && d->height() >= 215,
                 qPrintable(QStringLiteral("%1x%2").arg(d->width()).arg(d->height())));
        QVERIFY(d->minimumSize() != d->maximumSize());
        QCOMPARE(d->weib->maxLength(), 9);
        QCOMPARE(d->alterW->value(), 20);
        QCOMPARE(d->alterW->minimum(), 1);
        QCOMPARE(d->alterW->maximum(), 150);
        QCOMPARE(d->findChild<QLabel *>(QStringLiteral("weibT"))->text(),
                 QStringLiteral("Bezeichnungs dieser Altersgruppe (weiblich):"));
        QCOMPARE(d->speichern->text(), QStringLiteral("Altersgruppe speichern"));
        tippen(d->weib, QStringLiteral("F U25"));
        tippen(d->mann, QStringLiteral("M U25"));
        d->alterW->setValue(24);
        d->speichernClick();
        QVERIFY(!d->isVisible());
        QCOMPARE(cup().ag.rowCount(), 16);
        // Sorted by maximum age: after "F U23" (22), before "F" (29).
        QCOMPARE(cup().ag.cell(0, 9), QStringLiteral("F U25"));
        QCOMPARE(cup().ag.cell(2, 9), QStringLiteral("24"));
        QVERIFY(cup().geaendert);
    }

    void altersgruppeDopplung_data()
    {
        QTest::addColumn<QString>("weib");
        QTest::addColumn<QString>("mann");
        QTest::addColumn<int>("alter");
        QTest::newRow("gleiches Alter") << "X" << "Y" << 29;
        QTest::newRow("gleiche weibl.") << "F30" << "Y" << 33;
        QTest::newRow("gleiche männl.") << "X" << "M50" << 33;
    }
    void altersgruppeDopplung()
    {
        QFETCH(QString, weib);
        QFETCH(QString, mann);
        QFETCH(int, alter);
        BeaAg *d = w->bea_ag();
        w->ag_pop_hClick();
        d->weib->setText(weib);
        d->mann->setText(mann);
        d->alterW->setValue(alter);
        setNextAnswer(Antwort::Ok);
        d->speichernClick();
        QCOMPARE(protokoll().last().art, QStringLiteral("warnung"));
        QCOMPARE(letzteMeldung(), QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!"));
        QVERIFY(d->isVisible());
        QCOMPARE(cup().ag.rowCount(), 15);
    }

    void altersgruppeUmbenennen()
    {
        teilnehmer(QStringLiteral("Adler"), m, QStringLiteral("M40"), QStringLiteral("A-Cup"));
        teilnehmer(QStringLiteral("Berg"), f, QStringLiteral("F40"), QStringLiteral("A-Cup"));
        teilnehmer(QStringLiteral("Clemens"), f, QStringLiteral("F50"), QStringLiteral("A-Cup"));
        const int r = zeileMit(cup().ag, 0, QStringLiteral("F40"));
        w->agGitter()->setAktuelleZelle(0, r);
        BeaAg *d = w->bea_ag();
        w->ag_pop_bClick();
        QCOMPARE(d->windowTitle(), QStringLiteral("Altersgruppe bearbeiten"));
        QCOMPARE(d->weib->text(), QStringLiteral("F40"));
        QCOMPARE(d->mann->text(), QStringLiteral("M40"));
        QCOMPARE(d->alterW->value(), 49);
        w->agGitter()->setAktuelleZelle(0, 1);
        tippen(d->weib, QStringLiteral("W40"));
        tippen(d->mann, QStringLiteral("H40"));
        // No duplicate test in edit mode: keeping the same age is fine.
        d->speichernClick();
        QVERIFY(!d->isVisible());
        QCOMPARE(cup().ag.cell(0, r), QStringLiteral("W40"));
        QCOMPARE(cup().ag.cell(1, r), QStringLiteral("H40"));
        QCOMPARE(cup().ag.cell(0, 1), QStringLiteral("WK U8"));
        QCOMPARE(spalte(cup().teil, 5), QStringList({"H40", "W40", "F50"}));
        QVERIFY(protokoll().isEmpty());
    }

    void altersgruppeLoeschen()
    {
        teilnehmer(QStringLiteral("Adler"), m, QStringLiteral("M40"), QStringLiteral("A-Cup"));
        const int r = zeileMit(cup().ag, 1, QStringLiteral("M40"));
        w->agGitter()->setAktuelleZelle(1, r);
        setNextAnswer(Antwort::Ok);
        w->ag_pop_lClick();
        QCOMPARE(letzteMeldung(), QStringLiteral("Es sind noch Teilnehmer in der Altersgruppe!\r\nSie müssen diese erst "
                                                 "löschen bevor Sie Altersgruppen löschen können!"));
        QCOMPARE(cup().ag.rowCount(), 15);
        w->agGitter()->setAktuelleZelle(0, 1);
        setNextAnswer(Antwort::Ja);
        w->ag_pop_lClick();
        QCOMPARE(letzteMeldung(), QStringLiteral("Sind Sie sicher, dass Sie diese Altersgruppe löschen wollen?"));
        QCOMPARE(cup().ag.rowCount(), 14);
        QCOMPARE(cup().ag.cell(0, 1), QStringLiteral("WK U10"));
        // The last age group stays.
        Tabelle &ag = cup().ag;
        ag.setRowCount(2);
        w->aktualisieren();
        w->agGitter()->setAktuelleZelle(0, 1);
        setNextAnswer(Antwort::Ok);
        w->ag_pop_lClick();
        QCOMPARE(letzteMeldung(), QStringLiteral("Sie müssen wenigstens eine Altersgruppe eingetragen lassen!"));
        QCOMPARE(ag.rowCount(), 2);
    }

    void punkteHinzufuegen()
    {
        BeaPv *d = w->bea_pv();
        w->pv_pop_hClick();
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("Punktezahl hinzufügen"));
        QCOMPARE(d->hinzufugen->text(), QStringLiteral("Hinzufügen"));
        QCOMPARE(d->pzW->value(), 1);
        QCOMPARE(d->pzW->maximum(), 1000);
        d->pzW->setValue(21);
        QTest::mouseClick(d->hinzufugen, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(cup().pv.rowCount(), 22);
        QCOMPARE(cup().pv.cell(1, 1), QStringLiteral("21"));
        QCOMPARE(cup().pv.cell(0, 21), QStringLiteral("21"));
        QCOMPARE(cup().pv.cell(1, 21), QStringLiteral("1"));
        QVERIFY(cup().geaendert);
        cup().edit(Cup::Stand::Gesichert);
        d->hinzufugenClick();
        QCOMPARE(cup().pv.rowCount(), 22);
        QVERIFY(!cup().geaendert);
        QVERIFY(protokoll().isEmpty());
        QCOMPARE(w->pvGitter()->model()->index(0, 1).data().toString(), QStringLiteral("21"));
    }

    void punkteLoeschen()
    {
        w->pvGitter()->setAktuelleZelle(1, 3);
        setNextAnswer(Antwort::Nein);
        w->pv_pop_lClick();
        QCOMPARE(letzteMeldung(), QStringLiteral("Sind Sie sicher, dass Sie diese Punktezahl (18) löschen wollen?"));
        QCOMPARE(cup().pv.rowCount(), 21);
        setNextAnswer(Antwort::Ja);
        w->pv_pop_lClick();
        QCOMPARE(cup().pv.rowCount(), 20);
        QCOMPARE(cup().pv.cell(1, 3), QStringLiteral("17"));
        QCOMPARE(cup().pv.cell(0, 19), QStringLiteral("19"));
        QVERIFY(cup().geaendert);
        // The last points value stays.
        cup().pv.setRowCount(2);
        w->aktualisieren();
        w->pvGitter()->setAktuelleZelle(1, 1);
        setNextAnswer(Antwort::Ok);
        w->pv_pop_lClick();
        QCOMPARE(protokoll().last().art, QStringLiteral("warnung"));
        QCOMPARE(letzteMeldung(), QStringLiteral("Sind müssen wenigstens eine Punktezahl vergeben?"));
        QCOMPARE(cup().pv.rowCount(), 2);
    }

    void minimumUndMaximum()
    {
        // Without races both stay at 1.
        w->minW()->setValue(3);
        QCOMPARE(w->minW()->value(), 1);
        QCOMPARE(cup().min, 1);
        laeufe(3);
        cup().edit(Cup::Stand::Gesichert);
        w->minW()->setValue(3);
        QCOMPARE(cup().min, 3);
        QCOMPARE(w->maxW()->value(), 3);
        QCOMPARE(cup().max, 3);
        QVERIFY(cup().geaendert);
        w->minW()->setValue(4);
        QCOMPARE(w->minW()->value(), 3);
        w->maxW()->setValue(4);
        QCOMPARE(w->maxW()->value(), 3);
        // Lowering the maximum pulls the minimum down.
        w->maxW()->setValue(2);
        QCOMPARE(w->minW()->value(), 2);
        QCOMPARE(cup().min, 2);
        QCOMPARE(cup().max, 2);
        // The arrow keys drive the spinner; typed digits count on Enter, within the number of races.
        w->maxW()->setFocus();
        QTest::keyClick(w->maxW(), Qt::Key_Up);
        QCOMPARE(cup().max, 3);
        w->maxW()->selectAll();
        QTest::keyClicks(w->maxW(), QStringLiteral("9"));
        QCOMPARE(cup().max, 3);
        QTest::keyClick(w->maxW(), Qt::Key_Return);
        QCOMPARE(cup().max, 3);
        QCOMPARE(w->maxW()->value(), 3);
        w->maxW()->selectAll();
        QTest::keyClicks(w->maxW(), QStringLiteral("1"));
        QTest::keyClick(w->maxW(), Qt::Key_Return);
        QCOMPARE(cup().max, 1);
        QCOMPARE(cup().min, 1);
    }

    void neuerCupSchliesstBearbeitung()
    {
        w->cvGitter()->setAktuelleZelle(0, 1);
        w->cv_pop_bClick();
        QVERIFY(w->bea_cup()->isVisible());
        w->neu();
        QVERIFY(!w->bea_cup()->isVisible());
    }
};

QTEST_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
