#include "webseite/webdaten.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "core/spalten.h"
#include "scoring/gesamtwertung.h"
#include "scoring/listenwerte.h"
#include "scoring/wertung.h"
#include "webseite/parallel.h"

#include <QHash>
#include <algorithm>

namespace tlt {

namespace {

// The sorts run on copies that carry each row's index in the sex column, which neither the
// orderings used here nor the overall computation read.
constexpr int kZeilenindex = Teilspalte::Geschlecht;

bool mitVarianten(const Cup &cup)
{
    return cup.cv.rowCount() > 1;
}

QString namensfeld(const Tabelle &teil, int r)
{
    return teil.cell(Teilspalte::Name, r) + QStringLiteral(", ") + teil.cell(Teilspalte::Vorname, r) +
           QStringLiteral(" ('") + teil.cell(Teilspalte::Geburtsdatum, r).mid(8, 2) + QLatin1Char(')');
}

// The age-group blocks of one list: per age-group row the women's and then the men's label, each
// with the lines gruppe(label) gives; labels without lines are left out. The age in the heading
// runs from the previous row's maximum age plus one; a maximum age that is no integer throws
// after the row's lines, where the list stops too.
template <class Gruppe> std::vector<Webgruppe> altersgruppen(const Tabelle &ag, Gruppe gruppe)
{
    std::vector<Webgruppe> ergebnis;
    int vorher = -1;
    for (int i = 1; i < ag.rowCount(); ++i) {
        const QString spanne =
            QStringLiteral(" (") + QString::number(vorher + 1) + QLatin1Char('-') + ag.cell(Agspalte::Maximalalter, i) +
            QLatin1Char(')');
        for (int geschlecht = 0; geschlecht < 2; ++geschlecht) {
            Webgruppe g;
            g.titel = QStringLiteral("Altergruppe ") + ag.cell(geschlecht, i) + spanne;
            g.zeilen = gruppe(ag.cell(geschlecht, i));
            if (!g.zeilen.empty())
                ergebnis.push_back(std::move(g));
        }
        vorher = maximalalter(ag, i);
    }
    return ergebnis;
}

// Rows (indexes into teil) by age-group label, each list keeping the given order.
QHash<QString, std::vector<int>> nachLabel(const Tabelle &teil, const std::vector<int> &zeilen)
{
    QHash<QString, std::vector<int>> karte;
    for (int r : zeilen)
        karte[teil.cell(Teilspalte::Altersgruppe, r)].push_back(r);
    return karte;
}

// The participant rows in the order the race list of race k walks them: sorted by surname from
// the cup's current order, then best first by the race's entry. Only rows with an entry. The
// orders are computed without moving a row, so the cup is never touched.
class Laufreihenfolge {
public:
    // The surname order is the same for every race: it is sorted once.
    explicit Laufreihenfolge(const Cup &cup) : m_nachName(teilfolge(cup, Richtung::Aufsteigend, Teilspalte::Name)) {}

