#include "austausch/tabellendatei.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <unzip.h>

#include <cstring>

#include <cmath>

namespace tlt {

Zelle Zelle::ausText(const QString &t)
{
    Zelle z;
    z.art = t.isEmpty() ? Art::Leer : Art::Text;
    z.text = t;
    return z;
}

Zelle Zelle::ausZahl(double wert, bool datum)
{
    Zelle z;
    z.art = datum ? Art::Datum : Art::Zahl;
    z.zahl = wert;
    z.text = QString::number(wert, 'g', 15);
    return z;
}

const Zelle &Rohzeile::zelle(int spalte) const
{
    static const Zelle leer;
    return spalte >= 0 && spalte < zellen.size() ? zellen.at(spalte) : leer;
}

namespace {

bool zeileLeer(const QList<Zelle> &zellen)
{
    for (const Zelle &z : zellen)
        if (!z.leer())
            return false;
    return true;
}

void zelleSetzen(QList<Zelle> &zellen, int spalte, Zelle z)
{
    if (spalte >= zellen.size())
        zellen.resize(spalte + 1);
    zellen[spalte] = std::move(z);
}

// ------------------------------------------------------------------------------------------ CSV

QString dekodieren(const QByteArray &daten, QString *beschreibung)
{
    if (daten.startsWith("\xEF\xBB\xBF")) {
        *beschreibung = QStringLiteral("UTF-8 mit BOM");
        return QString::fromUtf8(daten.mid(3));
    }
    if (daten.startsWith("\xFF\xFE") || daten.startsWith("\xFE\xFF")) {
        const auto kodierung = QStringConverter::encodingForData(daten);
        QStringDecoder dec(kodierung.value_or(QStringConverter::Utf16));
        *beschreibung = QStringLiteral("UTF-16");
        return dec(daten);
    }
    // Valid UTF-8 is taken as UTF-8: Windows-1252 text with umlauts is practically never valid UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(daten);
    if (!utf8.hasError()) {
        *beschreibung = QStringLiteral("UTF-8");
        return text;
    }
    QStringDecoder ansi("windows-1252");
    *beschreibung = QStringLiteral("Windows-1252");
    return ansi(daten);
}

} // namespace

QChar trennzeichenErkennen(const QString &text)
{
    // Counts in the first record outside quotes; a tie goes to ';', then tab, then ','.
    int semikolon = 0, tab = 0, komma = 0;
    bool inAnfuehrung = false;
    bool etwas = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"')) {
            inAnfuehrung = !inAnfuehrung;
        } else if (!inAnfuehrung) {
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                if (etwas)
                    break;
                continue;
            }
            etwas = true;
            if (c == QLatin1Char(';'))
                ++semikolon;
            else if (c == QLatin1Char('\t'))
                ++tab;
            else if (c == QLatin1Char(','))
                ++komma;
        }
    }
    if (semikolon >= tab && semikolon >= komma && semikolon > 0)
        return QLatin1Char(';');
    if (tab >= komma && tab > 0)
        return QLatin1Char('\t');
    if (komma > 0)
        return QLatin1Char(',');
    return QLatin1Char(';');
}

