#include "bench/generator.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tlt {

namespace {

// A small, fully specified generator, so that a seed gives the same cup with every standard library.
class Zufall {
public:
    explicit Zufall(unsigned seed) : m_s(seed * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL) {}
    std::uint64_t naechste()
    {
        // splitmix64
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 ... n-1
    int bis(int n) { return n <= 1 ? 0 : static_cast<int>(naechste() % static_cast<std::uint64_t>(n)); }
    int zwischen(int a, int b) { return a + bis(b - a + 1); }
    bool prozent(int p) { return bis(100) < p; }
    template <typename T, size_t N> const T &wahl(const std::array<T, N> &a) { return a[static_cast<size_t>(bis(N))]; }

private:
    std::uint64_t m_s;
};

const std::array<const char *, 48> kNachnamen = {
    "Müller",  "Schmidt", "Schneider", "Fischer",  "Weber",  "Meyer",    "Wagner",   "Becker",  "Schulz",  "Hoffmann",
    "Schäfer", "Koch",    "Bauer",     "Richter",  "Klein",  "Wolf",     "Schröder", "Neumann", "Schwarz", "Zimmermann",
    "Braun",   "Krüger",  "Hofmann",   "Hartmann", "Lange",  "Schmitt",  "Werner",   "Schmitz", "Krause",  "Meier",
    "Lehmann", "Schmid",  "Schulze",   "Maier",    "Köhler", "Herrmann", "König",    "Walter",  "Mayer",   "Huber",
    "Kaiser",  "Fuchs",   "Peters",    "Lang",     "Scholz", "Möller",   "Weiß",     "Jung"};
const std::array<const char *, 24> kVornamenW = {"Anna",      "Lena",   "Julia",     "Sophie", "Marie",  "Laura",
                                                 "Katharina", "Sarah",  "Hannah",    "Lea",    "Jana",   "Sabine",
                                                 "Ute",       "Jürgen", "Birgit",    "Petra",  "Ingrid", "Käthe",
                                                 "Lisa",      "Mia",    "Franziska", "Gülay",  "Renée",  "Zoë"};
const std::array<const char *, 24> kVornamenM = {"Lukas", "Jonas",  "Felix",  "Paul",   "Maximilian", "Leon",
                                                 "Tim",   "Jan",    "Stefan", "Thomas", "Andreas",    "Michael",
                                                 "Jörg",  "Günter", "Björn",  "Uwe",    "Klaus",      "Matthias",
                                                 "Sören", "René",   "Ömer",   "Nils",   "Fritz",      "Hans-Peter"};
const std::array<const char *, 20> kOrte = {"Altenbrück", "Birkenfelde",   "Dornstädt", "Eichwalde", "Friedrichsau",
                                            "Grünhagen",  "Heidenröslein", "Iserstein", "Jägersruh", "Kleinbühl",
                                            "Lindenhöh",  "Mühlbach",      "Neuweißen", "Oberzell",  "Quellstädt",
                                            "Rabenau",    "Sonnenberg",    "Talheim",   "Unterhüll", "Weißenfurt"};
const std::array<const char *, 8> kVereinsarten = {"TSV", "SV", "LG", "TuS", "LAC", "SC", "TV", "Lauftreff"};
const std::array<const char *, 6> kStrassen = {"Hauptstraße", "Am Sportplatz", "Lindenallee",
                                               "Gartenweg",   "Schloßstraße",  "Mühlengasse"};
const std::array<const char *, 4> kZeitmessung = {"elektronisch (Transponder)", "Handzeitnahme",
                                                  "elektronisch (Zielkamera)", "Chip im Startnummernband"};

QString zeittext(int hundertstel)
{
    const int h = hundertstel / 360000;
    const int m = hundertstel / 6000 % 60;
    const int s = hundertstel / 100 % 60;
    const int f = hundertstel % 100;
    return QStringLiteral("%1:%2'%3,%4\"")
        .arg(h)
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'))
        .arg(f, 2, 10, QLatin1Char('0'));
}

QString datumtext(const QDate &d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString startnummerText(int n)
{
    return QString::number(n).rightJustified(3, QLatin1Char('0'));
}

const std::array<const char *, 4> kCodes = {"n.a.", "v.", "d.", "o.L."};

} // namespace

Cup erzeugeCup(int teilnehmer, int laufe, unsigned seed)
{
    Generatoreinstellungen e;
    e.teilnehmer = teilnehmer;
    e.laufe = laufe;
    e.seed = seed;
    return erzeugeCup(e);
}

Cup erzeugeCup(const Generatoreinstellungen &e)
{
    Zufall z(e.seed);
    Cup cup;
    const int n = std::max(0, e.laufe);
    const int m = std::max(0, e.teilnehmer);

    cup.name = QStringLiteral("Großer Städtelauf-Cup %1").arg(e.seed);
    cup.veranstalter = QStringLiteral("Laufgemeinschaft %1 e.V.").arg(QString::fromUtf8(z.wahl(kOrte)));
    cup.kategorie = z.bis(7);
    cup.min = std::max(1, std::min(n, n / 3));
    cup.max = std::max(cup.min, std::min(n, (n * 2) / 3));
    if (!e.cupvarianten)
        cup.cv.setRowCount(1);

    // Clubs: type + town, some towns with two clubs.
    std::vector<QString> vereine;
    for (size_t i = 0; i < kOrte.size() * 2; ++i)
        vereine.push_back(QStringLiteral("%1 %2").arg(QString::fromUtf8(kVereinsarten[i % kVereinsarten.size()]),
                                                      QString::fromUtf8(kOrte[(i * 7) % kOrte.size()])));
    std::sort(vereine.begin(), vereine.end());
    vereine.erase(std::unique(vereine.begin(), vereine.end()), vereine.end());

    // Races: roughly one every nine days from March 2026; every third a distance run.
    cup.laufe.setColCount(n + 1);
    QDate datum(2026, 3, 7);
    for (int c = 1; c <= n; ++c) {
        const bool distanzlauf = c % 3 == 2;
        const QString ort = QString::fromUtf8(z.wahl(kOrte));
        const QString verein = QStringLiteral("%1 %2").arg(QString::fromUtf8(z.wahl(kVereinsarten)), ort);
        const int plz = z.zwischen(10000, 99999);
        QStringList f(34);
        f[0] = QString::number(c);
        f[1] = distanzlauf ? kDistanzlauf : kZeitlauf;
        f[2] = datumtext(datum);
        if (e.cupvarianten)
            f[3] = QStringLiteral("ja");
        else
            f[3] = distanzlauf ? QStringLiteral("1:00'00,00\"")
                               : QStringLiteral("%1m").arg(z.wahl(std::array{5000, 10000, 8400}));
        f[4] = verein;
        f[5] = QStringLiteral("%1 %2").arg(QString::fromUtf8(z.wahl(kStrassen))).arg(z.zwischen(1, 120));
        f[6] = QStringLiteral("%1 %2").arg(plz).arg(ort);
        f[7] = z.prozent(30) ? QStringLiteral("c/o Geschäftsstelle") : QString();
        f[8] = QStringLiteral("0%1 %2").arg(z.zwischen(2000, 9999)).arg(z.zwischen(10000, 999999));
        f[9] = z.prozent(50) ? QStringLiteral("0%1 %2").arg(z.zwischen(2000, 9999)).arg(z.zwischen(10000, 999999))
                             : QString();
        f[10] = ort;
        f[11] = QStringLiteral("Kreis %1").arg(QString::fromUtf8(z.wahl(kOrte)));
        f[12] = QStringLiteral("Bezirk %1").arg(QString::fromUtf8(z.wahl(kOrte)));
        f[13] = QStringLiteral("Niedersachsen");
        f[14] = QStringLiteral("Stadion %1").arg(ort);
        f[15] = QStringLiteral("Rundkurs über %1 m").arg(z.zwischen(4, 25) * 100);
        f[16] = QString::fromUtf8(z.wahl(kZeitmessung));
        f[17] = QStringLiteral("entfällt");
        f[18] = QStringLiteral("Streckenvermessung geprüft");
        f[19] = QString::number(z.zwischen(2, 12));
        f[20] = QString::number(z.zwischen(10, 80));
        f[21] = QString::number(z.zwischen(1, 8));
        f[22] =
            QStringLiteral("%1 %2").arg(QString::fromUtf8(z.wahl(kVornamenM)), QString::fromUtf8(z.wahl(kNachnamen)));
        f[23] = f[8];
        f[24] = f[9];
        f[25] =
            QStringLiteral("%1 %2").arg(QString::fromUtf8(z.wahl(kVornamenW)), QString::fromUtf8(z.wahl(kNachnamen)));
        f[26] = QStringLiteral("0%1 %2").arg(z.zwischen(2000, 9999)).arg(z.zwischen(10000, 999999));
        f[27] = QString();
        f[28] = z.prozent(40) ? QStringLiteral("Wetter: sonnig, %1 °C").arg(z.zwischen(5, 28)) : QString();
        f[29] = QString();
        f[30] = QString();
        f[31] = QStringLiteral("%1/%2").arg(z.zwischen(100, 999)).arg(z.zwischen(1000, 9999));
        f[32] = QString::number(z.prozent(80) ? 1 : z.zwischen(1, 5));
        f[33] = QString::number(z.prozent(80) ? 0 : z.zwischen(0, 20));
        for (int r = 0; r < 34; ++r)
            cup.laufe.setCell(c, r, f[r]);
        datum = datum.addDays(z.zwischen(6, 12));
    }

    const int cvZeilen = cup.cv.rowCount() - 1;
    const int agZeilen = cup.ag.rowCount() - 1;
    const int laufjahr = n > 0 ? cup.laufe.cell(n, 2).right(4).toInt() : 2026;

    cup.teil.setColCount(8 + n);
    cup.teil.setRowCount(m + 1);
    for (int c = 1; c <= n; ++c)
        cup.teil.setCell(7 + c, 0, cup.laufe.cell(c, 2));

    // Unique start numbers in random order.
    std::vector<int> nummern(static_cast<size_t>(m));
    for (int i = 0; i < m; ++i)
        nummern[static_cast<size_t>(i)] = i + 1;
    for (int i = m - 1; i > 0; --i)
        std::swap(nummern[static_cast<size_t>(i)], nummern[static_cast<size_t>(z.bis(i + 1))]);

    // A runner's level: the per-kilometre pace in hundredths of a second.
    std::vector<int> tempo(static_cast<size_t>(m + 1));
    for (int r = 1; r <= m; ++r) {
        const bool weiblich = z.prozent(45);
        const int jahr = z.zwischen(1940, 2019);
        const QString geb =
            z.prozent(e.leereZellenProzent) ? kKeinDatum : datumtext(QDate(jahr, z.zwischen(1, 12), z.zwischen(1, 28)));
        const int alter = laufjahr - jahr;
        QString gruppe;
        for (int a = agZeilen; a >= 1; --a)
            if (cup.ag.cell(2, a).toInt() >= alter)
                gruppe = cup.ag.cell(weiblich ? 0 : 1, a);
        cup.teil.setCell(0, r, QString::fromUtf8(z.wahl(kNachnamen)));
        cup.teil.setCell(1, r, QString::fromUtf8(weiblich ? z.wahl(kVornamenW) : z.wahl(kVornamenM)));
        cup.teil.setCell(2, r, geb);
        cup.teil.setCell(3, r, weiblich ? QStringLiteral("weiblich") : QStringLiteral("männlich"));
        cup.teil.setCell(4, r,
                         z.prozent(e.leereZellenProzent)
                             ? QString()
                             : vereine[static_cast<size_t>(z.bis(static_cast<int>(vereine.size())))]);
        cup.teil.setCell(5, r, gruppe);
        cup.teil.setCell(6, r, startnummerText(nummern[static_cast<size_t>(r - 1)]));
        cup.teil.setCell(7, r, cvZeilen > 0 ? cup.cv.cell(0, z.zwischen(1, cvZeilen)) : QString());
        tempo[static_cast<size_t>(r)] = z.zwischen(18000, 48000) + (weiblich ? 2000 : 0);
    }

    // Results per race.
    for (int c = 1; c <= n; ++c) {
        const bool distanzlauf = cup.laufe.cell(c, 1) == kDistanzlauf;
        const int spalte = 7 + c;
        std::vector<int> mitLeistung;
        for (int r = 1; r <= m; ++r) {
            if (!z.prozent(e.teilnahmeProzent))
                continue;
            if (z.prozent(e.codeProzent)) {
                cup.teil.setCell(spalte, r, QString::fromUtf8(z.wahl(kCodes)));
                continue;
            }
            if (!mitLeistung.empty() && z.prozent(e.gleichstandProzent)) {
                const int andere = mitLeistung[static_cast<size_t>(z.bis(static_cast<int>(mitLeistung.size())))];
                cup.teil.setCell(spalte, r, cup.teil.cell(spalte, andere));
                mitLeistung.push_back(r);
                continue;
            }
            // The fixed distance or time of the runner's variation, else of the race.
            const QString variante = cup.teil.cell(7, r);
            int meter = 10000;
            int sekunden = 3600;
            for (int v = 1; v <= cvZeilen; ++v)
                if (cup.cv.cell(0, v) == variante) {
                    meter = cup.cv.cell(1, v).chopped(1).toInt();
                    const QString zt = cup.cv.cell(2, v);
                    sekunden = zt.section(QLatin1Char(':'), 0, 0).toInt() * 3600 +
                               zt.mid(zt.indexOf(QLatin1Char(':')) + 1, 2).toInt() * 60;
                }
            if (cvZeilen == 0) {
                const QString fix = cup.laufe.cell(c, 3);
                if (fix.endsWith(QLatin1Char('m')))
                    meter = fix.chopped(1).toInt();
            }
            const int pace = tempo[static_cast<size_t>(r)] + z.zwischen(-1500, 1500); // hundredths per km
            if (distanzlauf) {
                const qint64 weite = static_cast<qint64>(sekunden) * 100 * 1000 / std::max(pace, 1000);
                cup.teil.setCell(spalte, r, QStringLiteral("%1m").arg(weite));
            } else {
                cup.teil.setCell(spalte, r, zeittext(static_cast<int>(static_cast<qint64>(pace) * meter / 1000)));
            }
            mitLeistung.push_back(r);
        }
    }
    cup.edit(Cup::Stand::Gesichert);
    return cup;
}

} // namespace tlt
