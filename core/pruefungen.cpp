#include "core/pruefungen.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/tabelle.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace tlt {

namespace {

bool istZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool nurZiffern(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!istZiffer(c))
            return false;
    return true;
}

// Value of a digit string; false when it exceeds the 32-bit range.
bool ziffernwert(const QString &d, qint64 *wert)
{
    qint64 v = 0;
    for (QChar c : d) {
        v = v * 10 + (c.unicode() - '0');
        if (v > std::numeric_limits<int>::max())
            return false;
    }
    *wert = v;
    return true;
}

// Two digits of d from 1-based position pos (a position below 1 counts as 1), as a number.
int zweiZiffern(const QString &d, qsizetype pos)
{
    if (pos < 1)
        pos = 1;
    int v = 0;
    const QStringView teil = QStringView(d).mid(pos - 1, 2);
    for (QChar c : teil)
        v = v * 10 + (c.unicode() - '0');
    return v;
}

} // namespace

QString checkdate(const QString &text)
{
    QString t = text;
    // Eight digits typed without separators.
    if (t.size() == 8 && nurZiffern(t))
        t = t.mid(0, 2) + QLatin1Char('.') + t.mid(2, 2) + QLatin1Char('.') + t.mid(4, 4);
    // Day and month typed with one digit ("1.5.1990") get their leading zero.
    static const QRegularExpression kurz(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4})$"));
    if (const auto m = kurz.match(t); m.hasMatch())
        t = m.captured(1).rightJustified(2, QLatin1Char('0')) + QLatin1Char('.') +
            m.captured(2).rightJustified(2, QLatin1Char('0')) + QLatin1Char('.') + m.captured(3);

    // The stored form is strictly two digits, two digits, four digits; signs or blanks that an
    // integer reading would accept are not part of it.
    if (t.size() != 10 || t[2] != QLatin1Char('.') || t[5] != QLatin1Char('.'))
        return kKeinDatum;
    const QStringView tag = QStringView(t).mid(0, 2);
    const QStringView monat = QStringView(t).mid(3, 2);
    const QStringView jahr = QStringView(t).mid(6, 4);
    if (!nurZiffern(tag) || !nurZiffern(monat) || !nurZiffern(jahr))
        return kKeinDatum;
    const int d = tag.toInt();
    const int m = monat.toInt();
    const int j = jahr.toInt();
    if (d < 1 || d > 31 || m < 1 || m > 12 || j <= 1900)
        return kKeinDatum;
    return t;
}

namespace {

// A time typed with separators, read by its groups from the right: seconds (with hundredths after
// "," or "."), minutes, hours. "30:00" is half an hour, "1:02:03" one hour, two minutes, three seconds.
QString zeitNachGruppen(const QString &text)
{
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('"')))
        t.chop(1);
    static const QRegularExpression trenner(QStringLiteral("[:']"));
    const QStringList teile = t.split(trenner);
    if (teile.size() > 3)
        return QString();
    static const QRegularExpression sekundenMuster(QStringLiteral("^([0-9]{1,2})(?:[,.]([0-9]{1,2}))?$"));
    const auto sek = sekundenMuster.match(teile.last().trimmed());
    if (!sek.hasMatch())
        return QString();
    qint64 wert[3] = {0, 0, 0}; // hours, minutes, seconds
    for (qsizetype i = 0; i + 1 < teile.size(); ++i) {
        const QString g = teile[i].trimmed();
        if (!nurZiffern(g) || !ziffernwert(g, &wert[3 - teile.size() + i]))
            return QString();
    }
    wert[2] = sek.captured(1).toInt();
    const int hundertstel = sek.captured(2).leftJustified(2, QLatin1Char('0')).toInt();
    if (wert[1] >= 60 || wert[2] >= 60)
        return QString();
    // The stored form compares as the integer HMMSSFF; it must stay within 32 bits.
    const qint64 gesamt = ((wert[0] * 100 + wert[1]) * 100 + wert[2]) * 100 + hundertstel;
    if (wert[0] > std::numeric_limits<int>::max() / 1000000 || gesamt > std::numeric_limits<int>::max())
        return QString();
    return QString::number(wert[0]) + QLatin1Char(':') + QStringLiteral("%1").arg(wert[1], 2, 10, QLatin1Char('0')) +
           QLatin1Char('\'') + QStringLiteral("%1").arg(wert[2], 2, 10, QLatin1Char('0')) + QLatin1Char(',') +
           QStringLiteral("%1").arg(hundertstel, 2, 10, QLatin1Char('0')) + QLatin1Char('"');
}

