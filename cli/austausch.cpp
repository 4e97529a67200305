// The exchange commands of tlt: participants and race results read from CSV, XLSX or ODS into a
// cup file, and the participants table written as CSV or XLSX.
#include "cli/befehl.h"
#include "cli/listenausfuhr.h"

#include "austausch/ausfuhr.h"
#include "austausch/einlesen.h"
#include "austausch/tabellendatei.h"
#include "austausch/zuordnung.h"
#include "core/cup.h"
#include "core/spalten.h"
#include "core/cupdatei.h"
#include "core/konvertierung.h"

namespace tlt::cli {

bool nimmListenziel(QStringList &args, Listenziel &ziel, QString *grund)
{
    bool csv = false, xlsx = false;
    if (!nimmOption(args, QStringLiteral("--csv"), &ziel.csv, &csv) ||
        !nimmOption(args, QStringLiteral("--xlsx"), &ziel.xlsx, &xlsx)) {
        *grund = QStringLiteral("Einer Option fehlt ihr Wert.");
        return false;
    }
    if ((csv && ziel.csv.isEmpty()) || (xlsx && ziel.xlsx.isEmpty())) {
        *grund = QStringLiteral("Der Dateiname fehlt.");
        return false;
    }
    return true;
}

bool listeSchreiben(const Listenziel &ziel, const std::function<Ausfuhrtabelle()> &liste, Umgebung &u, int *rc)
{
    if (!ziel.gesetzt())
        return false;
    try {
        const Ausfuhrtabelle t = liste();
        QString fehler;
        if ((!ziel.csv.isEmpty() && !csvSchreiben(t, ziel.csv, &fehler)) ||
            (!ziel.xlsx.isEmpty() && !xlsxSchreiben(t, ziel.xlsx, &fehler))) {
            u.err << fehler << '\n';
            *rc = Fehler;
            return true;
        }
    } catch (const Konvertierungsfehler &e) {
        u.err << e.text() << '\n';
        *rc = Fehler;
        return true;
    }
    *rc = Ok;
    return true;
}

namespace {

struct Importoptionen {
    QString blatt;
    QString ausgabe;
    bool probe = false;
    bool ueberschreiben = false;
};

// Takes the options; false with a reason on a usage error.
bool nimmImportoptionen(QStringList &args, Importoptionen &o, bool mitUeberschreiben, QString *grund)
{
    bool blatt = false, ausgabe = false;
    if (!nimmOption(args, QStringLiteral("--blatt"), &o.blatt, &blatt) ||
        !nimmOption(args, QStringLiteral("--ausgabe"), &o.ausgabe, &ausgabe)) {
        *grund = QStringLiteral("Einer Option fehlt ihr Wert.");
        return false;
    }
    if ((blatt && o.blatt.isEmpty()) || (ausgabe && o.ausgabe.isEmpty())) {
        *grund = QStringLiteral("Eine Option hat einen leeren Wert.");
        return false;
    }
    o.probe = args.removeAll(QStringLiteral("--probe")) > 0;
    if (mitUeberschreiben)
        o.ueberschreiben = args.removeAll(QStringLiteral("--ueberschreiben")) > 0;
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--"))) {
            *grund = QStringLiteral("Unbekannte Option: %1").arg(a);
            return false;
        }
    return true;
}

// Saves the cup where the options say; false (message printed) when it cannot be saved.
bool cupSchreiben(Cup &cup, const QString &pfad, const Importoptionen &o, Umgebung &u)
{
    const QString zeichen = nichtDarstellbareZeichen(cup);
    if (!zeichen.isEmpty()) {
        u.err << QStringLiteral("Die Cup-Datei kann diese Zeichen nicht speichern: %1; nichts wurde geschrieben.")
                     .arg(zeichen)
              << '\n';
        return false;
    }
    QString fehler;
    if (!speichernDatei(cup, o.ausgabe.isEmpty() ? pfad : o.ausgabe, &fehler)) {
        u.err << fehler << '\n';
        return false;
    }
    return true;
}

// The common start of both imports: options, the number of arguments (cup file first) and the cup.
// Returns -1 when the import can go on, otherwise the exit code (the message is printed).
int importBeginnen(QStringList &args, int anzahl, bool mitUeberschreiben, const QString &name, Importoptionen &o,
                   Cup &cup, Umgebung &u)
{
    QString grund;
    if (!nimmImportoptionen(args, o, mitUeberschreiben, &grund) || args.size() != anzahl) {
        u.err << (grund.isEmpty() ? QStringLiteral("Falsche Anzahl von Argumenten.") : grund) << '\n';
        return aufruffehler(u, name);
    }
    QString fehler;
    if (!ladenDatei(cup, args.at(0), &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    return -1;
}

// Reads the file to import; false (message printed) when it cannot be read.
bool importdateiLesen(const QString &datei, const Importoptionen &o, Rohtabelle *t, Umgebung &u)
{
    QString fehler;
    if (!tabelleLesen(datei, o.blatt, t, &fehler)) {
        u.err << fehler << '\n';
        return false;
    }
    return true;
}

// The common end: with --probe only the exit code rc; otherwise the plan is applied and the cup saved.
int importAbschliessen(Cup &cup, const QString &pfad, const Importoptionen &o, int rc,
                       const std::function<bool(QString *)> &anwenden, Umgebung &u)
{
    if (o.probe)
        return rc;
    QString fehler;
    if (!anwenden(&fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    if (!cupSchreiben(cup, pfad, o, u))
        return Fehler;
    return rc;
}

void problemeAusgeben(const QList<Importproblem> &probleme, const QString &datei, Umgebung &u)
{
    for (const Importproblem &p : probleme)
        u.err << datei << ": " << p.text() << '\n';
}

int importTeilnehmer(QStringList args, Umgebung &u)
{
    Importoptionen o;
    Cup cup;
    if (const int rc = importBeginnen(args, 2, false, QStringLiteral("import-teilnehmer"), o, cup, u); rc >= 0)
        return rc;
    Rohtabelle t;
    if (!importdateiLesen(args.at(1), o, &t, u))
        return Fehler;
    const Zuordnung z = zuordnungErkennen(t);
    const Teilnehmerimport plan = teilnehmerImportPlanen(cup, t, z);
    if (!plan.fehler.isEmpty()) {
        u.err << args.at(1) << ": " << plan.fehler << '\n';
        return Fehler;
    }
    u.out << plan.zusammenfassung() << '\n';
    for (const auto &e : plan.neu)
        u.out << QStringLiteral("  neu: %1, %2 (%3, %4, Startnummer %5)")
                     .arg(e.daten.name, e.daten.vorname, e.daten.alt, e.daten.cup.isEmpty() ? QStringLiteral("-") : e.daten.cup, e.daten.sn)
              << '\n';
    for (const auto &e : plan.geaendert)
        u.out << QStringLiteral("  geändert: %1, %2 (Startnummer %3)").arg(e.daten.name, e.daten.vorname, e.daten.sn)
              << '\n';
    problemeAusgeben(plan.probleme, args.at(1), u);
    u.out.flush();
    const int rc = plan.probleme.isEmpty() ? Ok : Fehler;
    return importAbschliessen(
        cup, args.at(0), o, rc, [&](QString *fehler) { return teilnehmerImportAnwenden(cup, plan, fehler); }, u);
}

int importErgebnisse(QStringList args, Umgebung &u)
{
    const QString name = QStringLiteral("import-ergebnisse");
    Importoptionen o;
    Cup cup;
    if (const int rc = importBeginnen(args, 3, true, name, o, cup, u); rc >= 0)
        return rc;
    int lauf = 0;
    if (!istInt(args.at(1), &lauf) || lauf < 1 || lauf > cup.anzahlLaufe()) {
        u.err << (cup.anzahlLaufe() == 0 ? QStringLiteral("Der Cup hat keinen Lauf.")
                                         : QStringLiteral("Einen Lauf \"%1\" gibt es nicht; der Cup hat die Läufe 1 bis %2.")
                                               .arg(args.at(1))
                                               .arg(cup.anzahlLaufe()))
              << '\n';
        return aufruffehler(u, name);
    }
    Rohtabelle t;
    if (!importdateiLesen(args.at(2), o, &t, u))
        return Fehler;
    const Ergebnisimport plan = ergebnisImportPlanen(cup, lauf, t, zuordnungErkennen(t));
    if (!plan.fehler.isEmpty()) {
        u.err << args.at(2) << ": " << plan.fehler << '\n';
        return Fehler;
    }
    u.out << plan.zusammenfassung() << '\n';
    for (const auto &k : plan.konflikte)
        u.out << QStringLiteral("  Zeile %1: %2, %3 (Startnummer %4): gespeichert %5, in der Datei %6%7")
                     .arg(k.dateizeile)
                     .arg(cup.teil.cell(Teilspalte::Name, k.zeile), cup.teil.cell(Teilspalte::Vorname, k.zeile), cup.teil.cell(Teilspalte::Startnummer, k.zeile), k.bisher,
                          k.ergebnis, o.ueberschreiben ? QStringLiteral(" (überschrieben)") : QString())
              << '\n';
    problemeAusgeben(plan.probleme, args.at(2), u);
    for (const auto &x : plan.unbekannt)
        u.err << args.at(2) << ": "
              << Importproblem{x.dateizeile,
                               x.startnummer.isEmpty()
                                   ? QStringLiteral("%1 ist kein Teilnehmer").arg(x.name)
                                   : QStringLiteral("Startnummer %1 unbekannt").arg(x.startnummer)}
                     .text()
              << '\n';
    u.out.flush();
    // Conflicts that stay as they were are rows left out too.
    const bool vollstaendig = plan.probleme.isEmpty() && plan.unbekannt.isEmpty() &&
                              (plan.konflikte.isEmpty() || o.ueberschreiben);
    const int rc = vollstaendig ? Ok : Fehler;
    return importAbschliessen(
        cup, args.at(0), o, rc,
        [&](QString *fehler) {
            return ergebnisImportAnwenden(cup, plan, QList<bool>(plan.konflikte.size(), o.ueberschreiben), fehler);
        },
        u);
}

int tabelle(QStringList args, Umgebung &u)
{
    const QString name = QStringLiteral("tabelle");
    Listenziel ziel;
    QString grund;
    if (!nimmListenziel(args, ziel, &grund) || !ziel.gesetzt() || args.size() != 1 ||
        args.first().startsWith(QLatin1String("--"))) {
        if (grund.isEmpty() && !ziel.gesetzt())
            grund = QStringLiteral("--csv DATEI oder --xlsx DATEI fehlt.");
        u.err << (grund.isEmpty() ? QStringLiteral("Falsche Argumente.") : grund) << '\n';
        return aufruffehler(u, name);
    }
    Cup cup;
    QString fehler;
    if (!ladenDatei(cup, args.first(), &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    int rc = Ok;
    listeSchreiben(ziel, [&cup] { return teilnehmerTabelle(cup); }, u, &rc);
    return rc;
}

const Registrierung importT{Befehl{
    QStringLiteral("import-teilnehmer"),
    QStringLiteral("tlt import-teilnehmer CUP.tl3 DATEI [--blatt NAME] [--probe] [--ausgabe NEU.tl3]"),
    QStringLiteral("Liest Teilnehmer aus einer CSV-, TXT-, XLSX- oder ODS-Datei in den Cup (--probe: nur zeigen)"),
    importTeilnehmer}};

const Registrierung importE{Befehl{
    QStringLiteral("import-ergebnisse"),
    QStringLiteral("tlt import-ergebnisse CUP.tl3 LAUF DATEI [--blatt NAME] [--ueberschreiben] [--probe] "
                   "[--ausgabe NEU.tl3]"),
    QStringLiteral("Liest die Ergebnisse eines Laufes aus einer CSV-, TXT-, XLSX- oder ODS-Datei"), importErgebnisse}};

const Registrierung tab{Befehl{QStringLiteral("tabelle"), QStringLiteral("tlt tabelle CUP.tl3 --csv DATEI | --xlsx DATEI"),
                               QStringLiteral("Schreibt die Teilnehmertabelle als CSV- oder Excel-Datei"), tabelle}};

} // namespace

} // namespace tlt::cli
