#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/sortierung.h"
#include "core/tabelle.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace tlt;

namespace {

// A device that accepts a fixed number of bytes and then fails, like a full disk.
class BrechendesGeraet : public QIODevice {
public:
    explicit BrechendesGeraet(qint64 kapazitaet) : m_rest(kapazitaet) { open(QIODevice::WriteOnly); }
    QByteArray inhalt;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *daten, qint64 laenge) override
    {
        if (m_rest <= 0) {
            setErrorString(QStringLiteral("Kein Platz mehr auf dem Gerät"));
            return -1;
        }
        const qint64 n = std::min(laenge, m_rest);
        inhalt.append(daten, n);
        m_rest -= n;
        return n;
    }

private:
    qint64 m_rest;
};

QByteArray alsDatei(const QStringList &zeilen)
{
    QStringEncoder enc("windows-1252");
    QByteArray b = enc(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return b;
}

QByteArray speichereInPuffer(Cup &cup)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QString fehler;
    if (!speichern(cup, puffer, &fehler))
        qWarning() << fehler;
    return puffer.data();
}

bool ladeAusBytes(Cup &ziel, const QByteArray &bytes, QString *fehler = nullptr)
{
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    QString f;
    const bool ok = laden(ziel, puffer, &f);
    if (fehler)
        *fehler = f;
    return ok;
}

QStringList zeilenVon(const QByteArray &bytes)
{
    QStringDecoder dec("windows-1252");
    QString text = dec(bytes);
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

// The 34 fields of a race line: number, type, date, fixed value, then organiser data.
QString lauf(const QString &nummer, const QString &typ, const QString &datum, const QString &veranstalter)
{
    QStringList f{nummer, typ, datum, QStringLiteral("ja"), veranstalter};
    while (f.size() < 34)
        f.append(QString());
    f[32] = QStringLiteral("1");
    f[33] = QStringLiteral("0");
    return f.join(u'|') + u'|';
}

// A small cup with two races, a few participants and texts that need care when written.
Cup kleinerCup()
{
    Cup cup;
    cup.name = QStringLiteral("Frühjahrs-Cup Weißenfurt");
    cup.veranstalter = QStringLiteral("LG Größenwahn e.V.");
    cup.kategorie = 2;
    cup.min = 2;
    cup.max = 2;
    cup.laufe.setColCount(3);
    const QString daten[2] = {QStringLiteral("12.04.2026"), QStringLiteral("10.05.2026")};
    for (int c = 1; c <= 2; ++c) {
        cup.laufe.setCell(c, 0, QString::number(c));
        cup.laufe.setCell(c, 1, c == 1 ? kZeitlauf : kDistanzlauf);
        cup.laufe.setCell(c, 2, daten[c - 1]);
        cup.laufe.setCell(c, 3, QStringLiteral("ja"));
        cup.laufe.setCell(c, 4, QStringLiteral("TSV Mühlbach"));
        cup.laufe.setCell(c, 31, QStringLiteral("26/0%1").arg(c));
        cup.laufe.setCell(c, 32, QStringLiteral("1"));
        cup.laufe.setCell(c, 33, QStringLiteral("0"));
    }
    const char *const zeilen[4][10] = {
        {"Weiß", "Jürgen", "03.02.1970", "männlich", "SV Oberzell", "M50", "012", "A-Cup", "0:41'12,30\"", "12480m"},
        {"Bäcker", "Anna", "11.11.1999", "weiblich", "", "F", "003", "B-Cup", "n.a.", ""},
        {"Zander", "Sören", "TT.MM.JJJJ", "männlich", "LT Talheim", "M30", "101", "C-Cup", "", "o.L."},
        {"Bäcker", "Käthe", "01.01.1950", "weiblich", "SV Oberzell", "F70 u.ä.", "002", "A-Cup", "0:55'00,00\"", "d."},
    };
    cup.teil.setColCount(10);
    cup.teil.setRowCount(5);
    cup.teil.setCell(8, 0, daten[0]);
    cup.teil.setCell(9, 0, daten[1]);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 10; ++c)
            cup.teil.setCell(c, r + 1, QString::fromUtf8(zeilen[r][c]));
    cup.edit(Cup::Stand::Geaendert);
    return cup;
}

void vergleicheTabellen(const Tabelle &a, const Tabelle &b, const char *name)
{
    QVERIFY2(a.colCount() == b.colCount(), name);
    QVERIFY2(a.rowCount() == b.rowCount(), name);
    for (int r = 0; r < a.rowCount(); ++r)
        for (int c = 0; c < a.colCount(); ++c)
            if (a.cell(c, r) != b.cell(c, r))
                QFAIL(qPrintable(QStringLiteral("%1 (%2,%3): '%4' != '%5'")
                                     .arg(QLatin1String(name))
                                     .arg(c)
                                     .arg(r)
                                     .arg(a.cell(c, r), b.cell(c, r))));
}

} // namespace

