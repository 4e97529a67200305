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
// "daten.js", one page per race ("lauf-01.html", a long list goes on in "lauf-01-2.html" ...),
// the standings ("gesamt.html" ...) and, last, "index.html". stand is the time of the update.
std::vector<Webdatei> webseiten(const Webdaten &d, const QDateTime &stand, qsizetype budget = kSeitenbudget);

// File name of the first page of race k and of the standings.
QString laufseite(int k);
inline const QString kGesamtseite = QStringLiteral("gesamt.html");

} // namespace tlt
