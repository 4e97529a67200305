#include "reports/gesamt.h"

#include "core/cup.h"
#include "reports/ausgabe.h"
#include "scoring/gesamtwertung.h"

namespace tlt {

namespace {

class Gesamtliste {
public:
    Gesamtliste(const Cup &cup, Ausgabe &aus, const Gesamtstand &stand) : m_cup(cup), m_aus(aus), m_stand(stand) {}

    // The age-group blocks of one cup variation (0: the cup has none); returns the number of
    // participant lines.
    int altersgruppen(int variante)
    {
        const QString kopf = linksbuendig(QStringLiteral("Pos."), 5) +
                             linksbuendig(QStringLiteral("Name, Vorname"), 36) +
                             linksbuendig(QStringLiteral("Verein"), 28) + rechtsbuendig(QStringLiteral("Läufe"), 6) +
                             rechtsbuendig(QStringLiteral("Punkte"), 7);
        return altersgruppenBloecke(m_aus, m_cup.ag, kopf, [&](const QString &label) {
            const Standgruppe *g = m_stand.gruppe(variante, label);
            return g ? gruppe(*g) : 0;
        });
    }

private:
    // The lines of one label: its number on a placed line, none on a tied line, "---" in place of
    // the points below the minimum.
    int gruppe(const Standgruppe &g)
    {
        const Tabelle &teil = m_cup.teil;
        for (int r : g.zeilen) {
            const Standzeile &z = m_stand.zeile(r);
            const QString anfang = linksbuendig(namensfeld(teil, r), 36) +
                                   linksbuendig(teil.cell(Teilspalte::Verein, r), 28) +
                                   rechtsbuendig(QString::number(z.teilnahmen), 6);
            const QString platz = z.platzGezeigt ? QString::number(z.platz) + QStringLiteral(". ") : QString();
            const QString punkte = z.unterMinimum ? QStringLiteral("---") : QString::number(z.punkte);
            m_aus.p(0, Normal, 9, rechtsbuendig(platz, 5) + anfang + rechtsbuendig(punkte, 7));
        }
        return static_cast<int>(g.zeilen.size());
    }

    const Cup &m_cup;
    Ausgabe &m_aus;
    const Gesamtstand &m_stand;
};

} // namespace

void gesamt_vorschau(const Cup &cup, Ausgabe &aus, const Gesamtstand &stand)
{
    aus.berichtskopf(cup);
    const int lauf = stand.lauf;
    if (lauf == cup.anzahlLaufe())
        aus.p(0, Fett, 12, QStringLiteral("Gesamtergebnis"));
    else
        aus.p(0, Fett, 12, QStringLiteral("vorl. Gesamtergebnis nach Lauf ") + QString::number(lauf));

    Gesamtliste liste(cup, aus, stand);
    if (cup.cv.rowCount() <= 1) {
        liste.altersgruppen(0);
    } else {
        for (int v = 1; v < cup.cv.rowCount(); ++v) {
            aus.leerzeile();
            aus.doppellinie();
            aus.leerzeile();
            aus.p(0, Fett, 10, QStringLiteral("Ergebnisse im ") + cup.cv.cell(Cvspalte::Name, v));
            if (liste.altersgruppen(v) == 0)
                aus.d(-4);
        }
    }
    aus.berichtsfuss();
}

void ausgabe_gesamt(const Cup &cup, Ausgabe &aus, int lauf)
{
    const Gesamtstand stand = gesamtstand(cup, lauf);
    gesamt_vorschau(cup, aus, stand);
}

} // namespace tlt
