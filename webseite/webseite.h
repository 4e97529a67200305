#pragma once

#include "webseite/seiten.h"

#include <QString>
#include <vector>

namespace tlt {

class Cup;

// Writes the files into the folder (created when missing). Every file is written in full to a
// temporary file beside it and only then takes the old one's place; the pages come first and
// index.html last, so a failure leaves every file of the previous site complete and its index
// pointing at complete pages. Afterwards, pages of an earlier site that the new one no longer has
// ("lauf-NN….html", "gesamt….html") are removed. On failure *fehler holds a German message.
bool webseiteSchreiben(const std::vector<Webdatei> &dateien, const QString &ordner, QString *fehler);

// The whole site of the cup after race nachLauf (-1: the last race with results) into the folder.
// A cell that is no integer stops it before anything is written, with the list's message.
bool webseiteErzeugen(const Cup &cup, const QString &ordner, int nachLauf, QString *fehler);

} // namespace tlt
