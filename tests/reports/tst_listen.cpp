// The finish list, the detailed standings, the cup statement and "who can still win": golden
// lists, their agreement with the standings list on random cups, valid HTML and CSV.
#include "core/cup.h"
#include "reports/ausgabe.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/listen.h"
#include "scoring/gesamtwertung.h"
#include "scoring/listenwerte.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/literal_wertung.h"
#include "support/testhilfe.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace tlt;

namespace {

const QString kM = QStringLiteral("männlich");
const QString kW = QStringLiteral("weiblich");

// Three races planned, two run: minimum 2, best 3, race 2 with factor 2 and summand 5. A-Cup women:
// a leader who can still be caught by two, one who can reach the minimum but not the leader, one
// who cannot reach the minimum; B-Cup men: a win that is already certain.
Cup ausblickCup()
{
    Cup cup;
    cup.name = QStringLiteral("Ahorn-Cup 2026");
    cup.veranstalter = QStringLiteral("TV Ahorn");
    cup.min = 2;
    cup.max = 3;
    test::laufAnhaengen(cup, kZeitlauf, "01.05.2026", "ja");
    test::laufAnhaengen(cup, kDistanzlauf, "05.06.2026", "ja");
    test::laufAnhaengen(cup, kZeitlauf, "03.07.2026", "ja");
    cup.laufe.setCell(2, 32, "2");
    cup.laufe.setCell(2, 33, "5");
    auto t = [&](const QStringList &f, const QStringList &e) { test::teilnehmerAnhaengen(cup, f, e); };
    t({"Albers", "Anna", "01.02.1995", kW, "TV Ahorn", "F", "A-Cup"}, {"0:40'00,00\"", "12000m"});
    t({"Brandt", "Berta", "02.03.1996", kW, "LG Musterstadt", "F", "A-Cup"}, {"0:41'00,00\"", "11000m"});
    t({"Conrad", "Clara", "03.04.1997", kW, "TV Ahorn", "F", "A-Cup"}, {"0:39'00,00\"", ""});
    t({"Dietz", "Dora", "04.05.1998", kW, "", "F", "A-Cup"}, {"", "n.a."});
    t({"Engel", "Erna", "05.06.1999", kW, "TSV Birke", "F", "A-Cup"}, {"0:44'00,00\"", "9000m"});
    t({"Graf", "Gustav", "07.08.1990", kM, "TV Ahorn", "M30", "B-Cup"}, {"0:39'00,00\"", "12500m"});
    t({"Hahn", "Hans", "08.09.1989", kM, "TV Ahorn", "M30", "B-Cup"}, {"0:50'00,00\"", ""});
    t({"Imhof", "Ivo", "09.10.1988", kM, "TSV Birke", "M30", "B-Cup"}, {"0:52'00,00\""});
    return cup;
}

Cup berichtsCupMin2()
{
    Cup cup = test::berichtsCup();
    cup.min = 2;
    cup.max = 2;
    return cup;
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

QString w3cKatalog()
{
    for (const char *p : {"/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc", "/usr/share/sgml/w3c-sgml-lib/sgml.soc"})
        if (QFile::exists(QString::fromLatin1(p)))
            return QString::fromLatin1(p);
    return {};
}

// OpenSP's complaints about a page as HTML 4.01 Transitional (empty when valid).
QString validieren(const QByteArray &seite)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("seite.htm");
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return "kann nicht schreiben";
    f.write(seite);
    f.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SP_CHARSET_FIXED", "YES");
    env.insert("SP_ENCODING", "UTF-8");
    p.setProcessEnvironment(env);
    p.start("onsgmls", {"-s", "-c", w3cKatalog(), pfad});
    if (!p.waitForFinished(60000))
        return "onsgmls läuft nicht";
    const QString meldungen = QString::fromUtf8(p.readAllStandardError());
    if (p.exitCode() != 0 || !meldungen.isEmpty())
        return meldungen.isEmpty() ? QStringLiteral("Exit %1").arg(p.exitCode()) : meldungen;
    return {};
}

void liste(int art, const Cup &cup, Ausgabe &aus)
{
    switch (art) {
    case 0:
        ausgabe_einlauf(cup, aus, 1);
        break;
    case 1:
        ausgabe_einlauf(cup, aus, 2);
        break;
    case 2:
        ausgabe_gesamt_ausfuehrlich(cup, aus, 2);
        break;
    case 3:
        ausgabe_auskunft(cup, aus, 1, 2);
        break;
    case 4:
        ausgabe_noch_offen(cup, aus, 2, 1);
        break;
    }
}

} // namespace

