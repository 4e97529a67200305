// Autosave and recovery in the window: the recovery file follows the changes, goes away on saving
// and on dropping the changes, a crashed window's file is offered at the next start, a second
// window on the same cup file is warned, and "&Speichern" keeps the previous version as .bak.
// The crash test runs this program a second time as a child, enters results through the quick
// entry, and kills it with SIGKILL.
#include "core/cupdatei.h"
#include "core/wiederherstellung.h"
#include "support/fehlerinjektion.h"
#include "support/testhilfe.h"
#include "ui/autosicherung.h"
#include "ui/bea_erg_unit.h"
#include "ui/eingabe_anschluss.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>

using namespace tlt;
using namespace tlt::ui;

namespace {

const char *const kKindVariable = "TLT_TEST_ABSTURZKIND";

QString ordner()
{
    return Wiederherstellung::standardordner();
}

QStringList wiederherstellungsdateien()
{
    return QDir(ordner()).entryList({QStringLiteral("*.tlw")}, QDir::Files);
}

void leeren()
{
    QDir(ordner()).removeRecursively();
}

// The child: loads the cup, enters results for race 1 through the quick entry, waits until the
// recovery file has them, prints each start number with its stored result, and waits to be killed.
int kind(const QString &cupdatei)
{
    MainUnit w;
    w.show();
    if (!QTest::qWaitForWindowActive(&w) || !w.ladeDatei(cupdatei))
        return 3;
    BeaErg *d = bea_erg(w);
    d->oeffnen(1);
    if (!QTest::qWaitForWindowActive(d))
        return 4;
    QStringList zeilen;
    const QStringList nummern{QStringLiteral("110"), QStringLiteral("005"), QStringLiteral("128")};
    const QStringList zeiten{QStringLiteral("0:41'07,10\""), QStringLiteral("0:39'59,90\""),
                             QStringLiteral("0:52'00,00\"")};
    auto *sn = d->findChild<QLineEdit *>(QStringLiteral("sn"));
    auto *erg = d->findChild<QLineEdit *>(QStringLiteral("erg"));
    if (!sn || !erg)
        return 7;
    for (int i = 0; i < nummern.size(); ++i) {
        QTest::keyClicks(sn, nummern[i]);
        QTest::keyClick(sn, Qt::Key_Return);
        QTest::keyClicks(erg, zeiten[i]);
        QTest::keyClick(erg, Qt::Key_Return);
    }
    if (!w.cup().geaendert) {
        std::fprintf(stderr, "Fokus: %s, Protokoll: %s\n",
                     QApplication::focusWidget() ? qPrintable(QApplication::focusWidget()->objectName()) : "-",
                     protokoll().isEmpty() ? "-" : qPrintable(protokoll().last().text));
        return 5;
    }
    for (const QString &sn : nummern)
        for (int r = 1; r < w.cup().teil.rowCount(); ++r)
            if (w.cup().teil.cell(6, r) == sn)
                zeilen << sn + QLatin1Char('=') + w.cup().teil.cell(8, r);
    // The autosave comes at most a second after the change.
    QTest::qWait(Autosicherung::kVerzoegerungMs + 500);
    if (w.autosicherung()->datei().isEmpty())
        return 6;
    std::printf("%s\nbereit\n", qPrintable(zeilen.join(QLatin1Char(';'))));
    std::fflush(stdout);
    for (;;)
        QThread::sleep(10);
}

} // namespace

