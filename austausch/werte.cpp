#include "austausch/werte.h"

#include "austausch/tabellendatei.h"
#include "core/cup.h"
#include "core/pruefungen.h"

#include <QDate>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace tlt {

namespace {
const QDate kNullDatum(1899, 12, 30);

QString zweistellig(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool ganzeZahl(double d)
{
    return std::isfinite(d) && std::floor(d) == d;
}
} // namespace

bool datumLesen(const Zelle &z, QString *datum, QString *grund)
{
    datum->clear();
    if (z.leer())
        return true;
    QString text;
    if (z.art == Zelle::Art::Datum || (z.art == Zelle::Art::Zahl && ganzeZahl(z.zahl) && z.zahl > 366 &&
                                       z.zahl < 2958466)) {
        const QDate d = kNullDatum.addDays(static_cast<qint64>(std::floor(z.zahl)));
        text = d.toString(QStringLiteral("dd.MM.yyyy"));
    } else {
        const QString t = z.text.trimmed();
        static const QRegularExpression punkt(QStringLiteral("^(\\d{1,2})[./](\\d{1,2})[./](\\d{4})$"));
        static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ].*)?$"));
        if (auto m = punkt.match(t); m.hasMatch())
            text = zweistellig(m.captured(1).toInt()) + QLatin1Char('.') + zweistellig(m.captured(2).toInt()) +
                   QLatin1Char('.') + m.captured(3);
        else if (auto m2 = iso.match(t); m2.hasMatch())
            text = zweistellig(m2.captured(3).toInt()) + QLatin1Char('.') + zweistellig(m2.captured(2).toInt()) +
                   QLatin1Char('.') + m2.captured(1);
        else
            text = t;
    }
    // Beyond the check of typed input, a date that the calendar does not have is refused: an
    // import takes hundreds of dates at once, and nobody looks at each.
    const QString geprueft = checkdate(text);
    if (geprueft == kKeinDatum || !QDate::fromString(geprueft, QStringLiteral("dd.MM.yyyy")).isValid()) {
        *grund = QStringLiteral("Geburtsdatum '%1' ungültig").arg(z.text.trimmed());
        return false;
    }
    *datum = geprueft;
    return true;
}

bool jahrgangLesen(const Zelle &z, QString *datum, QString *grund)
{
    datum->clear();
    if (z.leer())
        return true;
    int jahr = 0;
    if (z.art == Zelle::Art::Datum) {
        jahr = kNullDatum.addDays(static_cast<qint64>(std::floor(z.zahl))).year();
    } else if (z.art == Zelle::Art::Zahl && ganzeZahl(z.zahl)) {
        jahr = static_cast<int>(z.zahl);
    } else {
        static const QRegularExpression re(QStringLiteral("^\\d{4}$"));
        if (re.match(z.text.trimmed()).hasMatch())
            jahr = z.text.trimmed().toInt();
    }
    const QString geprueft = checkdate(QStringLiteral("01.01.%1").arg(jahr, 4, 10, QLatin1Char('0')));
    if (jahr < 1000 || jahr > 9999 || geprueft == kKeinDatum) {
        *grund = QStringLiteral("Jahrgang '%1' ungültig").arg(z.text.trimmed());
        return false;
    }
    *datum = geprueft;
    return true;
}

bool geschlechtLesen(const Zelle &z, QString *geschlecht, QString *grund)
{
    geschlecht->clear();
    if (z.leer())
        return true;
    const QString t = z.text.trimmed().toLower();
    static const QStringList frauen = {QStringLiteral("w"),      QStringLiteral("weiblich"), QStringLiteral("f"),
                                       QStringLiteral("female"), QStringLiteral("frau"),     QStringLiteral("woman"),
                                       QStringLiteral("women"),  QStringLiteral("wbl."),     QStringLiteral("weibl.")};
    static const QStringList maenner = {QStringLiteral("m"),     QStringLiteral("männlich"), QStringLiteral("male"),
                                        QStringLiteral("mann"),  QStringLiteral("man"),      QStringLiteral("men"),
                                        QStringLiteral("männl."), QStringLiteral("mnl.")};
    if (frauen.contains(t)) {
        *geschlecht = QStringLiteral("weiblich");
        return true;
    }
    if (maenner.contains(t)) {
        *geschlecht = QStringLiteral("männlich");
        return true;
    }
    *grund = QStringLiteral("Geschlecht '%1' unbekannt").arg(z.text.trimmed());
    return false;
}

bool startnummerZelle(const Zelle &z, QString *sn, QString *grund)
{
    sn->clear();
    if (z.leer())
        return true;
    QString t = z.text.trimmed();
    if (z.art != Zelle::Art::Text && ganzeZahl(z.zahl))
        t = QString::number(static_cast<qint64>(z.zahl));
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok || n < 1 || n > std::numeric_limits<int>::max()) {
        *grund = QStringLiteral("Startnummer '%1' ungültig").arg(z.text.trimmed());
        return false;
    }
    *sn = startnummer(static_cast<int>(n));
    return true;
}

