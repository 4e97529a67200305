// The report commands of tlt: race result list, overall standings, participant statistics and
// the DLV event report, written as text to stdout, as an HTML page or as a PDF.
#include "cli/befehl.h"
#include "cli/listenausfuhr.h"

#include "austausch/ausfuhr.h"

#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/konvertierung.h"
#include "core/sicheresschreiben.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "reports/drucken.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/laufergebnis.h"
#include "reports/listen.h"
#include "reports/pdf.h"
#include "reports/teilnehmer.h"


#include <utility>

namespace tlt::cli {

namespace {

const QString kZiele = QStringLiteral("[--html DATEI [--html-stil 0|1] | --pdf DATEI]");
const QString kZieleMitCsv = QStringLiteral("[--html DATEI [--html-stil 0|1] | --pdf DATEI | --csv DATEI]");
const QString kListenziele = QStringLiteral("[--html DATEI [--html-stil 0|1] | --pdf DATEI | --csv DATEI | --xlsx DATEI]");

struct Ziel {
    QString html;
    int htmlstil = 0;
    QString pdf;
    QString csv;
};

// A report command: its positional arguments after the cup file, and the function that writes
// the report into the pane (after checking the arguments against the loaded cup).
struct Bericht {
    int positionale = 0;
    // Returns an empty text when the arguments fit the cup, otherwise the reason they do not.
    std::function<QString(const Cup &, const QStringList &)> pruefen;
    std::function<void(Cup &, Ausgabe &, const QStringList &)> schreiben;
    // The report as CSV text; reports without it refuse --csv, unless they have a table.
    std::function<QString(const Cup &, const QStringList &)> csv = {};
    int optionale = 0; // positional arguments that may follow the required ones
    // The list as a table for --csv/--xlsx (numbers and times a spreadsheet sorts; XLSX too).
    std::function<Ausfuhrtabelle(const Cup &, const QStringList &)> tabelle = {};
};

bool nimmZiel(QStringList &args, Ziel &ziel, QString *grund)
{
    bool html = false, stil = false, pdf = false, csv = false;
    QString stiltext;
    if (!nimmOption(args, QStringLiteral("--html"), &ziel.html, &html) ||
        !nimmOption(args, QStringLiteral("--html-stil"), &stiltext, &stil) ||
        !nimmOption(args, QStringLiteral("--pdf"), &ziel.pdf, &pdf) ||
        !nimmOption(args, QStringLiteral("--csv"), &ziel.csv, &csv)) {
        *grund = QStringLiteral("Einer Option fehlt ihr Wert.");
        return false;
    }
    if (int(html) + int(pdf) + int(csv) > 1) {
        *grund = csv ? QStringLiteral("--html, --pdf und --csv schließen einander aus.")
                     : QStringLiteral("--html und --pdf schließen einander aus.");
        return false;
    }
    if (stil) {
        if (!html) {
            *grund = QStringLiteral("--html-stil gilt nur zusammen mit --html.");
            return false;
        }
        if (stiltext != QLatin1String("0") && stiltext != QLatin1String("1")) {
            *grund = QStringLiteral("--html-stil erwartet 0 oder 1.");
            return false;
        }
        ziel.htmlstil = stiltext.toInt();
    }
    if ((html && ziel.html.isEmpty()) || (pdf && ziel.pdf.isEmpty()) || (csv && ziel.csv.isEmpty())) {
        *grund = QStringLiteral("Der Dateiname fehlt.");
        return false;
    }
    return true;
}

void zeilenAusgeben(const Ausgabe &aus, QTextStream &out)
{
    for (const Ausgabezeile &z : aus.zeilen())
        out << z.text << '\n';
    out.flush();
}

// Writes the bytes through the safe writer, never over the cup file they were made from.
bool dateiSchreiben(const QByteArray &daten, const QString &pfad, const QString &art, QString *fehler,
                    const QString &eingabe)
{
    return sicherSchreiben(pfad, daten, fehler, {QStringLiteral("Die ") + art, eingabe});
}

int ausfuehren(const QString &name, const Bericht &bericht, QStringList args, Umgebung &u)
{
    auto falsch = [&](const QString &grund) {
        u.err << grund << '\n';
        return aufruffehler(u, name);
    };

    Ziel ziel;
    QString grund;
    if (!nimmZiel(args, ziel, &grund))
        return falsch(grund);
    Listenziel liste;
    if (bericht.tabelle) {
        if (!nimmListenziel(args, liste, &grund))
            return falsch(grund);
        // --csv was taken with the other targets; without a CSV text of its own the report writes its table.
        if (!bericht.csv && !ziel.csv.isEmpty())
            liste.csv = std::exchange(ziel.csv, QString());
        if (liste.gesetzt() && (!ziel.html.isEmpty() || !ziel.pdf.isEmpty() || !ziel.csv.isEmpty()))
            return falsch(QStringLiteral("--csv/--xlsx und --html/--pdf schließen einander aus."));
    }
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--")))
            return falsch(QStringLiteral("Unbekannte Option: %1").arg(a));
    if (args.size() < 1 + bericht.positionale || args.size() > 1 + bericht.positionale + bericht.optionale)
        return falsch(QStringLiteral("Falsche Anzahl von Argumenten."));
    if (!ziel.csv.isEmpty() && !bericht.csv)
        return falsch(QStringLiteral("Diesen Bericht gibt es nicht als CSV."));

    Cup cup;
    QString fehler;
    if (!ladenDatei(cup, args.first(), &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    const QStringList rest = args.mid(1);
    if (bericht.pruefen) {
        grund = bericht.pruefen(cup, rest);
        if (!grund.isEmpty())
            return falsch(grund);
    }

    int rc = Ok;
    if (listeSchreiben(liste, [&] { return bericht.tabelle(cup, rest); }, u, &rc))
        return rc;

    if (!ziel.csv.isEmpty()) {
        QString text;
        try {
            text = bericht.csv(cup, rest);
        } catch (const Konvertierungsfehler &e) {
            u.err << e.text() << '\n';
            return Fehler;
        }
        if (!dateiSchreiben(csvDatei(text), ziel.csv, QStringLiteral("CSV-Datei"), &fehler, cup.dateiname)) {
            u.err << fehler << '\n';
            return Fehler;
        }
        return Ok;
    }

    Ausgabe aus;
    try {
        bericht.schreiben(cup, aus, rest);
    } catch (const Konvertierungsfehler &e) {
        // The report stops; what it wrote so far is still worth seeing.
        zeilenAusgeben(aus, u.out);
        u.err << e.text() << '\n';
        return Fehler;
    }

    if (!ziel.html.isEmpty()) {
        cup.htmlstil = ziel.htmlstil;
        if (!ausgabe2html(aus, cup, ziel.html, &fehler)) {
            u.err << fehler << '\n';
            return Fehler;
        }
    } else if (!ziel.pdf.isEmpty()) {
        if (!ausgabeAlsPdf(aus, ziel.pdf, &fehler, cup.dateiname)) {
            u.err << fehler << '\n';
            return Fehler;
        }
    } else {
        zeilenAusgeben(aus, u.out);
    }
    return Ok;
}

// The race number argument: 1 … number of races.
QString laufPruefen(const Cup &cup, const QString &text)
{
    int k = 0;
    if (!istInt(text, &k) || k < 1 || k > cup.anzahlLaufe()) {
        if (cup.anzahlLaufe() == 0)
            return QStringLiteral("Der Cup hat keinen Lauf.");
        return QStringLiteral("Einen Lauf \"%1\" gibt es nicht; der Cup hat die Läufe 1 bis %2.")
            .arg(text)
            .arg(cup.anzahlLaufe());
    }
    return {};
}

// The row of the participant with this start number ("7" finds "007"); 0 when there is none.
int zeileZurStartnummer(const Cup &cup, const QString &text)
{
    int gesucht = 0;
    if (!istInt(text, &gesucht) || gesucht < 1)
        return 0;
    for (int r = 1; r < cup.teil.rowCount(); ++r) {
        int n = 0;
        if (istInt(cup.teil.cell(Teilspalte::Startnummer, r), &n) && n == gesucht)
            return r;
    }
    return 0;
}

Bericht laufbericht(std::function<void(Cup &, Ausgabe &, int)> f,
                    std::function<Ausfuhrtabelle(const Cup &, int)> tabelle = {})
{
    Bericht b{1, [](const Cup &cup, const QStringList &a) { return laufPruefen(cup, a.at(0)); },
              [f](Cup &cup, Ausgabe &aus, const QStringList &a) { f(cup, aus, a.at(0).trimmed().toInt()); }};
    if (tabelle)
        b.tabelle = [tabelle](const Cup &cup, const QStringList &a) { return tabelle(cup, a.at(0).trimmed().toInt()); };
    return b;
}

const Registrierung laufergebnis{
    Befehl{QStringLiteral("laufergebnis"), QStringLiteral("tlt laufergebnis CUP.tl3 LAUF ") + kListenziele,
           QStringLiteral("Ergebnisliste eines Laufes nach Cupvariante und Altersgruppe"),
           [](const QStringList &args, Umgebung &u) {
               return ausfuehren(QStringLiteral("laufergebnis"), laufbericht(ausgabe_laufergebnis, laufergebnisTabelle), args, u);
           }}};

const Registrierung gesamt{
    Befehl{QStringLiteral("gesamt"), QStringLiteral("tlt gesamt CUP.tl3 LAUF [--ausfuehrlich] ") + kListenziele,
           QStringLiteral("Gesamtwertung nach diesem Lauf (--ausfuehrlich: mit den Punkten jedes Laufes)"),
           [](QStringList args, Umgebung &u) {
               const int schalter = static_cast<int>(args.removeAll(QStringLiteral("--ausfuehrlich")));
               if (schalter == 0)
                   return ausfuehren(QStringLiteral("gesamt"), laufbericht(ausgabe_gesamt, gesamtTabelle), args, u);
               Bericht b = laufbericht([](Cup &cup, Ausgabe &aus, int n) { ausgabe_gesamt_ausfuehrlich(cup, aus, n); });
               b.csv = [](const Cup &cup, const QStringList &a) {
                   return gesamtAusfuehrlichCsv(cup, a.at(0).trimmed().toInt());
               };
               return ausfuehren(QStringLiteral("gesamt"), b, args, u);
           }}};

const Registrierung einlaufliste{Befehl{
    QStringLiteral("einlauf"), QStringLiteral("tlt einlauf CUP.tl3 LAUF ") + kZieleMitCsv,
    QStringLiteral("Einlaufliste eines Laufes mit Gesamtplatz, Platz bei Frauen/Männern und in der Altersgruppe"),
    [](const QStringList &args, Umgebung &u) {
        Bericht b = laufbericht([](Cup &cup, Ausgabe &aus, int k) { ausgabe_einlauf(cup, aus, k); });
        b.csv = [](const Cup &cup, const QStringList &a) { return einlaufCsv(cup, a.at(0).trimmed().toInt()); };
        return ausfuehren(QStringLiteral("einlauf"), b, args, u);
    }}};

// The race of a statement: the given one, or the last race of the cup.
int auskunftLauf(const Cup &cup, const QStringList &a)
{
    return a.size() > 1 ? a.at(1).trimmed().toInt() : cup.anzahlLaufe();
}

const Registrierung auskunft{Befehl{
    QStringLiteral("auskunft"), QStringLiteral("tlt auskunft CUP.tl3 STARTNUMMER [LAUF] ") + kZieleMitCsv,
    QStringLiteral("Cup-Auskunft: jeder Lauf mit Punkten und Wertung, Teilnahmen und Gesamtplatz (ohne LAUF: nach dem "
                   "letzten Lauf)"),
    [](const QStringList &args, Umgebung &u) {
        Bericht b{1,
                  [](const Cup &cup, const QStringList &a) {
                      if (zeileZurStartnummer(cup, a.at(0)) == 0)
                          return QStringLiteral("Keine Teilnahme mit der Startnummer \"%1\".").arg(a.at(0));
                      if (a.size() > 1)
                          return laufPruefen(cup, a.at(1));
                      return cup.anzahlLaufe() == 0 ? QStringLiteral("Der Cup hat keinen Lauf.") : QString();
                  },
                  [](Cup &cup, Ausgabe &aus, const QStringList &a) {
                      ausgabe_auskunft(cup, aus, zeileZurStartnummer(cup, a.at(0)), auskunftLauf(cup, a));
                  },
                  [](const Cup &cup, const QStringList &a) {
                      return auskunftCsv(cup, zeileZurStartnummer(cup, a.at(0)), auskunftLauf(cup, a));
                  },
                  1};
        return ausfuehren(QStringLiteral("auskunft"), b, args, u);
    }}};

const Registrierung nochOffen{Befehl{
    QStringLiteral("noch-offen"), QStringLiteral("tlt noch-offen CUP.tl3 LAUF [--verbleibend K] ") + kZieleMitCsv,
    QStringLiteral("Wer kann noch gewinnen? Stand nach LAUF mit K weiteren Läufen (ohne Angabe 1)"),
    [](QStringList args, Umgebung &u) {
        QString text = QStringLiteral("1");
        int k = 0;
        if (!nimmOption(args, QStringLiteral("--verbleibend"), &text) || !istInt(text, &k) || k < 0 || k > 100) {
            u.err << "--verbleibend erwartet die Zahl der noch ausstehenden Läufe (0 bis 100).\n";
            return aufruffehler(u, QStringLiteral("noch-offen"));
        }
        Bericht b = laufbericht([k](Cup &cup, Ausgabe &aus, int n) { ausgabe_noch_offen(cup, aus, n, k); });
        b.csv = [k](const Cup &cup, const QStringList &a) { return nochOffenCsv(cup, a.at(0).trimmed().toInt(), k); };
        return ausfuehren(QStringLiteral("noch-offen"), b, args, u);
    }}};

const Registrierung teilnehmer{Befehl{
    QStringLiteral("teilnehmer"), QStringLiteral("tlt teilnehmer CUP.tl3 STARTNUMMER ") + kZiele,
    QStringLiteral("Statistik einer Teilnehmerin oder eines Teilnehmers"), [](const QStringList &args, Umgebung &u) {
        Bericht b{1,
                  [](const Cup &cup, const QStringList &a) {
                      return zeileZurStartnummer(cup, a.at(0)) > 0
                                 ? QString()
                                 : QStringLiteral("Keine Teilnahme mit der Startnummer \"%1\".").arg(a.at(0));
                  },
                  [](Cup &cup, Ausgabe &aus, const QStringList &a) {
                      ausgabe_teilnehmer(cup, aus, zeileZurStartnummer(cup, a.at(0)));
                  }};
        return ausfuehren(QStringLiteral("teilnehmer"), b, args, u);
    }}};

const Registrierung teilnehmerAlle{
    Befehl{QStringLiteral("teilnehmer-alle"), QStringLiteral("tlt teilnehmer-alle CUP.tl3 ") + kZiele,
           QStringLiteral("Statistik aller Teilnehmer"), [](const QStringList &args, Umgebung &u) {
               Bericht b{0, {}, [](Cup &cup, Ausgabe &aus, const QStringList &) { ausgabe_teilnehmeralle(cup, aus); }};
               return ausfuehren(QStringLiteral("teilnehmer-alle"), b, args, u);
           }}};

const Registrierung dlv{
    Befehl{QStringLiteral("dlv"), QStringLiteral("tlt dlv CUP.tl3 LAUF [--version 1|2] ") + kZiele,
           QStringLiteral("DLV-Veranstaltungsbericht eines Laufes (Version 1 oder 2, ohne Angabe 1)"),
           [](QStringList args, Umgebung &u) {
               QString version = QStringLiteral("1");
               if (!nimmOption(args, QStringLiteral("--version"), &version) ||
                   (version != QLatin1String("1") && version != QLatin1String("2"))) {
                   u.err << "--version erwartet 1 oder 2.\n";
                   return aufruffehler(u, QStringLiteral("dlv"));
               }
               const bool zwei = version == QLatin1String("2");
               return ausfuehren(QStringLiteral("dlv"), laufbericht([zwei](Cup &cup, Ausgabe &aus, int k) {
                                     if (zwei)
                                         ausgabe_dlv_2(cup, aus, k);
                                     else
                                         ausgabe_dlv(cup, aus, k);
                                 }),
                                 args, u);
           }}};

} // namespace

} // namespace tlt::cli
