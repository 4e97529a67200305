#include "core/laufbefehle.h"

#include "core/cup.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"

#include <algorithm>

namespace tlt {

namespace {
const QString kJa = QStringLiteral("ja");
}

bool hatCupVariationen(const Cup &cup)
{
    return cup.cv.rowCount() > 1;
}

Laufdaten laufdatenLesen(const Cup &cup, int c)
{
    Laufdaten d;
    for (int r = 1; r < Laufzeile::Anzahl; ++r)
        d[static_cast<size_t>(r)] = cup.laufe.cell(c, r);
    return d;
}

QString zeitdistanzPruefen(int lauftypIndex, const QString &text)
{
    switch (lauftypIndex) {
    case 0:
        return checktime(text);
    case 1:
        return checkdist(text);
    default:
        return QString();
    }
}

bool laufSpeicherbar(const Cup &cup, int lauftypIndex, const QString &datum, const QString &zeitdistanz)
{
    return laufFehlendeZeile(cup, lauftypIndex, datum, zeitdistanz) < 0;
}

int laufFehlendeZeile(const Cup &cup, int lauftypIndex, const QString &datum, const QString &zeitdistanz)
{
    if (lauftypIndex != 0 && lauftypIndex != 1)
        return Laufzeile::Lauftyp;
    if (datum == kKeinDatum || datum.isEmpty())
        return Laufzeile::Datum;
    const bool ok = hatCupVariationen(cup) ? zeitdistanz == kJa : !zeitdistanz.isEmpty();
    return ok ? -1 : Laufzeile::Zeitdistanz;
}

void minMaxBegrenzen(Cup &cup)
{
    const int grenze = std::max(1, cup.anzahlLaufe());
    cup.min = std::clamp(cup.min, 1, grenze);
    cup.max = std::clamp(cup.max, 1, grenze);
    if (cup.min > cup.max)
        cup.min = cup.max;
}

namespace {
void spalteSchreiben(Cup &cup, int c, const Laufdaten &d)
{
    for (int r = 1; r < Laufzeile::Anzahl; ++r)
        cup.laufe.setCell(c, r, d[static_cast<size_t>(r)]);
}

} // namespace

int laufHinzufuegen(Cup &cup, const Laufdaten &d)
{
    const int c = cup.laufe.colCount();
    cup.laufe.setColCount(c + 1);
    spalteSchreiben(cup, c, d);
    cup.edit(Cup::Stand::Geaendert);
    const int n = cup.anzahlLaufe();
    cup.teil.setColCount(Cup::ergebnisspalte(n) + 1);
    cup.teil.setCell(Cup::ergebnisspalte(n), kKopfzeile, d[Laufzeile::Datum]);
    minMaxBegrenzen(cup);
    const Kennung id = cup.laufe.colId(c);
    laufesort(cup);
    return cup.laufe.colOf(id);
}

int laufAendern(Cup &cup, int c, const Laufdaten &d)
{
    if (c < 1 || c > cup.anzahlLaufe())
        return -1;
    spalteSchreiben(cup, c, d);
    // The result column shows the race date; keep it in step with the race.
    cup.teil.setCell(Cup::ergebnisspalte(c), kKopfzeile, d[Laufzeile::Datum]);
    const Kennung id = cup.laufe.colId(c);
    laufesort(cup);
    cup.edit(Cup::Stand::Geaendert);
    return cup.laufe.colOf(id);
}

int ergebnisseImLauf(const Cup &cup, int c)
{
    int k = 0;
    const int spalte = Cup::ergebnisspalte(c);
    for (int s = 1; s < cup.teil.rowCount(); ++s)
        if (!cup.teil.cell(spalte, s).isEmpty())
            ++k;
    return k;
}

QString laufLoeschenFrage(const Cup &cup, int c)
{
    QString text;
    const int k = ergebnisseImLauf(cup, c);
    if (k > 0)
        text = QStringLiteral("Es sind bereits %1 Ergebnisse in diesem Lauf eingetragen.\n\r").arg(k);
    text += QStringLiteral("Sind Sie sicher, dass Sie Lauf") + cup.laufe.cell(c, Laufzeile::Nummer) +
            QStringLiteral(" (") + cup.laufe.cell(c, Laufzeile::Datum) + QStringLiteral(") löschen wollen?");
    return text;
}

void laufLoeschen(Cup &cup, int c)
{
    if (c < 1 || c > cup.anzahlLaufe())
        return;
    deletecol(cup.laufe, c);
    if (Cup::ergebnisspalte(c) < cup.teil.colCount())
        deletecol(cup.teil, Cup::ergebnisspalte(c));
    const int n = cup.anzahlLaufe();
    for (int k = 1; k <= n; ++k)
        cup.laufe.setCell(k, Laufzeile::Nummer, QString::number(k));
    minMaxBegrenzen(cup);
    cup.edit(Cup::Stand::Geaendert);
}

QStringList laufkennung(const Cup &cup, int c)
{
    QStringList k;
    if (c < 1 || c > cup.anzahlLaufe())
        return k;
    for (int r = 1; r < Laufzeile::Anzahl; ++r)
        if (r != Laufzeile::Zeitdistanz)
            k << cup.laufe.cell(c, r);
    return k;
}

int laufFinden(const Cup &cup, const QStringList &kennung, int bisherigeSpalte, int bisherigeAnzahl)
{
    if (kennung.isEmpty())
        return -1;
    if (laufkennung(cup, bisherigeSpalte) == kennung)
        return bisherigeSpalte;
    for (int c = 1; c <= cup.anzahlLaufe(); ++c)
        if (laufkennung(cup, c) == kennung)
            return c;
    if (bisherigeAnzahl >= 0 && bisherigeAnzahl == cup.anzahlLaufe() && bisherigeSpalte >= 1 &&
        bisherigeSpalte <= cup.anzahlLaufe())
        return bisherigeSpalte;
    return -1;
}

} // namespace tlt
