#pragma once

#include "reports/pdf.h"
#include "ui/meldung.h"

#include <QString>

class QPrinter;
class QWidget;

namespace tlt {
class Cup;
}

namespace tlt::ui {

class MainUnit;

// The report margins, in inches, one by one.
inline constexpr double kRandLinks = kDruckraender.left();
inline constexpr double kRandOben = kDruckraender.top();
inline constexpr double kRandRechts = kDruckraender.right();
inline constexpr double kRandUnten = kDruckraender.bottom();

// Connects every report command of the context menus ("Vorschau", "Drucken", "HTML-Export" and
// "PDF-Export" of each report) and "&HTML Einstellungen" to the main window's actions, adds the
// "&PDF-Export" items to the report submenus and creates the HTML settings dialog `html`.
void berichteAnschliessen(MainUnit &w);

// The print dialog `drucken` for the printer: true when the user confirms it. With no printer
// installed it only warns and returns false; printing into a file is not offered.
bool drucken(QWidget *parent, QPrinter &drucker);

// Prints the pane on the window's printer with the report margins and clears it. A printer error
// is shown and the pane keeps the report.
bool druckeAusgabe(MainUnit &w);
// Asks for a file name with `savehtml` and writes the pane as an HTML page in the cup's HTML style;
// clears the pane after success. Cancelling writes nothing and keeps the report; a failure is shown.
// name (e.g. "Lauf_3_Ergebnisliste") is the file name the dialog proposes in the cup's folder; the
// status bar says where the file was written.
bool ausgabe2html(MainUnit &w, const QString &name = {});
// The same as a PDF file, printed like "Drucken" with the report margins on A4.
bool ausgabe2pdf(MainUnit &w, const QString &name = {});

// The save dialogs of the two exports, proposing the file name (without extension) when given.
Dateiauswahl savehtml(const Cup &cup, const QString &name = {});
Dateiauswahl savepdf(const Cup &cup, const QString &name = {});

// The report command handlers, each taking its object from the window's selection.
void laufe_pop_s_vClick(MainUnit &w);
void laufe_pop_s_dClick(MainUnit &w);
void laufe_pop_s_hClick(MainUnit &w);
void laufe_pop_s_pClick(MainUnit &w);
void laufe_pop_g_vClick(MainUnit &w);
void laufe_pop_g_dClick(MainUnit &w);
void laufe_pop_g_hClick(MainUnit &w);
void laufe_pop_g_pClick(MainUnit &w);
void laufe_pop_d_1_vClick(MainUnit &w);
void laufe_pop_d_1_dClick(MainUnit &w);
void laufe_pop_d_1_pClick(MainUnit &w);
void laufe_pop_d_2_vClick(MainUnit &w);
void laufe_pop_d_2_dClick(MainUnit &w);
void laufe_pop_d_2_pClick(MainUnit &w);
void teil_pop_t_vClick(MainUnit &w);
void teil_pop_t_dClick(MainUnit &w);
void teil_pop_t_hClick(MainUnit &w);
void teil_pop_t_pClick(MainUnit &w);
void teil_pop_a_vClick(MainUnit &w);
void teil_pop_a_dClick(MainUnit &w);
void teil_pop_a_hClick(MainUnit &w);
void teil_pop_a_pClick(MainUnit &w);
void teil_pop_s_vClick(MainUnit &w);
void teil_pop_s_dClick(MainUnit &w);
void teil_pop_s_hClick(MainUnit &w);
void teil_pop_s_pClick(MainUnit &w);
void teil_pop_g_vClick(MainUnit &w);
void teil_pop_g_dClick(MainUnit &w);
void teil_pop_g_hClick(MainUnit &w);
void teil_pop_g_pClick(MainUnit &w);
void m_e_hClick(MainUnit &w);

// Test hooks of the print dialog: queued answers replace the dialog, in order (true = print).
// While test mode is on (setTestmodus of ui/meldung.h is separate), a dialog without a queued
// answer is cancelled and counted instead of blocking.
void setNextPrintAnswer(bool drucken);
void setDruckTestmodus(bool an);
// How many print dialogs were asked for since the last reset, scripted or not, and how many
// of them had no scripted answer.
int druckdialoge();
int unerwarteteDruckdialoge();
void resetPrintHooks();

} // namespace tlt::ui