bool csvLesen(const QByteArray &daten, Rohtabelle *t, QString *fehler)
{
    QString kodierung;
    const QString text = dekodieren(daten, &kodierung);
    const QChar trenner = trennzeichenErkennen(text);
    t->zeilen.clear();
    t->beschreibung = kodierung + QStringLiteral(", Trennzeichen ") +
                      (trenner == QLatin1Char('\t') ? QStringLiteral("Tabulator") : QString(trenner));

    int zeile = 1;       // current line of the file
    int anfang = 1;      // line where the current record began
    bool inAnfuehrung = false;
    bool warAnfuehrung = false; // the current field was quoted
    int anfuehrungsZeile = 0;
    QString feld;
    QList<Zelle> zellen;
    auto feldEnde = [&] {
        zellen.append(Zelle::ausText(warAnfuehrung ? feld : feld.trimmed()));
        feld.clear();
        warAnfuehrung = false;
    };
    auto satzEnde = [&] {
        feldEnde();
        if (!zeileLeer(zellen))
            t->zeilen.append(Rohzeile{anfang, zellen});
        zellen.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (inAnfuehrung) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    feld.append(c);
                    ++i;
                } else {
                    inAnfuehrung = false;
                }
            } else {
                if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) {
                    ++i;
                    feld.append(QLatin1Char('\n'));
                    ++zeile;
                } else {
                    if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                        ++zeile;
                        feld.append(QLatin1Char('\n'));
                    } else {
                        feld.append(c);
                    }
                }
            }
            continue;
        }
        if (c == QLatin1Char('"') && feld.trimmed().isEmpty() && !warAnfuehrung) {
            inAnfuehrung = true;
            warAnfuehrung = true;
            anfuehrungsZeile = zeile;
            feld.clear();
        } else if (c == trenner) {
            feldEnde();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            satzEnde();
            ++zeile;
            anfang = zeile;
        } else if (!warAnfuehrung) {
            feld.append(c);
        }
        // Characters between a closing quote and the next separator are dropped.
    }
    if (inAnfuehrung) {
        *fehler = QStringLiteral("Zeile %1: Das Anführungszeichen wird bis zum Dateiende nicht geschlossen.")
                      .arg(anfuehrungsZeile);
        t->zeilen.clear();
        return false;
    }
    if (!feld.isEmpty() || !zellen.isEmpty() || warAnfuehrung)
        satzEnde();
    return true;
}

namespace {

// ------------------------------------------------------------------------------------------ ZIP

// A zip archive in memory, read through minizip (the zip library libxlsxwriter uses too; a second copy
// of minizip, as Qt wrappers bundle it, would clash with it in one process).
class Archiv {
public:
    explicit Archiv(QIODevice *geraet) : m_geraet(geraet) {}
    ~Archiv()
    {
        if (m_zip)
            unzClose(m_zip);
    }
    Archiv(const Archiv &) = delete;
    Archiv &operator=(const Archiv &) = delete;

    bool oeffnen(QString *fehler)
    {
        if (!m_geraet->isOpen() && !m_geraet->open(QIODevice::ReadOnly)) {
            *fehler = QStringLiteral("Die Datei kann nicht gelesen werden: %1").arg(m_geraet->errorString());
            return false;
        }
        if (m_geraet->size() > kHoechstgroesse) {
            *fehler = QStringLiteral("Die Datei ist zu groß.");
            return false;
        }
        m_geraet->seek(0);
        m_daten = m_geraet->readAll();
        zlib_filefunc64_def f{};
        f.zopen64_file = [](voidpf opaque, const void *, int) -> voidpf {
            static_cast<Archiv *>(opaque)->m_pos = 0;
            return opaque;
        };
        f.zread_file = [](voidpf, voidpf strom, void *puffer, uLong n) -> uLong {
            auto *a = static_cast<Archiv *>(strom);
            const qint64 rest = a->m_daten.size() - qint64(a->m_pos);
            const uLong k = uLong(std::max<qint64>(0, std::min<qint64>(rest, qint64(n))));
            std::memcpy(puffer, a->m_daten.constData() + a->m_pos, k);
            a->m_pos += k;
            return k;
        };
        f.zwrite_file = [](voidpf, voidpf, const void *, uLong) -> uLong { return 0; };
        f.ztell64_file = [](voidpf, voidpf strom) -> ZPOS64_T { return static_cast<Archiv *>(strom)->m_pos; };
        f.zseek64_file = [](voidpf, voidpf strom, ZPOS64_T versatz, int herkunft) -> long {
            auto *a = static_cast<Archiv *>(strom);
            ZPOS64_T basis = 0;
            if (herkunft == ZLIB_FILEFUNC_SEEK_CUR)
                basis = a->m_pos;
            else if (herkunft == ZLIB_FILEFUNC_SEEK_END)
                basis = ZPOS64_T(a->m_daten.size());
            if (basis + versatz > ZPOS64_T(a->m_daten.size()))
                return -1;
            a->m_pos = basis + versatz;
            return 0;
        };
        f.zclose_file = [](voidpf, voidpf) -> int { return 0; };
        f.zerror_file = [](voidpf, voidpf) -> int { return 0; };
        f.opaque = this;
        m_zip = unzOpen2_64("tabelle", &f);
        if (!m_zip) {
            *fehler = QStringLiteral("Die Datei ist kein gültiges Tabellendokument (kein ZIP-Archiv).");
            return false;
        }
        return true;
    }

