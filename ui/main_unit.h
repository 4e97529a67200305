#pragma once

#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "ui/berichtsbefehle.h"

#include <QMainWindow>
#include <QPrinter>
#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTabWidget;

namespace tlt::ui {

class AusgabeAnsicht;
class Autosicherung;
class Bearbeitung;
class BeaAg;
class BeaCup;
class BeaErg;
class BeaLauf;
class BeaPv;
class BeaTeil;
class Gitter;
class HtmlUnit;
class Teilnehmersuche;
class TeilWahlUnit;
class UberTlt;
class UrkundenUnit;

// The menu items that commands are attached to, named as the items are ("m_d_n" is "&Neu" of the
// menu "&Datei", "laufe_pop_h" the first item of the races' context menu). The report submenus are
// built from the table in ui/berichtsbefehle.h.
struct Menuepunkte {
    QMenu *m_d = nullptr;
    QAction *m_d_n = nullptr, *m_d_l = nullptr, *m_d_s = nullptr, *m_d_u = nullptr, *m_d_w = nullptr;
    QAction *m_d_1 = nullptr, *m_d_x = nullptr;
    QAction *m_e_d = nullptr, *m_e_h = nullptr, *m_e_u = nullptr;
    QAction *m_h_b = nullptr;

    QMenu *laufe_pop = nullptr;
    QAction *laufe_pop_h = nullptr, *laufe_pop_b = nullptr, *laufe_pop_l = nullptr, *laufe_pop_e = nullptr;
    QAction *laufe_pop_u = nullptr, *laufe_pop_u_sl = nullptr, *laufe_pop_tl = nullptr, *laufe_pop_u_g = nullptr,
            *laufe_pop_u_u = nullptr;

    QMenu *teil_pop = nullptr;
    QAction *teil_pop_h = nullptr, *teil_pop_b = nullptr, *teil_pop_l = nullptr, *teil_pop_e = nullptr;
    QAction *teil_pop_p_s = nullptr, *teil_pop_p_f = nullptr;

    QMenu *ag_pop = nullptr, *cv_pop = nullptr, *pv_pop = nullptr;
    QAction *ag_pop_h = nullptr, *ag_pop_b = nullptr, *ag_pop_l = nullptr;
    QAction *cv_pop_h = nullptr, *cv_pop_b = nullptr, *cv_pop_l = nullptr;
    QAction *pv_pop_h = nullptr, *pv_pop_l = nullptr;

    // The report submenus of the two context menus, as the table built them.
    std::vector<Berichtsmenue> laufeBerichte;
    std::vector<Berichtsmenue> teilBerichte;
};

// The dialogs that live as long as the window; the units that connect them create them.
struct Dialoge {
    BeaLauf *bea_lauf = nullptr;
    BeaTeil *bea_teil = nullptr;
    BeaErg *bea_erg = nullptr;
    HtmlUnit *html = nullptr;
    UrkundenUnit *urkunden = nullptr;
    TeilWahlUnit *teil_wahl = nullptr;
};

// The main window `w`: owns the cup, shows its settings and tables on the pages "Cup", "Läufe",
// "Teilnehmer", "Ausgabe" (and the hidden "Bilder"), and carries the main menu and the context menus
// from which every command starts.
//
// Every menu item is a QAction whose objectName is its item name ("m_d_n", "laufe_pop_h",
// "teil_pop_s_v", ...), every menu a QMenu named likewise ("laufe_pop", "teil_pop_s"). Other units
// connect their handlers to the typed items of punkte(). After a command that changed the cup, call
// aktualisieren() (edit() does it already).
class MainUnit : public QMainWindow {
    Q_OBJECT
public:
    explicit MainUnit(QWidget *parent = nullptr);
    ~MainUnit() override;

    Cup &cup() { return m_cup; }
    // Every change of the cup goes through the document; the views listen to its signals.
    CupDokument &dokument() { return m_dok; }
    // Undo and redo ("&Bearbeiten").
    Bearbeitung *bearbeitung() const { return m_bearbeitung; }
    // The grid that shows one of the five tables.
    Gitter *gitter(Tabellenteil t) const;
    Ausgabe &ausgabe() { return m_ausgabe; }
    // The printer that "&Druckereinstellungen" sets up and every print uses.
    QPrinter &drucker() { return m_drucker; }
    // The hidden version field.
    QString version() const { return m_version; }

    // Selection, as the commands take it from the current cells.
    int gewaehlterLauf() const;     // current column of laufe; 0 = no race
    int gewaehlterLaufTeil() const; // current column of teil minus 7; < 1 = no race
    int gewaehlteZeile() const;     // current row of teil; 0 = no participant
    int gewaehlteCvZeile() const;   // current row of cv; 0 = none
    int gewaehlteAgZeile() const;   // current row of ag; 0 = none
    int gewaehltePvZeile() const;   // current row of pv; 0 = none

    Gitter *cvGitter() const { return m_cvG; }
    Gitter *agGitter() const { return m_agG; }
    Gitter *pvGitter() const { return m_pvG; }
    Gitter *laufeGitter() const { return m_laufeG; }
    Gitter *teilGitter() const { return m_teilG; }

    const Menuepunkte &punkte() const { return m_punkte; }
    Dialoge &dialoge() { return m_dialoge; }

    // A menu item or menu found by its object name, for tests and diagnostics: the program's own
    // units use punkte().
    QAction *aktion(const QString &name) const;
    QMenu *menue(const QString &name) const;

