#include "reports/pdf.h"

#include "core/sicheresschreiben.h"
#include "reports/ausgabe.h"
#include "reports/drucken.h"

#include <QPageSize>
#include <QPdfWriter>

namespace tlt {

QPageLayout berichtsseite()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

bool pdfSchreiben(const QString &pfad, const QPageLayout &seite,
                  const std::function<bool(QPdfWriter &pdf, QString *fehler)> &zeichnen, QString *fehler,
                  const QString &eingabe)
{
    const Schreibziel ziel{QStringLiteral("Die PDF-Datei"), eingabe};
    // The PDF engine ignores failed writes; the safe writer's device notices them for it, and a
    // failed drawing drops the file as well. A refused
    // target (the input file, a device) is refused before any drawing.
    return sicherSchreiben(
        pfad,
        [&](QIODevice &geraet, QString *grund) {
            QPdfWriter pdf(&geraet);
            pdf.setPageLayout(seite);
            pdf.setResolution(600);
            return zeichnen(pdf, grund);
        },
        fehler, ziel);
}

bool ausgabeAlsPdf(Ausgabe &aus, const QString &pfad, QString *fehler, const QString &eingabe)
{
    // Printed from a copy: the pane is cleared only once the file is really there.
    Ausgabe kopie = aus;
    kopie.beiAenderung = nullptr;
    if (!pdfSchreiben(
            pfad, berichtsseite(),
            [&](QPdfWriter &pdf, QString *grund) { return printausgabe(kopie, pdf, kDruckraender, grund); }, fehler,
            eingabe))
        return false;
    aus.clear();
    return true;
}

} // namespace tlt
