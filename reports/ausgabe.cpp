#include "reports/ausgabe.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/tabelle.h"
#include "core/uhr.h"
#include "core/version.h"

#include <QLocale>

namespace tlt {

QString kurzesDatum(const QDate &datum)
{
    const QLocale loc;
    QString format = loc.dateFormat(QLocale::ShortFormat);
    // A desktop's short date shows the full year ("08.12.2026"); Qt's locale data keeps only two digits.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return loc.toString(datum, format);
}

QString langeZeit(const QTime &zeit)
{
    const QLocale loc;
    // Hours, minutes and seconds; Qt's long format would add the time zone name.
    QString format = loc.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return loc.toString(zeit, format.trimmed());
}

void Ausgabe::geaendert()
{
    if (beiAenderung)
        beiAenderung();
}

void Ausgabe::clear()
{
    m_zeilen.clear();
    geaendert();
}

void Ausgabe::p(int farbe, int stil, int groesse, const QString &text)
{
    m_zeilen.push_back(Ausgabezeile{text, farbe, stil, groesse});
    geaendert();
}

void Ausgabe::d(int n)
{
    if (n < 0) {
        for (int i = 0; i < -n && !m_zeilen.empty(); ++i)
            m_zeilen.pop_back();
    } else if (n < anzahl()) {
        m_zeilen.erase(m_zeilen.begin() + n);
    }
    geaendert();
}

void Ausgabe::leerzeile()
{
    p(0, Normal, 9, QStringLiteral(" "));
}

void Ausgabe::doppellinie()
{
    p(0, Normal, 9, QString(82, QLatin1Char('=')));
}

void Ausgabe::einfachlinie()
{
    p(0, Normal, 9, QString(82, QLatin1Char('-')));
}

void Ausgabe::berichtskopf(const Cup &cup)
{
    clear();
    p(0, Fett, 14, cup.veranstalter);
    p(0, Normal, 14, cup.name);
    leerzeile();
}

void Ausgabe::berichtsfuss()
{
    leerzeile();
    doppellinie();
    const QDateTime t = jetzt();
    p(0, Normal, 9,
      QStringLiteral("Statistik erstellt am : ") + kurzesDatum(t.date()) + QStringLiteral(" um ") + langeZeit(t.time()) +
          QStringLiteral("."));
    p(0, Normal, 9, QStringLiteral("Statistik erstellt mit: ") + kProgrammname + QLatin1Char(' ') + kVersion +
                        QLatin1Char(' ') + kHerstellerhinweis);
    p(0, Normal, 9, QString(24, QLatin1Char(' ')) + kWebadresse);
}

QString Ausgabe::text() const
{
    QStringList l;
    l.reserve(anzahl());
    for (const auto &z : m_zeilen)
        l << z.text;
    return l.join(QLatin1Char('\n'));
}

int altersgruppenBloecke(Ausgabe &aus, const Tabelle &ag, const QString &spaltenkopf,
                         const std::function<int(const QString &label)> &gruppe)
{
    int vorher = -1;
    int gesamt = 0;
    for (int i = 1; i < ag.rowCount(); ++i) {
        aus.leerzeile();
        aus.p(0, Unterstrichen, 9, spaltenkopf);
        const QString spanne = QStringLiteral(" (") + QString::number(vorher + 1) + QLatin1Char('-') +
                               ag.cell(Agspalte::Maximalalter, i) + QLatin1Char(')');
        int zeilen = 0;
        // Each label comes with the blank line in front of it, so taking it back removes both.
        for (const int geschlecht : {Agspalte::Weiblich, Agspalte::Maennlich}) {
            aus.leerzeile();
            aus.p(0, Normal, 9, QStringLiteral("Altergruppe ") + ag.cell(geschlecht, i) + spanne);
            const int n = gruppe(ag.cell(geschlecht, i));
            if (n == 0)
                aus.d(-2);
            zeilen += n;
        }
        if (zeilen == 0)
            aus.d(-2);
        gesamt += zeilen;
        vorher = maximalalter(ag, i);
    }
    return gesamt;
}

QString namensfeld(const Tabelle &teil, int r)
{
    return teil.cell(Teilspalte::Name, r) + QStringLiteral(", ") + teil.cell(Teilspalte::Vorname, r) +
           QStringLiteral(" ('") + teil.cell(Teilspalte::Geburtsdatum, r).mid(8, 2) + QLatin1Char(')');
}

QString rechtsbuendig(const QString &text, int w)
{
    QString s = text;
    if (s.size() < w)
        s.prepend(QString(w - s.size(), QLatin1Char(' ')));
    return s.left(w);
}

QString linksbuendig(const QString &text, int w)
{
    QString s = text;
    if (s.size() < w)
        s.append(QString(w - s.size(), QLatin1Char(' ')));
    return s.left(w);
}

} // namespace tlt