    // A part of the archive; a missing part gives false without a message.
    bool lesen(const QString &name, QByteArray *inhalt, QString *fehler)
    {
        // 2: the part names are compared without letter case.
        if (unzLocateFile(m_zip, name.toUtf8().constData(), 2) != UNZ_OK)
            return false;
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(m_zip) != UNZ_OK) {
            *fehler = QStringLiteral("Der Teil \"%1\" des Dokuments kann nicht gelesen werden.").arg(name);
            return false;
        }
        if (info.uncompressed_size > ZPOS64_T(kHoechstgroesse) * 2) {
            unzCloseCurrentFile(m_zip);
            *fehler = QStringLiteral("Der Teil \"%1\" des Dokuments ist zu groß.").arg(name);
            return false;
        }
        inhalt->clear();
        inhalt->reserve(qsizetype(info.uncompressed_size));
        char puffer[65536];
        int n = 0;
        while ((n = unzReadCurrentFile(m_zip, puffer, sizeof puffer)) > 0) {
            inhalt->append(puffer, n);
            if (inhalt->size() > kHoechstgroesse * 2)
                n = UNZ_BADZIPFILE;
            if (n < 0)
                break;
        }
        const int ende = unzCloseCurrentFile(m_zip);
        if (n < 0 || ende != UNZ_OK) {
            *fehler = QStringLiteral("Der Teil \"%1\" des Dokuments ist beschädigt.").arg(name);
            return false;
        }
        return true;
    }

private:
    QIODevice *m_geraet;
    QByteArray m_daten;
    ZPOS64_T m_pos = 0;
    unzFile m_zip = nullptr;
};

QString xmlFehler(const QXmlStreamReader &x, const QString &teil)
{
    return QStringLiteral("Der Teil \"%1\" des Dokuments ist kein gültiges XML (Zeile %2: %3).")
        .arg(teil)
        .arg(x.lineNumber())
        .arg(x.errorString());
}

QString attribut(const QXmlStreamReader &x, QLatin1StringView name)
{
    for (const QXmlStreamAttribute &a : x.attributes())
        if (a.name() == name)
            return a.value().toString();
    return {};
}

// ------------------------------------------------------------------------------------------ XLSX

// Resolves a relationship target against the folder of the part that names it.
QString teilpfad(const QString &ordner, const QString &ziel)
{
    if (ziel.startsWith(QLatin1Char('/')))
        return ziel.mid(1);
    QStringList teile = ordner.isEmpty() ? QStringList() : ordner.split(QLatin1Char('/'));
    for (const QString &s : ziel.split(QLatin1Char('/'))) {
        if (s == QLatin1String(".."))
            teile.removeLast();
        else if (s != QLatin1String(".") && !s.isEmpty())
            teile << s;
    }
    return teile.join(QLatin1Char('/'));
}

QString ordnerVon(const QString &pfad)
{
    const qsizetype i = pfad.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? QString() : pfad.left(i);
}

QString relsPfad(const QString &teil)
{
    return teilpfad(ordnerVon(teil), QStringLiteral("_rels/") + teil.mid(teil.lastIndexOf(QLatin1Char('/')) + 1) +
                                         QStringLiteral(".rels"));
}

struct Beziehung {
    QString id, typ, ziel;
};

QList<Beziehung> beziehungenLesen(const QByteArray &xml)
{
    QList<Beziehung> l;
    QXmlStreamReader x(xml);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("Relationship"))
            l.append({attribut(x, QLatin1StringView("Id")), attribut(x, QLatin1StringView("Type")),
                      attribut(x, QLatin1StringView("Target"))});
    }
    return l;
}

struct Arbeitsmappe {
    QString pfad;
    QStringList namen;
    QStringList blattpfade;
    QString sharedStrings;
    QString styles;
};

