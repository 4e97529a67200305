// The certificate settings, the participant choice and the four certificate commands, driven
// through the real main window; the printer is a PDF printer whose pages are counted.
#include "certificates/aufzeichnung.h"
#include "certificates/urkundenbefehle.h"
#include "core/cup.h"
#include "core/cupdatei.h"
#include "support/testhilfe.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"
#include "ui/teil_wahl_unit.h"
#include "ui/urkunden_unit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace tlt;
using namespace tlt::ui;

namespace {

const QString kBeispiel = QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3");

int pdfSeiten(const QString &pfad)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pfad});
    p.waitForFinished();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QList<Protokolleintrag> eintraege(const QString &art)
{
    QList<Protokolleintrag> l;
    for (const auto &e : protokoll())
        if (e.art == art)
            l << e;
    return l;
}

} // namespace

class TstUrkundenUnit : public QObject {
    Q_OBJECT

    std::unique_ptr<MainUnit> m_w;
    std::unique_ptr<QTemporaryDir> m_dir;

    UrkundenUnit *urkunden() { return m_w->findChild<UrkundenUnit *>(QStringLiteral("urkunden")); }
    TeilWahlUnit *teilWahl() { return m_w->findChild<TeilWahlUnit *>(QStringLiteral("teil_wahl")); }
    QString pfad(const QString &name) { return m_dir->filePath(name); }

    // Sends the window's printer into a PDF file, as a printer chosen in the setup dialog would be used.
    QString druckerAufPdf(const QString &name)
    {
        const QString p = pfad(name);
        m_w->drucker().setOutputFormat(QPrinter::PdfFormat);
        m_w->drucker().setOutputFileName(p);
        return p;
    }
    void laden()
    {
        QVERIFY(m_w->ladeDatei(kBeispiel));
        m_w->aktualisieren();
    }
    void laufWaehlen(int k)
    {
        m_w->laufeGitter()->setAktuelleZelle(k, 1);
        QCOMPARE(m_w->gewaehlterLauf(), k);
    }

private slots:
    void init()
    {
        test::deutschUndFesteUhr();
        resetTestHooks();
        setTestmodus(true);
        m_dir = std::make_unique<QTemporaryDir>();
        m_w = std::make_unique<MainUnit>();
        urkundenAnschliessen(*m_w);
        urkundenAnschliessen(*m_w); // a second call changes nothing
        QCOMPARE(m_w->findChildren<UrkundenUnit *>().size(), 1);
        QCOMPARE(m_w->findChildren<TeilWahlUnit *>().size(), 1);
    }
    void cleanup()
    {
        m_w.reset();
        QVERIFY2(eintraege(QStringLiteral("unerwartet")).isEmpty(), "unerwarteter Dialog");
    }

