// Feeds arbitrary text to the value checks and to the HTML escaping of a report line. Every check
// must give its stored form or its no-value form, and checking a stored value again keeps it.

#include "fuzz/zusicherung.h"

#include "core/cup.h"
#include "core/pruefungen.h"
#include "core/version.h"
#include "reports/html.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace tlt;

namespace {

bool passt(const QRegularExpression &muster, const QString &text)
{
    return muster.match(text).hasMatch();
}

int vorzeichen(int v)
{
    return (v > 0) - (v < 0);
}

void pruefeWert(const QString &t)
{
    static const QRegularExpression datum(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"));
    static const QRegularExpression zeit(QStringLiteral("^(0|[1-9]\\d*):[0-5]\\d'[0-5]\\d,\\d\\d\"$"));
    static const QRegularExpression strecke(QStringLiteral("^(0|[1-9]\\d*)m$"));
    static const QRegularExpression nummer(QStringLiteral("^(00[1-9]|0[1-9]\\d|[1-9]\\d{2,})$"));

    const QString d = checkdate(t);
    TLT_ZUSICHERN(d == kKeinDatum || passt(datum, d), "checkdate: kein Datum");
    TLT_ZUSICHERN(checkdate(d) == d, "checkdate: nicht stabil");

    const QString z = checktime(t);
    TLT_ZUSICHERN(z.isEmpty() || passt(zeit, z), "checktime: keine Zeit");
    TLT_ZUSICHERN(checktime(z) == z, "checktime: nicht stabil");

    const QString s = checkdist(t);
    TLT_ZUSICHERN(s.isEmpty() || passt(strecke, s), "checkdist: keine Strecke");
    TLT_ZUSICHERN(checkdist(s) == s, "checkdist: nicht stabil");

    for (const QString &typ : {kZeitlauf, kDistanzlauf}) {
        const QString e = ergebnisNormalisieren(t, typ);
        TLT_ZUSICHERN(e.isEmpty() || istCode(e) || e == (typ == kZeitlauf ? checktime(e) : checkdist(e)),
                      "Ergebnis weder Code noch Leistung");
        TLT_ZUSICHERN(ergebnisNormalisieren(e, typ) == e, "Ergebnis: nicht stabil");
        TLT_ZUSICHERN(istLeistung(e) == (!e.isEmpty() && !istCode(e)), "istLeistung");
    }
    const QString lang = abk2text(t);
    TLT_ZUSICHERN(istCode(t) ? lang != t : lang == t, "abk2text");

    // A start number that no other row uses is kept in its padded form.
    const Tabelle leer(8, 1);
    const QString sn = checksn(leer, t, -1);
    TLT_ZUSICHERN(sn.isEmpty() || passt(nummer, sn), "checksn: keine Startnummer");
    TLT_ZUSICHERN(checksn(leer, sn, -1) == sn, "checksn: nicht stabil");

    const QString k = ziffern(t);
    for (QChar c : k)
        TLT_ZUSICHERN(c >= QLatin1Char('0') && c <= QLatin1Char('9'), "ziffern");

    TLT_ZUSICHERN(textvergleich(t, t) == 0 && codevergleich(t, t) == 0, "Vergleich nicht reflexiv");
}

void pruefeHtml(const QString &zeile)
{
    const QString h = html_text(zeile);
    for (const QChar c : {u'ä', u'ö', u'ü', u'Ä', u'Ö', u'Ü', u'ß'})
        TLT_ZUSICHERN(!h.contains(c), "Umlaut nicht ersetzt");
    TLT_ZUSICHERN(!h.contains(QStringLiteral("  ")), "zwei Leerzeichen hintereinander");
    // Only the links that html_text makes itself may bring markup into the page.
    QString ohneLinks = h;
    ohneLinks.remove(QStringLiteral("<a href=\"#top\" target=\"_self\">oben</a>"));
    ohneLinks.remove(QStringLiteral("<a href=\"") + kWebadresse + QStringLiteral("\" target=\"_blank\">"));
    ohneLinks.remove(QStringLiteral("</a>"));
    TLT_ZUSICHERN(!ohneLinks.contains(u'<') && !ohneLinks.contains(u'>'), "rohes < oder > in HTML");
    TLT_ZUSICHERN(!zeile.contains(QString(82, u'-')) || h.contains(QStringLiteral("href=\"#top\"")),
                  "Strichlinie ohne Link nach oben");
}

// A small cup whose age groups come from the input, for the age-group proposal.
void pruefeAltersgruppe(const QStringList &teile)
{
    if (teile.size() < 3)
        return;
    Cup cup;
    const QStringList felder = teile.at(2).split(u'|');
    cup.ag.setRowCount(1 + static_cast<int>(felder.size() / 3));
    for (qsizetype i = 0; i + 2 < felder.size(); i += 3) {
        const int r = 1 + static_cast<int>(i / 3);
        cup.ag.setCell(0, r, felder.at(i));
        cup.ag.setCell(1, r, felder.at(i + 1));
        cup.ag.setCell(2, r, felder.at(i + 2));
    }
    cup.laufe.setColCount(2);
    cup.laufe.setCell(1, 2, teile.at(1));
    for (int geschlecht = -1; geschlecht <= 2; ++geschlecht) {
        try {
            const QString v = checkaltgr(cup, teile.at(0), geschlecht);
            bool gefunden = v.isEmpty();
            for (int r = 1; r < cup.ag.rowCount() && !gefunden; ++r)
                gefunden = v == cup.ag.cell(geschlecht, r);
            TLT_ZUSICHERN(gefunden, "Altersgruppe nicht aus der Tabelle");
        } catch (const std::exception &) {
            // A maximum age that is no integer is reported by the caller as the runtime's message.
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Lines of the input are the values; the first byte picks UTF-8 or Latin-1, so that both any
    // code unit and valid multi-byte text come along.
    if (size == 0)
        return 0;
    const char *rest = reinterpret_cast<const char *>(data) + 1;
    const qsizetype n = static_cast<qsizetype>(size - 1);
    const QString text = (data[0] & 1) ? QString::fromUtf8(rest, n) : QString::fromLatin1(rest, n);
    const QStringList teile = text.split(u'\n');

    for (const QString &t : teile) {
        pruefeWert(t);
        pruefeHtml(t);
    }
    for (qsizetype i = 0; i + 1 < teile.size(); ++i) {
        const QString &a = teile.at(i);
        const QString &b = teile.at(i + 1);
        TLT_ZUSICHERN(vorzeichen(textvergleich(a, b)) == -vorzeichen(textvergleich(b, a)), "textvergleich");
        TLT_ZUSICHERN(vorzeichen(codevergleich(a, b)) == -vorzeichen(codevergleich(b, a)), "codevergleich");
        TLT_ZUSICHERN(codevergleich(a, b) != 0 || a == b, "codevergleich: gleich ohne gleichen Text");
    }

    // Start numbers in use: every line after the first is one participant's number.
    Tabelle teil(8, static_cast<int>(teile.size()));
    for (qsizetype i = 1; i < teile.size(); ++i)
        teil.setCell(6, static_cast<int>(i), teile.at(i));
    const QString vorschlag = findsn(teil);
    if (!vorschlag.isEmpty())
        TLT_ZUSICHERN(checksn(teil, vorschlag, -1) == vorschlag, "findsn schlägt eine benutzte Nummer vor");
    const QString sn = checksn(teil, teile.at(0), -1);
    for (int r = 1; r < teil.rowCount() && !sn.isEmpty(); ++r)
        TLT_ZUSICHERN(teil.cell(6, r) != sn, "checksn lässt eine doppelte Nummer durch");

    pruefeAltersgruppe(teile);
    return 0;
}
