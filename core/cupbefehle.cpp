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

// The row of identity id after a sort, or -1.
int nachSortierung(const Tabelle &t, Kennung id)
{
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
    Tabelle &cv = cup.cv;
    const int r = cv.rowCount();
    cv.setRowCount(r + 1);
    cv.setCell(Cvspalte::Name, r, name);
    cv.setCell(Cvspalte::Strecke, r, strecke);
    cv.setCell(Cvspalte::Zeit, r, zeit);
    const Kennung id = cv.rowId(r);
    cvsort(cv);
    cup.edit(1);
    return nachSortierung(cv, id);
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
    Tabelle &cv = cup.cv;
    if (!gueltig(cv, r))
        return -1;
    const QString alt = cv.cell(Cvspalte::Name, r);
    const Kennung id = cv.rowId(r);
    cv.setCell(Cvspalte::Name, r, name);
    cv.setCell(Cvspalte::Strecke, r, strecke);
    cv.setCell(Cvspalte::Zeit, r, zeit);
    cvsort(cv);
    if (alt != name)
        for (int i = 1; i < cup.teil.rowCount(); ++i)
            if (cup.teil.cell(Teilspalte::Cupvariation, i) == alt)
                cup.teil.setCell(Teilspalte::Cupvariation, i, name);
    cup.edit(1);
    return nachSortierung(cv, id);
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
    cup.edit(1);
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
    Tabelle &ag = cup.ag;
    const int r = ag.rowCount();
    ag.setRowCount(r + 1);
    ag.setCell(Agspalte::Weiblich, r, weib);
    ag.setCell(Agspalte::Maennlich, r, mann);
    ag.setCell(Agspalte::Maximalalter, r, alter);
    const Kennung id = ag.rowId(r);
    agsort(ag);
    cup.edit(1);
    return nachSortierung(ag, id);
}

int agAendern(Cup &cup, int r, const QString &weib, const QString &mann, const QString &alter)
{
    Tabelle &ag = cup.ag;
    if (!gueltig(ag, r))
        return -1;
    const QString altW = ag.cell(Agspalte::Weiblich, r);
    const QString altM = ag.cell(Agspalte::Maennlich, r);
    const Kennung id = ag.rowId(r);
    ag.setCell(Agspalte::Weiblich, r, weib);
    ag.setCell(Agspalte::Maennlich, r, mann);
    ag.setCell(Agspalte::Maximalalter, r, alter);
    agsort(ag);
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        const QString &g = cup.teil.cell(Teilspalte::Altersgruppe, i);
        if (g == altW)
            cup.teil.setCell(Teilspalte::Altersgruppe, i, weib);
        else if (g == altM)
            cup.teil.setCell(Teilspalte::Altersgruppe, i, mann);
    }
    cup.edit(1);
    return nachSortierung(ag, id);
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
    cup.edit(1);
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
        cup.edit(1);
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
    cup.edit(1);
}

void minSetzen(Cup &cup, int wert)
{
    const int n = cup.anzahlLaufe();
    cup.min = std::max(1, std::min(wert, n));
    if (cup.min > cup.max)
        cup.max = cup.min;
    cup.edit(1);
}

void maxSetzen(Cup &cup, int wert)
{
    const int n = cup.anzahlLaufe();
    cup.max = std::max(1, std::min(wert, n));
    if (cup.max < cup.min)
        cup.min = cup.max;
    cup.edit(1);
}

} // namespace tlt
