#pragma once

#include <QDialog>

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
    void zeileEntfernt(int r);

    QLineEdit *weib;
    QLineEdit *mann;
    QSpinBox *alterW;
    QPushButton *speichern;

public slots:
    void speichernClick();

private:
    int zielzeile() const;

    MainUnit &m_w;
    bool m_bearbeiten = false;
    int m_zeile = -1;
    QString m_altWeib;
    QString m_altMann;
};

} // namespace tlt::ui
