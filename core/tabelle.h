#pragma once

#include <QString>
#include <vector>

namespace tlt {

// The identity of a row or column: given once when it is created, never reused in the running
// program, carried along by every sort, insert and delete, and never written to a file.
using Kennung = quint64;

// One recorded change of a table, with what is needed to take it back and to do it again.
struct Tabellenaenderung {
    enum class Art { Zelle, Zeilenzahl, Spaltenzahl, Zeilenfolge, Spaltenfolge, Zeilentausch, Spaltentausch };
    Art art = Art::Zelle;
    int a = 0; // Zelle: column; Zahl: old count; Folge: first; Tausch: first index
    int b = 0; // Zelle: row; Zahl: new count; Tausch: second index
    Kennung spaltenId = 0;
    Kennung zeilenId = 0;
    QString alt;
    QString neu;
    std::vector<int> folge;                   // Folge: new element first+i was old element folge[i]
    std::vector<Kennung> ids;                 // Zahl: identities of the rows/columns added or removed
    std::vector<std::vector<QString>> zellen; // Zahl, when shrinking: the removed rows (or columns)
};

// What happened to one table during one command. Cell changes of a table whose shape or order did
// not change are replayed by identity, so they land right even if the table was re-sorted since
// (reports sort the participants). Otherwise the order of rows and columns before and after is kept,
// and the table is brought into that order before the changes are replayed by position.
struct Tabellenprotokoll {
    std::vector<Tabellenaenderung> schritte;
    bool formGeaendert = false;
    std::vector<Kennung> zeilenVorher, spaltenVorher;
    std::vector<Kennung> zeilenNachher, spaltenNachher;
    bool leer() const { return schritte.empty(); }
};

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

    // Rises with every change, so views can tell whether they must refresh.
    quint64 revision() const { return m_revision; }
    // Rises only when the shape (row or column count) changes.
    quint64 shapeRevision() const { return m_formRevision; }

    const std::vector<QString> &row(int zeile) const { return m_zeilen[static_cast<size_t>(zeile)]; }

    // Identities: of row r / column c (0 outside), and where an identity is now (-1 when gone).
    Kennung rowId(int zeile) const;
    Kennung colId(int spalte) const;
    int rowOf(Kennung id) const;
    int colOf(Kennung id) const;
    const std::vector<Kennung> &rowIds() const { return m_zeilenIds; }
    const std::vector<Kennung> &colIds() const { return m_spaltenIds; }

    // While a protocol is set every change is recorded into it (nullptr ends recording).
    void setProtokoll(Tabellenprotokoll *p);
    // Closes a recording: notes the order after the command when the shape or order changed.
    void protokollAbschliessen(Tabellenprotokoll &p) const;
    // Takes back (rueckwaerts) or does again what a protocol recorded; records nothing.
    void abspielen(const Tabellenprotokoll &p, bool rueckwaerts);

private:
    struct Aufzeichnung {
        Tabellenprotokoll *p = nullptr;
        Aufzeichnung() = default;
        // A copy of the table does not record into the original's protocol.
        Aufzeichnung(const Aufzeichnung &) {}
        Aufzeichnung &operator=(const Aufzeichnung &) { return *this; }
    };
    Tabellenprotokoll *protokoll(bool form);
    // Raw changes, never recorded. Appending takes the given identities and cells (or new ones and
    // empty cells); cutting hands the removed identities and cells out when asked.
    void zeilenAnhaengen(int anzahl, const std::vector<Kennung> *ids, const std::vector<std::vector<QString>> *zellen);
    void zeilenAbschneiden(int n, std::vector<Kennung> *ids, std::vector<std::vector<QString>> *zellen);
    void spaltenAnhaengen(int anzahl, const std::vector<Kennung> *ids, const std::vector<std::vector<QString>> *zellen);
    void spaltenAbschneiden(int n, std::vector<Kennung> *ids, std::vector<std::vector<QString>> *zellen);
    // Records (as Zeilenfolge or Spaltenfolge) and applies a new order of rows or columns.
    void permutieren(Tabellenaenderung::Art art, int first, const std::vector<int> &folge);
    void zeilenPermutieren(int first, const std::vector<int> &reihenfolge);
    void spaltenPermutieren(int first, const std::vector<int> &reihenfolge);
    void zeilenOrdnen(const std::vector<Kennung> &ids);
    void spaltenOrdnen(const std::vector<Kennung> &ids);
    void anwenden(const Tabellenaenderung &s, bool rueckwaerts, int spalte, int zeile);

    Aufzeichnung m_aufzeichnung;
    std::vector<Kennung> m_zeilenIds;
    std::vector<Kennung> m_spaltenIds;
    int m_spalten = 0;
    std::vector<std::vector<QString>> m_zeilen;
    quint64 m_revision = 0;
    quint64 m_formRevision = 0;
};

} // namespace tlt