bool mappeLesen(Archiv &zip, Arbeitsmappe *m, QString *fehler)
{
    QByteArray inhalt;
    m->pfad = QStringLiteral("xl/workbook.xml");
    if (zip.lesen(QStringLiteral("_rels/.rels"), &inhalt, fehler))
        for (const Beziehung &b : beziehungenLesen(inhalt))
            if (b.typ.endsWith(QLatin1String("/officeDocument")))
                m->pfad = teilpfad(QString(), b.ziel);
    if (!fehler->isEmpty())
        return false;
    if (!zip.lesen(m->pfad, &inhalt, fehler)) {
        if (fehler->isEmpty())
            *fehler = QStringLiteral("Die Datei ist keine Excel-Arbeitsmappe (XLSX).");
        return false;
    }
    QHash<QString, QString> ziele;
    QByteArray rels;
    const QString ordner = ordnerVon(m->pfad);
    if (zip.lesen(relsPfad(m->pfad), &rels, fehler)) {
        for (const Beziehung &b : beziehungenLesen(rels)) {
            ziele.insert(b.id, teilpfad(ordner, b.ziel));
            if (b.typ.endsWith(QLatin1String("/sharedStrings")))
                m->sharedStrings = teilpfad(ordner, b.ziel);
            else if (b.typ.endsWith(QLatin1String("/styles")))
                m->styles = teilpfad(ordner, b.ziel);
        }
    }
    if (!fehler->isEmpty())
        return false;
    QXmlStreamReader x(inhalt);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("sheet")) {
            m->namen << attribut(x, QLatin1StringView("name"));
            m->blattpfade << ziele.value(attribut(x, QLatin1StringView("id")));
        }
    }
    if (x.hasError()) {
        *fehler = xmlFehler(x, m->pfad);
        return false;
    }
    if (m->namen.isEmpty()) {
        *fehler = QStringLiteral("Die Arbeitsmappe enthält kein Tabellenblatt.");
        return false;
    }
    return true;
}

QStringList sharedStringsLesen(const QByteArray &xml, QString *fehler, const QString &teil)
{
    QStringList l;
    QXmlStreamReader x(xml);
    QString aktuell;
    bool inSi = false;
    int rph = 0; // phonetic runs are no part of the text
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("si")) {
                inSi = true;
                aktuell.clear();
            } else if (x.name() == QLatin1String("rPh")) {
                ++rph;
            } else if (x.name() == QLatin1String("t") && inSi && rph == 0) {
                aktuell += x.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (x.isEndElement()) {
            if (x.name() == QLatin1String("si")) {
                l << aktuell;
                inSi = false;
            } else if (x.name() == QLatin1String("rPh")) {
                --rph;
            }
        }
    }
    if (x.hasError())
        *fehler = xmlFehler(x, teil);
    return l;
}

// Whether a number format shows a date or a time: letters d, m, y, h or s outside quoted text and
// outside brackets other than the elapsed-time ones ([h], [mm], [ss]).
bool istDatumsformat(const QString &format)
{
    QString s;
    bool quote = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('"')) {
            quote = !quote;
        } else if (quote) {
            continue;
        } else if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            const qsizetype ende = format.indexOf(QLatin1Char(']'), i);
            if (ende < 0)
                break;
            const QString innen = format.mid(i + 1, ende - i - 1).toLower();
            if (!innen.isEmpty() && (innen[0] == QLatin1Char('h') || innen[0] == QLatin1Char('m') ||
                                     innen[0] == QLatin1Char('s')))
                s += innen;
            i = ende;
        } else {
            s += c.toLower();
        }
    }
    for (QChar c : s)
        if (c == QLatin1Char('d') || c == QLatin1Char('m') || c == QLatin1Char('y') || c == QLatin1Char('h') ||
            c == QLatin1Char('s'))
            return true;
    return false;
}

