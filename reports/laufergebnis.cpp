#include "reports/laufergebnis.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"

#include <QHash>
#include <vector>

namespace tlt {

namespace {

class Laufliste {
public:
    Laufliste(const Cup &cup, Ausgabe &aus, int k) : m_cup(cup), m_aus(aus), m_spalte(Cup::ergebnisspalte(k)) {}

    // The age-group blocks over the given participant rows; returns the number of participant lines.
    int altersgruppen(const std::vector<int> &zeilen)
    {
        const QString kopf = linksbuendig(QStringLiteral("Pos."), 5) +
                             linksbuendig(QStringLiteral("Name, Vorname"), 36) +
                             linksbuendig(QStringLiteral("Verein"), 30) + rechtsbuendig(QStringLiteral("Ergebnis"), 11);
        // Each participant's group is looked up once, not once per age group: the rows of each
        // label, in table order.
        QHash<QString, std::vector<int>> nachLabel;
        for (int r : zeilen)
            nachLabel[m_cup.teil.cell(Teilspalte::Altersgruppe, r)].push_back(r);
        static const std::vector<int> keine;
        return altersgruppenBloecke(m_aus, m_cup.ag, kopf, [&](const QString &label) {
            const auto it = nachLabel.constFind(label);
            return gruppe(it == nachLabel.cend() ? keine : it.value());
        });
    }

private:
    // The lines of one label in table order. Equal entries share the placing of the first of them;
    // the next different result gets the number of runners listed before it plus one.
    int gruppe(const std::vector<int> &zeilen)
    {
        const Tabelle &teil = m_cup.teil;
        int platz = 1;
        QString vorige;
        int geschrieben = 0;
        for (int r : zeilen) {
            const QString &eintrag = teil.cell(m_spalte, r);
            if (eintrag.isEmpty())
                continue;
            if (eintrag != vorige && !istCode(eintrag)) {
                m_aus.p(0, Normal, 9,
                        rechtsbuendig(QString::number(platz) + QStringLiteral(". "), 5) +
                            linksbuendig(namensfeld(teil, r), 36) + linksbuendig(teil.cell(Teilspalte::Verein, r), 30) +
                            rechtsbuendig(eintrag, 11));
                ++platz;
            } else {
                m_aus.p(0, Normal, 9,
                        rechtsbuendig(QString(), 5) + linksbuendig(namensfeld(teil, r), 36) +
                            linksbuendig(teil.cell(Teilspalte::Verein, r), 30) + rechtsbuendig(abk2text(eintrag), 11));
                if (eintrag == vorige)
                    ++platz;
            }
            vorige = eintrag;
            ++geschrieben;
        }
        return geschrieben;
    }

    const Cup &m_cup;
    Ausgabe &m_aus;
    int m_spalte;
};

} // namespace

void ausgabe_laufergebnis(const Cup &cup, Ausgabe &aus, int k)
{
    const int spalte = Cup::ergebnisspalte(k);
    const std::vector<int> folge = ergebnisfolge(cup, k);

    aus.berichtskopf(cup);
    aus.p(0, Fett, 12, QStringLiteral("Ergebnisse vom ") + cup.laufe.cell(k, Laufzeile::Datum));
    aus.p(0, Fett, 12,
          QStringLiteral("Lauf ") + cup.laufe.cell(k, Laufzeile::Nummer) + QStringLiteral(" - ") + cup.lauftyp(k));

    // Only the rows that took part in the race matter; the walk keeps the list's order.
    const Tabelle &teil = cup.teil;
    Laufliste liste(cup, aus, k);
    if (cup.cv.rowCount() <= 1) {
        std::vector<int> zeilen;
        for (int r : folge)
            if (!teil.cell(spalte, r).isEmpty())
                zeilen.push_back(r);
        liste.altersgruppen(zeilen);
    } else {
        const bool zeitlauf = cup.lauftyp(k) == kZeitlauf;
        for (int v = 1; v < cup.cv.rowCount(); ++v) {
            const QString &name = cup.cv.cell(Cvspalte::Name, v);
            aus.leerzeile();
            aus.doppellinie();
            aus.leerzeile();
            aus.p(0, Fett, 10,
                  QStringLiteral("Ergebnisse im ") + name + QStringLiteral(" (") +
                      (zeitlauf ? cup.cv.cell(Cvspalte::Strecke, v) : cup.cv.cell(Cvspalte::Zeit, v)) +
                      QLatin1Char(')'));
            std::vector<int> zeilen;
            for (int r : folge)
                if (teil.cell(Teilspalte::Cupvariation, r) == name && !teil.cell(spalte, r).isEmpty())
                    zeilen.push_back(r);
            if (liste.altersgruppen(zeilen) == 0)
                aus.d(-4);
        }
    }
    aus.berichtsfuss();
}

} // namespace tlt
