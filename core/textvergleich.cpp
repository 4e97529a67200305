#include "core/pruefungen.h"

#include <QStringEncoder>

#include <vector>

namespace tlt {

namespace {

// Sort weight of every UTF-16 code unit: its Windows-1252 byte (a-z folded to A-Z when asked),
// characters outside the code page after all of them by their Unicode value, and surrogates
// (characters beyond U+FFFF) behind the whole BMP so that those keep their code point order too.
struct Gewichte {
    std::vector<quint32> gross; // a-z folded to A-Z
    std::vector<quint32> genau; // plain code

    Gewichte() : gross(0x10000), genau(0x10000)
    {
        // One encoder run over every non-surrogate BMP character; the code page is single-byte,
        // so byte i belongs to character i. Unencodable characters come out as 0x1A.
        QString alle;
        alle.reserve(0x10000 - 0x800);
        for (int u = 0; u < 0x10000; ++u)
            if (u < 0xD800 || u > 0xDFFF)
                alle.append(QChar(static_cast<char16_t>(u)));
        QStringEncoder enc("windows-1252");
        QByteArray bytes = enc(alle);
        const bool einzeln = bytes.size() != alle.size();

        int k = 0;
        for (int u = 0; u < 0x10000; ++u) {
            quint32 w;
            if (u >= 0xD800 && u <= 0xDFFF) {
                w = 256u + 0x10000u + static_cast<quint32>(u - 0xD800);
            } else {
                int b;
                if (!einzeln) {
                    b = static_cast<unsigned char>(bytes[k]);
                } else {
                    // Fallback when the encoder did not map one byte per character.
                    QStringEncoder e1("windows-1252");
                    const QByteArray ein = e1(QString(QChar(static_cast<char16_t>(u))));
                    b = (ein.size() == 1 && !e1.hasError()) ? static_cast<unsigned char>(ein[0]) : 0x1A;
                }
                ++k;
                if (b == 0x1A && u != 0x1A)
                    w = 256u + static_cast<quint32>(u);
                else
                    w = static_cast<quint32>(b);
            }
            genau[static_cast<size_t>(u)] = w;
            gross[static_cast<size_t>(u)] = (w >= 'a' && w <= 'z') ? w - ('a' - 'A') : w;
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
