#include "certificates/urkundenpdf.h"

#include "certificates/druckerleinwand.h"
#include "reports/pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace tlt {

int urkundenAlsPdf(const QString &pfad, const std::function<int(Leinwand &)> &befehl, QString *fehler,
                   const QString &eingabe)
{
    int anzahl = -1;
    const QPageLayout seite(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(4, 4, 4, 4),
                            QPageLayout::Millimeter);
    const bool ok = pdfSchreiben(
        pfad, seite,
        [&](QPdfWriter &pdf, QString *grund) {
            pdf.setCreator(QStringLiteral("Tempolauftabellator"));
            DruckerLeinwand leinwand(&pdf);
            try {
                anzahl = befehl(leinwand);
            } catch (...) {
                leinwand.endDokument();
                throw;
            }
            leinwand.endDokument();
            if (anzahl < 0 && grund)
                *grund = QStringLiteral("Die Urkunden konnten nicht gezeichnet werden.");
            // Nothing drawn: no file rather than an empty one (an existing file stays as it was).
            return anzahl > 0;
        },
        fehler, eingabe);
    if (anzahl == 0)
        return 0;
    return ok ? anzahl : -1;
}

} // namespace tlt
