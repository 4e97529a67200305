#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/laufbefehle.h"
#include "core/teilnehmerbefehle.h"
#include "ui/bea_teil_unit.h"
#include "ui/meldung.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tlt;
using namespace tlt::ui;

namespace {
void taste(int key)
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY(w);
    QTest::keyClick(w, static_cast<Qt::Key>(key));
}
// Each key goes to the widget that has the focus then, as typing does (the first key of a table
// cell opens its editor, the rest goes there).
void tippen(const QString &text)
{
    for (const QChar c : text) {
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        QTest::keyClick(w, c.toLatin1());
    }
}

// A time run on 12.05.2005 and a distance run on 19.05.2005; with or without the default variations.
Cup zweiLaeufe(bool variationen = true)
{
    Cup cup;
    if (!variationen)
        cup.cv.setRowCount(1);
    Laufdaten d{};
    d[1] = kZeitlauf;
    d[2] = QStringLiteral("12.05.2005");
    d[3] = variationen ? QStringLiteral("ja") : QStringLiteral("5000m");
    laufHinzufuegen(cup, d);
    d[1] = kDistanzlauf;
    d[2] = QStringLiteral("19.05.2005");
    d[3] = variationen ? QStringLiteral("ja") : QStringLiteral("1:00'00,00\"");
    laufHinzufuegen(cup, d);
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}

Teilnehmerdaten person(const QString &name, const QString &sn)
{
    return {name,
            QStringLiteral("Eva"),
            QStringLiteral("01.02.1980"),
            QStringLiteral("weiblich"),
            QStringLiteral("LG Nord"),
            QStringLiteral("F"),
            sn,
            QStringLiteral("A-Cup"),
            {}};
}
} // namespace

class TstBeaTeil : public QObject {
    Q_OBJECT

    template <typename T> T *feld(BeaTeil &d, const char *name)
    {
        T *w = d.findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("Feld %s fehlt", name);
        return w;
    }
    QString zelle(BeaTeil &d, int zeile) { return feld<Ergebnistabelle>(d, "erg")->item(zeile, 1)->text(); }

    // Types the personal data from the surname field to the start number field (which proposes a
    // number), leaving the gender as it is and choosing the first cup variation when there is one.
    void personTippen(BeaTeil &d, const QString &name, const QString &geb, const QString &verein)
    {
        QCOMPARE(QApplication::focusWidget(), feld<QLineEdit>(d, "name"));
        tippen(name);
        taste(Qt::Key_Tab);
        tippen(QStringLiteral("Eva"));
        taste(Qt::Key_Tab);
        tippen(geb);
        taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), feld<QComboBox>(d, "ges"));
        taste(Qt::Key_Tab); // vereinS
        taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), feld<QLineEdit>(d, "verein"));
        tippen(verein);
        taste(Qt::Key_Tab); // alt: proposed from birth date and sex
        taste(Qt::Key_Tab);
        if (feld<QComboBox>(d, "cup")->isEnabled()) {
            QCOMPARE(QApplication::focusWidget(), feld<QComboBox>(d, "cup"));
            taste(Qt::Key_Down);
            taste(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), feld<QLineEdit>(d, "sn"));
    }

