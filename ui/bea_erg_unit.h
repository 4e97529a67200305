#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;

namespace tlt {
class Cup;
}

namespace tlt::ui {

// Quick result entry for one race: start number, result, next start number, by keyboard alone.
class BeaErg : public QDialog {
    Q_OBJECT
public:
    explicit BeaErg(Cup &cup, QWidget *parent = nullptr);

    // Opens the entry for race r (from either context menu).
    void oeffnen(int r);
    int lauf() const { return m_lauf; }
    // Race column c was edited and had the identity bisher before (see laufkennung): if it is this
    // entry's race, the entry follows it to its new column, date and type.
    void laufBearbeitet(const QStringList &bisher, int c);

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
    int aktuellerLauf() const;
    int gefundeneZeile() const;

    Cup &m_cup;
    int m_lauf = 0;
    QStringList m_laufkennung;
    quint64 m_laufform = 0;
    int m_zeile = -1;
    QString m_gefunden; // padded start number of the participant the lookup found
    QString m_alt;
    bool m_intern = false;
    bool m_positioniert = false;

    QLineEdit *m_sn;
    QLabel *m_name;
    QLabel *m_ergT;
    QLineEdit *m_erg;
};

} // namespace tlt::ui
