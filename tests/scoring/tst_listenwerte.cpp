// The numbers of the finish list, the detailed standings, the cup statement and the outlook, checked
// against the slow, literal rules on random cups and by brute force over the remaining races.
#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "scoring/gesamtwertung.h"
#include "scoring/listenwerte.h"
#include "scoring/wertung.h"
#include "support/literal_wertung.h"

#include <QRandomGenerator>
#include <QTest>
#include <functional>
#include <map>

using namespace tlt;
using literal::teilnehmerAnlegen;

namespace {

// Random cups get a sex per row: women's and men's labels as they read, "Gast" either or none.
void geschlechterSetzen(Cup &cup, unsigned seed)
{
    QRandomGenerator g(seed);
    for (int r = 1; r < cup.teil.rowCount(); ++r) {
        const QString ag = cup.teil.cell(5, r);
        QString s;
        if (ag.startsWith(QLatin1Char('W')) || ag.startsWith(QLatin1Char('F')))
            s = QStringLiteral("weiblich");
        else if (ag.startsWith(QLatin1Char('M')))
            s = QStringLiteral("männlich");
        else
            s = g.bounded(3) == 0 ? QString() : g.bounded(2) ? QStringLiteral("weiblich") : QStringLiteral("männlich");
        cup.teil.setCell(3, r, s);
    }
}

// Overall points per row as the literal overall computation gives them (on a copy).
std::map<int, int> standPunkte(const Cup &cup, int n)
{
    Cup kopie = cup;
    const int spalte = kopie.teil.colCount();
    kopie.teil.setColCount(spalte + 1);
    for (int r = 1; r < kopie.teil.rowCount(); ++r)
        kopie.teil.setCell(spalte, r, QString::number(r));
    std::map<int, int> punkte;
    literal::gesamt_berechnen(kopie, n);
    for (int i = 1; i < kopie.teil.rowCount(); ++i)
        punkte[kopie.teil.cell(spalte, i).toInt()] = kopie.teil.cell(kopie.teil.colCount() - 1, i).toInt();
    return punkte;
}

Cup kleinerCup(int laufe)
{
    Cup cup;
    literal::ohneVarianten(cup);
    literal::laufeAnlegen(cup, laufe, kZeitlauf);
    return cup;
}

QString zeit(int minuten)
{
    return QStringLiteral("0:%1'00,00\"").arg(minuten, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestListenwerte : public QObject {
    Q_OBJECT

private slots:
    // Every place of the finish list is 1 plus the number of strictly better scored results of the
    // block, overall and among the same sex; the age-group place is platzierung's.
    void einlaufPlaetzeSindEinsPlusBessere_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("varianten");
        for (unsigned s = 1; s <= 12; ++s)
            QTest::addRow("seed %u%s", s, s % 2 ? " mit Varianten" : "") << s << bool(s % 2);
    }
    void einlaufPlaetzeSindEinsPlusBessere()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, varianten);
        literal::Zufall z;
        z.seed = seed;
        z.teilnehmer = 90;
        z.cupvarianten = varianten;
        z.ohneZiffern = seed % 3 == 0;
        Cup cup = literal::zufallsCup(z);
        geschlechterSetzen(cup, seed);
        const Tabelle &t = cup.teil;
        for (int k = 1; k <= cup.anzahlLaufe(); ++k) {
            const int spalte = Cup::ergebnisspalte(k);
            int gelistet = 0;
            for (const Einlaufblock &b : einlauf(cup, k)) {
                const QString variante = b.variante > 0 ? cup.cv.cell(0, b.variante) : QString();
                bool codes = false;
                for (size_t i = 0; i < b.zeilen.size(); ++i) {
                    const Einlaufzeile &z = b.zeilen[i];
                    ++gelistet;
                    QCOMPARE(z.eintrag, t.cell(spalte, z.zeile));
                    QVERIFY(!z.eintrag.isEmpty());
                    if (b.variante > 0)
                        QCOMPARE(t.cell(7, z.zeile), variante);
                    QCOMPARE(z.gewertet, istLeistung(z.eintrag));
                    // Codes come last, and the order never puts a worse result before a better one.
                    if (!z.gewertet)
                        codes = true;
                    else
                        QVERIFY2(!codes, "a scored result after a code");
                    if (i > 0 && b.zeilen[i - 1].gewertet == z.gewertet)
                        QVERIFY(!literal::besser(cup, k, b.zeilen[i - 1].eintrag, z.eintrag));
                    if (!z.gewertet) {
                        QCOMPARE(z.platz, 0);
                        continue;
                    }
                    int besserAlle = 0, besserGeschlecht = 0;
                    for (const Einlaufzeile &o : b.zeilen) {
                        if (!o.gewertet || !literal::besser(cup, k, z.eintrag, o.eintrag))
                            continue;
                        ++besserAlle;
                        if (t.cell(3, o.zeile) == t.cell(3, z.zeile))
                            ++besserGeschlecht;
                    }
                    QCOMPARE(z.platz, 1 + besserAlle);
                    QCOMPARE(z.platzGeschlecht, 1 + besserGeschlecht);
                    QCOMPARE(z.platzGruppe, literal::platzierung(cup, k, z.zeile));
                }
            }
            // Everyone with an entry is listed once, unless their variation does not exist.
            int erwartet = 0;
            for (int r = 1; r < t.rowCount(); ++r) {
                if (t.cell(spalte, r).isEmpty())
                    continue;
                bool bekannt = !varianten;
                for (int v = 1; v < cup.cv.rowCount(); ++v)
                    bekannt = bekannt || cup.cv.cell(0, v) == t.cell(7, r);
                erwartet += bekannt;
            }
            QCOMPARE(gelistet, erwartet);
        }
    }

