#pragma once

#include "core/tabelle.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tlt::ui {

class MainUnit;

// The age group dialog `bea_ag`: adds an age group or changes the one it was opened for.
class BeaAg : public QDialog {
    Q_OBJECT
public:
    explicit BeaAg(MainUnit &w);

    void hinzufuegenOeffnen();
    void bearbeitenOeffnen(int r);
    bool bearbeiten() const { return m_bearbeiten; }

    QLineEdit *weib;
    QLineEdit *mann;
    QSpinBox *alterW;
    QPushButton *speichern;

public slots:
    void speichernClick();

private:
    MainUnit &m_w;
    bool m_bearbeiten = false;
    Kennung m_id = 0;
    QLabel *m_hinweis = nullptr;
};

} // namespace tlt::ui
