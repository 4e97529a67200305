#include "core/teilnehmerbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/laufbefehle.h"
#include "core/sortierung.h"

namespace tlt {

Teilnehmerdaten teilnehmerLesen(const Cup &cup, int s)
{
    const Tabelle &t = cup.teil;
    Teilnehmerdaten d{t.cell(0, s), t.cell(1, s), t.cell(2, s),
                      t.cell(3, s), t.cell(4, s), t.cell(5, s),
                      t.cell(6, s), t.cell(7, s), {}};
    for (int r = 1; r <= cup.anzahlLaufe(); ++r)
        d.ergebnisse << t.cell(Cup::ergebnisspalte(r), s);
    return d;
}

bool teilnehmerVollstaendig(const Cup &cup, const Teilnehmerdaten &d)
{
    if (d.name.isEmpty() || d.vorname.isEmpty() || d.geb == kKeinDatum || d.geb.isEmpty() || d.ges.isEmpty() ||
        d.verein.isEmpty() || d.alt.isEmpty() || d.sn.isEmpty())
        return false;
    return d.cup.isEmpty() ? !hatCupVariationen(cup) : hatCupVariationen(cup);
}

namespace {
void zeileSchreiben(Cup &cup, int s, const Teilnehmerdaten &d)
{
    Tabelle &t = cup.teil;
    const QString felder[8] = {d.name, d.vorname, d.geb, d.ges, d.verein, d.alt, d.sn, d.cup};
    for (int c = 0; c < 8; ++c)
        t.setCell(c, s, felder[c]);
    const int n = cup.anzahlLaufe();
    if (t.colCount() < Cup::ergebnisspalte(n) + 1)
        t.setColCount(Cup::ergebnisspalte(n) + 1);
    for (int r = 1; r <= n; ++r)
        t.setCell(Cup::ergebnisspalte(r), s, d.ergebnisse.value(r - 1));
}

} // namespace

int teilnehmerHinzufuegen(Cup &cup, const Teilnehmerdaten &d)
{
    const int s = cup.teil.rowCount();
    cup.teil.setRowCount(s + 1);
    zeileSchreiben(cup, s, d);
    const Kennung id = cup.teil.rowId(s);
    teilsort(cup, -1, 0);
    cup.edit(1);
    return cup.teil.rowOf(id);
}

int teilnehmerAendern(Cup &cup, int s, const Teilnehmerdaten &d)
{
    if (s < 1 || s >= cup.teil.rowCount())
        return -1;
    zeileSchreiben(cup, s, d);
    const Kennung id = cup.teil.rowId(s);
    teilsort(cup, -1, 0);
    cup.edit(1);
    return cup.teil.rowOf(id);
}

QString teilnehmerLoeschenFrage(const Cup &cup, int s)
{
    return QStringLiteral("Sind Sie sicher, dass Sie den Teilnehmer (") + cup.teil.cell(0, s) + QStringLiteral(", ") +
           cup.teil.cell(1, s) + QStringLiteral(") löschen wollen?");
}

void teilnehmerLoeschen(Cup &cup, int s)
{
    if (s < 1 || s >= cup.teil.rowCount())
        return;
    deleterow(cup.teil, s);
    cup.edit(1);
}

QString laufbezeichnung(const Cup &cup, int r)
{
    return cup.laufe.cell(r, 0) + QStringLiteral(") ") + cup.laufe.cell(r, 2) +
           (cup.lauftyp(r) == kZeitlauf ? QStringLiteral(" (ZL)") : QStringLiteral(" (DL)"));
}

QStringList teilnehmerkennung(const Cup &cup, int s)
{
    QStringList k;
    if (s < 1 || s >= cup.teil.rowCount())
        return k;
    for (int c = 0; c < 8; ++c)
        k << cup.teil.cell(c, s);
    return k;
}

int teilnehmerFinden(const Cup &cup, const QStringList &kennung, int bisherigeZeile)
{
    if (kennung.size() != 8)
        return -1;
    if (teilnehmerkennung(cup, bisherigeZeile) == kennung)
        return bisherigeZeile;
    // Start numbers are unique; together with the name they survive renaming of an age group or
    // cup variation meanwhile.
    const QString &sn = kennung.at(6);
    int treffer = -1, anzahl = 0;
    if (!sn.isEmpty()) {
        for (int s = 1; s < cup.teil.rowCount(); ++s) {
            const Tabelle &t = cup.teil;
            if (t.cell(6, s) == sn && t.cell(0, s) == kennung.at(0) && t.cell(1, s) == kennung.at(1)) {
                treffer = s;
                ++anzahl;
            }
        }
        if (anzahl == 1)
            return treffer;
    }
    for (int s = 1; s < cup.teil.rowCount(); ++s)
        if (teilnehmerkennung(cup, s) == kennung)
            return s;
    return -1;
}

QStringList ergebnisseZuordnen(const Cup &cup, const QList<QStringList> &laufkennungen, const QStringList &eingaben,
                               const QStringList &ohneEintrag, bool gleicheForm)
{
    const int n = cup.anzahlLaufe();
    QStringList ergebnis;
    QList<bool> vergeben(laufkennungen.size(), false);
    QList<int> quelle(n + 1, -1);
    // First the races that are unchanged, wherever they moved.
    for (int r = 1; r <= n; ++r) {
        const QStringList k = laufkennung(cup, r);
        for (int i = 0; i < laufkennungen.size(); ++i) {
            if (!vergeben[i] && laufkennungen[i] == k) {
                vergeben[i] = true;
                quelle[r] = i;
                break;
            }
        }
    }
    // Without races added or removed, a race that was changed meanwhile keeps its place.
    if (gleicheForm && laufkennungen.size() == n)
        for (int r = 1; r <= n; ++r)
            if (quelle[r] < 0 && !vergeben[r - 1]) {
                vergeben[r - 1] = true;
                quelle[r] = r - 1;
            }
    for (int r = 1; r <= n; ++r)
        ergebnis << (quelle[r] >= 0 ? eingaben.value(quelle[r]) : ohneEintrag.value(r - 1));
    return ergebnis;
}

bool startnummerLesen(const QString &text, QString *gepolstert)
{
    int n = 0;
    if (!istInt(text, &n))
        return false;
    if (gepolstert) {
        QString ziffern = QString::number(n < 0 ? -static_cast<qint64>(n) : n);
        while (ziffern.size() < 3)
            ziffern.prepend(QLatin1Char('0'));
        *gepolstert = (n < 0 ? QStringLiteral("-") : QString()) + ziffern;
    }
    return true;
}

int startnummerSuchen(const Cup &cup, const QString &startnummer)
{
    for (int s = 1; s < cup.teil.rowCount(); ++s)
        if (cup.teil.cell(6, s) == startnummer)
            return s;
    return -1;
}

void ergebnisEintragen(Cup &cup, int s, int r, const QString &ergebnis)
{
    if (s < 1 || s >= cup.teil.rowCount() || r < 1 || r > cup.anzahlLaufe())
        return;
    cup.teil.setCell(Cup::ergebnisspalte(r), s, ergebnis);
    cup.edit(1);
}

QString ueberschreibenFrage(const QString &alt, const QString &neu)
{
    return QStringLiteral("Wollen Sie den alten Wert (") + alt + QStringLiteral(") überschreiben mit ") + neu +
           QStringLiteral("?");
}

} // namespace tlt
