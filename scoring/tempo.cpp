#include "scoring/tempo.h"

#include <QLocale>
#include <optional>

namespace tlt {

namespace {

// A time as a whole number of fraction units: wert / 10^stellen seconds.
struct Zeit {
    __int128 wert = 0;
    int stellen = 0;
};

// The text between the first `von` (or the start) and the next `bis` after it.
QString abschnitt(const QString &text, QChar von, QChar bis)
{
    int a = 0;
    if (!von.isNull()) {
        a = text.indexOf(von);
        if (a < 0)
            return text; // read as a whole so the message shows what could not be read
        ++a;
    }
    const int b = text.indexOf(bis, a);
    return b < 0 ? text.mid(a) : text.mid(a, b - a);
}

Zeit leseZeit(const QString &text)
{
    const int stunden = toInt(abschnitt(text, QChar(), QLatin1Char(':')));
    const int minuten = toInt(abschnitt(text, QLatin1Char(':'), QLatin1Char('\'')));
    const int sekunden = toInt(abschnitt(text, QLatin1Char('\''), QLatin1Char(',')));
    const QString bruch = abschnitt(text, QLatin1Char(','), QLatin1Char('"'));
    const int bruchwert = toInt(bruch);
    Zeit z;
    z.stellen = 0;
    __int128 einheit = 1;
    // Only the digits count as places; a sign or blanks in front do not.
    for (QChar c : bruch)
        if (c.isDigit()) {
            einheit *= 10;
            ++z.stellen;
        }
    z.wert =
        (static_cast<__int128>(stunden) * 3600 + static_cast<__int128>(minuten) * 60 + sekunden) * einheit + bruchwert;
    return z;
}

int leseMeter(const QString &text)
{
    return toInt(text.left(text.size() - 1));
}

// Tenths of metres per second, rounded half away from zero on the exact quotient.
__int128 zehntel(int meter, const Zeit &z)
{
    if (z.wert == 0)
        throw Rechenfehler(QStringLiteral("Gleitkommadivision durch Null"));
    __int128 zaehler = static_cast<__int128>(meter) * 10;
    for (int i = 0; i < z.stellen; ++i)
        zaehler *= 10;
    __int128 nenner = z.wert;
    const bool negativ = (zaehler < 0) != (nenner < 0);
    if (zaehler < 0)
        zaehler = -zaehler;
    if (nenner < 0)
        nenner = -nenner;
    __int128 q = zaehler / nenner;
    if (2 * (zaehler % nenner) >= nenner)
        ++q;
    return negativ ? -q : q;
}

QString zahlText(__int128 wert)
{
    QString s;
    do {
        s.prepend(QChar(u'0' + static_cast<int>(wert % 10)));
        wert /= 10;
    } while (wert > 0);
    return s;
}

} // namespace

QString BerechneMps(const QString &label, const QString &entry)
{
    if (label.isEmpty())
        return kKeineGeschwindigkeit;
    const bool labelIstStrecke = label.endsWith(QLatin1Char('m')) && entry.endsWith(QLatin1Char('"'));
    const QString &strecke = labelIstStrecke ? label : entry;
    const QString &zeit = labelIstStrecke ? entry : label;

    // A label that cannot be read still completes the report; an unreadable entry stops it.
    int meter = 0;
    Zeit z;
    try {
        meter = leseMeter(strecke);
    } catch (const Konvertierungsfehler &) {
        if (labelIstStrecke)
            return kKeineGeschwindigkeit;
        throw;
    }
    try {
        z = leseZeit(zeit);
    } catch (const Konvertierungsfehler &) {
        if (!labelIstStrecke)
            return kKeineGeschwindigkeit;
        throw;
    }

    const __int128 t = zehntel(meter, z);
    const __int128 betrag = t < 0 ? -t : t;
    QString text = zahlText(betrag / 10) + QLocale().decimalPoint() + zahlText(betrag % 10);
    if (t < 0)
        text.prepend(QLocale().negativeSign());
    return text + QStringLiteral(" m/s");
}

} // namespace tlt
