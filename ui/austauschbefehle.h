#pragma once

#include "ui/meldung.h"

class QString;

namespace tlt {
class Cup;
}

namespace tlt::ui {

class ImportUnit;
class MainUnit;

// Adds to the "&Datei" menu, in front of "E&xit": "Teilnehmer &importieren …" (`m_d_it`), the submenu
// "&Ergebnisse importieren" (`m_d_ie`, one item per race) and the submenu "Ex&portieren" (`m_d_e`)
// with "&Teilnehmertabelle …" (`m_d_e_t`) and the submenus "&Ergebnisliste" (`m_d_e_l`) and
// "&Gesamtwertung nach Lauf" (`m_d_e_g`), one item per race, filled when they open.
void austauschAnschliessen(MainUnit &w);

// The commands behind them. The import commands ask for the file and open the import dialog, which
// they return (nullptr when cancelled or the file could not be read).
ImportUnit *teilnehmerImportieren(MainUnit &w);
ImportUnit *ergebnisseImportieren(MainUnit &w, int lauf);
// Export commands: ask for the file (XLSX or CSV, by the chosen name) and write the list.
bool teilnehmerExportieren(MainUnit &w);
bool laufergebnisExportieren(MainUnit &w, int lauf);
bool gesamtExportieren(MainUnit &w, int lauf);

// The file dialogs of the commands.
Dateiauswahl importdatei(const Cup &cup);
Dateiauswahl exportdatei(const Cup &cup, const QString &titel, const QString &name);

} // namespace tlt::ui
