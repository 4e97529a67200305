#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tlt {
class Cup;
}

namespace tlt::ui {

class Gitter;

// The search line of page "Teilnehmer" (Ctrl+F): typing a start number or part of a name makes the
// first matching participant from the current row on the current row of the grid; Enter goes to the
// next match, Escape closes the line and gives the focus back to the grid.
class Teilnehmersuche : public QWidget {
    Q_OBJECT
public:
    Teilnehmersuche(const Cup &cup, Gitter *gitter, QWidget *parent = nullptr);

    // Shows the line with its text selected and puts the focus there.
    void oeffnen();
    void schliessen();

    QLineEdit *feld() const { return m_feld; }
    // "nicht gefunden" when nothing matches, else empty.
    QString meldung() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void suchen(int ab);

    const Cup &m_cup;
    Gitter *m_gitter;
    QLineEdit *m_feld;
    QLabel *m_meldung;
};

} // namespace tlt::ui
