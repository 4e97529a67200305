// The report commands of both context menus, driven through the real main window: preview, print
// (into a PDF printer), HTML and PDF export, the print dialog's answers and the page "Ausgabe".
#include "core/cupdatei.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "reports/ausgabe.h"
#include "reports/dlv.h"
#include "reports/drucken.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/laufergebnis.h"
#include "reports/teilnehmer.h"
#include "scoring/gesamtwertung.h"
#include "support/berichtscups.h"
#include "support/golden.h"
#include "support/testhilfe.h"
#include "ui/ausgabe_ansicht.h"
#include "ui/berichtsbefehle.h"
#include "ui/gitter.h"
#include "ui/html_unit.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace tlt;
using namespace tlt::ui;

namespace {

// The selection every command of a submenu takes its object from, on the report cup:
// race 1 in the races table, participant row 2 and the result column of race 2 in the participants table.
constexpr int kLauf = 1;
constexpr int kTeilSpalte = 9; // race 2
constexpr int kTeilZeile = 2;

void waehlen(MainUnit &w)
{
    w.aktualisieren();
    w.laufeGitter()->setAktuelleZelle(kLauf, 1);
    w.teilGitter()->setAktuelleZelle(kTeilSpalte, kTeilZeile);
}

// The standings list; the window then leaves the participants in the standings' order.
void gesamtUndOrdnen(Cup &c, Ausgabe &a, int n)
{
    ausgabe_gesamt(c, a, n);
    teilOrdnen(c, gesamtstand(c, n).reihenfolge);
}

// The race result list; the window then leaves the participants in the list's order.
void laufergebnisUndOrdnen(Cup &c, Ausgabe &a, int k)
{
    ausgabe_laufergebnis(c, a, k);
    teilOrdnen(c, ergebnisfolge(c, k));
}

// The report a submenu stands for, written by the report function itself on a fresh copy of the cup.
void sollBericht(const QString &menue, Cup &c, Ausgabe &a)
{
    if (menue == "laufe_pop_s")
        laufergebnisUndOrdnen(c, a, kLauf);
    else if (menue == "laufe_pop_g")
        gesamtUndOrdnen(c, a, kLauf);
    else if (menue == "laufe_pop_d_1")
        ausgabe_dlv(c, a, kLauf);
    else if (menue == "laufe_pop_d_2")
        ausgabe_dlv_2(c, a, kLauf);
    else if (menue == "teil_pop_t")
        ausgabe_teilnehmer(c, a, kTeilZeile);
    else if (menue == "teil_pop_a")
        ausgabe_teilnehmeralle(c, a);
    else if (menue == "teil_pop_s")
        laufergebnisUndOrdnen(c, a, kTeilSpalte - 7);
    else if (menue == "teil_pop_g")
        gesamtUndOrdnen(c, a, kTeilSpalte - 7);
    else
        QFAIL(qPrintable("unknown menu " + menue));
}

QStringList tabellenText(const Tabelle &t)
{
    QStringList z;
    for (int r = 0; r < t.rowCount(); ++r) {
        QStringList zeile;
        for (int c = 0; c < t.colCount(); ++c)
            zeile << t.cell(c, r);
        z << zeile.join('|');
    }
    return z;
}

// Pages of a PDF as its page objects say; pdfinfo agrees where it is installed.
int pdfSeiten(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray daten = f.readAll();
    if (!daten.startsWith("%PDF"))
        return -1;
    int gezaehlt = 0;
    auto it = QRegularExpression("/Type\\s*/Page(?![a-zA-Z])").globalMatch(QString::fromLatin1(daten));
    while (it.hasNext()) {
        it.next();
        ++gezaehlt;
    }
    if (!QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        QProcess p;
        p.start("pdfinfo", {pfad});
        p.waitForFinished();
        const QString info = QString::fromUtf8(p.readAllStandardOutput());
        const auto m = QRegularExpression("Pages:\\s*(\\d+)").match(info);
        if (!m.hasMatch() || m.captured(1).toInt() != gezaehlt)
            return -2;
    }
    return gezaehlt;
}

// The pages a report takes on a device, as the print layout breaks it.
int erwarteteSeiten(const Ausgabe &a, QPagedPaintDevice &geraet)
{
    const QRect r = seitenrechteck(geraet, kRandLinks, kRandOben, kRandRechts, kRandUnten);
    const auto plaetze = seitenumbruch(a, geraet, r);
    return plaetze.empty() ? 1 : plaetze.back().seite + 1;
}

int erwartetePdfSeiten(const Ausgabe &a)
{
    QByteArray b;
    QBuffer puffer(&b);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(600);
    return erwarteteSeiten(a, pdf);
}

void pdfDrucker(MainUnit &w, const QString &pfad)
{
    w.drucker().setOutputFormat(QPrinter::PdfFormat);
    w.drucker().setOutputFileName(pfad);
    w.drucker().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool ausloesen(MainUnit &w, const QString &name)
{
    auto *a = w.findChild<QAction *>(name);
    if (!a)
        return false;
    a->trigger();
    return true;
}

QStringList protokollArten()
{
    QStringList l;
    for (const auto &e : protokoll())
        l << e.art;
    return l;
}

} // namespace

class TestBerichtsbefehle : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        test::deutschUndFesteUhr();
        resetTestHooks();
        setTestmodus(true);
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        // No dialog may have waited for an answer the test did not give.
        QVERIFY2(!protokollArten().contains("unerwartet"), qPrintable(protokollArten().join(',')));
    }

    void everySubmenuEndsWithPdfExport_data()
    {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QStringList>("punkte");
        const QStringList vdhp{"&Vorschau", "&Drucken", "&HTML-Export", "&PDF-Export"};
        const QStringList vdp{"&Vorschau", "&Drucken", "&PDF-Export"};
        for (const char *m : {"laufe_pop_s", "laufe_pop_g", "teil_pop_t", "teil_pop_a", "teil_pop_s", "teil_pop_g"})
            QTest::newRow(m) << QString(m) << vdhp;
        QTest::newRow("laufe_pop_d_1") << QString("laufe_pop_d_1") << vdp;
        QTest::newRow("laufe_pop_d_2") << QString("laufe_pop_d_2") << vdp;
    }

    void everySubmenuEndsWithPdfExport()
    {
        QFETCH(QString, menue);
        QFETCH(QStringList, punkte);
        MainUnit w;
        auto *m = w.findChild<QMenu *>(menue);
        QVERIFY(m);
        QStringList texte;
        for (QAction *a : m->actions())
            texte << a->text();
        QCOMPARE(texte, punkte);
        QCOMPARE(m->actions().last()->objectName(), menue + "_p");
    }

    // Every command of every report submenu: the report in the pane is the report function's, the
    // participants are left in the order the report leaves them, and each target does its part.
    void everyCommandProducesItsReport_data()
    {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QChar>("ziel");
        for (const char *m : {"laufe_pop_s", "laufe_pop_g", "laufe_pop_d_1", "laufe_pop_d_2", "teil_pop_t",
                              "teil_pop_a", "teil_pop_s", "teil_pop_g"}) {
            const bool dlv = QByteArray(m).startsWith("laufe_pop_d");
            for (QChar z : {QChar('v'), QChar('d'), QChar('h'), QChar('p')}) {
                if (dlv && z == 'h')
                    continue;
                const QByteArray name = QByteArray(m) + '_' + z.toLatin1();
                QTest::newRow(name.constData()) << QString(m) << z;
            }
        }
    }

    void everyCommandProducesItsReport()
    {
        QFETCH(QString, menue);
        QFETCH(QChar, ziel);

        Cup sollCup = test::berichtsCup();
        Ausgabe soll;
        sollBericht(menue, sollCup, soll);
        QVERIFY(soll.anzahl() > 5);

        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        const QString pdf = m_dir->filePath(QString("%1_%2.pdf").arg(menue).arg(ziel));
        const QString htm = m_dir->filePath(QString("%1.htm").arg(menue));
        int seiten = 0;
        if (ziel == 'd') {
            pdfDrucker(w, pdf);
            seiten = erwarteteSeiten(soll, w.drucker());
            setNextAnswer(Antwort::Ja);
        } else if (ziel == 'h') {
            setNextFileName(htm);
        } else if (ziel == 'p') {
            seiten = erwartetePdfSeiten(soll);
            setNextFileName(pdf);
        }
        const int seiteVorher = w.seiten()->currentIndex();

        QVERIFY(ausloesen(w, menue + '_' + ziel));

        QCOMPARE(tabellenText(w.cup().teil), tabellenText(sollCup.teil));
        QVERIFY2(protokollArten().isEmpty() || !protokollArten().contains("fehler"),
                 qPrintable(protokollArten().join(',')));
        if (ziel == 'v') {
            QCOMPARE(test::paneltext(w.ausgabe()), test::paneltext(soll));
            QCOMPARE(w.seiten()->currentWidget(), w.ausgabeSeite());
            QCOMPARE(w.ausgabeAnsicht()->zeilenAnzahl(), soll.anzahl());
            return;
        }
        // Printing and exporting leave the page as it was and the pane empty.
        QCOMPARE(w.seiten()->currentIndex(), seiteVorher);
        QVERIFY(w.ausgabe().leer());
        if (ziel == 'h') {
            QFile f(htm);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), htmlSeite(soll, sollCup));
            QCOMPARE(protokoll().last().titel, QString("HTML-Export speichern unter"));
        } else {
            QCOMPARE(ziel == 'd' ? protokollAnzahl("drucken") : 0, ziel == 'd' ? 1 : 0);
            QVERIFY(seiten >= 1);
            QCOMPARE(pdfSeiten(pdf), seiten);
            if (ziel == 'p')
                QCOMPARE(protokoll().last().titel, QString("PDF-Export speichern unter"));
        }
    }

    void previewMatchesGoldenReports_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<int>("laufeSpalte");
        QTest::addColumn<int>("teilSpalte");
        QTest::addColumn<QString>("datei");
        QTest::newRow("race list from races table") << "laufe_pop_s_v" << 1 << 0 << "laufergebnis_zeitlauf.txt";
        QTest::newRow("race list from participants table")
            << "teil_pop_s_v" << 0 << 9 << "laufergebnis_distanzlauf.txt";
        QTest::newRow("standings from races table") << "laufe_pop_g_v" << 1 << 0 << "gesamt_berichtscup.txt";
        QTest::newRow("standings from participants table") << "teil_pop_g_v" << 0 << 8 << "gesamt_berichtscup.txt";
    }

    void previewMatchesGoldenReports()
    {
        QFETCH(QString, aktion);
        QFETCH(int, laufeSpalte);
        QFETCH(int, teilSpalte);
        QFETCH(QString, datei);
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        w.aktualisieren();
        w.laufeGitter()->setAktuelleZelle(laufeSpalte, 1);
        w.teilGitter()->setAktuelleZelle(teilSpalte, 1);
        QVERIFY(ausloesen(w, aktion));
        const QString fehler = test::goldenVergleich(datei, test::paneltext(w.ausgabe()).toUtf8());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(w.seiten()->currentWidget(), w.ausgabeSeite());
    }

    void cancelledPrintDialogLeavesPaneUntouched()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        QVERIFY(ausloesen(w, "laufe_pop_s_v"));
        const QString vorher = test::paneltext(w.ausgabe());
        const QStringList teilVorher = tabellenText(w.cup().teil);
        const QString pdf = m_dir->filePath("abgebrochen.pdf");
        pdfDrucker(w, pdf);
        for (const char *a : {"teil_pop_a_d", "laufe_pop_g_d", "laufe_pop_d_2_d", "teil_pop_t_d"}) {
            setNextAnswer(Antwort::Nein);
            QVERIFY(ausloesen(w, a));
        }
        QCOMPARE(protokollAnzahl("drucken"), 4);
        QCOMPARE(test::paneltext(w.ausgabe()), vorher);
        // Nothing was built either: the participants keep the order of the last report.
        QCOMPARE(tabellenText(w.cup().teil), teilVorher);
        QVERIFY(!QFile::exists(pdf));
    }

    void noInstalledPrinterOnlyWarns()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer installed");
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        QVERIFY(ausloesen(w, "teil_pop_t_v"));
        const QString vorher = test::paneltext(w.ausgabe());
        setNextAnswer(Antwort::Ok);
        QVERIFY(ausloesen(w, "laufe_pop_g_d"));
        QCOMPARE(protokollArten(), QStringList{"warnung"});
        QVERIFY(protokoll().first().text.startsWith("Es ist kein Drucker installiert."));
        QCOMPARE(test::paneltext(w.ausgabe()), vorher);
    }

    void printerErrorKeepsThePane()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        pdfDrucker(w, m_dir->filePath("fehlt/nicht/da.pdf"));
        setNextAnswer(Antwort::Ja);
        setNextAnswer(Antwort::Ok);
        QVERIFY(ausloesen(w, "laufe_pop_s_d"));
        QCOMPARE(protokollArten(), (QStringList{"drucken", "fehler"}));
        Cup c = test::berichtsCup();
        Ausgabe soll;
        ausgabe_laufergebnis(c, soll, kLauf);
        QCOMPARE(test::paneltext(w.ausgabe()), test::paneltext(soll));
    }

    void raceListPrintWithoutParticipantsDoesNothing()
    {
        MainUnit w;
        test::laufAnhaengen(w.cup(), kZeitlauf, "01.05.2026", "ja");
        w.aktualisieren();
        w.laufeGitter()->setAktuelleZelle(1, 1);
        pdfDrucker(w, m_dir->filePath("leer.pdf"));
        QVERIFY(ausloesen(w, "laufe_pop_s_d"));
        QCOMPARE(protokollAnzahl("drucken"), 0);
        QVERIFY(w.ausgabe().leer());
        QVERIFY(!QFile::exists(m_dir->filePath("leer.pdf")));
        // The standings still ask (their menu is disabled without participants instead).
        setNextAnswer(Antwort::Nein);
        QVERIFY(ausloesen(w, "laufe_pop_g_d"));
        QCOMPARE(protokollAnzahl("drucken"), 1);
    }

    // Every row of the command table stands in its context menu: its submenu in the races' or the
    // participants' menu (or in the submenu of its group), with exactly the items its row asks for.
    void everyTableRowHasItsSubmenu()
    {
        MainUnit w;
        int zeilen = 0;
        for (const Berichtsbefehl &b : berichtsbefehle()) {
            ++zeilen;
            const QString name = QLatin1String(b.name);
            QMenu *m = w.findChild<QMenu *>(name);
            QVERIFY2(m, b.name);
            QCOMPARE(m->title(), QString::fromUtf8(b.titel));
            QMenu *kontext = w.findChild<QMenu *>(b.menue == Kontextmenue::Laufe ? "laufe_pop" : "teil_pop");
            QMenu *in = b.gruppe ? w.findChild<QMenu *>(QLatin1String(b.gruppe)) : kontext;
            QVERIFY2(in && in->actions().contains(m->menuAction()), b.name);
            if (b.gruppe)
                QVERIFY(kontext->actions().contains(in->menuAction()));
            QStringList soll{name + "_v", name + "_d"};
            if (b.html)
                soll << name + "_h";
            if (b.pdf)
                soll << name + "_p";
            QStringList ist;
            for (QAction *a : m->actions())
                ist << a->objectName();
            QCOMPARE(ist, soll);
        }
        QCOMPARE(zeilen, 12);
    }

    // A print dialog without a scripted answer is recorded like any other unexpected dialog and
    // cancelled: nothing is built or printed.
    void unscriptedPrintDialogIsRecordedAndCancelled()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        const QString pdf = m_dir->filePath("ungefragt.pdf");
        pdfDrucker(w, pdf);
        QVERIFY(ausloesen(w, "teil_pop_g_d"));
        QCOMPARE(protokollArten(), QStringList{"unerwartet"});
        QCOMPARE(protokoll().first().titel, QString("Drucken"));
        QVERIFY(w.ausgabe().leer());
        QVERIFY(!QFile::exists(pdf));
        // The scripted answers are one queue: print first, then the error box of the failed print.
        resetTestHooks();
        setTestmodus(true);
        pdfDrucker(w, m_dir->filePath("fehlt/nicht/da.pdf"));
        setNextAnswer(Antwort::Ja);
        setNextAnswer(Antwort::Ok);
        QVERIFY(ausloesen(w, "teil_pop_g_d"));
        QCOMPARE(protokollArten(), (QStringList{"drucken", "fehler"}));
    }

    void noSelectionNoReport_data()
    {
        QTest::addColumn<QString>("aktion");
        for (const char *a :
             {"laufe_pop_s_v", "laufe_pop_g_v", "laufe_pop_d_1_v", "teil_pop_s_v", "teil_pop_g_v", "teil_pop_t_v"})
            QTest::newRow(a) << QString(a);
    }

    void noSelectionNoReport()
    {
        QFETCH(QString, aktion);
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        w.aktualisieren();
        // The label column of the races, the first fixed column and the heading row of the participants.
        w.laufeGitter()->setAktuelleZelle(0, 1);
        w.teilGitter()->setAktuelleZelle(7, 0);
        QVERIFY(ausloesen(w, aktion));
        QVERIFY(w.ausgabe().leer());
        QCOMPARE(w.seiten()->currentIndex(), 0);
    }

    void htmlExportCancelledKeepsReport()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        setNextFileName(QString());
        QVERIFY(ausloesen(w, "teil_pop_a_h"));
        Cup c = test::berichtsCup();
        Ausgabe soll;
        ausgabe_teilnehmeralle(c, soll);
        QCOMPARE(test::paneltext(w.ausgabe()), test::paneltext(soll));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
        QCOMPARE(protokoll().last().art, QString("speichern"));
        QCOMPARE(w.seiten()->currentIndex(), 0);
    }

    void exportDialogs()
    {
        Cup c;
        c.dateiname = m_dir->filePath("cup.tl3");
        const Dateiauswahl h = savehtml(c);
        QCOMPARE(h.titel, QString("HTML-Export speichern unter"));
        QCOMPARE(h.filter, QString("HTML-Dateien (*.htm *.html);;alle Dateien (*)"));
        QCOMPARE(h.endung, QString("htm"));
        QCOMPARE(h.verzeichnis, m_dir->path());
        const Dateiauswahl p = savepdf(c);
        QCOMPARE(p.titel, QString("PDF-Export speichern unter"));
        QCOMPARE(p.filter, QString("PDF-Dateien (*.pdf)"));
        QCOMPARE(p.endung, QString("pdf"));
    }

    void exportWithoutExtensionGetsDefaultOne()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        setNextFileName(m_dir->filePath("liste"));
        QVERIFY(ausloesen(w, "laufe_pop_s_h"));
        QVERIFY(QFile::exists(m_dir->filePath("liste.htm")));
        setNextFileName(m_dir->filePath("liste"));
        QVERIFY(ausloesen(w, "laufe_pop_s_p"));
        QVERIFY(QFile::exists(m_dir->filePath("liste.pdf")));

        // The completed name now exists: the overwrite question is asked, and "&Nein" keeps the file.
        const QByteArray alt = [&] {
            QFile f(m_dir->filePath("liste.htm"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        setNextFileName(m_dir->filePath("liste"));
        setNextAnswer(Antwort::Nein);
        QVERIFY(ausloesen(w, "teil_pop_a_h"));
        QCOMPARE(protokollArten().last(), QString("frage"));
        QVERIFY(protokoll().last().text.contains("liste.htm"));
        QFile f(m_dir->filePath("liste.htm"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), alt);
        QVERIFY(!w.ausgabe().leer());
    }

    void htmlExportFailureKeepsPane()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        setNextFileName(m_dir->filePath("gibt/es/nicht.htm"));
        setNextAnswer(Antwort::Ok);
        QVERIFY(ausloesen(w, "laufe_pop_g_h"));
        QCOMPARE(protokollArten(), (QStringList{"speichern", "fehler"}));
        QVERIFY(!w.ausgabe().leer());
        setNextFileName(m_dir->filePath("gibt/es/nicht.pdf"));
        setNextAnswer(Antwort::Ok);
        QVERIFY(ausloesen(w, "laufe_pop_g_p"));
        QCOMPARE(protokollArten().last(), QString("fehler"));
        QVERIFY(!w.ausgabe().leer());
    }

    void chosenHtmlStyleIsUsedAndResetByNew()
    {
        MainUnit w;
        w.cup().uebernehmen(test::berichtsCup());
        waehlen(w);
        QVERIFY(ausloesen(w, "m_e_h"));
        auto *html = w.findChild<HtmlUnit *>("html");
        QVERIFY(html);
        QVERIFY(html->isVisible());
        QCOMPARE(html->stil()->currentIndex(), 0);
        html->stil()->setCurrentIndex(1);
        QCOMPARE(w.cup().htmlstil, 1);

        const QString pfad = m_dir->filePath("blau.htm");
        setNextFileName(pfad);
        QVERIFY(ausloesen(w, "laufe_pop_s_h"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString fehler = test::goldenVergleich("laufergebnis_stil1.htm", f.readAll());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));

        // "&Neu" starts over with the standard style; the open dialog follows.
        w.cup().geaendert = false;
        QVERIFY(ausloesen(w, "m_d_n"));
        QCOMPARE(w.cup().htmlstil, 0);
        QCOMPARE(html->stil()->currentIndex(), 0);
        html->hide();
        w.cup().htmlstil = 1;
        QVERIFY(ausloesen(w, "m_e_h"));
        QCOMPARE(html->stil()->currentIndex(), 1);
    }

    void conversionFailureShowsMessageAndKeepsLines_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::newRow("preview") << "laufe_pop_s_v";
        QTest::newRow("print") << "laufe_pop_s_d";
        QTest::newRow("html") << "teil_pop_s_h";
        QTest::newRow("pdf") << "laufe_pop_g_p";
    }

    void conversionFailureShowsMessageAndKeepsLines()
    {
        QFETCH(QString, aktion);
        MainUnit w;
        Cup kaputt = test::berichtsCup();
        kaputt.ag.setCell(2, 3, "x9");
        w.cup().uebernehmen(Cup(kaputt));
        w.aktualisieren();
        w.laufeGitter()->setAktuelleZelle(1, 1);
        w.teilGitter()->setAktuelleZelle(8, 1);
        const QString pdf = m_dir->filePath("kaputt.pdf");
        pdfDrucker(w, pdf);
        setNextAnswer(Antwort::Ja);
        setNextAnswer(Antwort::Ok);
        QVERIFY(ausloesen(w, aktion));

        // The report's own lines up to the failure.
        Ausgabe soll;
        try {
            if (aktion.startsWith("laufe_pop_g"))
                ausgabe_gesamt(kaputt, soll, 1);
            else
                ausgabe_laufergebnis(kaputt, soll, 1);
            QFAIL("the report should have failed");
        } catch (const Konvertierungsfehler &) {
        }
        QVERIFY(soll.anzahl() > 3);
        QCOMPARE(test::paneltext(w.ausgabe()), test::paneltext(soll));
        QCOMPARE(protokollArten().last(), QString("fehler"));
        // The message names the age group whose maximum age cannot be read.
        QCOMPARE(protokoll().last().text,
                 QString("'x9' ist kein gültiger Integerwert – bei Altersgruppe WK U12/MK U12, Maximalalter"));
        // Nothing printed, nothing exported, the page stays.
        QVERIFY(!protokollArten().contains("speichern"));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(w.seiten()->currentIndex(), 0);
    }

    void outputPageSelectsAndCopiesWholeLines()
    {
        Ausgabe a;
        a.p(0, Fett, 14, "Kopf");
        a.leerzeile();
        a.p(0, Unterstrichen, 9, "Pos.  Name");
        a.p(0, Normal, 9, "  1. Muster, Max");
        AusgabeAnsicht v(&a);
        v.resize(600, 300);
        v.show();
        v.aktualisieren();
        QCOMPARE(v.auswahlVon(), -1);
        QCOMPARE(v.ausgewaehlterText(), QString());
        // Click the first line, Shift+click the third: lines 0 to 2, as the pane holds them.
        const QPoint links(10, 0);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, links + QPoint(0, v.zeilenOben(0) + 8));
        QTest::mouseClick(v.viewport(), Qt::LeftButton, Qt::ShiftModifier, links + QPoint(0, v.zeilenOben(2) + 8));
        QCOMPARE(v.auswahlVon(), 0);
        QCOMPARE(v.auswahlBis(), 2);
        QCOMPARE(v.ausgewaehlterText(), QString("Kopf\n \nPos.  Name"));
        QTest::keyClick(&v, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(v.ausgewaehlterText(), a.text());
        // A new report drops the selection.
        a.p(0, Normal, 9, "neu");
        v.aktualisieren();
        QCOMPARE(v.auswahlVon(), -1);
        QCOMPARE(v.zeilenAnzahl(), 5);
    }

    // The sample cup's longest report: every participant's statistics. The page shows every line of
    // the pane in its own font, the printout takes several pages, the PDF export the same.
    void longReportOnPageAndPaper()
    {
        MainUnit w;
        QVERIFY(w.ladeDatei(QStringLiteral(TLT_SOURCE_DIR "/examples/beispielcup.tl3")));
        w.aktualisieren();
        w.teilGitter()->setAktuelleZelle(8, 1);
        w.resize(900, 700);
        w.show();
        QVERIFY(ausloesen(w, "teil_pop_a_v"));
        const Ausgabe &a = w.ausgabe();
        QVERIFY(a.anzahl() > 500);
        AusgabeAnsicht *v = w.ausgabeAnsicht();
        QCOMPARE(v->zeilenAnzahl(), a.anzahl());
        int y = 0;
        for (int i = 0; i < a.anzahl(); ++i) {
            const QFont f = v->schrift(i);
            const Ausgabezeile &z = a.zeile(i);
            QCOMPARE(f.pointSize(), z.groesse);
            QCOMPARE(f.bold(), bool(z.stil & Fett));
            QCOMPARE(f.underline(), bool(z.stil & Unterstrichen));
            QCOMPARE(f.family(), QString("Courier New"));
            QCOMPARE(v->zeilenOben(i), y);
            QCOMPARE(v->zeileBei(y), i);
            y += QFontMetrics(f, v->viewport()).lineSpacing();
        }
        QCOMPARE(v->inhaltsHoehe(), y);
        QVERIFY(v->inhaltsBreite() >=
                QFontMetrics(v->schrift(a.anzahl() - 1), v->viewport()).horizontalAdvance(QString(80, 'x')));

        // Painted: black text on white at the top, and still at the very end.
        auto dunklePunkte = [v] {
            const QImage bild = v->viewport()->grab().toImage();
            int n = 0;
            for (int yy = 0; yy < bild.height(); yy += 2)
                for (int xx = 0; xx < bild.width(); xx += 2)
                    n += qGray(bild.pixel(xx, yy)) < 80;
            return std::pair{n, qGray(bild.pixel(bild.width() - 1, bild.height() - 1))};
        };
        auto [oben, ecke] = dunklePunkte();
        QVERIFY(oben > 50);
        QCOMPARE(ecke, 255);
        v->verticalScrollBar()->setValue(v->verticalScrollBar()->maximum());
        QVERIFY(v->verticalScrollBar()->maximum() > 10000);
        QVERIFY(dunklePunkte().first > 50);

        // Ctrl+A, Ctrl+C: the lines exactly as the pane holds them.
        v->alleMarkieren();
        QCOMPARE(v->ausgewaehlterText(), a.text());

        const QString pdf = m_dir->filePath("alle.pdf");
        pdfDrucker(w, pdf);
        const int seiten = erwarteteSeiten(a, w.drucker());
        QVERIFY(seiten > 5);
        setNextAnswer(Antwort::Ja);
        QVERIFY(ausloesen(w, "teil_pop_a_d"));
        QVERIFY(w.ausgabe().leer());
        QCOMPARE(pdfSeiten(pdf), seiten);
        // The cleared pane leaves an empty page.
        QCoreApplication::processEvents();
        QCOMPARE(v->zeilenAnzahl(), 0);
    }
};

QTEST_MAIN(TestBerichtsbefehle)
#include "tst_berichtsbefehle.moc"