    // The setting controls of page "Cup". Setting minW/maxW runs minChange/maxChange.
    QLineEdit *nameFeld() const { return m_name; }
    QLineEdit *veranstalterFeld() const { return m_veranstalter; }
    QComboBox *kategorieFeld() const { return m_kategorie; }
    QSpinBox *minW() const { return m_minW; }
    QSpinBox *maxW() const { return m_maxW; }

    QTabWidget *seiten() const { return m_seiten; }
    // The hidden page "Bilder"; it has an empty QVBoxLayout for the certificate pictures.
    QWidget *bilderSeite() const { return m_bilder; }
    QWidget *ausgabeSeite() const { return m_ausgabeSeite; }
    AusgabeAnsicht *ausgabeAnsicht() const { return m_ausgabeAnsicht; }
    // The search line of page "Teilnehmer" (Ctrl+F).
    Teilnehmersuche *teilnehmersuche() const { return m_suche; }
    // Makes page "Ausgabe" active, showing the pane's current content.
    void zeigeAusgabe();

    BeaCup *bea_cup() const { return m_beaCup; }
    BeaAg *bea_ag() const { return m_beaAg; }
    BeaPv *bea_pv() const { return m_beaPv; }
    UberTlt *ubertlt() const { return m_uber; }
    // Recovery file, lock of the open cup file, recovery question at start.
    Autosicherung *autosicherung() const { return m_autosicherung; }

    // Texts of the two status bar panels.
    QString statusText(int panel) const;

    // Brings grids, setting controls and status bar in line with the cup.
    void aktualisieren();
    // After the whole cup was replaced (e.g. by Cup::uebernehmen): shows it from scratch; what was
    // done before can no longer be taken back.
    void neuAnzeigen();
    // A new cup with the window parts that go with it (no question).
    void neu();
    // Loads a cup file; on failure shows the message and keeps the current cup.
    bool ladeDatei(const QString &pfad);
    // Saves under the path; asks first when the file cannot hold some characters. On failure shows
    // the message and keeps file name and changed flag.
    bool speichereDatei(const QString &pfad);

public slots:
    void m_d_nClick();
    void m_d_lClick();
    void m_d_sClick();
    void m_d_uClick();
    void m_d_xClick();
    void m_e_dClick();
    void m_h_bClick();

    void laufe_popPopup();
    void teil_popPopup();
    void ag_popPopup();
    void cv_popPopup();
    void pv_popPopup();

    void teil_pop_p_sClick();
    void teil_pop_p_fClick();

    void cv_pop_hClick();
    void cv_pop_bClick();
    void cv_pop_lClick();
    void ag_pop_hClick();
    void ag_pop_bClick();
    void ag_pop_lClick();
    void pv_pop_hClick();
    void pv_pop_lClick();

    void minChange();
    void maxChange();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void seitenBauen();
    void seiteWechseln(int schritt);
    QWidget *cupSeiteBauen();
    void menueBauen();
    void kontextmenuesBauen();
    QAction *neueAktion(QMenu *menu, const QString &name, const QString &text);
    QMenu *neuesUntermenue(QMenu *menu, const QString &name, const QString &text);
    QAction *trenner(QMenu *menu, const QString &name);
    void menueAnbinden(Gitter *g, QMenu *menu);
    void felderAnzeigen();
    void statusAnzeigen();
    void dialogeSchliessen();
    void sortieren(Richtung richtung);
    // Deletes a row of a small table as one step: a refusal is shown, otherwise the question is asked.
    void loeschenNachFrage(const QString &verweigert, const QString &frageText, const QString &schritt,
                           const std::function<void(Cup &)> &befehl);
    void einstellungAendern(const QString &text, int schluessel, const std::function<void(Cup &)> &befehl);
    void teilBreitenAnpassen(bool immer);
    QString startordner() const;

    CupDokument m_dok;
    Cup &m_cup = m_dok.cup();
    Bearbeitung *m_bearbeitung = nullptr;
    Ausgabe m_ausgabe;
    QPrinter m_drucker;
    QString m_version;
    bool m_sperre = false;

    QTabWidget *m_seiten = nullptr;
    QWidget *m_bilder = nullptr;
    QWidget *m_ausgabeSeite = nullptr;
    AusgabeAnsicht *m_ausgabeAnsicht = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_veranstalter = nullptr;
    QComboBox *m_kategorie = nullptr;
    QSpinBox *m_minW = nullptr;
    QSpinBox *m_maxW = nullptr;
    Gitter *m_cvG = nullptr;
    Gitter *m_agG = nullptr;
    Gitter *m_pvG = nullptr;
    Gitter *m_laufeG = nullptr;
    Gitter *m_teilG = nullptr;
    Teilnehmersuche *m_suche = nullptr;
    QLabel *m_status0 = nullptr;
    QLabel *m_status1 = nullptr;

    // The age-group labels and variation names the participants' columns were last widened for.
    QStringList m_agNamen;
    QStringList m_cvNamen;

    Menuepunkte m_punkte;
    Dialoge m_dialoge;

    BeaCup *m_beaCup = nullptr;
    BeaAg *m_beaAg = nullptr;
    BeaPv *m_beaPv = nullptr;
    UberTlt *m_uber = nullptr;
    Autosicherung *m_autosicherung = nullptr;
};

} // namespace tlt::ui
