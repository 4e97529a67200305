#include "austausch/ausfuhr.h"

#include "core/cup.h"
#include "core/sicheresschreiben.h"
#include "core/spalten.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "core/konvertierung.h"
#include "scoring/gesamtwertung.h"
#include "scoring/wertung.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <functional>

namespace tlt {

Ausfuhrzelle ergebniszelle(const QString &eintrag)
{
    if (eintrag.isEmpty())
        return Ausfuhrzelle::leer();
    if (!istCode(eintrag)) {
        // Only the stored forms become numbers; anything else stays visible as it is.
        if (eintrag.endsWith(QLatin1Char('"')) && checktime(eintrag) == eintrag) {
            // The digits read as HMMSSFF.
            const qint64 d = ziffern(eintrag).toLongLong();
            return Ausfuhrzelle::zeit(((d / 1000000 * 60 + d / 10000 % 100) * 60 + d / 100 % 100) * 100 + d % 100);
        }
        if (eintrag.endsWith(QLatin1Char('m')) && checkdist(eintrag) == eintrag)
            return Ausfuhrzelle::zahl(ziffern(eintrag).toLongLong());
    }
    return Ausfuhrzelle::ausText(eintrag);
}

namespace {

QString jahrgang(const QString &geb)
{
    return geb == kKeinDatum ? QString() : geb.mid(6, 4);
}

Ausfuhrzelle jahrgangszelle(const QString &geb)
{
    int j = 0;
    return istInt(jahrgang(geb), &j) ? Ausfuhrzelle::zahl(j) : Ausfuhrzelle::leer();
}

Ausfuhrzelle snZelle(const QString &sn)
{
    int n = 0;
    return istInt(sn, &n) ? Ausfuhrzelle::zahl(n) : Ausfuhrzelle::ausText(sn);
}

// Name, Vorname, Jahrgang, Verein, Altersgruppe and Cupvariante of row r, as the lists show them.
QList<Ausfuhrzelle> personenzellen(const Tabelle &teil, int r)
{
    return {Ausfuhrzelle::ausText(teil.cell(Teilspalte::Name, r)),
            Ausfuhrzelle::ausText(teil.cell(Teilspalte::Vorname, r)),
            jahrgangszelle(teil.cell(Teilspalte::Geburtsdatum, r)),
            Ausfuhrzelle::ausText(teil.cell(Teilspalte::Verein, r)),
            Ausfuhrzelle::ausText(teil.cell(Teilspalte::Altersgruppe, r)),
            Ausfuhrzelle::ausText(teil.cell(Teilspalte::Cupvariation, r))};
}

// Rows in the order of the printed lists: per cup variation (or all rows), per age group the women's
// and then the men's label, each in table order.
template <typename F>
void inListenfolge(const Cup &cup, const std::vector<int> &zeilen, F &&zeile)
{
    QHash<QString, std::vector<int>> nachGruppe;
    for (int r : zeilen)
        nachGruppe[cup.teil.cell(Teilspalte::Altersgruppe, r)].push_back(r);
    for (int i = 1; i < cup.ag.rowCount(); ++i)
        for (int g = 0; g < 2; ++g)
            zeile(nachGruppe.value(cup.ag.cell(g, i)));
}

template <typename F>
void nachVarianten(const Cup &cup, const std::function<bool(int)> &dabei, F &&gruppe)
{
    std::vector<int> alle;
    for (int r = 1; r < cup.teil.rowCount(); ++r)
        if (dabei(r))
            alle.push_back(r);
    if (cup.cv.rowCount() <= 1) {
        inListenfolge(cup, alle, gruppe);
        return;
    }
    QHash<QString, std::vector<int>> nachVariante;
    for (int r : alle)
        nachVariante[cup.teil.cell(Teilspalte::Cupvariation, r)].push_back(r);
    for (int v = 1; v < cup.cv.rowCount(); ++v)
        inListenfolge(cup, nachVariante.value(cup.cv.cell(Cvspalte::Name, v)), gruppe);
}

Cup kopie(const Cup &cup)
{
    Cup c = cup;
    c.beiAenderung = nullptr;
    return c;
}

} // namespace

Ausfuhrtabelle teilnehmerTabelle(const Cup &cup)
{
    Ausfuhrtabelle t;
    t.blatt = QStringLiteral("Teilnehmer");
    t.kopf = QStringList{QStringLiteral("Startnummer"), QStringLiteral("Name"),       QStringLiteral("Vorname"),
                         QStringLiteral("Geburtsdatum"), QStringLiteral("Jahrgang"), QStringLiteral("Geschlecht"),
                         QStringLiteral("Verein"),       QStringLiteral("Altersgruppe"), QStringLiteral("Cupvariante")};
    for (int k = 1; k <= cup.anzahlLaufe(); ++k)
        t.kopf << QStringLiteral("Lauf %1 (%2)").arg(cup.laufe.cell(k, Laufzeile::Nummer), cup.laufe.cell(k, Laufzeile::Datum));
    const Tabelle &teil = cup.teil;
    t.zeilen.reserve(teil.rowCount());
    for (int r = 1; r < teil.rowCount(); ++r) {
        QList<Ausfuhrzelle> z;
        z.reserve(t.kopf.size());
        z << snZelle(teil.cell(Teilspalte::Startnummer, r)) << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Name, r))
          << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Vorname, r))
          << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Geburtsdatum, r) == kKeinDatum ? QString() : teil.cell(Teilspalte::Geburtsdatum, r))
          << jahrgangszelle(teil.cell(Teilspalte::Geburtsdatum, r)) << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Geschlecht, r))
          << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Verein, r)) << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Altersgruppe, r))
          << Ausfuhrzelle::ausText(teil.cell(Teilspalte::Cupvariation, r));
        for (int k = 1; k <= cup.anzahlLaufe(); ++k)
            z << ergebniszelle(teil.cell(Cup::ergebnisspalte(k), r));
        t.zeilen << z;
    }
    return t;
}

