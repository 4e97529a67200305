#pragma once

#include "webseite/webdaten.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace tlt {

// One file of the site: its name in the folder and its bytes (UTF-8).
struct Webdatei {
    QString name;
    QByteArray inhalt;
};

// A page grows to about this many bytes before its list goes on on a next page.
inline constexpr qsizetype kSeitenbudget = 900 * 1024;

// Every file of the site: the style sheet "stil.css", the script "tlt.js", the search data
// "daten.js", one page per race ("lauf-01.html", a long list goes on in "lauf-01-2.html" ...) and
// its finish list ("einlauf-01.html" ...), the standings ("gesamt.html" ...) and the standings with a
// column per race ("gesamt-einzeln.html" ...) and, last, "index.html". stand is the time of the update.
std::vector<Webdatei> webseiten(const Webdaten &d, const QDateTime &stand, qsizetype budget = kSeitenbudget);

// File name of the first page of race k, of its finish list, of the standings and of the standings
// with a column per race.
QString laufseite(int k);
QString einlaufseite(int k);
inline const QString kGesamtseite = QStringLiteral("gesamt.html");
inline const QString kEinzelseite = QStringLiteral("gesamt-einzeln.html");

} // namespace tlt
