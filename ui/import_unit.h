#pragma once

#include "austausch/einlesen.h"
#include "austausch/tabellendatei.h"
#include "austausch/zuordnung.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tlt {
class Cup;
class CupDokument;
}

namespace tlt::ui {

// The import dialog: the file's columns with the field each one goes to (one combo box per column,
// `spalte_<n>`), a preview of the first rows as they will be stored (`vorschau`), the summary
// (`zusammenfassung`), the rows left out with their reasons (`probleme`) and, for results, what to do
// with results that differ from stored ones (`alleUeberschreiben`, `keineUeberschreiben`,
// `einzelnFragen`) and whether unknown runners become participants (`unbekannteAnlegen`).
// "Importieren" (`importieren`) applies the plan in one go; nothing changes before.
class ImportUnit : public QDialog {
    Q_OBJECT
public:
    enum class Art { Teilnehmer, Ergebnisse };
    // lauf: the race for results (1-based), ignored for participants. The import changes the cup
    // through the document, as one step that can be undone.
    ImportUnit(CupDokument &dok, Art art, int lauf, const QString &pfad, QWidget *parent = nullptr);

    // False when the file could not be read (the message was shown); the dialog is then useless.
    bool geladen() const { return m_geladen; }
    const Zuordnung &zuordnung() const { return m_zuordnung; }

signals:
    // After the cup was changed by an import.
    void importiert();

private:
    void blattLesen();
    void zuordnungAnzeigen();
    void planen();
    void vorschauAnzeigen();
    void importierenClick();
    // Runs the import as one step named text; a refusal (false and a message) changes nothing.
    bool anwenden(const QString &text, const std::function<bool(Cup &, QString *)> &schritt);

    CupDokument &m_dok;
    const Cup &m_cup;
    Art m_art;
    int m_lauf;
    QString m_pfad;
    bool m_geladen = false;
    Rohtabelle m_tabelle;
    Zuordnung m_zuordnung;
    Teilnehmerimport m_teilnehmerplan;
    Ergebnisimport m_ergebnisplan;

    QLabel *m_datei;
    QComboBox *m_blatt;
    QTableWidget *m_spalten;
    QTableWidget *m_vorschau;
    QLabel *m_zusammenfassung;
    QListWidget *m_probleme;
    QWidget *m_konfliktBox;
    QRadioButton *m_alle;
    QRadioButton *m_keine;
    QRadioButton *m_einzeln;
    QCheckBox *m_anlegen;
    QPushButton *m_importieren;
};

} // namespace tlt::ui
