#include "webseite/webseite.h"

#include "core/konvertierung.h"
#include "core/sicheresschreiben.h"
#include "core/uhr.h"
#include "webseite/webdaten.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace tlt {

namespace {

// Every page goes through the program's safe writer: a failure leaves that file as it was.
bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler)
{
    return sicherSchreiben(pfad, inhalt, fehler);
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

    static const QRegularExpression eigeneSeite(QStringLiteral("^((ein)?lauf-\\d+(-\\d+)?|gesamt(-einzeln)?(-\\d+)?)\\.html$"));
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
        *fehler = e.text();
        return false;
    }
    return webseiteSchreiben(dateien, ordner, fehler);
}

} // namespace tlt
