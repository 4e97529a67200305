// Page geometry of the certificates, checked on a recording canvas of 4800 x 6800 pixels
// (a text is half a cell height wide per character there).
#include "certificates/aufzeichnung.h"
#include "certificates/urkunde.h"
#include "core/cup.h"
#include "support/testhilfe.h"

#include <QtTest>

using namespace tlt;
using Eintrag = AufzeichnendeLeinwand::Eintrag;

namespace {

constexpr int W = 4800;
constexpr int H = 6800;
constexpr int u = 240;        // W div 20
constexpr int L = 1200 + 240; // text column of styles 0 and 1
constexpr int R = 4800 - 240;

// Where urkundenzeile must put a text of the recording canvas: cell height, x and y.
struct Lage {
    int hoehe;
    int x;
    int y;
};
Lage lage(const QString &text, double x1, double y, double x2)
{
    const double b = x2 - x1;
    int h = rundeGerade(b * 0.2);
    while (text.size() * h / 2 > b && h > 1)
        --h;
    const int breite = static_cast<int>(text.size()) * h / 2;
    return {h, rundeGerade(x1 + (b - breite) * 0.5), rundeGerade(y)};
}

Laufurkundendaten sieger()
{
    Laufurkundendaten d;
    d.platz = QStringLiteral("1");
    d.lauf = QStringLiteral("3");
    d.altersgruppe = QStringLiteral("F30");
    d.variation = QStringLiteral("A-Cup");
    d.strecke = QStringLiteral("10000m");
    d.person = QStringLiteral("Erika Muster");
    d.verein = QStringLiteral("LG Wiesenau");
    d.ergebnis = QStringLiteral("0:41'12,30\"");
    return d;
}

Gesamturkundendaten gesamtsieger()
{
    Gesamturkundendaten d;
    d.platz = QStringLiteral("2");
    d.altersgruppe = QStringLiteral("M40");
    d.variation = QStringLiteral("B-Cup");
    d.person = QStringLiteral("Max Beispiel");
    d.verein = QStringLiteral("TV Quellbrunn");
    d.punkte = QStringLiteral("39");
    return d;
}

struct Zeile {
    QString text;
    double x1;
    double y;
    double x2;
};

// Column box with inset d.
Zeile spalte(const QString &text, int y, int d)
{
    return {text, double(L + d), double(y), double(R - d)};
}

void pruefeZeilen(const AufzeichnendeLeinwand &l, int seite, const QList<Zeile> &soll)
{
    const QList<Eintrag> ist = l.texte(seite);
    QCOMPARE(ist.size(), soll.size());
    for (int i = 0; i < soll.size(); ++i) {
        const Lage e = lage(soll[i].text, soll[i].x1, soll[i].y, soll[i].x2);
        QCOMPARE(ist[i].text, soll[i].text);
        QCOMPARE(ist[i].y, e.y);
        QCOMPARE(ist[i].x, e.x);
        QCOMPARE(ist[i].zellhoehe, e.hoehe);
    }
}

} // namespace

class TestUrkundenlayout : public QObject {
    Q_OBJECT

private:
    Cup m_cup;
    Unterschriften m_unter;
    QString heute() const { return QStringLiteral("08.12.2026"); }

private slots:
    void initTestCase() { tlt::test::deutschUndFesteUhr(); }
    void init()
    {
        m_cup.neu();
        m_cup.name = QStringLiteral("Wiesenauer Laufcup");
        m_unter = {QStringLiteral("Anna Vorsitz"), QStringLiteral("1. Vorsitzende")};
    }

    void urkundenzeile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<int>("x");

