#include "certificates/urkunde.h"

#include "core/cup.h"
#include "core/uhr.h"
#include "reports/ausgabe.h"

#include <algorithm>

namespace tlt {

const QStringList &urkundenstile()
{
    static const QStringList liste{
        QStringLiteral("Standard Stil - 1. SC Quellbrunn e.V."),
        QStringLiteral("Standard Stil - frei"),
        QStringLiteral("Standard Stil - 2. Wiesenauer Lindenlauf"),
    };
    return liste;
}

namespace {
// A certificate line of more characters than this cannot be read at any size (a character would
// be narrower than a dot); measuring and drawing a text of megabytes would only take minutes.
constexpr qsizetype kMaxZeichenJeZeile = 10000;
} // namespace

void urkundenzeile(Leinwand &l, const QString &ganzerText, double x1, double y, double x2, int hoechstens)
{
    const QString text =
        ganzerText.size() > kMaxZeichenJeZeile ? ganzerText.left(kMaxZeichenJeZeile) : ganzerText;
    const double b = x2 - x1;
    // The line's size follows its box: a fifth of the box width, smaller only when the text needs it.
    int hoehe = std::max(1, rundeGerade(b * 0.2));
    if (hoechstens > 0)
        hoehe = std::min(hoehe, hoechstens);
    l.setZellhoehe(hoehe);
    int breite = l.textbreite(text);
    if (breite > b && hoehe > 1) {
        // The largest height below whose text fits, else 1. A text's width grows with the height,
        // so halving the range finds it with a few measurements instead of one per height, which
        // would take minutes for a text of megabytes.
        int passt = 1;         // fits, or is the smallest height
        int zuGross = hoehe;   // does not fit
        while (zuGross - passt > 1) {
            const int mitte = passt + (zuGross - passt) / 2;
            l.setZellhoehe(mitte);
            if (l.textbreite(text) > b)
                zuGross = mitte;
            else
                passt = mitte;
        }
        hoehe = passt;
        l.setZellhoehe(hoehe);
        breite = l.textbreite(text);
    }
    const double x = x1 + (b - breite) * 0.5;
    l.text(rundeGerade(x), rundeGerade(y), text);
}

bool zeichnetLaufurkunden(int stil)
{
    return stil >= 0 && stil <= 2;
}

bool zeichnetGesamturkunden(int stil)
{
    return stil == 0 || stil == 1;
}

Urkundendruck::Urkundendruck(Leinwand &leinwand, const Cup &cup, const Unterschriften &unterschriften)
    : m_l(leinwand), m_cup(cup), m_unterschriften(unterschriften)
{
}

void Urkundendruck::beginne()
{
    m_urkundenseite = 1;
    m_aktiv = false;
    m_fehler = false;
}

void Urkundendruck::beende()
{
    if (m_aktiv)
        m_l.endDokument();
    m_aktiv = false;
}

bool Urkundendruck::seitenschritt()
{
    if (m_fehler)
        return false;
    if (!m_aktiv) {
        m_aktiv = m_l.beginDokument(kUrkundendokument);
        m_fehler = !m_aktiv;
        if (m_fehler)
            return false;
    } else {
        m_l.neueSeite();
    }
    ++m_urkundenseite;
    return true;
}

double Urkundendruck::spalteLinks(int einzug) const
{
    const int w = m_l.breite();
    const int u = w / 20;
    return (w / 4) + u + einzug;
}

double Urkundendruck::spalteRechts(int einzug) const
{
    const int w = m_l.breite();
    const int u = w / 20;
    return w - u - einzug;
}

void Urkundendruck::rahmenOben(int stil)
{
    const int w = m_l.breite();
    const int h = m_l.hoehe();
    const int u = w / 20;
    m_l.bild(QRect(u, h / 3, w / 4, h / 2), stil == 0 ? Bild::Laufer : Bild::LauferLeer);
    m_l.setSchrift(kUrkundenschrift, Qt::black);
    // The name's cell ends where "Urkunde" begins, so a short name keeps its lower half.
    urkundenzeile(m_l, m_cup.name, u, u, w - u, 2 * u);
    urkundenzeile(m_l, QStringLiteral("Urkunde"), u, 3 * u, w - u);
}

void Urkundendruck::rahmenUnten(int stil)
{
    const int w = m_l.breite();
    const int u = w / 20;
    const auto zeile = [&](const QString &text, int y, int einzug) {
        urkundenzeile(m_l, text, spalteLinks(einzug), y, spalteRechts(einzug));
    };
    zeile(QStringLiteral("Herzlichen Glückwunsch"), (stil == 0 ? 24 : 21) * u, w / 8);
    zeile(m_unterschriften.unter1, (stil == 0 ? 26 : 24) * u, w / 4);
    zeile(m_unterschriften.unter2, (stil == 0 ? 27 : 25) * u, w / 4);
    urkundenzeile(m_l, kurzesDatum(jetzt().date()), u + 2 * (w / 5), 27 * u, w - u - 2 * (w / 5));
}

void Urkundendruck::koerper(int stil, const QString &zeile1, const QString &zeile2, const QString &zeile3,
                            const Laufurkundendaten *lauf, const Gesamturkundendaten *gesamt, const QString &belegte)
{
    const int w = m_l.breite();
    const int u = w / 20;
    const QString &gruppe = lauf ? lauf->altersgruppe : gesamt->altersgruppe;
    const QString &variation = lauf ? lauf->variation : gesamt->variation;
    const QString &person = lauf ? lauf->person : gesamt->person;
    const QString &verein = lauf ? lauf->verein : gesamt->verein;
    const QString letzte = lauf ? lauf->ergebnis : gesamt->punkte + QStringLiteral(" Punkten");

    struct Zeile {
        QString text;
        int y0; // in units u, style 0
        int y1; // style 1; 0 means the line is left out
        int einzug;
    };
    const Zeile zeilen[] = {
        {zeile1, 7, 7, w / 10},
        {zeile2, 9, 9, w / 5},
        {zeile3, 10, 11, w / 8},
        {QStringLiteral("der Altersgruppe"), 12, 13, w / 6},
        {variation.isEmpty() ? gruppe : gruppe + QStringLiteral(" - ") + variation, 14, 15, w / 7},
        {belegte, 16, 17, w / 5},
        {person, 18, 19, w / 9},
        {QStringLiteral("(") + verein + QStringLiteral(")"), 20, 0, w / 5},
        {QStringLiteral("mit"), 21, 0, w / 5},
        {letzte, 22, 0, w / 5},
    };
    for (const auto &z : zeilen) {
        const int y = stil == 0 ? z.y0 : z.y1;
        if (y == 0)
            continue;
        urkundenzeile(m_l, z.text, spalteLinks(z.einzug), y * u, spalteRechts(z.einzug));
    }
}

void Urkundendruck::laufurkunde(const Laufurkundendaten &d)
{
    const int stil = m_cup.urkundenstil;
    if (!zeichnetLaufurkunden(stil) || !seitenschritt())
        return;
    if (stil == 0 || stil == 1) {
        rahmenOben(stil);
        koerper(stil, QStringLiteral("den ") + d.platz + QStringLiteral(". Platz"), QStringLiteral("im"),
                d.lauf + QStringLiteral(". Lauf"), &d, nullptr);
        rahmenUnten(stil);
    } else if (stil == 2) {
        laufurkundeStil2(d);
    }
}

void Urkundendruck::laufurkundeStil2(const Laufurkundendaten &d)
{
    const int w = m_l.breite();
    const int h = m_l.hoehe();
    const int m = w / 20;
    const int gx = (w - 2 * m) / 20;
    const int gy = (h - 2 * m) / 20;
    const auto zeile = [&](const QString &text, double k, int einzug) {
        urkundenzeile(m_l, text, m + einzug * gx, m + k * gy, w - m - einzug * gx);
    };
    const auto rechteck = [&](double links, double oben, double breite, double hoehe) {
        return QRect(rundeGerade(links * gx + m), rundeGerade(oben * gy + m), rundeGerade(breite * gx),
                     rundeGerade(hoehe * gx));
    };

    m_l.setSchrift(kUrkundenschrift, Qt::black);
    zeile(QStringLiteral("Urkunde"), 0, 5);
    m_l.bild(rechteck(6.75, 1.85, 6.75, 5.4), Bild::SerieLogo);
    zeile(QStringLiteral("den"), 5.5, 8);
    zeile(d.platz + QStringLiteral(". Platz"), 6, 5);
    zeile(QStringLiteral("in der Altersklasse"), 7.5, 7);
    zeile(d.altersgruppe, 8.5, 8);
    zeile(QStringLiteral("über"), 9.5, 8);
    zeile(d.strecke, 10.5, 8);
    zeile(QStringLiteral("belegte"), 11.5, 8);
    zeile(d.person, 12.5, 5);
    zeile(QStringLiteral("(") + d.verein + QStringLiteral(")"), 14, 7);
    // A distance race's result is a distance, not a time.
    const bool distanz = m_cup.lauftyp(d.lauf.toInt()) == kDistanzlauf;
    zeile(distanz ? QStringLiteral("mit einer Strecke von") : QStringLiteral("in der Zeit von"), 15, 8);
    zeile(d.ergebnis, 16, 8);

    m_l.bild(rechteck(0, 17, 1, 1.47), Bild::Sponsor1);
    m_l.bild(rechteck(1.3, 17, 2.5, 0.925), Bild::Sponsor2);
    m_l.bild(rechteck(4.1, 17, 2.5, 1.0), Bild::Sponsor3);
    m_l.bild(rechteck(6.9, 17, 2, 1.34), Bild::Sponsor4);
    m_l.bild(rechteck(9.2, 17, 5.5, 0.935), Bild::Sponsor5);
    m_l.bild(rechteck(15, 17, 3.5, 1.365), Bild::Sponsor6);
    m_l.bild(rechteck(18.8, 17, 1.5, 1.71), Bild::VereinLogo);

    const QString ort = m_cup.laufe.cell(d.lauf.toInt(), Laufzeile::Ort);
    urkundenzeile(m_l, ort + QStringLiteral(", den ") + kurzesDatum(jetzt().date()), m, m + 19.0 * gy, w - m - 14 * gx);
    urkundenzeile(m_l, QStringLiteral("Rolf Beispielmann") + m_unterschriften.unter1, m + 16 * gx, m + 19.0 * gy,
                  w - m);
    urkundenzeile(m_l, QStringLiteral("Leiter Abt. Leichtathletik") + m_unterschriften.unter2, m + 16 * gx,
                  m + 19.5 * gy, w - m);
}

void Urkundendruck::gesamturkunde(const Gesamturkundendaten &d)
{
    // Style 2 has no overall layout: like an unknown style it draws nothing, not even a page.
    const int stil = m_cup.urkundenstil;
    if (!zeichnetGesamturkunden(stil) || !seitenschritt())
        return;
    rahmenOben(stil);
    // A participant the standings did not place has no place to name: the page thanks for taking
    // part, on the lines and in the sizes of the placed page ("belegte" has no place in that sentence).
    if (d.platz == QLatin1String("0") || d.platz.isEmpty())
        koerper(stil, QStringLiteral("für die Teilnahme"), QStringLiteral("an der"), QStringLiteral("Gesamtwertung"),
                nullptr, &d, QString());
    else
        koerper(stil, QStringLiteral("den ") + d.platz + QStringLiteral(". Platz"), QStringLiteral("in der"),
                QStringLiteral("Gesamtwertung"), nullptr, &d);
    rahmenUnten(stil);
}

} // namespace tlt
