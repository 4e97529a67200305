#include "core/wiederherstellung.h"

#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/sicheresschreiben.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace tlt {

namespace {

const QByteArray kKennung = "Tempolauftabellator-Wiederherstellung";
const QString kEndung = QStringLiteral(".tlw");

// A short stable tag of a path, for file names.
QString kennzeichen(const QString &pfad)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QFileInfo(pfad).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

// Characters a file name may safely carry; the rest become "_".
QString lesbarerTeil(const QString &cupdatei)
{
    QString basis = cupdatei.isEmpty() ? QStringLiteral("unbenannt") : QFileInfo(cupdatei).completeBaseName();
    for (QChar &c : basis)
        if (!(c.isLetterOrNumber() || c == u'-' || c == u'_'))
            c = u'_';
    return basis.left(40);
}

void sperreEinrichten(QLockFile &l)
{
    // Only a lock whose process is gone is stale, however old it is.
    l.setStaleLockTime(0);
}

struct Kopf {
    QString cupdatei;
    QDateTime zeit;
    qsizetype inhaltAb = -1;
};

// Reads the head of a recovery file; inhaltAb < 0 when the bytes are no recovery file.
Kopf kopfLesen(const QByteArray &bytes)
{
    Kopf k;
    const QList<QByteArray> zeilen = bytes.left(8192).split('\n');
    if (zeilen.size() < 4 || zeilen[0].trimmed() != kKennung || !zeilen[1].startsWith("Datei: ") ||
        !zeilen[2].startsWith("Zeit: ") || !zeilen[3].trimmed().isEmpty())
        return k;
    k.cupdatei = QString::fromUtf8(QByteArray::fromPercentEncoding(zeilen[1].mid(7).trimmed()));
    k.zeit = QDateTime::fromString(QString::fromLatin1(zeilen[2].mid(6).trimmed()), Qt::ISODate);
    k.inhaltAb = zeilen[0].size() + zeilen[1].size() + zeilen[2].size() + zeilen[3].size() + 4;
    return k;
}

} // namespace

QString Wiederherstellung::standardordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/wiederherstellung");
}

Wiederherstellung::Wiederherstellung(const QString &ordner) : m_ordner(ordner) {}

Wiederherstellung::~Wiederherstellung() = default;

bool Wiederherstellung::schreiben(const Cup &cup, const QDateTime &zeit, QString *fehler)
{
    if (!QDir().mkpath(m_ordner)) {
        if (fehler)
            *fehler = QStringLiteral("Der Ordner \"%1\" für die Wiederherstellung ließ sich nicht anlegen.")
                          .arg(QDir::toNativeSeparators(m_ordner));
        return false;
    }
    // One file per window: the cup's name part, then the process and a tag of the window.
    const QString neu = QStringLiteral("%1/%2-%3-%4%5")
                            .arg(m_ordner, lesbarerTeil(cup.dateiname))
                            .arg(QCoreApplication::applicationPid())
                            .arg(reinterpret_cast<quintptr>(this), 0, 16)
                            .arg(kEndung);
    if (neu != m_datei) {
        entfernen();
        auto sperre = std::make_unique<QLockFile>(neu + QStringLiteral(".lock"));
        sperreEinrichten(*sperre);
        if (!sperre->tryLock(0)) {
            if (fehler)
                *fehler = QStringLiteral("Die Wiederherstellungsdatei \"%1\" ist gesperrt.").arg(neu);
            return false;
        }
        m_sperre = std::move(sperre);
        m_datei = neu;
    }
    QByteArray bytes = kKennung + "\r\nDatei: " + cup.dateiname.toUtf8().toPercentEncoding("/") + "\r\nZeit: " +
                       zeit.toUTC().toString(Qt::ISODateWithMs).toLatin1() + "\r\n\r\n";
    bytes += dateiinhaltUnsortiert(cup);
    return sicherSchreiben(m_datei, bytes, fehler, {QStringLiteral("Die Wiederherstellungsdatei"), {}});
}

