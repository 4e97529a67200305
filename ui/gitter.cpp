#include "ui/gitter.h"

#include "core/tabelle.h"
#include "ui/tabellenmodell.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

namespace tlt::ui {

namespace {
void kopfEinrichten(QHeaderView *h)
{
    // Clicks on a heading select the heading cell (handled on release), never a whole column.
    h->setSectionsClickable(false);
    h->setHighlightSections(false);
    h->setStretchLastSection(false);
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setMinimumSectionSize(8);
    h->setContextMenuPolicy(Qt::PreventContextMenu);
    h->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
}

void ansichtEinrichten(QTableView *v, int zeilenhoehe)
{
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setSelectionBehavior(QAbstractItemView::SelectItems);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setWordWrap(false);
    v->setTextElideMode(Qt::ElideRight);
    v->setShowGrid(true);
    v->verticalHeader()->hide();
    v->verticalHeader()->setMinimumSectionSize(4);
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(zeilenhoehe);
    v->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    kopfEinrichten(v->horizontalHeader());
}
} // namespace

namespace {
constexpr int kZeilenhoehe = 18;
}

Gitter::Gitter(Tabelle *tabelle, Rueckscroll regel, Breiten breiten, QWidget *parent)
    : QTableView(parent), m_tabelle(tabelle), m_regel(regel), m_start(std::move(breiten))
{
    m_modell = new TabellenModell(tabelle, this);
    setModel(m_modell);
    // Rows 18 pixels high, but never so low that the text is cut.
    const int hoehe = std::max(kZeilenhoehe, fontMetrics().height() + 2);
    ansichtEinrichten(this, hoehe);

    // The fixed leading columns are a second view on top of the first, sharing model and selection.
    m_fixView = new QTableView(this);
    m_fixView->setObjectName(QStringLiteral("fixierteSpalten"));
    m_fixView->setModel(m_modell);
    m_fixView->setSelectionModel(selectionModel());
    m_fixView->setFocusPolicy(Qt::NoFocus);
    m_fixView->setFrameShape(QFrame::NoFrame);
    m_fixView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ansichtEinrichten(m_fixView, hoehe);
    viewport()->stackUnder(m_fixView);
    m_fixView->hide();

    connect(m_fixView->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_fixView->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int spalte, int, int breite) {
        m_breiteGeaendert = true;
        if (!m_setzt && breite > 0) {
            if (spalte >= static_cast<int>(m_breiten.size()))
                m_breiten.resize(static_cast<size_t>(spalte) + 1, 0);
            m_breiten[static_cast<size_t>(spalte)] = breite;
        }
        if (spalte < m_fix) {
            if (m_fixView->columnWidth(spalte) != breite)
                m_fixView->setColumnWidth(spalte, breite);
            fixGeometrie();
        }
    });
    connect(m_fixView->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int spalte, int, int breite) {
        m_breiteGeaendert = true;
        if (spalte < m_fix && breite > 0 && columnWidth(spalte) != breite)
            setColumnWidth(spalte, breite);
    });

    connect(horizontalScrollBar(), &QAbstractSlider::valueChanged, this, &Gitter::einrasten);

    for (QWidget *w : {viewport(), m_fixView->viewport(), horizontalHeader()->viewport(),
                       m_fixView->horizontalHeader()->viewport()})
        w->installEventFilter(this);

    m_setzt = true;
    breitenAnwenden();
    m_setzt = false;
    fixierteAnpassen();
    setAktuelleZelle(kopfspalten(), fixierteZeilen());
}

bool Gitter::hatDatensaetze() const
{
    // The records of the races table are its columns (column 0 holds the labels).
    return m_regel == Rueckscroll::Laeufe ? m_tabelle->colCount() > 1 : m_tabelle->rowCount() > 1;
}

int Gitter::fixierteZeilen() const
{
    return hatDatensaetze() ? 1 : 0;
}

int Gitter::kopfspalten() const
{
    if (!hatDatensaetze())
        return 0;
    switch (m_regel) {
    case Rueckscroll::Teilnehmer:
        return 2;
    case Rueckscroll::Laeufe:
        return 1;
    case Rueckscroll::Klein:
        break;
    }
    return 0;
}

