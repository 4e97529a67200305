#pragma once

#include "core/tabelle.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tlt::ui {

class MainUnit;

// The cup variation dialog `bea_cup`: adds a variation or changes the one it was opened for.
class BeaCup : public QDialog {
    Q_OBJECT
public:
    explicit BeaCup(MainUnit &w);

    // "Cup-Variation hinzufügen": the fields keep their last contents.
    void hinzufuegenOeffnen();
    // "Cup-Variation bearbeiten" for row r of cv; the save writes to that variation wherever it moved.
    void bearbeitenOeffnen(int r);
    bool bearbeiten() const { return m_bearbeiten; }

    QLineEdit *name;
    QLineEdit *strecke;
    QLineEdit *zeit;
    QPushButton *speichern;

public slots:
    void speichernClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void pruefen(QLineEdit *feld);
    MainUnit &m_w;
    bool m_bearbeiten = false;
    Kennung m_id = 0;
    QLabel *m_hinweis = nullptr;
};

} // namespace tlt::ui