Ausfuhrtabelle laufergebnisTabelle(const Cup &original, int k)
{
    Cup cup = kopie(original);
    const int spalte = Cup::ergebnisspalte(k);
    teilsort(cup, Richtung::Aufsteigend, 0);
    teilsort(cup, Richtung::Aufsteigend, spalte);
    const Laufwertung wertung(cup, k);

    Ausfuhrtabelle t;
    t.blatt = QStringLiteral("Lauf %1").arg(k);
    t.kopf = QStringList{QStringLiteral("Platz"),   QStringLiteral("Name"),         QStringLiteral("Vorname"),
                         QStringLiteral("Jahrgang"), QStringLiteral("Verein"),      QStringLiteral("Altersgruppe"),
                         QStringLiteral("Cupvariante"), QStringLiteral("Startnummer"), QStringLiteral("Ergebnis"),
                         QStringLiteral("Punkte")};
    const Tabelle &teil = cup.teil;
    nachVarianten(
        cup, [&](int r) { return !teil.cell(spalte, r).isEmpty(); },
        [&](const std::vector<int> &zeilen) {
            // The placing as the printed list counts it: equal results share the placing of the first.
            int platz = 1, letzter = 0;
            QString vorige;
            for (int r : zeilen) {
                const QString &eintrag = teil.cell(spalte, r);
                Ausfuhrzelle platzzelle;
                if (eintrag != vorige && !istCode(eintrag)) {
                    letzter = platz++;
                    platzzelle = Ausfuhrzelle::zahl(letzter);
                } else if (eintrag == vorige) {
                    ++platz;
                    if (!istCode(eintrag))
                        platzzelle = Ausfuhrzelle::zahl(letzter);
                }
                vorige = eintrag;
                const int punkte = istCode(eintrag) ? 0 : wertung.punkte(r);
                t.zeilen << QList<Ausfuhrzelle>{platzzelle} + personenzellen(teil, r) +
                                QList<Ausfuhrzelle>{snZelle(teil.cell(Teilspalte::Startnummer, r)),
                                                    ergebniszelle(eintrag),
                                                    istCode(eintrag) ? Ausfuhrzelle::leer()
                                                                     : Ausfuhrzelle::zahl(punkte)};
            }
        });
    return t;
}