void Wiederherstellung::entfernen()
{
    if (!m_datei.isEmpty())
        QFile::remove(m_datei);
    m_datei.clear();
    m_sperre.reset(); // unlocks and removes the lock file
}

QList<Wiederherstellung::Fund> Wiederherstellung::verwaist() const
{
    QList<Fund> funde;
    const QDir ordner(m_ordner);
    for (const QFileInfo &info : ordner.entryInfoList({QStringLiteral("*") + kEndung}, QDir::Files)) {
        const QString pfad = info.absoluteFilePath();
        if (pfad == QFileInfo(m_datei).absoluteFilePath())
            continue;
        // A living window holds the lock of its file: that file is not ours to offer.
        QLockFile sperre(pfad + QStringLiteral(".lock"));
        sperreEinrichten(sperre);
        if (!sperre.tryLock(0))
            continue;
        sperre.unlock();
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = f.read(8192);
        const Kopf k = kopfLesen(bytes);
        if (k.inhaltAb < 0)
            continue;
        Fund fund{pfad, k.cupdatei, QString(), k.zeit.isValid() ? k.zeit : info.lastModified()};
        // The cup's name is the first field of the cup's first line.
        const qsizetype ende = bytes.indexOf('|', k.inhaltAb);
        if (ende > 0) {
            QStringDecoder dec("windows-1252");
            fund.cupname = dec(bytes.mid(k.inhaltAb, ende - k.inhaltAb));
        }
        funde.append(fund);
    }
    std::sort(funde.begin(), funde.end(), [](const Fund &a, const Fund &b) { return a.zeit > b.zeit; });
    return funde;
}

bool Wiederherstellung::laden(const Fund &fund, Cup &ziel, QString *fehler)
{
    QFile f(fund.pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QStringLiteral("Die Wiederherstellungsdatei \"%1\" konnte nicht geöffnet werden: %2")
                          .arg(QDir::toNativeSeparators(fund.pfad), f.errorString());
        return false;
    }
    QByteArray bytes = f.readAll();
    const Kopf k = kopfLesen(bytes);
    if (k.inhaltAb < 0) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" ist keine Wiederherstellungsdatei.")
                          .arg(QDir::toNativeSeparators(fund.pfad));
        return false;
    }
    bytes.remove(0, k.inhaltAb);
    QBuffer puffer(&bytes);
    Cup neu;
    neu.htmlstil = ziel.htmlstil;
    neu.urkundenstil = ziel.urkundenstil;
    if (!tlt::laden(neu, puffer, fehler))
        return false;
    neu.dateiname = k.cupdatei;
    ziel.uebernehmen(std::move(neu));
    // Restored data is not saved anywhere yet.
    ziel.edit(Cup::Stand::Geaendert);
    return true;
}

void Wiederherstellung::verwerfen(const Fund &fund)
{
    QFile::remove(fund.pfad);
    QFile::remove(fund.pfad + QStringLiteral(".lock"));
}

Cupsperre::Cupsperre(const QString &ordner) : m_ordner(ordner) {}

Cupsperre::~Cupsperre() = default;

bool Cupsperre::sperren(const QString &cupdatei, qint64 *andererProzess)
{
    const QString name = m_ordner + QStringLiteral("/cup-%1.lock").arg(kennzeichen(cupdatei));
    if (m_sperre && m_name == name)
        return true;
    freigeben();
    QDir().mkpath(m_ordner);
    auto sperre = std::make_unique<QLockFile>(name);
    sperreEinrichten(*sperre);
    if (sperre->tryLock(0)) {
        m_sperre = std::move(sperre);
        m_name = name;
        return true;
    }
    if (andererProzess) {
        QString host, app;
        if (!sperre->getLockInfo(andererProzess, &host, &app))
            *andererProzess = 0;
    }
    return false;
}

void Cupsperre::freigeben()
{
    m_sperre.reset();
    m_name.clear();
}

} // namespace tlt
