#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;

#include "core/tabelle.h"

namespace tlt {
class Cup;
class CupDokument;
}

namespace tlt::ui {

// Quick result entry for one race: start number, result, next start number, by keyboard alone.
class BeaErg : public QDialog {
    Q_OBJECT
public:
    explicit BeaErg(CupDokument &dok, QWidget *parent = nullptr);

    // Opens the entry for race r (from either context menu). The entry keeps that race wherever it
    // moves; its label follows the race's number and type.
    void oeffnen(int r);
    // The race's column now, or -1 when it was deleted.
    int lauf() const;

    // Called when the start number lookup found row s (the main window selects it).
    std::function<void(int zeile)> beiTreffer;
    // Called after a result was stored in row s.
    std::function<void(int zeile)> nachAenderung;

    // Where a window of the given outer size may stand so that it is whole on the free screen area:
    // the wished position, moved in as little as needed.
    static QPoint sichtbarePosition(QPoint wunsch, QSize groesse, const QRect &frei);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    enum class Weiter { Ergebnis, Bleiben, Ende };
    Weiter snExit();
    void snEnter();
    void ergEnter();
    void ergExit();
    void fokus(QWidget *w);
    void positionieren();
    int gefundeneZeile() const;
    void beschriften();
    bool laufWeg();

    CupDokument &m_dok;
    Cup &m_cup;
    Kennung m_lauf = 0;
    Kennung m_teilnehmer = 0; // the participant the lookup found
    QString m_gefunden;       // its padded start number
    QString m_alt;
    bool m_intern = false;
    bool m_positioniert = false;

    QLineEdit *m_sn;
    QLabel *m_name;
    QLabel *m_ergT;
    QLineEdit *m_erg;
};

} // namespace tlt::ui
