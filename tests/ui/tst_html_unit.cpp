// The HTML settings dialog: its texts, the style choice stored in the cup at once, the badge.
#include "core/cup.h"
#include "ui/html_unit.h"
#include "ui/meldung.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QTextDocument>
#include <QtTest>

using namespace tlt;
using namespace tlt::ui;

namespace {
QString sichtbarerText(const QLabel *l)
{
    QTextDocument d;
    d.setHtml(l->text());
    return d.toPlainText();
}
} // namespace

class TestHtmlUnit : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
    }

    void textsAndControls()
    {
        Cup cup;
        HtmlUnit d(cup);
        QCOMPARE(d.objectName(), QString("html"));
        QCOMPARE(d.windowTitle(), QString("HTML-Einstellungen"));
        QStringList texte;
        for (QLabel *l : d.findChildren<QLabel *>())
            if (!l->text().isEmpty())
                texte << sichtbarerText(l);
        QVERIFY(texte.contains("Wählen Sie einen Stil für die exportierten HTML-Dateien aus:"));
        QVERIFY(texte.contains("Tempolauftabellator erzeugt validierte HTML-Dateien."));
        QVERIFY(texte.contains("Mehr Informationen erhalten Sie unter: https://validator.w3.org/"));
        auto *stil = d.findChild<QComboBox *>("stil");
        QVERIFY(stil);
        QCOMPARE(stil->count(), 2);
        QCOMPARE(stil->itemText(0), QString("Standard TLT Stil"));
        QCOMPARE(stil->itemText(1), QString("weiss-blauer Hintergrund"));
        auto *rahmen = d.findChild<QFrame *>("validrahmen");
        QVERIFY(rahmen);
        auto *badge = rahmen->findChild<QLabel *>("validhtml");
        QVERIFY(badge);
        QVERIFY(!badge->pixmap().isNull());
    }

    void staysOnTopWithFixedBorderAndDoesNotBlock()
    {
        Cup cup;
        HtmlUnit d(cup);
        d.zeigen();
        QVERIFY(d.isVisible());
        QVERIFY(!d.isModal());
        // Above the main window as its dialog, not above every other program.
        QVERIFY(!(d.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(d.layout()->sizeConstraint(), QLayout::SetFixedSize);
        QCOMPARE(d.minimumSize(), d.maximumSize());
    }

    void showsAndStoresTheStyle_data()
    {
        QTest::addColumn<int>("vorher");
        QTest::addColumn<int>("gewaehlt");
        QTest::newRow("standard to white-blue") << 0 << 1;
        QTest::newRow("white-blue to standard") << 1 << 0;
    }

    void showsAndStoresTheStyle()
    {
        QFETCH(int, vorher);
        QFETCH(int, gewaehlt);
        Cup cup;
        HtmlUnit d(cup);
        cup.htmlstil = vorher;
        d.zeigen();
        QCOMPARE(d.stil()->currentIndex(), vorher);
        d.stil()->setCurrentIndex(gewaehlt);
        // Stored at once, without closing the dialog; choosing the style is no change of the cup.
        QCOMPARE(cup.htmlstil, gewaehlt);
        QVERIFY(!cup.geaendert);
        d.hide();
        cup.neu();
        d.zeigen();
        QCOMPARE(d.stil()->currentIndex(), 0);
    }

    void badgeIsOurDrawingAndOpensTheValidator()
    {
        const QImage bild = HtmlUnit::badge(2.0).toImage();
        QCOMPARE(bild.size(), QSize(176, 62));
        // Drawn, not blank: the dark blue frame and the green seal are there.
        int blau = 0, gruen = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                blau += c.alpha() > 200 && c.blue() > 100 && c.red() < 60;
                gruen += c.alpha() > 200 && c.green() > 100 && c.red() < 90 && c.blue() < 90;
            }
        QVERIFY(blau > 100);
        QVERIFY(gruen > 200);

        Cup cup;
        HtmlUnit d(cup);
        d.zeigen();
        QTest::mouseClick(d.validhtml(), Qt::LeftButton);
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().art, QString("web"));
        QCOMPARE(protokoll().first().text, QString("https://validator.w3.org/"));
        // The right button does not open anything.
        QTest::mouseClick(d.validhtml(), Qt::RightButton);
        QCOMPARE(protokoll().size(), 1);
    }
};

QTEST_MAIN(TestHtmlUnit)
#include "tst_html_unit.moc"
