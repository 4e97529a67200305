#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/sicheresschreiben.h"
#include "support/fehlerinjektion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <stdexcept>
#include <sys/stat.h>

using namespace tlt;
using namespace tlt::test;

namespace {

QByteArray muster(qsizetype groesse)
{
    QByteArray b;
    b.reserve(groesse);
    for (qsizetype i = 0; i < groesse; ++i)
        b.append(static_cast<char>('a' + (i * 7 + i / 26) % 26));
    return b;
}

Cup cupMitTeilnehmern(int anzahl)
{
    Cup cup;
    cup.name = QStringLiteral("Sicherheits-Cup");
    cup.teil.setRowCount(anzahl + 1);
    for (int r = 1; r <= anzahl; ++r) {
        cup.teil.setCell(0, r, QStringLiteral("Läuferin %1").arg(r, 6, 10, QLatin1Char('0')));
        cup.teil.setCell(1, r, QStringLiteral("Vorname"));
        cup.teil.setCell(6, r, QString::number(r));
    }
    return cup;
}

QStringList dateienIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TstSicheresSchreiben : public QObject {
    Q_OBJECT

    int m_faelle = 0;

private slots:
    void cleanupTestCase() { qInfo("Fälle der Größengrenzen-Prüfung in core: %d", m_faelle); }

    void bytesEitherCompleteOrOldFileKept_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("klein") << 3000;
        QTest::newRow("groesser als jeder Puffer") << 200000;
    }
    void bytesEitherCompleteOrOldFileKept()
    {
        QFETCH(int, groesse);
        QTemporaryDir dir;
        const QByteArray neu = muster(groesse);
        m_faelle += sweep({QStringLiteral("Bytes"), dir.filePath(QStringLiteral("ziel.txt")),
                           [&](QString *m) { return sicherSchreiben(dir.filePath(QStringLiteral("ziel.txt")), neu, m); },
                           [&](const QByteArray &d) { return d == neu; }});
    }

