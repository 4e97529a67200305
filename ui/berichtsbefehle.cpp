#include "ui/berichtsbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "reports/drucken.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/laufergebnis.h"
#include "reports/teilnehmer.h"
#include "scoring/gesamtwertung.h"
#include "ui/html_unit.h"
#include "ui/main_unit.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <deque>
#include <functional>
#include <utility>

namespace tlt::ui {

namespace {

struct DruckHooks {
    std::deque<bool> antworten;
    bool testmodus = false;
    int dialoge = 0;
    int unerwartet = 0;
};
DruckHooks &druckHooks()
{
    static DruckHooks h;
    return h;
}

// What a command does with the report once it stands in the pane.
enum class Ziel { Vorschau, Drucken, Html, Pdf };

using Bericht = std::function<void(Cup &, Ausgabe &)>;

void ausfuehren(MainUnit &w, Ziel ziel, const Bericht &bericht)
{
    // Printing asks first and builds the report only for a confirmed print.
    if (ziel == Ziel::Drucken && !drucken(&w, w.drucker()))
        return;
    QString meldung;
    bool ok = true;
    try {
        bericht(w.cup(), w.ausgabe());
    } catch (const Konvertierungsfehler &f) {
        // The lines written up to the failure stay in the pane; nothing is printed or exported.
        ok = false;
        meldung = f.meldung();
    }
    // The reports re-sort the participants.
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
        ausgabe2html(w);
        break;
    case Ziel::Pdf:
        ausgabe2pdf(w);
        break;
    }
}

// The selected race: from the races table its column, from the participants table its column
// minus 7. 0 when no race is selected (the menus are disabled then; a stray call does nothing).
int laufAusLaufe(MainUnit &w)
{
    const int k = w.gewaehlterLauf();
    return k >= 1 && k <= w.cup().anzahlLaufe() ? k : 0;
}
int laufAusTeil(MainUnit &w)
{
    const int k = w.gewaehlterLaufTeil();
    return k >= 1 && k <= w.cup().anzahlLaufe() ? k : 0;
}
int teilnehmerZeile(MainUnit &w)
{
    const int r = w.gewaehlteZeile();
    return r >= 1 && r <= w.cup().anzahlTeilnehmer() ? r : 0;
}

void laufergebnis(MainUnit &w, Ziel ziel, int k)
{
    if (k > 0)
        ausfuehren(w, ziel, [k](Cup &c, Ausgabe &a) { ausgabe_laufergebnis(c, a, k); });
}
void gesamt(MainUnit &w, Ziel ziel, int n)
{
    if (n > 0)
        ausfuehren(w, ziel, [&w, n](const Cup &c, Ausgabe &a) {
            const Gesamtstand stand = gesamtstand(c, n);
            gesamt_vorschau(c, a, stand);
            // The participants table is left in the standings' order, as a step of its own.
            w.dokument().ausfuehren(
                QStringLiteral("Sortieren nach der Gesamtwertung"),
                [&](Cup &cup) { teilOrdnen(cup, stand.reihenfolge); }, CupDokument::Art::Ordnung);
        });
}
void dlv(MainUnit &w, Ziel ziel, int version)
{
    const int c = laufAusLaufe(w);
    if (c == 0)
        return;
    ausfuehren(w, ziel, [c, version](Cup &cup, Ausgabe &a) {
        if (version == 1)
            ausgabe_dlv(cup, a, c);
        else
            ausgabe_dlv_2(cup, a, c);
    });
}
void teilnehmer(MainUnit &w, Ziel ziel)
{
    const int r = teilnehmerZeile(w);
    if (r > 0)
        ausfuehren(w, ziel, [r](Cup &c, Ausgabe &a) { ausgabe_teilnehmer(c, a, r); });
}
void alle(MainUnit &w, Ziel ziel)
{
    ausfuehren(w, ziel, [](Cup &c, Ausgabe &a) { ausgabe_teilnehmeralle(c, a); });
}

QString startordner(const Cup &cup)
{
    return cup.dateiname.isEmpty() ? QString() : QFileInfo(cup.dateiname).absolutePath();
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

// ---------------------------------------------------------------- print dialog and targets

bool drucken(QWidget *parent, QPrinter &drucker)
{
    DruckHooks &h = druckHooks();
    ++h.dialoge;
    // A printer that writes into a file needs no installed printer; the window's printer has no file.
    if (drucker.outputFileName().isEmpty() && QPrinterInfo::availablePrinters().isEmpty()) {
        warnung(parent, QStringLiteral("Es ist kein Drucker installiert.\r\n"
                                       "Richten Sie einen Drucker ein oder verwenden Sie den PDF-Export."));
        return false;
    }
    if (!h.antworten.empty()) {
        const bool ja = h.antworten.front();
        h.antworten.pop_front();
        return ja;
    }
    if (h.testmodus) {
        ++h.unerwartet;
        return false;
    }
    QPrintDialog dlg(&drucker, parent);
    dlg.setObjectName(QStringLiteral("drucken"));
    dlg.setWindowTitle(QStringLiteral("Drucken"));
    // The whole report is printed, on paper only.
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dlg.exec() == QDialog::Accepted;
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

Dateiauswahl savehtml(const Cup &cup)
{
    return {QStringLiteral("HTML-Export speichern unter"),
            QStringLiteral("HTML-Dateien (*.htm *.html);;alle Dateien (*)"), QStringLiteral("htm"), startordner(cup)};
}

Dateiauswahl savepdf(const Cup &cup)
{
    return {QStringLiteral("PDF-Export speichern unter"), QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"),
            startordner(cup)};
}

bool ausgabe2html(MainUnit &w)
{
    const QString pfad = zieldatei(w, savehtml(w.cup()));
    if (pfad.isEmpty())
        return false;
    QString text;
    if (!tlt::ausgabe2html(w.ausgabe(), w.cup(), pfad, &text)) {
        fehler(&w, text);
        return false;
    }
    return true;
}

bool ausgabe2pdf(MainUnit &w)
{
    const QString pfad = zieldatei(w, savepdf(w.cup()));
    if (pfad.isEmpty())
        return false;
    QString text;
    if (!ausgabeAlsPdf(w.ausgabe(), pfad, &text, w.cup().dateiname)) {
        fehler(&w, text);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- command handlers

void laufe_pop_s_vClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Vorschau, laufAusLaufe(w));
}
void laufe_pop_s_dClick(MainUnit &w)
{
    // Without participants this command does nothing at all, not even the print dialog.
    if (w.cup().anzahlTeilnehmer() < 1)
        return;
    laufergebnis(w, Ziel::Drucken, laufAusLaufe(w));
}
void laufe_pop_s_hClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Html, laufAusLaufe(w));
}
void laufe_pop_s_pClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Pdf, laufAusLaufe(w));
}

