#include "reports/teilnehmer.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "reports/ausgabe.h"
#include "scoring/tempo.h"
#include "scoring/wertung.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace tlt {

namespace {

// Placings of one race, either scanned per call (one participant) or computed once per race
// (all participants).
class Platzierungen {
public:
    Platzierungen(const Cup &cup, bool vorausberechnen) : m_cup(cup)
    {
        if (vorausberechnen)
            m_alle = std::make_unique<Laufwertungen>(cup, 1, cup.anzahlLaufe());
    }

    int platz(int k, int r) const { return m_alle ? m_alle->platz(k, r) : platzierung(m_cup, k, r); }

private:
    const Cup &m_cup;
    std::unique_ptr<Laufwertungen> m_alle;
};

// The race's distance or time: its own label without cup variations, otherwise the one of the
// participant's variation; empty when the variation is unknown.
QString laufLabel(const Cup &cup, int k, const QString &variante)
{
    if (cup.cv.rowCount() <= 1)
        return cup.laufe.cell(k, Laufzeile::Zeitdistanz);
    const int spalte = cup.lauftyp(k) == kZeitlauf ? 1 : 2;
    for (int v = 1; v < cup.cv.rowCount(); ++v)
        if (cup.cv.cell(Cvspalte::Name, v) == variante)
            return cup.cv.cell(spalte, v);
    return QString();
}

void teilnehmerblock(const Cup &cup, Ausgabe &aus, int r, bool kurz, Platzierungen &plaetze)
{
    const Tabelle &teil = cup.teil;
    aus.leerzeile();
    aus.p(0, Fett, 12, QStringLiteral("Teilnehmerstatistik für"));
    aus.p(0, Fett, 12, teil.cell(Teilspalte::Vorname, r) + QLatin1Char(' ') + teil.cell(Teilspalte::Name, r));
    aus.leerzeile();

    aus.p(0, Normal, 10, QStringLiteral("Teilnehmerdaten:"));
    if (!kurz) {
        aus.p(0, Normal, 9, QStringLiteral("Geburtsdatum : ") + teil.cell(Teilspalte::Geburtsdatum, r));
        aus.p(0, Normal, 9, QStringLiteral("Geschlecht   : ") + teil.cell(Teilspalte::Geschlecht, r));
        aus.p(0, Normal, 9, QStringLiteral("Verein       : ") + teil.cell(Teilspalte::Verein, r));
        aus.p(0, Normal, 9, QStringLiteral("Altersgruppe : ") + teil.cell(Teilspalte::Altersgruppe, r));
    }
    aus.p(0, Normal, 9, QStringLiteral("Startnummer  : ") + teil.cell(Teilspalte::Startnummer, r));
    aus.p(0, Normal, 9, QStringLiteral("ggf. Cup     : ") + teil.cell(Teilspalte::Cupvariation, r));

    aus.leerzeile();
    aus.p(0, Normal, 10, QStringLiteral("Ergebnisse:"));

    int anzahl = 0;
    int beste = 32767;
    int schlechteste = 0;
    qint64 platzsumme = 0;
    qint64 punktesumme = 0;
    for (int k = 1; k <= cup.anzahlLaufe(); ++k) {
        const QString label = laufLabel(cup, k, teil.cell(Teilspalte::Cupvariation, r));
        const QString anfang = rechtsbuendig(QString::number(k), 3) + QStringLiteral(". Lauf (") +
                               cup.laufe.cell(k, Laufzeile::Datum) + QStringLiteral(") über ") +
                               rechtsbuendig(label, 11);
        const QString &eintrag = teil.cell(Cup::ergebnisspalte(k), r);
        if (eintrag.isEmpty()) {
            aus.p(0, Normal, 9, anfang + QStringLiteral(": nicht gemeldet"));
        } else if (istCode(eintrag)) {
            aus.p(0, Normal, 9, anfang + QStringLiteral(": ") + rechtsbuendig(abk2text(eintrag), 11));
        } else {
            // Plain table points of the placing: the race bonus is not part of this statistic.
            const int n = plaetze.platz(k, r);
            const int punkte = n < cup.pv.rowCount() ? amOrt([&] { return toInt(cup.pv.cell(Pvspalte::Punkte, n)); },
                                                             [&] { return cup.ortPunkte(n); })
                                                     : 0;
            const QString tempo =
                amOrt([&] { return BerechneMps(label, eintrag); }, [&] { return cup.ortErgebnis(k, r); });
            aus.p(0, Normal, 9,
                  anfang + QStringLiteral(": ") + rechtsbuendig(eintrag, 11) + QStringLiteral(" (") +
                      rechtsbuendig(tempo, 8) + QStringLiteral(") = ") + rechtsbuendig(QString::number(n), 3) +
                      QStringLiteral(" .Platz = ") + rechtsbuendig(QString::number(punkte), 3) +
                      QStringLiteral(" Punkte"));
            ++anzahl;
            platzsumme += n;
            punktesumme += punkte;
            beste = std::min(beste, n);
            schlechteste = std::max(schlechteste, n);
        }
    }
    aus.leerzeile();

    if (anzahl > 0) {
        aus.p(0, Normal, 10, QStringLiteral("Statistik:"));
        aus.p(0, Normal, 9, QStringLiteral("beste Platzierung        : ") + QString::number(beste));
        aus.p(0, Normal, 9, QStringLiteral("schlechteste Platzierung : ") + QString::number(schlechteste));
        aus.p(0, Normal, 9, QStringLiteral("Durchschnittsplatzierung : ") + QString::number(platzsumme / anzahl));
        aus.p(0, Normal, 9, QStringLiteral("Punktesumme              : ") + QString::number(punktesumme));
        aus.p(0, Normal, 9, QStringLiteral("Punktedurchschnitt       : ") + QString::number(punktesumme / anzahl));
    }
}

} // namespace

void ausgabe_teilnehmer(const Cup &cup, Ausgabe &aus, int zeile)
{
    aus.berichtskopf(cup);
    if (zeile < 1 || zeile >= cup.teil.rowCount())
        return; // no participant row: nothing but the head
    Platzierungen plaetze(cup, false);
    teilnehmerblock(cup, aus, zeile, false, plaetze);
    aus.berichtsfuss();
}

void ausgabe_teilnehmeralle(const Cup &cup, Ausgabe &aus)
{
    aus.clear();
    aus.p(0, Fett, 14, cup.veranstalter);
    aus.p(0, Normal, 14, cup.name);
    Platzierungen plaetze(cup, true);
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        teilnehmerblock(cup, aus, r, true, plaetze);
    aus.berichtsfuss();
}

} // namespace tlt
