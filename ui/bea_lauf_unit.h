#pragma once

#include "core/laufbefehle.h"
#include "core/tabelle.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tlt {
class Cup;
class CupDokument;
}

namespace tlt::ui {

// The race dialog: adds races (stays open for the next race of the same event) and edits one race.
class BeaLauf : public QDialog {
    Q_OBJECT
public:
    explicit BeaLauf(CupDokument &dok, QWidget *parent = nullptr);

    // "Lauf hinzufügen": keeps the event data of the last use, resets date and time/distance.
    void hinzufuegen();
    // "Lauf bearbeiten" for race column c; the save writes to that race even if the races move meanwhile.
    void bearbeiten(int c);
    bool bearbeitungsmodus() const { return m_bearbeiten; }

    // Called after every change of the cup, with the race's column (for selecting it), or -1.
    std::function<void(int spalte)> nachAenderung;

public slots:
    void speichernClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void lauftypChange();
    void zeitdistanzExit();
    void datumExit();
    void zeigen();
    Laufdaten felder() const;
    QLineEdit *textfeld(const char *name, int laenge);
    QSpinBox *zahlfeld(const char *name, int von, int bis, int start);

    CupDokument &m_dok;
    Cup &m_cup;
    bool m_bearbeiten = false;
    Kennung m_id = 0;

    QComboBox *m_lauftyp;
    QLineEdit *m_datum, *m_zeitdistanz, *m_vereinsname, *m_anschrift[3], *m_fon, *m_fax, *m_ort, *m_kreis, *m_bezirk,
        *m_land, *m_wettkampf[2], *m_zeitmessung, *m_windmessung, *m_geratekontrolle, *m_wettkampfleiter, *m_wlfon,
        *m_wlfax, *m_verbandsaufsicht, *m_vafon, *m_vafax, *m_bemerkung[3], *m_dlvnr;
    QSpinBox *m_kampfrichter, *m_helfer, *m_mitarbeiter, *m_lauffaktor, *m_laufsummand;
    QPushButton *m_speichern;
    QLabel *m_hinweis;

    // Which row of the race column each field shows: walked when a race is shown and when it is
    // stored. The race type and the time/distance entry have rules of their own.
    struct Textfeld {
        Laufzeile::Zeile zeile;
        QLineEdit *feld;
    };
    struct Zahlfeld {
        Laufzeile::Zeile zeile;
        QSpinBox *feld;
        int leer; // the value of an empty or unreadable cell
    };
    std::vector<Textfeld> m_textfelder;
    std::vector<Zahlfeld> m_zahlfelder;
};

// "Lauf löschen" for race column c: asks (counting the entries that would be lost), then removes the
// race and its result column. Returns true when the race was deleted.
bool laufLoeschenFragen(QWidget *parent, CupDokument &dok, int c);

} // namespace tlt::ui
