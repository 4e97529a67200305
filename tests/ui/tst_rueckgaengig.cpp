#include "core/cupbefehle.h"
#include "core/cupdatei.h"
#include "core/laufbefehle.h"
#include "core/sortierung.h"
#include "core/teilnehmerbefehle.h"
#include "support/berichtscups.h"
#include "ui/bea_ag_unit.h"
#include "ui/bea_cup_unit.h"
#include "ui/bea_erg_unit.h"
#include "ui/bea_lauf_unit.h"
#include "ui/bea_teil_unit.h"
#include "ui/bearbeitung.h"
#include "ui/eingabe_anschluss.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QUndoStack>

using namespace tlt;
using namespace tlt::ui;

namespace {
QByteArray datei(const Cup &cup)
{
    Cup kopie = cup;
    return dateiinhalt(kopie);
}

// Every result column belongs to its race: it is headed by the race's date (adding, editing and
// loading keep the heading in step), and there is exactly one per race.
QString imTakt(const Cup &cup)
{
    if (cup.teil.colCount() != 8 + cup.anzahlLaufe())
        return QStringLiteral("%1 Spalten bei %2 Läufen").arg(cup.teil.colCount()).arg(cup.anzahlLaufe());
    for (int c = 1; c <= cup.anzahlLaufe(); ++c) {
        if (cup.teil.cell(Cup::ergebnisspalte(c), 0) != cup.laufe.cell(c, 2))
            return QStringLiteral("Lauf %1: Spalte %2 statt %3")
                .arg(c)
                .arg(cup.teil.cell(Cup::ergebnisspalte(c), 0), cup.laufe.cell(c, 2));
        if (cup.laufe.cell(c, 0) != QString::number(c))
            return QStringLiteral("Lauf %1 trägt Nummer %2").arg(c).arg(cup.laufe.cell(c, 0));
    }
    return QString();
}
} // namespace

class TstRueckgaengig : public QObject {
    Q_OBJECT

    QRandomGenerator z;
    int zahl(int n) { return n <= 0 ? 0 : static_cast<int>(z.bounded(n)); }
    QString datum() { return QStringLiteral("%1.0%2.2026").arg(1 + zahl(28), 2, 10, QLatin1Char('0')).arg(4 + zahl(5)); }
    QString ergebnis(const Cup &cup, int c)
    {
        static const QStringList codes{"", "n.a.", "d.", "v.", "o.L."};
        if (zahl(4) == 0)
            return codes.at(zahl(codes.size()));
        return cup.lauftyp(c) == kZeitlauf ? QStringLiteral("0:%1'%2,00\"").arg(30 + zahl(20)).arg(zahl(6) * 10, 2, 10, QLatin1Char('0'))
                                          : QStringLiteral("%1m").arg(9000 + zahl(20) * 100);
    }
    Teilnehmerdaten person(const Cup &cup)
    {
        // Few surnames, so that equal surnames test the order of equal rows.
        static const QStringList namen{"Adler", "Berg", "Adler", "Zorn", "Müller"};
        Teilnehmerdaten d;
        d.name = namen.at(zahl(namen.size()));
        d.vorname = QStringLiteral("V%1").arg(zahl(100));
        d.geb = QStringLiteral("01.01.1970");
        d.ges = zahl(2) ? QStringLiteral("weiblich") : QStringLiteral("männlich");
        d.verein = QStringLiteral("Verein %1").arg(zahl(4));
        const int g = 1 + zahl(cup.ag.rowCount() - 1);
        d.alt = cup.ag.cell(zahl(2), g);
        d.sn = QStringLiteral("%1").arg(500 + zahl(400), 3, 10, QLatin1Char('0'));
        d.cup = cup.cv.rowCount() > 1 ? cup.cv.cell(0, 1 + zahl(cup.cv.rowCount() - 1)) : QString();
        for (int c = 1; c <= cup.anzahlLaufe(); ++c)
            d.ergebnisse << (zahl(2) ? ergebnis(cup, c) : QString());
        return d;
    }
    Laufdaten lauf(const Cup &cup)
    {
        Laufdaten d;
        d[1] = zahl(2) ? kZeitlauf : kDistanzlauf;
        d[2] = datum();
        d[3] = cup.cv.rowCount() > 1 ? QStringLiteral("ja") : QStringLiteral("5000m");
        d[10] = QStringLiteral("Ort %1").arg(zahl(3));
        return d;
    }

