#include "core/tabelle.h"

#include <algorithm>
#include <utility>

namespace tlt {

namespace {
const QString kLeer;
}

Tabelle::Tabelle(int spalten, int zeilen)
{
    setColCount(spalten);
    setRowCount(zeilen);
}

void Tabelle::setColCount(int n)
{
    n = std::max(0, n);
    if (n == m_spalten)
        return;
    m_spalten = n;
    for (auto &z : m_zeilen)
        z.resize(static_cast<size_t>(n));
    ++m_revision;
    ++m_formRevision;
}

void Tabelle::setRowCount(int n)
{
    n = std::max(0, n);
    if (n == rowCount())
        return;
    m_zeilen.resize(static_cast<size_t>(n));
    for (auto &z : m_zeilen)
        if (static_cast<int>(z.size()) != m_spalten)
            z.resize(static_cast<size_t>(m_spalten));
    ++m_revision;
    ++m_formRevision;
}

const QString &Tabelle::cell(int spalte, int zeile) const
{
    if (spalte < 0 || zeile < 0 || spalte >= m_spalten || zeile >= rowCount())
        return kLeer;
    return m_zeilen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
}

void Tabelle::setCell(int spalte, int zeile, const QString &text)
{
    if (spalte < 0 || zeile < 0 || spalte >= m_spalten || zeile >= rowCount())
        return;
    m_zeilen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] = text;
    ++m_revision;
}

void Tabelle::swapRows(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= rowCount() || b >= rowCount())
        return;
    std::swap(m_zeilen[static_cast<size_t>(a)], m_zeilen[static_cast<size_t>(b)]);
    ++m_revision;
}

void Tabelle::swapCols(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= m_spalten || b >= m_spalten)
        return;
    for (auto &z : m_zeilen)
        std::swap(z[static_cast<size_t>(a)], z[static_cast<size_t>(b)]);
    ++m_revision;
}

void Tabelle::permuteRows(int first, const std::vector<int> &reihenfolge)
{
    std::vector<std::vector<QString>> neu;
    neu.reserve(reihenfolge.size());
    for (int alt : reihenfolge)
        neu.push_back(std::move(m_zeilen[static_cast<size_t>(alt)]));
    for (size_t i = 0; i < neu.size(); ++i)
        m_zeilen[static_cast<size_t>(first) + i] = std::move(neu[i]);
    ++m_revision;
}

void Tabelle::permuteCols(int first, const std::vector<int> &reihenfolge)
{
    std::vector<QString> puffer(reihenfolge.size());
    for (auto &z : m_zeilen) {
        for (size_t i = 0; i < reihenfolge.size(); ++i)
            puffer[i] = std::move(z[static_cast<size_t>(reihenfolge[i])]);
        for (size_t i = 0; i < puffer.size(); ++i)
            z[static_cast<size_t>(first) + i] = std::move(puffer[i]);
    }
    ++m_revision;
}

void Tabelle::setFixedRows(int n)
{
    if (n != m_fixZeilen) {
        m_fixZeilen = n;
        ++m_revision;
    }
}

void Tabelle::setFixedCols(int n)
{
    if (n != m_fixSpalten) {
        m_fixSpalten = n;
        ++m_revision;
    }
}

int Tabelle::colWidth(int spalte) const
{
    if (spalte >= 0 && spalte < static_cast<int>(m_breiten.size()) && m_breiten[static_cast<size_t>(spalte)] > 0)
        return m_breiten[static_cast<size_t>(spalte)];
    return m_standardbreite;
}

void Tabelle::setColWidth(int spalte, int breite)
{
    if (spalte < 0)
        return;
    if (spalte >= static_cast<int>(m_breiten.size()))
        m_breiten.resize(static_cast<size_t>(spalte) + 1, 0);
    m_breiten[static_cast<size_t>(spalte)] = breite;
}

} // namespace tlt
