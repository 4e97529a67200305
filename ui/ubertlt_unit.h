#pragma once

#include <QDialog>
#include <QIcon>

class QLabel;

namespace tlt::ui {

// The about box: picture, credits, the maker's and the program's web address, terms of use.
class UberTlt : public QDialog {
    Q_OBJECT
public:
    explicit UberTlt(QWidget *parent = nullptr);

    // Shows the box without blocking the main window.
    void zeigen();

    // The maker's page (Label1) and the program's page (Label2, the address of every report foot).
    static QString herstellerAdresse();
    static QString programmAdresse();
    // The runner picture as window icon.
    static QIcon programmsymbol();
    // The runner picture in a given size.
    static QPixmap bild(const QSize &groesse);

    QLabel *label1() const { return m_label1; }
    QLabel *label2() const { return m_label2; }

private:
    QLabel *m_label1;
    QLabel *m_label2;
};

} // namespace tlt::ui
