#include "scoring/listenwerte.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/spalten.h"
#include "scoring/gesamtwertung.h"
#include "scoring/wertung.h"

#include <QHash>
#include <algorithm>
#include <functional>
#include <numeric>

namespace tlt {

namespace {

bool mitVarianten(const Cup &cup)
{
    return cup.cv.rowCount() > 1;
}

// Positions in a sequence sorted best first: 1 + the number of strictly better entries before.
template <typename Besser> std::vector<int> plaetze(const std::vector<int> &folge, Besser besserAls)
{
    std::vector<int> platz(folge.size(), 0);
    size_t erster = 0;
    for (size_t i = 0; i < folge.size(); ++i) {
        if (i == 0 || besserAls(folge[erster], folge[i]))
            erster = i;
        platz[i] = static_cast<int>(erster) + 1;
    }
    return platz;
}

} // namespace

// ---------------------------------------------------------------- finish list

std::vector<int> namensfolge(const Cup &cup)
{
    const Tabelle &t = cup.teil;
    std::vector<int> alle;
    for (int r = 1; r < t.rowCount(); ++r)
        alle.push_back(r);
    std::stable_sort(alle.begin(), alle.end(), [&](int a, int b) {
        const int n = textvergleich(t.cell(Teilspalte::Name, a), t.cell(Teilspalte::Name, b));
        return n != 0 ? n < 0 : textvergleich(t.cell(Teilspalte::Vorname, a), t.cell(Teilspalte::Vorname, b)) < 0;
    });
    return alle;
}

std::vector<Einlaufblock> einlauf(const Cup &cup, int k)
{
    return einlauf(cup, k, namensfolge(cup), Laufwertungen(cup, k, k));
}

std::vector<Einlaufblock> einlauf(const Cup &cup, int k, const std::vector<int> &namensfolge, const Laufwertungen &w)
{
    const Tabelle &t = cup.teil;
    const int spalte = Cup::ergebnisspalte(k);

    // Rows that took part, in surname order (then first name, then table order), so that equal
    // results stand alphabetically after the stable sort by result.
    std::vector<int> alle;
    for (int r : namensfolge)
        if (!t.cell(spalte, r).isEmpty())
            alle.push_back(r);
    // Best first; among codes alphabetically. besser(x, y): y strictly better than x.
    const Ergebnisvergleich schlechter(cup, k);
    auto vor = [&](int a, int b) { return schlechter(b, a); };
    std::stable_sort(alle.begin(), alle.end(), vor);
    // Codes always stand at the end, also behind odd entries without digits ("abc" sorts before "d.").
    std::stable_partition(alle.begin(), alle.end(), [&](int r) { return istLeistung(t.cell(spalte, r)); });

    std::vector<Einlaufblock> bloecke;
    if (!mitVarianten(cup)) {
        bloecke.push_back(Einlaufblock{});
    } else {
        for (int v = 1; v < cup.cv.rowCount(); ++v)
            bloecke.push_back(Einlaufblock{v, {}});
    }
    QHash<QString, int> blockNachName;
    for (int v = cup.cv.rowCount() - 1; v >= 1; --v)
        blockNachName.insert(cup.cv.cell(Cvspalte::Name, v), v - 1);

    std::vector<std::vector<int>> zeilenJeBlock(bloecke.size());
    for (int r : alle) {
        const int b = mitVarianten(cup) ? blockNachName.value(t.cell(Teilspalte::Cupvariation, r), -1) : 0;
        if (b >= 0)
            zeilenJeBlock[static_cast<size_t>(b)].push_back(r);
    }

    auto strengBesser = [&](int a, int b) { return vor(a, b); };
    for (size_t b = 0; b < bloecke.size(); ++b) {
        const std::vector<int> &zeilen = zeilenJeBlock[b];
        std::vector<int> gewertet;
        for (int r : zeilen)
            if (istLeistung(t.cell(spalte, r)))
                gewertet.push_back(r);
        const std::vector<int> gesamt = plaetze(gewertet, strengBesser);
        QHash<QString, std::vector<int>> nachGeschlecht;
        for (int r : gewertet)
            nachGeschlecht[t.cell(Teilspalte::Geschlecht, r)].push_back(r);
        QHash<int, int> geschlechtsplatz;
        for (auto it = nachGeschlecht.cbegin(); it != nachGeschlecht.cend(); ++it) {
            const std::vector<int> p = plaetze(it.value(), strengBesser);
            for (size_t i = 0; i < p.size(); ++i)
                geschlechtsplatz.insert(it.value()[i], p[i]);
        }
        size_t g = 0;
        for (int r : zeilen) {
            Einlaufzeile z;
            z.zeile = r;
            z.eintrag = t.cell(spalte, r);
            z.gewertet = istLeistung(z.eintrag);
            if (z.gewertet) {
                z.platz = gesamt[g++];
                z.platzGeschlecht = geschlechtsplatz.value(r);
                z.platzGruppe = w.platz(k, r);
            }
            bloecke[b].zeilen.push_back(std::move(z));
        }
    }
    return bloecke;
}

// ---------------------------------------------------------------- race points of one participant

long long cupsumme(std::vector<int> punkte, int min, int max)
{
    const int m = static_cast<int>(punkte.size());
    if (m < min)
        return 0;
    const int gezaehlt = std::clamp(max, 0, m);
    std::partial_sort(punkte.begin(), punkte.begin() + gezaehlt, punkte.end(), std::greater<int>());
    return std::accumulate(punkte.begin(), punkte.begin() + gezaehlt, 0LL);
}

std::vector<Laufanteil> laufanteile(const Cup &cup, int r, int n)
{
    return Laufanteilrechner(cup, n)(r);
}

namespace {

std::optional<int> lesen(const QString &zelle, int leer)
{
    if (zelle.isEmpty())
        return leer;
    int n = 0;
    if (istInt(zelle, &n))
        return n;
    return std::nullopt;
}

} // namespace

Laufanteilrechner::Laufanteilrechner(const Cup &cup, int n) : Laufanteilrechner(cup, n, nullptr) {}

Laufanteilrechner::Laufanteilrechner(const Cup &cup, int n, const Laufwertungen &w) : Laufanteilrechner(cup, n, &w) {}

Laufanteilrechner::Laufanteilrechner(const Cup &cup, int n, const Laufwertungen *w)
    : m_cup(cup), m_bis(std::max(std::min(n, cup.anzahlLaufe()), 0)), m_fremd(w)
{
    if (!m_fremd)
        m_eigen.emplace(cup, 1, m_bis);
    m_faktor.resize(static_cast<size_t>(m_bis) + 1);
    m_summand.resize(static_cast<size_t>(m_bis) + 1);
    for (int d = 1; d <= m_bis; ++d) {
        m_faktor[static_cast<size_t>(d)] = lesen(cup.laufe.cell(d, Laufzeile::Bonusfaktor), 1);
        m_summand[static_cast<size_t>(d)] = lesen(cup.laufe.cell(d, Laufzeile::Bonussummand), 0);
    }
    m_tabelle.resize(static_cast<size_t>(std::max(cup.pv.rowCount(), 1)));
    for (int p = 1; p < cup.pv.rowCount(); ++p) {
        int wert = 0;
        if (istInt(cup.pv.cell(Pvspalte::Punkte, p), &wert))
            m_tabelle[static_cast<size_t>(p)] = wert;
    }
}

int Laufanteilrechner::wert(const std::optional<int> &gelesen, const QString &zelle)
{
    return gelesen ? *gelesen : toInt(zelle);
}

std::vector<Laufanteil> Laufanteilrechner::operator()(int r) const
{
    const Cup &cup = m_cup;
    std::vector<Laufanteil> anteile;
    anteile.reserve(static_cast<size_t>(m_bis));
    std::vector<size_t> gewertete;
    for (int d = 1; d <= m_bis; ++d) {
        const size_t i = static_cast<size_t>(d);
        Laufanteil a;
        a.lauf = d;
        a.eintrag = cup.teil.cell(Cup::ergebnisspalte(d), r);
        if (a.eintrag.isEmpty()) {
            a.wertung = Wertung::NichtTeilgenommen;
        } else if (istCode(a.eintrag)) {
            a.wertung = Wertung::OhnePunkte;
        } else {
            a.faktor = wert(m_faktor[i], cup.laufe.cell(d, Laufzeile::Bonusfaktor));
            a.summand = wert(m_summand[i], cup.laufe.cell(d, Laufzeile::Bonussummand));
            a.platz = wertungen().platz(d, r);
            a.tabellenpunkte =
                a.platz >= 1 && a.platz < cup.pv.rowCount()
                    ? wert(m_tabelle[static_cast<size_t>(a.platz)], cup.pv.cell(Pvspalte::Punkte, a.platz))
                    : 0;
            a.punkte = wertungen().punkte(d, r);
            a.wertung = Wertung::Gestrichen;
            gewertete.push_back(anteile.size());
        }
        if (a.platz == 0) {
            // No points here; the race's bonus is still shown where it can be read.
            a.faktor = m_faktor[i].value_or(1);
            a.summand = m_summand[i].value_or(0);
        }
        anteile.push_back(std::move(a));
    }
    if (static_cast<int>(gewertete.size()) < cup.min) {
        for (size_t i : gewertete)
            anteile[i].wertung = Wertung::OhneWertung;
        return anteile;
    }
    // The best `max` points count; of equal points the earlier race.
    std::stable_sort(gewertete.begin(), gewertete.end(),
                     [&](size_t a, size_t b) { return anteile[a].punkte > anteile[b].punkte; });
    const size_t zaehlen = static_cast<size_t>(std::clamp(cup.max, 0, static_cast<int>(gewertete.size())));
    for (size_t i = 0; i < zaehlen; ++i)
        anteile[gewertete[i]].wertung = Wertung::Gewertet;
    return anteile;
}

QString anteiltext(const Laufanteil &a)
{
    switch (a.wertung) {
    case Wertung::NichtTeilgenommen:
        return QStringLiteral("-");
    case Wertung::OhnePunkte:
        return a.eintrag;
    case Wertung::Gewertet:
        return QString::number(a.punkte);
    case Wertung::Gestrichen:
    case Wertung::OhneWertung:
        return QLatin1Char('(') + QString::number(a.punkte) + QLatin1Char(')');
    }
    return {};
}

QString geschlechtKurz(const QString &geschlecht)
{
    if (geschlecht == u"weiblich")
        return QStringLiteral("W");
    if (geschlecht == u"männlich")
        return QStringLiteral("M");
    return {};
}

QString punktetext(const Standzeile &z)
{
    return z.unterMinimum ? QStringLiteral("---") : QString::number(z.punkte);
}

QString wertungstext(Wertung w)
{
    switch (w) {
    case Wertung::NichtTeilgenommen:
        return QStringLiteral("nicht teilgenommen");
    case Wertung::OhnePunkte:
        return QStringLiteral("ohne Punkte");
    case Wertung::Gewertet:
        return QStringLiteral("gewertet");
    case Wertung::Gestrichen:
        return QStringLiteral("gestrichen");
    case Wertung::OhneWertung:
        return QStringLiteral("noch nicht gewertet");
    }
    return {};
}

// ---------------------------------------------------------------- who can still win

Ausblick werKannGewinnen(const Cup &cup, int n, int verbleibend)
{
    Ausblick a;
    a.lauf = n;
    a.verbleibend = std::max(verbleibend, 0);
    int best = 0;
    for (int p = 1; p < cup.pv.rowCount(); ++p)
        best = std::max(best, toInt(cup.pv.cell(Pvspalte::Punkte, p)));
    a.hoechstpunkte = best;

    const Gesamtstand stand = gesamtstand(cup, n);
    const int bis = std::min(n, cup.anzahlLaufe());
    const Laufwertungen w(cup, 1, std::max(bis, 0));
    for (const Standgruppe &g : stand.gruppen) {
        Aussichtsgruppe ag;
        ag.variante = g.variante;
        ag.label = g.label;
        for (int r : g.zeilen) {
            const Standzeile &z = stand.zeile(r);
            Aussicht s;
            s.zeile = z.zeile;
            s.punkte = static_cast<int>(z.punkte);
            s.wertungen = z.wertungen;
            if (z.wertungen + a.verbleibend >= cup.min) {
                // The best case: every remaining race at the most points.
                std::vector<int> werte;
                for (int d = 1; d <= bis; ++d)
                    if (istLeistung(cup.teil.cell(Cup::ergebnisspalte(d), z.zeile)))
                        werte.push_back(w.punkte(d, z.zeile));
                werte.insert(werte.end(), static_cast<size_t>(a.verbleibend), a.hoechstpunkte);
                s.hoechstens = static_cast<int>(cupsumme(std::move(werte), cup.min, cup.max));
            }
            ag.teilnehmer.push_back(s);
        }
        // Leaders: the most points among those already ranked (at least `min` scored results).
        int fuehrung = -1;
        for (const Aussicht &s : ag.teilnehmer)
            if (s.wertungen >= cup.min)
                fuehrung = std::max(fuehrung, s.punkte);
        for (Aussicht &s : ag.teilnehmer) {
            s.fuehrt = s.wertungen >= cup.min && s.punkte == fuehrung;
            // Others keep at least their present points (they may not start again); this runner
            // takes the most points in every remaining race.
            bool gewinnt = s.hoechstens >= 0;
            bool sicher = s.wertungen >= cup.min;
            for (const Aussicht &o : ag.teilnehmer) {
                if (&o == &s)
                    continue;
                if (o.punkte > s.hoechstens)
                    gewinnt = false;
                if (o.hoechstens >= 0 && o.hoechstens >= s.punkte)
                    sicher = false;
            }
            s.kannGewinnen = gewinnt;
            s.sicher = sicher;
        }
        a.gruppen.push_back(std::move(ag));
    }
    return a;
}

} // namespace tlt