Ausfuhrtabelle gesamtTabelle(const Cup &cup, int n)
{
    const Gesamtstand stand = gesamtstand(cup, n);
    const int bis = std::clamp(n, 0, cup.anzahlLaufe());
    const Laufwertungen wertungen(cup, 1, bis);

    Ausfuhrtabelle t;
    t.blatt = QStringLiteral("Gesamt nach Lauf %1").arg(n);
    t.kopf = QStringList{QStringLiteral("Platz"),   QStringLiteral("Name"),         QStringLiteral("Vorname"),
                         QStringLiteral("Jahrgang"), QStringLiteral("Verein"),      QStringLiteral("Altersgruppe"),
                         QStringLiteral("Cupvariante"), QStringLiteral("Teilnahmen"), QStringLiteral("Punkte")};
    for (int k = 1; k <= n; ++k)
        t.kopf << QStringLiteral("Lauf %1").arg(k);
    const Tabelle &teil = cup.teil;
    for (const Standgruppe &g : stand.gruppen) {
        for (int r : g.zeilen) {
            const Standzeile &s = stand.zeile(r);
            QList<Ausfuhrzelle> z = QList<Ausfuhrzelle>{s.platz > 0 ? Ausfuhrzelle::zahl(s.platz)
                                                                    : Ausfuhrzelle::leer()} +
                                    personenzellen(teil, r) +
                                    QList<Ausfuhrzelle>{Ausfuhrzelle::zahl(s.teilnahmen),
                                                        s.unterMinimum ? Ausfuhrzelle::leer()
                                                                       : Ausfuhrzelle::zahl(s.punkte)};
            for (int k = 1; k <= n; ++k) {
                const QString &eintrag = k <= bis ? teil.cell(Cup::ergebnisspalte(k), r) : QString();
                z << (istLeistung(eintrag) ? Ausfuhrzelle::zahl(wertungen.punkte(k, r)) : Ausfuhrzelle::leer());
            }
            t.zeilen << z;
        }
    }
    return t;
}

QString zeittext(qint64 h)
{
    return QStringLiteral("%1:%2:%3,%4")
        .arg(h / 360000)
        .arg(h / 6000 % 60, 2, 10, QLatin1Char('0'))
        .arg(h / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(h % 100, 2, 10, QLatin1Char('0'));
}

namespace {
QString csvFeld(const QString &s)
{
    if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n')) ||
        s.contains(QLatin1Char('\r')) || s.startsWith(QLatin1Char(' ')) || s.endsWith(QLatin1Char(' '))) {
        QString q = s;
        q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + q + QLatin1Char('"');
    }
    return s;
}

QString csvText(const Ausfuhrzelle &z)
{
    switch (z.art) {
    case Ausfuhrzelle::Art::Leer:
        return {};
    case Ausfuhrzelle::Art::Text:
        return csvFeld(z.text);
    case Ausfuhrzelle::Art::Zahl:
        return QString::number(z.wert);
    case Ausfuhrzelle::Art::Zeit:
        return zeittext(z.wert);
    }
    return {};
}

// A sheet name as spreadsheets allow it: at most 31 characters, none of []:*?/\.
QByteArray blattname(const QString &name)
{
    QString s = name;
    for (QChar &c : s)
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = QLatin1Char('-');
    s = s.left(31);
    return (s.isEmpty() ? QStringLiteral("Tabelle") : s).toUtf8();
}
} // namespace

QByteArray csvInhalt(const Ausfuhrtabelle &t)
{
    QString s;
    auto zeile = [&s](const QStringList &felder) {
        s += felder.join(QLatin1Char(';'));
        s += QStringLiteral("\r\n");
    };
    QStringList kopf;
    for (const QString &k : t.kopf)
        kopf << csvFeld(k);
    zeile(kopf);
    for (const auto &z : t.zeilen) {
        QStringList felder;
        felder.reserve(z.size());
        for (const Ausfuhrzelle &c : z)
            felder << csvText(c);
        zeile(felder);
    }
    return QByteArray("\xEF\xBB\xBF") + s.toUtf8();
}

bool csvSchreiben(const Ausfuhrtabelle &t, const QString &pfad, QString *fehler)
{
    return sicherSchreiben(pfad, csvInhalt(t), fehler);
}

