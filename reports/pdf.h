#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPdfWriter;

namespace tlt {

class Ausgabe;

// The margins of every printed report, in inches: left, top, right, bottom.
inline constexpr QMarginsF kDruckraender{1.0, 0.75, 0.5, 0.75};

// The page of a report PDF: A4 portrait without an unprintable rim; the report margins are
// applied by the pane printer.
QPageLayout berichtsseite();

// Draws a paged document into a PDF file (600 dpi, the given page layout) through the safe writer:
// a failed write, a failure or an exception of zeichnen leaves the old file byte-identical. zeichnen returns false (with *fehler set) to drop the file.
// eingabe is the file the document was made from, which the PDF must never replace.
bool pdfSchreiben(const QString &pfad, const QPageLayout &seite,
                  const std::function<bool(QPdfWriter &pdf, QString *fehler)> &zeichnen, QString *fehler,
                  const QString &eingabe = {});

// The pane as a report PDF, printed like "Drucken" with the report margins on A4. The pane is
// cleared only after the file is in place.
bool ausgabeAlsPdf(Ausgabe &aus, const QString &pfad, QString *fehler, const QString &eingabe = {});

} // namespace tlt
