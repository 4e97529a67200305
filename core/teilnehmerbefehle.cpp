#include "core/teilnehmerbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/laufbefehle.h"
#include "core/sortierung.h"

namespace tlt {

Teilnehmerdaten teilnehmerLesen(const Cup &cup, int s)
{
    const Tabelle &t = cup.teil;
    using namespace Teilspalte;
    Teilnehmerdaten d{t.cell(Name, s),        t.cell(Vorname, s),      t.cell(Geburtsdatum, s),
                      t.cell(Geschlecht, s),  t.cell(Verein, s),       t.cell(Altersgruppe, s),
                      t.cell(Startnummer, s), t.cell(Cupvariation, s), {}};
    for (int r = 1; r <= cup.anzahlLaufe(); ++r)
        d.ergebnisse << t.cell(Cup::ergebnisspalte(r), s);
    return d;
}

bool teilnehmerVollstaendig(const Cup &cup, const Teilnehmerdaten &d)
{
    return teilnehmerFehlendeSpalte(cup, d) < 0;
}

int teilnehmerFehlendeSpalte(const Cup &cup, const Teilnehmerdaten &d)
{
    if (d.name.isEmpty())
        return Teilspalte::Name;
    if (d.vorname.isEmpty())
        return Teilspalte::Vorname;
    if (d.geb == kKeinDatum || d.geb.isEmpty())
        return Teilspalte::Geburtsdatum;
    if (d.ges.isEmpty())
        return Teilspalte::Geschlecht;
    if (d.verein.isEmpty())
        return Teilspalte::Verein;
    if (d.alt.isEmpty())
        return Teilspalte::Altersgruppe;
    if (d.sn.isEmpty())
        return Teilspalte::Startnummer;
    const bool ok = d.cup.isEmpty() ? !hatCupVariationen(cup) : hatCupVariationen(cup);
    return ok ? -1 : Teilspalte::Cupvariation;
}

namespace {
void zeileSchreiben(Cup &cup, int s, const Teilnehmerdaten &d)
{
    Tabelle &t = cup.teil;
    // In column order, Teilspalte::Name … Teilspalte::Cupvariation.
    const QString felder[Teilspalte::Anzahl] = {d.name, d.vorname, d.geb, d.ges, d.verein, d.alt, d.sn, d.cup};
    for (int c = 0; c < Teilspalte::Anzahl; ++c)
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
    teilsort(cup, Richtung::Aufsteigend, Teilspalte::Name);
    cup.edit(Cup::Stand::Geaendert);
    return cup.teil.rowOf(id);
}

int teilnehmerAendern(Cup &cup, int s, const Teilnehmerdaten &d)
{
    if (s < 1 || s >= cup.teil.rowCount())
        return -1;
    zeileSchreiben(cup, s, d);
    const Kennung id = cup.teil.rowId(s);
    teilsort(cup, Richtung::Aufsteigend, Teilspalte::Name);
    cup.edit(Cup::Stand::Geaendert);
    return cup.teil.rowOf(id);
}

QString teilnehmerLoeschenFrage(const Cup &cup, int s)
{
    return QStringLiteral("Sind Sie sicher, dass Sie den Teilnehmer (") + cup.teil.cell(Teilspalte::Name, s) +
           QStringLiteral(", ") + cup.teil.cell(Teilspalte::Vorname, s) + QStringLiteral(") löschen wollen?");
}

void teilnehmerLoeschen(Cup &cup, int s)
{
    if (s < 1 || s >= cup.teil.rowCount())
        return;
    deleterow(cup.teil, s);
    cup.edit(Cup::Stand::Geaendert);
}

QString laufbezeichnung(const Cup &cup, int r)
{
    return cup.laufe.cell(r, Laufzeile::Nummer) + QStringLiteral(") ") + cup.laufe.cell(r, Laufzeile::Datum) +
           (cup.lauftyp(r) == kZeitlauf ? QStringLiteral(" (ZL)") : QStringLiteral(" (DL)"));
}

QStringList teilnehmerkennung(const Cup &cup, int s)
{
    QStringList k;
    if (s < 1 || s >= cup.teil.rowCount())
        return k;
    for (int c = 0; c < Teilspalte::Anzahl; ++c)
        k << cup.teil.cell(c, s);
    return k;
}

int teilnehmerFinden(const Cup &cup, const QStringList &kennung, int bisherigeZeile)
{
    if (kennung.size() != Teilspalte::Anzahl)
        return -1;
    if (teilnehmerkennung(cup, bisherigeZeile) == kennung)
        return bisherigeZeile;
    // Start numbers are unique; together with the name they survive renaming of an age group or
    // cup variation meanwhile.
    const QString &sn = kennung.at(Teilspalte::Startnummer);
    int treffer = -1, anzahl = 0;
    if (!sn.isEmpty()) {
        for (int s = 1; s < cup.teil.rowCount(); ++s) {
            const Tabelle &t = cup.teil;
            if (t.cell(Teilspalte::Startnummer, s) == sn &&
                t.cell(Teilspalte::Name, s) == kennung.at(Teilspalte::Name) &&
                t.cell(Teilspalte::Vorname, s) == kennung.at(Teilspalte::Vorname)) {
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
        if (cup.teil.cell(Teilspalte::Startnummer, s) == startnummer)
            return s;
    return -1;
}

void ergebnisEintragen(Cup &cup, int s, int r, const QString &ergebnis)
{
    if (s < 1 || s >= cup.teil.rowCount() || r < 1 || r > cup.anzahlLaufe())
        return;
    cup.teil.setCell(Cup::ergebnisspalte(r), s, ergebnis);
    cup.edit(Cup::Stand::Geaendert);
}

QString ueberschreibenFrage(const QString &alt, const QString &neu)
{
    return QStringLiteral("Wollen Sie den alten Wert (") + alt + QStringLiteral(") überschreiben mit ") + neu +
           QStringLiteral("?");
}

int teilnehmerFinden(const Cup &cup, const QString &text, int ab)
{
    const Tabelle &t = cup.teil;
    const QString suche = text.trimmed();
    const int n = t.rowCount() - 1;
    if (suche.isEmpty() || n < 1)
        return -1;
    bool nurZiffern = true;
    for (QChar c : suche)
        nurZiffern = nurZiffern && c.isDigit();
    int nummer = 0;
    if (nurZiffern && !istInt(suche, &nummer))
        return -1;
    auto passt = [&](int r) {
        if (nurZiffern) {
            int sn = 0;
            return istInt(t.cell(Teilspalte::Startnummer, r), &sn) && sn == nummer;
        }
        return t.cell(Teilspalte::Name, r).contains(suche, Qt::CaseInsensitive) ||
               t.cell(Teilspalte::Vorname, r).contains(suche, Qt::CaseInsensitive) ||
               (t.cell(Teilspalte::Vorname, r) + QLatin1Char(' ') + t.cell(Teilspalte::Name, r))
                   .contains(suche, Qt::CaseInsensitive);
    };
    const int start = ab >= 1 && ab <= n ? ab : 1;
    for (int i = 0; i < n; ++i) {
        const int r = (start - 1 + i) % n + 1;
        if (passt(r))
            return r;
    }
    return -1;
}

} // namespace tlt
