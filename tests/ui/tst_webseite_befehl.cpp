// "Datei › Ergebnisseiten erzeugen …" in the window: folder choice, writing, remembering the folder.
#include "core/cup.h"
#include "support/testhilfe.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"
#include "ui/webseite_befehl.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tlt;
using namespace tlt::ui;

class TestWebseiteBefehl : public QObject {
    Q_OBJECT

    // Opens "Datei" in the menu bar and picks "Ergebnisseiten er&zeugen …" by its access key, as a user does.
    void ueberMenue(MainUnit &w)
    {
        QMenu *datei = w.menue(QStringLiteral("m_d"));
        QVERIFY(datei);
        datei->popup(w.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(datei));
        QTest::keyClick(datei, Qt::Key_Z);
        QTRY_VERIFY(!datei->isVisible());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        test::deutschUndFesteUhr();
    }
    void init()
    {
        resetTestHooks();
        setTestmodus(true);
    }
    void cleanup() { resetTestHooks(); }

    void writesTheSiteIntoTheChosenFolderAndRemembersIt()
    {
        QTemporaryDir tmp;
        const QString cupdatei = tmp.filePath(QStringLiteral("cup.tl3"));
        QVERIFY(QFile::copy(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3"), cupdatei));
        MainUnit w;
        w.show();
        QVERIFY(w.ladeDatei(cupdatei));
        const QString ordner = tmp.filePath(QStringLiteral("netz"));
        setNextFileName(ordner);
        setNextAnswer(Antwort::Ok);
        ueberMenue(w);
        QVERIFY(QFile::exists(ordner + QStringLiteral("/index.html")));
        QVERIFY(QFile::exists(ordner + QStringLiteral("/gesamt.html")));
        QVERIFY(QFile::exists(ordner + QStringLiteral("/lauf-06.html")));
        const auto &p = protokoll();
        QCOMPARE(p.size(), 2);
        QCOMPARE(p[0].art, QStringLiteral("ordner"));
        QCOMPARE(p[0].titel, QStringLiteral("Ordner für die Ergebnisseiten"));
        QCOMPARE(p[1].art, QStringLiteral("hinweis"));
        QVERIFY(p[1].text.contains(ordner));
        QCOMPARE(gemerkterOrdner(cupdatei), ordner);
        // The cup itself is not changed by publishing it.
        QVERIFY(!w.cup().geaendert);
    }

    void aFailureIsShownAndNothingIsRemembered()
    {
        QTemporaryDir tmp;
        const QString cupdatei = tmp.filePath(QStringLiteral("cup.tl3"));
        QVERIFY(QFile::copy(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3"), cupdatei));
        ordnerMerken(cupdatei, tmp.filePath(QStringLiteral("frueher")));
        MainUnit w;
        w.show();
        QVERIFY(w.ladeDatei(cupdatei));
        QFile datei(tmp.filePath(QStringLiteral("datei")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        setNextFileName(tmp.filePath(QStringLiteral("datei/unter")));
        setNextAnswer(Antwort::Ok);
        ueberMenue(w);
        const auto &p = protokoll();
        QCOMPARE(p.size(), 2);
        QCOMPARE(p[1].art, QStringLiteral("fehler"));
        QVERIFY2(p[1].text.contains(QLatin1String("kann nicht angelegt werden")), qPrintable(p[1].text));
        QCOMPARE(gemerkterOrdner(cupdatei), tmp.filePath(QStringLiteral("frueher")));

        // Cancelling the folder choice writes nothing and says nothing.
        resetTestHooks();
        setTestmodus(true);
        setNextFileName(QString());
        ueberMenue(w);
        QCOMPARE(protokoll().size(), 1);
        QCOMPARE(protokoll()[0].art, QStringLiteral("ordner"));
    }

    void foldersAreRememberedPerCupFile()
    {
        ordnerMerken(QStringLiteral("/tmp/a.tl3"), QStringLiteral("/srv/a"));
        ordnerMerken(QStringLiteral("/tmp/b.tl3"), QStringLiteral("/srv/b"));
        QCOMPARE(gemerkterOrdner(QStringLiteral("/tmp/a.tl3")), QStringLiteral("/srv/a"));
        QCOMPARE(gemerkterOrdner(QStringLiteral("/tmp/b.tl3")), QStringLiteral("/srv/b"));
        QCOMPARE(gemerkterOrdner(QStringLiteral("/tmp/c.tl3")), QString());
        // A cup that was never saved has no file to remember a folder for.
        ordnerMerken(QString(), QStringLiteral("/srv/x"));
        QCOMPARE(gemerkterOrdner(QString()), QString());
    }
};

QTEST_MAIN(TestWebseiteBefehl)
#include "tst_webseite_befehl.moc"
