#pragma once

#include "certificates/leinwand.h"

#include <QFont>
#include <QHash>
#include <QPainter>

class QPaintDevice;

namespace tlt {

// Paints certificate pages with QPainter on a paged device: a QPrinter for real printing,
// a QPdfWriter for PDF files (any other paint device, e.g. a QImage, has just one page).
// Texts are measured in the device's own pixels.
class DruckerLeinwand : public Leinwand {
public:
    explicit DruckerLeinwand(QPaintDevice *geraet);
    ~DruckerLeinwand() override;

    bool beginDokument(const QString &titel) override;
    void endDokument() override;
    void neueSeite() override;
    int breite() const override;
    int hoehe() const override;
    void setSchrift(const QString &name, const QColor &farbe) override;
    void setZellhoehe(int pixel) override;
    int zellhoehe() const override { return m_zellhoehe; }
    int textbreite(const QString &text) const override;
    void text(int x, int y, const QString &text) override;
    void bild(const QRect &ziel, Bild bild) override;

    // Pages started so far in the current document (1 after beginDokument).
    int seiten() const { return m_seiten; }
    // The font of the current cell height.
    const QFont &schrift() const { return m_schrift; }

private:
    void schriftAnwenden();

    QPaintDevice *m_geraet;
    QPainter m_painter;
    QFont m_schrift;
    QColor m_farbe = Qt::black;
    int m_zellhoehe = 0;
    double m_zellfaktor = 0; // cell height per pixel of font size, measured once per font name
    // Advance of each measured text at a pixel size of 1000, for the current font name. Unhinted
    // advances scale linearly, so the shrinking loop of a line never builds a font per pixel step.
    mutable QHash<QString, double> m_breiten;
    int m_seiten = 0;
};

} // namespace tlt