    // Equal results share a place and the next one is skipped; equal results stand by surname.
    void einlaufGleichstand()
    {
        Cup cup = kleinerCup(1);
        teilnehmerAnlegen(cup, "Zorn", "Z", "01.01.1990", "", "F", "", {zeit(40)});
        teilnehmerAnlegen(cup, "Adam", "A", "01.01.1990", "", "M", "", {zeit(40)});
        teilnehmerAnlegen(cup, "Beck", "B", "01.01.1990", "", "F", "", {zeit(35)});
        teilnehmerAnlegen(cup, "Cron", "C", "01.01.1990", "", "M", "", {"d."});
        teilnehmerAnlegen(cup, "Dorn", "D", "01.01.1990", "", "M", "", {zeit(41)});
        teilnehmerAnlegen(cup, "Ebel", "E", "01.01.1990", "", "M", "", {""});
        for (int r = 1; r <= 6; ++r)
            cup.teil.setCell(3, r, cup.teil.cell(5, r) == "F" ? "weiblich" : "männlich");
        const auto bloecke = einlauf(cup, 1);
        QCOMPARE(bloecke.size(), size_t(1));
        QStringList ist;
        for (const Einlaufzeile &z : bloecke[0].zeilen)
            ist << QStringLiteral("%1:%2/%3/%4")
                       .arg(cup.teil.cell(0, z.zeile))
                       .arg(z.platz)
                       .arg(z.platzGeschlecht)
                       .arg(z.platzGruppe);
        QCOMPARE(ist.join(' '), QStringLiteral("Beck:1/1/1 Adam:2/1/1 Zorn:2/2/2 Dorn:4/2/2 Cron:0/0/0"));
    }

