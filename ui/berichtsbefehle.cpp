#include "ui/berichtsbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/spalten.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "reports/drucken.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/laufergebnis.h"
#include "reports/listen.h"
#include "reports/teilnehmer.h"
#include "scoring/gesamtwertung.h"
#include "ui/html_unit.h"
#include "ui/main_unit.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStatusBar>
#include <optional>

namespace tlt::ui {

namespace {

// What a command does with the report once it stands in the pane.
enum class Ziel { Vorschau, Drucken, Html, Pdf };

struct Zielpunkt {
    Ziel ziel;
    const char *endung;
    const char *text;
};
constexpr Zielpunkt kZiele[] = {{Ziel::Vorschau, "_v", "&Vorschau"},
                                {Ziel::Drucken, "_d", "&Drucken"},
                                {Ziel::Html, "_h", "&HTML-Export"},
                                {Ziel::Pdf, "_p", "&PDF-Export"}};

// The race result list; the window then leaves the participants table in the list's order.
void laufergebnisMitOrdnung(const Cup &c, Ausgabe &a, const Berichtsobjekt &o)
{
    ausgabe_laufergebnis(c, a, o.lauf);
    o.ordnung = ergebnisfolge(c, o.lauf);
    o.ordnungstext = QStringLiteral("Sortieren nach Lauf %1").arg(o.lauf);
}

// The standings list; the window then leaves the participants table in the standings' order.
void gesamtMitOrdnung(const Cup &c, Ausgabe &a, const Berichtsobjekt &o)
{
    const Gesamtstand stand = gesamtstand(c, o.lauf);
    gesamt_vorschau(c, a, stand);
    o.ordnung = stand.reihenfolge;
    o.ordnungstext = QStringLiteral("Sortieren nach der Gesamtwertung");
}

// Each row: menu, submenu, text, group submenu and its text, where the object comes from, the
// report, the file name an export proposes, HTML, PDF (and, for "Statistik dieses Laufes", that
// printing needs participants).
const std::vector<Berichtsbefehl> kBerichte = {
    {Kontextmenue::Laufe, "laufe_pop_s", "&Statistik dieses Laufes", nullptr, nullptr, Quelle::LaufAusLaufe,
     laufergebnisMitOrdnung,
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Lauf_%1_Ergebnisliste").arg(o.lauf); }, true,
     true, true},
    {Kontextmenue::Laufe, "laufe_pop_f", "E&inlaufliste dieses Laufes", nullptr, nullptr, Quelle::LaufAusLaufe,
     [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_einlauf(c, a, o.lauf); },
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Lauf_%1_Einlaufliste").arg(o.lauf); }, true,
     true},
    {Kontextmenue::Laufe, "laufe_pop_d_1", "Version &1", "laufe_pop_d", "&DLV-Bericht dieses Laufes",
     Quelle::LaufAusLaufe, [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_dlv(c, a, o.lauf); },
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Lauf_%1_DLV-Bericht_Version_1").arg(o.lauf); },
     false, true},
    {Kontextmenue::Laufe, "laufe_pop_d_2", "Version &2", "laufe_pop_d", "&DLV-Bericht dieses Laufes",
     Quelle::LaufAusLaufe, [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_dlv_2(c, a, o.lauf); },
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Lauf_%1_DLV-Bericht_Version_2").arg(o.lauf); },
     false, true},
    {Kontextmenue::Laufe, "laufe_pop_g", "&Gesamtstatistik nach diesem Lauf", nullptr, nullptr, Quelle::LaufAusLaufe,
     gesamtMitOrdnung,
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Gesamtwertung_nach_Lauf_%1").arg(o.lauf); },
     true, true},
    {Kontextmenue::Laufe, "laufe_pop_x", "Gesamtstatistik &ausführlich nach diesem Lauf", nullptr, nullptr,
     Quelle::LaufAusLaufe,
     [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_gesamt_ausfuehrlich(c, a, o.lauf); },
     [](const Cup &, const Berichtsobjekt &o) {
         return QStringLiteral("Gesamtwertung_ausfuehrlich_nach_Lauf_%1").arg(o.lauf);
     },
     true, true},
    {Kontextmenue::Laufe, "laufe_pop_w", "&Wer kann noch gewinnen?", nullptr, nullptr, Quelle::LaufUndVerbleibend,
     [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_noch_offen(c, a, o.lauf, o.verbleibend); },
     [](const Cup &, const Berichtsobjekt &o) {
         return QStringLiteral("Wer_kann_noch_gewinnen_nach_Lauf_%1").arg(o.lauf);
     },
     true, true},

    {Kontextmenue::Teil, "teil_pop_t", "&Teilnehmerstatistik", nullptr, nullptr, Quelle::Teilnehmer,
     [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_teilnehmer(c, a, o.zeile); },
     [](const Cup &c, const Berichtsobjekt &o) {
         return QStringLiteral("Teilnehmerstatistik_") + c.teil.cell(Teilspalte::Startnummer, o.zeile);
     },
     true, true},
    {Kontextmenue::Teil, "teil_pop_a", "Teilnehmerstatistik - &Alle", nullptr, nullptr, Quelle::Alle,
     [](const Cup &c, Ausgabe &a, const Berichtsobjekt &) { ausgabe_teilnehmeralle(c, a); },
     [](const Cup &, const Berichtsobjekt &) { return QStringLiteral("Teilnehmerstatistik_Alle"); }, true, true},
    {Kontextmenue::Teil, "teil_pop_c", "&Cup-Auskunft", nullptr, nullptr, Quelle::TeilnehmerUndLauf,
     [](const Cup &c, Ausgabe &a, const Berichtsobjekt &o) { ausgabe_auskunft(c, a, o.zeile, o.lauf); },
     [](const Cup &c, const Berichtsobjekt &o) {
         return QStringLiteral("Cup-Auskunft_%1_nach_Lauf_%2")
             .arg(c.teil.cell(Teilspalte::Startnummer, o.zeile))
             .arg(o.lauf);
     },
     true, true},
    {Kontextmenue::Teil, "teil_pop_s", "&Statistik dieses Laufes", nullptr, nullptr, Quelle::LaufAusTeil,
     laufergebnisMitOrdnung,
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Lauf_%1_Ergebnisliste").arg(o.lauf); }, true,
     true},
    {Kontextmenue::Teil, "teil_pop_g", "&Gesamtstatistik nach diesem Lauf", nullptr, nullptr, Quelle::LaufAusTeil,
     gesamtMitOrdnung,
     [](const Cup &, const Berichtsobjekt &o) { return QStringLiteral("Gesamtwertung_nach_Lauf_%1").arg(o.lauf); },
     true, true},
};

// The object of a report from the window's selection; none when nothing fitting is selected (the
// menus are disabled then, so a stray call does nothing) or when the user cancels a question.
std::optional<Berichtsobjekt> objekt(MainUnit &w, Quelle quelle)
{
    const Cup &cup = w.cup();
    const auto lauf = [&cup](int k) { return k >= 1 && k <= cup.anzahlLaufe() ? k : 0; };
    const int r = w.gewaehlteZeile();
    const int zeile = r >= 1 && r <= cup.anzahlTeilnehmer() ? r : 0;
    Berichtsobjekt o;
    switch (quelle) {
    case Quelle::LaufAusLaufe:
    case Quelle::LaufUndVerbleibend:
        o.lauf = lauf(w.gewaehlterLauf());
        if (o.lauf == 0)
            return std::nullopt;
        if (quelle == Quelle::LaufUndVerbleibend) {
            o.verbleibend = zahlFragen(&w, QStringLiteral("Wer kann noch gewinnen?"),
                                       QStringLiteral("Wie viele Läufe stehen noch aus?"), 1, 0, 100);
            if (o.verbleibend < 0)
                return std::nullopt;
        }
        return o;
    case Quelle::LaufAusTeil:
        o.lauf = lauf(w.gewaehlterLaufTeil());
        return o.lauf == 0 ? std::nullopt : std::optional(o);
    case Quelle::Teilnehmer:
        o.zeile = zeile;
        return o.zeile == 0 ? std::nullopt : std::optional(o);
    case Quelle::Alle:
        return o;
    case Quelle::TeilnehmerUndLauf:
        // The statement after the race whose result column is selected, or after the last race.
        if (zeile == 0 || cup.anzahlLaufe() < 1)
            return std::nullopt;
        o.zeile = zeile;
        o.lauf = lauf(w.gewaehlterLaufTeil());
        if (o.lauf == 0)
            o.lauf = cup.anzahlLaufe();
        return o;
    }
    return std::nullopt;
}

bool freigegeben(MainUnit &w, Quelle quelle)
{
    const Cup &cup = w.cup();
    const bool teilnehmer = cup.anzahlTeilnehmer() >= 1;
    switch (quelle) {
    case Quelle::LaufAusLaufe:
    case Quelle::LaufUndVerbleibend:
        return w.gewaehlterLauf() != 0 && teilnehmer;
    case Quelle::LaufAusTeil:
        return w.gewaehlterLaufTeil() >= 1 && teilnehmer;
    case Quelle::Teilnehmer:
    case Quelle::Alle:
        return w.gewaehlteZeile() != 0;
    case Quelle::TeilnehmerUndLauf:
        return w.gewaehlteZeile() != 0 && cup.anzahlLaufe() > 0;
    }
    return false;
}

void ausfuehren(MainUnit &w, const Berichtsbefehl &b, Ziel ziel)
{
    if (ziel == Ziel::Drucken && b.druckenNurMitTeilnehmern && w.cup().anzahlTeilnehmer() < 1)
        return;
    const std::optional<Berichtsobjekt> o = objekt(w, b.quelle);
    if (!o)
        return;
    // Printing asks first and builds the report only for a confirmed print.
    if (ziel == Ziel::Drucken && !drucken(&w, w.drucker()))
        return;
    QString meldung;
    bool ok = true;
    try {
        b.bericht(w.cup(), w.ausgabe(), *o);
        // The participants table follows the report's order as a step of its own (it can be undone
        // and does not make the cup changed).
        if (!o->ordnung.empty())
            w.dokument().ausfuehren(
                o->ordnungstext, [&o](Cup &cup) { teilOrdnen(cup, o->ordnung); },
                CupDokument::Art::Ordnung);
    } catch (const Konvertierungsfehler &f) {
        // The lines written up to the failure stay in the pane; nothing is printed or exported.
        ok = false;
        meldung = f.text();
    }
    // Some reports re-sort the participants.
    w.aktualisieren();
    if (!ok) {
        fehler(&w, meldung);
        return;
    }
    switch (ziel) {
    case Ziel::Vorschau:
        w.zeigeAusgabe();
        break;
    case Ziel::Drucken:
        druckeAusgabe(w);
        break;
    case Ziel::Html:
        ausgabe2html(w, b.dateiname(w.cup(), *o));
        break;
    case Ziel::Pdf:
        ausgabe2pdf(w, b.dateiname(w.cup(), *o));
        break;
    }
}

QMenu *untermenue(MainUnit &w, QMenu *in, const char *name, const char *text)
{
    auto *m = new QMenu(QString::fromUtf8(text), &w);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    in->addMenu(m);
    return m;
}

QString startordner(const Cup &cup)
{
    return cup.dateiname.isEmpty() ? QString() : QFileInfo(cup.dateiname).absolutePath();
}

// The file an export proposes: the report's name in the cup's folder (only the folder without a name).
QString vorschlag(const Cup &cup, QString name, const QString &endung)
{
    const QString ordner = startordner(cup);
    if (name.isEmpty())
        return ordner;
    // Characters that a file name cannot hold on every system become "_".
    static const QRegularExpression verboten(QStringLiteral("[\\\\/:*?\"<>|\\s]"));
    name.replace(verboten, QStringLiteral("_"));
    const QString datei = name + QLatin1Char('.') + endung;
    return ordner.isEmpty() ? datei : QDir(ordner).filePath(datei);
}

void geschriebenMelden(MainUnit &w, const QString &pfad)
{
    w.statusBar()->showMessage(QStringLiteral("Gespeichert unter %1").arg(QDir::toNativeSeparators(pfad)), 30000);
}

// The save dialog; a name typed without an extension gets the default one. If that names an existing
// file, the question the dialog could not ask is asked here.
QString zieldatei(MainUnit &w, const Dateiauswahl &a)
{
    QString pfad = dateiSpeichern(&w, a);
    if (pfad.isEmpty())
        return {};
    if (QFileInfo(pfad).suffix().isEmpty() && !a.endung.isEmpty()) {
        if (!pfad.endsWith(QLatin1Char('.')))
            pfad += QLatin1Char('.');
        pfad += a.endung;
        if (QFileInfo::exists(pfad) &&
            !frage(&w, QStringLiteral("Die Datei \"%1\" existiert bereits.\r\nWollen Sie sie ersetzen?")
                           .arg(QFileInfo(pfad).fileName())))
            return {};
    }
    return pfad;
}

} // namespace

const std::vector<Berichtsbefehl> &berichtsbefehle()
{
    return kBerichte;
}

std::vector<Berichtsmenue> berichtsmenuesBauen(MainUnit &w, QMenu *kontext, Kontextmenue k)
{
    std::vector<Berichtsmenue> menues;
    QMenu *gruppe = nullptr;
    const char *gruppenname = nullptr;
    for (const Berichtsbefehl &b : kBerichte) {
        if (b.menue != k)
            continue;
        QMenu *in = kontext;
        if (b.gruppe) {
            if (!gruppenname || qstrcmp(gruppenname, b.gruppe) != 0) {
                gruppe = untermenue(w, kontext, b.gruppe, b.gruppentitel);
                gruppenname = b.gruppe;
                menues.push_back({gruppe->menuAction(), b.quelle});
            }
            in = gruppe;
        } else {
            gruppenname = nullptr;
        }
        QMenu *m = untermenue(w, in, b.name, b.titel);
        if (!b.gruppe)
            menues.push_back({m->menuAction(), b.quelle});
        for (const Zielpunkt &z : kZiele) {
            if ((z.ziel == Ziel::Html && !b.html) || (z.ziel == Ziel::Pdf && !b.pdf))
                continue;
            auto *a = new QAction(QString::fromUtf8(z.text), m);
            a->setObjectName(QLatin1String(b.name) + QLatin1String(z.endung));
            m->addAction(a);
            QObject::connect(a, &QAction::triggered, &w, [&w, &b, ziel = z.ziel] { ausfuehren(w, b, ziel); });
        }
    }
    return menues;
}

void berichtsmenuesFreigeben(MainUnit &w, const std::vector<Berichtsmenue> &menues)
{
    for (const Berichtsmenue &m : menues)
        m.aktion->setEnabled(freigegeben(w, m.quelle));
}

void berichteAnschliessen(MainUnit &w)
{
    auto *html = new HtmlUnit(w.cup(), &w);
    w.dialoge().html = html;
    // A new cup sets the style back; an open dialog shows that at once.
    QObject::connect(w.punkte().m_d_n, &QAction::triggered, html, &HtmlUnit::stilAnzeigen);
    QObject::connect(w.punkte().m_e_h, &QAction::triggered, html, &HtmlUnit::zeigen);
}

// ---------------------------------------------------------------- print dialog and targets

bool drucken(QWidget *parent, QPrinter &drucker)
{
    // A printer that writes into a file needs no installed printer; the window's printer has no file.
    if (drucker.outputFileName().isEmpty() && QPrinterInfo::availablePrinters().isEmpty()) {
        warnung(parent, QStringLiteral("Es ist kein Drucker installiert.\r\n"
                                       "Richten Sie einen Drucker ein oder verwenden Sie den PDF-Export."));
        return false;
    }
    return druckdialog(parent, &drucker);
}

bool druckeAusgabe(MainUnit &w)
{
    QString text;
    if (!printausgabe(w.ausgabe(), w.drucker(), kDruckraender, &text)) {
        fehler(&w, text);
        return false;
    }
    return true;
}

Dateiauswahl savehtml(const Cup &cup, const QString &name)
{
    return {QStringLiteral("HTML-Export speichern unter"),
            QStringLiteral("HTML-Dateien (*.htm *.html);;alle Dateien (*)"), QStringLiteral("htm"),
            vorschlag(cup, name, QStringLiteral("htm"))};
}

Dateiauswahl savepdf(const Cup &cup, const QString &name)
{
    return {QStringLiteral("PDF-Export speichern unter"), QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"),
            vorschlag(cup, name, QStringLiteral("pdf"))};
}

bool ausgabe2html(MainUnit &w, const QString &name)
{
    const QString pfad = zieldatei(w, savehtml(w.cup(), name));
    if (pfad.isEmpty())
        return false;
    QString text;
    if (!tlt::ausgabe2html(w.ausgabe(), w.cup(), pfad, &text)) {
        fehler(&w, text);
        return false;
    }
    geschriebenMelden(w, pfad);
    return true;
}

bool ausgabe2pdf(MainUnit &w, const QString &name)
{
    const QString pfad = zieldatei(w, savepdf(w.cup(), name));
    if (pfad.isEmpty())
        return false;
    QString text;
    if (!ausgabeAlsPdf(w.ausgabe(), pfad, &text, w.cup().dateiname)) {
        fehler(&w, text);
        return false;
    }
    geschriebenMelden(w, pfad);
    return true;
}

} // namespace tlt::ui
