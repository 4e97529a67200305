#pragma once

#include <QString>

class QWidget;

namespace tlt {
class Cup;
}

namespace tlt::ui {

// "Datei › Ergebnisseiten erzeugen …": asks for a folder (starting at the one last used for this
// cup file), writes the results site into it and says where it is. Failures are shown; the old
// site then stays as it was.
void ergebnisseitenErzeugen(QWidget *parent, const Cup &cup);

// The folder last used for the cup file (full path); empty when none is remembered.
QString gemerkterOrdner(const QString &cupdatei);
void ordnerMerken(const QString &cupdatei, const QString &ordner);

} // namespace tlt::ui