class TestListen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void goldenListen_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("datei");
        QTest::newRow("Einlauf Zeitlauf") << 0 << "einlauf_zeitlauf.txt";
        QTest::newRow("Einlauf Distanzlauf") << 1 << "einlauf_distanzlauf.txt";
        QTest::newRow("Einlauf ohne Varianten") << 2 << "einlauf_ohne_varianten.txt";
        QTest::newRow("ausführlich") << 3 << "gesamt_ausfuehrlich.txt";
        QTest::newRow("ausführlich ohne Varianten") << 4 << "gesamt_ausfuehrlich_ohne_varianten.txt";
        QTest::newRow("Auskunft") << 5 << "auskunft.txt";
        QTest::newRow("Auskunft unter dem Minimum") << 6 << "auskunft_unter_minimum.txt";
        QTest::newRow("noch offen") << 7 << "noch_offen.txt";
        QTest::newRow("noch offen, kein Lauf mehr") << 8 << "noch_offen_ende.txt";
    }
    void goldenListen()
    {
        QFETCH(int, fall);
        QFETCH(QString, datei);
        Ausgabe aus;
        const Cup bericht = berichtsCupMin2();
        const Cup ausblick = ausblickCup();
        const Cup ohne = test::cupOhneVarianten();
        switch (fall) {
        case 0:
            ausgabe_einlauf(bericht, aus, 1);
            break;
        case 1:
            ausgabe_einlauf(bericht, aus, 2);
            break;
        case 2:
            ausgabe_einlauf(ohne, aus, 1);
            break;
        case 3:
            ausgabe_gesamt_ausfuehrlich(bericht, aus, 2);
            break;
        case 4:
            ausgabe_gesamt_ausfuehrlich(ohne, aus, 1);
            break;
        case 5:
            ausgabe_auskunft(ausblick, aus, 1, 2);
            break;
        case 6:
            ausgabe_auskunft(ausblick, aus, 3, 2); // Conrad: one result, the minimum is 2
            break;
        case 7:
            ausgabe_noch_offen(ausblick, aus, 2, 1);
            break;
        case 8:
            ausgabe_noch_offen(ausblick, aus, 2, 0);
            break;
        }
        const QString fehler = test::goldenVergleich(datei, test::paneltext(aus).toUtf8());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void goldenCsv_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("datei");
        QTest::newRow("Einlauf") << 0 << "einlauf.csv";
        QTest::newRow("ausführlich") << 1 << "gesamt_ausfuehrlich.csv";
        QTest::newRow("Auskunft") << 2 << "auskunft.csv";
        QTest::newRow("noch offen") << 3 << "noch_offen.csv";
    }
    void goldenCsv()
    {
        QFETCH(int, fall);
        QFETCH(QString, datei);
        const Cup bericht = berichtsCupMin2();
        const Cup ausblick = ausblickCup();
        QString csv;
        switch (fall) {
        case 0:
            csv = einlaufCsv(bericht, 1);
            break;
        case 1:
            csv = gesamtAusfuehrlichCsv(bericht, 2);
            break;
        case 2:
            csv = auskunftCsv(ausblick, 1, 2);
            break;
        case 3:
            csv = nochOffenCsv(ausblick, 2, 1);
            break;
        }
        const QByteArray bytes = csvDatei(csv);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        // Every record has as many fields as the heading; the club with ';' and '"' is quoted.
        const QStringList zeilen = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(zeilen.size() > 1);
        auto felder = [](const QString &z) {
            int n = 1;
            bool inAnf = false;
            for (QChar c : z) {
                if (c == '"')
                    inAnf = !inAnf;
                else if (c == ';' && !inAnf)
                    ++n;
            }
            return n;
        };
        for (const QString &z : zeilen)
            QCOMPARE(felder(z), felder(zeilen.first()));
        const QString fehler = test::goldenVergleich(datei, bytes);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void csvQuotesFieldsWithSeparators()
    {
        Cup cup = berichtsCupMin2();
        cup.teil.setCell(4, 1, QStringLiteral("TV \"Ahorn\"; Abt. Lauf"));
        const QString csv = einlaufCsv(cup, 1);
        QVERIFY(csv.contains(QStringLiteral(";\"TV \"\"Ahorn\"\"; Abt. Lauf\";")));
    }

    // A race without entries says so instead of leaving an empty list; a participant whose age group
    // the standings do not list is told that, not given a placing.
    void leereUndUngelisteteFaelle()
    {
        const Cup cup = ausblickCup();
        Ausgabe aus;
        ausgabe_einlauf(cup, aus, 3);
        QVERIFY(aus.text().contains(QStringLiteral("Für diesen Lauf sind keine Ergebnisse eingetragen.")));
        QVERIFY(!aus.text().contains(QStringLiteral("Einlauf im")));

        const Cup bericht = berichtsCupMin2();
        ausgabe_auskunft(bericht, aus, 12, 2); // Zander, age group "X99"
        QVERIFY(aus.text().contains(QStringLiteral("Cup-Auskunft für Ole Zander")));
        QVERIFY(aus.text().contains(
            QStringLiteral("Gesamtwertung      : nicht gelistet (Altersgruppe oder Cup-Variation unbekannt)")));
        QVERIFY(!aus.text().contains(QStringLiteral("Gesamtplatzierung")));
        // Race points are still shown race by race.
        QVERIFY(aus.text().contains(QStringLiteral("  gewertet")));
    }

    // The detailed standings show the standings list's placings, participations and points in the same
    // order, and each line's counted race columns add up to its points.
    void ausfuehrlichStimmtMitDerGesamtwertung_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("varianten");
        for (unsigned s = 1; s <= 8; ++s)
            QTest::addRow("seed %u", s) << s << bool(s % 2);
    }
    void ausfuehrlichStimmtMitDerGesamtwertung()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, varianten);
        Cup cup = test::zufallsCup(seed, 150, 5, varianten);
        for (int k = 1; k <= cup.anzahlLaufe(); ++k) {
            cup.laufe.setCell(k, 32, QString::number(1 + (seed + k) % 3));
            cup.laufe.setCell(k, 33, QString::number((seed * k) % 4));
        }
        cup.min = 1 + seed % 3;
        cup.max = cup.min + seed % 2;
        for (int n = 1; n <= cup.anzahlLaufe(); ++n) {
            Cup kopie = cup;
            Ausgabe normal;
            ausgabe_gesamt(kopie, normal, n);
            Ausgabe breit;
            ausgabe_gesamt_ausfuehrlich(cup, breit, n);

            const QRegularExpression normalZeile(QStringLiteral("^(.{5})(.{36}).{28}( {0,5}\\d+)( *(?:\\d+|---))$"));
            const QRegularExpression breiteZeile(
                QStringLiteral("^(.{5})(.{26}).{14}((?:.{6}){%1})( {0,5}\\d+)( *(?:\\d+|---))$").arg(n));
            QStringList soll, ist;
            for (const Ausgabezeile &z : normal.zeilen()) {
                const auto m = normalZeile.match(z.text);
                if (z.stil == Normal && m.hasMatch())
                    soll << m.captured(1) + m.captured(2).left(26) + m.captured(3).trimmed() + '/' +
                                m.captured(4).trimmed();
            }
            for (const Ausgabezeile &z : breit.zeilen()) {
                const auto m = breiteZeile.match(z.text);
                if (z.stil != Normal || !m.hasMatch())
                    continue;
                ist << m.captured(1) + m.captured(2) + m.captured(4).trimmed() + '/' + m.captured(5).trimmed();
                long long summe = 0;
                const QString spalten = m.captured(3);
                for (int d = 0; d < n; ++d) {
                    const QString feld = spalten.mid(6 * d, 6).trimmed();
                    bool zahl = false;
                    const int wert = feld.toInt(&zahl);
                    if (zahl)
                        summe += wert;
                    else
                        QVERIFY2(feld == "-" || (feld.startsWith('(') && feld.endsWith(')')) || feld == "n.a." ||
                                     feld == "v." || feld == "d." || feld == "o.L.",
                                 qPrintable(feld));
                }
                const QString punkte = m.captured(5).trimmed();
                QCOMPARE(summe, punkte == "---" ? 0LL : punkte.toLongLong());
            }
            QVERIFY(soll.size() > 50);
            QCOMPARE(ist, soll);
        }
    }

    // The statement's counted race points add up to its overall points, which are the standings' points.
    void auskunftSummeIstDerGesamtstand()
    {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            Cup cup = test::zufallsCup(seed, 80, 4, seed % 2);
            cup.laufe.setCell(2, 32, "3");
            cup.laufe.setCell(3, 33, "7");
            cup.min = 2;
            cup.max = 2 + seed % 2;
            for (int n = 1; n <= cup.anzahlLaufe(); ++n) {
                const std::map<int, int> soll = standPunkte(cup, n);
                const Gesamtstand stand = gesamtstand(cup, n);
                for (int r = 1; r < cup.teil.rowCount(); ++r) {
                    Ausgabe aus;
                    ausgabe_auskunft(cup, aus, r, n);
                    long long summe = 0;
                    QString gesamt;
                    for (const Ausgabezeile &z : aus.zeilen()) {
                        if (z.text.size() == 82 && z.text.mid(63).trimmed() == QLatin1String("gewertet"))
                            summe += z.text.mid(54, 7).trimmed().toLongLong();
                        if (z.text.startsWith(QLatin1String("Gesamtpunkte")))
                            gesamt = z.text.mid(21);
                    }
                    QCOMPARE(summe, (long long)soll.at(r));
                    const Standzeile &s = stand.zeile(r);
                    if (!s.gelistet)
                        QVERIFY(gesamt.isEmpty());
                    else
                        QCOMPARE(gesamt, s.unterMinimum ? QStringLiteral("---") : QString::number(soll.at(r)));
                }
            }
        }
    }

    // The placings of the standings value are the ones the standings list shows: the number on a
    // line of its own, the placing of the line above on a tied line, none beside "---". Order,
    // participations and points are those of the literal computation.
    void gesamtstandPlatzIstDerDerListe()
    {
        int unplatziert = 0;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            Cup cup = test::zufallsCup(seed, 200, 4, seed % 2);
            cup.min = 1 + seed % 3;
            cup.max = 3;
            const Gesamtstand stand = gesamtstand(cup, 3);

            Cup kopie = cup;
            const int spalte = kopie.teil.colCount();
            kopie.teil.setColCount(spalte + 1);
            for (int r = 1; r < kopie.teil.rowCount(); ++r)
                kopie.teil.setCell(spalte, r, QString::number(r));
            literal::gesamt_berechnen(kopie, 3);
            const int c = kopie.teil.colCount();
            std::vector<int> reihenfolge;
            for (int i = 1; i < kopie.teil.rowCount(); ++i) {
                const int r = kopie.teil.cell(spalte, i).toInt();
                reihenfolge.push_back(r);
                QCOMPARE(stand.zeile(r).teilnahmen, kopie.teil.cell(c - 2, i).toInt());
                QCOMPARE(stand.zeile(r).punkte, kopie.teil.cell(c - 1, i).toLongLong());
            }
            QCOMPARE(stand.reihenfolge, reihenfolge);

            Ausgabe aus;
            gesamt_vorschau(cup, aus, stand);
            QStringList linien;
            for (const Ausgabezeile &z : aus.zeilen())
                if (z.text.size() == 82 && z.stil == Normal && !z.text.startsWith(QLatin1Char('=')))
                    linien << z.text;
            int i = 0;
            for (const Standgruppe &g : stand.gruppen) {
                int voriger = 0;
                for (int r : g.zeilen) {
                    QVERIFY(i < linien.size());
                    const QString &linie = linien[i++];
                    QVERIFY2(linie.mid(5).startsWith(cup.teil.cell(0, r)), qPrintable(linie));
                    const QString feld = linie.left(5).trimmed();
                    const Standzeile &z = stand.zeile(r);
                    if (!feld.isEmpty())
                        QCOMPARE(z.platz, feld.chopped(1).toInt());
                    else if (linie.endsWith(QLatin1String("---")))
                        QVERIFY(z.platz == 0 && z.unterMinimum);
                    else
                        QCOMPARE(z.platz, voriger);
                    voriger = z.platz;
                    unplatziert += z.platz == 0 ? 1 : 0;
                }
            }
            QCOMPARE(i, linien.size());
        }
        // The minimum of the cups with variations leaves some unranked.
        QVERIFY(unplatziert > 0);
    }

    // No list changes the cup.
    void listenLassenDenCupUnveraendert()
    {
        const Cup vorher = test::zufallsCup(3, 60, 3, true);
        Cup cup = vorher;
        for (int art = 0; art < 5; ++art) {
            Ausgabe aus;
            liste(art, cup, aus);
            QVERIFY(aus.anzahl() > 5);
        }
        for (int r = 0; r < cup.teil.rowCount(); ++r)
            QVERIFY(cup.teil.row(r) == vorher.teil.row(r));
        QCOMPARE(cup.teil.colCount(), vorher.teil.colCount());
    }

    void listenSind82ZeichenBreit()
    {
        const Cup cup = test::zufallsCup(9, 100, 4, true);
        for (int art : {0, 1, 3, 4}) {
            Ausgabe aus;
            liste(art, cup, aus);
            for (const Ausgabezeile &z : aus.zeilen())
                QVERIFY2(z.text.size() <= 82, qPrintable(z.text));
        }
    }

    // Every list, in both styles, validates as HTML 4.01 Transitional without a single error.
    void seitenSindGueltig_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("stil");
        const char *namen[] = {"Einlauf Zeitlauf", "Einlauf Distanzlauf", "ausführlich", "Auskunft", "noch offen"};
        for (int a = 0; a < 5; ++a)
            for (int s = 0; s < 2; ++s)
                QTest::addRow("%s, Stil %d", namen[a], s) << a << s;
    }
    void seitenSindGueltig()
    {
        if (w3cKatalog().isEmpty() || QStandardPaths::findExecutable("onsgmls").isEmpty())
            QFAIL("onsgmls (opensp) and the W3C DTDs (w3c-sgml-lib) are needed: scripts/pakete.sh installs them");
        QFETCH(int, art);
        QFETCH(int, stil);
        Cup cup = berichtsCupMin2();
        cup.htmlstil = stil;
        Ausgabe aus;
        liste(art, cup, aus);
        const QByteArray seite = htmlSeite(aus, cup);
        const QString fehler = validieren(seite);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QVERIFY(seite.contains("&szlig;") || seite.contains("&auml;") || seite.contains("&uuml;"));
    }
};

QTEST_GUILESS_MAIN(TestListen)
#include "tst_listen.moc"