class TstCupdatei : public QObject {
    Q_OBJECT
private slots:
    void clsfDropsBarsAndTrims_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("feld");
        QTest::newRow("plain") << "Weiß"
                               << "Weiß|";
        QTest::newRow("empty") << ""
                               << "|";
        QTest::newRow("blanks only") << "   "
                                     << "|";
        QTest::newRow("outer blanks") << "  TSV  Mühlbach "
                                      << "TSV  Mühlbach|";
        QTest::newRow("inner bar") << "A|B"
                                   << "AB|";
        QTest::newRow("bar before blank") << "| a |"
                                          << "a|";
        QTest::newRow("control characters") << QStringLiteral("\t\x01x y\x1f\r\n") << "x y|";
        QTest::newRow("no-break space stays") << QStringLiteral("\u00a0x\u00a0") << QStringLiteral("\u00a0x\u00a0|");
        QTest::newRow("only bars") << "|||"
                                   << "|";
        QTest::newRow("inner line break") << QStringLiteral("a\r\nb\nc") << "a  b c|";
    }
    void clsfDropsBarsAndTrims()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, feld);
        QCOMPARE(clsf(eingabe), feld);
    }

    void cutSplitsFieldsAndIgnoresTheRest_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("empty line") << "" << QStringList();
        QTest::newRow("no bar") << "abc" << QStringList();
        QTest::newRow("one field") << "a|" << QStringList{"a"};
        QTest::newRow("empty fields") << "||" << QStringList{"", ""};
        QTest::newRow("text after last bar") << "a|b|rest" << QStringList{"a", "b"};
        QTest::newRow("blanks kept") << " a |" << QStringList{" a "};
    }
    void cutSplitsFieldsAndIgnoresTheRest()
    {
        QFETCH(QString, zeile);
        QFETCH(QStringList, felder);
        QCOMPARE(cut(zeile), felder);
    }

    void firstFourLinesOfANewCup()
    {
        Cup cup;
        cup.name = QStringLiteral("Testcup");
        QStringList punkte;
        for (int i = 20; i >= 1; --i)
            punkte << QString::number(i);
        const QByteArray erwartet = alsDatei({
            QStringLiteral("Testcup||0|1|1|0|0|"),
            QStringLiteral("WK U8|MK U8|7|WK U10|MK U10|9|WK U12|MK U12|11|WJ U14|MJ U14|13|WJ U16|MJ U16|15|"
                           "WJ U18|MJ U18|17|WJ U20|MJ U20|19|F U23|M U23|22|F|M|29|F30|M30|39|F40|M40|49|"
                           "F50|M50|59|F60|M60|69|F70 u.ä.|M70 u.ä.|150|"),
            QStringLiteral("A-Cup|10000m|1:00'00,0\"|B-Cup|5000m|0:30'00,0\"|C-Cup|3000m|0:15'00,0\"|"),
            punkte.join(u'|') + u'|',
        });
        // No races and no participants: exactly these four lines.
        QCOMPARE(speichereInPuffer(cup), erwartet);
    }

    void cupWithoutVariationsWritesAnEmptyThirdLine()
    {
        Cup cup;
        cup.cv.setRowCount(1);
        const QByteArray bytes = speichereInPuffer(cup);
        const QStringList zeilen = zeilenVon(bytes);
        QCOMPARE(zeilen.size(), 4);
        QVERIFY(zeilen[2].isEmpty());

        Cup geladen;
        QVERIFY(ladeAusBytes(geladen, bytes));
        QCOMPARE(geladen.cv.rowCount(), 1);
        QCOMPARE(geladen.cv.cell(0, 0), QStringLiteral("Name"));
        QCOMPARE(geladen.ag.rowCount(), 15);
        QCOMPARE(geladen.pv.rowCount(), 21);
    }

    void roundTripGivesIdenticalBytes()
    {
        Cup cup = kleinerCup();
        const QByteArray eins = speichereInPuffer(cup);
        Cup geladen;
        QVERIFY(ladeAusBytes(geladen, eins));
        vergleicheTabellen(cup.cv, geladen.cv, "cv");
        vergleicheTabellen(cup.ag, geladen.ag, "ag");
        vergleicheTabellen(cup.pv, geladen.pv, "pv");
        vergleicheTabellen(cup.laufe, geladen.laufe, "laufe");
        vergleicheTabellen(cup.teil, geladen.teil, "teil");
        QCOMPARE(geladen.name, cup.name);
        QCOMPARE(geladen.veranstalter, cup.veranstalter);
        QCOMPARE(geladen.kategorie, 2);
        QCOMPARE(geladen.min, 2);
        QCOMPARE(geladen.max, 2);
        QCOMPARE(speichereInPuffer(geladen), eins);
    }

    void randomCupsSurviveARoundTrip()
    {
        // Texts with outer blanks, bars, tabs, quotes and Windows-1252 letters; counts from empty up.
        const QString alphabet = QStringLiteral("aZß ä|Ö€\t\"'.,:0123456789-&<>");
        std::uint32_t zustand = 12345;
        const auto zufall = [&](int n) {
            zustand = zustand * 1664525u + 1013904223u;
            return static_cast<int>((zustand >> 8) % static_cast<std::uint32_t>(n));
        };
        const auto text = [&] {
            QString t;
            for (int i = zufall(9); i > 0; --i)
                t += alphabet.at(zufall(static_cast<int>(alphabet.size())));
            return t;
        };
        // Sort keys as the dialogs store them: a trimmed text would sort differently after loading.
        const auto schluessel = [&] { return clsf(text()).chopped(1); };
        for (int durchlauf = 0; durchlauf < 150; ++durchlauf) {
            Cup cup;
            cup.name = text();
            cup.veranstalter = text();
            cup.kategorie = zufall(9) - 1;
            cup.cv.setRowCount(1 + zufall(4));
            for (int r = 1; r < cup.cv.rowCount(); ++r)
                for (int c = 0; c < 3; ++c)
                    cup.cv.setCell(c, r, c == 0 ? schluessel() : text());
            cup.ag.setRowCount(1 + zufall(5));
            for (int r = 1; r < cup.ag.rowCount(); ++r) {
                cup.ag.setCell(0, r, text());
                cup.ag.setCell(1, r, text());
                cup.ag.setCell(2, r, QString::number(zufall(100)));
            }
            const int n = zufall(4);
            const int m = zufall(12);
            cup.laufe.setColCount(n + 1);
            cup.teil.setColCount(n + 8);
            cup.teil.setRowCount(m + 1);
            for (int c = 1; c <= n; ++c) {
                for (int r = 0; r < 34; ++r)
                    cup.laufe.setCell(c, r, text());
                cup.laufe.setCell(c, 1, zufall(2) ? kZeitlauf : kDistanzlauf);
                cup.laufe.setCell(
                    c, 2, QStringLiteral("%1.0%2.20%3").arg(10 + zufall(18)).arg(1 + zufall(9)).arg(10 + zufall(20)));
            }
            for (int r = 1; r <= m; ++r)
                for (int c = 0; c < n + 8; ++c)
                    cup.teil.setCell(c, r, c == 0 ? schluessel() : text());
            // In memory the tables are always in their order.
            cvsort(cup.cv);
            agsort(cup.ag);
            laufesort(cup);
            const QByteArray eins = speichereInPuffer(cup);
            Cup geladen;
            QString fehler;
            QVERIFY2(ladeAusBytes(geladen, eins, &fehler), qPrintable(fehler));
            QCOMPARE(geladen.anzahlLaufe(), n);
            QCOMPARE(geladen.anzahlTeilnehmer(), m);
            QCOMPARE(geladen.ag.rowCount(), cup.ag.rowCount());
            QCOMPARE(geladen.cv.rowCount(), cup.cv.rowCount());
            const QByteArray zwei = speichereInPuffer(geladen);
            if (zwei != eins)
                QFAIL(qPrintable(QStringLiteral("Durchlauf %1:\n%2\n---\n%3")
                                     .arg(durchlauf)
                                     .arg(QString::fromLatin1(eins), QString::fromLatin1(zwei))));
        }
    }

    void fileIsWindows1252WithCrLf()
    {
        Cup cup;
        cup.name = QStringLiteral("Läufer-Cup € Œ");
        const QByteArray bytes = speichereInPuffer(cup);
        QVERIFY(bytes.startsWith(QByteArray("L\xe4ufer-Cup \x80 \x8c|")));
        QCOMPARE(bytes.count("\r\n"), 4);
        QCOMPARE(bytes.count('\n'), 4);
        QVERIFY(bytes.endsWith("\r\n"));
    }

    void savingSortsParticipantsBySurname()
    {
        Cup cup = kleinerCup();
        const QStringList zeilen = zeilenVon(speichereInPuffer(cup));
        QCOMPARE(zeilen.size(), 4 + 2 + 4);
        QVERIFY(zeilen[6].startsWith(QStringLiteral("Bäcker|Anna|")));
        QVERIFY(zeilen[7].startsWith(QStringLiteral("Bäcker|Käthe|")));
        QVERIFY(zeilen[8].startsWith(QStringLiteral("Weiß|")));
        QVERIFY(zeilen[9].startsWith(QStringLiteral("Zander|")));
        // The table in memory shows that order too.
        QCOMPARE(cup.teil.cell(1, 2), QStringLiteral("Käthe"));
        QCOMPARE(cup.teil.cell(0, 4), QStringLiteral("Zander"));
        // A participant line holds the 8 fixed fields and one result per race.
        QCOMPARE(zeilen[8],
                 QStringLiteral("Weiß|Jürgen|03.02.1970|männlich|SV Oberzell|M50|012|A-Cup|0:41'12,30\"|12480m|"));
    }

    void cellsLoseOuterBlanksAndBarsOnTheWay()
    {
        Cup cup = kleinerCup();
        cup.teil.setCell(4, 1, QStringLiteral("  SV | Ober|zell \t"));
        cup.laufe.setCell(1, 28, QStringLiteral(" Regen | Wind "));
        cup.ag.setCell(0, 1, QStringLiteral(" WK U8 "));
        Cup geladen;
        QVERIFY(ladeAusBytes(geladen, speichereInPuffer(cup)));
        QCOMPARE(geladen.teil.cell(4, 3), QStringLiteral("SV  Oberzell"));
        QCOMPARE(geladen.laufe.cell(1, 28), QStringLiteral("Regen  Wind"));
        QCOMPARE(geladen.ag.cell(0, 1), QStringLiteral("WK U8"));
    }

    void lineBreakInsideACellKeepsTheRecordOnOneLine()
    {
        Cup cup = kleinerCup();
        cup.teil.setCell(4, 1, QStringLiteral("SV\r\nOberzell"));
        cup.laufe.setCell(1, 28, QStringLiteral("Regen\nWind"));
        Cup geladen;
        QVERIFY(ladeAusBytes(geladen, speichereInPuffer(cup)));
        QCOMPARE(geladen.anzahlTeilnehmer(), 4);
        QCOMPARE(geladen.teil.cell(4, 3), QStringLiteral("SV  Oberzell"));
        QCOMPARE(geladen.laufe.cell(1, 28), QStringLiteral("Regen Wind"));
        QCOMPARE(geladen.teil.cell(0, 4), QStringLiteral("Zander"));
    }

    void racesOutOfDateOrderTakeTheirResultsAlong()
    {
        // Races in the file dated 03.06., 01.05., 01.05.; each participant's result names its race.
        const QByteArray bytes = alsDatei({
            QStringLiteral("Handbearbeitet||0|1|3|3|2|"),
            QStringLiteral("F|M|99|"),
            QString(),
            QStringLiteral("3|2|1|"),
            lauf(QStringLiteral("1"), kZeitlauf, QStringLiteral("03.06.2005"), QStringLiteral("Juni")),
            lauf(QStringLiteral("2"), kDistanzlauf, QStringLiteral("01.05.2005"), QStringLiteral("Mai früh")),
            lauf(QStringLiteral("3"), kZeitlauf, QStringLiteral("01.05.2005"), QStringLiteral("Mai spät")),
            QStringLiteral("Zorn|Ute|01.01.1980|weiblich||F|||0:20'00,00\"|5000m|0:30'00,00\"|"),
            QStringLiteral("Adler|Max|01.01.1980|männlich||M|||0:21'00,00\"|6000m||"),
        });
        Cup cup;
        QString fehler;
        QVERIFY2(ladeAusBytes(cup, bytes, &fehler), qPrintable(fehler));
        QCOMPARE(cup.anzahlLaufe(), 3);
        const QString veranstalter[3] = {QStringLiteral("Mai früh"), QStringLiteral("Mai spät"),
                                         QStringLiteral("Juni")};
        const QString datum[3] = {QStringLiteral("01.05.2005"), QStringLiteral("01.05.2005"),
                                  QStringLiteral("03.06.2005")};
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(cup.laufe.cell(c, 0), QString::number(c));
            QCOMPARE(cup.laufe.cell(c, 4), veranstalter[c - 1]);
            QCOMPARE(cup.laufe.cell(c, 2), datum[c - 1]);
            QCOMPARE(cup.teil.cell(7 + c, 0), datum[c - 1]);
        }
        QCOMPARE(cup.lauftyp(1), kDistanzlauf);
        // Participants in surname order, results under their own race.
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Adler"));
        QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("6000m"));
        QCOMPARE(cup.teil.cell(9, 1), QString());
        QCOMPARE(cup.teil.cell(10, 1), QStringLiteral("0:21'00,00\""));
        QCOMPARE(cup.teil.cell(8, 2), QStringLiteral("5000m"));
        QCOMPARE(cup.teil.cell(9, 2), QStringLiteral("0:30'00,00\""));
        QCOMPARE(cup.teil.cell(10, 2), QStringLiteral("0:20'00,00\""));
    }

    void fileEndingBeforeItsCountsIsDamaged()
    {
        // Two races and three participants announced, but the file ends after the first race.
        const QByteArray bytes = alsDatei({
            QStringLiteral("Kurz||0|1|1|2|3|"),
            QStringLiteral("F|M|99|"),
            QStringLiteral("A-Cup|10000m|1:00'00,00\"|"),
            QStringLiteral("10|"),
            lauf(QStringLiteral("1"), kZeitlauf, QStringLiteral("01.05.2026"), QStringLiteral("Erster")),
        });
        Cup cup = kleinerCup();
        const QByteArray vorher = speichereInPuffer(cup);
        QString fehler;
        QVERIFY(!ladeAusBytes(cup, bytes, &fehler));
        QCOMPARE(fehler, QStringLiteral("Die Datei ist beschädigt: Sie endet nach Zeile 5, laut Zeile 1 (2 Läufe, 3 "
                                        "Teilnehmer) hat sie aber 9 Zeilen."));
        QCOMPARE(speichereInPuffer(cup), vorher);
    }

    void damagedFilesAreRefusedWithTheLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("meldung");
        Cup cup = kleinerCup();
        const QByteArray ganz = speichereInPuffer(cup); // 2 races, 4 participants: 10 lines
        const QList<QByteArray> zeilen = ganz.split('\n');
        QTest::newRow("first 100 bytes") << ganz.left(100)
                                         << "Die Datei ist beschädigt: Sie endet nach Zeile 2, laut Zeile 1 (2 Läufe, "
                                            "4 Teilnehmer) hat sie aber 10 Zeilen.";
        // Cut inside the last participant: the line has no end and too few fields.
        QTest::newRow("cut inside the last record")
            << ganz.left(ganz.size() - 12) << "Die Datei ist beschädigt: Zeile 10 bricht nach 7 von 10 Feldern ab.";
        QTest::newRow("cut inside the last race")
            << ganz.left(ganz.indexOf("\r\n", ganz.indexOf("10.05.2026")) - 5)
            << "Die Datei ist beschädigt: Zeile 6 bricht nach 31 von 34 Feldern ab.";
        QTest::newRow("cut inside line 1") << ganz.left(30)
                                           << "'' ist kein gültiger Integerwert in Zeile 1";
        // A race line lost: the first participant would be read as a race.
        QByteArray ohneLauf;
        for (int i = 0; i < zeilen.size(); ++i)
            if (i != 5)
                ohneLauf += zeilen[i] + (i + 1 < zeilen.size() ? "\n" : "");
        QTest::newRow("race line missing") << ohneLauf
                                           << "Die Datei ist beschädigt: Sie endet nach Zeile 9, laut Zeile 1 (2 "
                                              "Läufe, 4 Teilnehmer) hat sie aber 10 Zeilen.";
    }
    void damagedFilesAreRefusedWithTheLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, meldung);
        Cup cup;
        cup.name = QStringLiteral("vorher");
        QString fehler;
        QVERIFY(!ladeAusBytes(cup, bytes, &fehler));
        QCOMPARE(fehler, meldung);
        QCOMPARE(cup.name, QStringLiteral("vorher"));
    }

    void everyFileTheWriterProducesStillLoads()
    {
        // Cut after the last "|" of a record, only the line end is missing: nothing is lost.
        Cup cup = kleinerCup();
        QByteArray ganz = speichereInPuffer(cup);
        Cup geladen;
        QString fehler;
        QVERIFY2(ladeAusBytes(geladen, ganz.left(ganz.size() - 2), &fehler), qPrintable(fehler));
        QCOMPARE(speichereInPuffer(geladen), ganz);
        // The sample cup and the evening's test cup.
        for (const QString &pfad : {QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3"),
                                    QStringLiteral(TLT_TESTDATA "/abend.tl3")}) {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            QString hinweis = QStringLiteral("x");
            QVERIFY2(ladenDatei(geladen, pfad, &fehler, &hinweis), qPrintable(fehler));
            QVERIFY2(hinweis.isEmpty(), qPrintable(hinweis));
            QCOMPARE(speichereInPuffer(geladen), bytes);
        }
    }

    void utf8FilesAreReadAsUtf8WithAHint_data()
    {
        QTest::addColumn<QByteArray>("kopf");
        QTest::newRow("with BOM") << QByteArray("\xef\xbb\xbf");
        QTest::newRow("without BOM") << QByteArray();
    }
    void utf8FilesAreReadAsUtf8WithAHint()
    {
        QFETCH(QByteArray, kopf);
        const QByteArray bytes = kopf + QStringLiteral("Mühlbach-Cup||0|1|1|0|1|\r\nF|M|99|\r\n\r\n1|\r\n"
                                                       "Mühlbacher|Jürgen|||||7|\r\n")
                                            .toUtf8();
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("utf8.tl3"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        Cup cup;
        QString fehler, hinweis;
        QVERIFY2(ladenDatei(cup, pfad, &fehler, &hinweis), qPrintable(fehler));
        QCOMPARE(cup.name, QStringLiteral("Mühlbach-Cup"));
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Mühlbacher"));
        QCOMPARE(cup.teil.cell(1, 1), QStringLiteral("Jürgen"));
        QVERIFY2(hinweis.contains(QStringLiteral("nicht in Windows-1252 gespeichert, sondern in UTF-8")),
                 qPrintable(hinweis));
        QVERIFY(hinweis.contains(QStringLiteral("utf8.tl3")));
        // Saved again, it is a Windows-1252 file like any other.
        QVERIFY(speichernDatei(cup, pfad, &fehler));
        QVERIFY(ladenDatei(cup, pfad, &fehler, &hinweis));
        QVERIFY(hinweis.isEmpty());
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Mühlbacher"));
    }

    void windows1252UmlautsAreNoUtf8()
    {
        // "Müller" and "Weiß" in Windows-1252: bytes >= 0x80 that are no valid UTF-8.
        const QByteArray bytes("M\xfcller-Cup||0|1|1|0|1|\r\nF|M|99|\r\n\r\n1|\r\nWei\xdf|\xc4nne|||||1|\r\n");
        Cup cup;
        QString fehler, hinweis = QStringLiteral("x");
        QBuffer puffer;
        puffer.setData(bytes);
        QVERIFY(laden(cup, puffer, &fehler, &hinweis));
        QVERIFY(hinweis.isEmpty());
        QCOMPARE(cup.name, QStringLiteral("Müller-Cup"));
        QCOMPARE(cup.teil.cell(1, 1), QStringLiteral("Änne"));
    }

    void messagesNameTheFile()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("kaputt.tl3"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("X||0|1|1|0|0|\r\nF|M|alt|G|H|99|\r\n\r\n1|\r\n");
        }
        Cup cup;
        QString fehler;
        QVERIFY(!ladenDatei(cup, pfad, &fehler));
        QCOMPARE(fehler, QStringLiteral("'alt' ist kein gültiger Integerwert in Zeile 2 der Datei \"%1\"")
                             .arg(QDir::toNativeSeparators(pfad)));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("X||0|1|1|0|3|\r\nF|M|99|\r\n\r\n1|\r\n");
        }
        QVERIFY(!ladenDatei(cup, pfad, &fehler));
        QVERIFY2(fehler.startsWith(QStringLiteral("Die Datei \"%1\" ist beschädigt: Sie endet nach Zeile 4")
                                       .arg(QDir::toNativeSeparators(pfad))),
                 qPrintable(fehler));
    }

    void hugeOrSpecialInputIsRefused()
    {
        QTemporaryDir dir;
        Cup cup = kleinerCup();
        QString fehler;
        // A folder.
        QVERIFY(!ladenDatei(cup, dir.path(), &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("keine gewöhnliche Datei")), qPrintable(fehler));
        // An endless device is refused without reading a byte.
        QVERIFY(!ladenDatei(cup, QStringLiteral("/dev/zero"), &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("keine gewöhnliche Datei")), qPrintable(fehler));
        // More than 512 MB (a sparse file, no disk space used): refused by its size.
        const QString riesig = dir.filePath(QStringLiteral("riesig.tl3"));
        {
            QFile f(riesig);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(513LL * 1024 * 1024));
        }
        QVERIFY(!ladenDatei(cup, riesig, &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("zu groß für eine Cup-Datei")), qPrintable(fehler));
        QCOMPARE(cup.anzahlTeilnehmer(), 4);
    }

    void surplusFieldsAndLinesAreIgnored()
    {
        QString langerLauf = lauf(QStringLiteral("1"), kZeitlauf, QStringLiteral("01.05.2026"), QStringLiteral("V"));
        langerLauf += QStringLiteral("zuviel|noch mehr|");
        const QByteArray bytes = alsDatei({
            QStringLiteral("Name|Veranstalter|1|2|3|1|1|überzählig|"),
            QStringLiteral("F|M|99|W2|"), // a fourth field without its row
            QStringLiteral("A-Cup|10000m|1:00'00,00\"|"),
            QStringLiteral("10|5|"),
            langerLauf,
            QStringLiteral("Adler|Max|01.01.1980|männlich|V|M|001|A-Cup|0:21'00,00\"|extra|felder|"),
            QStringLiteral("Nachspann|nach|dem|letzten|Teilnehmer|"),
        });
        Cup cup;
        QString fehler;
        QVERIFY2(ladeAusBytes(cup, bytes, &fehler), qPrintable(fehler));
        QCOMPARE(cup.name, QStringLiteral("Name"));
        QCOMPARE(cup.kategorie, 1);
        QCOMPARE(cup.min, 2);
        QCOMPARE(cup.max, 3);
        QCOMPARE(cup.ag.rowCount(), 2);
        QCOMPARE(cup.pv.rowCount(), 3);
        QCOMPARE(cup.pv.cell(0, 2), QStringLiteral("2"));
        QCOMPARE(cup.pv.cell(1, 2), QStringLiteral("5"));
        QCOMPARE(cup.laufe.rowCount(), 34);
        QCOMPARE(cup.laufe.cell(1, 33), QStringLiteral("0"));
        QCOMPARE(cup.teil.colCount(), 9);
        QCOMPARE(cup.teil.rowCount(), 2);
        QCOMPARE(cup.teil.cell(8, 1), QStringLiteral("0:21'00,00\""));
    }

    void shortRecordLineClearsTheRemainingCells()
    {
        Cup ziel = kleinerCup(); // full rows that must not shine through
        const QByteArray bytes = alsDatei({
            QStringLiteral("Neu||0|1|1|2|2|"),
            QStringLiteral("F|M|99|"),
            QString(),
            QStringLiteral("1|"),
            QStringLiteral("1|") + kZeitlauf + QStringLiteral("|12.04.2026|"),
            lauf(QStringLiteral("2"), kZeitlauf, QStringLiteral("10.05.2026"), QStringLiteral("V")),
            QStringLiteral("Bäcker|Anna|"),
            QStringLiteral("Weiß|"),
        });
        QVERIFY(ladeAusBytes(ziel, bytes));
        QCOMPARE(ziel.teil.cell(1, 1), QStringLiteral("Anna"));
        for (int c = 2; c < 10; ++c) {
            QVERIFY(ziel.teil.cell(c, 1).isEmpty());
            QVERIFY(ziel.teil.cell(c, 2).isEmpty());
        }
        QVERIFY(ziel.teil.cell(1, 2).isEmpty());
        for (int r = 3; r < 34; ++r)
            QVERIFY(ziel.laufe.cell(1, r).isEmpty());
        QCOMPARE(ziel.cv.rowCount(), 1);
    }

    void linesEndingInLfOnlyAlsoLoad()
    {
        Cup cup = kleinerCup();
        QByteArray bytes = speichereInPuffer(cup);
        bytes.replace("\r\n", "\n");
        Cup geladen;
        QVERIFY(ladeAusBytes(geladen, bytes));
        QCOMPARE(geladen.anzahlTeilnehmer(), 4);
        QCOMPARE(speichereInPuffer(geladen), speichereInPuffer(cup));
    }

    void categoryAndSpinnersAreTakenAsRead_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("geschrieben");
        QTest::newRow("no selection") << "X||-1|1|1|0|0|" << -1 << 1 << 1 << -1;
        // An index beyond the list selects no item, which is written back as -1.
        QTest::newRow("index beyond the list") << "X||9|1|1|0|0|" << 9 << 1 << 1 << -1;
        QTest::newRow("negative index") << "X||-5|1|1|0|0|" << -5 << 1 << 1 << -1;
        QTest::newRow("last item") << "X||6|1|1|0|0|" << 6 << 1 << 1 << 6;
        QTest::newRow("spinners outside their range") << "X||3|0|250|0|0|" << 3 << 0 << 250 << 3;
        QTest::newRow("blanks before the number") << "X|| 4| 2| 3|0|0|" << 4 << 2 << 3 << 4;
    }
    void categoryAndSpinnersAreTakenAsRead()
    {
        QFETCH(QString, zeile);
        QFETCH(int, kategorie);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, geschrieben);
        Cup cup;
        QString fehler;
        QVERIFY2(
            ladeAusBytes(cup, alsDatei({zeile, QStringLiteral("F|M|99|"), QString(), QStringLiteral("1|")}), &fehler),
            qPrintable(fehler));
        QCOMPARE(cup.kategorie, kategorie);
        QCOMPARE(cup.min, min);
        QCOMPARE(cup.max, max);
        // The spinners are written back as read; the category as the index of the selected item.
        QCOMPARE(zeilenVon(speichereInPuffer(cup)).first(),
                 QStringLiteral("X||%1|%2|%3|0|0|").arg(geschrieben).arg(min).arg(max));
    }

    void badNumberLeavesThePreviousCupUntouched_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("meldung");
        const QStringList rest{QStringLiteral("F|M|99|"), QString(), QStringLiteral("1|")};
        QTest::newRow("category") << (QStringList{"X||x|1|1|0|0|"} + rest) << "'x' ist kein gültiger Integerwert in Zeile 1";
        QTest::newRow("minimum") << (QStringList{"X||0|eins|1|0|0|"} + rest) << "'eins' ist kein gültiger Integerwert in Zeile 1";
        QTest::newRow("maximum") << (QStringList{"X||0|1|1.5|0|0|"} + rest) << "'1.5' ist kein gültiger Integerwert in Zeile 1";
        QTest::newRow("races") << (QStringList{"X||0|1|1|2a|0|"} + rest) << "'2a' ist kein gültiger Integerwert in Zeile 1";
        QTest::newRow("participants") << (QStringList{"X||0|1|1|0|-|"} + rest) << "'-' ist kein gültiger Integerwert in Zeile 1";
        QTest::newRow("missing field") << (QStringList{"X||0|1|1|0|"} + rest) << "'' ist kein gültiger Integerwert in Zeile 1";
        QTest::newRow("empty file") << QStringList()
                                    << "Die Datei ist leer; eine Cup-Datei hat mindestens vier Zeilen.";
        QTest::newRow("maximum age") << QStringList{"X||0|1|1|0|0|", "F|M|99|G|H|alt|", "", "1|"}
                                     << "'alt' ist kein gültiger Integerwert in Zeile 2";
        QTest::newRow("points") << QStringList{"X||0|1|1|0|0|", "F|M|99|", "", "3|drei|1|"}
                                << "'drei' ist kein gültiger Integerwert in Zeile 4";
        QTest::newRow("negative count")
            << (QStringList{"X||0|1|1|-2|0|"} + rest)
            << "Die Datei ist beschädigt: -2 Läufe und 0 Teilnehmer sind keine gültigen Anzahlen.";
        QTest::newRow("absurd count")
            << (QStringList{"X||0|1|1|0|2000000000|"} + rest)
            << "Die Datei ist beschädigt: 0 Läufe und 2000000000 Teilnehmer sind keine gültigen "
               "Anzahlen.";
        // A count of a few bytes must not make the reader build millions of empty records.
        QTest::newRow("count far beyond the records")
            << (QStringList{"X||0|1|1|0|2499999|"} + rest)
            << "Die Datei ist beschädigt: 0 Läufe und 2499999 Teilnehmer sind keine gültigen Anzahlen.";
        QTest::newRow("races far beyond the records")
            << (QStringList{"X||0|1|1|99999|0|"} + rest)
            << "Die Datei ist beschädigt: 99999 Läufe und 0 Teilnehmer sind keine gültigen Anzahlen.";
    }
    void badNumberLeavesThePreviousCupUntouched()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, meldung);
        Cup cup = kleinerCup();
        cup.dateiname = QStringLiteral("/daten/fruehjahr.tl3");
        const QByteArray vorher = speichereInPuffer(cup);
        cup.edit(Cup::Stand::Geaendert);
        int meldungen = 0;
        cup.beiAenderung = [&] { ++meldungen; };
        QString fehler;
        QVERIFY(!ladeAusBytes(cup, zeilen.isEmpty() ? QByteArray() : alsDatei(zeilen), &fehler));
        QCOMPARE(fehler, meldung);
        QCOMPARE(cup.dateiname, QStringLiteral("/daten/fruehjahr.tl3"));
        QVERIFY(cup.geaendert);
        QCOMPARE(meldungen, 0);
        QCOMPARE(speichereInPuffer(cup), vorher);
    }

    void loadingMarksTheCupUnchanged()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        Cup quelle = kleinerCup();
        QString fehler;
        QVERIFY2(speichernDatei(quelle, pfad, &fehler), qPrintable(fehler));
        QCOMPARE(quelle.dateiname, pfad);
        QVERIFY(!quelle.geaendert);

        Cup cup;
        cup.name = QStringLiteral("ungesichert");
        cup.htmlstil = 2;
        cup.urkundenstil = 1;
        cup.edit(Cup::Stand::Geaendert);
        QStringList status;
        cup.beiAenderung = [&] { status << cup.statusDatei() + QLatin1Char('/') + cup.statusAenderung(); };
        QVERIFY2(ladenDatei(cup, pfad, &fehler), qPrintable(fehler));
        QVERIFY(!cup.geaendert);
        QCOMPARE(cup.dateiname, pfad);
        QCOMPARE(status, QStringList{pfad + QLatin1Char('/')});
        QCOMPARE(cup.name, quelle.name);
        // Not part of the file: the style selections stay.
        QCOMPARE(cup.htmlstil, 2);
        QCOMPARE(cup.urkundenstil, 1);
        QVERIFY(cup.beiAenderung);
    }

    void missingFileLeavesThePreviousCupUntouched()
    {
        QTemporaryDir dir;
        Cup cup = kleinerCup();
        cup.dateiname = QStringLiteral("/alt.tl3");
        QString fehler;
        QVERIFY(!ladenDatei(cup, dir.filePath(QStringLiteral("fehlt.tl3")), &fehler));
        QVERIFY2(fehler.startsWith(QStringLiteral("Die Datei \"")), qPrintable(fehler));
        QVERIFY2(fehler.contains(QStringLiteral("konnte nicht geöffnet werden: ")), qPrintable(fehler));
        QVERIFY(fehler.size() > fehler.indexOf(QStringLiteral(": ")) + 2); // the system's reason follows
        QCOMPARE(cup.dateiname, QStringLiteral("/alt.tl3"));
        QCOMPARE(cup.anzahlTeilnehmer(), 4);
    }

    void saveIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        Cup cup = kleinerCup();
        const QString pfad = dir.filePath(QStringLiteral("gibt/es/nicht/cup.tl3"));
        QString fehler;
        QVERIFY(!speichernDatei(cup, pfad, &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("konnte nicht gespeichert werden: ")), qPrintable(fehler));
        QVERIFY(fehler.contains(QStringLiteral("cup.tl3")));
        QVERIFY(!QFile::exists(pfad));
        QVERIFY(cup.dateiname.isEmpty());
        QVERIFY(cup.geaendert);
    }

    void deviceFailingPartWayIsReported()
    {
        Cup cup = kleinerCup();
        const QByteArray ganz = speichereInPuffer(cup);
        BrechendesGeraet geraet(100);
        QString fehler;
        QVERIFY(!speichern(cup, geraet, &fehler));
        QCOMPARE(fehler,
                 QStringLiteral("Die Cup-Daten konnten nicht geschrieben werden: Es wurden nur 100 von %1 Bytes "
                                "geschrieben (Kein Platz mehr auf dem Gerät)")
                     .arg(ganz.size()));
        QCOMPARE(geraet.inhalt, ganz.left(100));
    }