int Gitter::spaltenbreite(int spalte) const
{
    if (spalte >= 0 && spalte < static_cast<int>(m_breiten.size()) && m_breiten[static_cast<size_t>(spalte)] > 0)
        return m_breiten[static_cast<size_t>(spalte)];
    for (const auto &[c, b] : m_start.eigene)
        if (c == spalte)
            return b;
    return m_start.standard;
}

void Gitter::setAktuelleZelle(int spalte, int zeile)
{
    m_spalte = std::clamp(spalte, 0, std::max(0, m_tabelle->colCount() - 1));
    m_zeile = std::clamp(zeile, 0, std::max(0, m_tabelle->rowCount() - 1));
    auswahlZeigen();
}

void Gitter::auswahlZeigen()
{
    m_setzt = true;
    // A current heading cell has no body selection to show it: its heading is drawn in bold.
    m_modell->setKopfMarke(m_zeile == 0 ? m_spalte : -1);
    if (m_zeile >= 1 && m_zeile - 1 < m_modell->rowCount() && m_spalte < m_modell->columnCount()) {
        selectionModel()->setCurrentIndex(m_modell->index(m_zeile - 1, m_spalte),
                                          QItemSelectionModel::ClearAndSelect);
    } else {
        // A heading cell is current: nothing in the body is selected.
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    m_setzt = false;
}

void Gitter::focusInEvent(QFocusEvent *e)
{
    // A view without a current body cell makes its first cell current when it gets the focus back
    // (after a popup menu closed, also by Escape); a heading cell that is current stays current.
    m_setzt = true;
    QTableView::focusInEvent(e);
    m_setzt = false;
    if (m_zeile == 0)
        auswahlZeigen();
}

void Gitter::currentChanged(const QModelIndex &aktuell, const QModelIndex &vorher)
{
    QTableView::currentChanged(aktuell, vorher);
    if (!m_setzt && aktuell.isValid()) {
        m_spalte = aktuell.column();
        m_zeile = aktuell.row() + 1;
        m_modell->setKopfMarke(-1);
    }
}

void Gitter::aktualisieren()
{
    m_setzt = true;
    const bool neuGeformt = m_modell->aktualisieren();
    if (neuGeformt)
        breitenAnwenden();
    m_setzt = false;
    fixierteAnpassen();
    const int sp = std::clamp(m_spalte, 0, std::max(0, m_tabelle->colCount() - 1));
    const int ze = std::clamp(m_zeile, 0, std::max(0, m_tabelle->rowCount() - 1));
    if (neuGeformt || sp != m_spalte || ze != m_zeile)
        setAktuelleZelle(sp, ze);
}

void Gitter::zuruecksetzen()
{
    m_setzt = true;
    m_modell->zuruecksetzen();
    m_breiten.clear();
    breitenAnwenden();
    m_setzt = false;
    fixierteAnpassen();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    setAktuelleZelle(kopfspalten(), fixierteZeilen());
}

void Gitter::breitenAnwenden()
{
    // The columns' widths, widened where a heading (or, in the small tables, a cell) would be cut.
    for (int c = 0; c < m_modell->columnCount(); ++c) {
        int b = std::max(spaltenbreite(c), mindestbreite(c));
        if (m_regel == Rueckscroll::Klein || (m_regel == Rueckscroll::Laeufe && c == 0))
            b = std::max(b, sizeHintForColumn(c));
        setColumnWidth(c, b);
    }
}

void Gitter::setMuster(std::function<QString(int)> muster)
{
    m_muster = std::move(muster);
    m_setzt = true;
    breitenAnwenden();
    m_setzt = false;
    fixierteAnpassen();
}

int Gitter::mindestbreite(int spalte) const
{
    // The heading as the header measures it, and in bold with the cell's margins, since a current
    // heading cell is drawn bold; then the column's typical content.
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1 +
                     fontMetrics().averageCharWidth();
    QFont fett = horizontalHeader()->font();
    fett.setBold(true);
    const QString kopf = m_modell->headerData(spalte, Qt::Horizontal).toString();
    int b = std::max(horizontalHeader()->sectionSizeHint(spalte), QFontMetrics(fett).horizontalAdvance(kopf) + rand);
    if (m_muster) {
        const QString muster = m_muster(spalte);
        if (!muster.isEmpty())
            b = std::max(b, fontMetrics().horizontalAdvance(muster) + rand);
    }
    return b;
}

void Gitter::passendeBreite(int spalte, const QStringList &texte)
{
    if (spalte < 0 || spalte >= m_modell->columnCount())
        return;
    // The cell's text margins and grid line, and a little air so rounding never elides the text.
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1
                     + fontMetrics().averageCharWidth();
    int b = 0;
    for (const QString &t : texte)
        b = std::max(b, fontMetrics().horizontalAdvance(t) + rand);
    if (b > columnWidth(spalte))
        setColumnWidth(spalte, b);
}

void Gitter::fixierteAnpassen()
{
    const int k = std::clamp(kopfspalten(), 0, m_modell->columnCount());
    m_fix = k;
    // The label column of the races is drawn like a heading.
    m_modell->setKopfspalten(m_regel == Rueckscroll::Laeufe ? k : 0);
    for (int c = 0; c < m_modell->columnCount(); ++c) {
        const bool versteckt = c >= k;
        if (m_fixView->isColumnHidden(c) != versteckt)
            m_fixView->setColumnHidden(c, versteckt);
        if (!versteckt && m_fixView->columnWidth(c) != columnWidth(c))
            m_fixView->setColumnWidth(c, columnWidth(c));
    }
    m_fixView->setVisible(k > 0);
    fixGeometrie();
}

int Gitter::fixBreite() const
{
    int b = 0;
    for (int c = 0; c < m_fix; ++c)
        b += columnWidth(c);
    return b;
}

void Gitter::fixGeometrie()
{
    if (m_fix <= 0)
        return;
    m_fixView->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_fixView->setGeometry(frameWidth(), frameWidth(), std::min(fixBreite(), viewport()->width()),
                           viewport()->height() + horizontalHeader()->height());
}

void Gitter::einrasten(int wert)
{
    // With fixed columns the view scrolls by whole columns, so the first scrolled column always starts
    // right at the edge of the fixed ones (and its heading is readable).
    QScrollBar *h = horizontalScrollBar();
    if (m_rastet || m_fix <= 0 || wert == h->maximum() || wert == 0) {
        m_letzterWert = wert;
        return;
    }
    const int fb = fixBreite();
    int unten = 0;
    int oben = h->maximum();
    for (int c = m_fix; c < m_modell->columnCount(); ++c) {
        const int grenze = horizontalHeader()->sectionPosition(c) - fb;
        if (grenze <= wert)
            unten = grenze;
        if (grenze >= wert) {
            oben = std::min(grenze, h->maximum());
            break;
        }
    }
    const int ziel = wert >= m_letzterWert ? oben : unten;
    m_letzterWert = ziel;
    if (ziel != wert) {
        m_rastet = true;
        h->setValue(ziel);
        m_rastet = false;
    }
}

void Gitter::resizeEvent(QResizeEvent *e)
{
    QTableView::resizeEvent(e);
    fixGeometrie();
}

void Gitter::updateGeometries()
{
    QTableView::updateGeometries();
    fixGeometrie();
}

void Gitter::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    if (index.column() < m_fix) {
        // A fixed cell never needs horizontal scrolling.
        const int h = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(h);
        return;
    }
    QTableView::scrollTo(index, hint);
    // The fixed columns cover the left edge of the viewport.
    const int links = visualRect(index).left();
    const int fb = fixBreite();
    if (links < fb)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (fb - links));
}

