#include "webseite/webseite.h"

#include "core/konvertierung.h"
#include "core/uhr.h"
#include "webseite/webdaten.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

namespace tlt {

namespace {

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler)
{
    QSaveFile f(pfad);
    // Unbuffered: a short write shows at once instead of disappearing in Qt's buffer.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *fehler = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(QDir::toNativeSeparators(pfad), f.errorString());
        return false;
    }
    qsizetype geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const qint64 n = f.write(inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (n <= 0) {
            *fehler = QStringLiteral("Die Datei %1 konnte nicht vollständig geschrieben werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), f.errorString());
            f.cancelWriting();
            return false;
        }
        geschrieben += n;
    }
    if (!f.commit()) {
        *fehler = QStringLiteral("Die Datei %1 konnte nicht gespeichert werden: %2").arg(QDir::toNativeSeparators(pfad), f.errorString());
        return false;
    }
    return true;
}

} // namespace

bool webseiteSchreiben(const std::vector<Webdatei> &dateien, const QString &ordner, QString *fehler)
{
    QString eigenerFehler;
    if (!fehler)
        fehler = &eigenerFehler;
    QDir dir(ordner);
    if (!dir.exists() && !QDir().mkpath(ordner)) {
        *fehler = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    // The index goes last: until it is written, the old index links the old pages.
    std::vector<const Webdatei *> folge;
    const Webdatei *index = nullptr;
    QSet<QString> namen;
    for (const Webdatei &d : dateien) {
        namen.insert(d.name);
        if (d.name == QLatin1String("index.html"))
            index = &d;
        else
            folge.push_back(&d);
    }
    if (index)
        folge.push_back(index);
    for (const Webdatei *d : folge)
        if (!dateiSchreiben(dir.filePath(d->name), d->inhalt, fehler))
            return false;

    static const QRegularExpression eigeneSeite(QStringLiteral("^(lauf-\\d+(-\\d+)?|gesamt(-\\d+)?)\\.html$"));
    const QStringList vorhanden = dir.entryList(QDir::Files);
    for (const QString &name : vorhanden)
        if (eigeneSeite.match(name).hasMatch() && !namen.contains(name))
            dir.remove(name);
    return true;
}

bool webseiteErzeugen(const Cup &cup, const QString &ordner, int nachLauf, QString *fehler)
{
    QString eigenerFehler;
    if (!fehler)
        fehler = &eigenerFehler;
    std::vector<Webdatei> dateien;
    try {
        const int n = nachLauf < 0 ? letzterLaufMitErgebnissen(cup) : nachLauf;
        dateien = webseiten(webdaten(cup, n), jetzt());
    } catch (const Konvertierungsfehler &e) {
        *fehler = e.meldung();
        return false;
    }
    return webseiteSchreiben(dateien, ordner, fehler);
}

} // namespace tlt
