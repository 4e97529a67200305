#include "reports/ausgabe.h"
#include "reports/drucken.h"
#include "support/testhilfe.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tlt;

namespace {

// A PDF writer that counts its pages and can refuse to start a new one, like a printer that fails.
class ZaehlDrucker : public QPdfWriter {
public:
    explicit ZaehlDrucker(const QString &pfad, bool scheitern = false) : QPdfWriter(pfad), m_scheitern(scheitern)
    {
        setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        setResolution(300);
    }
    bool newPage() override
    {
        if (m_scheitern)
            return false;
        ++m_seiten;
        return QPdfWriter::newPage();
    }
    int seiten() const { return m_seiten; }

private:
    bool m_scheitern;
    int m_seiten = 1;
};

// A device with made-up metrics, to check the margin arithmetic alone.
class Messgeraet : public QPdfWriter {
public:
    Messgeraet(int dpi, int breite, int hoehe) : QPdfWriter(QString()), m_dpi(dpi), m_breite(breite), m_hoehe(hoehe) {}

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmWidth:
            return m_breite;
        case PdmHeight:
            return m_hoehe;
        default:
            return QPdfWriter::metric(m);
        }
    }

private:
    int m_dpi, m_breite, m_hoehe;
};

void langerBericht(Ausgabe &aus, int zeilen)
{
    aus.p(0, Fett, 14, "LG Musterstadt");
    aus.p(0, Normal, 14, "Musterstädter Läufercup 2026");
    aus.leerzeile();
    aus.p(0, Fett, 12, "Ergebnisse vom 01.05.2026");
    aus.p(0, Unterstrichen, 9,
          linksbuendig("Pos.", 5) + linksbuendig("Name, Vorname", 36) + linksbuendig("Verein", 30) +
              rechtsbuendig("Ergebnis", 11));
    for (int i = 1; i <= zeilen; ++i)
        aus.p(0, Normal, 9,
              rechtsbuendig(QString::number(i) + ". ", 5) + linksbuendig(QString("Läufer%1, Max ('85)").arg(i), 36) +
                  linksbuendig("TV Ahorn", 30) + rechtsbuendig("0:40'10,00\"", 11));
    aus.doppellinie();
}

QString pdfinfo(const QString &pfad, const QString &feld)
{
    QProcess p;
    p.start("pdfinfo", {pfad});
    p.waitForFinished(60000);
    for (const QString &z : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (z.startsWith(feld + ":"))
            return z.mid(feld.size() + 1).trimmed();
    return {};
}

} // namespace