void Gitter::zurueckscrollen()
{
    switch (m_regel) {
    case Rueckscroll::Teilnehmer:
        // With participants the two name columns are fixed: every click shows column 2 first again.
        if (kopfspalten() == 2 || (m_tabelle->colCount() > 2 && m_tabelle->rowCount() > 1))
            horizontalScrollBar()->setValue(0);
        break;
    case Rueckscroll::Laeufe:
        // With races the race-number row is fixed: every click shows row 1 first again.
        if (fixierteZeilen() == 1 || (m_tabelle->rowCount() > 1 && m_tabelle->colCount() > 1))
            verticalScrollBar()->setValue(0);
        break;
    case Rueckscroll::Klein:
        if (m_zeile == 0)
            verticalScrollBar()->setValue(0);
        break;
    }
}

void Gitter::mausLosGelassen(QWidget *w, const QPoint &pos, Qt::MouseButton knopf)
{
    int sp = -1;
    int ze = -1;
    if (w == horizontalHeader()->viewport() || w == m_fixView->horizontalHeader()->viewport()) {
        QHeaderView *h = w == horizontalHeader()->viewport() ? horizontalHeader() : m_fixView->horizontalHeader();
        const int s = h->logicalIndexAt(pos);
        if (s >= 0) {
            sp = s;
            ze = 0;
        }
    } else if (w == viewport() || w == m_fixView->viewport()) {
        QTableView *v = w == viewport() ? static_cast<QTableView *>(this) : m_fixView;
        const QModelIndex i = v->indexAt(pos);
        if (i.isValid()) {
            sp = i.column();
            ze = i.row() + 1;
        }
    }
    if (sp >= 0)
        setAktuelleZelle(sp, ze);
    zurueckscrollen();
    emit losgelassen(knopf, w->mapToGlobal(pos));
}

