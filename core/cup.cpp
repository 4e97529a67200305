#include "core/cup.h"

#include "core/konvertierung.h"
#include "core/sortierung.h"

namespace tlt {

const QStringList &kategorien()
{
    static const QStringList liste{
        QStringLiteral("1 - vereinsoffene Veranstaltung"), QStringLiteral("2 - kreisoffene Veranstaltung"),
        QStringLiteral("3 - bezirksoffene Veranstaltung"), QStringLiteral("4 - landessoffene Veranstaltung"),
        QStringLiteral("5 - regionale Veranstaltung"),     QStringLiteral("6 - nationale Veranstaltung"),
        QStringLiteral("7 - internationale Veranstaltung"),
    };
    return liste;
}

Cup::Cup()
{
    cv.setColCount(Cvspalte::Anzahl);
    ag.setColCount(Agspalte::Anzahl);
    pv.setColCount(Pvspalte::Anzahl);
    neu();
}

void Cup::neu()
{
    dateiname.clear();
    htmlstil = 0;
    urkundenstil = 0;
    name.clear();
    veranstalter.clear();
    kategorie = 0;
    min = 1;
    max = 1;

    static const char *const agDaten[14][3] = {
        {"WK U8", "MK U8", "7"},    {"WK U10", "MK U10", "9"}, {"WK U12", "MK U12", "11"}, {"WJ U14", "MJ U14", "13"},
        {"WJ U16", "MJ U16", "15"}, {"WJ U18", "MJ U18", "17"}, {"WJ U20", "MJ U20", "19"}, {"F U23", "M U23", "22"},
        {"F", "M", "29"},           {"F30", "M30", "39"},       {"F40", "M40", "49"},       {"F50", "M50", "59"},
        {"F60", "M60", "69"},       {"F70 u.ä.", "M70 u.ä.", "150"},
    };
    ag.setColCount(Agspalte::Anzahl);
    ag.setRowCount(15);
    ag.setCell(Agspalte::Weiblich, kKopfzeile, QStringLiteral("weibl. Bezeichnung"));
    ag.setCell(Agspalte::Maennlich, kKopfzeile, QStringLiteral("männl. Bezeichnung"));
    ag.setCell(Agspalte::Maximalalter, kKopfzeile, QStringLiteral("Maximalalter"));
    for (int r = 0; r < 14; ++r)
        for (int c = 0; c < Agspalte::Anzahl; ++c)
            ag.setCell(c, r + 1, QString::fromUtf8(agDaten[r][c]));
    agsort(ag);

    cv.setColCount(Cvspalte::Anzahl);
    cv.setRowCount(4);
    cv.setCell(Cvspalte::Name, kKopfzeile, QStringLiteral("Name"));
    cv.setCell(Cvspalte::Strecke, kKopfzeile, QStringLiteral("Strecke"));
    cv.setCell(Cvspalte::Zeit, kKopfzeile, QStringLiteral("Zeit"));
    static const char *const cvDaten[3][3] = {
        {"A-Cup", "10000m", "1:00'00,0\""}, {"B-Cup", "5000m", "0:30'00,0\""}, {"C-Cup", "3000m", "0:15'00,0\""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < Cvspalte::Anzahl; ++c)
            cv.setCell(c, r + 1, QString::fromUtf8(cvDaten[r][c]));
    cvsort(cv);

    pv.setColCount(Pvspalte::Anzahl);
    pv.setRowCount(21);
    pv.setCell(Pvspalte::Platz, kKopfzeile, QStringLiteral("Platz"));
    pv.setCell(Pvspalte::Punkte, kKopfzeile, QStringLiteral("Punkte"));
    for (int n = 1; n <= 20; ++n) {
        pv.setCell(Pvspalte::Platz, n, QString::number(n));
        pv.setCell(Pvspalte::Punkte, n, QString::number(21 - n));
    }
    pvsort(pv);

    static const char *const laufLabels[Laufzeile::Anzahl] = {
        "Laufnummer:", "Lauftyp:", "Datum:", "Cuplauf bzw. Zeit/Distanz:", "Veranstalter:", "Anschrift:", "", "",
        "Telefon:", "Fax:", "Ort:", "Kreis:", "Bezirk:", "Land:", "Wettkampfstätte:", "", "Zeitmessung:",
        "Windmessung:", "Gerätekontrolle:", "Anzahl der Kampfrichter:", "Anzahl der Helfer:",
        "Anzahl der Mitarbeiter:", "Wettkampfrichter:", "Telefon:", "Fax:", "Verbandsaufsicht:", "Telefon:", "Fax:",
        "Bemerkungen:", "", "", "DLV-Veranstaltungsnr.:", "Bonusfaktor:", "Bonussummand:"};
    laufe.setRowCount(Laufzeile::Anzahl);
    laufe.setColCount(1);
    for (int r = 0; r < Laufzeile::Anzahl; ++r)
        laufe.setCell(kBeschriftungsspalte, r, QString::fromUtf8(laufLabels[r]));

    static const char *const teilKopf[Teilspalte::Anzahl] = {"Name",   "Vorname",      "Geburtsdatum", "Geschlecht",
                                                             "Verein", "Altersgruppe", "Startnummer",  "ggf. Cup"};
    teil.setColCount(Teilspalte::Anzahl);
    teil.setRowCount(1);
    for (int c = 0; c < Teilspalte::Anzahl; ++c)
        teil.setCell(c, kKopfzeile, QString::fromUtf8(teilKopf[c]));

    edit(Cup::Stand::Gesichert);
}

void Cup::edit(Stand stand)
{
    geaendert = stand == Stand::Geaendert;
    if (beiAenderung)
        beiAenderung();
}

QString Cup::statusDatei() const
{
    return dateiname.isEmpty() ? QStringLiteral("unbekannt") : dateiname;
}

QString Cup::statusAenderung() const
{
    return geaendert ? QStringLiteral("geändert") : QString();
}

void Cup::uebernehmen(Cup &&anderer)
{
    auto hook = std::move(beiAenderung);
    *this = std::move(anderer);
    beiAenderung = std::move(hook);
}

QString Cup::ortLauf(int c) const
{
    return QStringLiteral("Lauf %1").arg(c);
}

QString Cup::ortTeilnehmer(int r) const
{
    return QStringLiteral("Startnummer %1 (%2, %3)")
        .arg(teil.cell(Teilspalte::Startnummer, r), teil.cell(Teilspalte::Name, r), teil.cell(Teilspalte::Vorname, r));
}

QString Cup::ortErgebnis(int c, int r) const
{
    return ortLauf(c) + QStringLiteral(", ") + ortTeilnehmer(r);
}

namespace {
QString altersgruppe(const Tabelle &ag, int r)
{
    return QStringLiteral("Altersgruppe %1/%2").arg(ag.cell(Agspalte::Weiblich, r), ag.cell(Agspalte::Maennlich, r));
}
} // namespace

int maximalalter(const Tabelle &ag, int r)
{
    return amOrt([&] { return toInt(ag.cell(Agspalte::Maximalalter, r)); },
                 [&] { return altersgruppe(ag, r) + QStringLiteral(", Maximalalter"); });
}

QString Cup::ortPunkte(int platz) const
{
    return QStringLiteral("Punktevergabe, Platz %1").arg(platz);
}

} // namespace tlt
