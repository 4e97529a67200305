#include "core/konvertierung.h"

namespace tlt {

Konvertierungsfehler::Konvertierungsfehler(const QString &text)
    : m_meldung(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text)), m_utf8(m_meldung.toUtf8())
{
}

Konvertierungsfehler::Konvertierungsfehler(EigeneMeldung, const QString &meldung)
    : m_meldung(meldung), m_utf8(m_meldung.toUtf8())
{
}

QString Konvertierungsfehler::text() const
{
    return m_ort.isEmpty() ? m_meldung : m_meldung + QStringLiteral(" – bei ") + m_ort;
}

bool istInt(const QString &text, int *wert)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= n)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negativ)
        v = -v;
    if (v > 2147483647LL || v < -2147483648LL)
        return false;
    if (wert)
        *wert = static_cast<int>(v);
    return true;
}

int toInt(const QString &text)
{
    int wert = 0;
    if (!istInt(text, &wert))
        throw Konvertierungsfehler(text);
    return wert;
}

} // namespace tlt
