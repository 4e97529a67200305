#include "certificates/urkundenpdf.h"

#include "certificates/druckerleinwand.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace tlt {

int urkundenAlsPdf(const QString &pfad, const std::function<int(Leinwand &)> &befehl, QString *fehler)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        if (fehler)
            *fehler =
                QStringLiteral("Die PDF-Datei \"%1\" konnte nicht angelegt werden: %2").arg(pfad, datei.errorString());
        return -1;
    }
    int anzahl = -1;
    {
        QPdfWriter pdf(&datei);
        pdf.setCreator(QStringLiteral("Tempolauftabellator"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(4, 4, 4, 4),
                                      QPageLayout::Millimeter));
        pdf.setResolution(600);
        DruckerLeinwand leinwand(&pdf);
        try {
            anzahl = befehl(leinwand);
        } catch (...) {
            leinwand.endDokument();
            datei.cancelWriting();
            throw;
        }
        leinwand.endDokument();
    }
    if (anzahl < 0) {
        datei.cancelWriting();
        if (fehler)
            *fehler = QStringLiteral("Die PDF-Datei \"%1\" konnte nicht geschrieben werden.").arg(pfad);
        return -1;
    }
    // Nothing was drawn: no file rather than an empty one (an existing file stays as it was).
    if (anzahl == 0) {
        datei.cancelWriting();
        return 0;
    }
    if (!datei.commit()) {
        if (fehler)
            *fehler = QStringLiteral("Die PDF-Datei \"%1\" konnte nicht gespeichert werden: %2")
                          .arg(pfad, datei.errorString());
        return -1;
    }
    return anzahl;
}

} // namespace tlt
