#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/laufbefehle.h"
#include "core/teilnehmerbefehle.h"
#include "ui/bea_erg_unit.h"
#include "ui/meldung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
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
void tippen(const QString &text)
{
    for (const QChar c : text) {
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        QTest::keyClick(w, c.toLatin1());
    }
}

// Race 1 a time run, race 2 a distance run; Adler (007) and Berg (012).
Cup kleinerCup()
{
    Cup cup;
    Laufdaten d{};
    d[1] = kZeitlauf;
    d[2] = QStringLiteral("12.05.2005");
    d[3] = QStringLiteral("ja");
    laufHinzufuegen(cup, d);
    d[1] = kDistanzlauf;
    d[2] = QStringLiteral("19.05.2005");
    laufHinzufuegen(cup, d);
    for (const auto &[name, sn] : {std::pair{"Adler", "007"}, std::pair{"Berg", "012"}})
        teilnehmerHinzufuegen(cup, {QString::fromLatin1(name),
                                    QStringLiteral("Eva"),
                                    QStringLiteral("01.02.1980"),
                                    QStringLiteral("weiblich"),
                                    QStringLiteral("LG"),
                                    QStringLiteral("F"),
                                    QString::fromLatin1(sn),
                                    QStringLiteral("A-Cup"),
                                    {}});
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}
} // namespace

class TstBeaErg : public QObject {
    Q_OBJECT

    QLineEdit *sn(BeaErg &d) { return d.findChild<QLineEdit *>(QStringLiteral("sn")); }
    QLineEdit *erg(BeaErg &d) { return d.findChild<QLineEdit *>(QStringLiteral("erg")); }
    QLabel *name(BeaErg &d) { return d.findChild<QLabel *>(QStringLiteral("name")); }

    void oeffnen(BeaErg &d, int r)
    {
        d.oeffnen(r);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), sn(d));
    }

