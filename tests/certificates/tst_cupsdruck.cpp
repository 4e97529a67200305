// Printing through a real print server: a private CUPS daemon with a PDF printer (cups-pdf) gets a
// report and a certificate job from Qt's printer, the way the window prints after the print dialog,
// and the PDF that arrives is checked. Skipped, with the reason, where CUPS cannot be started.
#include "certificates/druckerleinwand.h"
#include "certificates/urkundenbefehle.h"
#include "core/cup.h"
#include "reports/ausgabe.h"
#include "reports/drucken.h"
#include "reports/laufergebnis.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

using namespace tlt;

namespace {

const QString kDrucker = QStringLiteral("TLT_PDF");

// The folder cups-pdf writes into: "Out" of its configuration, ${HOME} being the printing user's home.
QString pdfOrdner()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile konf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (konf.open(QIODevice::ReadOnly)) {
        for (const QByteArray &roh : konf.readAll().split('\n')) {
            const QString zeile = QString::fromLocal8Bit(roh).trimmed();
            if (zeile.startsWith(QLatin1String("Out ")))
                out = zeile.mid(4).trimmed();
        }
    }
    // cups-pdf takes the home folder from the user database, not from the environment.
    const passwd *benutzer = getpwuid(getuid());
    out.replace(QLatin1String("${HOME}"), benutzer ? QString::fromLocal8Bit(benutzer->pw_dir) : QDir::homePath());
    return out;
}

QString pdfinfo(const QString &pfad)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pfad});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString feld(const QString &info, const QString &name)
{
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(name), QRegularExpression::MultilineOption);
    return re.match(info).captured(1).trimmed();
}

// The document title; the PostScript stage of the CUPS filters may hand it on as a string literal "(...)".
QString titel(const QString &info)
{
    QString t = feld(info, QStringLiteral("Title"));
    if (t.startsWith(u'(') && t.endsWith(u')'))
        t = t.mid(1, t.size() - 2);
    return t;
}

