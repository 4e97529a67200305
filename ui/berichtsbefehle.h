#pragma once

#include "reports/pdf.h"
#include "ui/meldung.h"

#include <QString>
#include <vector>

class QAction;
class QMenu;
class QPrinter;
class QWidget;

namespace tlt {
class Ausgabe;
class Cup;
} // namespace tlt

namespace tlt::ui {

class MainUnit;

// The report margins, in inches, one by one.
inline constexpr double kRandLinks = kDruckraender.left();
inline constexpr double kRandOben = kDruckraender.top();
inline constexpr double kRandRechts = kDruckraender.right();
inline constexpr double kRandUnten = kDruckraender.bottom();

// The context menu a report submenu stands in.
enum class Kontextmenue { Laufe, Teil };

// Where a report command takes its object from.
enum class Quelle {
    LaufAusLaufe,        // the selected race of the races table
    LaufAusTeil,         // the race of the selected result column of the participants table
    Teilnehmer,          // the selected participant
    Alle,                // nothing (all participants); offered while a participant is selected
    TeilnehmerUndLauf,   // the selected participant, after the selected race or else the last race
    LaufUndVerbleibend,  // the selected race, and the number of races still to come, asked first
};

// The object a report is written for.
struct Berichtsobjekt {
    int lauf = 0;
    int zeile = 0;
    int verbleibend = 0;
    // Set by a report after which the participants table is put into this order (the standings).
    mutable std::vector<int> ordnung;
    mutable QString ordnungstext; // the undo step's name ("Sortieren nach Lauf 3")
};

// One report of a context menu: its submenu with "&Vorschau", "&Drucken", "&HTML-Export" (where
// the report has an HTML form) and "&PDF-Export". The items are named after the submenu with the
// endings "_v", "_d", "_h" and "_p" ("laufe_pop_s_v").
struct Berichtsbefehl {
    Kontextmenue menue;
    const char *name;         // the submenu ("laufe_pop_s")
    const char *titel;        // its text ("&Statistik dieses Laufes")
    const char *gruppe;       // the submenu it stands in, nullptr for the context menu itself
    const char *gruppentitel; // that submenu's text
    Quelle quelle;
    void (*bericht)(const Cup &cup, Ausgabe &aus, const Berichtsobjekt &o);
    // The file name an export proposes, without extension ("Lauf_3_Ergebnisliste").
    QString (*dateiname)(const Cup &cup, const Berichtsobjekt &o);
    bool html;
    bool pdf;
    // "&Drucken" does nothing at all, not even the print dialog, while there is no participant.
    bool druckenNurMitTeilnehmern = false;
};

// Every report command, in the order of the menus.
const std::vector<Berichtsbefehl> &berichtsbefehle();

// A report submenu (or a submenu of report submenus) of a context menu, as built.
struct Berichtsmenue {
    QAction *aktion; // the item that opens the submenu
    Quelle quelle;
};

// Adds the report submenus of one context menu at its end, in the table's order, and connects
// their items. Returns the items that open them, for the enable rules.
std::vector<Berichtsmenue> berichtsmenuesBauen(MainUnit &w, QMenu *kontext, Kontextmenue k);
// Enables each report submenu exactly when its object can be taken from the current selection.
void berichtsmenuesFreigeben(MainUnit &w, const std::vector<Berichtsmenue> &menues);

// Connects "&HTML Einstellungen" and creates the HTML settings dialog `html`.
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

} // namespace tlt::ui