QWidget *Gitter::zellenZiel(int spalte, int zeile, QPoint *punkt)
{
    if (spalte < 0 || spalte >= m_modell->columnCount() || zeile < 0 || zeile >= m_tabelle->rowCount())
        return nullptr;
    const bool fix = spalte < m_fix;
    if (zeile == 0) {
        QHeaderView *h = fix ? m_fixView->horizontalHeader() : horizontalHeader();
        const int x = h->sectionViewportPosition(spalte);
        const int b = h->sectionSize(spalte);
        if (!fix && x + b / 2 < fixBreite())
            return nullptr;
        if (x + b / 2 >= h->viewport()->width())
            return nullptr;
        *punkt = QPoint(x + b / 2, h->height() / 2);
        return h->viewport();
    }
    QTableView *v = fix ? m_fixView : static_cast<QTableView *>(this);
    const QRect r = v->visualRect(m_modell->index(zeile - 1, spalte));
    if (r.isEmpty() || !v->viewport()->rect().contains(r.center()))
        return nullptr;
    if (!fix && r.center().x() < fixBreite())
        return nullptr;
    *punkt = r.center();
    return v->viewport();
}

bool Gitter::eventFilter(QObject *o, QEvent *e)
{
    const bool kopf = o == horizontalHeader()->viewport() || o == m_fixView->horizontalHeader()->viewport();
    if (e->type() == QEvent::MouseButtonPress && kopf) {
        m_breiteGeaendert = false;
    } else if (e->type() == QEvent::MouseButtonRelease) {
        // Releasing after dragging a column border is a resize, not a choice of cell.
        if (kopf && m_breiteGeaendert) {
            m_breiteGeaendert = false;
            return false;
        }
        auto *me = static_cast<QMouseEvent *>(e);
        mausLosGelassen(static_cast<QWidget *>(o), me->position().toPoint(), me->button());
    }
    return QTableView::eventFilter(o, e);
}

void Gitter::contextMenuEvent(QContextMenuEvent *e)
{
    // The mouse opens the menu on release (after choosing the cell); only the keyboard comes here.
    if (e->reason() == QContextMenuEvent::Keyboard) {
        QRect r;
        if (m_zeile >= 1)
            r = visualRect(m_modell->index(m_zeile - 1, m_spalte));
        const QPoint p = r.isValid() ? r.center() : QPoint(fixBreite() + 4, 4);
        emit kontextmenuTaste(viewport()->mapToGlobal(p));
    }
    e->accept();
}

} // namespace tlt::ui