#ifdef Q_OS_UNIX
    void interruptedSaveKeepsTheOldFile()
    {
        // A file size limit makes the write stop part-way, as a full disk would.
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        Cup alt = kleinerCup();
        QString fehler;
        QVERIFY(speichernDatei(alt, pfad, &fehler));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray vorher = f.readAll();
        f.close();

        Cup gross = kleinerCup();
        gross.teil.setRowCount(3000);
        for (int r = 5; r < 3000; ++r)
            gross.teil.setCell(0, r, QStringLiteral("Teilnehmerin Nummer %1").arg(r));
        gross.edit(Cup::Stand::Geaendert);

        rlimit alteGrenze{};
        getrlimit(RLIMIT_FSIZE, &alteGrenze);
        auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = alteGrenze;
        grenze.rlim_cur = 16384;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &grenze) == 0);
        const bool ok = speichernDatei(gross, pfad, &fehler);
        setrlimit(RLIMIT_FSIZE, &alteGrenze);
        std::signal(SIGXFSZ, alterHandler);

        QVERIFY(!ok);
        // How far the write came, and the system's reason.
        QVERIFY2(fehler.contains(QRegularExpression(QStringLiteral(
                     "konnte nicht gespeichert werden: Es wurden nur \\d+ von \\d+ Bytes geschrieben \\(.+\\)$"))),
                 qPrintable(fehler));
        QVERIFY(gross.geaendert);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vorher);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("cup.tl3")});
    }
