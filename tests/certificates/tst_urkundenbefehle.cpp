// The four certificate commands on small cups: who gets a certificate, with which place, in which
// order, on how many pages.
#include "certificates/aufzeichnung.h"
#include "certificates/urkundenbefehle.h"
#include "core/cup.h"
#include "core/konvertierung.h"
#include "support/testhilfe.h"

#include <QtTest>

using namespace tlt;

namespace {

QString zeit(int minuten)
{
    return QStringLiteral("0:%1'00,00\"").arg(minuten, 2, 10, QLatin1Char('0'));
}

// Appends a time race with its result column.
int lauf(Cup &c, const QString &datum, const QString &ort = QStringLiteral("Wiesenau"))
{
    const int k = c.laufe.colCount();
    c.laufe.setColCount(k + 1);
    c.laufe.setCell(k, 0, QString::number(k));
    c.laufe.setCell(k, 1, kZeitlauf);
    c.laufe.setCell(k, 2, datum);
    c.laufe.setCell(k, 3, c.cv.rowCount() > 1 ? QStringLiteral("ja") : QStringLiteral("10000m"));
    c.laufe.setCell(k, 10, ort);
    c.laufe.setCell(k, 32, QStringLiteral("1"));
    c.laufe.setCell(k, 33, QStringLiteral("0"));
    c.teil.setColCount(8 + k);
    c.teil.setCell(7 + k, 0, datum);
    return k;
}

// Surname, age group, start number, cup variation, then the entries of races 1, 2, ...
int person(Cup &c, const QString &name, const QString &gruppe, const QString &sn, const QString &variation,
           const QStringList &ergebnisse)
{
    const int r = c.teil.rowCount();
    c.teil.setRowCount(r + 1);
    c.teil.setCell(0, r, name);
    c.teil.setCell(1, r, QStringLiteral("Vorname") + name);
    c.teil.setCell(2, r, QStringLiteral("01.01.1980"));
    c.teil.setCell(3, r, gruppe.startsWith(QLatin1Char('M')) ? QStringLiteral("männlich") : QStringLiteral("weiblich"));
    c.teil.setCell(4, r, QStringLiteral("Verein ") + name);
    c.teil.setCell(5, r, gruppe);
    c.teil.setCell(6, r, sn);
    c.teil.setCell(7, r, variation);
    for (int i = 0; i < ergebnisse.size(); ++i)
        c.teil.setCell(8 + i, r, ergebnisse[i]);
    return r;
}

void ohneVariationen(Cup &c)
{
    c.cv.setRowCount(1);
}

// The texts of one certificate that tell who got it: the place line and the person line (style 0).
QString platzzeile(const AufzeichnendeLeinwand &l, int seite)
{
    return l.texte(seite).value(2).text;
}
QString personzeile(const AufzeichnendeLeinwand &l, int seite)
{
    return l.texte(seite).value(8).text;
}
QString gruppenzeile(const AufzeichnendeLeinwand &l, int seite)
{
    return l.texte(seite).value(6).text;
}

// All (place, person) pairs of a job, page by page.
QStringList urkunden(const AufzeichnendeLeinwand &l, int anzahl)
{
    QStringList liste;
    for (int s = 1; s <= anzahl; ++s)
        liste << platzzeile(l, s).mid(4).section(QLatin1Char('.'), 0, 0) + QLatin1Char(' ') +
                     personzeile(l, s).section(QLatin1Char(' '), 1);
    return liste;
}

QStringList tabellentext(const Tabelle &t)
{
    QStringList l;
    for (int r = 0; r < t.rowCount(); ++r)
        l << QStringList(t.row(r).begin(), t.row(r).end()).join(QLatin1Char('|'));
    return l;
}

} // namespace

class TestUrkundenbefehle : public QObject {
    Q_OBJECT

private:
    Cup m_cup;
    Unterschriften m_unter;
    QStringList m_fragen;
    QList<bool> m_antworten;

    Variationsfrage frage()
    {
        return [this](const QString &text) {
            m_fragen << text;
            return m_antworten.isEmpty() ? true : m_antworten.takeFirst();
        };
    }

private slots:
    void initTestCase() { tlt::test::deutschUndFesteUhr(); }
    void init()
    {
        m_cup.neu();
        m_cup.name = QStringLiteral("Testcup");
        m_fragen.clear();
        m_antworten.clear();
    }

