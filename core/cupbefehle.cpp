#include "core/cupbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "core/spalten.h"

#include <algorithm>

namespace tlt {

namespace {
const QString kAgDopplung = QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!");
const QString kCvDopplung = QStringLiteral("Es besteht eine Dopplung mit einer anderen Cup-Variation!");

bool gueltig(const Tabelle &t, int r)
{
    return r >= 1 && r < t.rowCount();
}

// Writes the cells of row r, column by column (r == row count appends a row), re-sorts the table,
// renames the labels in the participants' column as umbenennen says (the first matching old label
// of a cell wins, so two labels may swap) and returns where the row stands after the sort.
int zeileSchreiben(Cup &cup, Tabelle &t, int r, std::initializer_list<QString> zellen, void (*sortieren)(Tabelle &),
                   int teilspalte, std::initializer_list<std::pair<QString, QString>> umbenennen)
{
    if (r == t.rowCount())
        t.setRowCount(r + 1);
    int c = 0;
    for (const QString &z : zellen)
        t.setCell(c++, r, z);
    const Kennung id = t.rowId(r);
    sortieren(t);
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        const QString &g = cup.teil.cell(teilspalte, i);
        for (const auto &[alt, neu] : umbenennen)
            if (g == alt) {
                cup.teil.setCell(teilspalte, i, neu);
                break;
            }
    }
    cup.edit(Cup::Stand::Geaendert);
    return t.rowOf(id);
}
} // namespace

bool cvErsteMitLaeufen(const Cup &cup)
{
    return cup.cv.rowCount() <= 1 && cup.anzahlLaufe() >= 1;
}

QString cvZeitDistanzFrage()
{
    return QStringLiteral("Es sind bereits Läufe eingetragen!\n\rSollen die Zeit/Distanz-Eintragungen gelöscht werden!");
}

int cvHinzufuegen(Cup &cup, const QString &name, const QString &strecke, const QString &zeit, bool leeren)
{
    if (leeren)
        for (int c = 1; c <= cup.anzahlLaufe(); ++c)
            cup.laufe.setCell(c, Laufzeile::Zeitdistanz, QString());
    return zeileSchreiben(cup, cup.cv, cup.cv.rowCount(), {name, strecke, zeit}, cvsort, Teilspalte::Cupvariation, {});
}

QString cvAendernVerweigert(const Cup &cup, int r, const QString &name)
{
    if (name == cup.cv.cell(Cvspalte::Name, r))
        return QString();
    for (int i = 1; i < cup.cv.rowCount(); ++i)
        if (i != r && cup.cv.cell(Cvspalte::Name, i) == name)
            return kCvDopplung;
    return QString();
}

int cvAendern(Cup &cup, int r, const QString &name, const QString &strecke, const QString &zeit)
{
    if (!gueltig(cup.cv, r))
        return -1;
    const QString alt = cup.cv.cell(Cvspalte::Name, r);
    return zeileSchreiben(cup, cup.cv, r, {name, strecke, zeit}, cvsort, Teilspalte::Cupvariation, {{alt, name}});
}

QString cvLoeschenVerweigert(const Cup &cup, int r)
{
    if (!gueltig(cup.cv, r))
        return QString();
    if (cup.anzahlLaufe() >= 1 && cup.cv.rowCount() - 1 < 3)
        return QStringLiteral("Es sind bereits Cup-Läufe eingetragen!\r\nSie müssen wenigstens zwei Cup-Variationen "
                              "beibehalten oder die Läufe löschen!");
    const QString n = cup.cv.cell(Cvspalte::Name, r);
    for (int i = 1; i < cup.teil.rowCount(); ++i)
        if (cup.teil.cell(Teilspalte::Cupvariation, i) == n)
            return QStringLiteral("Es sind noch Teilnehmer in der Cup-Variation (") + n +
                   QStringLiteral(")!\r\nSie müssen diese erst löschen bevor Sie Cup-Variationen löschen können!");
    return QString();
}

QString cvLoeschenFrage(const Cup &cup, int r)
{
    return QStringLiteral("Sind Sie sicher, dass Sie die Cup-Variation (") + cup.cv.cell(Cvspalte::Name, r) +
           QStringLiteral(") löschen wollen?");
}

void cvLoeschen(Cup &cup, int r)
{
    if (!gueltig(cup.cv, r) || !cvLoeschenVerweigert(cup, r).isEmpty())
        return;
    deleterow(cup.cv, r);
    cup.edit(Cup::Stand::Geaendert);
}

QString agHinzufuegenVerweigert(const Cup &cup, const QString &weib, const QString &mann, const QString &alter)
{
    const Tabelle &ag = cup.ag;
    for (int r = 1; r < ag.rowCount(); ++r)
        if (ag.cell(Agspalte::Weiblich, r) == weib || ag.cell(Agspalte::Maennlich, r) == mann ||
            ag.cell(Agspalte::Maximalalter, r) == alter)
            return kAgDopplung;
    return QString();
}

