#include "webseite/webtext.h"

namespace tlt {

namespace {

// Replaces what a document may not contain; keeps valid surrogate pairs.
QString nurErlaubteZeichen(const QString &text)
{
    QString s;
    s.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            const char32_t voll = QChar::surrogateToUcs4(c, text.at(i + 1).unicode());
            if ((voll & 0xFFFE) == 0xFFFE) {
                s += QChar(QChar::ReplacementCharacter);
            } else {
                s += text.at(i);
                s += text.at(i + 1);
            }
            ++i;
        } else if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
            s += QLatin1Char(' ');
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0) || QChar::isSurrogate(c) || (c >= 0xFDD0 && c <= 0xFDEF) ||
                   c == 0xFFFE || c == 0xFFFF) {
            s += QChar(QChar::ReplacementCharacter);
        } else {
            s += text.at(i);
        }
    }
    return s;
}

} // namespace

// Whether the text holds nothing that needs escaping or replacing, the usual case.
static bool schlicht(const QString &text)
{
    // A plain loop over the characters: this runs for every cell of every list.
    const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *ende = p + text.size();
    for (; p != ende; ++p) {
        const char16_t u = *p;
        // Printable ASCII other than & < > " \ is the common case and decided first.
        if (u >= 0x20 && u < 0x7F) {
            if (u == u'&' || u == u'<' || u == u'>' || u == u'"' || u == u'\\')
                return false;
            continue;
        }
        if (u < 0xA0 || u >= 0xD800)
            return false;
    }
    return true;
}

QString htmlText(const QString &text)
{
    if (schlicht(text))
        return text;
    const QString s = nurErlaubteZeichen(text);
    QString aus;
    aus.reserve(s.size() + 16);
    for (QChar c : s) {
        switch (c.unicode()) {
        case u'&': aus += QLatin1String("&amp;"); break;
        case u'<': aus += QLatin1String("&lt;"); break;
        case u'>': aus += QLatin1String("&gt;"); break;
        default: aus += c;
        }
    }
    return aus;
}

void htmlAnhaengen(QString &ziel, const QString &text)
{
    if (schlicht(text))
        ziel += text;
    else
        ziel += htmlText(text);
}

QString jsText(const QString &text)
{
    if (schlicht(text) && !text.contains(QChar(0x2028)) && !text.contains(QChar(0x2029)))
        return QLatin1Char('"') + text + QLatin1Char('"');
    const QString s = nurErlaubteZeichen(text);
    QString aus;
    aus.reserve(s.size() + 2);
    aus += QLatin1Char('"');
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            aus += QLatin1Char('\\');
            aus += c;
        } else if (u < 0x20 || u == u'<' || u == u'>' || u == u'&' || u == 0x2028 || u == 0x2029) {
            aus += QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16, QLatin1Char('0'));
        } else {
            aus += c;
        }
    }
    aus += QLatin1Char('"');
    return aus;
}

} // namespace tlt