        // A box 1000 wide starts at cell height 200; "abc" is 300 wide there and centred.
        QTest::newRow("passt") << "abc" << 100.0 << 1100.0 << 200 << 450;
        // 20 characters need 2000 pixels at 200: the height drops to the largest that fits (100).
        QTest::newRow("schrumpft") << QString(20, QLatin1Char('x')) << 0.0 << 1000.0 << 100 << 0;
        // 21 characters: 95 gives 997 pixels, 96 would give 1008.
        QTest::newRow("schrumpft ungerade") << QString(21, QLatin1Char('x')) << 0.0 << 1000.0 << 95 << 2;
        // Even one pixel is too large: the shrinking stops at 1 and the text overflows both sides.
        QTest::newRow("passt nie") << QString(3000, QLatin1Char('x')) << 0.0 << 1000.0 << 1 << -250;
        // Half a pixel rounds to the even neighbour: b*0.2 = 200.5 -> 200, 201.5 -> 202.
        QTest::newRow("hoehe gerade abwaerts") << QString() << 0.0 << 1002.5 << 200 << 501;
        QTest::newRow("hoehe gerade aufwaerts") << QString() << 0.0 << 1007.5 << 202 << 504;
        // x = 0.5 + (1000 - 0) / 2 = 500.5 -> 500; 1.5 + 500 = 501.5 -> 502.
        QTest::newRow("x gerade abwaerts") << QString() << 0.5 << 1000.5 << 200 << 500;
        QTest::newRow("x gerade aufwaerts") << QString() << 1.5 << 1001.5 << 200 << 502;
        QTest::newRow("leer") << QString() << 0.0 << 1000.0 << 200 << 500;
    }
    void urkundenzeile()
    {
        QFETCH(QString, text);
        QFETCH(double, x1);
        QFETCH(double, x2);
        QFETCH(int, hoehe);
        QFETCH(int, x);
        AufzeichnendeLeinwand l(W, H);
        tlt::urkundenzeile(l, text, x1, 2.5, x2);
        const QList<Eintrag> t = l.texte(0);
        QCOMPARE(t.size(), 1);
        QCOMPARE(t[0].zellhoehe, hoehe);
        QCOMPARE(t[0].x, x);
        QCOMPARE(t[0].y, 2); // 2.5 -> 2
        QCOMPARE(t[0].text, text);
    }

    void stil0Laufurkunde()
    {
        m_cup.urkundenstil = 0;
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(sieger());
        druck.beende();

        QCOMPARE(l.seiten(), 1);
        const QList<Eintrag> b = l.bilder(1);
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].bild, Bild::Laufer);
        QCOMPARE(b[0].rechteck, QRect(240, 2266, 1200, 3400));

        // The picture comes first, then the font, then the texts.
        const QList<Eintrag> &alle = l.eintraege();
        QCOMPARE(alle[0].art, Eintrag::Beginn);
        QCOMPARE(alle[0].text, QStringLiteral("TLT Ausdruck"));
        QCOMPARE(alle[1].art, Eintrag::Bildrechteck);
        QCOMPARE(alle[2].art, Eintrag::Schrift);
        QCOMPARE(alle[2].text, QStringLiteral("Times New Roman"));
        QCOMPARE(alle.last().art, Eintrag::Ende);

        pruefeZeilen(l, 1,
                     {
                         {QStringLiteral("Wiesenauer Laufcup"), 240, 240, 4560},
                         {QStringLiteral("Urkunde"), 240, 720, 4560},
                         spalte(QStringLiteral("den 1. Platz"), 7 * u, 480),
                         spalte(QStringLiteral("im"), 9 * u, 960),
                         spalte(QStringLiteral("3. Lauf"), 10 * u, 600),
                         spalte(QStringLiteral("der Altersgruppe"), 12 * u, 800),
                         spalte(QStringLiteral("F30 - A-Cup"), 14 * u, 685),
                         spalte(QStringLiteral("belegte"), 16 * u, 960),
                         spalte(QStringLiteral("Erika Muster"), 18 * u, 533),
                         spalte(QStringLiteral("(LG Wiesenau)"), 20 * u, 960),
                         spalte(QStringLiteral("mit"), 21 * u, 960),
                         spalte(QStringLiteral("0:41'12,30\""), 22 * u, 960),
                         spalte(QStringLiteral("Herzlichen Glückwunsch"), 24 * u, 600),
                         spalte(QStringLiteral("Anna Vorsitz"), 26 * u, 1200),
                         spalte(QStringLiteral("1. Vorsitzende"), 27 * u, 1200),
                         {heute(), 2160, 6480, 2640},
                     });
        // The cup name box [240, 4560] and "Urkunde" at 720, as given for this page size.
        QCOMPARE(l.texte(1)[0].y, 240);
        QCOMPARE(l.texte(1)[1].y, 720);
    }

    void stil1Laufurkunde()
    {
        m_cup.urkundenstil = 1;
        Laufurkundendaten d = sieger();
        d.variation.clear(); // without cup variations the label stands alone
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(d);
        druck.beende();

        QCOMPARE(l.bilder(1).size(), 1);
        QCOMPARE(l.bilder(1)[0].bild, Bild::LauferLeer);
        QCOMPARE(l.bilder(1)[0].rechteck, QRect(240, 2266, 1200, 3400));
        pruefeZeilen(l, 1,
                     {
                         {QStringLiteral("Wiesenauer Laufcup"), 240, 240, 4560},
                         {QStringLiteral("Urkunde"), 240, 720, 4560},
                         spalte(QStringLiteral("den 1. Platz"), 7 * u, 480),
                         spalte(QStringLiteral("im"), 9 * u, 960),
                         spalte(QStringLiteral("3. Lauf"), 11 * u, 600),
                         spalte(QStringLiteral("der Altersgruppe"), 13 * u, 800),
                         spalte(QStringLiteral("F30"), 15 * u, 685),
                         spalte(QStringLiteral("belegte"), 17 * u, 960),
                         spalte(QStringLiteral("Erika Muster"), 19 * u, 533),
                         spalte(QStringLiteral("Herzlichen Glückwunsch"), 21 * u, 600),
                         spalte(QStringLiteral("Anna Vorsitz"), 24 * u, 1200),
                         spalte(QStringLiteral("1. Vorsitzende"), 25 * u, 1200),
                         {heute(), 2160, 6480, 2640},
                     });
    }

    void stil2Laufurkunde()
    {
        m_cup.urkundenstil = 2;
        // Race 3 takes its place line from row 10 of its column.
        m_cup.laufe.setColCount(4);
        m_cup.laufe.setCell(3, 10, QStringLiteral("Wiesenau"));
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(sieger());
        druck.beende();

        constexpr int m = 240;
        constexpr int gx = 216;
        constexpr int gy = 316;
        const auto gitter = [&](const QString &text, double k, int a) {
            return Zeile{text, double(m + a * gx), m + k * gy, double(W - m - a * gx)};
        };
        pruefeZeilen(
            l, 1,
            {
                gitter(QStringLiteral("Urkunde"), 0, 5),
                gitter(QStringLiteral("den"), 5.5, 8),
                gitter(QStringLiteral("1. Platz"), 6, 5),
                gitter(QStringLiteral("in der Altersklasse"), 7.5, 7),
                gitter(QStringLiteral("F30"), 8.5, 8),
                gitter(QStringLiteral("über"), 9.5, 8),
                gitter(QStringLiteral("10000m"), 10.5, 8),
                gitter(QStringLiteral("belegte"), 11.5, 8),
                gitter(QStringLiteral("Erika Muster"), 12.5, 5),
                gitter(QStringLiteral("(LG Wiesenau)"), 14, 7),
                gitter(QStringLiteral("in der Zeit von"), 15, 8),
                gitter(QStringLiteral("0:41'12,30\""), 16, 8),
                {QStringLiteral("Wiesenau, den ") + heute(), double(m), m + 19.0 * gy, double(W - m - 14 * gx)},
                {QStringLiteral("Rolf BeispielmannAnna Vorsitz"), double(m + 16 * gx), m + 19.0 * gy, double(W - m)},
                {QStringLiteral("Leiter Abt. Leichtathletik1. Vorsitzende"), double(m + 16 * gx), m + 19.5 * gy,
                 double(W - m)},
            });
        // y values from the grid: 240 + 5.5 * 316 = 1978, 240 + 19.5 * 316 = 6402.
        QCOMPARE(l.texte(1)[1].y, 1978);
        QCOMPARE(l.texte(1).last().y, 6402);

        // Font first, then the heading, then the series logo, texts, sponsor row and club logo.
        const QList<Eintrag> &alle = l.eintraege();
        QCOMPARE(alle[1].art, Eintrag::Schrift);
        QCOMPARE(alle[2].text, QStringLiteral("Urkunde"));
        QCOMPARE(alle[3].art, Eintrag::Bildrechteck);

        const QList<Eintrag> b = l.bilder(1);
        const QList<QPair<Bild, QRect>> soll{
            {Bild::SerieLogo, QRect(1698, 825, 1458, 1166)},
            {Bild::Sponsor1, QRect(240, 5612, 216, 318)},    // 1.47 * 216 = 317.52
            {Bild::Sponsor2, QRect(521, 5612, 540, 200)},    // 1.3 * 216 = 280.8; 0.925 * 216 = 199.8
            {Bild::Sponsor3, QRect(1126, 5612, 540, 216)},   // 4.1 * 216 = 885.6
            {Bild::Sponsor4, QRect(1730, 5612, 432, 289)},   // 6.9 * 216 = 1490.4; 1.34 * 216 = 289.44
            {Bild::Sponsor5, QRect(2227, 5612, 1188, 202)},  // 9.2 * 216 = 1987.2; 0.935 * 216 = 201.96
            {Bild::Sponsor6, QRect(3480, 5612, 756, 295)},   // 1.365 * 216 = 294.84
            {Bild::VereinLogo, QRect(4301, 5612, 324, 369)}, // 18.8 * 216 = 4060.8; 1.71 * 216 = 369.36
        };
        QCOMPARE(b.size(), soll.size());
        for (int i = 0; i < soll.size(); ++i) {
            QCOMPARE(b[i].bild, soll[i].first);
            QCOMPARE(b[i].rechteck, soll[i].second);
        }
    }

    void gesamturkunde_data()
    {
        QTest::addColumn<int>("stil");
        QTest::newRow("stil 0") << 0;
        QTest::newRow("stil 1") << 1;
    }
    void gesamturkunde()
    {
        QFETCH(int, stil);
        m_cup.urkundenstil = stil;
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.gesamturkunde(gesamtsieger());
        druck.beende();

        QList<Zeile> soll{
            {QStringLiteral("Wiesenauer Laufcup"), 240, 240, 4560},
            {QStringLiteral("Urkunde"), 240, 720, 4560},
            spalte(QStringLiteral("den 2. Platz"), 7 * u, 480),
            spalte(QStringLiteral("in der"), 9 * u, 960),
            spalte(QStringLiteral("Gesamtwertung"), (stil == 0 ? 10 : 11) * u, 600),
            spalte(QStringLiteral("der Altersgruppe"), (stil == 0 ? 12 : 13) * u, 800),
            spalte(QStringLiteral("M40 - B-Cup"), (stil == 0 ? 14 : 15) * u, 685),
            spalte(QStringLiteral("belegte"), (stil == 0 ? 16 : 17) * u, 960),
            spalte(QStringLiteral("Max Beispiel"), (stil == 0 ? 18 : 19) * u, 533),
        };
        if (stil == 0) {
            soll.append(spalte(QStringLiteral("(TV Quellbrunn)"), 20 * u, 960));
            soll.append(spalte(QStringLiteral("mit"), 21 * u, 960));
            soll.append(spalte(QStringLiteral("39 Punkten"), 22 * u, 960));
        }
        soll.append(spalte(QStringLiteral("Herzlichen Glückwunsch"), (stil == 0 ? 24 : 21) * u, 600));
        soll.append(spalte(QStringLiteral("Anna Vorsitz"), (stil == 0 ? 26 : 24) * u, 1200));
        soll.append(spalte(QStringLiteral("1. Vorsitzende"), (stil == 0 ? 27 : 25) * u, 1200));
        soll.append({heute(), 2160, 6480, 2640});
        pruefeZeilen(l, 1, soll);
        QCOMPARE(l.bilder(1)[0].bild, stil == 0 ? Bild::Laufer : Bild::LauferLeer);
    }

    void gesamturkundeOhnePlatz_data()
    {
        QTest::addColumn<int>("stil");
        QTest::newRow("stil 0") << 0;
        QTest::newRow("stil 1") << 1;
    }
    void gesamturkundeOhnePlatz()
    {
        // The standings did not place this participant: no "0. Platz", but one German sentence on
        // the lines and in the sizes of the placed page, without "belegte".
        QFETCH(int, stil);
        m_cup.urkundenstil = stil;
        Gesamturkundendaten d = gesamtsieger();
        d.platz = QStringLiteral("0");
        d.punkte = QStringLiteral("0");
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.gesamturkunde(d);
        druck.beende();
        QList<Zeile> soll{
            {QStringLiteral("Wiesenauer Laufcup"), 240, 240, 4560},
            {QStringLiteral("Urkunde"), 240, 720, 4560},
            spalte(QStringLiteral("für die Teilnahme"), 7 * u, 480),
            spalte(QStringLiteral("an der"), 9 * u, 960),
            spalte(QStringLiteral("Gesamtwertung"), (stil == 0 ? 10 : 11) * u, 600),
            spalte(QStringLiteral("der Altersgruppe"), (stil == 0 ? 12 : 13) * u, 800),
            spalte(QStringLiteral("M40 - B-Cup"), (stil == 0 ? 14 : 15) * u, 685),
            spalte(QString(), (stil == 0 ? 16 : 17) * u, 960),
            spalte(QStringLiteral("Max Beispiel"), (stil == 0 ? 18 : 19) * u, 533),
        };
        if (stil == 0) {
            soll.append(spalte(QStringLiteral("(TV Quellbrunn)"), 20 * u, 960));
            soll.append(spalte(QStringLiteral("mit"), 21 * u, 960));
            soll.append(spalte(QStringLiteral("0 Punkten"), 22 * u, 960));
        }
        soll.append(spalte(QStringLiteral("Herzlichen Glückwunsch"), (stil == 0 ? 24 : 21) * u, 600));
        soll.append(spalte(QStringLiteral("Anna Vorsitz"), (stil == 0 ? 26 : 24) * u, 1200));
        soll.append(spalte(QStringLiteral("1. Vorsitzende"), (stil == 0 ? 27 : 25) * u, 1200));
        soll.append({heute(), 2160, 6480, 2640});
        pruefeZeilen(l, 1, soll);
    }

    void kurzerCupnameBleibtUeberUrkunde_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hoehe");
        // A short name would start at a fifth of the box (864): its cell ends where "Urkunde" begins.
        QTest::newRow("Lauf-Cup") << "Lauf-Cup" << 2 * u;
        QTest::newRow("Volkslauf-Cup 2026") << "Volkslauf-Cup 2026" << 2 * u;
        // A long name shrinks below that on its own, by its width.
        QTest::newRow("lang") << QString(40, QLatin1Char('x')) << 216;
    }
    void kurzerCupnameBleibtUeberUrkunde()
    {
        QFETCH(QString, name);
        QFETCH(int, hoehe);
        m_cup.name = name;
        for (int stil : {0, 1}) {
            m_cup.urkundenstil = stil;
            AufzeichnendeLeinwand l(W, H);
            Urkundendruck druck(l, m_cup, m_unter);
            druck.beginne();
            druck.laufurkunde(sieger());
            druck.gesamturkunde(gesamtsieger());
            druck.beende();
            for (int seite : {1, 2}) {
                const Eintrag n = l.texte(seite)[0];
                const Eintrag urkunde = l.texte(seite)[1];
                QCOMPARE(n.text, name);
                QCOMPARE(n.y, u);
                QCOMPARE(n.zellhoehe, hoehe);
                QVERIFY(n.y + n.zellhoehe <= urkunde.y);
                // Still centred in its box [u, W - u].
                QCOMPARE(n.x, rundeGerade(u + (W - 2 * u - static_cast<int>(name.size()) * hoehe / 2) * 0.5));
            }
        }
    }

    void stil2DistanzlaufMitStrecke_data()
    {
        QTest::addColumn<QString>("lauftyp");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("Zeitlauf") << kZeitlauf << "in der Zeit von";
        QTest::newRow("Distanzlauf") << kDistanzlauf << "mit einer Strecke von";
    }
    void stil2DistanzlaufMitStrecke()
    {
        QFETCH(QString, lauftyp);
        QFETCH(QString, zeile);
        m_cup.urkundenstil = 2;
        m_cup.laufe.setColCount(4);
        m_cup.laufe.setCell(3, 1, lauftyp);
        Laufurkundendaten d = sieger();
        if (lauftyp == kDistanzlauf)
            d.ergebnis = QStringLiteral("3495m");
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(d);
        druck.beende();
        const QList<Eintrag> t = l.texte(1);
        QCOMPARE(t[10].text, zeile);
        QCOMPARE(t[11].text, d.ergebnis);
        // The row keeps its place: y = m + 15 gy, inset 8.
        QCOMPARE(t[10].y, rundeGerade(240 + 15.0 * ((H - 480) / 20)));
    }

    void leereUnterschriften()
    {
        m_unter = {};
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(sieger());
        druck.beende();
        const QList<Eintrag> t = l.texte(1);
        QCOMPARE(t.size(), 16);
        // The empty lines keep their place and draw no characters; the date keeps its line.
        QCOMPARE(t[13].text, QString());
        QCOMPARE(t[13].y, 26 * u);
        QCOMPARE(t[14].text, QString());
        QCOMPARE(t[14].y, 27 * u);
        QCOMPARE(t[15].text, heute());
        QCOMPARE(t[15].y, 27 * u);
    }

    void unterschriftenBeimZeichnenGelesen()
    {
        // The signature lines are read when each certificate is drawn, not when the job starts.
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(sieger());
        m_unter.unter1 = QStringLiteral("Neuer Name");
        druck.laufurkunde(sieger());
        druck.beende();
        QCOMPARE(l.texte(1)[13].text, QStringLiteral("Anna Vorsitz"));
        QCOMPARE(l.texte(2)[13].text, QStringLiteral("Neuer Name"));
    }

    void seitenschritt_data()
    {
        QTest::addColumn<int>("stil");
        QTest::addColumn<bool>("gesamt");
        QTest::addColumn<int>("texteJeSeite");
        QTest::newRow("lauf stil 0") << 0 << false << 16;
        QTest::newRow("lauf stil 1") << 1 << false << 13;
        QTest::newRow("lauf stil 2") << 2 << false << 15;
        QTest::newRow("lauf getippter stil") << -1 << false << 0;
        QTest::newRow("gesamt stil 0") << 0 << true << 16;
        QTest::newRow("gesamt stil 2 leer") << 2 << true << 0;
        QTest::newRow("gesamt getippter stil") << -1 << true << 0;
    }
    void seitenschritt()
    {
        QFETCH(int, stil);
        QFETCH(bool, gesamt);
        QFETCH(int, texteJeSeite);
        m_cup.urkundenstil = stil;
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        QCOMPARE(druck.urkundenseite(), 1);
        for (int i = 0; i < 3; ++i) {
            if (gesamt)
                druck.gesamturkunde(gesamtsieger());
            else
                druck.laufurkunde(sieger());
        }
        druck.beende();
        QVERIFY(!druck.fehlgeschlagen());
        if (texteJeSeite == 0) {
            // A style that draws nothing for this kind of certificate starts no job and feeds no sheet.
            QCOMPARE(druck.anzahl(), 0);
            QCOMPARE(l.dokumente(), 0);
            QVERIFY(l.eintraege().isEmpty());
            return;
        }
        // Three certificates: the first on the job's first page, two new pages, one page each.
        QCOMPARE(druck.urkundenseite(), 4);
        QCOMPARE(l.seiten(), 3);
        QCOMPARE(l.dokumente(), 1);
        for (int s = 1; s <= 3; ++s)
            QCOMPARE(l.texte(s).size(), texteJeSeite);
    }

    void leererAuftrag()
    {
        // A job without certificates never reaches the device: no document, no blank sheet.
        AufzeichnendeLeinwand l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.beende();
        QVERIFY(l.eintraege().isEmpty());
        QCOMPARE(druck.anzahl(), 0);
        QVERIFY(!druck.fehlgeschlagen());
    }

    void geraetOeffnetNichtBeimErstenBlatt()
    {
        // The device fails when the first certificate is drawn: the job reports it, draws nothing more.
        struct Kaputt : AufzeichnendeLeinwand {
            using AufzeichnendeLeinwand::AufzeichnendeLeinwand;
            bool beginDokument(const QString &) override { return false; }
        } l(W, H);
        Urkundendruck druck(l, m_cup, m_unter);
        druck.beginne();
        druck.laufurkunde(sieger());
        druck.laufurkunde(sieger());
        druck.beende();
        QVERIFY(druck.fehlgeschlagen());
        QCOMPARE(druck.anzahl(), 0);
        QVERIFY(l.eintraege().isEmpty());
    }

    void stile()
    {
        QCOMPARE(urkundenstile(), (QStringList{QStringLiteral("Standard Stil - 1. SC Quellbrunn e.V."),
                                               QStringLiteral("Standard Stil - frei"),
                                               QStringLiteral("Standard Stil - 2. Wiesenauer Lindenlauf")}));
    }
};

QTEST_MAIN(TestUrkundenlayout)
#include "tst_urkundenlayout.moc"
