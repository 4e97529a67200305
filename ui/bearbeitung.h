#pragma once

#include "core/cupdokument.h"

#include <QObject>

class QAction;
class QUndoStack;

namespace tlt::ui {

// Undo and redo of the cup document's steps: every step the document records becomes one entry
// of a QUndoStack, and the document's changed flag follows the stack (undoing back to the saved
// state makes the cup unchanged again; steps that only sort rows do not count as changes).
class Bearbeitung : public QObject {
    Q_OBJECT
public:
    explicit Bearbeitung(CupDokument &dok, QObject *parent = nullptr);

    QUndoStack *stapel() const { return m_stapel; }
    // "&Rückgängig" (Ctrl+Z) and "&Wiederherstellen" (Ctrl+Y, Ctrl+Shift+Z); their texts name the step.
    QAction *rueckgaengigAktion() const { return m_rueck; }
    QAction *wiederherstellenAktion() const { return m_wieder; }

    // New and Load: nothing to take back any more; the changed flag stays as it is.
    void leeren();
    // Saved: this is the unchanged state from now on.
    void gespeichert();

private:
    void flagBerechnen();
    void texteSetzen();

    CupDokument &m_dok;
    QUndoStack *m_stapel;
    QAction *m_rueck;
    QAction *m_wieder;
    bool m_leert = false;
};

} // namespace tlt::ui
