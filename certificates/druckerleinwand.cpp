#include "certificates/druckerleinwand.h"

#include "certificates/bilder.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

namespace tlt {

DruckerLeinwand::DruckerLeinwand(QPaintDevice *geraet) : m_geraet(geraet)
{
    m_schrift.setHintingPreference(QFont::PreferNoHinting);
}

DruckerLeinwand::~DruckerLeinwand()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool DruckerLeinwand::beginDokument(const QString &titel)
{
    if (auto *drucker = dynamic_cast<QPrinter *>(m_geraet))
        drucker->setDocName(titel);
    else if (auto *pdf = dynamic_cast<QPdfWriter *>(m_geraet))
        pdf->setTitle(titel);
    if (!m_painter.begin(m_geraet))
        return false;
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Our drawings have flat colours and sharp edges: JPEG compression in a PDF would smear them.
    m_painter.setRenderHint(QPainter::LosslessImageRendering);
    // Texts are set on white like a printer canvas with its default brush.
    m_painter.setBackgroundMode(Qt::OpaqueMode);
    m_painter.setBackground(Qt::white);
    m_seiten = 1;
    return true;
}

void DruckerLeinwand::endDokument()
{
    if (m_painter.isActive())
        m_painter.end();
}

void DruckerLeinwand::neueSeite()
{
    if (!m_painter.isActive())
        return;
    auto *seiten = dynamic_cast<QPagedPaintDevice *>(m_geraet);
    if (seiten && seiten->newPage())
        ++m_seiten;
}

int DruckerLeinwand::breite() const
{
    return m_geraet->width();
}

int DruckerLeinwand::hoehe() const
{
    return m_geraet->height();
}

void DruckerLeinwand::setSchrift(const QString &name, const QColor &farbe)
{
    if (name != m_schrift.family() || m_zellfaktor <= 0) {
        m_schrift.setFamily(name);
        m_breiten.clear();
        // Ratio of cell height (ascent + descent) to the font's pixel size, measured at a large size
        // so that rounding does not disturb it.
        QFont probe = m_schrift;
        probe.setPixelSize(1000);
        const QFontMetricsF fm(probe);
        m_zellfaktor = (fm.ascent() + fm.descent()) / 1000.0;
        if (m_zellfaktor <= 0)
            m_zellfaktor = 1.0;
    }
    m_farbe = farbe;
    schriftAnwenden();
}

void DruckerLeinwand::setZellhoehe(int pixel)
{
    m_zellhoehe = pixel;
    schriftAnwenden();
}

void DruckerLeinwand::schriftAnwenden()
{
    if (m_zellhoehe <= 0 || m_zellfaktor <= 0)
        return;
    // A point size on the device's own resolution keeps fractional pixel sizes.
    const double pixel = m_zellhoehe / m_zellfaktor;
    m_schrift.setPointSizeF(pixel * 72.0 / m_geraet->logicalDpiY());
    if (m_painter.isActive()) {
        m_painter.setFont(m_schrift);
        m_painter.setPen(m_farbe);
    }
}

int DruckerLeinwand::textbreite(const QString &text) const
{
    if (m_zellhoehe <= 0 || m_zellfaktor <= 0) {
        const QFontMetricsF fm(m_schrift, m_geraet);
        return static_cast<int>(std::ceil(fm.horizontalAdvance(text) - 1e-6));
    }
    auto it = m_breiten.constFind(text);
    if (it == m_breiten.constEnd()) {
        QFont probe = m_schrift;
        probe.setPixelSize(1000);
        it = m_breiten.insert(text, QFontMetricsF(probe).horizontalAdvance(text));
    }
    const double pixel = m_zellhoehe / m_zellfaktor;
    return static_cast<int>(std::ceil(*it * pixel / 1000.0 - 1e-6));
}

void DruckerLeinwand::text(int x, int y, const QString &text)
{
    if (!m_painter.isActive() || text.isEmpty())
        return;
    const QFontMetricsF fm(m_schrift, m_geraet);
    m_painter.setFont(m_schrift);
    m_painter.setPen(m_farbe);
    m_painter.drawText(QPointF(x, y + fm.ascent()), text);
}

void DruckerLeinwand::bild(const QRect &ziel, Bild bild)
{
    if (!m_painter.isActive())
        return;
    m_painter.drawImage(ziel, bildBitmap(bild));
}

} // namespace tlt
