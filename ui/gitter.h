#pragma once

#include <QTableView>
#include <functional>

#include <utility>
#include <vector>

namespace tlt {
class Tabelle;
}

namespace tlt::ui {

class TabellenModell;

// A read-only grid over one cup table. Row 0 of the table is the header row, the fixed leading
// columns stay in place while the rest scrolls, and the grid keeps its own current cell
// (column, row in table coordinates) so that the heading cells can be current as well: that is how
// "no race" or "no participant" is chosen.
class Gitter : public QTableView {
    Q_OBJECT
public:
    // Which kind of table the grid shows: it decides the fixed heading rows and columns and how the
    // view scrolls back after a click.
    enum class Rueckscroll {
        Teilnehmer, // with participants: 1 fixed row, the 2 name columns; back to the first scrolled column
        Laeufe,     // with races: 1 fixed row, the label column; back to the first scrolled row
        Klein,      // with records: 1 fixed row; with the heading row current back to the first row
    };

    // Column widths in pixels: one for every column, and own widths of some columns.
    struct Breiten {
        int standard = 64;
        std::vector<std::pair<int, int>> eigene; // column, width
    };

    Gitter(Tabelle *tabelle, Rueckscroll regel, Breiten breiten, QWidget *parent = nullptr);

    TabellenModell *modell() const { return m_modell; }
    Tabelle *tabelle() const { return m_tabelle; }

    int aktSpalte() const { return m_spalte; }
    int aktZeile() const { return m_zeile; }
    // Makes a cell current (clamped to the table).
    void setAktuelleZelle(int spalte, int zeile);

    // Follows the table: new shape, new cells, fixed columns, widths.
    void aktualisieren();
    // After the whole cup was replaced: reset, back to the starting widths, first cell current.
    void zuruecksetzen();

    // Where a cell is drawn: the widget that receives its mouse events and the point in it.
    // Returns nullptr when the cell is not visible.
    QWidget *zellenZiel(int spalte, int zeile, QPoint *punkt);

    // The same as a mouse release over the widget w at pos: makes the cell there current, scrolls
    // back and reports the release (tests and the event filter share it).
    void mausLosGelassen(QWidget *w, const QPoint &pos, Qt::MouseButton knopf);

    // The leading rows and columns that do not scroll. They follow from the table's content: none
    // while the table holds no record (no race in the races table).
    int fixierteZeilen() const;
    int fixierteSpalten() const { return m_fix; }
    // The width a column gets when the table is reshaped: the user's, or the starting width.
    int spaltenbreite(int spalte) const;

    // Widens a column so that each of the texts fits in a cell (never narrows it).
    void passendeBreite(int spalte, const QStringList &texte);
    // The typical content of a column ("0:00'00,00\"" for a result): every column is at least as wide
    // as its heading (also in bold, as a current heading is drawn) and this text.
    void setMuster(std::function<QString(int spalte)> muster);

signals:
    // A mouse button was released over the grid; the current cell is already the one under the pointer.
    void losgelassen(Qt::MouseButton knopf, const QPoint &global);
    // The keyboard asked for the context menu (menu key, Shift+F10).
    void kontextmenuTaste(const QPoint &global);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex &aktuell, const QModelIndex &vorher) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;

private:
    void breitenAnwenden();
    void fixierteAnpassen();
    void fixGeometrie();
    int fixBreite() const;
    void zurueckscrollen();
    void auswahlZeigen();
    void einrasten(int wert);
    bool hatDatensaetze() const;
    int kopfspalten() const;

    Tabelle *m_tabelle;
    TabellenModell *m_modell;
    QTableView *m_fixView;
    Rueckscroll m_regel;
    Breiten m_start;
    std::vector<int> m_breiten; // the width of each column the user or the program set; 0 = starting width
    int m_fix = 0;
    int m_spalte = 0;
    int m_zeile = 0;
    bool m_setzt = false;
    bool m_breiteGeaendert = false;
    bool m_rastet = false;
    int m_letzterWert = 0;
    std::function<QString(int)> m_muster;
    int mindestbreite(int spalte) const;
};

} // namespace tlt::ui
