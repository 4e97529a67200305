#pragma once

#include <QColor>
#include <QRect>
#include <QString>

namespace tlt {

// The pictures that certificates print, in the order of their sizes table.
enum class Bild {
    Laufer,     // 215 x 527, runner with the club emblem on the vest
    LauferLeer, // 215 x 527, the same runner with a plain vest
    SerieLogo,  // 686 x 549
    Sponsor1,   // 327 x 480
    Sponsor2,   // 267 x 98
    Sponsor3,   // 1136 x 449
    Sponsor4,   // 165 x 110
    Sponsor5,   // 691 x 116
    Sponsor6,   // 929 x 364
    VereinLogo, // 193 x 220
};

// The surface certificate pages are drawn on. All coordinates are device pixels of the page,
// origin at the top-left corner of the printable area.
class Leinwand {
public:
    virtual ~Leinwand() = default;

    // Starts a document with the given title; false when the device cannot be opened.
    virtual bool beginDokument(const QString &titel) = 0;
    virtual void endDokument() = 0;
    virtual void neueSeite() = 0;

    // Width and height of the printable area.
    virtual int breite() const = 0;
    virtual int hoehe() const = 0;

    virtual void setSchrift(const QString &name, const QColor &farbe) = 0;
    // Cell height in device pixels, internal leading included.
    virtual void setZellhoehe(int pixel) = 0;
    virtual int zellhoehe() const = 0;
    // Width of a text in the current font.
    virtual int textbreite(const QString &text) const = 0;
    // Draws a text with its top-left corner at (x, y) on an opaque white background.
    virtual void text(int x, int y, const QString &text) = 0;
    // Draws a picture stretched into a rectangle.
    virtual void bild(const QRect &ziel, Bild bild) = 0;
};

// Rounds to the nearest integer, halves to the even neighbour.
int rundeGerade(double wert);

// Name of a picture as the resource and the "Bilder" page know it, e.g. "bild_laufer".
QString bildname(Bild bild);
// Size in pixels of the bitmap of a picture.
QSize bildgroesse(Bild bild);
// Every picture, in the order of the enum.
const QList<Bild> &alleBilder();

} // namespace tlt
