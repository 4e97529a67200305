// Reading foreign tables: CSV/TXT in their encodings and separators, XLSX and ODS from several writers.
#include "austausch/tabellendatei.h"
#include "austausch/zuordnung.h"
#include "support/testhilfe.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <zip.h>

using namespace tlt;

namespace {
QString pfad(const QString &name)
{
    return test::testdatenPfad(QStringLiteral("austausch/") + name);
}

QStringList texte(const Rohzeile &z)
{
    QStringList l;
    for (const Zelle &c : z.zellen)
        l << c.text;
    return l;
}

QList<int> zeilennummern(const Rohtabelle &t)
{
    QList<int> l;
    for (const Rohzeile &z : t.zeilen)
        l << z.zeile;
    return l;
}
} // namespace

class TstTabellendatei : public QObject {
    Q_OBJECT
private slots:
    void quotedFieldsKeepSeparatorsQuotesAndLineBreaks()
    {
        Rohtabelle t;
        QString fehler;
        QVERIFY(csvLesen("a;b;c\r\n\"x;y\";\"er sagte \"\"hallo\"\"\";\"zwei\r\nZeilen\"\r\n\r\n ende ;;\r\n", &t, &fehler));
        QCOMPARE(t.zeilen.size(), 3);
        QCOMPARE(texte(t.zeilen[1]), (QStringList{"x;y", "er sagte \"hallo\"", "zwei\nZeilen"}));
        // The record with the line break began on line 2; the empty line 4 is left out, and fields
        // outside quotes are trimmed.
        QCOMPARE(zeilennummern(t), (QList<int>{1, 2, 5}));
        QCOMPARE(texte(t.zeilen[2]), (QStringList{"ende", "", ""}));
    }

    void unclosedQuoteIsReportedWithItsLine()
    {
        Rohtabelle t;
        QString fehler;
        QVERIFY(!csvLesen("a;b\n1;2\n3;\"offen\n4;5\n", &t, &fehler));
        QVERIFY2(fehler.startsWith(QLatin1String("Zeile 3:")), qPrintable(fehler));
        QVERIFY(t.zeilen.isEmpty());
    }

