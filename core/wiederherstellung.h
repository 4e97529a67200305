#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class QLockFile;

namespace tlt {

class Cup;

// Recovery files: while a window has unsaved changes, the whole cup is written to a file in the
// user's application data folder (sub-folder "wiederherstellung"), so that a crash, a power cut or
// a closed laptop lid costs nothing typed. Each running window has its own file, named after the
// cup file (or "unbenannt"), and holds a lock beside it; a file whose lock no living process holds
// belongs to a window that ended without cleaning up, and is offered at the next start.
//
// File format: a head of four lines (UTF-8, CR LF): "Tempolauftabellator-Wiederherstellung",
// "Datei: " + the cup file's path (percent-encoded; empty for a cup without file name),
// "Zeit: " + the time of the last change (ISO 8601, UTC), an empty line; then the cup file's bytes.
class Wiederherstellung {
public:
    // The folder of the recovery files and locks: <AppDataLocation>/wiederherstellung.
    static QString standardordner();

    explicit Wiederherstellung(const QString &ordner = standardordner());
    ~Wiederherstellung();
    Wiederherstellung(const Wiederherstellung &) = delete;
    Wiederherstellung &operator=(const Wiederherstellung &) = delete;

    // Writes the cup (in its current row order, the table is not re-sorted) to this window's
    // recovery file through the safe writer. The file's name follows the cup's file name; a
    // rename (save under another name) removes the old file.
    bool schreiben(const Cup &cup, const QDateTime &zeit, QString *fehler);
    // Removes this window's recovery file (the cup was saved, or its changes were dropped).
    void entfernen();
    // This window's recovery file; empty while none is written.
    QString datei() const { return m_datei; }

    struct Fund {
        QString pfad;     // the recovery file
        QString cupdatei; // the cup's file name; empty for a cup that had none
        QString cupname;  // the cup's name field
        QDateTime zeit;   // the last change
    };
    // Recovery files of windows that are no longer running, newest first.
    QList<Fund> verwaist() const;
    // Reads a found recovery file into ziel: the cup with its file name, marked as changed. On
    // failure ziel is untouched and *fehler says why.
    static bool laden(const Fund &fund, Cup &ziel, QString *fehler);
    // Deletes a found file (the user chose to drop it).
    static void verwerfen(const Fund &fund);

    const QString &ordner() const { return m_ordner; }

private:
    QString m_ordner;
    QString m_datei;
    std::unique_ptr<QLockFile> m_sperre;
};

// Marks a cup file as open in this window: a lock file beside the recovery files, named after
// the file's path. A second window (of any process) that opens the same file learns who has it.
class Cupsperre {
public:
    explicit Cupsperre(const QString &ordner = Wiederherstellung::standardordner());
    ~Cupsperre();
    Cupsperre(const Cupsperre &) = delete;
    Cupsperre &operator=(const Cupsperre &) = delete;

    // Takes the lock for the cup file (giving up the previous one). Returns false when another
    // living process holds it (*andererProzess: its id); a stale lock from a crash is taken over.
    bool sperren(const QString &cupdatei, qint64 *andererProzess = nullptr);
    void freigeben();

private:
    QString m_ordner;
    QString m_name;
    std::unique_ptr<QLockFile> m_sperre;
};

} // namespace tlt
