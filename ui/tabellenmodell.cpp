#include "ui/tabellenmodell.h"

#include "core/spalten.h"
#include "core/tabelle.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace tlt::ui {

TabellenModell::TabellenModell(const Tabelle *tabelle, QObject *parent)
    : QAbstractTableModel(parent), m_tabelle(tabelle)
{
    m_zeilen = std::max(0, m_tabelle->rowCount() - 1);
    m_spalten = m_tabelle->colCount();
    m_revision = m_tabelle->revision();
    m_formRevision = m_tabelle->shapeRevision();
}

int TabellenModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

int TabellenModell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_spalten;
}

QVariant TabellenModell::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_tabelle->cell(index.column(), index.row() + 1);
    case Qt::BackgroundRole:
        if (index.column() < m_kopfspalten)
            return QApplication::palette().brush(QPalette::Button);
        return {};
    case Qt::ForegroundRole:
        if (index.column() < m_kopfspalten)
            return QApplication::palette().brush(QPalette::ButtonText);
        return {};
    default:
        return {};
    }
}

QVariant TabellenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_tabelle->cell(section, kKopfzeile);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (orientation == Qt::Horizontal && role == Qt::FontRole && section == m_kopfMarke) {
        QFont f = QApplication::font();
        f.setBold(true);
        return f;
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

Qt::ItemFlags TabellenModell::flags(const QModelIndex &index) const
{
    // Read-only: every change goes through a command.
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TabellenModell::setKopfMarke(int spalte)
{
    if (spalte == m_kopfMarke)
        return;
    const int alt = m_kopfMarke;
    m_kopfMarke = spalte;
    if (alt >= 0 && alt < m_spalten)
        emit headerDataChanged(Qt::Horizontal, alt, alt);
    if (spalte >= 0 && spalte < m_spalten)
        emit headerDataChanged(Qt::Horizontal, spalte, spalte);
}

bool TabellenModell::aktualisieren()
{
    if (m_tabelle->shapeRevision() != m_formRevision) {
        zuruecksetzen();
        return true;
    }
    if (m_tabelle->revision() != m_revision) {
        m_revision = m_tabelle->revision();
        if (m_zeilen > 0 && m_spalten > 0)
            emit dataChanged(index(0, 0), index(m_zeilen - 1, m_spalten - 1));
        if (m_spalten > 0)
            emit headerDataChanged(Qt::Horizontal, 0, m_spalten - 1);
    }
    return false;
}

void TabellenModell::zuruecksetzen()
{
    beginResetModel();
    m_zeilen = std::max(0, m_tabelle->rowCount() - 1);
    m_spalten = m_tabelle->colCount();
    m_revision = m_tabelle->revision();
    m_formRevision = m_tabelle->shapeRevision();
    endResetModel();
}

} // namespace tlt::ui
