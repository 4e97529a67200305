#include "certificates/bilder.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The resource file is compiled into this static library; its registration must be pulled in by hand.
static void bilderRessourcenLaden()
{
    Q_INIT_RESOURCE(bilder);
}

namespace tlt {

const QImage &bildBitmap(Bild bild)
{
    static QHash<int, QImage> cache;
    const int schluessel = static_cast<int>(bild);
    auto it = cache.constFind(schluessel);
    if (it != cache.constEnd())
        return *it;

    static const bool geladen = [] {
        bilderRessourcenLaden();
        return true;
    }();
    Q_UNUSED(geladen);

    QImage img(bildgroesse(bild), QImage::Format_RGB32);
    img.fill(Qt::white);
    QSvgRenderer svg(QStringLiteral(":/bilder/%1.svg").arg(bildname(bild)));
    if (svg.isValid()) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(img.size())));
    }
    return *cache.insert(schluessel, img);
}

} // namespace tlt
