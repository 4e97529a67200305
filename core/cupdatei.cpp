#include "core/cupdatei.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/sicheresschreiben.h"
#include "core/sortierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
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

// Reads a file's lines one after another; past the end every line is empty.
class Zeilenleser {
public:
    explicit Zeilenleser(QStringView text) : m_text(text) {}

    QStringView naechste()
    {
        const qsizetype n = m_text.size();
        m_mitEnde = false;
        m_vorhanden = m_pos < n;
        if (!m_vorhanden)
            return {};
        ++m_nummer;
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
            m_mitEnde = true;
        } else if (i < n) {
            ++i;
            m_mitEnde = true;
        }
        m_pos = i;
        return zeile;
    }

    // Lines present so far (a last line without line end counts).
    int gelesen() const { return m_nummer; }
    // Whether the line just read ended with a line break.
    bool mitEnde() const { return m_mitEnde; }
    bool amEnde() const { return m_pos >= m_text.size(); }
    // Whether the line just read was in the file (past its end every line is empty).
    bool vorhanden() const { return m_vorhanden; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    int m_nummer = 0;
    bool m_mitEnde = false;
    bool m_vorhanden = false;
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
// No cup comes near this; a bigger "file" is a mistake (a disk image, a device) and would only
// exhaust memory.
constexpr qint64 kMaxDateigroesse = 512LL * 1024 * 1024;

// A damaged file: the complete message for the user.
struct Beschaedigt {
    QString meldung;
};

// Parses a whole file into the fresh cup c. Throws Beschaedigt with a message that names the line.
class Einleser {
public:
    Einleser(QStringView text, const QString &datei) : m_leser(text), m_datei(datei), m_groesse(text.size()) {}

    void einlesen(Cup &c)
    {
        if (m_groesse == 0)
            throw Beschaedigt{QStringLiteral("Die Datei%1 ist leer; eine Cup-Datei hat mindestens vier Zeilen.")
                                  .arg(dateiText())};
        QStringView f[7];
        const int kopf = felder(naechste(), [&](int i, QStringView v) {
            if (i < 7)
                f[i] = v;
        });
        c.name = alsText(f[0]);
        c.veranstalter = alsText(f[1]);
        // Taken as read: an index outside the item list selects nothing, min and max are not clamped.
        int n = 0, m = 0;
        inZeile(1, [&] {
            c.kategorie = toInt(f[2].toString());
            n = toInt(f[5].toString());
            m = toInt(f[6].toString());
            c.min = toInt(f[3].toString());
            c.max = toInt(f[4].toString());
        });
        if (kopf < 7 && m_leser.vorhanden() && m_leser.amEnde() && !m_leser.mitEnde())
            beschaedigt(QStringLiteral("Zeile 1 bricht nach %1 von 7 Feldern ab.").arg(kopf));
        const qint64 zellen =
            (static_cast<qint64>(m) + 1) * (static_cast<qint64>(n) + Teilspalte::Anzahl) + Laufzeile::Anzahl * (static_cast<qint64>(n) + 1);
        if (n < 0 || m < 0 || n > kMaxLaufe || zellen > kMaxZellen || zellen > kZellenOhneInhalt + m_groesse)
            beschaedigt(QStringLiteral("%1 Läufe und %2 Teilnehmer sind keine gültigen Anzahlen.").arg(n).arg(m));
        c.laufe.setColCount(n + 1);
        c.teil.setColCount(n + Teilspalte::Anzahl);
        c.teil.setRowCount(m + 1);

        for (Tabelle *t : {&c.ag, &c.cv}) {
            const QStringView zeile = naechste();
            // Count first, so that the rows exist before their fields arrive.
            const int k = felder(zeile, [](int, QStringView) {});
            t->setRowCount(k / kDreiSpalten + 1);
            felder(zeile, [&](int i, QStringView v) { t->setCell(i % kDreiSpalten, i / kDreiSpalten + 1, alsText(v)); });
            inZeile(m_leser.gelesen(), [&] {
                if (t == &c.ag)
                    agsort(c.ag);
                else
                    cvsort(c.cv);
            });
        }

        {
            const QStringView zeile = naechste();
            const int k = felder(zeile, [](int, QStringView) {});
            c.pv.setRowCount(k + 1);
            felder(zeile, [&](int i, QStringView v) {
                c.pv.setCell(Pvspalte::Platz, i + 1, QString::number(i + 1));
                c.pv.setCell(Pvspalte::Punkte, i + 1, alsText(v));
            });
            inZeile(m_leser.gelesen(), [&] { pvsort(c.pv); });
        }

        for (int lauf = 1; lauf <= n; ++lauf) {
            const int k = felder(naechste(), [&](int i, QStringView v) {
                if (i < Laufzeile::Anzahl)
                    c.laufe.setCell(lauf, i, alsText(v));
            });
            abgebrochen(k, Laufzeile::Anzahl);
            c.teil.setCell(Cup::ergebnisspalte(lauf), kKopfzeile, c.laufe.cell(lauf, Laufzeile::Datum));
        }

        // The participants are read before the races are put in date order, so that every result
        // column moves together with its race. Cells a short line does not reach stay empty.
        const int spalten = n + Teilspalte::Anzahl;
        for (int r = 1; r <= m; ++r) {
            const int k = felder(naechste(), [&](int i, QStringView v) {
                if (i < spalten && !v.isEmpty())
                    c.teil.setCell(i, r, v.toString());
            });
            abgebrochen(k, spalten);
        }

        // The file's own counts say how many lines it has: a file that ends before them was cut off.
        const qint64 erwartet = 4 + static_cast<qint64>(n) + m;
        if (m_leser.gelesen() < erwartet)
            beschaedigt(QStringLiteral("Sie endet nach Zeile %1, laut Zeile 1 (%2 Läufe, %3 Teilnehmer) hat sie aber "
                                       "%4 Zeilen.")
                            .arg(m_leser.gelesen())
                            .arg(n)
                            .arg(m)
                            .arg(erwartet));

        inZeile(0, [&] {
            laufesort(c);
            teilsort(c, Richtung::Aufsteigend, Teilspalte::Name);
        });
    }

private:
    QStringView naechste() { return m_leser.naechste(); }

    // The line just read ends the file without a line break and holds fewer fields than its
    // record: the file was cut off inside it.
    void abgebrochen(int felderGelesen, int felderErwartet)
    {
        if (felderGelesen < felderErwartet && m_leser.vorhanden() && m_leser.amEnde() && !m_leser.mitEnde())
            beschaedigt(QStringLiteral("Zeile %1 bricht nach %2 von %3 Feldern ab.")
                            .arg(m_leser.gelesen())
                            .arg(felderGelesen)
                            .arg(felderErwartet));
    }

    QString dateiText() const
    {
        return m_datei.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(QDir::toNativeSeparators(m_datei));
    }

    [[noreturn]] void beschaedigt(const QString &was) const
    {
        throw Beschaedigt{QStringLiteral("Die Datei%1 ist beschädigt: %2").arg(dateiText(), was)};
    }

    // A value that is no integer: its message gets the line (0: no single line) and the file.
    template <typename F> void inZeile(int zeile, F &&f) const
    {
        try {
            f();
        } catch (const Konvertierungsfehler &e) {
            QString text = e.meldung();
            if (zeile > 0)
                text += QStringLiteral(" in Zeile %1").arg(zeile);
            if (!m_datei.isEmpty())
                text += QStringLiteral(" der Datei%1").arg(dateiText());
            throw Beschaedigt{text};
        }
    }

    Zeilenleser m_leser;
    QString m_datei;
    qsizetype m_groesse;
};

// A UTF-8 byte order mark, or at least one multi-byte sequence in an otherwise valid UTF-8 text:
// such a file comes from another program (Windows-1252 umlauts are never valid UTF-8 on their own).
bool istUtf8(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    const bool mehrbyte = std::any_of(bytes.cbegin(), bytes.cend(), [](char b) { return (b & 0x80) != 0; });
    if (!mehrbyte)
        return false;
    QStringDecoder dec(QStringConverter::Utf8);
    const QString text = dec(bytes);
    return !dec.hasError() && !text.isEmpty();
}

bool ladenIntern(Cup &ziel, QIODevice &geraet, const QString *neuerName, QString *fehler, QString *hinweis)
{
    const QString anzeige = neuerName ? QStringLiteral(" \"%1\"").arg(QDir::toNativeSeparators(*neuerName)) : QString();
    const auto scheitern = [&](const QString &text) {
        if (fehler)
            *fehler = text;
        return false;
    };
    if (!geraet.isOpen() && !geraet.open(QIODevice::ReadOnly))
        return scheitern(QStringLiteral("Die Cup-Daten konnten nicht gelesen werden: %1").arg(geraet.errorString()));
    if (!geraet.isReadable())
        return scheitern(QStringLiteral("Die Cup-Daten konnten nicht gelesen werden: %1").arg(geraet.errorString()));
    if (!geraet.isSequential() && geraet.size() > kMaxDateigroesse)
        return scheitern(QStringLiteral("Die Datei%1 ist mit %2 MB zu groß für eine Cup-Datei (höchstens 512 MB).")
                             .arg(anzeige)
                             .arg(geraet.size() / (1024 * 1024)));

    Cup neu;
    bool utf8 = false;
    try {
        // Read in pieces, so that an endless device stops at the bound instead of exhausting memory.
        QByteArray bytes;
        while (true) {
            const QByteArray stueck = geraet.read(1 << 20);
            if (stueck.isEmpty())
                break;
            bytes += stueck;
            if (bytes.size() > kMaxDateigroesse)
                return scheitern(QStringLiteral("Die Datei%1 ist zu groß für eine Cup-Datei (höchstens 512 MB).")
                                     .arg(anzeige));
        }
        if (auto *datei = qobject_cast<QFileDevice *>(&geraet); datei && datei->error() != QFileDevice::NoError)
            return scheitern(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                                 .arg(QDir::toNativeSeparators(datei->fileName()), datei->errorString()));

        utf8 = istUtf8(bytes);
        // A UTF-8 file can only come from another program; read as Windows-1252 it would turn every
        // umlaut into two wrong characters.
        QStringDecoder dec = utf8 ? QStringDecoder(QStringConverter::Utf8) : QStringDecoder(kZeichensatz);
        QString text = dec(bytes);
        bytes = QByteArray();
        Einleser(text, neuerName ? *neuerName : QString()).einlesen(neu);
    } catch (const Beschaedigt &b) {
        return scheitern(b.meldung);
    } catch (const Konvertierungsfehler &e) {
        return scheitern(e.meldung());
    } catch (const std::bad_alloc &) {
        return scheitern(QStringLiteral("Für die Cup-Daten%1 reicht der Arbeitsspeicher nicht aus.").arg(anzeige));
    }

    if (hinweis)
        *hinweis = utf8 ? QStringLiteral("Die Datei%1 ist nicht in Windows-1252 gespeichert, sondern in UTF-8 (wohl "
                                         "von einem anderen Programm). Sie wurde als UTF-8 gelesen; beim Speichern "
                                         "wird sie wieder in Windows-1252 geschrieben.")
                              .arg(anzeige)
                        : QString();
    // What the file does not hold stays as it was.
    neu.dateiname = neuerName ? *neuerName : ziel.dateiname;
    neu.htmlstil = ziel.htmlstil;
    neu.urkundenstil = ziel.urkundenstil;
    ziel.uebernehmen(std::move(neu));
    ziel.edit(Cup::Stand::Gesichert);
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

QByteArray dateiinhaltUnsortiert(const Cup &cup)
{
    return dateibytes(cup);
}

QByteArray dateiinhalt(Cup &cup)
{
    teilsort(cup, Richtung::Aufsteigend, Teilspalte::Name);
    return dateibytes(cup);
}

bool speichern(Cup &cup, QIODevice &geraet, QString *fehler)
{
    const QByteArray bytes = dateiinhalt(cup);
    QString grund;
    if (!alleBytesSchreiben(geraet, bytes, &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Die Cup-Daten konnten nicht geschrieben werden: %1").arg(grund);
        return false;
    }
    return true;
}

bool speichernDatei(Cup &cup, const QString &pfad, QString *fehler, QString *warnung)
{
    // The previous version, kept as NAME.bak once the new file is in place.
    QByteArray vorher;
    bool sicherung = false;
    if (warnung) {
        QFile alt(pfad);
        if (QFileInfo(pfad).isFile() && alt.open(QIODevice::ReadOnly)) {
            vorher = alt.readAll();
            sicherung = alt.error() == QFileDevice::NoError;
        }
    }
    if (!sicherSchreiben(pfad, dateiinhalt(cup), fehler))
        return false;
    cup.dateiname = QFileInfo(pfad).absoluteFilePath();
    cup.edit(Cup::Stand::Gesichert);
    if (sicherung) {
        QString grund;
        if (!sicherSchreiben(sicherungsdatei(pfad), vorher, &grund))
            *warnung = QStringLiteral("Der Cup ist gespeichert, aber die Sicherungskopie der vorigen Fassung nicht.\r\n") +
                       grund;
    }
    return true;
}

QString sicherungsdatei(const QString &pfad)
{
    return pfad + QStringLiteral(".bak");
}

bool laden(Cup &ziel, QIODevice &geraet, QString *fehler, QString *hinweis)
{
    return ladenIntern(ziel, geraet, nullptr, fehler, hinweis);
}

bool ladenDatei(Cup &ziel, const QString &pfad, QString *fehler, QString *hinweis)
{
    const QFileInfo info(pfad);
    // A folder, a device or a pipe is no cup file; reading /dev/zero would never end.
    if (info.exists() && !info.isFile()) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden: Das ist keine gewöhnliche Datei.")
                          .arg(QDir::toNativeSeparators(pfad));
        return false;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), datei.errorString());
        return false;
    }
    const QString name = info.absoluteFilePath();
    return ladenIntern(ziel, datei, &name, fehler, hinweis);
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