    // One random command of any kind, as the dialogs and menus run it. Returns false when it was
    // refused (as the window would refuse it) or changed nothing.
    bool befehl(MainUnit &w)
    {
        CupDokument &dok = w.dokument();
        const Cup &cup = dok.cup();
        const int m = cup.anzahlTeilnehmer();
        const int n = cup.anzahlLaufe();
        const int s = 1 + zahl(m);
        const int c = 1 + zahl(n);
        switch (zahl(16)) {
        case 0:
        case 1:
            if (m < 1 || n < 1)
                return false;
            return dok.ausfuehren(QStringLiteral("Ergebnis"), [&, e = ergebnis(cup, c)](Cup &k) { ergebnisEintragen(k, s, c, e); });
        case 2: {
            const auto d = person(cup);
            return dok.ausfuehren(QStringLiteral("Teilnehmer +"), [&](Cup &k) { teilnehmerHinzufuegen(k, d); });
        }
        case 3: {
            if (m < 1)
                return false;
            auto d = teilnehmerLesen(cup, s);
            const auto p = person(cup);
            d.name = p.name;
            d.verein = p.verein;
            if (n > 0)
                d.ergebnisse[c - 1] = ergebnis(cup, c);
            return dok.ausfuehren(QStringLiteral("Teilnehmer ~"), [&](Cup &k) { teilnehmerAendern(k, s, d); });
        }
        case 4:
            if (m < 3)
                return false;
            return dok.ausfuehren(QStringLiteral("Teilnehmer -"), [&](Cup &k) { teilnehmerLoeschen(k, s); });
        case 5: {
            if (n >= 6)
                return false;
            const auto d = lauf(cup);
            return dok.ausfuehren(QStringLiteral("Lauf +"), [&](Cup &k) { laufHinzufuegen(k, d); });
        }
        case 6: {
            if (n < 1)
                return false;
            auto d = laufdatenLesen(cup, c);
            d[2] = datum();
            return dok.ausfuehren(QStringLiteral("Lauf ~"), [&](Cup &k) { laufAendern(k, c, d); });
        }
        case 7:
            if (n < 2)
                return false;
            return dok.ausfuehren(QStringLiteral("Lauf -"), [&](Cup &k) { laufLoeschen(k, c); });
        case 8: {
            if (cup.cv.rowCount() < 2)
                return false;
            const int r = 1 + zahl(cup.cv.rowCount() - 1);
            if (zahl(2)) {
                const QString name = QStringLiteral("%1-Cup").arg(QChar(u'A' + zahl(6)));
                if (!cvAendernVerweigert(cup, r, name).isEmpty())
                    return false;
                const QString zeit = cup.cv.cell(2, r);
                return dok.ausfuehren(QStringLiteral("Variation ~"), [&](Cup &k) {
                    cvAendern(k, r, name, QStringLiteral("5000m"), zeit);
                });
            }
            if (zahl(2) && cvLoeschenVerweigert(cup, r).isEmpty())
                return dok.ausfuehren(QStringLiteral("Variation -"), [&](Cup &k) { cvLoeschen(k, r); });
            return dok.ausfuehren(QStringLiteral("Variation +"), [&](Cup &k) {
                cvHinzufuegen(k, QStringLiteral("X%1").arg(zahl(50)), QStringLiteral("1000m"), QStringLiteral("0:05'00,00\""), false);
            });
        }
        case 9: {
            const int r = 1 + zahl(cup.ag.rowCount() - 1);
            const int art = zahl(3);
            if (art == 0) {
                const QString wl = QStringLiteral("W%1").arg(zahl(90)), ml = QStringLiteral("M%1").arg(zahl(90));
                const QString alter = QString::number(151 + zahl(100));
                if (!agHinzufuegenVerweigert(cup, wl, ml, alter).isEmpty())
                    return false;
                return dok.ausfuehren(QStringLiteral("AG +"), [&](Cup &k) { agHinzufuegen(k, wl, ml, alter); });
            }
            if (art == 1) {
                const QString wl = cup.ag.cell(0, r) + QStringLiteral("x");
                if (!agAendernVerweigert(cup, r, wl, cup.ag.cell(1, r)).isEmpty())
                    return false;
                const QString ml = cup.ag.cell(1, r), alter = cup.ag.cell(2, r);
                return dok.ausfuehren(QStringLiteral("AG ~"), [&](Cup &k) { agAendern(k, r, wl, ml, alter); });
            }
            if (!agLoeschenVerweigert(cup, r).isEmpty())
                return false;
            return dok.ausfuehren(QStringLiteral("AG -"), [&](Cup &k) { agLoeschen(k, r); });
        }
        case 10:
            if (zahl(2))
                return dok.ausfuehren(QStringLiteral("PV +"), [p = 1 + zahl(40)](Cup &k) { pvHinzufuegen(k, p); });
            if (!pvLoeschenVerweigert(cup, 1).isEmpty())
                return false;
            return dok.ausfuehren(QStringLiteral("PV -"), [r = 1 + zahl(cup.pv.rowCount() - 1)](Cup &k) { pvLoeschen(k, r); });
        case 11:
            return dok.ausfuehren(QStringLiteral("Einstellungen"), [t = QString::number(zahl(1000)), i = zahl(7)](Cup &k) {
                k.name = t;
                k.kategorie = i;
            });
        case 12:
            return dok.ausfuehren(QStringLiteral("Min/Max"), [a = 1 + zahl(5), b = zahl(2)](Cup &k) {
                if (b)
                    minSetzen(k, a);
                else
                    maxSetzen(k, a);
            });
        case 13: {
            const int spalte = zahl(cup.teil.colCount());
            const Richtung richtung = zahl(2) ? Richtung::Absteigend : Richtung::Aufsteigend;
            return dok.ausfuehren(QStringLiteral("Sortieren"), [&](Cup &k) {
                teilsort(k, richtung, 0);
                teilsort(k, richtung, spalte);
            }, CupDokument::Art::Ordnung);
        }
        case 14: {
            // The open participant dialog saves what it holds (its participant may be gone).
            BeaTeil *t = bea_teil(w);
            if (!t->isVisible() && m > 0)
                t->bearbeiten(s);
            if (!t->isVisible())
                return false;
            const int vorher = w.bearbeitung()->stapel()->count();
            setNextAnswer(Antwort::Ok);
            QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("speichern")), Qt::LeftButton);
            resetTestHooks();
            setTestmodus(true);
            return w.bearbeitung()->stapel()->count() > vorher;
        }
        default: {
            // The open quick entry stores a result for a random start number.
            BeaErg *e = bea_erg(w);
            if (m < 1 || n < 1)
                return false;
            if (!e->isVisible() || e->lauf() < 1)
                e->oeffnen(c);
            const int vorher = w.bearbeitung()->stapel()->count();
            auto *sn = e->findChild<QLineEdit *>(QStringLiteral("sn"));
            auto *erg = e->findChild<QLineEdit *>(QStringLiteral("erg"));
            sn->setText(cup.teil.cell(6, s));
            QTest::keyClick(sn, Qt::Key_Tab);
            setNextAnswer(Antwort::Ja);
            erg->setText(ergebnis(cup, std::max(1, e->lauf())));
            QTest::keyClick(erg, Qt::Key_Tab);
            resetTestHooks();
            setTestmodus(true);
            return w.bearbeitung()->stapel()->count() > vorher;
        }
        }
    }

