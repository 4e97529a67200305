// The certificate commands of tlt: winners' and participation certificates of one race and of the
// whole cup, written as a PDF (one certificate per page). Every cup variation is printed; nothing is asked.
#include "cli/befehl.h"

#include "certificates/urkundenbefehle.h"
#include "certificates/urkundenpdf.h"
#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/konvertierung.h"

namespace tlt::cli {

namespace {

const QString kOptionen = QStringLiteral("--pdf DATEI [--stil 0|1|2] [--unter1 TEXT] [--unter2 TEXT]");

struct Einstellungen {
    QString pdf;
    int stil = 0;
    Unterschriften unter;
};

bool nimmEinstellungen(QStringList &args, Einstellungen &e, QString *grund)
{
    bool pdf = false, stil = false;
    QString stiltext;
    if (!nimmOption(args, QStringLiteral("--pdf"), &e.pdf, &pdf) ||
        !nimmOption(args, QStringLiteral("--stil"), &stiltext, &stil) ||
        !nimmOption(args, QStringLiteral("--unter1"), &e.unter.unter1) ||
        !nimmOption(args, QStringLiteral("--unter2"), &e.unter.unter2)) {
        *grund = QStringLiteral("Einer Option fehlt ihr Wert.");
        return false;
    }
    if (!pdf || e.pdf.isEmpty()) {
        *grund = QStringLiteral("Urkunden werden als PDF geschrieben: --pdf DATEI fehlt.");
        return false;
    }
    if (stil) {
        if (stiltext != QLatin1String("0") && stiltext != QLatin1String("1") && stiltext != QLatin1String("2")) {
            *grund = QStringLiteral("--stil erwartet 0, 1 oder 2.");
            return false;
        }
        e.stil = stiltext.toInt();
    }
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--"))) {
            *grund = QStringLiteral("Unbekannte Option: %1").arg(a);
            return false;
        }
    }
    return true;
}

// The race argument: 1 … number of races.
bool laufLesen(const Cup &cup, const QString &text, int *k, QString *grund)
{
    if (cup.anzahlLaufe() == 0) {
        *grund = QStringLiteral("Der Cup hat keinen Lauf.");
        return false;
    }
    if (!istInt(text, k) || *k < 1 || *k > cup.anzahlLaufe()) {
        *grund = QStringLiteral("Einen Lauf \"%1\" gibt es nicht; der Cup hat die Läufe 1 bis %2.")
                     .arg(text)
                     .arg(cup.anzahlLaufe());
        return false;
    }
    return true;
}

// The start number as stored: an exact match first, else the participant whose number has the same
// value ("7" finds "007"). Empty when nobody has it.
QString startnummerSuchen(const Cup &cup, const QString &text)
{
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        if (cup.teil.cell(Teilspalte::Startnummer, r) == text)
            return text;
    int gesucht = 0;
    if (!istInt(text, &gesucht))
        return {};
    for (int r = 1; r < cup.teil.rowCount(); ++r) {
        int n = 0;
        if (istInt(cup.teil.cell(Teilspalte::Startnummer, r), &n) && n == gesucht)
            return cup.teil.cell(Teilspalte::Startnummer, r);
    }
    return {};
}

enum class Art { Sieger, Teilnahme, Gesamtsieger, Gesamtteilnehmer };