// Dark pixels of the first page at a low resolution: the text on the page went through the
// server's PostScript stage as glyph drawings, so the page is looked at instead of read.
int tinte(const QString &pfad, const QString &ordner)
{
    const QString ziel = QDir(ordner).filePath(QStringLiteral("seite"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("30"),
                                         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1"), QStringLiteral("-singlefile"), pfad, ziel});
    p.waitForFinished(30000);
    const QImage bild(ziel + QStringLiteral(".pgm"));
    int dunkel = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            dunkel += qGray(bild.pixel(x, y)) < 128;
    return dunkel;
}

} // namespace

class TestCupsdruck : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    qint64 m_pid = 0;
    QString m_pdfOrdner;
    QStringList m_vorher;
    QStringList m_neu;
    bool m_behalten = false;

    // Waits until cups-pdf has written one more PDF than before and returns it.
    QString naechstesPdf()
    {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < 90000) {
            const QStringList jetzt = QDir(m_pdfOrdner).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            for (const QString &name : jetzt) {
                const QString pfad = QDir(m_pdfOrdner).filePath(name);
                if (m_vorher.contains(name) || m_neu.contains(pfad))
                    continue;
                // cups-pdf writes the file in one go through Ghostscript; wait until it is complete.
                QTest::qWait(500);
                if (!feld(pdfinfo(pfad), QStringLiteral("Pages")).isEmpty()) {
                    m_neu << pfad;
                    return pfad;
                }
            }
            QTest::qWait(200);
        }
        return QString();
    }

    // The end of the server's error log, to tell why a job did not arrive.
    QString protokoll()
    {
        QFile log(m_ordner.filePath(QStringLiteral("cups/log/error_log")));
        if (!log.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromLocal8Bit(log.readAll().right(2000));
    }

    QPrinter *neuerDrucker()
    {
        auto *drucker = new QPrinter(QPrinter::HighResolution);
        drucker->setPrinterName(kDrucker);
        drucker->setPageSize(QPageSize(QPageSize::A4));
        return drucker;
    }

private slots:
    void initTestCase()
    {
        tlt::test::deutschUndFesteUhr();
        QVERIFY(m_ordner.isValid());
        // The filters run as the unprivileged user "lp" and need to reach the server's folders.
        QFile::setPermissions(m_ordner.path(), QFile::permissions(m_ordner.path()) | QFile::ExeGroup |
                                                   QFile::ReadGroup | QFile::ExeOther | QFile::ReadOther);
        QProcess start;
        start.start(QStringLiteral("bash"), {QStringLiteral(TLT_SOURCE_DIR "/tests/druck/cups_starten.sh"),
                                             m_ordner.filePath(QStringLiteral("cups")), kDrucker});
        QVERIFY(start.waitForFinished(60000));
        const QString grund = QString::fromLocal8Bit(start.readAllStandardError()).trimmed();
        if (start.exitCode() == 77)
            QSKIP(qPrintable(QStringLiteral("Kein CUPS-Server mit PDF-Drucker: ") + grund));
        QVERIFY2(start.exitCode() == 0, qPrintable(grund));
        const QStringList teile = QString::fromLocal8Bit(start.readAllStandardOutput()).split(u' ');
        QCOMPARE(teile.size(), 2);
        m_pid = teile.at(1).trimmed().toLongLong();
        // Qt's printing asks the CUPS library, which asks the server named here.
        qputenv("CUPS_SERVER", teile.at(0).toLocal8Bit());
        m_pdfOrdner = pdfOrdner();
        m_vorher = QDir(m_pdfOrdner).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

    void cleanupTestCase()
    {
        if (m_pid > 0)
            ::kill(static_cast<pid_t>(m_pid), SIGTERM);
        // The PDFs stay for a look when something failed.
        if (!m_behalten)
            for (const QString &pfad : std::as_const(m_neu))
                QFile::remove(pfad);
    }

    void cleanup() { m_behalten = m_behalten || QTest::currentTestFailed(); }

    void thePdfPrinterIsOffered()
    {
        QVERIFY2(QPrinterInfo::availablePrinterNames().contains(kDrucker),
                 qPrintable(QPrinterInfo::availablePrinterNames().join(u',')));
        QVERIFY(!QPrinterInfo::printerInfo(kDrucker).isNull());
    }

    void raceReportArrivesAsPdf()
    {
        Cup cup = tlt::test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        QVERIFY(aus.anzahl() > 10);
        std::unique_ptr<QPrinter> drucker(neuerDrucker());
        QCOMPARE(drucker->outputFormat(), QPrinter::NativeFormat);
        QString fehler;
        QVERIFY2(printausgabe(aus, *drucker, 1.0, 0.75, 0.5, 0.75, &fehler), qPrintable(fehler));
        QCOMPARE(aus.anzahl(), 0);
        drucker.reset(); // the job goes to the server when the printer lets go of it

        const QString pdf = naechstesPdf();
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("cups-pdf hat kein PDF geschrieben: ") + protokoll()));
        const QString info = pdfinfo(pdf);
        QVERIFY2(titel(info) == QStringLiteral("Tempolauftabellator"), qPrintable(pdf + info));
        QCOMPARE(feld(info, QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY2(feld(info, QStringLiteral("Page size")).contains(QLatin1String("595")), qPrintable(info));
        QVERIFY(tinte(pdf, m_ordner.path()) > 500);
    }

    void winnersCertificatesArriveOnePerPage()
    {
        Cup cup = tlt::test::berichtsCup();
        std::unique_ptr<QPrinter> drucker(neuerDrucker());
        int anzahl = 0;
        {
            DruckerLeinwand leinwand(drucker.get());
            anzahl = siegerurkunde(cup, 1, leinwand, Unterschriften{QStringLiteral("Erste Unterschrift"), QString()},
                                   [](const QString &) { return true; });
        }
        QVERIFY(anzahl > 1);
        drucker.reset();

        const QString pdf = naechstesPdf();
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("cups-pdf hat kein PDF geschrieben: ") + protokoll()));
        const QString info = pdfinfo(pdf);
        QVERIFY2(titel(info) == QStringLiteral("TLT Ausdruck"), qPrintable(pdf + info));
        QCOMPARE(feld(info, QStringLiteral("Pages")), QString::number(anzahl));
        QVERIFY(tinte(pdf, m_ordner.path()) > 500);
    }
};

QTEST_MAIN(TestCupsdruck)
#include "tst_cupsdruck.moc"
