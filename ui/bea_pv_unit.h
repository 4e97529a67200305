#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace tlt::ui {

class MainUnit;

// The points dialog `bea_pv`: adds points values; stays open for further values.
class BeaPv : public QDialog {
    Q_OBJECT
public:
    explicit BeaPv(MainUnit &w);

    // Shows the dialog; the spinner keeps its last value.
    void zeigen();

    QSpinBox *pzW;
    QPushButton *hinzufugen;

public slots:
    void hinzufugenClick();

private:
    MainUnit &m_w;
};

} // namespace tlt::ui