bool xlsxSchreiben(const Ausfuhrtabelle &t, const QString &pfad, QString *fehler)
{
    // libxlsxwriter writes to a file name only: the workbook is made in a private folder and then
    // copied to its place through the safe writer.
    QTemporaryDir ordner;
    if (!ordner.isValid()) {
        *fehler = QStringLiteral("Für die Excel-Datei konnte kein temporärer Ordner angelegt werden.");
        return false;
    }
    const QByteArray tmp = ordner.filePath(QStringLiteral("liste.xlsx")).toLocal8Bit();
    const QByteArray tmpOrdner = ordner.path().toLocal8Bit();
    lxw_workbook_options optionen{};
    optionen.constant_memory = LXW_TRUE;
    optionen.tmpdir = const_cast<char *>(tmpOrdner.constData());
    lxw_workbook *mappe = workbook_new_opt(tmp.constData(), &optionen);
    if (!mappe) {
        *fehler = QStringLiteral("Die Excel-Datei konnte nicht angelegt werden.");
        return false;
    }
    const QByteArray name = blattname(t.blatt);
    lxw_worksheet *blatt = workbook_add_worksheet(mappe, name.constData());
    lxw_format *fett = workbook_add_format(mappe);
    format_set_bold(fett);
    lxw_format *zeit = workbook_add_format(mappe);
    format_set_num_format(zeit, "[h]:mm:ss.00");

    lxw_error e = LXW_NO_ERROR;
    auto pruefe = [&e](lxw_error f) {
        if (e == LXW_NO_ERROR)
            e = f;
    };
    for (int s = 0; s < t.kopf.size(); ++s)
        pruefe(worksheet_write_string(blatt, 0, lxw_col_t(s), t.kopf.at(s).toUtf8().constData(), fett));
    for (int r = 0; r < t.zeilen.size() && e == LXW_NO_ERROR; ++r) {
        const auto &zeile = t.zeilen.at(r);
        const lxw_row_t zr = lxw_row_t(r + 1);
        for (int s = 0; s < zeile.size(); ++s) {
            const Ausfuhrzelle &z = zeile.at(s);
            switch (z.art) {
            case Ausfuhrzelle::Art::Leer:
                break;
            case Ausfuhrzelle::Art::Text:
                pruefe(worksheet_write_string(blatt, zr, lxw_col_t(s), z.text.toUtf8().constData(), nullptr));
                break;
            case Ausfuhrzelle::Art::Zahl:
                pruefe(worksheet_write_number(blatt, zr, lxw_col_t(s), double(z.wert), nullptr));
                break;
            case Ausfuhrzelle::Art::Zeit:
                pruefe(worksheet_write_number(blatt, zr, lxw_col_t(s), double(z.wert) / 8640000.0, zeit));
                break;
            }
        }
    }
    if (!t.kopf.isEmpty()) {
        worksheet_freeze_panes(blatt, 1, 0);
        pruefe(worksheet_autofilter(blatt, 0, 0, lxw_row_t(t.zeilen.size()), lxw_col_t(t.kopf.size() - 1)));
    }
    const lxw_error schliessen = workbook_close(mappe);
    if (e == LXW_NO_ERROR)
        e = schliessen;
    if (e != LXW_NO_ERROR) {
        *fehler = QStringLiteral("Die Excel-Datei konnte nicht geschrieben werden: %1")
                      .arg(QString::fromUtf8(lxw_strerror(e)));
        return false;
    }
    QFile f(QString::fromLocal8Bit(tmp));
    if (!f.open(QIODevice::ReadOnly)) {
        *fehler = QStringLiteral("Die Excel-Datei konnte nicht gelesen werden: %1").arg(f.errorString());
        return false;
    }
    return sicherSchreiben(pfad, f.readAll(), fehler);
}

bool tabelleSchreiben(const Ausfuhrtabelle &t, const QString &pfad, QString *fehler)
{
    if (QFileInfo(pfad).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return xlsxSchreiben(t, pfad, fehler);
    return csvSchreiben(t, pfad, fehler);
}

} // namespace tlt