#endif

    void unrepresentableCharactersAreListedOnce()
    {
        Cup cup = kleinerCup();
        cup.name = QStringLiteral("Łódź-Cup");
        cup.teil.setCell(0, 1, QStringLiteral("Dvořák ✓"));
        cup.teil.setCell(1, 2, QStringLiteral("Łukasz 🏃"));
        cup.laufe.setCell(2, 28, QStringLiteral("Ziel ✓ 🏃 €"));
        // In the order of the file (races before participants); headings are neither written nor checked.
        cup.teil.setCell(0, 0, QStringLiteral("Ω"));
        QCOMPARE(nichtDarstellbareZeichen(cup), QStringLiteral("Łź✓🏃ř"));
        QVERIFY(nichtDarstellbareZeichen(kleinerCup()).isEmpty());
        QVERIFY(darstellbar(QChar(u'€')));
        QVERIFY(darstellbar(QChar(u'ß')));
        QVERIFY(darstellbar(QChar(u'Ÿ')));
        QVERIFY(!darstellbar(QChar(u'Ł')));
        // Written as the substitute byte, one per character.
        const QByteArray bytes = speichereInPuffer(cup);
        QVERIFY(bytes.startsWith(QByteArray("\x1a\xf3"
                                            "d\x1a-Cup|")));
    }

    void allWindows1252CharactersSurviveARoundTrip()
    {
        QString alle;
        for (int b = 0x21; b <= 0xff; ++b) {
            const char c = static_cast<char>(b);
            if (c != '|')
                alle += QStringDecoder("windows-1252")(QByteArray(1, c));
        }
        Cup cup;
        cup.name = alle;
        QVERIFY(nichtDarstellbareZeichen(cup).isEmpty());
        Cup geladen;
        QVERIFY(ladeAusBytes(geladen, speichereInPuffer(cup)));
        QCOMPARE(geladen.name, alle);
    }
};

QTEST_GUILESS_MAIN(TstCupdatei)
#include "tst_cupdatei.moc"
