#include "ui/ausgabe_ansicht.h"

#include "reports/ausgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace tlt::ui {

namespace {
// Room between the paper's edge and the text.
constexpr int kRand = 4;

QColor farbe(int wert)
{
    // Colours are stored as 0x00BBGGRR; every report writes 0, black.
    return QColor(wert & 0xff, (wert >> 8) & 0xff, (wert >> 16) & 0xff);
}
} // namespace

AusgabeAnsicht::AusgabeAnsicht(const Ausgabe *ausgabe, QWidget *parent)
    : QAbstractScrollArea(parent), m_ausgabe(ausgabe)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    // The report is shown as it will be printed: black on white, whatever the desktop's colours are.
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    viewport()->setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &AusgabeAnsicht::aktualisieren);
    layout();
}

void AusgabeAnsicht::spaeterAktualisieren()
{
    m_timer.start();
}

void AusgabeAnsicht::aktualisieren()
{
    m_timer.stop();
    m_anker = m_ende = -1;
    layout();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

const AusgabeAnsicht::Schrift &AusgabeAnsicht::schriftFuer(int groesse, int stil) const
{
    if (groesse <= 0)
        groesse = 9;
    const int schluessel = groesse * 8 + (stil & 7);
    auto it = m_schriften.constFind(schluessel);
    if (it != m_schriften.constEnd())
        return *it;
    Schrift s;
    s.font = QFont(QStringLiteral("Courier New"));
    s.font.setStyleHint(QFont::TypeWriter);
    s.font.setPointSize(groesse);
    s.font.setBold(stil & Fett);
    s.font.setItalic(stil & Kursiv);
    s.font.setUnderline(stil & Unterstrichen);
    const QFontMetrics fm(s.font, viewport());
    s.zeilenhoehe = fm.lineSpacing();
    s.oberlaenge = fm.ascent();
    s.zeichenbreite = fm.horizontalAdvance(QLatin1Char('0'));
    return *m_schriften.insert(schluessel, s);
}

QFont AusgabeAnsicht::schrift(int i) const
{
    const Ausgabezeile &z = m_ausgabe->zeile(i);
    return schriftFuer(z.groesse, z.stil).font;
}

void AusgabeAnsicht::layout()
{
    const int n = m_ausgabe->anzahl();
    m_oben.assign(static_cast<size_t>(n) + 1, 0);
    int y = 0;
    int breite = 0;
    for (int i = 0; i < n; ++i) {
        const Ausgabezeile &z = m_ausgabe->zeile(i);
        const Schrift &s = schriftFuer(z.groesse, z.stil);
        m_oben[static_cast<size_t>(i)] = y;
        y += s.zeilenhoehe;
        // The font is monospaced: the width follows from the number of characters.
        breite = std::max(breite, static_cast<int>(z.text.size()) * s.zeichenbreite);
    }
    m_oben[static_cast<size_t>(n)] = y;
    m_breite = breite;
    scrollbalkenAnpassen();
}

void AusgabeAnsicht::scrollbalkenAnpassen()
{
    const QSize sicht = viewport()->size();
    const int zeile = schriftFuer(9, Normal).zeilenhoehe;
    QScrollBar *v = verticalScrollBar();
    v->setRange(0, std::max(0, inhaltsHoehe() + 2 * kRand - sicht.height()));
    v->setPageStep(std::max(zeile, sicht.height() - zeile));
    v->setSingleStep(zeile);
    QScrollBar *h = horizontalScrollBar();
    h->setRange(0, std::max(0, m_breite + 2 * kRand - sicht.width()));
    h->setPageStep(std::max(1, sicht.width()));
    h->setSingleStep(schriftFuer(9, Normal).zeichenbreite);
}

int AusgabeAnsicht::zeileBei(int y) const
{
    if (zeilenAnzahl() == 0)
        return -1;
    // The last line whose top lies at or above y.
    auto it = std::upper_bound(m_oben.begin(), m_oben.end() - 1, y);
    const int i = static_cast<int>(it - m_oben.begin()) - 1;
    return std::clamp(i, 0, zeilenAnzahl() - 1);
}

int AusgabeAnsicht::zeileBeiPunkt(const QPoint &p) const
{
    return zeileBei(p.y() + verticalScrollBar()->value() - kRand);
}

void AusgabeAnsicht::paintEvent(QPaintEvent *e)
{
    // A change of the model that is not laid out yet (the refresh is queued) is laid out first, so
    // that painting never reads lines that are gone.
    if (zeilenAnzahl() != m_ausgabe->anzahl())
        layout();
    QPainter maler(viewport());
    maler.fillRect(e->rect(), Qt::white);
    if (zeilenAnzahl() == 0)
        return;
    const int dy = verticalScrollBar()->value() - kRand;
    const int dx = kRand - horizontalScrollBar()->value();
    const int erste = zeileBei(e->rect().top() + dy);
    const int letzte = zeileBei(e->rect().bottom() + dy);
    const QPalette &pal = palette();
    for (int i = erste; i <= letzte; ++i) {
        const Ausgabezeile &z = m_ausgabe->zeile(i);
        const Schrift &s = schriftFuer(z.groesse, z.stil);
        const int oben = m_oben[static_cast<size_t>(i)] - dy;
        const bool markiert = m_anker >= 0 && i >= auswahlVon() && i <= auswahlBis();
        if (markiert) {
            maler.fillRect(QRect(0, oben, viewport()->width(), s.zeilenhoehe), pal.color(QPalette::Highlight));
            maler.setPen(pal.color(QPalette::HighlightedText));
        } else {
            maler.setPen(farbe(z.farbe));
        }
        maler.setFont(s.font);
        maler.drawText(QPoint(dx, oben + s.oberlaenge), z.text);
    }
}

void AusgabeAnsicht::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    scrollbalkenAnpassen();
}

