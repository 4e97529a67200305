// Every file the window writes, under a file size limit that fails after k bytes: "&Speichern",
// HTML export, PDF export and certificates as PDF either complete their file or leave the old one
// byte-identical and show an error; no temporary file stays behind.
#include "core/cupdatei.h"
#include "support/berichtscups.h"
#include "support/fehlerinjektion.h"
#include "support/testhilfe.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace tlt;
using namespace tlt::ui;
using namespace tlt::test;

namespace {

QStringList arten()
{
    QStringList l;
    for (const auto &e : protokoll())
        l << e.art;
    return l;
}

// Runs one window command that writes pfad; true when it showed no error. The error's text goes to
// *meldung. An unexpected dialog fails the run.
bool imFenster(const QString &pfad, const std::function<void()> &befehl, QString *meldung)
{
    resetTestHooks();
    setTestmodus(true);
    setNextFileName(pfad);
    setNextAnswer(Antwort::Ok); // for the error message, if one comes
    befehl();
    bool ok = true;
    for (const auto &e : protokoll()) {
        if (e.art == QLatin1String("fehler")) {
            ok = false;
            *meldung = e.text;
        } else if (e.art == QLatin1String("unerwartet")) {
            ok = false;
            *meldung = QStringLiteral("unerwarteter Dialog: ") + e.text;
        }
    }
    resetTestHooks();
    setTestmodus(true);
    return ok;
}

bool istPdf(const QByteArray &d)
{
    return d.startsWith("%PDF-") && d.trimmed().endsWith("%%EOF");
}

} // namespace

class TstDatensicherheit : public QObject {
    Q_OBJECT
    int m_faelle = 0;

private slots:
    void init()
    {
        test::deutschUndFesteUhr();
        resetTestHooks();
        setTestmodus(true);
    }
    void cleanupTestCase() { qInfo("Fälle der Größengrenzen-Prüfung im Fenster: %d", m_faelle); }

    void saveFromTheWindow_data()
    {
        QTest::addColumn<int>("teilnehmer");
        QTest::newRow("klein") << 10;
        QTest::newRow("gross") << 2000;
    }
    void saveFromTheWindow()
    {
        QFETCH(int, teilnehmer);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("cup.tl3"));
        MainUnit w;
        w.cup().uebernehmen(zufallsCup(7, teilnehmer, 3, true));
        w.cup().dateiname = pfad;
        w.aktualisieren();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Cup kopie = w.cup();
        kopie.beiAenderung = nullptr;
        const QByteArray erwartet = dateiinhalt(kopie);
        QCOMPARE(erwartet.size() < 16384, teilnehmer < 100);
        m_faelle += sweep({QStringLiteral("Speichern"), pfad,
                           [&](QString *m) {
                               w.cup().edit(Cup::Stand::Geaendert);
                               // The previous version would be kept as a .bak: keep it out of the folder check.
                               QFile::remove(sicherungsdatei(pfad));
                               const bool ok = imFenster(
                                   pfad, [&] { QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier); }, m);
                               QFile::remove(sicherungsdatei(pfad));
                               // The title bar's changed mark tells the user whether it is saved.
                               if (ok == w.cup().geaendert)
                                   *m += QStringLiteral(" (Änderungsmerker falsch)");
                               return ok && !w.cup().geaendert;
                           },
                           [&](const QByteArray &d) { return d == erwartet; }});
    }

    void exportsFromTheWindow_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("datei");
        QTest::newRow("HTML") << "laufe_pop_s_h"
                              << "liste.htm";
        QTest::newRow("HTML gross") << "teil_pop_a_h"
                                    << "alle.htm";
        QTest::newRow("PDF") << "laufe_pop_s_p"
                             << "liste.pdf";
        QTest::newRow("Urkunden-PDF") << "laufe_pop_u_g"
                                      << "urkunden.pdf";
    }
    void exportsFromTheWindow()
    {
        QFETCH(QString, aktion);
        QFETCH(QString, datei);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(datei);
        MainUnit w;
        w.cup().uebernehmen(berichtsCup());
        w.aktualisieren();
        w.laufeGitter()->setAktuelleZelle(1, 1);
        w.teilGitter()->setAktuelleZelle(8, 1);
        if (aktion == QLatin1String("laufe_pop_u_g")) {
            auto *alsPdf = w.findChild<QCheckBox *>(QStringLiteral("alsPdf"));
            QVERIFY(alsPdf);
            alsPdf->setChecked(true);
        }
        QAction *a = w.findChild<QAction *>(aktion);
        QVERIFY(a);
        const bool html = datei.endsWith(QLatin1String(".htm"));
        m_faelle += sweep({aktion, pfad,
                           [&](QString *m) {
                               w.laufeGitter()->setAktuelleZelle(1, 1);
                               w.teilGitter()->setAktuelleZelle(8, 1);
                               return imFenster(pfad, [&] { a->trigger(); }, m);
                           },
                           [&](const QByteArray &d) {
                               return html ? d.trimmed().endsWith("</html>") : istPdf(d);
                           },
                           html ? 0 : 64});
        // A failed export keeps the report in the pane; the last run succeeded.
        QVERIFY(!arten().contains(QStringLiteral("unerwartet")));
    }
};

QTEST_MAIN(TstDatensicherheit)
#include "tst_datensicherheit.moc"