    void separatorIsTheMostFrequentInTheFirstRecord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("semikolon") << "Name;Vorname;Zeit, brutto\n" << ";";
        QTest::newRow("komma") << "Name,Vorname,Zeit\n" << ",";
        QTest::newRow("tab") << "Name\tVorname\tVerein, Ort\n" << "\t";
        QTest::newRow("in Anführungszeichen zählt nicht") << "\"a;b;c\",x,y\n" << ",";
        QTest::newRow("Leerzeilen davor") << "\n\nA,B\n" << ",";
        QTest::newRow("nur eine Spalte") << "Startnummer\n12\n" << ";";
    }
    void separatorIsTheMostFrequentInTheFirstRecord()
    {
        QFETCH(QString, text);
        QFETCH(QString, erwartet);
        QCOMPARE(QString(trennzeichenErkennen(text)), erwartet);
    }

    void encodingsAreDetected()
    {
        Rohtabelle t;
        QString fehler;
        // Windows-1252: ä is the single byte E4, which is no valid UTF-8.
        QVERIFY(csvLesen(QByteArray("Name;Verein\nM\xfcller;Gr\xfcn-Wei\xdf\n"), &t, &fehler));
        QCOMPARE(t.zeilen[1].zellen[1].text, QStringLiteral("Grün-Weiß"));
        QVERIFY(t.beschreibung.startsWith(QLatin1String("Windows-1252")));
        // UTF-8 with BOM: the BOM is not part of the first heading.
        QVERIFY(csvLesen(QByteArray("\xEF\xBB\xBFName;Verein\nM\xC3\xBCller;X\n"), &t, &fehler));
        QCOMPARE(t.zeilen[0].zellen[0].text, QStringLiteral("Name"));
        QCOMPARE(t.zeilen[1].zellen[0].text, QStringLiteral("Müller"));
        QVERIFY(t.beschreibung.startsWith(QLatin1String("UTF-8 mit BOM")));
        // UTF-16 with BOM, as some Windows programs save "Unicode text".
        const QString s = QStringLiteral("Name\tZeit\r\nÖzil\t21:05\r\n");
        QByteArray utf16("\xFF\xFE");
        utf16.append(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
        QVERIFY(csvLesen(utf16, &t, &fehler));
        QCOMPARE(texte(t.zeilen[1]), (QStringList{"Özil", "21:05"}));
    }

    void committedCsvFilesFromBothEncodings()
    {
        Rohtabelle t;
        QString fehler;
        QVERIFY2(tabelleLesen(pfad("ergebnisse_1252.csv"), {}, &t, &fehler), qPrintable(fehler));
        QCOMPARE(t.zeilen[1].zellen[2].text, QStringLiteral("Öztürk"));
        QCOMPARE(t.zeilen[1].zellen[4].text, QStringLiteral("LG Süd; Abt. Lauf"));
        QCOMPARE(t.zeilen[2].zellen[4].text, QStringLiteral("TSV Nord\nLaufgruppe"));
        // The club with a line break takes lines 3 and 4.
        QCOMPARE(zeilennummern(t), (QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 10}));

        Rohtabelle u;
        QVERIFY2(tabelleLesen(pfad("ergebnisse_utf8_bom.csv"), {}, &u, &fehler), qPrintable(fehler));
        QCOMPARE(u.zeilen.size(), t.zeilen.size());
        QCOMPARE(u.zeilen[0].zellen[0].text, QStringLiteral("Bib"));
        QCOMPARE(u.zeilen[1].zellen[1].text, QStringLiteral("Öztürk"));
        QCOMPARE(u.zeilen[1].zellen[3].text, QStringLiteral("LG Süd; Abt. Lauf"));

        Rohtabelle tab;
        QVERIFY2(tabelleLesen(pfad("ergebnisse_tab.txt"), {}, &tab, &fehler), qPrintable(fehler));
        QCOMPARE(texte(tab.zeilen[3]), (QStringList{"103", "Klein", "Lena", "10,5 km"}));
    }

    // The same registrations written by openpyxl and converted by LibreOffice to XLSX and ODS.
    void registrationsFromThreeWriters_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("openpyxl") << "meldungen_openpyxl.xlsx";
        QTest::newRow("LibreOffice xlsx") << "meldungen_libreoffice.xlsx";
        QTest::newRow("LibreOffice ods") << "meldungen_libreoffice.ods";
    }
    void registrationsFromThreeWriters()
    {
        QFETCH(QString, datei);
        Rohtabelle t;
        QString fehler;
        QVERIFY2(tabelleLesen(pfad(datei), {}, &t, &fehler), qPrintable(fehler));
        QCOMPARE(zeilennummern(t), (QList<int>{1, 2, 3, 5, 6, 7, 8, 9}));
        QCOMPARE(t.zeilen[0].zellen[2].text, QStringLiteral("Geb.-Datum"));
        // A date cell: days since 30.12.1899 with a date style.
        const Zelle &geb = t.zeilen[1].zellen[2];
        QCOMPARE(geb.art, Zelle::Art::Datum);
        QCOMPARE(geb.zahl, double(QDate(1899, 12, 30).daysTo(QDate(1990, 5, 17))));
        QCOMPARE(t.zeilen[1].zellen[0].text, QStringLiteral("Öztürk"));
        QCOMPARE(t.zeilen[1].zellen[1].text, QStringLiteral("Zoë"));
        // A number without a date style, and a date typed as text.
        QCOMPARE(t.zeilen[1].zellen[5].art, Zelle::Art::Zahl);
        QCOMPARE(t.zeilen[1].zellen[5].zahl, 101.0);
        QCOMPARE(t.zeilen[2].zellen[2].art, Zelle::Art::Text);
        QCOMPARE(t.zeilen[2].zellen[2].text, QStringLiteral("3.7.1985"));
        // Empty cells stay empty, also inside a row.
        QVERIFY(t.zeilen[6].zelle(5).leer());
        QVERIFY(t.zeilen[7].zelle(4).leer());
        QCOMPARE(t.zeilen[7].zellen[0].text, QStringLiteral("Berg"));

        // The second sheet by name, with English headings.
        QCOMPARE(blaetterLesen(pfad(datei), &fehler), (QStringList{"Meldungen", "Nachmeldungen"}));
        QVERIFY2(tabelleLesen(pfad(datei), QStringLiteral("Nachmeldungen"), &t, &fehler), qPrintable(fehler));
        QCOMPARE(t.zeilen.size(), 3);
        QCOMPARE(t.zeilen[1].zellen[4].text, QStringLiteral("Running Club, Leeds"));
        QCOMPARE(t.zeilen[1].zellen[2].zahl, 1988.0);
        const Zuordnung z = zuordnungErkennen(t);
        QCOMPARE(z.kopfzeile, 0);
        QCOMPARE(z.spalten, (QList<Feld>{Feld::Name, Feld::Vorname, Feld::Jahrgang, Feld::Geschlecht, Feld::Verein,
                                          Feld::Startnummer, Feld::Cup}));

        QVERIFY(!tabelleLesen(pfad(datei), QStringLiteral("Gibt es nicht"), &t, &fehler));
        QVERIFY2(fehler.contains(QLatin1String("Gibt es nicht")), qPrintable(fehler));
    }

    void odsDetailsOfAnotherWriter()
    {
        Rohtabelle t;
        QString fehler;
        QVERIFY2(tabelleLesen(pfad("meldungen_odfpy.ods"), {}, &t, &fehler), qPrintable(fehler));
        // Three repeated empty rows are counted, not listed; the repeated empty cells make no columns.
        QCOMPARE(zeilennummern(t), (QList<int>{1, 2, 6, 7}));
        QCOMPARE(t.zeilen[1].zellen[4].text, QStringLiteral("SV  Blau"));
        QCOMPARE(t.zeilen[1].zellen[2].art, Zelle::Art::Datum);
        QCOMPARE(t.zeilen[1].zellen[5].zahl, 301.0);
        QCOMPARE(t.zeilen[0].zellen.size(), 7);
        QCOMPARE(texte(t.zeilen[3]), (QStringList{"Hinweis"}));
    }

    void spreadsheetTimeCells_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("openpyxl") << "zeitzellen_openpyxl.xlsx";
        QTest::newRow("LibreOffice ods") << "zeitzellen_libreoffice.ods";
    }
    void spreadsheetTimeCells()
    {
        QFETCH(QString, datei);
        Rohtabelle t;
        QString fehler;
        QVERIFY2(tabelleLesen(pfad(datei), {}, &t, &fehler), qPrintable(fehler));
        QCOMPARE(t.zeilen.size(), 4);
        QCOMPARE(t.zeilen[1].zellen[3].art, Zelle::Art::Datum);
        QVERIFY(qAbs(t.zeilen[1].zellen[3].zahl * 86400 - 1265.3) < 0.001);
        QVERIFY(qAbs(t.zeilen[2].zellen[3].zahl * 86400 - 3723) < 0.001);
        QCOMPARE(t.zeilen[3].zellen[3].text, QStringLiteral("DNS"));
    }

    // The parts a workbook may use that the committed files do not: inline strings with runs,
    // phonetic runs, formula strings, booleans, cells and rows without references, a workbook that
    // lies elsewhere than xl/, and relative targets with "..".
    void handMadeWorkbookWithEveryKindOfCell()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("hand.xlsx"));
        {
            zipFile zip = zipOpen64(pfad.toLocal8Bit().constData(), APPEND_STATUS_CREATE);
            QVERIFY(zip);
            auto teil = [&zip](const char *name, const QByteArray &inhalt) {
                zip_fileinfo info{};
                QCOMPARE(zipOpenNewFileInZip64(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                               Z_DEFAULT_COMPRESSION, 0),
                         ZIP_OK);
                QCOMPARE(zipWriteInFileInZip(zip, inhalt.constData(), unsigned(inhalt.size())), ZIP_OK);
                QCOMPARE(zipCloseFileInZip(zip), ZIP_OK);
            };
            const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                                  "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
            teil("_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/"
                                "officeDocument/2006/relationships/officeDocument\" Target=\"mappe/buch.xml\"/></Relationships>");
            teil("mappe/buch.xml", "<workbook " + ns + "><sheets><sheet name=\"Erstes\" sheetId=\"1\" r:id=\"a\"/>"
                                   "<sheet name=\"Zweites\" sheetId=\"2\" r:id=\"b\"/></sheets></workbook>");
            teil("mappe/_rels/buch.xml.rels",
                 "<Relationships><Relationship Id=\"a\" Type=\"x/worksheet\" Target=\"../blaetter/eins.xml\"/>"
                 "<Relationship Id=\"b\" Type=\"x/worksheet\" Target=\"/blaetter/zwei.xml\"/>"
                 "<Relationship Id=\"s\" Type=\"x/sharedStrings\" Target=\"texte.xml\"/>"
                 "<Relationship Id=\"t\" Type=\"x/styles\" Target=\"stile.xml\"/></Relationships>");
            teil("mappe/texte.xml", "<sst " + ns + "><si><t>Name</t></si><si><r><t>Ma</t></r><r><t>ier</t></r>"
                                    "<rPh><t>MAIA</t></rPh></si></sst>");
            teil("mappe/stile.xml", "<styleSheet " + ns + "><numFmts><numFmt numFmtId=\"170\" formatCode=\"0&quot; m&quot;\"/>"
                                    "<numFmt numFmtId=\"171\" formatCode=\"[h]:mm:ss\"/></numFmts>"
                                    "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
                                    "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"170\"/><xf numFmtId=\"171\"/>"
                                    "<xf numFmtId=\"14\"/></cellXfs></styleSheet>");
            teil("blaetter/eins.xml",
                 "<worksheet " + ns + "><sheetData>"
                 "<row><c t=\"s\"><v>0</v></c><c t=\"inlineStr\"><is><r><t>Vor</t></r><r><t xml:space=\"preserve\">name </t></r></is></c></row>"
                 "<row r=\"4\"><c r=\"A4\" t=\"s\"><v>1</v></c><c r=\"C4\" s=\"1\"><v>10500</v></c>"
                 "<c r=\"D4\" s=\"2\"><v>0.5</v></c><c r=\"E4\" s=\"3\"><v>33000</v></c>"
                 "<c r=\"F4\" t=\"str\"><f>A4</f><v>Maier</v></c><c r=\"G4\" t=\"b\"><v>1</v></c></row>"
                 "<row r=\"5\"><c r=\"B5\"/></row>"
                 "</sheetData></worksheet>");
            teil("blaetter/zwei.xml", "<worksheet " + ns + "><sheetData><row r=\"2\"><c r=\"AB2\" t=\"inlineStr\">"
                                      "<is><t>weit rechts</t></is></c></row></sheetData></worksheet>");
            QCOMPARE(zipClose(zip, nullptr), ZIP_OK);
        }
        QFile puffer(pfad);
        QVERIFY(puffer.open(QIODevice::ReadOnly));
        QString fehler;
        QCOMPARE(xlsxBlaetter(&puffer, &fehler), (QStringList{"Erstes", "Zweites"}));
        Rohtabelle t;
        QVERIFY2(xlsxLesen(&puffer, {}, &t, &fehler), qPrintable(fehler));
        QCOMPARE(zeilennummern(t), (QList<int>{1, 4}));
        QCOMPARE(texte(t.zeilen[0]), (QStringList{"Name", "Vorname "}));
        const Rohzeile &z = t.zeilen[1];
        QCOMPARE(z.zellen[0].text, QStringLiteral("Maier")); // runs joined, phonetic run left out
        QVERIFY(z.zellen[1].leer());
        QCOMPARE(z.zellen[2].art, Zelle::Art::Zahl); // 0" m" shows a number, no date
        QCOMPARE(z.zellen[3].art, Zelle::Art::Datum);
        QCOMPARE(z.zellen[4].art, Zelle::Art::Datum); // built-in date format 14
        QCOMPARE(z.zellen[5].text, QStringLiteral("Maier"));
        QCOMPARE(z.zellen[6].text, QStringLiteral("WAHR"));
        QVERIFY(xlsxLesen(&puffer, QStringLiteral("Zweites"), &t, &fehler));
        QCOMPARE(t.zeilen[0].zellen.size(), 28);
        QCOMPARE(t.zeilen[0].zellen[27].text, QStringLiteral("weit rechts"));
    }

    void brokenOrForeignFilesGiveAMessageNamingTheFile()
    {
        QTemporaryDir dir;
        const QString kaputt = dir.filePath(QStringLiteral("kaputt.xlsx"));
        QFile f(kaputt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Das ist kein Archiv");
        f.close();
        Rohtabelle t;
        QString fehler;
        QVERIFY(!tabelleLesen(kaputt, {}, &t, &fehler));
        QVERIFY2(fehler.startsWith(QLatin1String("kaputt.xlsx: ")), qPrintable(fehler));
        QVERIFY(!tabelleLesen(dir.filePath(QStringLiteral("fehlt.csv")), {}, &t, &fehler));
        QVERIFY2(fehler.startsWith(QLatin1String("fehlt.csv: ")), qPrintable(fehler));
        QVERIFY(!tabelleLesen(dir.filePath(QStringLiteral("liste.pdf")), {}, &t, &fehler));
        QVERIFY(fehler.contains(QLatin1String(".xlsx")));
        // An ODS is no XLSX even though both are zip archives.
        QFile ods(pfad("meldungen_odfpy.ods"));
        QVERIFY(ods.open(QIODevice::ReadOnly));
        QVERIFY(!xlsxLesen(&ods, {}, &t, &fehler));
        QVERIFY(!fehler.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstTabellendatei)
#include "tst_tabellendatei.moc"
