#pragma once

#include <QFont>
#include <QMarginsF>
#include <QRect>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;

namespace tlt {

class Ausgabe;
struct Ausgabezeile;

// The font of one pane line on a device: "Courier New" in the line's size and style.
QFont druckschrift(const Ausgabezeile &zeile, QPaintDevice *geraet);

// The page rectangle in device dots for margins in inches; the right and bottom edges are
// measured from the printable width and height. Rounds to nearest, halves to even.
QRect seitenrechteck(const QPaintDevice &geraet, double links, double oben, double rechts, double unten);

// Where each printed row goes: page number (from 0), the top of the row in device dots, the pane
// line it belongs to and the part of that line's text it shows.
struct Zeilenplatz {
    int seite = 0;
    int y = 0;
    int zeile = 0;
    QString text;
};
// Lays the lines out top to bottom in the rectangle, starting a new page when the next row
// would not fit. A line wider than the rectangle wraps at its last blank that fits (or, without
// one, at the last character that fits), so nothing is cut off at the right margin. Every page
// takes at least one row, so a row higher than the page still prints.
std::vector<Zeilenplatz> seitenumbruch(const Ausgabe &aus, QPaintDevice &geraet, const QRect &rechteck);

// Prints the pane onto the device (a printer, a PDF writer) within the margins, page after page,
// as one job titled "Tempolauftabellator", and then clears the pane. When the device fails the
// pane stays as it was, false is returned and *fehler tells why.
bool printausgabe(Ausgabe &aus, QPagedPaintDevice &geraet, double links, double oben, double rechts, double unten,
                  QString *fehler = nullptr);
// The same with the margins in inches as one value (left, top, right, bottom).
bool printausgabe(Ausgabe &aus, QPagedPaintDevice &geraet, const QMarginsF &raender, QString *fehler = nullptr);

} // namespace tlt