void laufe_pop_g_vClick(MainUnit &w)
{
    gesamt(w, Ziel::Vorschau, laufAusLaufe(w));
}
void laufe_pop_g_dClick(MainUnit &w)
{
    gesamt(w, Ziel::Drucken, laufAusLaufe(w));
}
void laufe_pop_g_hClick(MainUnit &w)
{
    gesamt(w, Ziel::Html, laufAusLaufe(w));
}
void laufe_pop_g_pClick(MainUnit &w)
{
    gesamt(w, Ziel::Pdf, laufAusLaufe(w));
}

void laufe_pop_d_1_vClick(MainUnit &w)
{
    dlv(w, Ziel::Vorschau, 1);
}
void laufe_pop_d_1_dClick(MainUnit &w)
{
    dlv(w, Ziel::Drucken, 1);
}
void laufe_pop_d_1_pClick(MainUnit &w)
{
    dlv(w, Ziel::Pdf, 1);
}
void laufe_pop_d_2_vClick(MainUnit &w)
{
    dlv(w, Ziel::Vorschau, 2);
}
void laufe_pop_d_2_dClick(MainUnit &w)
{
    dlv(w, Ziel::Drucken, 2);
}
void laufe_pop_d_2_pClick(MainUnit &w)
{
    dlv(w, Ziel::Pdf, 2);
}

void teil_pop_t_vClick(MainUnit &w)
{
    teilnehmer(w, Ziel::Vorschau);
}
void teil_pop_t_dClick(MainUnit &w)
{
    teilnehmer(w, Ziel::Drucken);
}
void teil_pop_t_hClick(MainUnit &w)
{
    teilnehmer(w, Ziel::Html);
}
void teil_pop_t_pClick(MainUnit &w)
{
    teilnehmer(w, Ziel::Pdf);
}

void teil_pop_a_vClick(MainUnit &w)
{
    alle(w, Ziel::Vorschau);
}
void teil_pop_a_dClick(MainUnit &w)
{
    alle(w, Ziel::Drucken);
}
void teil_pop_a_hClick(MainUnit &w)
{
    alle(w, Ziel::Html);
}
void teil_pop_a_pClick(MainUnit &w)
{
    alle(w, Ziel::Pdf);
}

void teil_pop_s_vClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Vorschau, laufAusTeil(w));
}
void teil_pop_s_dClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Drucken, laufAusTeil(w));
}
void teil_pop_s_hClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Html, laufAusTeil(w));
}
void teil_pop_s_pClick(MainUnit &w)
{
    laufergebnis(w, Ziel::Pdf, laufAusTeil(w));
}

