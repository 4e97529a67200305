#include "core/cupdatei.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace tlt {

namespace {

constexpr auto kZeichensatz = "windows-1252";

// The age groups and the cup variations are both written as three fields per record.
constexpr int kDreiSpalten = 3;
static_assert(Agspalte::Anzahl == kDreiSpalten && Cvspalte::Anzahl == kDreiSpalten);

// Windows-1252 holds at most 256 characters; which of the 65,536 UTF-16 code units it can hold is
// asked of Qt's codec once, by converting all of them to bytes and back. A unit counts as
// representable only when it survives the round trip unchanged (no substitute byte, no fallback).
class Zeichentabelle {
public:
    Zeichentabelle()
    {
        QString alle;
        alle.reserve(0x10000);
        for (int u = 0; u < 0x10000; ++u)
            alle.append(QChar(static_cast<char16_t>(QChar::isSurrogate(static_cast<char32_t>(u)) ? 0 : u)));
        QStringEncoder enc(kZeichensatz);
        const QByteArray bytes = enc(alle);
        QStringDecoder dec(kZeichensatz);
        const QString zurueck = dec(bytes);
        const bool einzeln = bytes.size() == alle.size() && zurueck.size() == alle.size();
        for (int u = 0; u < 0x10000; ++u) {
            if (QChar::isSurrogate(static_cast<char32_t>(u)))
                continue;
            if (einzeln) {
                m_ok[static_cast<size_t>(u)] = zurueck.at(u).unicode() == u;
                m_byte[static_cast<size_t>(u)] = bytes.at(u);
            } else {
                // The codec did not give one byte per character: ask character by character.
                const QString eins(QChar(static_cast<char16_t>(u)));
                QStringEncoder e(kZeichensatz);
                const QByteArray b = e(eins);
                QStringDecoder d(kZeichensatz);
                const QString z = d(b);
                m_ok[static_cast<size_t>(u)] = !e.hasError() && b.size() == 1 && z == eins;
                m_byte[static_cast<size_t>(u)] = b.isEmpty() ? '\x1a' : b.at(0);
            }
        }
    }

    bool darstellbar(char16_t u) const { return m_ok[u]; }
    char byte(char16_t u) const { return m_ok[u] ? m_byte[u] : '\x1a'; }

private:
    std::array<bool, 0x10000> m_ok{};
    std::array<char, 0x10000> m_byte{};
};

const Zeichentabelle &zeichentabelle()
{
    static const auto tabelle = std::make_unique<Zeichentabelle>();
    return *tabelle;
}

// Cuts off blanks and control characters (codes 0-32) and "|" at both ends; what remains is the
// field text once its inner "|" are dropped. Dropping "|" first and trimming then gives the same.
inline bool randzeichen(char16_t c)
{
    return c <= 32 || c == u'|';
}

// Writes fields straight into Windows-1252 bytes, without an intermediate text of the whole file.
class Schreiber {
public:
    explicit Schreiber(qsizetype schaetzung) : m_t(zeichentabelle())
    {
        m_bytes.resize(std::max<qsizetype>(schaetzung, 256));
    }

    void feld(QStringView text)
    {
        const char16_t *d = text.utf16();
        qsizetype a = 0;
        qsizetype e = text.size();
        while (a < e && randzeichen(d[a]))
            ++a;
        while (e > a && randzeichen(d[e - 1]))
            --e;
        platz(e - a + 1);
        char *p = m_bytes.data() + m_pos;
        for (qsizetype i = a; i < e; ++i) {
            const char16_t u = d[i];
            if (u == u'|')
                continue;
            if (u == u'\r' || u == u'\n') {
                // A line break inside a cell would split the record over two lines and shift every
                // later line of the file.
                *p++ = ' ';
                continue;
            }
            if (QChar::isHighSurrogate(u) && i + 1 < e && QChar::isLowSurrogate(d[i + 1]))
                ++i; // one substitute byte per character, as the codec writes it
            *p++ = m_t.byte(u);
        }
        *p++ = '|';
        m_pos = p - m_bytes.data();
    }

    void zeilenende()
    {
        platz(2);
        m_bytes[m_pos++] = '\r';
        m_bytes[m_pos++] = '\n';
    }

    QByteArray ergebnis()
    {
        m_bytes.truncate(m_pos);
        return std::move(m_bytes);
    }

private:
    void platz(qsizetype n)
    {
        if (m_pos + n > m_bytes.size())
            m_bytes.resize(std::max(m_bytes.size() * 2, m_pos + n));
    }