// Per cell style index: whether the number shows as a date or time.
QList<bool> stileLesen(const QByteArray &xml)
{
    QHash<int, bool> eigene;
    QList<bool> stile;
    QXmlStreamReader x(xml);
    bool inCellXfs = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("numFmt")) {
                eigene.insert(attribut(x, QLatin1StringView("numFmtId")).toInt(),
                              istDatumsformat(attribut(x, QLatin1StringView("formatCode"))));
            } else if (x.name() == QLatin1String("cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && x.name() == QLatin1String("xf")) {
                const int id = attribut(x, QLatin1StringView("numFmtId")).toInt();
                // The built-in date and time formats.
                const bool eingebaut = (id >= 14 && id <= 22) || (id >= 45 && id <= 47) ||
                                       (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
                stile << (eigene.contains(id) ? eigene.value(id) : eingebaut);
            }
        } else if (x.isEndElement() && x.name() == QLatin1String("cellXfs")) {
            inCellXfs = false;
        }
    }
    return stile;
}

// "BC12" -> column 54 (0-based); -1 when there are no letters.
int spalteAusBezug(QStringView bezug)
{
    int s = 0;
    bool etwas = false;
    for (QChar c : bezug) {
        const char16_t u = c.toUpper().unicode();
        if (u < 'A' || u > 'Z')
            break;
        s = s * 26 + (u - 'A' + 1);
        etwas = true;
        if (s > 16384)
            return -1;
    }
    return etwas ? s - 1 : -1;
}

bool blattLesen(const QByteArray &xml, const QString &teil, const QStringList &texte, const QList<bool> &stile,
                Rohtabelle *t, QString *fehler)
{
    QXmlStreamReader x(xml);
    int zeilennummer = 0;
    QList<Zelle> zellen;
    bool inZeile = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("row")) {
                const QString r = attribut(x, QLatin1StringView("r"));
                zeilennummer = r.isEmpty() ? zeilennummer + 1 : r.toInt();
                zellen.clear();
                inZeile = true;
            } else if (inZeile && x.name() == QLatin1String("c")) {
                const QString bezug = attribut(x, QLatin1StringView("r"));
                int spalte = bezug.isEmpty() ? int(zellen.size()) : spalteAusBezug(bezug);
                if (spalte < 0)
                    spalte = int(zellen.size());
                const QString typ = attribut(x, QLatin1StringView("t"));
                const int stil = attribut(x, QLatin1StringView("s")).toInt();
                QString wert;
                QString inline_;
                bool hatWert = false;
                while (x.readNextStartElement()) {
                    if (x.name() == QLatin1String("v")) {
                        wert = x.readElementText();
                        hatWert = true;
                    } else if (x.name() == QLatin1String("is")) {
                        // Inline string: every <t> inside, rich-text runs included, phonetic runs left out.
                        while (x.readNextStartElement()) {
                            if (x.name() == QLatin1String("t"))
                                inline_ += x.readElementText();
                            else if (x.name() == QLatin1String("r")) {
                                while (x.readNextStartElement()) {
                                    if (x.name() == QLatin1String("t"))
                                        inline_ += x.readElementText();
                                    else
                                        x.skipCurrentElement();
                                }
                            } else
                                x.skipCurrentElement();
                        }
                        hatWert = true;
                    } else {
                        x.skipCurrentElement();
                    }
                }
                if (!hatWert)
                    continue;
                Zelle z;
                if (typ == QLatin1String("s")) {
                    bool ok = false;
                    const int i = wert.toInt(&ok);
                    if (!ok || i < 0 || i >= texte.size()) {
                        *fehler = QStringLiteral("Zeile %1: Die Zelle %2 verweist auf einen fehlenden Text.")
                                      .arg(zeilennummer)
                                      .arg(bezug);
                        return false;
                    }
                    z = Zelle::ausText(texte.at(i));
                } else if (typ == QLatin1String("inlineStr")) {
                    z = Zelle::ausText(inline_);
                } else if (typ == QLatin1String("str") || typ == QLatin1String("e") || typ == QLatin1String("d")) {
                    z = Zelle::ausText(wert);
                } else if (typ == QLatin1String("b")) {
                    z = Zelle::ausText(wert == QLatin1String("1") ? QStringLiteral("WAHR") : QStringLiteral("FALSCH"));
                } else {
                    bool ok = false;
                    const double d = wert.toDouble(&ok);
                    z = ok ? Zelle::ausZahl(d, stile.value(stil, false)) : Zelle::ausText(wert);
                }
                zelleSetzen(zellen, spalte, z);
            }
        } else if (x.isEndElement() && x.name() == QLatin1String("row")) {
            inZeile = false;
            if (!zeileLeer(zellen))
                t->zeilen.append(Rohzeile{zeilennummer, zellen});
        }
    }
    if (x.hasError()) {
        *fehler = xmlFehler(x, teil);
        return false;
    }
    return true;
}