private slots:
    void randomCommandsUndoToTheStartAndRedoToTheEnd_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("varianten");
        QTest::newRow("mit Variationen 1") << 1u << true;
        QTest::newRow("ohne Variationen 2") << 2u << false;
        QTest::newRow("mit Variationen 3") << 3u << true;
    }
    void randomCommandsUndoToTheStartAndRedoToTheEnd()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, varianten);
        z.seed(seed);
        resetTestHooks();
        setTestmodus(true);
        MainUnit w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.cup().uebernehmen(test::zufallsCup(seed, 25, 3, varianten));
        w.neuAnzeigen();
        QCOMPARE(imTakt(w.cup()), QString());

        // The modeless dialogs stay open across everything that follows.
        bea_teil(w)->bearbeiten(2);
        bea_erg(w)->oeffnen(2);
        bea_lauf(w)->bearbeiten(1);
        w.bea_ag()->bearbeitenOeffnen(2);
        if (varianten)
            w.bea_cup()->bearbeitenOeffnen(1);

        QList<QByteArray> stand{datei(w.cup())};
        QUndoStack *stapel = w.bearbeitung()->stapel();
        int schritte = 0;
        for (int versuch = 0; schritte < 220 && versuch < 3000; ++versuch) {
            if (!befehl(w))
                continue;
            ++schritte;
            QCOMPARE(stapel->count(), schritte);
            stand << datei(w.cup());
            QVERIFY2(imTakt(w.cup()).isEmpty(), qPrintable(imTakt(w.cup())));
            // Saving sorts the participants by surname outside any step: later steps still find
            // their rows by identity.
            if (schritte % 17 == 0)
                teilsort(w.cup(), Richtung::Aufsteigend, 0);
        }
        QCOMPARE(schritte, 220);
        for (int k = schritte; k > 0; --k) {
            stapel->undo();
            QVERIFY2(imTakt(w.cup()).isEmpty(), qPrintable(imTakt(w.cup())));
            QVERIFY2(datei(w.cup()) == stand[k - 1], qPrintable(QStringLiteral("nach Rücknahme von Schritt %1").arg(k)));
        }
        QVERIFY(!w.cup().geaendert);
        for (int k = 1; k <= schritte; ++k) {
            stapel->redo();
            QVERIFY2(datei(w.cup()) == stand[k], qPrintable(QStringLiteral("nach Wiederholung von Schritt %1").arg(k)));
        }
        w.cup().edit(Cup::Stand::Gesichert);
        resetTestHooks();
    }
};

QTEST_MAIN(TstRueckgaengig)
#include "tst_rueckgaengig.moc"
