#pragma once

#include <QAbstractTableModel>

namespace tlt {
class Tabelle;
}

namespace tlt::ui {

// Shows a cup table in a view without copying it: row 0 of the table is the horizontal header,
// table row r + 1 is model row r. The model reads the cells at paint time, so even a table of
// many thousand participants opens at once.
class TabellenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TabellenModell(const Tabelle *tabelle, QObject *parent = nullptr);

    const Tabelle *tabelle() const { return m_tabelle; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The fixed leading columns hold row labels (races table): drawn like header cells.
    // The leading columns drawn like headings.
    void setKopfspalten(int anzahl) { m_kopfspalten = anzahl; }
    // The heading cell that is current (drawn in bold), -1 for none.
    void setKopfMarke(int spalte);
    int kopfMarke() const { return m_kopfMarke; }

    // Brings the views up to date with the table. Returns true when the shape changed (model reset).
    bool aktualisieren();
    // Forces a reset, e.g. after the whole cup was replaced.
    void zuruecksetzen();

private:
    const Tabelle *m_tabelle;
    int m_kopfspalten = 0;
    int m_kopfMarke = -1;
    int m_zeilen = 0;
    int m_spalten = 0;
    quint64 m_revision = 0;
    quint64 m_formRevision = 0;
};

} // namespace tlt::ui