// ------------------------------------------------------------------------------------------ ODS

const QDate kNullDatum(1899, 12, 30);

// "PT01H02M03.5S" -> fraction of a day; false when it is no such duration.
bool odsZeit(const QString &text, double *tage)
{
    static const QRegularExpression re(
        QStringLiteral("^-?P(?:(\\d+)D)?T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:[.,]\\d+)?)S)?$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const double s = m.captured(1).toDouble() * 86400 + m.captured(2).toDouble() * 3600 +
                     m.captured(3).toDouble() * 60 + QString(m.captured(4)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    *tage = s / 86400.0;
    return true;
}

// "1990-05-17" or "1990-05-17T10:30:00" -> days since 30.12.1899.
bool odsDatum(const QString &text, double *tage)
{
    const QDate d = QDate::fromString(text.left(10), Qt::ISODate);
    if (!d.isValid())
        return false;
    double wert = double(kNullDatum.daysTo(d));
    if (text.size() > 11) {
        const QTime zeit = QTime::fromString(text.mid(11, 8), Qt::ISODate);
        if (zeit.isValid())
            wert += zeit.msecsSinceStartOfDay() / 86400000.0;
    }
    *tage = wert;
    return true;
}

// The text of a cell: paragraphs joined by line breaks, <text:s text:c="n"/> as n blanks.
QString odsText(QXmlStreamReader &x)
{
    QString text;
    int absaetze = 0;
    int tiefe = 1;
    while (tiefe > 0 && !x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            ++tiefe;
            if (x.name() == QLatin1String("annotation")) {
                x.skipCurrentElement();
                --tiefe;
            } else if (x.name() == QLatin1String("p")) {
                if (absaetze++ > 0)
                    text += QLatin1Char('\n');
            } else if (x.name() == QLatin1String("s")) {
                const QString c = attribut(x, QLatin1StringView("c"));
                text += QString(c.isEmpty() ? 1 : qBound(1, c.toInt(), 1000), QLatin1Char(' '));
            } else if (x.name() == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (x.name() == QLatin1String("line-break")) {
                text += QLatin1Char('\n');
            }
        } else if (x.isEndElement()) {
            --tiefe;
        } else if (x.isCharacters()) {
            text += x.text();
        }
    }
    return text;
}

// Reads the spreadsheet's tables: with t == nullptr only their names.
bool odsInhalt(const QByteArray &xml, const QString &blatt, QStringList *namen, Rohtabelle *t, QString *fehler)
{
    QXmlStreamReader x(xml);
    bool imBlatt = false;
    bool fertig = false;
    int zeilennummer = 0;
    constexpr int kHoechstzeilen = 1048576;
    constexpr int kHoechstspalten = 16384;
    while (!x.atEnd() && !fertig) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("table")) {
            const QString name = attribut(x, QLatin1StringView("name"));
            if (namen)
                *namen << name;
            if (t && !imBlatt && (blatt.isEmpty() || name == blatt)) {
                imBlatt = true;
                zeilennummer = 0;
            } else {
                x.skipCurrentElement();
            }
        } else if (x.isEndElement() && x.name() == QLatin1String("table") && imBlatt) {
            fertig = true;
        } else if (imBlatt && x.isStartElement() && x.name() == QLatin1String("table-row")) {
            const int wiederholt = qMax(1, attribut(x, QLatin1StringView("number-rows-repeated")).toInt());
            QList<Zelle> zellen;
            int spalte = 0;
            while (x.readNextStartElement()) {
                if (x.name() != QLatin1String("table-cell") && x.name() != QLatin1String("covered-table-cell")) {
                    x.skipCurrentElement();
                    continue;
                }
                const int n = qMax(1, attribut(x, QLatin1StringView("number-columns-repeated")).toInt());
                const QString typ = attribut(x, QLatin1StringView("value-type"));
                Zelle z;
                double d = 0;
                if (typ == QLatin1String("float") || typ == QLatin1String("percentage") ||
                    typ == QLatin1String("currency")) {
                    z = Zelle::ausZahl(attribut(x, QLatin1StringView("value")).toDouble(), false);
                } else if (typ == QLatin1String("date") && odsDatum(attribut(x, QLatin1StringView("date-value")), &d)) {
                    z = Zelle::ausZahl(d, true);
                } else if (typ == QLatin1String("time") && odsZeit(attribut(x, QLatin1StringView("time-value")), &d)) {
                    z = Zelle::ausZahl(d, true);
                }
                const QString text = odsText(x);
                if (z.art == Zelle::Art::Leer)
                    z = Zelle::ausText(text);
                if (!z.leer()) {
                    if (spalte + n > kHoechstspalten) {
                        *fehler = QStringLiteral("Zeile %1: Das Tabellenblatt hat zu viele Spalten.")
                                      .arg(zeilennummer + 1);
                        return false;
                    }
                    for (int i = 0; i < n; ++i)
                        zelleSetzen(zellen, spalte + i, z);
                }
                spalte = qMin(spalte + n, kHoechstspalten + 1);
            }
            if (zeileLeer(zellen)) {
                zeilennummer += wiederholt;
            } else {
                for (int i = 0; i < wiederholt; ++i) {
                    if (++zeilennummer > kHoechstzeilen) {
                        *fehler = QStringLiteral("Das Tabellenblatt hat zu viele Zeilen.");
                        return false;
                    }
                    t->zeilen.append(Rohzeile{zeilennummer, zellen});
                }
            }
        }
    }
    if (x.hasError()) {
        *fehler = xmlFehler(x, QStringLiteral("content.xml"));
        return false;
    }
    if (t && !imBlatt) {
        *fehler = blatt.isEmpty() ? QStringLiteral("Das Dokument enthält kein Tabellenblatt.")
                                  : QStringLiteral("Ein Tabellenblatt \"%1\" gibt es nicht.").arg(blatt);
        return false;
    }
    return true;
}

bool odsLaden(QIODevice *geraet, QByteArray *inhalt, QString *fehler)
{
    Archiv zip(geraet);
    if (!zip.oeffnen(fehler))
        return false;
    if (!zip.lesen(QStringLiteral("content.xml"), inhalt, fehler)) {
        if (fehler->isEmpty())
            *fehler = QStringLiteral("Die Datei ist kein OpenDocument-Tabellendokument (ODS).");
        return false;
    }
    return true;
}

} // namespace

