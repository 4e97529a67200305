// The pages of the results site: structure, escaping, long lists on several pages, safe writing.
#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/spalten.h"
#include "support/berichtscups.h"
#include "support/testhilfe.h"
#include "webseite/parallel.h"
#include "webseite/seiten.h"
#include "webseite/webdaten.h"
#include "webseite/webseite.h"
#include "webseite/webtext.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <sys/resource.h>

using namespace tlt;

namespace {

const QString kFeind = QStringLiteral("</script><b>x");

QDateTime stand()
{
    return QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5));
}

Cup feindlicherCup()
{
    Cup cup = test::berichtsCup();
    cup.name = QStringLiteral("<script>alert(1)</script> & \"Cup\"");
    cup.teil.setCell(Teilspalte::Name, 1, kFeind);
    cup.teil.setCell(Teilspalte::Verein, 2, QStringLiteral("'Verein' & <Co> \u2028 --> \x01"));
    cup.laufe.setCell(1, Laufzeile::Ort, QStringLiteral("<img src=x onerror=alert(1)>"));
    return cup;
}

std::map<QString, QString> seitenMap(const std::vector<Webdatei> &dateien)
{
    std::map<QString, QString> m;
    for (const auto &d : dateien)
        m[d.name] = QString::fromUtf8(d.inhalt);
    return m;
}

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// The contents of every file of a folder.
std::map<QString, QByteArray> ordnerInhalt(const QString &ordner)
{
    std::map<QString, QByteArray> m;
    for (const QString &name : QDir(ordner).entryList(QDir::Files))
        m[name] = lesen(ordner + QLatin1Char('/') + name);
    return m;
}

} // namespace