private slots:
    void initTestCase() { setTestmodus(true); }
    void init() { resetTestHooks(); }
    void cleanup()
    {
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QLatin1String("unerwartet"), qPrintable(e.text));
    }

    void labelNamesRaceAndType()
    {
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("ergT"))->text(), QStringLiteral("Ergebnis in diesem Lauf:"));
        oeffnen(d, 2);
        QCOMPARE(d.windowTitle(), QStringLiteral("Schnelle Ergebniseingabe"));
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("ergT"))->text(),
                 QStringLiteral("Ergebnis in Lauf 2 - Distanzlauf (fixe Zeit)"));
    }

    void typing7Finds007AndStoresWithoutQuestion()
    {
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        int getroffen = -1;
        d.beiTreffer = [&](int s) { getroffen = s; };
        oeffnen(d, 2);
        tippen(QStringLiteral("7"));
        taste(Qt::Key_Tab);
        QCOMPARE(sn(d)->text(), QStringLiteral("007"));
        QCOMPARE(name(d)->text(), QStringLiteral("Adler, Eva"));
        QCOMPARE(getroffen, 1);
        QCOMPARE(QApplication::focusWidget(), erg(d));
        tippen(QStringLiteral("4.123"));
        taste(Qt::Key_Tab);
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("4123m"));
        QVERIFY(cup.geaendert);
        QVERIFY(protokoll().isEmpty());
        // Back in the start number field, emptied for the next runner.
        QCOMPARE(QApplication::focusWidget(), sn(d));
        QCOMPARE(sn(d)->text(), QString());
        QCOMPARE(name(d)->text(), QString());
        QCOMPARE(erg(d)->text(), QString());
        // The loop goes on with Enter as well; a time run validates a time, "ol" is a code.
        d.oeffnen(1);
        tippen(QStringLiteral("12"));
        taste(Qt::Key_Return);
        QCOMPARE(name(d)->text(), QStringLiteral("Berg, Eva"));
        tippen(QStringLiteral("ol"));
        taste(Qt::Key_Return);
        QCOMPARE(cup.teil.cell(8, 2), QStringLiteral("o.L."));
        tippen(QStringLiteral("007"));
        taste(Qt::Key_Return);
        tippen(QStringLiteral("0:35'12,34"));
        taste(Qt::Key_Return);
        QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("0:35'12,34\""));
    }

    void overwriteAsksAndNeinKeepsTheOldValue()
    {
        Cup cup = kleinerCup();
        cup.teil.setCell(9, 2, QStringLiteral("4000m"));
        cup.edit(Cup::Stand::Gesichert);
        CupDokument dok(cup);
        BeaErg d(dok);
        oeffnen(d, 2);
        tippen(QStringLiteral("12"));
        taste(Qt::Key_Tab);
        QCOMPARE(erg(d)->text(), QStringLiteral("4000m"));
        QCOMPARE(erg(d)->selectedText(), QStringLiteral("4000m")); // typing replaces it
        setNextAnswer(Antwort::Nein);
        tippen(QStringLiteral("4100"));
        taste(Qt::Key_Tab);
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().art, QStringLiteral("frage"));
        QCOMPARE(protokoll().first().text,
                 QStringLiteral("Wollen Sie den alten Wert (4000m) überschreiben mit 4100m?"));
        QCOMPARE(cup.teil.cell(9, 2), QStringLiteral("4000m"));
        QVERIFY(!cup.geaendert);
        // The same value again: stored without a question.
        tippen(QStringLiteral("12"));
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(cup.teil.cell(9, 2), QStringLiteral("4000m"));
        // "&Ja" overwrites.
        tippen(QStringLiteral("12"));
        taste(Qt::Key_Tab);
        setNextAnswer(Antwort::Ja);
        tippen(QStringLiteral("d"));
        taste(Qt::Key_Tab);
        QCOMPARE(protokoll().size(), 2);
        QCOMPARE(cup.teil.cell(9, 2), QStringLiteral("d."));
        QVERIFY(cup.geaendert);
    }

    void unknownStartNumberKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::newRow("nobody") << "99";
        QTest::newRow("not a number") << "7a";
        QTest::newRow("zero") << "0";
    }
    void unknownStartNumberKeepsTheFocus()
    {
        QFETCH(QString, eingabe);
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        oeffnen(d, 1);
        tippen(eingabe);
        taste(Qt::Key_Tab);
        QVERIFY(d.isVisible());
        QCOMPARE(QApplication::focusWidget(), sn(d));
        QCOMPARE(sn(d)->text(), eingabe);
        // Said where the name would stand, without a message box.
        QCOMPARE(name(d)->text(), QStringLiteral("Startnummer nicht gefunden"));
        QVERIFY(protokoll().isEmpty());
    }

    void emptyStartNumberClosesTheDialog()
    {
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        oeffnen(d, 1);
        tippen(QStringLiteral("7"));
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab); // result left empty: nothing to ask
        QVERIFY(d.isVisible());
        taste(Qt::Key_Tab); // the freshly emptied start number ends the entry
        QVERIFY(!d.isVisible());
    }

    void resultGoesToTheParticipantFoundEvenAfterResort()
    {
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        oeffnen(d, 1);
        tippen(QStringLiteral("12"));
        taste(Qt::Key_Tab);
        // Meanwhile a participant sorts in front and a race is added before all others.
        teilnehmerHinzufuegen(cup, {QStringLiteral("Aal"),
                                    QStringLiteral("Udo"),
                                    QStringLiteral("01.02.1980"),
                                    QStringLiteral("männlich"),
                                    QStringLiteral("LG"),
                                    QStringLiteral("M"),
                                    QStringLiteral("001"),
                                    QStringLiteral("A-Cup"),
                                    {}});
        Laufdaten l{};
        l[1] = kDistanzlauf;
        l[2] = QStringLiteral("01.01.2005");
        l[3] = QStringLiteral("ja");
        laufHinzufuegen(cup, l);
        tippen(QStringLiteral("3512"));
        taste(Qt::Key_Tab);
        QCOMPARE(cup.teil.cell(0, 3), QStringLiteral("Berg"));
        QCOMPARE(cup.teil.cell(9, 3), QStringLiteral("0:00'35,12\""));
        QCOMPARE(cup.teil.cell(8, 3), QString());
        QCOMPARE(cup.teil.cell(9, 1), QString());
    }

    void deletedRaceEndsTheEntry()
    {
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        oeffnen(d, 2);
        laufLoeschen(cup, 2);
        setNextAnswer(Antwort::Ok);
        tippen(QStringLiteral("7"));
        taste(Qt::Key_Tab);
        QVERIFY(!d.isVisible());
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().art, QStringLiteral("warnung"));
        QCOMPARE(cup.teil.colCount(), 9);
    }

    void staysOnScreen_data()
    {
        QTest::addColumn<QRect>("frei");
        QTest::addColumn<QPoint>("erwartet");
        QTest::newRow("large screen: designed place") << QRect(0, 0, 1920, 1080) << QPoint(1028, 765);
        QTest::newRow("1280x1024: moved left just enough") << QRect(0, 0, 1280, 1024) << QPoint(980, 765);
        QTest::newRow("second screen on the right") << QRect(1920, 0, 1920, 1080) << QPoint(1920, 765);
        QTest::newRow("1024x768: lower right corner") << QRect(0, 0, 1024, 768) << QPoint(724, 588);
        QTest::newRow("panel at the bottom") << QRect(0, 0, 1280, 900) << QPoint(980, 720);
        QTest::newRow("tiny screen: top left wins") << QRect(0, 0, 200, 100) << QPoint(0, 0);
    }
    void staysOnScreen()
    {
        QFETCH(QRect, frei);
        QFETCH(QPoint, erwartet);
        QCOMPARE(BeaErg::sichtbarePosition(QPoint(1028, 765), QSize(300, 180), frei), erwartet);
    }

    void openedDialogLiesOnTheScreen()
    {
        Cup cup = kleinerCup();
        CupDokument dok(cup);
        BeaErg d(dok);
        oeffnen(d, 1);
        const QRect frei = d.screen()->availableGeometry();
        QVERIFY2(frei.contains(d.geometry()), "window outside the screen");
    }
};

QTEST_MAIN(TstBeaErg)
#include "tst_bea_erg.moc"
