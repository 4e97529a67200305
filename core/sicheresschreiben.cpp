#include "core/sicheresschreiben.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

namespace tlt {

namespace {

// The system's reason for a failed write, when it has one worth showing.
QString grundVon(const QIODevice &geraet)
{
    const QString text = geraet.errorString();
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        return {};
    return text;
}

QString nurTeilweise(qint64 geschrieben, qint64 gesamt, const QString &grund)
{
    return QStringLiteral("Es wurden nur %1 von %2 Bytes geschrieben").arg(geschrieben).arg(gesamt) +
           (grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund));
}

QString anzeigepfad(const QString &pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

// Passes every write on to the temporary file and fails at the first write that does not take
// everything. Later writes fail at once, so a writer that ignores write()'s result still cannot
// produce a file with a gap.
class GepruefterKanal : public QIODevice {
public:
    explicit GepruefterKanal(QSaveFile &datei) : m_datei(datei) {}

    bool isSequential() const override { return true; }
    bool gescheitert() const { return m_gescheitert; }
    const QString &grund() const { return m_grund; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *daten, qint64 laenge) override
    {
        if (m_gescheitert)
            return -1;
        qint64 fertig = 0;
        while (fertig < laenge) {
            const qint64 n = m_datei.write(daten + fertig, laenge - fertig);
            if (n <= 0) {
                m_gescheitert = true;
                const QString system = grundVon(m_datei);
                m_grund = QStringLiteral("Nach %1 Bytes brach das Schreiben ab").arg(m_summe + fertig) +
                          (system.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(system));
                setErrorString(m_grund);
                return -1;
            }
            fertig += n;
        }
        m_summe += laenge;
        return laenge;
    }

private:
    QSaveFile &m_datei;
    qint64 m_summe = 0;
    bool m_gescheitert = false;
    QString m_grund;
};

// Opens the temporary file for the target, or says why not.
bool oeffnen(QSaveFile &datei, const QString &pfad, const Schreibziel &ziel, QString *fehler)
{
    const QString nein = zielPruefen(pfad, ziel);
    if (!nein.isEmpty()) {
        if (fehler)
            *fehler = nein;
        return false;
    }
    // Unbuffered: a buffered QSaveFile commits a cut-off file when only the last buffered part fails.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (fehler)
            *fehler = QStringLiteral("%1 \"%2\" konnte nicht gespeichert werden: %3")
                          .arg(ziel.art, anzeigepfad(pfad), datei.errorString());
        return false;
    }
    return true;
}

bool abschliessen(QSaveFile &datei, const QString &pfad, const Schreibziel &ziel, QString *fehler)
{
    if (datei.commit())
        return true;
    if (fehler)
        *fehler = QStringLiteral("%1 \"%2\" konnte nicht gespeichert werden: %3")
                      .arg(ziel.art, anzeigepfad(pfad), datei.errorString());
    return false;
}

} // namespace

QString zielPruefen(const QString &pfad, const Schreibziel &ziel)
{
    const QFileInfo info(pfad);
    if (info.exists() && !info.isFile())
        return QStringLiteral("%1 \"%2\" kann nicht geschrieben werden: Das Ziel ist keine gewöhnliche Datei.")
            .arg(ziel.art, anzeigepfad(pfad));
    if (!ziel.eingabe.isEmpty() && info.exists()) {
        const QString hier = info.canonicalFilePath();
        if (!hier.isEmpty() && hier == QFileInfo(ziel.eingabe).canonicalFilePath())
            return QStringLiteral("%1 \"%2\" kann nicht geschrieben werden: Das ist die gelesene Datei selbst, "
                                  "sie würde überschrieben.")
                .arg(ziel.art, anzeigepfad(pfad));
    }
    return {};
}

bool alleBytesSchreiben(QIODevice &geraet, const QByteArray &daten, QString *fehler)
{
    // A device may take only part of the data without calling it an error; writing the rest again
    // either completes the file or brings out the system's reason.
    qint64 geschrieben = 0;
    while (geschrieben < daten.size()) {
        const qint64 n = geraet.write(daten.constData() + geschrieben, daten.size() - geschrieben);
        if (n <= 0)
            break;
        geschrieben += n;
    }
    if (geschrieben == daten.size())
        return true;
    if (fehler)
        *fehler = nurTeilweise(geschrieben, daten.size(), grundVon(geraet));
    return false;
}

bool sicherSchreiben(const QString &pfad, const QByteArray &daten, QString *fehler, const Schreibziel &ziel)
{
    QSaveFile datei(pfad);
    if (!oeffnen(datei, pfad, ziel, fehler))
        return false;
    QString grund;
    if (!alleBytesSchreiben(datei, daten, &grund)) {
        // A short write is no error to QSaveFile by itself: without cancelling it would replace the file.
        datei.cancelWriting();
        if (fehler)
            *fehler = QStringLiteral("%1 \"%2\" konnte nicht gespeichert werden: %3")
                          .arg(ziel.art, anzeigepfad(pfad), grund);
        return false;
    }
    return abschliessen(datei, pfad, ziel, fehler);
}

bool sicherSchreiben(const QString &pfad, const Schreibfunktion &schreiber, QString *fehler, const Schreibziel &ziel)
{
    QSaveFile datei(pfad);
    if (!oeffnen(datei, pfad, ziel, fehler))
        return false;
    GepruefterKanal kanal(datei);
    kanal.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    QString eigenerFehler;
    // An exception of the writer leaves the temporary file to QSaveFile's destructor, which removes it.
    const bool ok = schreiber(kanal, &eigenerFehler);
    kanal.close();
    if (kanal.gescheitert() || !ok) {
        datei.cancelWriting();
        if (fehler) {
            const QString grund = kanal.gescheitert() ? kanal.grund() : eigenerFehler;
            *fehler = grund.isEmpty() && !ok && !kanal.gescheitert()
                          ? QStringLiteral("%1 \"%2\" wurde nicht geschrieben.").arg(ziel.art, anzeigepfad(pfad))
                          : QStringLiteral("%1 \"%2\" konnte nicht gespeichert werden: %3")
                                .arg(ziel.art, anzeigepfad(pfad), grund);
        }
        return false;
    }
    return abschliessen(datei, pfad, ziel, fehler);
}

} // namespace tlt
