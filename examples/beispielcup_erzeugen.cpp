// Writes the sample cup examples/beispielcup.tl3: a fictional club running cup of the 2026 season,
// built through the program's own checks and saved by its own writer. A fixed seed makes the file
// the same on every run, so the committed copy can be compared with a fresh one.
//
//   beispielcup_erzeugen AUSGABE.tl3
#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"

#include <QCoreApplication>
#include <QSet>
#include <QTextStream>

#include <array>
#include <cstdint>
#include <vector>

using namespace tlt;

namespace {

class Zufall {
public:
    explicit Zufall(std::uint64_t seed) : m_s(seed) {}
    std::uint64_t naechste()
    {
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int bis(int n) { return n <= 1 ? 0 : static_cast<int>(naechste() % static_cast<std::uint64_t>(n)); }
    int zwischen(int a, int b) { return a + bis(b - a + 1); }
    bool prozent(int p) { return bis(100) < p; }

private:
    std::uint64_t m_s;
};

struct Lauf {
    const char *typ; // 'Z' time run, 'D' distance run
    const char *datum;
    const char *veranstalter;
    const char *anschrift[3];
    const char *fon;
    const char *fax;
    const char *ort;
    const char *wettkampf[2];
    const char *zeitmessung;
    const char *geraete;
    int kampfrichter, helfer, mitarbeiter;
    const char *leiter;
    const char *leiterFon;
    const char *aufsicht;
    const char *aufsichtFon;
    const char *bemerkung[3];
    const char *dlvnr;
    int faktor, summand;
};

// Six races of the season: four over fixed distances, two over fixed times.
const std::array<Lauf, 6> kLaeufe = {{
    {"Z",
     "14.03.2026",
     "TSV Mühlbach 1898 e.V.",
     {"Abteilung Leichtathletik", "Am Sportplatz 3", "37581 Mühlbach"},
     "05551 93 41-0",
     "05551 93 41-19",
     "Mühlbach",
     {"Sportpark an der Mühle", "Rundkurs 2,5 km, asphaltiert"},
     "elektronisch (Transponder)",
     "Strecke vermessen am 02.03.2026",
     6,
     34,
     4,
     "Heinz-Günter Roßbach",
     "05551 93 41-12",
     "Dr. Ilse Sommerfeld",
     "0551 48 22 90",
     {"Frühlingslauf, sonnig, 9 °C", "", ""},
     "2026/0314-MB",
     1,
     0},
    {"D",
     "18.04.2026",
     "LG Weißenfurt e.V.",
     {"Geschäftsstelle", "Schloßstraße 12", "37574 Weißenfurt"},
     "05561 70 08 15",
     "",
     "Weißenfurt",
     {"Stadion am Schloßpark", "400-m-Bahn, Kunststoff"},
     "Handzeitnahme, Rundenzählung",
     "Bahnmarkierungen geprüft",
     8,
     22,
     3,
     "Björn Käßmann",
     "05561 70 08 16",
     "Dr. Ilse Sommerfeld",
     "0551 48 22 90",
     {"Stundenlauf auf der Bahn", "leichter Regen ab der 40. Minute", ""},
     "2026/0418-WF",
     1,
     0},
    {"Z",
     "16.05.2026",
     "SV Grün-Weiß Talheim",
     {"z. Hd. Frau Jäger", "Lindenallee 40", "37586 Talheim"},
     "05562 14 77",
     "05562 14 78",
     "Talheim",
     {"Waldsportplatz Talheim", "Crossstrecke, Waldwege"},
     "elektronisch (Zielkamera)",
     "Strecke vermessen am 30.04.2026",
     5,
     28,
     2,
     "Ursula Jäger",
     "05562 14 77",
     "Jörg Brückner",
     "05561 33 21",
     {"Waldlauf, 17 °C, trocken", "", ""},
     "2026/0516-TH",
     1,
     0},
    {"Z",
     "20.06.2026",
     "TuS Oberzell 1911 e.V.",
     {"Abt. Laufsport", "Mühlengasse 7", "37589 Oberzell"},
     "05553 80 90",
     "",
     "Oberzell",
     {"Marktplatz Oberzell", "Stadtkurs, 4 Runden zu 2,5 km"},
     "Chip im Startnummernband",
     "Strecke vermessen am 08.06.2026",
     9,
     51,
     6,
     "Fritz Weißhaupt",
     "05553 80 91",
     "Jörg Brückner",
     "05561 33 21",
     {"Sommernachtslauf, Start 19:30 Uhr", "28 °C, schwül", "Verpflegung bei km 5"},
     "2026/0620-OZ",
     1,
     2},
    {"D",
     "05.09.2026",
     "Lauftreff Schloßberg",
     {"c/o Käthe Großmann", "Burgweg 2", "37581 Mühlbach-Schloßberg"},
     "05551 60 60 2",
     "",
     "Mühlbach-Schloßberg",
     {"Schloßbergstadion", "400-m-Bahn"},
     "elektronisch (Transponder)",
     "Bahnmarkierungen geprüft",
     7,
     19,
     2,
     "Käthe Großmann",
     "05551 60 60 2",
     "Dr. Ilse Sommerfeld",
     "0551 48 22 90",
     {"Stundenlauf, 14 °C", "", ""},
     "2026/0905-SB",
     1,
     0},
    {"Z",
     "17.10.2026",
     "TSV Mühlbach 1898 e.V.",
     {"Abteilung Leichtathletik", "Am Sportplatz 3", "37581 Mühlbach"},
     "05551 93 41-0",
     "05551 93 41-19",
     "Mühlbach",
     {"Sportpark an der Mühle", "Rundkurs 2,5 km, asphaltiert"},
     "elektronisch (Transponder)",
     "Strecke vermessen am 05.10.2026",
     7,
     40,
     5,
     "Heinz-Günter Roßbach",
     "05551 93 41-12",
     "Jörg Brückner",
     "05561 33 21",
     {"Herbst-Finale mit doppelter Wertung und Bonus", "Siegerehrung des Cups im Anschluss", ""},
     "2026/1017-MB",
     2,
     5},
}};

const std::array<const char *, 40> kNachnamen = {
    "Ahlers",   "Bäumer",   "Brückner",    "Dörfler",   "Eßer",         "Fröhlich", "Gößling", "Großmann",
    "Hähnel",   "Heßler",   "Jäger",       "Käßmann",   "Kleinschmidt", "Köster",   "Krämer",  "Lößner",
    "Möhring",  "Müller",   "Nußbaum",     "Oßwald",    "Pöhlmann",     "Preuß",    "Rößler",  "Schäfer",
    "Schröder", "Schüßler", "Stöhr",       "Süß",       "Thürmer",      "Vogt",     "Weiß",    "Wünsche",
    "Zöllner",  "Ebeling",  "Hüttenrauch", "Lindemann", "Nöthen",       "Seidel",   "Töpfer",  "Ueckermann"};
const std::array<const char *, 30> kVornamenW = {
    "Anna",  "Lena",      "Jülide", "Käthe",   "Sophie",  "Marlene", "Jördis", "Hannah", "Lea",  "Birgit",
    "Petra", "Ursula",    "Gisela", "Mareike", "Anke",    "Frauke",  "Zoë",    "Renée",  "Maja", "Greta",
    "Ida",   "Charlotte", "Emilia", "Lotte",   "Henrike", "Sünje",   "Bärbel", "Dörte",  "Ilse", "Jana"};
const std::array<const char *, 30> kVornamenM = {
    "Lukas", "Jonas",  "Jörg",   "Björn", "Sören", "Günter", "Jürgen",  "Uwe",    "Matthias", "Heiner",
    "Klaus", "Thomas", "Fritz",  "Bernd", "Malte", "Ole",    "Hauke",   "René",   "Ömer",     "Paul",
    "Emil",  "Theo",   "Niklas", "Anton", "Jan",   "Torben", "Rüdiger", "Volker", "Knut",     "Mats"};
const std::array<const char *, 9> kVereine = {
    "TSV Mühlbach 1898", "LG Weißenfurt",        "SV Grün-Weiß Talheim",
    "TuS Oberzell",      "Lauftreff Schloßberg", "LAC Birkenfelde",
    "Spvgg. Jägersruh",  "SC Lindenhöh",         "Betriebssportgruppe Stöhr & Söhne"};

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

QString zeit(int hundertstel)
{
    const int h = hundertstel / 360000;
    const int m = hundertstel / 6000 % 60;
    const int s = hundertstel / 100 % 60;
    const int f = hundertstel % 100;
    // Typed as a digit string, the way the quick result entry takes it; the check formats it.
    return checktime(QStringLiteral("%1%2%3%4")
                         .arg(h)
                         .arg(m, 2, 10, QLatin1Char('0'))
                         .arg(s, 2, 10, QLatin1Char('0'))
                         .arg(f, 2, 10, QLatin1Char('0')));
}

Cup beispielcup()
{
    Zufall z(20260314);
    Cup cup;
    cup.name = QStringLiteral("Mühlbacher Volkslauf-Cup 2026");
    cup.veranstalter = QStringLiteral("TSV Mühlbach 1898 e.V. – Abteilung Leichtathletik");
    cup.kategorie = 1;
    cup.min = 3;
    cup.max = 4;

    // Three variations: the main run, a shorter run for everyone and the pupils' run.
    cup.cv.setRowCount(4);
    const char *const varianten[3][3] = {{"Hauptlauf", "10000m", "1:00'00,00\""},
                                         {"Jedermannlauf", "5000m", "0:30'00,00\""},
                                         {"Schülerlauf", "2000m", "0:12'00,00\""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            cup.cv.setCell(c, r + 1, u8(varianten[r][c]));
    cvsort(cup.cv);

    const int n = static_cast<int>(kLaeufe.size());
    cup.laufe.setColCount(n + 1);
    cup.teil.setColCount(n + 8);
    for (int c = 1; c <= n; ++c) {
        const Lauf &l = kLaeufe[static_cast<size_t>(c - 1)];
        QStringList f(34);
        f[1] = l.typ[0] == 'Z' ? kZeitlauf : kDistanzlauf;
        f[2] = u8(l.datum);
        f[3] = QStringLiteral("ja");
        f[4] = u8(l.veranstalter);
        for (int i = 0; i < 3; ++i)
            f[5 + i] = u8(l.anschrift[i]);
        f[8] = u8(l.fon);
        f[9] = u8(l.fax);
        f[10] = u8(l.ort);
        f[11] = QStringLiteral("Kreis Mühlbach");
        f[12] = QStringLiteral("Bezirk Südniedersachsen");
        f[13] = QStringLiteral("Niedersachsen");
        f[14] = u8(l.wettkampf[0]);
        f[15] = u8(l.wettkampf[1]);
        f[16] = u8(l.zeitmessung);
        f[17] = QStringLiteral("nicht erforderlich");
        f[18] = u8(l.geraete);
        f[19] = QString::number(l.kampfrichter);
        f[20] = QString::number(l.helfer);
        f[21] = QString::number(l.mitarbeiter);
        f[22] = u8(l.leiter);
        f[23] = u8(l.leiterFon);
        f[24] = u8(l.fax);
        f[25] = u8(l.aufsicht);
        f[26] = u8(l.aufsichtFon);
        f[27] = QString();
        for (int i = 0; i < 3; ++i)
            f[28 + i] = u8(l.bemerkung[i]);
        f[31] = u8(l.dlvnr);
        f[32] = QString::number(l.faktor);
        f[33] = QString::number(l.summand);
        for (int r = 0; r < 34; ++r)
            cup.laufe.setCell(c, r, f[r]);
        cup.teil.setCell(7 + c, 0, f[2]);
    }
    laufesort(cup);

    // 150 participants with unique names; start numbers 1-160 with a few left unused.
    const int m = 150;
    cup.teil.setRowCount(m + 1);
    QSet<QString> namen;
    std::vector<int> tempo(m + 1); // hundredths of a second per kilometre
    int nummer = 0;
    for (int r = 1; r <= m; ++r) {
        const bool weiblich = z.prozent(44);
        QString nachname, vorname;
        do {
            nachname = u8(kNachnamen[static_cast<size_t>(z.bis(kNachnamen.size()))]);
            vorname = u8(weiblich ? kVornamenW[static_cast<size_t>(z.bis(kVornamenW.size()))]
                                  : kVornamenM[static_cast<size_t>(z.bis(kVornamenM.size()))]);
        } while (namen.contains(nachname + QLatin1Char(',') + vorname));
        namen.insert(nachname + QLatin1Char(',') + vorname);

        // Ages 8 to 78 in 2026, most of them adults.
        const int jahr = z.prozent(15) ? z.zwischen(2008, 2018) : z.zwischen(1948, 2004);
        const QString geb = checkdate(QStringLiteral("%1%2%3")
                                          .arg(z.zwischen(1, 28), 2, 10, QLatin1Char('0'))
                                          .arg(z.zwischen(1, 12), 2, 10, QLatin1Char('0'))
                                          .arg(jahr));
        const int alter = 2026 - jahr;
        nummer += z.prozent(6) ? 2 : 1;

        cup.teil.setCell(0, r, nachname);
        cup.teil.setCell(1, r, vorname);
        cup.teil.setCell(2, r, geb);
        cup.teil.setCell(3, r, weiblich ? QStringLiteral("weiblich") : QStringLiteral("männlich"));
        cup.teil.setCell(4, r, z.prozent(7) ? QString() : u8(kVereine[static_cast<size_t>(z.bis(kVereine.size()))]));
        cup.teil.setCell(5, r, checkaltgr(cup, geb, weiblich ? 0 : 1));
        cup.teil.setCell(6, r, startnummer(nummer));
        QString variante;
        if (alter <= 13)
            variante = QStringLiteral("Schülerlauf");
        else
            variante = z.prozent(60) ? QStringLiteral("Hauptlauf") : QStringLiteral("Jedermannlauf");
        cup.teil.setCell(7, r, variante);

        // 3:20 to 7:00 min/km for adults; the young and the old are a little slower.
        int t = z.zwischen(20000, 42000) + (weiblich ? 2500 : 0);
        if (alter < 14)
            t += (14 - alter) * 1500;
        if (alter > 50)
            t += (alter - 50) * 300;
        tempo[r] = t;
    }

    const QString codes[4] = {QStringLiteral("n.a."), QStringLiteral("v."), QStringLiteral("d."),
                              QStringLiteral("o.L.")};
    for (int c = 1; c <= n; ++c) {
        const bool zeitlauf = cup.lauftyp(c) == kZeitlauf;
        for (int r = 1; r <= m; ++r) {
            // Regulars run most races, occasional runners only a few.
            const int quote = r % 5 == 0 ? 35 : 80;
            if (!z.prozent(quote))
                continue;
            if (z.prozent(4)) {
                cup.teil.setCell(7 + c, r, codes[z.bis(4)]);
                continue;
            }
            const QString &variante = cup.teil.cell(7, r);
            int meter = 10000;
            int sekunden = 3600;
            if (variante == QLatin1String("Jedermannlauf")) {
                meter = 5000;
                sekunden = 1800;
            } else if (variante == QStringLiteral("Schülerlauf")) {
                meter = 2000;
                sekunden = 720;
            }
            const int t = tempo[r] + z.zwischen(-900, 900);
            if (zeitlauf)
                cup.teil.setCell(7 + c, r, zeit(t * meter / 1000));
            else
                cup.teil.setCell(7 + c, r, checkdist(QString::number(sekunden * 100 * 1000 / t)));
        }
    }

    // Every result code at least once, in the finale, and a tie in three races.
    for (int i = 0; i < 4; ++i)
        cup.teil.setCell(7 + n, 11 + i * 7, codes[i]);
    for (int c : {1, 2, 4}) {
        // The first two runners of one variation and age group that both finished share a result.
        const int spalte = 7 + c;
        bool fertig = false;
        for (int r1 = 1; r1 <= m && !fertig; ++r1)
            for (int r2 = r1 + 1; r2 <= m && !fertig; ++r2)
                if (cup.teil.cell(7, r1) == cup.teil.cell(7, r2) && cup.teil.cell(5, r1) == cup.teil.cell(5, r2) &&
                    istLeistung(cup.teil.cell(spalte, r1)) && istLeistung(cup.teil.cell(spalte, r2))) {
                    cup.teil.setCell(spalte, r2, cup.teil.cell(spalte, r1));
                    fertig = true;
                }
    }
    teilsort(cup, Richtung::Aufsteigend, 0);
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "Aufruf: beispielcup_erzeugen AUSGABE.tl3\n";
        return 2;
    }
    Cup cup = beispielcup();
    QString fehler;
    if (!nichtDarstellbareZeichen(cup).isEmpty()) {
        err << "Nicht darstellbare Zeichen: " << nichtDarstellbareZeichen(cup) << '\n';
        return 1;
    }
    if (!speichernDatei(cup, args.at(1), &fehler)) {
        err << fehler << '\n';
        return 1;
    }
    return 0;
}
