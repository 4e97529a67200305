#pragma once

#include "certificates/urkunde.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tlt {
class Cup;
class Leinwand;
} // namespace tlt

namespace tlt::ui {

class MainUnit;

// The certificate settings `urkunden` ("Urkunden Einstellungen"): the style of the certificates and
// two signature lines. Every change counts at once; there is no OK. The style lives in the cup (a
// new cup sets it back to 0), the signature lines as long as the program runs. A further choice
// sends the certificates into a PDF file instead of the printer, to check them before printing.
class UrkundenUnit : public QDialog {
    Q_OBJECT
public:
    explicit UrkundenUnit(Cup &cup, QWidget *parent = nullptr);

    // Shows the dialog without blocking, on top.
    void zeigen();
    // FormShow: selects the style item of the cup's current style.
    void stilAnzeigen();

    const Unterschriften &unterschriften() const { return m_unter; }
    bool alsPdf() const;

    QComboBox *stil() const { return m_stil; }
    QLineEdit *unter1() const { return m_unter1; }
    QLineEdit *unter2() const { return m_unter2; }
    QCheckBox *pdf() const { return m_pdf; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void stilChange(int index);
    void stilGetippt(const QString &text);

    Cup &m_cup;
    Unterschriften m_unter;
    QComboBox *m_stil = nullptr;
    QLineEdit *m_unter1 = nullptr;
    QLineEdit *m_unter2 = nullptr;
    QCheckBox *m_pdf = nullptr;
};

// Creates the dialogs `urkunden` and `teil_wahl`, fills the page "Bilder" with the certificate
// pictures and connects "&Urkunden Einstellungen" and the four items of "&Urkunden drucken".
// Calling it again does nothing.
void urkundenAnschliessen(MainUnit &w);

// The command handlers, each taking its race from the current column of laufe.
void m_e_uClick(MainUnit &w);
void laufe_pop_u_slClick(MainUnit &w);
void laufe_pop_tlClick(MainUnit &w);
void laufe_pop_u_gClick(MainUnit &w);
void laufe_pop_u_uClick(MainUnit &w);
// "Auswählen" of teil_wahl: the certificate its caption names, for start number s.
void klickClick(MainUnit &w, const QString &titel, const QString &s);

} // namespace tlt::ui