int ausfuehren(const QString &name, Art art, QStringList args, Umgebung &u)
{
    auto falsch = [&](const QString &grund) {
        u.err << grund << '\n';
        return aufruffehler(u, name);
    };
    Einstellungen e;
    QString grund;
    if (!nimmEinstellungen(args, e, &grund))
        return falsch(grund);

    int mindestens = 2, hoechstens = 2; // cup file and the positional arguments of the command
    switch (art) {
    case Art::Sieger:
        break;
    case Art::Teilnahme:
        mindestens = hoechstens = 3;
        break;
    case Art::Gesamtsieger:
        mindestens = 1;
        break;
    case Art::Gesamtteilnehmer:
        hoechstens = 3;
        break;
    }
    if (args.size() < mindestens || args.size() > hoechstens)
        return falsch(QStringLiteral("Falsche Anzahl von Argumenten."));

    Cup cup;
    QString fehler;
    if (!ladenDatei(cup, args.first(), &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    cup.urkundenstil = e.stil;

    // The race: given, or for the overall certificates the last race of the cup.
    QString laufText;
    QString startnummer;
    if (art == Art::Teilnahme) {
        laufText = args.at(1);
        startnummer = args.at(2);
    } else if (art == Art::Gesamtteilnehmer) {
        startnummer = args.at(1);
        laufText = args.value(2, QString::number(cup.anzahlLaufe()));
    } else {
        laufText = args.value(1, QString::number(cup.anzahlLaufe()));
    }
    int k = 0;
    if (!laufLesen(cup, laufText, &k, &grund))
        return falsch(grund);
    if (art == Art::Teilnahme || art == Art::Gesamtteilnehmer) {
        const QString gefunden = startnummerSuchen(cup, startnummer);
        // A start number the cup does not have is a wrong argument, like a race it does not have:
        // the same exit code as in every other command.
        if (gefunden.isEmpty())
            return falsch(QStringLiteral("Einen Teilnehmer mit der Startnummer \"%1\" gibt es nicht.").arg(startnummer));
        startnummer = gefunden;
    }

    int anzahl = 0;
    try {
        anzahl = urkundenAlsPdf(
            e.pdf,
            [&](Leinwand &l) {
                switch (art) {
                case Art::Sieger:
                    return siegerurkunde(cup, k, l, e.unter, {});
                case Art::Teilnahme:
                    return teilnehmerurkunde(cup, k, startnummer, l, e.unter);
                case Art::Gesamtsieger:
                    return gesamtsiegerurkunde(cup, k, l, e.unter);
                case Art::Gesamtteilnehmer:
                    return gesamtteilnehmerurkunde(cup, k, startnummer, l, e.unter);
                }
                return 0;
            },
            &fehler, cup.dateiname);
    } catch (const Konvertierungsfehler &ex) {
        u.err << ex.text() << '\n';
        return Fehler;
    }
    if (anzahl < 0) {
        u.err << fehler << '\n';
        return Fehler;
    }
    if (anzahl == 0) {
        // As in the window: no blank sheets, and a word why.
        if (!zeichnetGesamturkunden(e.stil) && (art == Art::Gesamtsieger || art == Art::Gesamtteilnehmer))
            u.err << QString(kKeineGesamturkunde.arg(urkundenstile().value(e.stil))).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        else
            u.err << kKeineUrkunde << '\n';
        u.err << QStringLiteral("Es wurde keine PDF-Datei geschrieben.") << '\n';
        return Ok;
    }
    u.out << (anzahl == 1 ? QStringLiteral("1 Urkunde") : QStringLiteral("%1 Urkunden").arg(anzahl))
          << QStringLiteral(" geschrieben: ") << e.pdf << '\n';
    return Ok;
}

const Registrierung sieger{Befehl{
    QStringLiteral("siegerurkunden"), QStringLiteral("tlt siegerurkunden CUP.tl3 LAUF ") + kOptionen,
    QStringLiteral("Siegerurkunden (Plätze 1-3 jeder Altersgruppe und Cup-Variation) eines Laufes als PDF"),
    [](const QStringList &a, Umgebung &u) { return ausfuehren(QStringLiteral("siegerurkunden"), Art::Sieger, a, u); }}};

const Registrierung teilnahme{Befehl{
    QStringLiteral("teilnahmeurkunde"), QStringLiteral("tlt teilnahmeurkunde CUP.tl3 LAUF STARTNUMMER ") + kOptionen,
    QStringLiteral("Teilnahmeurkunde eines Teilnehmers für einen Lauf als PDF"), [](const QStringList &a, Umgebung &u) {
        return ausfuehren(QStringLiteral("teilnahmeurkunde"), Art::Teilnahme, a, u);
    }}};

const Registrierung gesamtsieger{Befehl{
    QStringLiteral("gesamtsiegerurkunden"), QStringLiteral("tlt gesamtsiegerurkunden CUP.tl3 [LAUF] ") + kOptionen,
    QStringLiteral("Siegerurkunden der Gesamtwertung nach LAUF (ohne LAUF: nach dem letzten Lauf) als PDF"),
    [](const QStringList &a, Umgebung &u) {
        return ausfuehren(QStringLiteral("gesamtsiegerurkunden"), Art::Gesamtsieger, a, u);
    }}};

const Registrierung gesamtteilnehmer{
    Befehl{QStringLiteral("gesamtteilnehmerurkunde"),
           QStringLiteral("tlt gesamtteilnehmerurkunde CUP.tl3 STARTNUMMER [LAUF] ") + kOptionen,
           QStringLiteral("Gesamtcup-Urkunde eines Teilnehmers nach LAUF (ohne LAUF: nach dem letzten Lauf) als PDF"),
           [](const QStringList &a, Umgebung &u) {
               return ausfuehren(QStringLiteral("gesamtteilnehmerurkunde"), Art::Gesamtteilnehmer, a, u);
           }}};

} // namespace

} // namespace tlt::cli