void teil_pop_g_vClick(MainUnit &w)
{
    gesamt(w, Ziel::Vorschau, laufAusTeil(w));
}
void teil_pop_g_dClick(MainUnit &w)
{
    gesamt(w, Ziel::Drucken, laufAusTeil(w));
}
void teil_pop_g_hClick(MainUnit &w)
{
    gesamt(w, Ziel::Html, laufAusTeil(w));
}
void teil_pop_g_pClick(MainUnit &w)
{
    gesamt(w, Ziel::Pdf, laufAusTeil(w));
}

void m_e_hClick(MainUnit &w)
{
    if (auto *html = w.findChild<HtmlUnit *>(QStringLiteral("html")))
        html->zeigen();
}

// ---------------------------------------------------------------- wiring

void berichteAnschliessen(MainUnit &w)
{
    // "&PDF-Export" as the last item of every report submenu; the submenus are enabled as a whole.
    const char *untermenues[] = {"laufe_pop_s", "laufe_pop_g", "laufe_pop_d_1", "laufe_pop_d_2",
                                 "teil_pop_t",  "teil_pop_a",  "teil_pop_s",    "teil_pop_g"};
    for (const char *name : untermenues) {
        QMenu *menu = w.findChild<QMenu *>(QLatin1String(name));
        const QString pdfName = QLatin1String(name) + QStringLiteral("_p");
        if (!menu) {
            qWarning("Untermenü %s fehlt", name);
            continue;
        }
        if (w.findChild<QAction *>(pdfName))
            continue;
        auto *pdf = new QAction(QStringLiteral("&PDF-Export"), menu);
        pdf->setObjectName(pdfName);
        menu->addAction(pdf);
    }

    auto *html = new HtmlUnit(w.cup(), &w);
    // A new cup sets the style back; an open dialog shows that at once.
    if (QAction *neu = w.findChild<QAction *>(QStringLiteral("m_d_n")))
        QObject::connect(neu, &QAction::triggered, html, &HtmlUnit::stilAnzeigen);

    w.befehleAnschliessen({
        {"laufe_pop_s_v", laufe_pop_s_vClick},
        {"laufe_pop_s_d", laufe_pop_s_dClick},
        {"laufe_pop_s_h", laufe_pop_s_hClick},
        {"laufe_pop_s_p", laufe_pop_s_pClick},
        {"laufe_pop_g_v", laufe_pop_g_vClick},
        {"laufe_pop_g_d", laufe_pop_g_dClick},
        {"laufe_pop_g_h", laufe_pop_g_hClick},
        {"laufe_pop_g_p", laufe_pop_g_pClick},
        {"laufe_pop_d_1_v", laufe_pop_d_1_vClick},
        {"laufe_pop_d_1_d", laufe_pop_d_1_dClick},
        {"laufe_pop_d_1_p", laufe_pop_d_1_pClick},
        {"laufe_pop_d_2_v", laufe_pop_d_2_vClick},
        {"laufe_pop_d_2_d", laufe_pop_d_2_dClick},
        {"laufe_pop_d_2_p", laufe_pop_d_2_pClick},
        {"teil_pop_t_v", teil_pop_t_vClick},
        {"teil_pop_t_d", teil_pop_t_dClick},
        {"teil_pop_t_h", teil_pop_t_hClick},
        {"teil_pop_t_p", teil_pop_t_pClick},
        {"teil_pop_a_v", teil_pop_a_vClick},
        {"teil_pop_a_d", teil_pop_a_dClick},
        {"teil_pop_a_h", teil_pop_a_hClick},
        {"teil_pop_a_p", teil_pop_a_pClick},
        {"teil_pop_s_v", teil_pop_s_vClick},
        {"teil_pop_s_d", teil_pop_s_dClick},
        {"teil_pop_s_h", teil_pop_s_hClick},
        {"teil_pop_s_p", teil_pop_s_pClick},
        {"teil_pop_g_v", teil_pop_g_vClick},
        {"teil_pop_g_d", teil_pop_g_dClick},
        {"teil_pop_g_h", teil_pop_g_hClick},
        {"teil_pop_g_p", teil_pop_g_pClick},
        {"m_e_h", m_e_hClick},
    });
}

// ---------------------------------------------------------------- test hooks

void setNextPrintAnswer(bool drucken)
{
    druckHooks().antworten.push_back(drucken);
}

void setDruckTestmodus(bool an)
{
    druckHooks().testmodus = an;
}

int druckdialoge()
{
    return druckHooks().dialoge;
}

int unerwarteteDruckdialoge()
{
    return druckHooks().unerwartet;
}

void resetPrintHooks()
{
    druckHooks() = DruckHooks{};
}

} // namespace tlt::ui
