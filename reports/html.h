#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace tlt {

class Ausgabe;
class Cup;

// One pane line as HTML text: "&", umlauts, "ß", "<" and ">" as entities, the program's web address
// as a link, a run of 82 "-" ending in a link back to the top, and pairs of spaces as "&nbsp;&nbsp;".
QString html_text(const QString &zeile);

// The style sheet of HTML style 0 ("Standard TLT Stil") or 1 ("weiss-blauer Hintergrund").
QString htmlStil(int stil);

// The whole page of the pane's report (CR LF line ends), encoded as the page declares (UTF-8).
QByteArray htmlSeite(const Ausgabe &aus, const Cup &cup);

// Writes the page to a file through QSaveFile and then clears the pane. On failure the old file
// stays as it was, the pane keeps the report, and *fehler holds a German message.
bool ausgabe2html(Ausgabe &aus, const Cup &cup, const QString &pfad, QString *fehler = nullptr);
// The same into an open device (no clearing of the pane).
bool schreibeHtml(const Ausgabe &aus, const Cup &cup, QIODevice &geraet, QString *fehler = nullptr);

} // namespace tlt
