#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

namespace tlt {

class Cup;

// One field of a cup file line: the text without "|", trimmed of blanks and control characters, then "|".
QString clsf(const QString &text);
// The fields of a line: the texts in front of each "|"; text after the last "|" is ignored.
QStringList cut(const QString &zeile);

// Writes the cup to a device (Windows-1252, CR LF). Sorts the participants by surname first.
// Returns false with a German message in *fehler when the device fails.
bool speichern(Cup &cup, QIODevice &geraet, QString *fehler);
// Writes the cup to a file through QSaveFile: the old file stays intact unless the new one is complete.
bool speichernDatei(Cup &cup, const QString &pfad, QString *fehler);

// Reads a cup from a device into ziel. On failure ziel is untouched and *fehler holds the message.
bool laden(Cup &ziel, QIODevice &geraet, QString *fehler);
// Reads a cup file; on success sets the file name and clears the changed flag.
bool ladenDatei(Cup &ziel, const QString &pfad, QString *fehler);

// Characters of the cup's texts that Windows-1252 cannot hold, each listed once.
QString nichtDarstellbareZeichen(const Cup &cup);

} // namespace tlt
