#include "core/cup.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"

#include <QStringEncoder>
#include <QTest>

using namespace tlt;

namespace {

int vorzeichen(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

// A participants table with the given start numbers in column 6.
Tabelle mitStartnummern(const QStringList &nummern)
{
    Tabelle t(8, static_cast<int>(nummern.size()) + 1);
    for (int r = 1; r <= nummern.size(); ++r)
        t.setCell(6, r, nummern[r - 1]);
    return t;
}

const QString kZeit = QStringLiteral("0:35'12,34\"");

} // namespace

class TstPruefungen : public QObject {
    Q_OBJECT
private slots:
    void dates_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        const QString kein = kKeinDatum;
        QTest::newRow("stored form") << "01.05.2005"
                                     << "01.05.2005";
        QTest::newRow("eight digits") << "01052005"
                                      << "01.05.2005";
        // Day and month may be typed with one digit; the year always has four.
        QTest::newRow("short form") << "1.5.2005"
                                    << "01.05.2005";
        QTest::newRow("one-digit day") << "1.05.1990"
                                       << "01.05.1990";
        QTest::newRow("one-digit month") << "17.5.1990"
                                         << "17.05.1990";
        QTest::newRow("short form, month 13") << "1.13.1990" << kein;
        QTest::newRow("short form, day 0") << "0.5.1990" << kein;
        QTest::newRow("short form, two-digit year") << "1.5.90" << kein;
        QTest::newRow("three-digit day") << "101.5.1990" << kein;
        QTest::newRow("year 1900") << "01.05.1900" << kein;
        QTest::newRow("year 1901") << "01.05.1901"
                                   << "01.05.1901";
        QTest::newRow("no calendar check") << "31.02.2005"
                                           << "31.02.2005";
        QTest::newRow("day 0") << "00.05.2005" << kein;
        QTest::newRow("day 32") << "32.05.2005" << kein;
        QTest::newRow("month 0") << "01.00.2005" << kein;
        QTest::newRow("month 13") << "01.13.2005" << kein;
        QTest::newRow("other separators") << "01-05-2005" << kein;
        QTest::newRow("empty") << "" << kein;
        QTest::newRow("no-date text") << kein << kein;
        QTest::newRow("seven digits") << "0105200" << kein;
        QTest::newRow("nine digits") << "010520051" << kein;
        // Signs and blanks would read as integers but are no part of a stored date.
        QTest::newRow("blank in eight") << " 1052005" << kein;
        QTest::newRow("sign in day") << "+1.05.2005" << kein;
        QTest::newRow("letters") << "ab.cd.efgh" << kein;
    }

