// tlt pruefen: loads a cup file and prints a short summary, with hints on data that needs a look.
#include "cli/befehl.h"
#include "core/cup.h"
#include "core/cupdatei.h"

#include <QHash>
#include <QMap>
#include <QSet>

namespace tlt::cli {

namespace {

QString kategorietext(int index)
{
    return index >= 0 && index < kategorien().size() ? kategorien().at(index) : QStringLiteral("(keine)");
}

// Labels of all age groups, women's and men's.
QSet<QString> altersgruppen(const Cup &cup)
{
    QSet<QString> s;
    for (int r = 1; r < cup.ag.rowCount(); ++r) {
        s.insert(cup.ag.cell(Agspalte::Weiblich, r));
        s.insert(cup.ag.cell(Agspalte::Maennlich, r));
    }
    return s;
}

QStringList hinweise(const Cup &cup)
{
    QStringList h;
    const QString zeichen = nichtDarstellbareZeichen(cup);
    if (!zeichen.isEmpty())
        h << QStringLiteral("Diese Zeichen kann die Cup-Datei nicht speichern: %1").arg(zeichen);

    QMap<QString, int> nummern;
    QMap<QString, int> unbekannteGruppen;
    QMap<QString, int> unbekannteVarianten;
    QSet<QString> varianten;
    for (int r = 1; r < cup.cv.rowCount(); ++r)
        varianten.insert(cup.cv.cell(Cvspalte::Name, r));
    const QSet<QString> gruppen = altersgruppen(cup);
    int ohneNummer = 0;
    for (int r = 1; r < cup.teil.rowCount(); ++r) {
        const QString &sn = cup.teil.cell(Teilspalte::Startnummer, r);
        if (sn.isEmpty())
            ++ohneNummer;
        else
            ++nummern[sn];
        const QString &gruppe = cup.teil.cell(Teilspalte::Altersgruppe, r);
        if (!gruppen.contains(gruppe))
            ++unbekannteGruppen[gruppe];
        const QString &variante = cup.teil.cell(Teilspalte::Cupvariation, r);
        if (!varianten.isEmpty() && !varianten.contains(variante))
            ++unbekannteVarianten[variante];
    }
    for (auto it = nummern.cbegin(); it != nummern.cend(); ++it)
        if (it.value() > 1)
            h << QStringLiteral("Die Startnummer %1 ist %2-mal vergeben.").arg(it.key()).arg(it.value());
    if (ohneNummer > 0)
        h << QStringLiteral("Teilnehmer ohne Startnummer: %1").arg(ohneNummer);
    for (auto it = unbekannteGruppen.cbegin(); it != unbekannteGruppen.cend(); ++it)
        h << QStringLiteral("Altersgruppe \"%1\" gibt es nicht (Teilnehmer: %2).").arg(it.key()).arg(it.value());
    for (auto it = unbekannteVarianten.cbegin(); it != unbekannteVarianten.cend(); ++it)
        h << QStringLiteral("Cupvariante \"%1\" gibt es nicht (Teilnehmer: %2).").arg(it.key()).arg(it.value());
    return h;
}

int pruefen(const QStringList &args, Umgebung &u)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        return aufruffehler(u, QStringLiteral("pruefen"));

    Cup cup;
    QString fehler;
    if (!ladenDatei(cup, args.first(), &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }

    int zeitlaeufe = 0;
    for (int c = 1; c <= cup.anzahlLaufe(); ++c)
        if (cup.lauftyp(c) == kZeitlauf)
            ++zeitlaeufe;
    QStringList variantennamen;
    for (int r = 1; r < cup.cv.rowCount(); ++r)
        variantennamen << cup.cv.cell(Cvspalte::Name, r);

    QTextStream &o = u.out;
    o << "Datei: " << cup.dateiname << '\n';
    o << "Name: " << cup.name << '\n';
    o << "Veranstalter: " << cup.veranstalter << '\n';
    o << "Kategorie: " << kategorietext(cup.kategorie) << '\n';
    o << "Mindestteilnahmen für Endwertung: " << cup.min << '\n';
    o << "Maximale Anzahl gewerteter Teilnahmen: " << cup.max << '\n';
    o << "Anzahl Läufe: " << cup.anzahlLaufe();
    if (cup.anzahlLaufe() > 0)
        o << " (Zeitläufe: " << zeitlaeufe << ", Distanzläufe: " << cup.anzahlLaufe() - zeitlaeufe << ')';
    o << '\n';
    for (int c = 1; c <= cup.anzahlLaufe(); ++c)
        o << "  " << cup.laufe.cell(c, Laufzeile::Nummer) << ". " << cup.laufe.cell(c, Laufzeile::Datum) << "  "
          << cup.lauftyp(c) << "  " << cup.laufe.cell(c, Laufzeile::Vereinsname) << '\n';
    o << "Teilnehmer: " << cup.anzahlTeilnehmer() << '\n';
    o << "Altersgruppen: " << cup.ag.rowCount() - 1 << '\n';
    o << "Cupvarianten: " << variantennamen.size();
    if (!variantennamen.isEmpty())
        o << " (" << variantennamen.join(QStringLiteral(", ")) << ')';
    o << '\n';
    o << "Punkteplätze: " << cup.pv.rowCount() - 1 << '\n';

    const QStringList h = hinweise(cup);
    if (!h.isEmpty()) {
        o << "Hinweise:\n";
        for (const QString &z : h)
            o << "  " << z << '\n';
    }
    return Ok;
}

const Registrierung registrierung{Befehl{QStringLiteral("pruefen"), QStringLiteral("tlt pruefen CUP.tl3"),
                                         QStringLiteral("Lädt die Cup-Datei und zeigt eine kurze Zusammenfassung"),
                                         pruefen}};

} // namespace

} // namespace tlt::cli