class TestWebseite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::deutschUndFesteUhr(); }

    void textsAreEscapedForHtmlAndScript()
    {
        QCOMPARE(htmlText(kFeind), QStringLiteral("&lt;/script&gt;&lt;b&gt;x"));
        QCOMPARE(htmlText(QStringLiteral("A & \"B\" 'C'")), QStringLiteral("A &amp; \"B\" 'C'"));
        // Typed entities show as typed.
        QCOMPARE(htmlText(QStringLiteral("&amp;")), QStringLiteral("&amp;amp;"));
        // Forbidden characters become U+FFFD, line breaks spaces; a valid pair stays.
        QCOMPARE(htmlText(QStringLiteral("a\x01" "b\tc\u0085d")), QStringLiteral("a\uFFFDb c\uFFFDd"));
        QCOMPARE(htmlText(QString(QChar(0xD800)) + QStringLiteral("x\uFDD0")), QStringLiteral("\uFFFDx\uFFFD"));
        const QString paar = QString::fromUcs4(U"\U0001F3C3");
        QCOMPARE(htmlText(paar), paar);
        QCOMPARE(htmlText(QString::fromUcs4(U"\U0001FFFF")), QStringLiteral("\uFFFD"));

        QCOMPARE(jsText(kFeind), QStringLiteral("\"\\u003c/script\\u003e\\u003cb\\u003ex\""));
        QCOMPARE(jsText(QStringLiteral("a\"b\\c\u2028&")), QStringLiteral("\"a\\\"b\\\\c\\u2028\\u0026\""));
        // Valid JSON that reads back as typed.
        const QString wild = QStringLiteral("</script> \"x\" \\ 'y' \u2029 ä");
        const QJsonDocument doc = QJsonDocument::fromJson(("[" + jsText(wild) + "]").toUtf8());
        QVERIFY(doc.isArray());
        QCOMPARE(doc[0].toString(), wild);
    }

    void hostileTextsNeverBecomeMarkup()
    {
        const Cup cup = feindlicherCup();
        const auto seiten = seitenMap(webseiten(webdaten(cup, 2), stand()));
        for (const auto &[name, inhalt] : seiten) {
            if (!name.endsWith(QLatin1String(".html")))
                continue;
            QVERIFY2(!inhalt.contains(QLatin1String("<b>")), qPrintable(name));
            QVERIFY2(!inhalt.contains(QLatin1String("<img")), qPrintable(name));
            QVERIFY2(!inhalt.contains(QLatin1String("<script>")), qPrintable(name));
            QVERIFY2(!inhalt.contains(QChar(0x01)), qPrintable(name));
            // Exactly the page's own script element and no other.
            QCOMPARE(inhalt.count(QLatin1String("<script")), 1);
            QCOMPARE(inhalt.count(QLatin1String("</script>")), 1);
        }
        QVERIFY(seiten.at(QStringLiteral("lauf-01.html")).contains(QStringLiteral("&lt;/script&gt;&lt;b&gt;x")));
        QVERIFY(seiten.at(QStringLiteral("index.html")).contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;")));
        const QString daten = seiten.at(QStringLiteral("daten.js"));
        QVERIFY(!daten.contains(QLatin1String("</script")));
        QVERIFY(!daten.contains(QChar(0x2028)));
        // The data between "TLT.daten(" and ");" is JSON and gives the texts back as typed.
        const int a = static_cast<int>(daten.indexOf(QLatin1String("TLT.daten(")) + 10);
        const int e = static_cast<int>(daten.lastIndexOf(QLatin1String(");")));
        QJsonParseError fehler;
        const QJsonDocument doc = QJsonDocument::fromJson(daten.mid(a, e - a).toUtf8(), &fehler);
        QVERIFY2(doc.isObject(), qPrintable(fehler.errorString()));
        QCOMPARE(doc[QStringLiteral("t")][0][0].toString(), kFeind + QStringLiteral(", Tom ('90)"));
        QCOMPARE(doc[QStringLiteral("t")][1][1].toString(), QStringLiteral("'Verein' & <Co> \u2028 --> \uFFFD"));
    }

    void everyPageIsSemanticHtml5()
    {
        const auto dateien = webseiten(webdaten(test::berichtsCup(), 2), stand());
        const auto seiten = seitenMap(dateien);
        QStringList namen;
        for (const auto &d : dateien)
            namen << d.name;
        QCOMPARE(namen, (QStringList{"stil.css", "tlt.js", "daten.js", "lauf-01.html", "einlauf-01.html", "lauf-02.html",
                                     "einlauf-02.html", "gesamt.html", "gesamt-einzeln.html", "index.html"}));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (const auto &[name, s] : seiten) {
            if (!name.endsWith(QLatin1String(".html")))
                continue;
            QVERIFY2(s.startsWith(QLatin1String("<!DOCTYPE html>\n<html lang=\"de\">")), qPrintable(name));
            QVERIFY(s.contains(QLatin1String("<meta charset=\"utf-8\">")));
            QVERIFY(s.contains(QLatin1String("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")));
            QCOMPARE(s.count(QLatin1String("<h1>")), 1);
            QCOMPARE(s.count(QLatin1String("<main>")), 1);
            QCOMPARE(s.count(QLatin1String("<table")), s.count(QLatin1String("<caption>")));
            QCOMPARE(s.count(QLatin1String("<th ")), s.count(QLatin1String("<th scope=\"col\">")));
            // Nothing from outside: every link and source is a file of the site.
            auto it = link.globalMatch(s);
            while (it.hasNext()) {
                const QString ziel = it.next().captured(1);
                QVERIFY2(seiten.count(ziel), qPrintable(name + QStringLiteral(" -> ") + ziel));
            }
            QVERIFY(!s.contains(QLatin1String("http")));
            QVERIFY(s.contains(QLatin1String("Stand: 08.12.2026, 14:30 Uhr")));
        }
        const QString &lauf1 = seiten.at(QStringLiteral("lauf-01.html"));
        QVERIFY(lauf1.contains(QLatin1String("<h1>Ergebnisse vom 01.05.2026</h1>")));
        QVERIFY(lauf1.contains(QLatin1String("<h2>Ergebnisse im A-Cup (10000m)</h2>")));
        QVERIFY(!lauf1.contains(QLatin1String("B-Cup")));
        QVERIFY(lauf1.contains(QLatin1String("<caption>Altergruppe M30 (30-39)</caption>")));
        // The tie: placing 1 once, then a blank placing, then 3.
        QVERIFY(lauf1.contains(QStringLiteral("<tr><td>1.<td>Berg, Uwe ('89)<td>LG Musterstadt<td>0:38'00,00\"\n"
                                              "<tr><td><td>Clemens, Jan ('87)<td>TV Ahorn<td>0:38'00,00\"\n"
                                              "<tr><td>3.<td>Adler, Tom ('90)")));
        QVERIFY(lauf1.contains(QLatin1String("<td>disquali.\n")));
        const QString &gesamt = seiten.at(QStringLiteral("gesamt.html"));
        QVERIFY(gesamt.contains(QLatin1String("<h1>Gesamtergebnis</h1>")));
        QVERIFY(gesamt.contains(QStringLiteral("<th scope=\"col\">Läufe</th><th scope=\"col\">Punkte</th>")));
        // Each list links its other view.
        QVERIFY(lauf1.contains(QLatin1String("<a href=\"einlauf-01.html\">Einlaufliste dieses Laufes</a>")));
        QVERIFY(gesamt.contains(QLatin1String("<a href=\"gesamt-einzeln.html\">Gesamtwertung mit Einzelergebnissen</a>")));
        // The finish list: overall place, place among the men, age group with its place, the result;
        // the tie shares the place, a code has none.
        const QString &einlauf1 = seiten.at(QStringLiteral("einlauf-01.html"));
        QVERIFY(einlauf1.contains(QLatin1String("<h1>Einlaufliste vom 01.05.2026</h1>")));
        QVERIFY(einlauf1.contains(QLatin1String("<table class=\"liste einlauf\">\n<caption>Einlauf im A-Cup (10000m)</caption>")));
        QVERIFY2(einlauf1.contains(QStringLiteral("<td>Berg, Uwe ('89)<td>LG Musterstadt<td>M 1.<td>M30 1.<td>0:38'00,00\"\n")),
                 qPrintable(einlauf1));
        QVERIFY(einlauf1.contains(QStringLiteral("<td>Clemens, Jan ('87)<td>TV Ahorn<td>M 1.<td>M30 1.<td>0:38'00,00\"\n")));
        static const QRegularExpression code(QStringLiteral("\n<tr><td><td>[^<]+<td>[^<]*<td><td>[^<]+<td>disquali.\n"));
        QVERIFY2(einlauf1.contains(code), qPrintable(einlauf1));
        // The standings with a column per race: one heading per race, then the runs and the points.
        const QString &einzeln = seiten.at(QStringLiteral("gesamt-einzeln.html"));
        QVERIFY(einzeln.contains(QStringLiteral("<th scope=\"col\">L1</th><th scope=\"col\">L2</th><th scope=\"col\">Läufe</th>"
                                                "<th scope=\"col\">Punkte</th>")));
        // Line by line the same placing, runner, club, runs and points as the standings page, with
        // one cell per race in between.
        static const QRegularExpression gesamtzeile(
            QStringLiteral("^<tr><td>([^<]*)<td>([^<]*)<td>([^<]*)<td>([^<]*)<td>([^<\n]*)$"),
            QRegularExpression::MultilineOption);
        static const QRegularExpression einzelzeile(
            QStringLiteral("^<tr><td>([^<]*)<td>([^<]*)<td>([^<]*)<td>([^<]*)<td>([^<]*)<td>([^<]*)<td>([^<\n]*)$"),
            QRegularExpression::MultilineOption);
        QStringList soll, ist;
        for (auto it = gesamtzeile.globalMatch(gesamt); it.hasNext();) {
            const auto m = it.next();
            soll << QStringList{m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5)}.join('|');
        }
        for (auto it = einzelzeile.globalMatch(einzeln); it.hasNext();) {
            const auto m = it.next();
            ist << QStringList{m.captured(1), m.captured(2), m.captured(3), m.captured(6), m.captured(7)}.join('|');
            static const QRegularExpression lauf(QStringLiteral("^(\\d+|\\(\\d+\\)|-|[a-zA-Z.]+)$"));
            QVERIFY2(lauf.match(m.captured(4)).hasMatch() && lauf.match(m.captured(5)).hasMatch(), qPrintable(m.captured(0)));
        }
        QVERIFY(soll.size() > 5);
        QCOMPARE(ist, soll);
        const QString &index = seiten.at(QStringLiteral("index.html"));
        QVERIFY(index.contains(QLatin1String("<a href=\"gesamt-einzeln.html\">Gesamtergebnis mit Einzelergebnissen</a>")));
        QVERIFY(index.contains(QLatin1String("<a href=\"lauf-02.html\">Lauf 2</a></td><td>05.06.2026</td>")));
        QVERIFY(index.contains(QLatin1String("<a href=\"gesamt.html\">Gesamtergebnis</a>")));
        QVERIFY(index.contains(QStringLiteral("Veranstalter: LG Musterstadt &amp; Söhne &lt;e.V.&gt; \"Süd\"")));
    }

    void longListsGoOnOnFurtherPages()
    {
        const Cup cup = test::zufallsCup(3, 400, 2, false);
        const Webdaten d = webdaten(cup, 2);
        const int budget = 12000;
        const auto dateien = webseiten(d, stand(), budget);
        const auto seiten = seitenMap(dateien);
        QStringList laufteile;
        for (const auto &[name, inhalt] : seiten)
            if (name.startsWith(QLatin1String("lauf-01")))
                laufteile << name;
        QVERIFY2(laufteile.size() >= 3, qPrintable(laufteile.join(' ')));
        int zeilen = 0;
        int fortsetzungen = 0;
        for (int i = 1; i <= laufteile.size(); ++i) {
            const QString name = i == 1 ? QStringLiteral("lauf-01.html") : QStringLiteral("lauf-01-%1.html").arg(i);
            QVERIFY2(seiten.count(name), qPrintable(name));
            const QString &s = seiten.at(name);
            // The list rows of a page stay within the budget (plus the frame and navigation).
            QVERIFY2(s.toUtf8().size() < budget + 6000, qPrintable(name));
            zeilen += static_cast<int>(s.count(QLatin1String("<tr><td>")));
            fortsetzungen += static_cast<int>(s.count(QLatin1String(" (Fortsetzung)</caption>")));
            QVERIFY(s.contains(QStringLiteral("Seite %1 von %2").arg(i).arg(laufteile.size())));
            QVERIFY(s.contains(QLatin1String("aria-current=\"page\" href=\"") + name));
            QCOMPARE(s.count(QLatin1String("<table")), s.count(QLatin1String("</table>")));
        }
        QCOMPARE(zeilen, d.laufergebnisse[0].zeilen());
        QVERIFY(fortsetzungen >= 1);
    }

    void writingReplacesTheSiteAndRemovesOldParts()
    {
        QTemporaryDir tmp;
        const QString ordner = tmp.filePath(QStringLiteral("seite"));
        const Cup gross = test::zufallsCup(3, 400, 2, false);
        QString fehler;
        QVERIFY(webseiteSchreiben(webseiten(webdaten(gross, 2), stand(), 12000), ordner, &fehler));
        QVERIFY(QFile::exists(ordner + QStringLiteral("/lauf-01-2.html")));
        QVERIFY(QFile::exists(ordner + QStringLiteral("/einlauf-01-2.html")));
        QFile fremd(ordner + QStringLiteral("/foto.jpg"));
        QVERIFY(fremd.open(QIODevice::WriteOnly));
        fremd.write("JPEG");
        fremd.close();
        QVERIFY2(webseiteErzeugen(test::berichtsCup(), ordner, -1, &fehler), qPrintable(fehler));
        const auto inhalt = ordnerInhalt(ordner);
        QStringList namen;
        for (const auto &[name, bytes] : inhalt)
            namen << name;
        QCOMPARE(namen, (QStringList{"daten.js", "einlauf-01.html", "einlauf-02.html", "foto.jpg", "gesamt-einzeln.html",
                                     "gesamt.html", "index.html", "lauf-01.html", "lauf-02.html", "stil.css", "tlt.js"}));
        QVERIFY(inhalt.at(QStringLiteral("index.html")).contains("Musterst\xc3\xa4" "dter"));
        // No temporary file stays behind.
        QCOMPARE(QDir(ordner).entryList(QDir::Files | QDir::Hidden).size(), namen.size());
    }

    void aFailedWriteLeavesTheOldSiteComplete_data()
    {
        QTest::addColumn<int>("grenze");
        for (int g : {0, 100, 5000, 20000, 70000})
            QTest::newRow(qPrintable(QString::number(g))) << g;
    }
    void aFailedWriteLeavesTheOldSiteComplete()
    {
        QFETCH(int, grenze);
        QTemporaryDir tmp;
        const QString ordner = tmp.path();
        QString fehler;
        const auto alt = webseiten(webdaten(test::berichtsCup(), 1), stand());
        QVERIFY(webseiteSchreiben(alt, ordner, &fehler));
        const auto vorher = ordnerInhalt(ordner);
        const auto neu = webseiten(webdaten(test::zufallsCup(5, 600, 3, true), 3), stand());

        // Files may grow only up to the limit; the write that passes it fails (SIGXFSZ ignored).
        struct rlimit alteGrenze;
        getrlimit(RLIMIT_FSIZE, &alteGrenze);
        auto *alterHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit r = alteGrenze;
        r.rlim_cur = static_cast<rlim_t>(grenze);
        setrlimit(RLIMIT_FSIZE, &r);
        const bool ok = webseiteSchreiben(neu, ordner, &fehler);
        setrlimit(RLIMIT_FSIZE, &alteGrenze);
        std::signal(SIGXFSZ, alterHandler);

        QVERIFY(!ok);
        QVERIFY2(fehler.startsWith(QLatin1String("Die Datei ")), qPrintable(fehler));
        // The old index and the pages it links are complete; every file is either old or new, whole.
        const auto nachher = ordnerInhalt(ordner);
        QCOMPARE(nachher.at(QStringLiteral("index.html")), vorher.at(QStringLiteral("index.html")));
        const auto neuMap = seitenMap(neu);
        for (const auto &[name, bytes] : nachher) {
            const bool wieAlt = vorher.count(name) && vorher.at(name) == bytes;
            const bool wieNeu = neuMap.count(name) && neuMap.at(name).toUtf8() == bytes;
            QVERIFY2(wieAlt || wieNeu, qPrintable(name));
        }
        for (const auto &[name, bytes] : vorher)
            QVERIFY2(nachher.count(name), qPrintable(name));
    }

    // The site is built on several threads: every part runs, results stay in order, and of several
    // failures the one of the earliest part is reported, as in a plain loop.
    void partsBuiltSideBySide()
    {
        std::vector<int> ergebnis(37, 0);
        jeweilsParallel(37, [&](int i) { ergebnis[static_cast<size_t>(i)] = i * i; });
        for (int i = 0; i < 37; ++i)
            QCOMPARE(ergebnis[static_cast<size_t>(i)], i * i);
        std::atomic<int> gelaufen{0};
        try {
            jeweilsParallel(9, [&](int i) {
                ++gelaufen;
                if (i == 3 || i == 6 || i == 8)
                    throw Konvertierungsfehler(QString::number(i));
            });
            QFAIL("no failure");
        } catch (const Konvertierungsfehler &f) {
            QCOMPARE(f.meldung(), QStringLiteral("'3' ist kein gültiger Integerwert"));
        }
        QCOMPARE(gelaufen.load(), 9);
        jeweilsParallel(0, [](int) { QFAIL("nothing to do"); });
    }

    void aMissingFolderIsCreatedAndABadOneReported()
    {
        QTemporaryDir tmp;
        QString fehler;
        QVERIFY(webseiteErzeugen(test::berichtsCup(), tmp.filePath(QStringLiteral("a/b/c")), -1, &fehler));
        QVERIFY(QFile::exists(tmp.filePath(QStringLiteral("a/b/c/index.html"))));
        QFile datei(tmp.filePath(QStringLiteral("datei")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        QVERIFY(!webseiteErzeugen(test::berichtsCup(), tmp.filePath(QStringLiteral("datei/unter")), -1, &fehler));
        QVERIFY2(fehler.contains(QLatin1String("kann nicht angelegt werden")), qPrintable(fehler));
        // A cell that is no integer: the message of the lists with where the cell is, and nothing written.
        Cup kaputt = test::berichtsCup();
        kaputt.ag.setCell(Agspalte::Maximalalter, 1, QStringLiteral("sieben"));
        QVERIFY(!webseiteErzeugen(kaputt, tmp.filePath(QStringLiteral("kaputt")), -1, &fehler));
        QCOMPARE(fehler, QStringLiteral("'sieben' ist kein gültiger Integerwert – bei Altersgruppe WK U8/MK U8, Maximalalter"));
        QVERIFY(!QDir(tmp.filePath(QStringLiteral("kaputt"))).exists());
    }
};

QTEST_GUILESS_MAIN(TestWebseite)
#include "tst_webseite.moc"
