#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTableWidget>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tlt {
class Cup;
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

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
};

// The participant dialog: adds participants (stays open and empties itself) and edits one participant.
class BeaTeil : public QDialog {
    Q_OBJECT
public:
    explicit BeaTeil(Cup &cup, QWidget *parent = nullptr);

    // "Teilnehmer hinzufügen".
    void hinzufuegen();
    // "Teilnehmer bearbeiten" for row s; the save writes to that participant even if the table moves.
    void bearbeiten(int s);
    bool bearbeitungsmodus() const { return m_bearbeiten; }
    // Race column c was edited and had the identity bisher before (see laufkennung): its row in the
    // results table keeps belonging to it, wherever its new date puts it.
    void laufBearbeitet(const QStringList &bisher, int c);

    // Called after every change of the cup with the participant's row afterwards.
    std::function<void(int zeile)> nachAenderung;

public slots:
    void speichernClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void listenFuellen();
    void ergebnisseAufbauen(const QStringList &werte);
    void leeren();
    void zeigen();
    int eigeneZeile() const;
    void snExit();
    void snEnter();
    void gebExit();
    void altEnter();
    void vereinSEnter();

    Cup &m_cup;
    bool m_bearbeiten = false;
    int m_zeile = -1;
    QStringList m_kennung;
    QList<QStringList> m_laufkennungen;
    quint64 m_laufform = 0;

    QLineEdit *m_name, *m_vorname, *m_geb, *m_verein, *m_sn;
    QComboBox *m_ges, *m_vereinS, *m_alt, *m_cupW;
    Ergebnistabelle *m_erg;
    QPushButton *m_speichern;
};

// "Teilnehmer löschen" for row s after the question. Returns true when the row was removed.
bool teilnehmerLoeschenFragen(QWidget *parent, Cup &cup, int s);

} // namespace tlt::ui