    void einstellungsdialog()
    {
        m_w->aktion(QStringLiteral("m_e_u"))->trigger();
        UrkundenUnit *u = urkunden();
        QVERIFY(u->isVisible());
        QVERIFY(!u->isModal());
        QCOMPARE(u->windowTitle(), QStringLiteral("Urkunden Einstellungen"));
        QCOMPARE(u->findChild<QLabel *>(QStringLiteral("stilT"))->text(),
                 QStringLiteral("Wählen Sie einen Stil für die zu druckenden Urkunden aus:"));
        QCOMPARE(u->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Geben Sie hier den Text für die Unterzeichnende Person ein:"));
        QCOMPARE(u->stil()->count(), 3);
        QCOMPARE(u->stil()->itemText(2), QStringLiteral("Standard Stil - 2. Wiesenauer Lindenlauf"));
        QCOMPARE(u->stil()->currentIndex(), 0);
        QVERIFY(u->unter1()->text().isEmpty());
        QVERIFY(!u->pdf()->isChecked());
    }

    void stilWahlUndGetippterText()
    {
        UrkundenUnit *u = urkunden();
        m_w->aktion(QStringLiteral("m_e_u"))->trigger();
        u->stil()->setCurrentIndex(2);
        QCOMPARE(m_w->cup().urkundenstil, 2);
        // Typing into the field leaves no item selected.
        u->stil()->lineEdit()->selectAll();
        QTest::keyClicks(u->stil()->lineEdit(), QStringLiteral("Mein Stil"));
        QCOMPARE(m_w->cup().urkundenstil, -1);
        QCOMPARE(u->stil()->count(), 3);
        // Choosing the same item again from the list counts, although the index did not change.
        emit u->stil()->activated(2);
        QCOMPARE(m_w->cup().urkundenstil, 2);
        u->stil()->lineEdit()->selectAll();
        QTest::keyClicks(u->stil()->lineEdit(), QStringLiteral("Mein Stil"));
        QCOMPARE(m_w->cup().urkundenstil, -1);
        QTest::keyClick(u->stil()->lineEdit(), Qt::Key_Return);
        QCOMPARE(m_w->cup().urkundenstil, -1);
        QCOMPARE(u->stil()->count(), 3);
        // Typing an item's exact text chooses it.
        u->stil()->lineEdit()->selectAll();
        QTest::keyClicks(u->stil()->lineEdit(), QStringLiteral("Standard Stil - frei"));
        QCOMPARE(m_w->cup().urkundenstil, 1);
        u->stil()->setCurrentIndex(2);
        QTest::keyClicks(u->unter1(), QStringLiteral("Anna Vorsitz"));
        QTest::keyClicks(u->unter2(), QStringLiteral("1. Vorsitzende"));

        // A new cup sets the style back to 0; the signature lines stay.
        m_w->aktion(QStringLiteral("m_d_n"))->trigger();
        QCOMPARE(m_w->cup().urkundenstil, 0);
        QCOMPARE(u->stil()->currentIndex(), 0);
        QCOMPARE(u->unterschriften().unter1, QStringLiteral("Anna Vorsitz"));
        QCOMPARE(u->unterschriften().unter2, QStringLiteral("1. Vorsitzende"));

        // Shown again, the dialog selects the cup's style.
        u->hide();
        m_w->cup().urkundenstil = 1;
        m_w->aktion(QStringLiteral("m_e_u"))->trigger();
        QCOMPARE(u->stil()->currentIndex(), 1);
    }

    void teilnehmerwahl()
    {
        Cup &c = m_w->cup();
        c.teil.setColCount(8);
        c.teil.setRowCount(5);
        const QStringList nummern{"2", "10", "1", "11"};
        for (int i = 0; i < nummern.size(); ++i)
            c.teil.setCell(6, i + 1, nummern[i]);
        m_w->aktualisieren();
        m_w->aktion(QStringLiteral("laufe_pop_tl"))->trigger();
        TeilWahlUnit *t = teilWahl();
        QVERIFY(t->isVisible());
        QVERIFY(!t->isModal());
        QCOMPARE(t->windowTitle(), QStringLiteral("Teilnehmer auswählen"));
        QStringList liste;
        for (int i = 0; i < t->teil_wahl_box()->count(); ++i)
            liste << t->teil_wahl_box()->itemText(i);
        QCOMPARE(liste, (QStringList{"1", "10", "11", "2"}));
        QCOMPARE(t->teil_wahl_box()->currentText(), QStringLiteral("bitte wählen ..."));
        QCOMPARE(t->klick()->text(), QStringLiteral("Auswählen"));

        m_w->aktion(QStringLiteral("laufe_pop_u_u"))->trigger();
        QCOMPARE(t->windowTitle(), QStringLiteral("Teilnehmer auswählen (Gesamtcup)"));
        QCOMPARE(t->teil_wahl_box()->count(), 4);
    }

    void siegerurkundenAufDemDrucker()
    {
        laden();
        laufWaehlen(1);
        const QString p = druckerAufPdf(QStringLiteral("sieger.pdf"));
        // "&Nein" to the first variation, "&Ja" to the other two.
        setNextAnswer(Antwort::Nein);
        setNextAnswer(Antwort::Ja);
        setNextAnswer(Antwort::Ja);
        m_w->aktion(QStringLiteral("laufe_pop_u_sl"))->trigger();

        const QList<Protokolleintrag> fragen = eintraege(QStringLiteral("frageOhneSymbol"));
        QCOMPARE(fragen.size(), 3);
        QCOMPARE(fragen[0].text, QStringLiteral("Hauptlauf drucken?"));
        QCOMPARE(fragen[0].titel, QStringLiteral("Tempolauftabellator"));
        QVERIFY(eintraege(QStringLiteral("fehler")).isEmpty());

        // The same command on the same cup, answered the same way, on the recording canvas.
        Cup c;
        QString fehlertext;
        QVERIFY(ladenDatei(c, kBeispiel, &fehlertext));
        AufzeichnendeLeinwand l(4800, 6800);
        int frage = 0;
        const int n = siegerurkunde(c, 1, l, {}, [&](const QString &) { return frage++ > 0; });
        QVERIFY(n > 0);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo fehlt");
        QCOMPARE(pdfSeiten(p), n);
    }

    void gesamtsiegerurkundenAlsPdf()
    {
        laden();
        laufWaehlen(6);
        const int seiteVorher = m_w->seiten()->currentIndex();
        urkunden()->pdf()->setChecked(true);
        const QString p = pfad(QStringLiteral("gesamt.pdf"));
        setNextFileName(p);
        const int spalten = m_w->cup().teil.colCount();
        m_w->aktion(QStringLiteral("laufe_pop_u_g"))->trigger();
        QVERIFY(QFile::exists(p));
        QCOMPARE(eintraege(QStringLiteral("speichern")).size(), 1);
        // The standings list is left in the pane, the page is not switched, the table is normal again.
        QVERIFY(m_w->ausgabe().text().contains(QStringLiteral("Gesamtergebnis")));
        QCOMPARE(m_w->seiten()->currentIndex(), seiteVorher);
        QCOMPARE(m_w->cup().teil.colCount(), spalten);
        if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QVERIFY(pdfSeiten(p) > 3);

        // Cancelling the file dialog writes nothing.
        QFile::remove(p);
        setNextFileName(QString());
        m_w->aktion(QStringLiteral("laufe_pop_u_g"))->trigger();
        QVERIFY(!QFile::exists(p));
    }

    void teilnehmerurkundeMitAktuellemLauf()
    {
        laden();
        laufWaehlen(1);
        m_w->aktion(QStringLiteral("laufe_pop_tl"))->trigger();
        TeilWahlUnit *t = teilWahl();
        // The race current when "Auswählen" is pressed counts: race 2.
        laufWaehlen(2);
        t->teil_wahl_box()->setEditText(QStringLiteral("081"));
        const QString p = druckerAufPdf(QStringLiteral("teilnahme.pdf"));
        QTest::mouseClick(t->klick(), Qt::LeftButton);
        QVERIFY(!t->isVisible());
        QVERIFY(QFile::exists(p));
        // Race 2 is a distance run: the participant's distance is on the page.
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {p, QStringLiteral("-")});
        text.waitForFinished();
        const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QVERIFY2(inhalt.contains(QStringLiteral("4521m")), qPrintable(inhalt));
            QVERIFY(inhalt.contains(QStringLiteral("2. Lauf")));
        }
    }

    void gesamtteilnehmerurkunde()
    {
        laden();
        laufWaehlen(6);
        m_w->aktion(QStringLiteral("laufe_pop_u_u"))->trigger();
        TeilWahlUnit *t = teilWahl();
        t->teil_wahl_box()->setEditText(QStringLiteral("081"));
        const QString p = druckerAufPdf(QStringLiteral("gesamtteilnehmer.pdf"));
        QTest::mouseClick(t->klick(), Qt::LeftButton);
        QVERIFY(m_w->ausgabe().text().contains(QStringLiteral("Gesamtergebnis")));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QCOMPARE(pdfSeiten(p), 1);
    }

    void druckerFehlerWirdGemeldet()
    {
        laden();
        laufWaehlen(1);
        // A PDF printer without a file name cannot start a job.
        m_w->drucker().setOutputFormat(QPrinter::PdfFormat);
        m_w->drucker().setOutputFileName(QString());
        // Three variations are asked for, then the error box is acknowledged.
        for (int i = 0; i < 4; ++i)
            setNextAnswer(Antwort::Ja);
        m_w->aktion(QStringLiteral("laufe_pop_u_sl"))->trigger();
        QCOMPARE(eintraege(QStringLiteral("fehler")).size(), 1);
        QVERIFY(eintraege(QStringLiteral("fehler"))[0].text.contains(QStringLiteral("Druckauftrag")));
        // The job starts with the first certificate, after the questions; it is reported once.
        QCOMPARE(eintraege(QStringLiteral("frageOhneSymbol")).size(), 3);
        resetTestHooks();
        setTestmodus(true);
    }

    void freigabeDerUrkundenpunkte()
    {
        laden();
        const auto an = [&](const char *name) { return m_w->aktion(QLatin1String(name))->isEnabled(); };
        const auto oeffnen = [&](int k) {
            laufWaehlen(k);
            emit m_w->menue(QStringLiteral("laufe_pop"))->aboutToShow();
        };
        oeffnen(6);
        QVERIFY(an("laufe_pop_u") && an("laufe_pop_u_sl") && an("laufe_pop_tl"));
        QVERIFY(an("laufe_pop_u_g") && an("laufe_pop_u_u"));
        // The overall certificates only on the last race.
        oeffnen(5);
        QVERIFY(an("laufe_pop_u"));
        QVERIFY(!an("laufe_pop_u_g") && !an("laufe_pop_u_u"));
        oeffnen(6);
        QVERIFY(an("laufe_pop_u_g"));
        // Without participants the race certificates stay reachable, the overall ones do not.
        m_w->cup().teil.setRowCount(1);
        m_w->aktualisieren();
        oeffnen(6);
        QVERIFY(an("laufe_pop_u"));
        QVERIFY(!an("laufe_pop_u_g") && !an("laufe_pop_u_u"));
    }

    void bilderSeite()
    {
        QWidget *seite = m_w->bilderSeite();
        const QList<QLabel *> bilder = seite->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^bild_")));
        QCOMPARE(bilder.size(), 10);
        QLabel *laeufer = seite->findChild<QLabel *>(QStringLiteral("bild_laufer"));
        QVERIFY(laeufer);
        QCOMPARE(laeufer->pixmap().size(), QSize(215, 527));
        QCOMPARE(seite->findChild<QLabel *>(QStringLiteral("bild_sponsor_3"))->pixmap().size(), QSize(1136, 449));
        // The page stays hidden.
        QVERIFY(!m_w->seiten()->isTabVisible(m_w->seiten()->indexOf(seite)));
    }
};

QTEST_MAIN(TstUrkundenUnit)
#include "tst_urkunden_unit.moc"