    // The rows with an entry in race k in the order of its result list (ergebnisfolge), without
    // sorting the names again.
    std::vector<int> lauf(const Cup &cup, int k) const
    {
        const int spalte = Cup::ergebnisspalte(k);
        std::vector<int> folge;
        for (int r : teilfolge(cup, Richtung::Aufsteigend, spalte, m_nachName))
            if (!cup.teil.cell(spalte, r).isEmpty())
                folge.push_back(r);
        return folge;
    }

private:
    std::vector<int> m_nachName;
};

// The lines of one label in a race: equal entries share the placing of the first of them, which
// alone shows it; codes have none; the next different result gets the number of runners before
// it plus one.
std::vector<Webzeile> laufgruppe(const Cup &cup, int k, const std::vector<int> &zeilen, std::vector<Webteilnehmer> &tn)
{
    const int spalte = Cup::ergebnisspalte(k);
    std::vector<Webzeile> ergebnis;
    int platz = 1;
    int gezeigt = 0;
    QString vorige;
    for (int r : zeilen) {
        const QString &eintrag = cup.teil.cell(spalte, r);
        Webzeile z;
        z.teilnehmer = r - 1;
        if (eintrag != vorige && !istCode(eintrag)) {
            z.platz = platz;
            z.wert = eintrag;
            gezeigt = platz;
            ++platz;
        } else {
            z.wert = abk2text(eintrag);
            if (eintrag == vorige)
                ++platz;
        }
        tn[static_cast<size_t>(r - 1)].plaetze[static_cast<size_t>(k - 1)] = istCode(eintrag) ? 0 : gezeigt;
        vorige = eintrag;
        ergebnis.push_back(std::move(z));
    }
    return ergebnis;
}

Webliste laufliste(const Cup &cup, int k, const Laufreihenfolge &reihenfolge, std::vector<Webteilnehmer> &tn)
{
    Webliste liste;
    liste.titel = QStringLiteral("Ergebnisse vom ") + cup.laufe.cell(k, Laufzeile::Datum);
    liste.untertitel = QStringLiteral("Lauf ") + cup.laufe.cell(k, Laufzeile::Nummer) + QStringLiteral(" - ") + cup.lauftyp(k);
    const std::vector<int> folge = reihenfolge.lauf(cup, k);
    const Tabelle &teil = cup.teil;
    auto bloecke = [&](const std::vector<int> &zeilen, const QString &titel) {
        const auto karte = nachLabel(teil, zeilen);
        Webblock b;
        b.titel = titel;
        b.gruppen = altersgruppen(cup.ag, [&](const QString &label) {
            return laufgruppe(cup, k, karte.value(label), tn);
        });
        if (!b.gruppen.empty())
            liste.bloecke.push_back(std::move(b));
    };
    if (!mitVarianten(cup)) {
        bloecke(folge, QString());
    } else {
        const bool zeitlauf = cup.lauftyp(k) == kZeitlauf;
        for (int v = 1; v < cup.cv.rowCount(); ++v) {
            const QString &name = cup.cv.cell(Cvspalte::Name, v);
            std::vector<int> zeilen;
            for (int r : folge)
                if (teil.cell(Teilspalte::Cupvariation, r) == name)
                    zeilen.push_back(r);
            bloecke(zeilen, QStringLiteral("Ergebnisse im ") + name + QStringLiteral(" (") +
                                (zeitlauf ? cup.cv.cell(Cvspalte::Strecke, v) : cup.cv.cell(Cvspalte::Zeit, v)) +
                                QLatin1Char(')'));
        }
    }
    return liste;
}

// The blocks of a standings list: per cup variation (one block without variations) the age groups
// in list order, each listed row as zeile(row, its standings entry) makes its line.
template <class Zeile> void standbloecke(const Cup &cup, const Gesamtstand &stand, Webliste &liste, Zeile zeile)
{
    auto bloecke = [&](int variante, const QString &titel) {
        Webblock b;
        b.titel = titel;
        b.gruppen = altersgruppen(cup.ag, [&](const QString &label) {
            std::vector<Webzeile> zeilen;
            if (const Standgruppe *g = stand.gruppe(variante, label))
                for (int r : g->zeilen)
                    zeilen.push_back(zeile(r, stand.zeile(r)));
            return zeilen;
        });
        if (!b.gruppen.empty())
            liste.bloecke.push_back(std::move(b));
    };
    if (!mitVarianten(cup)) {
        bloecke(0, QString());
    } else {
        for (int v = 1; v < cup.cv.rowCount(); ++v)
            bloecke(v, QStringLiteral("Ergebnisse im ") + cup.cv.cell(Cvspalte::Name, v));
    }
}

QString standtitel(const Cup &cup, int n)
{
    return n == cup.anzahlLaufe() ? QStringLiteral("Gesamtergebnis")
                                  : QStringLiteral("vorl. Gesamtergebnis nach Lauf ") + QString::number(n);
}

// The standings, grouped, ordered and placed as the standings list shows them.
Webliste gesamtliste(const Cup &cup, const Gesamtstand &stand, std::vector<Webteilnehmer> &tn)
{
    Webliste liste;
    liste.titel = standtitel(cup, stand.lauf);
    // Participations of everyone, listed or not, for the search.
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        tn[static_cast<size_t>(r - 1)].teilnahmen = QString::number(stand.zeile(r).teilnahmen);
    standbloecke(cup, stand, liste, [&](int r, const Standzeile &s) {
        Webzeile z;
        z.teilnehmer = r - 1;
        z.laeufe = QString::number(s.teilnahmen);
        z.wert = punktetext(s);
        if (s.platzGezeigt)
            z.platz = s.platz;
        Webteilnehmer &t = tn[static_cast<size_t>(z.teilnehmer)];
        t.gesamtplatz = s.platz;
        t.gesamtpunkte = z.wert;
        return z;
    });
    return liste;
}

} // namespace

int Webliste::zeilen() const
{
    int n = 0;
    for (const auto &b : bloecke)
        for (const auto &g : b.gruppen)
            n += static_cast<int>(g.zeilen.size());
    return n;
}

int letzterLaufMitErgebnissen(const Cup &cup)
{
    for (int k = cup.anzahlLaufe(); k >= 1; --k) {
        const int spalte = Cup::ergebnisspalte(k);
        for (int r = 1; r < cup.teil.rowCount(); ++r)
            if (!cup.teil.cell(spalte, r).isEmpty())
                return k;
    }
    return 0;
}

Webdaten webdaten(const Cup &cup, int nachLauf)
{
    Webdaten d;
    d.cupname = cup.name;
    d.veranstalter = cup.veranstalter;
    const int n = std::clamp(nachLauf, 0, std::max(cup.anzahlLaufe(), 0));
    d.nachLauf = n;

    const Tabelle &teil = cup.teil;
    const int m = teil.rowCount() - 1;
    d.teilnehmer.resize(static_cast<size_t>(std::max(m, 0)));
    for (int r = 1; r <= m; ++r) {
        Webteilnehmer &t = d.teilnehmer[static_cast<size_t>(r - 1)];
        t.name = namensfeld(teil, r);
        t.verein = teil.cell(Teilspalte::Verein, r);
        t.altersgruppe = teil.cell(Teilspalte::Altersgruppe, r);
        t.variante = mitVarianten(cup) ? teil.cell(Teilspalte::Cupvariation, r) : QString();
        t.startnummer = teil.cell(Teilspalte::Startnummer, r);
        t.ergebnisse.resize(static_cast<size_t>(n));
        t.plaetze.assign(static_cast<size_t>(n), 0);
        t.punkte.assign(static_cast<size_t>(n), 0);
    }

    for (int k = 1; k <= cup.anzahlLaufe(); ++k) {
        Weblauf l;
        l.nummer = k;
        l.datum = cup.laufe.cell(k, Laufzeile::Datum);
        l.typ = cup.lauftyp(k);
        l.ort = cup.laufe.cell(k, Laufzeile::Ort);
        l.mitSeite = k <= n;
        // Races with a page count their finishers below, from the placings.
        if (k > n) {
            const int spalte = Cup::ergebnisspalte(k);
            for (int r = 1; r <= m; ++r)
                if (istLeistung(teil.cell(spalte, r)))
                    ++l.imZiel;
        }
        d.laeufe.push_back(std::move(l));
    }
    if (n == 0)
        return d;

    const Laufwertungen wertungen(cup, 1, n);
    using Art = Laufwertungen::Art;
    for (int r = 1; r <= m; ++r) {
        Webteilnehmer &t = d.teilnehmer[static_cast<size_t>(r - 1)];
        for (int k = 1; k <= n; ++k) {
            const Art art = wertungen.art(k, r);
            if (art == Art::Leer)
                continue;
            const QString &eintrag = teil.cell(Cup::ergebnisspalte(k), r);
            if (art == Art::Code) {
                t.ergebnisse[static_cast<size_t>(k - 1)] = abk2text(eintrag);
            } else {
                t.ergebnisse[static_cast<size_t>(k - 1)] = eintrag;
                t.punkte[static_cast<size_t>(k - 1)] = wertungen.punkte(k, r);
                ++d.laeufe[static_cast<size_t>(k - 1)].imZiel;
            }
        }
    }
    const Laufreihenfolge reihenfolge(cup);
    const std::vector<int> nachNamen = namensfolge(cup);
    // The races' lists do not depend on each other (each race writes only its own placing of each
    // participant), so they are built side by side.
    d.laufergebnisse.resize(static_cast<size_t>(n));
    d.einlauflisten.resize(static_cast<size_t>(n));
    jeweilsParallel(n, [&](int i) {
        d.laufergebnisse[static_cast<size_t>(i)] = laufliste(cup, i + 1, reihenfolge, d.teilnehmer);
        d.einlauflisten[static_cast<size_t>(i)] = einlaufliste(cup, i + 1, nachNamen, wertungen);
    });
    const Gesamtstand stand = gesamtstand(cup, n);
    d.gesamt = gesamtliste(cup, stand, d.teilnehmer);
    d.einzeln = einzelliste(cup, stand, wertungen);
    return d;
}

namespace {

QString platzText(int platz)
{
    return platz > 0 ? QString::number(platz) + QLatin1Char('.') : QString();
}

} // namespace

Webliste einlaufliste(const Cup &cup, int k, const std::vector<int> &namensfolge, const Laufwertungen &w)
{
    Webliste liste;
    liste.titel = QStringLiteral("Einlaufliste vom ") + cup.laufe.cell(k, Laufzeile::Datum);
    liste.untertitel = QStringLiteral("Lauf ") + cup.laufe.cell(k, Laufzeile::Nummer) + QStringLiteral(" - ") + cup.lauftyp(k);
    liste.kopf = {QStringLiteral("W/M"), QStringLiteral("AK"), QStringLiteral("Ergebnis")};
    const Tabelle &teil = cup.teil;
    const bool zeitlauf = cup.lauftyp(k) == kZeitlauf;
    for (const Einlaufblock &b : einlauf(cup, k, namensfolge, w)) {
        if (b.zeilen.empty())
            continue;
        Webgruppe g;
        if (b.variante > 0)
            g.titel = QStringLiteral("Einlauf im ") + cup.cv.cell(Cvspalte::Name, b.variante) + QStringLiteral(" (") +
                      cup.cv.cell(zeitlauf ? Cvspalte::Strecke : Cvspalte::Zeit, b.variante) + QLatin1Char(')');
        else
            g.titel = QStringLiteral("Einlauf");
        for (const Einlaufzeile &z : b.zeilen) {
            Webzeile w;
            w.teilnehmer = z.zeile - 1;
            const QString &ak = teil.cell(Teilspalte::Altersgruppe, z.zeile);
            if (z.gewertet) {
                w.platz = z.platz;
                w.mehr = {geschlechtKurz(teil.cell(Teilspalte::Geschlecht, z.zeile)) + QLatin1Char(' ') +
                              platzText(z.platzGeschlecht),
                          ak + QLatin1Char(' ') + platzText(z.platzGruppe), z.eintrag};
            } else {
                w.mehr = {QString(), ak, abk2text(z.eintrag)};
            }
            g.zeilen.push_back(std::move(w));
        }
        Webblock block;
        block.gruppen.push_back(std::move(g));
        liste.bloecke.push_back(std::move(block));
    }
    return liste;
}

Webliste einzelliste(const Cup &cup, const Gesamtstand &stand, const Laufwertungen &w)
{
    const int n = stand.lauf;
    Webliste liste;
    liste.titel = standtitel(cup, n) + QStringLiteral(" mit Einzelergebnissen");
    liste.untertitel = QStringLiteral("Punkte je Lauf mit Bonus; (Punkte) werden nicht gewertet, - = nicht teilgenommen.");
    for (int k = 1; k <= n; ++k)
        liste.kopf.push_back(QStringLiteral("L") + QString::number(k));
    liste.kopf.push_back(QStringLiteral("Läufe"));
    liste.kopf.push_back(QStringLiteral("Punkte"));
    const Laufanteilrechner anteile(cup, n, w);
    standbloecke(cup, stand, liste, [&](int r, const Standzeile &s) {
        Webzeile w;
        w.teilnehmer = r - 1;
        w.platz = s.platzGezeigt ? s.platz : 0;
        for (const Laufanteil &a : anteile(r))
            w.mehr.push_back(anteiltext(a));
        w.mehr.push_back(QString::number(s.teilnahmen));
        w.mehr.push_back(punktetext(s));
        return w;
    });
    return liste;
}

} // namespace tlt