    const Zeichentabelle &m_t;
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

inline void vorladen(const void *p)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(p);
#else
    Q_UNUSED(p);
#endif
}

// The whole file, in the order the lines are written.
QByteArray dateibytes(const Cup &cup)
{
    const Tabelle &laufe = cup.laufe;
    const Tabelle &teil = cup.teil;
    const int n = laufe.colCount() - 1;
    const int m = teil.rowCount() - 1;

    // About 10 bytes per cell is ample for names, times and distances; the buffer grows if not.
    Schreiber aus(static_cast<qsizetype>(m + 1) * teil.colCount() * 10 +
                  static_cast<qsizetype>(n) * Laufzeile::Anzahl * 16 + 4096);

    aus.feld(cup.name);
    aus.feld(cup.veranstalter);
    // An index outside the item list selects nothing, and no selection is written as -1.
    const bool gewaehlt = cup.kategorie >= 0 && cup.kategorie < kategorien().size();
    aus.feld(QString::number(gewaehlt ? cup.kategorie : -1));
    aus.feld(QString::number(cup.min));
    aus.feld(QString::number(cup.max));
    aus.feld(QString::number(n));
    aus.feld(QString::number(m));
    aus.zeilenende();

    for (const Tabelle *t : {&cup.ag, &cup.cv}) {
        for (int r = 1; r < t->rowCount(); ++r)
            for (int c = 0; c < kDreiSpalten; ++c)
                aus.feld(t->cell(c, r));
        aus.zeilenende();
    }
    for (int r = 1; r < cup.pv.rowCount(); ++r)
        aus.feld(cup.pv.cell(Pvspalte::Punkte, r));
    aus.zeilenende();

    for (int c = 1; c <= n; ++c) {
        for (int r = 0; r < Laufzeile::Anzahl; ++r)
            aus.feld(laufe.cell(c, r));
        aus.zeilenende();
    }
    const int spalten = teil.colCount();
    for (int r = 1; r <= m; ++r) {
        const std::vector<QString> &zeile = teil.row(r);
        // Every cell's text lives in its own allocation: ask for the next row's texts early, so
        // that writing does not wait for memory cell by cell.
        if (r < m)
            for (const QString &z : teil.row(r + 1))
                vorladen(z.constData());
        for (int c = 0; c < spalten; ++c)
            aus.feld(zeile[static_cast<size_t>(c)]);
        aus.zeilenende();
    }
    return aus.ergebnis();
}

bool schreiben(QIODevice &geraet, const QByteArray &bytes, QString *fehler)
{
    // A device may take only part of the data without calling it an error; writing the rest again
    // either completes the file or brings out the system's reason.
    qint64 geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const qint64 n = geraet.write(bytes.constData() + geschrieben, bytes.size() - geschrieben);
        if (n <= 0)
            break;
        geschrieben += n;
    }
    if (geschrieben == bytes.size())
        return true;
    if (fehler) {
        const QString system = geraet.errorString();
        const bool mitGrund = !system.isEmpty() && system != QLatin1String("Unknown error");
        *fehler = QStringLiteral("Es wurden nur %1 von %2 Bytes geschrieben").arg(geschrieben).arg(bytes.size()) +
                  (mitGrund ? QStringLiteral(" (%1)").arg(system) : QString());
    }
    return false;
}

// Reads a file's lines one after another; past the end every line is empty.
class Zeilenleser {
public:
    explicit Zeilenleser(QStringView text) : m_text(text) {}

