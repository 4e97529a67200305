// The painting canvas and the pictures: cell heights, centring and the white text background on a
// real raster, page counts and document title of a PDF, and the bitmaps of our own drawings.
#include "certificates/bilder.h"
#include "certificates/druckerleinwand.h"
#include "certificates/urkunde.h"
#include "certificates/urkundenbefehle.h"
#include "certificates/urkundenpdf.h"
#include "core/cup.h"
#include "support/testhilfe.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tlt;

namespace {

// Leftmost and rightmost column with a dark pixel in rows [y0, y1).
QPair<int, int> tinte(const QImage &img, int y0, int y1)
{
    int links = img.width(), rechts = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
            }
    return {links, rechts};
}

// A paged device that only counts pages.
class Seitenzaehler : public QPdfWriter {
public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override
    {
        ++neueSeiten;
        return QPdfWriter::newPage();
    }
    int neueSeiten = 0;
};

QString pdfinfo(const QString &pfad)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pfad});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestDruckerleinwand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tlt::test::deutschUndFesteUhr(); }

    void zellhoeheInGeraetepixeln_data()
    {
        QTest::addColumn<int>("hoehe");
        QTest::newRow("klein") << 40;
        QTest::newRow("mittel") << 200;
        QTest::newRow("gross") << 864;
    }
    void zellhoeheInGeraetepixeln()
    {
        // Ascent plus descent of the font equals the cell height asked for (internal leading included).
        QFETCH(int, hoehe);
        QImage img(2000, 1000, QImage::Format_RGB32);
        DruckerLeinwand l(&img);
        QVERIFY(l.beginDokument(kUrkundendokument));
        l.setSchrift(kUrkundenschrift, Qt::black);
        l.setZellhoehe(hoehe);
        const QFontMetricsF fm(l.schrift(), &img);
        QVERIFY2(qAbs(fm.ascent() + fm.descent() - hoehe) <= std::max(1.0, hoehe * 0.02),
                 qPrintable(QString::number(fm.ascent() + fm.descent())));
        // The measured width is the font's own advance on the device.
        const int breit = l.textbreite(QStringLiteral("Urkunde"));
        QVERIFY2(qAbs(breit - fm.horizontalAdvance(QStringLiteral("Urkunde"))) <= std::max(1.0, breit * 0.01),
                 qPrintable(QStringLiteral("%1 %2").arg(breit).arg(fm.horizontalAdvance(QStringLiteral("Urkunde")))));
        // Widths grow with the height.
        l.setZellhoehe(hoehe / 2);
        QVERIFY(l.textbreite(QStringLiteral("Urkunde")) < breit);
        l.endDokument();
    }

    void zeileZentriertAufWeiss()
    {
        QImage img(2000, 600, QImage::Format_RGB32);
        img.fill(Qt::black);
        DruckerLeinwand l(&img);
        QVERIFY(l.beginDokument(kUrkundendokument));
        l.setSchrift(kUrkundenschrift, Qt::black);
        urkundenzeile(l, QStringLiteral("Herzlichen Glückwunsch"), 200, 100, 1800);
        l.endDokument();

        // The text's cell is painted white over the black page: its top-left corner is white.
        const int hoehe = l.zellhoehe();
        QVERIFY(hoehe <= 320 && hoehe > 100);
        const QPair<int, int> rand = tinte(img, 105, 100 + hoehe - 5);
        QVERIFY(rand.second > rand.first);
        // Inside the white cell, the ink is centred in the box [200, 1800].
        QImage zelle = img.copy(0, 100, 2000, hoehe);
        int links = -1, rechts = -1;
        for (int x = 0; x < zelle.width(); ++x) {
            bool tinteHier = false;
            for (int y = 5; y < zelle.height() - 5; ++y)
                if (qGray(zelle.pixel(x, y)) < 128 && qGray(zelle.pixel(std::max(0, x - 1), 2)) > 128)
                    tinteHier = true;
            if (tinteHier) {
                if (links < 0)
                    links = x;
                rechts = x;
            }
        }
        QVERIFY(links > 200 && rechts < 1800);
        QVERIFY2(qAbs((links - 200) - (1800 - rechts)) < 40,
                 qPrintable(QStringLiteral("%1 %2").arg(links).arg(rechts)));
        // Above the cell the page is untouched.
        QCOMPARE(qGray(img.pixel(1000, 95)), 0);
    }

    void pdfEineSeiteJeUrkunde()
    {
        Cup cup;
        cup.cv.setRowCount(1);
        cup.laufe.setColCount(2);
        cup.laufe.setCell(1, 1, kZeitlauf);
        cup.laufe.setCell(1, 2, QStringLiteral("01.05.2026"));
        cup.teil.setColCount(9);
        const QStringList gruppen{"F30", "F30", "M30", "M30", "M30", "M30"};
        cup.teil.setRowCount(1 + gruppen.size());
        for (int i = 0; i < gruppen.size(); ++i) {
            cup.teil.setCell(0, i + 1, QStringLiteral("Name%1").arg(i));
            cup.teil.setCell(5, i + 1, gruppen[i]);
            cup.teil.setCell(6, i + 1, QString::number(i + 1));
            cup.teil.setCell(8, i + 1, QStringLiteral("0:4%1'00,00\"").arg(i));
        }
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("sieger.pdf"));
        Unterschriften u{QStringLiteral("Anna Vorsitz"), {}};
        QString fehler;
        // Two women, three of four men.
        const int n = urkundenAlsPdf(
            pfad, [&](Leinwand &l) { return siegerurkunde(cup, 1, l, u, {}); }, &fehler);
        QCOMPARE(n, 5);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo fehlt");
        const QString info = pdfinfo(pfad);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+5\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+TLT Ausdruck\\n"))), qPrintable(info));
    }

    void seitenzaehlerAmGeraet()
    {
        QTemporaryDir dir;
        Seitenzaehler pdf(dir.filePath(QStringLiteral("a.pdf")));
        DruckerLeinwand l(&pdf);
        Cup cup;
        Unterschriften u;
        Urkundendruck druck(l, cup, u);
        druck.beginne();
        druck.gesamturkunde(
            {QStringLiteral("1"), QStringLiteral("F30"), {}, QStringLiteral("A B"), {}, QStringLiteral("9")});
        druck.gesamturkunde(
            {QStringLiteral("2"), QStringLiteral("F30"), {}, QStringLiteral("C D"), {}, QStringLiteral("8")});
        druck.beende();
        QCOMPARE(pdf.neueSeiten, 1);
        QCOMPARE(l.seiten(), 2);
    }

    void fehlgeschlagenerBefehlLaesstDateiStehen()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("alt.pdf"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("alt");
        }
        QString fehler;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 urkundenAlsPdf(
                                     pfad, [](Leinwand &) -> int { throw std::runtime_error("x"); }, &fehler));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("alt"));
        // A folder that does not exist gives a message, not a crash.
        QCOMPARE(urkundenAlsPdf(
                     dir.filePath(QStringLiteral("fehlt/x.pdf")), [](Leinwand &) { return 0; }, &fehler),
                 -1);
        QVERIFY(fehler.contains(QStringLiteral("PDF-Datei")));
    }

    void bilderOhneJpegImPdf()
    {
        // The pictures go into the file without lossy compression, so their edges stay clean.
        QByteArray daten;
        {
            QBuffer puffer(&daten);
            QVERIFY(puffer.open(QIODevice::WriteOnly));
            QPdfWriter pdf(&puffer);
            pdf.setResolution(600);
            DruckerLeinwand l(&pdf);
            Cup cup;
            Unterschriften u;
            cup.urkundenstil = 2;
            Urkundendruck druck(l, cup, u);
            druck.beginne();
            druck.laufurkunde({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("F30"), {}, {},
                               QStringLiteral("A B"), {}, {}});
            druck.beende();
        }
        QVERIFY(daten.contains("/Image"));
        QVERIFY(!daten.contains("/DCTDecode"));
    }

    void bilderInIhrerGroesse()
    {
        QCOMPARE(alleBilder().size(), 10);
        for (Bild b : alleBilder()) {
            const QImage &img = bildBitmap(b);
            QCOMPARE(img.size(), bildgroesse(b));
            // Our drawing is there: a good share of the picture is not white.
            int farbig = 0;
            for (int y = 0; y < img.height(); y += 3)
                for (int x = 0; x < img.width(); x += 3)
                    if (img.pixel(x, y) != qRgb(255, 255, 255))
                        ++farbig;
            QVERIFY2(farbig > (img.width() / 3) * (img.height() / 3) / 20, qPrintable(bildname(b)));
        }
        QCOMPARE(bildgroesse(Bild::Laufer), QSize(215, 527));
        QCOMPARE(bildgroesse(Bild::Sponsor3), QSize(1136, 449));
        QCOMPARE(bildname(Bild::VereinLogo), QStringLiteral("bild_verein_logo"));
    }
};

QTEST_MAIN(TestDruckerleinwand)
#include "tst_druckerleinwand.moc"
