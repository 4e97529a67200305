#include "ui/webseite_befehl.h"

#include "core/cup.h"
#include "ui/meldung.h"
#include "webseite/webseite.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tlt::ui {

namespace {

const QString kSchluessel = QStringLiteral("Ergebnisseiten/Ordner");

// The program's own settings file; it holds only the remembered folders.
const QString kFirma = QStringLiteral("Tempolauftabellator");

} // namespace

QString gemerkterOrdner(const QString &cupdatei)
{
    if (cupdatei.isEmpty())
        return {};
    const QSettings s(kFirma, kFirma);
    return s.value(kSchluessel).toMap().value(QFileInfo(cupdatei).absoluteFilePath()).toString();
}

void ordnerMerken(const QString &cupdatei, const QString &ordner)
{
    if (cupdatei.isEmpty())
        return;
    QSettings s(kFirma, kFirma);
    QVariantMap karte = s.value(kSchluessel).toMap();
    karte.insert(QFileInfo(cupdatei).absoluteFilePath(), ordner);
    s.setValue(kSchluessel, karte);
}

void ergebnisseitenErzeugen(QWidget *parent, const Cup &cup)
{
    QString start = gemerkterOrdner(cup.dateiname);
    if (start.isEmpty())
        start = cup.dateiname.isEmpty() ? QDir::homePath() : QFileInfo(cup.dateiname).absolutePath();
    const QString ordner =
        ordnerWaehlen(parent, Dateiauswahl{QStringLiteral("Ordner für die Ergebnisseiten"), QString(), QString(), start});
    if (ordner.isEmpty())
        return;
    QString meldung;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = webseiteErzeugen(cup, ordner, -1, &meldung);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        fehler(parent, meldung);
        return;
    }
    ordnerMerken(cup.dateiname, ordner);
    hinweis(parent, QStringLiteral("Die Ergebnisseiten stehen im Ordner %1.\r\nDie Startseite ist index.html; zum "
                                   "Veröffentlichen den ganzen Ordner auf den Webspace kopieren.")
                        .arg(QDir::toNativeSeparators(ordner)));
}

} // namespace tlt::ui
