#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTableWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

#include "core/tabelle.h"

namespace tlt {
class Cup;
class CupDokument;
}

namespace tlt::ui {

// The results table of the participant dialog: every entry is normalised when it is stored in its
// cell, so Enter, Cursor-up/-down and leaving the table all validate the cell that is left.
class Ergebnistabelle : public QTableWidget {
    Q_OBJECT
public:
    explicit Ergebnistabelle(QWidget *parent = nullptr);
    // Stores an open entry and normalises the current cell (checkentry).
    void checkentry();
    // A cell's editor is open.
    bool bearbeitetGerade() const { return state() == QAbstractItemView::EditingState; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QPointer<QWidget> m_erledigt; // an editor checkentry already stored and closed
};

// The participant dialog: adds participants (stays open and empties itself) and edits one participant.
class BeaTeil : public QDialog {
    Q_OBJECT
public:
    explicit BeaTeil(CupDokument &dok, QWidget *parent = nullptr);

    // "Teilnehmer hinzufügen".
    void hinzufuegen();
    // "Teilnehmer bearbeiten" for row s; the save writes to that participant even if the table moves,
    // and only the results changed in the dialog.
    void bearbeiten(int s);
    bool bearbeitungsmodus() const { return m_bearbeiten; }

    // Called after every change of the cup with the participant's row afterwards.
    std::function<void(int zeile)> nachAenderung;

public slots:
    void speichernClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void listenFuellen();
    void ergebnisseAufbauen(const QStringList &werte);
    void ergebnisseNachfuehren();
    void ergebnisseAbgleichen();
    void leeren();
    void zeigen();
    int eigeneZeile() const;
    void snExit();
    void snEnter();
    void gebExit();
    void altEnter();
    void vereinSEnter();

    CupDokument &m_dok;
    Cup &m_cup;
    bool m_bearbeiten = false;
    Kennung m_id = 0;

    QLineEdit *m_name, *m_vorname, *m_geb, *m_verein, *m_sn;
    QComboBox *m_ges, *m_vereinS, *m_alt, *m_cupW;
    Ergebnistabelle *m_erg;
    QPushButton *m_speichern;
    QLabel *m_hinweis;
};

// "Teilnehmer löschen" for row s after the question. Returns true when the row was removed.
bool teilnehmerLoeschenFragen(QWidget *parent, CupDokument &dok, int s);

} // namespace tlt::ui