    QStringView naechste()
    {
        const qsizetype n = m_text.size();
        if (m_pos >= n)
            return {};
        const qsizetype anfang = m_pos;
        qsizetype i = anfang;
        const QChar *d = m_text.data();
        while (i < n && d[i] != u'\n' && d[i] != u'\r')
            ++i;
        const QStringView zeile = m_text.sliced(anfang, i - anfang);
        // CR LF, a lone LF and a lone CR each end a line.
        if (i < n && d[i] == u'\r') {
            ++i;
            if (i < n && d[i] == u'\n')
                ++i;
        } else if (i < n) {
            ++i;
        }
        m_pos = i;
        return zeile;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

// Calls f(i, feld) for each field of a line: the texts in front of each "|".
template <typename F> int felder(QStringView zeile, F &&f)
{
    int i = 0;
    qsizetype anfang = 0;
    const qsizetype n = zeile.size();
    const QChar *d = zeile.data();
    for (qsizetype p = 0; p < n; ++p) {
        if (d[p] == u'|') {
            f(i++, zeile.sliced(anfang, p - anfang));
            anfang = p + 1;
        }
    }
    return i;
}

QString alsText(QStringView v)
{
    return v.isEmpty() ? QString() : v.toString();
}

// Counts beyond these cannot come from a real cup; such a file is damaged and would exhaust memory.
constexpr qint64 kMaxLaufe = 100000;
constexpr qint64 kMaxZellen = 20'000'000;
// Records missing at the end of a file are read as empty, so a damaged count in a file of a few bytes
// could still ask for millions of cells. A real file holds at least one "|" per cell: it may lack some
// of its records, but not more cells than this beyond what its size can hold.
constexpr qint64 kZellenOhneInhalt = 1'000'000;

// Parses a whole file into the fresh cup c. Throws Konvertierungsfehler; returns false with a message
// for counts that no cup can have.
bool einlesen(Cup &c, QStringView text, QString *fehler)
{
    Zeilenleser leser(text);

    QStringView f[7];
    felder(leser.naechste(), [&](int i, QStringView v) {
        if (i < 7)
            f[i] = v;
    });
    c.name = alsText(f[0]);
    c.veranstalter = alsText(f[1]);
    // Taken as read: an index outside the item list selects nothing, min and max are not clamped.
    c.kategorie = toInt(f[2].toString());
    const int n = toInt(f[5].toString());
    const int m = toInt(f[6].toString());
    c.min = toInt(f[3].toString());
    c.max = toInt(f[4].toString());
    const qint64 zellen = (static_cast<qint64>(m) + 1) * (static_cast<qint64>(n) + Teilspalte::Anzahl) +
                          Laufzeile::Anzahl * (static_cast<qint64>(n) + 1);
    if (n < 0 || m < 0 || n > kMaxLaufe || zellen > kMaxZellen || zellen > kZellenOhneInhalt + text.size()) {
        if (fehler)
            *fehler =
                QStringLiteral("Die Datei ist beschädigt: %1 Läufe und %2 Teilnehmer sind keine gültigen Anzahlen.")
                    .arg(n)
                    .arg(m);
        return false;
    }
    c.laufe.setColCount(n + 1);
    c.teil.setColCount(n + Teilspalte::Anzahl);
    c.teil.setRowCount(m + 1);

    for (Tabelle *t : {&c.ag, &c.cv}) {
        const QStringView zeile = leser.naechste();
        // Count first, so that the rows exist before their fields arrive.
        const int k = felder(zeile, [](int, QStringView) {});
        t->setRowCount(k / kDreiSpalten + 1);
        felder(zeile, [&](int i, QStringView v) { t->setCell(i % kDreiSpalten, i / kDreiSpalten + 1, alsText(v)); });
        if (t == &c.ag)
            agsort(c.ag);
        else
            cvsort(c.cv);
    }

    {
        const QStringView zeile = leser.naechste();
        const int k = felder(zeile, [](int, QStringView) {});
        c.pv.setRowCount(k + 1);
        felder(zeile, [&](int i, QStringView v) {
            c.pv.setCell(Pvspalte::Platz, i + 1, QString::number(i + 1));
            c.pv.setCell(Pvspalte::Punkte, i + 1, alsText(v));
        });
        pvsort(c.pv);
    }

    for (int lauf = 1; lauf <= n; ++lauf) {
        felder(leser.naechste(), [&](int i, QStringView v) {
            if (i < Laufzeile::Anzahl)
                c.laufe.setCell(lauf, i, alsText(v));
        });
        c.teil.setCell(Cup::ergebnisspalte(lauf), kKopfzeile, c.laufe.cell(lauf, Laufzeile::Datum));
    }

    // The participants are read before the races are put in date order, so that every result
    // column moves together with its race. Cells a short line does not reach stay empty.
    const int spalten = n + Teilspalte::Anzahl;
    for (int r = 1; r <= m; ++r) {
        felder(leser.naechste(), [&](int i, QStringView v) {
            if (i < spalten && !v.isEmpty())
                c.teil.setCell(i, r, v.toString());
        });
    }

    laufesort(c);
    teilsort(c, -1, Teilspalte::Name);
    return true;
}

bool ladenIntern(Cup &ziel, QIODevice &geraet, const QString *neuerName, QString *fehler)
{
    if (!geraet.isOpen() && !geraet.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QStringLiteral("Die Cup-Daten konnten nicht gelesen werden: %1").arg(geraet.errorString());
        return false;
    }
    if (!geraet.isReadable()) {
        if (fehler)
            *fehler = QStringLiteral("Die Cup-Daten konnten nicht gelesen werden: %1").arg(geraet.errorString());
        return false;
    }

    const QByteArray bytes = geraet.readAll();
    if (auto *datei = qobject_cast<QFileDevice *>(&geraet); datei && datei->error() != QFileDevice::NoError) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                          .arg(QDir::toNativeSeparators(datei->fileName()), datei->errorString());
        return false;
    }

    QStringDecoder dec(kZeichensatz);
    const QString text = dec(bytes);

    Cup neu;
    try {
        if (!einlesen(neu, text, fehler))
            return false;
    } catch (const Konvertierungsfehler &e) {
        if (fehler)
            *fehler = e.meldung();
        return false;
    } catch (const std::bad_alloc &) {
        if (fehler)
            *fehler = QStringLiteral("Für die Cup-Daten reicht der Arbeitsspeicher nicht aus.");
        return false;
    }

    // What the file does not hold stays as it was.
    neu.dateiname = neuerName ? *neuerName : ziel.dateiname;
    neu.htmlstil = ziel.htmlstil;
    neu.urkundenstil = ziel.urkundenstil;
    ziel.uebernehmen(std::move(neu));
    ziel.edit(0);
    return true;
}

} // namespace

