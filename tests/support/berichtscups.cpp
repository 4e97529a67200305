#include "support/berichtscups.h"

#include <QRandomGenerator>

namespace tlt::test {

int laufAnhaengen(Cup &cup, const QString &typ, const QString &datum, const QString &zeitdistanz)
{
    const int c = cup.laufe.colCount();
    cup.laufe.setColCount(c + 1);
    cup.laufe.setCell(c, 0, QString::number(c));
    cup.laufe.setCell(c, 1, typ);
    cup.laufe.setCell(c, 2, datum);
    cup.laufe.setCell(c, 3, zeitdistanz);
    for (int k = 19; k <= 21; ++k)
        cup.laufe.setCell(c, k, QStringLiteral("0"));
    cup.laufe.setCell(c, 32, QStringLiteral("1"));
    cup.laufe.setCell(c, 33, QStringLiteral("0"));
    const int s = Cup::ergebnisspalte(c);
    cup.teil.setColCount(s + 1);
    cup.teil.setCell(s, 0, datum);
    return c;
}

int teilnehmerAnhaengen(Cup &cup, const QStringList &felder, const QStringList &ergebnisse)
{
    const int r = cup.teil.rowCount();
    cup.teil.setRowCount(r + 1);
    // felder: name, vorname, geburtsdatum, geschlecht, verein, altersgruppe, cup
    static const int spalten[] = {0, 1, 2, 3, 4, 5, 7};
    for (int i = 0; i < felder.size() && i < 7; ++i)
        cup.teil.setCell(spalten[i], r, felder.at(i));
    cup.teil.setCell(6, r, QStringLiteral("%1").arg(r, 3, 10, QLatin1Char('0')));
    for (int i = 0; i < ergebnisse.size(); ++i)
        cup.teil.setCell(Cup::ergebnisspalte(i + 1), r, ergebnisse.at(i));
    return r;
}

Cup berichtsCup()
{
    Cup cup;
    cup.name = QStringLiteral("Musterstädter Läufercup 2026");
    cup.veranstalter = QStringLiteral("LG Musterstadt & Söhne <e.V.> \"Süd\"");
    laufAnhaengen(cup, kZeitlauf, QStringLiteral("01.05.2026"), QStringLiteral("ja"));
    laufAnhaengen(cup, kDistanzlauf, QStringLiteral("05.06.2026"), QStringLiteral("ja"));
    const QString m = QStringLiteral("männlich"), w = QStringLiteral("weiblich");
    auto t = [&](const QStringList &f, const QStringList &e) { teilnehmerAnhaengen(cup, f, e); };
    // A-Cup, M30: a tie for first place, then a slower runner, codes, and one without an entry.
    t({"Adler", "Tom", "12.03.1990", m, "TV Ahorn", "M30", "A-Cup"}, {"0:40'10,00\"", "11250m"});
    t({"Berg", "Uwe", "01.01.1989", m, "LG Musterstadt", "M30", "A-Cup"}, {"0:38'00,00\"", "12010m"});
    t({"Clemens", "Jan", "30.06.1987", m, "TV Ahorn", "M30", "A-Cup"}, {"0:38'00,00\"", "12010m"});
    t({"Dorn", "Kai", "15.09.1986", m, "SG Läufer <Süd> & Co", "M30", "A-Cup"}, {"d.", "n.a."});
    t({"Ernst", "Max", "22.02.1990", m, "TV Ahorn", "M30", "A-Cup"}, {"n.a.", ""});
    t({"Fuchs", "Leo", "03.03.1988", m, "TV Ahorn", "M30", "A-Cup"}, {"", "9800m"});
    // A-Cup, F: two women, the faster one sorted second by name.
    t({"Graf", "Anna", "07.07.2000", w, "LG Musterstadt", "F", "A-Cup"}, {"0:45'00,00\"", "10500m"});
    t({"Huber", "Lea", "08.08.2001", w, "", "F", "A-Cup"}, {"0:44'59,99\"", "10450m"});
    // B-Cup: one runner without any entry, so the variation disappears from race 1.
    t({"Imhof", "Eva", "09.09.1975", w, "TSV Birke", "F50", "B-Cup"}, {"", "7000m"});
    // C-Cup: a girl with a long double name, a boy with a code only.
    t({"Kleinschmidt-Wunderlich", "Maximiliane-Sophie", "10.10.2015", w, "TSV Birke", "WK U12", "C-Cup"},
      {"0:12'30,00\"", "3100m"});
    t({"Jung", "Paul", "11.11.2016", m, "TSV Birke", "MK U10", "C-Cup"}, {"v.", "o.L."});
    // An age-group text that matches no group is not listed anywhere.
    t({"Zander", "Ole", "12.12.1980", m, "TV Ahorn", "X99", "A-Cup"}, {"0:39'00,00\"", "12000m"});
    return cup;
}

Cup cupOhneVarianten()
{
    Cup cup;
    cup.name = QStringLiteral("Abendlauf-Serie");
    cup.veranstalter = QStringLiteral("TV Ahorn");
    cup.cv.setRowCount(1);
    laufAnhaengen(cup, kZeitlauf, QStringLiteral("20.03.2026"), QStringLiteral("5000m"));
    const QString w = QStringLiteral("weiblich");
    auto t = [&](const QStringList &f, const QStringList &e) { teilnehmerAnhaengen(cup, f, e); };
    // The "ggf. Cup" texts are leftovers and must be ignored without variations.
    t({"Adam", "Ida", "01.02.1995", w, "TV Ahorn", "F", "A-Cup"}, {"0:21'00,00\""});
    t({"Bauer", "Ina", "02.03.1996", w, "TV Ahorn", "F", ""}, {"0:20'00,00\""});
    t({"Christ", "Ute", "03.04.1994", w, "LG Musterstadt", "F", "B-Cup"}, {"0:19'00,00\""});
    t({"Dreher", "Pia", "04.05.1997", w, "LG Musterstadt", "F", ""}, {"0:20'00,00\""});
    return cup;
}

Cup zufallsCup(unsigned seed, int teilnehmer, int laufe, bool varianten)
{
    QRandomGenerator zufall(seed);
    Cup cup;
    cup.name = QStringLiteral("Zufallscup %1").arg(seed);
    cup.veranstalter = QStringLiteral("TV Zufall");
    if (!varianten)
        cup.cv.setRowCount(1);
    // Few age groups, so that every group is large.
    cup.ag.setRowCount(4);
    const char *ag[3][3] = {{"WJ", "MJ", "19"}, {"F", "M", "49"}, {"W50", "M50", "150"}};
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 3; ++c)
            cup.ag.setCell(c, i + 1, QString::fromLatin1(ag[i][c]));
    for (int c = 1; c <= laufe; ++c)
        laufAnhaengen(cup, c % 2 ? kZeitlauf : kDistanzlauf,
                      QStringLiteral("%1.05.2026").arg(c, 2, 10, QLatin1Char('0')),
                      varianten ? QStringLiteral("ja") : QStringLiteral("10000m"));
    static const QStringList codes{"n.a.", "v.", "d.", "o.L."};
    static const QStringList cups{"A-Cup", "B-Cup", "C-Cup"};
    for (int i = 0; i < teilnehmer; ++i) {
        const bool frau = zufall.bounded(2) == 0;
        const int gruppe = static_cast<int>(zufall.bounded(3));
        QStringList e;
        for (int c = 1; c <= laufe; ++c) {
            const int wurf = static_cast<int>(zufall.bounded(100));
            if (wurf < 25)
                e << QString();
            else if (wurf < 32)
                e << codes.at(static_cast<int>(zufall.bounded(4)));
            else if (c % 2) // few different times, so ties are common
                e << QStringLiteral("0:%1'%2,00\"")
                         .arg(30 + zufall.bounded(8))
                         .arg(zufall.bounded(3) * 20, 2, 10, QLatin1Char('0'));
            else
                e << QStringLiteral("%1m").arg(9000 + zufall.bounded(10) * 100);
        }
        teilnehmerAnhaengen(
            cup,
            {QStringLiteral("N%1").arg(zufall.bounded(1000), 4, 10, QLatin1Char('0')) + QString::number(i),
             QStringLiteral("V%1").arg(i), QStringLiteral("01.01.19%1").arg(50 + zufall.bounded(50)),
             frau ? QStringLiteral("weiblich") : QStringLiteral("männlich"),
             QStringLiteral("Verein %1").arg(zufall.bounded(5)), cup.ag.cell(frau ? 0 : 1, gruppe + 1),
             varianten ? cups.at(static_cast<int>(zufall.bounded(3))) : QString()},
            e);
    }
    return cup;
}

} // namespace tlt::test