    // The counted races' points add up to the standings' points for every participant and race n.
    void gewerteteLaeufeErgebenDieGesamtpunkte_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned s = 1; s <= 10; ++s)
            QTest::addRow("seed %u", s) << s;
    }
    void gewerteteLaeufeErgebenDieGesamtpunkte()
    {
        QFETCH(unsigned, seed);
        literal::Zufall z;
        z.seed = seed;
        z.teilnehmer = 70;
        z.laufe = 5;
        z.cupvarianten = seed % 2;
        Cup cup = literal::zufallsCup(z);
        for (int n = 1; n <= cup.anzahlLaufe(); ++n) {
            const std::map<int, int> soll = standPunkte(cup, n);
            const Laufanteilrechner rechner(cup, n);
            for (int r = 1; r < cup.teil.rowCount(); ++r) {
                const auto anteile = rechner(r);
                QCOMPARE(int(anteile.size()), n);
                long long summe = 0;
                int gewertet = 0, wertbar = 0;
                for (const Laufanteil &a : anteile) {
                    if (a.wertung == Wertung::Gewertet) {
                        summe += a.punkte;
                        ++gewertet;
                    }
                    if (a.platz > 0) {
                        ++wertbar;
                        QCOMPARE(a.punkte, literal::laufpunkte(cup, a.lauf, r));
                        QCOMPARE(a.punkte, a.tabellenpunkte * a.faktor + a.summand);
                    }
                }
                QCOMPARE(summe, (long long)soll.at(r));
                QCOMPARE(gewertet, wertbar >= cup.min ? std::min(wertbar, cup.max) : 0);
                // A dropped race never has more points than a counted one.
                for (const Laufanteil &a : anteile)
                    for (const Laufanteil &b : anteile)
                        if (a.wertung == Wertung::Gestrichen && b.wertung == Wertung::Gewertet)
                            QVERIFY(a.punkte <= b.punkte);
            }
        }
    }

    void wertungJeLauf()
    {
        Cup cup = kleinerCup(5);
        cup.min = 2;
        cup.max = 2;
        cup.laufe.setCell(4, 32, "2");
        cup.laufe.setCell(4, 33, "3");
        // Places 1, 3, 1 (races 1, 2, 4; race 4 with factor 2 and summand 3), a code in race 3,
        // nothing in race 5.
        teilnehmerAnlegen(cup, "Albers", "A", "01.01.1990", "", "F", "", {zeit(30), zeit(35), "n.a.", zeit(30)});
        teilnehmerAnlegen(cup, "Brandt", "B", "01.01.1990", "", "F", "", {zeit(31), zeit(33), "", zeit(31)});
        teilnehmerAnlegen(cup, "Conrad", "C", "01.01.1990", "", "F", "", {"", zeit(34)});
        const auto a = laufanteile(cup, 1, 5);
        QCOMPARE(a.size(), size_t(5));
        QCOMPARE(a[0].punkte, 20);
        QCOMPARE(a[0].wertung, Wertung::Gewertet);
        QCOMPARE(a[1].platz, 3);
        QCOMPARE(a[1].punkte, 18);
        QCOMPARE(a[1].wertung, Wertung::Gestrichen);
        QCOMPARE(a[2].wertung, Wertung::OhnePunkte);
        QCOMPARE(a[3].tabellenpunkte, 20);
        QCOMPARE(a[3].faktor, 2);
        QCOMPARE(a[3].summand, 3);
        QCOMPARE(a[3].punkte, 43);
        QCOMPARE(a[3].wertung, Wertung::Gewertet);
        QCOMPARE(a[4].wertung, Wertung::NichtTeilgenommen);
        // Without the bonus races 1 and 4 both give 20; with max 1 the earlier one counts.
        cup.laufe.setCell(4, 32, "");
        cup.laufe.setCell(4, 33, "");
        cup.max = 1;
        const auto b = laufanteile(cup, 1, 5);
        QCOMPARE(b[0].wertung, Wertung::Gewertet);
        QCOMPARE(b[3].wertung, Wertung::Gestrichen);
        QCOMPARE(b[1].wertung, Wertung::Gestrichen);
        // One scored result with min 2: nothing counts yet.
        const auto c = laufanteile(cup, 3, 5);
        QCOMPARE(c[1].wertung, Wertung::OhneWertung);
        QCOMPARE(wertungstext(c[1].wertung), QStringLiteral("noch nicht gewertet"));
        QCOMPARE(wertungstext(Wertung::Gestrichen), QStringLiteral("gestrichen"));
        QCOMPARE(cupsumme({5, 12}, 1, 1), 12LL);
        QCOMPARE(cupsumme({20, 19, 9}, 1, 2), 39LL);
        QCOMPARE(cupsumme({20}, 2, 2), 0LL);
    }

    // "Who can still win" never calls someone out who can still win, never calls a win certain that
    // can be lost, and every runner it gives a chance has one: checked against every outcome of the
    // remaining races (each runner absent or with any points of pv, or 0, in each race).
    void werKannGewinnenStimmtMitAllenAusgaengen_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned s = 1; s <= 40; ++s)
            QTest::addRow("seed %u", s) << s;
    }
    void werKannGewinnenStimmtMitAllenAusgaengen()
    {
        QFETCH(unsigned, seed);
        QRandomGenerator g(seed);
        const int laufe = 2 + g.bounded(3);
        Cup cup = kleinerCup(laufe);
        // A short points table, so the outcomes are few: 10, 6, 3 (or 7, 7, 2).
        cup.pv.setRowCount(4);
        const int pv[2][3] = {{10, 6, 3}, {7, 7, 2}};
        for (int p = 1; p <= 3; ++p) {
            cup.pv.setCell(0, p, QString::number(p));
            cup.pv.setCell(1, p, QString::number(pv[seed % 2][p - 1]));
        }
        cup.min = 1 + g.bounded(laufe);
        cup.max = cup.min + g.bounded(laufe - cup.min + 1);
        if (g.bounded(2)) {
            cup.laufe.setCell(1, 32, QString::number(1 + g.bounded(3)));
            cup.laufe.setCell(1, 33, QString::number(g.bounded(4)));
        }
        const int leute = 2 + g.bounded(2);
        for (int i = 0; i < leute; ++i) {
            QStringList e;
            for (int k = 1; k <= laufe; ++k) {
                const int w = g.bounded(10);
                e << (w < 3 ? QString() : w < 4 ? QStringLiteral("d.") : zeit(30 + g.bounded(4)));
            }
            teilnehmerAnlegen(cup, QStringLiteral("N%1").arg(i), "V", "01.01.1990", "", "F", "", e);
        }
        const int n = 1 + g.bounded(laufe);
        const int verbleibend = 1 + g.bounded(2);
        const Ausblick a = werKannGewinnen(cup, n, verbleibend);
        QCOMPARE(a.hoechstpunkte, pv[seed % 2][0]);
        QCOMPARE(a.gruppen.size(), size_t(1));
        const std::vector<Aussicht> &t = a.gruppen[0].teilnehmer;
        QCOMPARE(int(t.size()), leute);

        // Race points so far of each participant.
        std::vector<std::vector<int>> bisher(t.size());
        for (size_t i = 0; i < t.size(); ++i)
            for (int k = 1; k <= n; ++k)
                if (istLeistung(cup.teil.cell(Cup::ergebnisspalte(k), t[i].zeile)))
                    bisher[i].push_back(literal::laufpunkte(cup, k, t[i].zeile));

        // Every outcome: per remaining race and runner, absent (-1) or one of the possible points.
        std::vector<int> moeglich{-1, 0};
        for (int p = 1; p <= 3; ++p)
            moeglich.push_back(pv[seed % 2][p - 1]);
        const size_t stellen = t.size() * static_cast<size_t>(verbleibend);
        std::vector<size_t> wahl(stellen, 0);
        std::vector<bool> gewinntEinmal(t.size(), false);
        std::vector<bool> verliertEinmal(t.size(), false); // someone else reaches their points
        for (;;) {
            std::vector<long long> ende(t.size());
            std::vector<bool> wertbar(t.size());
            for (size_t i = 0; i < t.size(); ++i) {
                std::vector<int> werte = bisher[i];
                for (int k = 0; k < verbleibend; ++k) {
                    const int p = moeglich[wahl[i * static_cast<size_t>(verbleibend) + static_cast<size_t>(k)]];
                    if (p >= 0)
                        werte.push_back(p);
                }
                wertbar[i] = static_cast<int>(werte.size()) >= cup.min;
                ende[i] = cupsumme(werte, cup.min, cup.max);
            }
            for (size_t i = 0; i < t.size(); ++i) {
                bool vorn = wertbar[i];
                bool allein = wertbar[i];
                for (size_t j = 0; j < t.size(); ++j) {
                    if (j == i || !wertbar[j])
                        continue;
                    if (ende[j] > ende[i])
                        vorn = false;
                    if (ende[j] >= ende[i])
                        allein = false;
                }
                if (vorn)
                    gewinntEinmal[i] = true;
                if (!allein)
                    verliertEinmal[i] = true;
            }
            size_t s = 0;
            while (s < stellen && ++wahl[s] == moeglich.size())
                wahl[s++] = 0;
            if (s == stellen)
                break;
        }
        for (size_t i = 0; i < t.size(); ++i) {
            const QByteArray wer = QByteArray::number(int(i));
            QVERIFY2(t[i].kannGewinnen == gewinntEinmal[i], wer.constData());
            QVERIFY2(!t[i].sicher || !verliertEinmal[i], wer.constData());
            // With nobody else able to reach the minimum and this runner already ranked, the win is
            // certain and the list must say so.
            QVERIFY2(t[i].sicher == !verliertEinmal[i], wer.constData());
        }
    }

    void werKannGewinnenEinfach()
    {
        Cup cup = kleinerCup(3);
        cup.min = 2;
        cup.max = 3;
        teilnehmerAnlegen(cup, "Albers", "A", "01.01.1990", "", "F", "", {zeit(30), zeit(30)}); // 40
        teilnehmerAnlegen(cup, "Brandt", "B", "01.01.1990", "", "F", "", {zeit(31), zeit(31)}); // 38
        teilnehmerAnlegen(cup, "Conrad", "C", "01.01.1990", "", "F", "", {zeit(32)});           // 18, 1 result
        teilnehmerAnlegen(cup, "Dietz", "D", "01.01.1990", "", "F", "", {"", ""});              // nothing
        Ausblick a = werKannGewinnen(cup, 2, 1);
        QCOMPARE(a.gruppen.size(), size_t(1));
        auto finde = [&](const Ausblick &x, const char *name) {
            for (const Aussicht &s : x.gruppen[0].teilnehmer)
                if (cup.teil.cell(0, s.zeile) == QLatin1String(name))
                    return s;
            return Aussicht{};
        };
        QVERIFY(finde(a, "Albers").fuehrt);
        QVERIFY(finde(a, "Albers").kannGewinnen);
        QVERIFY(!finde(a, "Albers").sicher);
        QCOMPARE(finde(a, "Brandt").hoechstens, 58);
        QVERIFY(finde(a, "Brandt").kannGewinnen);
        QCOMPARE(finde(a, "Conrad").hoechstens, 38);
        QVERIFY(!finde(a, "Conrad").kannGewinnen);
        // One race can not bring Dietz to the minimum of 2.
        QCOMPARE(finde(a, "Dietz").hoechstens, -1);
        QVERIFY(!finde(a, "Dietz").kannGewinnen);
        // After the last race nothing can change: the leader's win is certain.
        a = werKannGewinnen(cup, 2, 0);
        QVERIFY(finde(a, "Albers").sicher);
        QVERIFY(!finde(a, "Brandt").kannGewinnen);
    }

    // The standings value keeps the cup as it was.
    void gesamtstandLaesstDenCupUnveraendert()
    {
        literal::Zufall z;
        z.seed = 5;
        Cup cup = literal::zufallsCup(z);
        const Cup vorher = cup;
        const Gesamtstand s = gesamtstand(cup, 3);
        QCOMPARE(int(s.reihenfolge.size()), cup.anzahlTeilnehmer());
        for (int r = 0; r < cup.teil.rowCount(); ++r)
            QVERIFY(cup.teil.row(r) == vorher.teil.row(r));
        QCOMPARE(cup.teil.colCount(), vorher.teil.colCount());
    }
};

QTEST_GUILESS_MAIN(TestListenwerte)
#include "tst_listenwerte.moc"