bool xlsxLesen(QIODevice *geraet, const QString &blatt, Rohtabelle *t, QString *fehler)
{
    t->zeilen.clear();
    fehler->clear();
    Archiv zip(geraet);
    if (!zip.oeffnen(fehler))
        return false;
    Arbeitsmappe m;
    if (!mappeLesen(zip, &m, fehler))
        return false;
    const qsizetype i = blatt.isEmpty() ? 0 : m.namen.indexOf(blatt);
    if (i < 0) {
        *fehler = QStringLiteral("Ein Tabellenblatt \"%1\" gibt es nicht.").arg(blatt);
        return false;
    }
    QStringList texte;
    QByteArray inhalt;
    if (!m.sharedStrings.isEmpty() && zip.lesen(m.sharedStrings, &inhalt, fehler))
        texte = sharedStringsLesen(inhalt, fehler, m.sharedStrings);
    if (!fehler->isEmpty())
        return false;
    QList<bool> stile;
    if (!m.styles.isEmpty() && zip.lesen(m.styles, &inhalt, fehler))
        stile = stileLesen(inhalt);
    if (!fehler->isEmpty())
        return false;
    const QString pfad = m.blattpfade.at(i);
    if (pfad.isEmpty() || !zip.lesen(pfad, &inhalt, fehler)) {
        if (fehler->isEmpty())
            *fehler = QStringLiteral("Das Tabellenblatt \"%1\" fehlt in der Datei.").arg(m.namen.at(i));
        return false;
    }
    t->beschreibung = QStringLiteral("Excel-Arbeitsmappe, Blatt \"%1\"").arg(m.namen.at(i));
    return blattLesen(inhalt, pfad, texte, stile, t, fehler);
}

