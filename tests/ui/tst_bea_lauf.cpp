#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/laufbefehle.h"
#include "ui/bea_lauf_unit.h"
#include "ui/meldung.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

using namespace tlt;
using namespace tlt::ui;

namespace {
void taste(int key, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY(w);
    QTest::keyClick(w, static_cast<Qt::Key>(key), mod);
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

Cup ohneVariationen()
{
    Cup cup;
    cup.cv.setRowCount(1);
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}
} // namespace

class TstBeaLauf : public QObject {
    Q_OBJECT

    template <typename T> T *feld(BeaLauf &d, const char *name)
    {
        T *w = d.findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("Feld %s fehlt", name);
        return w;
    }

    // Types one race in add mode: the type by cursor keys (typ 0 distance run, 1 time run, -1 none),
    // date, time/distance, place, then Enter.
    void lauftippen(BeaLauf &d, int typ, const QString &datum, const QString &zeitdistanz, const QString &ort)
    {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), feld<QComboBox>(d, "lauftyp"));
        if (typ >= 0) {
            taste(Qt::Key_Down);
            taste(typ == 0 ? Qt::Key_Up : Qt::Key_Down);
        }
        taste(Qt::Key_Tab);
        tippen(datum);
        taste(Qt::Key_Tab);
        if (feld<QLineEdit>(d, "zeitdistanz")->isEnabled()) {
            tippen(zeitdistanz);
            taste(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), feld<QLineEdit>(d, "vereinsname"));
        for (int i = 0; i < 6; ++i)
            taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), feld<QLineEdit>(d, "ort"));
        feld<QLineEdit>(d, "ort")->selectAll();
        tippen(ort);
        taste(Qt::Key_Return);
    }

