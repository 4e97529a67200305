#include "core/pruefungen.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

namespace tlt {

namespace {

// Sort weight of every UTF-16 code unit: its Windows-1252 byte (a-z folded to A-Z when asked),
// characters outside the code page after all of them.
struct Gewichte {
    std::vector<quint32> gross; // a-z folded to A-Z
    std::vector<quint32> genau; // plain code

    Gewichte() : gross(0x10000), genau(0x10000)
    {
        // Characters outside the code page go behind all 256 codes, by Unicode value; surrogates
        // (characters beyond U+FFFF) behind the whole BMP, so those keep their code point order too.
        for (quint32 u = 0; u < 0x10000; ++u)
            genau[u] = (u >= 0xD800 && u <= 0xDFFF) ? 256u + 0x10000u + (u - 0xD800) : 256u + u;
        // The code page's characters: each byte decoded, and kept only when the encoder maps the
        // character back to that byte. Encoding all 65,536 characters one by one gives the same
        // table (the encoder knows exactly these 256) but takes far longer; a single bulk run does
        // not work because some characters encode to nothing.
        QByteArray bytes(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            bytes[b] = static_cast<char>(b);
        QStringDecoder dec("windows-1252");
        const QString zeichen = dec(bytes);
        if (zeichen.size() == 256) {
            for (int b = 0; b < 256; ++b) {
                const QChar c = zeichen[b];
                QStringEncoder enc("windows-1252");
                const QByteArray zurueck = enc(QString(c));
                if (!enc.hasError() && zurueck.size() == 1 && static_cast<unsigned char>(zurueck[0]) == b)
                    genau[c.unicode()] = static_cast<quint32>(b);
            }
        }
        for (size_t u = 0; u < 0x10000; ++u) {
            const quint32 w = genau[u];
            gross[u] = (w >= 'a' && w <= 'z') ? w - ('a' - 'A') : w;
        }
    }
};

const Gewichte &gewichte()
{
    static const Gewichte g;
    return g;
}

int vergleiche(const QString &a, const QString &b, const std::vector<quint32> &w)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *pb = reinterpret_cast<const char16_t *>(b.constData());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const quint32 x = w[pa[i]];
        const quint32 y = w[pb[i]];
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

int textvergleich(const QString &a, const QString &b)
{
    return vergleiche(a, b, gewichte().gross);
}

int codevergleich(const QString &a, const QString &b)
{
    return vergleiche(a, b, gewichte().genau);
}

} // namespace tlt
