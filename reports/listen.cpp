#include "reports/listen.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/spalten.h"
#include "reports/ausgabe.h"
#include "scoring/listenwerte.h"
#include "scoring/tempo.h"
#include "scoring/wertung.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace tlt {

namespace {

bool mitVarianten(const Cup &cup)
{
    return cup.cv.rowCount() > 1;
}

QString platztext(int platz)
{
    return platz > 0 ? QString::number(platz) + QLatin1Char('.') : QString();
}

// The distance or time of race k for a participant of this variation (cv row, 0 without variations).
QString laufLabel(const Cup &cup, int k, int variante)
{
    if (variante <= 0)
        return cup.laufe.cell(k, Laufzeile::Zeitdistanz);
    return cup.cv.cell(cup.lauftyp(k) == kZeitlauf ? Cvspalte::Strecke : Cvspalte::Zeit, variante);
}

// The speed of a time result; a label or time that gives none shows as "--- m/s", so that one odd
// entry does not stop the whole list.
QString tempo(const QString &label, const QString &eintrag)
{
    try {
        return BerechneMps(label, eintrag);
    } catch (const Konvertierungsfehler &) {
        return kKeineGeschwindigkeit;
    }
}

QString jahrgang(const Tabelle &teil, int r)
{
    return teil.cell(Teilspalte::Geburtsdatum, r).mid(6, 4);
}

// The heading of a cup variation block: blank, double line, blank, title.
void variantenkopf(Ausgabe &aus, const QString &titel)
{
    aus.leerzeile();
    aus.doppellinie();
    aus.leerzeile();
    aus.p(0, Fett, 10, titel);
}

// The blocks of a standings list: one without cup variations, else one per variation under its
// heading ("Ergebnisse im A-Cup"); a variation without lines takes its heading back.
template <class Bloecke> void variantenBloecke(Ausgabe &aus, const Cup &cup, Bloecke bloecke)
{
    if (!mitVarianten(cup)) {
        bloecke(0);
        return;
    }
    for (int v = 1; v < cup.cv.rowCount(); ++v) {
        variantenkopf(aus, QStringLiteral("Ergebnisse im ") + cup.cv.cell(Cvspalte::Name, v));
        if (bloecke(v) == 0)
            aus.d(-4);
    }
}

QString standTitel(const Cup &cup, int n)
{
    return n == cup.anzahlLaufe() ? QStringLiteral("Gesamtergebnis")
                                  : QStringLiteral("vorl. Gesamtergebnis nach Lauf ") + QString::number(n);
}

// ---------------------------------------------------------------- CSV

QString csvFeld(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString s = text;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

void csvZeile(QString &csv, const QStringList &felder)
{
    QStringList f;
    for (const QString &t : felder)
        f << csvFeld(t);
    csv += f.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

QString variantenname(const Cup &cup, int v)
{
    return v > 0 ? cup.cv.cell(Cvspalte::Name, v) : QString();
}

} // namespace

// ---------------------------------------------------------------- finish list

void ausgabe_einlauf(const Cup &cup, Ausgabe &aus, int k)
{
    aus.berichtskopf(cup);
    aus.p(0, Fett, 12, QStringLiteral("Einlaufliste vom ") + cup.laufe.cell(k, Laufzeile::Datum));
    aus.p(0, Fett, 12,
          QStringLiteral("Lauf ") + cup.laufe.cell(k, Laufzeile::Nummer) + QStringLiteral(" - ") + cup.lauftyp(k));

    const Tabelle &teil = cup.teil;
    const bool zeitlauf = cup.lauftyp(k) == kZeitlauf;
    // The speed column only in a time race; in a distance race the club gets its width. Name and
    // club keep a blank after them, so that a long text never runs into the next column.
    const int vereinsbreite = zeitlauf ? 13 : 22;
    QString kopf = linksbuendig(QStringLiteral("Pos."), 5) + linksbuendig(QStringLiteral("W/M"), 6) +
                   linksbuendig(QStringLiteral("Name, Vorname"), 24) +
                   linksbuendig(QStringLiteral("Verein"), vereinsbreite + 1) + linksbuendig(QStringLiteral("AK"), 8) +
                   rechtsbuendig(QStringLiteral("Pl."), 4) + rechtsbuendig(QStringLiteral("Ergebnis"), 12);
    if (zeitlauf)
        kopf += rechtsbuendig(QStringLiteral("Tempo"), 9);

    int gesamt = 0;
    for (const Einlaufblock &b : einlauf(cup, k)) {
        if (b.zeilen.empty())
            continue;
        if (b.variante > 0)
            variantenkopf(aus, QStringLiteral("Einlauf im ") + cup.cv.cell(Cvspalte::Name, b.variante) +
                                   QStringLiteral(" (") + laufLabel(cup, k, b.variante) + QLatin1Char(')'));
        aus.leerzeile();
        aus.p(0, Unterstrichen, 9, kopf);
        aus.leerzeile();
        const QString label = laufLabel(cup, k, b.variante);
        for (const Einlaufzeile &z : b.zeilen) {
            const int r = z.zeile;
            QString zeile;
            if (z.gewertet) {
                zeile = rechtsbuendig(platztext(z.platz) + QLatin1Char(' '), 5) +
                        linksbuendig(geschlechtKurz(teil.cell(Teilspalte::Geschlecht, r)) + QLatin1Char(' ') +
                                         platztext(z.platzGeschlecht),
                                     6);
            } else {
                zeile = QString(11, QLatin1Char(' '));
            }
            zeile += linksbuendig(namensfeld(teil, r), 23) + QLatin1Char(' ') +
                     linksbuendig(teil.cell(Teilspalte::Verein, r), vereinsbreite) + QLatin1Char(' ') +
                     linksbuendig(teil.cell(Teilspalte::Altersgruppe, r), 8) +
                     rechtsbuendig(platztext(z.platzGruppe), 4) + rechtsbuendig(abk2text(z.eintrag), 12);
            if (zeitlauf)
                zeile += rechtsbuendig(z.gewertet ? tempo(label, z.eintrag) : QString(), 9);
            aus.p(0, Normal, 9, zeile);
            ++gesamt;
        }
    }
    if (gesamt == 0) {
        aus.leerzeile();
        aus.p(0, Normal, 9, QStringLiteral("Für diesen Lauf sind keine Ergebnisse eingetragen."));
    }
    aus.berichtsfuss();
}

QString einlaufCsv(const Cup &cup, int k)
{
    const Tabelle &teil = cup.teil;
    const bool zeitlauf = cup.lauftyp(k) == kZeitlauf;
    QString csv;
    QStringList kopf{QStringLiteral("Cup-Variation"), QStringLiteral("Platz"),   QStringLiteral("Geschlecht"),
                     QStringLiteral("Platz W/M"),     QStringLiteral("Name"),    QStringLiteral("Vorname"),
                     QStringLiteral("Jahrgang"),      QStringLiteral("Verein"),  QStringLiteral("Altersgruppe"),
                     QStringLiteral("Platz AK"),      QStringLiteral("Ergebnis")};
    if (zeitlauf)
        kopf << QStringLiteral("Tempo");
    csvZeile(csv, kopf);
    for (const Einlaufblock &b : einlauf(cup, k)) {
        const QString label = laufLabel(cup, k, b.variante);
        for (const Einlaufzeile &z : b.zeilen) {
            const int r = z.zeile;
            QStringList f{variantenname(cup, b.variante),
                          z.gewertet ? QString::number(z.platz) : QString(),
                          teil.cell(Teilspalte::Geschlecht, r),
                          z.gewertet ? QString::number(z.platzGeschlecht) : QString(),
                          teil.cell(Teilspalte::Name, r),
                          teil.cell(Teilspalte::Vorname, r),
                          jahrgang(teil, r),
                          teil.cell(Teilspalte::Verein, r),
                          teil.cell(Teilspalte::Altersgruppe, r),
                          z.gewertet ? QString::number(z.platzGruppe) : QString(),
                          abk2text(z.eintrag)};
            if (zeitlauf)
                f << (z.gewertet ? tempo(label, z.eintrag) : QString());
            csvZeile(csv, f);
        }
    }
    return csv;
}

// ---------------------------------------------------------------- detailed standings

void ausgabe_gesamt_ausfuehrlich(const Cup &cup, Ausgabe &aus, int n)
{
    aus.berichtskopf(cup);
    n = std::clamp(n, 0, cup.anzahlLaufe());
    aus.p(0, Fett, 12, standTitel(cup, n) + QStringLiteral(" mit Einzelergebnissen"));
    aus.p(0, Normal, 9,
          QStringLiteral("Punkte je Lauf mit Bonus; (Punkte) werden nicht gewertet, - = nicht teilgenommen."));

    const Gesamtstand stand = gesamtstand(cup, n);
    const Laufanteilrechner anteile(cup, n);
    QString kopf = linksbuendig(QStringLiteral("Pos."), 5) + linksbuendig(QStringLiteral("Name, Vorname"), 26) +
                   linksbuendig(QStringLiteral("Verein"), 14);
    for (int d = 1; d <= n; ++d)
        kopf += rechtsbuendig(QStringLiteral("L") + QString::number(d), 6);
    kopf += rechtsbuendig(QStringLiteral("Läufe"), 6) + rechtsbuendig(QStringLiteral("Punkte"), 7);

    const Tabelle &teil = cup.teil;
    auto bloecke = [&](int variante) {
        return altersgruppenBloecke(aus, cup.ag, kopf, [&](const QString &label) {
            const Standgruppe *g = stand.gruppe(variante, label);
            if (!g)
                return 0;
            for (int r : g->zeilen) {
                const Standzeile &z = stand.zeile(r);
                QString zeile = rechtsbuendig(z.platzGezeigt ? platztext(z.platz) + QLatin1Char(' ') : QString(), 5) +
                                linksbuendig(namensfeld(teil, z.zeile), 25) + QLatin1Char(' ') +
                                linksbuendig(teil.cell(Teilspalte::Verein, z.zeile), 14);
                for (const Laufanteil &a : anteile(z.zeile))
                    zeile += rechtsbuendig(anteiltext(a), 6);
                zeile += rechtsbuendig(QString::number(z.teilnahmen), 6) + rechtsbuendig(punktetext(z), 7);
                aus.p(0, Normal, 9, zeile);
            }
            return static_cast<int>(g->zeilen.size());
        });
    };
    variantenBloecke(aus, cup, bloecke);
    aus.berichtsfuss();
}

QString gesamtAusfuehrlichCsv(const Cup &cup, int n)
{
    n = std::clamp(n, 0, cup.anzahlLaufe());
    const Gesamtstand stand = gesamtstand(cup, n);
    const Laufanteilrechner anteile(cup, n);
    const Tabelle &teil = cup.teil;
    QString csv;
    QStringList kopf{QStringLiteral("Cup-Variation"), QStringLiteral("Altersgruppe"), QStringLiteral("Platz"),
                     QStringLiteral("Name"),          QStringLiteral("Vorname"),      QStringLiteral("Jahrgang"),
                     QStringLiteral("Verein")};
    for (int d = 1; d <= n; ++d)
        kopf << QStringLiteral("Lauf ") + QString::number(d);
    kopf << QStringLiteral("Läufe") << QStringLiteral("Punkte");
    csvZeile(csv, kopf);
    for (const Standgruppe &g : stand.gruppen) {
        for (int r : g.zeilen) {
            const Standzeile &z = stand.zeile(r);
            QStringList f{variantenname(cup, g.variante),
                          g.label,
                          z.platz > 0 ? QString::number(z.platz) : QString(),
                          teil.cell(Teilspalte::Name, z.zeile),
                          teil.cell(Teilspalte::Vorname, z.zeile),
                          jahrgang(teil, z.zeile),
                          teil.cell(Teilspalte::Verein, z.zeile)};
            for (const Laufanteil &a : anteile(z.zeile))
                f << anteiltext(a);
            f << QString::number(z.teilnahmen) << punktetext(z);
            csvZeile(csv, f);
        }
    }
    return csv;
}

// ---------------------------------------------------------------- cup statement

namespace {

QString anteilPunkte(const Laufanteil &a, int wert)
{
    return a.wertung == Wertung::NichtTeilgenommen || a.wertung == Wertung::OhnePunkte ? QString()
                                                                                       : QString::number(wert);
}

QString teilnahmenText(int n)
{
    return n == 1 ? QStringLiteral("1 Teilnahme") : QString::number(n) + QStringLiteral(" Teilnahmen");
}

} // namespace

void ausgabe_auskunft(const Cup &cup, Ausgabe &aus, int r, int n)
{
    aus.berichtskopf(cup);
    const Tabelle &teil = cup.teil;
    if (r < 1 || r >= teil.rowCount())
        return;
    n = std::clamp(n, 0, cup.anzahlLaufe());
    aus.p(0, Fett, 12,
          QStringLiteral("Cup-Auskunft für ") + teil.cell(Teilspalte::Vorname, r) + QLatin1Char(' ') +
              teil.cell(Teilspalte::Name, r));
    aus.p(0, Fett, 12,
          n == cup.anzahlLaufe()
              ? QStringLiteral("Stand nach dem letzten Lauf (Lauf ") + QString::number(n) + QLatin1Char(')')
              : QStringLiteral("Stand nach Lauf ") + QString::number(n));
    aus.leerzeile();
    aus.p(0, Normal, 9, QStringLiteral("Startnummer  : ") + teil.cell(Teilspalte::Startnummer, r));
    aus.p(0, Normal, 9, QStringLiteral("Verein       : ") + teil.cell(Teilspalte::Verein, r));
    aus.p(0, Normal, 9, QStringLiteral("Altersgruppe : ") + teil.cell(Teilspalte::Altersgruppe, r));
    if (mitVarianten(cup))
        aus.p(0, Normal, 9, QStringLiteral("Cup-Variation: ") + teil.cell(Teilspalte::Cupvariation, r));

    aus.leerzeile();
    aus.p(0, Unterstrichen, 9,
          linksbuendig(QStringLiteral("Lauf"), 5) + linksbuendig(QStringLiteral("Datum"), 11) +
              rechtsbuendig(QStringLiteral("Ergebnis"), 12) + rechtsbuendig(QStringLiteral("Pl."), 5) +
              rechtsbuendig(QStringLiteral("Pkt."), 6) + rechtsbuendig(QStringLiteral("Faktor"), 7) +
              rechtsbuendig(QStringLiteral("Summand"), 8) + rechtsbuendig(QStringLiteral("Punkte"), 7) +
              QStringLiteral("  ") + linksbuendig(QStringLiteral("Wertung"), 19));
    int teilnahmen = 0;
    int wertungen = 0;
    for (const Laufanteil &a : laufanteile(cup, r, n)) {
        if (a.wertung != Wertung::NichtTeilgenommen)
            ++teilnahmen;
        if (a.platz > 0)
            ++wertungen;
        const bool punkte = a.platz > 0;
        aus.p(0, Normal, 9,
              rechtsbuendig(QString::number(a.lauf) + QLatin1Char('.'), 4) + QLatin1Char(' ') +
                  linksbuendig(cup.laufe.cell(a.lauf, Laufzeile::Datum), 11) + rechtsbuendig(abk2text(a.eintrag), 12) +
                  rechtsbuendig(platztext(a.platz), 5) + rechtsbuendig(anteilPunkte(a, a.tabellenpunkte), 6) +
                  rechtsbuendig(punkte ? QStringLiteral("x") + QString::number(a.faktor) : QString(), 7) +
                  rechtsbuendig(punkte ? QStringLiteral("+") + QString::number(a.summand) : QString(), 8) +
                  rechtsbuendig(anteilPunkte(a, a.punkte), 7) + QStringLiteral("  ") +
                  linksbuendig(wertungstext(a.wertung), 19));
    }
    aus.leerzeile();

    aus.p(0, Normal, 9,
          QStringLiteral("Teilnahmen         : ") + QString::number(teilnahmen) + QStringLiteral(" (davon ") +
              QString::number(wertungen) + QStringLiteral(" mit Ergebnis)"));
    aus.p(0, Normal, 9,
          QStringLiteral("Mindestteilnahmen  : ") + QString::number(cup.min) +
              QStringLiteral(", gewertet werden die besten ") + QString::number(cup.max));
    if (wertungen < cup.min)
        aus.p(0, Normal, 9,
              QStringLiteral("                     noch ") + teilnahmenText(cup.min - wertungen) +
                  QStringLiteral(" bis zur Wertung"));

    const Gesamtstand stand = gesamtstand(cup, n);
    const Standzeile *z = &stand.zeile(r);
    if (!z->gelistet) {
        aus.p(0, Normal, 9,
              QStringLiteral("Gesamtwertung      : nicht gelistet (Altersgruppe oder Cup-Variation unbekannt)"));
    } else {
        const Standgruppe &g = stand.gruppen[static_cast<size_t>(stand.gruppeVon(r))];
        QString gruppe = g.label;
        if (g.variante > 0)
            gruppe += QStringLiteral(", ") + cup.cv.cell(Cvspalte::Name, g.variante);
        aus.p(0, Normal, 9, QStringLiteral("Gesamtpunkte       : ") + punktetext(*z));
        if (z->platz == 0)
            aus.p(0, Normal, 9, QStringLiteral("Gesamtplatzierung  : ohne Platzierung (") + gruppe + QLatin1Char(')'));
        else
            aus.p(0, Normal, 9,
                  QStringLiteral("Gesamtplatzierung  : ") + platztext(z->platz) + QStringLiteral(" Platz (") + gruppe +
                      (z->platzGezeigt ? QStringLiteral(")") : QStringLiteral(", punktgleich)")));
    }
    aus.berichtsfuss();
}

QString auskunftCsv(const Cup &cup, int r, int n)
{
    n = std::clamp(n, 0, cup.anzahlLaufe());
    QString csv;
    csvZeile(csv, {QStringLiteral("Lauf"), QStringLiteral("Datum"), QStringLiteral("Ergebnis"), QStringLiteral("Platz"),
                   QStringLiteral("Laufpunkte"), QStringLiteral("Bonusfaktor"), QStringLiteral("Bonussummand"),
                   QStringLiteral("Punkte"), QStringLiteral("Wertung")});
    if (r < 1 || r >= cup.teil.rowCount())
        return csv;
    for (const Laufanteil &a : laufanteile(cup, r, n)) {
        const bool punkte = a.platz > 0;
        csvZeile(csv, {QString::number(a.lauf), cup.laufe.cell(a.lauf, Laufzeile::Datum), abk2text(a.eintrag),
                       punkte ? QString::number(a.platz) : QString(), anteilPunkte(a, a.tabellenpunkte),
                       punkte ? QString::number(a.faktor) : QString(), punkte ? QString::number(a.summand) : QString(),
                       anteilPunkte(a, a.punkte), wertungstext(a.wertung)});
    }
    return csv;
}

// ---------------------------------------------------------------- who can still win

namespace {

QString sieg(const Aussicht &s)
{
    if (s.sicher)
        return QStringLiteral("sicher");
    if (s.fuehrt)
        return QStringLiteral("führt");
    return QStringLiteral("möglich");
}

int fuehrungspunkte(const Aussichtsgruppe &g)
{
    int f = -1;
    for (const Aussicht &s : g.teilnehmer)
        if (s.fuehrt)
            f = std::max(f, s.punkte);
    return f;
}

// Listed: the leaders and whoever can still win.
bool gezeigt(const Aussicht &s)
{
    return s.fuehrt || s.kannGewinnen;
}

} // namespace

void ausgabe_noch_offen(const Cup &cup, Ausgabe &aus, int n, int verbleibend)
{
    aus.berichtskopf(cup);
    n = std::clamp(n, 0, cup.anzahlLaufe());
    const Ausblick a = werKannGewinnen(cup, n, verbleibend);
    aus.p(0, Fett, 12, QStringLiteral("Wer kann noch gewinnen?"));
    aus.p(0, Fett, 12,
          QStringLiteral("Stand nach Lauf ") + QString::number(n) + QStringLiteral(", noch ") +
              (a.verbleibend == 1 ? QStringLiteral("1 Lauf")
                                  : QString::number(a.verbleibend) + QStringLiteral(" Läufe")));
    aus.p(0, Normal, 9,
          QStringLiteral("Annahme: jeder weitere Lauf bringt höchstens ") + QString::number(a.hoechstpunkte) +
              QStringLiteral(" Punkte"));
    aus.p(0, Normal, 9, QStringLiteral("(die Punkte für Platz 1, Bonusfaktor 1, Bonussummand 0)."));
    aus.p(0, Normal, 9,
          QStringLiteral("Mindestteilnahmen ") + QString::number(cup.min) +
              QStringLiteral(", gewertet werden die besten ") + QString::number(cup.max) + QStringLiteral(" Läufe."));

    QHash<std::pair<int, QString>, const Aussichtsgruppe *> gruppen;
    for (const Aussichtsgruppe &g : a.gruppen)
        gruppen.insert({g.variante, g.label}, &g);
    const QString kopf =
        linksbuendig(QStringLiteral("Name, Vorname"), 33) + linksbuendig(QStringLiteral("Verein"), 14) +
        rechtsbuendig(QStringLiteral("Punkte"), 7) + rechtsbuendig(QStringLiteral("Rückstand"), 10) +
        rechtsbuendig(QStringLiteral("höchstens"), 10) + QLatin1Char(' ') + linksbuendig(QStringLiteral("Sieg"), 7);
    const Tabelle &teil = cup.teil;
    auto bloecke = [&](int variante) {
        return altersgruppenBloecke(aus, cup.ag, kopf, [&](const QString &label) {
            const Aussichtsgruppe *g = gruppen.value({variante, label});
            if (!g)
                return 0;
            const int fuehrung = fuehrungspunkte(*g);
            int zeilen = 0;
            int weitere = 0;
            for (const Aussicht &s : g->teilnehmer) {
                if (!gezeigt(s)) {
                    ++weitere;
                    continue;
                }
                aus.p(0, Normal, 9,
                      linksbuendig(namensfeld(teil, s.zeile), 32) + QLatin1Char(' ') +
                          linksbuendig(teil.cell(Teilspalte::Verein, s.zeile), 14) +
                          rechtsbuendig(s.wertungen >= cup.min ? QString::number(s.punkte) : QStringLiteral("---"), 7) +
                          rechtsbuendig(fuehrung >= 0 ? QString::number(fuehrung - s.punkte) : QString(), 10) +
                          rechtsbuendig(s.hoechstens >= 0 ? QString::number(s.hoechstens) : QStringLiteral("---"), 10) +
                          QLatin1Char(' ') +
                          linksbuendig(s.kannGewinnen || s.sicher ? sieg(s) : QStringLiteral("nein"), 7));
                ++zeilen;
            }
            if (zeilen == 0)
                aus.p(0, Normal, 9, QStringLiteral("Niemand kann diese Gruppe noch gewinnen."));
            if (weitere > 0)
                aus.p(0, Normal, 9,
                      QString::number(weitere) +
                          (weitere == 1 ? QStringLiteral(" weitere Person kann nicht mehr gewinnen.")
                                        : QStringLiteral(" weitere Personen können nicht mehr gewinnen.")));
            return zeilen + (zeilen == 0 ? 1 : 0) + (weitere > 0 ? 1 : 0);
        });
    };
    variantenBloecke(aus, cup, bloecke);
    aus.berichtsfuss();
}

QString nochOffenCsv(const Cup &cup, int n, int verbleibend)
{
    n = std::clamp(n, 0, cup.anzahlLaufe());
    const Ausblick a = werKannGewinnen(cup, n, verbleibend);
    const Tabelle &teil = cup.teil;
    QString csv;
    csvZeile(csv, {QStringLiteral("Cup-Variation"), QStringLiteral("Altersgruppe"), QStringLiteral("Name"),
                   QStringLiteral("Vorname"), QStringLiteral("Verein"), QStringLiteral("Punkte"),
                   QStringLiteral("Rückstand"), QStringLiteral("höchstens erreichbar"), QStringLiteral("Sieg")});
    for (const Aussichtsgruppe &g : a.gruppen) {
        const int fuehrung = fuehrungspunkte(g);
        for (const Aussicht &s : g.teilnehmer) {
            csvZeile(csv, {variantenname(cup, g.variante), g.label, teil.cell(Teilspalte::Name, s.zeile),
                           teil.cell(Teilspalte::Vorname, s.zeile), teil.cell(Teilspalte::Verein, s.zeile),
                           s.wertungen >= cup.min ? QString::number(s.punkte) : QString(),
                           fuehrung >= 0 ? QString::number(fuehrung - s.punkte) : QString(),
                           s.hoechstens >= 0 ? QString::number(s.hoechstens) : QString(),
                           s.kannGewinnen || s.sicher ? sieg(s) : QStringLiteral("nein")});
        }
    }
    return csv;
}

QByteArray csvDatei(const QString &text)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tlt
