#include "reports/html.h"

#include "core/cup.h"
#include "core/sicheresschreiben.h"
#include "core/version.h"
#include "reports/ausgabe.h"

#include <QFileInfo>
#include <QStringList>

namespace tlt {

namespace {

const QString kUmbruch = QStringLiteral("\r\n");

// Characters that HTML 4.01 does not allow in a document (control characters other than tab,
// line feed and carriage return, C1 controls, lone surrogates). They become the visible
// replacement character instead of breaking the page or disappearing.
QString nurErlaubteZeichen(const QString &text)
{
    QString s = text;
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        const char16_t c = s.at(i).unicode();
        bool erlaubt = (c >= 0x20 && c < 0x7F) || c >= 0xA0 || c == 0x09 || c == 0x0A || c == 0x0D;
        if (QChar::isHighSurrogate(c)) {
            erlaubt = i + 1 < n && QChar::isLowSurrogate(s.at(i + 1).unicode());
            if (erlaubt) {
                ++i;
                continue;
            }
        } else if (QChar::isLowSurrogate(c)) {
            erlaubt = false;
        }
        if (!erlaubt)
            s[i] = QChar(QChar::ReplacementCharacter);
    }
    return s;
}

// The character replacements; "&" goes first so that a typed entity shows as typed.
QString zeichenErsetzen(const QString &zeile)
{
    QString s = nurErlaubteZeichen(zeile);
    s.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    s.replace(QChar(0xE4), QStringLiteral("&auml;"));
    s.replace(QChar(0xF6), QStringLiteral("&ouml;"));
    s.replace(QChar(0xFC), QStringLiteral("&uuml;"));
    s.replace(QChar(0xC4), QStringLiteral("&Auml;"));
    s.replace(QChar(0xD6), QStringLiteral("&Ouml;"));
    s.replace(QChar(0xDC), QStringLiteral("&Uuml;"));
    s.replace(QChar(0xDF), QStringLiteral("&szlig;"));
    s.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    s.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return s;
}

// Every pair of spaces, from the left, as two non-breaking spaces; an odd run keeps one normal space at its end.
QString leerzeichenErsetzen(QString s)
{
    const QString paar = QStringLiteral("  ");
    const QString nbsp = QStringLiteral("&nbsp;&nbsp;");
    qsizetype von = 0;
    for (qsizetype i; (i = s.indexOf(paar, von)) >= 0;) {
        s.replace(i, 2, nbsp);
        von = i + nbsp.size();
    }
    return s;
}

// An attribute value between double quotes.
QString attribut(const QString &text)
{
    QString s = nurErlaubteZeichen(text);
    s.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    s.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    s.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    s.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return s;
}

} // namespace

QString html_text(const QString &zeile)
{
    QString s = zeichenErsetzen(zeile);

    const qsizetype adresse = s.indexOf(kWebadresse);
    if (adresse >= 0) {
        s.insert(adresse + kWebadresse.size(), QStringLiteral("</a>"));
        s.insert(adresse, QStringLiteral("<a href=\"") + kWebadresse + QStringLiteral("\" target=\"_blank\">"));
    }

    const QString strich(82, QLatin1Char('-'));
    for (qsizetype i; (i = s.indexOf(strich)) >= 0;)
        s.replace(i + 78, 4, QStringLiteral("<a href=\"#top\" target=\"_self\">oben</a>"));

    return leerzeichenErsetzen(s);
}

