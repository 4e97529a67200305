#include "reports/drucken.h"

#include "core/version.h"
#include "reports/ausgabe.h"

#include <QColor>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace tlt {

namespace {
// Round to nearest, halves to even (the default rounding mode of the floating-point unit).
int runden(double x)
{
    return static_cast<int>(std::nearbyint(x));
}
} // namespace

QFont druckschrift(const Ausgabezeile &zeile, QPaintDevice *geraet)
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(zeile.groesse > 0 ? zeile.groesse : 9);
    f.setBold(zeile.stil & Fett);
    f.setItalic(zeile.stil & Kursiv);
    f.setUnderline(zeile.stil & Unterstrichen);
    // Sizes are points on the device, not on the screen.
    return geraet ? QFont(f, geraet) : f;
}

QRect seitenrechteck(const QPaintDevice &geraet, double links, double oben, double rechts, double unten)
{
    const int dpiX = geraet.logicalDpiX();
    const int dpiY = geraet.logicalDpiY();
    const int l = runden(links * dpiX);
    const int t = runden(oben * dpiY);
    const int r = geraet.width() - runden(rechts * dpiX);
    const int b = geraet.height() - runden(unten * dpiY);
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

namespace {
// A pane line wraps into at most this many rows (some 60 pages); printing more of one line, such
// as a cup name of megabytes, is pointless and would only take minutes. The last row ends in "…".
constexpr int kMaxReihenJeZeile = 5000;

// Advances of single characters, asked of the font once per character.
class Zeichenbreiten {
public:
    explicit Zeichenbreiten(const QFontMetrics &fm) : m_fm(fm) {}
    int operator()(QChar c)
    {
        const char16_t u = c.unicode();
        if (m_breite.empty())
            m_breite.assign(0x10000, -1);
        int &b = m_breite[u];
        if (b < 0)
            b = m_fm.horizontalAdvance(c);
        return b;
    }

private:
    const QFontMetrics &m_fm;
    std::vector<int> m_breite;
};

// Splits a line into the rows that fit the width: at the last blank that fits, else hard. Each
// character is measured once per row it is tried in, so a long line takes linear time.
QStringList umbrechen(const QString &text, const QFontMetrics &fm, int breite)
{
    // Short lines are measured as a whole, as they are drawn; a line of thousands of characters
    // never fits a page and goes straight to the breaking.
    if (text.size() < 2000 && fm.horizontalAdvance(text) <= breite)
        return {text};
    Zeichenbreiten zeichen(fm);
    QStringList reihen;
    const qsizetype n = text.size();
    qsizetype anfang = 0;
    while (anfang < n) {
        if (reihen.size() == kMaxReihenJeZeile) {
            QString &letzte = reihen.last();
            if (!letzte.isEmpty())
                letzte[letzte.size() - 1] = QChar(0x2026);
            break;
        }
        qsizetype passt = 0;
        int x = 0;
        while (anfang + passt < n) {
            x += zeichen(text.at(anfang + passt));
            if (x > breite)
                break;
            ++passt;
        }
        if (anfang + passt >= n) {
            reihen << text.mid(anfang);
            break;
        }
        passt = std::max<qsizetype>(passt, 1);
        // The last blank at or before the first character that did not fit, within this row.
        qsizetype blank = -1;
        for (qsizetype i = std::min(passt, n - anfang - 1); i > 0; --i) {
            if (text.at(anfang + i) == QLatin1Char(' ')) {
                blank = i;
                break;
            }
        }
        if (blank > 0) {
            reihen << text.mid(anfang, blank);
            anfang += blank + 1;
        } else {
            reihen << text.mid(anfang, passt);
            anfang += passt;
        }
    }
    return reihen;
}
} // namespace

std::vector<Zeilenplatz> seitenumbruch(const Ausgabe &aus, QPaintDevice &geraet, const QRect &rechteck)
{
    std::vector<Zeilenplatz> plaetze;
    plaetze.reserve(static_cast<size_t>(aus.anzahl()));
    int seite = 0;
    int y = rechteck.top();
    const int unten = rechteck.top() + rechteck.height();
    for (int i = 0; i < aus.anzahl(); ++i) {
        const Ausgabezeile &z = aus.zeile(i);
        const QFontMetrics fm(druckschrift(z, &geraet), &geraet);
        const int hoehe = fm.lineSpacing();
        for (const QString &reihe : umbrechen(z.text, fm, rechteck.width())) {
            if (y + hoehe > unten && y > rechteck.top()) {
                ++seite;
                y = rechteck.top();
            }
            plaetze.push_back({seite, y, i, reihe});
            y += hoehe;
        }
    }
    return plaetze;
}

bool printausgabe(Ausgabe &aus, QPagedPaintDevice &geraet, double links, double oben, double rechts, double unten,
                  QString *fehler)
{
    auto scheitern = [&](const QString &text) {
        if (fehler)
            *fehler = text;
        return false;
    };

    auto *drucker = dynamic_cast<QPrinter *>(&geraet);
    if (drucker)
        drucker->setDocName(kProgrammname);
    if (auto *pdf = dynamic_cast<QPdfWriter *>(&geraet)) {
        pdf->setTitle(kProgrammname);
        pdf->setCreator(kProgrammname + QLatin1Char(' ') + kVersion);
    }

    const QRect rechteck = seitenrechteck(geraet, links, oben, rechts, unten);
    if (rechteck.width() <= 0 || rechteck.height() <= 0)
        return scheitern(QStringLiteral("Die Ränder lassen auf der Seite keinen Platz zum Drucken."));
    const std::vector<Zeilenplatz> plaetze = seitenumbruch(aus, geraet, rechteck);

    QPainter maler;
    if (!maler.begin(&geraet))
        return scheitern(QStringLiteral("Der Druckauftrag konnte nicht gestartet werden."));
    maler.setClipRect(rechteck);
    int seite = 0;
    for (size_t i = 0; i < plaetze.size(); ++i) {
        const Ausgabezeile &z = aus.zeile(plaetze[i].zeile);
        if (plaetze[i].seite != seite) {
            if (!geraet.newPage()) {
                maler.end();
                return scheitern(QStringLiteral("Der Drucker konnte keine neue Seite beginnen."));
            }
            seite = plaetze[i].seite;
            maler.setClipRect(rechteck);
        }
        const QFont schrift = druckschrift(z, &geraet);
        maler.setFont(schrift);
        // The colour is kept as the pane stores it: 0x00BBGGRR, 0 is black.
        maler.setPen(QColor(z.farbe & 0xFF, (z.farbe >> 8) & 0xFF, (z.farbe >> 16) & 0xFF));
        const int grundlinie = plaetze[i].y + QFontMetrics(schrift, &geraet).ascent();
        maler.drawText(QPoint(rechteck.left(), grundlinie), plaetze[i].text);
    }
    const bool beendet = maler.end();
    if (!beendet || (drucker && drucker->printerState() == QPrinter::Error))
        return scheitern(QStringLiteral("Beim Drucken ist ein Fehler aufgetreten."));

    aus.clear();
    return true;
}

bool printausgabe(Ausgabe &aus, QPagedPaintDevice &geraet, const QMarginsF &raender, QString *fehler)
{
    return printausgabe(aus, geraet, raender.left(), raender.top(), raender.right(), raender.bottom(), fehler);
}

} // namespace tlt
