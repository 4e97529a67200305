#include "core/cup.h"
#include "core/version.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/laufergebnis.h"
#include "reports/teilnehmer.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/testhilfe.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace tlt;

namespace {

const QString kOben = QStringLiteral("<a href=\"#top\" target=\"_self\">oben</a>");

// A device that accepts only a few bytes, to prove that a failed write is reported.
class VolleFestplatte : public QIODevice {
public:
    explicit VolleFestplatte(qint64 platz) : m_platz(platz) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 n) override
    {
        if (m_platz <= 0) {
            setErrorString(QStringLiteral("Kein Platz mehr auf dem Gerät"));
            return -1;
        }
        const qint64 k = qMin(n, m_platz);
        m_platz -= k;
        return k;
    }

private:
    qint64 m_platz;
};

// The SGML catalog of the W3C markup validator's DTDs (Debian package w3c-sgml-lib).
QString w3cKatalog()
{
    for (const char *p : {"/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc", "/usr/share/sgml/w3c-sgml-lib/sgml.soc"})
        if (QFile::exists(QString::fromLatin1(p)))
            return QString::fromLatin1(p);
    return {};
}

// Validates a page as HTML 4.01 with OpenSP; returns the validator's complaints (empty when valid).
QString validieren(const QByteArray &seite)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("seite.htm");
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return "kann nicht schreiben";
    f.write(seite);
    f.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SP_CHARSET_FIXED", "YES");
    env.insert("SP_ENCODING", "UTF-8");
    p.setProcessEnvironment(env);
    p.start("onsgmls", {"-s", "-c", w3cKatalog(), pfad});
    if (!p.waitForFinished(60000))
        return "onsgmls läuft nicht";
    const QString meldungen = QString::fromUtf8(p.readAllStandardError());
    if (p.exitCode() != 0 || !meldungen.isEmpty())
        return meldungen.isEmpty() ? QStringLiteral("Exit %1").arg(p.exitCode()) : meldungen;
    return {};
}

} // namespace