class TstDrucken : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void pageRectangleRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("l");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("b");
        QTest::addColumn<QRect>("rechteck");
        // 2 dpi on a 100 x 200 dot page: 0.25 in is half a dot (0), 0.75 in 1.5 dots (2), 1.25 in 2.5 dots (2).
        QTest::newRow("halves") << 0.25 << 0.75 << 1.25 << 1.75 << QRect(QPoint(0, 2), QPoint(97, 195));
        QTest::newRow("print margins") << 1.0 << 0.75 << 0.5 << 0.75 << QRect(QPoint(2, 2), QPoint(98, 197));
    }

    void pageRectangleRoundsHalvesToEven()
    {
        QFETCH(double, l);
        QFETCH(double, t);
        QFETCH(double, r);
        QFETCH(double, b);
        QFETCH(QRect, rechteck);
        Messgeraet g(2, 100, 200);
        QCOMPARE(seitenrechteck(g, l, t, r, b), rechteck);
    }

    void printMarginsAtPrinterResolution()
    {
        QTemporaryDir dir;
        ZaehlDrucker g(dir.filePath("x.pdf"));
        const QRect r = seitenrechteck(g, 1.0, 0.75, 0.5, 0.75);
        QCOMPARE(r.left(), 300);
        QCOMPARE(r.top(), 225);
        QCOMPARE(r.right() + 1, g.width() - 150);
        QCOMPARE(r.bottom() + 1, g.height() - 225);
    }

    void courierNewIsMonospaced()
    {
        QTemporaryDir dir;
        ZaehlDrucker g(dir.filePath("x.pdf"));
        const QFont f = druckschrift(Ausgabezeile{"x", 0, Fett | Unterstrichen, 9}, &g);
        QVERIFY(QFontInfo(f).fixedPitch());
        QVERIFY(f.bold());
        QVERIFY(f.underline());
        QVERIFY(!f.italic());
        // 9 points at 300 dpi: a character cell of 0.6 em is about 22 dots; 82 of them fit the page rectangle.
        const QFontMetrics fm(f, &g);
        QCOMPARE(fm.horizontalAdvance('M'), fm.horizontalAdvance('i'));
        QVERIFY(fm.horizontalAdvance(QString(82, '=')) < seitenrechteck(g, 1.0, 0.75, 0.5, 0.75).width());
    }

    // The layout fills each page as far as the rectangle allows and gives each line its own size.
    void pageBreaksFollowLineHeights()
    {
        QTemporaryDir dir;
        ZaehlDrucker g(dir.filePath("x.pdf"));
        Ausgabe aus;
        langerBericht(aus, 200);
        const QRect r = seitenrechteck(g, 1.0, 0.75, 0.5, 0.75);
        const auto plaetze = seitenumbruch(aus, g, r);
        QCOMPARE(static_cast<int>(plaetze.size()), aus.anzahl());
        const int h9 = QFontMetrics(druckschrift(aus.zeile(5), &g), &g).lineSpacing();
        const int h14 = QFontMetrics(druckschrift(aus.zeile(0), &g), &g).lineSpacing();
        QVERIFY(h14 > h9);
        QCOMPARE(plaetze[0].y, r.top());
        QCOMPARE(plaetze[1].y, r.top() + h14);
        for (size_t i = 1; i < plaetze.size(); ++i) {
            const int hoehe = QFontMetrics(druckschrift(aus.zeile(static_cast<int>(i) - 1), &g), &g).lineSpacing();
            if (plaetze[i].seite == plaetze[i - 1].seite) {
                QCOMPARE(plaetze[i].y, plaetze[i - 1].y + hoehe);
            } else {
                QCOMPARE(plaetze[i].seite, plaetze[i - 1].seite + 1);
                QCOMPARE(plaetze[i].y, r.top());
                // The line moved on only because it did not fit.
                QVERIFY(plaetze[i - 1].y + hoehe +
                            QFontMetrics(druckschrift(aus.zeile(static_cast<int>(i)), &g), &g).lineSpacing() >
                        r.top() + r.height());
            }
            // Every line ends inside the rectangle.
            const int eigene = QFontMetrics(druckschrift(aus.zeile(static_cast<int>(i)), &g), &g).lineSpacing();
            QVERIFY(plaetze[i].y + eigene <= r.top() + r.height());
        }
    }

    // A line wider than the page wraps instead of losing its end at the right margin.
    void wideLinesWrapWithoutLosingText()
    {
        QTemporaryDir dir;
        ZaehlDrucker g(dir.filePath("x.pdf"));
        const QRect r = seitenrechteck(g, 1.0, 0.75, 0.5, 0.75);
        Ausgabe aus;
        const QString breit = QString(70, 'a') + QStringLiteral(" Punkte ") + QString(30, 'b') + QStringLiteral(" Ende");
        aus.p(0, Normal, 9, QStringLiteral("kurz"));
        aus.p(0, Normal, 9, breit);
        aus.p(0, Normal, 9, QString(200, 'x'));
        const auto plaetze = seitenumbruch(aus, g, r);
        QStringList zeile1, zeile2;
        for (const auto &pl : plaetze) {
            const QFontMetrics fm(druckschrift(aus.zeile(pl.zeile), &g), &g);
            QVERIFY(fm.horizontalAdvance(pl.text) <= r.width());
            if (pl.zeile == 1)
                zeile1 << pl.text;
            if (pl.zeile == 2)
                zeile2 << pl.text;
        }
        QCOMPARE(plaetze.front().text, QStringLiteral("kurz"));
        QCOMPARE(zeile1.size(), 2);
        QCOMPARE(zeile1.join(' '), breit);
        QCOMPARE(zeile1.at(0), QString(70, 'a') + QStringLiteral(" Punkte"));
        QVERIFY(zeile2.size() >= 3);
        QCOMPARE(zeile2.join(QString()), QString(200, 'x'));
        for (size_t i = 1; i < plaetze.size(); ++i)
            QVERIFY(plaetze[i].y > plaetze[i - 1].y || plaetze[i].seite > plaetze[i - 1].seite);
    }

    void longReportGivesRightNumberOfPages()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath("lang.pdf");
        Ausgabe aus;
        langerBericht(aus, 300);
        int erwartet = 0;
        {
            ZaehlDrucker g(pfad);
            const QRect r = seitenrechteck(g, 1.0, 0.75, 0.5, 0.75);
            // Body lines of size 9 fill a page: the head takes some of page 1.
            const int h9 = QFontMetrics(druckschrift(aus.zeile(5), &g), &g).lineSpacing();
            const int proSeite = r.height() / h9;
            QVERIFY(proSeite > 40);
            erwartet = seitenumbruch(aus, g, r).back().seite + 1;
            QVERIFY(erwartet >= (aus.anzahl() + proSeite - 1) / proSeite);
            QVERIFY(erwartet <= (aus.anzahl() + proSeite - 1) / proSeite + 1);
            QVERIFY(printausgabe(aus, g, 1.0, 0.75, 0.5, 0.75));
            QCOMPARE(g.seiten(), erwartet);
        }
        QVERIFY(aus.leer());
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("pdfinfo (poppler-utils) is missing");
        QCOMPARE(pdfinfo(pfad, "Pages").toInt(), erwartet);
        QCOMPARE(pdfinfo(pfad, "Title"), QString("Tempolauftabellator"));
    }

    void pdfPrinterWritesTheLines()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath("drucker.pdf");
        Ausgabe aus;
        langerBericht(aus, 3);
        {
            QPrinter drucker(QPrinter::HighResolution);
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pfad);
            QVERIFY(printausgabe(aus, drucker, 1.0, 0.75, 0.5, 0.75));
            QCOMPARE(drucker.docName(), QString("Tempolauftabellator"));
        }
        QVERIFY(aus.leer());
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing");
        QProcess p;
        p.start("pdftotext", {"-layout", pfad, "-"});
        p.waitForFinished(60000);
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains("Musterstädter Läufercup 2026"), qPrintable(text));
        QVERIFY(text.contains("2. Läufer2, Max ('85)"));
        QVERIFY(text.contains("0:40'10,00\""));
    }

    void failingPrinterKeepsThePane()
    {
        QTemporaryDir dir;
        Ausgabe aus;
        langerBericht(aus, 300);
        const int zeilen = aus.anzahl();
        QString fehler;
        {
            ZaehlDrucker g(dir.filePath("x.pdf"), true);
            QVERIFY(!printausgabe(aus, g, 1.0, 0.75, 0.5, 0.75, &fehler));
        }
        QCOMPARE(aus.anzahl(), zeilen);
        QVERIFY(!fehler.isEmpty());

        // A device that cannot be opened (no such folder) fails at the start.
        QPdfWriter nirgends(dir.filePath("fehlt/x.pdf"));
        fehler.clear();
        QVERIFY(!printausgabe(aus, nirgends, 1.0, 0.75, 0.5, 0.75, &fehler));
        QCOMPARE(aus.anzahl(), zeilen);
        QVERIFY(!fehler.isEmpty());

        // Margins that leave no room.
        ZaehlDrucker g(dir.filePath("y.pdf"));
        QVERIFY(!printausgabe(aus, g, 5.0, 0.75, 5.0, 0.75, &fehler));
        QCOMPARE(aus.anzahl(), zeilen);
    }
};

QTEST_MAIN(TstDrucken)
#include "tst_drucken.moc"
