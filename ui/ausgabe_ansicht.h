#pragma once

#include <QPlainTextEdit>
#include <QTimer>

namespace tlt {
class Ausgabe;
}

namespace tlt::ui {

// The page "Ausgabe": a read-only view of the output pane model, each line in its own size and style,
// monospaced, without word wrap.
class AusgabeAnsicht : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit AusgabeAnsicht(const Ausgabe *ausgabe, QWidget *parent = nullptr);

    // Rebuilds the text from the model now.
    void aktualisieren();
    // Rebuilds once the current command is done (reports write many lines one by one).
    void spaeterAktualisieren();

private:
    const Ausgabe *m_ausgabe;
    QTimer m_timer;
};

} // namespace tlt::ui
