#include "reports/gesamt.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "scoring/gesamtwertung.h"

#include <QHash>
#include <vector>

namespace tlt {

namespace {

class Gesamtliste {
public:
    Gesamtliste(Cup &cup, Ausgabe &aus, bool mitMinimum)
        : m_cup(cup), m_aus(aus), m_mitMinimum(mitMinimum), m_platzSpalte(gesamtPlatzSpalte(cup)),
          m_teilnahmenSpalte(gesamtTeilnahmenSpalte(cup)), m_punkteSpalte(gesamtPunkteSpalte(cup))
    {
    }

    // The age-group blocks over the given rows (table order); returns the number of participant lines.
    int altersgruppen(const std::vector<int> &zeilen)
    {
        // Rows by age-group label, each list in table order, so that every label is walked once.
        QHash<QString, std::vector<int>> nachLabel;
        for (int r : zeilen)
            nachLabel[m_cup.teil.cell(Teilspalte::Altersgruppe, r)].push_back(r);

        const QString kopf = linksbuendig(QStringLiteral("Pos."), 5) +
                             linksbuendig(QStringLiteral("Name, Vorname"), 36) +
                             linksbuendig(QStringLiteral("Verein"), 28) + rechtsbuendig(QStringLiteral("Läufe"), 6) +
                             rechtsbuendig(QStringLiteral("Punkte"), 7);
        return altersgruppenBloecke(m_aus, m_cup.ag, kopf,
                                    [&](const QString &label) { return gruppe(nachLabel.value(label)); });
    }

private:
    // The lines of one label. Equal points share the placing of the first of them; the next
    // different points get the running number, which counts everyone listed before in the group.
    int gruppe(const std::vector<int> &zeilen)
    {
        Tabelle &teil = m_cup.teil;
        int laufnummer = 1;
        int letzterPlatz = 1;
        QString vorigePunkte;
        int geschrieben = 0;
        for (int r : zeilen) {
            const QString &teilnahmen = teil.cell(m_teilnahmenSpalte, r);
            const QString punkte = teil.cell(m_punkteSpalte, r);
            const QString anfang = linksbuendig(namensfeld(teil, r), 36) +
                                   linksbuendig(teil.cell(Teilspalte::Verein, r), 28) + rechtsbuendig(teilnahmen, 6);
            if (m_mitMinimum && toInt(teilnahmen) < m_cup.min) {
                m_aus.p(0, Normal, 9, rechtsbuendig(QString(), 5) + anfang + rechtsbuendig(QStringLiteral("---"), 7));
            } else if (punkte == vorigePunkte) {
                m_aus.p(0, Normal, 9, rechtsbuendig(QString(), 5) + anfang + rechtsbuendig(punkte, 7));
            } else {
                m_aus.p(0, Normal, 9,
                        rechtsbuendig(QString::number(laufnummer) + QStringLiteral(". "), 5) + anfang +
                            rechtsbuendig(punkte, 7));
                letzterPlatz = laufnummer;
            }
            ++laufnummer;
            teil.setCell(m_platzSpalte, r, QString::number(letzterPlatz));
            vorigePunkte = punkte;
            ++geschrieben;
        }
        return geschrieben;
    }

    Cup &m_cup;
    Ausgabe &m_aus;
    bool m_mitMinimum;
    int m_platzSpalte;
    int m_teilnahmenSpalte;
    int m_punkteSpalte;
};

} // namespace

void gesamt_vorschau(Cup &cup, Ausgabe &aus, int lauf)
{
    aus.berichtskopf(cup);
    // Without the scratch columns there is nothing to list, and the placing column would be a
    // race column: write nothing into the table.
    if (!gesamt_aktiv(cup))
        return;
    if (lauf == cup.anzahlLaufe())
        aus.p(0, Fett, 12, QStringLiteral("Gesamtergebnis"));
    else
        aus.p(0, Fett, 12, QStringLiteral("vorl. Gesamtergebnis nach Lauf ") + QString::number(lauf));

    const Tabelle &teil = cup.teil;
    if (cup.cv.rowCount() <= 1) {
        std::vector<int> zeilen;
        zeilen.reserve(static_cast<size_t>(teil.rowCount()));
        for (int r = 1; r < teil.rowCount(); ++r)
            zeilen.push_back(r);
        Gesamtliste(cup, aus, false).altersgruppen(zeilen);
    } else {
        QHash<QString, std::vector<int>> nachVariante;
        for (int r = 1; r < teil.rowCount(); ++r)
            nachVariante[teil.cell(Teilspalte::Cupvariation, r)].push_back(r);
        Gesamtliste liste(cup, aus, true);
        for (int v = 1; v < cup.cv.rowCount(); ++v) {
            const QString &name = cup.cv.cell(Cvspalte::Name, v);
            aus.leerzeile();
            aus.doppellinie();
            aus.leerzeile();
            aus.p(0, Fett, 10, QStringLiteral("Ergebnisse im ") + name);
            if (liste.altersgruppen(nachVariante.value(name)) == 0)
                aus.d(-4);
        }
    }
    aus.berichtsfuss();
}

void ausgabe_gesamt(Cup &cup, Ausgabe &aus, int lauf)
{
    GesamtScope scope(cup, lauf);
    gesamt_vorschau(cup, aus, lauf);
}

} // namespace tlt
