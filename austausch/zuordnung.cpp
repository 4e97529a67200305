#include "austausch/zuordnung.h"

#include "austausch/tabellendatei.h"

#include <QHash>

#include <algorithm>

namespace tlt {

QString feldname(Feld f)
{
    switch (f) {
    case Feld::Keins:
        return QStringLiteral("(nicht übernehmen)");
    case Feld::Name:
        return QStringLiteral("Name");
    case Feld::Vorname:
        return QStringLiteral("Vorname");
    case Feld::Geburtsdatum:
        return QStringLiteral("Geburtsdatum");
    case Feld::Jahrgang:
        return QStringLiteral("Jahrgang");
    case Feld::Geschlecht:
        return QStringLiteral("Geschlecht");
    case Feld::Verein:
        return QStringLiteral("Verein");
    case Feld::Startnummer:
        return QStringLiteral("Startnummer");
    case Feld::Cup:
        return QStringLiteral("Cupvariante");
    case Feld::Altersgruppe:
        return QStringLiteral("Altersgruppe");
    case Feld::Ergebnis:
        return QStringLiteral("Ergebnis");
    }
    return {};
}

QList<Feld> alleFelder()
{
    return {Feld::Keins,  Feld::Name,        Feld::Vorname, Feld::Geburtsdatum, Feld::Jahrgang, Feld::Geschlecht,
            Feld::Verein, Feld::Startnummer, Feld::Cup,     Feld::Altersgruppe, Feld::Ergebnis};
}

namespace {
QString schluessel(const QString &kopf)
{
    QString s;
    for (QChar c : kopf.toLower())
        if (!c.isSpace() && c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('_') &&
            c != QLatin1Char('(') && c != QLatin1Char(')') && c != QLatin1Char('/') && c != QLatin1Char(':'))
            s += c;
    return s;
}

const QHash<QString, Feld> &namen()
{
    static const QHash<QString, Feld> n = [] {
        QHash<QString, Feld> h;
        auto setze = [&h](Feld f, std::initializer_list<const char *> l) {
            for (const char *s : l)
                h.insert(schluessel(QString::fromUtf8(s)), f);
        };
        setze(Feld::Name, {"Name", "Nachname", "Familienname", "Surname", "Last name", "Lastname", "Family name"});
        setze(Feld::Vorname, {"Vorname", "First name", "Firstname", "Given name"});
        setze(Feld::Geburtsdatum, {"Geburtsdatum", "Geb.-Datum", "Geb.", "Geboren", "Date of birth", "Birth date",
                                   "Birthdate", "DOB"});
        setze(Feld::Jahrgang, {"Jahrgang", "Jg.", "JG", "Year of birth", "Birth year", "YOB"});
        setze(Feld::Geschlecht, {"Geschlecht", "Sex", "Gender", "m/w", "w/m"});
        setze(Feld::Verein, {"Verein", "Club", "Team", "Verein/Team", "Mannschaft"});
        setze(Feld::Startnummer,
              {"Startnummer", "Startnr.", "St.-Nr.", "StNr", "Bib", "Bib number", "Bib no", "Nr.", "Start number"});
        setze(Feld::Cup, {"Cup", "Wettbewerb", "Variation", "Cupvariante", "ggf. Cup", "Competition", "Cup variation"});
        setze(Feld::Altersgruppe, {"Altersgruppe", "AK", "Altersklasse", "Klasse", "Age group", "Category", "Class"});
        setze(Feld::Ergebnis, {"Zeit", "Ergebnis", "Nettozeit", "Bruttozeit", "Endzeit", "Laufzeit", "Time",
                               "Result", "Net time", "Gun time", "Chip time", "Finish time", "Distanz", "Strecke",
                               "Strecke (m)", "Distanz (m)", "Distance"});
        return h;
    }();
    return n;
}
} // namespace

Feld feldErkennen(const QString &kopf)
{
    return namen().value(schluessel(kopf), Feld::Keins);
}

Zuordnung zuordnungErkennen(const Rohtabelle &t)
{
    Zuordnung z;
    int breite = 0;
    for (const Rohzeile &r : t.zeilen)
        breite = std::max(breite, int(r.zellen.size()));
    const int bis = std::min<int>(10, int(t.zeilen.size()));
    for (int i = 0; i < bis; ++i) {
        const Rohzeile &r = t.zeilen.at(i);
        QList<Feld> felder(breite, Feld::Keins);
        int erkannt = 0;
        for (int s = 0; s < r.zellen.size(); ++s) {
            const Zelle &zelle = r.zellen.at(s);
            if (zelle.art != Zelle::Art::Text)
                continue;
            const Feld f = feldErkennen(zelle.text);
            if (f != Feld::Keins && !felder.contains(f)) {
                felder[s] = f;
                ++erkannt;
            }
        }
        if (erkannt >= 2 || (erkannt == 1 && breite == 1)) {
            z.kopfzeile = i;
            z.spalten = felder;
            for (int s = 0; s < breite; ++s)
                z.koepfe << r.zelle(s).text;
            return z;
        }
    }
    z.spalten = QList<Feld>(breite, Feld::Keins);
    for (int s = 0; s < breite; ++s)
        z.koepfe << QStringLiteral("Spalte %1").arg(s + 1);
    return z;
}

void feldSetzen(Zuordnung &z, int spalte, Feld f)
{
    if (spalte < 0 || spalte >= z.spalten.size())
        return;
    if (f != Feld::Keins)
        for (Feld &g : z.spalten)
            if (g == f)
                g = Feld::Keins;
    z.spalten[spalte] = f;
}

} // namespace tlt