    void streamingWriterIgnoringErrorsStillFails_data() { bytesEitherCompleteOrOldFileKept_data(); }
    void streamingWriterIgnoringErrorsStillFails()
    {
        // QTextStream never reports a failed write to its caller: the checked device must.
        QFETCH(int, groesse);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("strom.txt"));
        QByteArray neu;
        for (int i = 0; neu.size() < groesse; ++i)
            neu += QByteArray::number(i) + " Zeile mit etwas Text\n";
        m_faelle += sweep({QStringLiteral("Strom"), pfad,
                           [&](QString *m) {
                               return sicherSchreiben(
                                   pfad,
                                   [&](QIODevice &g, QString *) {
                                       QTextStream s(&g);
                                       for (const QByteArray &z : neu.split('\n'))
                                           if (!z.isEmpty())
                                               s << z << '\n';
                                       return true;
                                   },
                                   m);
                           },
                           [&](const QByteArray &d) { return d == neu; }});
    }

    void cupSaveEitherCompleteOrOldFileKept_data()
    {
        QTest::addColumn<int>("teilnehmer");
        QTest::newRow("klein") << 20;
        QTest::newRow("gross") << 3000;
    }
    void cupSaveEitherCompleteOrOldFileKept()
    {
        QFETCH(int, teilnehmer);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        Cup cup = cupMitTeilnehmern(teilnehmer);
        const QByteArray erwartet = dateiinhalt(cup);
        QCOMPARE(erwartet.size() < 16384, teilnehmer < 100);
        m_faelle += sweep({QStringLiteral("Cup speichern"), pfad,
                           [&](QString *m) {
                               cup.edit(Cup::Stand::Geaendert);
                               const bool ok = speichernDatei(cup, pfad, m);
                               // A failed save leaves the cup unsaved.
                               if (ok == cup.geaendert)
                                   *m = QStringLiteral("Änderungsmerker falsch");
                               return ok && !cup.geaendert;
                           },
                           [&](const QByteArray &d) { return d == erwartet; }});
    }

    void failingWriterKeepsOldFileAndLeavesNoTemporaryFile()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("a.txt"));
        dateiSetzen(pfad, "alt");
        QString fehler;
        QVERIFY(!sicherSchreiben(
            pfad,
            [](QIODevice &g, QString *f) {
                g.write("halb");
                *f = QStringLiteral("Zeichnen misslang");
                return false;
            },
            &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("Zeichnen misslang")), qPrintable(fehler));
        QCOMPARE(dateiBytes(pfad), QByteArray("alt"));
        QCOMPARE(dateienIn(dir), QStringList{QStringLiteral("a.txt")});

        QVERIFY_THROWS_EXCEPTION(std::runtime_error, sicherSchreiben(
                                                         pfad,
                                                         [](QIODevice &g, QString *) -> bool {
                                                             g.write("halb");
                                                             throw std::runtime_error("weg");
                                                         },
                                                         &fehler));
        QCOMPARE(dateiBytes(pfad), QByteArray("alt"));
        QCOMPARE(dateienIn(dir), QStringList{QStringLiteral("a.txt")});
    }

    void missingFolderNamesFileAndReason()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("fehlt/a.htm"));
        QString fehler;
        QVERIFY(!sicherSchreiben(pfad, QByteArray("x"), &fehler, {QStringLiteral("Die HTML-Datei"), {}}));
        QVERIFY2(fehler.startsWith(QStringLiteral("Die HTML-Datei \"%1\" konnte nicht gespeichert werden: ")
                                       .arg(QDir::toNativeSeparators(pfad))),
                 qPrintable(fehler));
        QVERIFY(!fehler.endsWith(QStringLiteral(": ")));
    }

    void refusesTargetsThatAreNoRegularFile()
    {
        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("ordner"));
        QVERIFY(QDir().mkdir(ordner));
        QString fehler;
        QVERIFY(!sicherSchreiben(ordner, QByteArray("x"), &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("keine gewöhnliche Datei")), qPrintable(fehler));
        QVERIFY(QFileInfo(ordner).isDir());

        const QString fifo = dir.filePath(QStringLiteral("rohr"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!sicherSchreiben(fifo, [](QIODevice &, QString *) { return true; }, &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("keine gewöhnliche Datei")), qPrintable(fehler));
        QVERIFY(!QFileInfo(fifo).isFile());
    }

    void refusesTheInputFileUnderAnyName()
    {
        QTemporaryDir dir;
        const QString cup = dir.filePath(QStringLiteral("cup.tl3"));
        dateiSetzen(cup, "Cup-Daten");
        QVERIFY(QFile::link(cup, dir.filePath(QStringLiteral("verweis.tl3"))));
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("sub"))));
        const Schreibziel ziel{QStringLiteral("Die HTML-Datei"), cup};
        for (const QString &name : {cup, dir.filePath(QStringLiteral("verweis.tl3")),
                                    dir.filePath(QStringLiteral("sub/../cup.tl3"))}) {
            QString fehler;
            QVERIFY2(!sicherSchreiben(name, QByteArray("<html>"), &fehler, ziel), qPrintable(name));
            QVERIFY2(fehler.contains(QStringLiteral("gelesene Datei selbst")), qPrintable(fehler));
            QCOMPARE(dateiBytes(cup), QByteArray("Cup-Daten"));
        }
        // Another file beside it is fine.
        QString fehler;
        QVERIFY2(sicherSchreiben(dir.filePath(QStringLiteral("cup.htm")), QByteArray("<html>"), &fehler, ziel),
                 qPrintable(fehler));
    }

    void saveKeepsThePreviousVersionAsBak()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        Cup cup = cupMitTeilnehmern(3);
        QString fehler, warnung;
        QVERIFY(speichernDatei(cup, pfad, &fehler, &warnung));
        // The first save has nothing to keep.
        QVERIFY(!QFile::exists(sicherungsdatei(pfad)));
        QCOMPARE(sicherungsdatei(pfad), pfad + QStringLiteral(".bak"));
        const QByteArray erste = dateiBytes(pfad);
        cup.name = QStringLiteral("Zweite Fassung");
        QVERIFY(speichernDatei(cup, pfad, &fehler, &warnung));
        QVERIFY(warnung.isEmpty());
        QCOMPARE(dateiBytes(sicherungsdatei(pfad)), erste);
        const QByteArray zweite = dateiBytes(pfad);
        cup.name = QStringLiteral("Dritte Fassung");
        QVERIFY(speichernDatei(cup, pfad, &fehler, &warnung));
        // One generation only.
        QCOMPARE(dateiBytes(sicherungsdatei(pfad)), zweite);
        QCOMPARE(dateienIn(dir), (QStringList{QStringLiteral("cup.tl3"), QStringLiteral("cup.tl3.bak")}));

        // A copy that cannot be written does not fail the save, but says so.
        QVERIFY(QFile::remove(sicherungsdatei(pfad)));
        QVERIFY(QDir().mkdir(sicherungsdatei(pfad)));
        cup.name = QStringLiteral("Vierte Fassung");
        cup.edit(Cup::Stand::Geaendert);
        QVERIFY(speichernDatei(cup, pfad, &fehler, &warnung));
        QVERIFY(!cup.geaendert);
        QVERIFY2(warnung.contains(QStringLiteral("Sicherungskopie")), qPrintable(warnung));
        QVERIFY(dateiBytes(pfad).startsWith("Vierte Fassung|"));
    }

    void failedSaveLeavesNoBakBehind()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        dateiSetzen(pfad, "alte Fassung\r\n");
        Cup cup = cupMitTeilnehmern(3000);
        QString fehler, warnung;
        bool ok = true;
        {
            const Groessengrenze grenze(1000);
            ok = speichernDatei(cup, pfad, &fehler, &warnung);
        }
        QVERIFY(!ok);
        QCOMPARE(dateiBytes(pfad), QByteArray("alte Fassung\r\n"));
        QCOMPARE(dateienIn(dir), QStringList{QStringLiteral("cup.tl3")});
    }
};

QTEST_GUILESS_MAIN(TstSicheresSchreiben)
#include "tst_sicheresschreiben.moc"