class TstHtml : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void escapes_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("html");
        QTest::newRow("umlauts") << "Läufe Öl Ärger Übung süß ö"
                                 << "L&auml;ufe &Ouml;l &Auml;rger &Uuml;bung s&uuml;&szlig; &ouml;";
        QTest::newRow("less than") << "SG <Süd>"
                                   << "SG &lt;S&uuml;d&gt;";
        QTest::newRow("ampersand first") << "A & B"
                                         << "A &amp; B";
        QTest::newRow("typed entity shows as typed") << "&uuml;&lt;"
                                                     << "&amp;uuml;&amp;lt;";
        QTest::newRow("two spaces") << "a  b"
                                    << "a&nbsp;&nbsp;b";
        QTest::newRow("three spaces") << "a   b"
                                      << "a&nbsp;&nbsp; b";
        QTest::newRow("four spaces") << "a    b"
                                     << "a&nbsp;&nbsp;&nbsp;&nbsp;b";
        QTest::newRow("single space stays") << "a b"
                                            << "a b";
        QTest::newRow("blank line") << " "
                                    << " ";
        QTest::newRow("dash line") << QString(82, '-') << QString(78, '-') + kOben;
        QTest::newRow("two dash runs") << QString(164, '-') << QString(78, '-') + kOben + QString(78, '-') + kOben;
        QTest::newRow("shorter dash run") << QString(81, '-') << QString(81, '-');
        QTest::newRow("double line has no link") << QString(82, '=') << QString(82, '=');
        QTest::newRow("web address") << "siehe " + kWebadresse
                                     << "siehe <a href=\"" + kWebadresse + "\" target=\"_blank\">" + kWebadresse +
                                            "</a>";
        QTest::newRow("foot line") << QString(24, ' ') + kWebadresse
                                   << QString("&nbsp;&nbsp;").repeated(12) + "<a href=\"" + kWebadresse +
                                          "\" target=\"_blank\">" + kWebadresse + "</a>";
        QTest::newRow("control character shows as replacement")
            << QString("a") + QChar(0x01) + QChar(0x85) + "b" << QString("a") + QChar(0xFFFD) + QChar(0xFFFD) + "b";
        QTest::newRow("other characters unchanged") << "é € „x“"
                                                    << "é € „x“";
    }

    void escapes()
    {
        QFETCH(QString, zeile);
        QFETCH(QString, html);
        QCOMPARE(html_text(zeile), html);
    }

    void goldenPages_data()
    {
        QTest::addColumn<int>("stil");
        QTest::addColumn<QString>("datei");
        QTest::newRow("standard style") << 0 << "laufergebnis_stil0.htm";
        QTest::newRow("white-blue style") << 1 << "laufergebnis_stil1.htm";
        QTest::newRow("every kind of line") << 2 << "zeilenarten.htm";
    }

    void goldenPages()
    {
        QFETCH(int, stil);
        QFETCH(QString, datei);
        Cup cup = test::berichtsCup();
        cup.htmlstil = stil % 2;
        Ausgabe aus;
        if (stil < 2) {
            ausgabe_laufergebnis(cup, aus, 1);
        } else {
            // A synthetic pane: head, titles, dash lines with their "oben" links, odd runs of spaces.
            aus.berichtskopf(cup);
            aus.p(0, Fett, 12, "Statistik für Müller, Jörg");
            aus.p(0, Normal, 10, "Statistik:");
            aus.einfachlinie();
            aus.p(0, Normal, 9, "Lauf  1 am 01.05.2026   10000m: 0:40'10,00\"   3 .Platz =  18 Punkte");
            aus.p(0, Kursiv, 9, "a & b < c > d");
            aus.p(0, Normal, 9, QString(82, '-') + " x");
            aus.berichtsfuss();
        }
        const QString fehler = test::goldenVergleich(datei, htmlSeite(aus, cup));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void pageFrame()
    {
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        const QByteArray seite = htmlSeite(aus, cup);
        const QString s = QString::fromUtf8(seite);
        QVERIFY(seite.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n"));
        QVERIFY(seite.endsWith("</span><br>\r\n</td>\r\n</tr>\r\n</table>\r\n</body>\r\n</html>"));
        // Every line break is CR LF.
        QCOMPARE(seite.count("\n"), seite.count("\r\n"));
        // The first body line follows the cell's opening tag on the same line.
        QVERIFY(s.contains("<td valign=\"top\"><span class=\"t14\"><b>LG Musterstadt &amp; S&ouml;hne &lt;e.V.&gt; "
                           "\"S&uuml;d\"</b></span><br>\r\n"));
        QVERIFY(s.contains("<title>Musterst&auml;dter L&auml;ufercup 2026 - Ergebnisse</title>\r\n"));
        QVERIFY(s.contains(
            "<meta name=\"Publisher\" content=\"LG Musterstadt &amp; Söhne &lt;e.V.&gt; &quot;Süd&quot;\">"));
        QVERIFY(s.contains("<meta name=\"Generator\" content=\"Tempolauftabellator " + kWebadresse + kVersion + "\">"));
        QVERIFY(s.contains("<meta name=\"Copyright\" content=\"" + kHerstellerhinweis + "\">"));
        QVERIFY(s.contains("charset=UTF-8"));
        // Blank lines, underlined headings and the "oben" link of no line (the list has no dash line).
        QVERIFY(s.contains("\r\n <br>\r\n"));
        QVERIFY(s.contains("<span class=\"t9\"><u>Pos. Name, Vorname&nbsp;&nbsp;"));
        QVERIFY(s.contains("<span class=\"t10\"><b>Ergebnisse im A-Cup (10000m)</b></span><br>"));
        QVERIFY(s.contains("SG L&auml;ufer &lt;S&uuml;d&gt; &amp; Co"));
    }

    void stylesDiffer()
    {
        const QString s0 = htmlStil(0), s1 = htmlStil(1);
        QVERIFY(s0.contains("    background-color: #F2F2F2;\r\n"));
        QVERIFY(s1.contains("    background-color: #AACCFF;\r\n"));
        QVERIFY(s1.contains("table {\r\n    border: #006699;\r\n    background-color: #FFFFFF;"));
        QVERIFY(!s0.contains("border"));
        QVERIFY(s0.contains(".t14 {\r\n    font-size: 150%\r\n}"));
        QVERIFY(s1.contains(".t14 {\r\n    font-size: 200%\r\n}"));
        QCOMPARE(s0.split("\r\n").size(), 28);
        QCOMPARE(s1.split("\r\n").size(), 29);
        QVERIFY(s0.startsWith("<style type=\"text/css\">\r\n<!--\r\nbody {"));
        QVERIFY(s0.endsWith("}\r\n-->\r\n</style>"));
    }

    void styleFlagsNestInOrder()
    {
        Cup cup;
        Ausgabe aus;
        aus.p(0, Fett | Kursiv | Unterstrichen, 12, "x");
        aus.p(0, Kursiv, 10, "");
        const QString s = QString::fromUtf8(htmlSeite(aus, cup));
        QVERIFY(s.contains("<span class=\"t12\"><u><i><b>x</b></i></u></span><br>\r\n"));
        QVERIFY(s.contains("<span class=\"t10\"><i></i></span><br>\r\n"));
        // A pane with fewer than two lines gives an empty title rather than failing.
        QVERIFY(s.contains("<title> - Ergebnisse</title>"));
    }

    // Every kind of report, in both styles, validates as HTML 4.01 Transitional without a single error.
    void pagesValidate_data()
    {
        QTest::addColumn<int>("bericht");
        QTest::addColumn<int>("stil");
        const char *namen[] = {"race list", "overall", "participant", "all participants", "dlv 1", "dlv 2", "empty"};
        for (int b = 0; b < 7; ++b)
            for (int s = 0; s < 2; ++s)
                QTest::addRow("%s, style %d", namen[b], s) << b << s;
    }

    void pagesValidate()
    {
        if (w3cKatalog().isEmpty() || QStandardPaths::findExecutable("onsgmls").isEmpty())
            QFAIL("onsgmls (opensp) and the W3C DTDs (w3c-sgml-lib) are needed: scripts/pakete.sh installs them");
        QFETCH(int, bericht);
        QFETCH(int, stil);
        Cup cup = test::berichtsCup();
        // Characters a page must survive: markup, entities, quotes, a control character, the euro sign.
        // The web address and a dash run in the name line would put links into the title: they must not.
        cup.name = QStringLiteral("Cup \"<b>&amp;</b>\" für 10 € \x01 ~ ® Ω ") + kWebadresse + QString(82, '-');
        cup.htmlstil = stil;
        Ausgabe aus;
        switch (bericht) {
        case 0:
            ausgabe_laufergebnis(cup, aus, 1);
            break;
        case 1:
            ausgabe_gesamt(cup, aus, 2);
            break;
        case 2:
            ausgabe_teilnehmer(cup, aus, 1);
            break;
        case 3:
            ausgabe_teilnehmeralle(cup, aus);
            break;
        case 4:
            ausgabe_dlv(cup, aus, 1);
            break;
        case 5:
            ausgabe_dlv_2(cup, aus, 2);
            break;
        default:
            break;
        }
        const QString fehler = validieren(htmlSeite(aus, cup));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void validatorCatchesBrokenMarkup()
    {
        if (w3cKatalog().isEmpty())
            QSKIP("no DTDs");
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        QByteArray seite = htmlSeite(aus, cup);
        seite.replace("</span><br>", "</span><br><x>");
        QVERIFY(!validieren(seite).isEmpty());
    }

    void exportWritesFileAndClearsPane()
    {
        QTemporaryDir dir;
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        const QByteArray erwartet = htmlSeite(aus, cup);
        const QString pfad = dir.filePath("liste.htm");
        QString fehler;
        QVERIFY(ausgabe2html(aus, cup, pfad, &fehler));
        QVERIFY(aus.leer());
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), erwartet);
    }

    void failedExportKeepsPaneAndSaysWhy()
    {
        QTemporaryDir dir;
        Cup cup = test::berichtsCup();
        Ausgabe aus;
        ausgabe_laufergebnis(cup, aus, 1);
        const int zeilen = aus.anzahl();
        QString fehler;
        QVERIFY(!ausgabe2html(aus, cup, dir.filePath("fehlt/liste.htm"), &fehler));
        QCOMPARE(aus.anzahl(), zeilen);
        QVERIFY(fehler.contains("HTML-Datei"));

        // A file size limit makes the real file fail half-way: the old file stays untouched.
        const QString alt = dir.filePath("alt.htm");
        {
            QFile f(alt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("alte Seite");
        }
        struct rlimit vorher {};
        getrlimit(RLIMIT_FSIZE, &vorher);
        struct rlimit eng = vorher;
        eng.rlim_cur = 2000;
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &eng);
        fehler.clear();
        const bool ok = ausgabe2html(aus, cup, alt, &fehler);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signal);
        QVERIFY(!ok);
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(aus.anzahl(), zeilen);
        QFile f(alt);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("alte Seite"));

        VolleFestplatte voll(100);
        QVERIFY(voll.open(QIODevice::WriteOnly));
        fehler.clear();
        QVERIFY(!schreibeHtml(aus, cup, voll, &fehler));
        QVERIFY(fehler.contains("Kein Platz"));
    }
};

QTEST_MAIN(TstHtml)
#include "tst_html.moc"