void AusgabeAnsicht::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        m_schriften.clear();
        layout();
    }
    QAbstractScrollArea::changeEvent(e);
}

void AusgabeAnsicht::alleMarkieren()
{
    if (zeilenAnzahl() == 0)
        return;
    m_anker = 0;
    m_ende = zeilenAnzahl() - 1;
    viewport()->update();
}

QString AusgabeAnsicht::ausgewaehlterText() const
{
    if (m_anker < 0)
        return {};
    QStringList zeilen;
    for (int i = auswahlVon(); i <= auswahlBis() && i < m_ausgabe->anzahl(); ++i)
        zeilen << m_ausgabe->zeile(i).text;
    return zeilen.join(QLatin1Char('\n'));
}

void AusgabeAnsicht::kopieren() const
{
    if (m_anker >= 0)
        QApplication::clipboard()->setText(ausgewaehlterText());
}

void AusgabeAnsicht::keyPressEvent(QKeyEvent *e)
{
    if (e == QKeySequence::Copy) {
        kopieren();
        return;
    }
    if (e == QKeySequence::SelectAll) {
        alleMarkieren();
        return;
    }
    QScrollBar *v = verticalScrollBar();
    QScrollBar *h = horizontalScrollBar();
    switch (e->key()) {
    case Qt::Key_Up:
        v->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Left:
        h->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Home:
        v->setValue(0);
        h->setValue(0);
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
}

void AusgabeAnsicht::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || zeilenAnzahl() == 0) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    const int i = zeileBeiPunkt(e->position().toPoint());
    if (!(e->modifiers() & Qt::ShiftModifier) || m_anker < 0)
        m_anker = i;
    m_ende = i;
    viewport()->update();
}

void AusgabeAnsicht::mouseMoveEvent(QMouseEvent *e)
{
    if (!(e->buttons() & Qt::LeftButton) || m_anker < 0)
        return;
    const QPoint p = e->position().toPoint();
    // Dragging past the edge scrolls on.
    if (p.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (p.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int i = zeileBeiPunkt(p);
    if (i != m_ende) {
        m_ende = i;
        viewport()->update();
    }
}

void AusgabeAnsicht::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu menu(this);
    QAction *kopie = menu.addAction(QStringLiteral("&Kopieren"), this, &AusgabeAnsicht::kopieren);
    kopie->setShortcut(QKeySequence::Copy);
    kopie->setEnabled(m_anker >= 0);
    QAction *alle = menu.addAction(QStringLiteral("&Alles markieren"), this, &AusgabeAnsicht::alleMarkieren);
    alle->setShortcut(QKeySequence::SelectAll);
    alle->setEnabled(zeilenAnzahl() > 0);
    menu.exec(e->globalPos());
}

QSize AusgabeAnsicht::sizeHint() const
{
    // Room for one 82-character report line in the body size.
    const Schrift &s = schriftFuer(9, Normal);
    return {82 * s.zeichenbreite + 2 * kRand + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
            30 * s.zeilenhoehe};
}

} // namespace tlt::ui
