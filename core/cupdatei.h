#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace tlt {

class Cup;

// One field of a cup file line: the text without "|", trimmed of blanks and control characters, then "|".
QString clsf(const QString &text);
// The fields of a line: the texts in front of each "|"; text after the last "|" is ignored.
QStringList cut(const QString &zeile);

// The bytes of the cup file (Windows-1252, CR LF). Sorts the participants by surname first.
QByteArray dateiinhalt(Cup &cup);
// The same bytes in the table's current participant order, without re-sorting the cup (loading
// sorts them again).
QByteArray dateiinhaltUnsortiert(const Cup &cup);
// Writes the cup to a device (Windows-1252, CR LF). Sorts the participants by surname first.
// Returns false with a German message in *fehler when the device fails.
bool speichern(Cup &cup, QIODevice &geraet, QString *fehler);
// Writes the cup to a file through the safe writer: the old file stays intact unless the new one is
// complete. On success the cup takes the file's full path as its file name and is marked unchanged.
// With warnung given, the file's previous version is kept as NAME.bak (one generation); when only
// that copy fails, the save still succeeds and *warnung says so.
bool speichernDatei(Cup &cup, const QString &pfad, QString *fehler, QString *warnung = nullptr);
// The name of the copy of the previous version: NAME.tl3.bak.
QString sicherungsdatei(const QString &pfad);

// Reads a cup from a device (opened for reading, or opened here) into ziel. On failure ziel is
// untouched and *fehler holds the German message. On success ziel keeps its file name and its
// style selections, gets everything else from the file and is marked unchanged.
// A file that ends before the lines its first line announces, or is cut off inside a record, is
// refused as damaged ("Die Datei ist beschädigt: …" with the line). A value that is no integer is
// named with its line. A UTF-8 file (another program's) is read as UTF-8; *hinweis then says so
// (empty otherwise). More than 512 MB is refused.
bool laden(Cup &ziel, QIODevice &geraet, QString *fehler, QString *hinweis = nullptr);
// Reads a cup file; on success sets the file name (full path) and clears the changed flag.
// Refuses anything but a regular file. Messages name the file.
bool ladenDatei(Cup &ziel, const QString &pfad, QString *fehler, QString *hinweis = nullptr);

// Whether Windows-1252 can hold the character.
bool darstellbar(QChar c);
// Characters of the texts the cup file holds that Windows-1252 cannot hold, each listed once, in
// the order they are met. Such characters would be written as the substitute byte 0x1A.
QString nichtDarstellbareZeichen(const Cup &cup);

} // namespace tlt