private slots:
    void initTestCase() { setTestmodus(true); }
    void init() { resetTestHooks(); }
    void cleanup()
    {
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QLatin1String("unerwartet"), qPrintable(e.text));
    }

    void addModeSavesSortsAndStaysOpenEmpty()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Zander"), QStringLiteral("041")));
        cup.edit(Cup::Stand::Gesichert);
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Teilnehmer hinzufügen"));
        QCOMPARE(feld<QComboBox>(d, "ges")->currentText(), QStringLiteral("weiblich"));
        QCOMPARE(zelle(d, 0), QString());
        auto *erg = feld<Ergebnistabelle>(d, "erg");
        QCOMPARE(erg->item(0, 0)->text(), QStringLiteral("1) 12.05.2005 (ZL)"));
        QCOMPARE(erg->item(1, 0)->text(), QStringLiteral("2) 19.05.2005 (DL)"));

        personTippen(d, QStringLiteral("Adler"), QStringLiteral("15121995"), QStringLiteral("TV Ost"));
        // Aged 10 in the year of the latest race.
        QCOMPARE(feld<QComboBox>(d, "alt")->currentText(), QStringLiteral("WK U12"));
        QCOMPARE(feld<QLineEdit>(d, "sn")->text(), QStringLiteral("042"));
        QCOMPARE(feld<QLineEdit>(d, "sn")->selectedText(), QStringLiteral("042"));
        taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), erg);
        // "ol" and Cursor-down: the cell is a result code before the cursor moves on.
        tippen(QStringLiteral("ol"));
        taste(Qt::Key_Down);
        QCOMPARE(zelle(d, 0), QStringLiteral("o.L."));
        QCOMPARE(erg->currentRow(), 1);
        // The distance run validates a distance; leaving the table stores it.
        tippen(QStringLiteral("10.000 m"));
        taste(Qt::Key_Tab);
        QCOMPARE(zelle(d, 1), QStringLiteral("10000m"));
        QCOMPARE(QApplication::focusWidget(), feld<QPushButton>(d, "speichern"));
        taste(Qt::Key_Space);

        QCOMPARE(cup.teil.rowCount(), 3);
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Adler"));
        QCOMPARE(cup.teil.cell(2, 1), QStringLiteral("15.12.1995"));
        QCOMPARE(cup.teil.cell(3, 1), QStringLiteral("weiblich"));
        QCOMPARE(cup.teil.cell(4, 1), QStringLiteral("TV Ost"));
        QCOMPARE(cup.teil.cell(6, 1), QStringLiteral("042"));
        QCOMPARE(cup.teil.cell(7, 1), QStringLiteral("A-Cup"));
        QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("o.L."));
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("10000m"));
        QCOMPARE(cup.teil.cell(0, 2), QStringLiteral("Zander"));
        QVERIFY(cup.geaendert);
        // Open, empty, focus in the surname field, no gender preselected any more.
        QVERIFY(d.isVisible());
        QCOMPARE(QApplication::focusWidget(), feld<QLineEdit>(d, "name"));
        QCOMPARE(feld<QLineEdit>(d, "name")->text(), QString());
        QCOMPARE(feld<QLineEdit>(d, "geb")->text(), kKeinDatum);
        QCOMPARE(feld<QComboBox>(d, "ges")->currentIndex(), -1);
        QCOMPARE(feld<QComboBox>(d, "alt")->currentIndex(), -1);
        QCOMPARE(zelle(d, 0), QString());
    }

    void enterAndCursorUpValidateTheCellOfTheirRace()
    {
        Cup cup = zweiLaeufe();
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *erg = feld<Ergebnistabelle>(d, "erg");
        erg->setFocus();
        tippen(QStringLiteral("3512"));
        taste(Qt::Key_Return);
        QCOMPARE(zelle(d, 0), QStringLiteral("0:00'35,12\""));
        QVERIFY(d.isVisible());
        taste(Qt::Key_Down);
        tippen(QStringLiteral("na"));
        taste(Qt::Key_Up);
        QCOMPARE(zelle(d, 1), QStringLiteral("n.a."));
        QCOMPARE(erg->currentRow(), 0);
        taste(Qt::Key_Down);
        tippen(QStringLiteral("OL"));
        taste(Qt::Key_Return);
        QCOMPARE(zelle(d, 1), QString()); // no code in this spelling and no digits
        QCOMPARE(cup.teil.rowCount(), 1);
    }

    void savingWithMissingRequiredFieldDoesNothing()
    {
        Cup cup = zweiLaeufe();
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        personTippen(d, QStringLiteral("Adler"), QStringLiteral("01.01.1990"), QStringLiteral("LG"));
        // No cup variation chosen.
        feld<QComboBox>(d, "cup")->setCurrentIndex(-1);
        taste(Qt::Key_Return);
        QCOMPARE(cup.teil.rowCount(), 1);
        QVERIFY(!cup.geaendert);
        QCOMPARE(feld<QLineEdit>(d, "name")->text(), QStringLiteral("Adler"));
        // A birth date the check rejects.
        feld<QComboBox>(d, "cup")->setCurrentIndex(0);
        feld<QLineEdit>(d, "geb")->setText(QStringLiteral("1.13.1990"));
        d.speichernClick();
        QCOMPARE(feld<QLineEdit>(d, "geb")->text(), kKeinDatum);
        QCOMPARE(cup.teil.rowCount(), 1);
        feld<QLineEdit>(d, "geb")->setText(QStringLiteral("01.01.1990"));
        d.speichernClick();
        QCOMPARE(cup.teil.rowCount(), 2);
    }

    void withoutVariationsAndRaces()
    {
        Cup cup;
        cup.cv.setRowCount(1);
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QVERIFY(!feld<QComboBox>(d, "cup")->isEnabled());
        QVERIFY(!feld<Ergebnistabelle>(d, "erg")->isEnabled());
        personTippen(d, QStringLiteral("Adler"), QStringLiteral("01.01.1990"), QStringLiteral("LG"));
        // Without races the youngest group is proposed.
        QCOMPARE(feld<QComboBox>(d, "alt")->currentText(), QStringLiteral("WK U8"));
        taste(Qt::Key_Return);
        QCOMPARE(cup.teil.rowCount(), 2);
        QCOMPARE(cup.teil.colCount(), 8);
        QCOMPARE(cup.teil.cell(7, 1), QString());
        QCOMPARE(cup.teil.cell(6, 1), QStringLiteral("001"));
    }

    void startNumberOfAnotherParticipantIsCleared()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("007")));
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("003")));
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *sn = feld<QLineEdit>(d, "sn");
        sn->setFocus();
        QCOMPARE(sn->text(), QStringLiteral("008"));
        tippen(QStringLiteral("7"));
        taste(Qt::Key_Tab);
        QCOMPARE(sn->text(), QString());
        // In edit mode the participant keeps its own number, even after the table was re-sorted.
        d.bearbeiten(2); // Berg
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Aal"), QStringLiteral("001")));
        sn->setFocus();
        sn->selectAll();
        tippen(QStringLiteral("7"));
        taste(Qt::Key_Tab);
        QCOMPARE(sn->text(), QStringLiteral("007"));
        sn->setFocus();
        sn->selectAll();
        tippen(QStringLiteral("3"));
        taste(Qt::Key_Tab);
        QCOMPARE(sn->text(), QString());
    }

    void editWritesToTheParticipantItWasOpenedFor()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        cup.teil.setCell(9, 1, QStringLiteral("4000m"));
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.bearbeiten(1);
        QCOMPARE(d.windowTitle(), QStringLiteral("Teilnehmer bearbeiten"));
        QCOMPARE(feld<QComboBox>(d, "alt")->currentText(), QStringLiteral("F"));
        QCOMPARE(feld<QComboBox>(d, "cup")->currentText(), QStringLiteral("A-Cup"));
        QCOMPARE(zelle(d, 1), QStringLiteral("4000m"));
        // Meanwhile someone sorts in front of Berg and a race is added before all others.
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("001")));
        Laufdaten l{};
        l[1] = kZeitlauf;
        l[2] = QStringLiteral("01.01.2005");
        l[3] = QStringLiteral("ja");
        laufHinzufuegen(cup, l);
        cup.teil.setCell(8, 2, QStringLiteral("d."));
        QVERIFY(QTest::qWaitForWindowActive(&d));
        feld<QLineEdit>(d, "vorname")->setFocus();
        feld<QLineEdit>(d, "vorname")->selectAll();
        tippen(QStringLiteral("Anna"));
        taste(Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(cup.teil.cell(1, 2), QStringLiteral("Anna"));
        QCOMPARE(cup.teil.cell(1, 1), QStringLiteral("Eva"));
        // Each entry stayed with its race; the new race kept what was stored.
        QCOMPARE(cup.teil.cell(8, 2), QStringLiteral("d."));
        QCOMPARE(cup.teil.cell(10, 2), QStringLiteral("4000m"));
    }

    void leavingTheTableChecksTheCellLeftWithoutTyping()
    {
        // A cell filled from the file in a form the checks would not give is put right when the
        // table is left with the cursor on it, as when the cursor moves away from it.
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        cup.teil.setCell(8, 1, QStringLiteral("ol"));
        cup.teil.setCell(9, 1, QStringLiteral("4.000"));
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.bearbeiten(1);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *erg = feld<Ergebnistabelle>(d, "erg");
        feld<QLineEdit>(d, "sn")->setFocus(Qt::TabFocusReason);
        taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), erg);
        QCOMPARE(erg->currentRow(), 0);
        taste(Qt::Key_Tab);
        QCOMPARE(zelle(d, 0), QStringLiteral("o.L."));
        QCOMPARE(zelle(d, 1), QStringLiteral("4.000")); // not visited
        // Typing in a cell and leaving it still works as before.
        erg->setFocus(Qt::TabFocusReason);
        taste(Qt::Key_Down);
        QCOMPARE(zelle(d, 1), QStringLiteral("4.000"));
        tippen(QStringLiteral("5.5"));
        taste(Qt::Key_Tab);
        QCOMPARE(zelle(d, 1), QStringLiteral("55m"));
    }

    void editOfADeletedParticipantWritesNothing()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.bearbeiten(1);
        teilnehmerLoeschen(cup, 1);
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Adler"), QStringLiteral("001")));
        setNextAnswer(Antwort::Ok);
        d.speichernClick();
        QVERIFY(!d.isVisible());
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().art, QStringLiteral("warnung"));
        QCOMPARE(cup.teil.rowCount(), 2);
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Adler"));
    }

    void editingWithAVanishedAgeGroupNeedsAChoice()
    {
        Cup cup = zweiLaeufe();
        Teilnehmerdaten p = person(QStringLiteral("Berg"), QStringLiteral("002"));
        p.alt = QStringLiteral("W99");
        teilnehmerHinzufuegen(cup, p);
        cup.edit(Cup::Stand::Gesichert);
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.bearbeiten(1);
        QCOMPARE(feld<QComboBox>(d, "alt")->currentIndex(), -1);
        d.speichernClick();
        QVERIFY(d.isVisible());
        QVERIFY(!cup.geaendert);
        feld<QComboBox>(d, "alt")->setCurrentIndex(feld<QComboBox>(d, "alt")->findText(QStringLiteral("F30")));
        d.speichernClick();
        QVERIFY(!d.isVisible());
        QCOMPARE(cup.teil.cell(5, 1), QStringLiteral("F30"));
    }

    void clubChooserListsKnownClubs()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        Teilnehmerdaten p = person(QStringLiteral("Adler"), QStringLiteral("003"));
        p.verein = QStringLiteral("ASV");
        teilnehmerHinzufuegen(cup, p);
        CupDokument dok(cup);
        BeaTeil d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *vereinS = feld<QComboBox>(d, "vereinS");
        vereinS->setFocus();
        QCOMPARE(vereinS->count(), 3);
        QCOMPARE(vereinS->itemText(0), QString());
        QCOMPARE(vereinS->itemText(1), QStringLiteral("ASV"));
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        QCOMPARE(feld<QLineEdit>(d, "verein")->text(), QStringLiteral("ASV"));
        taste(Qt::Key_Down);
        QCOMPARE(feld<QLineEdit>(d, "verein")->text(), QStringLiteral("LG Nord"));
    }

    void deletingAsks()
    {
        Cup cup = zweiLaeufe();
        teilnehmerHinzufuegen(cup, person(QStringLiteral("Berg"), QStringLiteral("002")));
        CupDokument dok(cup);
        setNextAnswer(Antwort::Nein);
        QVERIFY(!teilnehmerLoeschenFragen(nullptr, dok, 1));
        QCOMPARE(cup.teil.rowCount(), 2);
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Sind Sie sicher, dass Sie den Teilnehmer (Berg, Eva) löschen wollen?"));
        setNextAnswer(Antwort::Ja);
        QVERIFY(teilnehmerLoeschenFragen(nullptr, dok, 1));
        QCOMPARE(cup.teil.rowCount(), 1);
    }
};

QTEST_MAIN(TstBeaTeil)
#include "tst_bea_teil.moc"
