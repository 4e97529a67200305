#include "webseite/seiten.h"

#include "core/version.h"
#include "webseite/parallel.h"
#include "webseite/webtext.h"

#include <QFile>

static void webseitenRessourcen()
{
    Q_INIT_RESOURCE(webseite);
}

namespace tlt {

namespace {

QByteArray ressource(const QString &name)
{
    webseitenRessourcen();
    QFile f(QStringLiteral(":/webseite/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("Ressource fehlt: %s", qPrintable(name));
    return f.readAll();
}

// Bytes of the text in UTF-8, counted without converting it.
qsizetype utf8Laenge(const QString &s)
{
    qsizetype n = 0;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        n += u < 0x80 ? 1 : u < 0x800 ? 2 : QChar::isSurrogate(u) ? 2 : 3;
    }
    return n;
}

QString cupTitel(const Webdaten &d)
{
    return d.cupname.trimmed().isEmpty() ? QStringLiteral("Läufercup") : d.cupname;
}

QString seitenname(const QString &basis, int teil)
{
    return teil <= 1 ? basis + QStringLiteral(".html") : basis + QLatin1Char('-') + QString::number(teil) + QStringLiteral(".html");
}

// The frame of every page: head, the search (shown by the script), the content, the foot.
QString rahmen(const Webdaten &d, const QString &titel, const QString &inhalt, const QDateTime &stand)
{
    QString s;
    s += QStringLiteral("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>");
    s += htmlText(titel);
    s += QStringLiteral("</title>\n<link rel=\"stylesheet\" href=\"stil.css\">\n"
                        "<script src=\"tlt.js\" defer></script>\n</head>\n<body>\n<header class=\"kopf\">\n");
    if (!d.veranstalter.trimmed().isEmpty())
        s += QStringLiteral("<p class=\"veranstalter\">") + htmlText(d.veranstalter) + QStringLiteral("</p>\n");
    s += QStringLiteral("<p class=\"cupname\">") + htmlText(cupTitel(d)) + QStringLiteral("</p>\n");
    s += QStringLiteral("<nav aria-label=\"Seiten des Cups\"><ul><li><a href=\"index.html\">Übersicht</a></li>");
    if (d.nachLauf > 0)
        s += QStringLiteral("<li><a href=\"") + kGesamtseite + QStringLiteral("\">Gesamtwertung</a></li>");
    s += QStringLiteral("</ul></nav>\n</header>\n"
                        "<form id=\"suche\" class=\"suche\" role=\"search\" hidden>\n"
                        "<label for=\"suchfeld\">Teilnehmer suchen: Name oder Startnummer</label>\n"
                        "<input type=\"search\" id=\"suchfeld\" autocomplete=\"off\" spellcheck=\"false\">\n"
                        "<div id=\"treffer\" aria-live=\"polite\"></div>\n</form>\n<main>\n");
    s += inhalt;
    s += QStringLiteral("</main>\n<footer><p>Stand: ") + stand.toString(QStringLiteral("dd.MM.yyyy, HH:mm")) +
         QStringLiteral(" Uhr · erstellt mit ") + kProgrammname + QLatin1Char(' ') + kVersion +
         QStringLiteral("</p></footer>\n</body>\n</html>\n");
    return s;
}

// The four kinds of list: each has its own columns after "Pos.", name and club, and its own class
// for the style sheet (the phone layout differs).
enum class Listenart { Lauf, Gesamt, Einlauf, Einzeln };

QString listenklasse(Listenart art)
{
    switch (art) {
    case Listenart::Lauf:
        return QStringLiteral("liste lauf");
    case Listenart::Gesamt:
        return QStringLiteral("liste gesamt");
    case Listenart::Einlauf:
        return QStringLiteral("liste einlauf");
    case Listenart::Einzeln:
        break;
    }
    return QStringLiteral("liste einzeln");
}

// A list cut into pages of at most about `budget` bytes. A group that does not fit goes on on the
// next page under its title with "(Fortsetzung)".
class Listenseiten {
public:
    // personen: per participant the name and club cells, escaped once for all lists.
    Listenseiten(const std::vector<QString> &personen, const Webliste &liste, Listenart art, qsizetype budget)
        : m_personen(personen), m_art(art), m_budget(budget)
    {
        switch (art) {
        case Listenart::Lauf:
            m_kopf = {QStringLiteral("Ergebnis")};
            break;
        case Listenart::Gesamt:
            m_kopf = {QStringLiteral("Läufe"), QStringLiteral("Punkte")};
            break;
        default:
            m_kopf = liste.kopf;
        }
        for (const Webblock &b : liste.bloecke) {
            m_block = &b;
            blockKopf(false);
            for (const Webgruppe &g : b.gruppen) {
                m_gruppe = &g;
                tabelleAuf(false);
                for (const Webzeile &z : g.zeilen)
                    zeile(z);
                tabelleZu();
                m_gruppe = nullptr;
            }
            blockZu();
            m_block = nullptr;
        }
        m_teile.push_back(m_aktuell);
        m_anfaenge.push_back(m_aktuellerAnfang);
    }

    const std::vector<QString> &teile() const { return m_teile; }
    // The first group title of each page.
    const std::vector<QString> &anfaenge() const { return m_anfaenge; }

private:
    void anhaengen(const QString &text)
    {
        m_aktuell += text;
        m_bytes += utf8Laenge(text);
    }

    void blockKopf(bool fortsetzung)
    {
        if (m_block->titel.isEmpty()) {
            anhaengen(QStringLiteral("<section>\n"));
        } else {
            anhaengen(QStringLiteral("<section>\n<h2>") + htmlText(m_block->titel));
            if (fortsetzung)
                anhaengen(QStringLiteral(" (Fortsetzung)"));
            anhaengen(QStringLiteral("</h2>\n"));
        }
    }
    void blockZu() { anhaengen(QStringLiteral("</section>\n")); }

    void tabelleAuf(bool fortsetzung)
    {
        if (m_aktuellerAnfang.isEmpty())
            m_aktuellerAnfang = m_gruppe->titel;
        anhaengen(QStringLiteral("<table class=\"") + listenklasse(m_art) + QStringLiteral("\">\n<caption>"));
        anhaengen(htmlText(m_gruppe->titel));
        if (fortsetzung)
            anhaengen(QStringLiteral(" (Fortsetzung)"));
        anhaengen(QStringLiteral("</caption>\n<thead><tr><th scope=\"col\">Pos.</th><th scope=\"col\">Name, Vorname</th>"
                                    "<th scope=\"col\">Verein</th>"));
        for (const QString &k : m_kopf)
            anhaengen(QStringLiteral("<th scope=\"col\">") + htmlText(k) + QStringLiteral("</th>"));
        anhaengen(QStringLiteral("</tr></thead>\n<tbody>\n"));
    }
    void tabelleZu() { anhaengen(QStringLiteral("</tbody>\n</table>\n")); }

    void zeile(const Webzeile &z)
    {
        // One buffer for every row: the lists have hundreds of thousands of them.
        QString &s = m_zeile;
        s.clear();
        const auto zelle = [&s](const QString &text) {
            s += QLatin1String("<td>");
            htmlAnhaengen(s, text);
        };
        s += QLatin1String("<tr><td>");
        if (z.platz > 0) {
            s += QString::number(z.platz);
            s += QLatin1Char('.');
        }
        s += m_personen[static_cast<size_t>(z.teilnehmer)];
        switch (m_art) {
        case Listenart::Lauf:
            zelle(z.wert);
            break;
        case Listenart::Gesamt:
            zelle(z.laeufe);
            zelle(z.wert);
            break;
        default:
            for (const QString &text : z.mehr)
                zelle(text);
        }
        s += QLatin1Char('\n');
        const qsizetype laenge = utf8Laenge(s);
        if (m_zeilenAufSeite > 0 && m_bytes + laenge > m_budget)
            neueSeite();
        anhaengen(s);
        ++m_zeilenAufSeite;
    }

    void neueSeite()
    {
        tabelleZu();
        blockZu();
        m_teile.push_back(m_aktuell);
        m_anfaenge.push_back(m_aktuellerAnfang);
        m_aktuell.clear();
        m_bytes = kRahmen;
        m_aktuellerAnfang.clear();
        m_zeilenAufSeite = 0;
        blockKopf(true);
        tabelleAuf(true);
    }

    const std::vector<QString> &m_personen;
    Listenart m_art;
    std::vector<QString> m_kopf;
    QString m_zeile;
    qsizetype m_budget;
    static constexpr qsizetype kRahmen = 4096; // the frame around the list
    qsizetype m_bytes = kRahmen;
    const Webblock *m_block = nullptr;
    const Webgruppe *m_gruppe = nullptr;
    QString m_aktuell;
    QString m_aktuellerAnfang;
    int m_zeilenAufSeite = 0;
    std::vector<QString> m_teile;
    std::vector<QString> m_anfaenge;
};

// Links between the pages of one long list.
QString teilnavigation(const QString &basis, const std::vector<QString> &anfaenge, size_t aktuell)
{
    if (anfaenge.size() < 2)
        return QString();
    QString s = QStringLiteral("<nav class=\"teile\" aria-label=\"Seiten dieser Liste\">\n<p>Seite ") +
                QString::number(aktuell + 1) + QStringLiteral(" von ") + QString::number(anfaenge.size()) +
                QStringLiteral("</p>\n<ol>\n");
    for (size_t i = 0; i < anfaenge.size(); ++i) {
        const QString text = QStringLiteral("Seite ") + QString::number(i + 1) + QStringLiteral(": ab ") + htmlText(anfaenge[i]);
        if (i == aktuell)
            s += QStringLiteral("<li><a aria-current=\"page\" href=\"") + seitenname(basis, static_cast<int>(i + 1)) +
                 QStringLiteral("\">") + text + QStringLiteral("</a></li>\n");
        else
            s += QStringLiteral("<li><a href=\"") + seitenname(basis, static_cast<int>(i + 1)) + QStringLiteral("\">") +
                 text + QStringLiteral("</a></li>\n");
    }
    s += QStringLiteral("</ol>\n</nav>\n");
    return s;
}

// A link from one list to its other view ("Einlaufliste dieses Laufes", "mit Einzelergebnissen").
struct Querverweis {
    QString ziel;
    QString text;
};

// Name and club of every participant as the two table cells of a list line, escaped once.
std::vector<QString> personenzellen(const Webdaten &d)
{
    std::vector<QString> zellen;
    zellen.reserve(d.teilnehmer.size());
    for (const Webteilnehmer &t : d.teilnehmer) {
        QString s = QStringLiteral("<td>");
        htmlAnhaengen(s, t.name);
        s += QLatin1String("<td>");
        htmlAnhaengen(s, t.verein);
        zellen.push_back(std::move(s));
    }
    return zellen;
}

void listenseiten(std::vector<Webdatei> &dateien, const Webdaten &d, const std::vector<QString> &personen,
                  const Webliste &liste, Listenart art, const QString &basis, const Querverweis &verweis,
                  const QDateTime &stand, qsizetype budget)
{
    const Listenseiten teile(personen, liste, art, budget);
    for (size_t i = 0; i < teile.teile().size(); ++i) {
        QString inhalt = QStringLiteral("<h1>") + htmlText(liste.titel) + QStringLiteral("</h1>\n");
        if (!liste.untertitel.isEmpty())
            inhalt += QStringLiteral("<p class=\"untertitel\">") + htmlText(liste.untertitel) + QStringLiteral("</p>\n");
        if (!verweis.ziel.isEmpty())
            inhalt += QStringLiteral("<p class=\"verweis\"><a href=\"") + verweis.ziel + QStringLiteral("\">") +
                      htmlText(verweis.text) + QStringLiteral("</a></p>\n");
        inhalt += teilnavigation(basis, teile.anfaenge(), i);
        if (liste.bloecke.empty())
            inhalt += QStringLiteral("<p>Keine Teilnehmer.</p>\n");
        inhalt += teile.teile()[i];
        QString titel = liste.titel;
        if (art == Listenart::Lauf || art == Listenart::Einlauf)
            titel = liste.untertitel + QStringLiteral(": ") + liste.titel;
        if (teile.teile().size() > 1)
            titel += QStringLiteral(" (Seite ") + QString::number(i + 1) + QLatin1Char(')');
        dateien.push_back({seitenname(basis, static_cast<int>(i + 1)),
                           rahmen(d, titel + QStringLiteral(" – ") + cupTitel(d), inhalt, stand).toUtf8()});
    }
}

QString zahlenliste(const std::vector<int> &werte)
{
    QString s = QStringLiteral("[");
    for (size_t i = 0; i < werte.size(); ++i) {
        if (i)
            s += QLatin1Char(',');
        s += QString::number(werte[i]);
    }
    return s + QLatin1Char(']');
}

// The search data as a script that hands it to the page's script.
QByteArray suchdaten(const Webdaten &d)
{
    QString s = QStringLiteral("\"use strict\";\nTLT.daten({\"laeufe\":[");
    for (int k = 1; k <= d.nachLauf; ++k) {
        const Weblauf &l = d.laeufe[static_cast<size_t>(k - 1)];
        if (k > 1)
            s += QLatin1Char(',');
        s += QStringLiteral("{\"nr\":") + QString::number(l.nummer) + QStringLiteral(",\"datum\":") + jsText(l.datum) +
             QStringLiteral(",\"seite\":") + jsText(laufseite(k)) + QLatin1Char('}');
    }
    s += QStringLiteral("],\"gesamt\":") + jsText(d.gesamt.titel) + QStringLiteral(",\"t\":[\n");
    for (size_t i = 0; i < d.teilnehmer.size(); ++i) {
        const Webteilnehmer &t = d.teilnehmer[i];
        if (i)
            s += QStringLiteral(",\n");
        s += QLatin1Char('[') + jsText(t.name) + QLatin1Char(',') + jsText(t.verein) + QLatin1Char(',') +
             jsText(t.altersgruppe) + QLatin1Char(',') + jsText(t.variante) + QLatin1Char(',') + jsText(t.startnummer) +
             QLatin1Char(',') + QString::number(t.gesamtplatz) + QLatin1Char(',') + jsText(t.gesamtpunkte) +
             QLatin1Char(',') + jsText(t.teilnahmen) + QStringLiteral(",[");
        for (size_t k = 0; k < t.ergebnisse.size(); ++k) {
            if (k)
                s += QLatin1Char(',');
            s += jsText(t.ergebnisse[k]);
        }
        s += QStringLiteral("],") + zahlenliste(t.plaetze) + QLatin1Char(',') + zahlenliste(t.punkte) + QLatin1Char(']');
    }
    s += QStringLiteral("\n]});\n");
    return s.toUtf8();
}

QString startseite(const Webdaten &d, const QDateTime &stand)
{
    QString s = QStringLiteral("<h1>") + htmlText(cupTitel(d)) + QStringLiteral("</h1>\n");
    if (!d.veranstalter.trimmed().isEmpty())
        s += QStringLiteral("<p>Veranstalter: ") + htmlText(d.veranstalter) + QStringLiteral("</p>\n");
    s += QStringLiteral("<p>Stand: ") + stand.toString(QStringLiteral("dd.MM.yyyy, HH:mm")) + QStringLiteral(" Uhr</p>\n");
    if (d.nachLauf > 0)
        s += QStringLiteral("<p class=\"gross\"><a href=\"") + kGesamtseite + QStringLiteral("\">") +
             htmlText(d.gesamt.titel) + QStringLiteral("</a></p>\n<p><a href=\"") + kEinzelseite +
             QStringLiteral("\">") + htmlText(d.einzeln.titel) + QStringLiteral("</a></p>\n");
    else
        s += QStringLiteral("<p>Noch keine Ergebnisse.</p>\n");
    if (d.laeufe.empty())
        return s + QStringLiteral("<p>Noch keine Läufe.</p>\n");
    s += QStringLiteral("<table class=\"laeufe\">\n<caption>Läufe</caption>\n<thead><tr><th scope=\"col\">Lauf</th>"
                        "<th scope=\"col\">Datum</th><th scope=\"col\">Art</th><th scope=\"col\">Ort</th>"
                        "<th scope=\"col\">Im Ziel</th></tr></thead>\n<tbody>\n");
    for (const Weblauf &l : d.laeufe) {
        const QString name = QStringLiteral("Lauf ") + QString::number(l.nummer);
        s += QStringLiteral("<tr><td>");
        if (l.mitSeite)
            s += QStringLiteral("<a href=\"") + laufseite(l.nummer) + QStringLiteral("\">") + name + QStringLiteral("</a>");
        else
            s += name;
        s += QStringLiteral("</td><td>") + htmlText(l.datum) + QStringLiteral("</td><td>") + htmlText(l.typ) +
             QStringLiteral("</td><td>") + htmlText(l.ort) + QStringLiteral("</td><td>") +
             (l.mitSeite ? QString::number(l.imZiel) : QStringLiteral("–")) + QStringLiteral("</td></tr>\n");
    }
    s += QStringLiteral("</tbody>\n</table>\n");
    return s;
}

} // namespace

QString laufseite(int k)
{
    return QStringLiteral("lauf-%1.html").arg(k, 2, 10, QLatin1Char('0'));
}

QString einlaufseite(int k)
{
    return QStringLiteral("einlauf-%1.html").arg(k, 2, 10, QLatin1Char('0'));
}

std::vector<Webdatei> webseiten(const Webdaten &d, const QDateTime &stand, qsizetype budget)
{
    std::vector<Webdatei> dateien;
    dateien.push_back({QStringLiteral("stil.css"), ressource(QStringLiteral("stil.css"))});
    dateien.push_back({QStringLiteral("tlt.js"), ressource(QStringLiteral("tlt.js"))});
    const std::vector<QString> personen = personenzellen(d);
    // The search data, the standings and each race's pages are made on their own (side by side)
    // and then taken in that order: part 0 the search data, 1 the standings, 2.. the races.
    const int laeufe = std::max(d.nachLauf, 0);
    std::vector<std::vector<Webdatei>> teile(static_cast<size_t>(laeufe) + 2);
    jeweilsParallel(laeufe + 2, [&](int i) {
        std::vector<Webdatei> &seiten = teile[static_cast<size_t>(i)];
        if (i == 0) {
            seiten.push_back({QStringLiteral("daten.js"), suchdaten(d)});
            return;
        }
        if (i == 1) {
            if (d.nachLauf > 0) {
                listenseiten(seiten, d, personen, d.gesamt, Listenart::Gesamt, kGesamtseite.chopped(5),
                             {kEinzelseite, QStringLiteral("Gesamtwertung mit Einzelergebnissen")}, stand, budget);
                listenseiten(seiten, d, personen, d.einzeln, Listenart::Einzeln, kEinzelseite.chopped(5),
                             {kGesamtseite, QStringLiteral("Gesamtwertung ohne Einzelergebnisse")}, stand, budget);
            }
            return;
        }
        const int k = i - 1;
        listenseiten(seiten, d, personen, d.laufergebnisse[static_cast<size_t>(k - 1)], Listenart::Lauf,
                     laufseite(k).chopped(5), {einlaufseite(k), QStringLiteral("Einlaufliste dieses Laufes")}, stand,
                     budget);
        if (static_cast<size_t>(k - 1) < d.einlauflisten.size())
            listenseiten(seiten, d, personen, d.einlauflisten[static_cast<size_t>(k - 1)], Listenart::Einlauf,
                         einlaufseite(k).chopped(5), {laufseite(k), QStringLiteral("Ergebnisliste nach Altersgruppen")},
                         stand, budget);
    });
    // Files in the order the folder is written: search data, races, standings, index last.
    auto uebernehmen = [&dateien](std::vector<Webdatei> &teil) {
        for (auto &s : teil)
            dateien.push_back(std::move(s));
    };
    uebernehmen(teile[0]);
    for (size_t i = 2; i < teile.size(); ++i)
        uebernehmen(teile[i]);
    uebernehmen(teile[1]);
    dateien.push_back({QStringLiteral("index.html"),
                       rahmen(d, cupTitel(d) + QStringLiteral(" – Übersicht"), startseite(d, stand), stand).toUtf8()});
    return dateien;
}

} // namespace tlt
