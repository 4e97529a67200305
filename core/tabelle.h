#pragma once

#include <QString>
#include <vector>

namespace tlt {

// A rectangular table of text cells addressed (column, row) from 0; row 0 holds headings.
// Rows are stored as separate vectors so that sorting participants only moves row handles.
class Tabelle {
public:
    Tabelle() = default;
    Tabelle(int spalten, int zeilen);

    int colCount() const { return m_spalten; }
    int rowCount() const { return static_cast<int>(m_zeilen.size()); }
    void setColCount(int n);
    void setRowCount(int n);

    // Outside the current size the empty text is returned.
    const QString &cell(int spalte, int zeile) const;
    // Writing outside the current size is ignored.
    void setCell(int spalte, int zeile, const QString &text);

    void swapRows(int a, int b);
    void swapCols(int a, int b);
    // Reorders rows first..first+reihenfolge.size()-1: new row first+i is old row reihenfolge[i].
    void permuteRows(int first, const std::vector<int> &reihenfolge);
    // Same for columns.
    void permuteCols(int first, const std::vector<int> &reihenfolge);

    // Leading rows and columns that do not scroll in the grid.
    int fixedRows() const { return m_fixZeilen; }
    int fixedCols() const { return m_fixSpalten; }
    void setFixedRows(int n);
    void setFixedCols(int n);

    // Display widths in pixels; columns without their own width use the default width.
    int colWidth(int spalte) const;
    void setColWidth(int spalte, int breite);
    int defaultColWidth() const { return m_standardbreite; }
    void setDefaultColWidth(int breite) { m_standardbreite = breite; }
    int rowHeight() const { return m_zeilenhoehe; }
    void clearColWidths() { m_breiten.clear(); }

    // Rises with every change, so views can tell whether they must refresh.
    quint64 revision() const { return m_revision; }
    // Rises only when the shape (row or column count) changes.
    quint64 shapeRevision() const { return m_formRevision; }

    const std::vector<QString> &row(int zeile) const { return m_zeilen[static_cast<size_t>(zeile)]; }

private:
    int m_spalten = 0;
    std::vector<std::vector<QString>> m_zeilen;
    int m_fixZeilen = 0;
    int m_fixSpalten = 0;
    std::vector<int> m_breiten;
    int m_standardbreite = 64;
    int m_zeilenhoehe = 18;
    quint64 m_revision = 0;
    quint64 m_formRevision = 0;
};

} // namespace tlt