    void siegerGleicheZeitenFortlaufendePlaetze()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Zeh"), QStringLiteral("F30"), QStringLiteral("001"), {}, {zeit(45)});
        person(m_cup, QStringLiteral("Berg"), QStringLiteral("F30"), QStringLiteral("002"), {}, {zeit(41)});
        person(m_cup, QStringLiteral("Adler"), QStringLiteral("F30"), QStringLiteral("003"), {}, {zeit(41)});
        person(m_cup, QStringLiteral("Erster"), QStringLiteral("F30"), QStringLiteral("004"), {}, {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 3);
        QCOMPARE(l.seiten(), 3);
        QCOMPARE(urkunden(l, 3), (QStringList{"1 Erster", "2 Adler", "3 Berg"}));
        // No question without cup variations; the label stands alone.
        QVERIFY(m_fragen.isEmpty());
        QCOMPARE(gruppenzeile(l, 1), QStringLiteral("F30"));
        // The certificates read the cup only: the table keeps its order.
        QCOMPARE(m_cup.teil.cell(0, 1), QStringLiteral("Zeh"));
        QCOMPARE(m_cup.teil.cell(0, 4), QStringLiteral("Erster"));
    }

    void codesBekommenNichtsUndVerbrauchenKeinenPlatz()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Aus"), QStringLiteral("M40"), QStringLiteral("001"), {},
               {QStringLiteral("n.a.")});
        person(m_cup, QStringLiteral("Auch"), QStringLiteral("M40"), QStringLiteral("002"), {},
               {QStringLiteral("n.a.")});
        person(m_cup, QStringLiteral("Disk"), QStringLiteral("M40"), QStringLiteral("003"), {}, {QStringLiteral("d.")});
        person(m_cup, QStringLiteral("Leer"), QStringLiteral("M40"), QStringLiteral("004"), {}, {});
        person(m_cup, QStringLiteral("Lauf"), QStringLiteral("M40"), QStringLiteral("005"), {}, {zeit(50)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 1);
        QCOMPARE(urkunden(l, 1), QStringList{"1 Lauf"});
    }

    void neinZuJederVariationKeinAuftrag()
    {
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Anton"), QStringLiteral("M40"), QStringLiteral("001"), QStringLiteral("A-Cup"),
               {zeit(40)});
        person(m_cup, QStringLiteral("Berta"), QStringLiteral("F40"), QStringLiteral("002"), QStringLiteral("B-Cup"),
               {zeit(40)});
        m_antworten = {false, false, false};
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 0);
        QCOMPARE(m_fragen.size(), m_cup.cv.rowCount() - 1);
        QCOMPARE(l.dokumente(), 0);
    }

    void neinZurErstenVariation()
    {
        // Default variations A-Cup, B-Cup, C-Cup.
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Anton"), QStringLiteral("M40"), QStringLiteral("001"), QStringLiteral("A-Cup"),
               {zeit(40)});
        person(m_cup, QStringLiteral("Bernd"), QStringLiteral("M40"), QStringLiteral("002"), QStringLiteral("B-Cup"),
               {zeit(42)});
        person(m_cup, QStringLiteral("Bodo"), QStringLiteral("M40"), QStringLiteral("003"), QStringLiteral("B-Cup"),
               {zeit(41)});
        m_antworten = {false, true, true};
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 2);
        QCOMPARE(m_fragen, (QStringList{"A-Cup drucken?", "B-Cup drucken?", "C-Cup drucken?"}));
        QCOMPARE(urkunden(l, 2), (QStringList{"1 Bodo", "2 Bernd"}));
        QCOMPARE(gruppenzeile(l, 1), QStringLiteral("M40 - B-Cup"));
        QCOMPARE(l.dokumente(), 1);
    }

    void variationenGetrenntGewertet()
    {
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Anton"), QStringLiteral("M40"), QStringLiteral("001"), QStringLiteral("A-Cup"),
               {zeit(44)});
        person(m_cup, QStringLiteral("Bernd"), QStringLiteral("M40"), QStringLiteral("002"), QStringLiteral("B-Cup"),
               {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 2);
        // Both are first of their variation; A-Cup comes first (table order of the variations).
        QCOMPARE(urkunden(l, 2), (QStringList{"1 Anton", "1 Bernd"}));
    }

    void gruppenInTabellenfolgeFrauenVorMaennern()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        // Row "WK U8/MK U8" has only men; F30/M30 has both.
        person(m_cup, QStringLiteral("Max"), QStringLiteral("M30"), QStringLiteral("001"), {}, {zeit(35)});
        person(m_cup, QStringLiteral("Fee"), QStringLiteral("F30"), QStringLiteral("002"), {}, {zeit(39)});
        person(m_cup, QStringLiteral("Kai"), QStringLiteral("MK U8"), QStringLiteral("003"), {}, {zeit(20)});
        person(m_cup, QStringLiteral("Ben"), QStringLiteral("MK U8"), QStringLiteral("004"), {}, {zeit(21)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 4);
        QCOMPARE(urkunden(l, 4), (QStringList{"1 Kai", "2 Ben", "1 Fee", "1 Max"}));
    }

    void teilnahmeurkundeMitLaufenderNummer()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        for (int i = 1; i <= 9; ++i)
            person(m_cup, QStringLiteral("P%1").arg(i), QStringLiteral("M40"),
                   QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), {}, {zeit(30 + i)});
        person(m_cup, QStringLiteral("Ohne"), QStringLiteral("M40"), QStringLiteral("010"), {}, {QStringLiteral("v.")});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(teilnehmerurkunde(m_cup, 1, QStringLiteral("007"), l, m_unter), 1);
        QCOMPARE(l.seiten(), 1);
        QCOMPARE(platzzeile(l, 1), QStringLiteral("den 7. Platz"));
        QVERIFY(m_fragen.isEmpty());

        // No valid result, an unknown start number or a typed text: no job at all, no blank sheet.
        const QStringList niemand{QStringLiteral("010"), QStringLiteral("999"), QStringLiteral("bitte wählen ..."),
                                  QStringLiteral("7")};
        for (const QString &s : niemand) {
            AufzeichnendeLeinwand leer(4800, 6800);
            QCOMPARE(teilnehmerurkunde(m_cup, 1, s, leer, m_unter), 0);
            QCOMPARE(leer.dokumente(), 0);
            QVERIFY(leer.eintraege().isEmpty());
        }
    }

    void teilnahmeurkundeOhneGruppe()
    {
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Fremd"), QStringLiteral("M40"), QStringLiteral("001"), QStringLiteral("X-Cup"),
               {zeit(40)});
        person(m_cup, QStringLiteral("Alt"), QStringLiteral("Senioren"), QStringLiteral("002"), QStringLiteral("A-Cup"),
               {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(teilnehmerurkunde(m_cup, 1, QStringLiteral("001"), l, m_unter), 0);
        QCOMPARE(teilnehmerurkunde(m_cup, 1, QStringLiteral("002"), l, m_unter), 0);
    }

    void stil2OrtUndStrecke()
    {
        m_cup.urkundenstil = 2;
        lauf(m_cup, QStringLiteral("01.05.2026"), QStringLiteral("Quellbrunn"));
        person(m_cup, QStringLiteral("Anton"), QStringLiteral("M40"), QStringLiteral("001"), QStringLiteral("B-Cup"),
               {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 1);
        QCOMPARE(l.texte(1)[6].text, QStringLiteral("5000m"));
        QCOMPARE(l.texte(1)[12].text, QStringLiteral("Quellbrunn, den 08.12.2026"));
    }

    void stil2OhneVariationenLeereStrecke()
    {
        // Without cup variations the line after "über" stays empty, although the race has a distance.
        ohneVariationen(m_cup);
        m_cup.urkundenstil = 2;
        lauf(m_cup, QStringLiteral("01.05.2026"));
        QCOMPARE(m_cup.laufe.cell(1, 3), QStringLiteral("10000m"));
        person(m_cup, QStringLiteral("Anton"), QStringLiteral("M40"), QStringLiteral("001"), {}, {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 1, l, m_unter, frage()), 1);
        QCOMPARE(l.texte(1)[4].text, QStringLiteral("M40"));
        QCOMPARE(l.texte(1)[5].text, QStringLiteral("über"));
        QCOMPARE(l.texte(1)[6].text, QString());
    }

    // Overall certificates.

    void gesamtGeteiltePlaetze()
    {
        // Points 40, 35, 35, 30 in one race counted once: placings 1, 2, 2, 4.
        ohneVariationen(m_cup);
        m_cup.pv.setRowCount(5);
        const int punkte[] = {40, 35, 33, 30};
        for (int i = 0; i < 4; ++i)
            m_cup.pv.setCell(1, i + 1, QString::number(punkte[i]));
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Vier"), QStringLiteral("F40"), QStringLiteral("001"), {}, {zeit(45)});
        person(m_cup, QStringLiteral("Zwei"), QStringLiteral("F40"), QStringLiteral("002"), {}, {zeit(41)});
        person(m_cup, QStringLiteral("Eins"), QStringLiteral("F40"), QStringLiteral("003"), {}, {zeit(40)});
        person(m_cup, QStringLiteral("Auch"), QStringLiteral("F40"), QStringLiteral("004"), {}, {zeit(41)});
        const QStringList vorher = tabellentext(m_cup.teil);
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 1, l, m_unter), 3);
        QCOMPARE(urkunden(l, 3), (QStringList{"1 Eins", "2 Auch", "2 Zwei"}));
        QCOMPARE(l.texte(1)[11].text, QStringLiteral("40 Punkten"));
        // The cup is read, not changed.
        QCOMPARE(tabellentext(m_cup.teil), vorher);
    }

    void gesamtNullPunkteKeineSiegerurkunde()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Null"), QStringLiteral("M50"), QStringLiteral("001"), {},
               {QStringLiteral("n.a.")});
        person(m_cup, QStringLiteral("Zehn"), QStringLiteral("M50"), QStringLiteral("002"), {}, {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 1, l, m_unter), 1);
        QCOMPARE(urkunden(l, 1), QStringList{"1 Zehn"});

        // The participant certificate has no such condition.
        AufzeichnendeLeinwand t(4800, 6800);
        QCOMPARE(gesamtteilnehmerurkunde(m_cup, 1, QStringLiteral("001"), t, m_unter), 1);
        QCOMPARE(t.texte(1)[2].text, QStringLiteral("den 2. Platz"));
        QCOMPARE(t.texte(1)[11].text, QStringLiteral("0 Punkten"));
    }

    // The place on an overall certificate is the one the standings list shows. "---" (below the
    // minimum) and a line tied with it show none: those participants get the page without a place.
    void gesamtPlatzWieInDerListe()
    {
        m_cup.min = 2;
        m_cup.max = 2;
        lauf(m_cup, QStringLiteral("01.05.2026"));
        lauf(m_cup, QStringLiteral("01.06.2026"));
        person(m_cup, QStringLiteral("Erst"), QStringLiteral("F40"), QStringLiteral("001"), QStringLiteral("A-Cup"),
               {zeit(40), zeit(40)});
        // One participation: "---", 0 points.
        person(m_cup, QStringLiteral("Aaa"), QStringLiteral("F40"), QStringLiteral("002"), QStringLiteral("A-Cup"),
               {zeit(41)});
        // Two participations, one of them a code: 0 points, tied with the "---" line above.
        person(m_cup, QStringLiteral("Zet"), QStringLiteral("F40"), QStringLiteral("003"), QStringLiteral("A-Cup"),
               {QStringLiteral("n.a."), zeit(42)});
        // A participant the list places behind the others.
        person(m_cup, QStringLiteral("Dritt"), QStringLiteral("F40"), QStringLiteral("004"), QStringLiteral("B-Cup"),
               {zeit(50), zeit(50)});
        const QStringList vorher = tabellentext(m_cup.teil);

        const auto seite = [&](const QString &sn) {
            AufzeichnendeLeinwand l(4800, 6800);
            if (gesamtteilnehmerurkunde(m_cup, 2, sn, l, m_unter) != 1)
                return QStringList{QStringLiteral("keine Urkunde")};
            return QStringList{platzzeile(l, 1), l.texte(1).value(3).text, personzeile(l, 1), l.texte(1).value(11).text};
        };
        QCOMPARE(seite(QStringLiteral("001")),
                 (QStringList{"den 1. Platz", "in der", "VornameErst Erst", "40 Punkten"}));
        QCOMPARE(seite(QStringLiteral("002")),
                 (QStringList{"für die Teilnahme", "an der", "VornameAaa Aaa", "0 Punkten"}));
        QCOMPARE(seite(QStringLiteral("003")),
                 (QStringList{"für die Teilnahme", "an der", "VornameZet Zet", "0 Punkten"}));
        QCOMPARE(seite(QStringLiteral("004")),
                 (QStringList{"den 1. Platz", "in der", "VornameDritt Dritt", "40 Punkten"}));

        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 2, l, m_unter), 2);
        QCOMPARE(urkunden(l, 2), (QStringList{"1 Erst", "1 Dritt"}));
        QCOMPARE(tabellentext(m_cup.teil), vorher);
    }

    void gesamtReihenfolgeVariationGruppePlatz()
    {
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Bm2"), QStringLiteral("M40"), QStringLiteral("001"), QStringLiteral("B-Cup"),
               {zeit(42)});
        person(m_cup, QStringLiteral("Bm1"), QStringLiteral("M40"), QStringLiteral("002"), QStringLiteral("B-Cup"),
               {zeit(41)});
        person(m_cup, QStringLiteral("Af1"), QStringLiteral("F40"), QStringLiteral("003"), QStringLiteral("A-Cup"),
               {zeit(50)});
        person(m_cup, QStringLiteral("Am1"), QStringLiteral("M30"), QStringLiteral("004"), QStringLiteral("A-Cup"),
               {zeit(38)});
        person(m_cup, QStringLiteral("Bf1"), QStringLiteral("F30"), QStringLiteral("005"), QStringLiteral("B-Cup"),
               {zeit(45)});
        // A variation that does not exist is never placed, whatever the points.
        person(m_cup, QStringLiteral("Xm1"), QStringLiteral("M40"), QStringLiteral("006"), QStringLiteral("X-Cup"),
               {zeit(30)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 1, l, m_unter), 5);
        // A-Cup before B-Cup; within one, age groups in group order (women F40 before men M30 ...).
        QCOMPARE(urkunden(l, 5), (QStringList{"1 Af1", "1 Am1", "1 Bf1", "1 Bm1", "2 Bm2"}));
        QCOMPARE(gruppenzeile(l, 1), QStringLiteral("F40 - A-Cup"));
    }

    void gesamtStil2UndGetippterStilKeinAuftrag_data()
    {
        QTest::addColumn<int>("stil");
        QTest::newRow("stil 2") << 2;
        QTest::newRow("getippt") << -1;
    }
    void gesamtStil2UndGetippterStilKeinAuftrag()
    {
        QFETCH(int, stil);
        m_cup.urkundenstil = stil;
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        const QStringList gruppen{"F30", "M30", "F40", "M40", "M40"};
        for (int i = 0; i < gruppen.size(); ++i)
            person(m_cup, QStringLiteral("P%1").arg(i), gruppen[i], QString::number(i + 1), {}, {zeit(40 + i)});
        // Five winners, but this style has no overall certificate: no job, no blank sheets.
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 1, l, m_unter), 0);
        QCOMPARE(l.dokumente(), 0);
        QCOMPARE(gesamtteilnehmerurkunde(m_cup, 1, QStringLiteral("1"), l, m_unter), 0);
        QCOMPARE(l.dokumente(), 0);
    }

    void gesamtNurBisLaufN()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        lauf(m_cup, QStringLiteral("01.06.2026"));
        m_cup.max = 2;
        person(m_cup, QStringLiteral("Erst"), QStringLiteral("M40"), QStringLiteral("001"), {}, {zeit(40), zeit(50)});
        person(m_cup, QStringLiteral("Spaet"), QStringLiteral("M40"), QStringLiteral("002"), {}, {{}, zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 1, l, m_unter), 1);
        QCOMPARE(urkunden(l, 1), QStringList{"1 Erst"});
        QCOMPARE(l.texte(1)[11].text, QStringLiteral("20 Punkten"));
    }

    void gesamtFehlerVorDemDruck()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        m_cup.laufe.setCell(1, 32, QStringLiteral("zwei"));
        person(m_cup, QStringLiteral("Eins"), QStringLiteral("M40"), QStringLiteral("001"), {}, {zeit(40)});
        const QStringList vorher = tabellentext(m_cup.teil);
        AufzeichnendeLeinwand l(4800, 6800);
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, gesamtsiegerurkunde(m_cup, 1, l, m_unter));
        QCOMPARE(l.dokumente(), 0);
        QCOMPARE(tabellentext(m_cup.teil), vorher);
        QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler,
                                 gesamtteilnehmerurkunde(m_cup, 1, QStringLiteral("001"), l, m_unter));
        QCOMPARE(l.dokumente(), 0);
        QCOMPARE(tabellentext(m_cup.teil), vorher);
    }

    void ungueltigerLaufKeinAuftrag()
    {
        ohneVariationen(m_cup);
        lauf(m_cup, QStringLiteral("01.05.2026"));
        person(m_cup, QStringLiteral("Eins"), QStringLiteral("M40"), QStringLiteral("001"), {}, {zeit(40)});
        AufzeichnendeLeinwand l(4800, 6800);
        QCOMPARE(siegerurkunde(m_cup, 2, l, m_unter, frage()), 0);
        QCOMPARE(siegerurkunde(m_cup, 0, l, m_unter, frage()), 0);
        QCOMPARE(gesamtsiegerurkunde(m_cup, 0, l, m_unter), 0);
        QCOMPARE(gesamtteilnehmerurkunde(m_cup, 2, QStringLiteral("001"), l, m_unter), 0);
        QCOMPARE(l.dokumente(), 0);
        QCOMPARE(m_cup.teil.colCount(), 9);
    }
};

QTEST_MAIN(TestUrkundenbefehle)
#include "tst_urkundenbefehle.moc"
