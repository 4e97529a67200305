#pragma once

#include "certificates/leinwand.h"

#include <QImage>

namespace tlt {

// The bitmap of a picture: our own SVG drawing rendered once into an image of the picture's size.
// Needs a QGuiApplication (the drawings contain text).
const QImage &bildBitmap(Bild bild);

} // namespace tlt