QString agAendernVerweigert(const Cup &cup, int r, const QString &weib, const QString &mann)
{
    const Tabelle &ag = cup.ag;
    // Only a label that changes is checked, so a group can always be saved as it is.
    const bool neuW = weib != ag.cell(Agspalte::Weiblich, r);
    const bool neuM = mann != ag.cell(Agspalte::Maennlich, r);
    for (int i = 1; i < ag.rowCount(); ++i) {
        if (i == r)
            continue;
        for (const QString &label : {ag.cell(Agspalte::Weiblich, i), ag.cell(Agspalte::Maennlich, i)})
            if ((neuW && label == weib) || (neuM && label == mann))
                return kAgDopplung;
    }
    return QString();
}

int agHinzufuegen(Cup &cup, const QString &weib, const QString &mann, const QString &alter)
{
    return zeileSchreiben(cup, cup.ag, cup.ag.rowCount(), {weib, mann, alter}, agsort, Teilspalte::Altersgruppe, {});
}

int agAendern(Cup &cup, int r, const QString &weib, const QString &mann, const QString &alter)
{
    if (!gueltig(cup.ag, r))
        return -1;
    const QString altW = cup.ag.cell(Agspalte::Weiblich, r);
    const QString altM = cup.ag.cell(Agspalte::Maennlich, r);
    return zeileSchreiben(cup, cup.ag, r, {weib, mann, alter}, agsort, Teilspalte::Altersgruppe,
                          {{altW, weib}, {altM, mann}});
}

QString agLoeschenVerweigert(const Cup &cup, int r)
{
    if (!gueltig(cup.ag, r))
        return QString();
    if (cup.ag.rowCount() < 3)
        return QStringLiteral("Sie müssen wenigstens eine Altersgruppe eingetragen lassen!");
    const QString f = cup.ag.cell(Agspalte::Weiblich, r);
    const QString m = cup.ag.cell(Agspalte::Maennlich, r);
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        const QString &g = cup.teil.cell(Teilspalte::Altersgruppe, i);
        if (g == f || g == m)
            return QStringLiteral("Es sind noch Teilnehmer in der Altersgruppe!\r\nSie müssen diese erst löschen "
                                  "bevor Sie Altersgruppen löschen können!");
    }
    return QString();
}

QString agLoeschenFrage()
{
    return QStringLiteral("Sind Sie sicher, dass Sie diese Altersgruppe löschen wollen?");
}

void agLoeschen(Cup &cup, int r)
{
    if (!gueltig(cup.ag, r) || !agLoeschenVerweigert(cup, r).isEmpty())
        return;
    deleterow(cup.ag, r);
    cup.edit(Cup::Stand::Geaendert);
}

bool pvHinzufuegen(Cup &cup, int p)
{
    Tabelle &pv = cup.pv;
    bool vorhanden = false;
    for (int r = 1; r < pv.rowCount() && !vorhanden; ++r) {
        int wert = 0;
        vorhanden = istInt(pv.cell(Pvspalte::Punkte, r), &wert) && wert == p;
    }
    if (!vorhanden) {
        const int r = pv.rowCount();
        pv.setRowCount(r + 1);
        pv.setCell(Pvspalte::Platz, r, QString::number(r));
        pv.setCell(Pvspalte::Punkte, r, QString::number(p));
    }
    pvsort(pv);
    if (!vorhanden)
        cup.edit(Cup::Stand::Geaendert);
    return !vorhanden;
}

QString pvLoeschenVerweigert(const Cup &cup, int r)
{
    if (gueltig(cup.pv, r) && cup.pv.rowCount() <= 2)
        return QStringLiteral("Sind müssen wenigstens eine Punktezahl vergeben?");
    return QString();
}

QString pvLoeschenFrage(const Cup &cup, int r)
{
    return QStringLiteral("Sind Sie sicher, dass Sie diese Punktezahl (") + cup.pv.cell(Pvspalte::Punkte, r) +
           QStringLiteral(") löschen wollen?");
}

void pvLoeschen(Cup &cup, int r)
{
    if (!gueltig(cup.pv, r) || !pvLoeschenVerweigert(cup, r).isEmpty())
        return;
    deleterow(cup.pv, r);
    pvsort(cup.pv);
    cup.edit(Cup::Stand::Geaendert);
}

void minSetzen(Cup &cup, int wert)
{
    const int n = cup.anzahlLaufe();
    cup.min = std::max(1, std::min(wert, n));
    if (cup.min > cup.max)
        cup.max = cup.min;
    cup.edit(Cup::Stand::Geaendert);
}

void maxSetzen(Cup &cup, int wert)
{
    const int n = cup.anzahlLaufe();
    cup.max = std::max(1, std::min(wert, n));
    if (cup.max < cup.min)
        cup.min = cup.max;
    cup.edit(Cup::Stand::Geaendert);
}

} // namespace tlt
