#pragma once

#include <QString>

namespace tlt {

// A text of the cup as HTML text content: "&", "<" and ">" as character references (the pages never
// put a cup text into an attribute). Characters that HTML forbids in a document (control characters, noncharacters, lone
// surrogates) become the replacement character U+FFFD; tabs and line breaks become spaces, since
// every cup text is one line.
QString htmlText(const QString &text);
// Appends htmlText(text) to ziel without a copy in the usual case of a text that needs no escaping.
void htmlAnhaengen(QString &ziel, const QString &text);

// The same text as a quoted JavaScript string literal (and valid JSON): quotes, backslashes and
// control characters escaped, and "<", ">", "&", U+2028 and U+2029 as \u escapes, so that the
// data can stand anywhere, even inside a script element.
QString jsText(const QString &text);

} // namespace tlt
