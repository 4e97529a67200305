#include "reports/dlv.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/version.h"
#include "reports/ausgabe.h"

#include <QHash>
#include <QSet>

namespace tlt {

namespace {

const QString kNichtAngetreten = QStringLiteral("n.a.");

// Entries and starters of one age-group label.
struct Zaehler {
    int meldungen = 0;
    int starter = 0;
};

// Everything the report counts, computed once before the first line is written.
struct Zahlen {
    QHash<QString, Zaehler> proBezeichnung;
    int meldungenW = 0, meldungenM = 0, starterW = 0, starterM = 0;
    int vereineMeldung = 0, vereineStart = 0;
    qint64 mitarbeiter = 0;

    Zaehler von(const QString &bezeichnung) const { return proBezeichnung.value(bezeichnung); }
};

// a / b * 100 rounded to the nearest integer, halves to even, on the exact quotient;
// integer arithmetic so that 12.5 gives 12 and 7.5 gives 8 without binary rounding in between.
QString pct(qint64 a, qint64 b)
{
    if (b == 0)
        return QStringLiteral("0");
    qint64 zaehler = a * 100;
    qint64 nenner = b;
    if (nenner < 0) {
        zaehler = -zaehler;
        nenner = -nenner;
    }
    qint64 q = zaehler / nenner;
    qint64 r = zaehler % nenner;
    if (r < 0) { // floor division, so the remainder lies in [0, nenner)
        q -= 1;
        r += nenner;
    }
    if (2 * r > nenner || (2 * r == nenner && (q % 2 != 0)))
        q += 1;
    return QString::number(q);
}

Zahlen zaehlen(const Cup &cup, int lauf)
{
    Zahlen z;
    const Tabelle &ag = cup.ag;
    const Tabelle &teil = cup.teil;
    const int ergebnisspalte = Cup::ergebnisspalte(lauf);

    QSet<QString> bezeichnungen;
    for (int g = 1; g < ag.rowCount(); ++g) {
        bezeichnungen.insert(ag.cell(Agspalte::Weiblich, g));
        bezeichnungen.insert(ag.cell(Agspalte::Maennlich, g));
    }

    // Clubs are told apart by their exact text: "TV Musterstadt" and "TV MUSTERSTADT" are two clubs.
    QSet<QString> vereineMeldung;
    QSet<QString> vereineStart;
    for (int r = 1; r < teil.rowCount(); ++r) {
        const QString &ergebnis = teil.cell(ergebnisspalte, r);
        if (ergebnis.isEmpty())
            continue;
        const QString &bezeichnung = teil.cell(Teilspalte::Altersgruppe, r);
        // A participant whose label names no age group is not counted anywhere.
        if (!bezeichnungen.contains(bezeichnung))
            continue;
        const bool gestartet = ergebnis != kNichtAngetreten;
        Zaehler &zaehler = z.proBezeichnung[bezeichnung];
        ++zaehler.meldungen;
        vereineMeldung.insert(teil.cell(Teilspalte::Verein, r));
        if (gestartet) {
            ++zaehler.starter;
            vereineStart.insert(teil.cell(Teilspalte::Verein, r));
        }
    }
    z.vereineMeldung = static_cast<int>(vereineMeldung.size());
    z.vereineStart = static_cast<int>(vereineStart.size());

    // The sums cover every age group, also those beyond the rows the form lists.
    for (int g = 1; g < ag.rowCount(); ++g) {
        const Zaehler w = z.von(ag.cell(Agspalte::Weiblich, g));
        const Zaehler m = z.von(ag.cell(Agspalte::Maennlich, g));
        z.meldungenW += w.meldungen;
        z.starterW += w.starter;
        z.meldungenM += m.meldungen;
        z.starterM += m.starter;
    }

    const Tabelle &laufe = cup.laufe;
    z.mitarbeiter = amOrt(
        [&] {
            return qint64(toInt(laufe.cell(lauf, Laufzeile::Kampfrichter))) + toInt(laufe.cell(lauf, Laufzeile::Helfer)) +
                   toInt(laufe.cell(lauf, Laufzeile::Mitarbeiter));
        },
        [&] { return cup.ortLauf(lauf) + QStringLiteral(", Kampfrichter, Helfer und Mitarbeiter"); });
    return z;
}

QString LB(const QString &text, int n)
{
    return linksbuendig(text, n);
}

QString RB(const QString &text, int n)
{
    return rechtsbuendig(text, n);
}

QString RB(qint64 zahl, int n)
{
    return rechtsbuendig(QString::number(zahl), n);
}

void zeile(Ausgabe &a, const QString &text)
{
    a.p(0, Normal, 9, text);
}

// Lines 1-20: the organiser's block, the event, and section A (clubs).
void kopf(const Cup &cup, Ausgabe &a, int lauf, const Zahlen &z)
{
    auto R = [&](Laufzeile::Zeile k) -> const QString & { return cup.laufe.cell(lauf, k); };
    const QString kategorie =
        cup.kategorie >= 0 && cup.kategorie < kategorien().size() ? kategorien().at(cup.kategorie) : QString();

    zeile(a, QStringLiteral("      D L V      | Veranstalter:"));
    zeile(a, QStringLiteral(" Veranstaltungs- | ") + LB(R(Laufzeile::Vereinsname), 31) +
                 QStringLiteral(" | Datum  : ") + R(Laufzeile::Datum));
    zeile(a, QStringLiteral("     bericht     | ") + LB(R(Laufzeile::Anschrift1), 31) + QStringLiteral(" | Ort    : ") +
                 R(Laufzeile::Ort));
    zeile(a, QStringLiteral("                 | ") + LB(R(Laufzeile::Anschrift2), 31) + QStringLiteral(" | Kreis  : ") +
                 R(Laufzeile::Kreis));
    zeile(a, QStringLiteral("  Veranst.-Nr.   | ") + LB(R(Laufzeile::Anschrift3), 31) + QStringLiteral(" | Bezirk : ") +
                 R(Laufzeile::Bezirk));
    zeile(a, QStringLiteral(" ") + LB(R(Laufzeile::DlvNr), 15) + QStringLiteral(" | Tel.: ") +
                 LB(R(Laufzeile::Fon), 25) + QStringLiteral(" | Land   : ") + R(Laufzeile::Land));
    zeile(a, QStringLiteral("                 | Fax.: ") + LB(R(Laufzeile::Fax), 25) + QStringLiteral(" |"));
    a.einfachlinie();
    zeile(a, QStringLiteral("Bez. der Veranst.: ") + LB(cup.name, 55) + RB(R(Laufzeile::Nummer), 2) +
                 QStringLiteral(". Lauf"));
    zeile(a, QStringLiteral("Kategorie        : ") + kategorie);
    zeile(a, QStringLiteral("Ausrichter       : ") + R(Laufzeile::Vereinsname));
    zeile(a, QStringLiteral("Wettkampfstätte  : ") + R(Laufzeile::Wettkampf1));
    zeile(a, QStringLiteral("                 : ") + R(Laufzeile::Wettkampf2));
    a.einfachlinie();
    zeile(a, QStringLiteral("Zeitmessung:                    |Veranstaltungs-   | Meldung   | Teilnahme |  %  |"));
    zeile(a, QStringLiteral("                                |statistik         |           |           |     |"));
    zeile(a, QStringLiteral(" ") + LB(R(Laufzeile::Zeitmessung), 29) +
                 QStringLiteral("  |------------------|-----------|-----------|-----|"));
    zeile(a, QStringLiteral("                                |A. Vereine        |   ") + RB(z.vereineMeldung, 4) +
                 QStringLiteral("    |   ") + RB(z.vereineStart, 4) + QStringLiteral("    | ") +
                 RB(pct(z.vereineStart, z.vereineMeldung), 3) + QStringLiteral(" |"));
    zeile(a, QStringLiteral("                                |------------------|-----------|-----------|-----|"));
    zeile(a, QStringLiteral("--------------------------------|B. Altersklassen  |  w  |  m  |  w  |  m  |     |"));
}

// The left margin of lines 21-36, the same in both versions.
QStringList randtexte(const Cup &cup, int lauf)
{
    const QString wind = LB(cup.laufe.cell(lauf, Laufzeile::Windmessung), 29);
    const QString geraete = LB(cup.laufe.cell(lauf, Laufzeile::Geraetekontrolle), 29);
    const QString leer(32, QLatin1Char(' '));
    const QString strich(32, QLatin1Char('-'));
    return {
        QStringLiteral("Windmessung:                    "),
        leer,
        QStringLiteral(" Lauf:                          "),
        QStringLiteral("  ") + wind + QLatin1Char(' '),
        QStringLiteral(" Sprung:                        "),
        QStringLiteral("  ") + wind + QLatin1Char(' '),
        leer,
        strich,
        QStringLiteral("Gerätekontrolle:                "),
        leer,
        QStringLiteral(" ") + geraete + QStringLiteral("  "),
        leer,
        leer,
        leer,
        leer,
        strich,
    };
}

// Lines 37-70: the sums, the staff and the signatures.
void schluss(const Cup &cup, Ausgabe &a, int lauf, const Zahlen &z)
{
    auto R = [&](Laufzeile::Zeile k) -> const QString & { return cup.laufe.cell(lauf, k); };
    const QString leer(32, QLatin1Char(' '));

    zeile(a, QStringLiteral("EDV-Wettkampfdaten-             |------------------|-----------|-----------|-----|"));
    zeile(a, QStringLiteral("verarbeitung:                   |Summe weiblich    | ") + RB(z.meldungenW, 3) +
                 QStringLiteral(" |     | ") + RB(z.starterW, 3) + QStringLiteral(" |     | ") +
                 RB(pct(z.starterW, z.meldungenW), 3) + QStringLiteral(" |"));
    zeile(a, QStringLiteral("                                |Summe männlich    |     | ") + RB(z.meldungenM, 3) +
                 QStringLiteral(" |     | ") + RB(z.starterM, 3) + QStringLiteral(" | ") +
                 RB(pct(z.starterM, z.meldungenM), 3) + QStringLiteral(" |"));
    const qint64 meldungen = qint64(z.meldungenW) + z.meldungenM;
    const qint64 starter = qint64(z.starterW) + z.starterM;
    zeile(a, QStringLiteral(" Tempolauftabellator            |Summe Teilnehmer  |   ") + RB(meldungen, 4) +
                 QStringLiteral("    |   ") + RB(starter, 4) + QStringLiteral("    | ") +
                 RB(pct(starter, meldungen), 3) + QStringLiteral(" |"));
    zeile(a, LB(QLatin1Char(' ') + kHerstellerhinweis, 32) +
                 QStringLiteral("|------------------|-----------------------------|"));
    zeile(a, LB(QLatin1Char(' ') + kWebadresse, 32) +
                 QStringLiteral("|C. Mitarbeiter    |                             |"));
    zeile(a, leer + QStringLiteral("| Wettk.-Büro/EDV  |   ") + RB(R(Laufzeile::Mitarbeiter), 4) +
                 QStringLiteral("                      |"));
    zeile(a, leer + QStringLiteral("| Kampfrichter     |   ") + RB(R(Laufzeile::Kampfrichter), 4) +
                 QStringLiteral("    Summe             |"));
    zeile(a, leer + QStringLiteral("| Helfer           |   ") + RB(R(Laufzeile::Helfer), 4) +
                 QStringLiteral("    Mitarb. ") + RB(z.mitarbeiter, 4) + QStringLiteral("      |"));
    a.einfachlinie();
    zeile(a, QStringLiteral("Wettkampf-Leiter:      Tel.: ") + LB(R(Laufzeile::WlFon), 20) + QStringLiteral(" Fax: ") +
                 LB(R(Laufzeile::WlFax), 20));
    zeile(a, LB(R(Laufzeile::Wettkampfleiter), 82));
    a.leerzeile();
    a.einfachlinie();
    zeile(a, QStringLiteral("Verbandsaufsicht:      Tel.: ") + LB(R(Laufzeile::VaFon), 20) + QStringLiteral(" Fax: ") +
                 LB(R(Laufzeile::VaFax), 20));
    zeile(a, LB(R(Laufzeile::Verbandsaufsicht), 82));
    a.leerzeile();
    a.einfachlinie();
    zeile(a, QStringLiteral("Bemerkungen (z.B. Einspruch / nationale Rekorde):"));
    zeile(a, LB(R(Laufzeile::Bemerkung1), 82));
    zeile(a, LB(R(Laufzeile::Bemerkung2), 82));
    zeile(a, LB(R(Laufzeile::Bemerkung3), 82));
    a.leerzeile();
    a.einfachlinie();
    a.leerzeile();
    zeile(a, QStringLiteral("Der Wettkampfleiter und die Verbandsaufsicht bestätigen für diese Veranstaltung"));
    zeile(a, QStringLiteral("die ordnungsgemäße Anmeldung, die Einhaltung der Wettkampfbestimmungen (IWB) und"));
    zeile(a, QStringLiteral("DLV-Veranstaltungsordnung (VAO) sowie die Richtigkeit und Vollständigkeit der im"));
    zeile(a, QStringLiteral("Veranstaltungsbericht und der Ergebnisliste gemachten Angaben."));
    a.leerzeile();
    a.leerzeile();
    a.leerzeile();
    zeile(a, QStringLiteral("        ---------------------------          ----------------------------"));
    zeile(a, QStringLiteral("              Wettkampfleiter                      Verbandsaufsicht      "));
}

} // namespace

void ausgabe_dlv(const Cup &cup, Ausgabe &a, int lauf)
{
    a.clear();
    const Zahlen z = zaehlen(cup, lauf);
    kopf(cup, a, lauf, z);

    const Tabelle &ag = cup.ag;
    const QStringList rand = randtexte(cup, lauf);
    const QString leerfeld(16, QLatin1Char(' '));
    const QString leer3(3, QLatin1Char(' '));
    for (int i = 1; i <= 8; ++i) {
        QString feldW = leerfeld, feldM = leerfeld;
        QString ew = leer3, sw = leer3, pw = leer3, em = leer3, sm = leer3, pm = leer3;
        if (i < ag.rowCount()) {
            // The band starts one above the previous group's maximum age.
            const qint64 untergrenze = i == 1 ? 0 : qint64(maximalalter(ag, i - 1)) + 1;
            const QString spanne =
                RB(QString::number(untergrenze) + QLatin1Char('-') + ag.cell(Agspalte::Maximalalter, i), 7);
            feldW = LB(ag.cell(Agspalte::Weiblich, i), 9) + spanne;
            feldM = LB(ag.cell(Agspalte::Maennlich, i), 9) + spanne;
            const Zaehler w = z.von(ag.cell(Agspalte::Weiblich, i));
            const Zaehler m = z.von(ag.cell(Agspalte::Maennlich, i));
            ew = RB(w.meldungen, 3);
            sw = RB(w.starter, 3);
            pw = RB(pct(w.starter, w.meldungen), 3);
            em = RB(m.meldungen, 3);
            sm = RB(m.starter, 3);
            pm = RB(pct(m.starter, m.meldungen), 3);
        }
        const int k = 2 * (i - 1);
        zeile(a, rand.at(k) + QStringLiteral("| ") + feldW + QStringLiteral(" | ") + ew + QStringLiteral(" |     | ") +
                     sw + QStringLiteral(" |     | ") + pw + QStringLiteral(" |"));
        zeile(a, rand.at(k + 1) + QStringLiteral("| ") + feldM + QStringLiteral(" |     | ") + em +
                     QStringLiteral(" |     | ") + sm + QStringLiteral(" | ") + pm + QStringLiteral(" |"));
    }

    schluss(cup, a, lauf, z);
}

void ausgabe_dlv_2(const Cup &cup, Ausgabe &a, int lauf)
{
    a.clear();
    const Zahlen z = zaehlen(cup, lauf);
    kopf(cup, a, lauf, z);

    const Tabelle &ag = cup.ag;
    const QStringList rand = randtexte(cup, lauf);
    const QString leer3(3, QLatin1Char(' '));
    for (int i = 1; i <= 16; ++i) {
        QString feld(16, QLatin1Char(' '));
        QString ew = leer3, em = leer3, sw = leer3, sm = leer3, pz = leer3;
        if (i < ag.rowCount()) {
            feld = LB(ag.cell(Agspalte::Weiblich, i) + QLatin1Char('/') + ag.cell(Agspalte::Maennlich, i), 16);
            const Zaehler w = z.von(ag.cell(Agspalte::Weiblich, i));
            const Zaehler m = z.von(ag.cell(Agspalte::Maennlich, i));
            ew = RB(w.meldungen, 3);
            em = RB(m.meldungen, 3);
            sw = RB(w.starter, 3);
            sm = RB(m.starter, 3);
            pz = RB(pct(qint64(w.starter) + m.starter, qint64(w.meldungen) + m.meldungen), 3);
        }
        zeile(a, rand.at(i - 1) + QStringLiteral("| ") + feld + QStringLiteral(" | ") + ew + QStringLiteral(" | ") +
                     em + QStringLiteral(" | ") + sw + QStringLiteral(" | ") + sm + QStringLiteral(" | ") + pz +
                     QStringLiteral(" |"));
    }

    schluss(cup, a, lauf, z);
}

} // namespace tlt
