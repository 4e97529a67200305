#include "certificates/urkundenbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "scoring/gesamtwertung.h"

namespace tlt {

namespace {

bool hatVariationen(const Cup &cup)
{
    return cup.cv.rowCount() > 1;
}

Laufurkundendaten laufdaten(const Cup &cup, int k, int r, int platz, const QString &gruppe, const QString &variation,
                            const QString &strecke)
{
    const Tabelle &t = cup.teil;
    Laufurkundendaten d;
    d.platz = QString::number(platz);
    d.lauf = QString::number(k);
    d.altersgruppe = gruppe;
    d.variation = variation;
    d.strecke = strecke;
    d.person = t.cell(Teilspalte::Vorname, r) + QLatin1Char(' ') + t.cell(Teilspalte::Name, r);
    d.verein = t.cell(Teilspalte::Verein, r);
    d.ergebnis = t.cell(Cup::ergebnisspalte(k), r);
    return d;
}

// One age-group label (within one variation when the cup has variations): the running place counts
// every valid result in the order of the race result list; `startnummer` null prints places 1-3,
// otherwise only that holder.
void gruppendurchgang(const Cup &cup, int k, const std::vector<int> &folge, const QString &gruppe, int cvZeile,
                      const QString *startnummer, Urkundendruck &druck)
{
    const Tabelle &t = cup.teil;
    const QString variation = cvZeile > 0 ? cup.cv.cell(Cvspalte::Name, cvZeile) : QString();
    const QString strecke = cvZeile > 0 ? cup.cv.cell(Cvspalte::Strecke, cvZeile) : QString();
    int platz = 1;
    for (int r : folge) {
        if (t.cell(Teilspalte::Altersgruppe, r) != gruppe)
            continue;
        if (cvZeile > 0 && t.cell(Teilspalte::Cupvariation, r) != variation)
            continue;
        if (!istLeistung(t.cell(Cup::ergebnisspalte(k), r)))
            continue;
        const bool drucken = startnummer ? t.cell(Teilspalte::Startnummer, r) == *startnummer : platz <= 3;
        if (drucken)
            druck.laufurkunde(laufdaten(cup, k, r, platz, gruppe, variation, strecke));
        ++platz;
    }
}

void altersgruppen(const Cup &cup, int k, const std::vector<int> &folge, int cvZeile, const QString *startnummer,
                   Urkundendruck &druck)
{
    for (int a = 1; a < cup.ag.rowCount(); ++a) {
        gruppendurchgang(cup, k, folge, cup.ag.cell(Agspalte::Weiblich, a), cvZeile, startnummer, druck);
        gruppendurchgang(cup, k, folge, cup.ag.cell(Agspalte::Maennlich, a), cvZeile, startnummer, druck);
    }
}

int laufurkunden(const Cup &cup, int k, const QString *startnummer, Leinwand &l, const Unterschriften &u,
                 const Variationsfrage &frage)
{
    const bool gueltig = k >= 1 && k <= cup.anzahlLaufe();
    const std::vector<int> folge = gueltig ? ergebnisfolge(cup, k) : std::vector<int>{};
    Urkundendruck druck(l, cup, u);
    druck.beginne();
    if (gueltig) {
        if (hatVariationen(cup)) {
            for (int v = 1; v < cup.cv.rowCount(); ++v) {
                if (!startnummer && frage && !frage(cup.cv.cell(Cvspalte::Name, v) + QStringLiteral(" drucken?")))
                    continue;
                altersgruppen(cup, k, folge, v, startnummer, druck);
            }
        } else {
            altersgruppen(cup, k, folge, 0, startnummer, druck);
        }
    }
    druck.beende();
    return druck.fehlgeschlagen() ? -1 : druck.anzahl();
}

Gesamturkundendaten gesamtdaten(const Cup &cup, const Gesamtstand &stand, int r)
{
    const Tabelle &t = cup.teil;
    const Standzeile &z = stand.zeile(r);
    Gesamturkundendaten d;
    // A participant the list does not rank gets no place on the certificate.
    d.platz = z.platz > 0 ? QString::number(z.platz) : QString();
    d.altersgruppe = t.cell(Teilspalte::Altersgruppe, r);
    d.variation = t.cell(Teilspalte::Cupvariation, r);
    d.person = t.cell(Teilspalte::Vorname, r) + QLatin1Char(' ') + t.cell(Teilspalte::Name, r);
    d.verein = t.cell(Teilspalte::Verein, r);
    d.punkte = QString::number(z.punkte);
    return d;
}

// The order of the winners' certificates (every row, listed or not).
std::vector<int> gesamturkundenfolge(const Cup &cup, const Gesamtstand &stand)
{
    // Stable sorts from the least to the most significant key, starting from the standings' order:
    // surname, placing (the smallest number first), age group, variation.
    std::vector<QString> plaetze(stand.teilnehmer.size());
    for (size_t r = 1; r < plaetze.size(); ++r)
        plaetze[r] = QString::number(stand.teilnehmer[r].platz);
    const int platzspalte = Cup::ergebnisspalte(cup.anzahlLaufe()) + 1;
    std::vector<int> folge = teilfolge(cup, Richtung::Aufsteigend, Teilspalte::Name, stand.reihenfolge);
    folge = teilfolge(cup, Richtung::Absteigend, platzspalte, folge, &plaetze);
    folge = teilfolge(cup, Richtung::Aufsteigend, Teilspalte::Altersgruppe, folge);
    return teilfolge(cup, Richtung::Aufsteigend, Teilspalte::Cupvariation, folge);
}

} // namespace

int siegerurkunde(const Cup &cup, int k, Leinwand &l, const Unterschriften &u, const Variationsfrage &frage)
{
    return laufurkunden(cup, k, nullptr, l, u, frage);
}

int teilnehmerurkunde(const Cup &cup, int k, const QString &s, Leinwand &l, const Unterschriften &u)
{
    return laufurkunden(cup, k, &s, l, u, {});
}

int gesamtsiegerurkunde(const Cup &cup, int n, Leinwand &l, const Unterschriften &u)
{
    if (n < 1 || n > cup.anzahlLaufe())
        return 0; // no race to count up to (the choice dialog may outlive the selection)
    const Gesamtstand stand = gesamtstand(cup, n);
    const std::vector<int> folge = gesamturkundenfolge(cup, stand);

    Urkundendruck druck(l, cup, u);
    druck.beginne();
    for (int r : folge) {
        const Standzeile &z = stand.zeile(r);
        if (z.platz >= 1 && z.platz <= 3 && z.punkte > 0)
            druck.gesamturkunde(gesamtdaten(cup, stand, r));
    }
    druck.beende();
    return druck.fehlgeschlagen() ? -1 : druck.anzahl();
}

int gesamtteilnehmerurkunde(const Cup &cup, int n, const QString &s, Leinwand &l, const Unterschriften &u)
{
    if (n < 1 || n > cup.anzahlLaufe())
        return 0; // no race to count up to (the choice dialog may outlive the selection)
    const Gesamtstand stand = gesamtstand(cup, n);

    Urkundendruck druck(l, cup, u);
    druck.beginne();
    for (int r : stand.reihenfolge)
        if (cup.teil.cell(Teilspalte::Startnummer, r) == s)
            druck.gesamturkunde(gesamtdaten(cup, stand, r));
    druck.beende();
    return druck.fehlgeschlagen() ? -1 : druck.anzahl();
}

} // namespace tlt