// "6,25 km" or "10 km": kilometres with a decimal comma or point, as whole metres (a fourth
// decimal rounds: "21,0975 km" is 21098m). False when the text does not end in "km".
bool kilometer(const QString &text, QString *ergebnis)
{
    static const QRegularExpression endung(QStringLiteral("^(.*)km\\s*$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression zahl(QStringLiteral("^([0-9]+)(?:[,.]([0-9]+))?$"));
    const auto e = endung.match(text);
    if (!e.hasMatch())
        return false;
    ergebnis->clear();
    const auto m = zahl.match(e.captured(1).trimmed());
    qint64 km = 0;
    if (!m.hasMatch() || !ziffernwert(m.captured(1), &km))
        return true;
    const QString nachkomma = m.captured(2);
    qint64 meter = km * 1000 + nachkomma.left(3).leftJustified(3, QLatin1Char('0')).toInt();
    if (nachkomma.size() > 3 && nachkomma[3] >= QLatin1Char('5'))
        ++meter;
    if (meter <= std::numeric_limits<int>::max())
        *ergebnis = QString::number(meter) + QLatin1Char('m');
    return true;
}

} // namespace

QString checktime(const QString &text)
{
    if (text.isEmpty())
        return QString();
    if (text.contains(QLatin1Char(':')) || text.contains(QLatin1Char('\'')))
        return zeitNachGruppen(text);
    // Digits only: the user types hundredths, and the digits fill the stored form from the right.
    const QString d = ziffern(text);
    qint64 wert = 0;
    if (d.isEmpty() || !ziffernwert(d, &wert))
        return QString();
    const qsizetype l = d.size();
    // The user types hundredths; minutes and seconds are checked where a full entry has them.
    if (zweiZiffern(d, l - 5) >= 60 || zweiZiffern(d, l - 3) >= 60)
        return QString();
    QString t = QString::number(wert);
    if (t.size() < 7)
        t = QString(7 - t.size(), QLatin1Char('0')) + t;
    const qsizetype h = t.size() - 6;
    return t.left(h) + QLatin1Char(':') + t.mid(h, 2) + QLatin1Char('\'') + t.mid(h + 2, 2) + QLatin1Char(',') +
           t.mid(h + 4, 2) + QLatin1Char('"');
}

QString checkdist(const QString &text)
{
    if (text.isEmpty())
        return QString();
    QString km;
    if (kilometer(text, &km))
        return km;
    const QString d = ziffern(text);
    qint64 wert = 0;
    if (d.isEmpty() || !ziffernwert(d, &wert))
        return QString();
    return QString::number(wert) + QLatin1Char('m');
}

QString startnummer(int n)
{
    QString s = QString::number(n);
    if (n < 100)
        s.prepend(QLatin1Char('0'));
    if (n < 10)
        s.prepend(QLatin1Char('0'));
    return s;
}

QString checksn(const Tabelle &teil, const QString &text, int eigeneZeile)
{
    int n = 0;
    if (!istInt(text, &n) || n < 1)
        return QString();
    const QString sn = startnummer(n);
    for (int r = 1; r < teil.rowCount(); ++r)
        if (teil.cell(Teilspalte::Startnummer, r) == sn && r != eigeneZeile)
            return QString();
    return sn;
}

QString findsn(const Tabelle &teil)
{
    // A cell that holds no integer uses no number and cannot collide with a proposal.
    qint64 max = 0;
    for (int r = 1; r < teil.rowCount(); ++r) {
        int n = 0;
        if (istInt(teil.cell(Teilspalte::Startnummer, r), &n))
            max = std::max<qint64>(max, n);
    }
    if (max >= std::numeric_limits<int>::max())
        return QString();
    return startnummer(static_cast<int>(max + 1));
}

QStringList vereinelesen(QStringList liste, const Tabelle &teil)
{
    for (int r = 1; r < teil.rowCount(); ++r) {
        const QString &verein = teil.cell(Teilspalte::Verein, r);
        if (!liste.contains(verein, Qt::CaseSensitive))
            liste.append(verein);
    }
    // The same text order as every other list of the program; clubs that differ only in the case
    // of a-z keep the order in which they were found.
    std::stable_sort(liste.begin(), liste.end(),
                     [](const QString &a, const QString &b) { return textvergleich(a, b) < 0; });
    return liste;
}

QString checkaltgr(const Cup &cup, const QString &geburtsdatum, int geschlecht)
{
    if (geschlecht != 0 && geschlecht != 1)
        return QString();
    const QString &rennen = cup.laufe.cell(cup.laufe.colCount() - 1, Laufzeile::Datum);
    if (geburtsdatum == kKeinDatum || rennen == kKeinDatum)
        return QString();
    int jahrGeb = 0;
    if (!istInt(geburtsdatum.mid(6, 4), &jahrGeb))
        return QString();
    // Without a race the label "Datum:" stands in the date row; its empty year part reads as 0.
    int jahrLauf = 0;
    if (!istInt(rennen.mid(6, 4), &jahrLauf))
        jahrLauf = 0;
    const qint64 alter = static_cast<qint64>(jahrLauf) - jahrGeb;
    QString kandidat;
    for (int r = cup.ag.rowCount() - 1; r >= 1; --r)
        if (maximalalter(cup.ag, r) >= alter)
            kandidat = cup.ag.cell(geschlecht == 0 ? Agspalte::Weiblich : Agspalte::Maennlich, r);
    return kandidat;
}

QString abk2text(const QString &text)
{
    if (text == QLatin1String("n.a."))
        return QStringLiteral("n. angetret");
    if (text == QLatin1String("v."))
        return QStringLiteral("verletzt");
    if (text == QLatin1String("d."))
        return QStringLiteral("disquali.");
    if (text == QLatin1String("o.L."))
        return QStringLiteral("o. Leistung");
    return text;
}

QString ergebnisNormalisieren(const QString &text, const QString &lauftyp)
{
    if (text == QLatin1String("na") || text == QLatin1String("n.a") || text == QLatin1String("n.a."))
        return QStringLiteral("n.a.");
    if (text == QLatin1String("d") || text == QLatin1String("d."))
        return QStringLiteral("d.");
    if (text == QLatin1String("v") || text == QLatin1String("v."))
        return QStringLiteral("v.");
    if (text == QLatin1String("o.L.") || text == QLatin1String("oL") || text == QLatin1String("o") ||
        text == QLatin1String("ol"))
        return QStringLiteral("o.L.");
    return lauftyp == kZeitlauf ? checktime(text) : checkdist(text);
}

bool istCode(const QString &text)
{
    return text == QLatin1String("n.a.") || text == QLatin1String("v.") || text == QLatin1String("d.") ||
           text == QLatin1String("o.L.");
}

bool istLeistung(const QString &text)
{
    return !text.isEmpty() && !istCode(text);
}

QString ziffern(const QString &text)
{
    QString d;
    d.reserve(text.size());
    for (QChar c : text)
        if (istZiffer(c))
            d.append(c);
    return d;
}

QString datumsschluessel(const QString &datum)
{
    return datum.mid(6, 4) + datum.mid(3, 2) + datum.mid(0, 2);
}

} // namespace tlt