class TstAutosicherung : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        // Recovery files of this test only.
        QVERIFY(m_dir.isValid());
        leeren();
    }
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
        leeren();
    }
    void cleanup()
    {
        for (const auto &e : protokoll())
            QVERIFY2(e.art != QLatin1String("unerwartet"), qPrintable(e.text));
        leeren();
    }

    void recoveryFileFollowsChangesAndGoesOnSave()
    {
        MainUnit w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(wiederherstellungsdateien().isEmpty());
        w.nameFeld()->setFocus();
        QTest::keyClicks(w.nameFeld(), QStringLiteral("Herbstcup"));
        QVERIFY(w.cup().geaendert);
        // Not at once, but within the delay.
        QVERIFY(wiederherstellungsdateien().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(wiederherstellungsdateien().size(), 1, 3000);
        QVERIFY2(wiederherstellungsdateien().first().startsWith(QStringLiteral("unbenannt-")),
                 qPrintable(wiederherstellungsdateien().first()));
        // The file holds the cup as typed.
        {
            Wiederherstellung andere(ordner());
            QVERIFY(andere.verwaist().isEmpty()); // this window is alive
        }
        // Saved: the file goes, and its name part follows the cup file's name.
        const QString pfad = m_dir.filePath(QStringLiteral("herbst.tl3"));
        setNextFileName(pfad);
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w.cup().geaendert);
        QVERIFY(wiederherstellungsdateien().isEmpty());
        QVERIFY(!QFile::exists(sicherungsdatei(pfad))); // nothing to keep yet
        QTest::keyClicks(w.nameFeld(), QStringLiteral(" 2026"));
        QTRY_COMPARE_WITH_TIMEOUT(wiederherstellungsdateien().size(), 1, 3000);
        QVERIFY(wiederherstellungsdateien().first().startsWith(QStringLiteral("herbst-")));
        // "&Speichern" again keeps the first version as herbst.tl3.bak.
        const QByteArray erste = test::dateiBytes(pfad);
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(test::dateiBytes(sicherungsdatei(pfad)), erste);
        QVERIFY(test::dateiBytes(pfad).startsWith("Herbstcup 2026|"));
        QVERIFY(wiederherstellungsdateien().isEmpty());
    }

    void droppingTheChangesRemovesTheFile()
    {
        MainUnit w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClicks(w.nameFeld(), QStringLiteral("Verworfen"));
        w.autosicherung()->sichern();
        QCOMPARE(wiederherstellungsdateien().size(), 1);
        // "&Neu", and "&Ja" to the question about unsaved data.
        setNextAnswer(Antwort::Ja);
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(protokoll().size(), 1);
        QVERIFY(!w.cup().geaendert);
        QVERIFY(wiederherstellungsdateien().isEmpty());
    }

    void recoveryIsOfferedAtStart_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Wiederherstellen") << int(Antwort::Ja);
        QTest::newRow("Verwerfen") << int(Antwort::Nein);
        QTest::newRow("Abbrechen") << int(Antwort::Abbrechen);
    }
    void recoveryIsOfferedAtStart()
    {
        QFETCH(int, antwort);
        const QString cupdatei = m_dir.filePath(QStringLiteral("abend.tl3"));
        {
            // A window that ended without cleaning up: its file stays, its lock does not.
            Wiederherstellung alt(ordner());
            Cup cup;
            cup.name = QStringLiteral("Abendlauf-Cup");
            cup.dateiname = cupdatei;
            cup.teil.setRowCount(2);
            cup.teil.setCell(0, 1, QStringLiteral("Zátopek"));
            QString fehler;
            QVERIFY2(alt.schreiben(cup, QDateTime(QDate(2026, 12, 8), QTime(19, 42, 5)), &fehler), qPrintable(fehler));
        }
        QCOMPARE(wiederherstellungsdateien().size(), 1);

        MainUnit w;
        setNextAnswer(static_cast<Antwort>(antwort));
        const bool wiederhergestellt = w.autosicherung()->anbieten();
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll().first().titel, QStringLiteral("Wiederherstellung"));
        const QString text = protokoll().first().text;
        QVERIFY2(text.contains(QStringLiteral("\"Abendlauf-Cup\"")), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(cupdatei)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("08.12.2026 um ")), qPrintable(text));
        QCOMPARE(wiederhergestellt, antwort == int(Antwort::Ja));
        if (antwort == int(Antwort::Ja)) {
            QCOMPARE(w.cup().name, QStringLiteral("Abendlauf-Cup"));
            QCOMPARE(w.cup().teil.cell(0, 1), QStringLiteral("Zátopek"));
            QCOMPARE(w.cup().dateiname, cupdatei);
            // Marked as changed, and kept in this window's own recovery file.
            QVERIFY(w.cup().geaendert);
            QCOMPARE(wiederherstellungsdateien().size(), 1);
            QCOMPARE(QDir(ordner()).filePath(wiederherstellungsdateien().first()), w.autosicherung()->datei());
        } else {
            QCOMPARE(w.cup().name, QString());
            QVERIFY(!w.cup().geaendert);
            // Dropped, or kept for the next start.
            QCOMPARE(wiederherstellungsdateien().size(), antwort == int(Antwort::Nein) ? 0 : 1);
        }
    }

    void secondWindowOnTheSameFileIsWarned()
    {
        const QString pfad = m_dir.filePath(QStringLiteral("gemeinsam.tl3"));
        {
            Cup cup;
            cup.name = QStringLiteral("Gemeinsam");
            QString fehler;
            QVERIFY(speichernDatei(cup, pfad, &fehler));
        }
        MainUnit eins;
        QVERIFY(eins.ladeDatei(pfad));
        QVERIFY(protokoll().isEmpty());
        {
            MainUnit zwei;
            setNextAnswer(Antwort::Ok);
            QVERIFY(zwei.ladeDatei(pfad));
            QCOMPARE(protokoll().size(), 1);
            QCOMPARE(protokoll().first().art, QStringLiteral("warnung"));
            QVERIFY2(protokoll().first().text.contains(QStringLiteral("bereits in einem anderen Fenster")),
                     qPrintable(protokoll().first().text));
        }
        // Once the first window lets go, nobody is warned.
        resetTestHooks();
        setTestmodus(true);
        eins.neu();
        MainUnit drei;
        QVERIFY(drei.ladeDatei(pfad));
        QVERIFY(protokoll().isEmpty());
    }

    void crashedWindowLosesNoEnteredResult()
    {
        const QString cupdatei = m_dir.filePath(QStringLiteral("absturz.tl3"));
        QFile::remove(cupdatei);
        QVERIFY(QFile::copy(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3"), cupdatei));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kKindVariable), cupdatei);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(p.waitForStarted());
        QByteArray aus;
        while (!aus.contains("bereit\n") && p.state() == QProcess::Running)
            if (p.waitForReadyRead(30000))
                aus += p.readAllStandardOutput();
        QVERIFY2(aus.contains("bereit\n"), qPrintable(QStringLiteral("Kind endete mit %1: %2")
                                                             .arg(p.exitCode())
                                                             .arg(QString::fromUtf8(aus))));
        p.kill(); // SIGKILL: no destructor, no cleanup
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        const QStringList ergebnisse = QString::fromUtf8(aus.left(aus.indexOf('\n'))).split(QLatin1Char(';'));
        QCOMPARE(ergebnisse.size(), 3);
        QCOMPARE(wiederherstellungsdateien().size(), 1);

        // The next start.
        MainUnit w;
        setNextAnswer(Antwort::Ja);
        QVERIFY(w.autosicherung()->anbieten());
        QCOMPARE(protokoll().first().titel, QStringLiteral("Wiederherstellung"));
        QVERIFY(w.cup().geaendert);
        QCOMPARE(w.cup().dateiname, cupdatei);
        for (const QString &e : ergebnisse) {
            const QString sn = e.section(QLatin1Char('='), 0, 0);
            const QString wert = e.section(QLatin1Char('='), 1);
            QVERIFY2(!wert.isEmpty(), qPrintable(e));
            bool gefunden = false;
            for (int r = 1; r < w.cup().teil.rowCount(); ++r) {
                if (w.cup().teil.cell(6, r) == sn) {
                    QCOMPARE(w.cup().teil.cell(8, r), wert);
                    gefunden = true;
                }
            }
            QVERIFY2(gefunden, qPrintable(sn));
        }
        // The cup file itself was never touched.
        QCOMPARE(test::dateiBytes(cupdatei), test::dateiBytes(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3")));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const QString kindDatei = qEnvironmentVariable(kKindVariable);
    if (!kindDatei.isEmpty()) {
        setTestmodus(true);
        return kind(kindDatei);
    }
    TstAutosicherung t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_autosicherung.moc"