    void dates()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QCOMPARE(checkdate(eingabe), ergebnis);
    }

    void times_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("stored form") << "0:35'12,34\"" << kZeit;
        QTest::newRow("blanks") << "0 35 12 34" << kZeit;
        QTest::newRow("digits only") << "3512"
                                     << "0:00'35,12\"";
        QTest::newRow("six digits") << "035123"
                                    << "0:03'51,23\"";
        QTest::newRow("one hour") << "1000000"
                                  << "1:00'00,00\"";
        QTest::newRow("ten hours") << "10:00'00,00"
                                   << "10:00'00,00\"";
        QTest::newRow("59 hundredths") << "59"
                                       << "0:00'00,59\"";
        QTest::newRow("99 fails the minutes check") << "99"
                                                    << "";
        QTest::newRow("60") << "60"
                            << "";
        QTest::newRow("6000") << "6000"
                              << "";
        QTest::newRow("61 seconds") << "12:61,00"
                                    << "";
        QTest::newRow("60 minutes") << "0:60'00,00"
                                    << "";
        QTest::newRow("largest value") << "2147483647"
                                       << "2147:48'36,47\"";
        QTest::newRow("beyond 32 bits") << "2147483648"
                                        << "";
        QTest::newRow("leading zeros") << "00000000000001"
                                       << "0:00'00,01\"";
        QTest::newRow("letters only") << "abc"
                                      << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("other digit scripts ignored") << QString::fromUtf8("\u0663\u0664") << "";
        // With ":" or "'" the entry is read by its groups from the right.
        QTest::newRow("minutes:seconds") << "30:00"
                                         << "0:30'00,00\"";
        QTest::newRow("h:mm:ss") << "1:02:03"
                                 << "1:02'03,00\"";
        QTest::newRow("tenths after comma") << "21:05,3"
                                            << "0:21'05,30\"";
        QTest::newRow("hundredths after point") << "21:05.34"
                                                << "0:21'05,34\"";
        QTest::newRow("apostrophe") << "35'12"
                                    << "0:35'12,00\"";
        QTest::newRow("one-digit groups") << "1:2:3"
                                          << "1:02'03,00\"";
        QTest::newRow("blanks around groups") << " 1 : 02 : 03 "
                                              << "1:02'03,00\"";
        QTest::newRow("60 seconds in groups") << "30:60"
                                              << "";
        QTest::newRow("60 minutes in groups") << "60:00"
                                              << "";
        QTest::newRow("four groups") << "1:02:03:04"
                                     << "";
        QTest::newRow("empty group") << ":30"
                                     << "";
        QTest::newRow("three decimals") << "30:00,123"
                                        << "";
        QTest::newRow("letters in a group") << "3a:00"
                                            << "";
        QTest::newRow("hours beyond 32 bits") << "2148:00'00"
                                              << "";
    }

    void times()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QCOMPARE(checktime(eingabe), ergebnis);
    }

    void distances_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("separators") << "10.000 m"
                                    << "10000m";
        QTest::newRow("leading zero") << "05000"
                                      << "5000m";
        QTest::newRow("zero") << "0"
                              << "0m";
        QTest::newRow("stored form") << "10500m"
                                     << "10500m";
        QTest::newRow("largest value") << "2147483647"
                                       << "2147483647m";
        QTest::newRow("beyond 32 bits") << "2147483648"
                                        << "";
        QTest::newRow("letters only") << "m"
                                      << "";
        // Kilometres with a decimal comma or point.
        QTest::newRow("km with comma") << "6,25 km"
                                       << "6250m";
        QTest::newRow("km whole") << "10 km"
                                  << "10000m";
        QTest::newRow("km rounded to metres") << "21.0975km"
                                              << "21098m";
        QTest::newRow("km with letters") << "zehn km"
                                         << "";
        QTest::newRow("km with point") << "10.5KM"
                                       << "10500m";
        QTest::newRow("km three decimals") << "1,609 km"
                                           << "1609m";
        QTest::newRow("km beyond 32 bits") << "2147484 km"
                                           << "";
        QTest::newRow("thousands point without km") << "10.250"
                                                    << "10250m";
        QTest::newRow("empty") << ""
                               << "";
    }

    void distances()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QCOMPARE(checkdist(eingabe), ergebnis);
    }

    void resultCodes_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("lauftyp");
        QTest::addColumn<QString>("ergebnis");
        const QString z = kZeitlauf;
        const QString d = kDistanzlauf;
        for (const char *e : {"na", "n.a", "n.a."})
            QTest::newRow(e) << e << z << "n.a.";
        for (const char *e : {"d", "d."})
            QTest::newRow(e) << e << d << "d.";
        for (const char *e : {"v", "v."})
            QTest::newRow(e) << e << z << "v.";
        for (const char *e : {"o.L.", "oL", "o", "ol"})
            QTest::newRow(e) << e << d << "o.L.";
        QTest::newRow("OL as time") << "OL" << z << "";
        QTest::newRow("NA as distance") << "NA" << d << "";
        QTest::newRow("o.l.") << "o.l." << z << "";
        QTest::newRow("D.") << "D." << z << "";
        QTest::newRow("time of a time run") << "0:35'12,34" << z << kZeit;
        QTest::newRow("distance of a distance run") << "10.500" << d << "10500m";
        QTest::newRow("time typed for a distance run") << "0:35'12,34" << d << "351234m";
        QTest::newRow("unknown race type counts as distance") << "10500"
                                                              << ""
                                                              << "10500m";
        QTest::newRow("empty") << "" << z << "";
    }

    void resultCodes()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, lauftyp);
        QFETCH(QString, ergebnis);
        QCOMPARE(ergebnisNormalisieren(eingabe, lauftyp), ergebnis);
    }

    void longTexts_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("n.a.") << "n.a."
                              << "n. angetret";
        QTest::newRow("v.") << "v."
                            << "verletzt";
        QTest::newRow("d.") << "d."
                            << "disquali.";
        QTest::newRow("o.L.") << "o.L."
                              << "o. Leistung";
        QTest::newRow("time") << kZeit << kZeit;
        QTest::newRow("other case") << "D."
                                    << "D.";
        QTest::newRow("empty") << ""
                               << "";
    }

    void longTexts()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QCOMPARE(abk2text(eingabe), ergebnis);
    }

    void codesAndKeys()
    {
        QVERIFY(istCode(QStringLiteral("o.L.")));
        QVERIFY(!istCode(QStringLiteral("o.l.")));
        QVERIFY(!istLeistung(QString()));
        QVERIFY(!istLeistung(QStringLiteral("n.a.")));
        QVERIFY(istLeistung(QStringLiteral("10500m")));
        QVERIFY(istLeistung(QStringLiteral("abc")));
        QCOMPARE(ziffern(kZeit), QStringLiteral("0351234"));
        QCOMPARE(ziffern(QStringLiteral("d.")), QString());
        QCOMPARE(datumsschluessel(QStringLiteral("01.05.2005")), QStringLiteral("20050501"));
        QCOMPARE(datumsschluessel(QString()), QString());
    }

    void startNumbers_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("eigeneZeile");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("7") << "7" << -1 << "007";
        QTest::newRow("42") << "42" << -1 << "042";
        QTest::newRow("0") << "0" << -1 << "";
        QTest::newRow("-3") << "-3" << -1 << "";
        QTest::newRow("x") << "x" << -1 << "";
        QTest::newRow("empty") << "" << -1 << "";
        QTest::newRow("1000") << "1000" << -1 << "1000";
        QTest::newRow("padded input") << "0005" << -1 << "005";
        QTest::newRow("taken, adding") << "1" << -1 << "";
        QTest::newRow("taken by the edited row itself") << "001" << 1 << "001";
        QTest::newRow("taken by another row when editing") << "2" << 1 << "";
        QTest::newRow("beyond 32 bits") << "2147483648" << -1 << "";
    }

    void startNumbers()
    {
        QFETCH(QString, eingabe);
        QFETCH(int, eigeneZeile);
        QFETCH(QString, ergebnis);
        const Tabelle teil = mitStartnummern({QStringLiteral("001"), QStringLiteral("002")});
        QCOMPARE(checksn(teil, eingabe, eigeneZeile), ergebnis);
    }

    void nextStartNumber_data()
    {
        QTest::addColumn<QStringList>("nummern");
        QTest::addColumn<QString>("vorschlag");
        QTest::newRow("001 002 010") << QStringList{"001", "002", "010"} << "011";
        QTest::newRow("no participants") << QStringList{} << "001";
        QTest::newRow("unsorted") << QStringList{"099", "005"} << "100";
        QTest::newRow("beyond 999") << QStringList{"1234"} << "1235";
        // A cell without a number blocks no number; the proposal still works.
        QTest::newRow("empty and text cells") << QStringList{"", "abc", "004"} << "005";
        QTest::newRow("largest integer") << QStringList{"2147483647"} << "";
    }

    void nextStartNumber()
    {
        QFETCH(QStringList, nummern);
        QFETCH(QString, vorschlag);
        QCOMPARE(findsn(mitStartnummern(nummern)), vorschlag);
    }

    void clubs()
    {
        Tabelle teil(8, 7);
        const QStringList vereine{"TSV Ötigheim", "LG Nord", "tsv ötigheim", "TSV Ötigheim", "Ärzte-LT", "Zug"};
        for (int r = 1; r <= 6; ++r)
            teil.setCell(4, r, vereine[r - 1]);
        QCOMPARE(vereinelesen({QString()}, teil),
                 (QStringList{"", "LG Nord", "TSV Ötigheim", "tsv ötigheim", "Zug", "Ärzte-LT"}));
        // The list is not cleared first.
        QCOMPARE(vereinelesen({QStringLiteral("Zug"), QStringLiteral("ASV")}, teil),
                 (QStringList{"ASV", "LG Nord", "TSV Ötigheim", "tsv ötigheim", "Zug", "Ärzte-LT"}));
        QCOMPARE(vereinelesen({}, Tabelle(8, 1)), QStringList{});
    }

    void ageGroupProposal_data()
    {
        QTest::addColumn<QString>("lauf");
        QTest::addColumn<QString>("geburt");
        QTest::addColumn<int>("geschlecht");
        QTest::addColumn<QString>("vorschlag");
        QTest::newRow("age 10 women") << "01.01.2010"
                                      << "15.12.2000" << 0 << "WK U12";
        QTest::newRow("age 10 men") << "01.01.2010"
                                    << "15.12.2000" << 1 << "MK U12";
        QTest::newRow("age 9 is the top of U10") << "31.12.2010"
                                                 << "01.01.2001" << 0 << "WK U10";
        QTest::newRow("age 150") << "01.01.2010"
                                 << "01.01.1860" << 1 << "M70 u.ä.";
        QTest::newRow("age 151: none") << "01.01.2010"
                                       << "01.01.1859" << 1 << "";
        QTest::newRow("no birth date") << "01.01.2010" << kKeinDatum << 0 << "";
        QTest::newRow("no race date") << kKeinDatum << "15.12.2000" << 0 << "";
        QTest::newRow("no race: youngest group") << ""
                                                 << "15.12.2000" << 1 << "MK U8";
        QTest::newRow("no sex selected") << "01.01.2010"
                                         << "15.12.2000" << -1 << "";
    }

    void ageGroupProposal()
    {
        QFETCH(QString, lauf);
        QFETCH(QString, geburt);
        QFETCH(int, geschlecht);
        QFETCH(QString, vorschlag);
        Cup cup;
        if (!lauf.isEmpty()) {
            // Two races; the later one decides.
            cup.laufe.setColCount(3);
            cup.laufe.setCell(1, 2, QStringLiteral("01.01.1990"));
            cup.laufe.setCell(2, 2, lauf);
        }
        QCOMPARE(checkaltgr(cup, geburt, geschlecht), vorschlag);
    }

    // Only a-z are folded, everything else compares by its Windows-1252 code; Qt's own
    // case-insensitive comparison gives the other answer for each of these pairs.
    void textOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("erwartet");
        QTest::addColumn<bool>("andersAlsQt");
        QTest::newRow("a = A") << "a"
                               << "A" << 0 << false;
        QTest::newRow("prefix first") << "ab"
                                      << "ABC" << -1 << false;
        QTest::newRow("empty first") << ""
                                     << "a" << -1 << false;
        QTest::newRow("ä after Ä") << "ä"
                                   << "Ä" << 1 << true;
        QTest::newRow("é after É") << "é"
                                   << "É" << 1 << true;
        QTest::newRow("_ after a") << "_"
                                   << "a" << 1 << true;
        QTest::newRow("[ after b") << "["
                                   << "b" << 1 << true;
        QTest::newRow("€ before ä") << "€"
                                    << "ä" << -1 << true;
        QTest::newRow("Š before ä") << "Š"
                                    << "ä" << -1 << true;
        QTest::newRow("‚ before ƒ") << "‚"
                                    << "ƒ" << -1 << true;
        QTest::newRow("ŝ (no code) after €") << "ŝ"
                                             << "€" << 1 << true;
        QTest::newRow("ä after Z") << "ä"
                                   << "Z" << 1 << false;
        QTest::newRow("ŝ (no code) after ÿ") << "ŝ"
                                             << "ÿ" << 1 << false;
        QTest::newRow("beyond U+FFFF after U+FFFD") << "\U0001F600"
                                                    << "\uFFFD" << 1 << true;
    }

    void textOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, erwartet);
        QFETCH(bool, andersAlsQt);
        QCOMPARE(vorzeichen(textvergleich(a, b)), erwartet);
        QCOMPARE(vorzeichen(textvergleich(b, a)), -erwartet);
        QCOMPARE(vorzeichen(QString::compare(a, b, Qt::CaseInsensitive)) != erwartet, andersAlsQt);
    }

    // The weights agree with what the encoder does to every single character.
    void codeOrderFollowsTheEncoder()
    {
        auto gewicht = [](char16_t u) -> qint64 {
            QStringEncoder enc("windows-1252");
            const QByteArray b = enc(QString(QChar(u)));
            if (!enc.hasError() && b.size() == 1)
                return static_cast<unsigned char>(b[0]);
            return 256 + u;
        };
        const QList<char16_t> proben{u'A', u'a', u'\u20ac', u'\u00ff', u'\u0101', u'\u034f', u'\u0081'};
        QList<qint64> probengewichte;
        for (char16_t p : proben)
            probengewichte << gewicht(p);
        for (int u = 1; u < 0x10000; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF)
                continue;
            const qint64 g = gewicht(static_cast<char16_t>(u));
            const QString c(QChar(static_cast<char16_t>(u)));
            for (int i = 0; i < proben.size(); ++i) {
                const int soll = vorzeichen(static_cast<int>(g - probengewichte[i]));
                if (vorzeichen(codevergleich(c, QString(QChar(proben[i])))) != soll)
                    QFAIL(qPrintable(QStringLiteral("U+%1").arg(u, 4, 16, QLatin1Char('0'))));
            }
        }
    }

    void codeOrderKeepsCase()
    {
        QVERIFY(codevergleich(QStringLiteral("a"), QStringLiteral("A")) > 0);
        QVERIFY(codevergleich(QStringLiteral("€"), QStringLiteral("ä")) < 0);
        QCOMPARE(codevergleich(QStringLiteral("20050501"), QStringLiteral("20050501")), 0);
        QVERIFY(codevergleich(QStringLiteral("20050501"), QStringLiteral("20050502")) < 0);
    }
};

QTEST_GUILESS_MAIN(TstPruefungen)
#include "tst_pruefungen.moc"
