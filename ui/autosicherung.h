#pragma once

#include "core/wiederherstellung.h"

#include <QObject>
#include <QTimer>

namespace tlt::ui {

class MainUnit;

// Keeps the window's unsaved changes in a recovery file: written through the safe writer at most
// kVerzoegerungMs after a change (and then again after every further change), removed when the
// cup is saved or its changes are dropped, left behind only by a crash. Also marks the open cup
// file as taken, so that a second window opening it is warned, and offers a crashed window's
// recovery file at start.
class Autosicherung : public QObject {
    Q_OBJECT
public:
    static constexpr int kVerzoegerungMs = 1000;

    explicit Autosicherung(MainUnit &w, const QString &ordner = Wiederherstellung::standardordner());
    // A normal end: the user has saved or agreed to drop the changes.
    ~Autosicherung() override;

    // The cup changed (its flag, its data or its file name).
    void geaendert();
    // Writes the recovery file now (if there are unsaved changes).
    void sichern();
    // At start: asks about each recovery file left by a window that no longer runs, newest first:
    // "&Wiederherstellen" puts it into the window (marked as changed), "&Verwerfen" deletes it,
    // "&Abbrechen" keeps it for the next start. Returns true when a cup was restored.
    bool anbieten();

    // This window's recovery file; empty while there is none.
    QString datei() const { return m_wh.datei(); }

private:
    void dateinameGeprueft();

    MainUnit &m_w;
    Wiederherstellung m_wh;
    Cupsperre m_sperre;
    QTimer m_timer;
    QString m_gesperrt;
};

} // namespace tlt::ui
