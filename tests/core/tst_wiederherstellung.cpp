#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/wiederherstellung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace tlt;

namespace {

Cup beispiel(const QString &dateiname)
{
    Cup cup;
    cup.name = QStringLiteral("Nachtlauf-Cup");
    cup.dateiname = dateiname;
    cup.teil.setRowCount(4);
    // Not in surname order: the recovery file must not re-sort the table on screen.
    cup.teil.setCell(0, 1, QStringLiteral("Zander"));
    cup.teil.setCell(0, 2, QStringLiteral("Adler"));
    cup.teil.setCell(0, 3, QStringLiteral("Müller"));
    cup.edit(Cup::Stand::Geaendert);
    return cup;
}

QStringList dateien(const QTemporaryDir &dir, const QString &muster)
{
    return QDir(dir.path()).entryList({muster}, QDir::Files | QDir::Hidden);
}

} // namespace

class TstWiederherstellung : public QObject {
    Q_OBJECT

private slots:
    void writtenFileIsFoundOnlyAfterItsWindowIsGone()
    {
        QTemporaryDir dir;
        const QDateTime zeit(QDate(2026, 12, 8), QTime(21, 5, 30), Qt::UTC);
        auto fenster = std::make_unique<Wiederherstellung>(dir.path());
        Cup cup = beispiel(QStringLiteral("/daten/nacht|lauf.tl3"));
        QString fehler;
        QVERIFY2(fenster->schreiben(cup, zeit, &fehler), qPrintable(fehler));
        QCOMPARE(cup.teil.cell(0, 1), QStringLiteral("Zander")); // order on screen untouched
        QVERIFY(fenster->datei().startsWith(dir.path() + QStringLiteral("/nacht_lauf-")));
        QCOMPARE(dateien(dir, QStringLiteral("*.tlw")).size(), 1);

        // While the window lives, its lock keeps the file from being offered.
        Wiederherstellung start(dir.path());
        QVERIFY(start.verwaist().isEmpty());

        // A crash: the file stays, the lock's process is gone (here: the lock is let go).
        fenster.reset();
        const auto funde = start.verwaist();
        QCOMPARE(funde.size(), 1);
        QCOMPARE(funde[0].cupdatei, QStringLiteral("/daten/nacht|lauf.tl3"));
        QCOMPARE(funde[0].cupname, QStringLiteral("Nachtlauf-Cup"));
        QCOMPARE(funde[0].zeit, zeit);

        Cup ziel;
        ziel.htmlstil = 1;
        QVERIFY2(Wiederherstellung::laden(funde[0], ziel, &fehler), qPrintable(fehler));
        QCOMPARE(ziel.name, QStringLiteral("Nachtlauf-Cup"));
        QCOMPARE(ziel.dateiname, QStringLiteral("/daten/nacht|lauf.tl3"));
        QVERIFY(ziel.geaendert);
        QCOMPARE(ziel.htmlstil, 1);
        QCOMPARE(ziel.anzahlTeilnehmer(), 3);
        QCOMPARE(ziel.teil.cell(0, 1), QStringLiteral("Adler"));

        Wiederherstellung::verwerfen(funde[0]);
        QVERIFY(start.verwaist().isEmpty());
        QVERIFY(dateien(dir, QStringLiteral("*")).isEmpty());
    }

    void removingAndRenamingLeaveNothingBehind()
    {
        QTemporaryDir dir;
        Wiederherstellung w(dir.path());
        Cup cup = beispiel(QString());
        QString fehler;
        QVERIFY(w.schreiben(cup, QDateTime::currentDateTimeUtc(), &fehler));
        QVERIFY(QFileInfo(w.datei()).fileName().startsWith(QStringLiteral("unbenannt-")));
        const QString alt = w.datei();
        // Saved under a name: the next write goes to a file named after it, the old one goes.
        cup.dateiname = QStringLiteral("/daten/sommer.tl3");
        QVERIFY(w.schreiben(cup, QDateTime::currentDateTimeUtc(), &fehler));
        QVERIFY(!QFile::exists(alt));
        QVERIFY(QFileInfo(w.datei()).fileName().startsWith(QStringLiteral("sommer-")));
        w.entfernen();
        QVERIFY(w.datei().isEmpty());
        QVERIFY(dateien(dir, QStringLiteral("*")).isEmpty());
    }

    void unreadableRecoveryFileIsNoFind()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("fremd.tlw")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("irgendetwas\r\n");
        f.close();
        QVERIFY(Wiederherstellung(dir.path()).verwaist().isEmpty());
    }

    void cupLockWarnsASecondHolderAndOutlivesNoCrash()
    {
        QTemporaryDir dir;
        Cupsperre eins(dir.path());
        Cupsperre zwei(dir.path());
        QVERIFY(eins.sperren(QStringLiteral("/daten/cup.tl3")));
        qint64 prozess = 0;
        QVERIFY(!zwei.sperren(QStringLiteral("/daten/cup.tl3"), &prozess));
        QCOMPARE(prozess, QCoreApplication::applicationPid());
        // Another file is free.
        QVERIFY(zwei.sperren(QStringLiteral("/daten/anderer.tl3")));
        eins.freigeben();
        QVERIFY(zwei.sperren(QStringLiteral("/daten/cup.tl3")));

        // A lock left by a process that died holding it (a crash) is stale and taken over.
        zwei.freigeben();
        const pid_t kind = fork();
        QVERIFY(kind >= 0);
        if (kind == 0) {
            Cupsperre absturz(dir.path());
            _exit(absturz.sperren(QStringLiteral("/daten/cup.tl3")) ? 0 : 1); // no destructor runs
        }
        int status = 0;
        QCOMPARE(waitpid(kind, &status, 0), kind);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(dateien(dir, QStringLiteral("cup-*.lock")).size(), 1);
        QVERIFY(eins.sperren(QStringLiteral("/daten/cup.tl3")));
    }
};

QTEST_GUILESS_MAIN(TstWiederherstellung)
#include "tst_wiederherstellung.moc"