QStringList xlsxBlaetter(QIODevice *geraet, QString *fehler)
{
    fehler->clear();
    Archiv zip(geraet);
    if (!zip.oeffnen(fehler))
        return {};
    Arbeitsmappe m;
    if (!mappeLesen(zip, &m, fehler))
        return {};
    return m.namen;
}

bool odsLesen(QIODevice *geraet, const QString &blatt, Rohtabelle *t, QString *fehler)
{
    t->zeilen.clear();
    fehler->clear();
    QByteArray inhalt;
    if (!odsLaden(geraet, &inhalt, fehler))
        return false;
    QStringList namen;
    if (!odsInhalt(inhalt, blatt, &namen, t, fehler))
        return false;
    t->beschreibung = QStringLiteral("OpenDocument-Tabelle, Blatt \"%1\"").arg(blatt.isEmpty() ? namen.value(0) : blatt);
    return true;
}

QStringList odsBlaetter(QIODevice *geraet, QString *fehler)
{
    fehler->clear();
    QByteArray inhalt;
    if (!odsLaden(geraet, &inhalt, fehler))
        return {};
    QStringList namen;
    if (!odsInhalt(inhalt, QString(), &namen, nullptr, fehler))
        return {};
    return namen;
}

namespace {
enum class Format { Csv, Xlsx, Ods, Unbekannt };

Format formatVon(const QString &pfad)
{
    const QString s = QFileInfo(pfad).suffix().toLower();
    if (s == QLatin1String("csv") || s == QLatin1String("txt"))
        return Format::Csv;
    if (s == QLatin1String("xlsx"))
        return Format::Xlsx;
    if (s == QLatin1String("ods"))
        return Format::Ods;
    return Format::Unbekannt;
}

bool oeffnen(QFile &f, QString *fehler)
{
    if (!f.open(QIODevice::ReadOnly)) {
        *fehler = QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(f.errorString());
        return false;
    }
    if (f.size() > kHoechstgroesse) {
        *fehler = QStringLiteral("Die Datei ist zu groß (mehr als %1 MB).").arg(kHoechstgroesse / 1024 / 1024);
        return false;
    }
    return true;
}

QString mitDatei(const QString &pfad, const QString &text)
{
    return QStringLiteral("%1: %2").arg(QFileInfo(pfad).fileName(), text);
}
} // namespace

bool tabelleLesen(const QString &pfad, const QString &blatt, Rohtabelle *t, QString *fehler)
{
    QFile f(pfad);
    QString text;
    bool ok = false;
    const Format format = formatVon(pfad);
    if (format == Format::Unbekannt) {
        text = QStringLiteral("Dieses Dateiformat wird nicht gelesen; möglich sind .csv, .txt, .xlsx und .ods.");
    } else if (oeffnen(f, &text)) {
        if (format == Format::Csv) {
            if (!blatt.isEmpty())
                text = QStringLiteral("Eine Textdatei hat keine Tabellenblätter.");
            else
                ok = csvLesen(f.readAll(), t, &text);
        } else if (format == Format::Xlsx) {
            ok = xlsxLesen(&f, blatt, t, &text);
        } else {
            ok = odsLesen(&f, blatt, t, &text);
        }
    }
    if (!ok)
        *fehler = mitDatei(pfad, text);
    return ok;
}

QStringList blaetterLesen(const QString &pfad, QString *fehler)
{
    QFile f(pfad);
    QString text;
    QStringList namen;
    const Format format = formatVon(pfad);
    if (format == Format::Csv)
        return {};
    if (format == Format::Unbekannt)
        text = QStringLiteral("Dieses Dateiformat wird nicht gelesen; möglich sind .csv, .txt, .xlsx und .ods.");
    else if (oeffnen(f, &text))
        namen = format == Format::Xlsx ? xlsxBlaetter(&f, &text) : odsBlaetter(&f, &text);
    if (!text.isEmpty())
        *fehler = mitDatei(pfad, text);
    return namen;
}

} // namespace tlt