namespace {

QString code(const QString &text)
{
    const QString t = text.trimmed().toLower();
    static const QStringList na = {QStringLiteral("dns"), QStringLiteral("n.a."), QStringLiteral("n.a"),
                                   QStringLiteral("na"), QStringLiteral("nicht angetreten"),
                                   QStringLiteral("nicht gestartet"), QStringLiteral("n. angetret"),
                                   QStringLiteral("did not start")};
    static const QStringList ol = {QStringLiteral("dnf"), QStringLiteral("o.l."), QStringLiteral("ol"),
                                   QStringLiteral("o"), QStringLiteral("aufgegeben"), QStringLiteral("ausgeschieden"),
                                   QStringLiteral("nicht im ziel"), QStringLiteral("ohne leistung"),
                                   QStringLiteral("o. leistung"), QStringLiteral("did not finish")};
    static const QStringList d = {QStringLiteral("dsq"),   QStringLiteral("dq"),   QStringLiteral("disq."),
                                  QStringLiteral("disq"),  QStringLiteral("d."),   QStringLiteral("d"),
                                  QStringLiteral("disqualifiziert"), QStringLiteral("disquali."),
                                  QStringLiteral("disqualified")};
    static const QStringList v = {QStringLiteral("verletzt"), QStringLiteral("v."), QStringLiteral("v"),
                                  QStringLiteral("injured")};
    if (na.contains(t))
        return QStringLiteral("n.a.");
    if (ol.contains(t))
        return QStringLiteral("o.L.");
    if (d.contains(t))
        return QStringLiteral("d.");
    if (v.contains(t))
        return QStringLiteral("v.");
    return {};
}

// Hundredths as the stored time: hours:minutes'seconds,hundredths".
QString zeitAusHundertsteln(qint64 h)
{
    const qint64 stunden = h / 360000;
    const int min = static_cast<int>(h / 6000 % 60);
    const int sek = static_cast<int>(h / 100 % 60);
    const int hs = static_cast<int>(h % 100);
    return checktime(QString::number(stunden) + zweistellig(min) + zweistellig(sek) + zweistellig(hs));
}

// Digits after the decimal sign as hundredths, rounded up beyond two digits.
qint64 bruchteilHundertstel(const QString &ziffern)
{
    if (ziffern.isEmpty())
        return 0;
    if (ziffern.size() <= 2)
        return (ziffern + QStringLiteral("0")).left(2).toLongLong();
    const qint64 hs = ziffern.left(2).toLongLong();
    bool rest = false;
    for (QChar c : ziffern.mid(2))
        rest = rest || c != QLatin1Char('0');
    return hs + (rest ? 1 : 0);
}

bool zeitLesen(const Zelle &z, QString *ergebnis)
{
    if (z.art == Zelle::Art::Datum || (z.art == Zelle::Art::Zahl && z.zahl > 0 && z.zahl < 1)) {
        // A time cell: fraction of a day. Rounded to the millisecond first (the binary fraction is never
        // exact), then thousandths up to the next hundredth.
        if (!std::isfinite(z.zahl) || z.zahl < 0 || z.zahl > 1000)
            return false;
        const qint64 ms = std::llround(z.zahl * 86400000.0);
        *ergebnis = zeitAusHundertsteln((ms + 9) / 10);
        return !ergebnis->isEmpty();
    }
    const QString t = z.text.trimmed();
    static const QRegularExpression re(
        QStringLiteral("^(?:(\\d+):)?(\\d{1,2}):(\\d{1,2})(?:[.,](\\d{1,3}))?$"));
    const auto m = re.match(t);
    if (!m.hasMatch())
        return false;
    const qint64 stunden = m.captured(1).toLongLong();
    const int minuten = m.captured(2).toInt();
    const int sekunden = m.captured(3).toInt();
    if (minuten >= 60 || sekunden >= 60 || stunden > 10000)
        return false;
    const qint64 h = ((stunden * 60 + minuten) * 60 + sekunden) * 100 + bruchteilHundertstel(m.captured(4));
    *ergebnis = zeitAusHundertsteln(h);
    return !ergebnis->isEmpty();
}

bool distanzLesen(const Zelle &z, QString *ergebnis)
{
    if (z.art == Zelle::Art::Zahl) {
        if (!std::isfinite(z.zahl) || z.zahl < 0 || z.zahl > std::numeric_limits<int>::max())
            return false;
        *ergebnis = QString::number(std::llround(z.zahl)) + QLatin1Char('m');
        return true;
    }
    static const QRegularExpression km(QStringLiteral("^(\\d+)[.,](\\d{1,3})\\s*km$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = km.match(z.text.trimmed());
    if (!m.hasMatch())
        return false;
    const qint64 meter = m.captured(1).toLongLong() * 1000 + (m.captured(2) + QStringLiteral("00")).left(3).toLongLong();
    if (meter > std::numeric_limits<int>::max())
        return false;
    *ergebnis = QString::number(meter) + QLatin1Char('m');
    return true;
}

} // namespace

bool ergebnisLesen(const Zelle &z, const QString &lauftyp, QString *ergebnis, QString *grund)
{
    ergebnis->clear();
    if (z.leer())
        return true;
    if (z.art == Zelle::Art::Text) {
        const QString c = code(z.text);
        if (!c.isEmpty()) {
            *ergebnis = c;
            return true;
        }
    }
    const bool zeitlauf = lauftyp == kZeitlauf;
    if (zeitlauf ? zeitLesen(z, ergebnis) : distanzLesen(z, ergebnis))
        return true;
    // A plain number in a time run has no unit that could be trusted (seconds? minutes?).
    if (z.art == Zelle::Art::Text)
        *ergebnis = ergebnisNormalisieren(z.text.trimmed(), lauftyp);
    if (!ergebnis->isEmpty())
        return true;
    *grund = (zeitlauf ? QStringLiteral("Zeit '%1' ungültig") : QStringLiteral("Distanz '%1' ungültig"))
                 .arg(z.text.trimmed());
    return false;
}

} // namespace tlt
