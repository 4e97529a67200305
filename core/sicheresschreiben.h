#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace tlt {

// Every file the program writes goes through here. The new content goes to a temporary file beside
// the target, unbuffered, with every write's byte count checked; only a complete file replaces the
// target (an atomic rename). On any failure the old file stays byte-identical, no temporary file
// is left behind, and *fehler holds a German message naming the file and the system's reason.
struct Schreibziel {
    // The first words of the message, naming the kind of file: "Die Datei", "Die PDF-Datei", …
    QString art = QStringLiteral("Die Datei");
    // The file the command read from (empty: none). It is never the target: writing a report over
    // the cup file it came from would lose the cup.
    QString eingabe;
};

// Writes the bytes to the file at pfad.
bool sicherSchreiben(const QString &pfad, const QByteArray &daten, QString *fehler, const Schreibziel &ziel = {});

// Streams into the file: schreiber writes onto a device that checks every write itself (a short
// write makes it fail, so writers that ignore write() results, like QTextStream or QPdfWriter,
// are safe too). schreiber returns false (with *fehler set, or not) to drop the file.
using Schreibfunktion = std::function<bool(QIODevice &geraet, QString *fehler)>;
bool sicherSchreiben(const QString &pfad, const Schreibfunktion &schreiber, QString *fehler,
                     const Schreibziel &ziel = {});

// Why the target may not be written (empty when it may): an existing target that is no regular
// file (a folder, a device, a pipe), or the input file itself (compared as canonical paths).
QString zielPruefen(const QString &pfad, const Schreibziel &ziel = {});

// Writes all bytes to an open device, repeating partial writes; on failure *fehler says
// "Es wurden nur X von Y Bytes geschrieben (Grund)".
bool alleBytesSchreiben(QIODevice &geraet, const QByteArray &daten, QString *fehler);

} // namespace tlt