QString htmlStil(int stil)
{
    const bool blau = stil == 1;
    QStringList l{
        QStringLiteral("<style type=\"text/css\">"),
        QStringLiteral("<!--"),
        QStringLiteral("body {"),
        blau ? QStringLiteral("    background-color: #AACCFF;") : QStringLiteral("    background-color: #F2F2F2;"),
        QStringLiteral("    margin-left: 0px;"),
        QStringLiteral("    margin-top: 0px;"),
        QStringLiteral("    margin-right: 0px;"),
        QStringLiteral("    margin-bottom: 0px;"),
        QStringLiteral("}"),
        QStringLiteral("table {"),
    };
    if (blau)
        l << QStringLiteral("    border: #006699;");
    l << QStringLiteral("    background-color: #FFFFFF;")
      << QStringLiteral("    font-family: \"Courier New\", Courier, mono;") << QStringLiteral("    font-size:14px;")
      << QStringLiteral("}") << QStringLiteral(".t9 {") << QStringLiteral("    font-size: 100%") << QStringLiteral("}")
      << QStringLiteral(".t10 {") << QStringLiteral("    font-size: 110%") << QStringLiteral("}")
      << QStringLiteral(".t12 {") << QStringLiteral("    font-size: 130%") << QStringLiteral("}")
      << QStringLiteral(".t14 {")
      << (blau ? QStringLiteral("    font-size: 200%") : QStringLiteral("    font-size: 150%")) << QStringLiteral("}")
      << QStringLiteral("-->") << QStringLiteral("</style>");
    return l.join(kUmbruch);
}

QByteArray htmlSeite(const Ausgabe &aus, const Cup &cup)
{
    // The title is the cup name line; it gets the character replacements but no links, which a title cannot hold.
    const QString titel = aus.anzahl() > 1 ? leerzeichenErsetzen(zeichenErsetzen(aus.zeile(1).text)) : QString();
    const QStringList kopf{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + titel + QStringLiteral(" - Ergebnisse</title>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"),
        QStringLiteral("<meta name=\"Generator\" content=\"") +
            attribut(kProgrammname + QLatin1Char(' ') + kWebadresse + kVersion) + QStringLiteral("\">"),
        QStringLiteral("<meta name=\"Publisher\" content=\"") + attribut(cup.veranstalter) + QStringLiteral("\">"),
        QStringLiteral("<meta name=\"Copyright\" content=\"") + attribut(kHerstellerhinweis) + QStringLiteral("\">"),
        QStringLiteral("<meta name=\"Robots\" content=\"INDEX,FOLLOW\">"),
        QStringLiteral("<meta name=\"Language\" content=\"German, Deutsch, de, at, ch\">"),
        htmlStil(cup.htmlstil),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<a name=\"top\"></a>"),
        QStringLiteral("<table align=\"center\" border=\"1\" cellpadding=\"3\" cellspacing=\"0\">"),
        QStringLiteral("<tr>"),
        QStringLiteral("<td valign=\"top\">"),
    };

    QString seite = kopf.join(kUmbruch);
    for (const Ausgabezeile &z : aus.zeilen()) {
        if (z.text == QLatin1String(" ")) {
            seite += html_text(z.text) + QStringLiteral("<br>");
        } else {
            QString auf = QStringLiteral("<span class=\"t") + QString::number(z.groesse) + QStringLiteral("\">");
            QString zu;
            if (z.stil & Unterstrichen)
                auf += QStringLiteral("<u>");
            if (z.stil & Kursiv)
                auf += QStringLiteral("<i>");
            if (z.stil & Fett) {
                auf += QStringLiteral("<b>");
                zu += QStringLiteral("</b>");
            }
            if (z.stil & Kursiv)
                zu += QStringLiteral("</i>");
            if (z.stil & Unterstrichen)
                zu += QStringLiteral("</u>");
            seite += auf + html_text(z.text) + zu + QStringLiteral("</span><br>");
        }
        seite += kUmbruch;
    }
    seite += QStringList{QStringLiteral("</td>"), QStringLiteral("</tr>"), QStringLiteral("</table>"),
                         QStringLiteral("</body>"), QStringLiteral("</html>")}
                 .join(kUmbruch);
    return seite.toUtf8();
}

bool schreibeHtml(const Ausgabe &aus, const Cup &cup, QIODevice &geraet, QString *fehler)
{
    QString grund;
    if (alleBytesSchreiben(geraet, htmlSeite(aus, cup), &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die HTML-Datei konnte nicht geschrieben werden: %1").arg(grund);
    return false;
}

bool ausgabe2html(Ausgabe &aus, const Cup &cup, const QString &pfad, QString *fehler)
{
    // Never over the cup file the report was made from.
    if (!sicherSchreiben(pfad, htmlSeite(aus, cup), fehler,
                         {QStringLiteral("Die HTML-Datei"), cup.dateiname}))
        return false;
    aus.clear();
    return true;
}

} // namespace tlt