QString clsf(const QString &text)
{
    QStringView v(text);
    while (!v.isEmpty() && randzeichen(v.front().unicode()))
        v = v.sliced(1);
    while (!v.isEmpty() && randzeichen(v.back().unicode()))
        v.chop(1);
    QString aus = v.toString();
    aus.remove(u'|');
    aus.replace(u'\r', u' ');
    aus.replace(u'\n', u' ');
    aus.append(u'|');
    return aus;
}

QStringList cut(const QString &zeile)
{
    QStringList liste;
    felder(zeile, [&](int, QStringView v) { liste.append(alsText(v)); });
    return liste;
}

QByteArray dateiinhalt(Cup &cup)
{
    teilsort(cup, -1, Teilspalte::Name);
    return dateibytes(cup);
}

bool speichern(Cup &cup, QIODevice &geraet, QString *fehler)
{
    const QByteArray bytes = dateiinhalt(cup);
    QString grund;
    if (!schreiben(geraet, bytes, &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Die Cup-Daten konnten nicht geschrieben werden: %1").arg(grund);
        return false;
    }
    return true;
}

bool speichernDatei(Cup &cup, const QString &pfad, QString *fehler)
{
    const QByteArray bytes = dateiinhalt(cup);
    const auto meldung = [&](const QString &grund) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), grund);
        return false;
    };
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return meldung(datei.errorString());
    QString grund;
    if (!schreiben(datei, bytes, &grund)) {
        // A short write is no error to QSaveFile by itself: without cancelling it would replace the file.
        datei.cancelWriting();
        return meldung(grund);
    }
    if (!datei.commit())
        return meldung(datei.errorString());
    cup.dateiname = QFileInfo(pfad).absoluteFilePath();
    cup.edit(0);
    return true;
}

bool laden(Cup &ziel, QIODevice &geraet, QString *fehler)
{
    return ladenIntern(ziel, geraet, nullptr, fehler);
}

bool ladenDatei(Cup &ziel, const QString &pfad, QString *fehler)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), datei.errorString());
        return false;
    }
    const QString name = QFileInfo(pfad).absoluteFilePath();
    return ladenIntern(ziel, datei, &name, fehler);
}

bool darstellbar(QChar c)
{
    return zeichentabelle().darstellbar(c.unicode());
}

QString nichtDarstellbareZeichen(const Cup &cup)
{
    const Zeichentabelle &t = zeichentabelle();
    QString liste;
    std::vector<bool> gesehen(0x10000, false);
    std::vector<char32_t> gesehenHoch; // characters outside the 16-bit range, rare
    const auto pruefen = [&](const QString &text) {
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t u = text[i].unicode();
            if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
                const char32_t cp = QChar::surrogateToUcs4(u, text[i + 1].unicode());
                if (std::find(gesehenHoch.begin(), gesehenHoch.end(), cp) == gesehenHoch.end()) {
                    gesehenHoch.push_back(cp);
                    liste.append(text[i]);
                    liste.append(text[i + 1]);
                }
                ++i;
                continue;
            }
            if (!t.darstellbar(u) && !gesehen[u]) {
                gesehen[u] = true;
                liste.append(text[i]);
            }
        }
    };
    // Exactly the texts the file holds: no headings, no race labels.
    pruefen(cup.name);
    pruefen(cup.veranstalter);
    for (const Tabelle *tab : {&cup.ag, &cup.cv})
        for (int r = 1; r < tab->rowCount(); ++r)
            for (int c = 0; c < kDreiSpalten; ++c)
                pruefen(tab->cell(c, r));
    for (int r = 1; r < cup.pv.rowCount(); ++r)
        pruefen(cup.pv.cell(Pvspalte::Punkte, r));
    for (int c = 1; c < cup.laufe.colCount(); ++c)
        for (int r = 0; r < Laufzeile::Anzahl; ++r)
            pruefen(cup.laufe.cell(c, r));
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        for (const QString &zelle : cup.teil.row(r))
            pruefen(zelle);
    return liste;
}

} // namespace tlt