private slots:
    void initTestCase() { setTestmodus(true); }
    void init() { resetTestHooks(); }
    void cleanup()
    {
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QLatin1String("unerwartet"), qPrintable(e.text));
    }

    void tabOrderFollowsTheStoredFields()
    {
        Cup cup;
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const char *reihe[] = {"lauftyp",         "datum",           "zeitdistanz",  "vereinsname", "anschrift1",
                               "anschrift2",      "anschrift3",      "fon",          "fax",         "ort",
                               "kreis",           "bezirk",          "land",         "wettkampf1",  "wettkampf2",
                               "kampfrichterW",   "helferW",         "mitarbeiterW", "zeitmessung", "windmessung",
                               "geratekontrolle", "wettkampfleiter", "wlfon",        "wlfax",       "verbandsaufsicht",
                               "vafon",           "vafax",           "bemerkung1",   "bemerkung2",  "bemerkung3",
                               "dlvnr",           "speichern",       "lauffaktorW",  "laufsummandW"};
        // With cup variations the time/distance field is locked and skipped.
        for (const char *name : reihe) {
            if (QLatin1String(name) == QLatin1String("zeitdistanz"))
                continue;
            QWidget *w = QApplication::focusWidget();
            QVERIFY(w);
            while (w && w->objectName().isEmpty())
                w = w->parentWidget(); // the line edit inside a spin box
            QCOMPARE(w->objectName(), QString::fromLatin1(name));
            taste(Qt::Key_Tab);
        }
        QCOMPARE(feld<QLineEdit>(d, "vereinsname")->maxLength(), 31);
        QCOMPARE(feld<QLineEdit>(d, "wettkampf2")->maxLength(), 62);
        QCOMPARE(feld<QSpinBox>(d, "lauffaktorW")->maximum(), 5);
        QCOMPARE(feld<QSpinBox>(d, "laufsummandW")->maximum(), 20);
        QCOMPARE(feld<QSpinBox>(d, "helferW")->maximum(), 100);
    }

    void addingRaceBeforeAllRenumbersAndMovesResultColumns()
    {
        Cup cup = ohneVariationen();
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.hinzufuegen();
        lauftippen(d, 1, QStringLiteral("01052005"), QStringLiteral("5000"), QStringLiteral("Adorf"));
        lauftippen(d, 0, QStringLiteral("03.06.2005"), QStringLiteral("300000"), QStringLiteral("Bdorf"));
        QCOMPARE(cup.anzahlLaufe(), 2);
        QCOMPARE(cup.laufe.cell(1, 1), kZeitlauf);
        QCOMPARE(cup.laufe.cell(1, 2), QStringLiteral("01.05.2005"));
        QCOMPARE(cup.laufe.cell(1, 3), QStringLiteral("5000m"));
        QCOMPARE(cup.laufe.cell(2, 3), QStringLiteral("0:30'00,00\""));
        cup.teil.setRowCount(2);
        cup.teil.setCell(8, 1, QStringLiteral("0:20'00,00\""));
        cup.teil.setCell(9, 1, QStringLiteral("7000m"));

        // The dialog stayed open with the event data; only the date was reset.
        QVERIFY(d.isVisible());
        QCOMPARE(feld<QLineEdit>(d, "datum")->text(), kKeinDatum);
        QCOMPARE(feld<QLineEdit>(d, "ort")->text(), QStringLiteral("Bdorf"));
        lauftippen(d, 0, QStringLiteral("01.04.2005"), QStringLiteral("0"), QStringLiteral("Cdorf"));
        QCOMPARE(cup.anzahlLaufe(), 3);
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("Cdorf"));
        QCOMPARE(cup.laufe.cell(1, 3), QStringLiteral("0:00'00,00\""));
        QCOMPARE(cup.laufe.cell(3, 10), QStringLiteral("Bdorf"));
        QCOMPARE(cup.laufe.cell(3, 0), QStringLiteral("3"));
        QCOMPARE(cup.teil.cell(8, 0), QStringLiteral("01.04.2005"));
        QCOMPARE(cup.teil.cell(8, 1), QString());
        QCOMPARE(cup.teil.cell(9, 1), QStringLiteral("0:20'00,00\""));
        QCOMPARE(cup.teil.cell(10, 1), QStringLiteral("7000m"));
        QVERIFY(cup.geaendert);
    }

    void raceWithCupVariationsStoresJa()
    {
        Cup cup;
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.hinzufuegen();
        QCOMPARE(feld<QLineEdit>(d, "zeitdistanz")->text(), QStringLiteral("ja"));
        QVERIFY(!feld<QLineEdit>(d, "zeitdistanz")->isEnabled());
        lauftippen(d, 0, QStringLiteral("01.05.2005"), {}, QStringLiteral("Adorf"));
        QCOMPARE(cup.anzahlLaufe(), 1);
        QCOMPARE(cup.laufe.cell(1, 3), QStringLiteral("ja"));
        QCOMPARE(cup.laufe.cell(1, 1), kDistanzlauf);
        QCOMPARE(cup.laufe.cell(1, 19), QStringLiteral("0"));
        QCOMPARE(cup.laufe.cell(1, 32), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(1, 33), QStringLiteral("0"));
    }

    void switchingRaceTypeReformatsEntry()
    {
        Cup cup = ohneVariationen();
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *zd = feld<QLineEdit>(d, "zeitdistanz");
        taste(Qt::Key_Down); // Distanzlauf: the entry is a time
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        tippen(QStringLiteral("300000"));
        taste(Qt::Key_Tab);
        QCOMPARE(zd->text(), QStringLiteral("0:30'00,00\""));
        feld<QComboBox>(d, "lauftyp")->setFocus();
        taste(Qt::Key_Down); // Zeitlauf: the same digits as a distance
        QCOMPARE(zd->text(), QStringLiteral("300000m"));
        taste(Qt::Key_Up);
        QCOMPARE(zd->text(), QStringLiteral("0:30'00,00\""));
        QCOMPARE(cup.anzahlLaufe(), 0);
    }

    void missingRequiredFieldSavesNothing()
    {
        Cup cup = ohneVariationen();
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.hinzufuegen();
        // Date and type, but no time/distance.
        lauftippen(d, 1, QStringLiteral("01.05.2005"), {}, QStringLiteral("Adorf"));
        QCOMPARE(cup.anzahlLaufe(), 0);
        QVERIFY(!cup.geaendert);
        // Type and time/distance, but a date the check rejects.
        feld<QComboBox>(d, "lauftyp")->setFocus();
        lauftippen(d, 0, QStringLiteral("32.5.2005"), QStringLiteral("5000"), QStringLiteral("Adorf"));
        QCOMPARE(feld<QLineEdit>(d, "datum")->text(), kKeinDatum);
        QCOMPARE(cup.anzahlLaufe(), 0);
        // No type chosen.
        Cup mitCup;
        CupDokument dok2(mitCup);
        BeaLauf d2(dok2);
        d2.hinzufuegen();
        lauftippen(d2, -1, QStringLiteral("01.05.2005"), {}, QStringLiteral("Adorf"));
        QCOMPARE(mitCup.anzahlLaufe(), 0);
    }

    void editWritesToTheRaceItWasOpenedFor()
    {
        Cup cup = ohneVariationen();
        Laufdaten a{};
        a[1] = kZeitlauf;
        a[2] = QStringLiteral("01.05.2005");
        a[3] = QStringLiteral("5000m");
        a[10] = QStringLiteral("Adorf");
        laufHinzufuegen(cup, a);
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.bearbeiten(1);
        QCOMPARE(d.windowTitle(), QStringLiteral("Lauf bearbeiten"));
        QCOMPARE(feld<QComboBox>(d, "lauftyp")->currentIndex(), 1);
        QCOMPARE(feld<QLineEdit>(d, "zeitdistanz")->text(), QStringLiteral("5000m"));
        // Empty bonus cells show their defaults.
        QCOMPARE(feld<QSpinBox>(d, "lauffaktorW")->value(), 1);
        QCOMPARE(feld<QSpinBox>(d, "laufsummandW")->value(), 0);
        // Meanwhile an earlier race is added: the race moves to column 2.
        Laufdaten b = a;
        b[2] = QStringLiteral("01.01.2005");
        b[10] = QStringLiteral("Bdorf");
        laufHinzufuegen(cup, b);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        feld<QLineEdit>(d, "ort")->setFocus();
        feld<QLineEdit>(d, "ort")->selectAll();
        tippen(QStringLiteral("Xdorf"));
        taste(Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(cup.laufe.cell(1, 10), QStringLiteral("Bdorf"));
        QCOMPARE(cup.laufe.cell(2, 10), QStringLiteral("Xdorf"));
        QCOMPARE(cup.laufe.cell(2, 32), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(2, 33), QStringLiteral("0"));
    }

    void editKeepsStoredTextsLongerThanTheFieldAccepts()
    {
        Cup cup = ohneVariationen();
        Laufdaten a{};
        a[1] = kZeitlauf;
        a[2] = QStringLiteral("01.05.2005");
        a[3] = QStringLiteral("5000m");
        a[12] = QStringLiteral("Bezirk Südniedersachsen");         // 23 characters, field takes 21
        a[18] = QStringLiteral("Strecke vermessen am 02.03.2026"); // 31 characters, field takes 29
        laufHinzufuegen(cup, a);
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.bearbeiten(1);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *bezirk = feld<QLineEdit>(d, "bezirk");
        QCOMPARE(bezirk->text(), a[12]);
        QCOMPARE(bezirk->cursorPosition(), 0); // the beginning is in view
        taste(Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(cup.laufe.cell(1, 12), a[12]);
        QCOMPARE(cup.laufe.cell(1, 18), a[18]);
        // Typing still stops at the field's limit once the text is that short again.
        d.bearbeiten(1);
        bezirk->end(false);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(bezirk, Qt::Key_Backspace);
        QTest::keyClicks(bezirk, QStringLiteral("xyzxyz"));
        QCOMPARE(bezirk->text(), QStringLiteral("Bezirk Südniedersacxy"));
        // An empty field of a later race takes the usual limit.
        QCOMPARE(feld<QLineEdit>(d, "ort")->maxLength(), 21);
    }

    void editOfADeletedRaceWritesNothing()
    {
        Cup cup = ohneVariationen();
        Laufdaten a{};
        a[1] = kZeitlauf;
        a[2] = QStringLiteral("01.05.2005");
        a[3] = QStringLiteral("5000m");
        laufHinzufuegen(cup, a);
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.bearbeiten(1);
        laufLoeschen(cup, 1);
        setNextAnswer(Antwort::Ok);
        d.speichernClick();
        QCOMPARE(cup.anzahlLaufe(), 0);
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().art, QStringLiteral("warnung"));
        QVERIFY(!d.isVisible());
    }

    void raceFromBeforeTheFirstVariationBecomesACupRace()
    {
        Cup cup = ohneVariationen();
        Laufdaten a{};
        a[1] = kDistanzlauf;
        a[2] = QStringLiteral("01.05.2005");
        a[3] = QStringLiteral("1:00'00,00\"");
        laufHinzufuegen(cup, a);
        // The first cup variation empties the time/distance entries.
        cup.laufe.setCell(1, 3, QString());
        cup.cv.setRowCount(2);
        cup.cv.setCell(0, 1, QStringLiteral("A-Cup"));
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.bearbeiten(1);
        QCOMPARE(feld<QLineEdit>(d, "zeitdistanz")->text(), QStringLiteral("ja"));
        QVERIFY(!feld<QLineEdit>(d, "zeitdistanz")->isEnabled());
        d.speichernClick();
        QVERIFY(!d.isVisible());
        QCOMPARE(cup.laufe.cell(1, 3), QStringLiteral("ja"));
        // Without variations again, the race gets its own entry back in an open field.
        cup.cv.setRowCount(1);
        d.bearbeiten(1);
        QVERIFY(feld<QLineEdit>(d, "zeitdistanz")->isEnabled());
        QCOMPARE(feld<QLineEdit>(d, "zeitdistanz")->text(), QString());
    }

    void variationsChangedWhileOpen()
    {
        Cup cup;
        CupDokument dok(cup);
        BeaLauf d(dok);
        d.hinzufuegen();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *zd = feld<QLineEdit>(d, "zeitdistanz");
        feld<QComboBox>(d, "lauftyp")->setCurrentIndex(1);
        feld<QLineEdit>(d, "datum")->setText(QStringLiteral("01.05.2005"));
        // All variations deleted meanwhile: the race needs its own distance, nothing is stored yet.
        cup.cv.setRowCount(1);
        d.speichernClick();
        QCOMPARE(cup.anzahlLaufe(), 0);
        QVERIFY(zd->isEnabled());
        QCOMPARE(QApplication::focusWidget(), zd);
        zd->setText(QStringLiteral("5000"));
        // A variation again: the race becomes a cup race.
        cup.cv.setRowCount(2);
        cup.cv.setCell(0, 1, QStringLiteral("A-Cup"));
        d.speichernClick();
        QCOMPARE(cup.anzahlLaufe(), 1);
        QCOMPARE(cup.laufe.cell(1, 3), QStringLiteral("ja"));
    }

    void deletingAsksAndRemovesOnlyItsColumn()
    {
        Cup cup = ohneVariationen();
        Laufdaten a{};
        a[1] = kZeitlauf;
        a[3] = QStringLiteral("5000m");
        for (const char *datum : {"01.05.2005", "01.06.2005"}) {
            a[2] = QString::fromLatin1(datum);
            laufHinzufuegen(cup, a);
        }
        cup.teil.setRowCount(4);
        for (int s = 1; s <= 3; ++s) {
            cup.teil.setCell(8, s, QStringLiteral("d."));
            cup.teil.setCell(9, s, QStringLiteral("v."));
        }
        CupDokument dok(cup);
        setNextAnswer(Antwort::Nein);
        QVERIFY(!laufLoeschenFragen(nullptr, dok, 2));
        QCOMPARE(cup.anzahlLaufe(), 2);
        QCOMPARE(protokoll().last().text,
                 QStringLiteral("Es sind bereits 3 Ergebnisse in diesem Lauf eingetragen.\n\r"
                                "Sind Sie sicher, dass Sie Lauf2 (01.06.2005) löschen wollen?"));
        setNextAnswer(Antwort::Ja);
        QVERIFY(laufLoeschenFragen(nullptr, dok, 2));
        QCOMPARE(cup.anzahlLaufe(), 1);
        QCOMPARE(cup.teil.colCount(), 9);
        QCOMPARE(cup.teil.cell(8, 3), QStringLiteral("d."));
    }
};

QTEST_MAIN(TstBeaLauf)
#include "tst_bea_lauf.moc"
