#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace tlt {
class Tabelle;
}

namespace tlt::ui {

inline const QString kTeilWahlLauf = QStringLiteral("Teilnehmer auswählen");
inline const QString kTeilWahlGesamt = QStringLiteral("Teilnehmer auswählen (Gesamtcup)");

// The participant choice `teil_wahl`: a start number for the participation certificate of a race
// or for the overall certificate; its caption tells which. Not modal: the user may go on working in
// the main window while it is open.
class TeilWahlUnit : public QDialog {
    Q_OBJECT
public:
    explicit TeilWahlUnit(QWidget *parent = nullptr);

    // Sets the caption, fills the list with the start numbers of all participants (kept in text
    // order), puts "bitte wählen ..." into the text field and shows the dialog.
    void oeffnen(const QString &titel, const Tabelle &teil);

    QComboBox *teil_wahl_box() const { return m_box; }
    QPushButton *klick() const { return m_klick; }

signals:
    // "Auswählen" was pressed: the dialog is hidden; titel is its caption, startnummer the text of the box.
    void gewaehlt(const QString &titel, const QString &startnummer);

private:
    void klickClick();

    QComboBox *m_box = nullptr;
    QPushButton *m_klick = nullptr;
};

// The texts in the order of a sorted list box: case-insensitive, then by code.
QStringList textsortiert(QStringList texte);

} // namespace tlt::ui
